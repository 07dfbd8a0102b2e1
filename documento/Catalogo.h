#pragma once
// El catálogo de los cálculos: una entrada por cálculo, con su nombre (el valor de "calculo" en
// una línea), el título de su capítulo en la memoria, la línea que lo describe en la ayuda, la
// función que lo calcula sobre un Contexto, las ventanas que lee, las ranuras de armadura que
// aceptan sus botones y los nombres de sus resultados. Cada cálculo declara su entrada junto a su
// adaptador (documento/calculos/) y documento/Catalogo.cpp las reúne todas en un solo sitio.
//
// Cómo se añade un cálculo:
//   1. Su adaptador, un fichero en documento/calculos/ (p. ej. documento/calculos/Anclaje.cpp)
//      con la función que lee la línea, llama a la biblioteca velmora_calculo y escribe los
//      rótulos (ninguna fórmula aquí), y su entrada:
//
//          EntradaCatalogo CatalogoAnclaje() {
//              return {.nombre = "anclaje",
//                      .titulo = "Longitudes de anclaje de las barras",
//                      .descripcion = "longitudes de anclaje ...",
//                      .funcion = &CalcularAnclajeLinea,
//                      .ventanas = {{"VentanaLongitudAnclaje", CamposAnclaje, EleccionesAnclaje}},
//                      .ranuras = {{1, "VentanaLongitudAnclaje", "AreaPosicionI", ...}},
//                      .resultados = {{"VentanaAnclaje", "LongitudNetaI", ...}, ...}};
//          }
//
//      con las ventanas que lee, descritas por los campos y elecciones de su descripción
//      (anchorage/DescripcionAnclaje.h), las ranuras que aceptan sus botones de armadura y el
//      nombre de cada rótulo en la memoria.
//
//   2. En documento/Catalogo.cpp, la declaración de esa función y una línea en la lista.
//   3. El fichero en target_sources(velmora_documento ...) de documento/CMakeLists.txt.

#include "common/Descripcion.h"

#include <nlohmann/json.hpp>

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

using Json = nlohmann::ordered_json;

class Contexto;
using FuncionCalculo = void (*)(Contexto&);

// Una ventana que lee el cálculo, con los campos y las elecciones de su descripción: la memoria
// toma de ahí el nombre y la unidad de cada dato. Con `si`, esta descripción sólo vale cuando la
// elección `si` de la misma ventana se leyó con el índice `vale` (un campo que cambia de nombre con
// ella) y va antes que la descripción general de la ventana. Con `ventana` vacía, las claves del
// nivel superior de la línea.
struct VentanaCatalogo {
    std::string_view ventana;
    std::span<const Campo> campos;
    std::span<const Eleccion> elecciones = {};
    std::string_view si = {};
    int vale = 0;
};

// Una ranura de armadura que una ventana del cálculo acepta con un botón del selector; el botón
// muestra `sinDefinir` mientras no se ha aceptado.
struct RanuraCatalogo {
    int ranura = 0;
    std::string_view ventana;
    std::string_view boton;
    std::string_view sinDefinir;
};

// Un rótulo que escribe el cálculo, con el nombre con que lo lista la memoria (sin nombre, no se
// lista) y la unidad, si el rótulo no la lleva. `boton` es el texto de arranque de un botón que
// muestra la armadura elegida: con él, la armadura está sin definir. `sufijo` es lo que la
// ventana escribe en otro rótulo a continuación (el ² de «N/mm²»).
struct ResultadoCatalogo {
    std::string_view ventana;
    std::string_view control;
    std::string_view nombre;
    std::string_view unidad = {};
    std::string_view boton = {};
    std::string_view sufijo = {};
};

struct EntradaCatalogo {
    std::string nombre;      // valor de "calculo" en la línea de entrada
    std::string titulo;      // título de su capítulo en la memoria de cálculo
    std::string descripcion; // una línea para la ayuda
    FuncionCalculo funcion = nullptr;
    bool volcarEstado = true; // la salida lleva "estado" con todo el estado de diseño
    std::vector<VentanaCatalogo> ventanas = {}; // las ventanas que lee, descritas
    std::vector<RanuraCatalogo> ranuras = {};   // las ranuras que aceptan sus botones de armadura
    std::vector<ResultadoCatalogo> resultados = {}; // sus rótulos, con nombre y unidad
};

// Todos los cálculos, por nombre (el orden de la ayuda). La primera llamada reúne la lista y
// para el programa si dos entradas llevan el mismo nombre: una taparía a la otra sin aviso.
const std::map<std::string, EntradaCatalogo, std::less<>>& Catalogo();

// Los nombres de los cálculos, separados por comas, para los mensajes de error.
std::string NombresCatalogo();

// Añade una entrada a las del catálogo (un cálculo que sólo existe en una prueba, p. ej.).
// Error, sin cambiar nada, si ya hay un cálculo con ese nombre o la entrada no tiene función.
[[nodiscard]] bool AnadirAlCatalogo(EntradaCatalogo entrada);

} // namespace velmora
