#pragma once

#include "diagrams/DiagramaAcero.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TDiagramaCalculo;
}

namespace velmora {


// Diagrama de cálculo tensión-deformación del acero. Escribe su acero en el estado de diseño
// (ArmaduraPasiva, IndiceEs, fyk, gammaS, fyd), que queda así al cerrarla.
class TDiagramaCalculo : public QDialog {
    Q_OBJECT
public:
    explicit TDiagramaCalculo(EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TDiagramaCalculo() override;

    // Elecciones actuales de los cinco grupos.
    EleccionDiagrama Eleccion() const;

signals:
    // «Calcular» con una deformación leída (el estado de diseño ya tiene el acero): para la
    // memoria.
    void calculado(const velmora::EleccionDiagrama& eleccion, double eps);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void GrupoDesignacionAceroClick(int indice);
    void GrupoSituacionProyectoClick(int indice);
    void GrupoTipoDiagramaClick(int indice);
    void GrupoControlAceroClick(int indice);
    void GrupoValorEsClick(int indice);
    void BotonCalcularClick();
    void MostrarDiagrama();
    void Dibujar(bool conPunto, double eps);

    EstadoDiseno& estado_;
    std::unique_ptr<Ui::TDiagramaCalculo> ui;
};

} // namespace velmora
