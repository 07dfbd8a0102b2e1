#include "deflection/VentanaFlechas.h"

#include "app/Aplicacion.h"

TVentanaFlechas::TVentanaFlechas(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaFlechas"));
    setWindowTitle(QStringLiteral("Cálculo de flechas en vigas"));
    setFixedSize(320, 120);
}
