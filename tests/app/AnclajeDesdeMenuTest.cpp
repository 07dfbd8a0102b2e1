// Anclaje, fluencia y retracción abiertos como los abre el usuario: desde el menú de la ventana
// principal y, para el anclaje, desde los botones «Longitud anclaje A1»/«A2» de los resultados de
// una sección recién calculada.

#include "anchorage/VentanaLongitudAnclaje.h"
#include "Programa.h"
#include "app/VentanaPrincipal.h"
#include "ventanas/ConModal.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace velmora;

class PruebaDesdeMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<pruebas::Programa> programa_;
    Aplicacion* app_ = nullptr;

    QAction* Accion(const char* nombre) {
        auto* a = app_->VentanaPrincipal->findChild<QAction*>(QString::fromLatin1(nombre));
        if (!a)
            qFatal("Falta la acción %s", nombre);
        return a;
    }
    static QString Texto(QWidget* w, const char* nombre) {
        if (auto* e = w->findChild<QLineEdit*>(QString::fromLatin1(nombre)))
            return e->text();
        if (auto* b = w->findChild<QPushButton*>(QString::fromLatin1(nombre)))
            return b->text();
        return TextoEtiqueta(w, nombre);
    }
    // Pulsa `boton` de `ventana` y devuelve los rótulos `etiquetas` de la ventana que abre.
    static QStringList Resultados(QWidget* ventana, const char* boton,
                                  const QStringList& etiquetas) {
        QStringList textos;
        ConModal([&] { PulsarBoton(ventana, boton); },
                 [&](QWidget* w) {
                     for (const QString& n : etiquetas) {
                         auto* l = w->findChild<QLabel*>(n);
                         textos << (l && l->isVisible() ? l->text() : QStringLiteral("oculto"));
                     }
                     static_cast<QDialog*>(w)->accept();
                 });
        return textos;
    }
    // Abre una ventana de datos por el menú, ejecuta `dentro` con ella abierta y la cierra.
    void ConVentana(const char* accion, const QString& esperada,
                    const std::function<void(QWidget*)>& dentro) {
        QString abierta;
        const bool seAbrio = ConModal([&] { Accion(accion)->trigger(); },
                                      [&](QWidget* w) {
                                          abierta = w->objectName();
                                          dentro(w);
                                          static_cast<QDialog*>(w)->accept();
                                      });
        QVERIFY(seAbrio);
        QCOMPARE(abierta, esperada);
    }

private slots:
    void init() {
        programa_ = std::make_unique<pruebas::Programa>(false);
        app_ = &programa_->app;
    }
    void cleanup() {
        programa_.reset(); // y con la principal, todas las demás ventanas
        app_ = nullptr;
    }

    void AnclajeDesdeHerramientasRotulaLaArmadura() {
        app_->VentanaLongitudAnclaje->findChild<QLabel*>(QStringLiteral("EtiquetaArmadura"))
            ->setText(QStringLiteral("Armadura A2"));
        QString etiqueta;
        ConVentana("Longituddeanclaje1", QStringLiteral("VentanaLongitudAnclaje"),
                   [&](QWidget* w) { etiqueta = Texto(w, "EtiquetaArmadura"); });
        QCOMPARE(etiqueta, QStringLiteral("Armadura"));
    }

    void FluenciaYRetraccionDesdeElMenu() {
        QStringList fluencia, retraccion;
        ConVentana("Deformacion1", QStringLiteral("VentanaDeformacion"), [&](QWidget* w) {
            fluencia = Resultados(w, "BotonCalcular", {"Valor1", "Valor5", "Valorbetatj"});
        });
        QCOMPARE(fluencia, (QStringList{"=    3.721615", "=    1.116158", "100-28"}));
        ConVentana("Retraccion1", QStringLiteral("VentanaRetraccion"), [&](QWidget* w) {
            retraccion = Resultados(w, "BotonCalcular", {"Valor1", "Valorrt"});
        });
        QCOMPARE(retraccion, (QStringList{"=   -0.039355", "r28"}));
    }

    void AnclajeDesdeLosResultadosDeLaSeccion() {
        // Parámetros de arranque confirmados (B 400 S, fck 25) y sección rectangular de arranque
        // (d = 370 mm) con Md = 100 kN·m: A1 = 11Ø10 (8.622 cm²), A2 = 2Ø10 (1.188 cm²).
        ConVentana("SpeedButton3", QStringLiteral("ParametrosGenerales"),
                   [](QWidget* w) { PulsarBoton(w, "BotonOK"); });
        struct Visto {
            QString etiqueta, boton, decalaje, area;
            QStringList longitudes;
        } a1, a2;
        const QStringList etiquetas{"LongitudBasicaII", "LongitudNetaII", "LongitudBasicaI",
                                    "LongitudNetaI", "EtiquetaDecalaje"};
        auto anclaje = [&](QWidget* resultados, const char* boton, Visto& visto) {
            ConModal([&] { PulsarBoton(resultados, boton); },
                     [&](QWidget* w) {
                         visto.etiqueta = Texto(w, "EtiquetaArmadura");
                         visto.boton = Texto(w, "AreaPosicionII");
                         visto.decalaje = Texto(w, "CuadroDecalaje");
                         visto.area = Texto(w, "AreaI");
                         visto.longitudes = Resultados(w, "BotonAnclaje", etiquetas);
                         static_cast<QDialog*>(w)->accept();
                     });
        };
        ConVentana("Datosdelaseccion1", QStringLiteral("DatosSeccion"), [&](QWidget* datos) {
            Teclear(datos, "Valor5", QStringLiteral("100"));
            ConModal([&] { PulsarBoton(datos, "BotonCalcular"); },
                     [&](QWidget* resultados) {
                         anclaje(resultados, "BotonAnclajeA1", a1);
                         anclaje(resultados, "BotonAnclajeA2", a2);
                         static_cast<QDialog*>(resultados)->accept();
                     });
        });

        QCOMPARE(a1.etiqueta, QStringLiteral("Armadura A1"));
        QCOMPARE(a1.boton, QStringLiteral("11Ø10"));
        QCOMPARE(a1.decalaje, QStringLiteral("  37.0"));
        QCOMPARE(a1.area, QStringLiteral("    8.622"));
        // φ = 1 cm: II (compresión) max(16.8, 400/14) = 28.57; I (tracción) max(12, 20) + 37.
        QCOMPARE(a1.longitudes, (QStringList{"=  28.57 cm", "=  28.57 cm", "=  57.00 cm*",
                                             "=  57.00 cm*", "* Se ha sumado el decalaje"}));
        QCOMPARE(a2.etiqueta, QStringLiteral("Armadura A2"));
        QCOMPARE(a2.boton, QStringLiteral("2Ø10"));
        QCOMPARE(a2.area, QStringLiteral("    1.188"));
        QCOMPARE(a2.longitudes, a1.longitudes); // mismas barras de 10 mm, mismo decalaje
        QCOMPARE(app_->Estado.Barras[2][0].Numero, 2);
        QCOMPARE(app_->Estado.fyk, 400.0);
    }
};

QTEST_MAIN(PruebaDesdeMenu)
#include "AnclajeDesdeMenuTest.moc"
