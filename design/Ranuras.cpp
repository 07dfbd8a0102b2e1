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

double AreaDeRanura(const EstadoDiseno& e, int k) {
    k = std::clamp(k, 0, NumeroRanuras - 1);
    double area = 0.0;
    for (int j = 1; j <= GruposValidos(e.NumeroDiametros[k]); ++j)
        area += AreaBarras(e.NumeroBarras[k][j], e.DiametroBarras[k][j]);
    return area;
}

double SumarArea(EstadoDiseno& e) {
    e.AreaTotal = AreaDeRanura(e, e.IndiceArmadura);
    return e.AreaTotal;
}

std::string TextoAreaTotal(const EstadoDiseno& e) { return Formatear(e.AreaTotal * 0.01, 10, 4); }

std::string TextoArmadura(const EstadoDiseno& e, int k) {
    k = std::clamp(k, 0, NumeroRanuras - 1);
    std::string texto;
    for (int j = 1; j <= GruposValidos(e.NumeroDiametros[k]); ++j) {
        if (j > 1)
            texto += "+";
        texto += FormatearEntero(e.NumeroBarras[k][j]) + "Ø" +
                 FormatearEntero(e.DiametroBarras[k][j]);
    }
    // Se corta a 20 caracteres (no bytes: Ø ocupa dos en UTF-8).
    std::size_t caracteres = 0, i = 0;
    for (; i < texto.size() && caracteres < 20; ++caracteres)
        i += (static_cast<unsigned char>(texto[i]) >= 0xC0) ? 2 : 1;
    texto.resize(std::min(i, texto.size()));
    return texto;
}

} // namespace velmora
