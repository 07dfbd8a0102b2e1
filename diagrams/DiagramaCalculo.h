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

    // Elecciones actuales de los cinco grupos y de la rama superior (Código Estructural; k y
    // εuk con sus valores de arranque).
    EleccionDiagrama Eleccion() const;
    // Las mismas con k y εuk leídos si la rama es la inclinada (el error nombra el campo).
    Resultado<EleccionDiagrama> EleccionLeida() const;

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
    void GrupoRamaSuperiorClick(int indice);
    void RamaInclinadaChange();
    // Controles y rótulos de la norma del estado (al abrirse con otra norma): con el Código
    // Estructural, la rama superior y sus datos, sin tipo de diagrama ni Es a elegir.
    void AplicarNorma();
    // Rótulos de las elecciones sobre un estado (el de diseño, o una copia al abrirse).
    void MostrarRotulos(EstadoDiseno& e);
    // fyd, las tres tensiones características y el resultado borrado, con sus unidades.
    void PonerRotulos(const RotulosDiagrama& r);
    void BotonCalcularClick();
    void MostrarDiagrama();
    void Dibujar(bool conPunto, double eps);

    EstadoDiseno& estado_;
    Norma normaMostrada_ = Norma::EHE98;
    std::unique_ptr<Ui::TDiagramaCalculo> ui;
};

} // namespace velmora
