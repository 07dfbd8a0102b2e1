#include "cracking/SeccionServicio.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora {

namespace {

// Un tramo del canto de ancho constante: de y0 a y1 con ancho b.
struct Tramo {
    double y0, y1, b;
};

int Tramos(const SeccionServicio& s, std::array<Tramo, 2>& t) {
    if (s.Rectangular || s.hf <= 0.0 || s.hf >= s.h) {
        t[0] = {0.0, s.h, s.Rectangular ? s.b : (s.hf >= s.h ? s.b : s.bw)};
        return 1;
    }
    t[0] = {0.0, s.hf, s.b};
    t[1] = {s.hf, s.h, s.bw};
    return 2;
}

// Primer momento del hormigón comprimido (de la cara superior a x) respecto de la fibra neutra,
// y el momento respecto de media altura de esas tensiones por unidad de curvatura:
// G = ∫b·(x − y)dy, H = ∫b·(x − y)·(h/2 − y)dy.
void IntegralesHormigon(const SeccionServicio& s, double x, double& G, double& H) {
    std::array<Tramo, 2> t{};
    const int n = Tramos(s, t);
    const double c = s.h / 2.0;
    G = H = 0.0;
    for (int i = 0; i < n; ++i) {
        const double y0 = t[i].y0, y1 = std::min(t[i].y1, x);
        if (y1 <= y0)
            continue;
        const double d1 = y1 - y0, d2 = y1 * y1 - y0 * y0, d3 = y1 * y1 * y1 - y0 * y0 * y0;
        G += t[i].b * (x * d1 - d2 / 2.0);
        H += t[i].b * (x * c * d1 - (x + c) * d2 / 2.0 + d3 / 3.0);
    }
}

// G y H de la sección fisurada con las armaduras homogeneizadas.
void Integrales(const SeccionServicio& s, double n, double x, double& G, double& H) {
    IntegralesHormigon(s, x, G, H);
    const double c = s.h / 2.0;
    for (const auto& [A, y] : {std::pair{s.As1, s.d}, std::pair{s.As2, s.d2}}) {
        const double m = y < x ? n - 1.0 : n;
        G += m * A * (x - y);
        H += m * A * (x - y) * (c - y);
    }
}

// Toda la sección traccionada: las dos armaduras equilibran N y M solas. Nada si una de las dos
// quedaría comprimida (o falta A2).
bool SoloArmaduras(const SeccionServicio& s, double n, double Ec, double N, double M,
                   TensionesServicio& t) {
    if (s.As2 <= 0.0 || s.As1 <= 0.0)
        return false;
    const double a = s.d - s.h / 2.0, c = s.h / 2.0 - s.d2;
    const double F1 = (M - N * c) / (a + c), F2 = -N - F1;
    if (F1 <= 0.0 || F2 < 0.0)
        return false;
    const double Es = n * Ec;
    const double e1 = F1 / s.As1 / Es, e2 = F2 / s.As2 / Es;
    const double pendiente = (e1 - e2) / (s.d - s.d2);
    const double abajo = e1 + pendiente * (s.h - s.d), arriba = e2 - pendiente * s.d2;
    if (abajo < 0.0 || arriba < 0.0)
        return false; // una cara queda comprimida: trabaja también el hormigón
    t.TodaTraccionada = true;
    t.sigmaS1 = F1 / s.As1;
    t.sigmaS2 = -F2 / s.As2;
    t.eps1 = std::max(abajo, arriba);
    t.eps2 = std::min(abajo, arriba);
    t.x = pendiente > 0.0 ? std::max(s.d2 - e2 / pendiente, -1e9) : -1e9;
    return true;
}

} // namespace

double AnchoA(const SeccionServicio& s, double y) {
    return s.Rectangular || y < s.hf ? s.b : s.bw;
}

double AnchoTraccionado(const SeccionServicio& s) {
    return s.Rectangular ? s.b : s.bw;
}

SeccionBruta Bruta(const SeccionServicio& s) {
    std::array<Tramo, 2> t{};
    const int n = Tramos(s, t);
    SeccionBruta g;
    double S = 0.0, I0 = 0.0;
    for (int i = 0; i < n; ++i) {
        const double A = t[i].b * (t[i].y1 - t[i].y0);
        g.Ac += A;
        S += A * (t[i].y0 + t[i].y1) / 2.0;
        I0 += t[i].b * (std::pow(t[i].y1, 3) - std::pow(t[i].y0, 3)) / 3.0;
    }
    g.yg = S / g.Ac;
    g.Ic = I0 - g.Ac * g.yg * g.yg;
    g.W = g.Ic / (s.h - g.yg);
    return g;
}

TensionesServicio Fisurada(const SeccionServicio& s, double n, double Ec, double N, double M) {
    TensionesServicio t;
    if (SoloArmaduras(s, n, Ec, N, M, t))
        return t;
    // F(x) = N·H(x) − M·G(x) se anula en la fibra neutra; se busca el primer cambio de signo
    // desde la cara superior con una curvatura del signo de la compresión arriba.
    constexpr int Pasos = 800;
    const auto F = [&](double x) {
        double G, H;
        Integrales(s, n, x, G, H);
        return N * H - M * G;
    };
    double xa = s.h * 1e-6, fa = F(xa);
    for (int i = 1; i <= Pasos; ++i) {
        const double xb = s.h * i / Pasos, fb = F(xb);
        if ((fa <= 0.0) != (fb <= 0.0) || fb == 0.0) {
            double lo = xa, hi = xb, flo = fa;
            for (int k = 0; k < 200 && hi - lo > 1e-10 * s.h; ++k) {
                const double mid = (lo + hi) / 2.0, fm = F(mid);
                if ((fm <= 0.0) == (flo <= 0.0)) {
                    lo = mid;
                    flo = fm;
                } else {
                    hi = mid;
                }
            }
            const double x = (lo + hi) / 2.0;
            double G, H;
            Integrales(s, n, x, G, H);
            const double k = (N * G + M * H) / (G * G + H * H);
            if (k > 0.0 && std::isfinite(k)) {
                t.x = x;
                t.sigmaC = k * x;
                t.sigmaS1 = n * k * (s.d - x);
                t.sigmaS2 = n * k * (x - s.d2);
                t.eps1 = std::max(k * (s.h - x) / Ec, 0.0);
                t.eps2 = 0.0;
                t.TodaComprimida = x >= s.h;
                return t;
            }
        }
        xa = xb;
        fa = fb;
    }
    t.TodaComprimida = true;
    return t;
}

TensionesServicio SinFisurar(const SeccionServicio& s, double n, double Ec, double N, double M) {
    const SeccionBruta g = Bruta(s);
    const double m = n - 1.0;
    const double A = g.Ac + m * (s.As1 + s.As2);
    const double y = (g.Ac * g.yg + m * (s.As1 * s.d + s.As2 * s.d2)) / A;
    const double I = g.Ic + g.Ac * (g.yg - y) * (g.yg - y) +
                     m * (s.As1 * (s.d - y) * (s.d - y) + s.As2 * (s.d2 - y) * (s.d2 - y));
    const double Mg = M + N * (y - s.h / 2.0);
    const auto sigma = [&](double z) { return N / A + Mg * (y - z) / I; };
    TensionesServicio t;
    const double arriba = sigma(0.0), abajo = sigma(s.h);
    t.sigmaC = std::max({arriba, abajo, 0.0});
    t.sigmaS1 = -n * sigma(s.d);
    t.sigmaS2 = n * sigma(s.d2);
    t.eps1 = std::max({-arriba, -abajo, 0.0}) / Ec;
    t.eps2 = std::max(std::min(-arriba, -abajo), 0.0) / Ec;
    t.TodaComprimida = arriba >= 0.0 && abajo >= 0.0;
    t.TodaTraccionada = arriba < 0.0 && abajo < 0.0;
    t.x = Mg != 0.0 ? std::clamp(y + N * I / (A * Mg), -1e9, 1e9) : (N >= 0.0 ? 1e9 : -1e9);
    return t;
}

double MomentoEnCentro(const SeccionBruta& g, double h, double N, double M) {
    return M + N * (g.yg - h / 2.0);
}

double hcr(const SeccionServicio& s, const SeccionBruta& g, double N, double fct) {
    const double media = N / g.Ac;
    if (media + fct <= 0.0)
        return s.h; // el axil solo ya fisura toda la sección
    const double Mg = (media + fct) * g.Ic / (s.h - g.yg);
    const double y0 = g.yg + N * g.Ic / (g.Ac * Mg);
    return std::clamp(s.h - y0, 0.0, s.h);
}

double Act(const SeccionServicio& s, double hcr) {
    std::array<Tramo, 2> t{};
    const int n = Tramos(s, t);
    const double desde = s.h - hcr;
    double A = 0.0;
    for (int i = 0; i < n; ++i)
        A += t[i].b * std::max(t[i].y1 - std::max(t[i].y0, desde), 0.0);
    return A;
}

} // namespace velmora
