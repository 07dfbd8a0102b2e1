#include "anchorage/VentanaLongitudAnclaje.h"

#include "anchorage/DescripcionAnclaje.h"
#include "common/Campos.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "ui_VentanaLongitudAnclaje.h"

#include <QApplication>

namespace velmora {

TVentanaLongitudAnclaje::TVentanaLongitudAnclaje(EstadoDiseno& estado, TVentanaArea& selector,
                                                 QWidget* parent)
    : QDialog(parent), estado_(estado), selector_(selector), ui(std::make_unique<Ui::TVentanaLongitudAnclaje>()) {
    ui->setupUi(this);
    ui->GrupoDesignacionAcero->FijarElementos(OpcionesAcero, 0);
    ui->GrupoTipoAnclaje->FijarElementos(OpcionesTipoAnclaje, 0);
    ui->ResistenciaCaracteristica->setCurrentIndex(0);

    connect(ui->GrupoTipoAnclaje, &GrupoOpciones::IndiceElegido, this,
            &TVentanaLongitudAnclaje::GrupoTipoAnclajeClick);
    connect(ui->PosicionII, &QCheckBox::clicked, this, &TVentanaLongitudAnclaje::PosicionIIClick);
    connect(ui->PosicionI, &QCheckBox::clicked, this, &TVentanaLongitudAnclaje::PosicionIClick);
    connect(ui->ArmaduraSuperabundante, &QCheckBox::clicked, this,
            &TVentanaLongitudAnclaje::ArmaduraSuperabundanteClick);
    connect(ui->AreaPosicionI, &QPushButton::clicked, this,
            &TVentanaLongitudAnclaje::AreaPosicionIClick);
    connect(ui->AreaPosicionII, &QPushButton::clicked, this,
            &TVentanaLongitudAnclaje::AreaPosicionIIClick);
    connect(ui->EtiquetaAreaI, &QPushButton::clicked, this,
            &TVentanaLongitudAnclaje::EtiquetaAreaIClick);
    connect(ui->EtiquetaAreaII, &QPushButton::clicked, this,
            &TVentanaLongitudAnclaje::EtiquetaAreaIIClick);
    connect(ui->BotonAnclaje, &QPushButton::clicked, this,
            &TVentanaLongitudAnclaje::BotonAnclajeClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaLongitudAnclaje::~TVentanaLongitudAnclaje() = default;

void TVentanaLongitudAnclaje::FijarParametros(std::function<EleccionParametros()> fuente) {
    parametros_ = std::move(fuente);
}

void TVentanaLongitudAnclaje::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // «Efectos dinámicos» sólo se aplica con la EHE-98.
    ui->EfectosDinamicos->setEnabled(UsaEfectosDinamicos(estado_.norma));
    ui->BotonOK->setFocus(Qt::OtherFocusReason);
}

void TVentanaLongitudAnclaje::GrupoTipoAnclajeClick() {
    ui->RecubrimientoHormigon->setEnabled(ui->GrupoTipoAnclaje->itemIndex() == 1);
}

// Habilita los controles de la posición según su casilla y la de armadura estricta.
void TVentanaLongitudAnclaje::HabilitarPosicion(int p) {
    QCheckBox* posicion = p == 2 ? ui->PosicionII : ui->PosicionI;
    const bool marcada = posicion->isChecked();
    const bool estricta = marcada && ui->ArmaduraSuperabundante->isChecked();
    (p == 2 ? ui->AreaPosicionII : ui->AreaPosicionI)->setEnabled(marcada);
    (p == 2 ? ui->PosicionIITraccion : ui->PosicionITraccion)->setEnabled(marcada);
    (p == 2 ? ui->EtiquetaAreaII : ui->EtiquetaAreaI)->setEnabled(estricta);
    (p == 2 ? ui->AreaII : ui->AreaI)->setEnabled(estricta);
}

void TVentanaLongitudAnclaje::PosicionIIClick() {
    HabilitarPosicion(2);
}
void TVentanaLongitudAnclaje::PosicionIClick() {
    HabilitarPosicion(1);
}

void TVentanaLongitudAnclaje::ArmaduraSuperabundanteClick() {
    // Una posición no marcada se deja como está.
    if (ui->PosicionII->isChecked())
        HabilitarPosicion(2);
    if (ui->PosicionI->isChecked())
        HabilitarPosicion(1);
}

void TVentanaLongitudAnclaje::DefinirPosicion(int p) {
    if (!selector_.Seleccionar(p))
        return;
    TomarArmaduraRanura(estado_, valores_, p == 2 ? PosicionAnclaje::II : PosicionAnclaje::I);
    (p == 2 ? ui->AreaPosicionII : ui->AreaPosicionI)->setText(Q(TextoArmadura(estado_, p)));
    ActualizarRecubrimiento();
}

void TVentanaLongitudAnclaje::FijarArmadura(int ranura, bool definida) {
    // Como el OK del selector: AreaTotal es el área de la ranura.
    estado_.AreaTotal = AreaDeRanura(estado_, ranura);
    const PosicionAnclaje p = ranura == 2 ? PosicionAnclaje::II : PosicionAnclaje::I;
    TomarArmaduraRanura(estado_, valores_, p);
    if (!definida)
        valores_.phi[Indice(p)] = valores_.AsReal[Indice(p)] = 0.0;
    (ranura == 2 ? ui->AreaPosicionII : ui->AreaPosicionI)
        ->setText(definida ? Q(TextoArmadura(estado_, ranura))
                           : QStringLiteral("Defina armadura"));
    ActualizarRecubrimiento();
}

void TVentanaLongitudAnclaje::AreaPosicionIClick() {
    DefinirPosicion(1);
}
void TVentanaLongitudAnclaje::AreaPosicionIIClick() {
    DefinirPosicion(2);
}

void TVentanaLongitudAnclaje::DefinirAreaEstricta(int ranura) {
    if (!selector_.Seleccionar(ranura))
        return;
    (ranura == 4 ? ui->AreaII : ui->AreaI)->setText(selector_.TextoArea());
}

void TVentanaLongitudAnclaje::EtiquetaAreaIClick() {
    DefinirAreaEstricta(3);
}
void TVentanaLongitudAnclaje::EtiquetaAreaIIClick() {
    DefinirAreaEstricta(4);
}

void TVentanaLongitudAnclaje::ActualizarRecubrimiento() {
    ui->RecubrimientoHormigon->setText(Q(TextoRecubrimiento(estado_)));
}

EntradaAnclaje TVentanaLongitudAnclaje::Entrada() const {
    EntradaAnclaje entrada;
    entrada.DesignacionAcero = ui->GrupoDesignacionAcero->itemIndex();
    const TextosCampos textos = TextosDe(this, CamposAnclaje);
    entrada.ResistenciaCaracteristica = TextoCampo(textos, CampoResistenciaAnclaje);
    entrada.Tipo = ui->GrupoTipoAnclaje->itemIndex() == 1   ? TipoAnclaje::Patilla
                   : ui->GrupoTipoAnclaje->itemIndex() == 2 ? TipoAnclaje::BarraSoldada
                                                            : TipoAnclaje::ProlongacionRecta;
    entrada.Decalaje = TextoCampo(textos, CampoDecalaje);
    entrada.Recubrimiento = ui->RecubrimientoHormigon->isChecked();
    entrada.Dinamicos = ui->EfectosDinamicos->isChecked();
    entrada.Estricta = ui->ArmaduraSuperabundante->isChecked();
    entrada.Posicion = {ui->PosicionI->isChecked(), ui->PosicionII->isChecked()};
    entrada.Traccion = {ui->PosicionITraccion->isChecked(), ui->PosicionIITraccion->isChecked()};
    entrada.AreaEstricta = {std::string(TextoCampo(textos, CampoAreaI)),
                            std::string(TextoCampo(textos, CampoAreaII))};
    return entrada;
}

void TVentanaLongitudAnclaje::BotonAnclajeClick() {
    const auto r = CalcularLongitudesAnclaje(estado_, valores_, Entrada());
    if (!r) {
        MostrarError(this, r.error());
        return;
    }
    emit calculado(r.valor());
}

void TVentanaLongitudAnclaje::PrepararAnclaje() {
    const EleccionParametros p = parametros_ ? parametros_() : EleccionParametros{};
    ui->GrupoDesignacionAcero->setItemIndex(p.DesignacionAcero);
    ui->ResistenciaCaracteristica->setEditText(Q(p.ResistenciaCaracteristica));
    ui->CuadroDecalaje->setText(Q(TextoDecalajeCanto(estado_)));
}

void TVentanaLongitudAnclaje::MostrarArmaduraAnclaje() {
    const QString texto = Q(TextoArmadura(estado_, 1));
    ui->AreaPosicionI->setText(texto);
    ui->AreaPosicionII->setText(texto);
}

void TVentanaLongitudAnclaje::RecibirArmadura(int armadura, const QString& textoNumero,
                                              const QString& textoDiametro,
                                              const QString& textoArea) {
    // Se leen primero las barras: si no se entienden, no se toca nada y no se abre la ventana.
    const auto entrega = EntregarArmadura(estado_, valores_, S(textoNumero), S(textoDiametro));
    if (!entrega) {
        MostrarError(QApplication::activeWindow(), entrega.error());
        return;
    }
    PrepararAnclaje();
    ui->EtiquetaArmadura->setText(armadura == 2 ? QStringLiteral("Armadura A2")
                                                : QStringLiteral("Armadura A1"));
    MostrarArmaduraAnclaje();
    // El rótulo del recubrimiento depende de los diámetros que acaban de cambiar.
    ActualizarRecubrimiento();
    ui->AreaI->setText(textoArea);
    ui->AreaII->setText(textoArea);
    exec();
}

} // namespace velmora
