#pragma once

#include "timedep/Fluencia.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TVentanaResultadosDeformacion;
}

namespace velmora {

// Resultados de la fluencia: las cuatro deformaciones, el coeficiente de fluencia y los valores
// intermedios.
class TVentanaResultadosDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosDeformacion(QWidget* parent = nullptr);
    ~TVentanaResultadosDeformacion() override;

    void Rellenar(const TextosFluencia& textos);
    // Los datos con que se calcularon los resultados mostrados, para «Comparar normas».
    void RecordarDatos(const DatosFluencia& datos);
    const std::optional<DatosFluencia>& DatosCalculados() const { return datos_; }

signals:
    // «Comparar normas»: los datos de los resultados con las dos normas.
    void pideComparacion();

private:
    void BotonCompararNormasClick();

    std::unique_ptr<Ui::TVentanaResultadosDeformacion> ui;
    std::optional<DatosFluencia> datos_;
};

} // namespace velmora
