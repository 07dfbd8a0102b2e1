#include "anchorage/VentanaLongitudAnclaje.h"

#include "app/Aplicacion.h"

TVentanaLongitudAnclaje::TVentanaLongitudAnclaje(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaLongitudAnclaje"));
    setWindowTitle(QStringLiteral("Longitud de anclaje de las armaduras"));
    setFixedSize(320, 120);
}

void TVentanaLongitudAnclaje::AbrirDesdeResultados(int, const QString&, const QString&,
                                                   const QString&) {
    exec();
}
