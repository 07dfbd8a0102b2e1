#pragma once
// Lectura de los datos de una fila del selector de área de barras: número de barras y diámetro.

#include "common/Descripcion.h"
#include "common/Resultado.h"

#include <array>

#include <string_view>

namespace velmora {

// Límites de lo que cabe en una ranura; fuera de ellos el área no tendría sentido y el entero
// podría desbordarse.
inline constexpr int MaximoBarras = 9999;
inline constexpr int MaximoDiametro = 999; // mm

// Campos del selector, fila a fila: número de barras (0 a 9999) y diámetro (1 a 999 mm), los
// mismos intervalos que admiten velmora-calc y los proyectos; la ventana arranca con una barra de
// 10 mm en cada fila.
inline constexpr std::array<Campo, 6> CamposArea{{
    {"NumeroRedondos01", "Número de barras (fila 1)", "", 1.0, 0, MaximoBarras, "1"},
    {"Diametro01", "Diámetro (fila 1)", "mm", 1.0, 1, MaximoDiametro, "10"},
    {"NumeroRedondos02", "Número de barras (fila 2)", "", 1.0, 0, MaximoBarras, "1"},
    {"Diametro02", "Diámetro (fila 2)", "mm", 1.0, 1, MaximoDiametro, "10"},
    {"NumeroRedondos03", "Número de barras (fila 3)", "", 1.0, 0, MaximoBarras, "1"},
    {"Diametro03", "Diámetro (fila 3)", "mm", 1.0, 1, MaximoDiametro, "10"},
}};

struct NumeroBarrasLeido {
    int n = 0;               // número truncado hacia cero
    bool reescribir = false; // el texto tenía fracción positiva (2.7 se reescribe como 2)
};

// Número de barras del grupo `grupo` (0..2, las filas 1..3 del selector): el número escrito
// truncado hacia cero. Error si no es un número, es negativo o pasa de MaximoBarras.
Resultado<NumeroBarrasLeido> LeerNumeroBarras(std::string_view texto, int grupo);

// Diámetro en mm del grupo `grupo` (0..2): un número entero (sin fracción) de 1 a
// MaximoDiametro.
Resultado<int> LeerDiametroBarras(std::string_view texto, int grupo);

} // namespace velmora
