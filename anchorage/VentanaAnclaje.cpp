#include "anchorage/VentanaAnclaje.h"

#include "app/Aplicacion.h"

TVentanaAnclaje::TVentanaAnclaje(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaAnclaje"));
    setWindowTitle(QStringLiteral("Longitudes de anclaje"));
    setFixedSize(320, 120);
}
