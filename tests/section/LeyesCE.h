#pragma once
// Leyes del Código Estructural para las pruebas, con εc2, εcu2 y n escritos aquí a partir de la
// tabla 3.1 del Anejo 19 (no de las funciones del programa).

#include "design/EstadoDiseno.h"
#include "section/ce/Ecuaciones.h"

#include <cmath>

namespace pruebas_ce {

using namespace velmora;

struct Tabla31 {
    double epsC2, epsCU2, n;
};

// Tabla 3.1: 2.0 ‰, 3.5 ‰ y 2 hasta fck = 50; por encima, εc2 = 2.0 + 0.085·(fck − 50)^0.53 ‰,
// εcu2 = 2.6 + 35·((90 − fck)/100)^4 ‰, n = 1.4 + 23.4·((90 − fck)/100)^4.
inline Tabla31 Tabla(double fck) {
    if (fck <= 50.0)
        return {0.002, 0.0035, 2.0};
    const double q = std::pow((90.0 - fck) / 100.0, 4.0);
    return {(2.0 + 0.085 * std::pow(fck - 50.0, 0.53)) * 1e-3, (2.6 + 35.0 * q) * 1e-3,
            1.4 + 23.4 * q};
}

// γc = 1.5, γs = 1.15, αcc = 1.
inline LeyesSeccion Leyes(double fck, double fyk) {
    const Tabla31 t = Tabla(fck);
    return {ce::LeyHormigonCE(fck / 1.5, t.epsC2, t.epsCU2, t.n), ce::LeyAceroCE(fyk / 1.15)};
}

// Rectangular b × h con recubrimientos d1 = d2, materiales en el estado.
inline EstadoDiseno Rectangulo(double b, double h, double r, double fck, double fyk) {
    EstadoDiseno e;
    InicializarTablas(e);
    e.SeccionRectangular = true;
    e.b = b, e.h = h, e.d1 = r, e.d2 = r, e.d = h - r;
    e.fck = fck, e.fyk = fyk;
    e.fcd = fck / 1.5;
    e.fyd = e.fycd = fyk / 1.15;
    e.IndiceEs = 2;
    e.ArmaduraPasiva = true;
    return e;
}

// Resultante y profundidad del bloque de una sección (ancho b(y)) por Simpson sobre el canto,
// con σc de (3.17), (3.18) escrita aquí.
template <typename Ancho>
inline std::pair<double, double> BloqueSimpson(double h, double epsSup, double kappa, double fcd,
                                               const Tabla31& t, Ancho ancho) {
    const auto sigma = [&](double eps) {
        if (eps <= 0.0)
            return 0.0;
        if (eps >= t.epsC2)
            return fcd;
        return fcd * (1.0 - std::pow(1.0 - eps / t.epsC2, t.n));
    };
    const int n = 200000;
    const double dy = h / n;
    double N = 0.0, M = 0.0;
    for (int i = 0; i <= n; ++i) {
        const double y = i * dy;
        const double w = (i == 0 || i == n) ? 1.0 : (i % 2 ? 4.0 : 2.0);
        const double f = sigma(epsSup - kappa * y) * ancho(y);
        N += w * f;
        M += w * f * y;
    }
    N *= dy / 3.0;
    M *= dy / 3.0;
    return {N, N > 0.0 ? M / N : 0.0};
}

} // namespace pruebas_ce
