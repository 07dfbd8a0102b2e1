#include "timedep/VentanaRetraccion.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"
#include "timedep/ControlesComunes.h"
#include "timedep/Retraccion.h"
#include "timedep/VentanaResultadosRetraccion.h"
#include "ui_VentanaRetraccion.h"

namespace velmora {

TVentanaRetraccion::TVentanaRetraccion(Aplicacion& app, QWidget* parent)
    : QDialog(parent), app_(app), ui(std::make_unique<Ui::TVentanaRetraccion>()) {
    ui->setupUi(this);
    ui->GrupoConsistencia->FijarElementos(
        {QStringLiteral("Seca"), QStringLiteral("Plástica"), QStringLiteral("Semifluida")}, 1);
    ui->GrupoMedioAmbiente->FijarElementos(ElementosMedioAmbiente(), 2);

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
    EntradaRetraccion entrada;
    entrada.Edad = S(ui->Edad->text());
    entrada.Consistencia = ui->GrupoConsistencia->itemIndex();
    entrada.MedioAmbiente = ui->GrupoMedioAmbiente->itemIndex();
    entrada.EspesorFicticioConocido = ui->EspesorFicticioConocido->isChecked();
    entrada.Area = S(ui->Area->text());
    entrada.Perimetro = S(ui->Perimetro->text());

    const auto datos = LeerDatosRetraccion(entrada);
    if (!datos) {
        MostrarError(this, datos.error());
        return;
    }
    const auto r = CalcularRetraccion(datos.valor());
    if (!r) {
        MostrarError(this, r.error());
        return;
    }
    app_.VentanaResultadosRetraccion->Rellenar(RotularRetraccion(r.valor(), entrada.Edad));
    app_.VentanaResultadosRetraccion->exec();
}

} // namespace velmora
