// Traza de las flechas para la memoria de cálculo: los mismos pasos y números que el cálculo.
#include "common/Numeros.h"
#include "deflection/Flechas.h"

#include <cmath>

namespace velmora {

namespace {

std::string N(double v) {
    return Cifras(v, 8);
}

// Profundidad de la fibra neutra, inercia fisurada e inercia equivalente.
void PasosFisurada(Traza& t, const CalculoFlecha& c) {
    const DatosFlecha& d = c.datos;
    const double rho1 = d.AreaA1 / d.b / c.d, rho2 = d.AreaA2 / d.b / c.d;
    const double k = 1.0 + rho2 / rho1;
    t.Calculo(PasoCalculo("x", "Profundidad de la fibra neutra de la sección fisurada", "50.2.2.2",
                      "n·ρ<sub>1</sub>·(1 + ρ<sub>2</sub>/ρ<sub>1</sub>)·(√(1 + 2·(1 + "
                      "ρ<sub>2</sub>·d<sub>2</sub>/(ρ<sub>1</sub>·d))/(n·ρ<sub>1</sub>·(1 + "
                      "ρ<sub>2</sub>/ρ<sub>1</sub>)²)) − 1)·d",
                      N(c.nEq) + "·" + N(rho1) + "·" + N(k) + "·(√(1 + 2·(1 + " + N(rho2) + "·" +
                          N(d.d2) + "/(" + N(rho1) + "·" + N(c.d) + "))/(" + N(c.nEq) + "·" +
                          N(rho1) + "·" + N(k) + "²)) - 1)·" + N(c.d),
                      c.x, "mm", 2));
    t.Calculo(PasoCalculo("I<sub>f</sub>", "Inercia de la sección fisurada", "50.2.2.2",
                      "n·A<sub>1</sub>·(d − x)·(d − x/3) + n·A<sub>2</sub>·(x − d<sub>2</sub>)·(x/3 − "
                      "d<sub>2</sub>)",
                      N(c.nEq) + "·" + N(d.AreaA1) + "·(" + N(c.d) + " - " + N(c.x) + ")·(" +
                          N(c.d) + " - " + N(c.x) + "/3) + " + N(c.nEq) + "·" + N(d.AreaA2) +
                          "·(" + N(c.x) + " - " + N(d.d2) + ")·(" + N(c.x) + "/3 - " + N(d.d2) +
                          ")",
                      c.Ifis * 0.0001, "cm⁴", 1, 0.0001));
    const double ie = std::pow(c.Mf / d.Ma, 3.0) * c.Ib + (1.0 - std::pow(c.Mf / d.Ma, 3.0)) * c.Ifis;
    t.Calculo(PasoCalculo("I<sub>e</sub>", "Inercia equivalente (Branson)", "50.2.2.2",
                      "(M<sub>f</sub>/M<sub>a</sub>)³·I<sub>b</sub> + (1 − "
                      "(M<sub>f</sub>/M<sub>a</sub>)³)·I<sub>f</sub>",
                      "(" + N(c.Mf) + "/" + N(d.Ma) + ")³·" + N(c.Ib) + " + (1 - (" + N(c.Mf) +
                          "/" + N(d.Ma) + ")³)·" + N(c.Ifis),
                      ie * 0.0001, "cm⁴", 1, 0.0001));
    if (ie > c.Ib)
        t.Nota("La inercia equivalente no pasa de la bruta: Ie = Ib.", "50.2.2.2");
}

} // namespace

Traza TrazaFlechas(const CalculoFlecha& c, double fck) {
    Traza t;
    const DatosFlecha& d = c.datos;
    const double raiz = std::cbrt(fck + 8.0);
    t.Calculo(PasoCalculo("E<sub>c</sub>", "Módulo de deformación longitudinal del hormigón", "39.6",
                      "8500·(f<sub>ck</sub> + 8)<sup>1/3</sup>", "8500·" + N(raiz), c.Ec, "N/mm²",
                      1));
    t.Calculo(PasoCalculo("n", "Coeficiente de equivalencia", "50.2.2.2", "E<sub>s</sub>/E<sub>c</sub>",
                      "200000/" + N(c.Ec), c.nEq, "", 4));
    t.Calculo(PasoCalculo("I<sub>b</sub>", "Inercia de la sección bruta", "50.2.2.2", "b·h³/12",
                      N(d.b) + "·" + N(d.h) + "³/12", c.Ib * 0.0001, "cm⁴", 1, 0.0001));
    const double potencia = std::pow(fck, 2.0 / 3.0);
    t.Calculo(PasoCalculo("M<sub>f</sub>", "Momento de fisuración", "50.2.2.2",
                      "0.37·f<sub>ck</sub><sup>2/3</sup>·2·I<sub>b</sub>/h",
                      "0.37·" + N(potencia) + "·2·" + N(c.Ib) + "/" + N(d.h), c.Mf * 1e-6, "kN·m",
                      2, 1e-6));
    if (c.Fisurada) {
        t.Nota("Ma > Mf: la sección fisura.", "50.2.2.2");
        PasosFisurada(t, c);
    } else {
        t.Nota("Ma ≤ Mf: la sección no fisura y la inercia equivalente es la bruta.", "50.2.2.2");
    }
    return t;
}

} // namespace velmora
