// Lo que se escribe sin cuidado en las ventanas de fluencia, retracción y del diagrama
// parábola-rectángulo: un aviso que nombra el campo, y ningún rótulo con «nan», «inf», «---» ni
// números de decenas de cifras. También: cada formulario arranca con los textos de su
// descripción.

#include "diagrams/DescripcionHerramientas.h"
#include "diagrams/DiagramaCalculo.h"
#include "diagrams/VentanaParabola.h"
#include "timedep/DescripcionDiferidas.h"
#include "tools/Conversion.h"
#include "tools/VentanaConversion.h"
#include "ventanas/Arranque.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"
#include "ventanas/VentanasDeformacion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;

class PruebaDatosDescuidados : public QObject {
    Q_OBJECT

    EstadoDiseno estado = EstadoDeArranque();
    VentanasDeformacion deformacion;
    TVentanaParabola parabola{estado};
    TDiagramaCalculo diagramaAcero{estado};
    TVentanaConversion conversion;

    QDialog* Ventana(const QString& nombre) {
        if (nombre == QLatin1String("VentanaDeformacion"))
            return &deformacion.Fluencia;
        if (nombre == QLatin1String("VentanaRetraccion"))
            return &deformacion.Retraccion;
        return &parabola;
    }

    static void Escribir(QWidget* w, const QString& campo, const QString& texto) {
        QLineEdit* e = w->findChild<QLineEdit*>(campo);
        if (!e)
            e = Hijo<QComboBox>(w, campo)->lineEdit();
        e->clear();
        QTest::keyClicks(e, texto);
    }

    // Un rótulo sin sentido: nan, inf, «---» o una tira de más de 20 cifras.
    static QString RotuloSinSentido(const QWidget* w) {
        static const QRegularExpression malo(
            QStringLiteral("nan|inf|---|\\d{21,}"), QRegularExpression::CaseInsensitiveOption);
        for (const QLabel* l : w->findChildren<QLabel*>())
            if (malo.match(l->text()).hasMatch())
                return l->objectName() + QStringLiteral(": ") + l->text();
        return {};
    }

private slots:
    void initTestCase() {
        for (QDialog* w : {static_cast<QDialog*>(&deformacion.Fluencia),
                           static_cast<QDialog*>(&deformacion.Retraccion),
                           static_cast<QDialog*>(&parabola)}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
    }

    void FormulariosConLosTextosDeSuDescripcion() {
        QVERIFY(TextosDeArranqueIguales(&deformacion.Fluencia, CamposFluencia));
        QVERIFY(TextosDeArranqueIguales(&deformacion.Retraccion, CamposRetraccion));
        QVERIFY(TextosDeArranqueIguales(&parabola, CamposParabola));
        QVERIFY(TextosDeArranqueIguales(&diagramaAcero, std::span(&CampoDeformacionAcero, 1)));
        QVERIFY(TextosDeArranqueIguales(&diagramaAcero, CamposRamaInclinada));
        QVERIFY(TextosDeArranqueIguales(&conversion, std::span(&CampoValorOrigen, 1)));
    }

    void SeRechazaYNoQuedaNadaSinSentido_data() {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("nombre"); // el dato que nombra el aviso
        const QString digitos200 = QString(200, QLatin1Char('9'));
        QTest::newRow("fluencia: fck 1e-320")
            << "VentanaDeformacion" << "ResistenciaCaracteristica" << "1e-320"
            << "Resistencia característica fck";
        QTest::newRow("retracción: edad de 200 cifras")
            << "VentanaRetraccion" << "Edad" << digitos200 << "Edad t";
        QTest::newRow("parábola: fck nan") << "VentanaParabola" << "ResistenciaCaracteristica"
                                           << "nan" << "Resistencia característica fck";
        QTest::newRow("parábola: fck -inf") << "VentanaParabola" << "ResistenciaCaracteristica"
                                            << "-inf" << "Resistencia característica fck";
        QTest::newRow("parábola: fck de 200 cifras")
            << "VentanaParabola" << "ResistenciaCaracteristica" << digitos200
            << "Resistencia característica fck";
    }

    void SeRechazaYNoQuedaNadaSinSentido() {
        QFETCH(QString, ventana);
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, nombre);
        QDialog* w = Ventana(ventana);
        Escribir(w, campo, texto);
        bool abrioResultados = false;
        ResponderModal(
            [&](QWidget* m) {
                abrioResultados = true;
                static_cast<QDialog*>(m)->accept();
            },
            w, 300);
        RecogerAvisos avisos;
        PulsarBoton(w, "BotonCalcular");
        QTest::qWait(400);
        QVERIFY(!abrioResultados);
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY2(avisos.avisos.front().contains(nombre), qPrintable(avisos.avisos.front()));
        for (const QWidget* v : {static_cast<QWidget*>(w),
                                 static_cast<QWidget*>(&deformacion.FluenciaResultados),
                                 static_cast<QWidget*>(&deformacion.RetraccionResultados)})
            QVERIFY2(RotuloSinSentido(v).isEmpty(), qPrintable(RotuloSinSentido(v)));
        if (w == &parabola) {
            QCOMPARE(TextoEtiqueta(w, "EtiquetaHormigon"), QStringLiteral("Hormigón"));
            QCOMPARE(TextoEtiqueta(w, "Compresion"), QStringLiteral("C  = 0.00 kN"));
        }
        Escribir(w, campo, QString::fromUtf8(ventana == QLatin1String("VentanaRetraccion")
                                                 ? CampoEdad.defecto.data()
                                             : ventana == QLatin1String("VentanaDeformacion")
                                                 ? CampoFckFluencia.defecto.data()
                                                 : CampoFckParabola.defecto.data()));
    }
};

QTEST_MAIN(PruebaDatosDescuidados)
#include "DatosDescuidadosTest.moc"
