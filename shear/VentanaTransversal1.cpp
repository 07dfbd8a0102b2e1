#include "shear/VentanaTransversal1.h"

#include "common/Campos.h"
#include "design/Ranuras.h"
#include "design/VentanaArea.h"
#include "shear/DescripcionCortante.h"
#include "ui_VentanaTransversal1.h"

#include <QLayout>

namespace velmora {

TVentanaTransversal1::TVentanaTransversal1(EstadoDiseno& estado, TVentanaArea& selector,
                                           QWidget* parent)
    : QDialog(parent), estado_(estado), selector_(selector), ui(std::make_unique<Ui::TVentanaTransversal1>()) {
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
    if (!selector_.Seleccionar(0))
        return;
    Asl_ = estado_.AreaTotal;
    ui->ValorArea->setText(Q(TextoArmadura(estado_, 0)));
}

void TVentanaTransversal1::FijarArmadura(int ranura, bool definida) {
    Asl_ = definida ? AreaDeRanura(estado_, ranura) : 0.0;
    ui->ValorArea->setText(definida ? Q(TextoArmadura(estado_, ranura))
                                    : QStringLiteral("Defina armadura"));
}

// θe sólo cuenta con la EHE-98 (factor β); con el Código Estructural no se usa.
void TVentanaTransversal1::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    const bool tetae = UsaTetae(estado_.norma);
    for (QWidget* w : {static_cast<QWidget*>(ui->EtiquetaTetae),
                       static_cast<QWidget*>(ui->CuadroTetae),
                       static_cast<QWidget*>(ui->UnidadTetae)})
        w->setEnabled(tetae);
}

void TVentanaTransversal1::ArmaduraComprimidaClick() {
    const bool marcada = ui->ArmaduraComprimida->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(ui->Label40), static_cast<QWidget*>(ui->Label41),
                       static_cast<QWidget*>(ui->Label42), static_cast<QWidget*>(ui->Label43),
                       static_cast<QWidget*>(ui->CuadroDiametroMinimo),
                       static_cast<QWidget*>(ui->CuadroDiametroMaximo)})
        w->setEnabled(marcada);
}

EntradaComparacionCortante TVentanaTransversal1::EntradaComparacion() const {
    EntradaComparacionCortante entrada;
    entrada.textos = TextosDe(this, CamposCortante);
    entrada.ArmaduraComprimida = ui->ArmaduraComprimida->isChecked();
    entrada.Asl = Asl_;
    return entrada;
}

void TVentanaTransversal1::BotonCalcularClick() {
    const auto datos = LeerDatosCortante(TextosDe(this, CamposCortante),
                                         ui->ArmaduraComprimida->isChecked(), Asl_, estado_.norma);
    if (!datos) {
        MostrarError(this, datos.error());
        return;
    }
    const auto calculo = CalcularCortante(estado_, *datos);
    if (!calculo) {
        MostrarError(this, calculo.error());
        return;
    }
    emit calculado(*calculo);
}

} // namespace velmora
