#pragma once
// Lectura de la ventana de datos de la sección que trae una línea de velmora-calc, compartida
// por los cálculos que parten de ella.

#include "documento/Contexto.h"
#include "section/CalculoSeccion.h"

// Los campos de la ventana de datos que trae la línea (la rectangular si no trae ninguna), con
// los textos de arranque en los que no se dan. Los esfuerzos sólo los lee «Calcular».
namespace velmora {

DatosSeccionTexto LeerVentanaSeccion(Contexto& c, bool conEsfuerzos);

} // namespace velmora
