#pragma once
// Ventana de datos de la sección rectangular.

#include "section/DatosSeccionComun.h"

#include <memory>

namespace Ui {
class TDatosSeccion;
}

namespace velmora {

class TDatosSeccion : public TDatosSeccionComun {
    Q_OBJECT
public:
    explicit TDatosSeccion(EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TDatosSeccion() override;

private:
    std::unique_ptr<Ui::TDatosSeccion> ui;
};

} // namespace velmora
