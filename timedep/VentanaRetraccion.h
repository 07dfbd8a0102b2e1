#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaRetraccion;
}

namespace velmora {

struct DatosRetraccion;
struct ResultadosRetraccion;
struct TextosRetraccion;

// Datos de la retracción: edad, consistencia, ambiente y sección.
class TVentanaRetraccion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaRetraccion(QWidget* parent = nullptr);
    ~TVentanaRetraccion() override;

signals:
    // Un cálculo correcto: los datos leídos, los resultados y sus rótulos.
    void calculado(const velmora::DatosRetraccion& datos, const velmora::ResultadosRetraccion& resultados,
                   const velmora::TextosRetraccion& textos);

private:
    void EspesorFicticioConocidoClick();
    void BotonCalcularClick();

    std::unique_ptr<Ui::TVentanaRetraccion> ui;
};

} // namespace velmora
