// Armadura transversal y flechas abiertas desde el menú de la ventana principal, como las abre
// el usuario: primero los parámetros generales, luego cada entrada con su cálculo.

#include "app/Aplicacion.h"
#include "app/VentanaPrincipal.h"
#include "common/Recursos.h"
#include "deflection/VentanaFlechas.h"
#include "shear/VentanaTransversal1.h"
#include "shear/VentanaTransversal2.h"
#include "ventanas/ConModal.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace velmora;

namespace {

void Pulsar(QWidget* w, const char* nombre) {
    Hijo<QPushButton>(w, nombre)->click();
}

// Los textos de la tabla de «Comparar normas», fila a fila.
QStringList CeldasTabla(QWidget* ventana) {
    QStringList celdas;
    auto* t = Hijo<QTableWidget>(ventana, "TablaComparacion");
    for (int i = 0; i < t->rowCount(); ++i)
        for (int j = 0; j < t->columnCount(); ++j)
            celdas << (t->item(i, j) ? t->item(i, j)->text() : QString());
    return celdas;
}

} // namespace

class PruebaMenuTransversal : public QObject {
    Q_OBJECT

    Aplicacion app;

    QAction* Accion(const char* nombre) {
        auto* a = app.VentanaPrincipal->findChild<QAction*>(QLatin1String(nombre));
        if (!a)
            qFatal("falta la acción %s", nombre);
        return a;
    }
    // Abre la entrada del menú; si el dibujo que necesita falta, comprueba el aviso que lo
    // nombra y que la ventana no se abre.
    void AbrirConDibujo(const char* entrada, const QString& dibujo, QWidget* esperada,
                        const std::function<void(QWidget*)>& accion) {
        RecogerAvisos avisos;
        QWidget* abierta = nullptr;
        const bool hayDibujo = QFileInfo::exists(RutaRecurso(dibujo));
        const bool seAbrio = ConModal([&] { Accion(entrada)->trigger(); },
                                      [&](QWidget* w) {
                                          abierta = w;
                                          accion(w);
                                          Pulsar(w, "BotonOK");
                                      });
        if (hayDibujo) {
            QVERIFY(seAbrio);
            QCOMPARE(abierta, esperada);
            QVERIFY(avisos.avisos.isEmpty());
        } else {
            QVERIFY(!seAbrio);
            QCOMPARE(avisos.avisos.size(), 1);
            QVERIFY(avisos.avisos.front().contains(dibujo));
        }
    }

private slots:
    void initTestCase() {
        InicializarTablas(app.Estado);
        CrearVentanas(app);
        QVERIFY(!Accion("Datosdelaviga")->isEnabled());
        // Los parámetros generales se confirman con su OK: desbloquean y fijan los materiales.
        QVERIFY(ConModal([&] { Accion("Parmetrosgenerales1")->trigger(); },
                         [](QWidget* w) { Pulsar(w, "BotonOK"); }));
        QVERIFY(Accion("Datosdelaviga")->isEnabled());
        QVERIFY(app.Estado.fcd > 0);
    }

    // Con «Comparar normas» de la propia ventana: 300 × 300, Ø12 a Ø32, st = 15·12 = 180 mm y
    // φ = 32/4 = 8 mm con las dos; junto a vigas y losas, 0.6·180 = 108 mm (Anejo 19).
    void PilarDesdeElMenu() {
        QString armadura;
        QStringList celdas;
        QWidget* abierta = nullptr;
        QVERIFY(ConModal([&] { Accion("Datosdelpilar")->trigger(); },
                         [&](QWidget* w) {
                             abierta = w;
                             auto* max = Hijo<QComboBox>(w, "DiametroMaximo");
                             max->setCurrentIndex(max->findText(QStringLiteral("32")));
                             armadura = Hijo<QLabel>(w, "Armadura")->text();
                             ConModal([&] { Pulsar(w, "BotonCompararNormas"); },
                                      [&](QWidget* c) {
                                          celdas = CeldasTabla(c);
                                          Pulsar(c, "BotonOK");
                                      });
                             Pulsar(w, "BotonOK");
                         }));
        QCOMPARE(abierta, static_cast<QWidget*>(app.VentanaTransversal2));
        QCOMPARE(armadura, QStringLiteral("  8/ 18"));
        QCOMPARE(celdas.size(), 4 * 4);
        QCOMPARE(celdas.mid(8, 4), (QStringList{QStringLiteral("Diámetro comercial de los cercos"),
                                                QStringLiteral("8 mm"), QStringLiteral("8 mm"),
                                                QStringLiteral("+0.0 %")}));
        QCOMPARE(celdas.mid(13, 3), (QStringList{QStringLiteral("no se aplica"),
                                                 QStringLiteral("10.8 cm"),
                                                 QString::fromUtf8("—")}));
    }

    void VigaDesdeElMenu() {
        QString Vu1, separacion;
        AbrirConDibujo("Datosdelaviga", QStringLiteral("cortante.bmp"), app.VentanaTransversal1,
                       [&](QWidget* w) {
                           QVERIFY(!Hijo<QLabel>(w, "Imagen1")->pixmap().isNull());
                           ConModal([&] { Pulsar(w, "BotonCalcular"); },
                                    [&](QWidget* r) {
                                        Vu1 =
                                            Hijo<QLabel>(r, "AgotamientoCompresionOblicua")->text();
                                        separacion = Hijo<QLabel>(r, "LongitudZona1")->text();
                                        Pulsar(r, "BotonOK");
                                    });
                       });
        if (QFileInfo::exists(RutaRecurso(QStringLiteral("cortante.bmp")))) {
            QCOMPARE(Vu1, QStringLiteral("=   540.000"));
            QCOMPARE(separacion, QStringLiteral("/  29*"));
        }
    }

    // «Comparar normas» en los resultados de la viga: los datos de arranque (d = 0.36 m,
    // b = 0.30 m, α = 90º, θ = 45º, HA-25) con las dos normas. Vu1 = 0.60·16.667·300·360/2 =
    // 540 kN; VRd,max = 300·324·0.54·16.667/2 = 437.4 kN.
    void CompararNormasDeLaViga() {
        // La compilación deja el dibujo junto al programa; sin él la ventana de datos no se abre.
        QVERIFY2(QFileInfo::exists(RutaRecurso(QStringLiteral("cortante.bmp"))),
                 "falta cortante.bmp junto al programa");
        QStringList celdas;
        QString titulo;
        ConModal([&] { Accion("Datosdelaviga")->trigger(); }, [&](QWidget* w) {
            ConModal([&] { Pulsar(w, "BotonCalcular"); }, [&](QWidget* r) {
                ConModal([&] { Pulsar(r, "BotonCompararNormas"); }, [&](QWidget* c) {
                    titulo = c->objectName();
                    celdas = CeldasTabla(c);
                    Pulsar(c, "BotonOK");
                });
                Pulsar(r, "BotonOK");
            });
            Pulsar(w, "BotonOK");
        });
        QCOMPARE(titulo, QStringLiteral("VentanaComparacion"));
        QCOMPARE(celdas.mid(12, 4),
                 (QStringList{QString::fromUtf8("Compresión oblicua Vu1 / VRd,max"), "540.00 kN",
                              "437.40 kN", "-19.0 %"}));
    }

    // «Comparar normas» de los resultados abre la tabla de las dos normas: la viga de arranque
    // (0.30 × 0.40, Ma = 1 kN·m, HA-25) no fisura, Ie = Ib = 160000 cm⁴ con las dos; Ec =
    // 8500·∛33 = 27264.0 y Ecm = 22000·3.3^0.3 = 31475.8 N/mm².
    void FlechasDesdeElMenu() {
        QString Ie, tabla;
        QStringList celdas;
        AbrirConDibujo("Calculodeflechas", QStringLiteral("seccion01.bmp"), app.VentanaFlechas,
                       [&](QWidget* w) {
                           QVERIFY(!Hijo<QLabel>(w, "Imagen")->pixmap().isNull());
                           ConModal([&] { Pulsar(w, "BotonCalcular"); },
                                    [&](QWidget* r) {
                                        Ie =
                                            Hijo<QLineEdit>(r, "MomentoInerciaEquivalente")->text();
                                        ConModal([&] { Pulsar(r, "BotonCompararNormas"); },
                                                 [&](QWidget* c) {
                                                     tabla = c->objectName();
                                                     celdas = CeldasTabla(c);
                                                     Pulsar(c, "BotonOK");
                                                 });
                                        Pulsar(r, "BotonOK");
                                    });
                       });
        if (!QFileInfo::exists(RutaRecurso(QStringLiteral("seccion01.bmp"))))
            return;
        QCOMPARE(Ie, QStringLiteral("  160000.0"));
        QCOMPARE(tabla, QStringLiteral("VentanaComparacion"));
        QCOMPARE(celdas.size(), 12 * 4);
        QCOMPARE(celdas.mid(0, 3), (QStringList{QString::fromUtf8("Módulo del hormigón Ec (Ecm)"),
                                                QString::fromUtf8("27264.0 N/mm²"),
                                                QString::fromUtf8("31475.8 N/mm²")}));
        QCOMPARE(celdas.mid(16, 3), (QStringList{QStringLiteral("Inercia equivalente Ie"),
                                                 QString::fromUtf8("160000.0 cm⁴"),
                                                 QString::fromUtf8("160000.0 cm⁴")}));
    }
};

QTEST_MAIN(PruebaMenuTransversal)
#include "MenuTransversalTest.moc"
