#pragma once

#include "anchorage/Anclaje.h"
#include "common/ConArmaduras.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TVentanaLongitudAnclaje;
}

namespace velmora {

struct EleccionParametros;
class TVentanaArea;

// Datos de las longitudes de anclaje: acero, hormigón, tipo de anclaje, armaduras de las
// posiciones I y II (del selector de área) y, si se reduce, la armadura estricta.
class TVentanaLongitudAnclaje : public QDialog, public ConArmaduras {
    Q_OBJECT
public:
    TVentanaLongitudAnclaje(EstadoDiseno& estado, TVentanaArea& selector,
                            QWidget* parent = nullptr);
    ~TVentanaLongitudAnclaje() override;

    // De dónde toma el acero y la resistencia al recibir una armadura: las elecciones actuales
    // de los parámetros generales. Sin fuente, las de arranque (B 400 S, 25).
    void FijarParametros(std::function<EleccionParametros()> fuente);

    // Entrega desde la ventana de resultados de la armadura longitudinal (botones "Longitud
    // anclaje A1"/"A2"): prepara la ventana con la armadura proyectada y la muestra modal.
    // `armadura` es 1 (A1) o 2 (A2); los textos son los que muestra la ventana de resultados:
    // número de barras (NumeroA1/NumeroA2), diámetro en mm (DiametroTraccion/DiametroCompresion)
    // y área en cm² (AreaTraccion/AreaCompresion).
    void RecibirArmadura(int armadura, const QString& textoNumero, const QString& textoDiametro,
                         const QString& textoArea);
    // El mismo paso con su nombre anterior.
    void AbrirDesdeResultados(int armadura, const QString& textoNumero,
                              const QString& textoDiametro, const QString& textoArea) {
        RecibirArmadura(armadura, textoNumero, textoDiametro, textoArea);
    }

    // Valores por posición conservados entre aperturas (φ, áreas y longitudes).
    const ValoresAnclaje& Valores() const { return valores_; }
    // Lo que lee «Longitud anclaje» de la ventana, tal como está escrito.
    EntradaAnclaje Entrada() const;
    // Como aceptar en el selector la ranura `ranura` (1: posición I, 2: posición II) (definida) o como al arrancar, sin
    // armadura definida (no definida). Lo usan los proyectos al abrirse.
    void FijarArmadura(int ranura, bool definida) override;

signals:
    // «Longitud anclaje» calculó las longitudes: se muestran en la ventana de resultados.
    void calculado(const velmora::SalidaAnclaje& salida);

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

    EstadoDiseno& estado_;
    TVentanaArea& selector_;
    std::function<EleccionParametros()> parametros_;
    std::unique_ptr<Ui::TVentanaLongitudAnclaje> ui;
    ValoresAnclaje valores_;
};

} // namespace velmora
