#include "deflection/VentanaResultadosFlecha.h"

#include "common/Campos.h"
#include "deflection/DescripcionFlechas.h"
#include "deflection/ce/FlechasCE.h"
#include "ui_VentanaResultadosFlecha.h"

#include <QLayout>

namespace velmora {

TVentanaResultadosFlecha::TVentanaResultadosFlecha(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaResultadosFlecha>()) {
    ui->setupUi(this);
    ui->GrupoDuracionCarga->FijarElementos(OpcionesDuracionCarga, 6);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Mostrar u ocultar ξ o el aviso no mueve el resto de la ventana.
    for (QWidget* w : {static_cast<QWidget*>(ui->Label10), static_cast<QWidget*>(ui->Valor),
                       static_cast<QWidget*>(ui->Aviso)}) {
        auto politica = w->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        w->setSizePolicy(politica);
    }
    ui->Aviso->hide();
    MostrarNorma(Norma::EHE98);
    connect(ui->CoeficienteFluencia, &QLineEdit::textChanged, this,
            &TVentanaResultadosFlecha::ValorChange);
    connect(ui->GrupoDuracionCarga, &GrupoOpciones::IndiceElegido, this,
            &TVentanaResultadosFlecha::GrupoDuracionCargaClick);
    connect(ui->Valor, &QLineEdit::textChanged, this, &TVentanaResultadosFlecha::ValorChange);
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaResultadosFlecha::BotonCompararNormasClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaResultadosFlecha::~TVentanaResultadosFlecha() = default;

void TVentanaResultadosFlecha::MostrarNorma(Norma norma) {
    const bool ce = norma == Norma::CodigoEstructural;
    ui->GrupoDuracionCarga->setVisible(!ce);
    const bool otro = ui->GrupoDuracionCarga->itemIndex() == 6;
    ui->Label10->setVisible(!ce && otro);
    ui->Valor->setVisible(!ce && otro);
    for (QWidget* w : {static_cast<QWidget*>(ui->EtiquetaPhi),
                       static_cast<QWidget*>(ui->CoeficienteFluencia),
                       static_cast<QWidget*>(ui->ValorZeta),
                       static_cast<QWidget*>(ui->EtiquetaMetodo),
                       static_cast<QWidget*>(ui->EtiquetaNorma)})
        w->setVisible(ce);
    if (!ce)
        return;
    ui->ValorZeta->setText(Q(ce::TextoZeta(calculo_)));
    ui->EtiquetaMetodo->setText(Q(std::string(ce::TextoMetodoCE)));
    ui->EtiquetaNorma->setText(Q(TextoNormaEnUso(norma)));
}

void TVentanaResultadosFlecha::Preparar(const CalculoFlecha& calculo) {
    calculo_ = calculo;
    MostrarNorma(calculo.norma);
    AreaA2_ = calculo.datos.AreaA2;
    b_ = calculo.datos.b;
    d_ = calculo.d;
    calculado_ = true;
    ui->MomentoInerciaEquivalente->setText(Q(TextoInercia(calculo.Ie)));
    ui->ModuloDeformacion->setText(Q(TextoModulo(calculo.Ec)));
    CalcularFactor();
}

void TVentanaResultadosFlecha::Mostrar(const CalculoFlecha& calculo) {
    Preparar(calculo);
    ui->BotonOK->setFocus();
    exec();
}

EntradasFlechaPorNorma TVentanaResultadosFlecha::EntradasComparacion() const {
    return {calculo_.norma, ui->GrupoDuracionCarga->itemIndex(), S(ui->Valor->text()),
            S(ui->CoeficienteFluencia->text())};
}

void TVentanaResultadosFlecha::BotonCompararNormasClick() {
    if (calculado_)
        emit pideComparacion();
}

void TVentanaResultadosFlecha::GrupoDuracionCargaClick() {
    const bool otro = ui->GrupoDuracionCarga->itemIndex() == 6;
    ui->Label10->setVisible(otro);
    ui->Valor->setVisible(otro);
    CalcularFactor();
}

void TVentanaResultadosFlecha::ValorChange() {
    CalcularFactor();
}

void TVentanaResultadosFlecha::CalcularFactor() {
    if (!calculado_)
        return;
    Resultado<double> lambda = 0.0;
    switch (calculo_.norma) {
    case Norma::CodigoEstructural:
        if (const auto f = ce::CalcularFactorCE(calculo_, S(ui->CoeficienteFluencia->text())))
            lambda = (*f).lambda;
        else
            lambda = f.error();
        break;
    case Norma::EHE98:
        lambda = velmora::CalcularFactor(AreaA2_, b_, d_, ui->GrupoDuracionCarga->itemIndex(),
                                         S(ui->Valor->text()), xi_);
        break;
    }
    if (!lambda) {
        ui->Factor->clear();
        ui->Aviso->setText(Q(lambda.error().mensaje));
        ui->Aviso->show();
        return;
    }
    ui->Aviso->hide();
    ui->Factor->setText(Q(TextoFactor(*lambda)));
}

} // namespace velmora
