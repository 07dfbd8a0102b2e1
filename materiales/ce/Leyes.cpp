#include "materiales/ce/Leyes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora::ce {

namespace {
// 1 − (1 − E/εc2)^k, con E ≤ εc2.
double Complemento(const LeyHormigon& l, double E, double k) {
    return 1.0 - std::pow(1.0 - E / l.epsC2, k);
}
} // namespace

double SigmaC(const LeyHormigon& l, double eps) {
    if (!(eps > 0.0))
        return 0.0;
    if (eps <= l.epsC2)
        return l.alfa * l.fcd * Complemento(l, eps, l.n);
    return l.alfa * l.fcd;
}

double IntegralSigmaC(const LeyHormigon& l, double E) {
    const double fc = l.alfa * l.fcd;
    const double ec2 = l.epsC2, n = l.n;
    if (E <= ec2)
        return fc * (E - ec2 / (n + 1.0) * Complemento(l, E, n + 1.0));
    return fc * (E - ec2 / (n + 1.0));
}

double MomentoSigmaC(const LeyHormigon& l, double E) {
    const double fc = l.alfa * l.fcd;
    const double ec2 = l.epsC2, n = l.n;
    const double e = std::min(E, ec2);
    // ∫₀ᵉ (1 − ε/εc2)^n·ε dε = εc2²·[(1 − u^(n+1))/(n+1) − (1 − u^(n+2))/(n+2)], u = 1 − e/εc2.
    const double parabola =
        fc * (e * e / 2.0 - ec2 * ec2 *
                                (Complemento(l, e, n + 1.0) / (n + 1.0) -
                                 Complemento(l, e, n + 2.0) / (n + 2.0)));
    if (E <= ec2)
        return parabola;
    return parabola + fc * (E * E - ec2 * ec2) / 2.0;
}

LeyHormigon LeyHormigonCE(double fcd, double epsC2, double epsCU2, double n) {
    LeyHormigon l;
    l.epsC2 = epsC2;
    l.epsCU2 = epsCU2;
    l.n = n;
    l.fcd = fcd;
    l.alfa = 1.0;
    l.Integral = IntegralSigmaC;
    l.Momento = MomentoSigmaC;
    l.Tension = SigmaC;
    return l;
}

LeyAcero LeyAceroCE(double fyd, double Es) {
    return LeyAcero{Es, fyd, fyd, std::numeric_limits<double>::infinity()};
}

double ProfundidadPivoteC2(const LeyHormigon& l, double h) {
    return (1.0 - l.epsC2 / l.epsCU2) * h;
}

PlanoDeformacion PlanoUltimo(const LeyHormigon& l, double h, double x) {
    if (std::isinf(x))
        return {l.epsC2, 0.0};
    if (x <= h)
        return {l.epsCU2, l.epsCU2 / x};
    const double y0 = ProfundidadPivoteC2(l, h);
    const double kappa = l.epsC2 / (x - y0);
    return {kappa * x, kappa};
}

BloqueHormigon Bloque(const GeometriaBloque& g, const LeyHormigon& l, double x) {
    if (!(x > 0.0))
        return {};
    return IntegrarHormigon(CapasDe(g.rectangular, g.h, g.b, g.bw, g.hf), PlanoUltimo(l, g.h, x),
                            l);
}

} // namespace velmora::ce
