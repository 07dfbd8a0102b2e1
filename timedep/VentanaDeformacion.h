#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaDeformacion;
}

namespace velmora {

struct DatosFluencia;
struct ResultadosFluencia;
struct TextosFluencia;

// Datos de la fluencia: hormigón, sección, tensión, ambiente y edades de carga y de cálculo.
class TVentanaDeformacion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaDeformacion(QWidget* parent = nullptr);
    ~TVentanaDeformacion() override;

signals:
    // Un cálculo correcto: los datos leídos, los resultados y sus rótulos.
    void calculado(const velmora::DatosFluencia& datos, const velmora::ResultadosFluencia& resultados,
                   const velmora::TextosFluencia& textos);

private:
    void EspesorFicticioConocidoClick();
    void BotonCalcularClick();

    std::unique_ptr<Ui::TVentanaDeformacion> ui;
};

} // namespace velmora
