#include "section/ce/PasosSeccion.h"

#include "common/Numeros.h"
#include "norma/Norma.h"
#include "norma/ce/Cuantias.h"
#include "section/DimensionarSeccion.h"
#include "section/PasosSeccion.h"
#include "section/Resultados.h"
#include "section/ce/CuantiasMinimas.h"

#include <cmath>
#include <tuple>

namespace velmora::ce::pasos {

namespace {

const std::string C = "\u00B7";

std::string A19(const char* clausula) { return Cita(Norma::CodigoEstructural, clausula); }

std::string cm2(double mm2) { return Formatear(mm2 * 0.01, 0, 3) + " cm²"; }
std::string kNm(double Nmm) { return Formatear(Nmm * 1e-6, 0, 2) + " kN·m"; }

// Bloque comprimido `b` con la fibra neutra en x: en un rectángulo con x ≤ h, en forma cerrada
// con ψ = 1 − εc2/((n + 1)·εcu2) y λ = 1 − G/(εcu2·F); en otro caso, la integral sobre la
// sección.
void PasosBloque(Traza& t, const EstadoDiseno& e, const LeyesSeccion& l, double x,
                 const BloqueHormigon& b) {
    const LeyHormigon& h = l.hormigon;
    if (!(e.SeccionRectangular && x <= e.h && x > 0.0)) {
        t.Calculo("C<sub>c</sub>", "Resultante de la parábola-rectángulo sobre la zona comprimida",
                  A19("3.1.7"), "∫ σ<sub>c</sub>(ε)" + C + "b(y)" + C + "dy", Cifras(b.Cc), 0.001,
                  b.Cc * 0.001, "kN", 2);
        t.Calculo("y<sub>c</sub>", "Profundidad de la resultante", A19("3.1.7"),
                  "∫ σ<sub>c</sub>" + C + "b" + C + "y" + C + "dy / C<sub>c</sub>", Cifras(b.yc),
                  1.0, b.yc, "mm", 2);
        return;
    }
    const std::string c2 = Cifras(h.epsC2), cu = Cifras(h.epsCU2), n = Cifras(h.n);
    const double psi = 1.0 - h.epsC2 / ((h.n + 1.0) * h.epsCU2);
    const double F = h.epsCU2 - h.epsC2 / (h.n + 1.0);
    const double G = h.epsCU2 * h.epsCU2 / 2.0 -
                     h.epsC2 * h.epsC2 * (1.0 / (h.n + 1.0) - 1.0 / (h.n + 2.0));
    const double lambda = 1.0 - G / (h.epsCU2 * F);
    t.Calculo("ψ", "Tensión media del bloque / f<sub>cd</sub>", A19("3.1.7"),
              "1 − ε<sub>c2</sub>/((n + 1)" + C + "ε<sub>cu2</sub>)",
              "1 − " + c2 + "/((" + n + " + 1)" + C + cu + ")", 1.0, psi, "", 5);
    t.Calculo("λ", "Profundidad relativa de la resultante, y<sub>c</sub>/x", A19("3.1.7"),
              "1 − (ε<sub>cu2</sub>²/2 − ε<sub>c2</sub>²" + C + "(1/(n + 1) − 1/(n + 2)))/(" +
                  "ε<sub>cu2</sub>" + C + "(ε<sub>cu2</sub> − ε<sub>c2</sub>/(n + 1)))",
              "1 − (" + cu + "²/2 − " + c2 + "²" + C + "(1/(" + n + " + 1) − 1/(" + n +
                  " + 2)))/(" + cu + C + "(" + cu + " − " + c2 + "/(" + n + " + 1)))",
              1.0, lambda, "", 5);
    t.Calculo("C<sub>c</sub>", "Resultante de las compresiones del hormigón", A19("3.1.7"),
              "ψ" + C + "f<sub>cd</sub>" + C + "b" + C + "x",
              Cifras(psi) + C + Cifras(e.fcd) + C + Cifras(e.b) + C + Cifras(x), 0.001,
              b.Cc * 0.001, "kN", 2);
    t.Calculo("y<sub>c</sub>", "Profundidad de la resultante", A19("3.1.7"), "λ" + C + "x",
              Cifras(lambda) + C + Cifras(x), 1.0, b.yc, "mm", 2);
}

void PasoDominio(Traza& t, const EstadoDiseno& e) {
    const auto d = LineasDominio(e.Dominio);
    if (!d[0].empty())
        t.Nota(d[0] + d[1].substr(2) + d[2].substr(2), A19("6.1"));
}

// La fibra neutra hallada por el caso de cálculo, con el bloque que guardó en el estado.
void PasoFibraNeutra(Traza& t, const EstadoDiseno& e, const LeyesSeccion& l,
                     const std::string& ecuacion) {
    if (!ProfundidadFibraNeutra(e)) {
        t.Nota("Toda la sección con ε<sub>c2</sub> uniforme (x = +∞).", A19("6.1"));
        return;
    }
    t.Nota("Se halla la profundidad x de la fibra neutra que cumple " + ecuacion +
               " (bisección sobre x, con ε<sub>cu2</sub> arriba si x ≤ h y el pivote de "
               "ε<sub>c2</sub> a (1 − ε<sub>c2</sub>/ε<sub>cu2</sub>)" + C + "h si x > h).",
           A19("6.1"));
    t.Calculo("x", "Profundidad de la fibra neutra hallada", A19("6.1"), ecuacion, Cifras(e.x),
              1.0, e.x, "mm", 2);
    PasosBloque(t, e, l, e.x, BloqueHormigon{e.Cc, e.yc});
}

} // namespace

void PasosLeyes(Traza& t, const EstadoDiseno& e, const LeyesSeccion& l) {
    const LeyHormigon& h = l.hormigon;
    const bool alta = e.fck > 50.0;
    t.Calculo("ε<sub>c2</sub>", "Acortamiento al alcanzar la resistencia (tabla 3.1)", A19("3.1.7"),
              alta ? "2.0 + 0.085" + C + "(f<sub>ck</sub> − 50)<sup>0.53</sup>" : "2.0 ‰",
              Cifras(h.epsC2 * 1000.0), 1.0, h.epsC2 * 1000.0, "‰", 4);
    t.Calculo("ε<sub>cu2</sub>", "Acortamiento de rotura (tabla 3.1)", A19("3.1.7"),
              alta ? "2.6 + 35" + C + "((90 − f<sub>ck</sub>)/100)<sup>4</sup>" : "3.5 ‰",
              Cifras(h.epsCU2 * 1000.0), 1.0, h.epsCU2 * 1000.0, "‰", 4);
    t.Calculo("n", "Exponente de la parábola (tabla 3.1)", A19("3.1.7"),
              alta ? "1.4 + 23.4" + C + "((90 − f<sub>ck</sub>)/100)<sup>4</sup>" : "2",
              Cifras(h.n), 1.0, h.n, "", 4);
}

void PasosLimites(Traza& t, const EstadoDiseno& e, const LeyesSeccion& l,
                  const BloqueHormigon& b) {
    t.Calculo("d", "Canto útil", A19("6.1"), "h − d<sub>1</sub>",
              Cifras(e.h) + " − " + Cifras(e.d1), 1.0, e.d, "mm", 1);
    t.Calculo("ξ<sub>lim</sub>",
              "Profundidad relativa límite (ε<sub>cu2</sub> arriba y f<sub>yd</sub>/E<sub>s</sub> "
              "en la armadura)",
              A19("6.1"), "ε<sub>cu2</sub>/(ε<sub>cu2</sub> + f<sub>yd</sub>/E<sub>s</sub>)",
              Cifras(l.hormigon.epsCU2) + "/(" + Cifras(l.hormigon.epsCU2) + " + " +
                  Cifras(l.acero.fyd) + "/" + Cifras(l.acero.Es) + ")",
              1.0, e.xiLim, "", 4);
    t.Calculo("x<sub>lim</sub>", "Profundidad límite de la fibra neutra", A19("6.1"),
              "ξ<sub>lim</sub>" + C + "d", Cifras(e.xiLim) + C + Cifras(e.d), 0.1, e.xlim * 0.1,
              "cm", 2);
    t.Nota("Bloque comprimido con la fibra neutra en x<sub>lim</sub>:", A19("3.1.7"));
    PasosBloque(t, e, l, e.xlim, b);
    t.Calculo("M<sub>lim</sub>", "Momento límite respecto de la armadura traccionada", A19("6.1"),
              "C<sub>lim</sub>" + C + "(d − y<sub>lim</sub>)",
              Cifras(e.Clim) + C + "(" + Cifras(e.d) + " − " + Cifras(e.yLim) + ")", 1e-6,
              e.Mlim * 1e-6, "kN·m", 2);
}

void PasosCaso(Traza& t, const EstadoDiseno& e, double M1) {
    if (!(e.Nd > 0.0)) {
        t.Nota("Flexión simple con M<sub>d</sub> = M<sub>1</sub> = " + kNm(e.Md) + ".",
               A19("6.1"));
        return;
    }
    t.Nota("Flexión compuesta" + std::string(e.Simetrica ? " con armadura simétrica" : "") +
               ": N<sub>d</sub> = " + Formatear(e.Nd * 0.001, 0, 2) + " kN, M<sub>d</sub> = " +
               kNm(e.Md) + ".",
           A19("6.1"));
    t.Calculo("M<sub>1</sub>", "Momento respecto de A<sub>1</sub>", A19("6.1"),
              "M<sub>d</sub> + N<sub>d</sub>" + C + "(h/2 − d<sub>1</sub>)",
              Cifras(e.Md) + " + " + Cifras(e.Nd) + C + "(" + Cifras(e.h) + "/2 − " +
                  Cifras(e.d1) + ")",
              1e-6, M1 * 1e-6, "kN·m", 2);
}

void PasoMomentoA2(Traza& t, const EstadoDiseno& e, double M2) {
    t.Calculo("M<sub>2</sub>",
              "Momento respecto de A<sub>2</sub> (A<sub>1</sub> no hace falta a tracción)",
              A19("6.1"), "N<sub>d</sub>" + C + "(h/2 − d<sub>2</sub>) − M<sub>d</sub>",
              Cifras(e.Nd) + C + "(" + Cifras(e.h) + "/2 − " + Cifras(e.d2) + ") − " +
                  Cifras(e.Md),
              1e-6, M2 * 1e-6, "kN·m", 2);
}

void PasosArmaduras(Traza& t, const EstadoDiseno& c, const LeyesSeccion& l, double M1,
                    Rama rama) {
    if (rama == Rama::Limite) {
        t.Nota("El momento respecto de A<sub>1</sub>, " + kNm(M1) +
                   ", supera M<sub>lim</sub>: "
                   "armadura de compresión con la fibra neutra en x<sub>lim</sub>.",
               A19("6.1"));
        t.Calculo("ε<sub>s2</sub>", "Deformación de la armadura comprimida", A19("6.1"),
                  "ε<sub>cu2</sub>" + C + "(1 − d<sub>2</sub>/x<sub>lim</sub>)",
                  Cifras(l.hormigon.epsCU2) + C + "(1 − " + Cifras(c.d2) + "/" + Cifras(c.xlim) +
                      ")",
                  1000.0, c.epsS2 * 1000.0, "‰", 4);
        t.Calculo("A<sub>s2</sub>", "Armadura de compresión", A19("6.1"),
                  "(M<sub>1</sub> − M<sub>lim</sub>)/((d − d<sub>2</sub>)" + C + "σ<sub>s2</sub>)",
                  "(" + Cifras(M1) + " − " + Cifras(c.Mlim) + ")/((" + Cifras(c.d) + " − " +
                      Cifras(c.d2) + ")" + C + Cifras(c.sigmaS2) + ")",
                  0.01, c.As2 * 0.01, "cm²", 3);
    } else {
        PasoFibraNeutra(t, c, l,
                        rama == Rama::RespectoDeA1
                            ? "C<sub>c</sub>(x)" + C + "(d − y<sub>c</sub>(x)) = M<sub>1</sub>"
                            : "C<sub>c</sub>(x)" + C + "(y<sub>c</sub>(x) − d<sub>2</sub>) = M<sub>2</sub>");
    }
    PasoDominio(t, c);
    t.Calculo("A<sub>s1</sub>", "Armadura de la cara menos comprimida", A19("6.1"),
              "A<sub>s1</sub>", Cifras(c.As1), 0.01, c.As1 * 0.01, "cm²", 3);
    t.Calculo("A<sub>s2</sub>", "Armadura de la cara más comprimida", A19("6.1"),
              "A<sub>s2</sub>", Cifras(c.As2), 0.01, c.As2 * 0.01, "cm²", 3);
}

namespace {

// El mínimo del tipo de elemento, con la sección bruta de `c`.
void PasoAreaMinima(Traza& t, const EstadoDiseno& c, TipoDeElemento tipo, double fctmFl) {
    const SeccionBruta s = Bruta(c);
    if (tipo == TipoDeElemento::Viga || tipo == TipoDeElemento::Placa) {
        const char* cl = tipo == TipoDeElemento::Viga ? "9.2.1.1(1)" : "9.3.1.1(1)";
        t.Calculo("A<sub>s,min</sub>", "Armadura mínima de tracción, z = 0.8" + C + "h", A19(cl),
                  "(W/(0.8" + C + "h))" + C + "f<sub>ctm,fl</sub>/f<sub>yd</sub>",
                  "(" + Cifras(s.W) + "/(0.8" + C + Cifras(c.h) + "))" + C + Cifras(fctmFl) + "/" +
                      Cifras(c.fyd),
                  0.01, AsMinFlexion(s.W, c.h, fctmFl, c.fyd) * 0.01, "cm²", 3);
    } else if (tipo == TipoDeElemento::Soporte && c.Nd > 0.0) {
        t.Calculo("A<sub>s,min</sub>", "Armadura mínima de cada cara comprimida", A19("9.5.2(2)"),
                  "0.05" + C + "N<sub>d</sub>/f<sub>yc,d</sub>",
                  "0.05" + C + Cifras(c.Nd) + "/" + Cifras(std::fmin(c.fyd, 400.0)), 0.01,
                  AsMinCaraComprimida(c.Nd, c.fyd) * 0.01, "cm²", 3);
    } else if (tipo == TipoDeElemento::MuroVertical) {
        t.Calculo("A<sub>s,vmin</sub>", "Armadura vertical mínima (60 % en la cara traccionada)",
                  A19("9.6.2(1)"), Cifras(CuantiaVerticalMuro) + C + "A<sub>c</sub>",
                  Cifras(CuantiaVerticalMuro) + C + Cifras(s.Ac), 0.01,
                  AsMinMuroVertical(s.Ac) * 0.01, "cm²", 3);
    } else if (tipo == TipoDeElemento::MuroHorizontal) {
        const double rho = AsMinMuroHorizontal(1.0, c.fyk > 450.0 ? 1 : 0);
        t.Calculo("A<sub>s,hmin</sub>", "Armadura horizontal mínima", A19("9.6.3(1)"),
                  "ρ" + C + "A<sub>c</sub>", Cifras(rho) + C + Cifras(s.Ac), 0.01,
                  rho * s.Ac * 0.01, "cm²", 3);
    }
}

} // namespace

void PasosMinimo(Traza& t, const EstadoDiseno& f, TipoDeElemento tipo, double fctmFl) {
    PasoAreaMinima(t, f, tipo, fctmFl);
    const auto m = ce::RotularCuantia(f, tipo);
    t.Nota(m.Cuantia + " A<sub>s1</sub> = " + cm2(f.As1) + ", A<sub>s2</sub> = " + cm2(f.As2) +
           ".");
    if (!m.Recomendada.empty())
        t.Nota(m.Recomendada);
    // Capacidades del cuadro de resultados, con las áreas finales.
    for (const auto& [n, As, U] : {std::tuple{"1", f.As1, f.U1}, std::tuple{"2", f.As2, f.U2}})
        t.Calculo("U<sub>" + std::string(n) + "</sub>", "Capacidad mecánica de la armadura",
                  A19("6.1"), "A<sub>s" + std::string(n) + "</sub>" + C + "f<sub>yd</sub>",
                  Cifras(As) + C + Cifras(f.fyd), 0.001, U * 0.001, "kN", 3);
}

void PasosMomento(Traza& t, const EstadoDiseno& e, const ArmaduraDada& a,
                  const MomentoResultado& m, const LeyesSeccion& l) {
    const double As1 = a.Traccionada ? a.As1Dada : 0.0, As2 = a.Comprimida ? a.As2Dada : 0.0;
    t.Nota("Con A<sub>s1</sub> = " + cm2(As1) + " y A<sub>s2</sub> = " + cm2(As2) +
               " se busca la fibra neutra que equilibra las fuerzas, F<sub>s1</sub> − "
               "F<sub>s2</sub> = C<sub>c</sub> (rama horizontal del acero sin límite de "
               "alargamiento).",
           A19("6.1"));
    t.Calculo("x", "Profundidad de la fibra neutra hallada", A19("6.1"),
              "F<sub>s1</sub>(x) − F<sub>s2</sub>(x) = C<sub>c</sub>(x)", Cifras(e.x), 1.0, e.x,
              "mm", 2);
    PasosBloque(t, e, l, e.x, BloqueHormigon{e.Cc, e.yc});
    PasoDominio(t, e);
    velmora::pasos::PasoMomentoUltimo(t, A19("6.1"), e, m);
}

} // namespace velmora::ce::pasos
