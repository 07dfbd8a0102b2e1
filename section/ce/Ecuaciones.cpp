#include "section/ce/Ecuaciones.h"

#include <algorithm>
#include <cmath>

namespace velmora::ce {

double XiLim(double epsCU2, double fyd, double Es) {
    return epsCU2 / (epsCU2 + fyd / Es);
}

PlanoDeformacion PlanoInteraccion(const LeyHormigon& l, double h, double d, double epsYd,
                                  double t) {
    t = std::clamp(t, 0.0, 3.0);
    const double xlim = XiLim(l.epsCU2, epsYd, 1.0) * d;
    if (t == 0.0)
        return {-2.0 * epsYd, 0.0}; // toda la sección traccionada, más allá de la cedencia
    if (t <= 1.0)
        return PlanoUltimo(l, h, t * xlim);
    if (t <= 2.0)
        return PlanoUltimo(l, h, xlim + (t - 1.0) * (h - xlim));
    // Giro sobre el pivote de εc2 desde x = h (εcu2 arriba, 0 abajo) hasta εc2 uniforme.
    const double y0 = ProfundidadPivoteC2(l, h);
    const double epsInf = (t - 2.0) * l.epsC2;
    const double kappa = (l.epsC2 - epsInf) / (h - y0);
    return {l.epsC2 + kappa * y0, kappa};
}

} // namespace velmora::ce
