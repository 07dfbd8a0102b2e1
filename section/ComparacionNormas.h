#pragma once
// «Comparar normas»: el mismo dimensionamiento de la sección (geometría, esfuerzos y elecciones
// de los parámetros generales) con la EHE-98 y con el Código Estructural, lado a lado.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"

#include <string>
#include <vector>

namespace velmora {

// Una fila de la tabla: la magnitud, su valor con cada norma y la diferencia del Código
// Estructural respecto de la EHE-98 («—» si no es un número o la EHE-98 da cero).
struct FilaComparacion {
    std::string Magnitud, EHE98, CodigoEstructural, Diferencia;
};

struct ComparacionNormas {
    std::vector<FilaComparacion> Filas; // A1, A2, x, dominio, cuantía mínima que rige
};

// Dimensiona con las dos normas la sección y los esfuerzos del estado (los de la última
// «Calcular») con las elecciones `p` de los parámetros generales. Error si alguna de las dos
// no puede (p. ej. una resistencia fuera del intervalo de una de ellas).
[[nodiscard]] Resultado<ComparacionNormas> CompararNormas(const EstadoDiseno& e,
                                                          const EleccionParametros& p);

// Diferencia en % de b respecto de a con un decimal y signo («+4.2 %»); «—» si a es cero.
[[nodiscard]] std::string TextoDiferencia(double a, double b);

// La tabla como capítulo de la memoria: una nota por fila.
[[nodiscard]] Traza TrazaComparacion(const ComparacionNormas& c);

} // namespace velmora
