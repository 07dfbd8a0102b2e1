#pragma once
// Rótulos de la ventana de resultados de la armadura longitudinal tras un dimensionamiento.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// Las tres líneas del texto del dominio de deformación.
std::array<std::string, 3> LineasDominio(DominioDeformacion d);
// Lo mismo por el código del estado (Dominio 1..6); vacías fuera de 1..6.
std::array<std::string, 3> LineasDominio(unsigned Dominio);

// Texto de DomDeform: las tres líneas unidas por saltos de línea ('\n'); vacío fuera de 1..6
// (la ventana deja entonces su rótulo como estaba).
std::string TextoDominio(unsigned Dominio);

// Rótulos que escribe el dimensionamiento en la ventana de resultados, por nombre de control.
struct RotulosResultados {
    std::string DomDeform;           // TextoDominio
    std::string Recomendada;         // RotularCuantia
    std::string Cuantia;             // RotularCuantia
    std::string CapacidadTraccion;   // U1 en kN (9:3)
    std::string CapacidadCompresion; // U2 en kN (9:3)
    std::string AreaTraccion;        // As1 en cm² (9:3)
    std::string AreaCompresion;      // As2 en cm² (9:3)
    std::string Profundidad;         // TextoProfundidad
    std::string xlimite;             // TextoXlimite
    // Soporte con el Código Estructural: las barras deben tener 12 mm o más (Anejo 19, 9.5.2(1)).
    bool DiametroMinimo12 = false;

    // Pares (nombre del control, rótulo) en el orden de la ventana.
    std::vector<std::pair<std::string, std::string>> PorControl() const;
};

// Todos los rótulos anteriores a partir del estado tras DimensionarSeccion.
RotulosResultados RotularResultados(const EstadoDiseno& e, TipoDeElemento TipoElemento);

// Rótulo de Recomendada con los diámetros elegidos (texto de las listas, mm): el de `r` y, si
// DiametroMinimo12 y alguno es menor de 12 mm, la nota que lo pide.
std::string RecomendadaConDiametros(const RotulosResultados& r, std::string_view DiametroTraccion,
                                    std::string_view DiametroCompresion);

// Número de barras del diámetro (texto de la lista, mm enteros) cuya área alcanza As (mm²),
// alineado a la derecha en 4 caracteres (el menor entero no inferior a As·4/(π·φ²), sin contar
// como barra de más el ruido de redondeo de un número exacto de barras). Un diámetro que no es un
// entero entre 1 y 255 mm no da número: error que nombra `campo`.
Resultado<std::string> NumeroBarras(double As, std::string_view diametro, std::string_view campo);
// NumeroA1 para As1 y DiametroTraccion; NumeroA2 para As2 y DiametroCompresion.
Resultado<std::string> NumeroBarrasTraccion(const EstadoDiseno& e,
                                            std::string_view DiametroTraccion);
Resultado<std::string> NumeroBarrasCompresion(const EstadoDiseno& e,
                                              std::string_view DiametroCompresion);

} // namespace velmora
