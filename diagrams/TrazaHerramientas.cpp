// Pasos de las herramientas de diagramas para la memoria: el diagrama del acero (EHE-98, art.
// 38.4) y el bloque parábola-rectángulo (art. 39.5), con las mismas leyes y números.

#include "common/Numeros.h"
#include "materiales/ehe98/Leyes.h"
#include "common/PasosTraza.h"
#include "diagrams/DiagramaAcero.h"
#include "diagrams/ParabolaRectangulo.h"
#include "section/LeyesMateriales.h"

#include <cmath>

namespace velmora {

namespace {

void PasoTensionActiva(Traza& t, double Es, double fyd, double eps, double sigma) {
    t.Nota("Rama curva del diagrama de la armadura activa (σ > 0.7·fyd): se resuelve "
           "ε = σ/Es + 0.823·(σ/fyd − 0.7)⁵ para σ; comprobación con la tensión hallada.",
           "38.5");
    const std::string r = "(" + N(sigma) + "/" + N(fyd) + " − 0.7)";
    AnadirCalculo(t, {"ε<sub>s</sub>", "Deformación de la tensión hallada", "38.5",
                      "σ<sub>s</sub>/E<sub>s</sub> + 0.823·(σ<sub>s</sub>/f<sub>yd</sub> − 0.7)⁵",
                      N(sigma) + "/" + N(Es) + " + 0.823·" + r + "³·" + r + "²", 1000.0 * eps,
                      "‰", 4, 1000.0});
    AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", "38.5", "σ<sub>s</sub>", N(sigma),
                      sigma, "N/mm²", 1});
}

} // namespace

Traza TrazaDiagramaAcero(const EstadoDiseno& e, const EleccionDiagrama& c, double eps) {
    Traza t;
    const bool reducido = c.ControlAcero == ControlDeAcero::Reducido;
    t.Nota(TextoEtiquetaAcero(c.DesignacionAcero) + ", diagrama de la armadura " +
               (e.ArmaduraPasiva ? "pasiva" : "activa") + ", control " +
               (reducido ? "reducido" : "normal") + ".",
           e.ArmaduraPasiva ? "38.4" : "38.5");
    AnadirCalculo(t, {"f<sub>yd</sub>", "Resistencia de cálculo del acero", "38.4",
                      reducido ? "0.75·f<sub>yk</sub>/γ<sub>s</sub>" : "f<sub>yk</sub>/γ<sub>s</sub>",
                      (reducido ? "0.75·" : "") + N(e.fyk) + "/" + N(e.gammaS), e.fyd, "N/mm²",
                      1});
    const double Es = ModuloAcero(e);
    const double limite = e.ArmaduraPasiva ? e.fyd : 0.7 * e.fyd;
    AnadirCalculo(t, {e.ArmaduraPasiva ? "ε<sub>y</sub>" : "ε<sub>p</sub>",
                      e.ArmaduraPasiva ? "Deformación del límite elástico"
                                       : "Deformación del límite de proporcionalidad",
                      "38.4", e.ArmaduraPasiva ? "f<sub>yd</sub>/E<sub>s</sub>"
                                               : "0.7·f<sub>yd</sub>/E<sub>s</sub>",
                      N(limite) + "/" + N(Es), 1000.0 * limite / Es, "‰", 4, 1000.0});
    const double sigma = TensionAcero(e, eps, e.fyd);
    if (!std::isfinite(sigma)) {
        t.Nota("La deformación ε = " + NumeroLegible(eps) +
                   " queda fuera del diagrama de la armadura activa (100 a 1000 N/mm²).",
               "38.5");
        return t;
    }
    if (eps >= limite / Es && e.ArmaduraPasiva) {
        t.Nota("ε ≥ εy: rama horizontal, σs = fyd.", "38.4");
        AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", "38.4", "f<sub>yd</sub>",
                          N(sigma), sigma, "N/mm²", 1});
    } else if (sigma > 0.7 * e.fyd && !e.ArmaduraPasiva) {
        PasoTensionActiva(t, Es, e.fyd, eps, sigma);
    } else {
        t.Nota("Rama elástica: σs = Es·εs.", e.ArmaduraPasiva ? "38.4" : "38.5");
        AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", "38.4",
                          "E<sub>s</sub>·ε<sub>s</sub>", N(Es) + "·" + N(eps), sigma, "N/mm²", 1});
    }
    return t;
}

Traza TrazaParabola(const EstadoDiseno& e, const ValoresParabola& v) {
    Traza t;
    AnadirCalculo(t, {"f<sub>cd</sub>", "Resistencia de cálculo del hormigón", "39.4",
                      "f<sub>ck</sub>/γ<sub>c</sub>", N(v.fck) + "/" + N(e.gammaC), e.fcd,
                      "N/mm²", 2});
    const bool todaComprimida = e.x > e.h;
    t.Nota(todaComprimida
               ? "Sección toda comprimida (x > h): la deformación gira alrededor del punto a 3/7 "
                 "del canto con 2 ‰."
               : (e.epsC >= ehe98::EpsilonCU - 1e-12
                      ? "Fibra más comprimida en 3.5 ‰ (agotamiento del hormigón)."
                      : "Armadura en 10 ‰: la fibra más comprimida no llega a 3.5 ‰."),
           "39.5");
    AnadirCalculo(t, {"ε<sub>c</sub>", "Deformación de la fibra más comprimida", "39.5",
                      "ε<sub>c</sub>", N(1000.0 * e.epsC), 1000.0 * e.epsC, "‰", 4});
    if (e.SeccionRectangular && !todaComprimida) {
        const bool rectangulo = e.epsC >= ehe98::EpsilonC0;
        const std::string f = rectangulo ? "k = 0.002/ε<sub>c</sub>" : "m = ε<sub>c</sub>/0.002";
        const std::string q = rectangulo ? "(0.002/" + N(e.epsC) + ")" : "(" + N(e.epsC) + "/0.002)";
        AnadirCalculo(t, {"C", "Resultante de las compresiones", "39.5",
                          rectangulo ? "0.85·f<sub>cd</sub>·b·x·(1 − k/3), " + f
                                     : "0.85·f<sub>cd</sub>·b·x·(m − m²/3), " + f,
                          "0.85·" + N(e.fcd) + "·" + N(e.b) + "·" + N(e.x) +
                              (rectangulo ? "·(1 − " + q + "/3)" : "·(" + q + " − " + q + "²/3)"),
                          e.Cc * 0.001, "kN", 3, 0.001});
        const std::string brazo = rectangulo
                                      ? "(0.5 − " + q + "²/12)/(1 − " + q + "/3)"
                                      : "(2·" + q + "/3 − " + q + "²/4)/(" + q + " − " + q + "²/3)";
        AnadirCalculo(t, {"x<sub>g</sub>", "Profundidad de la resultante", "39.5",
                          rectangulo ? "x·(1 − (1/2 − k²/12)/(1 − k/3))"
                                     : "x·(1 − (2m/3 − m²/4)/(m − m²/3))",
                          N(e.x) + "·(1 − " + brazo + ")", e.yc * 0.001, "m", 3, 0.001});
        return t;
    }
    t.Nota("Sección en T o toda comprimida: la ley de tensiones se integra franja a franja "
           "sobre la anchura de la sección.",
           "39.5");
    AnadirCalculo(t, {"C", "Resultante de las compresiones", "39.5",
                      "∫ σ<sub>c</sub>(y)·b(y) dy", N(e.Cc), e.Cc * 0.001, "kN", 3, 0.001});
    AnadirCalculo(t, {"x<sub>g</sub>", "Profundidad de la resultante", "39.5",
                      "∫ σ<sub>c</sub>·b·y dy / C", N(e.yc), e.yc * 0.001, "m", 3, 0.001});
    return t;
}

} // namespace velmora
