#pragma once
// Sección de referencia de las pruebas del dimensionamiento: rectangular 300 × 400 mm,
// recubrimientos 30 mm, B 400 S y HA-25 en situación persistente, Es = 200000 N/mm².

#include "design/EstadoDiseno.h"

using namespace velmora;

inline EstadoDiseno SeccionReferencia() {
    EstadoDiseno e;
    InicializarTablas(e);
    e.fyk = 400.0;
    e.fck = 25.0;
    e.gammaS = 1.15;
    e.gammaC = 1.5;
    e.fyd = 400.0 / 1.15;
    e.fycd = e.fyd;
    e.fcd = 25.0 / 1.5;
    e.ArmaduraPasiva = true;
    e.IndiceEs = 2;
    e.SeccionRectangular = true;
    e.h = 400.0;
    e.b = 300.0;
    e.d1 = 30.0;
    e.d2 = 30.0;
    e.d = 370.0;
    return e;
}

// Sección en T de 1.00 m de canto, cabeza 1.00 × 0.20 m, alma de 0.20 m, recubrimientos 0.10 m.
inline EstadoDiseno SeccionTReferencia() {
    EstadoDiseno e = SeccionReferencia();
    e.SeccionRectangular = false;
    e.h = 1000.0;
    e.b = 1000.0;
    e.hf = 200.0;
    e.bw = 200.0;
    e.d1 = 100.0;
    e.d2 = 100.0;
    e.d = 900.0;
    return e;
}
