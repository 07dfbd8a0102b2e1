#include "timedep/ce/ControlesCE.h"

#include <QWidget>

namespace velmora::ce {

void MostrarEspesorMedio(QWidget* ventana, bool conocido) {
    for (const char* nombre : {"SimboloArea", "Area", "UnidadArea", "SimboloPerimetro",
                               "Perimetro", "UnidadPerimetro"})
        if (auto* w = ventana->findChild<QWidget*>(QLatin1String(nombre)))
            w->setVisible(!conocido);
    for (const char* nombre : {"SimboloEspesorMedio", "EspesorMedio", "UnidadEspesorMedio"})
        if (auto* w = ventana->findChild<QWidget*>(QLatin1String(nombre)))
            w->setVisible(conocido);
}

} // namespace velmora::ce
