#pragma once
// «Comparar normas»: los materiales de las mismas elecciones con cada una de las dos normas.

#include "design/EstadoDiseno.h"

namespace velmora {

// Una copia de `e` con los materiales de las elecciones `p` derivados por la norma `n`, como
// el botón OK de los parámetros generales. Un error lleva delante el nombre de la norma
// («EHE-98: …»).
[[nodiscard]] Resultado<EstadoDiseno> MaterialesConNorma(const EstadoDiseno& e,
                                                         EleccionParametros p, Norma n);

} // namespace velmora
