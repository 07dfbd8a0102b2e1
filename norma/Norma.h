#pragma once
// Norma con la que se calcula: la EHE-98 o el Código Estructural (Real Decreto 470/2021), cuyo
// Anejo 19 es el Eurocódigo 2 con las elecciones de España. Cada cálculo elige sus ecuaciones
// por este valor en un único sitio.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class Norma { EHE98 = 0, CodigoEstructural = 1 };

// Opciones del grupo «Norma» de los parámetros generales, en el orden de su índice.
inline constexpr std::array<std::string_view, 2> OpcionesNorma{"EHE-98", "Código Estructural"};

// La norma del índice 0..1 del grupo; nada fuera de ese intervalo.
[[nodiscard]] std::optional<Norma> NormaDelIndice(int indice);
[[nodiscard]] constexpr int IndiceNorma(Norma n) { return static_cast<int>(n); }

// «EHE-98» o «Código Estructural».
[[nodiscard]] std::string NombreNorma(Norma n);
// «Norma: EHE-98» o «Norma: Código Estructural»: barra de estado y ventanas de resultados.
[[nodiscard]] std::string TextoNormaEnUso(Norma n);
// Cabecera de la memoria: «Norma: EHE-98» o «Norma: Código Estructural (Real Decreto 470/2021),
// Anejo 19».
[[nodiscard]] std::string CabeceraNorma(Norma n);
// Cita de un artículo o apartado: «art. 42.1.3» en la EHE-98, «Anejo 19, 6.1» en el Código
// Estructural.
[[nodiscard]] std::string Cita(Norma n, std::string_view clausula);

} // namespace velmora
