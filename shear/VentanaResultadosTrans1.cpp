#include "shear/VentanaResultadosTrans1.h"

#include "app/Aplicacion.h"

TVentanaResultadosTrans1::TVentanaResultadosTrans1(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaResultadosTrans1"));
    setWindowTitle(QStringLiteral("Armadura transversal"));
    setFixedSize(320, 120);
}
