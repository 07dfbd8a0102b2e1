#pragma once
// Piezas breves de los pasos de una traza que comparten los cálculos: los números de una
// sustitución y la cita de un apartado del Anejo 19 del Código Estructural.

#include "common/Traza.h"
#include "norma/Norma.h"

#include <string>
#include <string_view>

namespace velmora::pasos {

// Número de una sustitución con 8 cifras significativas.
[[nodiscard]] inline std::string N(double valor) {
    return Cifras(valor, 8);
}

// «Anejo 19, 9.5.3(3)».
[[nodiscard]] inline std::string A(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

} // namespace velmora::pasos
