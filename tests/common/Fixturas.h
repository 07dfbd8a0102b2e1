#pragma once
// Datos de partida comunes a las pruebas de cálculo.

#include "design/EstadoDiseno.h"

#include <cstdlib>
#include <functional>

namespace velmora::pruebas {

// El estado de diseño de arranque: tablas y ranuras llenas, materiales sin confirmar.
inline EstadoDiseno EstadoInicial() {
    EstadoDiseno e;
    InicializarTablas(e);
    return e;
}

// El estado de arranque con los parámetros generales por defecto confirmados (EHE-98).
inline EstadoDiseno Confirmado() {
    EstadoDiseno e = EstadoInicial();
    if (!DerivarMateriales(e, EleccionParametros{}).ok())
        std::abort();
    return e;
}

// Una fila de las tablas de ecuaciones: el valor que da la función frente al calculado a mano.
struct CasoEcuacion {
    const char* nombre;
    std::function<double()> valor;
    double esperado, tolerancia;
};

} // namespace velmora::pruebas
