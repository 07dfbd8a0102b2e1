#pragma once
// Armadura transversal de vigas: compresión oblicua del alma, contribución del hormigón y
// separación de los cercos en la zona de apoyo y en la zona central, por la EHE-98 (art. 44) o por
// el Código Estructural (Anejo 19, 6.2 y 9.2.2), según la norma del estado de diseño.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "norma/Norma.h"

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
    double cotAlfa = 0, senAlfa = 1; // cot α es exactamente 0 y sen α 1 con α = 90º
    double Vu1 = 0;           // N
    double rhoL = 0;          // cuantía longitudinal, limitada a 0.02
    double beta = 0, xi = 0;  // factores de Vcu
    double Vcu = 0;           // N
    bool Agotamiento = false; // Vd1 > Vu1

    // Norma del cálculo. Con el Código Estructural Vu1 es VRd,max, Vcu es VRd,c, xi es k y fyad
    // es fywd; beta no se usa.
    Norma norma = Norma::EHE98;
    double fyk = 0, gammaS = 0, gammaC = 0;      // N/mm², –, –
    double z = 0, nu1 = 0, CRdc = 0, vmin = 0;   // mm, –, –, N/mm²
    double VRdcA = 0, VRdcB = 0;                 // (6.2.a) y (6.2.b), N
};

// --- Ecuaciones (EHE-98, art. 44); longitudes en mm, fuerzas en N, tensiones en N/mm² ---

// fyα,d: resistencia de cálculo de la armadura transversal, no mayor que 400 N/mm² (art. 40.2).
[[nodiscard]] double Fyad(double fyd);
// Vu1 = 0.60·fcd·b0·d·(cot θ + cot α)/(1 + cot²θ), N (art. 44.2.3.1).
[[nodiscard]] double Vu1(double fcd, double b0, double d, double cotTeta, double cotAlfa);
// ρl = As/(b0·d), no mayor que 0.02 (art. 44.2.3.2.2).
[[nodiscard]] double RhoL(double As, double b0, double d);
// ξ = 1 + √(200/d), d en mm (art. 44.2.3.2.2).
[[nodiscard]] double Xi(double d);
// Factor β de la contribución del hormigón (art. 44.2.3.2.2). Ángulos en radianes.
[[nodiscard]] double FactorBeta(double tetaRad, double tetaeRad);
// Vcu = β·0.10·ξ·(100·ρl·fck)^(1/3)·b0·d, N (art. 44.2.3.2.2).
[[nodiscard]] double Vcu(double beta, double xi, double rhoL, double fck, double b0, double d);
// Vsu = Aα·0.9·d·sen α·(cot α + cot θ)·fyα,d/st, N (art. 44.2.3.2.2).
[[nodiscard]] double Vsu(double Aalfa, double d, double senAlfa, double cotAlfa, double cotTeta,
                         double fyad, double st);
// Separación con la que Vcu + Vsu = Vd: 0.9·d·sen α·(cot α + cot θ)·fyα,d·Aα/(Vd − Vcu), mm.
[[nodiscard]] double StResistente(double Aalfa, double d, double senAlfa, double cotAlfa,
                                  double cotTeta, double fyad, double Vd, double Vcu);
// Separación con la que Aα es la cuantía mínima Aα·fyα,d/sen α ≥ 0.02·fcd·b0·st:
// st = 50·Aα·fyα,d/(fcd·b0·sen α), mm (art. 44.2.3.4.1).
[[nodiscard]] double StMinima(double Aalfa, double fyad, double fcd, double b0, double senAlfa);
// Tensión de la armadura transversal para la fisuración σ = (Vd − 3·Vcu)·sen α/(Aα·d) y
// separación máxima de su tabla (300, 200, 150, 100, 50 mm) (art. 49.3).
[[nodiscard]] double SigmaFisuracion(double Vd, double Vcu, double senAlfa, double Aalfa,
                                     double d);
[[nodiscard]] double StFisuracion(double sigma);
// Separación máxima de los cercos por el cortante Vd frente a Vu1, mm (art. 44.2.3.4.1).
[[nodiscard]] double StMaxima(double Vd, double Vu1, double d);

// Comprobaciones de los datos que hace «Calcular» antes de calcular (ángulos, dimensiones,
// área, diámetro comprimido), con sus mensajes. Los intervalos de los ángulos son los de la norma.
[[nodiscard]] Estado ComprobarDatosCortante(const DatosCortante& datos);
[[nodiscard]] Estado ComprobarDatosCortante(const DatosCortante& datos, Norma norma);

// Pasos de «Calcular» por la norma del estado: comprueba los datos, deja d y b en el estado de
// diseño y calcula Vu1, rhoL y Vcu. Sin parámetros generales confirmados (fcd, fyd o fck nulos)
// devuelve el mensaje de confirmación; un resultado que no cabe en su rótulo es un error. Con
// `traza` anota cada paso para la memoria a medida que lo calcula.
[[nodiscard]] Resultado<CalculoCortante>
CalcularCortante(EstadoDiseno& e, const DatosCortante& datos, Traza* traza = nullptr);

// Contribución de la armadura transversal de área Aalfa (mm²) separada st (mm), en N.
[[nodiscard]] double CalcularVsu(const CalculoCortante& c, double Aalfa, double st);
// Agotamiento por tracción del alma con esa contribución: Vcu + Vsu (EHE-98) o VRd = VRd,s, no
// mayor que VRd,max (Código Estructural), en N.
[[nodiscard]] double AgotamientoTraccion(const CalculoCortante& c, double Vsu);

// Regla que fijó la separación de los cercos.
enum class ReglaSeparacion {
    Minima,        // la cuantía mínima (art. 44.2.3.4.1)
    Resistente,    // Vcu + Vsu = Vd (art. 44.2.3.2.2)
    Fisuracion,    // control de la fisuración (art. 49.3)
    Maxima,        // separación máxima por Vd/Vu1 (art. 44.2.3.4.1)
    QuinceDiametros // 15 veces el diámetro comprimido más delgado (art. 42.3.1)
};

struct Separacion {
    double st = 0;         // mm
    std::string marca;     // "*" si rige la armadura mínima
    bool limitada = false; // rige una separación máxima ("Separacion máxima")
    ReglaSeparacion regla = ReglaSeparacion::Minima;
};

// Separación de los cercos de área Aalfa (mm²) para el cortante Vd (N). Aalfa ha de ser > 0.
// Con `traza` anota las separaciones candidatas y la que rige, con el nombre de la zona.
[[nodiscard]] Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double Vd,
                                                       double Aalfa, Traza* traza = nullptr,
                                                       const std::string& zona = {});

// Menor diámetro comercial (6, 8, 10, 12, 14, 16, 20, 25, 32, 40 mm) no inferior a x redondeado
// hacia arriba. Por debajo de 1 mm da 6 mm; por encima de 40 mm no hay diámetro y es un error.
[[nodiscard]] Resultado<int> DiametroComercial(double x);

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
    double ramas = 0, diametro = 0; // cercos con que se calculó (diámetro ya elevado), –, mm
    double Aalfa = 0, st = 0, Vsu = 0;
};

struct TextosZonas {
    std::string Recordatorio;
    std::array<TextosZona, 2> zona; // 0: zona de apoyo (Vd2), 1: zona central (Vd3)
};

// Diseña las dos zonas con los cercos elegidos y devuelve los rótulos de la ventana. Con `traza`
// anota los pasos de cada zona que da resultado, y el motivo de la que no lo da.
[[nodiscard]] TextosZonas CalcularZonas(const CalculoCortante& c, const EleccionZonas& eleccion,
                                        Traza* traza = nullptr);

// El ángulo θe (CuadroTetae) se usa con la norma (sólo la EHE-98: su factor β).
[[nodiscard]] bool UsaTetae(Norma norma);

// Símbolos de las filas de la ventana de resultados (EtiquetaVu1, EtiquetaVcu, EtiquetaVsuApoyo,
// EtiquetaVsuCentral, EtiquetaVu2Apoyo, EtiquetaVu2Central) con la norma del cálculo.
[[nodiscard]] std::array<std::string, 6> SimbolosResultadosCortante(Norma norma);

// Rótulos fijos de la ventana de resultados.
std::string TextoFuerza(double N);                            // "=" + kN (10:3)
std::string TextoCompresionOblicua(const CalculoCortante& c); // veredicto, con salto CR

} // namespace velmora
