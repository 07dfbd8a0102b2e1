#pragma once
// velmora-calc: una línea JSON de entrada, una línea JSON de salida.
//
// Entrada: {"calculo": NOMBRE, VENTANA: {CONTROL: valor, ...}, ..., "ranuras": {...}}.
// Salida: {"calculo": NOMBRE, "ok": true, VENTANA: {CONTROL: rótulo, ...}, "estado": {...}}
// o {"calculo": NOMBRE, "ok": false, "error": mensaje, "campo": CONTROL}.
// Cada línea parte del estado de arranque del programa; una línea mala no para la tanda.

#include "common/Resultado.h"
#include "documento/Catalogo.h"
#include "report/Informe.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Niveles de listas y objetos anidados que se admiten; la entrada más honda del contrato
// ("ranuras") tiene cuatro. Se mira antes de leer la línea para no agotar la pila con ella.
inline constexpr int ProfundidadMaxima = 64;
// true si la línea anida más de ProfundidadMaxima listas u objetos (fuera de los textos).
[[nodiscard]] bool DemasiadoHonda(std::string_view linea);

// Lee una línea de entrada como lo hace velmora-calc antes de calcular: texto UTF-8 sin bytes
// nulos, no más honda que ProfundidadMaxima, JSON sin claves repetidas y un objeto. Si no,
// nada, y `error` lleva el mensaje de velmora-calc para ella.
[[nodiscard]] std::optional<Json> LeerEntrada(const std::string& linea, ErrorCalculo& error);

// Procesa una línea y devuelve la línea de respuesta (sin salto de línea final). Sin
// `conEstado` la respuesta correcta no lleva "estado" (opción --sin-estado).
std::string ProcesarLinea(const std::string& linea, bool conEstado = true);

// Capítulo de la memoria de cálculo de una línea (que pide "informe") y sus datos del
// proyecto, para juntar varias líneas en una sola memoria.
struct InformeLinea {
    CapituloInforme capitulo;
    DatosProyecto proyecto;
};

// Como ProcesarLinea; si la línea pide "informe" y sale bien, deja su capítulo en `informe` (y
// la respuesta no lleva la página de esa línea sola).
std::string ProcesarLinea(const std::string& linea, bool conEstado, InformeLinea* informe);

// Como ProcesarLinea; `correcta` dice si la respuesta es "ok": true.
std::string ProcesarLinea(const std::string& linea, bool conEstado, bool& correcta);

} // namespace velmora
