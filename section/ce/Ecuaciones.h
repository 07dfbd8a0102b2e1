#pragma once
// Ecuaciones de las secciones a flexión simple o compuesta del Código Estructural (Anejo 19,
// 3.1.7, 3.2.7 y 6.1). Deformaciones adimensionales (acortamiento del hormigón positivo),
// tensiones en N/mm², longitudes en mm.

#include "materiales/ce/Leyes.h"

namespace velmora::ce {

// Profundidad relativa límite, 6.1: εcu2 en la fibra más comprimida y fyd/Es en la armadura.
[[nodiscard]] double XiLim(double epsCU2, double fyd, double Es);

// Plano último de parámetro t ∈ [0, 3] del diagrama de interacción (sin pivote en la armadura):
// t = 0 tracción uniforme con las dos armaduras en cedencia; 0..1 la fibra neutra de 0 a xlim;
// 1..2 de xlim a h; 2..3 giro sobre el pivote de εc2 hasta la compresión uniforme. `d` es el
// canto útil de la armadura traccionada y epsYd = fyd/Es.
[[nodiscard]] PlanoDeformacion PlanoInteraccion(const LeyHormigon& l, double h, double d,
                                                double epsYd, double t);

} // namespace velmora::ce
