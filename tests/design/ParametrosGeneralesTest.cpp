// Ventana de parámetros generales manejada por sus controles: rótulos, casillas según el
// elemento y materiales guardados por OK.

#include "design/ParametrosGenerales.h"
#include "design/EstadoDiseno.h"
#include "common/GrupoOpciones.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace velmora;

class PruebaParametrosGenerales : public QObject {
    Q_OBJECT

    // La ventana sólo recibe el estado de diseño.
    struct {
        EstadoDiseno Estado;
    } app_;
    TParametrosGenerales* ventana_ = nullptr;

    template <typename T> T* Control(const char* nombre) { return Hijo<T>(ventana_, nombre); }
    void Elegir(const char* grupo, int indice) {
        // Sobre el círculo: un clic más allá del texto no elige la opción.
        auto* boton = Control<GrupoOpciones>(grupo)->Boton(indice);
        QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(6, boton->height() / 2));
    }
    QString Texto(const char* etiqueta) { return Control<QLabel>(etiqueta)->text(); }
    void EscribirResistencia(const QString& texto) {
        auto* editor = Control<QComboBox>("ResistenciaCaracteristica")->lineEdit();
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, texto);
    }

private slots:
    void init() {
        app_.Estado = EstadoDiseno{};
        InicializarTablas(app_.Estado);
        ventana_ = new TParametrosGenerales(app_.Estado);
        ventana_->show();
    }
    void cleanup() {
        delete ventana_;
        ventana_ = nullptr;
    }

    void EstadoInicial() {
        QCOMPARE(ventana_->windowTitle(), QStringLiteral("Parámetros generales"));
        QCOMPARE(Texto("EtiquetaAcero"), QStringLiteral("Acero B 400 S"));
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-25"));
        QCOMPARE(Texto("EtiquetaGammas"), QStringLiteral("= 1.15"));
        QCOMPARE(Texto("EtiquetaGammac"), QStringLiteral("= 1.5"));
        QVERIFY(!Control<QCheckBox>("ArmaduraSimetrica")->isEnabled());
        QVERIFY(Control<QCheckBox>("ArmaduraSimetrica")->isChecked());
        QVERIFY(!Control<QCheckBox>("HormigonadoVertical")->isEnabled());
        QVERIFY(Control<QCheckBox>("HormigonadoVertical")->isChecked());
        const QStringList elementos{"Viga", "Soporte", "Placa", "Muro Horiz.", "Muro Vert."};
        for (int i = 0; i < elementos.size(); ++i)
            QCOMPARE(Control<GrupoOpciones>("GrupoTipoElemento")->Boton(i)->text(), elementos[i]);
        QCOMPARE(ventana_->TipoElemento(), TipoDeElemento::Viga);
        QCOMPARE(ventana_->TextoResistencia(), QStringLiteral("25"));
        QCOMPARE(ventana_->focusWidget(), Control<QPushButton>("BotonOK"));
    }

    void OrdenDeTabulacion() {
        const QStringList orden{"GrupoDesignacionAcero_0",  "GrupoControlAcero_0",
                                "ArmaduraSimetrica",        "ResistenciaCaracteristica",
                                "HormigonadoVertical",      "GrupoTipoElemento_0",
                                "GrupoSituacionProyecto_0", "BotonOK",
                                "GrupoControlHormigon_0"};
        QStringList visto;
        QWidget* w = Control<QWidget>("GrupoDesignacionAcero_0");
        for (int paso = 0; paso < 200 && visto.size() < orden.size();
             ++paso, w = w->nextInFocusChain())
            if (orden.contains(w->objectName()) && !visto.contains(w->objectName()))
                visto << w->objectName();
        QCOMPARE(visto, orden);
    }

    void RotulosQueSiguenALosControles() {
        Elegir("GrupoDesignacionAcero", 1);
        QCOMPARE(Texto("EtiquetaAcero"), QStringLiteral("Acero B 500 S"));
        Elegir("GrupoDesignacionAcero", 0);
        QCOMPARE(Texto("EtiquetaAcero"), QStringLiteral("Acero B 400 S"));

        EscribirResistencia(QStringLiteral("37"));
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-37"));
        Control<QComboBox>("ResistenciaCaracteristica")->setCurrentIndex(5);
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-50"));

        // Los coeficientes cambian con la situación aunque el control reducido los apague.
        Elegir("GrupoControlAcero", 1);
        Elegir("GrupoControlHormigon", 1);
        QVERIFY(!Control<QLabel>("EtiquetaGammas")->isEnabled());
        QVERIFY(!Control<QLabel>("EtiquetaGammac")->isEnabled());
        QVERIFY(!Control<QComboBox>("ResistenciaCaracteristica")->isEnabled());
        // Con control reducido el rótulo dice la fck que se usa, 10·γc, no la escrita.
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-15"));
        Elegir("GrupoSituacionProyecto", 1);
        QCOMPARE(Texto("EtiquetaGammas"), QStringLiteral("= 1.0"));
        QCOMPARE(Texto("EtiquetaGammac"), QStringLiteral("= 1.3"));
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-13"));
        Elegir("GrupoSituacionProyecto", 0);
        QCOMPARE(Texto("EtiquetaGammas"), QStringLiteral("= 1.15"));
        QCOMPARE(Texto("EtiquetaGammac"), QStringLiteral("= 1.5"));
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-15"));
        Elegir("GrupoControlAcero", 0);
        Elegir("GrupoControlHormigon", 0);
        // Con control normal vuelve la resistencia escrita.
        QCOMPARE(Texto("EtiquetaHormigon"), QStringLiteral("Hormigón HA-50"));
        QVERIFY(Control<QLabel>("EtiquetaGammas")->isEnabled());
        QVERIFY(Control<QLabel>("Label3")->isEnabled());
        QVERIFY(Control<QComboBox>("ResistenciaCaracteristica")->isEnabled());
    }

    void CasillasSegunElemento_data() {
        QTest::addColumn<int>("elemento");
        QTest::addColumn<bool>("habilitadas");
        QTest::addColumn<bool>("simetrica");
        QTest::addColumn<bool>("vertical");
        // Desde Soporte (ambas marcadas), para ver qué marca deja cada elemento.
        QTest::newRow("Viga conserva las marcas") << 0 << false << true << true;
        QTest::newRow("Soporte") << 1 << true << true << true;
        QTest::newRow("Placa conserva las marcas") << 2 << false << true << true;
        QTest::newRow("Muro Horiz.") << 3 << true << false << true;
        QTest::newRow("Muro Vert.") << 4 << true << false << true;
    }
    void CasillasSegunElemento() {
        QFETCH(int, elemento);
        QFETCH(bool, habilitadas);
        QFETCH(bool, simetrica);
        QFETCH(bool, vertical);
        Elegir("GrupoTipoElemento", 1);
        Elegir("GrupoTipoElemento", elemento);
        auto* sim = Control<QCheckBox>("ArmaduraSimetrica");
        auto* ver = Control<QCheckBox>("HormigonadoVertical");
        QCOMPARE(sim->isEnabled(), habilitadas);
        QCOMPARE(ver->isEnabled(), habilitadas);
        QCOMPARE(sim->isChecked(), simetrica);
        QCOMPARE(ver->isChecked(), vertical);
        QCOMPARE(IndiceElemento(ventana_->TipoElemento()), elemento);
    }

    void MaterialesAlPulsarOK_data() {
        QTest::addColumn<int>("acero");
        QTest::addColumn<int>("controlAcero");
        QTest::addColumn<int>("controlHormigon");
        QTest::addColumn<int>("elemento");
        QTest::addColumn<int>("situacion");
        QTest::addColumn<QString>("resistencia");
        QTest::addColumn<double>("fyd");
        QTest::addColumn<double>("fycd");
        QTest::addColumn<double>("fck");
        QTest::addColumn<double>("fcd");
        QTest::addColumn<bool>("simetrica");
        // Valores de referencia calculados a mano (EHE-98, art. 15.3 y 39.4).
        QTest::newRow("valores de arranque") << 0 << 0 << 0 << 0 << 0 << "25" << 400 / 1.15
                                             << 400 / 1.15 << 25.0 << 25 / 1.5 << false;
        QTest::newRow("B 500 S limita fycd a 400")
            << 1 << 0 << 0 << 0 << 0 << "25" << 500 / 1.15 << 400.0 << 25.0 << 25 / 1.5 << false;
        QTest::newRow("B 400 S accidental: fyd 400 no supera 400")
            << 0 << 0 << 0 << 0 << 1 << "30" << 400.0 << 400.0 << 30.0 << 30 / 1.3 << false;
        QTest::newRow("B 500 S con control reducido")
            << 1 << 1 << 0 << 0 << 0 << "25" << 326.0869565 << 326.0869565 << 25.0 << 25 / 1.5
            << false;
        QTest::newRow("hormigón con control reducido ignora la resistencia")
            << 0 << 0 << 1 << 0 << 0 << "40" << 400 / 1.15 << 400 / 1.15 << 15.0 << 10.0 << false;
        QTest::newRow("soporte con control reducido: 0.9 por hormigonado vertical")
            << 0 << 0 << 1 << 1 << 0 << "25" << 400 / 1.15 << 400 / 1.15 << 15.0 << 9.0 << true;
        QTest::newRow("muro vertical: sin simetría, con hormigonado vertical")
            << 0 << 0 << 0 << 4 << 0 << "30" << 400 / 1.15 << 400 / 1.15 << 30.0 << 0.9 * 20.0
            << false;
        QTest::newRow("resistencia escrita fuera de la lista y con coma")
            << 0 << 0 << 0 << 0 << 0 << "27,5" << 400 / 1.15 << 400 / 1.15 << 27.5 << 27.5 / 1.5
            << false;
    }
    void MaterialesAlPulsarOK() {
        QFETCH(int, acero);
        QFETCH(int, controlAcero);
        QFETCH(int, controlHormigon);
        QFETCH(int, elemento);
        QFETCH(int, situacion);
        QFETCH(QString, resistencia);
        Elegir("GrupoDesignacionAcero", acero);
        Elegir("GrupoControlAcero", controlAcero);
        Elegir("GrupoTipoElemento", elemento);
        Elegir("GrupoSituacionProyecto", situacion);
        EscribirResistencia(resistencia);
        Elegir("GrupoControlHormigon", controlHormigon);
        QTest::mouseClick(Control<QPushButton>("BotonOK"), Qt::LeftButton);

        const EstadoDiseno& e = app_.Estado;
        QCOMPARE(ventana_->result(), int(QDialog::Accepted));
        QVERIFY(e.ArmaduraPasiva);
        QCOMPARE(e.fyk, acero == 1 ? 500.0 : 400.0);
        QCOMPARE(e.gammaS, situacion == 1 ? 1.0 : 1.15);
        QCOMPARE(e.gammaC, situacion == 1 ? 1.3 : 1.5);
        QFETCH(double, fyd);
        QFETCH(double, fycd);
        QFETCH(double, fck);
        QFETCH(double, fcd);
        QFETCH(bool, simetrica);
        const auto cerca = [](double a, double b) { return std::abs(a - b) < 1e-6; };
        QVERIFY2(cerca(e.fyd, fyd), qPrintable(QString::number(e.fyd, 'f', 7)));
        QVERIFY2(cerca(e.fycd, fycd), qPrintable(QString::number(e.fycd, 'f', 7)));
        QVERIFY2(cerca(e.fck, fck), qPrintable(QString::number(e.fck, 'f', 7)));
        QVERIFY2(cerca(e.fcd, fcd), qPrintable(QString::number(e.fcd, 'f', 7)));
        QCOMPARE(e.Simetrica, simetrica);
    }

    void ResistenciaQueNoEsNumero() {
        app_.Estado.fck = 12.0;
        RecogerAvisos avisos;
        EscribirResistencia(QStringLiteral("HA-30"));
        QTest::mouseClick(Control<QPushButton>("BotonOK"), Qt::LeftButton);
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY2(avisos.avisos[0].contains(QStringLiteral("«HA-30»")),
                 qPrintable(avisos.avisos[0]));
        QVERIFY(ventana_->isVisible());
        QCOMPARE(ventana_->result(), int(QDialog::Rejected));
        QCOMPARE(ventana_->focusWidget(), Control<QComboBox>("ResistenciaCaracteristica"));
        QCOMPARE(app_.Estado.fck, 12.0);
        QCOMPARE(app_.Estado.fyd, 0.0);
    }

    // Código Estructural: «Intenso» en vez de «Reducido», αcc habilitado, sin hormigonado
    // vertical, γ del control intenso en los rótulos y en el estado.
    void NormaCodigoEstructural() {
        QSignalSpy confirmada(ventana_, &TParametrosGenerales::normaConfirmada);
        Elegir("GrupoTipoElemento", 1); // Soporte: el hormigonado vertical se habilita...
        Elegir("GrupoNorma", 1);
        QVERIFY(!Control<QCheckBox>("HormigonadoVertical")->isEnabled()); // ...salvo aquí
        QVERIFY(Control<QLineEdit>("CoeficienteAlfaCC")->isEnabled());
        QCOMPARE(Control<GrupoOpciones>("GrupoControlAcero")->Boton(1)->text(), "Intenso");
        QCOMPARE(Control<GrupoOpciones>("GrupoControlHormigon")->Boton(1)->text(), "Intenso");
        Elegir("GrupoDesignacionAcero", 1);
        Elegir("GrupoControlAcero", 1);
        Elegir("GrupoControlHormigon", 1);
        QCOMPARE(Texto("EtiquetaGammas"), QStringLiteral("= 1.10"));
        QCOMPARE(Texto("EtiquetaGammac"), QStringLiteral("= 1.40"));
        // El control intenso no apaga γ ni la resistencia, como el reducido de la EHE-98.
        QVERIFY(Control<QLabel>("EtiquetaGammas")->isEnabled());
        QVERIFY(Control<QComboBox>("ResistenciaCaracteristica")->isEnabled());
        EscribirResistencia(QStringLiteral("35"));
        auto* alfa = Control<QLineEdit>("CoeficienteAlfaCC");
        alfa->selectAll();
        QTest::keyClicks(alfa, QStringLiteral("0.85"));
        QTest::mouseClick(Control<QPushButton>("BotonOK"), Qt::LeftButton);
        QCOMPARE(ventana_->result(), int(QDialog::Accepted));
        const EstadoDiseno& e = app_.Estado;
        QCOMPARE(e.norma, Norma::CodigoEstructural);
        // 0.85·35/1.40 = 21.25; 500/1.10 = 454.545...
        QVERIFY2(std::abs(e.fcd - 21.25) < 1e-9, qPrintable(QString::number(e.fcd)));
        QVERIFY2(std::abs(e.fyd - 500.0 / 1.1) < 1e-9, qPrintable(QString::number(e.fyd)));
        QCOMPARE(e.fycd, e.fyd);
        QCOMPARE(confirmada.size(), 1);
        QCOMPARE(confirmada.at(0).at(0).value<Norma>(), Norma::CodigoEstructural);

        // De vuelta a la EHE-98, todo como antes.
        Elegir("GrupoNorma", 0);
        QCOMPARE(Control<GrupoOpciones>("GrupoControlAcero")->Boton(1)->text(), "Reducido");
        QVERIFY(!Control<QLineEdit>("CoeficienteAlfaCC")->isEnabled());
        QVERIFY(Control<QCheckBox>("HormigonadoVertical")->isEnabled());
        QCOMPARE(Texto("EtiquetaGammas"), QStringLiteral("= 1.15"));
        QVERIFY(!Control<QLabel>("EtiquetaGammas")->isEnabled());
    }

    void AlfaCCFueraDeIntervalo() {
        Elegir("GrupoNorma", 1);
        RecogerAvisos avisos;
        auto* alfa = Control<QLineEdit>("CoeficienteAlfaCC");
        alfa->selectAll();
        QTest::keyClicks(alfa, QStringLiteral("0.7"));
        QTest::mouseClick(Control<QPushButton>("BotonOK"), Qt::LeftButton);
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY2(avisos.avisos[0].contains(QStringLiteral("αcc")), qPrintable(avisos.avisos[0]));
        QCOMPARE(ventana_->focusWidget(), alfa);
        QCOMPARE(app_.Estado.fcd, 0.0);
    }

    void CerrarSinOKNoCambiaNada() {
        Elegir("GrupoDesignacionAcero", 1);
        ventana_->reject();
        QCOMPARE(app_.Estado.fyk, 0.0);
        QCOMPARE(app_.Estado.fcd, 0.0);
        QVERIFY(!app_.Estado.ArmaduraPasiva);
        // La elección queda en los controles para quien los lea directamente.
        QCOMPARE(ventana_->DesignacionAcero(), 1);
    }
};

QTEST_MAIN(PruebaParametrosGenerales)
#include "ParametrosGeneralesTest.moc"
