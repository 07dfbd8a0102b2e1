#pragma once
// Cercos de pilares no calculados a cortante (EHE-98, art. 42.3.1, o Código Estructural,
// Anejo 19, 9.5.3, según la norma del estado de diseño): separación y diámetro a partir de los
// lados, el recubrimiento y los diámetros extremos de la armadura longitudinal.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "norma/Norma.h"

#include <string>

namespace velmora {

struct Cercos {
    double ladoMenor = 0; // mm, limitado a 300
    double sT = 0;        // separación, mm
    double phiT = 0;      // diámetro necesario antes de redondear, mm
    int phi = 0;          // diámetro comercial, mm
    std::string Armadura; // rótulo "  6/ 18" (mm / cm)
    Norma norma = Norma::EHE98;
    // Código Estructural: la separación reducida junto a vigas y losas y en los solapos
    // (9.5.3(4)); vacía con la EHE-98.
    std::string NotaSeparacion;
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

// Lee h, b, d1 (mm) y los diámetros de la barra más delgada y más gruesa (mm) y calcula por la
// norma del estado. Si los datos son válidos deja h, b y d1 en el estado de diseño; si no, el
// estado no cambia. Con una traza anota cada paso al calcularlo (separaciones, la que rige, el
// diámetro y el comercial); un cálculo sin resultado no deja ningún paso.
[[nodiscard]] Resultado<Cercos> CalcularCercos(EstadoDiseno& e, double h, double b, double d1,
                                               double phiMinLong, double phiMaxLong,
                                               Traza* traza = nullptr);

// Nota de la separación reducida por 0.6 junto a vigas y losas (y en los solapos si la barra
// más gruesa pasa de 14 mm), Código Estructural (9.5.3(4)); sT en mm.
[[nodiscard]] std::string TextoSeparacionReducida(double sT, double phiMaxLong);

// Corrección de los cuadros de diámetros: la más delgada nunca por encima de la más gruesa.
// Si cambió el mínimo, sube el máximo; si cambió el máximo, baja el mínimo. Devuelve true si
// movió el otro valor.
[[nodiscard]] bool AjustarDiametros(double& phiMinLong, double& phiMaxLong, bool cambioMinimo);

} // namespace velmora
