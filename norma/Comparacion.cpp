#include "norma/Comparacion.h"

#include "common/Numeros.h"

#include <algorithm>
#include <cmath>

namespace velmora {

std::string TextoDiferencia(double a, double b) {
    if (a == 0.0 || !std::isfinite(a) || !std::isfinite(b))
        return "—";
    const double d = (b - a) / a * 100.0;
    return (d >= 0.0 ? "+" : "") + Formatear(d, 0, 1) + " %";
}

ErrorCalculo ErrorConNorma(Norma n, const ErrorCalculo& e) {
    return {NombreNorma(n) + ": " + e.mensaje, e.campo};
}

FilaComparacion FilaValores(std::string magnitud, const ValorComparado& a,
                            const ValorComparado& b, std::string (*texto)(double)) {
    return {std::move(magnitud), a.valor ? texto(*a.valor) : a.motivo,
            b.valor ? texto(*b.valor) : b.motivo,
            a.valor && b.valor ? TextoDiferencia(*a.valor, *b.valor) : "—"};
}

Traza TrazaComparacion(const ComparacionNormas& c) {
    Traza t;
    // Lo que se compara, en una línea, antes de las filas.
    if (!c.Descripcion.empty()) {
        std::string d = c.Descripcion;
        std::replace(d.begin(), d.end(), '\n', ' ');
        t.Nota(d);
    }
    for (const auto& f : c.Filas)
        t.Nota(f.Magnitud + ": EHE-98 " + f.EHE98 + "; Código Estructural " +
               f.CodigoEstructural + (f.Diferencia == "—" ? "" : " (" + f.Diferencia + ")") + ".");
    return t;
}

} // namespace velmora
