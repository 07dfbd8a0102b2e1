// Ventanas de fluencia y retracción: espesor ficticio conocido, cálculo con los valores por
// defecto, subíndices escritos con el texto de las edades y rechazo de datos sin sentido.

#include "ventanas/VentanasDeformacion.h"
#include "common/GrupoOpciones.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velmora;

class PruebaVentanasDeformacion : public QObject {
    Q_OBJECT

private:
    VentanasDeformacion ventanas;

    template <typename T> static T* C(QWidget* w, const char* nombre) { return Hijo<T>(w, nombre); }
    static void Escribir(QWidget* w, const char* nombre, const QString& texto) {
        auto* e = C<QLineEdit>(w, nombre);
        e->clear();
        QTest::keyClicks(e, texto);
    }
    // Pulsa "Calcular" y devuelve los textos de `etiquetas` de la ventana de resultados, o una
    // lista vacía si no se abrió.
    static QStringList Calcular(QDialog* datos, QDialog* resultados, const QStringList& etiquetas,
                                bool seEsperaQueAbra = true) {
        QStringList textos;
        ResponderModal(
            [&](QWidget* w) {
                if (w == resultados)
                    for (const QString& n : etiquetas)
                        textos << w->findChild<QLabel*>(n)->text();
                static_cast<QDialog*>(w)->accept();
            },
            datos, seEsperaQueAbra ? 3000 : 200);
        QTest::mouseClick(C<QPushButton>(datos, "BotonCalcular"), Qt::LeftButton);
        if (!seEsperaQueAbra)
            QTest::qWait(300);
        return textos;
    }
    // Clic sobre el círculo del botón (el centro de un botón ancho queda fuera de su texto).
    static void Elegir(QRadioButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    static void EspesorConocido(QDialog* w) {
        auto* casilla = C<QCheckBox>(w, "EspesorFicticioConocido");
        QVERIFY(!casilla->isChecked());
        QVERIFY(C<QLineEdit>(w, "Area")->isVisible());
        QTest::mouseClick(casilla, Qt::LeftButton);
        QVERIFY(!C<QLineEdit>(w, "Area")->isVisible());
        QVERIFY(!C<QLabel>(w, "EtiquetaAreaSeccion")->isVisible());
        QVERIFY(!C<QLabel>(w, "UnidadArea")->isVisible());
        QCOMPARE(C<QLabel>(w, "EtiquetaPerimetro")->text(), QStringLiteral("Espesor"));
        QCOMPARE(C<QLineEdit>(w, "Perimetro")->toolTip(),
                 QStringLiteral("Espesor ficticio del elemento"));
        QCOMPARE(C<QLineEdit>(w, "Perimetro")->text(), QStringLiteral("140"));
        QCOMPARE(C<QLabel>(w, "UnidadPerimetro")->text(), QStringLiteral("cm"));
        QTest::mouseClick(casilla, Qt::LeftButton);
        QVERIFY(C<QLineEdit>(w, "Area")->isVisible());
        QVERIFY(C<QLabel>(w, "UnidadArea")->isVisible());
        QCOMPARE(C<QLabel>(w, "EtiquetaPerimetro")->text(), QStringLiteral("Perímetro"));
        QCOMPARE(C<QLineEdit>(w, "Perimetro")->toolTip(),
                 QStringLiteral("Perímetro de la secc. transv. en contacto con la atmósfera"));
    }

private slots:
    void initTestCase() {
        for (QDialog* w : {static_cast<QDialog*>(&ventanas.Fluencia),
                           static_cast<QDialog*>(&ventanas.Retraccion)}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
    }

    void FluenciaEstadoInicial() {
        QDialog* w = &ventanas.Fluencia;
        QCOMPARE(w->windowTitle(), QStringLiteral("Deformación del hormigón por fluencia"));
        QCOMPARE(C<QComboBox>(w, "ResistenciaCaracteristica")->currentText(),
                 QStringLiteral("200"));
        QCOMPARE(C<QComboBox>(w, "ResistenciaCaracteristica")->count(), 11);
        QCOMPARE(C<GrupoOpciones>(w, "GrupoMedioAmbiente")->itemIndex(), 2);
        QCOMPARE(C<QLineEdit>(w, "Tension")->text(), QStringLiteral("1000"));
        QCOMPARE(C<QLineEdit>(w, "Tiempo01")->text(), QStringLiteral("28"));
        QCOMPARE(C<QLineEdit>(w, "Tiempo02")->text(), QStringLiteral("100"));
        QCOMPARE(C<QLabel>(&ventanas.FluenciaResultados, "Valor1")->text(),
                 QStringLiteral("="));
    }

    void FluenciaEspesorConocido() { EspesorConocido(&ventanas.Fluencia); }

    void FluenciaValoresPorDefecto() {
        const auto textos =
            Calcular(&ventanas.Fluencia, &ventanas.FluenciaResultados,
                     {"Valor1", "Valor2", "Valor3", "Valor4", "Valor5", "Valor10", "Valor11",
                      "Valor12", "Valor13", "Valor14", "Valor15", "Valor16", "Valor17", "ValorEcj",
                      "Valorfcj", "Valorbetatj", "Valorbetaj", "Valorbetat"});
        QCOMPARE(textos,
                 (QStringList{"=    3.721615", "=    0.963996", "=    0.926603", "=    2.263312",
                              "=    1.116158", "=  268700.6", "=  268700.6", "=  200.0",
                              "=  0.647566", "=  2.0", "=  1.4871", "=  0.319113", "=  0.523591",
                              "c28", "c28", "100-28", "28", "100"}));
    }

    void FluenciaSubindicesConElTextoEscrito() {
        QDialog* w = &ventanas.Fluencia;
        Escribir(w, "Tiempo01", QStringLiteral(" 7.0"));
        Escribir(w, "Tiempo02", QStringLiteral("7"));
        const auto textos = Calcular(w, &ventanas.FluenciaResultados,
                                     {"Valor13", "ValorEcj", "Valorbetatj", "Valorbetat"});
        QCOMPARE(textos, (QStringList{"=  0.250000", "c 7.0", "7- 7.0", "7"}));
        Escribir(w, "Tiempo01", QStringLiteral("28"));
        Escribir(w, "Tiempo02", QStringLiteral("100"));
    }

    void FluenciaRechazaDatosSinSentido_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("tensión nula") << "Tension"
                                      << "0";
        QTest::newRow("perímetro nulo") << "Perimetro"
                                        << "";
        QTest::newRow("área negativa") << "Area"
                                       << "-5";
        QTest::newRow("t anterior a j") << "Tiempo02"
                                        << "20";
        QTest::newRow("j no numérica") << "Tiempo01"
                                       << "28d";
    }

    void FluenciaRechazaDatosSinSentido() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QDialog* w = &ventanas.Fluencia;
        auto* edit = C<QLineEdit>(w, qPrintable(campo));
        const QString antes = edit->text();
        const QString resultadoAntes =
            C<QLabel>(&ventanas.FluenciaResultados, "Valor5")->text();
        edit->setText(texto);
        RecogerAvisos avisos;
        QVERIFY(Calcular(w, &ventanas.FluenciaResultados, {"Valor5"}, false).isEmpty());
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY(w->focusWidget() == edit);
        QCOMPARE(C<QLabel>(&ventanas.FluenciaResultados, "Valor5")->text(), resultadoAntes);
        edit->setText(antes);
    }

    void RetraccionEstadoInicial() {
        QDialog* w = &ventanas.Retraccion;
        QCOMPARE(w->windowTitle(), QStringLiteral("Deformación por retracción del hormigón"));
        QCOMPARE(C<QLineEdit>(w, "Edad")->text(), QStringLiteral("28"));
        QCOMPARE(C<GrupoOpciones>(w, "GrupoConsistencia")->itemIndex(), 1);
        QCOMPARE(C<GrupoOpciones>(w, "GrupoMedioAmbiente")->itemIndex(), 2);
        QCOMPARE(C<GrupoOpciones>(w, "GrupoConsistencia")->Boton(2)->text(),
                 QStringLiteral("Semifluida"));
    }

    void RetraccionEspesorConocido() { EspesorConocido(&ventanas.Retraccion); }

    void RetraccionValoresPorDefectoYConsistencia() {
        QDialog* w = &ventanas.Retraccion;
        const QStringList etiquetas{"Valor1", "Valor10", "Valor11", "Valor12", "Valorrt"};
        QCOMPARE(
            Calcular(w, &ventanas.RetraccionResultados, etiquetas),
            (QStringList{"=   -0.039355", "=   -0.000320", "=    0.892576", "=  0.137786", "r28"}));
        // "Semifluida" y "En agua": βr × 1,25 y deformación positiva.
        Elegir(C<GrupoOpciones>(w, "GrupoConsistencia")->Boton(2));
        Elegir(C<GrupoOpciones>(w, "GrupoMedioAmbiente")->Boton(0));
        QCOMPARE(C<GrupoOpciones>(w, "GrupoConsistencia")->itemIndex(), 2);
        QCOMPARE(C<GrupoOpciones>(w, "GrupoMedioAmbiente")->itemIndex(), 0);
        Escribir(w, "Edad", QStringLiteral(" 28"));
        const auto textos = Calcular(w, &ventanas.RetraccionResultados, etiquetas);
        QCOMPARE(textos.size(), 5);
        QCOMPARE(textos[1], QStringLiteral("=    0.000100"));
        QVERIFY(!textos[0].contains('-'));
        QCOMPARE(textos[4], QStringLiteral("r 28"));
        C<GrupoOpciones>(w, "GrupoConsistencia")->setItemIndex(1);
        C<GrupoOpciones>(w, "GrupoMedioAmbiente")->setItemIndex(2);
    }

    void RetraccionRechazaEdadNula() {
        QDialog* w = &ventanas.Retraccion;
        Escribir(w, "Edad", QStringLiteral("0"));
        RecogerAvisos avisos;
        QVERIFY(Calcular(w, &ventanas.RetraccionResultados, {"Valor1"}, false).isEmpty());
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY(avisos.avisos[0].contains(QStringLiteral("edad")));
        QVERIFY(w->focusWidget() == C<QLineEdit>(w, "Edad"));
        Escribir(w, "Edad", QStringLiteral("28"));
    }
};

QTEST_MAIN(PruebaVentanasDeformacion)
#include "VentanasDeformacionTest.moc"
