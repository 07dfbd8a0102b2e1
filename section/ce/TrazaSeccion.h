#pragma once
// Trazas de la memoria del dimensionamiento y del momento de agotamiento con el Código
// Estructural: los pasos rehechos con las mismas funciones y los mismos datos, citando el
// Anejo 19.

#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "materiales/LeyesSeccion.h"
#include "section/MomentoAgotamiento.h"

namespace velmora::ce {

// `e` es el estado tras un dimensionamiento correcto (o con sus mismos datos); fctmFl en N/mm².
[[nodiscard]] Traza TrazaSeccion(const EstadoDiseno& e, TipoDeElemento TipoElemento,
                                 int DesignacionAcero, const LeyesSeccion& l, double fctmFl);

// Tras un MomentoAgotamiento correcto con `a` que dio `m`; `e` es el estado que dejó.
[[nodiscard]] Traza TrazaMomento(const EstadoDiseno& e, const ArmaduraDada& a,
                                 const MomentoResultado& m, const LeyesSeccion& l);

} // namespace velmora::ce
