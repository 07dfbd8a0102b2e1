#include "app/VentanaPrincipal.h"

#include "ui_VentanaPrincipal.h"

#include "assets/Dibujos.h"
#include "common/Avisar.h"
#include "common/Recursos.h"

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

TVentanaPrincipal::TVentanaPrincipal(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TVentanaPrincipal>()) {
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
        {ui->Fisuracion1, nullptr, &TVentanaPrincipal::Fisuracion1Click},
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
                       ui->Datosdelaviga, ui->Datosdelpilar, ui->Calculodeflechas, ui->Fisuracion1})
        a->setEnabled(true);
    for (QAction* a :
         {ui->SpeedButton1, ui->SpeedButton2, ui->SpeedButton4, ui->SpeedButton5, ui->SpeedButton6})
        a->setVisible(true);
    desbloqueada_ = true;
}

void TVentanaPrincipal::MostrarNorma(const QString& texto) {
    if (!etiquetaNorma_) {
        etiquetaNorma_ = new QLabel(this);
        etiquetaNorma_->setObjectName(QStringLiteral("EtiquetaNorma"));
        ui->BarraEstado->addPermanentWidget(etiquetaNorma_);
    }
    etiquetaNorma_->setText(texto);
}

void TVentanaPrincipal::Parmetrosgenerales1Click() {
    emit pideParametrosGenerales();
    // Se desbloquea al cerrarse, de cualquier manera que se cierre.
    Desbloquear();
}

void TVentanaPrincipal::Datosdelaseccion1Click() {
    emit pideSeccionRectangular();
}

void TVentanaPrincipal::Datosdelaseccion2Click() {
    emit pideSeccionT();
}

void TVentanaPrincipal::DiagramaInteraccionClick() {
    emit pideInteraccion();
}

void TVentanaPrincipal::Fisuracion1Click() {
    emit pideFisuracion();
}

void TVentanaPrincipal::DatosdelavigaClick() {
    emit pideCortanteViga();
}

void TVentanaPrincipal::DatosdelpilarClick() {
    emit pideCercosPilar();
}

void TVentanaPrincipal::CalculodeflechasClick() {
    emit pideFlechas();
}

void TVentanaPrincipal::Salir1Click() {
    close();
}

void TVentanaPrincipal::Longituddeanclaje1Click() {
    emit pideAnclaje();
}

void TVentanaPrincipal::Diagramaaceroestiradoenfrio1Click() {
    emit pideDiagramaAcero();
}

void TVentanaPrincipal::Diagramaparabolarectangulo1Click() {
    emit pideParabola();
}

void TVentanaPrincipal::Deformacion1Click() {
    emit pideFluencia();
}

void TVentanaPrincipal::Retraccion1Click() {
    emit pideRetraccion();
}

void TVentanaPrincipal::ConversionUnidadesClick() {
    emit pideConversion();
}

void TVentanaPrincipal::AreaArmadurasClick() {
    emit pideAreaArmaduras();
}

void TVentanaPrincipal::Ayuda2Click() {
    AbrirDocumento(QStringLiteral("Tutorial.htm"), this);
}

void TVentanaPrincipal::Acercade1Click() {
    emit pideAcercaDe();
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
