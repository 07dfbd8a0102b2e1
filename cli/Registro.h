#pragma once
// Registro de los cálculos de velmora-calc.
//
// Cómo se añade un cálculo:
//   1. Un fichero propio en cli/ (p. ej. cli/Anclaje.cpp) con la función del cálculo, un
//      adaptador fino sobre la biblioteca velmora_calculo (ninguna fórmula en cli/):
//
//          namespace {
//          void CalcularAnclaje(Contexto& c) {
//              const auto eleccion = c.ConfirmarParametros();
//              const auto texto = c.Texto("VentanaAnclaje", "Diametro", "10");
//              ...
//              c.Poner("VentanaAnclaje", "EtiquetaLongitud", rotulo);
//          }
//          const RegistrarCalculo registro{"anclaje", "longitudes de anclaje",
//                                          &CalcularAnclaje};
//          } // namespace
//
//   2. Una línea con el fichero en target_sources(velmora_cli ...) de cli/CMakeLists.txt.
//
// El objeto estático `registro` inscribe el cálculo al arrancar el programa. Para que el
// enlazador no descarte esos ficheros (nadie llama a sus funciones por su nombre), la
// biblioteca estática velmora_cli sólo se usa a través del objetivo velmora_cli_completa, que
// la enlaza entera (WHOLE_ARCHIVE); el programa y las pruebas enlazan ese objetivo.

#include <nlohmann/json.hpp>

#include <map>
#include <string>

namespace velmora {

using Json = nlohmann::ordered_json;

class Contexto;
using FuncionCalculo = void (*)(Contexto&);

struct Calculo {
    std::string nombre;      // valor de "calculo" en la línea de entrada
    std::string descripcion; // una línea para la ayuda
    FuncionCalculo funcion = nullptr;
    bool volcarEstado = true; // la salida lleva "estado" con todo el estado de diseño
};

// Todos los cálculos inscritos, por nombre.
const std::map<std::string, Calculo>& Calculos();

class RegistrarCalculo {
public:
    RegistrarCalculo(std::string nombre, std::string descripcion, FuncionCalculo funcion,
                     bool volcarEstado = true);
};

} // namespace velmora
