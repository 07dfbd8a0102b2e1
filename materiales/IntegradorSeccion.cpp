#include "materiales/IntegradorSeccion.h"

#include <algorithm>

namespace velmora {

namespace {
// Integral de la tensión desde 0 hasta E (nula si E ≤ 0) y su momento ∫σ·ε dε.
double F(const LeyHormigon& l, double E) { return E > 0.0 ? l.Integral(l, E) : 0.0; }
double G(const LeyHormigon& l, double E) { return E > 0.0 ? l.Momento(l, E) : 0.0; }
} // namespace

void SumarCapa(const Capa& c, const PlanoDeformacion& p, const LeyHormigon& ley, double& N,
               double& Msup) {
    const double e0 = p.epsSup - p.kappa * c.y0;
    const double e1 = p.epsSup - p.kappa * c.y1;
    const double alto = c.y1 - c.y0;
    if (e0 <= 0.0 && e1 <= 0.0)
        return;
    if (p.kappa * alto < 1e-10) {
        const double fuerza = c.ancho * alto * ley.Tension(ley, 0.5 * (e0 + e1));
        N += fuerza;
        Msup += fuerza * 0.5 * (c.y0 + c.y1);
        return;
    }
    const double dF = F(ley, e0) - F(ley, e1);
    const double dG = G(ley, e0) - G(ley, e1);
    const double fuerza = c.ancho * dF / p.kappa;
    N += fuerza;
    Msup += fuerza * c.y0 + c.ancho * (e0 * dF - dG) / (p.kappa * p.kappa);
}

double TensionAceroLey(const LeyAcero& ley, double eps) {
    return std::clamp(ley.Es * eps, -ley.fyd, ley.fycd);
}

CapasSeccion CapasDe(bool rectangular, double h, double b, double bw, double hf) {
    CapasSeccion s;
    if (!rectangular && hf < h && bw < b) {
        s.capas = {Capa{0.0, hf, b}, Capa{hf, h, bw}};
        s.numero = 2;
    } else {
        s.capas[0] = Capa{0.0, h, b};
    }
    return s;
}

BloqueHormigon IntegrarHormigon(const CapasSeccion& s, const PlanoDeformacion& p,
                                const LeyHormigon& ley) {
    double N = 0.0, Msup = 0.0;
    for (int i = 0; i < s.numero; ++i)
        SumarCapa(s.capas[static_cast<std::size_t>(i)], p, ley, N, Msup);
    return {N, N > 0.0 ? Msup / N : 0.0};
}

} // namespace velmora
