#include "timedep/ce/DescripcionDiferidasCE.h"

#include "common/Numeros.h"

#include <string>

namespace velmora::ce {

Resultado<ClaseCemento> LeerClaseCemento(int indice) {
    if (indice < 0 || indice >= static_cast<int>(OpcionesClaseCemento.size()))
        return Resultado<ClaseCemento>::Error(
            "Elija una clase de cemento (del 0 al 2; valor recibido: " + std::to_string(indice) +
                ").",
            std::string(EleccionClaseCemento.control));
    return static_cast<ClaseCemento>(indice);
}

Estado LeerEnIntervalo(const TextosCampos& textos, std::initializer_list<CampoDestino> campos) {
    for (const auto& [campo, destino] : campos) {
        if (!campo)
            continue;
        const auto r = LeerCampoEnIntervalo(textos, *campo);
        if (!r)
            return r.error();
        *destino = *r;
    }
    return Correcto();
}

Resultado<DatosHormigonCE> LeerHormigonCE(const TextosCampos& textos, bool espesorConocido,
                                          ClaseCemento cemento) {
    DatosHormigonCE d;
    d.EspesorConocido = espesorConocido;
    d.Cemento = cemento;
    if (const auto r = LeerEnIntervalo(
            textos, {{&CampoFck, &d.fck},
                     {&CampoHumedad, &d.HR},
                     {espesorConocido ? nullptr : &CampoAreaCE, &d.Ac},
                     {espesorConocido ? nullptr : &CampoPerimetroCE, &d.u},
                     {espesorConocido ? &CampoEspesorMedio : nullptr, &d.h0}});
        !r)
        return r.error();
    if (espesorConocido)
        return d;
    d.h0 = h0(d.Ac, d.u);
    // Un perímetro expuesto muy pequeño frente al área daría un espesor medio sin sentido.
    if (d.h0 < CampoEspesorMedio.minimo || d.h0 > CampoEspesorMedio.maximo)
        return Resultado<DatosHormigonCE>::Error(
            "El espesor medio h0 = 2·Ac/u = " + Formatear(d.h0, 0, 1) +
                " mm debe estar entre 1 y 20000 mm: revise el área y el perímetro.",
            std::string(CampoPerimetroCE.control));
    return d;
}

} // namespace velmora::ce
