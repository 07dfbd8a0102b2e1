#pragma once
// Lectura de una línea JSON que no deja pasar en silencio una clave repetida: la biblioteca se
// quedaría con una de las dos. La comparten velmora-calc y los ficheros de proyecto.

#include "documento/Catalogo.h"

#include <string>
#include <string_view>

namespace velmora {

struct ClavesLeidas {
    std::string repetida; // la primera clave repetida en un mismo objeto; vacía si no hay
    std::string ultima;   // la última leída: si la lectura falla, suele ser la del valor malo
};

// Lee `linea` como JSON y deja en `claves` lo que vio de sus claves; lanza Json::exception si
// no es JSON.
[[nodiscard]] Json LeerJsonVigilado(std::string_view linea, ClavesLeidas& claves);

} // namespace velmora
