#pragma once
// Cuantías geométricas mínimas de los muros en el Código Estructural (Anejo 19, 9.6.2 y 9.6.3),
// referidas al área bruta Ac.

namespace velmora::ce {

inline constexpr double CuantiaVerticalMuro = 0.002;           // 9.6.2(1)
inline constexpr double CuantiaHorizontalMuroB400 = 0.004;     // 9.6.3(1), B 400 S
inline constexpr double CuantiaHorizontalMuroB500 = 0.0032;    // 9.6.3(1), B 500 S
inline constexpr double CuantiaHorizontalMuroReducida = 0.002; // 9.6.3(1), fuste largo o juntas

} // namespace velmora::ce
