#include "shear/VentanaTransversal2.h"
#include "ventanas/Arranque.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace velmora;

class PruebaVentanaTransversal2 : public QObject {
    Q_OBJECT

    EstadoDiseno estado = EstadoDeArranque();
    TVentanaTransversal2 pilar{estado};
    TVentanaTransversal2* v = &pilar;

    template <typename T> T* C(const char* nombre) { return Hijo<T>(v, nombre); }
    QString Armadura() { return C<QLabel>("Armadura")->text(); }
    // Escribe en un campo y sale de él, como el usuario que pasa al siguiente.
    void Escribir(const char* nombre, const QString& texto) {
        auto* e = C<QLineEdit>(nombre);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, texto);
        QTest::keyClick(e, Qt::Key_Tab);
    }
    void Elegir(const char* nombre, const QString& texto) {
        auto* c = C<QComboBox>(nombre);
        c->setCurrentIndex(c->findText(texto));
    }

private slots:
    void initTestCase() {
        v->show();
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v));
    }

    void AlAbrirMuestraElUltimoResultadoSinCalcular() {
        QCOMPARE(v->windowTitle(), QStringLiteral("Armadura transversal del pilar"));
        QCOMPARE(Armadura(), QStringLiteral("  6/ 18"));
        QCOMPARE(C<QComboBox>("DiametroMaximo")->currentText(), QStringLiteral("16"));
        QCOMPARE(estado.h, 0.0);
    }

    void RecalculaAlSalirDeUnCampo() {
        Escribir("Valor1", QStringLiteral("0.40"));
        Escribir("Valor2", QStringLiteral("0.25"));
        Elegir("DiametroMinimo", QStringLiteral("20"));
        Elegir("DiametroMaximo", QStringLiteral("25"));
        QCOMPARE(Armadura(), QStringLiteral("  6/ 25"));
        QCOMPARE(estado.h, 400.0);
        QCOMPARE(estado.b, 250.0);
        QCOMPARE(estado.d1, 30.0);
        Escribir("Valor1", QStringLiteral("0.50"));
        Escribir("Valor2", QStringLiteral("0.50"));
        Escribir("Valor3", QStringLiteral("0.04"));
        Elegir("DiametroMinimo", QStringLiteral("12"));
        Elegir("DiametroMaximo", QStringLiteral("32"));
        QCOMPARE(Armadura(), QStringLiteral("  8/ 18"));
    }

    void UnDiametroMueveAlOtro() {
        Elegir("DiametroMaximo", QStringLiteral("16"));
        Elegir("DiametroMinimo", QStringLiteral("20"));
        QCOMPARE(C<QComboBox>("DiametroMaximo")->currentText(), QStringLiteral("20"));
        Elegir("DiametroMaximo", QStringLiteral("14"));
        QCOMPARE(C<QComboBox>("DiametroMinimo")->currentText(), QStringLiteral("14"));
        QCOMPARE(Armadura(), QStringLiteral("  6/ 21"));
    }

    void DatoNoValidoSeExplicaEnLaVentana() {
        RecogerAvisos avisos;
        Escribir("Valor3", QStringLiteral("0.60"));
        auto* aviso = C<QLabel>("Aviso");
        QVERIFY(!aviso->isHidden());
        QCOMPARE(aviso->text(),
                 QStringLiteral("El recubrimiento d1 ha de ser menor que el lado menor de la "
                                "sección."));
        QVERIFY(!C<QLabel>("Armadura")->isEnabled());
        QCOMPARE(Armadura(), QStringLiteral("  6/ 21"));
        QCOMPARE(estado.d1, 40.0);
        Escribir("Valor3", QStringLiteral("tres"));
        QVERIFY(aviso->text().contains(QStringLiteral("no es un número")));
        Escribir("Valor3", QStringLiteral("0.04"));
        QVERIFY(aviso->isHidden());
        QVERIFY(C<QLabel>("Armadura")->isEnabled());
        QVERIFY(avisos.avisos.isEmpty());
    }
};

QTEST_MAIN(PruebaVentanaTransversal2)
#include "VentanaTransversal2Test.moc"
