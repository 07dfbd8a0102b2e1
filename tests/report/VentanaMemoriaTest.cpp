// Vista previa de la memoria: el documento de la línea, guardar en HTML y PDF (con el error que
// nombra la ruta) y copiar como texto enriquecido.

#include "report/VentanaMemoria.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace velmora;

class PruebaVentanaMemoria : public QObject {
    Q_OBJECT
private slots:
    void MuestraLaMemoriaDeLaLinea() {
        VentanaMemoria v(
            QStringLiteral(R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})"));
        QVERIFY(v.Html().startsWith(QStringLiteral("<!DOCTYPE html>")));
        const QString texto =
            v.findChild<QTextBrowser*>(QStringLiteral("VistaMemoria"))->toPlainText();
        QVERIFY2(texto.contains(QStringLiteral("8.622")), qPrintable(texto.left(400)));
        QVERIFY(texto.contains(QStringLiteral("Memoria de cálculo")));
        for (const char* b : {"BotonImprimir", "BotonGuardarPdf", "BotonGuardarHtml", "BotonCopiar",
                              "BotonDatosProyecto"})
            QVERIFY2(v.findChild<QPushButton*>(QString::fromLatin1(b)), b);
    }

    void LineaQueNoSeCalculaLoDice() {
        VentanaMemoria v(
            QStringLiteral(R"({"calculo": "seccion", "DatosSeccion": {"Valor1": "x"}})"));
        QVERIFY(v.Html().isEmpty());
        const QString texto =
            v.findChild<QTextBrowser*>(QStringLiteral("VistaMemoria"))->toPlainText();
        QVERIFY2(texto.startsWith(QStringLiteral("No se puede hacer la memoria: ")),
                 qPrintable(texto));
    }

    void GuardaHtmlYPdfYAvisaDeLaRutaQueNoSePuedeEscribir() {
        VentanaMemoria v(QStringLiteral(R"({"calculo": "parametros"})"));
        QTemporaryDir dir;
        QString error;
        QVERIFY2(v.GuardarHtml(dir.filePath(QStringLiteral("m.html")), error), qPrintable(error));
        QFile html(dir.filePath(QStringLiteral("m.html")));
        QVERIFY(html.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(html.readAll()), v.Html());
        QVERIFY2(v.GuardarPdf(dir.filePath(QStringLiteral("m.pdf")), error), qPrintable(error));
        QFile pdf(dir.filePath(QStringLiteral("m.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        const QString mala = dir.filePath(QStringLiteral("no/existe/m.html"));
        QVERIFY(!v.GuardarHtml(mala, error));
        QVERIFY2(error.contains(mala), qPrintable(error));
        QVERIFY(!v.GuardarPdf(dir.filePath(QStringLiteral("no/existe/m.pdf")), error));
        QVERIFY2(error.startsWith(QStringLiteral("No se puede escribir")), qPrintable(error));
    }

    void CopiaTextoEnriquecido() {
        VentanaMemoria v(QStringLiteral(R"({"calculo": "parametros"})"));
        QTest::mouseClick(v.findChild<QPushButton*>(QStringLiteral("BotonCopiar")), Qt::LeftButton);
        const QMimeData* d = QApplication::clipboard()->mimeData();
        QVERIFY(d && d->hasHtml());
        QVERIFY(d->html().contains(QStringLiteral("f<sub>yd</sub>")));
    }
};

QTEST_MAIN(PruebaVentanaMemoria)
#include "VentanaMemoriaTest.moc"
