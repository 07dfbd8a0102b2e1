#include "app/VentanaPrincipal.h"

#include "ui_VentanaPrincipal.h"

#include "anchorage/VentanaLongitudAnclaje.h"
#include "app/Aplicacion.h"
#include "app/VentanaAcercaDe.h"
#include "assets/Dibujos.h"
#include "common/Avisar.h"
#include "common/Campos.h"
#include "common/Numeros.h"
#include "common/Recursos.h"
#include "deflection/VentanaFlechas.h"
#include "design/ParametrosGenerales.h"
#include "design/VentanaArea.h"
#include "diagrams/DiagramaCalculo.h"
#include "diagrams/VentanaParabola.h"
#include "section/DatosSeccion.h"
#include "section/DatosSeccionT.h"
#include "section/VentanaInteraccion.h"
#include "shear/VentanaTransversal1.h"
#include "shear/VentanaTransversal2.h"
#include "timedep/VentanaDeformacion.h"
#include "timedep/VentanaRetraccion.h"
#include "tools/VentanaConversion.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>
#include <QUrl>

namespace velmora {

namespace {

QIcon IconoBoton(const QString& nombre) {
    QIcon icono;
    icono.addPixmap(QPixmap::fromImage(DibujarBoton(nombre, 32)));
    icono.addPixmap(QPixmap::fromImage(DibujarBoton(nombre, 64)));
    return icono;
}

} // namespace

TVentanaPrincipal::TVentanaPrincipal(Aplicacion& app, QWidget* parent)
    : QMainWindow(parent), app_(app), ui(std::make_unique<Ui::TVentanaPrincipal>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaPrincipal"));

    // Fondo del color de sombra de los botones del sistema.
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, paleta.color(QPalette::Dark));
    ui->centralwidget->setAutoFillBackground(true);
    ui->centralwidget->setPalette(paleta);

    // Las líneas separadoras llevan también su nombre (N3, N4, N5, N1 en «Cálculos»; N2 en
    // «Herramientas»).
    const QStringList separadoresCalculos{"N3", "N4", "N5", "N1"};
    int i = 0;
    for (QAction* a : ui->Calculos1->actions())
        if (a->isSeparator() && i < separadoresCalculos.size())
            a->setObjectName(separadoresCalculos[i++]);
    for (QAction* a : ui->Herramientas1->actions())
        if (a->isSeparator())
            a->setObjectName(QStringLiteral("N2"));

    ui->Deformacinhormgn1->menuAction()->setObjectName(QStringLiteral("Deformacinhormgn1"));

    // Barra de herramientas de 41 píxeles con botones planos de 32 × 32; cada botón se llama
    // como su acción, para encontrarlo por su nombre.
    ui->ToolBar1->setFixedHeight(41);
    ui->ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ui->ToolBar1->toggleViewAction()->setEnabled(false);
    for (QAction* a : ui->ToolBar1->actions()) {
        a->setIcon(IconoBoton(a->objectName()));
        if (auto* boton = qobject_cast<QToolButton*>(ui->ToolBar1->widgetForAction(a))) {
            boton->setObjectName(a->objectName());
            boton->setAutoRaise(true);
            boton->setFixedSize(36, 36);
        }
    }

    struct Enlace {
        QAction* menu;
        QAction* boton;
        void (TVentanaPrincipal::*manejador)();
    };
    const Enlace enlaces[] = {
        {ui->Parmetrosgenerales1, ui->SpeedButton3, &TVentanaPrincipal::Parmetrosgenerales1Click},
        {ui->Datosdelaseccion1, ui->SpeedButton4, &TVentanaPrincipal::Datosdelaseccion1Click},
        {ui->Datosdelaseccion2, ui->SpeedButton5, &TVentanaPrincipal::Datosdelaseccion2Click},
        {ui->DiagramaInteraccion, nullptr, &TVentanaPrincipal::DiagramaInteraccionClick},
        {ui->Datosdelaviga, ui->SpeedButton1, &TVentanaPrincipal::DatosdelavigaClick},
        {ui->Datosdelpilar, ui->SpeedButton2, &TVentanaPrincipal::DatosdelpilarClick},
        {ui->Calculodeflechas, ui->SpeedButton6, &TVentanaPrincipal::CalculodeflechasClick},
        {ui->Salir1, nullptr, &TVentanaPrincipal::Salir1Click},
        {ui->Longituddeanclaje1, ui->SpeedButton7, &TVentanaPrincipal::Longituddeanclaje1Click},
        {ui->Diagramaaceroestiradoenfrio1, ui->SpeedButton9,
         &TVentanaPrincipal::Diagramaaceroestiradoenfrio1Click},
        {ui->Diagramaparabolarectangulo1, ui->SpeedButton10,
         &TVentanaPrincipal::Diagramaparabolarectangulo1Click},
        {ui->Deformacion1, nullptr, &TVentanaPrincipal::Deformacion1Click},
        {ui->Retraccion1, nullptr, &TVentanaPrincipal::Retraccion1Click},
        {ui->ConversionUnidades, ui->SpeedButton8, &TVentanaPrincipal::ConversionUnidadesClick},
        {ui->AreaArmaduras, ui->SpeedButton11, &TVentanaPrincipal::AreaArmadurasClick},
        {ui->Ayuda2, nullptr, &TVentanaPrincipal::Ayuda2Click},
        {ui->Acercade1, nullptr, &TVentanaPrincipal::Acercade1Click},
    };
    for (const Enlace& e : enlaces) {
        connect(e.menu, &QAction::triggered, this, e.manejador);
        if (e.boton)
            connect(e.boton, &QAction::triggered, this, e.manejador);
    }

    // 640 × 480 de tamaño exterior, centrada en la pantalla.
    resize(640, 480);
    if (const QScreen* pantalla = screen()) {
        const QRect zona = pantalla->availableGeometry();
        move(zona.center() - QPoint(320, 240));
    }
}

TVentanaPrincipal::~TVentanaPrincipal() = default;

void TVentanaPrincipal::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (!mostrada_) {
        mostrada_ = true;
        FormShow();
    }
}

void TVentanaPrincipal::FormShow() {
    CargarImagen(ui->Fondo, QStringLiteral("fondo.bmp"));
}

void TVentanaPrincipal::Desbloquear() {
    for (QAction* a : {ui->Datosdelaseccion1, ui->Datosdelaseccion2, ui->DiagramaInteraccion,
                       ui->Datosdelaviga, ui->Datosdelpilar, ui->Calculodeflechas})
        a->setEnabled(true);
    for (QAction* a :
         {ui->SpeedButton1, ui->SpeedButton2, ui->SpeedButton4, ui->SpeedButton5, ui->SpeedButton6})
        a->setVisible(true);
    desbloqueada_ = true;
}

void TVentanaPrincipal::Parmetrosgenerales1Click() {
    app_.ParametrosGenerales->exec();
    // Se desbloquea al cerrarse, de cualquier manera que se cierre.
    Desbloquear();
}

// El botón "Momento Agotamiento" sólo se ofrece para vigas.
void TVentanaPrincipal::MostrarBotonMomento(QWidget* ventana) {
    if (auto* boton = ventana->findChild<QWidget*>(QStringLiteral("BotonMomento")))
        boton->setVisible(app_.ParametrosGenerales->TipoElemento() == 0);
}

void TVentanaPrincipal::Datosdelaseccion1Click() {
    if (!CargarImagen(app_.DatosSeccion, QStringLiteral("Imagen"), QStringLiteral("seccion01.bmp")))
        return;
    app_.Estado.SeccionRectangular = true;
    MostrarBotonMomento(app_.DatosSeccion);
    app_.DatosSeccion->exec();
}

void TVentanaPrincipal::Datosdelaseccion2Click() {
    if (!CargarImagen(app_.DatosSeccionT, QStringLiteral("Imagen01"),
                      QStringLiteral("seccion01.bmp")) ||
        !CargarImagen(app_.DatosSeccionT, QStringLiteral("Imagen02"),
                      QStringLiteral("seccion02.bmp")))
        return;
    app_.Estado.SeccionRectangular = false;
    MostrarBotonMomento(app_.DatosSeccionT);
    app_.DatosSeccionT->exec();
}

void TVentanaPrincipal::DiagramaInteraccionClick() {
    app_.VentanaInteraccion->exec();
}

void TVentanaPrincipal::DatosdelavigaClick() {
    if (!CargarImagen(app_.VentanaTransversal1, QStringLiteral("Imagen1"),
                      QStringLiteral("cortante.bmp")))
        return;
    app_.VentanaTransversal1->exec();
}

void TVentanaPrincipal::DatosdelpilarClick() {
    app_.VentanaTransversal2->exec();
}

void TVentanaPrincipal::CalculodeflechasClick() {
    if (!CargarImagen(app_.VentanaFlechas, QStringLiteral("Imagen"),
                      QStringLiteral("seccion01.bmp")))
        return;
    app_.VentanaFlechas->exec();
}

void TVentanaPrincipal::Salir1Click() {
    close();
}

void TVentanaPrincipal::Longituddeanclaje1Click() {
    if (auto* etiqueta =
            app_.VentanaLongitudAnclaje->findChild<QLabel*>(QStringLiteral("EtiquetaArmadura")))
        etiqueta->setText(QStringLiteral("Armadura"));
    app_.VentanaLongitudAnclaje->exec();
}

void TVentanaPrincipal::Diagramaaceroestiradoenfrio1Click() {
    // Los valores del acero que escribe la herramienta se quedan en el estado de diseño.
    app_.DiagramaCalculo->exec();
}

void TVentanaPrincipal::Diagramaparabolarectangulo1Click() {
    if (!CargarImagen(app_.VentanaParabola, QStringLiteral("Imagen"),
                      QStringLiteral("seccion03.bmp")))
        return;
    app_.VentanaParabola->exec();
    RestaurarHormigon();
}

// Devuelve fck, gammaC y fcd a lo que dicen la resistencia y la situación de proyecto de los
// parámetros generales (sin el control reducido ni el hormigonado vertical). Si la resistencia
// escrita no es un número, los tres valores se quedan como estaban.
void TVentanaPrincipal::RestaurarHormigon() {
    const auto fck = LeerNumero(S(app_.ParametrosGenerales->TextoResistencia()),
                                "Resistencia característica fck", "ResistenciaCaracteristica");
    if (!fck)
        return;
    const int s = app_.ParametrosGenerales->SituacionProyecto() == 1 ? 1 : 0;
    const double gammaC = app_.Estado.TablaGammaC[s];
    if (gammaC <= 0.0)
        return;
    app_.Estado.fck = *fck;
    app_.Estado.gammaC = gammaC;
    app_.Estado.fcd = *fck / gammaC;
}

void TVentanaPrincipal::Deformacion1Click() {
    app_.VentanaDeformacion->exec();
}

void TVentanaPrincipal::Retraccion1Click() {
    app_.VentanaRetraccion->exec();
}

void TVentanaPrincipal::ConversionUnidadesClick() {
    app_.VentanaConversion->exec();
}

void TVentanaPrincipal::AreaArmadurasClick() {
    // Ranura 0: el selector funciona aquí como calculadora libre; su resultado no se usa.
    app_.VentanaArea->Seleccionar(0);
}

void TVentanaPrincipal::Ayuda2Click() {
    AbrirDocumento(QStringLiteral("Tutorial.htm"), this);
}

void TVentanaPrincipal::Acercade1Click() {
    app_.VentanaAcercaDe->exec();
}

bool AbrirDocumento(const QString& nombre, QWidget* padre) {
    const QString ruta = RutaRecurso(nombre);
    const QString carpeta = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!QFileInfo(ruta).isFile()) {
        Avisar(QStringLiteral("No se encuentra la página de ayuda «%1» en la carpeta «%2».")
                   .arg(nombre, carpeta),
               padre);
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ruta))) {
        Avisar(QStringLiteral("El escritorio no ha podido abrir la página de ayuda «%1» de la "
                              "carpeta «%2»: ábrala con un navegador.")
                   .arg(nombre, carpeta),
               padre);
        return false;
    }
    return true;
}

} // namespace velmora
