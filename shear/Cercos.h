#pragma once
// Cercos de pilares no calculados a cortante (EHE-98, art. 42.3.1): separación y diámetro a
// partir de los lados, el recubrimiento y los diámetros extremos de la armadura longitudinal.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"

#include <string>

namespace velmora {

struct Cercos {
    double ladoMenor = 0; // mm, limitado a 300
    double sT = 0;        // separación, mm
    double phiT = 0;      // diámetro necesario antes de redondear, mm
    int phi = 0;          // diámetro comercial, mm
    std::string Armadura; // rótulo "  6/ 18" (mm / cm)
};

// Comprobaciones de los datos antes de calcular, con sus mensajes.
[[nodiscard]] Estado ComprobarDatosCercos(double h, double b, double d1, double phiMinLong,
                                          double phiMaxLong);

// --- Ecuaciones (EHE-98, art. 42.3.1); longitudes en mm ---

// Lado menor de la sección para la separación, no mayor que 300 mm.
[[nodiscard]] double LadoMenorCercos(double h, double b);
// st = mín(0.8·(lado mayor − d1), lado menor, 15·φmin), mm.
[[nodiscard]] double SeparacionCercosPilar(double h, double b, double d1, double phiMinLong);
// φt = φmax/4 con st = 15·φmin; con una separación menor basta φmax·√(st/(240·φmin)), mm.
[[nodiscard]] double DiametroCercoPilar(double sT, double phiMinLong, double phiMaxLong);

// Lee h, b, d1 (mm) y los diámetros de la barra más delgada y más gruesa (mm). Si los datos
// son válidos deja h, b y d1 en el estado de diseño; si no, el estado no cambia.
[[nodiscard]] Resultado<Cercos> CalcularCercos(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                                 double phiMaxLong);

// Pasos del cálculo de los cercos para la memoria, con los mismos datos (mm) y su resultado.
[[nodiscard]] Traza TrazaCercos(double h, double b, double d1, double phiMinLong,
                                double phiMaxLong, const Cercos& c);

// Corrección de los cuadros de diámetros: la más delgada nunca por encima de la más gruesa.
// Si cambió el mínimo, sube el máximo; si cambió el máximo, baja el mínimo. Devuelve true si
// movió el otro valor.
[[nodiscard]] bool AjustarDiametros(double& phiMinLong, double& phiMaxLong, bool cambioMinimo);

} // namespace velmora
