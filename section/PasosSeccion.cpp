#include "section/PasosSeccion.h"

#include "common/Numeros.h"
#include "design/MaterialesDelEstado.h"
#include "materiales/LeyesSeccion.h"
#include "materiales/ehe98/Leyes.h"
#include "section/CuantiasMinimas.h"
#include "section/Resultados.h"

#include <cmath>

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
// comprimida se tomó con él. Una cara traccionada (eps < 0) llega a la meseta en −fyd.
void PasoTension(Traza& t, const std::string& cara, const EstadoDiseno& e, double eps,
                 double sigma) {
    const double Es = ModuloAcero(e);
    const bool fyc = e.fycd < e.fyd && sigma == e.fycd && Es * eps >= e.fycd;
    const double limite = fyc ? e.fycd : e.fyd;
    const std::string nombre = fyc ? "f<sub>yc,d</sub>" : "f<sub>yd</sub>";
    const std::string Ee = "E<sub>s</sub>" + C + "ε<sub>s" + cara + "</sub>";
    const bool traccion = e.ArmaduraPasiva && Es * eps <= -e.fyd;
    std::string f = traccion ? "máx(" + Ee + "; −f<sub>yd</sub>)" : "mín(" + Ee + "; " + nombre + ")";
    std::string s = Cifras(sigma);
    if (traccion)
        s = "máx(" + Cifras(Es) + C + Cifras(eps) + "; " + Cifras(-e.fyd) + ")";
    else if (e.ArmaduraPasiva)
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

namespace velmora::pasos {

namespace {

// Un área en cm² desde una fuerza y una resistencia (N, N/mm²): fyd (art. 38.4) o fyc,d
// (art. 40.2).
void Area(Traza& t, const std::string& simbolo, const std::string& U, double fuerza,
          const std::string& f, double resistencia, double area) {
    const char* articulo = f == "f<sub>yc,d</sub>" ? "40.2" : "38.4";
    t.Calculo(simbolo, "Área de la armadura", articulo, U + "/" + f,
              Cifras(fuerza) + "/" + Cifras(resistencia), 0.01, area * 0.01, "cm²", 3);
}

// Fibra neutra hallada por una búsqueda: la ecuación, la profundidad y el bloque.
void PasosFibraNeutra(Traza& t, const EstadoDiseno& e, const std::string& ecuacion) {
    t.Nota("Se busca la profundidad x de la fibra neutra que cumple " + ecuacion +
               " (en pasos de 0.01 mm desde la fibra superior).",
           "42.1.3");
    t.Calculo("x", "Profundidad de la fibra neutra hallada", "42.1.2", ecuacion, Cifras(e.x), 1.0,
              e.x, "mm", 2);
    PasosBloque(t, e, e.x);
}

// Mínimo de una cara comprimida: U ≥ 0.05·Nd.
void PasoCincoPorCiento(Traza& t, const std::string& U, double Nd) {
    t.Nota("La capacidad " + U + " no llega al 5 % del axil: se toma " + U + " = 0.05" + C +
               "N<sub>d</sub>.",
           "42.3.2");
    t.Calculo(U, "Capacidad mínima de la armadura", "42.3.2", "0.05" + C + "N<sub>d</sub>",
              "0.05" + C + Cifras(Nd), 0.001, 0.05 * Nd * 0.001, "kN", 3);
}

} // namespace

void PasosLimites(Traza& t, const EstadoDiseno& e) {
    const std::string limite = Cifras(ehe98::TensionLimite); // εcu·Es, N/mm²
    t.Calculo("d", "Canto útil", "42.1.1", "h − d<sub>1</sub>", Cifras(e.h) + " − " + Cifras(e.d1),
              1.0, e.d, "mm", 1);
    t.Calculo("ξ<sub>lim</sub>",
              "Profundidad relativa límite (ε<sub>c</sub> = 3.5 ‰, ε<sub>s1</sub> = "
              "f<sub>yd</sub>/E<sub>s</sub>, E<sub>s</sub> = 200000 N/mm²)",
              "42.1.3", "1/(1 + f<sub>yd</sub>/" + limite + ")",
              "1/(1 + " + Cifras(e.fyd) + "/" + limite + ")", 1.0, e.xiLim, "", 4);
    t.Calculo("x<sub>lim</sub>", "Profundidad límite de la fibra neutra", "42.1.3",
              "ξ<sub>lim</sub>" + C + "d", Cifras(e.xiLim) + C + Cifras(e.d), 0.1, e.xlim * 0.1,
              "cm", 2);
    if (e.SeccionRectangular) {
        // Los factores del bloque rectangular en xlim, escritos como números.
        const double ky = 99.0 / 68000.0 * 2000.0 / 7.0, kc = 289.0 / 120000.0 * 2000.0 / 7.0;
        t.Calculo("y<sub>lim</sub>", "Profundidad de la resultante del bloque en x<sub>lim</sub>",
                  "39.5", "0.416" + C + "x<sub>lim</sub>", Cifras(ky) + C + Cifras(e.xlim), 1.0,
                  e.yLim, "mm", 2);
        t.Calculo("C<sub>lim</sub>", "Resultante del bloque en x<sub>lim</sub>", "39.5",
                  "0.688" + C + "f<sub>cd</sub>" + C + "b" + C + "x<sub>lim</sub>",
                  Cifras(kc) + C + Cifras(e.fcd) + C + Cifras(e.b) + C + Cifras(e.xlim), 0.001,
                  e.Clim * 0.001, "kN", 2);
    } else {
        t.Nota("Bloque comprimido de la sección en T con la fibra neutra en x<sub>lim</sub>:",
               "39.5");
        PasosBloque(t, e, e.xlim);
    }
    t.Calculo("M<sub>lim</sub>", "Momento límite respecto de la armadura traccionada", "42.1.3",
              "C<sub>lim</sub>" + C + "(d − y<sub>lim</sub>)",
              Cifras(e.Clim) + C + "(" + Cifras(e.d) + " − " + Cifras(e.yLim) + ")", 1e-6,
              e.Mlim * 1e-6, "kN·m", 2);
}

void PasoCaso(Traza& t, const EstadoDiseno& e) {
    if (e.Nd > 0.0)
        t.Nota("N<sub>d</sub> = " + kN(e.Nd) + " y M<sub>d</sub> = " + kNm(e.Md) +
                   ": flexión compuesta" + (e.Simetrica ? " con armadura simétrica." : "."),
               "42.1");
    else
        t.Nota("N<sub>d</sub> = 0: flexión simple con M<sub>d</sub> = " + kNm(e.Md) + ".", "42.1");
}

void PasosExcentricidades(Traza& t, const EstadoDiseno& e, double e1, double e2, double eLimite,
                          double eCentrada) {
    const std::string h2 = Cifras(e.h) + "/2 − " + Cifras(e.d2);
    t.Calculo("e<sub>0</sub>", "Excentricidad del axil", "42.1.2", "M<sub>d</sub>/N<sub>d</sub>",
              Cifras(e.Md) + "/" + Cifras(e.Nd), 1.0, e.e0, "mm", 2);
    t.Calculo("e<sub>1</sub>", "Excentricidad respecto de A<sub>1</sub>", "42.1.2",
              "e<sub>0</sub> + (d − d<sub>1</sub>)/2",
              Cifras(e.e0) + " + (" + Cifras(e.d) + " − " + Cifras(e.d1) + ")/2", 1.0, e1, "mm",
              2);
    t.Calculo("e<sub>2</sub>", "Excentricidad respecto de A<sub>2</sub>", "42.1.2",
              "|e<sub>0</sub> − (h/2 − d<sub>2</sub>)|", Cifras(e2), 1.0, e2, "mm", 2);
    t.Calculo("e<sub>lím</sub>", "Excentricidad de la configuración límite", "42.1.3",
              "(h/2 − d<sub>2</sub>) − (y<sub>lim</sub> − d<sub>2</sub>)" + C +
                  "C<sub>lim</sub>/N<sub>d</sub>",
              "(" + h2 + ") − (" + Cifras(e.yLim) + " − " + Cifras(e.d2) + ")" + C +
                  Cifras(e.Clim) + "/" + Cifras(e.Nd),
              1.0, eLimite, "mm", 2);
    t.Calculo("e<sub>c</sub>", "Excentricidad de la compresión casi centrada", "42.1.3",
              "(h/2 − d<sub>2</sub>)" + C + "(1 − " + Cifras(ehe98::Cansancio) + C +
                  "f<sub>cd</sub>" + C + "b" + C + "h/N<sub>d</sub>)",
              "(" + h2 + ")" + C + "(1 − " + Cifras(ehe98::Cansancio) + C + Cifras(e.fcd) + C +
                  Cifras(e.b) + C + Cifras(e.h) + "/" + Cifras(e.Nd) + ")",
              1.0, eCentrada, "mm", 2);
}

void PasosGranExcentricidad(Traza& t, const EstadoDiseno& e, double e1, double M1) {
    t.Nota("e<sub>0</sub> ≥ e<sub>lím</sub>: gran excentricidad; momentos respecto de "
           "A<sub>1</sub>.",
           "42.1.3");
    t.Calculo("M<sub>1</sub>", "Momento del axil respecto de A<sub>1</sub>", "42.1.2",
              "N<sub>d</sub>" + C + "e<sub>1</sub>", Cifras(e.Nd) + C + Cifras(e1), 1e-6,
              M1 * 1e-6, "kN·m", 2);
}

namespace {

// M1 > Mlim: armadura de compresión con la fibra neutra en xlim.
void PasosArmaduraDeCompresion(Traza& t, const EstadoDiseno& c, double M1, double N,
                               const std::string& M) {
    t.Nota(M + " = " + kNm(M1) + " supera M<sub>lim</sub> = " + kNm(c.Mlim) +
               ": hace falta armadura de compresión y la fibra neutra se fija en x<sub>lim</sub>.",
           "42.1.3");
    t.Calculo("ε<sub>s2</sub>", "Deformación de la armadura comprimida", "42.1.3",
              Cifras(ehe98::EpsilonCU) + C + "(1 − (d<sub>2</sub>/d)/ξ<sub>lim</sub>)",
              Cifras(ehe98::EpsilonCU) + C + "(1 − (" + Cifras(c.d2) + "/" + Cifras(c.d) + ")/" +
                  Cifras(c.xiLim) + ")",
              1000.0, c.epsS2 * 1000.0, "‰", 4);
    PasoTension(t, "2", c, c.epsS2, c.sigmaS2);
    t.Calculo("A<sub>s2</sub>", "Armadura de compresión", "42.1.3",
              "(" + M + " − M<sub>lim</sub>)/((d − d<sub>2</sub>)" + C + "σ<sub>s2</sub>)",
              "(" + Cifras(M1) + " − " + Cifras(c.Mlim) + ")/((" + Cifras(c.d) + " − " +
                  Cifras(c.d2) + ")" + C + Cifras(c.sigmaS2) + ")",
              0.01, c.As2 * 0.01, "cm²", 3);
    t.Calculo("U<sub>2</sub>", "Capacidad de la armadura de compresión", "42.1.3",
              "A<sub>s2</sub>" + C + "f<sub>yd</sub>", Cifras(c.As2) + C + Cifras(c.fyd), 0.001,
              c.U2 * 0.001, "kN", 3);
    t.Calculo("U<sub>1</sub>", "Capacidad de la armadura de tracción", "42.1.3",
              "A<sub>s2</sub>" + C + "σ<sub>s2</sub> + C<sub>lim</sub> − N<sub>d</sub>",
              Cifras(c.As2) + C + Cifras(c.sigmaS2) + " + " + Cifras(c.Clim) + " − " + Cifras(N),
              0.001, c.U1 * 0.001, "kN", 3);
}

// M1 ≤ Mlim: la fibra neutra hallada, sin armadura de compresión.
void PasosSinArmaduraDeCompresion(Traza& t, const EstadoDiseno& c, double M1, double N,
                                  const std::string& M) {
    t.Nota(M + " = " + kNm(M1) + " no supera M<sub>lim</sub> = " + kNm(c.Mlim) +
               ": no hace falta armadura de compresión.",
           "42.1.3");
    PasosFibraNeutra(t, c, "C<sub>c</sub>(x)" + C + "(d − y<sub>c</sub>(x)) = " + M);
    t.Calculo("C<sub>c</sub>" + C + "(d − y<sub>c</sub>)",
              "Momento del bloque respecto de A<sub>1</sub>", "42.1.2",
              "C<sub>c</sub>" + C + "(d − y<sub>c</sub>)",
              Cifras(c.Cc) + C + "(" + Cifras(c.d) + " − " + Cifras(c.yc) + ")", 1e-6,
              c.Cc * (c.d - c.yc) * 1e-6, "kN·m", 2);
    t.Calculo("x<sub>2-3</sub>", "Frontera de los dominios 2 y 3", "42.1.3", "7" + C + "d/27",
              "7" + C + Cifras(c.d) + "/27", 1.0, c.d * 7.0 / 27.0, "mm", 2);
    t.Calculo("U<sub>1</sub>", "Capacidad de la armadura de tracción", "42.1.3",
              "C<sub>c</sub> − N<sub>d</sub>", Cifras(c.Cc) + " − " + Cifras(N), 0.001,
              c.U1 * 0.001, "kN", 3);
}

} // namespace

void PasosRespectoDeA1(Traza& t, const EstadoDiseno& e, double M1, double N, const std::string& M,
                       bool limite) {
    if (limite)
        PasosArmaduraDeCompresion(t, e, M1, N, M);
    else
        PasosSinArmaduraDeCompresion(t, e, M1, N, M);
    PasoDominio(t, e);
    Area(t, "A<sub>s1</sub>", "U<sub>1</sub>", e.U1, "f<sub>yd</sub>", e.fyd, e.As1);
}

void PasosMinimoMecanico(Traza& t, const EstadoDiseno& e, double antes, double despues,
                         bool aplicado) {
    const double umbral = 0.04 * e.fcd * e.b * e.h / e.fyd;
    t.Calculo("A<sub>s,mec</sub>", "Umbral de la cuantía mecánica mínima", "42.3.2",
              "0.04" + C + "f<sub>cd</sub>" + C + "b" + C + "h/f<sub>yd</sub>",
              "0.04" + C + Cifras(e.fcd) + C + Cifras(e.b) + C + Cifras(e.h) + "/" + Cifras(e.fyd),
              0.01, umbral * 0.01, "cm²", 3);
    if (!aplicado) {
        t.Nota("A<sub>s1</sub> = " + cm2(antes) +
                   " no es menor que el umbral: no rige la cuantía "
                   "mecánica mínima.",
               "42.3.2");
        return;
    }
    t.Nota("A<sub>s1</sub> = " + cm2(antes) +
               " es menor que el umbral: rige la cuantía mecánica "
               "mínima, que aumenta A<sub>s1</sub>.",
           "42.3.2");
    t.Calculo("A<sub>s1</sub>", "Armadura de tracción con la cuantía mecánica mínima", "42.3.2",
              "A<sub>s1</sub>" + C + "(1.5 − 12.5" + C + "A<sub>s1</sub>" + C +
                  "f<sub>yd</sub>/(b" + C + "h" + C + "f<sub>cd</sub>))",
              Cifras(antes) + C + "(1.5 − 12.5" + C + Cifras(antes) + C + Cifras(e.fyd) + "/(" +
                  Cifras(e.b) + C + Cifras(e.h) + C + Cifras(e.fcd) + "))",
              0.01, despues * 0.01, "cm²", 3);
}

void PasosCompresionMinima(Traza& t, const EstadoDiseno& e) {
    PasoCincoPorCiento(t, "U<sub>2</sub>", e.Nd);
    Area(t, "A<sub>s2</sub>", "U<sub>2</sub>", e.U2, "f<sub>yd</sub>", e.fyd, e.As2);
}

void PasosPequenaExcentricidad(Traza& t, const EstadoDiseno& e, double e2, double M2) {
    t.Nota(
        "e<sub>c</sub> ≤ e<sub>0</sub> < e<sub>lím</sub>: pequeña excentricidad; se toman momentos "
        "respecto de A<sub>2</sub> sin contar A<sub>1</sub>, que recibe la capacidad mínima.",
        "42.1.3");
    t.Calculo("M<sub>2</sub>", "Momento del axil respecto de A<sub>2</sub>", "42.1.2",
              "N<sub>d</sub>" + C + "e<sub>2</sub>", Cifras(e.Nd) + C + Cifras(e2), 1e-6,
              M2 * 1e-6, "kN·m", 2);
    PasosFibraNeutra(t, e,
                     "C<sub>c</sub>(x)" + C + "(y<sub>c</sub>(x) − d<sub>2</sub>) = M<sub>2</sub>");
}

void PasosArmadurasPequenaExcentricidad(Traza& t, const EstadoDiseno& c, double f,
                                        double equilibrio, bool elevada, double As1, bool minimo) {
    PasoDominio(t, c);
    t.Calculo("ε<sub>s2</sub>", "Deformación de la armadura comprimida", "42.1.3",
              "ε<sub>s2</sub>(x)", Cifras(c.epsS2), 1000.0, c.epsS2 * 1000.0, "‰", 4);
    PasoTension(t, "2", c, c.epsS2, c.sigmaS2);
    t.Calculo("A<sub>s2</sub>", "Armadura comprimida por equilibrio de fuerzas", "42.1.3",
              "(N<sub>d</sub> − C<sub>c</sub>)/σ<sub>s2</sub>",
              "(" + Cifras(c.Nd) + " − " + Cifras(c.Cc) + ")/" + Cifras(c.sigmaS2), 0.01,
              equilibrio * 0.01, "cm²", 3);
    const bool d5 = c.Dominio == CodigoDominio(DominioDeformacion::Cinco);
    const std::string nombre = d5 ? "f<sub>yc,d</sub>" : "f<sub>yd</sub>";
    if (elevada)
        PasoCincoPorCiento(t, "U<sub>2</sub>", c.Nd);
    else
        t.Calculo("U<sub>2</sub>", "Capacidad de la armadura A<sub>2</sub>", "42.1.3",
                  "A<sub>s2</sub>" + C + nombre, Cifras(c.As2) + C + Cifras(f), 0.001,
                  c.U2 * 0.001, "kN", 3);
    Area(t, "A<sub>s2</sub>", "U<sub>2</sub>", c.U2, nombre, f, c.As2);
    PasoCincoPorCiento(t, "U<sub>1</sub>", c.Nd);
    Area(t, "A<sub>s1</sub>", "U<sub>1</sub>", c.U1, nombre, f, As1);
    if (minimo)
        PasosMinimoMecanico(t, c, As1, c.As1, true);
}

void PasosCompresionCentrada(Traza& t, const EstadoDiseno& c, double e2, double bloque, double U1,
                             double U2, bool cinco1, bool cinco2) {
    t.Nota("e<sub>0</sub> < e<sub>c</sub>: compresión casi centrada; toda la sección se acorta un "
           "2 ‰ y "
           "el hormigón da " +
               Cifras(ehe98::Cansancio) + C + "f<sub>cd</sub>" + C + "b" + C + "h a media altura.",
           "42.1.3");
    t.Calculo("C<sub>c</sub>", "Resultante del hormigón", "39.5",
              Cifras(ehe98::Cansancio) + C + "f<sub>cd</sub>" + C + "b" + C + "h",
              Cifras(ehe98::Cansancio) + C + Cifras(c.fcd) + C + Cifras(c.b) + C + Cifras(c.h),
              0.001, bloque * 0.001, "kN", 2);
    t.Calculo("U<sub>1</sub>", "Capacidad de A<sub>1</sub> por momentos respecto de A<sub>2</sub>",
              "42.1.3",
              "(N<sub>d</sub>" + C + "e<sub>2</sub> − C<sub>c</sub>" + C +
                  "(h/2 − d<sub>2</sub>))/(d − d<sub>2</sub>)",
              "(" + Cifras(c.Nd) + C + Cifras(e2) + " − " + Cifras(bloque) + C + "(" +
                  Cifras(c.h) + "/2 − " + Cifras(c.d2) + "))/(" + Cifras(c.d) + " − " +
                  Cifras(c.d2) + ")",
              0.001, U1 * 0.001, "kN", 3);
    t.Calculo("U<sub>2</sub>", "Capacidad de A<sub>2</sub> por equilibrio de fuerzas", "42.1.3",
              "N<sub>d</sub> − C<sub>c</sub> − U<sub>1</sub>",
              Cifras(c.Nd) + " − " + Cifras(bloque) + " − " + Cifras(U1), 0.001, U2 * 0.001, "kN",
              3);
    if (cinco1)
        PasoCincoPorCiento(t, "U<sub>1</sub>", c.Nd);
    if (cinco2)
        PasoCincoPorCiento(t, "U<sub>2</sub>", c.Nd);
    Area(t, "A<sub>s1</sub>", "U<sub>1</sub>", c.U1, "f<sub>yc,d</sub>", c.fycd, c.As1);
    Area(t, "A<sub>s2</sub>", "U<sub>2</sub>", c.U2, "f<sub>yc,d</sub>", c.fycd, c.As2);
}

void PasosSimetrica(Traza& t, const EstadoDiseno& c, bool grande) {
    t.Nota(std::string(grande ? "e<sub>0</sub> ≥ e<sub>lím</sub>: gran excentricidad"
                              : "e<sub>0</sub> < e<sub>lím</sub>: pequeña excentricidad") +
               " con armadura simétrica (A<sub>s1</sub> = A<sub>s2</sub>).",
           "42.1.3");
    if (!ProfundidadFibraNeutra(c)) {
        t.Nota("No hay profundidad de la fibra neutra hasta 5" + C +
                   "h que equilibre la sección: "
                   "toda ella se acorta un 2 ‰ (x = +∞).",
               "42.1.3");
        return;
    }
    PasosFibraNeutra(t, c,
                     grande ? "C<sub>c</sub>(x) + A<sub>s</sub>(x)" + C +
                                  "(σ<sub>s2</sub> ∓ σ<sub>s1</sub>) = N<sub>d</sub>"
                            : "C<sub>c</sub>(x)" + C +
                                  "(y<sub>c</sub>(x) − d<sub>2</sub>) = N<sub>d</sub>" + C +
                                  "e<sub>2</sub>");
    PasoTension(t, "2", c, c.epsS2, c.sigmaS2);
}

void PasosCarasIguales(Traza& t, const EstadoDiseno& c, double U, bool cinco) {
    PasoDominio(t, c);
    t.Calculo("A<sub>s1</sub> = A<sub>s2</sub>", "Armadura de cada cara", "42.1.3",
              "A<sub>s</sub>", Cifras(c.As1), 0.01, c.As1 * 0.01, "cm²", 3);
    if (c.CuantiaMecanica)
        t.Nota("Rige un mínimo: la cuantía mecánica mínima de cada cara o el 5 % del axil.",
               "42.3.2");
    const bool d5 = c.Dominio == CodigoDominio(DominioDeformacion::Cinco);
    t.Calculo("U<sub>1</sub> = U<sub>2</sub>", "Capacidad de cada cara", "42.1.3",
              "A<sub>s</sub>" + C + (d5 ? "f<sub>yc,d</sub>" : "f<sub>yd</sub>"),
              Cifras(c.As1) + C + Cifras(d5 ? c.fycd : c.fyd), 0.001, U * 0.001, "kN", 3);
    if (cinco)
        PasoCincoPorCiento(t, "U<sub>1</sub> = U<sub>2</sub>", c.Nd);
}

namespace {

const char* NombresElemento[] = {"viga", "soporte", "placa", "muro (armadura horizontal)",
                                 "muro (armadura vertical)"};

// Cuantía geométrica mínima del tipo de elemento (art. 42.3.5): antes y después de aplicarla.
void PasosCuantiaGeometrica(Traza& t, const EstadoDiseno& a, const EstadoDiseno& f,
                            TipoDeElemento tipo, int acero) {
    const double rho = CuantiaGeometricaMinima(tipo, acero);
    const double Amin = rho * a.b * a.h;
    t.Calculo("A<sub>mín</sub>",
              std::string("Cuantía geométrica mínima de ") +
                  NombresElemento[IndiceElemento(tipo)] + " con acero " +
                  (acero == 1 ? "B 500 S" : "B 400 S") + " (ρ = " + Formatear(rho * 1000, 0, 1) +
                  " ‰)",
              "42.3.5", "ρ" + C + "b" + C + "h", Cifras(rho) + C + Cifras(a.b) + C + Cifras(a.h),
              0.01, Amin * 0.01, "cm²", 3);
    if (tipo == TipoDeElemento::Viga) {
        if (f.CuantiaGeometrica)
            t.Nota("A<sub>s1</sub> = " + cm2(a.As1) +
                       " es menor que A<sub>mín</sub>: rige la cuantía "
                       "geométrica mínima de la armadura de tracción, A<sub>s1</sub> = " +
                       cm2(f.As1) + ".",
                   "42.3.5");
        else
            t.Nota("A<sub>s1</sub> = " + cm2(a.As1) +
                       " no es menor que A<sub>mín</sub>: la cuantía "
                       "geométrica mínima de tracción no rige.",
                   "42.3.5");
        t.Calculo("A<sub>2,mín</sub>", "Armadura mínima de compresión de vigas", "42.3.5",
                  "0.3" + C + "ρ" + C + "b" + C + "h",
                  "0.3" + C + Cifras(rho) + C + Cifras(a.b) + C + Cifras(a.h), 0.01,
                  0.3 * Amin * 0.01, "cm²", 3);
        if (a.As2 < 0.3 * Amin)
            t.Nota("A<sub>s2</sub> = " + cm2(a.As2) + " es menor que 0.3" + C +
                       "A<sub>mín</sub>: rige la "
                       "armadura mínima de compresión de vigas, A<sub>s2</sub> = " +
                       cm2(f.As2) + ".",
                   "42.3.5");
        return;
    }
    if (f.CuantiaGeometrica)
        t.Nota("A<sub>s1</sub> + A<sub>s2</sub> = " + cm2(a.As1 + a.As2) +
                   " es menor que A<sub>mín</sub>: "
                   "rige la cuantía geométrica mínima total, repartida entre las caras: "
                   "A<sub>s1</sub> = " +
                   cm2(f.As1) + ", A<sub>s2</sub> = " + cm2(f.As2) + ".",
               "42.3.5");
    else
        t.Nota("A<sub>s1</sub> + A<sub>s2</sub> = " + cm2(a.As1 + a.As2) +
                   " no es menor que A<sub>mín</sub>: "
                   "la cuantía geométrica mínima no rige.",
               "42.3.5");
}

// Capacidades de las caras con las áreas que dejan los mínimos (art. 42.3): las del cuadro de
// resultados, que ya no son las de los pasos del dimensionamiento.
void PasosCapacidadesFinales(Traza& t, const EstadoDiseno& antes, const EstadoDiseno& f) {
    struct Cara {
        const char* n;
        bool cambia;
        double As, U;
    };
    const Cara caras[] = {
        {"1", f.CuantiaMecanica || f.CuantiaGeometrica || f.As1 != antes.As1, f.As1, f.U1},
        {"2", f.MinimaCompresion || f.As2 != antes.As2, f.As2, f.U2}};
    for (const Cara& c : caras) {
        if (!c.cambia || !(c.As > 0.0))
            continue;
        // En el dominio 5 las capacidades van con fyc,d; en los demás, con fyd. Una capacidad
        // que no es el área por una de las dos (el 5 % del axil) ya tiene su paso.
        const bool fyc = std::abs(c.U - c.As * f.fycd) < std::abs(c.U - c.As * f.fyd);
        if (std::abs(c.U - c.As * (fyc ? f.fycd : f.fyd)) > 1e-9 * c.U)
            continue;
        const std::string n = c.n;
        t.Calculo("U<sub>" + n + "</sub>", "Capacidad de la armadura con el área mínima", "42.3",
                  "A<sub>s" + n + "</sub>" + C + (fyc ? "f<sub>yc,d</sub>" : "f<sub>yd</sub>"),
                  Cifras(c.As) + C + Cifras(fyc ? f.fycd : f.fyd), 0.001, c.U * 0.001, "kN", 3);
    }
}

} // namespace

void PasosCuantiaMinima(Traza& t, const EstadoDiseno& antes, const EstadoDiseno& despues,
                        TipoDeElemento tipo, int acero) {
    PasosCuantiaGeometrica(t, antes, despues, tipo, acero);
    PasosCapacidadesFinales(t, antes, despues);
    t.Nota(RotularCuantia(despues, tipo).Cuantia,
           despues.CuantiaMecanica ? "42.3.2" : "42.3.5");
}

} // namespace velmora::pasos
