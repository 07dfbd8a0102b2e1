#pragma once

#include <QDialog>
#include <memory>

struct Aplicacion;
struct TextosFluencia;
namespace Ui {
class TVentanaResultadosDeformacion;
}

// Resultados de la fluencia: las cuatro deformaciones, el coeficiente de fluencia y los valores
// intermedios.
class TVentanaResultadosDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosDeformacion(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaResultadosDeformacion() override;

    void Rellenar(const TextosFluencia& textos);

private:
    Aplicacion& app_;
    std::unique_ptr<Ui::TVentanaResultadosDeformacion> ui;
};
