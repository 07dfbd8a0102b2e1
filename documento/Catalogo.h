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
//                      .resultados = {{"VentanaAnclaje", "LongitudNetaI", ...}, ...},
//                      .lecturas = Seguidas(LecturasParametros(Cuando::ConParametros),
//                                           {LeeTexto(Datos, "ResistenciaCaracteristica", "25"),
//                                            ...})};
//          }
//
//      con las ventanas que lee, descritas por los campos y elecciones de su descripción
//      (anchorage/DescripcionAnclaje.h), las ranuras que aceptan sus botones de armadura, el
//      nombre de cada rótulo en la memoria y los controles que lee, en su orden de lectura (el
//      de las claves de la línea al guardar un proyecto), con su clase, su valor de arranque y
//      cuándo los lee (documento/calculos/Ventanas.h tiene los de ParametrosGenerales). Sin
//      `lecturas`, el proyecto toma los campos y las elecciones de `ventanas`.
//
//      Si tiene ventanas en el programa, `ventanasDatos` y `ventanasResultados` las nombran.
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

// Clase de valor que lleva un control en la línea de entrada.
// Valor: cualquier valor JSON (una lista, p. ej.), que comprueba el propio cálculo.
enum class TipoControl { Texto, Indice, Entero, Casilla, Valor };

// Cuándo lee un cálculo un control: lo que cambia con las ventanas que trae la línea y con la
// norma elegida en ella (no con sus valores).
enum class Cuando {
    Siempre,
    ConParametros,         // si la línea trae "ParametrosGenerales"
    SoloEHE98,             // con la EHE-98 (GrupoNorma 0 o sin darlo)
    SoloCodigoEstructural, // con el Código Estructural (GrupoNorma 1)
    Rectangular,           // con la sección rectangular: "DatosSeccion" o ninguna de las dos
    EnT,                   // con la sección en T: "DatosSeccionT" sin "DatosSeccion"
    SiSeDa, // sólo si la línea lo trae (p. ej. un área escrita en vez de su ranura)
};

// Un control que lee el cálculo, en su orden de lectura: su ventana ("" para una clave del nivel
// superior de la línea), su clase, su valor de arranque (`texto` en un cuadro de texto; `valor`
// en un grupo, un entero o una casilla, 1 marcada) y los valores admitidos (minimo..maximo).
struct LecturaCatalogo {
    std::string_view ventana;
    std::string_view control;
    TipoControl tipo = TipoControl::Texto;
    std::string_view texto = {};
    int valor = 0;
    int minimo = 0;
    int maximo = 0;
    Cuando cuando = Cuando::Siempre;
};

constexpr LecturaCatalogo LeeTexto(std::string_view ventana, std::string_view control,
                                   std::string_view defecto, Cuando cuando = Cuando::Siempre) {
    return {ventana, control, TipoControl::Texto, defecto, 0, 0, 0, cuando};
}

// Un grupo de `opciones` opciones (índices 0 a opciones - 1).
constexpr LecturaCatalogo LeeIndice(std::string_view ventana, std::string_view control, int defecto,
                                    int opciones, Cuando cuando = Cuando::Siempre) {
    return {ventana, control, TipoControl::Indice, {}, defecto, 0, opciones - 1, cuando};
}

constexpr LecturaCatalogo LeeEntero(std::string_view ventana, std::string_view control, int defecto,
                                    int minimo, int maximo, Cuando cuando = Cuando::Siempre) {
    return {ventana, control, TipoControl::Entero, {}, defecto, minimo, maximo, cuando};
}

constexpr LecturaCatalogo LeeCasilla(std::string_view ventana, std::string_view control,
                                     bool defecto, Cuando cuando = Cuando::Siempre) {
    return {ventana, control, TipoControl::Casilla, {}, defecto ? 1 : 0, 0, 0, cuando};
}

// Una clave del nivel superior con cualquier valor JSON, que comprueba el propio cálculo.
constexpr LecturaCatalogo LeeValor(std::string_view control, Cuando cuando = Cuando::Siempre) {
    return {{}, control, TipoControl::Valor, {}, 0, 0, 0, cuando};
}

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
    // Los controles que lee, en su orden de lectura. Sin ninguno, los campos (textos) y las
    // elecciones (grupos desde la opción 0, casillas sin marcar) de `ventanas`, en su orden.
    std::vector<LecturaCatalogo> lecturas = {};
    // Con "DatosSeccion" y "DatosSeccionT" a la vez, el cálculo se detiene antes de leer la
    // primera de las dos (una línea da una sola sección).
    bool unaSeccion = false;
    // Sus ventanas en el programa: las de datos, desde las que se escribe su línea en un proyecto
    // (la sección tiene dos, la rectangular y la en T), y las que muestran sus resultados, con el
    // botón «Memoria»; la línea de una ventana de resultados es la de su ventana de datos (de la
    // sección, la de la forma calculada la última vez).
    std::vector<std::string_view> ventanasDatos = {};
    std::vector<std::string_view> ventanasResultados = {};
};

// Todos los cálculos, por nombre (el orden de la ayuda). La primera llamada reúne la lista y
// para el programa si dos entradas llevan el mismo nombre: una taparía a la otra sin aviso.
const std::map<std::string, EntradaCatalogo, std::less<>>& Catalogo();

// Todos los cálculos en el orden en que se declaran (el de las líneas de un proyecto), con los
// añadidos con AnadirAlCatalogo al final.
const std::vector<const EntradaCatalogo*>& CatalogoEnOrden();

// Los nombres de los cálculos, separados por comas, para los mensajes de error.
std::string NombresCatalogo();

// Los controles que lee el cálculo de la entrada, en su orden de lectura: `lecturas` o, si no
// declara ninguno, los campos (textos) y las elecciones (grupos desde la opción 0, casillas sin
// marcar) de sus `ventanas`.
[[nodiscard]] std::vector<LecturaCatalogo> LecturasDe(const EntradaCatalogo& e);

// Añade una entrada a las del catálogo (un cálculo que sólo existe en una prueba, p. ej.).
// Error, sin cambiar nada, si ya hay un cálculo con ese nombre o la entrada no tiene función.
[[nodiscard]] bool AnadirAlCatalogo(EntradaCatalogo entrada);

} // namespace velmora
