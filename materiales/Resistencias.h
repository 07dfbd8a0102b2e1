#pragma once
// Resistencias de cálculo de los materiales a partir de las características y de los
// coeficientes parciales (N/mm²). Cada fórmula vive aquí y sólo aquí: DerivarMateriales, los
// rótulos de los parámetros generales y el diagrama parábola-rectángulo las toman de este sitio.

namespace velmora {

// Designación del acero, en el orden de los grupos de opciones de las ventanas (índices 0 y 1).
enum class DesignacionDeAcero { B400S, B500S };
// B 500 S con el índice 1; B 400 S con cualquier otro.
[[nodiscard]] constexpr DesignacionDeAcero DesignacionDelIndice(int indice) {
    return indice == static_cast<int>(DesignacionDeAcero::B500S) ? DesignacionDeAcero::B500S
                                                                 : DesignacionDeAcero::B400S;
}
// Límite elástico característico fyk: 400 N/mm² del B 400 S y 500 N/mm² del B 500 S.
[[nodiscard]] constexpr double Fyk(DesignacionDeAcero d) {
    return 400.0 + 100.0 * static_cast<int>(d);
}

namespace ehe98 {

// fcd = fck/γc (art. 39.4).
[[nodiscard]] constexpr double Fcd(double fck, double gammaC) {
    return fck / gammaC;
}
// Soportes y muros hormigonados en vertical: fcd = 0.9·fck/γc (art. 39.4).
inline constexpr double FactorHormigonadoVertical = 0.9;
[[nodiscard]] constexpr double FcdHormigonadoVertical(double fck, double gammaC) {
    return FactorHormigonadoVertical * fck / gammaC;
}
// fyd = fyk/γs; con control reducido del acero, 0.75·fyk/γs.
inline constexpr double FactorControlReducidoAcero = 0.75;
[[nodiscard]] constexpr double Fyd(double fyk, double gammaS) {
    return fyk / gammaS;
}
[[nodiscard]] constexpr double FydControlReducido(double fyk, double gammaS) {
    return FactorControlReducidoAcero * fyk / gammaS;
}
// La armadura comprimida no pasa de 400 N/mm² (art. 38.4): fyc,d = mín(fyd; 400).
inline constexpr double TopeFycd = 400.0;
[[nodiscard]] constexpr double Fycd(double fyd) {
    return fyd > TopeFycd ? TopeFycd : fyd;
}

} // namespace ehe98

namespace ce {

// fcd = αcc·fck/γc (Anejo 19, 3.1.6(1), expresión (3.15)).
[[nodiscard]] constexpr double Fcd(double alphaCC, double fck, double gammaC) {
    return alphaCC * fck / gammaC;
}
// fyd = fyk/γs (Anejo 19, 3.2.7(2)); la rama horizontal no tiene tope en compresión: fyc,d = fyd.
[[nodiscard]] constexpr double Fyd(double fyk, double gammaS) {
    return fyk / gammaS;
}

} // namespace ce

} // namespace velmora
