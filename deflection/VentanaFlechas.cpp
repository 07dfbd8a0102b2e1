#include "deflection/VentanaFlechas.h"

#include "common/Campos.h"
#include "deflection/DescripcionFlechas.h"
#include "deflection/ce/FlechasCE.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "ui_VentanaFlechas.h"

#include <QLayout>

namespace velmora {

TVentanaFlechas::TVentanaFlechas(EstadoDiseno& estado, TVentanaArea& selector, QWidget* parent)
    : QDialog(parent), estado_(estado), selector_(selector), ui(std::make_unique<Ui::TVentanaFlechas>()) {
    ui->setupUi(this);
    ui->GrupoTipoPieza->FijarElementos(OpcionesTipoPieza, 0);
    ui->GrupoDuracionCarga->FijarElementos(ce::OpcionesDuracionCargaCE, 0);
    ui->GrupoDuracionCarga->hide();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->BotonCalcular->setAutoDefault(false);
    ui->ValorA1->setAutoDefault(false);
    ui->ValorA2->setAutoDefault(false);
    connect(ui->ValorA1, &QPushButton::clicked, this, &TVentanaFlechas::ValorA1Click);
    connect(ui->ValorA2, &QPushButton::clicked, this, &TVentanaFlechas::ValorA2Click);
    connect(ui->GrupoTipoPieza, &GrupoOpciones::IndiceElegido, this,
            &TVentanaFlechas::GrupoTipoPiezaClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this, &TVentanaFlechas::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    ui->BotonOK->setFocus();
}

TVentanaFlechas::~TVentanaFlechas() = default;

void TVentanaFlechas::ValorA1Click() {
    if (!selector_.Seleccionar(1))
        return;
    AreaA1_ = estado_.AreaTotal;
    ui->ValorA1->setText(Q(TextoArmadura(estado_, 1)));
}

void TVentanaFlechas::ValorA2Click() {
    if (!selector_.Seleccionar(2))
        return;
    AreaA2_ = estado_.AreaTotal;
    ui->ValorA2->setText(Q(TextoArmadura(estado_, 2)));
}

void TVentanaFlechas::FijarArmadura(int ranura, bool definida) {
    (ranura == 2 ? AreaA2_ : AreaA1_) = definida ? AreaDeRanura(estado_, ranura) : 0.0;
    (ranura == 2 ? ui->ValorA2 : ui->ValorA1)
        ->setText(definida ? Q(TextoArmadura(estado_, ranura))
                           : (ranura == 2 ? QStringLiteral("Armadura A2")
                                          : QStringLiteral("Armadura A1")));
}

// El tipo de pieza sólo dice qué sección se arma: la del centro del vano o la del arranque.
void TVentanaFlechas::GrupoTipoPiezaClick() {
    switch (ui->GrupoTipoPieza->itemIndex()) {
    case 0:
        ui->EtiquetaTipoSeccion->setText(QStringLiteral("Armadura sección central"));
        break;
    case 1:
        ui->EtiquetaTipoSeccion->setText(QStringLiteral("Armadura sección arranque"));
        break;
    default:
        break;
    }
}

void TVentanaFlechas::showEvent(QShowEvent* evento) {
    ui->GrupoDuracionCarga->setVisible(estado_.norma == Norma::CodigoEstructural);
    QDialog::showEvent(evento);
}

void TVentanaFlechas::BotonCalcularClick() {
    auto datos = LeerDatosFlecha(TextosDe(this, CamposFlechas), AreaA1_, AreaA2_);
    if (!datos) {
        MostrarError(this, datos.error());
        return;
    }
    // Con la EHE-98 la duración no se ve ni se usa; viaja en los datos para «Comparar normas».
    const auto duracion = ce::LeerDuracionCarga(ui->GrupoDuracionCarga->itemIndex());
    if (duracion)
        datos.valor().Duracion = *duracion;
    else if (estado_.norma == Norma::CodigoEstructural) {
        MostrarError(this, duracion.error());
        return;
    }
    const auto calculo = CalcularFlecha(estado_, *datos);
    if (!calculo) {
        MostrarError(this, calculo.error());
        return;
    }
    emit calculado(*calculo);
}

} // namespace velmora
