// Trazas del cortante de la viga y de los cercos del pilar para la memoria de cálculo: los mismos
// pasos y números que el cálculo, rehechos con sus ecuaciones.
#include "common/Numeros.h"
#include "common/Traza.h"
#include "shear/Cercos.h"
#include "shear/ComunCortante.h"
#include "shear/Cortante.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

std::string N(double v) {
    return Cifras(v, 8);
}

// Vcu: la raíz cúbica se escribe ya calculada, con las cifras que usa el cálculo.
void PasosHormigon(Traza& t, const CalculoCortante& c) {
    const DatosCortante& d = c.datos;
    const double rho = d.Asl / d.b / d.d;
    t.Calculo(PasoCalculo("ρ<sub>l</sub>", "Cuantía de la armadura longitudinal traccionada",
                      "44.2.3.2.2", "A<sub>s</sub>/(b<sub>0</sub>·d)",
                      N(d.Asl) + "/(" + N(d.b) + "·" + N(d.d) + ")", rho, "", 5));
    if (rho > 0.02)
        t.Nota("La cuantía ρl se limita a 0.02.", "44.2.3.2.2");
    t.Calculo(PasoCalculo("ξ", "Factor del canto útil", "44.2.3.2.2", "1 + √(200/d)",
                      "1 + √(200/" + N(d.d) + ")", c.xi, "", 4));
    const double ce = 1.0 / std::tan(c.tetaeRad);
    const bool primera = c.cotTeta < ce;
    t.Calculo(PasoCalculo("β", "Factor de la inclinación de las bielas", "44.2.3.2.2",
                      primera ? "(2·cot θ − 1)/(2·cot θ<sub>e</sub> − 1)"
                              : "(cot θ − 2)/(cot θ<sub>e</sub> − 2)",
                      primera ? "(2·" + N(c.cotTeta) + " - 1)/(2·" + N(ce) + " - 1)"
                              : "(" + N(c.cotTeta) + " - 2)/(" + N(ce) + " - 2)",
                      c.beta, "", 4));
    const double raiz = std::cbrt(100.0 * c.rhoL * c.fck);
    t.Calculo(PasoCalculo("V<sub>cu</sub>", "Contribución del hormigón", "44.2.3.2.2",
                      "β·0.10·ξ·(100·ρ<sub>l</sub>·f<sub>ck</sub>)<sup>1/3</sup>·b<sub>0</sub>·d",
                      N(c.beta) + "·0.10·" + N(c.xi) + "·" + N(raiz) + "·" + N(d.b) + "·" +
                          N(d.d),
                      c.Vcu * 0.001, "kN", 1, 0.001));
}

const char* TextoRegla(ReglaSeparacion r) {
    switch (r) {
    case ReglaSeparacion::Minima:
        return "Rige la cuantía mínima de armadura transversal.";
    case ReglaSeparacion::Resistente:
        return "Rige la resistencia: Vcu + Vsu = Vd.";
    case ReglaSeparacion::Fisuracion:
        return "Rige el control de la fisuración por cortante.";
    case ReglaSeparacion::Maxima:
        return "Rige la separación máxima de los cercos.";
    case ReglaSeparacion::QuinceDiametros:
        return "Rigen quince veces el diámetro comprimido más delgado.";
    }
    return "";
}

// Separaciones candidatas y la que rige en una zona con cercos de área Aα.
void PasosSeparacion(Traza& t, const CalculoCortante& c, double Vd, double Aalfa,
                     const std::string& zona) {
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo("s<sub>t,mín</sub>", "Separación con la cuantía mínima, " + zona,
                      "44.2.3.4.1",
                      "50·A<sub>α</sub>·f<sub>yα,d</sub>/(f<sub>cd</sub>·b<sub>0</sub>·sen α)",
                      "50·" + N(Aalfa) + "·" + N(c.fyad) + "/(" + N(c.fcd) + "·" + N(d.b) + "·" +
                          N(c.senAlfa) + ")",
                      StMinima(Aalfa, c.fyad, c.fcd, d.b, c.senAlfa), "mm", 1));
    if (Vd > c.Vcu) {
        t.Calculo(PasoCalculo(
            "s<sub>t</sub>", "Separación con la que V<sub>cu</sub> + V<sub>su</sub> = V<sub>d</sub>, " + zona,
            "44.2.3.2.2",
            "0.9·d·sen α·(cot α + cot θ)·f<sub>yα,d</sub>·A<sub>α</sub>/(V<sub>d</sub> − V<sub>cu</sub>)",
            "0.9·" + N(d.d) + "·" + N(c.senAlfa) + "·(" + N(c.cotAlfa) + " + " + N(c.cotTeta) +
                ")·" + N(c.fyad) + "·" + N(Aalfa) + "/(" + N(Vd) + " - " + N(c.Vcu) + ")",
            StResistente(Aalfa, d.d, c.senAlfa, c.cotAlfa, c.cotTeta, c.fyad, Vd, c.Vcu), "mm",
            1));
        const double sigma = SigmaFisuracion(Vd, c.Vcu, c.senAlfa, Aalfa, d.d);
        t.Calculo(PasoCalculo("σ<sub>sw</sub>", "Tensión de la armadura transversal, " + zona, "49.3",
                          "(V<sub>d</sub> − 3·V<sub>cu</sub>)·sen α/(A<sub>α</sub>·d)",
                          "(" + N(Vd) + " - 3·" + N(c.Vcu) + ")·" + N(c.senAlfa) + "/(" +
                              N(Aalfa) + "·" + N(d.d) + ")",
                          sigma, "N/mm²", 2));
        t.Nota("Con σsw = " + Formatear(sigma, 0, 2) + " N/mm² la separación no pasa de " +
                   Formatear(StFisuracion(sigma), 0, 0) + " mm.",
               "49.3");
    } else {
        t.Nota("Vd ≤ Vcu en la " + zona + ": basta la armadura mínima.", "44.2.3.4.1");
    }
    const double smax = StMaxima(Vd, c.Vu1, d.d);
    t.Nota("Separación máxima por Vd frente a Vu1: " + Formatear(smax, 0, 1) + " mm.",
           "44.2.3.4.1");
}

} // namespace

Traza ehe98::TrazaCortante(const CalculoCortante& c, const TextosZonas& zonas) {
    Traza t;
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo("f<sub>yα,d</sub>", "Resistencia de cálculo de la armadura transversal",
                      "40.2", "f<sub>yd</sub> ≤ 400 N/mm²", N(c.fyad), c.fyad, "N/mm²", 2));
    t.Calculo(PasoCalculo("V<sub>u1</sub>", "Agotamiento por compresión oblicua del alma", "44.2.3.1",
                      "0.60·f<sub>cd</sub>·b<sub>0</sub>·d·(cot θ + cot α)/(1 + cot²θ)",
                      "0.60·" + N(c.fcd) + "·" + N(d.b) + "·" + N(d.d) + "·(" + N(c.cotTeta) +
                          " + " + N(c.cotAlfa) + ")/(1 + " + N(c.cotTeta) + "²)",
                      c.Vu1 * 0.001, "kN", 1, 0.001));
    t.Nota(c.Agotamiento ? "Vd1 > Vu1: el hormigón se agota por compresión oblicua."
                         : "Vd1 ≤ Vu1: el hormigón no se agota por compresión oblicua.",
           "44.2.3.1");
    PasosHormigon(t, c);

    const double cortantes[2] = {d.Vd2, d.Vd3};
    const char* nombres[2] = {"zona de apoyo", "zona central"};
    for (std::size_t i = 0; i < 2; ++i) {
        const TextosZona& z = zonas.zona[i];
        const std::string zona = nombres[i];
        if (!z.valida) {
            t.Nota("Sin resultado en la " + zona + ": " + z.Longitud);
            continue;
        }
        t.Calculo(PasoCalculo("A<sub>α</sub>", "Área de los cercos, " + zona, "44.2.3.2.2",
                          "n·π·φ²/4",
                          N(z.ramas) + "·" + N(std::numbers::pi) + "·" + N(z.diametro) + "²/4",
                          z.Aalfa, "mm²", 2));
        PasosSeparacion(t, c, cortantes[i], z.Aalfa, zona);
        const auto s = CalcularSeparacion(c, cortantes[i], z.Aalfa);
        if (s)
            t.Nota(std::string(TextoRegla(s.valor().regla)) + " s<sub>t</sub> = " +
                       Formatear(z.st, 0, 1) + " mm.",
                   "44.2.3.4.1");
        t.Calculo(PasoCalculo("V<sub>su</sub>", "Contribución de la armadura transversal, " + zona,
                          "44.2.3.2.2",
                          "A<sub>α</sub>·0.9·d·sen α·(cot α + cot θ)·f<sub>yα,d</sub>/s<sub>t</sub>",
                          N(z.Aalfa) + "·0.9·" + N(d.d) + "·" + N(c.senAlfa) + "·(" +
                              N(c.cotAlfa) + " + " + N(c.cotTeta) + ")·" + N(c.fyad) + "/" +
                              N(z.st),
                          z.Vsu * 0.001, "kN", 1, 0.001));
        t.Calculo(PasoCalculo("V<sub>u2</sub>", "Agotamiento por tracción en el alma, " + zona,
                          "44.2.3.2.2", "V<sub>cu</sub> + V<sub>su</sub>",
                          N(c.Vcu) + " + " + N(z.Vsu), (c.Vcu + z.Vsu) * 0.001, "kN", 1, 0.001));
    }
    return t;
}

Traza ehe98::TrazaCercos(double h, double b, double d1, double phiMinLong, double phiMaxLong,
                         const Cercos& c) {
    Traza t;
    const double mayor = h > b ? h : b;
    t.Calculo(PasoCalculo("s<sub>t,1</sub>", "Separación por el lado mayor", "42.3.1",
                      "0.8·(lado mayor − d<sub>1</sub>)",
                      "0.8·(" + N(mayor) + " - " + N(d1) + ")", 0.8 * (mayor - d1), "mm", 1));
    t.Calculo(PasoCalculo("s<sub>t,2</sub>", "Lado menor de la sección, no más de 300 mm", "42.3.1",
                      "mín(lado menor, 300)", N(c.ladoMenor), c.ladoMenor, "mm", 1));
    t.Calculo(PasoCalculo("s<sub>t,3</sub>", "Quince veces la barra longitudinal más delgada",
                      "42.3.1", "15·φ<sub>mín</sub>", "15·" + N(phiMinLong), 15.0 * phiMinLong,
                      "mm", 1));
    t.Nota("Rige la menor de las tres: st = " + Formatear(c.sT, 0, 1) + " mm.", "42.3.1");
    if (c.sT >= 15.0 * phiMinLong)
        t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro del cerco", "42.3.1",
                          "φ<sub>máx</sub>/4", N(phiMaxLong) + "/4", c.phiT, "mm", 2));
    else
        t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro del cerco con una separación menor",
                          "42.3.1", "φ<sub>máx</sub>·√(s<sub>t</sub>/(240·φ<sub>mín</sub>))",
                          N(phiMaxLong) + "·√(" + N(c.sT) + "/(240·" + N(phiMinLong) + "))",
                          c.phiT, "mm", 2));
    t.Nota("Diámetro comercial del cerco: " + FormatearEntero(c.phi) + " mm.", "42.3.1");
    return t;
}

} // namespace velmora
