#pragma once

#include "norma/Norma.h"
#include "shear/DescripcionCortante.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaTransversal2;
}

namespace velmora {

struct EstadoDiseno;

// Cercos de un pilar (EHE-98, art. 42.3.1, o Código Estructural, Anejo 19, 9.5.3). Se recalcula
// al salir de un campo o al cambiar un diámetro, y al abrirse si la norma cambió desde el último
// resultado; un dato no válido se explica bajo el resultado, sin cuadros de mensaje.
class TVentanaTransversal2 : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaTransversal2(EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TVentanaTransversal2() override;

signals:
    // «Comparar normas»: los datos escritos, ya leídos, con las dos normas.
    void pideComparacion(const velmora::DatosCercos& datos);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void DiametroMinimoChange();
    void DiametroMaximoChange();
    void Ajustar(bool cambioMinimo);
    void CalcularCercos();
    void BotonCompararNormasClick();
    void MostrarAviso(const QString& texto);

    EstadoDiseno& estado_;
    std::unique_ptr<Ui::TVentanaTransversal2> ui;
    Norma normaMostrada_ = Norma::EHE98; // norma del resultado a la vista
};

} // namespace velmora
