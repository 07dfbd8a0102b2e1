// Diagrama parábola-rectángulo del hormigón, manejado por sus controles.
#include "diagrams/VentanaParabola.h"
#include "design/EstadoDiseno.h"
#include "common/GrupoOpciones.h"
#include "diagrams/GraficoBloque.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace velmora;

class PruebaVentanaParabola : public QObject {
    Q_OBJECT

private:
    struct {
        EstadoDiseno Estado;
    } app;
    TVentanaParabola* ventana = nullptr;

    void Elegir(const char* grupo, int i) { ElegirOpcion(ventana, grupo, i); }
    QString Texto(const char* etiqueta) const { return TextoEtiqueta(ventana, etiqueta); }
    void Escribir(const char* campo, const QString& texto) { Teclear(ventana, campo, texto); }
    void Calcular() { PulsarBoton(ventana, "BotonCalcular"); }
    bool CamposTVisibles() const {
        bool todos = true, ninguno = true;
        for (const char* n : {"Label40", "Label41", "Label42", "Valor4", "Label50", "Label51",
                              "Label52", "Valor5"}) {
            const bool visible = !ventana->findChild<QWidget*>(QString::fromLatin1(n))->isHidden();
            todos = todos && visible;
            ninguno = ninguno && !visible;
        }
        if (!todos && !ninguno)
            qWarning("Los campos de la sección en T están a medias");
        return todos && !ninguno;
    }

private slots:
    void init() {
        app.Estado = EstadoDiseno{};
        InicializarTablas(app.Estado);
        ventana = new TVentanaParabola(app.Estado);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
    }
    void cleanup() { delete ventana; }

    void AlAbrirNadaCalculado() {
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-25"));
        QCOMPARE(Texto("EtiquetaGammac"), QStringLiteral("= 1.50"));
        QCOMPARE(Texto("Compresion"), QStringLiteral("C  = 0.00 kN"));
        QCOMPARE(Texto("CentroGravedad"), QStringLiteral("x   =  0.00 m"));
        QVERIFY(!CamposTVisibles());
        QVERIFY(ventana->findChild<QPushButton*>(QStringLiteral("BotonOK"))->hasFocus());
        QCOMPARE(app.Estado.fcd, 0.0);
    }

    void PorOmisionRectangular() {
        Calcular();
        QCOMPARE(Texto("Compresion"), QStringLiteral("C  =  344.048 kN"));
        QCOMPARE(Texto("CentroGravedad"), QStringLiteral("x   =     0.042 m"));
        QCOMPARE(app.Estado.h, 400.0);
        QCOMPARE(app.Estado.d, 370.0);
        QCOMPARE(app.Estado.x, 100.0);
        QCOMPARE(app.Estado.fck, 25.0);
        QVERIFY(app.Estado.SeccionRectangular);
        QVERIFY(!ventana->findChild<GraficoBloque*>()->Dibujo().Tensiones.empty());
    }

    void Accidental() {
        Elegir("GrupoSituacionProyecto", 1);
        QCOMPARE(Texto("EtiquetaGammac"), QStringLiteral("= 1.30"));
        Calcular();
        QCOMPARE(Texto("Compresion"), QStringLiteral("C  =  396.978 kN"));
        QCOMPARE(app.Estado.gammaC, 1.3);
        Elegir("GrupoSituacionProyecto", 0);
        QCOMPARE(Texto("EtiquetaGammac"), QStringLiteral("= 1.50"));
    }

    void SeccionEnTConFibraNeutraEnElAla() {
        Elegir("GrupoTipoSeccion", 1);
        QVERIFY(CamposTVisibles());
        Calcular();
        QCOMPARE(Texto("Compresion"), QStringLiteral("C  =  344.048 kN"));
        QCOMPARE(Texto("CentroGravedad"), QStringLiteral("x   =     0.042 m"));
        QVERIFY(!app.Estado.SeccionRectangular);
        QCOMPARE(app.Estado.bw, 100.0);
        Escribir("Valor6", QStringLiteral("0.25"));
        Calcular();
        QVERIFY(Texto("Compresion") != QStringLiteral("C  =  344.048 kN"));
        Elegir("GrupoTipoSeccion", 0);
        QVERIFY(!CamposTVisibles());
    }

    void ResistenciaEscritaOElegida() {
        auto* combo = ventana->findChild<QComboBox*>(QStringLiteral("ResistenciaCaracteristica"));
        combo->setCurrentIndex(1);
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-30"));
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("27.5"));
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-27.5"));
        Calcular();
        QCOMPARE(app.Estado.fck, 27.5);
        QVERIFY(qAbs(app.Estado.fcd - 27.5 / 1.5) < 1e-12);
    }

    // Con el Código Estructural confirmado: la ley de Anejo 19, 3.1.7 a la vista y el resultado
    // de la otra norma borrado. HA-70, x = 0.1 m: fcd·b·x·(1 − εc2/((n + 1)·εcu2)) =
    // 46.667·300·100·0.626825 = 877.555 kN.
    void CodigoEstructural() {
        Calcular();
        QVERIFY(ventana->findChild<QLabel*>(QStringLiteral("EtiquetaLeyHormigon"))->isHidden());
        ventana->accept();
        app.Estado.norma = Norma::CodigoEstructural;
        ventana->show();
        QCOMPARE(Texto("Compresion"), QStringLiteral("C  = 0.00 kN"));
        auto* combo = ventana->findChild<QComboBox*>(QStringLiteral("ResistenciaCaracteristica"));
        QCOMPARE(combo->count(), 11); // hasta HA-90, con la resistencia escrita intacta
        QCOMPARE(combo->currentText(), QStringLiteral("25"));
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("70"));
        QCOMPARE(Texto("EtiquetaLeyHormigon"),
                 QStringLiteral("Código Estructural, Anejo 19, 3.1.7: εc2 = 2.42 ‰, εcu2 = 2.66 ‰, "
                                "n = 1.44, fcd = αcc·fck/γc = 46.67 N/mm²"));
        Calcular();
        QCOMPARE(Texto("Compresion"), QStringLiteral("C  =  877.555 kN"));
        QCOMPARE(ventana->findChild<GraficoBloque*>()->Dibujo().tensionMaxima, app.Estado.fcd);
    }

    void DatosRechazadosNoDejanResultado() {
        Calcular();
        RecogerAvisos avisos;
        Escribir("Valor6", QStringLiteral("0"));
        Calcular();
        QCOMPARE(avisos.avisos,
                 QStringList{QStringLiteral(
                     "La profundidad de la fibra neutra x debe ser mayor que cero.")});
        QVERIFY(ventana->findChild<QLineEdit*>(QStringLiteral("Valor6"))->hasFocus());
        QCOMPARE(Texto("Compresion"), QStringLiteral("C  = 0.00 kN"));
        QCOMPARE(Texto("CentroGravedad"), QStringLiteral("x   =  0.00 m"));
        QVERIFY(ventana->findChild<GraficoBloque*>()->Dibujo().Tensiones.empty());
        QCOMPARE(app.Estado.x, 100.0); // el estado queda como en el último cálculo válido

        Escribir("Valor6", QStringLiteral("0.1"));
        Escribir("Valor1", QStringLiteral("0,4.0"));
        Calcular();
        QCOMPARE(avisos.avisos.size(), 2);
        QVERIFY2(avisos.avisos.last().contains(QStringLiteral("Canto h")),
                 qPrintable(avisos.avisos.last()));
        QVERIFY(ventana->findChild<QLineEdit*>(QStringLiteral("Valor1"))->hasFocus());
    }
};

QTEST_MAIN(PruebaVentanaParabola)
#include "VentanaParabolaTest.moc"
