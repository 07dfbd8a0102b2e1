#pragma once
// «Comparar normas» de las longitudes de anclaje: las mismas barras y el mismo anclaje con la
// EHE-98 (coeficiente m, art. 66.5) y con el Código Estructural (adherencia, Anejo 19, 8.4).

#include "anchorage/Anclaje.h"
#include "common/Resultado.h"
#include "design/EstadoDiseno.h"
#include "norma/Comparacion.h"

namespace velmora {

// Las longitudes de las posiciones marcadas en `entrada` con las dos normas; el Código
// Estructural toma γc y γs de las elecciones `p` de los parámetros generales. Una resistencia
// que sólo admite una de las dos normas (25 ≤ fck < 55 la EHE-98, 20 a 90 N/mm² el Código
// Estructural) se explica en su celda y esa norma no calcula; un dato que ninguna admite es
// el error de la EHE-98.
[[nodiscard]] Resultado<ComparacionNormas> CompararNormasAnclaje(const EstadoDiseno& e,
                                                                 const EleccionParametros& p,
                                                                 const ValoresAnclaje& v,
                                                                 const EntradaAnclaje& entrada);

} // namespace velmora
