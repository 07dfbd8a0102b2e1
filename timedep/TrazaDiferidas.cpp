// Pasos de los cálculos de fluencia y retracción para la memoria, con las mismas ecuaciones y los
// mismos números que el cálculo.

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "timedep/Comun.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"

namespace velmora {

namespace {

constexpr const char* ArtFluencia = "39.8";
constexpr const char* ArtRetraccion = "39.7";

void PasoEspesor(Traza& t, double A, double u, bool conocido, MedioAmbiente ambiente, double e) {
    if (conocido) {
        t.Nota("Espesor ficticio conocido: e = " + NumeroLegible(e) + " cm.", ArtRetraccion);
        return;
    }
    const double lambda = FactorEspesor(ambiente);
    AnadirCalculo(t, {"e", "Espesor ficticio", ArtRetraccion, "λ·2A/u",
                      N(lambda) + "·2·" + N(A) + "/" + N(u), e, "cm", 3});
}

// εx = k·σ/Ec28 en ‰.
void PasoDeformacion(Traza& t, const std::string& simbolo, const std::string& descripcion,
                     const std::string& formula, const std::string& factor, double sigma,
                     double Ec, double valor) {
    AnadirCalculo(t, {simbolo, descripcion, ArtFluencia, formula,
                      factor + N(sigma) + "/" + N(Ec), 1000.0 * valor, "‰", 6, 1000.0});
}

void PasosBetaF(Traza& t, const char* edad, double x, double B, double C, double beta) {
    const std::string X = N(x), xB = N(Potencia(x, B));
    const double S = C * Potencia(x, B) / (Potencia(x, B) + 21.5) +
                     4.0 * Potencia(x, 3) / (Potencia(x, 5) + 2430.0);
    const double a = 100000000000.0 / (Potencia(x, 3) + 100000000000.0);
    AnadirCalculo(t, {std::string("S(") + edad + ")", "Base de la función de tiempo βf",
                      ArtFluencia,
                      std::string("C·") + edad + "<sup>B</sup>/(" + edad + "<sup>B</sup> + 21.5) + 4·" +
                          edad + "³/(" + edad + "⁵ + 2430)",
                      N(C) + "·" + xB + "/(" + xB + " + 21.5) + 4·" + X + "³/(" + X + "³·" + X +
                          "² + 2430)",
                      S, "", 6});
    AnadirCalculo(t, {std::string("a(") + edad + ")", "Exponente de la función βf", ArtFluencia,
                      std::string("10¹¹/(") + edad + "³ + 10¹¹)",
                      "100000000000/(" + X + "³ + 100000000000)", a, "", 6});
    // La potencia real no es aritmética simple: se da su valor.
    AnadirCalculo(t, {std::string("β<sub>f</sub>(") + edad + ")",
                      "Función de tiempo de la deformación plástica diferida", ArtFluencia,
                      std::string("S(") + edad + ")<sup>a(" + edad + ")</sup>", N(beta), beta,
                      "", 6});
}

} // namespace

Traza TrazaFluencia(const DatosFluencia& d, const ResultadosFluencia& r) {
    Traza t;
    t.Nota("Deformaciones bajo una tensión constante σc = " + NumeroLegible(d.sigma) +
               " kp/cm² aplicada a la edad j = " + NumeroLegible(d.j) +
               " días, calculadas a la edad t = " + NumeroLegible(d.t) + " días.",
           ArtFluencia);
    PasoEspesor(t, d.A, d.u, d.EspesorConocido, d.Ambiente, r.e);
    const double k28 = Potencia(28.0, 0.75), jk = Potencia(d.j, 0.75);
    const double fcInf = FcInfinito(d.fck);
    AnadirCalculo(t, {"f<sub>c∞</sub>", "Resistencia a tiempo infinito", ArtFluencia,
                      "f<sub>ck</sub>·(28<sup>0.75</sup> + 5.5)/28<sup>0.75</sup>",
                      N(d.fck) + "·(" + N(k28) + " + 5.5)/" + N(k28), fcInf, "kp/cm²", 3});
    AnadirCalculo(t, {"f<sub>cj</sub>", "Resistencia a la edad de puesta en carga", ArtFluencia,
                      "f<sub>c∞</sub>·j<sup>0.75</sup>/(j<sup>0.75</sup> + 5.5)",
                      N(fcInf) + "·" + N(jk) + "/(" + N(jk) + " + 5.5)", r.fcj, "kp/cm²", 1});
    AnadirCalculo(t, {"E<sub>cj</sub>", "Módulo de deformación a la edad j", ArtFluencia,
                      "19000·√(f<sub>cj</sub>)", "19000·√(" + N(r.fcj) + ")", r.Ecj, "kp/cm²", 1});
    AnadirCalculo(t, {"E<sub>c28</sub>", "Módulo de deformación a 28 días", ArtFluencia,
                      "19000·√(f<sub>ck</sub>)", "19000·√(" + N(d.fck) + ")", r.Ec28, "kp/cm²",
                      1});
    PasoDeformacion(t, "ε<sub>ei</sub>", "Deformación elástica instantánea",
                    "σ<sub>c</sub>/E<sub>cj</sub>", "", d.sigma, r.Ecj, r.epsEi);
    const std::string D = N(d.t - d.j);
    AnadirCalculo(t, {"β<sub>d</sub>(t−j)", "Función de la deformación elástica diferida",
                      ArtFluencia, "(Δ + 10)/(Δ + 40) − 900000·Δ³/(Δ³·Δ³ + 10⁷·Δ³ + 10¹¹), Δ = t − j",
                      "(" + D + " + 10)/(" + D + " + 40) − 900000·" + D + "³/(" + D + "³·" + D +
                          "³ + 10000000·" + D + "³ + 100000000000)",
                      r.betaTj, "", 6});
    PasoDeformacion(t, "ε<sub>ed</sub>", "Deformación elástica diferida",
                    "0.4·β<sub>d</sub>(t−j)·σ<sub>c</sub>/E<sub>c28</sub>",
                    "0.4·" + N(r.betaTj) + "·", d.sigma, r.Ec28, r.epsEd);
    const double betaA = BetaA(r.fcj, fcInf);
    AnadirCalculo(t, {"β<sub>a</sub>(j)", "Coeficiente de la deformación plástica instantánea",
                      ArtFluencia, "0.8·(1 − f<sub>cj</sub>/f<sub>c∞</sub>)",
                      "0.8·(1 − " + N(r.fcj) + "/" + N(fcInf) + ")", betaA, "", 6});
    PasoDeformacion(t, "ε<sub>pi</sub>", "Deformación plástica instantánea",
                    "β<sub>a</sub>(j)·σ<sub>c</sub>/E<sub>c28</sub>", N(betaA) + "·", d.sigma,
                    r.Ec28, r.epsPi);
    AnadirCalculo(t, {"φ<sub>f1</sub>", "Coeficiente del ambiente (tabla)", ArtFluencia,
                      "φ<sub>f1</sub>", N(r.phiF1), r.phiF1, "", 1});
    AnadirCalculo(t, {"φ<sub>f2</sub>", "Coeficiente del espesor ficticio", ArtFluencia,
                      "1.12·(e + 31)/(e + 17)",
                      "1.12·(" + N(r.e) + " + 31)/(" + N(r.e) + " + 17)", r.phiF2, "", 4});
    const double B = CoeficienteB(r.e), C = CoeficienteC(r.e);
    AnadirCalculo(t, {"B", "Coeficiente de la función βf", ArtFluencia, "1 − 0.12·e<sup>0.3</sup>",
                      "1 − 0.12·" + N(Potencia(r.e, 0.3)), B, "", 6});
    AnadirCalculo(t, {"C", "Coeficiente de la función βf", ArtFluencia,
                      "1 + 3.7594·10⁻⁵·e<sup>1.7</sup>",
                      "1 + 0.00003759398496·" + N(Potencia(r.e, 1.7)), C, "", 6});
    PasosBetaF(t, "t", d.t, B, C, r.betaT);
    PasosBetaF(t, "j", d.j, B, C, r.betaJ);
    PasoDeformacion(t, "ε<sub>pd</sub>", "Deformación plástica diferida",
                    "φ<sub>f1</sub>·φ<sub>f2</sub>·(β<sub>f</sub>(t) − β<sub>f</sub>(j))·σ<sub>c</sub>/"
                    "E<sub>c28</sub>",
                    N(r.phiF1) + "·" + N(r.phiF2) + "·(" + N(r.betaT) + " − " + N(r.betaJ) + ")·",
                    d.sigma, r.Ec28, r.epsPd);
    AnadirCalculo(t, {"φ(t,j)", "Coeficiente de fluencia", ArtFluencia,
                      "(ε<sub>ed</sub> + ε<sub>pi</sub> + ε<sub>pd</sub>)·E<sub>c28</sub>/σ<sub>c</sub>",
                      "(" + N(r.epsEd) + " + " + N(r.epsPi) + " + " + N(r.epsPd) + ")·" +
                          N(r.Ec28) + "/" + N(d.sigma),
                      r.phiTj, "", 6});
    return t;
}

Traza TrazaRetraccion(const DatosRetraccion& d, const ResultadosRetraccion& r) {
    Traza t;
    t.Nota("Retracción del hormigón en masa a la edad t = " + NumeroLegible(d.t) +
               " días (corregida con la temperatura).",
           ArtRetraccion);
    PasoEspesor(t, d.A, d.u, d.EspesorConocido, d.Ambiente, r.e);
    AnadirCalculo(t, {"ε<sub>s1</sub>", "Deformación básica del ambiente (tabla)", ArtRetraccion,
                      "ε<sub>s1</sub>", N(r.epsS1), r.epsS1, "", 6});
    AnadirCalculo(t, {"ε<sub>s2</sub>", "Coeficiente del espesor ficticio", ArtRetraccion,
                      "0.7·(e + 16)/(e + 7)", "0.7·(" + N(r.e) + " + 16)/(" + N(r.e) + " + 7)",
                      r.epsS2, "", 6});
    const std::string T = N(d.t);
    AnadirCalculo(t, {"p", "Exponente del término del espesor", ArtRetraccion,
                      "1.34·(1 − t/60000)·(1 − 0.9/t²)",
                      "1.34·(1 − " + T + "/60000)·(1 − 0.9/" + T + "²)", r.p, "", 6});
    const double kappa = Kappa(d.Hormigon);
    if (kappa != 1.0)
        t.Nota("Consistencia " + std::string(kappa < 1.0 ? "seca" : "semifluida") +
                   ": κ = " + NumeroLegible(kappa) + ".",
               ArtRetraccion);
    const std::string tk = N(Potencia(d.t, 0.875)), ep = N(Potencia(r.e, r.p));
    AnadirCalculo(t, {"β<sub>r</sub>(t)", "Evolución de la retracción en el tiempo",
                      ArtRetraccion, "κ·t<sup>0.875</sup>/(t<sup>0.875</sup> + 1.5·e<sup>p</sup>)",
                      N(kappa) + "·" + tk + "/(" + tk + " + 1.5·" + ep + ")", r.betaR, "", 6});
    AnadirCalculo(t, {"ε<sub>r</sub>", "Deformación de retracción", ArtRetraccion,
                      "ε<sub>s1</sub>·ε<sub>s2</sub>·β<sub>r</sub>(t)",
                      N(r.epsS1) + "·" + N(r.epsS2) + "·" + N(r.betaR), 1000.0 * r.epsR, "‰", 6,
                      1000.0});
    return t;
}

} // namespace velmora
