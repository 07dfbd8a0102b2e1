#include "timedep/VentanaRetraccion.h"

#include "common/Campos.h"
#include "timedep/ControlesComunes.h"
#include "timedep/DescripcionDiferidas.h"
#include "timedep/Retraccion.h"
#include "ui_VentanaRetraccion.h"

namespace velmora {

TVentanaRetraccion::TVentanaRetraccion(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaRetraccion>()) {
    ui->setupUi(this);
    ui->GrupoConsistencia->FijarElementos(OpcionesConsistencia, 1);
    ui->GrupoMedioAmbiente->FijarElementos(OpcionesMedioAmbiente, 2);

    connect(ui->EspesorFicticioConocido, &QCheckBox::clicked, this,
            &TVentanaRetraccion::EspesorFicticioConocidoClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this,
            &TVentanaRetraccion::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaRetraccion::~TVentanaRetraccion() = default;

void TVentanaRetraccion::EspesorFicticioConocidoClick() {
    MostrarEspesorConocido(ui->EspesorFicticioConocido->isChecked(), ui->EtiquetaAreaSeccion,
                           ui->Area, ui->UnidadArea, ui->EtiquetaPerimetro, ui->Perimetro);
}

void TVentanaRetraccion::BotonCalcularClick() {
    const auto datos = LeerDatosRetraccion(
        TextosDe(this, CamposRetraccion), ui->EspesorFicticioConocido->isChecked(),
        static_cast<MedioAmbiente>(ui->GrupoMedioAmbiente->itemIndex()),
        static_cast<Consistencia>(ui->GrupoConsistencia->itemIndex()));
    const auto r =
        datos ? CalcularRetraccion(datos.valor()) : Resultado<ResultadosRetraccion>(datos.error());
    if (!r) {
        MostrarError(this, r.error());
        return;
    }
    emit calculado(datos.valor(), r.valor(), RotularRetraccion(r.valor(), S(ui->Edad->text())));
}

} // namespace velmora
