#pragma once
// El estado de diseño con el que arranca el programa (tablas llenas), para las pruebas que
// construyen sólo las ventanas que prueban.

#include "design/EstadoDiseno.h"

inline velmora::EstadoDiseno EstadoDeArranque() {
    velmora::EstadoDiseno e;
    velmora::InicializarTablas(e);
    return e;
}
