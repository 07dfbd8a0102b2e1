#pragma once
// Comprobación de la geometría de una sección rectangular o en T antes de calcular con ella: la
// usan las secciones y las herramientas que trabajan sobre una sección.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"

#include <string>

namespace velmora {

// Error de un cálculo que no da valores finitos (datos fuera de escala).
inline constexpr const char* MensajeValoresNoFinitos =
    "Los datos dan resultados fuera del intervalo de cálculo; revise las dimensiones y los "
    "esfuerzos.";

// Nombres de los controles de la geometría, para que los errores señalen el campo de la ventana
// que los tiene. Por omisión, los nombres de las magnitudes.
struct CamposGeometria {
    std::string h = "h", b = "b", d2 = "d2", d1 = "d1", hf = "hf", bw = "bw";
};
CamposGeometria CamposDatosSeccion();  // Valor1..Valor4
CamposGeometria CamposDatosSeccionT(); // Valorh, Valorhf, Valorb, Valorbw, Valord2, Valord1

// Comprueba, antes de calcular, la geometría del estado (h, b, d1, d2 en mm; hf y bw si la
// sección es en T): rechaza h ≤ 0, h > 20 m, b ≤ 0, recubrimientos negativos, d = h − d1 ≤ 0,
// d2 ≥ d, y en T hf ≤ 0, hf ≥ h, bw ≤ 0, bw > b. El error nombra el control.
Estado ComprobarGeometria(const EstadoDiseno& e, const CamposGeometria& campos = {});

} // namespace velmora
