#pragma once
// Búsquedas de la fibra neutra de los casos de dimensionamiento (EHE-98, art. 42.1.3): el
// resultado es el primer paso x_k (suma de k pasos de 0.01 mm, PasosBusqueda.h) en que se cumple
// la condición de parada del caso, con el bloque comprimido evaluado en x_k. Pasar de 5·h sin
// cumplirla es llegar al tope. El modo rápido da el mismo paso y deja el mismo estado, bit a bit,
// que el paso a paso, que se conserva como referencia.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"

#include <cstdint>
#include <functional>

namespace velmora {

enum class Busqueda { Rapida, PasoAPaso };

// Fin de una búsqueda: se cumplió la condición (true) o se pasó de 5·h (false; x = el primer
// x_k > 5·h, con su bloque). Un error de la condición corta la búsqueda.
using FinBusqueda = Resultado<bool>;

// Momento del bloque respecto de A1: Cc·(d − yc) > M1.
[[nodiscard]] FinBusqueda BuscarMomentoA1(EstadoDiseno& e, double M1, Busqueda modo);

// Momento del bloque respecto de A2: Cc·(yc − d2) > M2 (M2 ≥ 0).
[[nodiscard]] FinBusqueda BuscarMomentoA2(EstadoDiseno& e, double M2, Busqueda modo);

// Equilibrio de fuerzas con las dos caras iguales (gran excentricidad simétrica): en cada paso
// escribe epsS1, epsS2, sigmaS1, sigmaS2 y AsCara, y para cuando Cc + AsCara·sigmaSuma > Nd.
// Error MensajeFueraDiagramaActivo si el acero no da tensión.
[[nodiscard]] FinBusqueda BuscarEquilibrioSimetrico(EstadoDiseno& e, double M1, double& AsCara,
                                                    Busqueda modo);

// Piezas para otras búsquedas con los mismos pasos (momento de agotamiento):
// - el estado del paso k: x = x_k y el bloque comprimido en x_k;
void EvaluarPaso(EstadoDiseno& e, std::int64_t k);
// - el primer paso de 1..kUltimo en que `parada` (evaluada tras EvaluarPaso) se cumple o da error,
//   siendo monótona ahí; kUltimo + 1 si en ninguno. Evalúa pasos sueltos: quien la llama repone
//   el estado y repite el paso hallado.
[[nodiscard]] std::int64_t PrimerPasoMonotono(EstadoDiseno& e, std::int64_t kUltimo,
                                              const std::function<FinBusqueda()>& parada);

} // namespace velmora
