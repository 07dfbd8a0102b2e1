#pragma once
// Textos de los campos de una descripción tal como los da una línea de velmora-calc.

#include "common/Descripcion.h"
#include "documento/Contexto.h"

namespace velmora {

// Textos de los campos de una ventana, leídos de la entrada o con su texto de arranque.
TextosCampos TextosDeCampos(Contexto& c, std::string_view ventana, std::span<const Campo> campos);

// Confirma los parámetros generales (y con ellos la norma) sólo si la línea los trae: un cálculo
// que no los usaba con la EHE-98 responde igual sin ellos.
void ConfirmarParametrosDados(Contexto& c);

// Escribe la norma en uso ("EtiquetaNorma") bajo la ventana de resultados cuando no es la EHE-98:
// con ella las respuestas no cambian.
void PonerNorma(Contexto& c, std::string_view ventana);

} // namespace velmora
