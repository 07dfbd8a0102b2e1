#pragma once
// Profundidades de la búsqueda de la fibra neutra: x_k es la suma, una a una y en doble
// precisión, de k veces el paso de 0.01 mm. Se obtienen sin repetir las k sumas.

#include <cstdint>

namespace velmora {

// Paso de la búsqueda de la fibra neutra (mm).
inline constexpr double PasoBusqueda = 0.01;

// x_k para k ≥ 0 (x_0 = 0): el mismo valor, bit a bit, que deja `x += 0.01` repetido k veces.
// Válido hasta x_k ≈ 10^12 mm; más allá devuelve la última profundidad de la tabla.
[[nodiscard]] double ProfundidadPaso(std::int64_t k);

// El primer k ≥ 1 con x_k > limite (mm).
[[nodiscard]] std::int64_t PrimerPasoMayorQue(double limite);

} // namespace velmora
