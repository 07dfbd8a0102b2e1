#include "cli/Registro.h"

#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {
// Dentro de una función, para que exista antes que los objetos de registro de otros ficheros.
std::map<std::string, Calculo>& Tabla() {
    static std::map<std::string, Calculo> tabla;
    return tabla;
}
} // namespace

const std::map<std::string, Calculo>& Calculos() {
    return Tabla();
}

RegistrarCalculo::RegistrarCalculo(std::string nombre, std::string descripcion,
                                   FuncionCalculo funcion, bool volcarEstado) {
    // Dos ficheros con el mismo nombre de cálculo: uno taparía al otro sin que nadie lo viera.
    if (Tabla().contains(nombre)) {
        std::fprintf(stderr, "velmora-calc: el cálculo «%s» está inscrito dos veces.\n",
                     nombre.c_str());
        std::abort();
    }
    auto clave = nombre;
    Tabla()[std::move(clave)] =
        Calculo{std::move(nombre), std::move(descripcion), funcion, volcarEstado};
}

} // namespace velmora
