// "area": el selector de área de barras sobre la ranura "IndiceArmadura" (0 si no se da).

#include "design/Ranuras.h"
#include "documento/Contexto.h"

namespace velmora {

namespace {

void CalcularArea(Contexto& c) {
    auto& e = c.Estado;
    e.IndiceArmadura = c.Entero("", "IndiceArmadura", 0, 0, NumeroRanuras - 1);
    SumarArea(e);
    c.Poner("VentanaArea", "EtiquetaArea", TextoAreaTotal(e));
    c.Poner("", "TextoArmadura", TextoArmadura(e, e.IndiceArmadura));
}

} // namespace

EntradaCatalogo CatalogoArea() {
    return {"area", "Área de las armaduras", "área de una ranura de barras (selector de área)",
            &CalcularArea};
}

} // namespace velmora
