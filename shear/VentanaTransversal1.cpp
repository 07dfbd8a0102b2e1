#include "shear/VentanaTransversal1.h"

#include "app/Aplicacion.h"

TVentanaTransversal1::TVentanaTransversal1(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaTransversal1"));
    setWindowTitle(QStringLiteral("Armadura transversal de la viga"));
    setFixedSize(320, 120);
}
