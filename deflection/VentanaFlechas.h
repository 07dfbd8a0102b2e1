#pragma once

#include "common/ConArmaduras.h"
#include "deflection/Flechas.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaFlechas;
}

namespace velmora {

struct EstadoDiseno;
class TVentanaArea;

// Datos de la pieza para las flechas de una viga (EHE-98, art. 50.2.2): «Calcular» avisa con
// `calculado`, que abre la inercia equivalente, el módulo del hormigón y el factor de flecha
// diferida.
class TVentanaFlechas : public QDialog, public ConArmaduras {
    Q_OBJECT
public:
    TVentanaFlechas(EstadoDiseno& estado, TVentanaArea& selector, QWidget* parent = nullptr);
    ~TVentanaFlechas() override;

    // Áreas confirmadas en el selector (mm²): A1 en la cara traccionada, A2 en la comprimida.
    double AreaA1() const { return AreaA1_; }
    double AreaA2() const { return AreaA2_; }
    // Como aceptar en el selector la ranura `ranura` (definida) o como al arrancar, sin
    // armadura definida (no definida). Lo usan los proyectos al abrirse.
    void FijarArmadura(int ranura, bool definida) override;

signals:
    void calculado(const velmora::CalculoFlecha& calculo);

protected:
    // La duración de la carga (β de ζ) sólo se elige con el Código Estructural.
    void showEvent(QShowEvent* evento) override;

private:
    void ValorA1Click();
    void ValorA2Click();
    void GrupoTipoPiezaClick();
    void BotonCalcularClick();

    EstadoDiseno& estado_;
    TVentanaArea& selector_;
    std::unique_ptr<Ui::TVentanaFlechas> ui;
    double AreaA1_ = 0, AreaA2_ = 0;
};

} // namespace velmora
