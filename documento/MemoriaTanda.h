#pragma once
// Las líneas de una tanda de velmora-calc reunidas en una sola memoria de cálculo («velmora
// --memoria»): cada línea se lee con las mismas defensas que en velmora-calc y se calcula con su
// capítulo. Sin Qt: el programa la escribe en PDF y un objetivo de fuzzing la recorre entera.

#include "documento/Lote.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct MemoriaTanda {
    DatosProyecto cabecera; // los datos del proyecto que encabezan la memoria
    std::vector<CapituloInforme> capitulos;
};

// Los datos del proyecto que da una línea ("proyecto" de velmora-calc) sustituyen a los de la
// cabecera; los que no da se quedan.
void CompletarCabecera(DatosProyecto& cabecera, const DatosProyecto& linea);

// Calcula una línea de velmora-calc pidiendo su memoria. Devuelve false con el mensaje de
// velmora-calc en `error` si la línea no se lee o no se calcula. Una cabecera de proyecto se
// acepta y no deja capítulo.
[[nodiscard]] bool CalcularCapitulo(const std::string& linea, InformeLinea& informe,
                                    std::string& error);

// Lee `texto` (una línea JSON por renglón; los renglones en blanco y una marca UTF-8 inicial se
// saltan) y añade a `memoria` el capítulo de cada línea, en orden. La cabecera de un proyecto da
// los datos del proyecto; si no, los da la primera línea que traiga "proyecto". Devuelve false
// con el renglón (desde 1) y la causa de la primera línea que no se calcula.
[[nodiscard]] bool LeerMemoriaTanda(std::string_view texto, MemoriaTanda& memoria,
                                    std::size_t& renglon, std::string& error);

} // namespace velmora
