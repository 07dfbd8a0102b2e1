#pragma once

#include "design/EstadoDiseno.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TParametrosGenerales;
}

namespace velmora {

// Parámetros generales: acero, hormigón, situación de proyecto y tipo de elemento. OK deriva y
// guarda los materiales en el estado de diseño.
class TParametrosGenerales : public QDialog {
    Q_OBJECT
public:
    explicit TParametrosGenerales(EstadoDiseno& estado, QWidget* parent = nullptr);
    ~TParametrosGenerales() override;

    // Lo que las demás ventanas leen directamente de estos controles al calcular.
    EleccionParametros Eleccion() const;
    TipoDeElemento TipoElemento() const { return Eleccion().TipoElemento; }
    int DesignacionAcero() const { return Eleccion().DesignacionAcero; }
    int SituacionProyecto() const { return Eleccion().SituacionProyecto; }
    QString TextoResistencia() const;
    Norma NormaElegida() const { return Eleccion().norma; }
    // Elige la norma como con un clic en su grupo (el programa recuerda la última al arrancar).
    void FijarNorma(Norma norma);

signals:
    // OK ha confirmado los materiales con esta norma.
    void normaConfirmada(Norma norma);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void GrupoDesignacionAceroClick(int indice);
    void GrupoControlAceroClick(int indice);
    void GrupoSituacionProyectoClick(int indice);
    void ResistenciaCaracteristicaChange(const QString& texto);
    void GrupoControlHormigonClick(int indice);
    void GrupoTipoElementoClick(int indice);
    void GrupoNormaClick(int indice);
    // Rótulos y controles que dependen de la norma, del nivel de control y del tipo de elemento.
    void AplicarNorma();
    void BotonOKClick();

    EstadoDiseno& estado_;
    std::unique_ptr<Ui::TParametrosGenerales> ui;
};

} // namespace velmora
