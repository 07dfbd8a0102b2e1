#include "timedep/ce/FluenciaCE.h"

#include "common/Numeros.h"
#include "materiales/ce/Hormigon.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>

namespace velmora::ce {

namespace {

using R = Resultado<ResultadosFluenciaCE>;

// Los valores que muestra la ventana, en el orden de TextosFluenciaCE (sin el aviso), y sus
// unidades.
std::array<ValorMostrado, 19> Valores(const ResultadosFluenciaCE& r) {
    return {{{r.h0, 8, 1},
             {r.fcm, 6, 1},
             {r.Ecm, 8, 1},
             {r.Ec, 8, 1},
             {r.phiHR, 8, 4},
             {r.betaFcm, 8, 4},
             {r.t0, 8, 2},
             {r.betaT0, 8, 4},
             {r.phi0, 8, 4},
             {r.betaH, 8, 1},
             {r.betaC, 8, 4},
             {r.phi, 8, 4},
             {r.fckT0, 6, 2},
             {r.kSigma, 8, 3},
             {r.factorNoLineal, 8, 4},
             {r.phiNl, 8, 4},
             {1000.0 * r.epsElastica, 8, 4},
             {1000.0 * r.epsFluencia, 8, 4},
             {1000.0 * r.epsTotal, 8, 4}}};
}

constexpr std::array<const char*, 19> Unidades{
    "mm", "N/mm²", "N/mm²", "N/mm²", "", "", "días", "", "", "", "", "", "N/mm²", "", "", "",
    "‰",  "‰",     "‰"};

} // namespace

Resultado<DatosFluenciaCE> LeerDatosFluenciaCE(const TextosCampos& textos, bool espesorConocido,
                                               ClaseCemento cemento) {
    DatosFluenciaCE d;
    const auto hormigon = LeerHormigonCE(textos, espesorConocido, cemento);
    if (!hormigon)
        return hormigon.error();
    d.hormigon = *hormigon;
    if (const auto r = LeerEnIntervalo(textos, {{&CampoEdadCarga, &d.t0},
                                                {&CampoEdadCalculo, &d.t},
                                                {&CampoTensionCE, &d.sigmaC}});
        !r)
        return r.error();
    return d;
}

Resultado<ResultadosFluenciaCE> CalcularFluenciaCE(const DatosFluenciaCE& d) {
    const DatosHormigonCE& h = d.hormigon;
    if (d.t < d.t0)
        return R::Error("La edad de cálculo t (" + NumeroEnMensaje(d.t) +
                            " días) no puede ser anterior a la edad de puesta en carga t0 (" +
                            NumeroEnMensaje(d.t0) + " días).",
                        std::string(CampoEdadCalculo.control));
    ResultadosFluenciaCE r;
    r.h0 = h.h0;
    r.fcm = fcm(h.fck);
    r.Ecm = Ecm(h.fck);
    r.Ec = Ec(r.Ecm);
    r.phiHR = PhiHR(h.HR, r.h0, r.fcm);
    r.betaFcm = BetaFcm(r.fcm);
    r.t0 = T0Corregida(d.t0, h.Cemento);
    r.betaT0 = BetaT0(r.t0);
    r.phi0 = Phi0(r.phiHR, r.betaFcm, r.betaT0);
    r.betaH = BetaH(h.HR, r.h0, r.fcm);
    r.betaC = BetaC(d.t, d.t0, r.betaH);
    r.phi = Phi(r.phi0, r.betaC);
    r.fckT0 = FckT(h.fck, r.fcm, d.t0, h.Cemento);
    if (!(r.fckT0 > 0.0))
        return R::Error("A la edad de puesta en carga t0 = " + NumeroEnMensaje(d.t0) +
                            " días la resistencia estimada fck(t0) = βcc(t0)·fcm − 8 no es "
                            "positiva: a esa edad la resistencia debe obtenerse de ensayos.",
                        std::string(CampoEdadCarga.control));
    // Más allá de fck(t0) el hormigón no resiste la carga: no hay fluencia que calcular, y (3.7)
    // crecería sin límite.
    if (d.sigmaC > r.fckT0)
        return R::Error("La tensión σc = " + NumeroEnMensaje(d.sigmaC) +
                            " N/mm² pasa de la resistencia del hormigón al cargarlo, fck(t0) = " +
                            Formatear(r.fckT0, 0, 2) +
                            " N/mm²: el hormigón no la resiste y la fluencia no se calcula.",
                        std::string(CampoTensionCE.control));
    r.kSigma = KSigma(d.sigmaC, r.fckT0);
    r.noLineal = FluenciaNoLineal(r.kSigma);
    r.factorNoLineal = r.noLineal ? FactorNoLineal(r.kSigma) : 1.0;
    r.phiNl = r.phi * r.factorNoLineal;
    r.epsElastica = d.sigmaC / r.Ecm;
    r.epsFluencia = EpsilonCC(r.phiNl, d.sigmaC, r.Ec);
    r.epsTotal = r.epsElastica + r.epsFluencia;
    if (!SeMuestran(Valores(r)))
        return ResultadoNoRepresentable("la fluencia");
    return r;
}

TextosFluenciaCE RotularFluenciaCE(const ResultadosFluenciaCE& r) {
    const auto v = Valores(r);
    std::array<std::string, v.size()> s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s[i] = *Unidades[i] ? TextoValor(v[i]) + " " + Unidades[i] : TextoValor(v[i]);
    TextosFluenciaCE t{s[0], s[1], s[2],  s[3],  s[4],  s[5],  s[6],  s[7], s[8], s[9],
                       s[10], s[11], s[12], s[13], s[14], s[15], "",   s[16], s[17], s[18]};
    if (!r.noLineal) {
        t.FactorNoLineal = "=  no se aplica";
        t.PhiNl = "=  no se aplica";
        return t;
    }
    t.Aviso = "σc supera 0.45·fck(t0): fluencia no lineal (Anejo 19, 3.1.4(4)); la deformación de "
              "fluencia se calcula con φnl.";
    return t;
}

} // namespace velmora::ce
