#pragma once
// Nombre del fichero que se guarda con un tipo elegido en el diálogo (proyecto, memoria, dibujo):
// sin extensión se le añade la del tipo; con la de otro tipo hay que preguntar antes de guardar.

#include <span>
#include <string>
#include <string_view>

namespace velmora {

struct NombreParaGuardar {
    std::string ruta;           // la ruta con la que se guarda
    bool otraExtension = false; // la ruta escrita tiene la extensión de otro tipo de fichero
    std::string conExtension;   // con otraExtension: la ruta escrita más la extensión del tipo
};

// `extensiones` son las del tipo, sin punto y en minúsculas; la primera es la que se añade. Un
// nombre sin extensión o que acaba en «.» («x», «x.») la recibe («x.html»); uno con una de las
// extensiones del tipo (sin distinguir mayúsculas) se guarda tal cual; uno con otra extensión
// («x.png» para una página web) se marca para preguntar.
[[nodiscard]] NombreParaGuardar RutaParaGuardar(std::string_view ruta,
                                                std::span<const std::string_view> extensiones);

} // namespace velmora
