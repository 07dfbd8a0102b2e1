#pragma once

#include "common/ConArmaduras.h"
#include "shear/ComparacionNormas.h"
#include "shear/Cortante.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaTransversal1;
}

namespace velmora {

struct EstadoDiseno;
class TVentanaArea;

// Datos de la armadura transversal de una viga (EHE-98, art. 44, o Código Estructural, Anejo 19,
// 6.2, según la norma del estado de diseño). «Calcular» avisa con
// `calculado`, que abre los resultados por zonas.
class TVentanaTransversal1 : public QDialog, public ConArmaduras {
    Q_OBJECT
public:
    TVentanaTransversal1(EstadoDiseno& estado, TVentanaArea& selector, QWidget* parent = nullptr);
    ~TVentanaTransversal1() override;

    // Área de la armadura longitudinal traccionada confirmada en el selector (mm²).
    double Asl() const { return Asl_; }
    // Lo que lee «Comparar normas» de esta ventana: sus textos, la casilla y el área (los
    // cercos los pone la ventana de resultados).
    EntradaComparacionCortante EntradaComparacion() const;
    // Como aceptar en el selector la ranura `ranura` (definida) o como al arrancar, sin
    // armadura definida (no definida). Lo usan los proyectos al abrirse.
    void FijarArmadura(int ranura, bool definida) override;

signals:
    void calculado(const velmora::CalculoCortante& calculo);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void ValorAreaClick();
    void ArmaduraComprimidaClick();
    void BotonCalcularClick();

    EstadoDiseno& estado_;
    TVentanaArea& selector_;
    std::unique_ptr<Ui::TVentanaTransversal1> ui;
    double Asl_ = 0;
};

} // namespace velmora
