#include "deflection/VentanaFlechas.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"
#include "deflection/Flechas.h"
#include "deflection/VentanaResultadosFlecha.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "ui_VentanaFlechas.h"

#include <QLayout>

namespace velmora {

TVentanaFlechas::TVentanaFlechas(Aplicacion& app, QWidget* parent)
    : QDialog(parent), app_(app), ui(std::make_unique<Ui::TVentanaFlechas>()) {
    ui->setupUi(this);
    ui->GrupoTipoPieza->FijarElementos(
        {QStringLiteral("Simpl. apoyado, tramo continuo"), QStringLiteral("Voladizo")}, 0);
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
    if (!app_.VentanaArea->Seleccionar(1))
        return;
    AreaA1_ = app_.Estado.AreaTotal;
    ui->ValorA1->setText(Q(TextoArmadura(app_.Estado, 1)));
}

void TVentanaFlechas::ValorA2Click() {
    if (!app_.VentanaArea->Seleccionar(2))
        return;
    AreaA2_ = app_.Estado.AreaTotal;
    ui->ValorA2->setText(Q(TextoArmadura(app_.Estado, 2)));
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

void TVentanaFlechas::BotonCalcularClick() {
    const auto h = LeerCampo(ui->Valorh, QStringLiteral("Canto h"));
    if (!h)
        return;
    const auto b = LeerCampo(ui->Valorb, QStringLiteral("Ancho b"));
    if (!b)
        return;
    const auto d2 = LeerCampo(ui->Valord2, QStringLiteral("Recubrimiento d2"));
    if (!d2)
        return;
    const auto d1 = LeerCampo(ui->Valord1, QStringLiteral("Recubrimiento d1"));
    if (!d1)
        return;
    const auto Ma = LeerCampo(ui->ValorMa, QStringLiteral("Momento Ma"));
    if (!Ma)
        return;
    DatosFlecha datos;
    datos.h = *h * 1000;
    datos.b = *b * 1000;
    datos.d2 = *d2 * 1000;
    datos.d1 = *d1 * 1000;
    datos.Ma = *Ma * 1000000;
    datos.AreaA1 = AreaA1_;
    datos.AreaA2 = AreaA2_;
    const auto calculo = CalcularFlecha(app_.Estado, datos);
    if (!calculo) {
        MostrarError(this, calculo.error());
        return;
    }
    app_.VentanaResultadosFlecha->Mostrar(*calculo);
}

} // namespace velmora
