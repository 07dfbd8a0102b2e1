#pragma once
// «Comparar normas» en velmora-calc: la clave "BotonCompararNormas": true en la ventana de
// resultados de una línea pide la tabla de las dos normas, que se escribe como
// "VentanaComparacion": {"TablaComparacion": [[magnitud, EHE-98, Código Estructural,
// diferencia], ...]} y, con memoria, como su capítulo «Comparación de normas».

#include "documento/Contexto.h"
#include "norma/Comparacion.h"

#include <string_view>

namespace velmora {

// La línea trae "BotonCompararNormas": true en `ventana`. Sin la clave no se lee nada: la
// respuesta es la de siempre.
[[nodiscard]] bool ComparacionPedida(Contexto& c, std::string_view ventana);

// Escribe la tabla y su capítulo de la memoria.
void PonerComparacion(Contexto& c, const ComparacionNormas& comparacion);

} // namespace velmora
