#include "diagrams/VentanaParabola.h"

#include "common/Campos.h"
#include "diagrams/DescripcionHerramientas.h"
#include "diagrams/Rotulos.h"
#include "ui_VentanaParabola.h"

#include <QSignalBlocker>
#include <QStyle>

namespace velmora {

namespace {

// Resistencias de la lista: HA-25 a HA-50; con el Código Estructural también las altas de la
// tabla 3.1 del Anejo 19 (hasta 90 N/mm²), en las que cambian εc2, εcu2 y n.
QStringList ResistenciasDeLaLista(Norma norma) {
    QStringList lista{QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("35"),
                      QStringLiteral("40"), QStringLiteral("45"), QStringLiteral("50")};
    if (norma == Norma::CodigoEstructural)
        lista << QStringLiteral("55") << QStringLiteral("60") << QStringLiteral("70")
              << QStringLiteral("80") << QStringLiteral("90");
    return lista;
}

} // namespace

TVentanaParabola::TVentanaParabola(EstadoDiseno& estado, QWidget* parent)
    : QDialog(parent), estado_(estado), ui(std::make_unique<Ui::TVentanaParabola>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaParabola"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->BotonOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BotonCalcular->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));

    ui->ResistenciaCaracteristica->addItems(ResistenciasDeLaLista(Norma::EHE98));
    ui->ResistenciaCaracteristica->setCurrentIndex(0);
    ui->GrupoTipoSeccion->FijarElementos(OpcionesFormaSeccion, 0);
    ui->GrupoSituacionProyecto->FijarElementos(OpcionesSituacion, 0);

    for (QLabel* indice : {ui->Label7, ui->Label19, ui->Label6, ui->Label17, ui->Label41,
                           ui->Label51, ui->Label24, ui->Label22})
        HacerIndice(indice);
    SubindiceEnHueco(ui->CentroGravedad, ui->Label10, QStringLiteral("x"));
    QFont negrita = ui->EtiquetaHormigon->font();
    negrita.setBold(true);
    for (QLabel* l :
         {ui->EtiquetaHormigon, ui->Label21, ui->Label20, ui->Label26, ui->Label23, ui->Label25})
        l->setFont(negrita);
    GrupoTipoSeccionClick(0);
    ui->EtiquetaLeyHormigon->setVisible(false);

    connect(ui->ResistenciaCaracteristica, &QComboBox::currentTextChanged, this,
            &TVentanaParabola::ResistenciaCaracteristicaChange);
    connect(ui->GrupoSituacionProyecto, &GrupoOpciones::IndiceElegido, this,
            &TVentanaParabola::GrupoSituacionProyectoClick);
    connect(ui->GrupoTipoSeccion, &GrupoOpciones::IndiceElegido, this,
            &TVentanaParabola::GrupoTipoSeccionClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this, &TVentanaParabola::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaParabola::~TVentanaParabola() = default;

DatosParabola TVentanaParabola::Datos() const {
    DatosParabola d;
    d.Valor1 = S(ui->Valor1->text());
    d.Valor2 = S(ui->Valor2->text());
    d.Valor3 = S(ui->Valor3->text());
    d.Valor4 = S(ui->Valor4->text());
    d.Valor5 = S(ui->Valor5->text());
    d.Valor6 = S(ui->Valor6->text());
    d.ResistenciaCaracteristica = S(ui->ResistenciaCaracteristica->currentText());
    d.TipoSeccion = ui->GrupoTipoSeccion->itemIndex();
    d.SituacionProyecto = ui->GrupoSituacionProyecto->itemIndex();
    return d;
}

void TVentanaParabola::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // La norma puede haber cambiado con un OK de los parámetros generales: el resultado de la
    // otra ley no se queda a la vista. Con la EHE-98 de siempre nada cambia.
    if (estado_.norma != Norma::EHE98 || normaMostrada_ != Norma::EHE98) {
        if (estado_.norma != normaMostrada_) {
            BorrarResultado();
            // La lista de la norma, con la resistencia escrita tal como estaba.
            const QString escrita = ui->ResistenciaCaracteristica->currentText();
            const QSignalBlocker bloqueo(ui->ResistenciaCaracteristica);
            ui->ResistenciaCaracteristica->clear();
            ui->ResistenciaCaracteristica->addItems(ResistenciasDeLaLista(estado_.norma));
            ui->ResistenciaCaracteristica->setCurrentIndex(
                ui->ResistenciaCaracteristica->findText(escrita));
            ui->ResistenciaCaracteristica->setEditText(escrita);
        }
        normaMostrada_ = estado_.norma;
        ResistenciaCaracteristicaChange(ui->ResistenciaCaracteristica->currentText());
        GrupoSituacionProyectoClick(ui->GrupoSituacionProyecto->itemIndex());
    }
    ui->BotonOK->setFocus(Qt::ActiveWindowFocusReason);
}

void TVentanaParabola::ResistenciaCaracteristicaChange(const QString& texto) {
    ui->EtiquetaHormigon->setText(Q(TextoEtiquetaHormigon(S(texto), estado_.norma)));
    MostrarLey();
}

void TVentanaParabola::GrupoSituacionProyectoClick(int indice) {
    ui->EtiquetaGammac->setText(Q(TextoEtiquetaGammac(estado_, indice)));
    MostrarLey();
}

void TVentanaParabola::MostrarLey() {
    const bool ce = estado_.norma == Norma::CodigoEstructural;
    ui->EtiquetaLeyHormigon->setVisible(ce);
    if (!ce)
        return;
    const TextosCampos textos = TextosDe(this, std::span(&CampoFckParabolaCE, 1));
    const auto fck = LeerCampo(textos, CampoFckParabolaCE);
    ui->EtiquetaLeyHormigon->setText(
        fck ? Q(TextoLeyHormigonCE(*fck, estado_.alphaCC,
                                   GammaCParabola(estado_, ui->GrupoSituacionProyecto->itemIndex())))
            : QString());
}

void TVentanaParabola::GrupoTipoSeccionClick(int indice) {
    const bool enT = indice == 1;
    const std::initializer_list<QWidget*> camposT{ui->Label40, ui->Label41, ui->Label42,
                                                  ui->Valor4,  ui->Label50, ui->Label51,
                                                  ui->Label52, ui->Valor5};
    for (QWidget* w : camposT)
        w->setVisible(enT);
}

void TVentanaParabola::BorrarResultado() {
    ui->Compresion->setText(QStringLiteral("C  = 0.00 kN"));
    ui->CentroGravedad->setText(QStringLiteral("x   =  0.00 m"));
    ui->GraficoBloqueCompresiones->Vaciar();
}

void TVentanaParabola::BotonCalcularClick() {
    const auto forma = ui->GrupoTipoSeccion->itemIndex() == 1 ? FormaSeccion::EnT
                                                               : FormaSeccion::Rectangular;
    const auto situacion = ui->GrupoSituacionProyecto->itemIndex() == 1
                               ? SituacionDeProyecto::Accidental
                               : SituacionDeProyecto::PersistenteOTransitoria;
    const auto datos = LeerDatosParabola(TextosDe(this, CamposParabola), forma, situacion);
    const auto r = datos ? CalcularParabola(estado_, *datos) : Resultado<RotulosParabola>(datos.error());
    if (!r) {
        // Ningún resultado anterior queda junto a unos datos rechazados.
        BorrarResultado();
        MostrarError(this, r.error());
        return;
    }
    ui->Compresion->setText(Q(r.valor().Compresion));
    ui->CentroGravedad->setText(Q(r.valor().CentroGravedad));
    ui->GraficoBloqueCompresiones->Fijar(CalcularDibujoBloque(estado_));
    emit calculado(*datos);
}

} // namespace velmora
