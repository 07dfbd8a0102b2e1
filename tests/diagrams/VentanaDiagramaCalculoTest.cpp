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

    // Con el Código Estructural confirmado (Anejo 19, 3.2.7): rama superior a elegir, sin tipo de
    // diagrama ni Es; con la EHE-98 de nuevo, todo como antes.
    void CodigoEstructuralRamaInclinada() {
        RecogerAvisos avisos;
        const auto visible = [&](const char* nombre) {
            return !ventana->findChild<QWidget*>(QLatin1String(nombre))->isHidden();
        };
        QVERIFY(!visible("GrupoRamaSuperior"));
        ventana->accept();
        app.Estado.norma = Norma::CodigoEstructural;
        ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        QVERIFY(visible("GrupoRamaSuperior") && visible("MarcoRamaInclinada"));
        QVERIFY(!Hijo<QWidget>(ventana, "GrupoValorEs")->isEnabled());
        QVERIFY(!Hijo<QWidget>(ventana, "GrupoTipoDiagrama")->isEnabled());
        QVERIFY(!Hijo<QWidget>(ventana, "CoeficienteK")->isEnabled()); // rama horizontal
        QCOMPARE(Hijo<QRadioButton>(ventana, "GrupoControlAcero_1")->text(),
                 QStringLiteral("Intenso"));
        QCOMPARE(app.Estado.fyd, 0.0); // abrirla no escribe el estado

        // B 500 S, k = 1.05, εuk = 5 %: en εud = 45 ‰, 434.78 + 21.74·42.83/47.83 = 454.2.
        Elegir("GrupoDesignacionAcero", 1);
        Elegir("GrupoRamaSuperior", 1);
        QVERIFY(Hijo<QWidget>(ventana, "CoeficienteK")->isEnabled());
        QCOMPARE(Texto("EtiquetaTipoDiagrama"), QStringLiteral("ar.pasiva, rama inclinada"));
        Calcular(QStringLiteral("0.045"));
        QCOMPARE(Texto("ValorTension"), QStringLiteral("=   454.2"));
        QVERIFY(ventana->findChild<GraficoAcero*>()->Dibujo().HayLimite);
        QVERIFY(avisos.avisos.isEmpty());

        // Más allá de εud, y un k fuera de su intervalo: avisos que nombran el dato.
        Calcular(QStringLiteral("0.046"));
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY(avisos.avisos.back().contains(QStringLiteral("3.2.7(2)a")));
        QCOMPARE(Texto("ValorTension"), QStringLiteral("Deformación no válida"));
        Teclear(ventana, "CoeficienteK", QStringLiteral("0.9"));
        PulsarBoton(ventana, "BotonCalcular");
        QVERIFY(avisos.avisos.size() >= 2);
        QVERIFY2(avisos.avisos.back().contains(QStringLiteral("Coeficiente k")),
                 qPrintable(avisos.avisos.back()));
        QVERIFY(Hijo<QLineEdit>(ventana, "CoeficienteK")->hasFocus());

        ventana->accept();
        app.Estado.norma = Norma::EHE98;
        ventana->show();
        QVERIFY(!visible("GrupoRamaSuperior"));
        QVERIFY(Hijo<QWidget>(ventana, "GrupoValorEs")->isEnabled());
        QCOMPARE(Hijo<QRadioButton>(ventana, "GrupoControlAcero_1")->text(),
                 QStringLiteral("Reducido"));
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
