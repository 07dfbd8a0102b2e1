#pragma once
// Divisiones redondas de un eje de dibujo, sin Qt.

#include <vector>

namespace velmora {

// Divisiones redondas (1, 2 o 5 por una potencia de diez) entre min y max, unas `n`.
[[nodiscard]] std::vector<double> DivisionesRedondas(double min, double max, int n);

} // namespace velmora
