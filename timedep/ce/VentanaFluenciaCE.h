#pragma once

#include "timedep/ce/FluenciaCE.h"

#include <QDialog>
#include <memory>
#include <optional>

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

    // Los datos del último «Calcular» correcto, para «Comparar normas».
    const std::optional<ce::DatosFluenciaCE>& DatosCalculados() const { return datos_; }

signals:
    // «Comparar normas»: los datos del último cálculo con las dos normas.
    void pideComparacion();

private:
    void EspesorMedioConocidoClick();
    void BotonCalcularClick();
    void BotonCompararNormasClick();

    std::unique_ptr<Ui::TVentanaFluenciaCE> ui;
    std::optional<ce::DatosFluenciaCE> datos_;
};

} // namespace velmora
