#pragma once
// Ventana de datos de la sección en T.

#include "section/DatosSeccionComun.h"

#include <memory>

namespace Ui {
class TDatosSeccionT;
}

namespace velmora {

class TDatosSeccionT : public TDatosSeccionComun {
    Q_OBJECT
public:
    explicit TDatosSeccionT(EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TDatosSeccionT() override;

private:
    std::unique_ptr<Ui::TDatosSeccionT> ui;
};

} // namespace velmora
