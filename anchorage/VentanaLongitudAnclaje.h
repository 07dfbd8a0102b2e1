#pragma once

#include "anchorage/Anclaje.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaLongitudAnclaje;
}

namespace velmora {

struct Aplicacion;

// Datos de las longitudes de anclaje: acero, hormigón, tipo de anclaje, armaduras de las
// posiciones I y II (del selector de área) y, si se reduce, la armadura estricta.
class TVentanaLongitudAnclaje : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaLongitudAnclaje(Aplicacion& app, QWidget* parent = nullptr);
    ~TVentanaLongitudAnclaje() override;

    // Entrega desde la ventana de resultados de la armadura longitudinal (botones "Longitud
    // anclaje A1"/"A2"): prepara la ventana con la armadura proyectada y la muestra modal.
    // `armadura` es 1 (A1) o 2 (A2); los textos son los que muestra la ventana de resultados:
    // número de barras (NumeroA1/NumeroA2), diámetro en mm (DiametroTraccion/DiametroCompresion)
    // y área en cm² (AreaTraccion/AreaCompresion).
    void AbrirDesdeResultados(int armadura, const QString& textoNumero,
                              const QString& textoDiametro, const QString& textoArea);

    // Valores por posición conservados entre aperturas (φ, áreas y longitudes).
    const ValoresAnclaje& Valores() const { return valores_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void GrupoTipoAnclajeClick();
    void PosicionIIClick();
    void PosicionIClick();
    void ArmaduraSuperabundanteClick();
    void AreaPosicionIClick();
    void AreaPosicionIIClick();
    void EtiquetaAreaIClick();
    void EtiquetaAreaIIClick();
    void BotonAnclajeClick();

    void DefinirPosicion(int p);
    void DefinirAreaEstricta(int ranura);
    void HabilitarPosicion(int p);
    void PrepararAnclaje();
    void MostrarArmaduraAnclaje();
    void ActualizarRecubrimiento();

    Aplicacion& app_;
    std::unique_ptr<Ui::TVentanaLongitudAnclaje> ui;
    ValoresAnclaje valores_;
};

} // namespace velmora
