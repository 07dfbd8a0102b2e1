#include "timedep/ce/DescripcionDiferidasCE.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "norma/Norma.h"

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

std::string CitaAnejo(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

std::string NombreClaseCemento(ClaseCemento c) {
    static constexpr const char* nombres[] = {"S", "N", "R"};
    return nombres[static_cast<int>(c)];
}

void PasosSeccionYHormigonCE(Traza& t, const DatosHormigonCE& h, double valorFcm) {
    if (h.EspesorConocido)
        t.Nota("Espesor medio conocido: h<sub>0</sub> = " + NumeroLegible(h.h0) + " mm.",
               CitaAnejo("B.6"));
    else
        AnadirCalculo(t, {"h<sub>0</sub>", "Espesor medio de la sección", CitaAnejo("B.6"),
                          "2·A<sub>c</sub>/u", "2·" + N(h.Ac) + "/" + N(h.u), h.h0, "mm", 1});
    AnadirCalculo(t, {"f<sub>cm</sub>", "Resistencia media a compresión", CitaAnejo("tabla 3.1"),
                      "f<sub>ck</sub> + 8", N(h.fck) + " + 8", valorFcm, "N/mm²", 1});
}

} // namespace velmora::ce
