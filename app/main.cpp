#include "app/Aplicacion.h"
#include "app/VentanaPrincipal.h"
#include "assets/Dibujos.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

using namespace velmora;

int main(int argc, char* argv[]) {
    Aplicacion app;
    InicializarTablas(app.Estado); // antes de que exista ninguna ventana

    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));

    // Botones y cuadros estándar de Qt en español.
    QTranslator traduccionQt;
    if (traduccionQt.load(QStringLiteral("qtbase_es"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccionQt);

    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128})
        icono.addPixmap(QPixmap::fromImage(DibujarIcono(lado)));
    QApplication::setWindowIcon(icono);

    CrearVentanas(app);
    app.VentanaPrincipal->show();
    return QApplication::exec();
}
