#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaRetraccion;
}

namespace velmora {

struct Aplicacion;

// Datos de la retracción: edad, consistencia, ambiente y sección.
class TVentanaRetraccion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaRetraccion(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaRetraccion() override;

private:
    void EspesorFicticioConocidoClick();
    void BotonCalcularClick();

    Aplicacion& app_;
    std::unique_ptr<Ui::TVentanaRetraccion> ui;
};

} // namespace velmora
