#pragma once
// Ecuaciones del Código Estructural (Anejo 19) para la armadura transversal: cortante de vigas
// (6.2.2, 6.2.3, 9.2.2) y cercos de pilares (9.5.3). Longitudes en mm, fuerzas en N, tensiones
// en N/mm², áreas en mm²; las cotangentes y los senos, adimensionales.

namespace velmora::ce {

// --- Cortante de vigas ---

// z = 0.9·d, brazo mecánico sin esfuerzo axil (6.2.3(1)).
[[nodiscard]] double z(double d);
// fywd = fyk/γs, sin límite de 400 N/mm² (3.2.7).
[[nodiscard]] double fywd(double fyk, double gammaS);
// ν1 = ν = 0.6·(1 − fck/250) (6.6).
[[nodiscard]] double nu1(double fck);
// VRd,max = αcw·bw·z·ν1·fcd·(cot θ + cot α)/(1 + cot²θ) (6.14); con α = 90º, (6.9).
[[nodiscard]] double VRdmax(double alfaCw, double bw, double z, double nu1, double fcd,
                            double cotTeta, double cotAlfa);
// CRd,c = 0.18/γc (6.2.2(1)).
[[nodiscard]] double CRdc(double gammaC);
// k = 1 + √(200/d) ≤ 2.0, d en mm (6.2.2(1)).
[[nodiscard]] double k(double d);
// ρl = Asl/(bw·d) ≤ 0.02 (6.2.2(1)).
[[nodiscard]] double rhol(double Asl, double bw, double d);
// vmin = 0.035·k^1.5·fck^0.5 (6.2.2(1); escrita en 6.4.4).
[[nodiscard]] double vmin(double k, double fck);
// VRd,c = CRd,c·k·(100·ρl·fck)^(1/3)·bw·d, sin axil (6.2.a).
[[nodiscard]] double VRdcA(double CRdc, double k, double rhol, double fck, double bw, double d);
// VRd,c mínimo = vmin·bw·d, sin axil (6.2.b).
[[nodiscard]] double VRdcB(double vmin, double bw, double d);
// VRd,s = (Asw/s)·z·fywd·(cot θ + cot α)·sen α (6.13); con α = 90º, (6.8).
[[nodiscard]] double VRds(double Asw, double s, double z, double fywd, double cotTeta,
                          double cotAlfa, double senAlfa);
// Separación con la que VRd,s = VEd: s = Asw·z·fywd·(cot θ + cot α)·sen α/VEd (6.13).
[[nodiscard]] double sVRds(double Asw, double z, double fywd, double cotTeta, double cotAlfa,
                           double senAlfa, double VEd);
// ρw,min = 0.08·√fck/fyk (9.5).
[[nodiscard]] double rhowmin(double fck, double fyk);
// Separación con la que ρw = Asw/(s·bw·sen α) es ρw,min (9.4).
[[nodiscard]] double sRhowmin(double Asw, double rhowmin, double bw, double senAlfa);
// sl,max = 0.75·d·(1 + cot α) (9.6).
[[nodiscard]] double slmax(double d, double cotAlfa);
// Límites de la inclinación de las bielas: 0.5 ≤ cot θ ≤ 2 (6.7), elección española de 6.2.3(2).
inline constexpr double CotTetaMinima = 0.5;
inline constexpr double CotTetaMaxima = 2.0;
// Inclinación de la armadura de cortante: 45º ≤ α ≤ 90º (9.2.2(1)).
inline constexpr double AlfaMinima = 45.0;
inline constexpr double AlfaMaxima = 90.0;

// --- Cercos de pilares ---

// Diámetro mínimo del cerco: el mayor de 6 mm y φmax/4 (9.5.3(1)).
[[nodiscard]] double phiCercoPilar(double phiMaxLong);
// scl,tmax = mín(15·φmin; 300 mm; lado menor), elección española de 9.5.3(3).
[[nodiscard]] double scltmax(double phiMinLong, double h, double b);
// Coeficiente de la separación junto a vigas y losas y en los solapos (9.5.3(4)).
inline constexpr double ReduccionSeparacionPilar = 0.6;

} // namespace velmora::ce
