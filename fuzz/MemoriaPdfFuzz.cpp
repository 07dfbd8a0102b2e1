// Una entrada corta de «velmora --memoria» hasta el PDF: la página de la memoria se carga en
// documentos de Qt, se compone en la maqueta y se pinta en un PDF, como en el programa.
//
// Se comprueba que la memoria compuesta por trozos (un capítulo en cada documento) es la misma
// tira que compuesta entera, y que el PDF se escribe y trae páginas; lo demás lo vigilan los
// saneadores. Cada entrada calcula sólo sus dos primeras líneas: un PDF lleva milisegundos por
// página.

#include "Comprobar.h"
#include "documento/MemoriaTanda.h"
#include "report/DocumentoInforme.h"
#include "report/MaquetaInforme.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t Lineas = 2;

// Qt necesita su aplicación para las letras; sin pantalla, con la plataforma «offscreen». Se
// destruye al salir, antes que lo que Qt guarda para toda la vida del proceso (lo que se registra
// con atexit después sale antes).
QGuiApplication* app = nullptr;

void Aplicacion() {
    if (app)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "fuzz_pdf";
    static char* argv[] = {nombre, nullptr};
    app = new QGuiApplication(argc, argv);
    std::atexit([] {
        delete app;
        app = nullptr;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmora;
    using velmora::fuzz::Infraccion;
    Aplicacion();
    const std::string entrada(velmora::fuzz::PrimerosRenglones(
        std::string_view(reinterpret_cast<const char*>(datos), tamano), Lineas));
    MemoriaTanda memoria;
    std::size_t renglon = 0;
    std::string error;
    if (!LeerMemoriaTanda(entrada, memoria, renglon, error) || memoria.capitulos.empty())
        return 0;
    const QString html =
        QString::fromStdString(PaginaInforme(CabeceraDeHoy(memoria.cabecera), memoria.capitulos));

    const QImage lienzo(8, 8, QImage::Format_RGB32);
    QTextDocument entero;
    CargarInforme(entero, html);
    const MaquetaInforme una(entero, lienzo, 480);
    MaquetaInforme varias(lienzo, 480);
    for (const QString& trozo : TrozosDeMemoria(html, 1)) {
        QTextDocument doc;
        CargarInforme(doc, trozo);
        varias.Anadir(doc);
    }
    if (una.Alto() != varias.Alto() || una.Tramos() != varias.Tramos())
        Infraccion("La memoria compuesta por trozos no es la misma que entera", entrada);

    const QString ruta = QDir::temp().filePath(
        QStringLiteral("velmora-fuzz-%1.pdf").arg(QCoreApplication::applicationPid()));
    QString problema;
    if (!EscribirPdfInforme(html, ruta, problema))
        Infraccion("No se escribe el PDF: " + problema.toStdString(), entrada);
    QFile pdf(ruta);
    if (!pdf.open(QIODevice::ReadOnly))
        Infraccion("No se lee el PDF escrito", entrada);
    const QByteArray bytes = pdf.readAll();
    pdf.close();
    QFile::remove(ruta);
    if (!bytes.startsWith("%PDF-") || bytes.count("/Type /Page\n") < 1)
        Infraccion("El PDF no es un documento con páginas", entrada);
    return 0;
}
