#pragma once
// Números de las sustituciones de una traza: en coma fija (sin exponente), con las cifras
// significativas suficientes para que la aritmética escrita dé el valor del paso a su precisión,
// sin ceros de sobra; un negativo va entre paréntesis para que la expresión siga siendo válida.

#include "common/Numeros.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora {

inline std::string CifrasTraza(double v, int significativas = 6) {
    if (v == 0.0 || !std::isfinite(v))
        return "0";
    const int magnitud = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    const int decimales = std::max(0, significativas - 1 - magnitud);
    std::string s = Formatear(std::fabs(v), 0, decimales);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return v < 0 ? "(-" + s + ")" : s;
}

} // namespace velmora
