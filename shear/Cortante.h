#pragma once
// Armadura transversal de vigas (EHE-98, art. 44): compresión oblicua del alma, contribución del
// hormigón y separación de los cercos en la zona de apoyo y en la zona central.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"

#include <array>
#include <string>

namespace velmora {

// Datos de la ventana, ya en unidades de cálculo.
struct DatosCortante {
    double d = 0, b = 0;                  // canto útil y ancho, mm
    double alfa = 0, teta = 0, tetae = 0; // ángulos, grados
    double Vd1 = 0, Vd2 = 0, Vd3 = 0;     // cortantes de cálculo, N
    double Asl = 0;                       // armadura longitudinal traccionada, mm²
    bool ArmaduraComprimida = false;
    double phiMinComp = 0, phiMaxComp = 0; // diámetros de la armadura comprimida, mm
};

// Valores del último cálculo, que las zonas vuelven a usar al cambiar los cercos.
struct CalculoCortante {
    DatosCortante datos;
    double fck = 0, fcd = 0, fyad = 0;
    double alfaRad = 0, tetaRad = 0, tetaeRad = 0;
    double cotTeta = 0;
    double Vu1 = 0;           // N
    double rhoL = 0;          // cuantía longitudinal, limitada a 0.02
    double Vcu = 0;           // N
    bool Agotamiento = false; // Vd1 > Vu1
};

// Factor β de la contribución del hormigón (art. 44.2.3.2.2). Ángulos en radianes.
double FactorBeta(double tetaRad, double tetaeRad);

// Pasos de «Calcular»: comprueba los datos, deja d y b en el estado de diseño y calcula Vu1,
// rhoL y Vcu. Sin parámetros generales confirmados (fcd, fyd o fck nulos) devuelve el mensaje
// de confirmación.
Resultado<CalculoCortante> CalcularCortante(EstadoDiseno& e, const DatosCortante& datos);

// Contribución de la armadura transversal de área Aalfa (mm²) separada st (mm), en N.
double CalcularVsu(const CalculoCortante& c, double Aalfa, double st);

struct Separacion {
    double st = 0;         // mm
    std::string marca;     // "*" si rige la armadura mínima
    bool limitada = false; // rige una separación máxima ("Separacion máxima")
};

// Separación de los cercos de área Aalfa (mm²) para el cortante Vd (N). Aalfa ha de ser > 0.
Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double Vd, double Aalfa);

// Menor diámetro comercial (6, 8, 10, 12, 14, 16, 20, 25, 32, 40 mm) no inferior a x redondeado
// hacia arriba. Por debajo de 1 mm da 6 mm; por encima de 40 mm no hay diámetro y es un error.
Resultado<int> DiametroComercial(double x);

// Elecciones de la ventana de resultados, tal como están escritas en sus cuadros.
struct EleccionZonas {
    std::string NumeroCercosZona1 = "2", DiametroZona1 = "10";
    std::string NumeroCercosZona2 = "2", DiametroZona2 = "10";
};

struct TextosZona {
    bool valida = false;           // false: Longitud lleva el motivo y no hay resultados
    std::string Longitud;          // "/ 29*" o el motivo
    bool SeparacionMaxima = false; // "Separacion máxima" visible
    std::string ContribucionArmadura, AgotamientoTraccion;
    std::string DiametroElevado; // texto nuevo del cuadro del diámetro, vacío si no cambia
    double Aalfa = 0, st = 0, Vsu = 0;
};

struct TextosZonas {
    std::string Recordatorio;
    std::array<TextosZona, 2> zona; // 0: zona de apoyo (Vd2), 1: zona central (Vd3)
};

// Diseña las dos zonas con los cercos elegidos y devuelve los rótulos de la ventana.
TextosZonas CalcularZonas(const CalculoCortante& c, const EleccionZonas& eleccion);

// Rótulos fijos de la ventana de resultados.
std::string TextoFuerza(double N);                            // "=" + kN (10:3)
std::string TextoCompresionOblicua(const CalculoCortante& c); // veredicto, con salto CR

} // namespace velmora
