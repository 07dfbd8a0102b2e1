#pragma once
// Traza de la memoria de cálculo de la armadura longitudinal con la EHE-98: los pasos que dieron
// los resultados, rehechos con las mismas funciones y los mismos datos.

#include "common/Traza.h"
#include "design/EstadoDiseno.h"

namespace velmora {

// Dimensionamiento de la sección (art. 42): límites, excentricidades, caso de cálculo, fibra
// neutra y bloque comprimido, armaduras y cuantías mínimas (cuál rige y por qué). `e` es el
// estado tras un DimensionarSeccion correcto (o con sus mismos datos); los índices son los del
// cálculo.
[[nodiscard]] Traza TrazaSeccion(const EstadoDiseno& e, TipoDeElemento TipoElemento,
                                 int DesignacionAcero);

} // namespace velmora
