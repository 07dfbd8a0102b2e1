#include "timedep/ce/FluenciaCE.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "materiales/ce/Hormigon.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>

namespace velmora::ce {

namespace {

using R = Resultado<ResultadosFluenciaCE>;

// Los valores que muestra la ventana, en el orden de TextosFluenciaCE (sin el aviso), y sus
// unidades.
std::array<ValorMostrado, 19> Valores(const ResultadosFluenciaCE& r) {
    return {{{r.h0, 8, 1},
             {r.fcm, 6, 1},
             {r.Ecm, 8, 1},
             {r.Ec, 8, 1},
             {r.phiHR, 8, 4},
             {r.betaFcm, 8, 4},
             {r.t0, 8, 2},
             {r.betaT0, 8, 4},
             {r.phi0, 8, 4},
             {r.betaH, 8, 1},
             {r.betaC, 8, 4},
             {r.phi, 8, 4},
             {r.fckT0, 6, 2},
             {r.kSigma, 8, 3},
             {r.factorNoLineal, 8, 4},
             {r.phiNl, 8, 4},
             {1000.0 * r.epsElastica, 8, 4},
             {1000.0 * r.epsFluencia, 8, 4},
             {1000.0 * r.epsTotal, 8, 4}}};
}

constexpr std::array<const char*, 19> Unidades{
    "mm", "N/mm²", "N/mm²", "N/mm²", "", "", "días", "", "", "", "", "", "N/mm²", "", "", "",
    "‰",  "‰",     "‰"};

void PasosAlfa(Traza& t, double valorFcm) {
    const char* exponentes[] = {"0.7", "0.2", "0.5"};
    const double valores[] = {Alfa1(valorFcm), Alfa2(valorFcm), Alfa3(valorFcm)};
    for (int i = 0; i < 3; ++i)
        AnadirCalculo(t, {"α<sub>" + std::to_string(i + 1) + "</sub>",
                          "Factor de la resistencia del hormigón", CitaAnejo("B.8c"),
                          std::string("(35/f<sub>cm</sub>)<sup>") + exponentes[i] + "</sup>",
                          N(valores[i]), valores[i], "", 4});
}

void PasoPhiHR(Traza& t, const DatosHormigonCE& h, const ResultadosFluenciaCE& r) {
    const std::string raiz = N(std::cbrt(r.h0));
    const std::string base = "(1 − " + N(h.HR) + "/100)/(0.1·" + raiz + ")";
    if (r.fcm <= 35.0) {
        AnadirCalculo(t, {"φ<sub>HR</sub>", "Efecto de la humedad relativa", CitaAnejo("B.3a"),
                          "1 + (1 − HR/100)/(0.1·∛h<sub>0</sub>)", "1 + " + base, r.phiHR, "",
                          4});
        return;
    }
    AnadirCalculo(t, {"φ<sub>HR</sub>", "Efecto de la humedad relativa", CitaAnejo("B.3b"),
                      "(1 + (1 − HR/100)/(0.1·∛h<sub>0</sub>)·α<sub>1</sub>)·α<sub>2</sub>",
                      "(1 + " + base + "·" + N(Alfa1(r.fcm)) + ")·" + N(Alfa2(r.fcm)), r.phiHR,
                      "", 4});
}

void PasoT0(Traza& t, const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    const ClaseCemento c = d.hormigon.Cemento;
    if (AlfaCemento(c) == 0) {
        t.Nota("Cemento de clase N: α = 0, la edad de carga no se corrige (t<sub>0</sub> = " +
                   NumeroLegible(r.t0) + " días).",
               CitaAnejo("B.9"));
        return;
    }
    const std::string T = N(d.t0), p = N(std::pow(d.t0, 1.2));
    const std::string factor = "(9/(2 + " + p + ") + 1)";
    const bool minimo = r.t0 == 0.5 && d.t0 * std::pow(9.0 / (2.0 + std::pow(d.t0, 1.2)) + 1.0,
                                                       AlfaCemento(c)) < 0.5;
    if (minimo)
        t.Nota("La edad corregida no baja de 0.5 días.", CitaAnejo("B.9"));
    AnadirCalculo(t, {"t<sub>0</sub>", "Edad de carga corregida por el cemento (clase " +
                                           NombreClaseCemento(c) + ", α = " +
                                           std::to_string(AlfaCemento(c)) + ")",
                      CitaAnejo("B.9"),
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
               CitaAnejo(r.fcm <= 35.0 ? "B.8a" : "B.8b"));
    AnadirCalculo(
        t, {"β<sub>H</sub>", "Coeficiente de la humedad y del espesor",
            CitaAnejo(r.fcm <= 35.0 ? "B.8a" : "B.8b"),
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
               CitaAnejo("3.1.2(5)"));
    } else {
        const double s = SCemento(d.hormigon.Cemento), b = BetaCC(d.t0, s);
        AnadirCalculo(t, {"β<sub>cc</sub>(t<sub>0</sub>)", "Evolución de la resistencia (s = " +
                                                               NumeroLegible(s) + ")",
                          CitaAnejo("3.1.2(6)"), "exp(s·(1 − √(28/t<sub>0</sub>)))", N(b), b, "", 4});
        AnadirCalculo(t, {"f<sub>ck</sub>(t<sub>0</sub>)", "Resistencia a la edad de carga",
                          CitaAnejo("3.1.2(5)"), "β<sub>cc</sub>(t<sub>0</sub>)·f<sub>cm</sub> − 8",
                          N(b) + "·" + N(r.fcm) + " − 8", r.fckT0, "N/mm²", 2});
    }
    AnadirCalculo(t, {"k<sub>σ</sub>", "Relación tensión-resistencia", CitaAnejo("3.1.4(4)"),
                      "σ<sub>c</sub>/f<sub>ck</sub>(t<sub>0</sub>)",
                      N(d.sigmaC) + "/" + N(r.fckT0), r.kSigma, "", 3});
    if (!r.noLineal) {
        t.Nota("k<sub>σ</sub> ≤ 0.45: fluencia lineal.", CitaAnejo("3.1.4(4)"));
        return;
    }
    t.Nota("k<sub>σ</sub> > 0.45: fluencia no lineal; φ<sub>nl</sub> reemplaza a φ.",
           CitaAnejo("3.1.4(4)"));
    AnadirCalculo(t, {"exp(1.5·(k<sub>σ</sub> − 0.45))", "Factor de la fluencia no lineal",
                      CitaAnejo("3.1.4(4)"), "exp(1.5·(k<sub>σ</sub> − 0.45))", N(r.factorNoLineal),
                      r.factorNoLineal, "", 4});
    AnadirCalculo(t, {"φ<sub>nl</sub>(t,t<sub>0</sub>)", "Coeficiente de fluencia no lineal",
                      CitaAnejo("3.1.4(4)"), "φ(t,t<sub>0</sub>)·exp(1.5·(k<sub>σ</sub> − 0.45))",
                      N(r.phi) + "·" + N(r.factorNoLineal), r.phiNl, "", 4});
}

void PasosDeformaciones(Traza& t, const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    AnadirCalculo(t, {"ε<sub>c,el</sub>", "Deformación elástica", CitaAnejo("3.1.3"),
                      "σ<sub>c</sub>/E<sub>cm</sub>", N(d.sigmaC) + "/" + N(r.Ecm),
                      1000.0 * r.epsElastica, "‰", 4, 1000.0});
    const char* phi = r.noLineal ? "φ<sub>nl</sub>" : "φ";
    AnadirCalculo(t, {"ε<sub>cc</sub>(t,t<sub>0</sub>)", "Deformación de fluencia", CitaAnejo("3.1.4(3)"),
                      std::string(phi) + "(t,t<sub>0</sub>)·σ<sub>c</sub>/E<sub>c</sub>",
                      N(r.phiNl) + "·" + N(d.sigmaC) + "/" + N(r.Ec), 1000.0 * r.epsFluencia,
                      "‰", 4, 1000.0});
    AnadirCalculo(t, {"ε<sub>c</sub>(t,t<sub>0</sub>)", "Deformación total bajo carga",
                      CitaAnejo("3.1.4(3)"), "ε<sub>c,el</sub> + ε<sub>cc</sub>(t,t<sub>0</sub>)",
                      N(1000.0 * r.epsElastica) + " + " + N(1000.0 * r.epsFluencia),
                      1000.0 * r.epsTotal, "‰", 4});
}

void PasoDatos(Traza& t, const DatosFluenciaCE& d) {
    const DatosHormigonCE& h = d.hormigon;
    t.Nota("Tensión de compresión constante σ<sub>c</sub> = " + NumeroLegible(d.sigmaC) +
               " N/mm² aplicada a la edad t<sub>0</sub> = " + NumeroLegible(d.t0) +
               " días, a la edad t = " + NumeroLegible(d.t) + " días; HR = " +
               NumeroLegible(h.HR) + " %, cemento de clase " + NombreClaseCemento(h.Cemento) + ".",
           CitaAnejo("3.1.4"));
}

void PasosModulos(Traza& t, const ResultadosFluenciaCE& r) {
    const double potencia = std::pow(r.fcm / 10.0, 0.3);
    AnadirCalculo(t, {"E<sub>cm</sub>", "Módulo de elasticidad secante", CitaAnejo("tabla 3.1"),
                      "22000·(f<sub>cm</sub>/10)<sup>0.3</sup>", "22000·" + N(potencia), r.Ecm,
                      "N/mm²", 1});
    AnadirCalculo(t, {"E<sub>c</sub>", "Módulo tangente", CitaAnejo("3.1.4(2)"),
                      "1.05·E<sub>cm</sub>", "1.05·" + N(r.Ecm), r.Ec, "N/mm²", 1});
}

void PasosCoeficienteBasico(Traza& t, const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    if (r.fcm > 35.0)
        PasosAlfa(t, r.fcm);
    PasoPhiHR(t, d.hormigon, r);
    AnadirCalculo(t, {"β(f<sub>cm</sub>)", "Efecto de la resistencia", CitaAnejo("B.4"),
                      "16.8/√(f<sub>cm</sub>)", "16.8/√(" + N(r.fcm) + ")", r.betaFcm, "", 4});
    PasoT0(t, d, r);
    AnadirCalculo(t, {"β(t<sub>0</sub>)", "Efecto de la edad de carga", CitaAnejo("B.5"),
                      "1/(0.1 + t<sub>0</sub><sup>0.20</sup>)",
                      "1/(0.1 + " + N(std::pow(r.t0, 0.2)) + ")", r.betaT0, "", 4});
    AnadirCalculo(t, {"φ<sub>0</sub>", "Coeficiente básico de fluencia", CitaAnejo("B.2"),
                      "φ<sub>HR</sub>·β(f<sub>cm</sub>)·β(t<sub>0</sub>)",
                      N(r.phiHR) + "·" + N(r.betaFcm) + "·" + N(r.betaT0), r.phi0, "", 4});
}

void PasosDesarrollo(Traza& t, const DatosFluenciaCE& d, const ResultadosFluenciaCE& r) {
    PasoBetaH(t, d.hormigon, r);
    AnadirCalculo(t, {"β<sub>c</sub>(t,t<sub>0</sub>)", "Desarrollo de la fluencia en el tiempo",
                      CitaAnejo("B.7"),
                      "((t − t<sub>0</sub>)/(β<sub>H</sub> + t − t<sub>0</sub>))<sup>0.3</sup>",
                      N(r.betaC), r.betaC, "", 4});
    AnadirCalculo(t, {"φ(t,t<sub>0</sub>)", "Coeficiente de fluencia", CitaAnejo("B.1"),
                      "φ<sub>0</sub>·β<sub>c</sub>(t,t<sub>0</sub>)",
                      N(r.phi0) + "·" + N(r.betaC), r.phi, "", 4});
}

} // namespace

Resultado<DatosFluenciaCE> LeerDatosFluenciaCE(const TextosCampos& textos, bool espesorConocido,
                                               ClaseCemento cemento) {
    DatosFluenciaCE d;
    const auto hormigon = LeerHormigonCE(textos, espesorConocido, cemento);
    if (!hormigon)
        return hormigon.error();
    d.hormigon = *hormigon;
    if (const auto r = LeerEnIntervalo(textos, {{&CampoEdadCarga, &d.t0},
                                                {&CampoEdadCalculo, &d.t},
                                                {&CampoTensionCE, &d.sigmaC}});
        !r)
        return r.error();
    return d;
}

Resultado<ResultadosFluenciaCE> CalcularFluenciaCE(const DatosFluenciaCE& d, Traza* traza) {
    const DatosHormigonCE& h = d.hormigon;
    if (d.t < d.t0)
        return R::Error("La edad de cálculo t (" + NumeroEnMensaje(d.t) +
                            " días) no puede ser anterior a la edad de puesta en carga t0 (" +
                            NumeroEnMensaje(d.t0) + " días).",
                        std::string(CampoEdadCalculo.control));
    Traza pasos; // se pasan a `traza` solo si el resultado vale
    Traza* t = traza ? &pasos : nullptr;
    if (t)
        PasoDatos(*t, d);
    ResultadosFluenciaCE r;
    r.h0 = h.h0;
    r.fcm = fcm(h.fck);
    if (t)
        PasosSeccionYHormigonCE(*t, h, r.fcm);
    r.Ecm = Ecm(h.fck);
    r.Ec = Ec(r.Ecm);
    if (t)
        PasosModulos(*t, r);
    r.phiHR = PhiHR(h.HR, r.h0, r.fcm);
    r.betaFcm = BetaFcm(r.fcm);
    r.t0 = T0Corregida(d.t0, h.Cemento);
    r.betaT0 = BetaT0(r.t0);
    r.phi0 = Phi0(r.phiHR, r.betaFcm, r.betaT0);
    if (t)
        PasosCoeficienteBasico(*t, d, r);
    r.betaH = BetaH(h.HR, r.h0, r.fcm);
    r.betaC = BetaC(d.t, d.t0, r.betaH);
    r.phi = Phi(r.phi0, r.betaC);
    if (t)
        PasosDesarrollo(*t, d, r);
    r.fckT0 = FckT(h.fck, r.fcm, d.t0, h.Cemento);
    if (!(r.fckT0 > 0.0))
        return R::Error("A la edad de puesta en carga t0 = " + NumeroEnMensaje(d.t0) +
                            " días la resistencia estimada fck(t0) = βcc(t0)·fcm − 8 no es "
                            "positiva: a esa edad la resistencia debe obtenerse de ensayos.",
                        std::string(CampoEdadCarga.control));
    // Más allá de fck(t0) el hormigón no resiste la carga: no hay fluencia que calcular, y (3.7)
    // crecería sin límite.
    if (d.sigmaC > r.fckT0)
        return R::Error("La tensión σc = " + NumeroEnMensaje(d.sigmaC) +
                            " N/mm² pasa de la resistencia del hormigón al cargarlo, fck(t0) = " +
                            Formatear(r.fckT0, 0, 2) +
                            " N/mm²: el hormigón no la resiste y la fluencia no se calcula.",
                        std::string(CampoTensionCE.control));
    r.kSigma = KSigma(d.sigmaC, r.fckT0);
    r.noLineal = FluenciaNoLineal(r.kSigma);
    r.factorNoLineal = r.noLineal ? FactorNoLineal(r.kSigma) : 1.0;
    r.phiNl = r.phi * r.factorNoLineal;
    if (t)
        PasosNoLinealidad(*t, d, r);
    r.epsElastica = d.sigmaC / r.Ecm;
    r.epsFluencia = EpsilonCC(r.phiNl, d.sigmaC, r.Ec);
    r.epsTotal = r.epsElastica + r.epsFluencia;
    if (t)
        PasosDeformaciones(*t, d, r);
    if (!SeMuestran(Valores(r)))
        return ResultadoNoRepresentable("la fluencia");
    if (traza)
        AnadirPasos(*traza, std::move(pasos));
    return r;
}

TextosFluenciaCE RotularFluenciaCE(const ResultadosFluenciaCE& r) {
    const auto v = Valores(r);
    std::array<std::string, v.size()> s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s[i] = *Unidades[i] ? TextoValor(v[i]) + " " + Unidades[i] : TextoValor(v[i]);
    TextosFluenciaCE t{s[0], s[1], s[2],  s[3],  s[4],  s[5],  s[6],  s[7], s[8], s[9],
                       s[10], s[11], s[12], s[13], s[14], s[15], "",   s[16], s[17], s[18]};
    if (!r.noLineal) {
        t.FactorNoLineal = "=  no se aplica";
        t.PhiNl = "=  no se aplica";
        return t;
    }
    t.Aviso = "σc supera 0.45·fck(t0): fluencia no lineal (Anejo 19, 3.1.4(4)); la deformación de "
              "fluencia se calcula con φnl.";
    return t;
}

} // namespace velmora::ce
