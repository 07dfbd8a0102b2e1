#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaFluenciaCE;
}

namespace velmora {

// Fluencia según el Código Estructural: hormigón, humedad, sección, cemento, edades y tensión;
// «Calcular» escribe φ(t,t0) con cada factor y las deformaciones en la misma ventana.
class TVentanaFluenciaCE : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaFluenciaCE(QWidget* parent = nullptr);
    ~TVentanaFluenciaCE() override;

private:
    void EspesorMedioConocidoClick();
    void BotonCalcularClick();

    std::unique_ptr<Ui::TVentanaFluenciaCE> ui;
};

} // namespace velmora
