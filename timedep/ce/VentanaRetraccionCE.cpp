#include "timedep/ce/VentanaRetraccionCE.h"

#include "common/Campos.h"
#include "norma/Norma.h"
#include "timedep/ce/ControlesCE.h"
#include "timedep/ce/RetraccionCE.h"
#include "ui_VentanaRetraccionCE.h"

namespace velmora {

TVentanaRetraccionCE::TVentanaRetraccionCE(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaRetraccionCE>()) {
    ui->setupUi(this);
    ui->GrupoClaseCemento->FijarElementos(ce::OpcionesClaseCemento, ce::ClaseCementoDeArranque);
    ce::MostrarEspesorMedio(this, false);
    ui->EtiquetaNorma->setText(Q(TextoNormaEnUso(Norma::CodigoEstructural)));

    connect(ui->EspesorMedioConocido, &QCheckBox::clicked, this,
            &TVentanaRetraccionCE::EspesorMedioConocidoClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this,
            &TVentanaRetraccionCE::BotonCalcularClick);
    connect(ui->BotonCompararNormas, &QPushButton::clicked, this,
            &TVentanaRetraccionCE::BotonCompararNormasClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaRetraccionCE::~TVentanaRetraccionCE() = default;

void TVentanaRetraccionCE::EspesorMedioConocidoClick() {
    ce::MostrarEspesorMedio(this, ui->EspesorMedioConocido->isChecked());
}

void TVentanaRetraccionCE::BotonCalcularClick() {
    const auto cemento = ce::LeerClaseCemento(ui->GrupoClaseCemento->itemIndex());
    const auto datos = cemento
                           ? ce::LeerDatosRetraccionCE(TextosDe(this, ce::CamposRetraccionCE),
                                                       ui->EspesorMedioConocido->isChecked(),
                                                       *cemento)
                           : Resultado<ce::DatosRetraccionCE>(cemento.error());
    const auto r = datos ? ce::CalcularRetraccionCE(*datos)
                         : Resultado<ce::ResultadosRetraccionCE>(datos.error());
    if (!r) {
        MostrarError(this, r.error());
        return;
    }
    datos_ = *datos;
    ui->BotonCompararNormas->setEnabled(true);
    const ce::TextosRetraccionCE t = ce::RotularRetraccionCE(*r);
    const std::pair<QLabel*, const std::string&> rotulos[] = {
        {ui->Valorh0, t.h0},
        {ui->Valorfcm, t.fcm},
        {ui->ValorBetaHR, t.BetaHR},
        {ui->ValorEpsilonCd0, t.EpsilonCd0},
        {ui->Valorkh, t.kh},
        {ui->ValorBetaDs, t.BetaDs},
        {ui->ValorEpsilonCd, t.EpsilonCd},
        {ui->ValorEpsilonCaInf, t.EpsilonCaInf},
        {ui->ValorBetaAs, t.BetaAs},
        {ui->ValorEpsilonCa, t.EpsilonCa},
        {ui->ValorEpsilonCs, t.EpsilonCs},
    };
    for (const auto& [etiqueta, texto] : rotulos)
        etiqueta->setText(Q(texto));
}

void TVentanaRetraccionCE::BotonCompararNormasClick() {
    if (datos_)
        emit pideComparacion();
}

} // namespace velmora
