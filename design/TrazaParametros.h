#pragma once
// Traza de la memoria de cálculo de los parámetros generales: de dónde salen fyd, fycd y fcd.

#include "common/Traza.h"
#include "design/EstadoDiseno.h"

namespace velmora {

// Pasos de DerivarMateriales con las elecciones `p` que dejaron los materiales de `e`.
[[nodiscard]] Traza TrazaParametros(const EstadoDiseno& e, const EleccionParametros& p);

} // namespace velmora
