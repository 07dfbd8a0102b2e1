// Pasos de las herramientas de diagramas para la memoria: el diagrama del acero (EHE-98, art.
// 38.4) y el bloque parábola-rectángulo (art. 39.5), con las mismas leyes y números; con el
// Código Estructural, Anejo 19, 3.1.7, 3.2.7 y 6.1.

#include "common/Numeros.h"
#include "materiales/ehe98/Leyes.h"
#include "common/PasosTraza.h"
#include "diagrams/DiagramaAcero.h"
#include "diagrams/ParabolaRectangulo.h"
#include "diagrams/ce/AceroCE.h"
#include "materiales/ce/Hormigon.h"
#include "materiales/LeyesMateriales.h"

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

// Código Estructural, rama inclinada (3.2.7(2)a): k·fyk/γs, εud y, dentro de εud, la tensión.
void PasosRamaInclinada(Traza& t, const EstadoDiseno& e, const RamaInclinada& r, double eps) {
    const std::string cita = Cita(Norma::CodigoEstructural, "3.2.7(2)a");
    AnadirCalculo(t, {"k·f<sub>yk</sub>/γ<sub>s</sub>", "Tensión de la rama inclinada en εuk",
                      cita, "k·f<sub>yk</sub>/γ<sub>s</sub>",
                      N(r.k) + "·" + N(e.fyk) + "/" + N(e.gammaS), r.k * e.fyd, "N/mm²", 1});
    const double eud = ce::EpsilonUd(r.epsUk);
    AnadirCalculo(t, {"ε<sub>ud</sub>", "Límite de deformación", cita, "0.9·ε<sub>uk</sub>",
                      "0.9·" + N(1000.0 * r.epsUk), 1000.0 * eud, "‰", 3});
    const double eyd = ce::EpsilonYd(e.fyd);
    if (std::fabs(eps) > eud) {
        t.Nota("|εs| = " + NumeroLegible(1000.0 * std::fabs(eps)) +
                   " ‰ pasa de εud: la deformación no se admite en esta rama.",
               cita);
        return;
    }
    const double sigma = ce::SigmaRamaInclinada(eps, e.fyd, r.k, r.epsUk);
    if (std::fabs(eps) <= eyd) {
        t.Nota("Rama elástica: σs = Es·εs.", Cita(Norma::CodigoEstructural, "3.2.7"));
        AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", cita,
                          "E<sub>s</sub>·ε<sub>s</sub>", N(ce::EsArmadura) + "·" + N(eps), sigma,
                          "N/mm²", 1});
        return;
    }
    const std::string signo = eps < 0.0 ? "−" : "";
    AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero en la rama inclinada", cita,
                      signo + "(f<sub>yd</sub> + (k·f<sub>yd</sub> − f<sub>yd</sub>)·(|ε<sub>s</sub>| − "
                              "ε<sub>yd</sub>)/(ε<sub>uk</sub> − ε<sub>yd</sub>))",
                      signo + "(" + N(e.fyd) + " + (" + N(r.k * e.fyd) + " − " + N(e.fyd) + ")·(" +
                          N(std::fabs(eps)) + " − " + N(eyd) + ")/(" + N(r.epsUk) + " − " +
                          N(eyd) + "))",
                      sigma, "N/mm²", 1});
}

Traza TrazaDiagramaAceroCE(const EstadoDiseno& e, const EleccionDiagrama& c, double eps) {
    Traza t;
    const bool inclinada = c.Rama == RamaSuperior::Inclinada;
    const bool intenso = c.ControlAcero == ControlDeAcero::Reducido;
    t.Nota(TextoEtiquetaAcero(c.DesignacionAcero) + ", diagrama de la armadura pasiva, control " +
               (intenso ? "intenso" : "normal") + ", " +
               (inclinada ? "rama superior inclinada con límite εud."
                          : "rama superior horizontal sin límite de deformación."),
           Cita(Norma::CodigoEstructural, inclinada ? "3.2.7(2)a" : "3.2.7(2)b"));
    AnadirCalculo(t, {"f<sub>yd</sub>", "Resistencia de cálculo del acero",
                      Cita(Norma::CodigoEstructural, "3.2.7"), "f<sub>yk</sub>/γ<sub>s</sub>",
                      N(e.fyk) + "/" + N(e.gammaS), e.fyd, "N/mm²", 1});
    const double eyd = ce::EpsilonYd(e.fyd);
    AnadirCalculo(t, {"ε<sub>yd</sub>", "Deformación del límite elástico de cálculo",
                      Cita(Norma::CodigoEstructural, "3.2.7(4)"), "f<sub>yd</sub>/E<sub>s</sub>",
                      N(e.fyd) + "/" + N(ce::EsArmadura), 1000.0 * eyd, "‰", 4, 1000.0});
    if (inclinada) {
        PasosRamaInclinada(t, e, c.Inclinada, eps);
        return t;
    }
    const double sigma = ce::SigmaRamaHorizontal(eps, e.fyd);
    const std::string cita = Cita(Norma::CodigoEstructural, "3.2.7(2)b");
    if (std::fabs(eps) >= eyd) {
        t.Nota("|εs| ≥ εyd: rama horizontal, σs = fyd sin límite de deformación.", cita);
        AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", cita,
                          eps < 0.0 ? "−f<sub>yd</sub>" : "f<sub>yd</sub>", N(sigma), sigma,
                          "N/mm²", 1});
    } else {
        t.Nota("Rama elástica: σs = Es·εs.", cita);
        AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", cita,
                          "E<sub>s</sub>·ε<sub>s</sub>", N(ce::EsArmadura) + "·" + N(eps), sigma,
                          "N/mm²", 1});
    }
    return t;
}

} // namespace

Traza TrazaDiagramaAcero(const EstadoDiseno& e, const EleccionDiagrama& c, double eps) {
    if (e.norma == Norma::CodigoEstructural)
        return TrazaDiagramaAceroCE(e, c, eps);
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
    } else if (eps <= -limite / Es && e.ArmaduraPasiva) {
        t.Nota("ε ≤ −εy: rama horizontal de compresión, σs = −fyd.", "38.4");
        AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", "38.4", "−f<sub>yd</sub>",
                          "−" + N(-sigma), sigma, "N/mm²", 1});
    } else if (sigma > 0.7 * e.fyd && !e.ArmaduraPasiva) {
        PasoTensionActiva(t, Es, e.fyd, eps, sigma);
    } else {
        t.Nota("Rama elástica: σs = Es·εs.", e.ArmaduraPasiva ? "38.4" : "38.5");
        AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", "38.4",
                          "E<sub>s</sub>·ε<sub>s</sub>", N(Es) + "·" + N(eps), sigma, "N/mm²", 1});
    }
    return t;
}

namespace {

// εc2, εcu2 y n de la tabla 3.1 (Anejo 19) con su expresión para fck; las potencias van ya
// calculadas en la sustitución.
void PasosTablaCE(Traza& t, double fck) {
    const std::string cita = Cita(Norma::CodigoEstructural, "3.1.7");
    const bool alta = fck > 50.0;
    const double p053 = alta ? std::pow(fck - 50.0, 0.53) : 0.0;
    const double p4 = std::pow((90.0 - fck) / 100.0, 4.0);
    AnadirCalculo(t, {"ε<sub>c2</sub>", "Deformación al alcanzar la resistencia (tabla 3.1)", cita,
                      alta ? "2.0 + 0.085·(f<sub>ck</sub> − 50)<sup>0.53</sup>" : "2.0",
                      alta ? "2.0 + 0.085·" + N(p053) : "2.0", 1000.0 * ce::EpsilonC2(fck), "‰",
                      3});
    AnadirCalculo(t, {"ε<sub>cu2</sub>", "Deformación de rotura (tabla 3.1)", cita,
                      alta ? "2.6 + 35·((90 − f<sub>ck</sub>)/100)<sup>4</sup>" : "3.5",
                      alta ? "2.6 + 35·" + N(p4) : "3.5", 1000.0 * ce::EpsilonCU2(fck), "‰", 3});
    AnadirCalculo(t, {"n", "Exponente de la parábola (tabla 3.1)", cita,
                      alta ? "1.4 + 23.4·((90 − f<sub>ck</sub>)/100)<sup>4</sup>" : "2.0",
                      alta ? "1.4 + 23.4·" + N(p4) : "2.0", ce::ExponenteN(fck), "", 3});
}

// La resultante y su profundidad en forma cerrada: bloque rectangular con εcu2 arriba (x ≤ h).
void PasosBloqueRectangularCE(Traza& t, const EstadoDiseno& e, double n, double r) {
    const std::string cita = Cita(Norma::CodigoEstructural, "3.1.7");
    const std::string q = "(" + N(r) + ")", m1 = N(n + 1.0), m2 = N(n + 2.0);
    AnadirCalculo(t, {"C", "Resultante de las compresiones", cita,
                      "f<sub>cd</sub>·b·x·(1 − r/(n + 1)), r = ε<sub>c2</sub>/ε<sub>cu2</sub>",
                      N(e.fcd) + "·" + N(e.b) + "·" + N(e.x) + "·(1 − " + q + "/" + m1 + ")",
                      e.Cc * 0.001, "kN", 3, 0.001});
    AnadirCalculo(t, {"x<sub>g</sub>", "Profundidad de la resultante", cita,
                      "x·(1 − (1/2 − r²/((n + 1)·(n + 2)))/(1 − r/(n + 1)))",
                      N(e.x) + "·(1 − (0.5 − " + q + "²/(" + m1 + "·" + m2 + "))/(1 − " + q +
                          "/" + m1 + "))",
                      e.yc * 0.001, "m", 3, 0.001});
}

Traza TrazaParabolaCE(const EstadoDiseno& e, const ValoresParabola& v) {
    Traza t;
    AnadirCalculo(t, {"f<sub>cd</sub>", "Resistencia de cálculo del hormigón (3.15)",
                      Cita(Norma::CodigoEstructural, "3.1.6"),
                      "α<sub>cc</sub>·f<sub>ck</sub>/γ<sub>c</sub>",
                      N(e.alphaCC) + "·" + N(v.fck) + "/" + N(e.gammaC), e.fcd, "N/mm²", 2});
    t.Nota("Diagrama parábola-rectángulo (3.17) y (3.18): σc = fcd·[1 − (1 − εc/εc2)^n] hasta "
           "εc2 y σc = fcd de εc2 a εcu2, sin otro factor sobre fcd.",
           Cita(Norma::CodigoEstructural, "3.1.7"));
    PasosTablaCE(t, v.fck);
    const double ec2 = ce::EpsilonC2(v.fck), ecu2 = ce::EpsilonCU2(v.fck);
    const bool todaComprimida = e.x > e.h;
    t.Nota(todaComprimida
               ? "Sección toda comprimida (x > h): la deformación gira alrededor del punto a "
                 "(1 − εc2/εcu2)·h con εc2; sin pivote en la armadura."
               : "Fibra más comprimida en εcu2 (sin pivote en la armadura: rama horizontal del "
                 "acero sin límite de deformación).",
           Cita(Norma::CodigoEstructural, "6.1"));
    AnadirCalculo(t, {"ε<sub>c</sub>", "Deformación de la fibra más comprimida",
                      Cita(Norma::CodigoEstructural, "6.1"),
                      todaComprimida ? "ε<sub>c2</sub>·x/(x − (1 − ε<sub>c2</sub>/ε<sub>cu2</sub>)·h)"
                                     : "ε<sub>cu2</sub>",
                      todaComprimida ? N(1000.0 * ec2) + "·" + N(e.x) + "/(" + N(e.x) + " − (1 − " +
                                           N(ec2) + "/" + N(ecu2) + ")·" + N(e.h) + ")"
                                     : N(1000.0 * ecu2),
                      1000.0 * e.epsC, "‰", 4});
    if (e.SeccionRectangular && !todaComprimida) {
        PasosBloqueRectangularCE(t, e, ce::ExponenteN(v.fck), ec2 / ecu2);
        return t;
    }
    t.Nota("Sección en T o toda comprimida: la ley de tensiones se integra en forma cerrada "
           "capa a capa sobre la anchura de la sección.",
           Cita(Norma::CodigoEstructural, "3.1.7"));
    AnadirCalculo(t, {"C", "Resultante de las compresiones", Cita(Norma::CodigoEstructural, "3.1.7"),
                      "∫ σ<sub>c</sub>(y)·b(y) dy", N(e.Cc), e.Cc * 0.001, "kN", 3, 0.001});
    AnadirCalculo(t, {"x<sub>g</sub>", "Profundidad de la resultante",
                      Cita(Norma::CodigoEstructural, "3.1.7"), "∫ σ<sub>c</sub>·b·y dy / C",
                      N(e.yc), e.yc * 0.001, "m", 3, 0.001});
    return t;
}

} // namespace

Traza TrazaParabola(const EstadoDiseno& e, const ValoresParabola& v) {
    if (e.norma == Norma::CodigoEstructural)
        return TrazaParabolaCE(e, v);
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
        const std::string c0 = Cifras(ehe98::EpsilonC0), bloque = Cifras(ehe98::Cansancio);
        const std::string f =
            rectangulo ? "k = " + c0 + "/ε<sub>c</sub>" : "m = ε<sub>c</sub>/" + c0;
        const std::string q =
            rectangulo ? "(" + c0 + "/" + N(e.epsC) + ")" : "(" + N(e.epsC) + "/" + c0 + ")";
        AnadirCalculo(t, {"C", "Resultante de las compresiones", "39.5",
                          rectangulo ? bloque + "·f<sub>cd</sub>·b·x·(1 − k/3), " + f
                                     : bloque + "·f<sub>cd</sub>·b·x·(m − m²/3), " + f,
                          bloque + "·" + N(e.fcd) + "·" + N(e.b) + "·" + N(e.x) +
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
