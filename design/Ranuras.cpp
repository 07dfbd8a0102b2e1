#include "design/Ranuras.h"

#include "common/Numeros.h"

#include <algorithm>
#include <numbers>

namespace velmora {

double AreaBarras(int n, int d) {
    const long double dd = d;
    return static_cast<double>(n * std::numbers::pi_v<long double> * dd * dd * 0.25L);
}

int GruposValidos(int n) { return std::clamp(n, 1, GruposPorRanura); }

std::span<const GrupoBarras> GruposEnUso(const EstadoDiseno& e, int k) {
    k = std::clamp(k, 0, NumeroRanuras - 1);
    const auto grupos = static_cast<std::size_t>(GruposValidos(e.NumeroDiametros[k]));
    return std::span<const GrupoBarras>(e.Barras[k]).first(grupos);
}

double AreaDeRanura(const EstadoDiseno& e, int k) {
    double area = 0.0;
    for (const GrupoBarras& g : GruposEnUso(e, k))
        area += AreaBarras(g.Numero, g.Diametro);
    return area;
}

double SumarArea(EstadoDiseno& e) {
    e.AreaTotal = AreaDeRanura(e, e.IndiceArmadura);
    return e.AreaTotal;
}

std::string TextoAreaTotal(const EstadoDiseno& e) { return Formatear(e.AreaTotal * 0.01, 10, 4); }

std::string TextoArmadura(const EstadoDiseno& e, int k) {
    std::string texto;
    for (const GrupoBarras& g : GruposEnUso(e, k)) {
        if (!texto.empty())
            texto += "+";
        texto += FormatearEntero(g.Numero) + "Ø" + FormatearEntero(g.Diametro);
    }
    // Se corta a 20 caracteres (no bytes: Ø ocupa dos en UTF-8).
    std::size_t caracteres = 0, i = 0;
    for (; i < texto.size() && caracteres < 20; ++caracteres)
        i += (static_cast<unsigned char>(texto[i]) >= 0xC0) ? 2 : 1;
    texto.resize(std::min(i, texto.size()));
    return texto;
}

} // namespace velmora
