#pragma once
// Datos para las flechas de vigas según el Código Estructural (Anejo 19, 7.4.3): Ecm y fctm de
// la tabla 3.1, momento de fisuración con fctm, coeficiente de distribución ζ (7.19), inercia
// equivalente de las curvaturas interpoladas (7.18) y factor de flecha diferida con el módulo
// efectivo Ec,eff = Ecm/(1 + φ) (7.20).

#include "common/Descripcion.h"
#include "deflection/Flechas.h"

#include <array>
#include <string_view>

namespace velmora::ce {

// Grupo de la duración de la carga de la ventana de datos, en el orden de DuracionCarga.
inline constexpr std::array<std::string_view, 2> OpcionesDuracionCargaCE{
    "Carga única de corta duración (β = 1.0)", "Carga prolongada o repetida (β = 0.5)"};
inline constexpr Eleccion EleccionDuracionCargaCE{"GrupoDuracionCarga",
                                                  "Duración de la carga", OpcionesDuracionCargaCE};
// Coeficiente de fluencia φ(∞,t0) de la ventana de resultados.
inline constexpr Campo CampoPhi{"CoeficienteFluencia", "Coeficiente de fluencia φ", "", 1.0, 0.0,
                                10.0, "2.0"};

// Índice del grupo de la duración; rechaza, nombrando el grupo, uno fuera de él.
[[nodiscard]] Resultado<DuracionCarga> LeerDuracionCarga(int indice);

// «Calcular» con el Código Estructural: los mismos datos y comprobaciones que con la EHE-98.
// Con `traza` anota cada paso de la memoria a medida que lo calcula.
[[nodiscard]] Resultado<CalculoFlecha> CalcularFlechaCE(EstadoDiseno& e, const DatosFlecha& datos,
                                                        Traza* traza = nullptr);

// Factor de flecha diferida λ con el φ escrito, y el Ec,eff con que se obtiene. Con `traza`
// anota Ec,eff, n∞, la inercia a largo plazo y λ.
struct FactorDiferidoCE {
    double phi = 0, EcEff = 0, lambda = 0;
};
[[nodiscard]] Resultado<FactorDiferidoCE> CalcularFactorCE(const CalculoFlecha& c,
                                                           std::string_view textoPhi,
                                                           Traza* traza = nullptr);

// Rótulos: ζ («ζ = 0.883») y el método usado.
std::string TextoZeta(const CalculoFlecha& c);
inline constexpr std::string_view TextoMetodoCE =
    "Código Estructural, 7.4.3: I = 1/(ζ/I_II + (1 − ζ)/I_I), ζ = 1 − β·(Mcr/Ma)², "
    "Ec = Ecm; λ con Ec,eff = Ecm/(1 + φ)";

} // namespace velmora::ce
