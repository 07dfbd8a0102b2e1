#include "shear/ce/Cortante.h"

#include "common/Descripcion.h"
#include "common/Numeros.h"
#include "norma/PasosNorma.h"
#include "shear/ComunCortante.h"
#include "shear/ce/Ecuaciones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::ce {

using namespace cortante;

namespace {

// Una cotangente justo en el límite de (6.7), escrita con el ángulo redondeado, se admite.
constexpr double ToleranciaCot = 1e-9;

Estado ComprobarAngulos(const DatosCortante& datos) {
    if (!(datos.alfa >= AlfaMinima && datos.alfa <= AlfaMaxima))
        return Estado::Error("El ángulo α de las armaduras con el eje ha de estar entre 45º y "
                             "90º (Anejo 19, 9.2.2(1)); se escribió " +
                                 Angulo(datos.alfa) + ".",
                             "CuadroAlfa");
    const double cot = Cot(Radianes(datos.teta));
    if (!(datos.teta > 0 && datos.teta < 90 && cot >= CotTetaMinima - ToleranciaCot &&
          cot <= CotTetaMaxima + ToleranciaCot))
        return Estado::Error("El ángulo θ de las bielas con el eje ha de estar entre 26.57º y "
                             "63.43º (0.5 ≤ cot θ ≤ 2, Anejo 19, 6.2.3(2)); se escribió " +
                                 Angulo(datos.teta) + ".",
                             "CuadroTeta");
    return Correcto();
}

// Parámetros generales confirmados con los valores que usa esta norma.
bool MaterialesConfirmados(const EstadoDiseno& e) {
    return e.fcd > 0 && e.fck > 0 && e.fyk > 0 && e.gammaS > 0 && e.gammaC > 0;
}

} // namespace

// Pasos de la memoria por el Código Estructural. Sólo escriben los valores que el cálculo acaba
// de obtener.
namespace {

using pasos::A;
using pasos::N;

void PasosCompresionOblicua(Traza& t, const CalculoCortante& c) {
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo("f<sub>ywd</sub>", "Resistencia de cálculo de la armadura de cortante",
                          A("3.2.7"), "f<sub>yk</sub>/γ<sub>s</sub>", N(c.fyk) + "/" + N(c.gammaS),
                          c.fyad, "N/mm²", 2));
    t.Calculo(
        PasoCalculo("z", "Brazo mecánico", A("6.2.3(1)"), "0.9·d", "0.9·" + N(d.d), c.z, "mm", 1));
    t.Calculo(PasoCalculo("ν<sub>1</sub>", "Reducción de la resistencia del hormigón fisurado",
                          A("6.2.3(3)"), "0.6·(1 − f<sub>ck</sub>/250)",
                          "0.6·(1 - " + N(c.fck) + "/250)", c.nu1, "", 4));
    t.Calculo(PasoCalculo(
        "V<sub>Rd,max</sub>", "Agotamiento de las bielas comprimidas del alma",
        A(d.alfa == 90.0 ? "6.2.3(3)" : "6.2.3(4)"),
        "α<sub>cw</sub>·b<sub>w</sub>·z·ν<sub>1</sub>·f<sub>cd</sub>·(cot θ + cot α)/(1 + cot²θ)",
        "1·" + N(d.b) + "·" + N(c.z) + "·" + N(c.nu1) + "·" + N(c.fcd) + "·(" + N(c.cotTeta) +
            " + " + N(c.cotAlfa) + ")/(1 + " + N(c.cotTeta) + "²)",
        c.Vu1 * 0.001, "kN", 1, 0.001));
    t.Nota(c.Agotamiento ? "Vd1 > VRd,max: se agotan las bielas comprimidas del alma."
                         : "Vd1 ≤ VRd,max: las bielas comprimidas del alma no se agotan.",
           A("6.2.3(3)"));
}

void PasosHormigon(Traza& t, const CalculoCortante& c) {
    const DatosCortante& d = c.datos;
    const double rho = d.Asl / (d.b * d.d);
    t.Calculo(PasoCalculo("ρ<sub>l</sub>", "Cuantía de la armadura longitudinal traccionada",
                          A("6.2.2(1)"), "A<sub>sl</sub>/(b<sub>w</sub>·d)",
                          N(d.Asl) + "/(" + N(d.b) + "·" + N(d.d) + ")", rho, "", 5));
    if (rho > 0.02)
        t.Nota("La cuantía ρl se limita a 0.02.", A("6.2.2(1)"));
    const double k = 1.0 + std::sqrt(200.0 / d.d);
    if (k > 2.0)
        t.Nota("k = 1 + √(200/d) = " + Formatear(k, 0, 4) + " se limita a 2.0.", A("6.2.2(1)"));
    else
        t.Calculo(PasoCalculo("k", "Factor del canto útil", A("6.2.2(1)"), "1 + √(200/d) ≤ 2.0",
                              "1 + √(200/" + N(d.d) + ")", c.xi, "", 4));
    t.Calculo(PasoCalculo("C<sub>Rd,c</sub>", "Coeficiente de la resistencia a cortante",
                          A("6.2.2(1)"), "0.18/γ<sub>c</sub>", "0.18/" + N(c.gammaC), c.CRdc, "",
                          4));
    t.Calculo(PasoCalculo("v<sub>min</sub>", "Resistencia mínima a cortante por unidad de área",
                          A("6.2.2(1)"), "0.035·k<sup>3/2</sup>·f<sub>ck</sub><sup>1/2</sup>",
                          "0.035·√(" + N(c.xi) + ")³·√(" + N(c.fck) + ")", c.vmin, "N/mm²", 4));
    const double raiz = std::cbrt(100.0 * c.rhoL * c.fck);
    t.Calculo(PasoCalculo(
        "V<sub>Rd,c</sub>", "Resistencia a cortante sin armadura de cortante (6.2.a)",
        A("6.2.2(1)"),
        "C<sub>Rd,c</sub>·k·(100·ρ<sub>l</sub>·f<sub>ck</sub>)<sup>1/3</sup>·b<sub>w</sub>·d",
        N(c.CRdc) + "·" + N(c.xi) + "·" + N(raiz) + "·" + N(d.b) + "·" + N(d.d), c.VRdcA * 0.001,
        "kN", 1, 0.001));
    t.Calculo(PasoCalculo("V<sub>Rd,c,mín</sub>", "Mínimo de la resistencia sin armadura (6.2.b)",
                          A("6.2.2(1)"), "v<sub>min</sub>·b<sub>w</sub>·d",
                          N(c.vmin) + "·" + N(d.b) + "·" + N(d.d), c.VRdcB * 0.001, "kN", 1,
                          0.001));
    t.Nota("VRd,c = " + Formatear(c.Vcu * 0.001, 0, 3) + " kN, la mayor de las dos.",
           A("6.2.2(1)"));
}

const char* TextoRegla(ReglaSeparacion r) {
    switch (r) {
    case ReglaSeparacion::Minima:
        return "Rige la cuantía mínima de armadura de cortante ρw,min.";
    case ReglaSeparacion::Resistente:
        return "Rige la resistencia: VRd,s = VEd.";
    case ReglaSeparacion::Fisuracion:
    case ReglaSeparacion::Maxima:
        return "Rige la separación longitudinal máxima sl,max.";
    case ReglaSeparacion::QuinceDiametros:
        return "Rigen quince veces el diámetro comprimido más delgado.";
    }
    return "";
}

std::string ClausulaRegla(ReglaSeparacion r) {
    switch (r) {
    case ReglaSeparacion::Resistente:
        return A("6.2.3(3)");
    case ReglaSeparacion::QuinceDiametros:
        return A("9.2.1.2(3)");
    case ReglaSeparacion::Minima:
    case ReglaSeparacion::Fisuracion:
    case ReglaSeparacion::Maxima:
        break;
    }
    return A("9.2.2");
}

void PasoMinima(Traza& t, const CalculoCortante& c, double Asw, double rw, double smin,
                const std::string& zona) {
    t.Calculo(PasoCalculo("ρ<sub>w,min</sub>", "Cuantía mínima de armadura de cortante",
                          A("9.2.2(5)"), "0.08·√f<sub>ck</sub>/f<sub>yk</sub>",
                          "0.08·√(" + N(c.fck) + ")/" + N(c.fyk), rw, "", 6));
    t.Calculo(PasoCalculo("s<sub>ρw,min</sub>", "Separación con la cuantía mínima, " + zona,
                          A("9.2.2(5)"), "A<sub>sw</sub>/(ρ<sub>w,min</sub>·b<sub>w</sub>·sen α)",
                          N(Asw) + "/(" + N(rw) + "·" + N(c.datos.b) + "·" + N(c.senAlfa) + ")",
                          smin, "mm", 1));
}

void PasoResistente(Traza& t, const CalculoCortante& c, double VEd, double Asw, double st,
                    const std::string& zona) {
    t.Nota("VEd > VRd,c en la " + zona +
               ": los cercos resisten todo el cortante, sin contribución del hormigón.",
           A("6.2.3(1)"));
    t.Calculo(PasoCalculo("s", "Separación con la que V<sub>Rd,s</sub> = V<sub>Ed</sub>, " + zona,
                          A(c.datos.alfa == 90.0 ? "6.2.3(3)" : "6.2.3(4)"),
                          "A<sub>sw</sub>·z·f<sub>ywd</sub>·(cot θ + cot α)·sen α/V<sub>Ed</sub>",
                          N(Asw) + "·" + N(c.z) + "·" + N(c.fyad) + "·(" + N(c.cotTeta) + " + " +
                              N(c.cotAlfa) + ")·" + N(c.senAlfa) + "/" + N(VEd),
                          st, "mm", 1));
}

void PasoMaxima(Traza& t, const CalculoCortante& c, double smax, const std::string& zona) {
    t.Calculo(PasoCalculo("s<sub>l,max</sub>", "Separación longitudinal máxima, " + zona,
                          A("9.2.2(6)"), "0.75·d·(1 + cot α)",
                          "0.75·" + N(c.datos.d) + "·(1 + " + N(c.cotAlfa) + ")", smax, "mm", 1));
}

} // namespace

void PasoArea(Traza& t, const TextosZona& z, const std::string& zona) {
    t.Calculo(PasoCalculo(
        "A<sub>sw</sub>", "Área de los cercos, " + zona, A("9.2.2(5)"), "n·π·φ²/4",
        N(z.ramas) + "·" + N(std::numbers::pi) + "·" + N(z.diametro) + "²/4", z.Aalfa, "mm²", 2));
}

void PasosResistencia(Traza& t, const CalculoCortante& c, const TextosZona& z, double VRd,
                      const std::string& zona) {
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo("V<sub>Rd,s</sub>", "Resistencia de la armadura de cortante, " + zona,
                          A(d.alfa == 90.0 ? "6.2.3(3)" : "6.2.3(4)"),
                          "(A<sub>sw</sub>/s)·z·f<sub>ywd</sub>·(cot θ + cot α)·sen α",
                          "(" + N(z.Aalfa) + "/" + N(z.st) + ")·" + N(c.z) + "·" + N(c.fyad) +
                              "·(" + N(c.cotTeta) + " + " + N(c.cotAlfa) + ")·" + N(c.senAlfa),
                          z.Vsu * 0.001, "kN", 1, 0.001));
    t.Calculo(PasoCalculo("V<sub>Rd</sub>", "Resistencia a cortante, " + zona, A("6.2.3(3)"),
                          "mín(V<sub>Rd,s</sub>; V<sub>Rd,max</sub>)", N(VRd), VRd * 0.001, "kN", 1,
                          0.001));
}

Estado ComprobarDatosCortante(const DatosCortante& datos) {
    if (auto r = ComprobarSeccion(datos); !r)
        return r;
    if (auto r = ComprobarAngulos(datos); !r)
        return r;
    return ComprobarArmaduras(datos);
}

Resultado<CalculoCortante> CalcularCortante(EstadoDiseno& e, const DatosCortante& datos,
                                            Traza* traza) {
    if (!MaterialesConfirmados(e))
        return ErrorCalculo{MensajeConfirmarParametros, {}};
    if (auto r = ce::ComprobarDatosCortante(datos); !r)
        return r.error();

    CalculoCortante c;
    c.norma = Norma::CodigoEstructural;
    c.datos = datos;
    c.fck = e.fck;
    c.fcd = e.fcd;
    c.fyk = e.fyk;
    c.gammaS = e.gammaS;
    c.gammaC = e.gammaC;
    c.fyad = fywd(e.fyk, e.gammaS);
    c.tetaRad = Radianes(datos.teta);
    c.cotTeta = Cot(c.tetaRad);
    PrepararAlfa(c);

    const double bw = datos.b, d = datos.d;
    c.z = z(d);
    c.nu1 = nu1(c.fck);
    // αcw = 1: la viga no lleva esfuerzo axil (6.2.3(3)).
    c.Vu1 = VRdmax(1.0, bw, c.z, c.nu1, c.fcd, c.cotTeta, c.cotAlfa);
    c.Agotamiento = datos.Vd1 > c.Vu1;
    if (traza)
        PasosCompresionOblicua(*traza, c);
    c.rhoL = rhol(datos.Asl, bw, d);
    c.xi = k(d);
    c.CRdc = CRdc(c.gammaC);
    c.vmin = vmin(c.xi, c.fck);
    c.VRdcA = VRdcA(c.CRdc, c.xi, c.rhoL, c.fck, bw, d);
    c.VRdcB = VRdcB(c.vmin, bw, d);
    c.Vcu = std::max(c.VRdcA, c.VRdcB);
    if (traza)
        PasosHormigon(*traza, c);
    if (!FuerzaMostrable(c.Vu1) || !FuerzaMostrable(c.Vcu))
        return ResultadoNoRepresentable(NombreCalculo);
    e.d = d;
    e.b = bw;
    return c;
}

Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double VEd, double Asw,
                                         Traza* traza, const std::string& zona) {
    if (!(Asw > 0))
        return Resultado<Separacion>::Error(MensajeSinCercos);
    const double d = c.datos.d;
    Separacion s;
    // Sin contribución del hormigón: si VEd > VRd,c los cercos resisten todo el cortante.
    const double rw = rhowmin(c.fck, c.fyk);
    const double smin = sRhowmin(Asw, rw, c.datos.b, c.senAlfa);
    if (traza)
        PasoMinima(*traza, c, Asw, rw, smin, zona);
    s.st = smin;
    s.marca = "*";
    if (VEd > c.Vcu) {
        const double st = sVRds(Asw, c.z, c.fyad, c.cotTeta, c.cotAlfa, c.senAlfa, VEd);
        if (traza)
            PasoResistente(*traza, c, VEd, Asw, st, zona);
        if (!(st > smin)) {
            s.st = st;
            s.marca.clear();
            s.regla = ReglaSeparacion::Resistente;
        }
    } else if (traza) {
        traza->Nota("VEd ≤ VRd,c en la " + zona + ": basta la armadura mínima.", A("6.2.2(1)"));
    }
    const double smax = slmax(d, c.cotAlfa);
    if (traza)
        PasoMaxima(*traza, c, smax, zona);
    s.limitada = s.st > smax;
    if (s.limitada) {
        s.st = smax;
        s.regla = ReglaSeparacion::Maxima;
    }
    LimitarQuinceDiametros(c, s);
    if (traza)
        traza->Nota(std::string(TextoRegla(s.regla)) + " s = " + Formatear(s.st, 0, 1) + " mm.",
                    ClausulaRegla(s.regla));
    return s;
}

double CalcularVsu(const CalculoCortante& c, double Asw, double s) {
    return VRds(Asw, s, c.z, c.fyad, c.cotTeta, c.cotAlfa, c.senAlfa);
}

double AgotamientoTraccion(const CalculoCortante& c, double VRds) {
    return std::min(VRds, c.Vu1);
}

} // namespace velmora::ce
