#include "timedep/VentanaResultadosRetraccion.h"

#include "app/Aplicacion.h"

TVentanaResultadosRetraccion::TVentanaResultadosRetraccion(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaResultadosRetraccion"));
    setWindowTitle(QStringLiteral("Resultados de la retracción del hormigón en masa"));
    setFixedSize(320, 120);
}
