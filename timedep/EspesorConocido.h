#pragma once
// Casilla "Espesor ficticio conocido" de las ventanas de fluencia y retracción: con el espesor
// conocido se ocultan el área y su unidad, y el perímetro pasa a ser el espesor.

class QLabel;
class QLineEdit;

void MostrarEspesorConocido(bool conocido, QLabel* etiquetaArea, QLineEdit* area,
                            QLabel* unidadArea, QLabel* etiquetaPerimetro, QLineEdit* perimetro);
