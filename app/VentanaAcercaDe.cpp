#include "app/VentanaAcercaDe.h"

#include "app/Aplicacion.h"

TVentanaAcercaDe::TVentanaAcercaDe(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaAcercaDe"));
    setWindowTitle(QStringLiteral("Acerca de Velmora"));
    setFixedSize(320, 120);
}
