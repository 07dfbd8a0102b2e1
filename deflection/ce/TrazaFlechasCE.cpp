// Traza de las flechas con el Código Estructural para la memoria: los mismos pasos y números que
// el cálculo (Anejo 19, 7.4.3).

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "deflection/ce/FlechasCE.h"
#include "norma/Norma.h"

#include <cmath>

namespace velmora::ce {

namespace {

std::string A19(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

// x e I_II de la sección fisurada (sección homogeneizada con n) y la inercia interpolada.
void PasosFisurada(Traza& t, const CalculoFlecha& c, const char* sufijo) {
    const DatosFlecha& d = c.datos;
    const double rho1 = d.AreaA1 / d.b / c.d, rho2 = d.AreaA2 / d.b / c.d;
    const double k = 1.0 + rho2 / rho1;
    const std::string n = N(c.nEq);
    AnadirCalculo(t, {std::string("x") + sufijo, "Profundidad de la fibra neutra fisurada",
                      A19("7.4.3(3)"),
                      "n·ρ<sub>1</sub>·(1 + ρ<sub>2</sub>/ρ<sub>1</sub>)·(√(1 + 2·(1 + "
                      "ρ<sub>2</sub>·d<sub>2</sub>/(ρ<sub>1</sub>·d))/(n·ρ<sub>1</sub>·(1 + "
                      "ρ<sub>2</sub>/ρ<sub>1</sub>)²)) − 1)·d",
                      n + "·" + N(rho1) + "·" + N(k) + "·(√(1 + 2·(1 + " + N(rho2) + "·" +
                          N(d.d2) + "/(" + N(rho1) + "·" + N(c.d) + "))/(" + n + "·" + N(rho1) +
                          "·" + N(k) + "²)) − 1)·" + N(c.d),
                      c.x, "mm", 2});
    AnadirCalculo(t, {std::string("I<sub>II</sub>") + sufijo, "Inercia de la sección fisurada",
                      A19("7.4.3(3)"),
                      "n·A<sub>1</sub>·(d − x)·(d − x/3) + n·A<sub>2</sub>·(x − d<sub>2</sub>)·(x/3 − "
                      "d<sub>2</sub>)",
                      n + "·" + N(d.AreaA1) + "·(" + N(c.d) + " − " + N(c.x) + ")·(" + N(c.d) +
                          " − " + N(c.x) + "/3) + " + n + "·" + N(d.AreaA2) + "·(" + N(c.x) +
                          " − " + N(d.d2) + ")·(" + N(c.x) + "/3 − " + N(d.d2) + ")",
                      c.Ifis * 1e-4, "cm⁴", 1, 1e-4});
}

void PasoInercia(Traza& t, const CalculoFlecha& c, double I, const char* sufijo) {
    AnadirCalculo(t, {std::string("I") + sufijo, "Inercia equivalente de las curvaturas interpoladas",
                      A19("7.4.3(3)"),
                      "1/(ζ/I<sub>II</sub> + (1 − ζ)/I<sub>I</sub>)",
                      "1/(" + N(c.zeta) + "/" + N(c.Ifis) + " + (1 − " + N(c.zeta) + ")/" +
                          N(c.Ib) + ")",
                      I * 1e-4, "cm⁴", 1, 1e-4});
}

// Factor de flecha diferida con Ec,eff: la inercia se rehace con n = Es/Ec,eff.
void PasosDiferida(Traza& t, const CalculoFlecha& c, double phi, double lambda) {
    const double EcEff = ce::EcEff(c.Ec, phi);
    AnadirCalculo(t, {"E<sub>c,eff</sub>", "Módulo efectivo con la fluencia (7.20)", A19("7.4.3(5)"),
                      "E<sub>cm</sub>/(1 + φ(∞,t<sub>0</sub>))", N(c.Ec) + "/(1 + " + N(phi) + ")",
                      EcEff, "N/mm²", 1});
    CalculoFlecha largo = c;
    largo.nEq = Es / EcEff;
    AnadirCalculo(t, {"n<sub>∞</sub>", "Coeficiente de equivalencia a largo plazo", A19("7.4.3(6)"),
                      "E<sub>s</sub>/E<sub>c,eff</sub>", "200000/" + N(EcEff), largo.nEq, "", 4});
    double IInf = c.Ib;
    if (c.Fisurada) {
        const DatosFlecha& d = c.datos;
        largo.x = ProfundidadFisurada(largo.nEq, d.AreaA1 / d.b / c.d, d.AreaA2 / d.b / c.d, c.d,
                                      d.d2);
        largo.Ifis = Ifis(largo.nEq, d.AreaA1, d.AreaA2, c.d, d.d2, largo.x);
        IInf = InerciaEquivalente(c.zeta, c.Ib, largo.Ifis);
        PasosFisurada(t, largo, "<sub>∞</sub>");
        PasoInercia(t, largo, IInf, "<sub>∞</sub>");
    }
    AnadirCalculo(t, {"λ", "Factor de flecha diferida", A19("7.4.3(5)"),
                      "E<sub>cm</sub>·I/(E<sub>c,eff</sub>·I<sub>∞</sub>) − 1",
                      N(c.Ec) + "·" + N(c.Ie) + "/(" + N(EcEff) + "·" + N(IInf) + ") − 1", lambda,
                      "", 6});
}

} // namespace

Traza TrazaFlechasCE(const CalculoFlecha& c, double fck, double phi, double lambda) {
    Traza t;
    const DatosFlecha& d = c.datos;
    AnadirCalculo(t, {"E<sub>cm</sub>", "Módulo de elasticidad secante", A19("tabla 3.1"),
                      "22000·((f<sub>ck</sub> + 8)/10)<sup>0.3</sup>",
                      "22000·" + N(std::pow((fck + 8.0) / 10.0, 0.3)), c.Ec, "N/mm²", 1});
    AnadirCalculo(t, {"n", "Coeficiente de equivalencia", A19("3.2.7(4)"),
                      "E<sub>s</sub>/E<sub>cm</sub>", "200000/" + N(c.Ec), c.nEq, "", 4});
    AnadirCalculo(t, {"I<sub>I</sub>", "Inercia de la sección sin fisurar (bruta)",
                      A19("7.4.3(3)"), "b·h³/12", N(d.b) + "·" + N(d.h) + "³/12", c.Ib * 1e-4,
                      "cm⁴", 1, 1e-4});
    AnadirCalculo(t, {"f<sub>ctm</sub>", "Resistencia media a tracción", A19("tabla 3.1"),
                      fck <= 50.0 ? "0.30·f<sub>ck</sub><sup>2/3</sup>"
                                  : "2.12·ln(1 + f<sub>cm</sub>/10)",
                      N(c.fctm), c.fctm, "N/mm²", 3});
    AnadirCalculo(t, {"M<sub>cr</sub>", "Momento de fisuración con f<sub>ctm</sub>",
                      A19("7.4.3(4)"), "f<sub>ctm</sub>·2·I<sub>I</sub>/h",
                      N(c.fctm) + "·2·" + N(c.Ib) + "/" + N(d.h), c.Mf * 1e-6, "kN·m", 2, 1e-6});
    if (!c.Fisurada) {
        t.Nota("M<sub>a</sub> ≤ M<sub>cr</sub>: la sección no fisura, ζ = 0 e I = I<sub>I</sub>.",
               A19("7.4.3(3)"));
    } else {
        t.Nota("M<sub>a</sub> > M<sub>cr</sub>: la sección fisura; β = " +
                   NumeroLegible(c.beta) + " por la duración de la carga.",
               A19("7.4.3(3)"));
        AnadirCalculo(t, {"ζ", "Coeficiente de distribución (7.19)", A19("7.4.3(3)"),
                          "1 − β·(M<sub>cr</sub>/M<sub>a</sub>)²",
                          "1 − " + N(c.beta) + "·(" + N(c.Mf) + "/" + N(d.Ma) + ")²", c.zeta, "",
                          4});
        PasosFisurada(t, c, "");
        PasoInercia(t, c, c.Ie, "");
    }
    PasosDiferida(t, c, phi, lambda);
    return t;
}

} // namespace velmora::ce
