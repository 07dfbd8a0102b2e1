// Las dos herramientas de diagramas abiertas desde la ventana principal, con lo que dejan en el
// estado de diseño para las demás ventanas.
#include "Programa.h"
#include "app/VentanaPrincipal.h"
#include "common/GrupoOpciones.h"
#include "common/Recursos.h"
#include "ventanas/Controles.h"
#include "ventanas/Modal.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace velmora;

class PruebaHerramientasEnElPrograma : public QObject {
    Q_OBJECT

    std::unique_ptr<pruebas::Programa> programa_;
    Aplicacion* app_ = nullptr;
    bool dibujoPropio_ = false;
    // Los dibujos de la ventana principal que falten se avisan aquí, sin cuadros de mensaje.
    std::unique_ptr<RecogerAvisos> avisos_;

    QAction* Accion(const char* nombre) {
        auto* a = app_->VentanaPrincipal->findChild<QAction*>(QString::fromLatin1(nombre));
        if (!a)
            qFatal("Falta la acción %s", nombre);
        return a;
    }
    // OK de «Parámetros generales» con lo que muestran sus controles.
    void ConfirmarParametros() {
        ResponderModal([](QWidget* w) { PulsarBoton(w, "BotonOK"); });
        Accion("Parmetrosgenerales1")->trigger();
    }
    // Área de compresión (cm²) que muestran los resultados de «Calcular» en la ventana de datos
    // de la sección rectangular de arranque con Md = 300 kN·m (más que Mlim: con armadura de
    // compresión), abierta desde la ventana principal.
    QString AreaCompresion() {
        QString area = QStringLiteral("<sin resultados>");
        ResponderModal([&](QWidget* datos) {
            Teclear(datos, "Valor5", QStringLiteral("300"));
            ResponderModal(
                [&](QWidget* resultados) {
                    area = TextoEtiqueta(resultados, "AreaCompresion");
                    PulsarBoton(resultados, "BotonOK");
                },
                datos);
            PulsarBoton(datos, "BotonCalcular");
            PulsarBoton(datos, "BotonOK");
        });
        Accion("Datosdelaseccion1")->trigger();
        return area;
    }

private slots:
    void initTestCase() {
        avisos_ = std::make_unique<RecogerAvisos>();
        // La ventana principal abre la herramienta tras cargar su dibujo de la carpeta del
        // programa; si aún no está, la prueba pone uno en blanco y lo quita al terminar.
        const QString ruta = RutaRecurso(QStringLiteral("seccion03.bmp"));
        if (!QFile::exists(ruta)) {
            QImage blanco(120, 160, QImage::Format_RGB32);
            blanco.fill(Qt::white);
            QVERIFY(blanco.save(ruta, "BMP"));
            dibujoPropio_ = true;
        }
    }
    void cleanupTestCase() {
        if (dibujoPropio_)
            QFile::remove(RutaRecurso(QStringLiteral("seccion03.bmp")));
        avisos_.reset();
    }
    void init() {
        programa_ = std::make_unique<pruebas::Programa>(false);
        app_ = &programa_->app;
        app_->VentanaPrincipal->show();
        QVERIFY(QTest::qWaitForWindowExposed(app_->VentanaPrincipal));
    }
    void cleanup() {
        programa_.reset(); // y con la principal, todas las demás ventanas
        app_ = nullptr;
    }

    void AlCerrarLaParabolaElHormigonVuelveAlDeLosParametros() {
        ConfirmarParametros();
        QCOMPARE(app_->Estado.fcd, 25.0 / 1.5);

        double fcdDentro = 0.0;
        QString compresion;
        ResponderModal([&](QWidget* w) {
            auto* combo = w->findChild<QComboBox*>(QStringLiteral("ResistenciaCaracteristica"));
            combo->setCurrentIndex(3); // 40
            ElegirOpcion(w, "GrupoSituacionProyecto", 1);
            PulsarBoton(w, "BotonCalcular");
            fcdDentro = app_->Estado.fcd;
            compresion = w->findChild<QLabel*>(QStringLiteral("Compresion"))->text();
            PulsarBoton(w, "BotonOK");
        });
        Accion("Diagramaparabolarectangulo1")->trigger();

        QCOMPARE(fcdDentro, 40.0 / 1.3);
        QVERIFY2(compresion != QStringLiteral("C  = 0.00 kN"), qPrintable(compresion));
        QCOMPARE(app_->Estado.fck, 25.0);
        QCOMPARE(app_->Estado.gammaC, 1.5);
        QCOMPARE(app_->Estado.fcd, 25.0 / 1.5);
        // La sección escrita por la herramienta se queda.
        QCOMPARE(app_->Estado.h, 400.0);
        QCOMPARE(app_->Estado.x, 100.0);
    }

    void ElAceroActivoSigueHastaElOKDeLosParametros() {
        ConfirmarParametros();
        const QString pasiva = AreaCompresion();
        QVERIFY2(pasiva.trimmed().toDouble() > 0.0, qPrintable(pasiva));

        ResponderModal([](QWidget* w) {
            ElegirOpcion(w, "GrupoTipoDiagrama", 1);
            PulsarBoton(w, "BotonOK");
        });
        Accion("Diagramaaceroestiradoenfrio1")->trigger();
        QVERIFY(!app_->Estado.ArmaduraPasiva);

        // A2 se acorta 0.0035·(xlim − d2)/xlim ≈ 0.0031: en el diagrama activo trabaja por
        // debajo de fyd y hace falta más área; la sección vuelve a usar el diagrama activo en
        // cada cálculo hasta el OK de los parámetros.
        const QString activa = AreaCompresion();
        QVERIFY2(activa.trimmed().toDouble() > pasiva.trimmed().toDouble() * 1.01,
                 qPrintable(QStringLiteral("pasiva %1, activa %2").arg(pasiva, activa)));
        QCOMPARE(AreaCompresion(), activa);

        ConfirmarParametros();
        QVERIFY(app_->Estado.ArmaduraPasiva);
        QCOMPARE(AreaCompresion(), pasiva);
    }

    // «Fluencia» y «Retracción» abren las ventanas de la norma elegida en los parámetros
    // generales: las de la EHE-98 al arrancar y las del Código Estructural si se elige.
    void FluenciaYRetraccionDeLaNormaElegida() {
        const auto abierta = [this](const char* accion) {
            QString nombre;
            ResponderModal([&](QWidget* w) {
                nombre = w->objectName();
                PulsarBoton(w, "BotonOK");
            });
            Accion(accion)->trigger();
            return nombre;
        };
        QCOMPARE(abierta("Deformacion1"), QStringLiteral("VentanaDeformacion"));
        QCOMPARE(abierta("Retraccion1"), QStringLiteral("VentanaRetraccion"));
        ResponderModal([](QWidget* w) {
            ElegirOpcion(w, "GrupoNorma", 1);
            PulsarBoton(w, "BotonOK");
        });
        Accion("Parmetrosgenerales1")->trigger();
        QCOMPARE(abierta("Deformacion1"), QStringLiteral("VentanaFluenciaCE"));
        QCOMPARE(abierta("Retraccion1"), QStringLiteral("VentanaRetraccionCE"));
    }

    // «Comparar normas» de la fluencia del Código Estructural, tras «Calcular» con los datos de
    // arranque: fck = 25 N/mm² son 254.9 kp/cm² para la EHE-98; HR 50 % da «muy seca»
    // supuesta; h0 = 2·1200/140 = 171.4 mm, fcm = 33: φ = 2.6741 por B.1–B.9.
    void FluenciaCEComparaNormas() {
        ResponderModal([](QWidget* w) {
            ElegirOpcion(w, "GrupoNorma", 1);
            PulsarBoton(w, "BotonOK");
        });
        Accion("Parmetrosgenerales1")->trigger();
        bool antes = true;
        QString nombre;
        QStringList celdas;
        ResponderModal([&](QWidget* w) {
            antes = Hijo<QPushButton>(w, "BotonCompararNormas")->isEnabled();
            PulsarBoton(w, "BotonCalcular");
            ResponderModal(
                [&](QWidget* tabla) {
                    nombre = tabla->objectName();
                    auto* t = Hijo<QTableWidget>(tabla, "TablaComparacion");
                    for (int i = 0; i < t->rowCount(); ++i)
                        celdas << t->item(i, 0)->text() + " | " + t->item(i, 1)->text() + " | " +
                                      t->item(i, 2)->text();
                    PulsarBoton(tabla, "BotonOK");
                },
                w);
            PulsarBoton(w, "BotonCompararNormas");
            PulsarBoton(w, "BotonOK");
        });
        Accion("Deformacion1")->trigger();
        QVERIFY(!antes); // sin un cálculo no hay nada que comparar
        QCOMPARE(nombre, QStringLiteral("VentanaComparacion"));
        QVERIFY(celdas.contains(
            QString::fromUtf8("Resistencia característica fck | 254.9 kp/cm² | 25.0 N/mm²")));
        QVERIFY(celdas.contains(QString::fromUtf8(
            "Ambiente | «Atmósfera muy seca», HR ≈ 40 % supuesta | HR 50 %")));
        QVERIFY(std::any_of(celdas.begin(), celdas.end(), [](const QString& c) {
            return c.startsWith(QString::fromUtf8("Coeficiente de fluencia φ(t,t0) |")) &&
                   c.endsWith(QStringLiteral("| 2.6741"));
        }));
    }
};

QTEST_MAIN(PruebaHerramientasEnElPrograma)
#include "HerramientasEnElProgramaTest.moc"
