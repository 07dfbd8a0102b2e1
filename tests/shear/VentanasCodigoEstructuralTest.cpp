// Ventanas de la armadura transversal y del anclaje con el Código Estructural: θe y «Efectos
// dinámicos» deshabilitados, θ fuera de 0.5 ≤ cot θ ≤ 2 rechazado con su campo, y la norma en uso
// a la vista en los resultados (oculta con la EHE-98).

#include "anchorage/VentanaAnclaje.h"
#include "anchorage/VentanaLongitudAnclaje.h"
#include "common/GrupoOpciones.h"
#include "design/VentanaArea.h"
#include "shear/VentanaResultadosTrans1.h"
#include "shear/VentanaTransversal1.h"
#include "shear/VentanaTransversal2.h"
#include "ventanas/Arranque.h"
#include "ventanas/ConModal.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace velmora;

namespace {

// Parámetros generales de arranque (HA-25, B 400 S, persistente) con la norma dada.
void Confirmar(EstadoDiseno& e, Norma norma) {
    QVERIFY(DerivarMateriales(e, EleccionParametros{}).ok());
    e.norma = norma;
}

// Rótulos (texto y visibilidad) de una ventana de resultados; la cierra.
QMap<QString, QPair<QString, bool>> LeerYCerrar(QWidget* w) {
    QMap<QString, QPair<QString, bool>> r;
    for (auto* l : w->findChildren<QLabel*>())
        r[l->objectName()] = {l->text(), !l->isHidden()};
    w->findChild<QPushButton*>(QStringLiteral("BotonOK"))->click();
    return r;
}

} // namespace

class PruebaVentanasCodigoEstructural : public QObject {
    Q_OBJECT

    EstadoDiseno estado = EstadoDeArranque();
    TVentanaArea area{estado};
    TVentanaTransversal1 viga{estado, area};
    TVentanaResultadosTrans1 resultados;
    TVentanaTransversal2 pilar{estado};
    TVentanaLongitudAnclaje anclaje{estado, area};
    TVentanaAnclaje resultadosAnclaje;

    // Vuelve a abrir la ventana, como al elegirla en el menú tras cambiar la norma.
    void Reabrir(QWidget* w) {
        w->hide();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    std::optional<QMap<QString, QPair<QString, bool>>> CalcularViga() {
        std::optional<QMap<QString, QPair<QString, bool>>> r;
        ConModal([&] { Hijo<QPushButton>(&viga, "BotonCalcular")->click(); },
                 [&](QWidget* w) { r = LeerYCerrar(w); });
        return r;
    }

private slots:
    void initTestCase() {
        connect(&viga, &TVentanaTransversal1::calculado, &resultados,
                &TVentanaResultadosTrans1::Mostrar);
        connect(&anclaje, &TVentanaLongitudAnclaje::calculado, &resultadosAnclaje,
                &TVentanaAnclaje::Mostrar);
    }

    void TetaeSoloConLaEHE98() {
        Confirmar(estado, Norma::CodigoEstructural);
        Reabrir(&viga);
        QVERIFY(!Hijo<QLineEdit>(&viga, "CuadroTetae")->isEnabled());
        QVERIFY(!Hijo<QLabel>(&viga, "EtiquetaTetae")->isEnabled());
        Confirmar(estado, Norma::EHE98);
        Reabrir(&viga);
        QVERIFY(Hijo<QLineEdit>(&viga, "CuadroTetae")->isEnabled());
        const auto r = CalcularViga();
        QVERIFY(r);
        QVERIFY(!(*r)["EtiquetaNorma"].second);
        QCOMPARE((*r)["EtiquetaVu1"].first, QStringLiteral("V<sub>u1</sub>"));
    }

    void ResultadosConLaNormaEnUso() {
        Confirmar(estado, Norma::CodigoEstructural);
        Reabrir(&viga);
        const auto r = CalcularViga();
        QVERIFY(r);
        QCOMPARE((*r)["EtiquetaNorma"],
                 qMakePair(QStringLiteral("Norma: Código Estructural"), true));
        QCOMPARE((*r)["EtiquetaVu1"].first, QStringLiteral("V<sub>Rd,max</sub>"));
        // HA-25, B 400 S, d = 360, b = 300: 300·324·0.54·16.667/2 = 437.4 kN;
        // vmin = 0.035·1.74536^1.5·5 = 0.40352, por 300·360 = 43.580 kN.
        QCOMPARE((*r)["AgotamientoCompresionOblicua"].first, QStringLiteral("=   437.400"));
        QCOMPARE((*r)["ContribucionHormigon"].first, QStringLiteral("=    43.580"));
        // ρw,min = 0.08·5/400: 157.08/(0.001·300) = 523.6 mm, limitada a 0.75·360 = 270 mm;
        // VRd,s = 157.08/270·324·347.83 = 65.564 kN.
        QCOMPARE((*r)["LongitudZona1"].first, QStringLiteral("/  27*"));
        QVERIFY((*r)["EtiquetaSeparacion01"].second);
        QCOMPARE((*r)["ContribucionArmadura01"].first, QStringLiteral("=    65.564"));
        QCOMPARE((*r)["AgotamientoTraccion02"].first, QStringLiteral("=    65.564"));
    }

    void TetaFueraDelIntervaloSeRechaza() {
        Confirmar(estado, Norma::CodigoEstructural);
        Reabrir(&viga);
        auto* teta = Hijo<QLineEdit>(&viga, "CuadroTeta");
        teta->selectAll();
        QTest::keyClicks(teta, QStringLiteral("20"));
        RecogerAvisos avisos;
        const auto r = CalcularViga();
        teta->setText(QStringLiteral("45"));
        QVERIFY(!r);
        QCOMPARE(avisos.avisos,
                 QStringList{QStringLiteral("El ángulo θ de las bielas con el eje ha de estar "
                                            "entre 26.57º y 63.43º (0.5 ≤ cot θ ≤ 2, Anejo 19, "
                                            "6.2.3(2)); se escribió 20º.")});
        QCOMPARE(viga.focusWidget(), static_cast<QWidget*>(teta));
    }

    void PilarConSuNota() {
        Confirmar(estado, Norma::EHE98);
        Reabrir(&pilar);
        QVERIFY(Hijo<QLabel>(&pilar, "NotaSeparacion")->isHidden());
        QVERIFY(Hijo<QLabel>(&pilar, "EtiquetaNorma")->isHidden());
        Confirmar(estado, Norma::CodigoEstructural);
        // Al abrirse con otra norma se recalcula: 15·12 = 180 mm, máx(6, 16/4) = 6 mm.
        Reabrir(&pilar);
        QCOMPARE(Hijo<QLabel>(&pilar, "Armadura")->text(), QStringLiteral("  6/ 18"));
        QVERIFY(!Hijo<QLabel>(&pilar, "NotaSeparacion")->isHidden());
        QCOMPARE(Hijo<QLabel>(&pilar, "NotaSeparacion")->text(),
                 QStringLiteral("Junto a vigas y losas y en los solapos: separación × 0.6 = "
                                "10.8 cm (Anejo 19, 9.5.3(4))"));
        QCOMPARE(Hijo<QLabel>(&pilar, "EtiquetaNorma")->text(),
                 QStringLiteral("Norma: Código Estructural"));
        // 400 × 250 con barras de 20 y 25 mm: 25/4 = 6.25 → 8 mm; lado menor 250 mm.
        auto* h = Hijo<QLineEdit>(&pilar, "Valor1");
        h->setText(QStringLiteral("0.40"));
        Hijo<QLineEdit>(&pilar, "Valor2")->setText(QStringLiteral("0.25"));
        auto* maximo = Hijo<QComboBox>(&pilar, "DiametroMaximo");
        maximo->setCurrentIndex(maximo->findText(QStringLiteral("25")));
        auto* minimo = Hijo<QComboBox>(&pilar, "DiametroMinimo");
        minimo->setCurrentIndex(minimo->findText(QStringLiteral("20")));
        QCOMPARE(Hijo<QLabel>(&pilar, "Armadura")->text(), QStringLiteral("  8/ 25"));
    }

    void AnclajeSinEfectosDinamicos() {
        Confirmar(estado, Norma::CodigoEstructural);
        Reabrir(&anclaje);
        QVERIFY(!Hijo<QCheckBox>(&anclaje, "EfectosDinamicos")->isEnabled());
        // 4Ø16 en las dos posiciones, B 500 S, HA-25: lb,rqd = 645.75 mm (I), 922.49 mm (II).
        std::optional<QMap<QString, QPair<QString, bool>>> r;
        estado.Barras[1][0] = GrupoBarras{4, 16};
        estado.Barras[2][0] = GrupoBarras{4, 16};
        anclaje.FijarArmadura(1, true);
        anclaje.FijarArmadura(2, true);
        Hijo<GrupoOpciones>(&anclaje, "GrupoDesignacionAcero")->setItemIndex(1);
        ConModal([&] { Hijo<QPushButton>(&anclaje, "BotonAnclaje")->click(); },
                 [&](QWidget* w) { r = LeerYCerrar(w); });
        QVERIFY(r);
        QCOMPARE((*r)["LongitudBasicaI"].first, QStringLiteral("=  64.57 cm"));
        QCOMPARE((*r)["LongitudBasicaII"].first, QStringLiteral("=  92.25 cm"));
        QCOMPARE((*r)["EtiquetaNorma"],
                 qMakePair(QStringLiteral("Norma: Código Estructural"), true));
        Confirmar(estado, Norma::EHE98);
        Reabrir(&anclaje);
        QVERIFY(Hijo<QCheckBox>(&anclaje, "EfectosDinamicos")->isEnabled());
    }
};

QTEST_MAIN(PruebaVentanasCodigoEstructural)
#include "VentanasCodigoEstructuralTest.moc"
