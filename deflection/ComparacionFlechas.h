#pragma once
// «Comparar normas» de las flechas: los mismos datos de la viga con la EHE-98 (art. 50.2.2) y
// con el Código Estructural (Anejo 19, 7.4.3), lado a lado. Las dos ventanas no dan un vano ni
// una carga: la flecha se compara como la inversa de la rigidez Ec·Ie (instantánea) y por
// (1 + λ)/(Ec·Ie) (total), con la de la EHE-98 como unidad.

#include "deflection/Flechas.h"
#include "norma/Comparacion.h"

#include <string>

namespace velmora {

// Entradas de una sola norma: ξ de la duración de la carga (EHE-98: grupo de la ventana de
// resultados y su valor escrito con «Otro valor») y φ (Código Estructural); la duración de la
// carga del Código Estructural (β) viaja en los datos. Las de la norma que no es la del cálculo
// no están a la vista en la ventana: la tabla las da como supuestas.
struct EntradasFlechaPorNorma {
    Norma norma = Norma::EHE98;  // la del cálculo
    int IndiceDuracion = 6;      // ξ: 0 «2 semanas» .. 5 «5 o más años», 6 «Otro valor»
    std::string TextoXi = "1.0"; // ξ escrito con «Otro valor»
    std::string TextoPhi = "2.0";
};

// Calcula los datos `d` con las dos normas, con las elecciones `p` de los parámetros generales
// (la resistencia de cada norma) y las entradas `x`. Error, con el nombre de la norma delante,
// si alguna de las dos no puede.
[[nodiscard]] Resultado<ComparacionNormas> CompararFlechas(const EstadoDiseno& e,
                                                           const EleccionParametros& p,
                                                           const DatosFlecha& d,
                                                           const EntradasFlechaPorNorma& x);

} // namespace velmora
