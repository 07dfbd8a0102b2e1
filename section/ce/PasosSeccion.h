#pragma once
// Pasos de la memoria del dimensionamiento y del momento de agotamiento con el Código
// Estructural (Anejo 19). El cálculo los anota en su traza al calcular, con los valores que acaba
// de usar; estas funciones sólo les dan formato.

#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "materiales/IntegradorSeccion.h"
#include "materiales/LeyesSeccion.h"
#include "section/MomentoAgotamiento.h"

namespace velmora::ce::pasos {

// εc2, εcu2 y n de la ley del hormigón (tabla 3.1).
void PasosLeyes(Traza& t, const EstadoDiseno& e, const LeyesSeccion& l);

// d, ξlim, xlim, el bloque `b` en xlim y Mlim, ya calculados en `e`.
void PasosLimites(Traza& t, const EstadoDiseno& e, const LeyesSeccion& l,
                  const BloqueHormigon& b);

// El caso de cálculo: flexión simple o compuesta y el momento M1 respecto de A1.
void PasosCaso(Traza& t, const EstadoDiseno& e, double M1);

// M2 respecto de A2, cuando A1 no hace falta a tracción.
void PasoMomentoA2(Traza& t, const EstadoDiseno& e, double M2);

// Cómo halló el caso de cálculo la fibra neutra.
enum class Rama {
    Limite,       // armadura de compresión con la fibra neutra en xlim
    RespectoDeA1, // Cc·(d − yc) = M1
    RespectoDeA2  // Cc·(yc − d2) = M2
};

// Armadura de compresión en xlim o la fibra neutra hallada, el dominio y las dos áreas.
void PasosArmaduras(Traza& t, const EstadoDiseno& e, const LeyesSeccion& l, double M1, Rama rama);

// La cuantía mínima del elemento (`f`, tras aplicarla) y las capacidades del cuadro.
void PasosMinimo(Traza& t, const EstadoDiseno& f, TipoDeElemento tipo, double fctmFl);

// Momento de agotamiento con las armaduras `a`, tras la búsqueda que dejó `e` y `m`.
void PasosMomento(Traza& t, const EstadoDiseno& e, const ArmaduraDada& a,
                  const MomentoResultado& m, const LeyesSeccion& l);

} // namespace velmora::ce::pasos
