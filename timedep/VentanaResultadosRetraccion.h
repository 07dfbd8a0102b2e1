#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaResultadosRetraccion;
}

namespace velmora {

struct TextosRetraccion;

// Resultados de la retracción: la deformación y los valores intermedios.
class TVentanaResultadosRetraccion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosRetraccion(QWidget* parent = nullptr);
    ~TVentanaResultadosRetraccion() override;

    void Rellenar(const TextosRetraccion& textos);

private:
    std::unique_ptr<Ui::TVentanaResultadosRetraccion> ui;
};

} // namespace velmora
