#include "app/VentanaPrincipal.h"

#include "app/Aplicacion.h"

TVentanaPrincipal::TVentanaPrincipal(Aplicacion& app, QWidget* parent)
    : QMainWindow(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaPrincipal"));
    setWindowTitle(QStringLiteral("Velmora"));
    resize(640, 480);
}
