#include "timedep/VentanaRetraccion.h"

#include "app/Aplicacion.h"

TVentanaRetraccion::TVentanaRetraccion(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaRetraccion"));
    setWindowTitle(QStringLiteral("Deformación por retracción del hormigón"));
    setFixedSize(320, 120);
}
