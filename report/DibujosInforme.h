#pragma once
// Dibujos vectoriales (SVG) de la memoria de cálculo de la armadura longitudinal: la sección con
// sus cotas y sus barras, y el perfil de deformaciones sobre los dominios. Sin Qt.

#include "design/EstadoDiseno.h"

#include <string>

namespace velmora {

// Barras de una cara: número y diámetro (mm). Con número 0 no se dibujan.
struct BarrasCara {
    int numero = 0;
    double diametro = 0.0;
};

// Sección rectangular o en T del estado (h, b, hf, bw, d1, d2 en mm) con sus cotas en m, las
// barras de las dos caras y, si x está dentro del canto, la fibra neutra.
[[nodiscard]] std::string SvgSeccion(const EstadoDiseno& e, BarrasCara a1, BarrasCara a2);

// Perfil de deformaciones del estado (x, epsC, d, h; ‰) sobre los pivotes de los dominios
// (10 ‰ en la armadura, 3.5 ‰ en la fibra superior, 2 ‰ a 3h/7).
[[nodiscard]] std::string SvgDeformaciones(const EstadoDiseno& e);

} // namespace velmora
