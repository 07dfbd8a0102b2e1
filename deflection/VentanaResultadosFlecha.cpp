#include "deflection/VentanaResultadosFlecha.h"

#include "app/Aplicacion.h"

TVentanaResultadosFlecha::TVentanaResultadosFlecha(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaResultadosFlecha"));
    setWindowTitle(QStringLiteral("Valores de las flechas"));
    setFixedSize(320, 120);
}
