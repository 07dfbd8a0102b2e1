#include "documento/TextosCampos.h"

namespace velmora {

TextosCampos TextosDeCampos(Contexto& c, std::string_view ventana, std::span<const Campo> campos) {
    TextosCampos t;
    for (const Campo& campo : campos)
        t.emplace(std::string(campo.control), c.Texto(ventana, campo.control, campo.defecto));
    return t;
}

void ConfirmarParametrosDados(Contexto& c) {
    if (c.Presente("ParametrosGenerales"))
        c.ConfirmarParametros();
}

void PonerNorma(Contexto& c, std::string_view ventana) {
    if (c.Estado.norma != Norma::EHE98)
        c.Poner(ventana, "EtiquetaNorma", TextoNormaEnUso(c.Estado.norma));
}

} // namespace velmora
