#include "shear/ce/Ecuaciones.h"

#include <algorithm>
#include <cmath>

namespace velmora::ce {

double z(double d) {
    return 0.9 * d;
}

double fywd(double fyk, double gammaS) {
    return fyk / gammaS;
}

double nu1(double fck) {
    return 0.6 * (1.0 - fck / 250.0);
}

double VRdmax(double alfaCw, double bw, double z, double nu1, double fcd, double cotTeta,
              double cotAlfa) {
    return alfaCw * bw * z * nu1 * fcd * (cotTeta + cotAlfa) / (1.0 + cotTeta * cotTeta);
}

double CRdc(double gammaC) {
    return 0.18 / gammaC;
}

double k(double d) {
    return std::min(1.0 + std::sqrt(200.0 / d), 2.0);
}

double rhol(double Asl, double bw, double d) {
    return std::min(Asl / (bw * d), 0.02);
}

double vmin(double k, double fck) {
    return 0.035 * std::pow(k, 1.5) * std::sqrt(fck);
}

double VRdcA(double CRdc, double k, double rhol, double fck, double bw, double d) {
    return CRdc * k * std::cbrt(100.0 * rhol * fck) * bw * d;
}

double VRdcB(double vmin, double bw, double d) {
    return vmin * bw * d;
}

double VRds(double Asw, double s, double z, double fywd, double cotTeta, double cotAlfa,
            double senAlfa) {
    return Asw / s * z * fywd * (cotTeta + cotAlfa) * senAlfa;
}

double sVRds(double Asw, double z, double fywd, double cotTeta, double cotAlfa, double senAlfa,
             double VEd) {
    return Asw * z * fywd * (cotTeta + cotAlfa) * senAlfa / VEd;
}

double rhowmin(double fck, double fyk) {
    return 0.08 * std::sqrt(fck) / fyk;
}

double sRhowmin(double Asw, double rhowmin, double bw, double senAlfa) {
    return Asw / (rhowmin * bw * senAlfa);
}

double slmax(double d, double cotAlfa) {
    return 0.75 * d * (1.0 + cotAlfa);
}

double phiCercoPilar(double phiMaxLong) {
    return std::max(6.0, 0.25 * phiMaxLong);
}

double scltmax(double phiMinLong, double h, double b) {
    return std::min({15.0 * phiMinLong, 300.0, std::min(h, b)});
}

} // namespace velmora::ce
