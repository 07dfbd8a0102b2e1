#include "common/Divisiones.h"

#include <cmath>

namespace velmora {

std::vector<double> DivisionesRedondas(double min, double max, int n) {
    std::vector<double> r;
    if (!(max > min) || n < 1 || !std::isfinite(min) || !std::isfinite(max))
        return r;
    const double bruto = (max - min) / n;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    double paso = 10.0 * potencia;
    for (double f : {1.0, 2.0, 5.0})
        if (f * potencia >= bruto) {
            paso = f * potencia;
            break;
        }
    const double primero = std::ceil(min / paso - 1e-9) * paso;
    for (int i = 0; i < 4 * n + 4; ++i) {
        const double v = primero + i * paso;
        if (v > max + paso * 1e-9)
            break;
        r.push_back(std::fabs(v) < paso * 1e-9 ? 0.0 : v);
    }
    return r;
}

} // namespace velmora
