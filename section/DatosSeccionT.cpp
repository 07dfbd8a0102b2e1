#include "section/DatosSeccionT.h"

#include "ui_DatosSeccionT.h"

namespace velmora {

TDatosSeccionT::TDatosSeccionT(EstadoDiseno& estado, QWidget* parent)
    : TDatosSeccionComun(estado, TipoSeccion::EnT, parent), ui(std::make_unique<Ui::TDatosSeccionT>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DatosSeccionT"));
    Preparar({ui->Valor5, ui->Valor6, ui->GrupoDatoConocido, ui->Label7, ui->Label9,
              ui->BotonCalcular, ui->BotonMomento, ui->BotonOK});
}

TDatosSeccionT::~TDatosSeccionT() = default;

} // namespace velmora
