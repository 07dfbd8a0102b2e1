#pragma once
// Datos de partida comunes a las pruebas de cálculo.

#include "design/EstadoDiseno.h"

namespace velmora::pruebas {

// El estado de diseño de arranque: tablas y ranuras llenas, materiales sin confirmar.
inline EstadoDiseno EstadoInicial() {
    EstadoDiseno e;
    InicializarTablas(e);
    return e;
}

} // namespace velmora::pruebas
