#include "timedep/VentanaResultadosDeformacion.h"

#include "app/Aplicacion.h"

TVentanaResultadosDeformacion::TVentanaResultadosDeformacion(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaResultadosDeformacion"));
    setWindowTitle(QStringLiteral("Resultados de la deformación"));
    setFixedSize(320, 120);
}
