#pragma once
// «Comparar normas» de la armadura transversal: el cortante de la viga y los cercos del pilar
// con la EHE-98 y con el Código Estructural, con los mismos datos.

#include "common/Descripcion.h"
#include "common/Resultado.h"
#include "design/EstadoDiseno.h"
#include "norma/Comparacion.h"
#include "shear/Cortante.h"
#include "shear/DescripcionCortante.h"

namespace velmora {

// Lo que lee la comparación del cortante: los textos de la ventana de datos, su casilla de
// armadura comprimida, el área longitudinal confirmada (mm²) y los cercos de los resultados.
struct EntradaComparacionCortante {
    TextosCampos textos;
    bool ArmaduraComprimida = false;
    double Asl = 0;
    EleccionZonas zonas;
};

// El cortante con las dos normas y las elecciones `p` de los parámetros generales. Los datos
// se leen como los lee la EHE-98 (un dato que ésta no admite es un error que la nombra). Un θ
// fuera de 0.5 ≤ cot θ ≤ 2, que ninguna de las dos admite, se toma en el límite más cercano y
// sus celdas lo dicen. Con el Código Estructural θe no se aplica y un α fuera de 45º a 90º
// deja sus resultados sin calcular.
[[nodiscard]] Resultado<ComparacionNormas>
CompararNormasCortante(const EstadoDiseno& e, const EleccionParametros& p,
                       const EntradaComparacionCortante& entrada);

// Los cercos del pilar con las dos normas (no dependen de los materiales).
[[nodiscard]] Resultado<ComparacionNormas> CompararNormasCercos(const EstadoDiseno& e,
                                                                const DatosCercos& d);

} // namespace velmora
