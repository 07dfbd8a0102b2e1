#include "section/DatosSeccionT.h"

#include "app/Aplicacion.h"
#include "common/Campos.h"

#include "ui_DatosSeccionT.h"

namespace velmora {

TDatosSeccionT::TDatosSeccionT(Aplicacion& app, QWidget* parent)
    : TDatosSeccionComun(app, parent), ui(std::make_unique<Ui::TDatosSeccionT>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DatosSeccionT"));
    Preparar({ui->Valor5, ui->Valor6, ui->GrupoDatoConocido, ui->Label7, ui->Label9,
              ui->BotonCalcular, ui->BotonMomento, ui->BotonOK});
}

TDatosSeccionT::~TDatosSeccionT() = default;

DatosSeccionTexto TDatosSeccionT::LeerGeometriaT() const {
    DatosSeccionTexto datos;
    datos.Rectangular = false;
    datos.h = S(ui->Valorh->text());
    datos.hf = S(ui->Valorhf->text());
    datos.b = S(ui->Valorb->text());
    datos.bw = S(ui->Valorbw->text());
    datos.d2 = S(ui->Valord2->text());
    datos.d1 = S(ui->Valord1->text());
    return datos;
}

} // namespace velmora
