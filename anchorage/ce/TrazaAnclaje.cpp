// Traza de las longitudes de anclaje de una posición por el Código Estructural para la memoria de
// cálculo (longitudes en cm, como los rótulos): los mismos pasos y números que el cálculo.
#include "anchorage/ComunAnclaje.h"
#include "anchorage/ce/Ecuaciones.h"
#include "common/Numeros.h"
#include "materiales/ce/Hormigon.h"

#include <algorithm>

namespace velmora::ce {

namespace {

std::string N(double v) {
    return Cifras(v, 8);
}

std::string A(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

// fctm, fctk,0.05, fctd, η1, η2 y fbd; devuelve fbd.
double PasosAdherencia(Traza& t, const DatosAnclaje& d) {
    const double fckAdherencia = std::min(d.fck, 60.0);
    if (d.fck > 60.0)
        t.Nota("Para la adherencia fctk,0.05 se toma el de fck = 60 N/mm².", A("8.4.2(2)"));
    const double resistenciaMedia = fctm(fckAdherencia);
    const double fctk = fctk005Adherencia(d.fck);
    t.Calculo(PasoCalculo("f<sub>ctk,0.05</sub>", "Resistencia característica a tracción",
                          A("3.1.2"), "0.7·f<sub>ctm</sub>", "0.7·" + N(resistenciaMedia), fctk,
                          "N/mm²", 3));
    const double traccion = fctd(fctk, d.gammaC);
    t.Calculo(PasoCalculo("f<sub>ctd</sub>", "Resistencia de cálculo a tracción", A("3.1.6(2)"),
                          "α<sub>ct</sub>·f<sub>ctk,0.05</sub>/γ<sub>c</sub>",
                          "1·" + N(fctk) + "/" + N(d.gammaC), traccion, "N/mm²", 3));
    const bool buena = d.posicion == PosicionAnclaje::I;
    const double e1 = eta1(buena), e2 = eta2(d.phi);
    t.Nota(
        "η1 = " + Formatear(e1, 0, 1) +
            (buena ? " (posición I, adherencia buena)" : " (posición II, adherencia deficiente)") +
            "; η2 = " + Formatear(e2, 0, 2) +
            (d.phi > 32.0 ? " = (132 − φ)/100 con φ > 32 mm." : " con φ ≤ 32 mm."),
        A("8.4.2(2)"));
    const double adherencia = fbd(e1, e2, traccion);
    t.Calculo(PasoCalculo("f<sub>bd</sub>", "Tensión última de adherencia", A("8.4.2(2)"),
                          "2.25·η<sub>1</sub>·η<sub>2</sub>·f<sub>ctd</sub>",
                          "2.25·" + N(e1) + "·" + N(e2) + "·" + N(traccion), adherencia, "N/mm²",
                          3));
    return adherencia;
}

} // namespace

Traza TrazaAnclaje(const DatosAnclaje& d, const LongitudAnclaje& r) {
    Traza t;
    const bool II = d.posicion == PosicionAnclaje::II;
    const std::string pos = II ? "II" : "I";
    t.Nota("Barras de φ " + Formatear(d.phi, 0, 0) + " mm en posición " + pos + ", en " +
               (d.Traccion ? "tracción" : "compresión") +
               "; f<sub>ck</sub> = " + Formatear(d.fck, 0, 1) +
               " N/mm², f<sub>yd</sub> = " + Formatear(d.fyd, 0, 2) + " N/mm².",
           A("8.4"));
    const double adherencia = PasosAdherencia(t, d);
    const double sigma = d.Estricta ? sigmasd(d.fyd, d.AsEstricta, d.AsReal) : d.fyd;
    if (d.Estricta)
        t.Calculo(PasoCalculo("σ<sub>sd</sub>", "Tensión de cálculo de la barra", A("8.4.3(2)"),
                              "f<sub>yd</sub>·A<sub>s</sub>/A<sub>s,real</sub>",
                              N(d.fyd) + "·" + N(d.AsEstricta) + "/" + N(d.AsReal), sigma, "N/mm²",
                              2));
    const double basica = lbrqd(d.phi, sigma, adherencia);
    t.Calculo(PasoCalculo("l<sub>b,rqd</sub>", "Longitud básica de anclaje, posición " + pos,
                          A("8.4.3(2)"), "(φ/4)·(σ<sub>sd</sub>/f<sub>bd</sub>)",
                          "(" + N(d.phi) + "/4)·(" + N(sigma) + "/" + N(adherencia) + ")",
                          basica * 0.1, "cm", 2, 0.1));
    const double a1 = alfa1(d.tipo == TipoAnclaje::Patilla, d.Recubrimiento, d.Traccion);
    const double a4 = alfa4(d.tipo == TipoAnclaje::BarraSoldada);
    t.Nota("α1 = " + Formatear(a1, 0, 1) + ", α4 = " + Formatear(a4, 0, 1) +
               "; α2 = α3 = α5 = 1.0 (del lado seguro).",
           A("8.4.4(1)"));
    const double minima = lbmin(basica, d.phi, d.Traccion);
    const std::string k = d.Traccion ? "0.3" : "0.6";
    t.Calculo(PasoCalculo("l<sub>b,min</sub>", "Longitud mínima de anclaje", A("8.4.4(1)"),
                          "máx(" + k + "·l<sub>b,rqd</sub>; 10·φ; 100)",
                          "máx(" + k + "·" + N(basica) + "; 10·" + N(d.phi) + "; 100)",
                          minima * 0.1, "cm", 2, 0.1));
    t.Calculo(PasoCalculo("α<sub>1</sub>·α<sub>4</sub>·l<sub>b,rqd</sub>",
                          "Longitud neta antes del mínimo, posición " + pos, A("8.4.4(1)"),
                          "α<sub>1</sub>·α<sub>4</sub>·l<sub>b,rqd</sub>",
                          N(a1) + "·" + N(a4) + "·" + N(basica), a1 * a4 * basica * 0.1, "cm", 2,
                          0.1));
    if (a1 * a4 * basica < minima)
        t.Nota("Rige la longitud mínima l<sub>b,min</sub>.", A("8.4.4(1)"));
    if (r.DecalajeSumado)
        t.Nota("Se suma el decalaje de " + Formatear(d.Decalaje * 0.1, 0, 2) +
                   " cm a las dos longitudes.",
               A("9.2.1.3"));
    t.Nota("Longitudes: básica " + Formatear(r.lb * 0.1, 0, 2) + " cm, neta " +
               Formatear(r.lbneta * 0.1, 0, 2) + " cm.",
           A("8.4.4(1)"));
    // Las longitudes del cuadro de resultados, con el decalaje si se suma.
    const std::string fsd = r.DecalajeSumado ? " + s<sub>d</sub>" : "";
    const std::string sd = r.DecalajeSumado ? " + " + N(d.Decalaje) : "";
    t.Calculo(PasoCalculo("l<sub>b</sub>", "Longitud básica del resultado", A("8.4.3(2)"),
                          "l<sub>b,rqd</sub>" + fsd, N(basica) + sd, r.lb * 0.1, "cm", 2, 0.1));
    t.Calculo(PasoCalculo("l<sub>bd</sub>", "Longitud neta del resultado", A("8.4.4(1)"),
                          "máx(α<sub>1</sub>·α<sub>4</sub>·l<sub>b,rqd</sub>; l<sub>b,min</sub>)" +
                              fsd,
                          "máx(" + N(a1 * a4 * basica) + "; " + N(minima) + ")" + sd,
                          r.lbneta * 0.1, "cm", 2, 0.1));
    return t;
}

} // namespace velmora::ce
