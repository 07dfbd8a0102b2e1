#pragma once
// Las tablas de «Comparar normas» en las pruebas de cálculo.

#include "norma/Comparacion.h"

#include <string>
#include <vector>

namespace velmora::pruebas {

// Las cuatro celdas de una fila (magnitud, EHE-98, Código Estructural, diferencia), vacías si
// la tabla no llega a ella.
inline std::vector<std::string> Celdas(const ComparacionNormas& c, std::size_t fila) {
    if (fila >= c.Filas.size())
        return {};
    const FilaComparacion& f = c.Filas[fila];
    return {f.Magnitud, f.EHE98, f.CodigoEstructural, f.Diferencia};
}

} // namespace velmora::pruebas
