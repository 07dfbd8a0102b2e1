#include "timedep/ControlesComunes.h"

#include <QLabel>
#include <QLineEdit>

namespace velmora {

void MostrarEspesorConocido(bool conocido, QLabel* etiquetaArea, QLineEdit* area,
                            QLabel* unidadArea, QLabel* etiquetaPerimetro, QLineEdit* perimetro) {
    etiquetaArea->setVisible(!conocido);
    area->setVisible(!conocido);
    unidadArea->setVisible(!conocido);
    etiquetaPerimetro->setText(conocido ? QStringLiteral("Espesor") : QStringLiteral("Perímetro"));
    perimetro->setToolTip(
        conocido ? QStringLiteral("Espesor ficticio del elemento")
                 : QStringLiteral("Perímetro de la secc. transv. en contacto con la atmósfera"));
}

} // namespace velmora
