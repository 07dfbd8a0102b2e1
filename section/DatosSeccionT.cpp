#include "section/DatosSeccionT.h"

#include "app/Aplicacion.h"

TDatosSeccionT::TDatosSeccionT(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("DatosSeccionT"));
    setWindowTitle(QStringLiteral("Datos de la seccion en T"));
    setFixedSize(320, 120);
}
