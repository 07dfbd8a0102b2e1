#include "timedep/ce/RetraccionCE.h"

#include "materiales/ce/Hormigon.h"
#include "timedep/Comun.h"

#include <array>

namespace velmora::ce {

namespace {

// Los valores que muestra la ventana, en el orden de TextosRetraccionCE: h0 (mm), fcm (N/mm²),
// los coeficientes y las deformaciones en ‰.
std::array<ValorMostrado, 11> Valores(const ResultadosRetraccionCE& r) {
    return {{{r.h0, 8, 1},
             {r.fcm, 6, 1},
             {r.betaHR, 8, 4},
             {1000.0 * r.epsCd0, 8, 4},
             {r.kh, 8, 3},
             {r.betaDs, 8, 4},
             {1000.0 * r.epsCd, 8, 4},
             {1000.0 * r.epsCaInf, 8, 4},
             {r.betaAs, 8, 4},
             {1000.0 * r.epsCa, 8, 4},
             {1000.0 * r.epsCs, 8, 4}}};
}

constexpr std::array<const char*, 11> Unidades{"mm", "N/mm²", "", "‰", "", "", "‰", "‰", "", "‰",
                                               "‰"};

} // namespace

Resultado<DatosRetraccionCE> LeerDatosRetraccionCE(const TextosCampos& textos,
                                                   bool espesorConocido, ClaseCemento cemento) {
    DatosRetraccionCE d;
    const auto hormigon = LeerHormigonCE(textos, espesorConocido, cemento);
    if (!hormigon)
        return hormigon.error();
    d.hormigon = *hormigon;
    if (const auto r =
            LeerEnIntervalo(textos, {{&CampoEdadCurado, &d.ts}, {&CampoEdadRetraccion, &d.t}});
        !r)
        return r.error();
    return d;
}

Resultado<ResultadosRetraccionCE> CalcularRetraccionCE(const DatosRetraccionCE& d) {
    const DatosHormigonCE& h = d.hormigon;
    ResultadosRetraccionCE r;
    r.h0 = h.h0;
    r.fcm = fcm(h.fck);
    r.betaHR = BetaHR(h.HR);
    r.epsCd0 = EpsilonCd0(r.fcm, r.betaHR, h.Cemento);
    r.kh = kh(r.h0);
    r.betaDs = BetaDs(d.t, d.ts, r.h0);
    r.epsCd = EpsilonCd(r.betaDs, r.kh, r.epsCd0);
    r.epsCaInf = EpsilonCaInf(h.fck);
    r.betaAs = BetaAs(d.t);
    r.epsCa = EpsilonCa(r.betaAs, r.epsCaInf);
    r.epsCs = EpsilonCs(r.epsCd, r.epsCa);
    if (!SeMuestran(Valores(r)))
        return ResultadoNoRepresentable("la retracción");
    return r;
}

TextosRetraccionCE RotularRetraccionCE(const ResultadosRetraccionCE& r) {
    const auto v = Valores(r);
    std::array<std::string, v.size()> s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s[i] = *Unidades[i] ? TextoValor(v[i]) + " " + Unidades[i] : TextoValor(v[i]);
    return {s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8], s[9], s[10]};
}

} // namespace velmora::ce
