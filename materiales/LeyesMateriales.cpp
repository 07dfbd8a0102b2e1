#include "materiales/LeyesMateriales.h"

#include <cmath>
#include <limits>

namespace velmora {

namespace {
constexpr double NoCalculable = std::numeric_limits<double>::quiet_NaN();
constexpr double TensionMinimaActiva = 100.0;  // N/mm²
constexpr double TensionMaximaActiva = 1000.0; // N/mm²
} // namespace

double TensionAcero(double Es, bool pasiva, double eps, double fyd) {
    if (!pasiva)
        return TensionAceroActiva(Es, eps, fyd);
    if (!(Es > 0.0) || !(fyd > 0.0) || !std::isfinite(eps))
        return NoCalculable;
    // Diagrama bilineal de la armadura pasiva (art. 38.4), simétrico: la rama horizontal en
    // ±fyd, también en compresión (una deformación de −3 ‰ no da −600 N/mm²).
    if (eps >= fyd / Es)
        return fyd;
    if (eps <= -fyd / Es)
        return -fyd;
    return Es * eps;
}

double ResiduoAceroActivo(double Es, double eps, double fyd, double sigma) {
    if (sigma > 0.7 * fyd)
        return eps - sigma / Es - 0.823 * std::pow(sigma / fyd - 0.7, 5.0);
    return eps - sigma / Es;
}

double TensionAceroActiva(double Es, double eps, double fyd) {
    if (!(Es > 0.0) || !(fyd > 0.0) || !std::isfinite(eps))
        return NoCalculable;
    if (eps <= 0.7 * fyd / Es)
        return Es * eps;

    // Diagrama de la armadura activa (art. 38.5), resuelto en tensión por bisección.
    double lo = TensionMinimaActiva;
    double hi = TensionMaximaActiva;
    double gLo = ResiduoAceroActivo(Es, eps, fyd, lo);
    const double gHi = ResiduoAceroActivo(Es, eps, fyd, hi);
    if (gLo < 0.0 || gHi > 0.0)
        return NoCalculable; // la raíz no está entre 100 y 1000 N/mm²
    if (gLo == 0.0)
        return lo;
    if (gHi == 0.0)
        return hi;
    // Cada paso parte el intervalo en dos: en doble precisión deja de estrecharse en menos de
    // 60 pasos; el tope sólo protege de un error de programación.
    for (int paso = 0; paso < 200; ++paso) {
        const double mid = (lo + hi) * 0.5;
        const double g = ResiduoAceroActivo(Es, eps, fyd, mid);
        if (std::fabs(g) < 1e-9 || mid <= lo || mid >= hi)
            return mid;
        if (g * gLo > 0.0) {
            lo = mid;
            gLo = g;
        } else {
            hi = mid;
        }
    }
    return (lo + hi) * 0.5;
}

} // namespace velmora
