#pragma once

#include "deflection/Flechas.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaResultadosFlecha;
}

namespace velmora {

struct Aplicacion;

// Inercia equivalente, módulo de deformación del hormigón y factor de flecha diferida, que se
// recalcula al cambiar la duración de la carga o el coeficiente escrito.
class TVentanaResultadosFlecha : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosFlecha(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaResultadosFlecha() override;

    // Escribe los resultados del cálculo, calcula el factor y abre la ventana (modal).
    void Mostrar(const CalculoFlecha& calculo);
    // Lo mismo sin abrir la ventana.
    void Preparar(const CalculoFlecha& calculo);

private:
    void GrupoDuracionCargaClick();
    void ValorChange();
    void CalcularFactor();

    Aplicacion& app_;
    std::unique_ptr<Ui::TVentanaResultadosFlecha> ui;
    double AreaA2_ = 0;
    double xi_ = 0;
    bool calculado_ = false;
};

} // namespace velmora
