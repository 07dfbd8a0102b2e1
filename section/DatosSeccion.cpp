#include "section/DatosSeccion.h"

#include "app/Aplicacion.h"

TDatosSeccion::TDatosSeccion(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("DatosSeccion"));
    setWindowTitle(QStringLiteral("Datos de la sección rectangular"));
    setFixedSize(320, 120);
}
