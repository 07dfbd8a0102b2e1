#pragma once
// «Comparar normas»: la tabla de un mismo cálculo con la EHE-98 y con el Código Estructural,
// lado a lado. Cada cálculo arma sus filas; la ventana, la línea de velmora-calc y la memoria
// las muestran igual.

#include "common/Traza.h"

#include <string>
#include <vector>

namespace velmora {

// Una fila de la tabla: la magnitud, su valor con cada norma y la diferencia del Código
// Estructural respecto de la EHE-98 («—» si no es un número o la EHE-98 da cero).
struct FilaComparacion {
    std::string Magnitud, EHE98, CodigoEstructural, Diferencia;
};

struct ComparacionNormas {
    std::vector<FilaComparacion> Filas;
};

// Diferencia en % de b respecto de a con un decimal y signo («+4.2 %»); «—» si a es cero.
[[nodiscard]] std::string TextoDiferencia(double a, double b);

// La tabla como capítulo de la memoria: una nota por fila.
[[nodiscard]] Traza TrazaComparacion(const ComparacionNormas& c);

} // namespace velmora
