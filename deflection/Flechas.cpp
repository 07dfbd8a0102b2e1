#include "deflection/Flechas.h"

#include "common/Numeros.h"
#include "deflection/DescripcionFlechas.h"
#include "deflection/ce/FlechasCE.h"
#include "norma/PasosNorma.h"

#include <cmath>

namespace velmora {

namespace {

using pasos::N;

// Branson sin el límite de la inercia bruta (art. 50.2.2.2).
double Branson(double Mf, double Ma, double Ib, double Ifis) {
    const double r = std::pow(Mf / Ma, 3.0);
    return r * Ib + (1.0 - r) * Ifis;
}

// Ec, n, Ib y Mf de la sección, con el fck del cálculo.
void PasosSeccion(Traza& t, const CalculoFlecha& c, double fck) {
    const DatosFlecha& d = c.datos;
    t.Calculo(PasoCalculo("E<sub>c</sub>", "Módulo de deformación longitudinal del hormigón", "39.6",
                      "8500·(f<sub>ck</sub> + 8)<sup>1/3</sup>", "8500·" + N(std::cbrt(fck + 8.0)),
                      c.Ec, "N/mm²", 1));
    t.Calculo(PasoCalculo("n", "Coeficiente de equivalencia", "50.2.2.2", "E<sub>s</sub>/E<sub>c</sub>",
                      "200000/" + N(c.Ec), c.nEq, "", 4));
    t.Calculo(PasoCalculo("I<sub>b</sub>", "Inercia de la sección bruta", "50.2.2.2", "b·h³/12",
                      N(d.b) + "·" + N(d.h) + "³/12", c.Ib * 0.0001, "cm⁴", 1, 0.0001));
    t.Calculo(PasoCalculo("M<sub>f</sub>", "Momento de fisuración", "50.2.2.2",
                      "0.37·f<sub>ck</sub><sup>2/3</sup>·2·I<sub>b</sub>/h",
                      "0.37·" + N(std::pow(fck, 2.0 / 3.0)) + "·2·" + N(c.Ib) + "/" + N(d.h),
                      c.Mf * 1e-6, "kN·m", 2, 1e-6));
}

// Profundidad de la fibra neutra, inercia fisurada e inercia equivalente `ie` antes del límite.
void PasosFisurada(Traza& t, const CalculoFlecha& c, double Ma, double A1, double A2, double rho1,
                   double rho2, double ie) {
    const double d2 = c.datos.d2;
    const double k = 1.0 + rho2 / rho1;
    t.Calculo(PasoCalculo("x", "Profundidad de la fibra neutra de la sección fisurada", "50.2.2.2",
                      "n·ρ<sub>1</sub>·(1 + ρ<sub>2</sub>/ρ<sub>1</sub>)·(√(1 + 2·(1 + "
                      "ρ<sub>2</sub>·d<sub>2</sub>/(ρ<sub>1</sub>·d))/(n·ρ<sub>1</sub>·(1 + "
                      "ρ<sub>2</sub>/ρ<sub>1</sub>)²)) − 1)·d",
                      N(c.nEq) + "·" + N(rho1) + "·" + N(k) + "·(√(1 + 2·(1 + " + N(rho2) + "·" +
                          N(d2) + "/(" + N(rho1) + "·" + N(c.d) + "))/(" + N(c.nEq) + "·" +
                          N(rho1) + "·" + N(k) + "²)) - 1)·" + N(c.d),
                      c.x, "mm", 2));
    t.Calculo(PasoCalculo("I<sub>f</sub>", "Inercia de la sección fisurada", "50.2.2.2",
                      "n·A<sub>1</sub>·(d − x)·(d − x/3) + n·A<sub>2</sub>·(x − d<sub>2</sub>)·(x/3 − "
                      "d<sub>2</sub>)",
                      N(c.nEq) + "·" + N(A1) + "·(" + N(c.d) + " - " + N(c.x) + ")·(" + N(c.d) +
                          " - " + N(c.x) + "/3) + " + N(c.nEq) + "·" + N(A2) + "·(" + N(c.x) +
                          " - " + N(d2) + ")·(" + N(c.x) + "/3 - " + N(d2) + ")",
                      c.Ifis * 0.0001, "cm⁴", 1, 0.0001));
    t.Calculo(PasoCalculo("I<sub>e</sub>", "Inercia equivalente (Branson)", "50.2.2.2",
                      "(M<sub>f</sub>/M<sub>a</sub>)³·I<sub>b</sub> + (1 − "
                      "(M<sub>f</sub>/M<sub>a</sub>)³)·I<sub>f</sub>",
                      "(" + N(c.Mf) + "/" + N(Ma) + ")³·" + N(c.Ib) + " + (1 - (" + N(c.Mf) + "/" +
                          N(Ma) + ")³)·" + N(c.Ifis),
                      ie * 0.0001, "cm⁴", 1, 0.0001));
    if (ie > c.Ib)
        t.Nota("La inercia equivalente no pasa de la bruta: Ie = Ib.", "50.2.2.2");
}

} // namespace

double Ec(double fck) {
    return 8500.0 * std::cbrt(fck + 8.0);
}

double Ib(double b, double h) {
    return b * h * h * h * (1.0 / 12.0);
}

double Mf(double fck, double Ib, double h) {
    return 0.37 * std::pow(fck, 2.0 / 3.0) * Ib * 2.0 / h;
}

double Neq(double Ec) {
    return 200000.0 / Ec;
}

double ProfundidadFisurada(double n, double rho1, double rho2, double d, double d2) {
    const double k = n * rho1 * (1.0 + rho2 / rho1);
    return k *
           (std::sqrt(1.0 + 2.0 * (1.0 + rho2 * d2 / (rho1 * d)) /
                                (n * rho1 * (1.0 + rho2 / rho1) * (1.0 + rho2 / rho1))) -
            1.0) *
           d;
}

double Ifis(double n, double A1, double A2, double d, double d2, double x) {
    return n * A1 * (d - x) * (d - x / 3.0) + n * A2 * (x - d2) * (x / 3.0 - d2);
}

double Ie(double Mf, double Ma, double Ib, double Ifis) {
    const double ie = Branson(Mf, Ma, Ib, Ifis);
    return ie > Ib ? Ib : ie;
}

double Lambda(double xi, double rho2) {
    return xi / (rho2 * 50.0 + 1.0);
}

Resultado<double> CalcularInerciaEquivalente(EstadoDiseno& e, CalculoFlecha& c, double Ma,
                                             double A1, double A2, Traza* traza) {
    c.Fisurada = Ma > c.Mf;
    if (!c.Fisurada) {
        if (traza)
            traza->Nota("Ma ≤ Mf: la sección no fisura y la inercia equivalente es la bruta.",
                        "50.2.2.2");
        return c.Ib;
    }
    if (A1 <= 0)
        return Resultado<double>::Error("La sección fisura (Ma > Mf): defina la armadura A1.",
                                        "ValorA1");
    if (traza)
        traza->Nota("Ma > Mf: la sección fisura.", "50.2.2.2");
    const double b = c.datos.b, d = c.d, d2 = c.datos.d2, n = c.nEq;
    const double rho1 = A1 / b / d, rho2 = A2 / b / d;
    c.x = ProfundidadFisurada(n, rho1, rho2, d, d2);
    FijarProfundidad(e, c.x);
    c.Ifis = Ifis(n, A1, A2, d, d2, c.x);
    const double ie = Branson(c.Mf, Ma, c.Ib, c.Ifis);
    if (traza)
        PasosFisurada(*traza, c, Ma, A1, A2, rho1, rho2, ie);
    return ie > c.Ib ? c.Ib : ie;
}

Estado ComprobarDatosFlecha(const DatosFlecha& datos) {
    if (datos.h <= 0)
        return Estado::Error("El canto h ha de ser mayor que 0.", "Valorh");
    if (datos.b <= 0)
        return Estado::Error("El ancho b ha de ser mayor que 0.", "Valorb");
    if (datos.d2 < 0)
        return Estado::Error("El recubrimiento d2 no puede ser negativo.", "Valord2");
    if (datos.d1 < 0)
        return Estado::Error("El recubrimiento d1 no puede ser negativo.", "Valord1");
    if (datos.h - datos.d1 <= 0)
        return Estado::Error("El canto útil d = h − d1 ha de ser mayor que 0: el recubrimiento "
                             "d1 ha de ser menor que el canto h.",
                             "Valord1");
    if (datos.AreaA1 < 0)
        return Estado::Error("La armadura A1 tiene un área negativa: defínala de nuevo.",
                             "ValorA1");
    if (datos.AreaA2 < 0)
        return Estado::Error("La armadura A2 tiene un área negativa: defínala de nuevo.",
                             "ValorA2");
    return Correcto();
}

void GuardarSeccion(EstadoDiseno& e, const CalculoFlecha& c) {
    if (c.Fisurada)
        FijarProfundidad(e, c.x);
    e.h = c.datos.h;
    e.b = c.datos.b;
    e.d2 = c.datos.d2;
    e.d1 = c.datos.d1;
    e.d = c.d;
}

Resultado<CalculoFlecha> CalcularFlecha(EstadoDiseno& e, const DatosFlecha& datos, Traza* traza) {
    if (e.fck <= 0)
        return ErrorCalculo{MensajeConfirmarParametros, {}};
    if (auto r = ComprobarDatosFlecha(datos); !r)
        return r.error();
    switch (e.norma) {
    case Norma::CodigoEstructural:
        return ce::CalcularFlechaCE(e, datos, traza);
    case Norma::EHE98:
        break;
    }

    CalculoFlecha c;
    c.datos = datos;
    c.d = datos.h - datos.d1;
    c.Ec = Ec(e.fck);
    c.nEq = Neq(c.Ec);
    c.Ib = Ib(datos.b, datos.h);
    c.Mf = Mf(e.fck, c.Ib, datos.h);
    if (traza)
        PasosSeccion(*traza, c, e.fck);

    EstadoDiseno copia = e; // x sólo se guarda si el cálculo sale bien
    const auto Ie =
        CalcularInerciaEquivalente(copia, c, datos.Ma, datos.AreaA1, datos.AreaA2, traza);
    if (!Ie)
        return Ie.error();
    c.Ie = *Ie;
    if (!InerciaMostrable(c.Ie) || !CabeEnRotulo(c.Ec, 10, 1) || !std::isfinite(copia.x))
        return ResultadoNoRepresentable("flechas");
    e.x = copia.x;
    e.SeccionTodaComprimida = copia.SeccionTodaComprimida;
    GuardarSeccion(e, c);
    return c;
}

Resultado<double> CalcularFactor(double AreaA2, double b, double d, int indice,
                                 std::string_view valor, double& xi) {
    static constexpr double Coeficientes[] = {0.5, 0.7, 1.0, 1.2, 1.4, 2.0};
    if (!(b > 0) || !(d > 0))
        return Resultado<double>::Error("Calcule primero la sección (b y d han de ser mayores "
                                        "que 0).");
    if (indice >= 0 && indice < 6) {
        xi = Coeficientes[indice];
    } else if (indice == 6) {
        const auto v = LeerCampoEnIntervalo({{std::string(CampoXi.control), std::string(valor)}},
                                            CampoXi);
        if (!v)
            return v.error();
        xi = *v;
    }
    return Lambda(xi, AreaA2 / b / d);
}

bool InerciaMostrable(double Ie) {
    return CabeEnRotulo(Ie * 0.0001, AnchoInercia, 1);
}

std::string TextoInercia(double Ie) {
    return Formatear(Ie * 0.0001, 10, 1);
}
std::string TextoModulo(double Ec) {
    return Formatear(Ec, 10, 1);
}
std::string TextoFactor(double lambda) {
    return Formatear(lambda, 10, 6);
}

} // namespace velmora
