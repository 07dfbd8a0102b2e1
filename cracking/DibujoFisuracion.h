#pragma once
// Dibujo de la sección en servicio (contorno, barras, fibra neutra y zona comprimida) con su
// diagrama de tensiones de la combinación cuasipermanente, como lista de trazos sin Qt: la
// ventana los pinta y la memoria los escribe como SVG.

#include "cracking/Fisuracion.h"
#include "section/DibujoInteraccion.h"

#include <string>
#include <vector>

namespace velmora {

[[nodiscard]] std::vector<Trazo> ComponerDibujoFisuracion(const ResultadoFisuracion& r,
                                                          double ancho, double alto);

// El dibujo como documento SVG autónomo.
[[nodiscard]] std::string SvgFisuracion(const ResultadoFisuracion& r, double ancho = 640,
                                        double alto = 400);

} // namespace velmora
