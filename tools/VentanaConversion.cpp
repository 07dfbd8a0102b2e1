#include "tools/VentanaConversion.h"

#include "app/Aplicacion.h"

TVentanaConversion::TVentanaConversion(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaConversion"));
    setWindowTitle(QStringLiteral("Conversión de unidades"));
    setFixedSize(320, 120);
}
