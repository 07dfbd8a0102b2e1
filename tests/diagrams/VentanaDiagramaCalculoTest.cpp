// Diagrama de cálculo del acero, manejado por sus controles.
#include "design/EstadoDiseno.h"
#include "common/GrupoOpciones.h"
#include "diagrams/DiagramaCalculo.h"
#include "diagrams/GraficoAcero.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace velmora;

class PruebaDiagramaCalculo : public QObject {
    Q_OBJECT

private:
    struct {
        EstadoDiseno Estado;
    } app;
    TDiagramaCalculo* ventana = nullptr;

    void Elegir(const char* grupo, int i) { ElegirOpcion(ventana, grupo, i); }
    QString Texto(const char* etiqueta) const { return TextoEtiqueta(ventana, etiqueta); }
    void Calcular(const QString& deformacion) {
        Teclear(ventana, "Valor1", deformacion);
        PulsarBoton(ventana, "BotonCalcular");
    }
    void CompararCaracteristicas(const char* s1, const char* s2, const char* s3) {
        QCOMPARE(Texto("Label28"), QStringLiteral("(0.002)   =  %1  N/mm").arg(QLatin1String(s1)));
        QCOMPARE(Texto("Label29"), QStringLiteral("(0.0035) =  %1  N/mm").arg(QLatin1String(s2)));
        QCOMPARE(Texto("Label30"), QStringLiteral("(0.01)     =  %1  N/mm").arg(QLatin1String(s3)));
    }

private slots:
    void init() {
        app.Estado = EstadoDiseno{};
        InicializarTablas(app.Estado);
        ventana = new TDiagramaCalculo(app.Estado);
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
    }
    void cleanup() { delete ventana; }

    void PrimeraAperturaConLosRotulosDeArranque() {
        QCOMPARE(Texto("EtiquetaAcero"), QStringLiteral("Acero B 400 S"));
        QCOMPARE(Texto("EtiquetaTipoDiagrama"), QStringLiteral("ar. pasiva"));
        QCOMPARE(Texto("EtiquetaGammas"), QStringLiteral("= 1.15"));
        QCOMPARE(Texto("EtiquetaEs"), QStringLiteral("= 200000 N/mm"));
        QCOMPARE(Texto("Label20"), QStringLiteral("f    =  347.8  N/mm"));
        CompararCaracteristicas("347.8", "347.8", "347.8");
        QCOMPARE(Texto("ValorTension"), QStringLiteral("="));
        QCOMPARE(ventana->findChild<QLineEdit*>(QStringLiteral("Valor1"))->text(),
                 QStringLiteral("0.01"));
        QVERIFY(ventana->findChild<QPushButton*>(QStringLiteral("BotonOK"))->hasFocus());
        // Abrirla no escribe nada en el estado de diseño.
        QCOMPARE(app.Estado.fyd, 0.0);
    }

    void B500ConEs190000() {
        Elegir("GrupoDesignacionAcero", 1);
        QCOMPARE(Texto("EtiquetaAcero"), QStringLiteral("Acero B 500 S"));
        Elegir("GrupoValorEs", 0);
        QCOMPARE(Texto("EtiquetaEs"), QStringLiteral("= 190000 N/mm"));
        QCOMPARE(Texto("Label20"), QStringLiteral("f    =  434.8  N/mm"));
        CompararCaracteristicas("380.0", "434.8", "434.8");
        QCOMPARE(app.Estado.fyk, 500.0);
        QCOMPARE(app.Estado.IndiceEs, 1);
        QVERIFY(qAbs(app.Estado.fyd - 500.0 / 1.15) < 1e-9);
    }

    void AccidentalYControlReducido() {
        Elegir("GrupoSituacionProyecto", 1);
        QCOMPARE(Texto("EtiquetaGammas"), QStringLiteral("= 1.00"));
        QCOMPARE(Texto("Label20"), QStringLiteral("f    =  400.0  N/mm"));
        Elegir("GrupoControlAcero", 1);
        QCOMPARE(Texto("Label20"), QStringLiteral("f    =  300.0  N/mm"));
        QCOMPARE(app.Estado.gammaS, 1.0);
        QCOMPARE(app.Estado.fyd, 300.0);
    }

    void ArmaduraActiva() {
        Elegir("GrupoTipoDiagrama", 1);
        QCOMPARE(Texto("EtiquetaTipoDiagrama"), QStringLiteral("ar.activa"));
        CompararCaracteristicas("319.2", "345.3", "381.5");
        QVERIFY(!app.Estado.ArmaduraPasiva);
        QVERIFY(ventana->findChild<GraficoAcero*>()->Dibujo().Activo);
        Elegir("GrupoTipoDiagrama", 0);
        QCOMPARE(Texto("EtiquetaTipoDiagrama"), QStringLiteral("ar.pasiva"));
        QVERIFY(app.Estado.ArmaduraPasiva);
    }

    void TensionParaUnaDeformacion() {
        Calcular(QStringLiteral("0.001"));
        QCOMPARE(Texto("ValorTension"), QStringLiteral("=   200.0"));
        const auto& dibujo = ventana->findChild<GraficoAcero*>()->Dibujo();
        QVERIFY(dibujo.HayPunto);
        QCOMPARE(dibujo.Punto.sigma, 200.0);
        // Calcular escribe el acero aunque no se haya tocado ningún grupo.
        QVERIFY(qAbs(app.Estado.fyd - 400.0 / 1.15) < 1e-9);
        QVERIFY(app.Estado.ArmaduraPasiva);
        // Un clic en un grupo borra el resultado.
        Elegir("GrupoControlAcero", 0);
        QCOMPARE(Texto("ValorTension"), QStringLiteral("="));
        QVERIFY(!ventana->findChild<GraficoAcero*>()->Dibujo().HayPunto);
    }

    void DeformacionQueNoEsUnNumero() {
        RecogerAvisos avisos;
        Calcular(QStringLiteral("0.00l"));
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY2(avisos.avisos.front().contains(QStringLiteral("Deformación del acero")),
                 qPrintable(avisos.avisos.front()));
        // Tras el rechazo el rótulo dice que la deformación no vale, sin «=» ni unidades sueltos.
        QCOMPARE(Texto("ValorTension"), QStringLiteral("Deformación no válida"));
        QVERIFY(ventana->findChild<QLabel*>(QStringLiteral("Label40"))->isHidden());
        QVERIFY(ventana->findChild<QLabel*>(QStringLiteral("Label43"))->isHidden());
        QVERIFY(ventana->findChild<QLineEdit*>(QStringLiteral("Valor1"))->hasFocus());
        // Una deformación válida vuelve a dar tensión y unidades.
        Calcular(QStringLiteral("0.001"));
        QCOMPARE(Texto("ValorTension"), QStringLiteral("=   200.0"));
        QVERIFY(!ventana->findChild<QLabel*>(QStringLiteral("Label40"))->isHidden());
    }

    void ActivaFueraDelDiagramaTerminaYLoDice() {
        RecogerAvisos avisos;
        Elegir("GrupoTipoDiagrama", 1);
        Calcular(QStringLiteral("50"));
        QCOMPARE(Texto("ValorTension"), QStringLiteral("Fuera del rango del diagrama"));
        QVERIFY(avisos.avisos.isEmpty());
        QVERIFY(ventana->findChild<QLabel*>(QStringLiteral("Label40"))->isHidden());
        Calcular(QStringLiteral("0.01"));
        QCOMPARE(Texto("ValorTension"), QStringLiteral("=   381.5"));
        QVERIFY(!ventana->findChild<QLabel*>(QStringLiteral("Label40"))->isHidden());
    }

    void ConservaLosRotulosAlCerrarYAbrir() {
        Elegir("GrupoTipoDiagrama", 1);
        Calcular(QStringLiteral("0.001"));
        ventana->accept();
        ventana->show();
        QCOMPARE(Texto("ValorTension"), QStringLiteral("=   200.0"));
        QCOMPARE(Texto("EtiquetaTipoDiagrama"), QStringLiteral("ar.activa"));
        QVERIFY(!app.Estado.ArmaduraPasiva);
    }
};

QTEST_MAIN(PruebaDiagramaCalculo)
#include "VentanaDiagramaCalculoTest.moc"
