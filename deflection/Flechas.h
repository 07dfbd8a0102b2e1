#pragma once
// Datos para las flechas de vigas por el método simplificado (EHE-98, art. 50.2.2): inercia
// equivalente de la sección, módulo de deformación del hormigón y factor de flecha diferida.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "deflection/ce/Ecuaciones.h"
#include "design/EstadoDiseno.h"
#include "norma/Norma.h"

#include <string>
#include <string_view>

namespace velmora {

// Módulo de deformación longitudinal del hormigón a 28 días, N/mm² (art. 39.6).
[[nodiscard]] double Ec(double fck);
// Momento de inercia de la sección bruta b·h³/12, mm⁴.
[[nodiscard]] double Ib(double b, double h);
// Momento de fisuración 0.37·fck^(2/3)·2·Ib/h, N·mm (art. 50.2.2.2).
[[nodiscard]] double Mf(double fck, double Ib, double h);

// Coeficiente de equivalencia n = Es/Ec con Es = 200 000 N/mm².
[[nodiscard]] double Neq(double Ec);
// Profundidad de la fibra neutra de la sección fisurada, mm, con ρ1 = A1/(b·d), ρ2 = A2/(b·d)
// (art. 50.2.2.2).
[[nodiscard]] double ProfundidadFisurada(double n, double rho1, double rho2, double d, double d2);
// Inercia de la sección fisurada n·A1·(d − x)·(d − x/3) + n·A2·(x − d2)·(x/3 − d2), mm⁴
// (art. 50.2.2.2).
[[nodiscard]] double Ifis(double n, double A1, double A2, double d, double d2, double x);
// Inercia equivalente de Branson Ie = (Mf/Ma)³·Ib + (1 − (Mf/Ma)³)·If ≤ Ib, mm⁴ (art. 50.2.2.2).
[[nodiscard]] double Ie(double Mf, double Ma, double Ib, double Ifis);
// Factor de flecha diferida λ = ξ/(1 + 50·ρ'), ρ' = A2/(b·d) (art. 50.2.2.3).
[[nodiscard]] double Lambda(double xi, double rho2);

// Datos de la ventana en unidades de cálculo (mm, N·mm, mm²).
struct DatosFlecha {
    double h = 0, b = 0, d2 = 0, d1 = 0;
    double Ma = 0;
    double AreaA1 = 0, AreaA2 = 0;
    // Código Estructural: duración de la carga para β de (7.19).
    ce::DuracionCarga Duracion = ce::DuracionCarga::CortaUnica;
};

struct CalculoFlecha {
    DatosFlecha datos;
    double d = 0;
    double Ec = 0, nEq = 0, Ib = 0, Mf = 0;
    bool Fisurada = false;  // Ma > Mf
    double x = 0, Ifis = 0; // sólo si fisura
    double Ie = 0;
    // La norma del cálculo. Con el Código Estructural Ec es Ecm (tabla 3.1), Mf el momento de
    // fisuración Mcr con fctm, e Ie la inercia de las curvaturas interpoladas con ζ.
    Norma norma = Norma::EHE98;
    double fctm = 0, beta = 0, zeta = 0;
};

// Inercia equivalente de Branson (art. 50.2.2.2) para los valores de c (d, nEq, Ib, Mf, b y
// d2). Si la sección fisura guarda x e Ifis en c y x en el estado de diseño. Una sección que
// fisura sin armadura A1 es un error. Con `traza` anota si fisura y, si fisura, x, If e Ie.
[[nodiscard]] Resultado<double> CalcularInerciaEquivalente(EstadoDiseno& e, CalculoFlecha& c, double Ma,
                                             double A1, double A2, Traza* traza = nullptr);

// Comprobaciones de los datos antes de calcular, con sus mensajes.
[[nodiscard]] Estado ComprobarDatosFlecha(const DatosFlecha& datos);

// Pasos de «Calcular»: comprueba los datos, deja h, b, d1, d2 y d en el estado de diseño y
// calcula Ec, Ib, Mf e Ie con la norma del estado (la EHE-98 o el Código Estructural,
// deflection/ce/FlechasCE.h). Con fck nulo devuelve el mensaje de confirmación. Con `traza`
// anota cada paso de la memoria a medida que lo calcula; sin ella no escribe ningún texto.
[[nodiscard]] Resultado<CalculoFlecha> CalcularFlecha(EstadoDiseno& e, const DatosFlecha& datos,
                                                      Traza* traza = nullptr);

// Deja la sección de un cálculo correcto en el estado de diseño: h, b, d1, d2, d y, si fisura, x.
void GuardarSeccion(EstadoDiseno& e, const CalculoFlecha& c);

// Coeficiente ξ de la duración de la carga por índice del grupo (0 «2 semanas» .. 5 «5 o más
// años»); el índice 6 («Otro valor») toma el número escrito en `valor`. Otro índice deja ξ como
// estaba. Devuelve λ = ξ/(1 + 50·ρ') con ρ' = A2/(b·d), y deja ξ en `xi`.
[[nodiscard]] Resultado<double> CalcularFactor(double AreaA2, double b, double d, int indice,
                                 std::string_view valor, double& xi);

// Rótulos de la ventana de resultados. La inercia se escribe en un cuadro que muestra hasta
// AnchoInercia caracteres: un valor más largo no se puede mostrar.
inline constexpr int AnchoInercia = 12;
[[nodiscard]] bool InerciaMostrable(double Ie); // mm⁴
std::string TextoInercia(double Ie);    // cm⁴ (10:1)
std::string TextoModulo(double Ec);     // N/mm² (10:1)
std::string TextoFactor(double lambda); // (10:6)

} // namespace velmora
