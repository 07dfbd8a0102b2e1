#include "shear/VentanaTransversal1.h"
#include "design/VentanaArea.h"
#include "shear/VentanaResultadosTrans1.h"
#include "ventanas/Arranque.h"
#include "ventanas/ConModal.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace velmora;

namespace {

struct Rotulos {
    QMap<QString, QString> texto;
    QMap<QString, bool> visible;
};

// Lee los rótulos de la ventana de resultados y la cierra.
Rotulos LeerYCerrar(QWidget* w) {
    Rotulos r;
    for (auto* l : w->findChildren<QLabel*>()) {
        r.texto[l->objectName()] = l->text();
        r.visible[l->objectName()] = !l->isHidden();
    }
    for (auto* c : w->findChildren<QComboBox*>())
        r.texto[c->objectName()] = c->currentText();
    w->findChild<QPushButton*>(QStringLiteral("BotonOK"))->click();
    return r;
}

} // namespace

class PruebaVentanaTransversal1 : public QObject {
    Q_OBJECT

    // La ventana, su selector de área y su ventana de resultados, como las conecta el programa.
    EstadoDiseno estado = EstadoDeArranque();
    TVentanaArea area{estado};
    TVentanaTransversal1 viga{estado, area};
    TVentanaResultadosTrans1 resultados;
    TVentanaTransversal1* v = &viga;

    template <typename T> T* C(const char* nombre) { return Hijo<T>(v, nombre); }
    void Escribir(const char* nombre, const QString& texto) {
        auto* e = C<QLineEdit>(nombre);
        e->selectAll();
        QTest::keyClicks(e, texto);
    }
    // Pulsa «Calcular» y devuelve los rótulos de resultados (o nada si no se abrieron).
    std::optional<Rotulos> Calcular(std::function<void(QWidget*)> antes = {}) {
        std::optional<Rotulos> r;
        ConModal([&] { QTest::mouseClick(C<QPushButton>("BotonCalcular"), Qt::LeftButton); },
                 [&](QWidget* w) {
                     if (antes)
                         antes(w);
                     r = LeerYCerrar(w);
                 });
        return r;
    }

private slots:
    void initTestCase() {
        connect(v, &TVentanaTransversal1::calculado, &resultados,
                &TVentanaResultadosTrans1::Mostrar);
        QVERIFY(DerivarMateriales(estado, EleccionParametros{}).ok());
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v));
    }

    void ControlesYValoresIniciales() {
        QCOMPARE(v->windowTitle(), QStringLiteral("Armadura transversal de la viga"));
        QCOMPARE(C<QLineEdit>("CuadroCantoUtil")->text(), QStringLiteral("0.36"));
        QCOMPARE(C<QLineEdit>("CuadroTetae")->toolTip(),
                 QStringLiteral("Ángulo de referencia de inclinación de las fisuras"));
        QCOMPARE(C<QPushButton>("ValorArea")->text(), QStringLiteral("Defina armadura"));
        QCOMPARE(C<QComboBox>("CuadroDiametroMaximo")->currentText(), QStringLiteral("10"));
        QVERIFY(C<QLabel>("Imagen1"));
        QVERIFY(!C<QComboBox>("CuadroDiametroMinimo")->isEnabled());
        QTest::mouseClick(C<QCheckBox>("ArmaduraComprimida"), Qt::LeftButton);
        QVERIFY(C<QComboBox>("CuadroDiametroMinimo")->isEnabled());
        QVERIFY(C<QLabel>("Label43")->isEnabled());
        QTest::mouseClick(C<QCheckBox>("ArmaduraComprimida"), Qt::LeftButton);
        QVERIFY(!C<QLabel>("Label40")->isEnabled());
    }

    void CalculoConLosDatosPorDefecto() {
        const auto r = Calcular();
        QVERIFY(r);
        QCOMPARE(r->texto["AgotamientoCompresionOblicua"], QStringLiteral("=   540.000"));
        QCOMPARE(r->texto["ContribucionHormigon"], QStringLiteral("=     0.000"));
        QCOMPARE(r->texto["Label7"], QStringLiteral("La sección de homigón es adecuada, y éste "
                                                    "no\nse agota por compresión oblicua en el "
                                                    "alma"));
        for (const char* z : {"1", "2"}) {
            QCOMPARE(r->texto[QStringLiteral("LongitudZona") + z], QStringLiteral("/  29*"));
            QVERIFY(r->visible[QStringLiteral("EtiquetaSeparacion0") + z]);
            QCOMPARE(r->texto[QStringLiteral("ContribucionArmadura0") + z],
                     QStringLiteral("=    61.466"));
            QCOMPARE(r->texto[QStringLiteral("AgotamientoTraccion0") + z],
                     QStringLiteral("=    61.466"));
        }
        QCOMPARE(r->texto["Recordatorio"],
                 QStringLiteral("El diámetro ha de ser mayor o igual que 6 mm"));
        QCOMPARE(estado.d, 360.0);
        QCOMPARE(estado.b, 300.0);
    }

    // Los cuadros de la ventana de resultados recalculan al momento y se conservan.
    void ResultadosEnVivo() {
        QString antes, despues, error;
        bool etiquetaDespues = true;
        auto r = Calcular([&](QWidget* w) {
            auto* diametro = w->findChild<QComboBox*>(QStringLiteral("DiametroZona1"));
            auto* longitud = w->findChild<QLabel*>(QStringLiteral("LongitudZona1"));
            antes = longitud->text();
            diametro->setCurrentIndex(diametro->findText(QStringLiteral("6")));
            despues = longitud->text();
            etiquetaDespues =
                !w->findChild<QLabel*>(QStringLiteral("EtiquetaSeparacion01"))->isHidden();
            auto* ramas = w->findChild<QComboBox*>(QStringLiteral("NumeroCercosZona2"));
            ramas->lineEdit()->selectAll();
            QTest::keyClicks(ramas->lineEdit(), QStringLiteral("0"));
            error = w->findChild<QLabel*>(QStringLiteral("LongitudZona2"))->text();
            ramas->lineEdit()->selectAll();
            QTest::keyClicks(ramas->lineEdit(), QStringLiteral("4"));
        });
        QVERIFY(r);
        QCOMPARE(antes, QStringLiteral("/  29*"));
        // 2 ramas de 6 mm: mínima 50·56.55·347.83/(16.67·300) = 196.7 mm, sin límite.
        QCOMPARE(despues, QStringLiteral("/  20*"));
        QVERIFY(!etiquetaDespues);
        QCOMPARE(error, QStringLiteral("Sin cercos: el número de ramas y el diámetro han de "
                                       "ser mayores que 0."));
        QCOMPARE(r->texto["ContribucionArmadura02"], QStringLiteral("=   122.932"));
        // Un nuevo cálculo parte de los cercos elegidos la vez anterior.
        r = Calcular();
        QVERIFY(r);
        QCOMPARE(r->texto["DiametroZona1"], QStringLiteral("6"));
        QCOMPARE(r->texto["NumeroCercosZona2"], QStringLiteral("4"));
        QCOMPARE(r->texto["LongitudZona1"], QStringLiteral("/  20*"));
    }

    void ArmaduraComprimidaEleva() {
        QTest::mouseClick(C<QCheckBox>("ArmaduraComprimida"), Qt::LeftButton);
        auto* max = C<QComboBox>("CuadroDiametroMaximo");
        max->setCurrentIndex(max->findText(QStringLiteral("32")));
        const auto r = Calcular();
        QTest::mouseClick(C<QCheckBox>("ArmaduraComprimida"), Qt::LeftButton);
        QVERIFY(r);
        QCOMPARE(r->texto["DiametroZona1"], QStringLiteral(" 8"));
        QCOMPARE(r->texto["Recordatorio"],
                 QStringLiteral("El diámetro ha de ser mayor o igual que  8 mm"));
    }

    void SelectorDeArmaduraLongitudinal() {
        estado.NumeroDiametros[0] = 1;
        estado.Barras[0][0].Numero = 4;
        estado.Barras[0][0].Diametro = 20;
        QVERIFY(ConModal([&] { QTest::mouseClick(C<QPushButton>("ValorArea"), Qt::LeftButton); },
                         PulsarOK));
        QCOMPARE(C<QPushButton>("ValorArea")->text(), QStringLiteral("4Ø20"));
        QVERIFY(std::abs(v->Asl() - 1256.64) < 0.01);
        const auto r = Calcular();
        QVERIFY(r);
        // ρl = 1256.64/(300·360) = 0.011636; 0.1·(1 + √(200/360))·(100·ρl·25)^(1/3)·300·360
        QCOMPARE(r->texto["ContribucionHormigon"], QStringLiteral("=    57.972"));
    }

    void DatosNoValidosNoAbrenResultados_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("ancho nulo") << "CuadroAncho"
                                    << "0"
                                    << "El ancho b ha de ser mayor que 0.";
        QTest::newRow("alfa no es un número") << "CuadroAlfa"
                                              << "noventa"
                                              << "El dato «Ángulo α» («noventa») no es un número.";
        QTest::newRow("theta 90")
            << "CuadroTeta"
            << "90"
            << "El ángulo θ de las bielas con el eje ha de estar entre 0º y 90º, sin incluirlos "
               "(se escribió 90º).";
    }
    void DatosNoValidosNoAbrenResultados() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, mensaje);
        auto* e = C<QLineEdit>(campo.toLatin1().constData());
        const QString anterior = e->text();
        Escribir(campo.toLatin1().constData(), texto);
        RecogerAvisos avisos;
        const auto r = Calcular();
        e->setText(anterior);
        QVERIFY(!r);
        QCOMPARE(avisos.avisos, QStringList{mensaje});
        QCOMPARE(v->focusWidget(), static_cast<QWidget*>(e));
    }
};

QTEST_MAIN(PruebaVentanaTransversal1)
#include "VentanaTransversal1Test.moc"
