#pragma once
// Armadura transversal de vigas por el Código Estructural (Anejo 19, 6.2 y 9.2.2): VRd,max,
// VRd,c y la separación de los cercos sin contribución del hormigón una vez que hacen falta.
// Las funciones de Cortante.h las eligen cuando la norma del estado es el Código Estructural.

#include "shear/Cortante.h"

namespace velmora::ce {

// Canto, ancho, área y diámetro comprimido como en la EHE-98; α entre 45º y 90º (9.2.2(1)) y
// 0.5 ≤ cot θ ≤ 2 (6.2.3(2)). θe no se usa.
[[nodiscard]] Estado ComprobarDatosCortante(const DatosCortante& datos);
// Con `traza` cada función anota sus pasos para la memoria a medida que los calcula.
[[nodiscard]] Resultado<CalculoCortante>
CalcularCortante(EstadoDiseno& e, const DatosCortante& datos, Traza* traza = nullptr);
[[nodiscard]] Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double VEd,
                                                       double Asw, Traza* traza = nullptr,
                                                       const std::string& zona = {});
// VRd,s de cercos de área Asw (mm²) separados s (mm), en N (6.13).
[[nodiscard]] double CalcularVsu(const CalculoCortante& c, double Asw, double s);
// VRd = VRd,s, no mayor que VRd,max (6.2.3(3) y (4)), en N.
[[nodiscard]] double AgotamientoTraccion(const CalculoCortante& c, double VRds);
// Pasos de la memoria de una zona: el área Asw de sus cercos, y VRd,s y VRd ya calculadas.
void PasoArea(Traza& t, const TextosZona& z, const std::string& zona);
void PasosResistencia(Traza& t, const CalculoCortante& c, const TextosZona& z, double VRd,
                      const std::string& zona);

} // namespace velmora::ce
