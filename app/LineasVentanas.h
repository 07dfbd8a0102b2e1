#pragma once
// Las ventanas como líneas de velmora-calc: leer los controles de una ventana de cálculo en la
// línea que la calcula sin ventanas, y ponerlos desde una línea. Los controles se buscan por su
// nombre de objeto y se leen o escriben según su clase (cuadro de texto, cuadro combinado,
// grupo de opciones, casilla, contador), de modo que la línea lleva exactamente lo que
// velmora-calc lee de cada cálculo.

#include "documento/Contexto.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct Aplicacion;

// Una entrada de proyecto: un cálculo de velmora-calc y la ventana de datos por la que se usa.
// "seccion" tiene dos (la sección rectangular y la sección en T).
struct EntradaProyecto {
    std::string calculo;
    QString ventana;
};

// Todas las entradas, en el orden en que se escriben en un proyecto.
const std::vector<EntradaProyecto>& EntradasProyecto();

// La línea de velmora-calc de una ventana (su nombre de objeto: la de datos o la de resultados
// de un cálculo), con los controles tal como están y las ranuras de armadura que la ventana
// tiene aceptadas. Nada si la ventana no es de ningún cálculo.
[[nodiscard]] std::optional<Json> LineaDeVentana(Aplicacion& app, const QString& ventana);

// La línea de una entrada de proyecto.
[[nodiscard]] Json LineaDeEntrada(Aplicacion& app, const EntradaProyecto& entrada);

// Las entradas de proyecto a las que corresponde una línea (por su cálculo y, en "seccion", por
// la ventana de la sección que trae).
[[nodiscard]] std::vector<EntradaProyecto> EntradasDeLinea(const Json& linea);

// Pone en las ventanas los valores que da la línea, como si el usuario los eligiera o tecleara
// (los textos tal cual, aunque el cálculo los fuera a rechazar), y las ranuras que la línea da
// quedan aceptadas en las ventanas de su cálculo (las que no da, sin definir). Las ranuras
// mismas se ponen aparte (AplicarRanuras). La línea ya está comprobada (LeerProyecto).
void AplicarLinea(Aplicacion& app, const Json& linea);

// Lo que las ventanas no pueden mostrar de `linea` cuando escriben `mostrada` para ella: las
// ventanas (su nombre de objeto; la clave del control si no es de una ventana) con algún
// control de otro valor (o distinto del de arranque, si la línea no lo da) y las ranuras
// («ranuras/1») con otras barras. Vacío si coinciden.
[[nodiscard]] std::vector<std::string> PartesDistintas(const Json& linea, const Json& mostrada);

// Devuelve todos los controles de todas las entradas a su valor de arranque y deja sin definir
// las armaduras aceptadas de las ventanas.
void ValoresDeArranque(Aplicacion& app);

} // namespace velmora
