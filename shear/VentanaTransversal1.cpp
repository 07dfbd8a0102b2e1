#include "shear/VentanaTransversal1.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "shear/Cortante.h"
#include "shear/VentanaResultadosTrans1.h"
#include "ui_VentanaTransversal1.h"

#include <QLayout>

namespace velmora {

TVentanaTransversal1::TVentanaTransversal1(Aplicacion& app, QWidget* parent)
    : QDialog(parent), app_(app), ui(std::make_unique<Ui::TVentanaTransversal1>()) {
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui->BotonOK->setAutoDefault(false);
    ui->BotonCalcular->setAutoDefault(false);
    ui->ValorArea->setAutoDefault(false);
    connect(ui->ValorArea, &QPushButton::clicked, this, &TVentanaTransversal1::ValorAreaClick);
    connect(ui->ArmaduraComprimida, &QCheckBox::clicked, this,
            &TVentanaTransversal1::ArmaduraComprimidaClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this,
            &TVentanaTransversal1::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
    ArmaduraComprimidaClick();
}

TVentanaTransversal1::~TVentanaTransversal1() = default;

void TVentanaTransversal1::ValorAreaClick() {
    if (!app_.VentanaArea->Seleccionar(0))
        return;
    Asl_ = app_.Estado.AreaTotal;
    ui->ValorArea->setText(Q(TextoArmadura(app_.Estado, 0)));
}

void TVentanaTransversal1::ArmaduraComprimidaClick() {
    const bool marcada = ui->ArmaduraComprimida->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(ui->Label40), static_cast<QWidget*>(ui->Label41),
                       static_cast<QWidget*>(ui->Label42), static_cast<QWidget*>(ui->Label43),
                       static_cast<QWidget*>(ui->CuadroDiametroMinimo),
                       static_cast<QWidget*>(ui->CuadroDiametroMaximo)})
        w->setEnabled(marcada);
}

void TVentanaTransversal1::BotonCalcularClick() {
    DatosCortante datos;
    const auto d = LeerCampo(ui->CuadroCantoUtil, QStringLiteral("Canto útil d"));
    if (!d)
        return;
    const auto b = LeerCampo(ui->CuadroAncho, QStringLiteral("Ancho b"));
    if (!b)
        return;
    const auto alfa = LeerCampo(ui->CuadroAlfa, QStringLiteral("Ángulo α"));
    if (!alfa)
        return;
    const auto teta = LeerCampo(ui->CuadroTeta, QStringLiteral("Ángulo θ"));
    if (!teta)
        return;
    const auto tetae = LeerCampo(ui->CuadroTetae, QStringLiteral("Ángulo θe"));
    if (!tetae)
        return;
    const auto Vd1 = LeerCampo(ui->CuadroVd1, QStringLiteral("Cortante Vd1"));
    if (!Vd1)
        return;
    const auto Vd2 = LeerCampo(ui->CuadroVd2, QStringLiteral("Cortante Vd2"));
    if (!Vd2)
        return;
    const auto Vd3 = LeerCampo(ui->CuadroVd3, QStringLiteral("Cortante Vd3"));
    if (!Vd3)
        return;
    datos.d = *d * 1000;
    datos.b = *b * 1000;
    datos.alfa = *alfa;
    datos.teta = *teta;
    datos.tetae = *tetae;
    datos.Vd1 = *Vd1 * 1000;
    datos.Vd2 = *Vd2 * 1000;
    datos.Vd3 = *Vd3 * 1000;
    datos.Asl = Asl_;
    datos.ArmaduraComprimida = ui->ArmaduraComprimida->isChecked();
    if (datos.ArmaduraComprimida) {
        const auto phiMin =
            LeerCampo(ui->CuadroDiametroMinimo, QStringLiteral("Diámetro mínimo comprimido"));
        if (!phiMin)
            return;
        const auto phiMax =
            LeerCampo(ui->CuadroDiametroMaximo, QStringLiteral("Diámetro máximo comprimido"));
        if (!phiMax)
            return;
        datos.phiMinComp = *phiMin;
        datos.phiMaxComp = *phiMax;
    }
    const auto calculo = CalcularCortante(app_.Estado, datos);
    if (!calculo) {
        MostrarError(this, calculo.error());
        return;
    }
    app_.VentanaResultadosTrans1->Mostrar(*calculo);
}

} // namespace velmora
