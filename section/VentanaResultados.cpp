#include "section/VentanaResultados.h"

#include "app/Aplicacion.h"

TVentanaResultados::TVentanaResultados(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaResultados"));
    setWindowTitle(QStringLiteral("Armadura longitudinal"));
    setFixedSize(320, 120);
}
