#pragma once
// Controles que comparten las ventanas de fluencia y retracción.

#include <QStringList>

class QLabel;
class QLineEdit;

namespace velmora {

// Casilla "Espesor ficticio conocido": con el espesor conocido se ocultan el área y su unidad,
// y el perímetro pasa a ser el espesor.
void MostrarEspesorConocido(bool conocido, QLabel* etiquetaArea, QLineEdit* area,
                            QLabel* unidadArea, QLabel* etiquetaPerimetro, QLineEdit* perimetro);

} // namespace velmora
