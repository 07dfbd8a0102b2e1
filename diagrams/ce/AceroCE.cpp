#include "diagrams/ce/AceroCE.h"

#include <cmath>

namespace velmora::ce {

double EpsilonYd(double fyd) {
    return fyd / EsArmadura;
}

double EpsilonUd(double epsUk) {
    return FactorEpsilonUd * epsUk;
}

double SigmaRamaHorizontal(double eps, double fyd) {
    const double elastica = EsArmadura * eps;
    return std::fabs(elastica) <= fyd ? elastica : std::copysign(fyd, eps);
}

double SigmaRamaInclinada(double eps, double fyd, double k, double epsUk) {
    const double eyd = EpsilonYd(fyd);
    const double a = std::fabs(eps);
    if (a <= eyd)
        return EsArmadura * eps;
    return std::copysign(fyd + (k * fyd - fyd) * (a - eyd) / (epsUk - eyd), eps);
}

} // namespace velmora::ce
