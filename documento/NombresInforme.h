#pragma once
// Nombres de la memoria de cálculo de velmora-calc: el de cada dato leído, tomado de la
// descripción de su ventana (campos y elecciones), y el de cada rótulo de resultados.

#include "documento/Contexto.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// Fila de la tabla de datos de un control leído. `lecturas` son todas las de la línea: el
// nombre y la unidad de un campo pueden depender de una elección de la misma ventana (el momento
// o la excentricidad de Valor5, el perímetro o el espesor ficticio). Un campo numérico que no es
// un número de su intervalo no lo usó el cálculo (que lo habría rechazado): no da fila. Un número
// escrito con más de 20 caracteres se da en la forma legible de los mensajes («1e-300»). El
// nombre y la unidad son los de la descripción de la ventana en el catálogo: la del cálculo
// `calculo` y, si no la describe, la de otro cálculo que lee esa ventana.
[[nodiscard]] std::optional<DatoInforme> DatoDeLectura(const LecturaInforme& lectura,
                                                       std::span<const LecturaInforme> lecturas,
                                                       std::string_view calculo);

// Filas de resultados de un valor de la respuesta: un rótulo (texto) con su nombre y, si no la
// lleva, su unidad; un número con nombre (los valores del diagrama de interacción) o la lista de
// combinaciones comprobadas, una fila cada una. El texto de arranque de un botón de armadura se
// lee «sin definir»; un texto vacío, un subíndice suelto y los valores sin nombre (los puntos de
// un dibujo) no dan ninguna fila. Un rótulo que no nombran las tablas de la memoria toma el nombre
// y la unidad de los resultados de la entrada de `calculo` en el catálogo.
[[nodiscard]] std::vector<std::pair<std::string, std::string>>
FilasDeResultado(std::string_view ventana, std::string_view control, const Json& valor,
                 std::string_view calculo);

} // namespace velmora
