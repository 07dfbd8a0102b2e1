#pragma once
// Dimensionamiento de secciones rectangulares y en T a flexión simple o compuesta y momento de
// agotamiento con las leyes del Código Estructural (Anejo 19, 3.1.7, 3.2.7(2)b y 6.1). No hay
// pivote en la armadura: la fibra neutra se halla con una búsqueda acotada (bisección) sobre
// funciones monótonas, no paso a paso. Escriben en el estado lo mismo que los de la EHE-98.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "materiales/IntegradorSeccion.h"
#include "materiales/LeyesSeccion.h"
#include "materiales/ce/Leyes.h"
#include "section/MomentoAgotamiento.h"

namespace velmora::ce {

// Límites, 6.1: d := h − d1; ξlim := εcu2/(εcu2 + fyd/Es); xlim := ξlim·d; yLim, Clim con el
// bloque en xlim; Mlim := Clim·(d − yLim).
void CalcularLimites(EstadoDiseno& e, const LeyesSeccion& l, Traza* traza = nullptr);

// Caso de cálculo tras CalcularLimites (Nd, Md, e0 no negativos): flexión simple o compuesta
// (armadura de compresión en xlim si el momento respecto de A1 pasa de Mlim; si A1 no hace falta
// a tracción, momentos respecto de A2 sin A1; con la sección toda comprimida, εc2 uniforme) o
// compuesta con armadura simétrica. Sin cuantías mínimas: las aplica el conductor. Con `traza`,
// las funciones anotan en ella sus pasos.
[[nodiscard]] Estado DimensionarCaso(EstadoDiseno& e, const LeyesSeccion& l,
                                     Traza* traza = nullptr);

// Momento de agotamiento en flexión simple con las armaduras dadas: la fibra neutra que
// equilibra las fuerzas y la suma de momentos respecto de la mitad del canto. Requiere
// CalcularLimites.
[[nodiscard]] Resultado<MomentoResultado> MomentoAgotamiento(EstadoDiseno& e,
                                                             const ArmaduraDada& a,
                                                             const LeyesSeccion& l,
                                                             Traza* traza = nullptr);

} // namespace velmora::ce
