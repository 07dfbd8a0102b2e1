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
    explicit TDatosSeccion(Aplicacion& app, QWidget* parent = nullptr);
    ~TDatosSeccion() override;

    // Lee h, b, d2 y d1 (m) tal como están escritos.
    DatosSeccionTexto LeerGeometria() const;

protected:
    DatosSeccionTexto LeerGeometriaVentana() const override { return LeerGeometria(); }

private:
    std::unique_ptr<Ui::TDatosSeccion> ui;
};

} // namespace velmora
