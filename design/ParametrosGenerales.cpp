#include "design/ParametrosGenerales.h"

#include "ui_ParametrosGenerales.h"

#include "common/Campos.h"
#include "design/TextosParametros.h"

#include <QRadioButton>
#include <QStyle>

namespace velmora {

TParametrosGenerales::TParametrosGenerales(EstadoDiseno& estado, QWidget* parent)
    : QDialog(parent), estado_(estado), ui(std::make_unique<Ui::TParametrosGenerales>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("ParametrosGenerales"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ui->GrupoDesignacionAcero->FijarElementos(OpcionesAcero, 0);
    ui->GrupoControlAcero->FijarElementos(OpcionesNivelControl, 0);
    ui->GrupoControlHormigon->FijarElementos(OpcionesNivelControl, 0);
    ui->GrupoTipoElemento->FijarElementos(OpcionesTipoElemento, 0, 2);
    ui->GrupoSituacionProyecto->FijarElementos(OpcionesSituacion, 0);
    ui->GrupoNorma->FijarElementos(OpcionesNorma, 0, 2);
    ui->ResistenciaCaracteristica->setCurrentIndex(0);
    ui->ResistenciaCaracteristica->setEditText(QStringLiteral("25"));

    QFont titulo = font();
    titulo.setBold(true);
    ui->Label1->setFont(titulo);
    ui->Label2->setFont(titulo);
    ui->Label7->setFont(titulo);
    QFont material = titulo;
    material.setPointSizeF(material.pointSizeF() * 1.25);
    ui->EtiquetaAcero->setFont(material);
    ui->EtiquetaHormigon->setFont(material);
    ui->BotonOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

    // Orden de tabulación: acero, casilla de simetría, resistencia, hormigonado vertical,
    // elemento, situación, OK y, al final, el control del hormigón.
    QWidget* orden[] = {ui->GrupoNorma->Boton(0),
                        ui->GrupoNorma->Boton(1),
                        ui->GrupoDesignacionAcero->Boton(0),
                        ui->GrupoDesignacionAcero->Boton(1),
                        ui->GrupoControlAcero->Boton(0),
                        ui->GrupoControlAcero->Boton(1),
                        ui->ArmaduraSimetrica,
                        ui->ResistenciaCaracteristica,
                        ui->CoeficienteAlfaCC,
                        ui->HormigonadoVertical,
                        ui->GrupoTipoElemento->Boton(0),
                        ui->GrupoTipoElemento->Boton(1),
                        ui->GrupoTipoElemento->Boton(2),
                        ui->GrupoTipoElemento->Boton(3),
                        ui->GrupoTipoElemento->Boton(4),
                        ui->GrupoSituacionProyecto->Boton(0),
                        ui->GrupoSituacionProyecto->Boton(1),
                        ui->BotonOK,
                        ui->GrupoControlHormigon->Boton(0),
                        ui->GrupoControlHormigon->Boton(1)};
    for (std::size_t i = 1; i < std::size(orden); ++i)
        setTabOrder(orden[i - 1], orden[i]);

    connect(ui->GrupoDesignacionAcero, &GrupoOpciones::IndiceElegido, this,
            &TParametrosGenerales::GrupoDesignacionAceroClick);
    connect(ui->GrupoControlAcero, &GrupoOpciones::IndiceElegido, this,
            &TParametrosGenerales::GrupoControlAceroClick);
    connect(ui->GrupoSituacionProyecto, &GrupoOpciones::IndiceElegido, this,
            &TParametrosGenerales::GrupoSituacionProyectoClick);
    connect(ui->ResistenciaCaracteristica, &QComboBox::editTextChanged, this,
            &TParametrosGenerales::ResistenciaCaracteristicaChange);
    connect(ui->GrupoControlHormigon, &GrupoOpciones::IndiceElegido, this,
            &TParametrosGenerales::GrupoControlHormigonClick);
    connect(ui->GrupoTipoElemento, &GrupoOpciones::IndiceElegido, this,
            &TParametrosGenerales::GrupoTipoElementoClick);
    connect(ui->GrupoNorma, &GrupoOpciones::IndiceElegido, this,
            &TParametrosGenerales::GrupoNormaClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &TParametrosGenerales::BotonOKClick);
}

TParametrosGenerales::~TParametrosGenerales() = default;

void TParametrosGenerales::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    ui->BotonOK->setFocus(Qt::OtherFocusReason);
}

EleccionParametros TParametrosGenerales::Eleccion() const {
    EleccionParametros p;
    p.norma = NormaDelIndice(ui->GrupoNorma->itemIndex()).value_or(Norma::EHE98);
    p.CoeficienteAlfaCC = S(ui->CoeficienteAlfaCC->text());
    p.DesignacionAcero = ui->GrupoDesignacionAcero->itemIndex();
    p.ControlAcero = ui->GrupoControlAcero->itemIndex();
    p.ResistenciaCaracteristica = S(TextoResistencia());
    p.ControlHormigon = ui->GrupoControlHormigon->itemIndex();
    p.TipoElemento =
        ElementoDelIndice(ui->GrupoTipoElemento->itemIndex()).value_or(TipoDeElemento::Viga);
    p.SituacionProyecto = ui->GrupoSituacionProyecto->itemIndex();
    p.ArmaduraSimetricaHabilitada = ui->ArmaduraSimetrica->isEnabled();
    p.ArmaduraSimetricaMarcada = ui->ArmaduraSimetrica->isChecked();
    p.HormigonadoVerticalHabilitado = ui->HormigonadoVertical->isEnabled();
    p.HormigonadoVerticalMarcado = ui->HormigonadoVertical->isChecked();
    return p;
}

QString TParametrosGenerales::TextoResistencia() const {
    return ui->ResistenciaCaracteristica->currentText();
}

void TParametrosGenerales::GrupoDesignacionAceroClick(int indice) {
    ui->EtiquetaAcero->setText(Q(TextoAcero(indice)));
}

void TParametrosGenerales::GrupoControlAceroClick(int) { AplicarNorma(); }

void TParametrosGenerales::GrupoSituacionProyectoClick(int) { AplicarNorma(); }

void TParametrosGenerales::ResistenciaCaracteristicaChange(const QString& texto) {
    // El rótulo dice el hormigón que se usa: con control reducido, fck = 10·γc sea cual sea lo
    // escrito; si no, sólo una resistencia válida lo cambia («HA-1e308» o «HA-abc» no se
    // escriben).
    const EleccionParametros p = Eleccion();
    if (ControlReducidoHormigon(p))
        ui->EtiquetaHormigon->setText(
            Q(TextoHormigonReducido(estado_.TablaGammaC[p.SituacionProyecto == 1 ? 1 : 0])));
    else if (ResistenciaValida(S(texto)))
        ui->EtiquetaHormigon->setText(Q(TextoHormigon(S(texto))));
}

void TParametrosGenerales::GrupoControlHormigonClick(int) { AplicarNorma(); }

void TParametrosGenerales::GrupoTipoElementoClick(int indice) {
    EleccionParametros p = Eleccion();
    AplicarTipoElemento(p, ElementoDelIndice(indice).value_or(TipoDeElemento::Viga));
    ui->ArmaduraSimetrica->setEnabled(p.ArmaduraSimetricaHabilitada);
    ui->ArmaduraSimetrica->setChecked(p.ArmaduraSimetricaMarcada);
    ui->HormigonadoVertical->setEnabled(p.HormigonadoVerticalHabilitado);
    ui->HormigonadoVertical->setChecked(p.HormigonadoVerticalMarcado);
    AplicarNorma();
}

void TParametrosGenerales::GrupoNormaClick(int) {
    // El hormigonado vertical vuelve a lo que dice el tipo de elemento.
    GrupoTipoElementoClick(ui->GrupoTipoElemento->itemIndex());
}

void TParametrosGenerales::FijarNorma(Norma norma) {
    ui->GrupoNorma->setItemIndex(IndiceNorma(norma));
    GrupoNormaClick(IndiceNorma(norma));
}

void TParametrosGenerales::AplicarNorma() {
    const Norma norma = NormaElegida();
    const bool ce = norma == Norma::CodigoEstructural;
    const int situacion = ui->GrupoSituacionProyecto->itemIndex();
    const int controlAcero = ui->GrupoControlAcero->itemIndex();
    const int controlHormigon = ui->GrupoControlHormigon->itemIndex();
    // El segundo nivel de control: «Reducido» en la EHE-98, «Intenso» en el Código Estructural.
    const auto opciones = OpcionesControl(norma);
    ui->GrupoControlAcero->Boton(1)->setText(Q(std::string(opciones[1])));
    ui->GrupoControlHormigon->Boton(1)->setText(Q(std::string(opciones[1])));
    ui->EtiquetaGammas->setText(Q(TextoGammaS(norma, situacion, controlAcero)));
    ui->EtiquetaGammac->setText(Q(TextoGammaC(norma, situacion, controlHormigon)));
    // EHE-98: con control reducido del acero γs no interviene (fyd = 0.75·fyk/γs); con el del
    // hormigón, fcd = 10 N/mm² sea cual sea fck. El control intenso sólo cambia los γ.
    const bool aceroNormal = ce || controlAcero == 0;
    ui->Label8->setEnabled(aceroNormal);
    ui->EtiquetaGammas->setEnabled(aceroNormal);
    const bool hormigonNormal = ce || controlHormigon == 0;
    for (QWidget* w : {static_cast<QWidget*>(ui->Label9), static_cast<QWidget*>(ui->EtiquetaGammac),
                       static_cast<QWidget*>(ui->Label3), static_cast<QWidget*>(ui->Label5),
                       static_cast<QWidget*>(ui->ResistenciaCaracteristica)})
        w->setEnabled(hormigonNormal);
    // αcc sólo en el Código Estructural, que no reduce fcd por hormigonado vertical.
    ui->EtiquetaAlfaCC->setEnabled(ce);
    ui->CoeficienteAlfaCC->setEnabled(ce);
    if (ce)
        ui->HormigonadoVertical->setEnabled(false);
    ResistenciaCaracteristicaChange(TextoResistencia());
}

void TParametrosGenerales::BotonOKClick() {
    const Estado r = DerivarMateriales(estado_, Eleccion());
    if (!r) {
        // La ventana sigue abierta para corregir la resistencia.
        MostrarError(this, r.error());
        return;
    }
    emit normaConfirmada(NormaElegida());
    accept();
}

} // namespace velmora
