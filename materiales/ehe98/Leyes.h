#pragma once
// Deformaciones y factor de los diagramas de cálculo de la EHE-98 (art. 38.4 y 39.5). Los
// cálculos de la EHE-98 los toman de aquí, nunca como literales.

namespace velmora::ehe98 {

inline constexpr double EpsilonC0 = 0.002;  // acortamiento al alcanzar fcd (parábola, art. 39.5)
inline constexpr double EpsilonCU = 0.0035; // acortamiento de rotura en flexión (art. 39.5)
inline constexpr double EpsilonSU = 0.01;   // alargamiento máximo de la armadura (art. 38.4)
inline constexpr double Cansancio = 0.85;   // el bloque vale 0.85·fcd (art. 39.5)

} // namespace velmora::ehe98
