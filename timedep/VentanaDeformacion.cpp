#include "timedep/VentanaDeformacion.h"

#include "app/Aplicacion.h"

TVentanaDeformacion::TVentanaDeformacion(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaDeformacion"));
    setWindowTitle(QStringLiteral("Deformación del hormigón por fluencia"));
    setFixedSize(320, 120);
}
