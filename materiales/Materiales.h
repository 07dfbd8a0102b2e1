#pragma once
// Los materiales con que calcula una norma en un solo valor: resistencias, coeficientes
// parciales y las leyes de cálculo del hormigón y del acero. Las resistencias salen de las
// fórmulas de Resistencias.h y las leyes de LeyesSegun; quien tiene un estado de diseño los toma
// de él con MaterialesConfirmados o MaterialesSegun (design/MaterialesDelEstado.h).

#include "materiales/LeyesSeccion.h"
#include "norma/Norma.h"

namespace velmora {

struct Materiales {
    Norma norma = Norma::EHE98;
    double fck = 0.0, fyk = 0.0; // N/mm²
    double gammaC = 0.0, gammaS = 0.0;
    double fcd = 0.0, fyd = 0.0, fycd = 0.0; // N/mm²
    double alphaCC = 1.0; // Código Estructural: fcd ya lo lleva; la EHE-98 no lo usa
    // Parábola-rectángulo: εc2 (εc0 en la EHE-98), εcu2 (εcu), exponente n y meseta alfa·fcd
    // (0.85·fcd en la EHE-98; fcd con αcc en el Código Estructural).
    LeyHormigon hormigon;
    // Diagrama del acero: Es, fyd, fyc,d y el alargamiento máximo (10 ‰ en la EHE-98; sin
    // límite en el Código Estructural).
    LeyAcero acero;
};

} // namespace velmora
