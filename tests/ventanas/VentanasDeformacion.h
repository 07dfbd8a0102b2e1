#pragma once
// Las ventanas de fluencia y de retracción con sus ventanas de resultados, conectadas como en el
// programa: un cálculo correcto rellena los resultados y los abre.

#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"
#include "timedep/VentanaDeformacion.h"
#include "timedep/VentanaResultadosDeformacion.h"
#include "timedep/VentanaResultadosRetraccion.h"
#include "timedep/VentanaRetraccion.h"

struct VentanasDeformacion {
    velmora::TVentanaDeformacion Fluencia;
    velmora::TVentanaResultadosDeformacion FluenciaResultados;
    velmora::TVentanaRetraccion Retraccion;
    velmora::TVentanaResultadosRetraccion RetraccionResultados;

    VentanasDeformacion() {
        using namespace velmora;
        QObject::connect(&Fluencia, &TVentanaDeformacion::calculado, &FluenciaResultados,
                         [this](const DatosFluencia&, const ResultadosFluencia&,
                                const TextosFluencia& textos) {
                             FluenciaResultados.Rellenar(textos);
                             FluenciaResultados.exec();
                         });
        QObject::connect(&Retraccion, &TVentanaRetraccion::calculado, &RetraccionResultados,
                         [this](const DatosRetraccion&, const ResultadosRetraccion&,
                                const TextosRetraccion& textos) {
                             RetraccionResultados.Rellenar(textos);
                             RetraccionResultados.exec();
                         });
    }
};
