#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaResultadosDeformacion;
}

namespace velmora {

struct TextosFluencia;

// Resultados de la fluencia: las cuatro deformaciones, el coeficiente de fluencia y los valores
// intermedios.
class TVentanaResultadosDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosDeformacion(QWidget* parent = nullptr);
    ~TVentanaResultadosDeformacion() override;

    void Rellenar(const TextosFluencia& textos);

private:
    std::unique_ptr<Ui::TVentanaResultadosDeformacion> ui;
};

} // namespace velmora
