// Vista previa de la memoria: el documento de la línea, guardar en HTML y PDF (con el error que
// nombra la ruta) y copiar como texto enriquecido.

#include "report/VentanaMemoria.h"
#include "documento/MemoriaTanda.h"
#include "report/DocumentoInforme.h"
#include "report/MaquetaInforme.h"
#include "report/TextosSvg.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>

using namespace velmora;

Q_DECLARE_METATYPE(std::vector<Tramo>)
Q_DECLARE_METATYPE(std::vector<double>)

class PruebaVentanaMemoria : public QObject {
    Q_OBJECT
private slots:
    // Los cortes de una tira: cada página llena hasta su alto sin partir un tramo; un tramo más
    // alto que una página se parte donde cae, y un corte que dejaría la página casi vacía (menos
    // de un quinto) se hace en el alto de la página.
    void CortesDeUnaTira_data() {
        QTest::addColumn<std::vector<Tramo>>("tramos");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("alto");
        QTest::addColumn<std::vector<double>>("esperados");
        using T = std::vector<Tramo>;
        using C = std::vector<double>;
        QTest::newRow("líneas iguales") << T{{0, 10},  {10, 20}, {20, 30}, {30, 40}, {40, 50},
                                             {50, 60}, {60, 70}, {70, 80}, {80, 90}, {90, 100}}
                                        << 100.0 << 35.0 << C{0, 30, 60, 90, 100};
        QTest::newRow("fila que no cabe pasa entera")
            << T{{0, 10}, {10, 20}, {20, 25}, {25, 45}, {45, 55}, {55, 70}} << 70.0 << 35.0
            << C{0, 25, 55, 70};
        QTest::newRow("título con su primera línea")
            << T{{0, 10}, {10, 20}, {20, 30}, {30, 40}, {30, 50}, {40, 50}, {50, 60}} << 60.0
            << 45.0 << C{0, 30, 60};
        QTest::newRow("tramo más alto que la página")
            << T{{0, 100}} << 100.0 << 40.0 << C{0, 40, 80, 100};
        QTest::newRow("página casi vacía") << T{{0, 5}, {5, 50}} << 50.0 << 40.0 << C{0, 40, 50};
        QTest::newRow("cabe en una página") << T{{0, 10}, {10, 40}} << 40.0 << 40.0 << C{0, 40};
        QTest::newRow("página sin alto") << T{{0, 10}, {10, 40}} << 40.0 << 0.0 << C{0, 40};
        QTest::newRow("página de alto negativo") << T{{0, 10}} << 10.0 << -5.0 << C{0, 10};
    }
    void CortesDeUnaTira() {
        QFETCH(std::vector<Tramo>, tramos);
        QFETCH(double, total);
        QFETCH(double, alto);
        QFETCH(std::vector<double>, esperados);
        QCOMPARE(CortesDePagina(tramos, total, alto), esperados);
    }

    // En la memoria compuesta ningún paso (fila de una tabla) ni dibujo queda partido entre dos
    // páginas, sea cual sea su alto, y ninguna página pasa de su alto.
    void NingunPasoNiDibujoPartidoEntrePaginas() {
        VentanaMemoria v(
            QStringLiteral(R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})"));
        QTextDocument doc;
        CargarInforme(doc, v.Html());
        const QImage lienzo(8, 8, QImage::Format_RGB32);
        const MaquetaInforme maqueta(doc, lienzo, 480);
        QVERIFY(maqueta.Filas().size() > 30);
        QVERIFY(!maqueta.Dibujos().empty());
        std::vector<Tramo> enteros = maqueta.Filas();
        for (const QRectF& d : maqueta.Dibujos())
            enteros.push_back({d.top(), d.bottom()});
        for (double alto : {260.0, 333.0, 500.0, 707.0}) {
            const std::vector<double> cortes = maqueta.Cortes(alto);
            QVERIFY(cortes.size() > 2);
            QCOMPARE(cortes.back(), maqueta.Alto());
            for (std::size_t i = 1; i < cortes.size(); ++i)
                QVERIFY(cortes[i] > cortes[i - 1] && cortes[i] - cortes[i - 1] <= alto + 1e-6);
            for (const Tramo& t : enteros)
                for (double c : cortes)
                    QVERIFY2(t.abajo - t.arriba > alto ||
                                 !(c > t.arriba + 0.5 && c < t.abajo - 0.5),
                             qPrintable(QStringLiteral("corte en %1 dentro de %2–%3 (alto %4)")
                                            .arg(c)
                                            .arg(t.arriba)
                                            .arg(t.abajo)
                                            .arg(alto)));
        }
    }

    // Una memoria larga se compone por trozos de capítulos enteros, cada uno en su documento: la
    // tira es la misma que la de la memoria entera en un solo documento (los márgenes entre dos
    // capítulos se juntan igual), y los trozos juntos son la página.
    void LaMemoriaPorTrozosEsLaMismaQueEntera() {
        const std::string lineas = R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}, "proyecto": {"proyecto": "Nave"}}
{"calculo": "momento", "VentanaMomento": {"Comprimida": false}, "ranuras": {"1": [[3, 16]]}}
{"calculo": "cortante"}
{"calculo": "seccion", "DatosSeccionT": {"Valor5": "300"}}
{"calculo": "anclaje", "ranuras": {"1": [[4, 16]], "2": [[4, 16]]}}
{"calculo": "conversion"}
)";
        MemoriaTanda memoria;
        std::size_t renglon = 0;
        std::string error;
        QVERIFY2(LeerMemoriaTanda(lineas, memoria, renglon, error), error.c_str());
        const QString html = QString::fromStdString(
            PaginaInforme(CabeceraDeHoy(memoria.cabecera), memoria.capitulos));
        const QStringList trozos = TrozosDeMemoria(html, 1);
        QCOMPARE(trozos.size(), static_cast<qsizetype>(memoria.capitulos.size()) + 1); // cabecera
        const qsizetype cuerpo = html.indexOf(QStringLiteral("<body>\n")) + 7;
        const qsizetype pie = html.size() - html.lastIndexOf(QStringLiteral("</body>"));
        QString juntos;
        for (const QString& t : trozos) {
            QCOMPARE(t.left(cuerpo), html.left(cuerpo));
            QCOMPARE(t.right(pie), html.right(pie));
            if (&t != &trozos.front())
                QVERIFY(t.mid(cuerpo).startsWith(QStringLiteral("<h2>")));
            juntos += t.mid(cuerpo, t.size() - cuerpo - pie);
        }
        QCOMPARE(juntos, html.mid(cuerpo, html.size() - cuerpo - pie));
        QCOMPARE(TrozosDeMemoria(QStringLiteral("<p>sin cuerpo</p>"), 1),
                 QStringList{QStringLiteral("<p>sin cuerpo</p>")});

        const QImage lienzo(8, 8, QImage::Format_RGB32);
        QTextDocument entero;
        CargarInforme(entero, html);
        const MaquetaInforme una(entero, lienzo, 480);
        MaquetaInforme varias(lienzo, 480);
        for (const QString& t : trozos) {
            QTextDocument doc;
            CargarInforme(doc, t);
            varias.Anadir(doc);
        }
        QVERIFY(una.Filas().size() > 60);
        QCOMPARE(varias.Alto(), una.Alto());
        QVERIFY(varias.Tramos() == una.Tramos());
        QVERIFY(varias.Filas() == una.Filas());
        QCOMPARE(varias.Dibujos(), una.Dibujos());
    }

    // Un texto sin blancos más ancho que la página (un nombre de proyecto muy largo, suelto o en
    // una tabla) se parte entre dos letras: nada se pinta fuera de la caja de texto.
    void NadaSeSaleDeLaCaja_data() {
        QTest::addColumn<QString>("html");
        const QString largo = QString(QLatin1Char('W')).repeated(160);
        QTest::newRow("párrafo") << QStringLiteral("<p>Proyecto %1 fin</p>").arg(largo);
        QTest::newRow("tabla") << QStringLiteral("<table><tr><td><b>Proyecto</b></td><td>%1</td>"
                                                 "</tr></table>")
                                      .arg(largo);
        QTest::newRow("subíndices") << QStringLiteral("<p>A<sub>%1</sub></p>").arg(largo);
    }
    void NadaSeSaleDeLaCaja() {
        QFETCH(QString, html);
        QTextDocument doc;
        CargarInforme(doc, html);
        constexpr int Caja = 300;
        QImage lienzo(Caja + 200, 400, QImage::Format_RGB32);
        lienzo.fill(Qt::white);
        const MaquetaInforme maqueta(doc, lienzo, Caja);
        QVERIFY2(maqueta.Alto() > 3 * QFontMetricsF(doc.defaultFont(), &lienzo).height(),
                 "el texto largo debe ocupar varias líneas");
        QPainter pintor(&lienzo);
        maqueta.Pintar(pintor, 0, maqueta.Alto());
        pintor.end();
        int tinta = 0;
        for (int y = 0; y < lienzo.height(); ++y)
            for (int x = 0; x < lienzo.width(); ++x)
                if (lienzo.pixel(x, y) != qRgb(255, 255, 255)) {
                    QVERIFY2(x <= Caja, qPrintable(QStringLiteral("tinta en x = %1").arg(x)));
                    ++tinta;
                }
        QVERIFY(tinta > 100);
    }

    // Los textos de los dibujos se sacan del SVG para pintarlos como texto, con su posición,
    // anclaje, color, negrita, tamaños de <tspan> y entidades; lo que no se sabe pintar se queda.
    void TextosDeLosDibujos() {
        const QString svg = QStringLiteral(
            R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="50" viewBox="0 0 100 50">)"
            R"(<line x1="0" y1="0" x2="10" y2="10" stroke="#222"/>)"
            R"(<text x="12.5" y="20" font-size="11" font-family="sans-serif" text-anchor="end" fill="#222">b<tspan font-size="8">w</tspan> = 0.30 m</text>)"
            "\n"
            R"(<text x="3" y="40" font-size="14.00" text-anchor="middle" fill="#2e7d32" font-weight="bold">N &amp; M &#948;</text>)"
            R"(<text x="1" y="2" rotate="90">girado</text>)"
            R"(</svg>)");
        const SvgSeparado s = SepararTextos(svg);
        QCOMPARE(s.textos.size(), std::size_t(2));
        const TextoSvg& a = s.textos[0];
        QCOMPARE(a.punto, QPointF(12.5, 20));
        QCOMPARE(a.ancla, 1);
        QCOMPARE(a.color, QColor(0x22, 0x22, 0x22));
        QVERIFY(!a.negrita);
        QCOMPARE(a.trozos.size(), std::size_t(3));
        QCOMPARE(a.trozos[0].texto, QStringLiteral("b"));
        QCOMPARE(a.trozos[0].tamano, 11.0);
        QCOMPARE(a.trozos[1].texto, QStringLiteral("w"));
        QCOMPARE(a.trozos[1].tamano, 8.0);
        QCOMPARE(a.trozos[2].texto, QStringLiteral(" = 0.30 m"));
        const TextoSvg& b = s.textos[1];
        QCOMPARE(b.ancla, 0);
        QVERIFY(b.negrita);
        QCOMPARE(b.trozos.size(), std::size_t(1));
        QCOMPARE(b.trozos[0].texto, QStringLiteral("N & M δ"));
        QCOMPARE(b.trozos[0].tamano, 14.0);
        const QString resto = QString::fromUtf8(s.svg);
        QVERIFY2(!resto.contains(QStringLiteral("0.30 m")) &&
                     !resto.contains(QStringLiteral("N &amp;")),
                 qPrintable(resto));
        QVERIFY2(resto.contains(QStringLiteral("girado")) &&
                     resto.contains(QStringLiteral("<line")),
                 qPrintable(resto));
        // Con transformaciones, las posiciones no son las del texto: todo se queda en el SVG.
        QString girado = svg;
        girado.replace(QStringLiteral("<line"),
                       QStringLiteral(R"x(<g transform="rotate(90)"/><line)x"));
        QVERIFY(SepararTextos(girado).textos.empty());
    }

    // En la vista previa, ningún nombre de las tablas toca su valor: entre el texto más largo de
    // una columna y el principio de la siguiente queda un hueco («Diámetro de la armadura de
    // compresión (mm)» y su «10» se juntaban).
    void LasColumnasDeLasTablasNoSeJuntan() {
        VentanaMemoria v(
            QStringLiteral(R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})"));
        QTextDocument doc;
        CargarInforme(doc, v.Html());
        doc.setTextWidth(800);
        const auto* capa = doc.documentLayout();
        int filas = 0;
        for (QTextFrame* marco : doc.rootFrame()->childFrames()) {
            auto* tabla = qobject_cast<QTextTable*>(marco);
            for (int f = 0; tabla && f < tabla->rows(); ++f)
                for (int c = 0; c + 1 < tabla->columns(); ++c) {
                    const QTextBlock nombre = doc.findBlock(tabla->cellAt(f, c).firstPosition());
                    const QTextBlock valor = doc.findBlock(tabla->cellAt(f, c + 1).firstPosition());
                    double derecha = 0;
                    for (int l = 0; l < nombre.layout()->lineCount(); ++l)
                        derecha =
                            std::max(derecha, nombre.layout()->lineAt(l).naturalTextRect().right());
                    derecha += capa->blockBoundingRect(nombre).left();
                    const double hueco = capa->blockBoundingRect(valor).left() - derecha;
                    QVERIFY2(hueco >= 8, qPrintable(QStringLiteral("«%1» / «%2»: %3")
                                                        .arg(nombre.text(), valor.text())
                                                        .arg(hueco)));
                    ++filas;
                }
        }
        QVERIFY(filas > 30);
    }

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

    // La impresión (una impresora de alta resolución, aquí escribiendo un PDF) pinta la memoria
    // con la misma maqueta: dice cuántas páginas ha hecho y son las que llegan.
    void ImprimeTodasLasPaginas() {
        VentanaMemoria v(
            QStringLiteral(R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})"));
        QTemporaryDir dir;
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(dir.filePath(QStringLiteral("impresa.pdf")));
        impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(18, 18, 18, 14), QPageLayout::Millimeter));
        const int paginas = ImprimirInforme(v.Html(), impresora);
        QFile pdf(dir.filePath(QStringLiteral("impresa.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY2(paginas >= 2, qPrintable(QString::number(paginas)));
        QCOMPARE(static_cast<int>(bytes.count("/Type /Page\n")), paginas);
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
