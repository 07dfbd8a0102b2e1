#pragma once
// «Comparar normas»: el mismo dimensionamiento de la sección (geometría, esfuerzos y elecciones
// de los parámetros generales) con la EHE-98 y con el Código Estructural, lado a lado.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"
#include "norma/Comparacion.h"

namespace velmora {

// Dimensiona con las dos normas la sección y los esfuerzos del estado (los de la última
// «Calcular») con las elecciones `p` de los parámetros generales. Error si alguna de las dos
// no puede (p. ej. una resistencia fuera del intervalo de una de ellas).
[[nodiscard]] Resultado<ComparacionNormas> CompararNormas(const EstadoDiseno& e,
                                                          const EleccionParametros& p);

} // namespace velmora
