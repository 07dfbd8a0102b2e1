// Ventana principal: menú y barra de herramientas, estado bloqueado y desbloqueo, y lo que
// hacen sus entradas con las demás ventanas.

#include "app/VentanaPrincipal.h"
#include "Programa.h"
#include "common/GrupoOpciones.h"
#include "design/ParametrosGenerales.h"
#include "section/DatosSeccion.h"
#include "section/DatosSeccionT.h"
#include "ventanas/Modal.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <memory>

using namespace velmora;

namespace {

const QStringList EntradasCalculo{"Datosdelaseccion1", "Datosdelaseccion2", "Datosdelaviga",
                                  "Datosdelpilar", "Calculodeflechas", "Fisuracion1"};
const QStringList BotonesCalculo{"SpeedButton4", "SpeedButton5", "SpeedButton1", "SpeedButton2",
                                 "SpeedButton6"};

} // namespace

// Recibe las direcciones que el programa pide abrir al escritorio.
class Receptor : public QObject {
    Q_OBJECT
public:
    QList<QUrl> abiertas;
public slots:
    void Abrir(const QUrl& url) { abiertas << url; }
};

class PruebaVentanaPrincipal : public QObject {
    Q_OBJECT

    std::unique_ptr<pruebas::Programa> programa_;
    Aplicacion* app_ = nullptr;

    TVentanaPrincipal* Principal() { return app_->VentanaPrincipal; }
    QAction* Accion(const QString& nombre) {
        auto* a = Principal()->findChild<QAction*>(nombre);
        if (!a)
            qFatal("Falta la acción %s", qPrintable(nombre));
        return a;
    }
    QStringList Textos(const QList<QAction*>& acciones) {
        QStringList t;
        for (QAction* a : acciones)
            t << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return t;
    }
    QStringList Nombres(const QList<QAction*>& acciones) {
        QStringList t;
        for (QAction* a : acciones)
            t << (a->menu() ? a->menu()->objectName() : a->objectName());
        return t;
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

    // Los rótulos fijos de todas las ventanas escriben los momentos en kN·m y el diámetro de las
    // barras con Ø, como los botones que muestran la armadura («3Ø16»).
    void UnaSolaNotacionEnLosRotulosFijos() {
        QStringList distintos;
        int rotulos = 0;
        const auto mirar = [&](const QWidget* w, const QString& texto) {
            ++rotulos;
            if (texto.contains(QStringLiteral("kN*m")) || texto.contains(QStringLiteral("kNm")) ||
                texto.contains(QChar(0x03A6))) // Φ
                distintos << QStringLiteral("%1/%2: «%3»")
                                 .arg(w->window()->objectName(), w->objectName(), texto);
        };
        for (const QLabel* l : Principal()->findChildren<QLabel*>())
            mirar(l, l->text());
        for (const QAbstractButton* b : Principal()->findChildren<QAbstractButton*>())
            mirar(b, b->text());
        QVERIFY(rotulos > 200);
        QVERIFY2(distintos.isEmpty(), qPrintable(distintos.join(QLatin1Char('\n'))));
    }

    void MenuComoSeDefinio() {
        auto* barra = Principal()->findChild<QMenuBar*>(QStringLiteral("MenuPrincipal"));
        QVERIFY(barra);
        QCOMPARE(Nombres(barra->actions()),
                 (QStringList{"Archivo", "Calculos1", "Herramientas1", "Ayuda1"}));
        QCOMPARE(Textos(barra->actions()),
                 (QStringList{"Archivo", "Cálculos", "Herramientas", "Ayuda"}));

        auto* calculos = Principal()->findChild<QMenu*>(QStringLiteral("Calculos1"));
        QCOMPARE(Nombres(calculos->actions()),
                 (QStringList{"Parmetrosgenerales1", "N3", "Datosdelaseccion1", "Datosdelaseccion2",
                              "DiagramaInteraccion", "N4", "Datosdelaviga", "Datosdelpilar", "N5", "Calculodeflechas",
                              "Fisuracion1", "N1", "Salir1"}));
        QCOMPARE(Textos(calculos->actions()),
                 (QStringList{"Parámetros generales", "-", "Armadura long. sección rectangular",
                              "Armadura long. sección en T", "Diagrama de interacción", "-",
                              "Armadura transversal viga",
                              "Armadura transversal pilar", "-", "Cálculo de flechas en vigas",
                              "Fisuración (Código Estructural)", "-", "Salir"}));

        auto* herramientas = Principal()->findChild<QMenu*>(QStringLiteral("Herramientas1"));
        QCOMPARE(Nombres(herramientas->actions()),
                 (QStringList{"Longituddeanclaje1", "Diagramaaceroestiradoenfrio1",
                              "Diagramaparabolarectangulo1", "Deformacinhormgn1", "N2",
                              "ConversionUnidades", "AreaArmaduras"}));
        QCOMPARE(Textos(herramientas->actions()),
                 (QStringList{"Longitud de anclaje", "Diagrama acero",
                              "Diagrama parábola-rectángulo", "Deformación hormigón", "-",
                              "Conversión de unidades", "Área de armaduras"}));
        auto* deformacion = Principal()->findChild<QMenu*>(QStringLiteral("Deformacinhormgn1"));
        QCOMPARE(Nombres(deformacion->actions()), (QStringList{"Deformacion1", "Retraccion1"}));
        QCOMPARE(Textos(deformacion->actions()), (QStringList{"Fluencia", "Retracción"}));

        auto* ayuda = Principal()->findChild<QMenu*>(QStringLiteral("Ayuda1"));
        QCOMPARE(Nombres(ayuda->actions()), (QStringList{"Ayuda2", "Acercade1"}));
        QCOMPARE(Textos(ayuda->actions()), (QStringList{"Ayuda", "Acerca de..."}));
    }

    void BarraDeHerramientasComoSeDefinio() {
        auto* barra = Principal()->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QVERIFY(barra);
        QCOMPARE(Nombres(barra->actions()),
                 (QStringList{"SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton1",
                              "SpeedButton2", "SpeedButton6", "SpeedButton7", "SpeedButton9",
                              "SpeedButton10", "SpeedButton8", "SpeedButton11"}));
        const QStringList pistas{"Parámetros generales de la sección",
                                 "Sección rectangular",
                                 "Sección en T",
                                 "Armadura transversal viga",
                                 "Armadura transversal pilar",
                                 "Cálculo de flechas",
                                 "Longitud de anclaje",
                                 "Diagrama acero",
                                 "Diagrama parábola-rectángulo",
                                 "Conversión de unidades",
                                 "Área de armaduras"};
        const auto acciones = barra->actions();
        for (int i = 0; i < acciones.size(); ++i) {
            QCOMPARE(acciones[i]->toolTip(), pistas[i]);
            QCOMPARE(acciones[i]->statusTip(), pistas[i]);
            auto* boton = Principal()->findChild<QToolButton*>(acciones[i]->objectName());
            QVERIFY2(boton, qPrintable(acciones[i]->objectName()));
            QVERIFY(!acciones[i]->icon().isNull());
            QCOMPARE(boton->iconSize(), QSize(32, 32));
        }
    }

    void ArrancaBloqueada() {
        QVERIFY(!Principal()->Desbloqueada());
        for (const QString& n : EntradasCalculo)
            QVERIFY2(!Accion(n)->isEnabled(), qPrintable(n));
        for (const char* n :
             {"Parmetrosgenerales1", "Salir1", "Longituddeanclaje1", "Diagramaaceroestiradoenfrio1",
              "Diagramaparabolarectangulo1", "Deformacion1", "Retraccion1", "ConversionUnidades",
              "AreaArmaduras", "Ayuda2", "Acercade1"})
            QVERIFY2(Accion(n)->isEnabled(), n);
        QStringList visibles;
        auto* barra = Principal()->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        for (QAction* a : barra->actions())
            if (a->isVisible())
                visibles << a->objectName();
        QCOMPARE(visibles, (QStringList{"SpeedButton3", "SpeedButton7", "SpeedButton9",
                                        "SpeedButton10", "SpeedButton8", "SpeedButton11"}));
    }

    void SeDesbloqueaAlCerrarLosParametros_data() {
        QTest::addColumn<bool>("conOK");
        QTest::newRow("cerrada con la cruz del título") << false;
        QTest::newRow("cerrada con OK") << true;
    }
    void SeDesbloqueaAlCerrarLosParametros() {
        QFETCH(bool, conOK);
        ResponderModal([conOK](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("ParametrosGenerales"));
            if (conOK)
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BotonOK")),
                                  Qt::LeftButton);
            else
                w->close();
        });
        Accion(QStringLiteral("SpeedButton3"))->trigger();

        QVERIFY(Principal()->Desbloqueada());
        for (const QString& n : EntradasCalculo)
            QVERIFY2(Accion(n)->isEnabled(), qPrintable(n));
        for (const QString& n : BotonesCalculo)
            QVERIFY2(Accion(n)->isVisible(), qPrintable(n));
        // Sin OK el estado de diseño sigue a cero; con OK tiene los materiales de arranque.
        QCOMPARE(app_->Estado.fyd > 0.0, conOK);
        QCOMPARE(app_->Estado.fcd > 0.0, conOK);
    }

    void BotonMomentoSoloParaVigas_data() {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<int>("elemento");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("rectangular");
        QTest::newRow("rectangular, viga") << "Datosdelaseccion1" << 0 << true << true;
        QTest::newRow("rectangular, soporte") << "Datosdelaseccion1" << 1 << false << true;
        QTest::newRow("T, viga") << "Datosdelaseccion2" << 0 << true << false;
        QTest::newRow("T, soporte") << "Datosdelaseccion2" << 1 << false << false;
        QTest::newRow("T, muro vertical") << "Datosdelaseccion2" << 4 << false << false;
    }
    void BotonMomentoSoloParaVigas() {
        QFETCH(QString, entrada);
        QFETCH(int, elemento);
        QFETCH(bool, visible);
        QFETCH(bool, rectangular);
        // El tipo de elemento se lee de los controles, aunque no se haya pulsado OK.
        auto* tipo = app_->ParametrosGenerales->findChild<GrupoOpciones*>(
            QStringLiteral("GrupoTipoElemento"));
        auto* opcion = tipo->Boton(elemento);
        QTest::mouseClick(opcion, Qt::LeftButton, {}, QPoint(6, opcion->height() / 2));
        QCOMPARE(IndiceElemento(app_->ParametrosGenerales->TipoElemento()), elemento);
        app_->Estado.SeccionRectangular = !rectangular;

        ResponderModal([](QWidget* w) { w->close(); });
        Accion(QStringLiteral("Parmetrosgenerales1"))->trigger();

        QWidget* ventana = rectangular ? static_cast<QWidget*>(app_->DatosSeccion)
                                       : static_cast<QWidget*>(app_->DatosSeccionT);
        auto* boton = ventana->findChild<QWidget*>(QStringLiteral("BotonMomento"));
        if (!boton) { // ventana de datos aún sin su formulario: se le pone el botón
            boton = new QPushButton(QStringLiteral("Momento Agotamiento"), ventana);
            boton->setObjectName(QStringLiteral("BotonMomento"));
        }
        bool visto = !visible;
        QString abierta;
        ResponderModal([&](QWidget* w) {
            abierta = w->objectName();
            visto = boton->isVisible();
            w->close();
        });
        RecogerAvisos avisos;
        Accion(entrada)->trigger();
        QCOMPARE(avisos.avisos, QStringList()); // los dibujos están junto al programa
        QCOMPARE(abierta, ventana->objectName());
        QCOMPARE(visto, visible);
        QCOMPARE(app_->Estado.SeccionRectangular, rectangular);
    }

    void ParabolaDevuelveElHormigonDeLosParametros_data() {
        QTest::addColumn<QString>("resistencia");
        QTest::addColumn<double>("fck");
        QTest::addColumn<double>("gammaC");
        QTest::newRow("30 en situación accidental") << "30" << 30.0 << 1.3;
        QTest::newRow("número con coma") << "32,5" << 32.5 << 1.3;
        QTest::newRow("texto que no es número: nada cambia") << "HA" << 99.0 << 9.0;
    }
    void ParabolaDevuelveElHormigonDeLosParametros() {
        QFETCH(QString, resistencia);
        QFETCH(double, fck);
        QFETCH(double, gammaC);
        auto* parametros = app_->ParametrosGenerales;
        auto* situacion =
            parametros->findChild<GrupoOpciones*>(QStringLiteral("GrupoSituacionProyecto"));
        QTest::mouseClick(situacion->Boton(1), Qt::LeftButton, {},
                          QPoint(6, situacion->Boton(1)->height() / 2));
        // Control reducido del hormigón: no interviene en esta restitución.
        auto* control =
            parametros->findChild<GrupoOpciones*>(QStringLiteral("GrupoControlHormigon"));
        control->setItemIndex(1);
        parametros->findChild<QComboBox*>(QStringLiteral("ResistenciaCaracteristica"))
            ->setEditText(resistencia);
        // Lo que dejaría la herramienta.
        app_->Estado.fck = 99.0;
        app_->Estado.gammaC = 9.0;
        app_->Estado.fcd = 11.0;

        ResponderModal([](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("VentanaParabola"));
            w->close();
        });
        Accion(QStringLiteral("SpeedButton10"))->trigger();
        QCOMPARE(app_->Estado.fck, fck);
        QCOMPARE(app_->Estado.gammaC, gammaC);
        QCOMPARE(app_->Estado.fcd, fck == 99.0 ? 11.0 : fck / gammaC);
    }

    void SelectorDeAreaEnLaRanuraGeneral() {
        app_->Estado.IndiceArmadura = 3;
        int ranura = -1;
        ResponderModal([&](QWidget* w) {
            ranura = app_->Estado.IndiceArmadura;
            QCOMPARE(w->objectName(), QStringLiteral("VentanaArea"));
            w->close();
        });
        Accion(QStringLiteral("AreaArmaduras"))->trigger();
        QCOMPARE(ranura, 0);
    }

    void AyudaAbreLaPaginaDeLaCarpetaDelPrograma() {
        Receptor receptor;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &receptor, "Abrir");
        RecogerAvisos avisos;
        Accion(QStringLiteral("Ayuda2"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(avisos.avisos, QStringList());
        QCOMPARE(receptor.abiertas.size(), 1);
        const QString ruta = receptor.abiertas[0].toLocalFile();
        QCOMPARE(QFileInfo(ruta).fileName(), QStringLiteral("Tutorial.htm"));
        QCOMPARE(QFileInfo(ruta).absolutePath(), QCoreApplication::applicationDirPath());
        QFile pagina(ruta);
        QVERIFY(pagina.open(QIODevice::ReadOnly));
        const QString texto = QString::fromUtf8(pagina.readAll());
        // La ayuda trata cada ventana del menú.
        for (const char* tema :
             {"Parámetros generales", "Armadura longitudinal", "Momento de agotamiento",
              "Armadura transversal de vigas", "Cercos de pilares", "Flechas en vigas",
              "Longitud de anclaje", "Diagrama del acero", "Diagrama parábola-rectángulo",
              "Fluencia", "Retracción", "Conversión de unidades", "Área de armaduras"})
            QVERIFY2(texto.contains(QString::fromUtf8(tema)), tema);
    }

    void AyudaQueFaltaSeAvisa() {
        RecogerAvisos avisos;
        QVERIFY(!AbrirDocumento(QStringLiteral("NoExiste.htm"), Principal()));
        QCOMPARE(avisos.avisos.size(), 1);
        QVERIFY(avisos.avisos[0].startsWith(
            QStringLiteral("No se encuentra la página de ayuda «NoExiste.htm» en la carpeta «")));
    }
};

QTEST_MAIN(PruebaVentanaPrincipal)
#include "VentanaPrincipalTest.moc"
