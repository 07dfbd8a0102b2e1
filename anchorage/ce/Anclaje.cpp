// Longitudes de anclaje por el Código Estructural (Anejo 19, 8.4): longitud básica lb,rqd por
// la tensión de adherencia fbd y longitud neta lbd con α1 y α4. Con una traza, cada paso se anota
// con los mismos números con que se calcula.
#include "anchorage/ComunAnclaje.h"
#include "anchorage/ce/Ecuaciones.h"
#include "common/Numeros.h"
#include "materiales/ce/Hormigon.h"
#include "norma/PasosNorma.h"

#include <algorithm>
#include <cmath>

namespace velmora::ce {

namespace {

using pasos::A;
using pasos::N;

// Tensión última de adherencia fbd por fctk,0.05, fctd, η1 y η2; con traza, cada paso.
double Adherencia(const DatosAnclaje& d, Traza* traza) {
    const double fctk = fctk005Adherencia(d.fck);
    const double traccion = fctd(fctk, d.gammaC);
    const bool buena = d.posicion == PosicionAnclaje::I;
    const double e1 = eta1(buena), e2 = eta2(d.phi);
    const double adherencia = fbd(e1, e2, traccion);
    if (!traza)
        return adherencia;
    Traza& t = *traza;
    if (d.fck > 60.0)
        t.Nota("Para la adherencia fctk,0.05 se toma el de fck = 60 N/mm².", A("8.4.2(2)"));
    const double resistenciaMedia = fctm(std::min(d.fck, 60.0));
    t.Calculo(PasoCalculo("f<sub>ctk,0.05</sub>", "Resistencia característica a tracción",
                          A("3.1.2"), "0.7·f<sub>ctm</sub>", "0.7·" + N(resistenciaMedia), fctk,
                          "N/mm²", 3));
    t.Calculo(PasoCalculo("f<sub>ctd</sub>", "Resistencia de cálculo a tracción", A("3.1.6(2)"),
                          "α<sub>ct</sub>·f<sub>ctk,0.05</sub>/γ<sub>c</sub>",
                          "1·" + N(fctk) + "/" + N(d.gammaC), traccion, "N/mm²", 3));
    t.Nota(
        "η1 = " + Formatear(e1, 0, 1) +
            (buena ? " (posición I, adherencia buena)" : " (posición II, adherencia deficiente)") +
            "; η2 = " + Formatear(e2, 0, 2) +
            (d.phi > 32.0 ? " = (132 − φ)/100 con φ > 32 mm." : " con φ ≤ 32 mm."),
        A("8.4.2(2)"));
    t.Calculo(PasoCalculo("f<sub>bd</sub>", "Tensión última de adherencia", A("8.4.2(2)"),
                          "2.25·η<sub>1</sub>·η<sub>2</sub>·f<sub>ctd</sub>",
                          "2.25·" + N(e1) + "·" + N(e2) + "·" + N(traccion), adherencia, "N/mm²",
                          3));
    return adherencia;
}

} // namespace

namespace {

void PasoDatos(Traza& t, const DatosAnclaje& d) {
    t.Nota("Barras de φ " + Formatear(d.phi, 0, 0) + " mm en posición " +
               (d.posicion == PosicionAnclaje::II ? "II" : "I") + ", en " +
               (d.Traccion ? "tracción" : "compresión") +
               "; f<sub>ck</sub> = " + Formatear(d.fck, 0, 1) +
               " N/mm², f<sub>yd</sub> = " + Formatear(d.fyd, 0, 2) + " N/mm².",
           A("8.4"));
}

// Lo que el cálculo de una posición obtiene antes del decalaje: tensión de la barra y longitudes
// en mm.
struct PasosIntermedios {
    double adherencia = 0, sigma = 0, basica = 0; // fbd, σsd (N/mm²), lb,rqd
    double a1 = 1, a4 = 1, minima = 0;            // α1, α4, lb,min
};

void PasosBasica(Traza& t, const DatosAnclaje& d, const PasosIntermedios& p) {
    if (d.Estricta)
        t.Calculo(PasoCalculo("σ<sub>sd</sub>", "Tensión de cálculo de la barra", A("8.4.3(2)"),
                              "f<sub>yd</sub>·A<sub>s</sub>/A<sub>s,real</sub>",
                              N(d.fyd) + "·" + N(d.AsEstricta) + "/" + N(d.AsReal), p.sigma,
                              "N/mm²", 2));
    t.Calculo(PasoCalculo("l<sub>b,rqd</sub>",
                          "Longitud básica de anclaje, posición " +
                              std::string(d.posicion == PosicionAnclaje::II ? "II" : "I"),
                          A("8.4.3(2)"), "(φ/4)·(σ<sub>sd</sub>/f<sub>bd</sub>)",
                          "(" + N(d.phi) + "/4)·(" + N(p.sigma) + "/" + N(p.adherencia) + ")",
                          p.basica * 0.1, "cm", 2, 0.1));
}

void PasosNeta(Traza& t, const DatosAnclaje& d, const PasosIntermedios& p) {
    t.Nota("α1 = " + Formatear(p.a1, 0, 1) + ", α4 = " + Formatear(p.a4, 0, 1) +
               "; α2 = α3 = α5 = 1.0 (del lado seguro).",
           A("8.4.4(1)"));
    const std::string k = d.Traccion ? "0.3" : "0.6";
    t.Calculo(PasoCalculo("l<sub>b,min</sub>", "Longitud mínima de anclaje", A("8.4.4(1)"),
                          "máx(" + k + "·l<sub>b,rqd</sub>; 10·φ; 100)",
                          "máx(" + k + "·" + N(p.basica) + "; 10·" + N(d.phi) + "; 100)",
                          p.minima * 0.1, "cm", 2, 0.1));
    const double reducida = p.a1 * p.a4 * p.basica;
    t.Calculo(PasoCalculo("α<sub>1</sub>·α<sub>4</sub>·l<sub>b,rqd</sub>",
                          "Longitud neta antes del mínimo, posición " +
                              std::string(d.posicion == PosicionAnclaje::II ? "II" : "I"),
                          A("8.4.4(1)"), "α<sub>1</sub>·α<sub>4</sub>·l<sub>b,rqd</sub>",
                          N(p.a1) + "·" + N(p.a4) + "·" + N(p.basica), reducida * 0.1, "cm", 2,
                          0.1));
    if (reducida < p.minima)
        t.Nota("Rige la longitud mínima l<sub>b,min</sub>.", A("8.4.4(1)"));
}

// Las longitudes del cuadro de resultados, con el decalaje si se suma.
void PasosResultado(Traza& t, const DatosAnclaje& d, const PasosIntermedios& p,
                    const LongitudAnclaje& r) {
    if (r.DecalajeSumado)
        t.Nota("Se suma el decalaje de " + Formatear(d.Decalaje * 0.1, 0, 2) +
                   " cm a las dos longitudes.",
               A("9.2.1.3"));
    t.Nota("Longitudes: básica " + Formatear(r.lb * 0.1, 0, 2) + " cm, neta " +
               Formatear(r.lbneta * 0.1, 0, 2) + " cm.",
           A("8.4.4(1)"));
    const std::string fsd = r.DecalajeSumado ? " + s<sub>d</sub>" : "";
    const std::string sd = r.DecalajeSumado ? " + " + N(d.Decalaje) : "";
    t.Calculo(PasoCalculo("l<sub>b</sub>", "Longitud básica del resultado", A("8.4.3(2)"),
                          "l<sub>b,rqd</sub>" + fsd, N(p.basica) + sd, r.lb * 0.1, "cm", 2, 0.1));
    t.Calculo(PasoCalculo("l<sub>bd</sub>", "Longitud neta del resultado", A("8.4.4(1)"),
                          "máx(α<sub>1</sub>·α<sub>4</sub>·l<sub>b,rqd</sub>; l<sub>b,min</sub>)" +
                              fsd,
                          "máx(" + N(p.a1 * p.a4 * p.basica) + "; " + N(p.minima) + ")" + sd,
                          r.lbneta * 0.1, "cm", 2, 0.1));
}

} // namespace

Resultado<int> CoeficienteM(const EstadoDiseno& e, double fck, int /*acero*/) {
    if (!std::isfinite(fck) || fck < FckMinimaCE || fck > FckMaximaCE)
        return Resultado<int>::Error(
            "Con el Código Estructural la resistencia característica fck debe estar entre 20 y "
            "90 N/mm² (valor recibido: " +
                (std::isfinite(fck) ? anclaje::Corto(fck) : std::string("no numérico")) + ").",
            "ResistenciaCaracteristica");
    if (!(e.gammaC > 0) || !(e.gammaS > 0))
        return ErrorCalculo{MensajeConfirmarParametros, {}};
    return 0;
}

Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d, Traza* traza) {
    if (auto e = anclaje::ComprobarPosicion(d); !e)
        return e.error();
    if (traza)
        PasoDatos(*traza, d);
    PasosIntermedios p;
    p.adherencia = Adherencia(d, traza);
    p.sigma = d.Estricta ? sigmasd(d.fyd, d.AsEstricta, d.AsReal) : d.fyd;
    p.basica = lbrqd(d.phi, p.sigma, p.adherencia);
    if (traza)
        PasosBasica(*traza, d, p);
    // En compresión las patillas no reducen (α1 = 1); la barra soldada sí (α4 = 0.7).
    p.a1 = alfa1(d.tipo == TipoAnclaje::Patilla, d.Recubrimiento, d.Traccion);
    p.a4 = alfa4(d.tipo == TipoAnclaje::BarraSoldada);
    p.minima = lbmin(p.basica, d.phi, d.Traccion);
    if (traza)
        PasosNeta(*traza, d, p);
    LongitudAnclaje r;
    r.lb = p.basica;
    r.lbneta = lbd(p.a1, p.a4, p.basica, p.minima);
    anclaje::SumarDecalaje(d, r);
    if (traza)
        PasosResultado(*traza, d, p, r);
    return r;
}

} // namespace velmora::ce
