#pragma once
// Piezas de las longitudes de anclaje que eligen las normas: las comprobaciones comunes de una
// posición y las funciones de cada norma que Anclaje.cpp elige en un solo sitio.

#include "anchorage/Anclaje.h"

namespace velmora::anclaje {

// Un número en su forma más corta que se relee igual («27.5», «1e+300»), para los mensajes.
[[nodiscard]] std::string Corto(double v);

// Una posición sin barras o, con «Armadura estricta», sin área real positiva no se calcula.
[[nodiscard]] Estado ComprobarPosicion(const DatosAnclaje& d);
// El decalaje se suma a las dos longitudes de una posición en tracción si es positivo.
void SumarDecalaje(const DatosAnclaje& d, LongitudAnclaje& r);

} // namespace velmora::anclaje

// Cada norma calcula una posición y, con `traza`, anota cada paso con los números que usa.
namespace velmora::ehe98 {
// m de TablaM por fck y el acero (0 B 400 S, 1 B 500 S).
[[nodiscard]] Resultado<int> CoeficienteM(const EstadoDiseno& e, double fck, int acero);
[[nodiscard]] Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d, Traza* traza);
} // namespace velmora::ehe98

namespace velmora::ce {
// fck en 20..90 N/mm² y parámetros generales confirmados (γc, γs); no hay coeficiente m: 0.
[[nodiscard]] Resultado<int> CoeficienteM(const EstadoDiseno& e, double fck, int acero);
[[nodiscard]] Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d, Traza* traza);
} // namespace velmora::ce
