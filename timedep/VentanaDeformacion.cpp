#include "timedep/VentanaDeformacion.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"
#include "timedep/ControlesComunes.h"
#include "timedep/Fluencia.h"
#include "timedep/VentanaResultadosDeformacion.h"
#include "ui_VentanaDeformacion.h"

namespace velmora {

TVentanaDeformacion::TVentanaDeformacion(Aplicacion& app, QWidget* parent)
    : QDialog(parent), app_(app), ui(std::make_unique<Ui::TVentanaDeformacion>()) {
    ui->setupUi(this);
    ui->GrupoMedioAmbiente->FijarElementos(ElementosMedioAmbiente(), 2);
    ui->ResistenciaCaracteristica->setCurrentText(QStringLiteral("200"));

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
    EntradaFluencia entrada;
    entrada.ResistenciaCaracteristica = S(ui->ResistenciaCaracteristica->currentText());
    entrada.EspesorFicticioConocido = ui->EspesorFicticioConocido->isChecked();
    entrada.Area = S(ui->Area->text());
    entrada.Perimetro = S(ui->Perimetro->text());
    entrada.Tension = S(ui->Tension->text());
    entrada.MedioAmbiente = ui->GrupoMedioAmbiente->itemIndex();
    entrada.Tiempo01 = S(ui->Tiempo01->text());
    entrada.Tiempo02 = S(ui->Tiempo02->text());

    const auto datos = LeerDatosFluencia(entrada);
    if (!datos) {
        MostrarError(this, datos.error());
        return;
    }
    const auto r = CalcularFluencia(datos.valor());
    if (!r) {
        MostrarError(this, r.error());
        return;
    }
    app_.VentanaResultadosDeformacion->Rellenar(
        RotularFluencia(r.valor(), entrada.Tiempo01, entrada.Tiempo02));
    app_.VentanaResultadosDeformacion->exec();
}

} // namespace velmora
