// Ventana «Fisuración», abierta desde el menú y desde los resultados de la armadura
// longitudinal (con la sección y las barras del dimensionamiento), con su memoria.

#include "Seccion.h"
#include "ventanas/ConModal.h"
#include "ventanas/Modal.h"

#include "cracking/LienzoTrazos.h"
#include "cracking/VentanaFisuracion.h"
#include "report/VentanaMemoria.h"

#include <QComboBox>

namespace {

// El selector de barras de la ranura que abre `boton`, con n barras de diámetro d y OK.
void ElegirBarras(QWidget* v, const char* boton, const char* n, const char* d) {
    ConModal([&] { Pulsar(v, boton); },
             [n, d](QWidget* selector) {
                 Teclear(selector, "NumeroRedondos01", QString::fromLatin1(n));
                 Hijo<QComboBox>(selector, "Diametro01")->setCurrentText(QString::fromLatin1(d));
                 PulsarOK(selector);
             });
}

} // namespace

class FisuracionVentanaTest : public QObject {
    Q_OBJECT

    Aplicacion app;
    RecogerAvisos* avisos = nullptr;

private slots:
    void initTestCase() {
        InicializarTablas(app.Estado);
        CrearVentanas(app);
        avisos = new RecogerAvisos;
        ConfirmarParametros(app, 0);
    }
    void cleanupTestCase() { delete avisos; }

    // Viga 300×500, c = 30, 4Ø16 y 2Ø12, 80 kN·m, HA-25: wk = 0.189 mm (véase la prueba del
    // cálculo, hecha a mano), por debajo de 0.4 mm (XC1); el dibujo se pinta.
    void DesdeElMenu() {
        QString norma, abertura, veredicto, boton1;
        bool dibujo = false;
        AbrirDesdeMenu(app, "Fisuracion1", [&](QWidget* v) {
            ElegirBarras(v, "BotonA1", "4", "16");
            ElegirBarras(v, "BotonA2", "2", "12");
            Pulsar(v, "BotonCalcular");
            norma = TextoEtiqueta(v, "EtiquetaNorma");
            abertura = TextoEtiqueta(v, "EtiquetaAbertura");
            veredicto = TextoEtiqueta(v, "VeredictoAbertura");
            boton1 = Hijo<QPushButton>(v, "BotonA1")->text();
            dibujo = !Hijo<velmora::LienzoTrazos>(v, "Dibujo")->Vacio();
            v->close();
        });
        QCOMPARE(norma,
                 QStringLiteral("Comprobación según el Código Estructural, Anejo 19, 7.2 y 7.3"));
        QVERIFY2(abertura.startsWith(QStringLiteral("wk = 0.189 mm")), qPrintable(abertura));
        QCOMPARE(veredicto, QStringLiteral("Cumple: wk ≤ wmax = 0.4 mm."));
        QCOMPARE(boton1, QStringLiteral("4Ø16"));
        QVERIFY(dibujo);
        QVERIFY2(avisos->avisos.isEmpty(), qPrintable(avisos->avisos.join('\n')));
    }

    // Un momento que comprime la cara de A1 se rechaza nombrando el campo, que recibe el foco.
    void MomentoNegativoSeRechaza() {
        QWidget* foco = nullptr;
        QString abertura;
        avisos->avisos.clear();
        AbrirDesdeMenu(app, "Fisuracion1", [&](QWidget* v) {
            Teclear(v, "MomentoCP", QStringLiteral("-20"));
            Pulsar(v, "BotonCalcular");
            foco = v->focusWidget();
            abertura = TextoEtiqueta(v, "EtiquetaAbertura");
            Teclear(v, "MomentoCP", QStringLiteral("80"));
            v->close();
        });
        QCOMPARE(avisos->avisos.size(), 1);
        QVERIFY2(avisos->avisos[0].startsWith(QStringLiteral("Momento cuasipermanente")),
                 qPrintable(avisos->avisos[0]));
        QVERIFY(foco && foco->objectName() == QStringLiteral("MomentoCP"));
        QCOMPARE(abertura, QString());
        avisos->avisos.clear();
    }

    // Desde los resultados: la sección 0.40 × 0.30 con d1 = 0.03 y las barras de cada cara
    // (11Ø10 y 2Ø10 para 100 kN·m) pasan a la ventana; el recubrimiento libre es 30 − 5 = 25 mm.
    // La memoria se abre con los pasos del Anejo 19, y las barras siguen al volver desde el menú.
    void DesdeLosResultadosConSuMemoria() {
        QString boton1, boton2, canto, recubrimiento, html;
        AbrirDesdeMenu(app, "Datosdelaseccion1", [&](QWidget* datos) {
            Teclear(datos, "Valor5", QStringLiteral("100"));
            PulsarYResponder(datos, "BotonCalcular", [&](QWidget* resultados) {
                PulsarYResponder(resultados, "BotonFisuracion", [&](QWidget* v) {
                    boton1 = Hijo<QPushButton>(v, "BotonA1")->text();
                    boton2 = Hijo<QPushButton>(v, "BotonA2")->text();
                    canto = Hijo<QLineEdit>(v, "Valorh")->text();
                    recubrimiento = Hijo<QLineEdit>(v, "Recubrimiento")->text();
                    PulsarYResponder(v, "BotonMemoria", [&](QWidget* m) {
                        if (auto* memoria = qobject_cast<VentanaMemoria*>(m))
                            html = memoria->Html();
                        m->close();
                    });
                    v->close();
                });
                resultados->close();
            });
            datos->close();
        });
        QCOMPARE(boton1, QStringLiteral("11Ø10"));
        QCOMPARE(boton2, QStringLiteral("2Ø10"));
        QCOMPARE(canto, QStringLiteral("0.400"));
        QCOMPARE(recubrimiento, QStringLiteral("25.0"));
        QVERIFY2(html.contains(QStringLiteral("Anejo 19, 7.3.4")), qPrintable(html.left(400)));
        QVERIFY(html.contains(QStringLiteral("11Ø10")));
        QString otraVez;
        AbrirDesdeMenu(app, "Fisuracion1", [&](QWidget* v) {
            otraVez = Hijo<QPushButton>(v, "BotonA1")->text();
            v->close();
        });
        QCOMPARE(otraVez, QStringLiteral("11Ø10"));
        QVERIFY2(avisos->avisos.isEmpty(), qPrintable(avisos->avisos.join('\n')));
    }
};

QTEST_MAIN(FisuracionVentanaTest)
#include "FisuracionVentanaTest.moc"
