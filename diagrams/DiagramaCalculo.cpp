#include "diagrams/DiagramaCalculo.h"

#include "common/Campos.h"
#include "common/Numeros.h"
#include "diagrams/DescripcionHerramientas.h"
#include "diagrams/Rotulos.h"
#include "ui_DiagramaCalculo.h"

#include <QStyle>

namespace velmora {

TDiagramaCalculo::TDiagramaCalculo(EstadoDiseno& estado, QWidget* parent)
    : QDialog(parent), estado_(estado), ui(std::make_unique<Ui::TDiagramaCalculo>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DiagramaCalculo"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->BotonOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BotonCalcular->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));

    ui->GrupoDesignacionAcero->FijarElementos(OpcionesAcero, 0);
    ui->GrupoTipoDiagrama->FijarElementos(OpcionesTipoDiagrama, 0);
    ui->GrupoControlAcero->FijarElementos(OpcionesNivelControl, 0);
    ui->GrupoSituacionProyecto->FijarElementos(OpcionesSituacion, 0);
    ui->GrupoValorEs->FijarElementos(OpcionesValorEs, 1);

    for (QLabel* indice :
         {ui->Label10, ui->Label14, ui->Label12, ui->Label22, ui->Sub28, ui->Sup28, ui->Sub29,
          ui->Sup29, ui->Sub30, ui->Sup30, ui->Label13, ui->Label42, ui->Label43})
        HacerIndice(indice);
    SubindiceEnHueco(ui->Label20, ui->Label21, QStringLiteral("f"));
    // Sitio para el aviso de fuera de rango, para que la ventana no cambie de tamaño.
    ui->ValorTension->setMinimumWidth(
        ui->ValorTension->fontMetrics().horizontalAdvance(QString::fromUtf8(TextoFueraDiagrama)) +
        4);
    QFont titulo = ui->EtiquetaAcero->font();
    titulo.setBold(true);
    ui->EtiquetaAcero->setFont(titulo);
    ui->EtiquetaTipoDiagrama->setFont(titulo);

    connect(ui->GrupoDesignacionAcero, &GrupoOpciones::IndiceElegido, this,
            &TDiagramaCalculo::GrupoDesignacionAceroClick);
    connect(ui->GrupoSituacionProyecto, &GrupoOpciones::IndiceElegido, this,
            &TDiagramaCalculo::GrupoSituacionProyectoClick);
    connect(ui->GrupoTipoDiagrama, &GrupoOpciones::IndiceElegido, this,
            &TDiagramaCalculo::GrupoTipoDiagramaClick);
    connect(ui->GrupoControlAcero, &GrupoOpciones::IndiceElegido, this,
            &TDiagramaCalculo::GrupoControlAceroClick);
    connect(ui->GrupoValorEs, &GrupoOpciones::IndiceElegido, this,
            &TDiagramaCalculo::GrupoValorEsClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this, &TDiagramaCalculo::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);

    // El dibujo de las elecciones de arranque, sin tocar el estado de diseño.
    EstadoDiseno inicial = estado_;
    LeerDatosDiagrama(inicial, Eleccion());
    ui->GraficoTensionDeformacion->Fijar(CalcularDibujoAcero(inicial, false, 0.0));
}

TDiagramaCalculo::~TDiagramaCalculo() = default;

EleccionDiagrama TDiagramaCalculo::Eleccion() const {
    return EleccionDeIndices(ui->GrupoDesignacionAcero->itemIndex(),
                             ui->GrupoTipoDiagrama->itemIndex(), ui->GrupoControlAcero->itemIndex(),
                             ui->GrupoSituacionProyecto->itemIndex(), ui->GrupoValorEs->itemIndex());
}

void TDiagramaCalculo::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    ui->BotonOK->setFocus(Qt::ActiveWindowFocusReason);
}

void TDiagramaCalculo::GrupoDesignacionAceroClick(int) {
    ui->EtiquetaAcero->setText(Q(TextoEtiquetaAcero(Eleccion().DesignacionAcero)));
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoSituacionProyectoClick(int) {
    ui->EtiquetaGammas->setText(Q(TextoEtiquetaGammas(estado_, Eleccion().SituacionProyecto)));
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoTipoDiagramaClick(int) {
    ui->EtiquetaTipoDiagrama->setText(Q(TextoEtiquetaTipoDiagrama(Eleccion().TipoDiagrama)));
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoControlAceroClick(int) {
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoValorEsClick(int) {
    ui->EtiquetaEs->setText(Q(TextoEtiquetaEs(Eleccion().ValorEs)));
    MostrarDiagrama();
}

void TDiagramaCalculo::MostrarDiagrama() {
    const RotulosDiagrama r = velmora::MostrarDiagrama(estado_, Eleccion());
    ui->Label20->setText(Q(r.Label20));
    ui->Label28->setText(Q(r.Label28));
    ui->Label29->setText(Q(r.Label29));
    ui->Label30->setText(Q(r.Label30));
    ui->ValorTension->setText(Q(r.ValorTension));
    ui->Label40->setVisible(true);
    ui->Label43->setVisible(true);
    Dibujar(false, 0.0);
}

void TDiagramaCalculo::BotonCalcularClick() {
    LeerDatosDiagrama(estado_, Eleccion());
    const TextosCampos textos = TextosDe(this, std::span(&CampoDeformacionAcero, 1));
    const auto rotulo =
        RotuloCalcular(estado_, Eleccion(), TextoCampo(textos, CampoDeformacionAcero));
    if (!rotulo) {
        // Nada del dato rechazado queda a la vista: ni tensión ni punto en el dibujo; el rótulo
        // dice que la deformación no vale, sin unidades (no hay número).
        ui->ValorTension->setText(QString::fromUtf8(TextoDeformacionRechazada));
        ui->Label40->setVisible(false);
        ui->Label43->setVisible(false);
        Dibujar(false, 0.0);
        MostrarError(this, rotulo.error());
        return;
    }
    const bool enDiagrama = *rotulo != TextoFueraDiagrama;
    ui->ValorTension->setText(Q(*rotulo));
    // Sin número no hay unidades.
    ui->Label40->setVisible(enDiagrama);
    ui->Label43->setVisible(enDiagrama);
    const double eps = *LeerCampo(textos, CampoDeformacionAcero);
    Dibujar(true, eps);
    emit calculado(Eleccion(), eps);
}

void TDiagramaCalculo::Dibujar(bool conPunto, double eps) {
    ui->GraficoTensionDeformacion->Fijar(CalcularDibujoAcero(estado_, conPunto, eps));
}

} // namespace velmora
