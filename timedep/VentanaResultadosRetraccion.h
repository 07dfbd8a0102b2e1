#pragma once

#include "timedep/Retraccion.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TVentanaResultadosRetraccion;
}

namespace velmora {

// Resultados de la retracción: la deformación y los valores intermedios.
class TVentanaResultadosRetraccion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosRetraccion(QWidget* parent = nullptr);
    ~TVentanaResultadosRetraccion() override;

    void Rellenar(const TextosRetraccion& textos);
    // Los datos con que se calcularon los resultados mostrados, para «Comparar normas».
    void RecordarDatos(const DatosRetraccion& datos);
    const std::optional<DatosRetraccion>& DatosCalculados() const { return datos_; }

signals:
    // «Comparar normas»: los datos de los resultados con las dos normas.
    void pideComparacion();

private:
    void BotonCompararNormasClick();

    std::unique_ptr<Ui::TVentanaResultadosRetraccion> ui;
    std::optional<DatosRetraccion> datos_;
};

} // namespace velmora
