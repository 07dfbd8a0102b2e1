#pragma once
// Elección de las reglas de un cálculo por la norma: cada tema declara una tabla de sus funciones
// por norma y la elige aquí, en un solo sitio, en lugar de preguntar por la norma en cada paso.

#include "norma/Norma.h"

namespace velmora {

template <typename Reglas>
[[nodiscard]] const Reglas& SegunNorma(Norma norma, const Reglas& ehe98,
                                       const Reglas& codigoEstructural) {
    switch (norma) {
    case Norma::CodigoEstructural:
        return codigoEstructural;
    case Norma::EHE98:
        break;
    }
    return ehe98;
}

} // namespace velmora
