#pragma once
// Bloque de compresiones del hormigón con el diagrama parábola-rectángulo (EHE-98, art. 39.5) y
// los pivotes del estado límite último de agotamiento (art. 42.1.3).

#include "design/EstadoDiseno.h"

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

// Resultante Cc (N) de las compresiones del hormigón y su profundidad yc (mm) bajo la fibra más
// comprimida para la fibra neutra a la profundidad x (mm, x > 0), en la sección rectangular o en
// T (SeccionRectangular, b, bw, hf, h, d, fcd). Guarda Cc, yc y epsC; y epsCInf sólo si x > h.
// Para x ≤ 0 o no finito deja Cc = yc = epsC = 0 (no hay bloque).
void BloqueComprimido(EstadoDiseno& e, double x);

} // namespace velmora
