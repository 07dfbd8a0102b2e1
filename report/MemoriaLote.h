#pragma once
// La memoria de cálculo de una tanda de velmora-calc en un PDF («velmora --memoria»), y la de una
// línea en HTML para la vista previa.

#include "report/DatosProyecto.h"

#include <QString>

namespace velmora {

// Lee ENTRADA (una línea JSON de velmora-calc por renglón; los renglones en blanco se saltan),
// calcula cada línea con su memoria y las escribe todas, en orden, en un PDF. La cabecera lleva
// `proyecto`, salvo los campos que dé la primera línea con "proyecto". Devuelve true, o false con
// un mensaje en español en `error` (fichero ilegible, línea que no se calcula, PDF no escrito).
bool EscribirMemoriaDeTanda(const QString& entrada, const QString& salida,
                            const DatosProyecto& proyecto, QString& error);

// La página HTML de la memoria de una línea de velmora-calc con `proyecto` en la cabecera, o
// vacía con `error` si la línea no se calcula.
QString MemoriaDeLinea(const QString& linea, const DatosProyecto& proyecto, QString& error);

} // namespace velmora
