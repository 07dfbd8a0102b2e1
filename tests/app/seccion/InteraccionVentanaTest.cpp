// Ventana del diagrama de interacción, abierta desde el menú y desde los resultados de la
// armadura longitudinal: sección, armaduras, tabla de combinaciones (tecleada y pegada),
// pistas sobre los puntos y ficheros exportados.

#include "Seccion.h"
#include "ventanas/ConModal.h"
#include "ventanas/Modal.h"

#include "section/GraficoInteraccion.h"
#include "section/VentanaInteraccion.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

// Parámetros generales de arranque (HA-25, viga) con B 500 S, y OK.
void ConfirmarB500(Aplicacion& app) {
    AbrirDesdeMenu(app, "Parmetrosgenerales1", [](QWidget* p) {
        ElegirOpcion(p, "GrupoDesignacionAcero", 1);
        Pulsar(p, "BotonOK");
    });
}

// El pilar de 200 × 400 mm con 2Ø16 (4.0212 cm²) en cada cara, tecleado.
void TeclearPilar(QWidget* v) {
    ElegirOpcion(v, "GrupoTipoSeccion", 0);
    Teclear(v, "Valorh", QStringLiteral("0.40"));
    Teclear(v, "Valorb", QStringLiteral("0,20"));
    Teclear(v, "Valord2", QStringLiteral("0.05"));
    Teclear(v, "Valord1", QStringLiteral("0.05"));
    Teclear(v, "AreaA1", QStringLiteral("4.0212"));
    Teclear(v, "AreaA2", QStringLiteral("4,0212"));
}

QTableWidget* Tabla(QWidget* v) { return Hijo<QTableWidget>(v, "Combinaciones"); }

QString Celda(QWidget* v, int fila, int columna) {
    auto* item = Tabla(v)->item(fila, columna);
    return item ? item->text() : QString();
}

// Pega con Ctrl+V en la tabla desde la celda (fila, 0).
void Pegar(QWidget* v, int fila, const QString& texto) {
    QApplication::clipboard()->setText(texto);
    Tabla(v)->setCurrentCell(fila, 0);
    QTest::keySequence(Tabla(v), QKeySequence::Paste);
}

} // namespace

class InteraccionVentanaTest : public QObject {
    Q_OBJECT

    Aplicacion app;
    RecogerAvisos* avisos = nullptr;

private slots:
    void initTestCase() {
        InicializarTablas(app.Estado);
        CrearVentanas(app);
        avisos = new RecogerAvisos;
        ConfirmarB500(app);
    }
    void cleanupTestCase() { delete avisos; }

    // N0 = 1455.0 kN, tracción −349.7 kN; una combinación pegada fuera de la curva no cumple,
    // la de dentro cumple, y un dato ilegible se explica nombrando fila y columna.
    void PilarDesdeElMenu() {
        QString n0, nt, gamma1, resultado1, resultado2, avisoIlegible, avisoCorregido;
        int filasTrasVaciar = 0, filasPegadas = 0;
        AbrirDesdeMenu(app, "DiagramaInteraccion", [&](QWidget* v) {
            TeclearPilar(v);
            n0 = TextoEtiqueta(v, "EtiquetaN0");
            nt = TextoEtiqueta(v, "EtiquetaNtraccion");
            Pegar(v, 0, QStringLiteral("Nombre\tNd\tMd\nELU-1\t350\t120\nELU-2\t800,5\t20\n"));
            filasPegadas = Tabla(v)->rowCount();
            gamma1 = Celda(v, 0, 3);
            resultado1 = Celda(v, 0, 4);
            resultado2 = Celda(v, 1, 4);
            Tabla(v)->item(1, 2)->setText(QStringLiteral("2O"));
            avisoIlegible = TextoEtiqueta(v, "AvisoInteraccion");
            Tabla(v)->item(1, 2)->setText(QStringLiteral("20"));
            avisoCorregido = TextoEtiqueta(v, "AvisoInteraccion");
            Pulsar(v, "BotonVaciar");
            filasTrasVaciar = Tabla(v)->rowCount();
            v->close();
        });
        QCOMPARE(n0, QStringLiteral("    1455.0 kN"));
        QCOMPARE(nt, QStringLiteral("    -349.7 kN"));
        QCOMPARE(filasPegadas, 3); // dos combinaciones y la fila vacía del final
        QCOMPARE(resultado1, QStringLiteral("No cumple"));
        QVERIFY2(gamma1.trimmed().toDouble() < 1.0, qPrintable(gamma1));
        QCOMPARE(resultado2, QStringLiteral("Cumple"));
        QVERIFY2(avisoIlegible.contains(QStringLiteral("Md (kN·m) de la fila 2")),
                 qPrintable(avisoIlegible));
        QCOMPARE(avisoCorregido, QString());
        QCOMPARE(filasTrasVaciar, 1);
        QVERIFY(avisos->avisos.isEmpty());
    }

    // Sin armaduras no hay diagrama: el aviso en rojo lo dice y nombra A1.
    void SinArmaduraSeAvisa() {
        QString aviso;
        AbrirDesdeMenu(app, "DiagramaInteraccion", [&](QWidget* v) {
            TeclearPilar(v);
            Teclear(v, "AreaA1", QStringLiteral("0"));
            Teclear(v, "AreaA2", QStringLiteral("0"));
            aviso = TextoEtiqueta(v, "AvisoInteraccion");
            Teclear(v, "AreaA1", QStringLiteral("4.0212"));
            v->close();
        });
        QVERIFY2(aviso.startsWith(QStringLiteral("Defina la armadura")), qPrintable(aviso));
    }

    // Las armaduras del selector de barras (ranuras 1 y 2).
    void ArmaduraDelSelector() {
        QString area, boton;
        AbrirDesdeMenu(app, "DiagramaInteraccion", [&](QWidget* v) {
            ConModal([&] { Pulsar(v, "BotonA1"); },
                     [](QWidget* selector) {
                         Teclear(selector, "NumeroRedondos01", QStringLiteral("2"));
                         Hijo<QComboBox>(selector, "Diametro01")->setCurrentText("16");
                         PulsarOK(selector);
                     });
            area = Hijo<QLineEdit>(v, "AreaA1")->text();
            boton = Hijo<QPushButton>(v, "BotonA1")->text();
            v->close();
        });
        QCOMPARE(area, QStringLiteral("4.0212"));
        QCOMPARE(boton, QStringLiteral("2Ø16"));
    }

    // Pista al pasar sobre un punto, y los cuatro ficheros. Con 4.0212 cm² por cara, N0 =
    // 0.85·16.667·80000 + 2·402.12·400 = 1455029 N.
    void PistaYFicheros() {
        QTemporaryDir carpeta;
        QString pista, svg, csvCurva, csvTabla;
        bool png = false;
        AbrirDesdeMenu(app, "DiagramaInteraccion", [&](QWidget* v) {
            TeclearPilar(v);
            Pegar(v, 0, QStringLiteral("P-1;200;30\n"));
            auto* grafico = Hijo<velmora::GraficoInteraccion>(v, "Grafico");
            const auto dibujo = grafico->Dibujo();
            if (!dibujo.Marcas.empty()) {
                const auto c = dibujo.Marcas[0].Centro;
                pista = grafico->PistaEn(QPointF(c.x + 2, c.y - 2));
            }
            auto* ventana = qobject_cast<velmora::TVentanaInteraccion*>(v);
            QVERIFY(ventana);
            ventana->GuardarSvg(carpeta.filePath("d.svg"));
            png = ventana->GuardarPng(carpeta.filePath("d.png"));
            ventana->GuardarCsvCurva(carpeta.filePath("c.csv"));
            ventana->GuardarCsvTabla(carpeta.filePath("t.csv"));
            Pulsar(v, "BotonVaciar");
            v->close();
        });
        const auto leer = [&](const char* nombre) {
            QFile f(carpeta.filePath(QString::fromLatin1(nombre)));
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        svg = leer("d.svg");
        csvCurva = leer("c.csv");
        csvTabla = leer("t.csv");
        QVERIFY2(pista.contains(QStringLiteral("P-1")) && pista.contains(QStringLiteral("Cumple")),
                 qPrintable(pista));
        QVERIFY(svg.startsWith(QStringLiteral("<?xml")));
        QVERIFY(svg.contains(QStringLiteral("<polygon")) && svg.contains(QStringLiteral("P-1")));
        QVERIFY(png);
        QVERIFY2(csvCurva.startsWith(QStringLiteral("N (kN);M (kN·m)\n1455,029;0,000\n")),
                 qPrintable(csvCurva.left(80)));
        QVERIFY2(csvTabla.contains(QStringLiteral("P-1;200,000;30,000;")), qPrintable(csvTabla));
    }

    // Desde los resultados: la sección calculada y las barras elegidas de cada cara.
    void DesdeLosResultados() {
        QString a1, a2, boton1, n0;
        QStringList calculo;
        AbrirDesdeMenu(app, "Datosdelaseccion1", [&](QWidget* datos) {
            Teclear(datos, "Valor1", QStringLiteral("0.40"));
            Teclear(datos, "Valor2", QStringLiteral("0.20"));
            Teclear(datos, "Valor3", QStringLiteral("0.05"));
            Teclear(datos, "Valor4", QStringLiteral("0.05"));
            Teclear(datos, "Valor5", QStringLiteral("40"));
            Teclear(datos, "Valor6", QStringLiteral("300"));
            PulsarYResponder(datos, "BotonCalcular", [&](QWidget* resultados) {
                Hijo<QComboBox>(resultados, "DiametroTraccion")->setCurrentText("16");
                PulsarYResponder(resultados, "BotonInteraccion", [&](QWidget* v) {
                    a1 = Hijo<QLineEdit>(v, "AreaA1")->text();
                    a2 = Hijo<QLineEdit>(v, "AreaA2")->text();
                    boton1 = Hijo<QPushButton>(v, "BotonA1")->text();
                    n0 = TextoEtiqueta(v, "EtiquetaN0");
                    calculo = {Celda(v, 0, 0), Celda(v, 0, 1), Celda(v, 0, 2), Celda(v, 0, 4)};
                    Pulsar(v, "BotonVaciar");
                    v->close();
                });
                resultados->close();
            });
            datos->close();
        });
        // A1 con Ø16; el número de barras sale del cálculo.
        QVERIFY2(boton1.endsWith(QStringLiteral("Ø16")), qPrintable(boton1));
        const int n = boton1.left(boton1.indexOf(QChar(0xD8))).toInt();
        QVERIFY(n >= 2);
        QCOMPARE(a1, QString::number(n * 2.0106193, 'f', 4));
        QVERIFY(!a2.isEmpty());
        QVERIFY(!n0.isEmpty());
        // Los esfuerzos del cálculo, resistidos por las barras redondeadas hacia arriba.
        QCOMPARE(calculo, (QStringList{QStringLiteral("Cálculo"), QStringLiteral("300"),
                                       QStringLiteral("40"), QStringLiteral("Cumple")}));
    }
};

QTEST_MAIN(InteraccionVentanaTest)
#include "InteraccionVentanaTest.moc"
