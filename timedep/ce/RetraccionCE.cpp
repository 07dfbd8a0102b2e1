#include "timedep/ce/RetraccionCE.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "materiales/ce/Hormigon.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>

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

void PasosSecado(Traza& t, const DatosRetraccionCE& d, const ResultadosRetraccionCE& r) {
    const DatosHormigonCE& h = d.hormigon;
    const double r3 = h.HR / 100.0;
    AnadirCalculo(t, {"β<sub>HR</sub>", "Efecto de la humedad relativa", CitaAnejo("B.12"),
                      "1.55·(1 − (HR/HR<sub>0</sub>)³)", "1.55·(1 − " + N(r3) + "³)", r.betaHR,
                      "", 4});
    const double ex = std::exp(-AlfaDs2(h.Cemento) * r.fcm / 10.0);
    AnadirCalculo(
        t, {"ε<sub>cd,0</sub>",
            "Retracción básica por secado (α<sub>ds1</sub> = " + NumeroLegible(AlfaDs1(h.Cemento)) +
                ", α<sub>ds2</sub> = " + NumeroLegible(AlfaDs2(h.Cemento)) + ")",
            CitaAnejo("B.11"),
            Cifras(FactorRetraccionSecado) +
                "·(220 + 110·α<sub>ds1</sub>)·exp(−α<sub>ds2</sub>·f<sub>cm</sub>/"
                "f<sub>cm0</sub>)·10⁻⁶·β<sub>HR</sub>",
            Cifras(FactorRetraccionSecado) + "·(220 + 110·" + N(AlfaDs1(h.Cemento)) + ")·" + N(ex) +
                "·0.000001·" + N(r.betaHR),
            1000.0 * r.epsCd0, "‰", 4, 1000.0});
    AnadirCalculo(t, {"k<sub>h</sub>", "Coeficiente del espesor medio (interpolado)",
                      CitaAnejo("tabla 3.3"), "k<sub>h</sub>(h<sub>0</sub>)", N(r.kh), r.kh, "", 3});
    const std::string dt = N(d.t - d.ts), raiz = N(std::sqrt(r.h0 * r.h0 * r.h0));
    if (d.t <= d.ts)
        t.Nota("t ≤ t<sub>s</sub>: el secado no ha empezado.", CitaAnejo("3.1.4(6)"));
    AnadirCalculo(t, {"β<sub>ds</sub>(t,t<sub>s</sub>)", "Desarrollo del secado en el tiempo (3.10)",
                      CitaAnejo("3.1.4(6)"),
                      "(t − t<sub>s</sub>)/((t − t<sub>s</sub>) + 0.04·√(h<sub>0</sub>³))",
                      d.t <= d.ts ? "0" : dt + "/(" + dt + " + 0.04·" + raiz + ")", r.betaDs, "",
                      4});
    AnadirCalculo(t, {"ε<sub>cd</sub>(t)", "Retracción por secado (3.9)", CitaAnejo("3.1.4(6)"),
                      "β<sub>ds</sub>(t,t<sub>s</sub>)·k<sub>h</sub>·ε<sub>cd,0</sub>",
                      N(r.betaDs) + "·" + N(r.kh) + "·" + N(1000.0 * r.epsCd0),
                      1000.0 * r.epsCd, "‰", 4});
}

void PasosAutogena(Traza& t, const DatosRetraccionCE& d, const ResultadosRetraccionCE& r) {
    AnadirCalculo(t, {"ε<sub>ca</sub>(∞)", "Retracción autógena final (3.12)", CitaAnejo("3.1.4(6)"),
                      "2.5·(f<sub>ck</sub> − 10)·10⁻⁶",
                      "2.5·(" + N(d.hormigon.fck) + " − 10)·0.000001", 1000.0 * r.epsCaInf, "‰",
                      4, 1000.0});
    AnadirCalculo(t, {"β<sub>as</sub>(t)", "Desarrollo de la retracción autógena (3.13)", CitaAnejo("3.1.4(6)"),
                      "1 − exp(−0.2·t<sup>0.5</sup>)",
                      "1 − " + N(std::exp(-0.2 * std::sqrt(d.t))), r.betaAs, "", 4});
    AnadirCalculo(t, {"ε<sub>ca</sub>(t)", "Retracción autógena (3.11)", CitaAnejo("3.1.4(6)"),
                      "β<sub>as</sub>(t)·ε<sub>ca</sub>(∞)",
                      N(r.betaAs) + "·" + N(1000.0 * r.epsCaInf), 1000.0 * r.epsCa, "‰", 4});
    AnadirCalculo(t, {"ε<sub>cs</sub>", "Retracción total (3.8)", CitaAnejo("3.1.4(6)"),
                      "ε<sub>cd</sub> + ε<sub>ca</sub>",
                      N(1000.0 * r.epsCd) + " + " + N(1000.0 * r.epsCa), 1000.0 * r.epsCs, "‰",
                      4});
}

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

Resultado<ResultadosRetraccionCE> CalcularRetraccionCE(const DatosRetraccionCE& d,
                                                       Traza* traza) {
    const DatosHormigonCE& h = d.hormigon;
    Traza pasos; // se pasan a `traza` solo si el resultado vale
    Traza* t = traza ? &pasos : nullptr;
    if (t)
        t->Nota("Retracción a la edad t = " + NumeroLegible(d.t) +
                    " días con el secado desde t<sub>s</sub> = " + NumeroLegible(d.ts) +
                    " días; HR = " + NumeroLegible(h.HR) + " %, cemento de clase " +
                    NombreClaseCemento(h.Cemento) + ".",
                CitaAnejo("3.1.4(6)"));
    ResultadosRetraccionCE r;
    r.h0 = h.h0;
    r.fcm = fcm(h.fck);
    if (t)
        PasosSeccionYHormigonCE(*t, h, r.fcm);
    r.betaHR = BetaHR(h.HR);
    r.epsCd0 = EpsilonCd0(r.fcm, r.betaHR, h.Cemento);
    r.kh = kh(r.h0);
    r.betaDs = BetaDs(d.t, d.ts, r.h0);
    r.epsCd = EpsilonCd(r.betaDs, r.kh, r.epsCd0);
    if (t)
        PasosSecado(*t, d, r);
    r.epsCaInf = EpsilonCaInf(h.fck);
    r.betaAs = BetaAs(d.t);
    r.epsCa = EpsilonCa(r.betaAs, r.epsCaInf);
    r.epsCs = EpsilonCs(r.epsCd, r.epsCa);
    if (t)
        PasosAutogena(*t, d, r);
    if (!SeMuestran(Valores(r)))
        return ResultadoNoRepresentable("la retracción");
    if (traza)
        AnadirPasos(*traza, std::move(pasos));
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
