#include "deflection/ce/FlechasCE.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "deflection/ce/Ecuaciones.h"
#include "materiales/ce/Hormigon.h"
#include "norma/Norma.h"

#include <cmath>

namespace velmora::ce {

namespace {

std::string A19(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

// Ecm, n, I_I, fctm y Mcr con el fck del cálculo.
void PasosSeccion(Traza& t, const CalculoFlecha& c, double fck) {
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
}

// Si la sección fisura y, si fisura, ζ (7.19).
void PasosFisuracion(Traza& t, const CalculoFlecha& c) {
    if (!c.Fisurada) {
        t.Nota("M<sub>a</sub> ≤ M<sub>cr</sub>: la sección no fisura, ζ = 0 e I = I<sub>I</sub>.",
               A19("7.4.3(3)"));
        return;
    }
    t.Nota("M<sub>a</sub> > M<sub>cr</sub>: la sección fisura; β = " + NumeroLegible(c.beta) +
               " por la duración de la carga.",
           A19("7.4.3(3)"));
    AnadirCalculo(t, {"ζ", "Coeficiente de distribución (7.19)", A19("7.4.3(3)"),
                      "1 − β·(M<sub>cr</sub>/M<sub>a</sub>)²",
                      "1 − " + N(c.beta) + "·(" + N(c.Mf) + "/" + N(c.datos.Ma) + ")²", c.zeta, "",
                      4});
}

// x e I_II de la sección fisurada homogeneizada con `n`, y la inercia interpolada I.
void PasosFisurada(Traza& t, const CalculoFlecha& c, double n, double rho1, double rho2, double I,
                   const char* sufijo) {
    const DatosFlecha& d = c.datos;
    const double k = 1.0 + rho2 / rho1;
    const std::string textoN = N(n);
    AnadirCalculo(t, {std::string("x") + sufijo, "Profundidad de la fibra neutra fisurada",
                      A19("7.4.3(3)"),
                      "n·ρ<sub>1</sub>·(1 + ρ<sub>2</sub>/ρ<sub>1</sub>)·(√(1 + 2·(1 + "
                      "ρ<sub>2</sub>·d<sub>2</sub>/(ρ<sub>1</sub>·d))/(n·ρ<sub>1</sub>·(1 + "
                      "ρ<sub>2</sub>/ρ<sub>1</sub>)²)) − 1)·d",
                      textoN + "·" + N(rho1) + "·" + N(k) + "·(√(1 + 2·(1 + " + N(rho2) + "·" +
                          N(d.d2) + "/(" + N(rho1) + "·" + N(c.d) + "))/(" + textoN + "·" +
                          N(rho1) + "·" + N(k) + "²)) − 1)·" + N(c.d),
                      c.x, "mm", 2});
    AnadirCalculo(t, {std::string("I<sub>II</sub>") + sufijo, "Inercia de la sección fisurada",
                      A19("7.4.3(3)"),
                      "n·A<sub>1</sub>·(d − x)·(d − x/3) + n·A<sub>2</sub>·(x − d<sub>2</sub>)·(x/3 − "
                      "d<sub>2</sub>)",
                      textoN + "·" + N(d.AreaA1) + "·(" + N(c.d) + " − " + N(c.x) + ")·(" +
                          N(c.d) + " − " + N(c.x) + "/3) + " + textoN + "·" + N(d.AreaA2) + "·(" +
                          N(c.x) + " − " + N(d.d2) + ")·(" + N(c.x) + "/3 − " + N(d.d2) + ")",
                      c.Ifis * 1e-4, "cm⁴", 1, 1e-4});
    AnadirCalculo(t, {std::string("I") + sufijo, "Inercia equivalente de las curvaturas interpoladas",
                      A19("7.4.3(3)"), "1/(ζ/I<sub>II</sub> + (1 − ζ)/I<sub>I</sub>)",
                      "1/(" + N(c.zeta) + "/" + N(c.Ifis) + " + (1 − " + N(c.zeta) + ")/" +
                          N(c.Ib) + ")",
                      I * 1e-4, "cm⁴", 1, 1e-4});
}

// La inercia equivalente con el coeficiente de equivalencia n = Es/E: la bruta si no fisura; si
// fisura, (7.18) entre la bruta y la fisurada. Deja x e I_II en `c`; con `traza` anota x, I_II
// e I con el `sufijo` de sus símbolos.
double Interpolada(CalculoFlecha& c, double n, Traza* traza, const char* sufijo) {
    if (!c.Fisurada)
        return c.Ib;
    const DatosFlecha& d = c.datos;
    const double rho1 = d.AreaA1 / d.b / c.d, rho2 = d.AreaA2 / d.b / c.d;
    c.x = ProfundidadFisurada(n, rho1, rho2, c.d, d.d2);
    c.Ifis = Ifis(n, d.AreaA1, d.AreaA2, c.d, d.d2, c.x);
    const double I = InerciaEquivalente(c.zeta, c.Ib, c.Ifis);
    if (traza)
        PasosFisurada(*traza, c, n, rho1, rho2, I, sufijo);
    return I;
}

// Ec,eff y n∞ del factor de flecha diferida.
void PasosModuloEfectivo(Traza& t, const CalculoFlecha& c, double phi, double EcEff, double n) {
    AnadirCalculo(t, {"E<sub>c,eff</sub>", "Módulo efectivo con la fluencia (7.20)", A19("7.4.3(5)"),
                      "E<sub>cm</sub>/(1 + φ(∞,t<sub>0</sub>))", N(c.Ec) + "/(1 + " + N(phi) + ")",
                      EcEff, "N/mm²", 1});
    AnadirCalculo(t, {"n<sub>∞</sub>", "Coeficiente de equivalencia a largo plazo", A19("7.4.3(6)"),
                      "E<sub>s</sub>/E<sub>c,eff</sub>", "200000/" + N(EcEff), n, "", 4});
}

} // namespace

Resultado<DuracionCarga> LeerDuracionCarga(int indice) {
    if (indice < 0 || indice >= static_cast<int>(OpcionesDuracionCargaCE.size()))
        return Resultado<DuracionCarga>::Error(
            "Elija la duración de la carga (0 o 1; valor recibido: " + std::to_string(indice) +
                ").",
            std::string(EleccionDuracionCargaCE.control));
    return static_cast<DuracionCarga>(indice);
}

Resultado<CalculoFlecha> CalcularFlechaCE(EstadoDiseno& e, const DatosFlecha& datos,
                                          Traza* traza) {
    CalculoFlecha c;
    c.norma = Norma::CodigoEstructural;
    c.datos = datos;
    c.d = datos.h - datos.d1;
    c.Ec = Ecm(e.fck);
    c.nEq = Es / c.Ec;
    c.Ib = Ib(datos.b, datos.h);
    c.fctm = fctm(e.fck);
    c.Mf = Mcr(c.fctm, c.Ib, datos.h);
    if (traza)
        PasosSeccion(*traza, c, e.fck);
    c.Fisurada = datos.Ma > c.Mf;
    if (c.Fisurada && datos.AreaA1 <= 0)
        return Resultado<CalculoFlecha>::Error(
            "La sección fisura (Ma > Mcr): defina la armadura A1.", "ValorA1");
    c.beta = Beta(datos.Duracion);
    c.zeta = Zeta(c.beta, c.Mf, datos.Ma);
    if (traza)
        PasosFisuracion(*traza, c);
    c.Ie = Interpolada(c, c.nEq, traza, "");
    if (!InerciaMostrable(c.Ie) || !CabeEnRotulo(c.Ec, 10, 1) || !std::isfinite(c.x))
        return ResultadoNoRepresentable("flechas");
    GuardarSeccion(e, c);
    return c;
}

Resultado<FactorDiferidoCE> CalcularFactorCE(const CalculoFlecha& c, std::string_view textoPhi,
                                             Traza* traza) {
    const auto phi =
        LeerCampoEnIntervalo({{std::string(CampoPhi.control), std::string(textoPhi)}}, CampoPhi);
    if (!phi)
        return phi.error();
    FactorDiferidoCE f;
    f.phi = *phi;
    f.EcEff = EcEff(c.Ec, f.phi);
    const double nInf = Es / f.EcEff;
    if (traza)
        PasosModuloEfectivo(*traza, c, f.phi, f.EcEff, nInf);
    CalculoFlecha largo = c;
    const double IInf = Interpolada(largo, nInf, traza, "<sub>∞</sub>");
    f.lambda = FactorDiferido(c.Ec, c.Ie, f.EcEff, IInf);
    if (traza)
        AnadirCalculo(*traza, {"λ", "Factor de flecha diferida", A19("7.4.3(5)"),
                               "E<sub>cm</sub>·I/(E<sub>c,eff</sub>·I<sub>∞</sub>) − 1",
                               N(c.Ec) + "·" + N(c.Ie) + "/(" + N(f.EcEff) + "·" + N(IInf) + ") − 1",
                               f.lambda, "", 6});
    if (!CabeEnRotulo(f.lambda, 10, 6))
        return ResultadoNoRepresentable("flechas");
    return f;
}

std::string TextoZeta(const CalculoFlecha& c) {
    return "ζ = " + Formatear(c.zeta, 0, 3) + (c.Fisurada ? "" : " (sin fisurar)");
}

} // namespace velmora::ce
