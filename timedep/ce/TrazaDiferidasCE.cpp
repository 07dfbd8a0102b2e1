// Pasos de la fluencia y de la retracción del Código Estructural para la memoria, con las mismas
// ecuaciones y los mismos números que el cálculo. Una potencia o una exponencial no son
// aritmética simple: la sustitución da su valor.

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "materiales/ce/Hormigon.h"
#include "norma/Norma.h"
#include "timedep/ce/FluenciaCE.h"
#include "timedep/ce/RetraccionCE.h"

#include <cmath>

namespace velmora::ce {

namespace {

std::string A19(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

std::string NombreCemento(ClaseCemento c) {
    static constexpr const char* nombres[] = {"S", "N", "R"};
    return nombres[static_cast<int>(c)];
}

// h0 = 2·Ac/u (mm), o el escrito; fcm de la tabla 3.1.
void PasosSeccionYHormigon(Traza& t, const DatosHormigonCE& h, double valorFcm) {
    if (h.EspesorConocido)
        t.Nota("Espesor medio conocido: h<sub>0</sub> = " + NumeroLegible(h.h0) + " mm.",
               A19("B.6"));
    else
        AnadirCalculo(t, {"h<sub>0</sub>", "Espesor medio de la sección", A19("B.6"),
                          "2·A<sub>c</sub>/u", "2·" + N(h.Ac) + "/" + N(h.u), h.h0, "mm", 1});
    AnadirCalculo(t, {"f<sub>cm</sub>", "Resistencia media a compresión", A19("tabla 3.1"),
                      "f<sub>ck</sub> + 8", N(h.fck) + " + 8", valorFcm, "N/mm²", 1});
}

void PasosAlfa(Traza& t, double valorFcm) {
    const char* exponentes[] = {"0.7", "0.2", "0.5"};
    const double valores[] = {Alfa1(valorFcm), Alfa2(valorFcm), Alfa3(valorFcm)};
    for (int i = 0; i < 3; ++i)
        AnadirCalculo(t, {"α<sub>" + std::to_string(i + 1) + "</sub>",
                          "Factor de la resistencia del hormigón", A19("B.8c"),
                          std::string("(35/f<sub>cm</sub>)<sup>") + exponentes[i] + "</sup>",
                          N(valores[i]), valores[i], "", 4});
}

void PasoPhiHR(Traza& t, const DatosHormigonCE& h, const ResultadosFluenciaCE& r) {
    const std::string raiz = N(std::cbrt(r.h0));
    const std::string base = "(1 − " + N(h.HR) + "/100)/(0.1·" + raiz + ")";
    if (r.fcm <= 35.0) {
        AnadirCalculo(t, {"φ<sub>HR</sub>", "Efecto de la humedad relativa", A19("B.3a"),
                          "1 + (1 − HR/100)/(0.1·∛h<sub>0</sub>)", "1 + " + base, r.phiHR, "",
                          4});
        return;
    }
    AnadirCalculo(t, {"φ<sub>HR</sub>", "Efecto de la humedad relativa", A19("B.3b"),
                      "(1 + (1 − HR/100)/(0.1·∛h<sub>0</sub>)·α<sub>1</sub>)·α<sub>2</sub>",
                      "(1 + " + base + "·" + N(Alfa1(r.fcm)) + ")·" + N(Alfa2(r.fcm)), r.phiHR,
                      "", 4});
}

void PasoT0(Traza& t, const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    const ClaseCemento c = d.hormigon.Cemento;
    if (AlfaCemento(c) == 0) {
        t.Nota("Cemento de clase N: α = 0, la edad de carga no se corrige (t<sub>0</sub> = " +
                   NumeroLegible(r.t0) + " días).",
               A19("B.9"));
        return;
    }
    const std::string T = N(d.t0), p = N(std::pow(d.t0, 1.2));
    const std::string factor = "(9/(2 + " + p + ") + 1)";
    const bool minimo = r.t0 == 0.5 && d.t0 * std::pow(9.0 / (2.0 + std::pow(d.t0, 1.2)) + 1.0,
                                                       AlfaCemento(c)) < 0.5;
    if (minimo)
        t.Nota("La edad corregida no baja de 0.5 días.", A19("B.9"));
    AnadirCalculo(t, {"t<sub>0</sub>", "Edad de carga corregida por el cemento (clase " +
                                           NombreCemento(c) + ", α = " +
                                           std::to_string(AlfaCemento(c)) + ")",
                      A19("B.9"),
                      "t<sub>0,T</sub>·(9/(2 + t<sub>0,T</sub><sup>1.2</sup>) + 1)<sup>α</sup> "
                      "≥ 0.5",
                      minimo ? "0.5" : (AlfaCemento(c) > 0 ? T + "·" + factor : T + "/" + factor),
                      r.t0, "días", 2});
}

void PasoBetaH(Traza& t, const DatosHormigonCE& h, const ResultadosFluenciaCE& r) {
    const double a3 = r.fcm <= 35.0 ? 1.0 : Alfa3(r.fcm);
    const std::string A3 = r.fcm <= 35.0 ? "" : "·" + N(a3);
    const bool tope = r.betaH == 1500.0 * a3;
    if (tope)
        t.Nota("β<sub>H</sub> se limita a 1500" + std::string(r.fcm <= 35.0 ? "" : "·α<sub>3</sub>") +
                   ".",
               A19(r.fcm <= 35.0 ? "B.8a" : "B.8b"));
    AnadirCalculo(
        t, {"β<sub>H</sub>", "Coeficiente de la humedad y del espesor",
            A19(r.fcm <= 35.0 ? "B.8a" : "B.8b"),
            r.fcm <= 35.0 ? "1.5·(1 + (0.012·HR)<sup>18</sup>)·h<sub>0</sub> + 250 ≤ 1500"
                          : "1.5·(1 + (0.012·HR)<sup>18</sup>)·h<sub>0</sub> + 250·α<sub>3</sub> "
                            "≤ 1500·α<sub>3</sub>",
            tope ? "1500" + A3
                 : "1.5·(1 + " + N(std::pow(0.012 * h.HR, 18)) + ")·" + N(r.h0) + " + 250" + A3,
            r.betaH, "", 1});
}

void PasosNoLinealidad(Traza& t, const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    if (d.t0 >= 28.0) {
        t.Nota("t<sub>0</sub> ≥ 28 días: f<sub>ck</sub>(t<sub>0</sub>) = f<sub>ck</sub> = " +
                   NumeroLegible(d.hormigon.fck) + " N/mm².",
               A19("3.1.2(5)"));
    } else {
        const double s = SCemento(d.hormigon.Cemento), b = BetaCC(d.t0, s);
        AnadirCalculo(t, {"β<sub>cc</sub>(t<sub>0</sub>)", "Evolución de la resistencia (s = " +
                                                               NumeroLegible(s) + ")",
                          A19("3.1.2(6)"), "exp(s·(1 − √(28/t<sub>0</sub>)))", N(b), b, "", 4});
        AnadirCalculo(t, {"f<sub>ck</sub>(t<sub>0</sub>)", "Resistencia a la edad de carga",
                          A19("3.1.2(5)"), "β<sub>cc</sub>(t<sub>0</sub>)·f<sub>cm</sub> − 8",
                          N(b) + "·" + N(r.fcm) + " − 8", r.fckT0, "N/mm²", 2});
    }
    AnadirCalculo(t, {"k<sub>σ</sub>", "Relación tensión-resistencia", A19("3.1.4(4)"),
                      "σ<sub>c</sub>/f<sub>ck</sub>(t<sub>0</sub>)",
                      N(d.sigmaC) + "/" + N(r.fckT0), r.kSigma, "", 3});
    if (!r.noLineal) {
        t.Nota("k<sub>σ</sub> ≤ 0.45: fluencia lineal.", A19("3.1.4(4)"));
        return;
    }
    t.Nota("k<sub>σ</sub> > 0.45: fluencia no lineal; φ<sub>nl</sub> reemplaza a φ.",
           A19("3.1.4(4)"));
    AnadirCalculo(t, {"exp(1.5·(k<sub>σ</sub> − 0.45))", "Factor de la fluencia no lineal",
                      A19("3.1.4(4)"), "exp(1.5·(k<sub>σ</sub> − 0.45))", N(r.factorNoLineal),
                      r.factorNoLineal, "", 4});
    AnadirCalculo(t, {"φ<sub>nl</sub>(t,t<sub>0</sub>)", "Coeficiente de fluencia no lineal",
                      A19("3.1.4(4)"), "φ(t,t<sub>0</sub>)·exp(1.5·(k<sub>σ</sub> − 0.45))",
                      N(r.phi) + "·" + N(r.factorNoLineal), r.phiNl, "", 4});
}

void PasosDeformaciones(Traza& t, const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    AnadirCalculo(t, {"ε<sub>c,el</sub>", "Deformación elástica", A19("3.1.3"),
                      "σ<sub>c</sub>/E<sub>cm</sub>", N(d.sigmaC) + "/" + N(r.Ecm),
                      1000.0 * r.epsElastica, "‰", 4, 1000.0});
    const char* phi = r.noLineal ? "φ<sub>nl</sub>" : "φ";
    AnadirCalculo(t, {"ε<sub>cc</sub>(t,t<sub>0</sub>)", "Deformación de fluencia", A19("3.1.4(3)"),
                      std::string(phi) + "(t,t<sub>0</sub>)·σ<sub>c</sub>/E<sub>c</sub>",
                      N(r.phiNl) + "·" + N(d.sigmaC) + "/" + N(r.Ec), 1000.0 * r.epsFluencia,
                      "‰", 4, 1000.0});
    AnadirCalculo(t, {"ε<sub>c</sub>(t,t<sub>0</sub>)", "Deformación total bajo carga",
                      A19("3.1.4(3)"), "ε<sub>c,el</sub> + ε<sub>cc</sub>(t,t<sub>0</sub>)",
                      N(1000.0 * r.epsElastica) + " + " + N(1000.0 * r.epsFluencia),
                      1000.0 * r.epsTotal, "‰", 4});
}

} // namespace

Traza TrazaFluenciaCE(const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    const DatosHormigonCE& h = d.hormigon;
    Traza t;
    t.Nota("Tensión de compresión constante σ<sub>c</sub> = " + NumeroLegible(d.sigmaC) +
               " N/mm² aplicada a la edad t<sub>0</sub> = " + NumeroLegible(d.t0) +
               " días, a la edad t = " + NumeroLegible(d.t) + " días; HR = " +
               NumeroLegible(h.HR) + " %, cemento de clase " + NombreCemento(h.Cemento) + ".",
           A19("3.1.4"));
    PasosSeccionYHormigon(t, h, r.fcm);
    const double potencia = std::pow(r.fcm / 10.0, 0.3);
    AnadirCalculo(t, {"E<sub>cm</sub>", "Módulo de elasticidad secante", A19("tabla 3.1"),
                      "22000·(f<sub>cm</sub>/10)<sup>0.3</sup>", "22000·" + N(potencia), r.Ecm,
                      "N/mm²", 1});
    AnadirCalculo(t, {"E<sub>c</sub>", "Módulo tangente", A19("3.1.4(2)"),
                      "1.05·E<sub>cm</sub>", "1.05·" + N(r.Ecm), r.Ec, "N/mm²", 1});
    if (r.fcm > 35.0)
        PasosAlfa(t, r.fcm);
    PasoPhiHR(t, h, r);
    AnadirCalculo(t, {"β(f<sub>cm</sub>)", "Efecto de la resistencia", A19("B.4"),
                      "16.8/√(f<sub>cm</sub>)", "16.8/√(" + N(r.fcm) + ")", r.betaFcm, "", 4});
    PasoT0(t, d, r);
    AnadirCalculo(t, {"β(t<sub>0</sub>)", "Efecto de la edad de carga", A19("B.5"),
                      "1/(0.1 + t<sub>0</sub><sup>0.20</sup>)",
                      "1/(0.1 + " + N(std::pow(r.t0, 0.2)) + ")", r.betaT0, "", 4});
    AnadirCalculo(t, {"φ<sub>0</sub>", "Coeficiente básico de fluencia", A19("B.2"),
                      "φ<sub>HR</sub>·β(f<sub>cm</sub>)·β(t<sub>0</sub>)",
                      N(r.phiHR) + "·" + N(r.betaFcm) + "·" + N(r.betaT0), r.phi0, "", 4});
    PasoBetaH(t, h, r);
    AnadirCalculo(t, {"β<sub>c</sub>(t,t<sub>0</sub>)", "Desarrollo de la fluencia en el tiempo",
                      A19("B.7"),
                      "((t − t<sub>0</sub>)/(β<sub>H</sub> + t − t<sub>0</sub>))<sup>0.3</sup>",
                      N(r.betaC), r.betaC, "", 4});
    AnadirCalculo(t, {"φ(t,t<sub>0</sub>)", "Coeficiente de fluencia", A19("B.1"),
                      "φ<sub>0</sub>·β<sub>c</sub>(t,t<sub>0</sub>)",
                      N(r.phi0) + "·" + N(r.betaC), r.phi, "", 4});
    PasosNoLinealidad(t, d, r);
    PasosDeformaciones(t, d, r);
    return t;
}

Traza TrazaRetraccionCE(const DatosRetraccionCE& d, const ResultadosRetraccionCE& r) {
    const DatosHormigonCE& h = d.hormigon;
    Traza t;
    t.Nota("Retracción a la edad t = " + NumeroLegible(d.t) +
               " días con el secado desde t<sub>s</sub> = " + NumeroLegible(d.ts) +
               " días; HR = " + NumeroLegible(h.HR) + " %, cemento de clase " +
               NombreCemento(h.Cemento) + ".",
           A19("3.1.4(6)"));
    PasosSeccionYHormigon(t, h, r.fcm);
    const double r3 = h.HR / 100.0;
    AnadirCalculo(t, {"β<sub>HR</sub>", "Efecto de la humedad relativa", A19("B.12"),
                      "1.55·(1 − (HR/HR<sub>0</sub>)³)", "1.55·(1 − " + N(r3) + "³)", r.betaHR,
                      "", 4});
    const double ex = std::exp(-AlfaDs2(h.Cemento) * r.fcm / 10.0);
    AnadirCalculo(
        t, {"ε<sub>cd,0</sub>",
            "Retracción básica por secado (α<sub>ds1</sub> = " + NumeroLegible(AlfaDs1(h.Cemento)) +
                ", α<sub>ds2</sub> = " + NumeroLegible(AlfaDs2(h.Cemento)) + ")",
            A19("B.11"),
            Cifras(FactorRetraccionSecado) +
                "·(220 + 110·α<sub>ds1</sub>)·exp(−α<sub>ds2</sub>·f<sub>cm</sub>/"
                "f<sub>cm0</sub>)·10⁻⁶·β<sub>HR</sub>",
            Cifras(FactorRetraccionSecado) + "·(220 + 110·" + N(AlfaDs1(h.Cemento)) + ")·" + N(ex) +
                "·0.000001·" + N(r.betaHR),
            1000.0 * r.epsCd0, "‰", 4, 1000.0});
    AnadirCalculo(t, {"k<sub>h</sub>", "Coeficiente del espesor medio (interpolado)",
                      A19("tabla 3.3"), "k<sub>h</sub>(h<sub>0</sub>)", N(r.kh), r.kh, "", 3});
    const std::string dt = N(d.t - d.ts), raiz = N(std::sqrt(r.h0 * r.h0 * r.h0));
    if (d.t <= d.ts)
        t.Nota("t ≤ t<sub>s</sub>: el secado no ha empezado.", A19("3.1.4(6)"));
    AnadirCalculo(t, {"β<sub>ds</sub>(t,t<sub>s</sub>)", "Desarrollo del secado en el tiempo (3.10)",
                      A19("3.1.4(6)"),
                      "(t − t<sub>s</sub>)/((t − t<sub>s</sub>) + 0.04·√(h<sub>0</sub>³))",
                      d.t <= d.ts ? "0" : dt + "/(" + dt + " + 0.04·" + raiz + ")", r.betaDs, "",
                      4});
    AnadirCalculo(t, {"ε<sub>cd</sub>(t)", "Retracción por secado (3.9)", A19("3.1.4(6)"),
                      "β<sub>ds</sub>(t,t<sub>s</sub>)·k<sub>h</sub>·ε<sub>cd,0</sub>",
                      N(r.betaDs) + "·" + N(r.kh) + "·" + N(1000.0 * r.epsCd0),
                      1000.0 * r.epsCd, "‰", 4});
    AnadirCalculo(t, {"ε<sub>ca</sub>(∞)", "Retracción autógena final (3.12)", A19("3.1.4(6)"),
                      "2.5·(f<sub>ck</sub> − 10)·10⁻⁶", "2.5·(" + N(h.fck) + " − 10)·0.000001",
                      1000.0 * r.epsCaInf, "‰", 4, 1000.0});
    AnadirCalculo(t, {"β<sub>as</sub>(t)", "Desarrollo de la retracción autógena (3.13)", A19("3.1.4(6)"),
                      "1 − exp(−0.2·t<sup>0.5</sup>)",
                      "1 − " + N(std::exp(-0.2 * std::sqrt(d.t))), r.betaAs, "", 4});
    AnadirCalculo(t, {"ε<sub>ca</sub>(t)", "Retracción autógena (3.11)", A19("3.1.4(6)"),
                      "β<sub>as</sub>(t)·ε<sub>ca</sub>(∞)",
                      N(r.betaAs) + "·" + N(1000.0 * r.epsCaInf), 1000.0 * r.epsCa, "‰", 4});
    AnadirCalculo(t, {"ε<sub>cs</sub>", "Retracción total (3.8)", A19("3.1.4(6)"),
                      "ε<sub>cd</sub> + ε<sub>ca</sub>",
                      N(1000.0 * r.epsCd) + " + " + N(1000.0 * r.epsCa), 1000.0 * r.epsCs, "‰",
                      4});
    return t;
}

} // namespace velmora::ce
