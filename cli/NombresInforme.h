#pragma once
// Nombres de la memoria de cálculo de velmora-calc: el de cada dato leído, tomado de la
// descripción de su ventana (campos y elecciones), y el de cada rótulo de resultados.

#include "cli/Contexto.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace velmora {

// Fila de la tabla de datos de un control leído. `lecturas` son todas las de la línea: el
// nombre y la unidad de un campo pueden depender de una elección de la misma ventana (el momento
// o la excentricidad de Valor5, el perímetro o el espesor ficticio).
[[nodiscard]] DatoInforme DatoDeLectura(const LecturaInforme& lectura,
                                        std::span<const LecturaInforme> lecturas);

// Fila de la tabla de resultados de un rótulo: su nombre, con la unidad si el rótulo no la
// lleva, y el texto del rótulo. Nada si el rótulo no dice nada en la memoria (el texto de
// arranque de un botón o un subíndice suelto).
[[nodiscard]] std::optional<std::pair<std::string, std::string>>
ResultadoDeRotulo(std::string_view ventana, std::string_view control, const std::string& rotulo);

} // namespace velmora
