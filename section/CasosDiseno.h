#pragma once
// Casos de dimensionamiento de la sección (EHE-98, art. 42): flexión simple, flexión compuesta
// y flexión compuesta con armadura simétrica. Cada uno busca la fibra neutra bajando x desde la
// fibra superior en pasos de 0.01 mm y guarda x, Dominio, As1, As2, U1, U2 y las deformaciones.
// Requieren CalcularLimites sobre los mismos datos y Md, Nd, e0 no negativos. `modo` elige la
// búsqueda; las dos dan los mismos resultados, bit a bit. Con `traza`, anotan en ella sus pasos
// según los calculan.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "section/BusquedaFibraNeutra.h"

namespace velmora {

// Nd = 0. Con Md > Mlim, configuración límite con armadura de compresión; si no, búsqueda con
// Cc·(d − yc) > Md. Después el mínimo mecánico de A1.
[[nodiscard]] Estado FlexionSimple(EstadoDiseno& e, Busqueda modo = Busqueda::Rapida,
                                   Traza* traza = nullptr);

// Nd > 0, armadura no simétrica: gran excentricidad (e0 ≥ eLimite), pequeña (eCentrada ≤ e0 <
// eLimite) o compresión centrada (e0 < eCentrada). La búsqueda de pequeña excentricidad que
// pasa de x = 5·h devuelve MensajeSinEquilibrio.
[[nodiscard]] Estado FlexionCompuesta(EstadoDiseno& e, Busqueda modo = Busqueda::Rapida,
                                      Traza* traza = nullptr);

// Nd > 0, armadura simétrica (As1 = As2, U1 = U2). La búsqueda de gran excentricidad que pasa de
// x = 5·h devuelve MensajeSinEquilibrio; la de pequeña excentricidad termina con
// XSeccionComprimida (sección toda comprimida con deformación uniforme).
[[nodiscard]] Estado FlexionCompuestaSimetrica(EstadoDiseno& e,
                                               Busqueda modo = Busqueda::Rapida,
                                               Traza* traza = nullptr);

// Tensión del acero en los casos de cálculo: TensionAcero con el fyd del estado, o error (p. ej.
// MensajeFueraDiagramaActivo) si no puede calcularse.
Resultado<double> TensionCalculo(const EstadoDiseno& e, double eps);

} // namespace velmora
