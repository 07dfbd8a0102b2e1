#pragma once
// Ecuaciones de las secciones a flexión simple o compuesta del Código Estructural (Anejo 19,
// 3.1.7, 3.2.7 y 6.1). Deformaciones adimensionales (acortamiento del hormigón positivo),
// tensiones en N/mm², longitudes en mm.

#include "section/IntegradorSeccion.h"
#include "section/LeyesSeccion.h"

namespace velmora::ce {

// Diagrama parábola-rectángulo (3.17), (3.18): σc = fcd·[1 − (1 − εc/εc2)^n] hasta εc2 y fcd de
// ahí a εcu2 (fcd ya lleva αcc); nula sin acortamiento.
[[nodiscard]] double SigmaC(const LeyHormigon& l, double eps);

// ∫₀ᴱ σc dε en forma cerrada para cualquier n (3.17), (3.18).
[[nodiscard]] double IntegralSigmaC(const LeyHormigon& l, double E);

// ∫₀ᴱ σc·ε dε en forma cerrada para cualquier n (3.17), (3.18).
[[nodiscard]] double MomentoSigmaC(const LeyHormigon& l, double E);

// La ley del hormigón de 3.1.7(1) con εc2, εcu2 y n de la tabla 3.1 para fcd (N/mm²).
[[nodiscard]] LeyHormigon LeyHormigonCE(double fcd, double epsC2, double epsCU2, double n);

// El acero de 3.2.7(2)b: rama horizontal sin límite de alargamiento, fyc,d = fyd; Es (3.2.7(4)).
[[nodiscard]] LeyAcero LeyAceroCE(double fyd, double Es = 200000.0);

// Profundidad relativa límite, 6.1: εcu2 en la fibra más comprimida y fyd/Es en la armadura.
[[nodiscard]] double XiLim(double epsCU2, double fyd, double Es);

// Profundidad del pivote de la sección toda comprimida, 6.1(5): (1 − εc2/εcu2)·h.
[[nodiscard]] double ProfundidadPivoteC2(const LeyHormigon& l, double h);

// Plano último de 6.1 para la fibra neutra a la profundidad x (mm, x > 0): εcu2 en la fibra
// superior mientras x ≤ h; más abajo, εc2 en el pivote de ProfundidadPivoteC2; con x infinito,
// εc2 uniforme.
[[nodiscard]] PlanoDeformacion PlanoUltimo(const LeyHormigon& l, double h, double x);

// Plano último de parámetro t ∈ [0, 3] del diagrama de interacción (sin pivote en la armadura):
// t = 0 tracción uniforme con las dos armaduras en cedencia; 0..1 la fibra neutra de 0 a xlim;
// 1..2 de xlim a h; 2..3 giro sobre el pivote de εc2 hasta la compresión uniforme. `d` es el
// canto útil de la armadura traccionada y epsYd = fyd/Es.
[[nodiscard]] PlanoDeformacion PlanoInteraccion(const LeyHormigon& l, double h, double d,
                                                double epsYd, double t);

} // namespace velmora::ce
