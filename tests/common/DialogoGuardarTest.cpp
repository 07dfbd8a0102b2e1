// Ruta con la que se guarda un proyecto o una memoria: la extensión que falta se añade y la de
// otro tipo de fichero se pregunta, como el sustituir un fichero que el diálogo no vio.

#include "common/DialogoGuardar.h"
#include "ventanas/Modal.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

constexpr std::array<std::string_view, 2> Html{"html", "htm"};

// Pulsa el botón `boton` de la pregunta `pregunta` cuando aparezca; deja en `vista` su objeto.
void Responder(const QString& pregunta, const QString& boton, QString& vista) {
    ResponderModal([pregunta, boton, &vista](QWidget* w) {
        vista = w->objectName();
        if (auto* b = w->findChild<QAbstractButton*>(boton))
            b->click();
        else
            w->close();
    });
}

} // namespace

class PruebaDialogoGuardar : public QObject {
    Q_OBJECT
private slots:
    void SinExtensionLaAnadeSinPreguntar() {
        QTemporaryDir dir;
        for (const char* nombre : {"memoria", "memoria.", "memoria.."})
            QCOMPARE(RutaConfirmada(nullptr, dir.filePath(QString::fromUtf8(nombre)), Html,
                                    QStringLiteral("una página web")),
                     dir.filePath(QStringLiteral("memoria.html")));
        QCOMPARE(RutaConfirmada(nullptr, dir.filePath(QStringLiteral("m.HTM")), Html,
                                QStringLiteral("una página web")),
                 dir.filePath(QStringLiteral("m.HTM")));
        QCOMPARE(RutaConfirmada(nullptr, QString(), Html, QStringLiteral("una página web")),
                 QString());
    }

    void OtraExtensionSePregunta_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("ruta");
        QTest::newRow("añadir la del tipo") << "Anadir"
                                            << "x.png.html";
        QTest::newRow("guardar así") << "Asi"
                                     << "x.png";
        QTest::newRow("cancelar") << "Cancelar"
                                  << "";
    }
    void OtraExtensionSePregunta() {
        QFETCH(QString, boton);
        QFETCH(QString, ruta);
        QTemporaryDir dir;
        QString vista;
        Responder(QStringLiteral("PreguntaExtension"), boton, vista);
        const QString r = RutaConfirmada(nullptr, dir.filePath(QStringLiteral("x.png")), Html,
                                         QStringLiteral("una página web"));
        QCOMPARE(vista, QStringLiteral("PreguntaExtension"));
        QCOMPARE(r, ruta.isEmpty() ? QString() : dir.filePath(ruta));
    }

    // El diálogo preguntó por «x», no por «x.html», que ya existe.
    void SustituirLoQueElDialogoNoVio() {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("x.html")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        for (const auto& [boton, esperada] :
             {std::pair{QStringLiteral("Cancelar"), QString()},
              std::pair{QStringLiteral("Sustituir"), dir.filePath(QStringLiteral("x.html"))}}) {
            QString vista;
            Responder(QStringLiteral("PreguntaSustituir"), boton, vista);
            QCOMPARE(RutaConfirmada(nullptr, dir.filePath(QStringLiteral("x")), Html,
                                    QStringLiteral("una página web")),
                     esperada);
            QCOMPARE(vista, QStringLiteral("PreguntaSustituir"));
        }
        // Elegido tal cual en el diálogo, que ya preguntó: sin más preguntas.
        QCOMPARE(RutaConfirmada(nullptr, dir.filePath(QStringLiteral("x.html")), Html,
                                QStringLiteral("una página web")),
                 dir.filePath(QStringLiteral("x.html")));
    }
};

QTEST_MAIN(PruebaDialogoGuardar)
#include "DialogoGuardarTest.moc"
