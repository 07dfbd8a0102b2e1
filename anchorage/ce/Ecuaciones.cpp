#include "anchorage/ce/Ecuaciones.h"

#include "materiales/ce/Hormigon.h"

#include <algorithm>

namespace velmora::ce {

double fctk005Adherencia(double fck) {
    return fctk005(std::min(fck, 60.0));
}

double fctd(double fctk005, double gammaC) {
    return 1.0 * fctk005 / gammaC;
}

double eta1(bool adherenciaBuena) {
    return adherenciaBuena ? 1.0 : 0.7;
}

double eta2(double phi) {
    return phi <= 32.0 ? 1.0 : (132.0 - phi) / 100.0;
}

double fbd(double eta1, double eta2, double fctd) {
    return 2.25 * eta1 * eta2 * fctd;
}

double sigmasd(double fyd, double AsNecesaria, double AsReal) {
    return fyd * AsNecesaria / AsReal;
}

double lbrqd(double phi, double sigmasd, double fbd) {
    return phi / 4.0 * (sigmasd / fbd);
}

double alfa1(bool patilla, bool recubrimiento, bool traccion) {
    return patilla && recubrimiento && traccion ? 0.7 : 1.0;
}

double alfa4(bool barraSoldada) {
    return barraSoldada ? 0.7 : 1.0;
}

double lbmin(double lbrqd, double phi, bool traccion) {
    return std::max({(traccion ? 0.3 : 0.6) * lbrqd, 10.0 * phi, 100.0});
}

double lbd(double alfa1, double alfa4, double lbrqd, double lbmin) {
    return std::max(alfa1 * alfa4 * lbrqd, lbmin);
}

} // namespace velmora::ce
