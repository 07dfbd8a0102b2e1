#include "timedep/VentanaDeformacion.h"

#include "common/Campos.h"
#include "timedep/ControlesComunes.h"
#include "timedep/DescripcionDiferidas.h"
#include "timedep/Fluencia.h"
#include "ui_VentanaDeformacion.h"

namespace velmora {

TVentanaDeformacion::TVentanaDeformacion(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaDeformacion>()) {
    ui->setupUi(this);
    ui->GrupoMedioAmbiente->FijarElementos(OpcionesMedioAmbiente, 2);
    ui->ResistenciaCaracteristica->setCurrentText(Q(std::string(CampoFckFluencia.defecto)));

    connect(ui->EspesorFicticioConocido, &QCheckBox::clicked, this,
            &TVentanaDeformacion::EspesorFicticioConocidoClick);
    connect(ui->BotonCalcular, &QPushButton::clicked, this,
            &TVentanaDeformacion::BotonCalcularClick);
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaDeformacion::~TVentanaDeformacion() = default;

void TVentanaDeformacion::EspesorFicticioConocidoClick() {
    MostrarEspesorConocido(ui->EspesorFicticioConocido->isChecked(), ui->EtiquetaAreaSeccion,
                           ui->Area, ui->UnidadArea, ui->EtiquetaPerimetro, ui->Perimetro);
}

void TVentanaDeformacion::BotonCalcularClick() {
    const auto datos = LeerDatosFluencia(TextosDe(this, CamposFluencia),
                                         ui->EspesorFicticioConocido->isChecked(),
                                         static_cast<MedioAmbiente>(ui->GrupoMedioAmbiente->itemIndex()));
    const auto r = datos ? CalcularFluencia(datos.valor()) : Resultado<ResultadosFluencia>(datos.error());
    if (!r) {
        MostrarError(this, r.error());
        return;
    }
    emit calculado(datos.valor(), r.valor(),
                   RotularFluencia(r.valor(), S(ui->Tiempo01->text()), S(ui->Tiempo02->text())));
}

} // namespace velmora
