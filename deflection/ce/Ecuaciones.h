#pragma once
// Datos para las flechas según el Código Estructural (Anejo 19, 7.4.3): la interpolación entre
// la sección sin fisurar y la totalmente fisurada y el módulo efectivo de la fluencia. N/mm², mm,
// N·mm. La profundidad de la fibra neutra y la inercia de la sección fisurada son las de la
// sección homogeneizada, iguales en las dos normas (deflection/Flechas.h).

#include "cracking/ce/Ecuaciones.h"

namespace velmora::ce {

// Duración o repetición de la carga para β de (7.19), en el orden del grupo de la ventana.
enum class DuracionCarga { CortaUnica, Prolongada };

// Es = 200 000 N/mm² (3.2.7(4)) y Ec,eff (7.20) vienen de cracking/ce/Ecuaciones.h.

// (7.19) β: 1.0 para una carga única de corta duración, 0.5 para una carga prolongada o un gran
// número de ciclos.
[[nodiscard]] double Beta(DuracionCarga duracion);
// 7.4.3(4) Mcr = fctm·I_I·2/h, momento de fisuración con la resistencia media a tracción (N·mm).
[[nodiscard]] double Mcr(double fctm, double II, double h);
// (7.19) ζ = 1 − β·(Mcr/M)² si M > Mcr; ζ = 0 en una sección sin fisurar.
[[nodiscard]] double Zeta(double beta, double Mcr, double M);
// (7.18) sobre curvaturas: 1/I = ζ/I_II + (1 − ζ)/I_I, inercia equivalente (mm⁴).
[[nodiscard]] double InerciaEquivalente(double zeta, double II, double III);
// Factor de flecha diferida: la flecha total con Ec,eff entre la instantánea con Ecm, menos uno,
// λ = Ecm·I/(Ec,eff·I∞) − 1 (I∞, inercia equivalente con αe = Es/Ec,eff).
[[nodiscard]] double FactorDiferido(double Ecm, double I, double EcEff, double IInf);

} // namespace velmora::ce
