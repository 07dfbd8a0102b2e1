#pragma once
// Los campos de una descripción leídos de la línea de entrada, con su texto de arranque si la
// línea no los da: lo mismo que la ventana toma de sus controles.

#include "common/Descripcion.h"
#include "documento/Contexto.h"

#include <span>
#include <string>

namespace velmora {

inline TextosCampos TextosDeLinea(Contexto& c, std::string_view ventana,
                                  std::span<const Campo> campos) {
    TextosCampos t;
    for (const Campo& campo : campos)
        t.insert_or_assign(std::string(campo.control),
                           c.Texto(ventana, campo.control, campo.defecto));
    return t;
}

} // namespace velmora
