#include "section/DatosSeccion.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"

#include "ui_DatosSeccion.h"

namespace velmora {

TDatosSeccion::TDatosSeccion(Aplicacion& app, QWidget* parent)
    : TDatosSeccionComun(app, parent), ui(std::make_unique<Ui::TDatosSeccion>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DatosSeccion"));
    Preparar({ui->Valor5, ui->Valor6, ui->GrupoDatoConocido, ui->Label7, ui->Label9,
              ui->BotonCalcular, ui->BotonMomento, ui->BotonOK});
}

TDatosSeccion::~TDatosSeccion() = default;

DatosSeccionTexto TDatosSeccion::LeerGeometria() const {
    DatosSeccionTexto datos;
    datos.Rectangular = true;
    datos.h = S(ui->Valor1->text());
    datos.b = S(ui->Valor2->text());
    datos.d2 = S(ui->Valor3->text());
    datos.d1 = S(ui->Valor4->text());
    return datos;
}

} // namespace velmora
