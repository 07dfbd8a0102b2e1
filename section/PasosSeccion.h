#pragma once
// Pasos de la memoria de la armadura longitudinal y del momento de agotamiento (EHE-98). El
// cálculo los anota en su traza al calcular, con los valores que acaba de usar; estas funciones
// sólo les dan formato.

#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "section/MomentoAgotamiento.h"

#include <string>

namespace velmora::pasos {

// Valores de la sección en las unidades de la memoria.
std::string kN(double N);
std::string kNm(double Nmm);
std::string cm2(double mm2);

// Deformación de la fibra más comprimida por los pivotes (art. 42.1.3) y bloque de compresiones
// (art. 39.5) con la fibra neutra en x; `e` lo tiene ya evaluado en x (Cc, yc, epsC).
void PasosBloque(Traza& t, const EstadoDiseno& e, double x);

// Tensión del acero de la cara `cara` ("1" o "2") para la deformación eps (art. 38.4 o 40.2).
void PasoTension(Traza& t, const std::string& cara, const EstadoDiseno& e, double eps,
                 double sigma);

// El dominio de deformación del estado, en una nota.
void PasoDominio(Traza& t, const EstadoDiseno& e);

// Mu respecto de la mitad del canto con las fuerzas de `m` y el bloque de `e`, citando `articulo`
// (las dos normas).
void PasoMomentoUltimo(Traza& t, const std::string& articulo, const EstadoDiseno& e,
                       const MomentoResultado& m);

// Momento de agotamiento (art. 42.1) con las armaduras `a`, tras la búsqueda que dejó `e` y `m`.
void PasosMomento(Traza& t, const EstadoDiseno& e, const ArmaduraDada& a,
                  const MomentoResultado& m);

} // namespace velmora::pasos
