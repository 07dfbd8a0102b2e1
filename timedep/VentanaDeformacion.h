#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaDeformacion;
}

namespace velmora {

struct Aplicacion;

// Datos de la fluencia: hormigón, sección, tensión, ambiente y edades de carga y de cálculo.
class TVentanaDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaDeformacion(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaDeformacion() override;

private:
    void EspesorFicticioConocidoClick();
    void BotonCalcularClick();

    Aplicacion& app_;
    std::unique_ptr<Ui::TVentanaDeformacion> ui;
};

} // namespace velmora
