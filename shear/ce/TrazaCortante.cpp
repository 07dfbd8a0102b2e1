// Traza del cortante de la viga por el Código Estructural para la memoria de cálculo: los mismos
// pasos y números que el cálculo, rehechos con sus ecuaciones del Anejo 19.
#include "common/Numeros.h"
#include "shear/ComunCortante.h"
#include "shear/ce/Cortante.h"
#include "shear/ce/Ecuaciones.h"

#include <cmath>
#include <numbers>

namespace velmora::ce {

namespace {

std::string N(double v) {
    return Cifras(v, 8);
}

std::string A(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

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

// Separaciones candidatas de una zona con cercos de área Asw.
void PasosSeparacion(Traza& t, const CalculoCortante& c, double VEd, double Asw,
                     const std::string& zona) {
    const DatosCortante& d = c.datos;
    const double rw = rhowmin(c.fck, c.fyk);
    t.Calculo(PasoCalculo("ρ<sub>w,min</sub>", "Cuantía mínima de armadura de cortante",
                          A("9.2.2(5)"), "0.08·√f<sub>ck</sub>/f<sub>yk</sub>",
                          "0.08·√(" + N(c.fck) + ")/" + N(c.fyk), rw, "", 6));
    t.Calculo(PasoCalculo("s<sub>ρw,min</sub>", "Separación con la cuantía mínima, " + zona,
                          A("9.2.2(5)"), "A<sub>sw</sub>/(ρ<sub>w,min</sub>·b<sub>w</sub>·sen α)",
                          N(Asw) + "/(" + N(rw) + "·" + N(d.b) + "·" + N(c.senAlfa) + ")",
                          sRhowmin(Asw, rw, d.b, c.senAlfa), "mm", 1));
    if (VEd > c.Vcu) {
        t.Nota("VEd > VRd,c en la " + zona +
                   ": los cercos resisten todo el cortante, sin contribución del hormigón.",
               A("6.2.3(1)"));
        t.Calculo(
            PasoCalculo("s", "Separación con la que V<sub>Rd,s</sub> = V<sub>Ed</sub>, " + zona,
                        A(d.alfa == 90.0 ? "6.2.3(3)" : "6.2.3(4)"),
                        "A<sub>sw</sub>·z·f<sub>ywd</sub>·(cot θ + cot α)·sen α/V<sub>Ed</sub>",
                        N(Asw) + "·" + N(c.z) + "·" + N(c.fyad) + "·(" + N(c.cotTeta) + " + " +
                            N(c.cotAlfa) + ")·" + N(c.senAlfa) + "/" + N(VEd),
                        sVRds(Asw, c.z, c.fyad, c.cotTeta, c.cotAlfa, c.senAlfa, VEd), "mm", 1));
    } else {
        t.Nota("VEd ≤ VRd,c en la " + zona + ": basta la armadura mínima.", A("6.2.2(1)"));
    }
    t.Calculo(PasoCalculo("s<sub>l,max</sub>", "Separación longitudinal máxima, " + zona,
                          A("9.2.2(6)"), "0.75·d·(1 + cot α)",
                          "0.75·" + N(d.d) + "·(1 + " + N(c.cotAlfa) + ")", slmax(d.d, c.cotAlfa),
                          "mm", 1));
}

void PasosZona(Traza& t, const CalculoCortante& c, const TextosZona& z, double VEd,
               const std::string& zona) {
    t.Calculo(PasoCalculo(
        "A<sub>sw</sub>", "Área de los cercos, " + zona, A("9.2.2(5)"), "n·π·φ²/4",
        N(z.ramas) + "·" + N(std::numbers::pi) + "·" + N(z.diametro) + "²/4", z.Aalfa, "mm²", 2));
    PasosSeparacion(t, c, VEd, z.Aalfa, zona);
    if (const auto s = ce::CalcularSeparacion(c, VEd, z.Aalfa))
        t.Nota(std::string(TextoRegla(s.valor().regla)) + " s = " + Formatear(z.st, 0, 1) + " mm.",
               ClausulaRegla(s.valor().regla));
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo("V<sub>Rd,s</sub>", "Resistencia de la armadura de cortante, " + zona,
                          A(d.alfa == 90.0 ? "6.2.3(3)" : "6.2.3(4)"),
                          "(A<sub>sw</sub>/s)·z·f<sub>ywd</sub>·(cot θ + cot α)·sen α",
                          "(" + N(z.Aalfa) + "/" + N(z.st) + ")·" + N(c.z) + "·" + N(c.fyad) +
                              "·(" + N(c.cotTeta) + " + " + N(c.cotAlfa) + ")·" + N(c.senAlfa),
                          z.Vsu * 0.001, "kN", 1, 0.001));
    const double VRd = ce::AgotamientoTraccion(c, z.Vsu);
    t.Calculo(PasoCalculo("V<sub>Rd</sub>", "Resistencia a cortante, " + zona, A("6.2.3(3)"),
                          "mín(V<sub>Rd,s</sub>; V<sub>Rd,max</sub>)", N(VRd), VRd * 0.001, "kN", 1,
                          0.001));
}

} // namespace

Traza TrazaCortante(const CalculoCortante& c, const TextosZonas& zonas) {
    Traza t;
    PasosCompresionOblicua(t, c);
    PasosHormigon(t, c);
    const double cortantes[2] = {c.datos.Vd2, c.datos.Vd3};
    const char* nombres[2] = {"zona de apoyo", "zona central"};
    for (std::size_t i = 0; i < 2; ++i) {
        const TextosZona& z = zonas.zona[i];
        if (!z.valida)
            t.Nota("Sin resultado en la " + std::string(nombres[i]) + ": " + z.Longitud);
        else
            PasosZona(t, c, z, cortantes[i], nombres[i]);
    }
    return t;
}

} // namespace velmora::ce

namespace velmora::ce {

Traza TrazaCercos(double /*h*/, double /*b*/, double /*d1*/, double phiMinLong, double phiMaxLong,
                  const Cercos& c) {
    Traza t;
    const std::string cita = A("9.5.3(3)");
    t.Calculo(PasoCalculo("s<sub>cl,1</sub>", "Quince veces la barra longitudinal más delgada",
                          cita, "15·φ<sub>mín</sub>", "15·" + N(phiMinLong), 15.0 * phiMinLong,
                          "mm", 1));
    t.Calculo(PasoCalculo("s<sub>cl,2</sub>", "Lado menor de la sección", cita, "mín(h; b)",
                          N(c.ladoMenor), c.ladoMenor, "mm", 1));
    t.Nota("La separación no pasa de 300 mm.", cita);
    t.Nota("Rige la menor de las tres: s<sub>cl,tmax</sub> = " + Formatear(c.sT, 0, 1) + " mm.",
           cita);
    t.Nota(c.NotaSeparacion + ".", A("9.5.3(4)"));
    t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro mínimo del cerco: el mayor de 6 mm y φmáx/4",
                          A("9.5.3(1)"), "φ<sub>máx</sub>/4", N(phiMaxLong) + "/4",
                          0.25 * phiMaxLong, "mm", 2));
    t.Nota("Diámetro comercial del cerco: " + FormatearEntero(c.phi) + " mm" +
               (0.25 * phiMaxLong < 6.0 ? " (rigen los 6 mm)." : "."),
           A("9.5.3(1)"));
    return t;
}

} // namespace velmora::ce
