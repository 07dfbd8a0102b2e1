#include "section/PasosBusqueda.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

// Dentro de una binada [2^(p−1), 2^p) todos los dobles son múltiplos de u = 2^(p−53); sumar el
// paso a uno de ellos redondea a x + r·u con r = redondeo(paso/u) fijo, salvo empate (paso/u con
// media unidad exacta, que depende de la paridad de x). Así, entre dos cambios de binada la suma
// es una progresión aritmética exacta; los cruces de binada y los empates se dan paso a paso.
struct Tramo {
    std::int64_t kIni, kFin; // x_k = xIni + (k − kIni)·incremento para kIni ≤ k ≤ kFin
    double xIni, incremento;
};

constexpr double CotaTabla = 1099511627776.0; // 2^40 mm

std::vector<Tramo> ConstruirTramos() {
    std::vector<Tramo> t{{0, 0, 0.0, 0.0}};
    std::int64_t k = 0;
    double x = 0.0;
    while (x < CotaTabla) {
        const double siguiente = x + PasoBusqueda;
        int p = 0;
        std::frexp(siguiente, &p); // siguiente ∈ [2^(p−1), 2^p)
        const double cociente = std::ldexp(PasoBusqueda, 53 - p); // paso/u
        const bool empate = cociente - std::floor(cociente) == 0.5;
        if (x >= std::ldexp(1.0, p - 1) && !empate) {
            const double incremento = siguiente - x; // exacto (Sterbenz)
            const auto X = static_cast<std::int64_t>(std::ldexp(x, 53 - p));
            const auto D = static_cast<std::int64_t>(std::ldexp(incremento, 53 - p));
            const std::int64_t j = ((std::int64_t{1} << 53) - 1 - X) / D; // últimos en la binada
            t.push_back({k + 1, k + j, siguiente, incremento});
            k += j;
            x += static_cast<double>(j) * incremento;
        } else {
            t.push_back({k + 1, k + 1, siguiente, 0.0});
            ++k;
            x = siguiente;
        }
    }
    return t;
}

const std::vector<Tramo>& Tramos() {
    static const std::vector<Tramo> t = ConstruirTramos();
    return t;
}

} // namespace

double ProfundidadPaso(std::int64_t k) {
    const auto& t = Tramos();
    if (k >= t.back().kFin)
        return t.back().xIni + static_cast<double>(t.back().kFin - t.back().kIni) *
                                   t.back().incremento;
    const auto it = std::lower_bound(t.begin(), t.end(), k,
                                     [](const Tramo& a, std::int64_t v) { return a.kFin < v; });
    return it->xIni + static_cast<double>(k - it->kIni) * it->incremento;
}

std::int64_t PrimerPasoMayorQue(double limite) {
    // Búsqueda binaria: x_k crece estrictamente con k.
    std::int64_t lo = 0;                   // x_lo ≤ limite (x_0 = 0, limite ≥ 0)
    std::int64_t hi = Tramos().back().kFin; // última de la tabla
    if (!(limite >= 0.0))
        return 1;
    if (!(ProfundidadPaso(hi) > limite))
        return hi;
    while (hi - lo > 1) {
        const std::int64_t m = lo + (hi - lo) / 2;
        if (ProfundidadPaso(m) > limite)
            hi = m;
        else
            lo = m;
    }
    return hi;
}

} // namespace velmora
