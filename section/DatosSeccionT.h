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
    explicit TDatosSeccionT(Aplicacion& app, QWidget* parent = nullptr);
    ~TDatosSeccionT() override;

    // Lee h, hf, b, bw, d2 y d1 (m) tal como están escritos.
    DatosSeccionTexto LeerGeometriaT() const;

protected:
    DatosSeccionTexto LeerGeometriaVentana() const override { return LeerGeometriaT(); }

private:
    std::unique_ptr<Ui::TDatosSeccionT> ui;
};

} // namespace velmora
