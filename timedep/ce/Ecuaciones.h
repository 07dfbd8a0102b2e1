#pragma once
// Fluencia y retracción del hormigón según el Código Estructural (Anejo 19, 3.1.4 y Apéndice
// B): una función por ecuación, con el símbolo de la norma. Tensiones en N/mm², espesores en
// mm, edades en días, humedad relativa en %; las deformaciones son adimensionales y positivas
// en acortamiento.

namespace velmora::ce {

// Clase del cemento según su velocidad de endurecimiento (Anejo 19, 3.1.2(6)).
enum class ClaseCemento { S, N, R };

// --- Fluencia (Apéndice B.1) ---

// (B.6) h0 = 2·Ac/u, espesor medio (mm); Ac en mm², u en mm.
[[nodiscard]] double h0(double Ac, double u);
// (B.8c) α1 = (35/fcm)^0.7, α2 = (35/fcm)^0.2, α3 = (35/fcm)^0.5; fcm en N/mm².
[[nodiscard]] double Alfa1(double fcm);
[[nodiscard]] double Alfa2(double fcm);
[[nodiscard]] double Alfa3(double fcm);
// (B.3a) φHR = 1 + (1 − HR/100)/(0.1·∛h0) con fcm ≤ 35 N/mm²; (B.3b) con α1 y α2 por encima.
[[nodiscard]] double PhiHR(double HR, double h0, double fcm);
// (B.4) β(fcm) = 16.8/√fcm.
[[nodiscard]] double BetaFcm(double fcm);
// (B.9) exponente α de la clase del cemento: −1 (S), 0 (N), 1 (R).
[[nodiscard]] int AlfaCemento(ClaseCemento clase);
// (B.9) t0 = t0,T·(9/(2 + t0,T^1.2) + 1)^α ≥ 0.5 días, edad de carga corregida por el cemento.
[[nodiscard]] double T0Corregida(double t0T, ClaseCemento clase);
// (B.5) β(t0) = 1/(0.1 + t0^0.20).
[[nodiscard]] double BetaT0(double t0);
// (B.2) φ0 = φHR·β(fcm)·β(t0), coeficiente básico de fluencia.
[[nodiscard]] double Phi0(double phiHR, double betaFcm, double betaT0);
// (B.8a) βH = 1.5·(1 + (0.012·HR)^18)·h0 + 250 ≤ 1500 con fcm ≤ 35 N/mm²; (B.8b) con α3 por
// encima.
[[nodiscard]] double BetaH(double HR, double h0, double fcm);
// (B.7) βc(t,t0) = ((t − t0)/(βH + t − t0))^0.3.
[[nodiscard]] double BetaC(double t, double t0, double betaH);
// (B.1) φ(t,t0) = φ0·βc(t,t0).
[[nodiscard]] double Phi(double phi0, double betaC);
// 3.1.4(2) Ec = 1.05·Ecm, módulo tangente al que va referido φ.
[[nodiscard]] double Ec(double Ecm);
// (3.6) εcc(t,t0) = φ(t,t0)·σc/Ec, deformación de fluencia.
[[nodiscard]] double EpsilonCC(double phi, double sigmaC, double Ec);

// --- Resistencia a la edad de carga y fluencia no lineal ---

// 3.1.2(6) s del cemento: 0.38 (S), 0.25 (N), 0.20 (R).
[[nodiscard]] double SCemento(ClaseCemento clase);
// (3.2) βcc(t) = exp(s·(1 − √(28/t))).
[[nodiscard]] double BetaCC(double t, double s);
// 3.1.2(5) fck(t) = βcc(t)·fcm − 8 para t < 28 días; fck desde los 28 días.
[[nodiscard]] double FckT(double fck, double fcm, double t, ClaseCemento clase);
// 3.1.4(4) kσ = σc/fck(t0).
[[nodiscard]] double KSigma(double sigmaC, double fckT0);
// 3.1.4(4) fluencia no lineal cuando σc > 0.45·fck(t0).
[[nodiscard]] bool FluenciaNoLineal(double kSigma);
// (3.7) factor exp(1.5·(kσ − 0.45)) que lleva φ a φnl.
[[nodiscard]] double FactorNoLineal(double kSigma);

// --- Retracción (3.1.4(6) y Apéndice B.2) ---

// (B.11) αds1: 3 (S), 4 (N), 6 (R); αds2: 0.13 (S), 0.12 (N), 0.11 (R).
[[nodiscard]] double AlfaDs1(ClaseCemento clase);
[[nodiscard]] double AlfaDs2(ClaseCemento clase);
// (B.12) βHR = 1.55·(1 − (HR/HR0)³), HR0 = 100 %.
[[nodiscard]] double BetaHR(double HR);
// (B.11) εcd,0 = k·(220 + 110·αds1)·exp(−αds2·fcm/fcm0)·10⁻⁶·βHR, fcm0 = 10 N/mm², con el
// factor k = FactorRetraccionSecado de materiales/ce/Hormigon.h.
[[nodiscard]] double EpsilonCd0(double fcm, double betaHR, ClaseCemento clase);
// Tabla 3.3 (TablaKh de materiales/ce/Hormigon.h) kh por h0 (mm): 1 hasta 100 mm, 0.70 desde
// 500 mm; lineal entre sus puntos.
[[nodiscard]] double kh(double h0);
// (3.10) βds(t,ts) = (t − ts)/((t − ts) + 0.04·√(h0³)); 0 mientras no ha empezado el secado.
[[nodiscard]] double BetaDs(double t, double ts, double h0);
// (3.9) εcd(t) = βds(t,ts)·kh·εcd,0.
[[nodiscard]] double EpsilonCd(double betaDs, double kh, double epsilonCd0);
// (3.12) εca(∞) = 2.5·(fck − 10)·10⁻⁶.
[[nodiscard]] double EpsilonCaInf(double fck);
// (3.13) βas(t) = 1 − exp(−0.2·t^0.5).
[[nodiscard]] double BetaAs(double t);
// (3.11) εca(t) = βas(t)·εca(∞).
[[nodiscard]] double EpsilonCa(double betaAs, double epsilonCaInf);
// (3.8) εcs = εcd + εca.
[[nodiscard]] double EpsilonCs(double epsilonCd, double epsilonCa);

} // namespace velmora::ce
