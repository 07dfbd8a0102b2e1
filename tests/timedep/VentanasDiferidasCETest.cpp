// Ventanas de fluencia y retracción del Código Estructural: textos de arranque iguales a los de la
// descripción, espesor medio escrito o calculado, cálculo en la misma ventana con los valores
// del elemento calculado a mano y rechazo de un dato que no sirve, con el foco en su campo.

#include "timedep/ce/DescripcionDiferidasCE.h"
#include "timedep/ce/VentanaFluenciaCE.h"
#include "timedep/ce/VentanaRetraccionCE.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QCheckBox>
#include <QtTest>

using namespace velmora;

class PruebaVentanasDiferidasCE : public QObject {
    Q_OBJECT

private:
    TVentanaFluenciaCE fluencia;
    TVentanaRetraccionCE retraccion;

    static void Seccion(QWidget* w) {
        Teclear(w, "ResistenciaCaracteristica", QStringLiteral("30"));
        Teclear(w, "Perimetro", QStringLiteral("120"));
    }

private slots:
    void initTestCase() {
        for (QDialog* w : {static_cast<QDialog*>(&fluencia), static_cast<QDialog*>(&retraccion)}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
    }

    void TextosDeArranque() {
        QVERIFY(TextosDeArranqueIguales(&fluencia, ce::CamposFluenciaCE));
        QVERIFY(TextosDeArranqueIguales(&retraccion, ce::CamposRetraccionCE));
        QCOMPARE(TextoEtiqueta(&fluencia, "EtiquetaNorma"),
                 QStringLiteral("Norma: Código Estructural"));
        QCOMPARE(TextoEtiqueta(&fluencia, "ValorPhi"), QStringLiteral("="));
        QCOMPARE(Hijo<GrupoOpciones>(&fluencia, "GrupoClaseCemento")->itemIndex(), 1);
    }

    void EspesorMedioConocido() {
        auto* casilla = Hijo<QCheckBox>(&retraccion, "EspesorMedioConocido");
        QVERIFY(Hijo<QLineEdit>(&retraccion, "Area")->isVisible());
        QVERIFY(!Hijo<QLineEdit>(&retraccion, "EspesorMedio")->isVisible());
        QTest::mouseClick(casilla, Qt::LeftButton);
        QVERIFY(!Hijo<QLineEdit>(&retraccion, "Area")->isVisible());
        QVERIFY(!Hijo<QLineEdit>(&retraccion, "Perimetro")->isVisible());
        QVERIFY(Hijo<QLineEdit>(&retraccion, "EspesorMedio")->isVisible());
        Teclear(&retraccion, "ResistenciaCaracteristica", QStringLiteral("30"));
        Teclear(&retraccion, "Edad", QStringLiteral("365"));
        PulsarBoton(&retraccion, "BotonCalcular");
        // h0 = 200 mm escrito: εcs(365) = 0.3115 + 0.0489 ‰.
        QCOMPARE(TextoEtiqueta(&retraccion, "ValorEpsilonCs"), QStringLiteral("=    0.3604 ‰"));
        QTest::mouseClick(casilla, Qt::LeftButton);
        QVERIFY(Hijo<QLineEdit>(&retraccion, "Area")->isVisible());
    }

    void FluenciaDelElementoCalculadoAMano() {
        Seccion(&fluencia);
        PulsarBoton(&fluencia, "BotonCalcular");
        QCOMPARE(TextoEtiqueta(&fluencia, "Valorh0"), QStringLiteral("=     200.0 mm"));
        QCOMPARE(TextoEtiqueta(&fluencia, "ValorPhi"), QStringLiteral("=    2.3293"));
        QCOMPARE(TextoEtiqueta(&fluencia, "DeformacionTotal"), QStringLiteral("=    0.9801 ‰"));
        QCOMPARE(TextoEtiqueta(&fluencia, "AvisoNoLineal"), QString());
        // Cemento S: t0 = 24.15 días y φ = 2.3956.
        ElegirOpcion(&fluencia, "GrupoClaseCemento", 0);
        PulsarBoton(&fluencia, "BotonCalcular");
        QCOMPARE(TextoEtiqueta(&fluencia, "ValorT0"), QStringLiteral("=     24.15 días"));
        QCOMPARE(TextoEtiqueta(&fluencia, "ValorPhi"), QStringLiteral("=    2.3956"));
        ElegirOpcion(&fluencia, "GrupoClaseCemento", 1);
    }

    void DatoQueNoSirve() {
        RecogerAvisos recoger;
        const QString antes = TextoEtiqueta(&fluencia, "ValorPhi");
        Teclear(&fluencia, "Tiempo02", QStringLiteral("20"));
        PulsarBoton(&fluencia, "BotonCalcular");
        QCOMPARE(recoger.avisos.size(), 1);
        QVERIFY(recoger.avisos.front().contains(QStringLiteral("anterior")));
        QCOMPARE(fluencia.focusWidget(),
                 static_cast<QWidget*>(Hijo<QLineEdit>(&fluencia, "Tiempo02")));
        QCOMPARE(TextoEtiqueta(&fluencia, "ValorPhi"), antes);
        Teclear(&fluencia, "Tiempo02", QStringLiteral("10000"));
    }
};

QTEST_MAIN(PruebaVentanasDiferidasCE)
#include "VentanasDiferidasCETest.moc"
