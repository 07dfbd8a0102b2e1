#include "diagrams/DiagramaCalculo.h"

#include "common/Campos.h"
#include "common/Numeros.h"
#include "diagrams/DescripcionHerramientas.h"
#include "diagrams/Rotulos.h"
#include "ui_DiagramaCalculo.h"

#include <QRadioButton>
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
    ui->GrupoRamaSuperior->FijarElementos(OpcionesRamaSuperior, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->GrupoRamaSuperior,
                                                      ui->MarcoRamaInclinada, ui->EtiquetaLeyAcero})
        w->setVisible(false);
    ui->MarcoRamaInclinada->setEnabled(false);

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
    connect(ui->GrupoRamaSuperior, &GrupoOpciones::IndiceElegido, this,
            &TDiagramaCalculo::GrupoRamaSuperiorClick);
    connect(ui->CoeficienteK, &QLineEdit::editingFinished, this,
            &TDiagramaCalculo::RamaInclinadaChange);
    connect(ui->DeformacionUk, &QLineEdit::editingFinished, this,
            &TDiagramaCalculo::RamaInclinadaChange);
    connect(ui->BotonCalcular, &QPushButton::clicked, this, &TDiagramaCalculo::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);

    // El dibujo de las elecciones de arranque, sin tocar el estado de diseño.
    EstadoDiseno inicial = estado_;
    LeerDatosDiagrama(inicial, Eleccion());
    ui->GraficoTensionDeformacion->Fijar(CalcularDibujoAcero(inicial, false, 0.0));
}

TDiagramaCalculo::~TDiagramaCalculo() = default;

EleccionDiagrama TDiagramaCalculo::Eleccion() const {
    EleccionDiagrama c = EleccionDeIndices(
        ui->GrupoDesignacionAcero->itemIndex(), ui->GrupoTipoDiagrama->itemIndex(),
        ui->GrupoControlAcero->itemIndex(), ui->GrupoSituacionProyecto->itemIndex(),
        ui->GrupoValorEs->itemIndex());
    c.Rama = ui->GrupoRamaSuperior->itemIndex() == 1 ? RamaSuperior::Inclinada
                                                     : RamaSuperior::Horizontal;
    return c;
}

Resultado<EleccionDiagrama> TDiagramaCalculo::EleccionLeida() const {
    EleccionDiagrama c = Eleccion();
    if (estado_.norma != Norma::CodigoEstructural || c.Rama != RamaSuperior::Inclinada)
        return c;
    EstadoDiseno copia = estado_;
    LeerDatosDiagrama(copia, c);
    const auto r = LeerRamaInclinada(TextosDe(this, CamposRamaInclinada), copia.fyd);
    if (!r)
        return r.error();
    c.Inclinada = *r;
    return c;
}

void TDiagramaCalculo::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (estado_.norma != normaMostrada_)
        AplicarNorma();
    ui->BotonOK->setFocus(Qt::ActiveWindowFocusReason);
}

void TDiagramaCalculo::AplicarNorma() {
    normaMostrada_ = estado_.norma;
    const bool ce = normaMostrada_ == Norma::CodigoEstructural;
    ui->GrupoRamaSuperior->setVisible(ce);
    ui->MarcoRamaInclinada->setVisible(ce);
    ui->EtiquetaLeyAcero->setVisible(ce);
    if (ce) {
        // Sitio para el rótulo más largo (la rama inclinada), para que la ventana no cambie de
        // ancho al cambiar de rama.
        EstadoDiseno muestra = estado_;
        EleccionDiagrama inclinada = EleccionDeIndices(1, 0, 0, 0, 1);
        inclinada.Rama = RamaSuperior::Inclinada;
        LeerDatosDiagrama(muestra, inclinada);
        ui->EtiquetaLeyAcero->setMinimumWidth(
            ui->EtiquetaLeyAcero->fontMetrics().horizontalAdvance(
                Q(TextoLeyAceroCE(muestra, inclinada))) +
            8);
    }
    // Anejo 19: sólo armadura pasiva y Es = 200 000 N/mm² (3.2.7(4)).
    ui->GrupoTipoDiagrama->setEnabled(!ce);
    ui->GrupoValorEs->setEnabled(!ce);
    const auto control = OpcionesControl(normaMostrada_);
    for (int i = 0; i < ui->GrupoControlAcero->count(); ++i)
        ui->GrupoControlAcero->Boton(i)->setText(
            QString::fromUtf8(control[static_cast<std::size_t>(i)].data(),
                              static_cast<qsizetype>(control[static_cast<std::size_t>(i)].size())));
    // Los rótulos de la otra norma, sin tocar el estado de diseño: se abre, no se calcula.
    EstadoDiseno copia = estado_;
    MostrarRotulos(copia);
}

void TDiagramaCalculo::MostrarRotulos(EstadoDiseno& e) {
    const auto leida = EleccionLeida();
    const EleccionDiagrama c = leida ? *leida : Eleccion();
    ui->EtiquetaGammas->setText(Q(TextoEtiquetaGammas(e, c)));
    ui->EtiquetaEs->setText(Q(TextoEtiquetaEs(e, c.ValorEs)));
    ui->EtiquetaTipoDiagrama->setText(Q(TextoEtiquetaTipoDiagrama(e, c)));
    ui->MarcoRamaInclinada->setEnabled(e.norma == Norma::CodigoEstructural &&
                                       c.Rama == RamaSuperior::Inclinada);
    PonerRotulos(velmora::RotularDiagrama(e, c));
    // Una tensión característica sin valor (más allá de εud, o con k o εuk rechazados) no lleva
    // unidades.
    for (auto [etiqueta, sup] : {std::pair{ui->Label28, ui->Sup28}, std::pair{ui->Label29, ui->Sup29},
                                 std::pair{ui->Label30, ui->Sup30}}) {
        if (!leida)
            etiqueta->setText(etiqueta->text().section(QStringLiteral("=  "), 0, 0) +
                              QStringLiteral("=  dato no válido"));
        sup->setVisible(etiqueta->text().endsWith(QStringLiteral("N/mm")));
    }
    if (e.norma == Norma::CodigoEstructural)
        ui->EtiquetaLeyAcero->setText(leida ? Q(TextoLeyAceroCE(e, c)) : QString());
    ui->GraficoTensionDeformacion->Fijar(leida ? CalcularDibujoAcero(e, false, 0.0, c)
                                               : DibujoAcero{});
}

void TDiagramaCalculo::GrupoDesignacionAceroClick(int) {
    ui->EtiquetaAcero->setText(Q(TextoEtiquetaAcero(Eleccion().DesignacionAcero)));
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoSituacionProyectoClick(int) {
    ui->EtiquetaGammas->setText(Q(TextoEtiquetaGammas(estado_, Eleccion())));
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoTipoDiagramaClick(int) {
    ui->EtiquetaTipoDiagrama->setText(Q(TextoEtiquetaTipoDiagrama(Eleccion().TipoDiagrama)));
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoControlAceroClick(int) {
    // Con la EHE-98 γs no depende del control: el rótulo no cambia.
    ui->EtiquetaGammas->setText(Q(TextoEtiquetaGammas(estado_, Eleccion())));
    MostrarDiagrama();
}

void TDiagramaCalculo::GrupoRamaSuperiorClick(int) {
    MostrarDiagrama();
    if (const auto c = EleccionLeida(); !c)
        MostrarError(this, c.error());
}

void TDiagramaCalculo::RamaInclinadaChange() {
    // editingFinished llega también al cerrar un aviso: sólo se avisa una vez por cambio.
    if (!ui->CoeficienteK->isModified() && !ui->DeformacionUk->isModified())
        return;
    ui->CoeficienteK->setModified(false);
    ui->DeformacionUk->setModified(false);
    MostrarDiagrama();
    if (const auto c = EleccionLeida(); !c)
        MostrarError(this, c.error());
}

void TDiagramaCalculo::GrupoValorEsClick(int) {
    ui->EtiquetaEs->setText(Q(TextoEtiquetaEs(Eleccion().ValorEs)));
    MostrarDiagrama();
}

void TDiagramaCalculo::PonerRotulos(const RotulosDiagrama& r) {
    ui->Label20->setText(Q(r.Label20));
    ui->Label28->setText(Q(r.Label28));
    ui->Label29->setText(Q(r.Label29));
    ui->Label30->setText(Q(r.Label30));
    ui->ValorTension->setText(Q(r.ValorTension));
    ui->Label40->setVisible(true);
    ui->Label43->setVisible(true);
}

void TDiagramaCalculo::MostrarDiagrama() {
    if (estado_.norma == Norma::EHE98 && normaMostrada_ == Norma::EHE98) {
        PonerRotulos(velmora::RotularDiagrama(estado_, Eleccion()));
        Dibujar(false, 0.0);
        return;
    }
    if (estado_.norma != normaMostrada_)
        AplicarNorma();
    MostrarRotulos(estado_);
}

void TDiagramaCalculo::BotonCalcularClick() {
    const auto eleccion = EleccionLeida();
    LeerDatosDiagrama(estado_, Eleccion());
    const TextosCampos textos = TextosDe(this, std::span(&CampoDeformacionAcero, 1));
    const auto rotulo =
        eleccion ? RotuloCalcular(estado_, *eleccion, TextoCampo(textos, CampoDeformacionAcero))
                 : Resultado<std::string>(eleccion.error());
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
    emit calculado(*eleccion, eps);
}

void TDiagramaCalculo::Dibujar(bool conPunto, double eps) {
    const auto c = EleccionLeida();
    ui->GraficoTensionDeformacion->Fijar(
        c ? CalcularDibujoAcero(estado_, conPunto, eps, *c) : DibujoAcero{});
}

} // namespace velmora
