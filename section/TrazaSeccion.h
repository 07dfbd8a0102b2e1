#pragma once
// Trazas de la memoria de cálculo de la armadura longitudinal y del momento de agotamiento: los
// pasos que dieron los resultados, rehechos con las mismas funciones y los mismos datos.

#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "section/MomentoAgotamiento.h"

namespace velmora {

// Dimensionamiento de la sección (art. 42): límites, excentricidades, caso de cálculo, fibra
// neutra y bloque comprimido, armaduras y cuantías mínimas (cuál rige y por qué). `e` es el
// estado tras un DimensionarSeccion correcto (o con sus mismos datos); los índices son los del
// cálculo.
[[nodiscard]] Traza TrazaSeccion(const EstadoDiseno& e, TipoDeElemento TipoElemento,
                                 int DesignacionAcero);

// Momento de agotamiento en flexión simple (art. 42.1) tras un CalcularMomentoAgotamiento
// correcto con `a` que dio `m`; `e` es el estado que dejó.
[[nodiscard]] Traza TrazaMomento(const EstadoDiseno& e, const ArmaduraDada& a,
                                 const MomentoResultado& m);

} // namespace velmora
