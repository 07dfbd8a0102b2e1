#pragma once
// Ventanas que leen varios cálculos, descritas una vez para todas sus entradas del catálogo.

#include "documento/Catalogo.h"

#include <initializer_list>
#include <vector>

namespace velmora {

// ParametrosGenerales: sus campos y elecciones (documento/calculos/Parametros.cpp).
VentanaCatalogo VentanaParametros();

// Los controles de ParametrosGenerales en el orden en que los lee Contexto::ConfirmarParametros,
// todos leídos `cuando`.
std::vector<LecturaCatalogo> LecturasParametros(Cuando cuando = Cuando::Siempre);

// `primeras` seguidas de `siguientes`.
std::vector<LecturaCatalogo> Seguidas(std::vector<LecturaCatalogo> primeras,
                                      std::initializer_list<LecturaCatalogo> siguientes);

// Las de un cálculo de la sección: ParametrosGenerales, DatosSeccion y DatosSeccionT (con
// Valor5 como excentricidad cuando GrupoDatoConocido es 1) y `propia`, la de ese cálculo
// (documento/calculos/Seccion.cpp).
std::vector<VentanaCatalogo> VentanasSeccion(VentanaCatalogo propia);

// Lo que lee un cálculo de la sección, en su orden: ParametrosGenerales, la geometría de
// DatosSeccion o de DatosSeccionT (con `conEsfuerzos`, también Valor5, Valor6 y
// GrupoDatoConocido) y `siguientes`.
std::vector<LecturaCatalogo>
LecturasDatosSeccion(bool conEsfuerzos, std::initializer_list<LecturaCatalogo> siguientes);

} // namespace velmora
