#pragma once
// Deformaciones y factor de los diagramas de cálculo de la EHE-98 (art. 38.4 y 39.5). Los
// cálculos, las trazas y los dibujos de la EHE-98 los toman de aquí, nunca como literales.

namespace velmora::ehe98 {

inline constexpr double EpsilonC0 = 0.002;  // acortamiento al alcanzar fcd (parábola, art. 39.5)
inline constexpr double EpsilonCU = 0.0035; // acortamiento de rotura en flexión (art. 39.5)
inline constexpr double EpsilonSU = 0.01;   // alargamiento máximo de la armadura (art. 38.4)
inline constexpr double Cansancio = 0.85;   // el bloque vale 0.85·fcd (art. 39.5)
inline constexpr double ExponenteN = 2.0;   // la parábola es de segundo grado (art. 39.5)

// La profundidad límite de la fibra neutra (art. 42.1.3) se toma con Es = 200000 N/mm² sea cual
// sea el módulo elegido: ξlim = 1/(1 + fyd/(εcu·Es)), con εcu·Es = 700 N/mm².
inline constexpr double ModuloAceroLimite = 200000.0;                  // N/mm²
inline constexpr double TensionLimite = EpsilonCU * ModuloAceroLimite; // N/mm²

} // namespace velmora::ehe98
