#include "app/Aplicacion.h"
#include "app/VentanaPrincipal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    Aplicacion app;
    InicializarTablas(app.Estado); // antes de que exista ninguna ventana

    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    CrearVentanas(app);
    app.VentanaPrincipal->show();
    return QApplication::exec();
}
