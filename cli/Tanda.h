#pragma once
// velmora-calc por tandas: las líneas de un flujo, una respuesta por línea, y el texto de
// --help. Cada línea la responde ProcesarLinea (documento/Lote.h).

#include <iosfwd>
#include <string>

namespace velmora {

// Procesa todas las líneas de `entrada` y escribe una respuesta por línea en `salida`; las
// líneas en blanco se saltan. Devuelve el número de líneas con error.
int ProcesarFlujo(std::istream& entrada, std::ostream& salida, bool conEstado = true);

// Texto de --help, con la lista de cálculos inscritos.
std::string TextoAyuda();

} // namespace velmora
