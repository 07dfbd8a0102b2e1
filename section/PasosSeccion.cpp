#include "section/PasosSeccion.h"

#include "common/Numeros.h"
#include "materiales/LeyesMateriales.h"
#include "materiales/LeyesSeccion.h"
#include "materiales/ehe98/Leyes.h"
#include "section/Resultados.h"

namespace velmora::pasos {

namespace {
const std::string C = "\u00B7"; // producto en las fórmulas
} // namespace

std::string kN(double N) {
    return Formatear(N * 0.001, 0, 2) + " kN";
}
std::string kNm(double Nmm) {
    return Formatear(Nmm * 1e-6, 0, 2) + " kN·m";
}
std::string cm2(double mm2) {
    return Formatear(mm2 * 0.01, 0, 3) + " cm²";
}

namespace {

// εc por el pivote que rige con la fibra neutra en x (art. 42.1.3).
void PasoDeformacionHormigon(Traza& t, const EstadoDiseno& e, double x) {
    const double pivote = e.d * 7.0 / 27.0;
    if (x <= pivote)
        t.Calculo("ε<sub>c</sub>", "Deformación del hormigón (pivote en la armadura, 10 ‰)",
                  "42.1.3", "0.01" + C + "x/(d − x)",
                  "0.01" + C + Cifras(x) + "/(" + Cifras(e.d) + " − " + Cifras(x) + ")", 1000.0,
                  e.epsC * 1000.0, "‰", 4);
    else if (x <= e.h)
        t.Calculo("ε<sub>c</sub>", "Deformación del hormigón (pivote en el hormigón)", "42.1.3",
                  "ε<sub>cu</sub>", Cifras(ehe98::EpsilonCU), 1000.0, ehe98::EpsilonCU * 1000.0,
                  "‰", 4);
    else
        t.Calculo("ε<sub>c</sub>", "Deformación del hormigón (pivote a 3h/7)", "42.1.3",
                  Cifras(ehe98::EpsilonC0) + C + "x/(x − 3" + C + "h/7)",
                  Cifras(ehe98::EpsilonC0) + C + Cifras(x) + "/(" + Cifras(x) + " − 3" + C +
                      Cifras(e.h) + "/7)",
                  1000.0, e.epsC * 1000.0, "‰", 4);
}

} // namespace

void PasosBloque(Traza& t, const EstadoDiseno& e, double x) {
    PasoDeformacionHormigon(t, e, x);
    const bool simple = (e.SeccionRectangular || x <= e.hf) && x <= e.h;
    if (!simple) {
        t.Calculo("C<sub>c</sub>",
                  "Resultante del bloque parábola-rectángulo sobre la zona comprimida", "39.5",
                  "∫ σ<sub>c</sub>(ε)" + C + "b(y)" + C + "dy", Cifras(e.Cc), 0.001, e.Cc * 0.001,
                  "kN", 2);
        t.Calculo("y<sub>c</sub>", "Profundidad de la resultante", "39.5",
                  "∫ σ<sub>c</sub>" + C + "b" + C + "y" + C + "dy / C<sub>c</sub>", Cifras(e.yc),
                  1.0, e.yc, "mm", 2);
        return;
    }
    // ψ y λ del bloque rectangular para la εc del bloque (en ‰), sólo para escribirlos.
    const double ep = e.epsC * 1000.0;
    const std::string s = Cifras(ep);
    double psi, lambda;
    std::string fPsi, sPsi, fLambda, sLambda;
    if (ep <= 2.0) {
        psi = ehe98::Cansancio * (ep / 2.0 - ep * ep / 12.0);
        lambda = (8.0 - ep) / (4.0 * (6.0 - ep));
        fPsi = Cifras(ehe98::Cansancio) + C + "(ε<sub>c</sub>/2 − ε<sub>c</sub>²/12)";
        sPsi = Cifras(ehe98::Cansancio) + C + "(" + s + "/2 − " + s + "²/12)";
        fLambda = "(8 − ε<sub>c</sub>)/(4" + C + "(6 − ε<sub>c</sub>))";
        sLambda = "(8 − " + s + ")/(4" + C + "(6 − " + s + "))";
    } else {
        psi = ehe98::Cansancio * (1.0 - 2.0 / (3.0 * ep));
        lambda = (3.0 * ep * ep - 4.0 * ep + 2.0) / (2.0 * ep * (3.0 * ep - 2.0));
        fPsi = Cifras(ehe98::Cansancio) + C + "(1 − 2/(3" + C + "ε<sub>c</sub>))";
        sPsi = Cifras(ehe98::Cansancio) + C + "(1 − 2/(3" + C + s + "))";
        fLambda = "(3" + C + "ε<sub>c</sub>² − 4" + C + "ε<sub>c</sub> + 2)/(2" + C +
                  "ε<sub>c</sub>" + C + "(3" + C + "ε<sub>c</sub> − 2))";
        sLambda = "(3" + C + s + "² − 4" + C + s + " + 2)/(2" + C + s + C + "(3" + C + s + " − 2))";
    }
    t.Calculo("ψ",
              "Tensión media del bloque parábola-rectángulo / f<sub>cd</sub> (ε<sub>c</sub> en ‰)",
              "39.5", fPsi, sPsi, 1.0, psi, "", 5);
    t.Calculo("λ", "Profundidad relativa de la resultante, y<sub>c</sub>/x", "39.5", fLambda,
              sLambda, 1.0, lambda, "", 5);
    t.Calculo("C<sub>c</sub>", "Resultante de las compresiones del hormigón", "39.5",
              "ψ" + C + "f<sub>cd</sub>" + C + "b" + C + "x",
              Cifras(psi) + C + Cifras(e.fcd) + C + Cifras(e.b) + C + Cifras(x), 0.001,
              e.Cc * 0.001, "kN", 2);
    t.Calculo("y<sub>c</sub>", "Profundidad de la resultante", "39.5", "λ" + C + "x",
              Cifras(lambda) + C + Cifras(x), 1.0, e.yc, "mm", 2);
}

// Lineal hasta el límite; en la meseta la sustitución muestra el mínimo con sus dos números,
// para que dé el valor que se escribe. El límite es fyd, o fyc,d (art. 40.2) si la armadura
// comprimida se tomó con él.
void PasoTension(Traza& t, const std::string& cara, const EstadoDiseno& e, double eps,
                 double sigma) {
    const double Es = ModuloAcero(e);
    const bool fyc = e.fycd < e.fyd && sigma == e.fycd && Es * eps >= e.fycd;
    const double limite = fyc ? e.fycd : e.fyd;
    const std::string nombre = fyc ? "f<sub>yc,d</sub>" : "f<sub>yd</sub>";
    std::string f = "mín(E<sub>s</sub>" + C + "ε<sub>s" + cara + "</sub>; " + nombre + ")";
    std::string s = Cifras(sigma);
    if (e.ArmaduraPasiva)
        s = Es * eps < limite ? Cifras(Es) + C + Cifras(eps)
                              : "mín(" + Cifras(Es) + C + Cifras(eps) + "; " + Cifras(limite) + ")";
    t.Calculo("σ<sub>s" + cara + "</sub>", "Tensión de la armadura (diagrama de cálculo del acero)",
              fyc ? "40.2" : "38.4", f, s, 1.0, sigma, "N/mm²", 2);
}

void PasoDominio(Traza& t, const EstadoDiseno& e) {
    const auto l = LineasDominio(e.Dominio);
    if (!l[0].empty())
        t.Nota(l[0] + l[1].substr(2) + l[2].substr(2), "42.1.3");
}

void PasosMomento(Traza& t, const EstadoDiseno& e, const ArmaduraDada& a,
                  const MomentoResultado& m) {
    const double As1 = a.Traccionada ? a.As1Dada : 0.0, As2 = a.Comprimida ? a.As2Dada : 0.0;
    t.Nota("Con A<sub>s1</sub> = " + cm2(As1) + " y A<sub>s2</sub> = " + cm2(As2) +
               " se busca la profundidad x de la fibra neutra que equilibra las fuerzas, "
               "F<sub>s1</sub> − F<sub>s2</sub> = C<sub>c</sub>, en pasos de 0.01 mm.",
           "42.1");
    t.Calculo("x", "Profundidad de la fibra neutra hallada", "42.1.2",
              "F<sub>s1</sub>(x) − F<sub>s2</sub>(x) = C<sub>c</sub>(x)", Cifras(e.x), 1.0, e.x,
              "mm", 2);
    PasosBloque(t, e, e.x);
    PasoDominio(t, e);
    const double s1 = As1 > 0.0 ? m.Fs1 / As1 : e.fyd, s2 = As2 > 0.0 ? m.Fs2 / As2 : 0.0;
    if (As1 > 0.0) {
        // En el dominio 2 la armadura traccionada está en el pivote A (10 ‰), que el estado no
        // guarda.
        const double eps1 = e.Dominio == CodigoDominio(DominioDeformacion::Dos)
                                ? LeyesEHE98(e.fcd, e.fyd, e.fycd, ModuloAcero(e)).acero.epsMax
                                : e.epsS1;
        PasoTension(t, "1", e, eps1, s1);
        t.Calculo("F<sub>s1</sub>", "Fuerza de la armadura traccionada", "42.1.3",
                  "A<sub>s1</sub>" + C + "σ<sub>s1</sub>", Cifras(As1) + C + Cifras(s1), 0.001,
                  m.Fs1 * 0.001, "kN", 2);
    }
    if (As2 > 0.0) {
        PasoTension(t, "2", e, e.epsS2, s2);
        t.Calculo("F<sub>s2</sub>", "Fuerza de la armadura comprimida", "42.1.3",
                  "A<sub>s2</sub>" + C + "σ<sub>s2</sub>", Cifras(As2) + C + Cifras(s2), 0.001,
                  m.Fs2 * 0.001, "kN", 2);
    }
    PasoMomentoUltimo(t, "42.1", e, m);
}

void PasoMomentoUltimo(Traza& t, const std::string& articulo, const EstadoDiseno& e,
                       const MomentoResultado& m) {
    t.Calculo("M<sub>u</sub>", "Momento de agotamiento respecto de la mitad del canto", articulo,
              "F<sub>s1</sub>" + C + "(h/2 − d<sub>1</sub>) + F<sub>s2</sub>" + C +
                  "(h/2 − d<sub>2</sub>) + C<sub>c</sub>" + C + "(h/2 − y<sub>c</sub>)",
              Cifras(m.Fs1) + C + "(" + Cifras(e.h) + "/2 − " + Cifras(e.d1) + ") + " +
                  Cifras(m.Fs2) + C + "(" + Cifras(e.h) + "/2 − " + Cifras(e.d2) + ") + " +
                  Cifras(e.Cc) + C + "(" + Cifras(e.h) + "/2 − " + Cifras(e.yc) + ")",
              1e-6, m.Mu * 1e-6, "kN·m", 2);
}

} // namespace velmora::pasos
