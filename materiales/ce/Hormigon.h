#pragma once
// Propiedades del hormigón según el Código Estructural, Anejo 19, tabla 3.1 y expresión (3.23).
// Resistencias en N/mm², cantos en mm, deformaciones adimensionales (no en ‰).

namespace velmora::ce {

// Intervalo que se admite para αcc en fcd = αcc·fck/γc (3.1.6(1)): 1.00, o hasta 0.85.
inline constexpr double AlfaCCMinimo = 0.85;
inline constexpr double AlfaCCMaximo = 1.0;

// Resistencia media a compresión fcm = fck + 8 (tabla 3.1).
[[nodiscard]] double fcm(double fck);
// Resistencia media a tracción: 0.30·fck^(2/3) hasta fck = 50; 2.12·ln(1 + fcm/10) por encima
// (tabla 3.1).
[[nodiscard]] double fctm(double fck);
// Cuantiles 5 % y 95 % de la resistencia a tracción: 0.7·fctm y 1.3·fctm (tabla 3.1).
[[nodiscard]] double fctk005(double fck);
[[nodiscard]] double fctk095(double fck);
// Módulo de deformación secante Ecm = 22 000·(fcm/10)^0.3 N/mm² (tabla 3.1, áridos cuarcíticos).
[[nodiscard]] double Ecm(double fck);
// Deformaciones del diagrama parábola-rectángulo (tabla 3.1): εc2 = 2.0 ‰ hasta fck = 50 y
// 2.0 + 0.085·(fck − 50)^0.53 ‰ por encima; εcu2 = 3.5 ‰ y 2.6 + 35·((90 − fck)/100)^4 ‰;
// exponente n = 2 y 1.4 + 23.4·((90 − fck)/100)^4.
[[nodiscard]] double EpsilonC2(double fck);
[[nodiscard]] double EpsilonCU2(double fck);
[[nodiscard]] double ExponenteN(double fck);
// Resistencia media a flexotracción de un canto h (mm): max((1.6 − h/1000)·fctm; fctm) (3.23).
[[nodiscard]] double fctmFl(double fck, double h);

// Retracción por secado (3.1.4(6) y anejo B): factor de la retracción básica de (B.11) y los
// puntos (h0 en mm, kh) de la tabla 3.3.
inline constexpr double FactorRetraccionSecado = 0.85;
struct PuntoKh {
    double h0, kh;
};
inline constexpr PuntoKh TablaKh[] = {{100.0, 1.00}, {200.0, 0.85}, {300.0, 0.75}, {500.0, 0.70}};

} // namespace velmora::ce
