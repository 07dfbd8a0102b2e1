// Traza de las longitudes de anclaje de una posición para la memoria de cálculo (en cm, como
// los rótulos): los mismos pasos y números que el cálculo.
#include "anchorage/Anclaje.h"
#include "anchorage/ComunAnclaje.h"
#include "common/Numeros.h"

namespace velmora {

namespace {

std::string N(double v) {
    return Cifras(v, 8);
}

} // namespace

Traza ehe98::TrazaAnclaje(const DatosAnclaje& d, const LongitudAnclaje& r) {
    Traza t;
    const bool II = d.posicion == PosicionAnclaje::II;
    const std::string pos = II ? "II" : "I";
    const std::string sub = II ? "II" : "I";
    const double phi = d.phi * 0.1; // cm, como en la tabla de m
    const double mphi = (II ? LbII(d.m, d.phi) : LbI(d.m, d.phi)) * 0.1;
    const double cota = (II ? CotaLbII(d.fyk, d.phi) : CotaLbI(d.fyk, d.phi)) * 0.1;
    t.Nota("Barras de φ " + Formatear(d.phi, 0, 0) + " mm en posición " + pos +
               (II ? " (adherencia deficiente)" : " (adherencia buena)") + ", en " +
               (d.Traccion ? "tracción" : "compresión") + "; coeficiente m = " +
               FormatearEntero(d.m) + " para f<sub>ck</sub> y f<sub>yk</sub> = " +
               Formatear(d.fyk, 0, 0) + " N/mm².",
           "66.5.2");
    t.Nota("β = " + Formatear(d.beta, 0, 1) + " por el tipo de anclaje" +
               (d.beta < 1.0 ? "." : ": prolongación recta, o patilla sin la reducción."),
           "66.5.3");
    t.Calculo(PasoCalculo("l<sub>b" + sub + "</sub>", "Longitud básica, posición " + pos, "66.5.2",
                      II ? "1.4·m·φ²" : "m·φ²",
                      (II ? "1.4·" : "") + FormatearEntero(d.m) + "·" + N(phi) + "²", mphi, "cm", 2));
    t.Calculo(PasoCalculo("l<sub>b,mín</sub>", "Cota inferior de la longitud básica, posición " + pos,
                      "66.5.2", II ? "f<sub>yk</sub>/14·φ" : "f<sub>yk</sub>/20·φ",
                      N(d.fyk) + (II ? "/14·" : "/20·") + N(phi), cota, "cm", 2));
    t.Nota(cota > mphi ? std::string("Rige la cota inferior f<sub>yk</sub>") +
                             (II ? "/14·φ" : "/20·φ") + " de la longitud básica."
                       : "Rige m·φ²: la cota inferior es menor.",
           "66.5.2");
    const double lb = mphi > cota ? mphi : cota;
    const double neta = d.Estricta ? LbNeta(d.beta, lb, d.AsEstricta, d.AsReal) : lb * d.beta;
    t.Calculo(PasoCalculo("l<sub>b,neta</sub>", "Longitud neta, posición " + pos, "66.5.3",
                      d.Estricta ? "β·l<sub>b</sub>·A<sub>s</sub>/A<sub>s,real</sub>"
                                 : "β·l<sub>b</sub>",
                      N(d.beta) + "·" + N(lb) +
                          (d.Estricta ? "·" + N(d.AsEstricta) + "/" + N(d.AsReal) : ""),
                      neta, "cm", 2));
    const double tercio = d.Traccion ? mphi / 3.0 : 2.0 * mphi / 3.0;
    const double minima = LbNetaMinima(d.phi, tercio * 10.0) * 0.1;
    t.Nota(neta >= minima ? "La longitud neta no baja de su mínimo (10φ, 15 cm y " +
                                std::string(d.Traccion ? "un tercio" : "dos tercios") +
                                " de lb)."
                          : "Rige el mínimo de la longitud neta: " + Formatear(minima, 0, 2) +
                                " cm (10φ, 15 cm y " +
                                std::string(d.Traccion ? "un tercio" : "dos tercios") +
                                " de lb).",
           "66.5.3");
    if (d.Dinamicos)
        t.Nota("Con efectos dinámicos se suman 10φ a las dos longitudes.", "66.5.3");
    if (r.DecalajeSumado)
        t.Nota("Se suma el decalaje de " + Formatear(d.Decalaje * 0.1, 0, 2) +
                   " cm a las dos longitudes.",
               "44.2.3.4.2");
    t.Nota("Longitudes: básica " + Formatear(r.lb * 0.1, 0, 2) + " cm, neta " +
               Formatear(r.lbneta * 0.1, 0, 2) + " cm.",
           "66.5");
    // Las longitudes del cuadro de resultados: la cota, el mínimo, los efectos dinámicos y el
    // decalaje, cada uno con su número.
    std::string suma, sumaNumeros;
    if (d.Dinamicos) {
        suma += " + 10·φ";
        sumaNumeros += " + 10·" + N(phi);
    }
    if (r.DecalajeSumado) {
        suma += " + s<sub>d</sub>";
        sumaNumeros += " + " + N(d.Decalaje * 0.1);
    }
    t.Calculo(PasoCalculo("l<sub>b</sub>", "Longitud básica del resultado", "66.5.2",
                          "máx(" + std::string(II ? "1.4·m·φ²" : "m·φ²") + "; l<sub>b,mín</sub>)" +
                              suma,
                          "máx(" + N(mphi) + "; " + N(cota) + ")" + sumaNumeros, r.lb * 0.1, "cm",
                          2));
    t.Calculo(PasoCalculo("l<sub>b,neta</sub>", "Longitud neta del resultado", "66.5.3",
                          "máx(l<sub>b,neta</sub>; 10·φ; 15; " +
                              std::string(d.Traccion ? "" : "2·") + (II ? "1.4·m·φ²" : "m·φ²") +
                              "/3)" + suma,
                          "máx(" + N(neta) + "; " + N(minima) + ")" + sumaNumeros,
                          r.lbneta * 0.1, "cm", 2));
    return t;
}

} // namespace velmora
