#include "shear/VentanaTransversal2.h"

#include "app/Aplicacion.h"

TVentanaTransversal2::TVentanaTransversal2(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaTransversal2"));
    setWindowTitle(QStringLiteral("Armadura transversal del pilar"));
    setFixedSize(320, 120);
}
