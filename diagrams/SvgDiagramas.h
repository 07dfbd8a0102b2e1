#pragma once
// Los dibujos de las herramientas de diagramas como SVG autónomo, sin Qt, para la memoria: los
// mismos elementos que pintan sus ventanas.

#include "diagrams/DiagramaAcero.h"
#include "diagrams/ParabolaRectangulo.h"

#include <string>

namespace velmora {

// Diagrama σ–ε de cálculo del acero: rejilla, ejes (ε en ‰, σ en N/mm²), rama elástica, rama
// plástica, punto de fyd (y 0.7·fyd en la activa) y el punto de la deformación escrita.
[[nodiscard]] std::string SvgDiagramaAcero(const DibujoAcero& d, double ancho = 520,
                                           double alto = 340);

// Bloque de compresiones: la sección con la zona comprimida, su canto y la armadura, y a su lado
// la ley parábola-rectángulo sobre el canto con la fibra neutra y la resultante C en su centro
// de gravedad; al pie C, xg y x. Sin datos, el aviso de que falta calcular.
[[nodiscard]] std::string SvgBloque(const DibujoBloque& d, double ancho = 560, double alto = 340);

} // namespace velmora
