#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaTransversal1;
}

namespace velmora {

struct Aplicacion;

// Datos de la armadura transversal de una viga (EHE-98, art. 44). «Calcular» abre los
// resultados por zonas.
class TVentanaTransversal1 : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaTransversal1(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaTransversal1() override;

    // Área de la armadura longitudinal traccionada confirmada en el selector (mm²).
    double Asl() const { return Asl_; }

private:
    void ValorAreaClick();
    void ArmaduraComprimidaClick();
    void BotonCalcularClick();

    Aplicacion& app_;
    std::unique_ptr<Ui::TVentanaTransversal1> ui;
    double Asl_ = 0;
};

} // namespace velmora
