#include "diagrams/VentanaParabola.h"

#include "app/Aplicacion.h"

TVentanaParabola::TVentanaParabola(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaParabola"));
    setWindowTitle(QStringLiteral("Diagrama parábola-rectángulo hormigón"));
    setFixedSize(320, 120);
}
