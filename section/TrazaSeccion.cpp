#include "section/TrazaSeccion.h"
#include "materiales/ehe98/Leyes.h"

#include "materiales/LeyesSeccion.h"

#include "common/Numeros.h"
#include "materiales/BloqueComprimido.h"
#include "section/CasosDiseno.h"
#include "section/CuantiasMinimas.h"
#include "section/DimensionarSeccion.h"
#include "materiales/LeyesMateriales.h"
#include "section/Resultados.h"
#include "materiales/ce/Hormigon.h"
#include "materiales/LeyesSeccion.h"
#include "section/PasosSeccion.h"

#include <cmath>

namespace velmora {

namespace {

const std::string C = "\u00B7"; // producto en las fórmulas

using pasos::cm2;
using pasos::kN;
using pasos::kNm;
using pasos::PasoDominio;
using pasos::PasoTension;

// Un área en cm² desde una fuerza y una resistencia (N, N/mm²): fyd (art. 38.4) o fyc,d
// (art. 40.2).
void Area(Traza& t, const std::string& simbolo, const std::string& U, double fuerza,
          const std::string& f, double resistencia, double area) {
    const char* articulo = f == "f<sub>yc,d</sub>" ? "40.2" : "38.4";
    t.Calculo(simbolo, "Área de la armadura", articulo, U + "/" + f,
              Cifras(fuerza) + "/" + Cifras(resistencia), 0.01, area * 0.01, "cm²", 3);
}

// El bloque de compresiones con la fibra neutra en x, evaluado sobre una copia de los datos.
void PasosBloque(Traza& t, const EstadoDiseno& datos, double x) {
    EstadoDiseno e = datos;
    BloqueComprimido(e, x);
    pasos::PasosBloque(t, e, x);
}

void PasosLimites(Traza& t, const EstadoDiseno& e) {
    const std::string limite = Cifras(ehe98::TensionLimite); // εcu·Es, N/mm²
    t.Calculo("d", "Canto útil", "42.1.1", "h − d<sub>1</sub>", Cifras(e.h) + " − " + Cifras(e.d1), 1.0,
              e.d, "mm", 1);
    t.Calculo("ξ<sub>lim</sub>",
              "Profundidad relativa límite (ε<sub>c</sub> = 3.5 ‰, ε<sub>s1</sub> = "
              "f<sub>yd</sub>/E<sub>s</sub>, E<sub>s</sub> = 200000 N/mm²)",
              "42.1.3", "1/(1 + f<sub>yd</sub>/" + limite + ")",
              "1/(1 + " + Cifras(e.fyd) + "/" + limite + ")", 1.0, e.xiLim, "", 4);
    t.Calculo("x<sub>lim</sub>", "Profundidad límite de la fibra neutra", "42.1.3",
              "ξ<sub>lim</sub>" + C + "d", Cifras(e.xiLim) + C + Cifras(e.d), 0.1, e.xlim * 0.1,
              "cm", 2);
    if (e.SeccionRectangular) {
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

// Fibra neutra hallada por una búsqueda: la ecuación, la profundidad y el bloque.
void PasosFibraNeutra(Traza& t, const EstadoDiseno& e, const std::string& ecuacion) {
    t.Nota("Se busca la profundidad x de la fibra neutra que cumple " + ecuacion +
               " (en pasos de 0.01 mm desde la fibra superior).",
           "42.1.3");
    t.Calculo("x", "Profundidad de la fibra neutra hallada", "42.1.2", ecuacion, Cifras(e.x), 1.0, e.x,
              "mm", 2);
    PasosBloque(t, e, e.x);
}

// Mínimo mecánico de A1 (art. 42.3.2) sobre el área `antes`; `despues` es la que quedó.
void PasosMinimoMecanico(Traza& t, const EstadoDiseno& e, double antes, double despues) {
    const double umbral = 0.04 * e.fcd * e.b * e.h / e.fyd;
    t.Calculo("A<sub>s,mec</sub>", "Umbral de la cuantía mecánica mínima", "42.3.2",
              "0.04" + C + "f<sub>cd</sub>" + C + "b" + C + "h/f<sub>yd</sub>",
              "0.04" + C + Cifras(e.fcd) + C + Cifras(e.b) + C + Cifras(e.h) + "/" + Cifras(e.fyd),
              0.01, umbral * 0.01, "cm²", 3);
    if (!(antes < umbral)) {
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

// Momentos respecto de A1 con el axil N: flexión simple y gran excentricidad.
void PasosRespectoDeA1(Traza& t, const EstadoDiseno& c, double M1, double N, const std::string& M) {
    double U1;
    if (M1 > c.Mlim) {
        t.Nota(
            M + " = " + kNm(M1) + " supera M<sub>lim</sub> = " + kNm(c.Mlim) +
                ": hace falta armadura de compresión y la fibra neutra se fija en x<sub>lim</sub>.",
            "42.1.3");
        t.Calculo("ε<sub>s2</sub>", "Deformación de la armadura comprimida", "42.1.3",
                  Cifras(ehe98::EpsilonCU) + C + "(1 − (d<sub>2</sub>/d)/ξ<sub>lim</sub>)",
                  Cifras(ehe98::EpsilonCU) + C + "(1 − (" + Cifras(c.d2) + "/" + Cifras(c.d) +
                      ")/" + Cifras(c.xiLim) + ")",
                  1000.0, c.epsS2 * 1000.0, "‰", 4);
        PasoTension(t, "2", c, c.epsS2, c.sigmaS2);
        const double As2 = ((M1 - c.Mlim) / (c.d - c.d2)) / c.sigmaS2;
        t.Calculo("A<sub>s2</sub>", "Armadura de compresión", "42.1.3",
                  "(" + M + " − M<sub>lim</sub>)/((d − d<sub>2</sub>)" + C + "σ<sub>s2</sub>)",
                  "(" + Cifras(M1) + " − " + Cifras(c.Mlim) + ")/((" + Cifras(c.d) + " − " +
                      Cifras(c.d2) + ")" + C + Cifras(c.sigmaS2) + ")",
                  0.01, As2 * 0.01, "cm²", 3);
        U1 = As2 * c.sigmaS2 + c.Clim - N;
        t.Calculo("U<sub>1</sub>", "Capacidad de la armadura de tracción", "42.1.3",
                  "A<sub>s2</sub>" + C + "σ<sub>s2</sub> + C<sub>lim</sub> − N<sub>d</sub>",
                  Cifras(As2) + C + Cifras(c.sigmaS2) + " + " + Cifras(c.Clim) + " − " + Cifras(N),
                  0.001, U1 * 0.001, "kN", 3);
    } else {
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
        U1 = c.Cc - N;
        t.Calculo("U<sub>1</sub>", "Capacidad de la armadura de tracción", "42.1.3",
                  "C<sub>c</sub> − N<sub>d</sub>", Cifras(c.Cc) + " − " + Cifras(N), 0.001,
                  U1 * 0.001, "kN", 3);
    }
    PasoDominio(t, c);
    const double As1 = U1 / c.fyd;
    Area(t, "A<sub>s1</sub>", "U<sub>1</sub>", U1, "f<sub>yd</sub>", c.fyd, As1);
    PasosMinimoMecanico(t, c, As1, c.CuantiaMecanica ? c.As1 : As1);
}

struct Excentricidad {
    double e1, e2, eLimite, eCentrada;
};

Excentricidad PasosExcentricidades(Traza& t, const EstadoDiseno& e) {
    Excentricidad r{};
    r.e1 = e.e0 + (e.d - e.d1) / 2.0;
    r.e2 = std::fabs(e.e0 - (e.h / 2.0 - e.d2));
    r.eLimite = (e.h / 2.0 - e.d2) - (e.yLim - e.d2) * e.Clim / e.Nd;
    r.eCentrada = (e.h / 2.0 - e.d2) * (1.0 - ehe98::Cansancio * e.fcd * e.b * e.h / e.Nd);
    const std::string h2 = Cifras(e.h) + "/2 − " + Cifras(e.d2);
    t.Calculo("e<sub>0</sub>", "Excentricidad del axil", "42.1.2", "M<sub>d</sub>/N<sub>d</sub>",
              Cifras(e.Md) + "/" + Cifras(e.Nd), 1.0, e.e0, "mm", 2);
    t.Calculo("e<sub>1</sub>", "Excentricidad respecto de A<sub>1</sub>", "42.1.2",
              "e<sub>0</sub> + (d − d<sub>1</sub>)/2",
              Cifras(e.e0) + " + (" + Cifras(e.d) + " − " + Cifras(e.d1) + ")/2", 1.0, r.e1, "mm",
              2);
    t.Calculo("e<sub>2</sub>", "Excentricidad respecto de A<sub>2</sub>", "42.1.2",
              "|e<sub>0</sub> − (h/2 − d<sub>2</sub>)|",
              Cifras(std::fabs(e.e0 - (e.h / 2.0 - e.d2))), 1.0, r.e2, "mm", 2);
    t.Calculo("e<sub>lím</sub>", "Excentricidad de la configuración límite", "42.1.3",
              "(h/2 − d<sub>2</sub>) − (y<sub>lim</sub> − d<sub>2</sub>)" + C +
                  "C<sub>lim</sub>/N<sub>d</sub>",
              "(" + h2 + ") − (" + Cifras(e.yLim) + " − " + Cifras(e.d2) + ")" + C +
                  Cifras(e.Clim) + "/" + Cifras(e.Nd),
              1.0, r.eLimite, "mm", 2);
    t.Calculo("e<sub>c</sub>", "Excentricidad de la compresión casi centrada", "42.1.3",
              "(h/2 − d<sub>2</sub>)" + C + "(1 − " + Cifras(ehe98::Cansancio) + C +
                  "f<sub>cd</sub>" + C + "b" + C + "h/N<sub>d</sub>)",
              "(" + h2 + ")" + C + "(1 − " + Cifras(ehe98::Cansancio) + C + Cifras(e.fcd) + C +
                  Cifras(e.b) + C + Cifras(e.h) + "/" + Cifras(e.Nd) + ")",
              1.0, r.eCentrada, "mm", 2);
    return r;
}

// Mínimo de una cara comprimida: U ≥ 0.05·Nd.
void PasoCincoPorCiento(Traza& t, const std::string& U, double Nd) {
    t.Nota("La capacidad " + U + " no llega al 5 % del axil: se toma " + U + " = 0.05" + C +
               "N<sub>d</sub>.",
           "42.3.2");
    t.Calculo(U, "Capacidad mínima de la armadura", "42.3.2", "0.05" + C + "N<sub>d</sub>",
              "0.05" + C + Cifras(Nd), 0.001, 0.05 * Nd * 0.001, "kN", 3);
}

// Pequeña excentricidad sin simetría: momentos respecto de A2.
void PasosPequenaExcentricidad(Traza& t, const EstadoDiseno& c, const Excentricidad& ex) {
    const double M2 = c.Nd * ex.e2;
    t.Nota(
        "e<sub>c</sub> ≤ e<sub>0</sub> < e<sub>lím</sub>: pequeña excentricidad; se toman momentos "
        "respecto de A<sub>2</sub> sin contar A<sub>1</sub>, que recibe la capacidad mínima.",
        "42.1.3");
    t.Calculo("M<sub>2</sub>", "Momento del axil respecto de A<sub>2</sub>", "42.1.2",
              "N<sub>d</sub>" + C + "e<sub>2</sub>", Cifras(c.Nd) + C + Cifras(ex.e2), 1e-6,
              M2 * 1e-6, "kN·m", 2);
    PasosFibraNeutra(t, c,
                     "C<sub>c</sub>(x)" + C + "(y<sub>c</sub>(x) − d<sub>2</sub>) = M<sub>2</sub>");
    PasoDominio(t, c);
    t.Calculo("ε<sub>s2</sub>", "Deformación de la armadura comprimida", "42.1.3",
              "ε<sub>s2</sub>(x)", Cifras(c.epsS2), 1000.0, c.epsS2 * 1000.0, "‰", 4);
    PasoTension(t, "2", c, c.epsS2, c.sigmaS2);
    t.Calculo("A<sub>s2</sub>", "Armadura comprimida por equilibrio de fuerzas", "42.1.3",
              "(N<sub>d</sub> − C<sub>c</sub>)/σ<sub>s2</sub>",
              "(" + Cifras(c.Nd) + " − " + Cifras(c.Cc) + ")/" + Cifras(c.sigmaS2), 0.01,
              (c.Nd - c.Cc) / c.sigmaS2 * 0.01, "cm²", 3);
    const bool d5 = c.Dominio == 6;
    const std::string f = d5 ? "f<sub>yc,d</sub>" : "f<sub>yd</sub>";
    const double fv = d5 ? c.fycd : c.fyd;
    if (c.U2 <= 0.05 * c.Nd * (1 + 1e-12))
        PasoCincoPorCiento(t, "U<sub>2</sub>", c.Nd);
    else
        t.Calculo("U<sub>2</sub>", "Capacidad de la armadura A<sub>2</sub>", "42.1.3",
                  "A<sub>s2</sub>" + C + f, Cifras(c.As2) + C + Cifras(fv), 0.001, c.U2 * 0.001,
                  "kN", 3);
    Area(t, "A<sub>s2</sub>", "U<sub>2</sub>", c.U2, f, fv, c.As2);
    PasoCincoPorCiento(t, "U<sub>1</sub>", c.Nd);
    const double As1 = c.U1 / fv;
    Area(t, "A<sub>s1</sub>", "U<sub>1</sub>", c.U1, f, fv, As1);
    if (std::fabs(As1 - c.As1) > 1e-9 * As1)
        PasosMinimoMecanico(t, c, As1, c.As1);
}

// Compresión casi centrada: toda la sección a εc0 = 2 ‰ con el bloque de meseta
// (Cansancio·fcd·b·h).
void PasosCompresionCentrada(Traza& t, const EstadoDiseno& c, const Excentricidad& ex) {
    t.Nota("e<sub>0</sub> < e<sub>c</sub>: compresión casi centrada; toda la sección se acorta un "
           "2 ‰ y "
           "el hormigón da " +
               Cifras(ehe98::Cansancio) + C + "f<sub>cd</sub>" + C + "b" + C + "h a media altura.",
           "42.1.3");
    const double bloque = ehe98::Cansancio * c.fcd * c.b * c.h;
    t.Calculo("C<sub>c</sub>", "Resultante del hormigón", "39.5",
              Cifras(ehe98::Cansancio) + C + "f<sub>cd</sub>" + C + "b" + C + "h",
              Cifras(ehe98::Cansancio) + C + Cifras(c.fcd) + C + Cifras(c.b) + C + Cifras(c.h),
              0.001, bloque * 0.001, "kN", 2);
    const double U1 = (c.Nd * ex.e2 - bloque * (c.h / 2.0 - c.d2)) / (c.d - c.d2);
    t.Calculo("U<sub>1</sub>", "Capacidad de A<sub>1</sub> por momentos respecto de A<sub>2</sub>",
              "42.1.3",
              "(N<sub>d</sub>" + C + "e<sub>2</sub> − C<sub>c</sub>" + C +
                  "(h/2 − d<sub>2</sub>))/(d − d<sub>2</sub>)",
              "(" + Cifras(c.Nd) + C + Cifras(ex.e2) + " − " + Cifras(bloque) + C + "(" +
                  Cifras(c.h) + "/2 − " + Cifras(c.d2) + "))/(" + Cifras(c.d) + " − " +
                  Cifras(c.d2) + ")",
              0.001, U1 * 0.001, "kN", 3);
    t.Calculo("U<sub>2</sub>", "Capacidad de A<sub>2</sub> por equilibrio de fuerzas", "42.1.3",
              "N<sub>d</sub> − C<sub>c</sub> − U<sub>1</sub>",
              Cifras(c.Nd) + " − " + Cifras(bloque) + " − " + Cifras(U1), 0.001,
              (c.Nd - bloque - U1) * 0.001, "kN", 3);
    if (U1 < 0.05 * c.Nd)
        PasoCincoPorCiento(t, "U<sub>1</sub>", c.Nd);
    if (c.Nd - bloque - U1 < 0.05 * c.Nd)
        PasoCincoPorCiento(t, "U<sub>2</sub>", c.Nd);
    Area(t, "A<sub>s1</sub>", "U<sub>1</sub>", c.U1, "f<sub>yc,d</sub>", c.fycd, c.As1);
    Area(t, "A<sub>s2</sub>", "U<sub>2</sub>", c.U2, "f<sub>yc,d</sub>", c.fycd, c.As2);
}

void PasosCompuesta(Traza& t, const EstadoDiseno& c) {
    const auto ex = PasosExcentricidades(t, c);
    if (c.e0 >= ex.eLimite) {
        t.Nota("e<sub>0</sub> ≥ e<sub>lím</sub>: gran excentricidad; momentos respecto de "
               "A<sub>1</sub>.",
               "42.1.3");
        t.Calculo("M<sub>1</sub>", "Momento del axil respecto de A<sub>1</sub>", "42.1.2",
                  "N<sub>d</sub>" + C + "e<sub>1</sub>", Cifras(c.Nd) + C + Cifras(ex.e1), 1e-6,
                  c.Nd * ex.e1 * 1e-6, "kN·m", 2);
        PasosRespectoDeA1(t, c, c.Nd * ex.e1, c.Nd, "M<sub>1</sub>");
        if (c.MinimaCompresion) {
            PasoCincoPorCiento(t, "U<sub>2</sub>", c.Nd);
            Area(t, "A<sub>s2</sub>", "U<sub>2</sub>", c.U2, "f<sub>yd</sub>", c.fyd, c.As2);
        }
    } else if (c.e0 >= ex.eCentrada) {
        PasosPequenaExcentricidad(t, c, ex);
    } else {
        PasosCompresionCentrada(t, c, ex);
    }
}

// Armadura simétrica: la búsqueda da x y el área de cada cara.
void PasosSimetrica(Traza& t, const EstadoDiseno& c) {
    const auto ex = PasosExcentricidades(t, c);
    const bool grande = c.e0 >= ex.eLimite;
    t.Nota(std::string(grande ? "e<sub>0</sub> ≥ e<sub>lím</sub>: gran excentricidad"
                              : "e<sub>0</sub> < e<sub>lím</sub>: pequeña excentricidad") +
               " con armadura simétrica (A<sub>s1</sub> = A<sub>s2</sub>).",
           "42.1.3");
    if (!ProfundidadFibraNeutra(c)) {
        t.Nota("No hay profundidad de la fibra neutra hasta 5" + C +
                   "h que equilibre la sección: "
                   "toda ella se acorta un 2 ‰ (x = +∞).",
               "42.1.3");
    } else {
        PasosFibraNeutra(t, c,
                         grande ? "C<sub>c</sub>(x) + A<sub>s</sub>(x)" + C +
                                      "(σ<sub>s2</sub> ∓ σ<sub>s1</sub>) = N<sub>d</sub>"
                                : "C<sub>c</sub>(x)" + C +
                                      "(y<sub>c</sub>(x) − d<sub>2</sub>) = N<sub>d</sub>" + C +
                                      "e<sub>2</sub>");
        PasoTension(t, "2", c, c.epsS2, TensionAcero(c, c.epsS2, c.fyd));
    }
    PasoDominio(t, c);
    t.Calculo("A<sub>s1</sub> = A<sub>s2</sub>", "Armadura de cada cara", "42.1.3", "A<sub>s</sub>",
              Cifras(c.As1), 0.01, c.As1 * 0.01, "cm²", 3);
    if (c.CuantiaMecanica)
        t.Nota("Rige un mínimo: la cuantía mecánica mínima de cada cara o el 5 % del axil.",
               "42.3.2");
    const double fv = c.Dominio == 6 ? c.fycd : c.fyd;
    const double U = c.As1 * fv;
    t.Calculo("U<sub>1</sub> = U<sub>2</sub>", "Capacidad de cada cara", "42.1.3",
              "A<sub>s</sub>" + C + (c.Dominio == 6 ? "f<sub>yc,d</sub>" : "f<sub>yd</sub>"),
              Cifras(c.As1) + C + Cifras(fv), 0.001, U * 0.001, "kN", 3);
    if (c.U1 > U * (1 + 1e-12))
        PasoCincoPorCiento(t, "U<sub>1</sub> = U<sub>2</sub>", c.Nd);
}

const char* NombresElemento[] = {"viga", "soporte", "placa", "muro (armadura horizontal)",
                                 "muro (armadura vertical)"};

// Cuantía geométrica mínima del tipo de elemento (art. 42.3.5): antes y después de aplicarla.
void PasosCuantiaGeometrica(Traza& t, const EstadoDiseno& a, const EstadoDiseno& f,
                            TipoDeElemento tipo, int acero) {
    const double rho = CuantiaGeometricaMinima(tipo, acero);
    const double Amin = rho * a.b * a.h;
    t.Calculo("A<sub>mín</sub>",
              std::string("Cuantía geométrica mínima de ") + NombresElemento[IndiceElemento(tipo)] + " con acero " +
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

Traza TrazaSeccion(const EstadoDiseno& datos, TipoDeElemento TipoElemento, int DesignacionAcero) {
    Traza t;
    if (!ElementoDelIndice(IndiceElemento(TipoElemento)) || DesignacionAcero < 0 ||
        DesignacionAcero > 1)
        return t;
    EstadoDiseno c = datos;
    c.CuantiaMecanica = c.CuantiaGeometrica = c.MinimaCompresion = false;
    if (!ComprobarSeccion(c))
        return t;
    CalcularLimites(c);
    Estado r = Correcto();
    if (c.Nd > 0.0)
        r = c.Simetrica ? FlexionCompuestaSimetrica(c) : FlexionCompuesta(c);
    else
        r = FlexionSimple(c);
    if (!r)
        return t;
    PasosLimites(t, c);
    if (c.Nd > 0.0) {
        t.Nota("N<sub>d</sub> = " + kN(c.Nd) + " y M<sub>d</sub> = " + kNm(c.Md) +
                   ": flexión compuesta" + (c.Simetrica ? " con armadura simétrica." : "."),
               "42.1");
        if (c.Simetrica)
            PasosSimetrica(t, c);
        else
            PasosCompuesta(t, c);
    } else {
        t.Nota("N<sub>d</sub> = 0: flexión simple con M<sub>d</sub> = " + kNm(c.Md) + ".", "42.1");
        PasosRespectoDeA1(t, c, c.Md, 0.0, "M<sub>d</sub>");
    }
    EstadoDiseno f = c;
    AplicarCuantiaMinima(f, TipoElemento, DesignacionAcero);
    PasosCuantiaGeometrica(t, c, f, TipoElemento, DesignacionAcero);
    PasosCapacidadesFinales(t, c, f);
    t.Nota(MensajesCuantia(f, TipoElemento).Cuantia, f.CuantiaMecanica ? "42.3.2" : "42.3.5");
    return t;
}

} // namespace velmora
