#pragma once
// Lectura de los datos de una fila del selector de área de barras: número de barras y diámetro.

#include "common/Resultado.h"

#include <string_view>

namespace velmora {

// Límites de lo que cabe en una ranura; fuera de ellos el área no tendría sentido y el entero
// podría desbordarse.
inline constexpr int MaximoBarras = 9999;
inline constexpr int MaximoDiametro = 999; // mm

struct NumeroBarrasLeido {
    int n = 0;               // número truncado hacia cero
    bool reescribir = false; // el texto tenía fracción positiva (2.7 se reescribe como 2)
};

// Número de barras de la fila `fila` (1..3): el número escrito truncado hacia cero. Un número
// negativo se admite (resta su área). Error si no es un número o pasa de ±MaximoBarras.
Resultado<NumeroBarrasLeido> LeerNumeroBarras(std::string_view texto, int fila);

// Diámetro en mm de la fila `fila`: un número entero (sin fracción) de hasta ±MaximoDiametro.
Resultado<int> LeerDiametroBarras(std::string_view texto, int fila);

} // namespace velmora
