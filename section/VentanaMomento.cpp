#include "section/VentanaMomento.h"

#include "app/Aplicacion.h"

TVentanaMomento::TVentanaMomento(Aplicacion& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("VentanaMomento"));
    setWindowTitle(QStringLiteral("Momento de agotamiento"));
    setFixedSize(320, 120);
}
