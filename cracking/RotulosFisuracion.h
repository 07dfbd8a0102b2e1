#pragma once
// Rótulos de la comprobación de fisuración, los mismos en la ventana y en velmora-calc.

#include "cracking/Fisuracion.h"

#include <string>
#include <utility>
#include <vector>

namespace velmora {

// «Comprobación según el Código Estructural, Anejo 19, 7.2 y 7.3»: la norma de este cálculo,
// sea cual sea la elegida para lo demás.
inline constexpr const char* TextoNormaFisuracion =
    "Comprobación según el Código Estructural, Anejo 19, 7.2 y 7.3";

// Los rótulos de resultados por el nombre de su control, en el orden de la ventana.
[[nodiscard]] std::vector<std::pair<std::string, std::string>>
RotularFisuracion(const ResultadoFisuracion& r);

// Un veredicto empieza por «Cumple» o por «No cumple».
[[nodiscard]] bool VeredictoCumple(const std::string& texto);

} // namespace velmora
