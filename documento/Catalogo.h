#pragma once
// El catálogo de los cálculos: una entrada por cálculo, con su nombre (el valor de "calculo" en
// una línea), el título de su capítulo en la memoria, la línea que lo describe en la ayuda y la
// función que lo calcula sobre un
// Contexto. Cada cálculo declara su entrada junto a su adaptador (documento/calculos/) y
// documento/Catalogo.cpp las reúne todas en un solo sitio.
//
// Cómo se añade un cálculo:
//   1. Su adaptador, un fichero en documento/calculos/ (p. ej. documento/calculos/Anclaje.cpp)
//      con la función que lee la línea, llama a la biblioteca velmora_calculo y escribe los
//      rótulos (ninguna fórmula aquí), y su entrada:
//
//          EntradaCatalogo CatalogoAnclaje() {
//              return {"anclaje", "Longitudes de anclaje de las barras",
//                      "longitudes de anclaje ...", &CalcularAnclajeLinea};
//          }
//
//   2. Una línea en la lista de documento/Catalogo.cpp con esa función.
//   3. El fichero en target_sources(velmora_documento ...) de documento/CMakeLists.txt.

#include <nlohmann/json.hpp>

#include <map>
#include <string>

namespace velmora {

using Json = nlohmann::ordered_json;

class Contexto;
using FuncionCalculo = void (*)(Contexto&);

struct EntradaCatalogo {
    std::string nombre;      // valor de "calculo" en la línea de entrada
    std::string titulo;      // título de su capítulo en la memoria de cálculo
    std::string descripcion; // una línea para la ayuda
    FuncionCalculo funcion = nullptr;
    bool volcarEstado = true; // la salida lleva "estado" con todo el estado de diseño
};

// Todos los cálculos, por nombre (el orden de la ayuda). La primera llamada reúne la lista y
// para el programa si dos entradas llevan el mismo nombre: una taparía a la otra sin aviso.
const std::map<std::string, EntradaCatalogo>& Catalogo();

// Los nombres de los cálculos, separados por comas, para los mensajes de error.
std::string NombresCatalogo();

// Añade una entrada a las del catálogo (un cálculo que sólo existe en una prueba, p. ej.).
// Error, sin cambiar nada, si ya hay un cálculo con ese nombre o la entrada no tiene función.
[[nodiscard]] bool AnadirAlCatalogo(EntradaCatalogo entrada);

} // namespace velmora
