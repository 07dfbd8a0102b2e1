#include "design/ParametrosGenerales.h"

#include "app/Aplicacion.h"

TParametrosGenerales::TParametrosGenerales(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("ParametrosGenerales"));
    setWindowTitle(QStringLiteral("Parámetros generales"));
    setFixedSize(320, 120);
}

EleccionParametros TParametrosGenerales::Eleccion() const { return {}; }
QString TParametrosGenerales::TextoResistencia() const { return QStringLiteral("25"); }
