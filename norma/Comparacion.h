#pragma once
// «Comparar normas»: la tabla de un mismo cálculo con la EHE-98 y con el Código Estructural,
// lado a lado. Cada cálculo arma sus filas; la ventana, la línea de velmora-calc y la memoria
// las muestran igual.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "norma/Norma.h"

#include <optional>
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
    // Qué se compara, sobre la tabla de la ventana; vacío: la misma sección y los mismos
    // esfuerzos.
    std::string Descripcion;
};

// El valor de una magnitud con una norma, o por qué esa norma no lo da («no se calcula», el
// motivo de una zona rechazada...).
struct ValorComparado {
    std::optional<double> valor;
    std::string motivo = "no se calcula";
};

// Una fila con los dos valores escritos por `texto` y su diferencia; una celda sin valor
// muestra su motivo y la diferencia es «—».
[[nodiscard]] FilaComparacion FilaValores(std::string magnitud, const ValorComparado& a,
                                          const ValorComparado& b,
                                          std::string (*texto)(double));

// El error de un cálculo con una de las dos normas, con su nombre delante («EHE-98: …»).
[[nodiscard]] ErrorCalculo ErrorConNorma(Norma n, const ErrorCalculo& e);

// Diferencia en % de b respecto de a con un decimal y signo («+4.2 %»); «—» si a es cero.
[[nodiscard]] std::string TextoDiferencia(double a, double b);

// La tabla como capítulo de la memoria: lo que se compara, si se dice, y una nota por fila.
[[nodiscard]] Traza TrazaComparacion(const ComparacionNormas& c);

} // namespace velmora
