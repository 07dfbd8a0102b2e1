#pragma once
// Leyes de los materiales con que se integra una sección: el diagrama parábola-rectángulo del
// hormigón (deformaciones εc2 y εcu2, exponente n y tensión de la meseta) y el diagrama del acero
// (rama horizontal, con o sin límite de alargamiento). Cada norma da las suyas (LeyesSegun);
// quien integra una sección las toma de aquí y de ningún literal.

#include "norma/Norma.h"

#include <limits>

namespace velmora {

struct LeyHormigon {
    double epsC2 = 0.0;  // acortamiento al alcanzar la resistencia
    double epsCU2 = 0.0; // acortamiento de rotura
    double n = 0.0;      // exponente de la parábola
    double fcd = 0.0;    // N/mm²
    double alfa = 1.0;   // la meseta vale alfa·fcd
    // Forma cerrada de la norma, para la deformación E > 0: ∫₀ᴱ σ dε, ∫₀ᴱ σ·ε dε y σ(E).
    double (*Integral)(const LeyHormigon&, double E) = nullptr;
    double (*Momento)(const LeyHormigon&, double E) = nullptr;
    double (*Tension)(const LeyHormigon&, double E) = nullptr;
};

struct LeyAcero {
    double Es = 0.0;   // N/mm²
    double fyd = 0.0;  // N/mm², meseta en tracción
    double fycd = 0.0; // N/mm², meseta en compresión
    // Alargamiento del pivote en la armadura; infinito si la rama horizontal no tiene límite.
    double epsMax = std::numeric_limits<double>::infinity();
};

struct LeyesSeccion {
    LeyHormigon hormigon;
    LeyAcero acero;
};

// Las leyes de la EHE-98 (art. 38.4 y 39.5): parábola-rectángulo 2 ‰ / 3.5 ‰ con meseta
// 0.85·fcd y acero con alargamiento máximo del 10 ‰.
[[nodiscard]] LeyHormigon LeyHormigonEHE98(double fcd);
[[nodiscard]] LeyesSeccion LeyesEHE98(double fcd, double fyd, double fycd, double Es);

// Las leyes de la norma `norma` con sus materiales (N/mm²): EHE-98 con el módulo Es elegido, o
// Código Estructural (Anejo 19, 3.1.7 con la tabla 3.1 para fck y 3.2.7(2)b con fyc,d = fyd y
// Es = 200000 N/mm², 3.2.7(4); ni `fycd` ni `Es` cuentan).
[[nodiscard]] LeyesSeccion LeyesSegun(Norma norma, double fck, double fcd, double fyd, double fycd,
                                      double Es);

} // namespace velmora
