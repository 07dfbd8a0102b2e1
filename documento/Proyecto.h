#pragma once
// Ficheros de proyecto (*.velmora): texto UTF-8 de líneas JSON. La primera es la cabecera
// {"velmora": 1, "proyecto": {...}} (versión del formato y datos del proyecto); cada una de las
// demás es exactamente una línea de entrada de velmora-calc, una por ventana de cálculo usada,
// de modo que `velmora-calc proyecto.velmora` recalcula el proyecto entero. Un fichero sin
// cabecera, escrito a mano o por un programa para velmora-calc, también se lee.
//
// Nada de Qt: el programa, velmora-calc y las pruebas de fuzzing comparten esta lectura.

#include "common/Resultado.h"
#include "documento/Contexto.h"
#include "report/DatosProyecto.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Versión del formato que escribe y lee este programa.
inline constexpr int VersionProyecto = 1;

struct Proyecto {
    Json datos = Json::object();        // "proyecto" de la cabecera, tal como venía
    std::vector<Json> lineas;           // líneas de cálculo, en el orden del fichero
    std::vector<std::size_t> renglones; // renglón del fichero (desde 1) de cada línea leída
};

// Lee un proyecto entero. Lo rechaza todo, con un mensaje que nombra la línea y la causa, si no
// es un proyecto, está cortado, es de una versión más nueva, o alguna línea trae un cálculo,
// una ventana o un control desconocidos, un valor de la clase equivocada o ranuras mal escritas.
// Un texto que el cálculo no admitiría («abc» en un canto) se acepta tal cual: el error aparece
// al calcular, como si se hubiera tecleado.
[[nodiscard]] Resultado<Proyecto> LeerProyecto(std::string_view texto);

// El texto del fichero: la cabecera y una línea por cálculo, cada una terminada en '\n'.
[[nodiscard]] std::string EscribirProyecto(const Proyecto& proyecto);

// Los datos del proyecto que lleva la cabecera ("proyecto", "elemento", "autor", textos); las
// demás claves de `datos` se conservan al escribir.
[[nodiscard]] DatosProyecto LeerDatosProyecto(const Json& datos);
void EscribirDatosProyecto(Json& datos, const DatosProyecto& d);

// Comprueba una línea de cálculo como LeerProyecto (sin el número de línea en el mensaje).
[[nodiscard]] Estado ComprobarLineaProyecto(const Json& linea);

// Controles que lee el cálculo `calculo`, en su orden de lectura, con su clase y su valor de
// arranque, según su entrada del catálogo (sin calcular nada). Las ventanas que trae `linea` y la
// norma que elige eligen entre las variantes que el cálculo admite (p. ej. "DatosSeccionT" en
// lugar de "DatosSeccion" en "seccion"); sus valores no cuentan, salvo las claves que el cálculo
// sólo lee si se dan. Vacío si el cálculo no existe.
[[nodiscard]] std::vector<ControlLeido> ControlesDelCalculo(const std::string& calculo,
                                                            const Json& linea = Json::object());

// Lo mismo para una entrada que no está (o todavía no está) en el catálogo.
[[nodiscard]] std::vector<ControlLeido> ControlesSegunEntrada(const EntradaCatalogo& entrada,
                                                              const Json& linea = Json::object());

// Si `entrada` es una cabecera de proyecto, la respuesta de velmora-calc para ella: la propia
// cabecera con "ok": true (o el error si su versión no se puede leer). Si no lo es, nada.
[[nodiscard]] std::optional<Json> RespuestaCabecera(const Json& entrada);

} // namespace velmora
