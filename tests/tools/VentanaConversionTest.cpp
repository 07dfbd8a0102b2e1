// Ventana de conversión de unidades, manejada por sus controles.
#include "tools/VentanaConversion.h"
#include "common/GrupoOpciones.h"
#include "ventanas/Controles.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

using namespace velmora;

class PruebaVentanaConversion : public QObject {
    Q_OBJECT

private:
    TVentanaConversion* ventana = nullptr;

    GrupoOpciones* Grupo(const char* nombre) {
        auto* g = ventana->findChild<GrupoOpciones*>(QString::fromLatin1(nombre));
        if (!g)
            qFatal("Falta el grupo %s", nombre);
        return g;
    }
    void Elegir(const char* grupo, int i) { ElegirOpcion(ventana, grupo, i); }
    void Escribir(const QString& texto) { Teclear(ventana, "ValorOrigen", texto); }
    QString Final() const {
        return ventana->findChild<QLineEdit*>(QStringLiteral("ValorFinal"))->text();
    }
    QString Unidad(const char* etiqueta) const { return TextoEtiqueta(ventana, etiqueta); }
    static QString Cientifico(QString texto) {
        const QString sep = QLocale::system().decimalPoint();
        return texto.replace(QLatin1Char('.'), sep.isEmpty() ? QStringLiteral(".") : sep);
    }

private slots:
    void init() {
        ventana = new TVentanaConversion();
        ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
    }
    void cleanup() { delete ventana; }

    void AlAbrirNoConvierteYSoloLongitudHabilitada() {
        QCOMPARE(Final(), QStringLiteral("1.0"));
        QCOMPARE(Unidad("EtiquetaUnidadesOrigen01"), QStringLiteral("m"));
        QCOMPARE(Unidad("EtiquetaUnidadesFinal01"), QStringLiteral("m"));
        QVERIFY(Grupo("GrupoTipoLongitudOrigen")->isEnabled());
        QVERIFY(Grupo("GrupoTipoLongitudFinal")->isEnabled());
        QVERIFY(!Grupo("GrupoTipoFuerzaOrigen")->isEnabled());
        QVERIFY(!Grupo("GrupoTipoFuerzaFinal")->isEnabled());
        QVERIFY(ventana->findChild<QWidget*>(QStringLiteral("BotonOK"))->hasFocus());
    }

    void ToneladaAKilonewton() {
        Elegir("GrupoTipoConversion", 1);
        QVERIFY(!Grupo("GrupoTipoLongitudOrigen")->isEnabled());
        QVERIFY(Grupo("GrupoTipoFuerzaFinal")->isEnabled());
        Elegir("GrupoTipoFuerzaFinal", 2);
        Escribir(QStringLiteral("1"));
        QCOMPARE(Final(), QStringLiteral("     9.800"));
        QCOMPARE(Unidad("EtiquetaUnidadesOrigen01"), QStringLiteral("t"));
        QCOMPARE(Unidad("EtiquetaUnidadesFinal01"), QStringLiteral("kN"));
    }

    void KilopondioPorCm2ANewtonPorMm2() {
        Elegir("GrupoTipoConversion", 3);
        Elegir("GrupoTipoFuerzaOrigen", 1);
        Elegir("GrupoTipoLongitudOrigen", 1);
        Elegir("GrupoTipoFuerzaFinal", 3);
        Elegir("GrupoTipoLongitudFinal", 2);
        Escribir(QStringLiteral("1"));
        QCOMPARE(Final(), QStringLiteral("     0.098"));
        QCOMPARE(Unidad("EtiquetaUnidadesOrigen01"), QStringLiteral("kp/cm²"));
        QCOMPARE(Unidad("EtiquetaUnidadesFinal01"), QStringLiteral("N/mm²"));
    }

    void InerciaDecimalYCientifica() {
        Elegir("GrupoTipoConversion", 4);
        QVERIFY(!Grupo("GrupoTipoFuerzaOrigen")->isEnabled());
        Elegir("GrupoTipoLongitudFinal", 1);
        QCOMPARE(Final(), QStringLiteral("100000000.000"));
        QCOMPARE(Unidad("EtiquetaUnidadesOrigen01"), QStringLiteral("m4"));
        QCOMPARE(Unidad("EtiquetaUnidadesFinal01"), QStringLiteral("cm4"));
        Elegir("GrupoTipoSalida", 1);
        QCOMPARE(Final(), Cientifico(QStringLiteral("1.0000000E+08")));
        Escribir(QStringLiteral("0"));
        QCOMPARE(Final(), Cientifico(QStringLiteral("0.0000000E+00")));
        Elegir("GrupoTipoSalida", 0);
        QCOMPARE(Final(), QStringLiteral("     0.000"));
    }

    void MomentoAFuerzaYVueltaConservaLasUnidades() {
        Elegir("GrupoTipoConversion", 2);
        Elegir("GrupoTipoFuerzaOrigen", 2);
        Elegir("GrupoTipoLongitudOrigen", 1);
        QCOMPARE(Unidad("EtiquetaUnidadesOrigen01"), QStringLiteral("kN*cm"));
        Elegir("GrupoTipoConversion", 1);
        QVERIFY(!Grupo("GrupoTipoLongitudOrigen")->isEnabled());
        QVERIFY(!Grupo("GrupoTipoLongitudFinal")->isEnabled());
        QCOMPARE(Grupo("GrupoTipoLongitudOrigen")->itemIndex(), 1);
        QCOMPARE(Unidad("EtiquetaUnidadesOrigen01"), QStringLiteral("kN"));
        // 1 kN en t, aunque la longitud de origen elegida sea cm.
        Escribir(QStringLiteral("9.8"));
        QCOMPARE(Final(), QStringLiteral("     1.000"));
        Elegir("GrupoTipoConversion", 2);
        QCOMPARE(Unidad("EtiquetaUnidadesOrigen01"), QStringLiteral("kN*cm"));
        QCOMPARE(Unidad("EtiquetaUnidadesFinal01"), QStringLiteral("t*m"));
        QCOMPARE(Final(), QStringLiteral("     0.010"));
    }

    void TextoNoNumericoYVueltaAConvertir() {
        Elegir("GrupoTipoLongitudFinal", 2);
        Escribir(QStringLiteral("1.5x"));
        QCOMPARE(Final(), QStringLiteral("Valor no válido"));
        Escribir(QStringLiteral("1,5"));
        QCOMPARE(Final(), QStringLiteral("  1500.000"));
        Elegir("GrupoTipoConversion", 4);
        Escribir(QStringLiteral("1e300"));
        QCOMPARE(Final(), QStringLiteral("Fuera de rango"));
    }

    void ConservaElEstadoEntreAperturas() {
        Elegir("GrupoTipoLongitudFinal", 1);
        QCOMPARE(Final(), QStringLiteral("   100.000"));
        ventana->hide();
        ventana->show();
        QCOMPARE(Final(), QStringLiteral("   100.000"));
        QCOMPARE(Unidad("EtiquetaUnidadesFinal01"), QStringLiteral("cm"));
    }
};

QTEST_MAIN(PruebaVentanaConversion)
#include "VentanaConversionTest.moc"
