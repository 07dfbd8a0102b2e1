#include "materiales/ce/Hormigon.h"

#include <algorithm>
#include <cmath>

namespace velmora::ce {

namespace {
constexpr double fckLimiteNormal = 50.0; // N/mm²: por encima, hormigones de alta resistencia
// ((90 − fck)/100)^4, término común de εcu2 y n para fck > 50.
double Cuarta(double fck) { return std::pow((90.0 - fck) / 100.0, 4.0); }
} // namespace

double fcm(double fck) { return fck + 8.0; }

double fctm(double fck) {
    if (fck <= fckLimiteNormal)
        return 0.30 * std::pow(fck, 2.0 / 3.0);
    return 2.12 * std::log(1.0 + fcm(fck) / 10.0);
}

double fctk005(double fck) { return 0.7 * fctm(fck); }
double fctk095(double fck) { return 1.3 * fctm(fck); }

double Ecm(double fck) { return 22000.0 * std::pow(fcm(fck) / 10.0, 0.3); }

double EpsilonC2(double fck) {
    if (fck <= fckLimiteNormal)
        return 2.0e-3;
    return (2.0 + 0.085 * std::pow(fck - fckLimiteNormal, 0.53)) * 1e-3;
}

double EpsilonCU2(double fck) {
    if (fck <= fckLimiteNormal)
        return 3.5e-3;
    return (2.6 + 35.0 * Cuarta(fck)) * 1e-3;
}

double ExponenteN(double fck) {
    if (fck <= fckLimiteNormal)
        return 2.0;
    return 1.4 + 23.4 * Cuarta(fck);
}

double fctmFl(double fck, double h) { return std::max((1.6 - h / 1000.0) * fctm(fck), fctm(fck)); }

} // namespace velmora::ce
