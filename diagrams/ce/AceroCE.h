#pragma once
// Diagrama de cálculo del acero de las armaduras pasivas según el Código Estructural, Anejo 19,
// 3.2.7: rama elástica con Es = 200 000 N/mm² y, a elegir, rama superior horizontal en fyd sin
// límite de deformación (b) o inclinada de fyd en εyd a k·fyk/γs en εuk con la deformación
// limitada a εud = 0.9·εuk (a). Tensiones en N/mm², deformaciones adimensionales (alargamiento
// positivo; el diagrama es simétrico en compresión).

namespace velmora::ce {

// Módulo de elasticidad de cálculo del acero (3.2.7(4)).
inline constexpr double EsArmadura = 200000.0;
// εud = 0.9·εuk (3.2.7(2)a).
inline constexpr double FactorEpsilonUd = 0.9;

// Deformación del límite elástico de cálculo εyd = fyd/Es.
[[nodiscard]] double EpsilonYd(double fyd);
// Límite de deformación de la rama inclinada εud = 0.9·εuk (3.2.7(2)a).
[[nodiscard]] double EpsilonUd(double epsUk);

// Rama horizontal (3.2.7(2)b): Es·ε hasta fyd, y fyd (con el signo de ε) sin límite.
[[nodiscard]] double SigmaRamaHorizontal(double eps, double fyd);

// Rama inclinada (3.2.7(2)a): Es·ε hasta εyd; después fyd + (k·fyd − fyd)·(|ε| − εyd)/(εuk −
// εyd), con el signo de ε (k·fyk/γs = k·fyd). No comprueba εud: quien la llama lo hace.
[[nodiscard]] double SigmaRamaInclinada(double eps, double fyd, double k, double epsUk);

} // namespace velmora::ce
