#include "cli/Registro.h"

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
    auto clave = nombre;
    Tabla()[std::move(clave)] =
        Calculo{std::move(nombre), std::move(descripcion), funcion, volcarEstado};
}
