#pragma once
// Momento de agotamiento en flexión simple de una sección con armaduras dadas (EHE-98,
// art. 42.1).

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "section/BusquedaFibraNeutra.h"

#include <string>

namespace velmora {

// Armaduras elegidas en la ventana del momento de agotamiento.
struct ArmaduraDada {
    double As1Dada = 0.0;    // mm², ranura 1
    double As2Dada = 0.0;    // mm², ranura 2
    bool Traccionada = true; // casilla «Traccionada»
    bool Comprimida = true;  // casilla «Comprimida»
};

struct MomentoResultado {
    double Fs1 = 0.0; // N, tracción positiva
    double Fs2 = 0.0; // N, compresión positiva
    double Mu = 0.0;  // N·mm, respecto de la mitad del canto
};

// Busca x en pasos de 0.01 mm hasta que (Fs1 − Fs2) − Cc < 0.001 N y suma los momentos respecto
// de la mitad del canto. Escribe x, Dominio (1, 2 o 4), epsS1, epsS2 y lo que escribe
// BloqueComprimido. Requiere PrepararMomento (o CalcularLimites sobre una sección comprobada);
// error si los parámetros no están confirmados, un área es negativa o no finita, o la búsqueda
// pasa de x = 5·h. `modo` elige la búsqueda (mismos resultados, bit a bit). Con `traza`, anota
// en ella los pasos del resultado (nada si da error).
Resultado<MomentoResultado> CalcularMomentoAgotamiento(EstadoDiseno& e, const ArmaduraDada& a,
                                                       Busqueda modo = Busqueda::Rapida,
                                                       Traza* traza = nullptr);

// Rótulo de EtiquetaMomento: Mu en kN·m (10:2) seguido de " kN*m".
std::string TextoMomento(double Mu);

} // namespace velmora
