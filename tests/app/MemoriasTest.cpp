// El botón «Memoria» de cada ventana de resultados abre la memoria de lo que la ventana muestra:
// con los datos que tienen sus ventanas y las armaduras aceptadas en ellas.

#include "Programa.h"
#include "app/LineasVentanas.h"
#include "documento/Contexto.h"
#include "report/VentanaMemoria.h"
#include "ventanas/Controles.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <memory>

using namespace velmora;

class PruebaMemorias : public QObject {
    Q_OBJECT

    std::unique_ptr<pruebas::Programa> programa_;
    Aplicacion* app_ = nullptr;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        programa_ = std::make_unique<pruebas::Programa>();
        app_ = &programa_->app;
    }
    void cleanup() { programa_.reset(); }

    void CadaVentanaDaLaMemoriaDeLoQueMuestra_data() {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("linea");
        QTest::addColumn<QString>("esperado");
        // Datos de arranque salvo donde hace falta una armadura; lo esperado es un resultado
        // del caso y, donde lo hay, el artículo que lo rige.
        const auto fila = [](const char* v, const char* l, const char* e) {
            QTest::newRow(v) << QString::fromUtf8(v) << QString::fromUtf8(l)
                             << QString::fromUtf8(e);
        };
        fila("VentanaResultados", R"({"calculo":"seccion","DatosSeccion":{"Valor5":"100"}})",
             "8.622");
        fila("VentanaMomento",
             R"({"calculo":"momento","DatosSeccion":{},"VentanaMomento":{"Comprimida":false},)"
             R"("ranuras":{"1":[[3,16]]}})",
             "72.03");
        fila("VentanaResultadosTrans1", R"({"calculo":"cortante"})", "44.2.3.1");
        fila("VentanaTransversal2", R"({"calculo":"pilar"})", "6/ 18");
        fila("VentanaResultadosFlecha", R"({"calculo":"flechas"})", "160000.0");
        fila("VentanaAnclaje", R"({"calculo":"anclaje","ranuras":{"1":[[4,20]],"2":[[4,20]]}})",
             "66.5");
        fila("VentanaResultadosDeformacion", R"({"calculo":"fluencia"})", "3.721615");
        fila("VentanaResultadosRetraccion", R"({"calculo":"retraccion"})", "-0.039355");
        fila("DiagramaCalculo", R"({"calculo":"acero"})", "347.8");
        fila("VentanaParabola", R"({"calculo":"parabola"})", "344.048");
        fila("VentanaFisuracion",
             R"({"calculo":"fisuracion","ranuras":{"1":[[4,16]],"2":[[2,12]]}})",
             "Anejo 19, 7.3.4");
    }
    void CadaVentanaDaLaMemoriaDeLoQueMuestra() {
        QFETCH(QString, ventana);
        QFETCH(QString, linea);
        QFETCH(QString, esperado);
        const Json j = Json::parse(linea.toStdString());
        if (j.contains("ranuras"))
            AplicarRanuras(app_->Estado, j["ranuras"]);
        AplicarLinea(*app_, j);

        auto* w = Hijo<QWidget>(app_->VentanaPrincipal, ventana);
        auto* boton = Hijo<QPushButton>(w, "BotonMemoria");
        QCOMPARE(boton->text(), QStringLiteral("Memoria"));
        QString html;
        ResponderModal([&html](QWidget* modal) {
            if (auto* m = qobject_cast<VentanaMemoria*>(modal))
                html = m->Html();
            modal->close();
        });
        boton->click();
        QVERIFY2(html.contains(QStringLiteral("Memoria de cálculo")), qPrintable(ventana));
        QVERIFY2(html.contains(esperado), qPrintable(esperado));
        QVERIFY(!html.contains(QRegularExpression(QStringLiteral("\\b(nan|inf)\\b|---"))));
        QVERIFY2(programa_->avisos->avisos.isEmpty(),
                 qPrintable(programa_->avisos->avisos.join('\n')));
    }
};

QTEST_MAIN(PruebaMemorias)
#include "MemoriasTest.moc"
