#pragma once
// Cuantías mínimas y máxima de la armadura longitudinal con el Código Estructural (Anejo 19,
// 9.2.1.1, 9.3.1.1, 9.5.2, 9.6.2 y 9.6.3). Áreas en mm², fuerzas en N, tensiones en N/mm².

#include "design/EstadoDiseno.h"
#include "section/CuantiasMinimas.h"

namespace velmora::ce {

// Sección bruta de hormigón (rectangular o en T): área (mm²), centro de gravedad desde la cara
// superior (mm), inercia (mm⁴) y módulo resistente relativo a la fibra inferior (mm³).
struct SeccionBruta {
    double Ac = 0, yg = 0, I = 0, W = 0;
};
[[nodiscard]] SeccionBruta Bruta(const EstadoDiseno& e);

// (9.1): As,min = (W/z)·fctm,fl/fyd con z = 0.8·h (9.2.1.1(1)).
[[nodiscard]] double AsMinFlexion(double W, double h, double fctmFl, double fyd);
// 9.5.2(2): 0.05·Nd/fyc,d en cada cara comprimida, fyc,d = fyd ≤ 400 N/mm².
[[nodiscard]] double AsMinCaraComprimida(double Nd, double fyd);
// (9.12): 0.10·Nd/fyd en total, compresión simple con armadura simétrica.
[[nodiscard]] double AsMinCompresionSimple(double Nd, double fyd);
// 9.6.2(1): CuantiaVerticalMuro·Ac de armadura vertical, el 60 % en la cara traccionada.
[[nodiscard]] double AsMinMuroVertical(double Ac);
// 9.6.3(1): 0.004·Ac (B 400 S) o 0.0032·Ac (B 500 S) de armadura horizontal.
[[nodiscard]] double AsMinMuroHorizontal(double Ac, int DesignacionAcero);
// 9.2.1.1(3), 9.5.2(3), 9.6.2(1): 0.04·Ac.
[[nodiscard]] double AsMax(double Ac);

// Último paso del dimensionamiento: la cuantía mínima del tipo de elemento. CuantiaGeometrica
// señala que rigió la del elemento (A1 o el total) y MinimaCompresion la de las caras
// comprimidas de un soporte. fctmFl en N/mm² (3.23).
void AplicarCuantiaMinima(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero,
                          double fctmFl);

// Rótulos de Cuantia y Recomendada, con la cláusula que rige y el aviso de la cuantía máxima.
[[nodiscard]] TextosCuantia RotularCuantia(const EstadoDiseno& e, TipoDeElemento TipoElemento);

// Nota para soportes cuyas barras elegidas tienen menos de 12 mm (9.5.2(1)); vacía si no aplica.
[[nodiscard]] std::string NotaDiametroSoporte(TipoDeElemento TipoElemento, int DiametroTraccion,
                                              int DiametroCompresion);

} // namespace velmora::ce
