// Longitudes de anclaje por la EHE-98 (art. 66.5): longitud básica m·φ² con su cota inferior y
// longitud neta con β, su mínimo, los efectos dinámicos y el decalaje. Con una traza, cada paso se
// anota (en cm, como los rótulos) con los mismos números con que se calcula.
#include "anchorage/ComunAnclaje.h"
#include "common/Numeros.h"
#include "norma/PasosNorma.h"

#include <algorithm>

namespace velmora::ehe98 {

namespace {

using pasos::N;

// Lo que el cálculo de una posición obtiene antes de los efectos dinámicos y el decalaje, en mm.
struct PasosIntermedios {
    double mphi = 0;   // m·φ² (1.4·m·φ² en la posición II)
    double cota = 0;   // cota inferior de la longitud básica
    double lb = 0;     // la mayor de las dos
    double neta = 0;   // β·lb·As/As,real
    double minima = 0; // mínimo de la longitud neta
};

std::string FormulaBasica(bool II) {
    return II ? "1.4·m·φ²" : "m·φ²";
}

void PasosDatos(Traza& t, const DatosAnclaje& d) {
    const bool II = d.posicion == PosicionAnclaje::II;
    t.Nota("Barras de φ " + Formatear(d.phi, 0, 0) + " mm en posición " + (II ? "II" : "I") +
               (II ? " (adherencia deficiente)" : " (adherencia buena)") + ", en " +
               (d.Traccion ? "tracción" : "compresión") + "; coeficiente m = " +
               FormatearEntero(d.m) + " para f<sub>ck</sub> y f<sub>yk</sub> = " +
               Formatear(d.fyk, 0, 0) + " N/mm².",
           "66.5.2");
    t.Nota("β = " + Formatear(d.beta, 0, 1) + " por el tipo de anclaje" +
               (d.beta < 1.0 ? "." : ": prolongación recta, o patilla sin la reducción."),
           "66.5.3");
}

void PasosBasica(Traza& t, const DatosAnclaje& d, const PasosIntermedios& p) {
    const bool II = d.posicion == PosicionAnclaje::II;
    const std::string pos = II ? "II" : "I";
    t.Calculo(PasoCalculo("l<sub>b" + pos + "</sub>", "Longitud básica, posición " + pos, "66.5.2",
                          FormulaBasica(II),
                          (II ? "1.4·" : "") + FormatearEntero(d.m) + "·" + N(d.phi * 0.1) + "²",
                          p.mphi * 0.1, "cm", 2));
    t.Calculo(PasoCalculo("l<sub>b,mín</sub>",
                          "Cota inferior de la longitud básica, posición " + pos, "66.5.2",
                          II ? "f<sub>yk</sub>/14·φ" : "f<sub>yk</sub>/20·φ",
                          N(d.fyk) + (II ? "/14·" : "/20·") + N(d.phi * 0.1), p.cota * 0.1, "cm",
                          2));
    t.Nota(p.cota > p.mphi ? std::string("Rige la cota inferior f<sub>yk</sub>") +
                                 (II ? "/14·φ" : "/20·φ") + " de la longitud básica."
                           : "Rige m·φ²: la cota inferior es menor.",
           "66.5.2");
}

void PasosNeta(Traza& t, const DatosAnclaje& d, const PasosIntermedios& p) {
    const std::string pos = d.posicion == PosicionAnclaje::II ? "II" : "I";
    t.Calculo(PasoCalculo(
        "l<sub>b,neta</sub>", "Longitud neta, posición " + pos, "66.5.3",
        d.Estricta ? "β·l<sub>b</sub>·A<sub>s</sub>/A<sub>s,real</sub>" : "β·l<sub>b</sub>",
        N(d.beta) + "·" + N(p.lb * 0.1) +
            (d.Estricta ? "·" + N(d.AsEstricta) + "/" + N(d.AsReal) : ""),
        p.neta * 0.1, "cm", 2));
    const std::string parte = d.Traccion ? "un tercio" : "dos tercios";
    t.Nota(p.neta >= p.minima ? "La longitud neta no baja de su mínimo (10φ, 15 cm y " + parte +
                                    " de lb)."
                              : "Rige el mínimo de la longitud neta: " +
                                    Formatear(p.minima * 0.1, 0, 2) + " cm (10φ, 15 cm y " +
                                    parte + " de lb).",
           "66.5.3");
}

// Las longitudes del cuadro de resultados: la cota, el mínimo, los efectos dinámicos y el
// decalaje, cada uno con su número.
void PasosResultado(Traza& t, const DatosAnclaje& d, const PasosIntermedios& p,
                    const LongitudAnclaje& r) {
    const bool II = d.posicion == PosicionAnclaje::II;
    if (d.Dinamicos)
        t.Nota("Con efectos dinámicos se suman 10φ a las dos longitudes.", "66.5.3");
    if (r.DecalajeSumado)
        t.Nota("Se suma el decalaje de " + Formatear(d.Decalaje * 0.1, 0, 2) +
                   " cm a las dos longitudes.",
               "44.2.3.4.2");
    t.Nota("Longitudes: básica " + Formatear(r.lb * 0.1, 0, 2) + " cm, neta " +
               Formatear(r.lbneta * 0.1, 0, 2) + " cm.",
           "66.5");
    std::string suma, sumaNumeros;
    if (d.Dinamicos) {
        suma += " + 10·φ";
        sumaNumeros += " + 10·" + N(d.phi * 0.1);
    }
    if (r.DecalajeSumado) {
        suma += " + s<sub>d</sub>";
        sumaNumeros += " + " + N(d.Decalaje * 0.1);
    }
    t.Calculo(PasoCalculo("l<sub>b</sub>", "Longitud básica del resultado", "66.5.2",
                          "máx(" + FormulaBasica(II) + "; l<sub>b,mín</sub>)" + suma,
                          "máx(" + N(p.mphi * 0.1) + "; " + N(p.cota * 0.1) + ")" + sumaNumeros,
                          r.lb * 0.1, "cm", 2));
    t.Calculo(PasoCalculo("l<sub>b,neta</sub>", "Longitud neta del resultado", "66.5.3",
                          "máx(l<sub>b,neta</sub>; 10·φ; 15; " +
                              std::string(d.Traccion ? "" : "2·") + FormulaBasica(II) + "/3)" +
                              suma,
                          "máx(" + N(p.neta * 0.1) + "; " + N(p.minima * 0.1) + ")" + sumaNumeros,
                          r.lbneta * 0.1, "cm", 2));
}

} // namespace

Resultado<int> CoeficienteM(const EstadoDiseno& e, double fck, int acero) {
    const auto fila = FilaTablaM(fck);
    if (!fila)
        return fila.error();
    return e.TablaM[static_cast<std::size_t>(*fila)][static_cast<std::size_t>(acero)];
}

Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d, Traza* traza) {
    if (auto e = anclaje::ComprobarPosicion(d); !e)
        return e.error();
    if (traza)
        PasosDatos(*traza, d);
    const bool II = d.posicion == PosicionAnclaje::II;
    PasosIntermedios p;
    p.mphi = II ? LbII(d.m, d.phi) : LbI(d.m, d.phi);
    p.cota = II ? CotaLbII(d.fyk, d.phi) : CotaLbI(d.fyk, d.phi);
    p.lb = std::max(p.mphi, p.cota);
    if (traza)
        PasosBasica(*traza, d, p);
    p.neta = d.Estricta ? LbNeta(d.beta, p.lb, d.AsEstricta, d.AsReal) : p.lb * d.beta;
    // El tercio (o los dos tercios en compresión) se toma de m·φ², antes de la cota inferior.
    p.minima = LbNetaMinima(d.phi, d.Traccion ? p.mphi / 3.0 : 2.0 * p.mphi / 3.0);
    if (traza)
        PasosNeta(*traza, d, p);

    LongitudAnclaje r;
    r.lb = p.lb;
    r.lbneta = std::max(p.neta, p.minima);
    if (d.Dinamicos) {
        r.lb += 10.0 * d.phi;
        r.lbneta += 10.0 * d.phi;
    }
    anclaje::SumarDecalaje(d, r);
    if (traza)
        PasosResultado(*traza, d, p, r);
    return r;
}

} // namespace velmora::ehe98
