#pragma once
// Ecuaciones del Código Estructural (Anejo 19, 8.4) para el anclaje de barras corrugadas por
// tensión de adherencia. Diámetros y longitudes en mm, tensiones en N/mm².

namespace velmora::ce {

// fctk,0.05 para la adherencia: no mayor que su valor para fck = 60 N/mm² (8.4.2(2)).
[[nodiscard]] double fctk005Adherencia(double fck);
// fctd = αct·fctk,0.05/γc, con αct = 1.00 (3.16).
[[nodiscard]] double fctd(double fctk005, double gammaC);
// η1 = 1.0 con adherencia buena (posición I), 0.7 en los demás casos (posición II) (8.4.2(2)).
[[nodiscard]] double eta1(bool adherenciaBuena);
// η2 = 1.0 con φ ≤ 32 mm; (132 − φ)/100 con φ > 32 mm (8.4.2(2)).
[[nodiscard]] double eta2(double phi);
// fbd = 2.25·η1·η2·fctd (8.2).
[[nodiscard]] double fbd(double eta1, double eta2, double fctd);
// σsd = fyd·As,nec/As,real (= fyd sin armadura estricta) (8.4.3(2)).
[[nodiscard]] double sigmasd(double fyd, double AsNecesaria, double AsReal);
// lb,rqd = (φ/4)·(σsd/fbd) (8.3).
[[nodiscard]] double lbrqd(double phi, double sigmasd, double fbd);
// α1 por la forma de la barra: 0.7 para patillas y ganchos en tracción con cd > 3φ; si no, 1.0
// (tabla A19.8.2).
[[nodiscard]] double alfa1(bool patilla, bool recubrimiento, bool traccion);
// α4 por barra transversal soldada: 0.7, en tracción y en compresión; si no, 1.0
// (tabla A19.8.2).
[[nodiscard]] double alfa4(bool barraSoldada);
// lb,min = máx(0.3·lb,rqd; 10φ; 100 mm) en tracción, máx(0.6·lb,rqd; 10φ; 100 mm) en
// compresión (8.4.4(1)).
[[nodiscard]] double lbmin(double lbrqd, double phi, bool traccion);
// lbd = α1·α2·α3·α4·α5·lb,rqd ≥ lb,min (8.4); α2·α3·α5 = 1 (sin cd, K ni p: del lado seguro).
[[nodiscard]] double lbd(double alfa1, double alfa4, double lbrqd, double lbmin);

} // namespace velmora::ce
