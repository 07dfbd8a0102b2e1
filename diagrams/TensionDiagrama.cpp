// Tensión del diagrama de cálculo del acero para una deformación: EHE-98, art. 38.4 (armadura
// pasiva) y 38.5 (activa); Código Estructural, Anejo 19, 3.2.7, con la rama superior elegida.
// Con una traza, cada paso se anota con los mismos números con que se calcula.

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "diagrams/DiagramaAcero.h"
#include "diagrams/ce/AceroCE.h"
#include "design/MaterialesDelEstado.h"

#include <cmath>
#include <limits>

namespace velmora {

namespace {

// EHE-98: el acero elegido, fyd y la deformación del límite de la rama elástica.
void PasosDatosAceroEHE98(Traza& t, const EstadoDiseno& e, const EleccionDiagrama& c, double Es,
                          double limite) {
    const bool reducido = c.ControlAcero == ControlDeAcero::Reducido;
    t.Nota(TextoEtiquetaAcero(c.DesignacionAcero) + ", diagrama de la armadura " +
               (e.ArmaduraPasiva ? "pasiva" : "activa") + ", control " +
               (reducido ? "reducido" : "normal") + ".",
           e.ArmaduraPasiva ? "38.4" : "38.5");
    AnadirCalculo(t, {"f<sub>yd</sub>", "Resistencia de cálculo del acero", "38.4",
                      reducido ? "0.75·f<sub>yk</sub>/γ<sub>s</sub>" : "f<sub>yk</sub>/γ<sub>s</sub>",
                      (reducido ? "0.75·" : "") + N(e.fyk) + "/" + N(e.gammaS), e.fyd, "N/mm²",
                      1});
    AnadirCalculo(t, {e.ArmaduraPasiva ? "ε<sub>y</sub>" : "ε<sub>p</sub>",
                      e.ArmaduraPasiva ? "Deformación del límite elástico"
                                       : "Deformación del límite de proporcionalidad",
                      "38.4", e.ArmaduraPasiva ? "f<sub>yd</sub>/E<sub>s</sub>"
                                               : "0.7·f<sub>yd</sub>/E<sub>s</sub>",
                      N(limite) + "/" + N(Es), 1000.0 * limite / Es, "‰", 4, 1000.0});
}

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

// EHE-98: la rama en que cae la deformación, con las mismas condiciones que TensionAcero.
void PasoTensionEHE98(Traza& t, const EstadoDiseno& e, double eps, double Es, double limite,
                      double sigma) {
    if (!std::isfinite(sigma)) {
        t.Nota("La deformación ε = " + NumeroLegible(eps) +
                   " queda fuera del diagrama de la armadura activa (100 a 1000 N/mm²).",
               "38.5");
    } else if (eps >= limite / Es && e.ArmaduraPasiva) {
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
}

double TensionEHE98(const EstadoDiseno& e, const EleccionDiagrama& c, double eps, Traza* traza) {
    const double Es = ModuloAcero(e);
    const double limite = e.ArmaduraPasiva ? e.fyd : 0.7 * e.fyd;
    if (traza)
        PasosDatosAceroEHE98(*traza, e, c, Es, limite);
    const double sigma = TensionAcero(e, eps, e.fyd);
    if (traza)
        PasoTensionEHE98(*traza, e, eps, Es, limite, sigma);
    return sigma;
}

// Código Estructural: el acero y la rama elegidos, fyd y εyd.
void PasosDatosAceroCE(Traza& t, const EstadoDiseno& e, const EleccionDiagrama& c, double eyd) {
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
    AnadirCalculo(t, {"ε<sub>yd</sub>", "Deformación del límite elástico de cálculo",
                      Cita(Norma::CodigoEstructural, "3.2.7(4)"), "f<sub>yd</sub>/E<sub>s</sub>",
                      N(e.fyd) + "/" + N(ce::EsArmadura), 1000.0 * eyd, "‰", 4, 1000.0});
}

void PasoRamaElasticaCE(Traza& t, const std::string& cita, const std::string& citaNota,
                        double eps, double sigma) {
    t.Nota("Rama elástica: σs = Es·εs.", citaNota);
    AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero", cita, "E<sub>s</sub>·ε<sub>s</sub>",
                      N(ce::EsArmadura) + "·" + N(eps), sigma, "N/mm²", 1});
}

double TensionRamaHorizontalCE(const EstadoDiseno& e, double eps, double eyd, Traza* traza) {
    const double sigma = ce::SigmaRamaHorizontal(eps, e.fyd);
    if (!traza)
        return sigma;
    const std::string cita = Cita(Norma::CodigoEstructural, "3.2.7(2)b");
    if (std::fabs(eps) >= eyd) {
        traza->Nota("|εs| ≥ εyd: rama horizontal, σs = fyd sin límite de deformación.", cita);
        AnadirCalculo(*traza, {"σ<sub>s</sub>", "Tensión del acero", cita,
                               eps < 0.0 ? "−f<sub>yd</sub>" : "f<sub>yd</sub>", N(sigma), sigma,
                               "N/mm²", 1});
    } else {
        PasoRamaElasticaCE(*traza, cita, cita, eps, sigma);
    }
    return sigma;
}

void PasoRamaInclinada(Traza& t, const EstadoDiseno& e, const RamaInclinada& r, double eps,
                       double eyd, double sigma) {
    const std::string cita = Cita(Norma::CodigoEstructural, "3.2.7(2)a");
    const std::string signo = eps < 0.0 ? "−" : "";
    AnadirCalculo(t, {"σ<sub>s</sub>", "Tensión del acero en la rama inclinada", cita,
                      signo + "(f<sub>yd</sub> + (k·f<sub>yd</sub> − f<sub>yd</sub>)·(|ε<sub>s</sub>| − "
                              "ε<sub>yd</sub>)/(ε<sub>uk</sub> − ε<sub>yd</sub>))",
                      signo + "(" + N(e.fyd) + " + (" + N(r.k * e.fyd) + " − " + N(e.fyd) + ")·(" +
                          N(std::fabs(eps)) + " − " + N(eyd) + ")/(" + N(r.epsUk) + " − " +
                          N(eyd) + "))",
                      sigma, "N/mm²", 1});
}

// Rama inclinada (3.2.7(2)a): k·fyk/γs, εud y, dentro de εud, la tensión; NaN más allá de εud.
double TensionRamaInclinadaCE(const EstadoDiseno& e, const RamaInclinada& r, double eps,
                              double eyd, Traza* traza) {
    const std::string cita = Cita(Norma::CodigoEstructural, "3.2.7(2)a");
    const double eud = ce::EpsilonUd(r.epsUk);
    if (traza) {
        AnadirCalculo(*traza, {"k·f<sub>yk</sub>/γ<sub>s</sub>",
                               "Tensión de la rama inclinada en εuk", cita,
                               "k·f<sub>yk</sub>/γ<sub>s</sub>",
                               N(r.k) + "·" + N(e.fyk) + "/" + N(e.gammaS), r.k * e.fyd, "N/mm²",
                               1});
        AnadirCalculo(*traza, {"ε<sub>ud</sub>", "Límite de deformación", cita,
                               "0.9·ε<sub>uk</sub>", "0.9·" + N(1000.0 * r.epsUk), 1000.0 * eud,
                               "‰", 3});
    }
    if (std::fabs(eps) > eud) {
        if (traza)
            traza->Nota("|εs| = " + NumeroLegible(1000.0 * std::fabs(eps)) +
                            " ‰ pasa de εud: la deformación no se admite en esta rama.",
                        cita);
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double sigma = ce::SigmaRamaInclinada(eps, e.fyd, r.k, r.epsUk);
    if (traza) {
        if (std::fabs(eps) <= eyd)
            PasoRamaElasticaCE(*traza, cita, Cita(Norma::CodigoEstructural, "3.2.7"), eps, sigma);
        else
            PasoRamaInclinada(*traza, e, r, eps, eyd, sigma);
    }
    return sigma;
}

double TensionCE(const EstadoDiseno& e, const EleccionDiagrama& c, double eps, Traza* traza) {
    const double eyd = ce::EpsilonYd(e.fyd);
    if (traza)
        PasosDatosAceroCE(*traza, e, c, eyd);
    if (c.Rama == RamaSuperior::Horizontal)
        return TensionRamaHorizontalCE(e, eps, eyd, traza);
    return TensionRamaInclinadaCE(e, c.Inclinada, eps, eyd, traza);
}

} // namespace

double TensionDiagrama(const EstadoDiseno& e, const EleccionDiagrama& c, double eps,
                       Traza* traza) {
    if (e.norma == Norma::CodigoEstructural)
        return TensionCE(e, c, eps, traza);
    return TensionEHE98(e, c, eps, traza);
}

} // namespace velmora
