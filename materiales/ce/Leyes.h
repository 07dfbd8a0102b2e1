#pragma once
// Leyes de los materiales del Código Estructural con que se integra una sección (Anejo 19, 3.1.7
// y 3.2.7) y el plano último de 6.1 sobre el que se calcula el bloque de compresiones.
// Deformaciones adimensionales (acortamiento del hormigón positivo), tensiones en N/mm²,
// longitudes en mm.

#include "materiales/BloqueComprimido.h"
#include "materiales/IntegradorSeccion.h"
#include "materiales/LeyesSeccion.h"

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

// Profundidad del pivote de la sección toda comprimida, 6.1(5): (1 − εc2/εcu2)·h.
[[nodiscard]] double ProfundidadPivoteC2(const LeyHormigon& l, double h);

// Plano último de 6.1 para la fibra neutra a la profundidad x (mm, x > 0): εcu2 en la fibra
// superior mientras x ≤ h; más abajo, εc2 en el pivote de ProfundidadPivoteC2; con x infinito,
// εc2 uniforme.
[[nodiscard]] PlanoDeformacion PlanoUltimo(const LeyHormigon& l, double h, double x);

// Resultante del hormigón y su profundidad con la fibra neutra en x (mm; infinito: εc2
// uniforme; x ≤ 0: sin bloque) en la sección `g` (h, b, bw, hf; el canto útil no interviene).
[[nodiscard]] BloqueHormigon Bloque(const GeometriaBloque& g, const LeyHormigon& l, double x);

} // namespace velmora::ce
