#include "design/VentanaArea.h"

#include "app/Aplicacion.h"

TVentanaArea::TVentanaArea(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaArea"));
    setWindowTitle(QStringLiteral("Área de armaduras"));
    setFixedSize(320, 120);
}

bool TVentanaArea::Seleccionar(int ranura) {
    app_.Estado.IndiceArmadura = ranura;
    return exec() == QDialog::Accepted;
}
QString TVentanaArea::TextoArea() const { return {}; }
