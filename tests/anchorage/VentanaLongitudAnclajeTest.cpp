// Ventanas de longitudes de anclaje: reglas de habilitación, selector de armaduras, entrega desde
// los resultados de la armadura longitudinal y rótulos de resultados.

#include "anchorage/VentanaLongitudAnclaje.h"
#include "anchorage/VentanaAnclaje.h"
#include "common/GrupoOpciones.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "ventanas/Arranque.h"
#include "ventanas/ConModal.h"
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

class PruebaVentanaLongitudAnclaje : public QObject {
    Q_OBJECT

private:
    // La ventana, su selector de área y su ventana de resultados, como las conecta el programa.
    EstadoDiseno estado = EstadoDeArranque();
    TVentanaArea area{estado};
    TVentanaLongitudAnclaje anclaje{estado, area};
    TVentanaAnclaje resultados;
    TVentanaLongitudAnclaje* v = &anclaje;

    template <typename T> T* C(const char* nombre) { return Hijo<T>(v, nombre); }
    QLabel* R(const char* nombre) {
        return resultados.findChild<QLabel*>(QString::fromUtf8(nombre));
    }
    void Marcar(const char* nombre, bool marcada) {
        auto* c = C<QCheckBox>(nombre);
        if (c->isChecked() != marcada)
            QTest::mouseClick(c, Qt::LeftButton);
        QCOMPARE(c->isChecked(), marcada);
    }
    // Pulsa "Longitud anclaje" y guarda los rótulos de la ventana de resultados mientras está
    // abierta; devuelve false si no se abrió. Si no se espera que se abra, el sondeo se agota
    // antes de volver, para que no responda a la ventana modal de la prueba siguiente.
    bool Calcular(QStringList& rotulos, bool seEsperaQueAbra = true) {
        bool abierta = false;
        rotulos.clear();
        ResponderModal(
            [&](QWidget* w) {
                abierta = w == &resultados;
                for (const char* n :
                     {"LongitudBasicaII", "LongitudNetaII", "LongitudBasicaI", "LongitudNetaI"})
                    rotulos << (R(n)->isVisible() ? R(n)->text() : QStringLiteral("oculto"));
                rotulos << (R("EtiquetaDecalaje")->isVisible() ? QStringLiteral("nota")
                                                               : QStringLiteral("sin nota"));
                w->findChild<QPushButton*>(QStringLiteral("BotonOK"))->click();
            },
            v, seEsperaQueAbra ? 3000 : 200);
        QTest::mouseClick(C<QPushButton>("BotonAnclaje"), Qt::LeftButton);
        if (!seEsperaQueAbra)
            QTest::qWait(300);
        return abierta;
    }

private slots:
    void initTestCase() {
        connect(v, &TVentanaLongitudAnclaje::calculado, &resultados, &TVentanaAnclaje::Mostrar);
        v->show(); // sin modalidad: las pruebas pulsan sus controles directamente
        QVERIFY(QTest::qWaitForWindowExposed(v));
    }

    void EstadoInicial() {
        QCOMPARE(v->windowTitle(), QStringLiteral("Longitud de anclaje de las armaduras"));
        QCOMPARE(C<GrupoOpciones>("GrupoDesignacionAcero")->itemIndex(), 0);
        QCOMPARE(C<GrupoOpciones>("GrupoTipoAnclaje")->Boton(1)->text(),
                 QStringLiteral("Patilla, gancho y gancho en U"));
        QCOMPARE(C<QComboBox>("ResistenciaCaracteristica")->currentText(), QStringLiteral("25"));
        QCOMPARE(C<QComboBox>("ResistenciaCaracteristica")->count(), 6);
        QCOMPARE(C<QLineEdit>("CuadroDecalaje")->text(), QStringLiteral("0"));
        QCOMPARE(C<QLabel>("EtiquetaArmadura")->text(), QStringLiteral("Armadura"));
        QCOMPARE(C<QCheckBox>("RecubrimientoHormigon")->text(),
                 QStringLiteral("Recubrimiento hormigón > 3.0 cm"));
        QVERIFY(!C<QCheckBox>("RecubrimientoHormigon")->isEnabled());
        QVERIFY(C<QCheckBox>("PosicionII")->isChecked());
        QVERIFY(!C<QCheckBox>("PosicionIITraccion")->isChecked());
        QVERIFY(C<QCheckBox>("PosicionITraccion")->isChecked());
        for (const char* n : {"EtiquetaAreaII", "AreaII", "EtiquetaAreaI", "AreaI"})
            QVERIFY2(!C<QWidget>(n)->isEnabled(), n);
        QCOMPARE(C<QLineEdit>("AreaI")->text(), QStringLiteral("1"));
        QVERIFY(C<QPushButton>("BotonOK")->hasFocus());
        QCOMPARE(R("LongitudNetaI")->text(), QStringLiteral("="));
    }

    void TipoDeAnclajeHabilitaElRecubrimiento() {
        auto* tipo = C<GrupoOpciones>("GrupoTipoAnclaje");
        QTest::mouseClick(tipo->Boton(1), Qt::LeftButton);
        QVERIFY(C<QCheckBox>("RecubrimientoHormigon")->isEnabled());
        QTest::mouseClick(tipo->Boton(2), Qt::LeftButton);
        QVERIFY(!C<QCheckBox>("RecubrimientoHormigon")->isEnabled());
        QTest::mouseClick(tipo->Boton(0), Qt::LeftButton);
        QVERIFY(!C<QCheckBox>("RecubrimientoHormigon")->isEnabled());
    }

    void PosicionesYArmaduraEstricta() {
        Marcar("PosicionII", false);
        QVERIFY(!C<QPushButton>("AreaPosicionII")->isEnabled());
        QVERIFY(!C<QCheckBox>("PosicionIITraccion")->isEnabled());
        // Con la posición II desmarcada, "Armadura estricta" sólo habilita la posición I.
        Marcar("ArmaduraSuperabundante", true);
        QVERIFY(C<QPushButton>("EtiquetaAreaI")->isEnabled());
        QVERIFY(C<QLineEdit>("AreaI")->isEnabled());
        QVERIFY(!C<QPushButton>("EtiquetaAreaII")->isEnabled());
        QVERIFY(!C<QLineEdit>("AreaII")->isEnabled());
        // Al marcar la posición II se habilitan sus cuatro controles.
        Marcar("PosicionII", true);
        for (const char* n : {"AreaPosicionII", "PosicionIITraccion", "EtiquetaAreaII", "AreaII"})
            QVERIFY2(C<QWidget>(n)->isEnabled(), n);
        Marcar("PosicionI", false);
        for (const char* n : {"AreaPosicionI", "PosicionITraccion", "EtiquetaAreaI", "AreaI"})
            QVERIFY2(!C<QWidget>(n)->isEnabled(), n);
        // Quitar "Armadura estricta" no toca la posición I desmarcada.
        Marcar("ArmaduraSuperabundante", false);
        QVERIFY(!C<QPushButton>("EtiquetaAreaII")->isEnabled());
        QVERIFY(!C<QLineEdit>("AreaII")->isEnabled());
        Marcar("PosicionI", true);
        QVERIFY(C<QPushButton>("AreaPosicionI")->isEnabled());
        QVERIFY(!C<QLineEdit>("AreaI")->isEnabled());
    }

    void SinArmaduraDefinidaSeAvisa() {
        RecogerAvisos avisos;
        QStringList rotulos;
        QVERIFY(!Calcular(rotulos, false));
        QCOMPARE(avisos.avisos,
                 QStringList{QStringLiteral("Defina la armadura de la posición II.")});
        QCOMPARE(estado.fyk, 0.0); // nada calculado, nada escrito
    }

    void SelectorDeLaPosicionII() {
        estado.Barras[2][0].Diametro = 16;
        estado.Barras[2][0].Numero = 2; // 2Ø16: el selector calcula 4.0212 cm²
        ResponderModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); }, v);
        QTest::mouseClick(C<QPushButton>("AreaPosicionII"), Qt::LeftButton);
        QCOMPARE(estado.IndiceArmadura, 2);
        QCOMPARE(C<QPushButton>("AreaPosicionII")->text(),
                 QString::fromStdString(TextoArmadura(estado, 2)));
        QCOMPARE(v->Valores().phi[1], 16.0);
        QVERIFY(std::abs(v->Valores().AsReal[1] - 402.12) < 1e-2);
        QCOMPARE(C<QCheckBox>("RecubrimientoHormigon")->text(),
                 QStringLiteral("Recubrimiento hormigón > 4.8 cm"));
        // Cancelar el selector no cambia nada.
        estado.Barras[1][0].Diametro = 25;
        ResponderModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); }, v);
        QTest::mouseClick(C<QPushButton>("AreaPosicionI"), Qt::LeftButton);
        QCOMPARE(v->Valores().phi[0], 0.0);
        QCOMPARE(C<QPushButton>("AreaPosicionI")->text(), QStringLiteral("Defina armadura"));
    }

    void SelectorDeLaArmaduraEstricta() {
        Marcar("ArmaduraSuperabundante", true);
        C<QLineEdit>("AreaI")->setText(QStringLiteral("xx"));
        ResponderModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); }, v);
        QTest::mouseClick(C<QPushButton>("EtiquetaAreaI"), Qt::LeftButton);
        QCOMPARE(estado.IndiceArmadura, 3);
        QCOMPARE(C<QLineEdit>("AreaI")->text(), area.TextoArea());
        ResponderModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); }, v);
        QTest::mouseClick(C<QPushButton>("EtiquetaAreaII"), Qt::LeftButton);
        QCOMPARE(estado.IndiceArmadura, 4);
        Marcar("ArmaduraSuperabundante", false);
    }

    void SinPosicionesSeOcultaTodo() {
        Marcar("PosicionII", false);
        Marcar("PosicionI", false);
        QStringList rotulos;
        QVERIFY(Calcular(rotulos));
        QCOMPARE(rotulos, (QStringList{"oculto", "oculto", "oculto", "oculto", "sin nota"}));
        Marcar("PosicionII", true);
        QVERIFY(Calcular(rotulos));
        QCOMPARE(rotulos.mid(2), (QStringList{"oculto", "oculto", "sin nota"}));
        Marcar("PosicionI", true);
    }

    void ResistenciaFueraDeTablaSeRechaza() {
        auto* resistencia = C<QComboBox>("ResistenciaCaracteristica");
        resistencia->setEditText(QStringLiteral("60"));
        estado.fck = 25.0;
        RecogerAvisos avisos;
        QStringList rotulos;
        QVERIFY(!Calcular(rotulos, false));
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY(avisos.avisos[0].contains(QStringLiteral("25 ≤ fck < 55")));
        QVERIFY(v->focusWidget() == resistencia || v->focusWidget() == resistencia->lineEdit());
        QCOMPARE(estado.fck, 25.0);
        resistencia->setEditText(QStringLiteral("25"));
    }

    void EntregaConTextoIlegibleNoAbre() {
        RecogerAvisos avisos;
        const int antes = estado.Barras[1][0].Numero;
        v->hide(); // la entrega la abriría modal
        const bool abierta = ConModal(
            [&] {
                v->AbrirDesdeResultados(2, QStringLiteral("3"), QStringLiteral("---"),
                                        QStringLiteral("1"));
            },
            [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        QVERIFY(!abierta);
        QCOMPARE(avisos.avisos.size(), 1);
        QCOMPARE(estado.Barras[1][0].Numero, antes); // sin cambios
    }
};

QTEST_MAIN(PruebaVentanaLongitudAnclaje)
#include "VentanaLongitudAnclajeTest.moc"
