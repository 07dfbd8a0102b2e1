#pragma once
// Bloque de compresiones del hormigón con el diagrama parábola-rectángulo (EHE-98, art. 39.5) y
// los pivotes del estado límite último de agotamiento (art. 42.1.3).

#include <optional>

namespace velmora {

// Integral del diagrama parábola-rectángulo desde la deformación 0 hasta E (E ≥ 0), por unidad
// de ancho y de «deformación-profundidad», para la resistencia de cálculo fcd (N/mm²).
double AreaDiagrama(double E, double fcd);

// Distancia, en unidades de deformación, desde la fibra de deformación E hasta el centro de
// gravedad del bloque de AreaDiagrama(E).
double CentroDiagrama(double E);

// Tensión del diagrama parábola-rectángulo (N/mm²) para la deformación `eps` (acortamiento
// positivo): 0.85·fcd·(1000ε − 250000ε²) hasta 0.002, 0.85·fcd después, 0 si ε ≤ 0.
double TensionHormigon(double eps, double fcd);

// La sección sobre la que se calcula el bloque (mm): rectangular b × h, o en T con ala b × hf y
// alma bw; d es el canto útil.
struct GeometriaBloque {
    bool rectangular = true;
    double h = 0.0, b = 0.0, bw = 0.0, hf = 0.0, d = 0.0;
};

// Bloque de compresiones: resultante Cc (N), su profundidad yc (mm) bajo la fibra más comprimida,
// el acortamiento epsC de esa fibra y, sólo si la fibra neutra cae bajo la sección (x > h), el de
// la fibra inferior.
struct BloqueEHE98 {
    double Cc = 0.0, yc = 0.0, epsC = 0.0;
    std::optional<double> epsCInf;
};

// El bloque para la fibra neutra a la profundidad x (mm, x > 0) en la sección `g` con la
// resistencia fcd (N/mm²). Para x ≤ 0 o no finito, Cc = yc = epsC = 0 (no hay bloque).
[[nodiscard]] BloqueEHE98 BloqueComprimido(const GeometriaBloque& g, double fcd, double x);

} // namespace velmora
