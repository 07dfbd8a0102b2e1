#pragma once
// Textos de los campos de una descripción tal como los da una línea de velmora-calc.

#include "cli/Contexto.h"
#include "common/Descripcion.h"

namespace velmora {

// Textos de los campos de una ventana, leídos de la entrada o con su texto de arranque.
TextosCampos TextosDeCampos(Contexto& c, std::string_view ventana, std::span<const Campo> campos);

} // namespace velmora
