#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaRetraccionCE;
}

namespace velmora {

// Retracción según el Código Estructural: hormigón, humedad, sección, cemento y edades;
// «Calcular» escribe la retracción por secado, la autógena y la total con sus factores.
class TVentanaRetraccionCE : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaRetraccionCE(QWidget* parent = nullptr);
    ~TVentanaRetraccionCE() override;

private:
    void EspesorMedioConocidoClick();
    void BotonCalcularClick();

    std::unique_ptr<Ui::TVentanaRetraccionCE> ui;
};

} // namespace velmora
