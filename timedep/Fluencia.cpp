#include "timedep/Fluencia.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>

namespace velmora {

namespace {

using R = Resultado<ResultadosFluencia>;

std::array<ValorMostrado, 13> ValoresMostrados(const ResultadosFluencia& r) {
    return {{{1000.0 * r.epsEi, 10, 6},
             {1000.0 * r.epsEd, 10, 6},
             {1000.0 * r.epsPi, 10, 6},
             {1000.0 * r.epsPd, 10, 6},
             {r.phiTj, 10, 6},
             {r.Ecj, 8, 1},
             {r.Ec28, 8, 1},
             {r.fcj, 3, 1},
             {r.betaTj, 6, 6},
             {r.phiF1, 2, 1},
             {r.phiF2, 5, 4},
             {r.betaJ, 6, 6},
             {r.betaT, 6, 6}}};
}

// Las comprobaciones de siempre, con sus mensajes.
Estado ComprobarSentido(const DatosFluencia& d) {
    if (!(d.fck > 0.0))
        return Estado::Error("La resistencia característica fck debe ser mayor que cero (valor "
                             "recibido: " +
                                 NumeroEnMensaje(d.fck) + " kp/cm²).",
                             "ResistenciaCaracteristica");
    if (const auto e = EspesorFicticio(d.Ambiente, d.A, d.u, d.EspesorConocido); !e)
        return e.error();
    if (d.sigma == 0.0)
        return Estado::Error("La tensión aplicada σc no puede ser nula: el coeficiente de "
                             "fluencia se obtiene dividiendo por ella.",
                             "Tension");
    if (!(d.j > 0.0))
        return Estado::Error(
            "La edad de puesta en carga j debe ser mayor que cero (valor recibido: " +
                NumeroEnMensaje(d.j) + " días).",
            "Tiempo01");
    if (!(d.t > 0.0))
        return Estado::Error("La edad de cálculo t debe ser mayor que cero (valor recibido: " +
                                 NumeroEnMensaje(d.t) + " días).",
                             "Tiempo02");
    if (d.t < d.j)
        return Estado::Error("La edad de cálculo t (" + NumeroEnMensaje(d.t) +
                                 " días) no puede ser anterior a la edad de puesta en carga j (" +
                                 NumeroEnMensaje(d.j) + " días).",
                             "Tiempo02");
    return Correcto();
}

Estado ComprobarIntervalos(const DatosFluencia& d) {
    if (auto r = ComprobarIntervalo(CampoFckFluencia, d.fck); !r)
        return r;
    if (auto r = ComprobarIntervalosSeccion(d.A, d.u, d.EspesorConocido); !r)
        return r;
    for (const auto& [campo, valor] : {std::pair{&CampoTension, d.sigma},
                                       std::pair{&CampoEdadCarga, d.j},
                                       std::pair{&CampoEdadCalculo, d.t}})
        if (auto r = ComprobarIntervalo(*campo, valor); !r)
            return r;
    return Correcto();
}

} // namespace

Resultado<DatosFluencia> LeerDatosFluencia(const TextosCampos& textos, bool espesorConocido,
                                           MedioAmbiente ambiente) {
    DatosFluencia d;
    d.EspesorConocido = espesorConocido;
    d.Ambiente = ambiente;
    const std::pair<const Campo*, double*> campos[] = {
        {&CampoFckFluencia, &d.fck},
        {espesorConocido ? nullptr : &CampoArea, &d.A}, // el área no se usa con el espesor
        {&CampoPerimetroOEspesor(espesorConocido), &d.u},
        {&CampoTension, &d.sigma},
        {&CampoEdadCarga, &d.j},
        {&CampoEdadCalculo, &d.t},
    };
    for (const auto& [campo, destino] : campos) {
        if (!campo)
            continue;
        const auto r = LeerCampo(textos, *campo);
        if (!r)
            return r.error();
        *destino = *r;
    }
    return d;
}

Resultado<DatosFluencia> LeerDatosFluencia(const EntradaFluencia& e) {
    const auto ambiente = LeerMedioAmbiente(e.MedioAmbiente);
    if (!ambiente)
        return ambiente.error();
    const TextosCampos textos{{"ResistenciaCaracteristica", e.ResistenciaCaracteristica},
                              {"Area", e.Area},
                              {"Perimetro", e.Perimetro},
                              {"Tension", e.Tension},
                              {"Tiempo01", e.Tiempo01},
                              {"Tiempo02", e.Tiempo02}};
    return LeerDatosFluencia(textos, e.EspesorFicticioConocido, *ambiente);
}

double FcInfinito(double fck) {
    const double k28 = Potencia(28.0, 0.75);
    return fck * (k28 + 5.5) / k28;
}

double Fcj(double fcInf, double j) {
    const double jk = Potencia(j, 0.75);
    return fcInf * jk / (jk + 5.5);
}

double ModuloEc(double fc) {
    return 19000.0 * std::sqrt(fc);
}

double BetaD(double delta) {
    const double D = Potencia(delta, 3);
    return (delta + 10.0) / (delta + 40.0) -
           900000.0 * D / (D * D + 10000000.0 * D + 100000000000.0);
}

double BetaA(double fcj, double fcInf) {
    return 0.8 * (1.0 - fcj / fcInf);
}

double PhiF1(MedioAmbiente ambiente) {
    static constexpr std::array<double, NumeroAmbientes> valores{0.8, 1.0, 2.0, 3.0};
    return valores[static_cast<std::size_t>(ambiente)];
}

double PhiF2(double e) {
    return 1.12 * (e + 31.0) / (e + 17.0);
}

double CoeficienteB(double e) {
    return 1.0 - 0.12 * Potencia(e, 0.3);
}

double CoeficienteC(double e) {
    return 1.0 + 3.759398496240601e-05 * Potencia(e, 1.7);
}

namespace {

// βf(x) = S(x)^a(x): la base y el exponente, que la memoria muestra.
struct PartesBetaF {
    double xB = 0, S = 0, a = 0;
};

PartesBetaF PartesFuncionBetaF(double x, double B, double C) {
    const double xB = Potencia(x, B);
    const double x3 = Potencia(x, 3);
    return {xB, C * xB / (xB + 21.5) + 4.0 * x3 / (Potencia(x, 5) + 2430.0),
            100000000000.0 / (x3 + 100000000000.0)};
}

} // namespace

double FuncionBetaF(double x, double B, double C) {
    const PartesBetaF p = PartesFuncionBetaF(x, B, C);
    return Potencia(p.S, p.a);
}

double CoeficienteFluencia(double epsEd, double epsPi, double epsPd, double Ec28, double sigma) {
    return (epsEd + epsPi + epsPd) * Ec28 / sigma;
}

namespace {

constexpr const char* Art = "39.8";

// εx = k·σ/Ec en ‰.
void PasoDeformacion(Traza& t, const std::string& simbolo, const std::string& descripcion,
                     const std::string& formula, const std::string& factor, double sigma,
                     double Ec, double valor) {
    AnadirCalculo(t, {simbolo, descripcion, Art, formula, factor + N(sigma) + "/" + N(Ec),
                      1000.0 * valor, "‰", 6, 1000.0});
}

void PasosDatos(Traza& t, const DatosFluencia& d, double e) {
    t.Nota("Deformaciones bajo una tensión constante σc = " + NumeroLegible(d.sigma) +
               " kp/cm² aplicada a la edad j = " + NumeroLegible(d.j) +
               " días, calculadas a la edad t = " + NumeroLegible(d.t) + " días.",
           Art);
    PasoEspesorFicticio(t, d.A, d.u, d.EspesorConocido, d.Ambiente, e);
}

void PasosResistencia(Traza& t, const DatosFluencia& d, double fcInf,
                      const ResultadosFluencia& r) {
    const double k28 = Potencia(28.0, 0.75), jk = Potencia(d.j, 0.75);
    AnadirCalculo(t, {"f<sub>c∞</sub>", "Resistencia a tiempo infinito", Art,
                      "f<sub>ck</sub>·(28<sup>0.75</sup> + 5.5)/28<sup>0.75</sup>",
                      N(d.fck) + "·(" + N(k28) + " + 5.5)/" + N(k28), fcInf, "kp/cm²", 3});
    AnadirCalculo(t, {"f<sub>cj</sub>", "Resistencia a la edad de puesta en carga", Art,
                      "f<sub>c∞</sub>·j<sup>0.75</sup>/(j<sup>0.75</sup> + 5.5)",
                      N(fcInf) + "·" + N(jk) + "/(" + N(jk) + " + 5.5)", r.fcj, "kp/cm²", 1});
    AnadirCalculo(t, {"E<sub>cj</sub>", "Módulo de deformación a la edad j", Art,
                      "19000·√(f<sub>cj</sub>)", "19000·√(" + N(r.fcj) + ")", r.Ecj, "kp/cm²", 1});
    AnadirCalculo(t, {"E<sub>c28</sub>", "Módulo de deformación a 28 días", Art,
                      "19000·√(f<sub>ck</sub>)", "19000·√(" + N(d.fck) + ")", r.Ec28, "kp/cm²",
                      1});
    PasoDeformacion(t, "ε<sub>ei</sub>", "Deformación elástica instantánea",
                    "σ<sub>c</sub>/E<sub>cj</sub>", "", d.sigma, r.Ecj, r.epsEi);
}

void PasosInstantaneas(Traza& t, const DatosFluencia& d, double fcInf, double betaA,
                       const ResultadosFluencia& r) {
    const std::string D = N(d.t - d.j);
    AnadirCalculo(t, {"β<sub>d</sub>(t−j)", "Función de la deformación elástica diferida", Art,
                      "(Δ + 10)/(Δ + 40) − 900000·Δ³/(Δ³·Δ³ + 10⁷·Δ³ + 10¹¹), Δ = t − j",
                      "(" + D + " + 10)/(" + D + " + 40) − 900000·" + D + "³/(" + D + "³·" + D +
                          "³ + 10000000·" + D + "³ + 100000000000)",
                      r.betaTj, "", 6});
    PasoDeformacion(t, "ε<sub>ed</sub>", "Deformación elástica diferida",
                    "0.4·β<sub>d</sub>(t−j)·σ<sub>c</sub>/E<sub>c28</sub>",
                    "0.4·" + N(r.betaTj) + "·", d.sigma, r.Ec28, r.epsEd);
    AnadirCalculo(t, {"β<sub>a</sub>(j)", "Coeficiente de la deformación plástica instantánea",
                      Art, "0.8·(1 − f<sub>cj</sub>/f<sub>c∞</sub>)",
                      "0.8·(1 − " + N(r.fcj) + "/" + N(fcInf) + ")", betaA, "", 6});
    PasoDeformacion(t, "ε<sub>pi</sub>", "Deformación plástica instantánea",
                    "β<sub>a</sub>(j)·σ<sub>c</sub>/E<sub>c28</sub>", N(betaA) + "·", d.sigma,
                    r.Ec28, r.epsPi);
}

void PasosCoeficientes(Traza& t, const ResultadosFluencia& r, double B, double C) {
    AnadirCalculo(t, {"φ<sub>f1</sub>", "Coeficiente del ambiente (tabla)", Art,
                      "φ<sub>f1</sub>", N(r.phiF1), r.phiF1, "", 1});
    AnadirCalculo(t, {"φ<sub>f2</sub>", "Coeficiente del espesor ficticio", Art,
                      "1.12·(e + 31)/(e + 17)",
                      "1.12·(" + N(r.e) + " + 31)/(" + N(r.e) + " + 17)", r.phiF2, "", 4});
    AnadirCalculo(t, {"B", "Coeficiente de la función βf", Art, "1 − 0.12·e<sup>0.3</sup>",
                      "1 − 0.12·" + N(Potencia(r.e, 0.3)), B, "", 6});
    AnadirCalculo(t, {"C", "Coeficiente de la función βf", Art,
                      "1 + 3.7594·10⁻⁵·e<sup>1.7</sup>",
                      "1 + 0.00003759398496·" + N(Potencia(r.e, 1.7)), C, "", 6});
}

void PasosBetaF(Traza& t, const std::string& edad, double x, double C, const PartesBetaF& p,
                double beta) {
    const std::string X = N(x), xB = N(p.xB);
    AnadirCalculo(t, {"S(" + edad + ")", "Base de la función de tiempo βf", Art,
                      "C·" + edad + "<sup>B</sup>/(" + edad + "<sup>B</sup> + 21.5) + 4·" + edad +
                          "³/(" + edad + "⁵ + 2430)",
                      N(C) + "·" + xB + "/(" + xB + " + 21.5) + 4·" + X + "³/(" + X + "³·" + X +
                          "² + 2430)",
                      p.S, "", 6});
    AnadirCalculo(t, {"a(" + edad + ")", "Exponente de la función βf", Art,
                      "10¹¹/(" + edad + "³ + 10¹¹)", "100000000000/(" + X + "³ + 100000000000)",
                      p.a, "", 6});
    // La potencia real no es aritmética simple: se da su valor.
    AnadirCalculo(t, {"β<sub>f</sub>(" + edad + ")",
                      "Función de tiempo de la deformación plástica diferida", Art,
                      "S(" + edad + ")<sup>a(" + edad + ")</sup>", N(beta), beta, "", 6});
}

void PasosFinales(Traza& t, const DatosFluencia& d, const ResultadosFluencia& r) {
    PasoDeformacion(t, "ε<sub>pd</sub>", "Deformación plástica diferida",
                    "φ<sub>f1</sub>·φ<sub>f2</sub>·(β<sub>f</sub>(t) − β<sub>f</sub>(j))·σ<sub>c</sub>/"
                    "E<sub>c28</sub>",
                    N(r.phiF1) + "·" + N(r.phiF2) + "·(" + N(r.betaT) + " − " + N(r.betaJ) + ")·",
                    d.sigma, r.Ec28, r.epsPd);
    AnadirCalculo(t, {"φ(t,j)", "Coeficiente de fluencia", Art,
                      "(ε<sub>ed</sub> + ε<sub>pi</sub> + ε<sub>pd</sub>)·E<sub>c28</sub>/σ<sub>c</sub>",
                      "(" + N(r.epsEd) + " + " + N(r.epsPi) + " + " + N(r.epsPd) + ")·" +
                          N(r.Ec28) + "/" + N(d.sigma),
                      r.phiTj, "", 6});
}

// El cálculo, con sus pasos en `t` si se piden.
ResultadosFluencia Evaluar(const DatosFluencia& d, double e, Traza* t) {
    ResultadosFluencia r;
    r.j = d.j;
    r.t = d.t;
    r.e = e;
    if (t)
        PasosDatos(*t, d, e);
    const double fcInf = FcInfinito(d.fck);
    r.fcj = Fcj(fcInf, d.j);
    r.Ecj = ModuloEc(r.fcj);
    r.Ec28 = ModuloEc(d.fck);
    r.epsEi = d.sigma / r.Ecj;
    if (t)
        PasosResistencia(*t, d, fcInf, r);
    r.betaTj = BetaD(d.t - d.j);
    r.epsEd = 0.4 * r.betaTj * d.sigma / r.Ec28;
    const double betaA = BetaA(r.fcj, fcInf);
    r.epsPi = betaA * d.sigma / r.Ec28;
    if (t)
        PasosInstantaneas(*t, d, fcInf, betaA, r);
    r.phiF1 = PhiF1(d.Ambiente);
    r.phiF2 = PhiF2(r.e);
    const double B = CoeficienteB(r.e), C = CoeficienteC(r.e);
    if (t)
        PasosCoeficientes(*t, r, B, C);
    const PartesBetaF pt = PartesFuncionBetaF(d.t, B, C);
    r.betaT = Potencia(pt.S, pt.a);
    if (t)
        PasosBetaF(*t, "t", d.t, C, pt, r.betaT);
    const PartesBetaF pj = PartesFuncionBetaF(d.j, B, C);
    r.betaJ = Potencia(pj.S, pj.a);
    if (t)
        PasosBetaF(*t, "j", d.j, C, pj, r.betaJ);
    r.epsPd = r.phiF1 * r.phiF2 * (r.betaT - r.betaJ) * d.sigma / r.Ec28;
    r.phiTj = CoeficienteFluencia(r.epsEd, r.epsPi, r.epsPd, r.Ec28, d.sigma);
    if (t)
        PasosFinales(*t, d, r);
    return r;
}

} // namespace

Resultado<ResultadosFluencia> CalcularFluencia(const DatosFluencia& d, Traza* traza) {
    if (auto c = ComprobarSentido(d); !c)
        return c.error();
    // Los intervalos antes del cálculo: un dato diminuto fuera de ellos (una edad de 1e-200
    // días) daría un resultado no finito sin nombrar el campo.
    if (auto c = ComprobarIntervalos(d); !c)
        return c.error();
    Traza pasos; // se pasan a `traza` solo si el resultado vale
    const ResultadosFluencia r = Evaluar(
        d, *EspesorFicticio(d.Ambiente, d.A, d.u, d.EspesorConocido), traza ? &pasos : nullptr);
    for (double v : {r.e, r.fcj, r.Ecj, r.betaTj, r.phiF2, r.betaJ, r.betaT, r.epsEi, r.epsEd,
                     r.epsPi, r.epsPd, r.phiTj})
        if (!std::isfinite(v))
            return R::Error("Con estos datos la fluencia no tiene un resultado finito: revise la "
                            "sección, la tensión y las edades.");
    if (!SeMuestran(ValoresMostrados(r)))
        return ResultadoNoRepresentable("la fluencia");
    if (traza)
        AnadirPasos(*traza, std::move(pasos));
    return r;
}

TextosFluencia RotularFluencia(const ResultadosFluencia& r, const std::string& textoJ,
                               const std::string& textoT) {
    const auto v = ValoresMostrados(r);
    std::array<std::string, v.size()> s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s[i] = TextoValor(v[i]);
    const std::string j = TextoEdadEnSubindice(textoJ, r.j);
    const std::string t = TextoEdadEnSubindice(textoT, r.t);
    return {s[0], s[1], s[2],  s[3],  s[4],    s[5],      s[6], s[7],  s[8], s[9],
            s[10], s[11], s[12], "c" + j, "c" + j, t + "-" + j, j,   t};
}

} // namespace velmora
