#pragma once
// Momento de agotamiento en flexión simple de la sección de la ventana de datos, con las
// armaduras A1 (traccionada) y A2 (comprimida) elegidas como barras en el selector de área.

#include "common/ConArmaduras.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaMomento;
}

namespace velmora {

struct EstadoDiseno;
class TVentanaArea;

class TVentanaMomento : public QDialog, public ConArmaduras {
    Q_OBJECT
public:
    TVentanaMomento(EstadoDiseno& estado, TVentanaArea& area, QWidget* parent = nullptr);
    ~TVentanaMomento() override;

    // Calcula el momento con las armaduras marcadas y lo escribe en EtiquetaMomento; habilita
    // «Dominio». Si el cálculo no es posible, avisa y deja el rótulo vacío.
    void CalcularMomentoAgotamiento();
    // Vacía el rótulo del momento y deshabilita «Dominio».
    void LimpiarMomento();

    void BotonCalcularClick() { CalcularMomentoAgotamiento(); }
    void ComprimidaClick();
    void TraccionadaClick();
    void AreaComprimidaClick();
    void AreaTraccionadaClick();
    void BotonDominioClick();

    // Áreas aceptadas en el selector (mm²), recordadas durante toda la sesión.
    double As1Dada() const { return As1Dada_; }
    double As2Dada() const { return As2Dada_; }
    // Como aceptar en el selector la ranura `ranura` (definida) o como al arrancar, sin
    // armadura definida (no definida). Lo usan los proyectos al abrirse.
    void FijarArmadura(int ranura, bool definida) override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::unique_ptr<Ui::TVentanaMomento> ui;
    EstadoDiseno& estado_;
    TVentanaArea& area_;
    double As1Dada_ = 0.0;
    double As2Dada_ = 0.0;
};

} // namespace velmora
