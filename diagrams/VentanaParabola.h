#pragma once

#include "diagrams/ParabolaRectangulo.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaParabola;
}

namespace velmora {


// Diagrama parábola-rectángulo del hormigón: resultante y centro de gravedad de las compresiones
// de una sección rectangular o en T para una profundidad de fibra neutra dada. Escribe la
// sección y el hormigón en el estado de diseño (al cerrarla, quien la abrió devuelve fck, gammaC
// y fcd a los de los parámetros generales).
class TVentanaParabola : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaParabola(EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TVentanaParabola() override;

    // Textos de los campos y elecciones actuales.
    DatosParabola Datos() const;

signals:
    // Un cálculo correcto (el estado de diseño ya tiene su bloque): para la memoria.
    void calculado(const velmora::ValoresParabola& datos);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void ResistenciaCaracteristicaChange(const QString& texto);
    void GrupoSituacionProyectoClick(int indice);
    void GrupoTipoSeccionClick(int indice);
    void BotonCalcularClick();
    // Con el Código Estructural, la ley que se usa (εc2, εcu2, n y fcd para la fck escrita);
    // oculta con la EHE-98.
    void MostrarLey();

    // Sin resultado a la vista (un dato rechazado, o la norma ha cambiado).
    void BorrarResultado();

    EstadoDiseno& estado_;
    Norma normaMostrada_ = Norma::EHE98;
    std::unique_ptr<Ui::TVentanaParabola> ui;
};

} // namespace velmora
