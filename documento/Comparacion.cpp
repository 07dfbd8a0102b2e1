#include "documento/Comparacion.h"

namespace velmora {

bool ComparacionPedida(Contexto& c, std::string_view ventana) {
    return c.Presente(ventana, "BotonCompararNormas") &&
           c.Casilla(ventana, "BotonCompararNormas", false);
}

void PonerComparacion(Contexto& c, const ComparacionNormas& comparacion) {
    Json filas = Json::array();
    for (const auto& f : comparacion.Filas)
        filas.push_back({f.Magnitud, f.EHE98, f.CodigoEstructural, f.Diferencia});
    c.Poner("VentanaComparacion", "TablaComparacion", filas);
    c.Informar("Comparación de normas", [&] { return TrazaComparacion(comparacion); });
}

} // namespace velmora
