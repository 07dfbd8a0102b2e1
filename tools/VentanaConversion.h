#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class TVentanaConversion;
}

namespace velmora {

// Conversión de unidades de longitud, fuerza, momento, tensión e inercia. Convierte de nuevo a
// cada cambio del valor o de cualquier elección; no toca el estado de diseño.
class TVentanaConversion : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaConversion(QWidget* parent = nullptr);
    ~TVentanaConversion() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void GrupoTipoLongitudOrigenClick(int indice);
    void GrupoTipoFuerzaOrigenClick(int indice);
    void GrupoTipoLongitudFinalClick(int indice);
    void GrupoTipoFuerzaFinalClick(int indice);
    void GrupoTipoConversionClick();
    void ActualizarUnidadesOrigen();
    void ActualizarUnidadesFinal();
    void Convertir();

    std::unique_ptr<Ui::TVentanaConversion> ui;
    QString UnidadFuerzaOrigen, UnidadLongitudOrigen, UnidadFuerzaFinal, UnidadLongitudFinal;
};

} // namespace velmora
