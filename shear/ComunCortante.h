#pragma once
// Piezas que comparten los cálculos del cortante de la viga de las dos normas: ángulos, el texto
// de un ángulo en los mensajes y la comprobación de que una fuerza cabe en su rótulo.

#include "shear/Cercos.h"
#include "shear/Cortante.h"

#include <string>

namespace velmora::cortante {

inline constexpr const char* MensajeSinCercos =
    "Sin cercos: el número de ramas y el diámetro han de ser mayores que 0.";
inline constexpr const char* NombreCalculo = "cortante de la viga";

[[nodiscard]] double Cot(double rad);
[[nodiscard]] double Radianes(double grados);
// Ángulo en grados para un mensaje, sin ceros de sobra ("45", "26.5").
[[nodiscard]] std::string Angulo(double grados);
// Una fuerza (N) se muestra en kN con el formato de TextoFuerza.
[[nodiscard]] bool FuerzaMostrable(double N);

// Comprobaciones comunes a las dos normas, en el orden de los mensajes: canto y ancho antes de
// los ángulos; área y diámetro comprimido después.
[[nodiscard]] Estado ComprobarSeccion(const DatosCortante& datos);
[[nodiscard]] Estado ComprobarArmaduras(const DatosCortante& datos);

// cot α y sen α: exactamente 0 y 1 cuando se escribe α = 90º.
void PrepararAlfa(CalculoCortante& c);
// Con armadura comprimida la separación no pasa de 15 veces su diámetro más delgado (EHE-98,
// art. 42.3.1; Anejo 19, 9.2.1.2(3)).
void LimitarQuinceDiametros(const CalculoCortante& c, Separacion& s);

} // namespace velmora::cortante
