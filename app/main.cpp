#include "app/Aplicacion.h"
#include "common/Version.h"
#include "app/Proyectos.h"
#include "app/VentanaPrincipal.h"
#include "design/ParametrosGenerales.h"
#include "assets/Dibujos.h"
#include "report/DialogoDatosProyecto.h"
#include "report/MemoriaLote.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

// --help y --version se contestan antes de crear la aplicación: no hace falta pantalla.
std::optional<int> OpcionDeTerminal(int argc, char* argv[]) {
    if (argc != 2)
        return std::nullopt;
    const std::string_view opcion = argv[1];
    if (opcion == "--version" || opcion == "-V") {
        std::cout << "velmora " VELMORA_VERSION "\n";
        return 0;
    }
    if (opcion == "--help" || opcion == "-h") {
        std::cout << "Uso: velmora [opciones de Qt] [PROYECTO.velmora]\n"
                     "       velmora --memoria ENTRADA SALIDA.pdf\n"
                     "\n"
                     "Calculadora de hormigón armado según la EHE-98 o el Código Estructural\n"
                     "(Anejo 19; se elige en los parámetros generales): armadura\n"
                     "longitudinal y transversal, flechas, anclaje, fluencia y retracción,\n"
                     "diagramas de cálculo, conversión de unidades y área de barras.\n"
                     "\n"
                     "  -h, --help     muestra esta ayuda y termina\n"
                     "  -V, --version  muestra la versión y termina\n"
                     "  --memoria ENTRADA SALIDA.pdf\n"
                     "                 escribe en SALIDA.pdf la memoria de cálculo de cada línea\n"
                     "                 de ENTRADA (entradas de velmora-calc) sin abrir ventanas\n"
                     "\n"
                     "Los mismos cálculos, sin ventanas: velmora-calc --help.\n";
        return 0;
    }
    return std::nullopt;
}

} // namespace

using namespace velmora;

namespace {

// velmora --memoria ENTRADA SALIDA.pdf: la memoria de una tanda de velmora-calc, sin ventanas.
int Memoria(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("Uso: velmora --memoria ENTRADA SALIDA.pdf\n", stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    QString error;
    if (!EscribirMemoriaDeTanda(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                                LeerDatosProyecto(), error)) {
        std::fprintf(stderr, "velmora: %s\n", error.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const auto salida = OpcionDeTerminal(argc, argv))
        return *salida;
    if (argc >= 2 && std::strcmp(argv[1], "--memoria") == 0)
        return Memoria(argc, argv);
    Aplicacion app;
    InicializarTablas(app.Estado); // antes de que exista ninguna ventana

    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
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
    // La norma de la última sesión (se guarda con cada OK de los parámetros generales).
    {
        const QSettings ajustes(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
        const auto norma = NormaDelIndice(ajustes.value(QStringLiteral("Norma"), 0).toInt());
        app.ParametrosGenerales->FijarNorma(norma.value_or(Norma::EHE98));
        app.VentanaPrincipal->MostrarNorma(
            QString::fromStdString(TextoNormaEnUso(app.ParametrosGenerales->NormaElegida())));
    }
    QObject::connect(app.ParametrosGenerales, &TParametrosGenerales::normaConfirmada,
                     [](Norma n) {
                         QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora"))
                             .setValue(QStringLiteral("Norma"), IndiceNorma(n));
                     });
    app.VentanaPrincipal->show();
    // «velmora proyecto.velmora» abre ese proyecto (también con doble clic en el escritorio).
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() > 1)
        QTimer::singleShot(0, app.Proyectos,
                           [&app, ruta = argumentos.at(1)] { app.Proyectos->AbrirFichero(ruta); });
    return QApplication::exec();
}
