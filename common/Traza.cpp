#include "common/Traza.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora {

std::string Cifras(double valor, int significativas) {
    if (!std::isfinite(valor))
        return "0";
    const double a = std::fabs(valor);
    const int enteras = a >= 1.0 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 0;
    int decimales = significativas - enteras;
    if (a > 0.0 && a < 1.0) // ceros tras la coma que no son cifras significativas
        decimales += static_cast<int>(-std::floor(std::log10(a))) - 1;
    decimales = std::clamp(decimales, 0, 12);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimales, a);
    std::string t = buf;
    if (t.find('.') != std::string::npos) {
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == '.')
            t.pop_back();
    }
    if (t == "0" || valor > 0.0)
        return t;
    return "(\u2212" + t + ")";
}

} // namespace velmora
