#pragma once
// Ventanas que leen varios cálculos, descritas una vez para todas sus entradas del catálogo.

#include "documento/Catalogo.h"

#include <vector>

namespace velmora {

// ParametrosGenerales: sus campos y elecciones (documento/calculos/Parametros.cpp).
VentanaCatalogo VentanaParametros();

// Las de un cálculo de la sección: ParametrosGenerales, DatosSeccion y DatosSeccionT (con
// Valor5 como excentricidad cuando GrupoDatoConocido es 1) y `propia`, la de ese cálculo
// (documento/calculos/Seccion.cpp).
std::vector<VentanaCatalogo> VentanasSeccion(VentanaCatalogo propia);

} // namespace velmora
