#pragma once
// Dimensionamiento de secciones rectangulares y en T a flexión simple o compuesta (EHE-98,
// art. 42): límites de la fibra neutra y conductor del cálculo.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "design/GeometriaSeccion.h"
#include "section/BusquedaFibraNeutra.h"

#include <string>


namespace velmora {

// Error de las búsquedas de la fibra neutra que llegan a x > 5·h sin cumplir su condición.
inline constexpr const char* MensajeSinEquilibrio =
    "No se alcanza el equilibrio de la sección con estos esfuerzos.";

// Comprueba que los parámetros generales estén confirmados (fyd, fycd y fcd positivos); si no,
// MensajeConfirmarParametros.
Estado ComprobarMateriales(const EstadoDiseno& e);

// ComprobarGeometria y ComprobarMateriales.
Estado ComprobarSeccion(const EstadoDiseno& e, const CamposGeometria& campos = {});

// Límites (art. 42.1.3): d := h − d1; xiLim := 1/(1 + fyd/(εcu·Es)) con Es = 200000 N/mm²;
// xlim := xiLim·d; yLim, Clim en x = xlim (cerrados en rectángulo, BloqueComprimido en T);
// Mlim := Clim·(d − yLim).
// No comprueba nada: llámese tras ComprobarSeccion. Con `traza`, anota en ella estos pasos.
void CalcularLimites(EstadoDiseno& e, Traza* traza = nullptr);

// Conductor del dimensionamiento. Requiere en el estado la geometría, Md, Nd, e0 (N·mm, N, mm,
// no negativos), IndiceEs y las tres banderas de cuantía a falso. `TipoElemento` y
// `DesignacionAcero` (0 B 400 S, 1 B 500 S) son los de los parámetros generales en el momento
// del cálculo.
// Comprueba la sección (ComprobarSeccion), ejecuta CalcularLimites, un caso de cálculo
// (FlexionSimple si Nd ≤ 0; si no, FlexionCompuestaSimetrica o FlexionCompuesta según
// Simetrica), escribe en Texto el rótulo de Profundidad y aplica la cuantía geométrica mínima
// del elemento. Si devuelve un error, ningún resultado debe mostrarse como válido. `modo` elige
// la búsqueda de la fibra neutra (mismos resultados, bit a bit). Con `traza`, anota en ella los
// pasos del dimensionamiento según los calcula (nada si da error).
Estado DimensionarSeccion(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero,
                          Busqueda modo = Busqueda::Rapida, Traza* traza = nullptr);

// Rótulo de Profundidad: "Profundidad de la fibra neutra = " + x en cm (6:2) + " cm", o
// "+Infinito" con la sección toda comprimida (XSeccionComprimida); seguido de " (Secc.
// rectangular)" o " (Secc. en T)".
std::string TextoProfundidad(const EstadoDiseno& e);

// Rótulo de xlimite: "xlim = " + xlim en cm (6:2) + " cm".
std::string TextoXlimite(const EstadoDiseno& e);

} // namespace velmora
