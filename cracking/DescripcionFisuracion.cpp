#include "cracking/DescripcionFisuracion.h"

namespace velmora {

Resultado<DatosFisuracion> LeerDatosFisuracion(const TextosCampos& textos,
                                               const EleccionFisuracion& eleccion,
                                               std::span<const GrupoBarras> barrasA1,
                                               std::span<const GrupoBarras> barrasA2, double fck,
                                               double fyk) {
    std::array<double, CamposFisuracion.size()> v{};
    for (std::size_t i = 0; i < CamposFisuracion.size(); ++i) {
        const Campo& c = CamposFisuracion[i];
        const bool deT = c.control == "Valorhf" || c.control == "Valorbw";
        const bool deCaracteristica = c.control == "MomentoCar" || c.control == "AxilCar";
        if ((deT && eleccion.Rectangular) || (deCaracteristica && !eleccion.Caracteristica)) {
            v[i] = 0.0;
            continue;
        }
        const auto r = LeerCampoEnIntervalo(textos, c);
        if (!r)
            return r.error();
        v[i] = *r;
    }
    DatosFisuracion d;
    d.Rectangular = eleccion.Rectangular;
    d.h = v[0];
    d.b = v[1];
    d.hf = v[2];
    d.bw = v[3];
    d.d2 = v[4];
    d.c = v[5];
    d.Separacion = v[6];
    d.Mcp = v[7];
    d.Ncp = v[8];
    d.Mk = v[9];
    d.Nk = v[10];
    d.phi = v[11];
    d.Caracteristica = eleccion.Caracteristica;
    d.LargaDuracion = eleccion.LargaDuracion;
    d.Clase = eleccion.Clase;
    d.BarrasA1.assign(barrasA1.begin(), barrasA1.end());
    d.BarrasA2.assign(barrasA2.begin(), barrasA2.end());
    d.fck = fck;
    d.fyk = fyk;
    return d;
}

} // namespace velmora
