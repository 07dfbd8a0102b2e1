#include "timedep/ce/VentanaFluenciaCE.h"

#include "common/Campos.h"
#include "norma/Norma.h"
#include "timedep/ce/ControlesCE.h"
#include "timedep/ce/FluenciaCE.h"
#include "ui_VentanaFluenciaCE.h"

namespace velmora {

TVentanaFluenciaCE::TVentanaFluenciaCE(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaFluenciaCE>()) {
    ui->setupUi(this);
    ui->GrupoClaseCemento->FijarElementos(ce::OpcionesClaseCemento, ce::ClaseCementoDeArranque);
    ce::MostrarEspesorMedio(this, false);
    ui->EtiquetaNorma->setText(Q(TextoNormaEnUso(Norma::CodigoEstructural)));

    connect(ui->EspesorMedioConocido, &QCheckBox::clicked, this,
            &TVentanaFluenciaCE::EspesorMedioConocidoClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this,
            &TVentanaFluenciaCE::BotonCalcularClick);
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaFluenciaCE::BotonCompararNormasClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaFluenciaCE::~TVentanaFluenciaCE() = default;

void TVentanaFluenciaCE::EspesorMedioConocidoClick() {
    ce::MostrarEspesorMedio(this, ui->EspesorMedioConocido->isChecked());
}

void TVentanaFluenciaCE::BotonCalcularClick() {
    const auto cemento = ce::LeerClaseCemento(ui->GrupoClaseCemento->itemIndex());
    const auto datos = cemento ? ce::LeerDatosFluenciaCE(TextosDe(this, ce::CamposFluenciaCE),
                                                         ui->EspesorMedioConocido->isChecked(),
                                                         *cemento)
                               : Resultado<ce::DatosFluenciaCE>(cemento.error());
    const auto r = datos ? ce::CalcularFluenciaCE(*datos)
                         : Resultado<ce::ResultadosFluenciaCE>(datos.error());
    if (!r) {
        MostrarError(this, r.error());
        return;
    }
    datos_ = *datos;
    ui->BotonCompararNormas->setEnabled(true);
    const ce::TextosFluenciaCE t = ce::RotularFluenciaCE(*r);
    const std::pair<QLabel*, const std::string&> rotulos[] = {
        {ui->Valorh0, t.h0},
        {ui->Valorfcm, t.fcm},
        {ui->ValorEcm, t.Ecm},
        {ui->ValorEc, t.Ec},
        {ui->ValorPhiHR, t.PhiHR},
        {ui->ValorBetaFcm, t.BetaFcm},
        {ui->ValorT0, t.T0Corregida},
        {ui->ValorBetaT0, t.BetaT0},
        {ui->ValorPhi0, t.Phi0},
        {ui->ValorBetaH, t.BetaH},
        {ui->ValorBetaC, t.BetaC},
        {ui->ValorPhi, t.Phi},
        {ui->ValorFckT0, t.FckT0},
        {ui->ValorKSigma, t.KSigma},
        {ui->ValorFactorNoLineal, t.FactorNoLineal},
        {ui->ValorPhiNl, t.PhiNl},
        {ui->DeformacionElastica, t.DeformacionElastica},
        {ui->DeformacionFluencia, t.DeformacionFluencia},
        {ui->DeformacionTotal, t.DeformacionTotal},
        {ui->AvisoNoLineal, t.Aviso},
    };
    for (const auto& [etiqueta, texto] : rotulos)
        etiqueta->setText(Q(texto));
}

void TVentanaFluenciaCE::BotonCompararNormasClick() {
    if (datos_)
        emit pideComparacion();
}

} // namespace velmora
