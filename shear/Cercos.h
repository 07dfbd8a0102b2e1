#pragma once
// Cercos de pilares no calculados a cortante (EHE-98, art. 42.3.1): separación y diámetro a
// partir de los lados, el recubrimiento y los diámetros extremos de la armadura longitudinal.

#include "common/Resultado.h"
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

// Lee h, b, d1 (mm) y los diámetros de la barra más delgada y más gruesa (mm). Si los datos
// son válidos deja h, b y d1 en el estado de diseño; si no, el estado no cambia.
Resultado<Cercos> CalcularCercos(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                                 double phiMaxLong);

// Corrección de los cuadros de diámetros: la más delgada nunca por encima de la más gruesa.
// Si cambió el mínimo, sube el máximo; si cambió el máximo, baja el mínimo. Devuelve true si
// movió el otro valor.
bool AjustarDiametros(double& phiMinLong, double& phiMaxLong, bool cambioMinimo);

} // namespace velmora
