#include "deflection/ce/Ecuaciones.h"

namespace velmora::ce {

double Beta(DuracionCarga duracion) {
    return duracion == DuracionCarga::CortaUnica ? 1.0 : 0.5;
}

double Mcr(double fctm, double II, double h) {
    return fctm * II * 2.0 / h;
}

double Zeta(double beta, double Mcr, double M) {
    if (!(M > Mcr))
        return 0.0;
    const double r = Mcr / M;
    return 1.0 - beta * r * r;
}

double InerciaEquivalente(double zeta, double II, double III) {
    return 1.0 / (zeta / III + (1.0 - zeta) / II);
}

double FactorDiferido(double Ecm, double I, double EcEff, double IInf) {
    return Ecm * I / (EcEff * IInf) - 1.0;
}

} // namespace velmora::ce
