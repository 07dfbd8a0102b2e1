#pragma once
// Datos del proyecto que encabezan la memoria de cálculo y la cabecera de los ficheros de
// proyecto. Sin Qt: los usan velmora-calc, las ventanas y los proyectos.

#include <string>

namespace velmora {

struct DatosProyecto {
    std::string proyecto; // p. ej. «Edificio de viviendas en la calle Mayor, 12»
    std::string elemento; // p. ej. «Viga V-3 de la planta primera»
    std::string autor;    // quien firma la memoria
};

} // namespace velmora
