#include "diagrams/DiagramaCalculo.h"

#include "app/Aplicacion.h"

TDiagramaCalculo::TDiagramaCalculo(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("DiagramaCalculo"));
    setWindowTitle(QStringLiteral("Diagrama de cálculo tensión-deformación de aceros"));
    setFixedSize(320, 120);
}
