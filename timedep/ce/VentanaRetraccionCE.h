#pragma once

#include "timedep/ce/RetraccionCE.h"

#include <QDialog>
#include <memory>
#include <optional>

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

    // Los datos del último «Calcular» correcto, para «Comparar normas».
    const std::optional<ce::DatosRetraccionCE>& DatosCalculados() const { return datos_; }

signals:
    // «Comparar normas»: los datos del último cálculo con las dos normas.
    void pideComparacion();

private:
    void EspesorMedioConocidoClick();
    void BotonCalcularClick();
    void BotonCompararNormasClick();

    std::unique_ptr<Ui::TVentanaRetraccionCE> ui;
    std::optional<ce::DatosRetraccionCE> datos_;
};

} // namespace velmora
