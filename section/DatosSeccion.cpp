#include "section/DatosSeccion.h"

#include "ui_DatosSeccion.h"

namespace velmora {

TDatosSeccion::TDatosSeccion(EstadoDiseno& estado, QWidget* parent)
    : TDatosSeccionComun(estado, TipoSeccion::Rectangular, parent), ui(std::make_unique<Ui::TDatosSeccion>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DatosSeccion"));
    Preparar({ui->Valor5, ui->Valor6, ui->GrupoDatoConocido, ui->Label7, ui->Label9,
              ui->BotonCalcular, ui->BotonMomento, ui->BotonOK});
}

TDatosSeccion::~TDatosSeccion() = default;

} // namespace velmora
