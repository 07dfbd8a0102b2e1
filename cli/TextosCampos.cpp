#include "cli/TextosCampos.h"

namespace velmora {

TextosCampos TextosDeCampos(Contexto& c, std::string_view ventana, std::span<const Campo> campos) {
    TextosCampos t;
    for (const Campo& campo : campos)
        t.emplace(std::string(campo.control), c.Texto(ventana, campo.control, campo.defecto));
    return t;
}

} // namespace velmora
