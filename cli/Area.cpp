// "area": el selector de área de barras sobre la ranura "IndiceArmadura" (0 si no se da).

#include "cli/Contexto.h"
#include "design/Ranuras.h"

namespace velmora {

namespace {

void CalcularArea(Contexto& c) {
    auto& e = c.Estado;
    e.IndiceArmadura = c.Entero("", "IndiceArmadura", 0, 0, NumeroRanuras - 1);
    SumarArea(e);
    c.Poner("VentanaArea", "EtiquetaArea", TextoAreaTotal(e));
    c.Poner("", "TextoArmadura", TextoArmadura(e, e.IndiceArmadura));
}

const RegistrarCalculo registro{"area", "área de una ranura de barras (selector de área)",
                                &CalcularArea};

} // namespace

} // namespace velmora
