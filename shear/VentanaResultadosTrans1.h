#pragma once

#include "shear/Cortante.h"

#include <QDialog>
#include <QFont>
#include <memory>

namespace Ui {
class TVentanaResultadosTrans1;
}

namespace velmora {

// Resultados de la armadura transversal de la viga: separación de los cercos elegidos en la
// zona de apoyo y en la central, recalculada al cambiar los cercos.
class TVentanaResultadosTrans1 : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosTrans1(QWidget* parent = nullptr);
    ~TVentanaResultadosTrans1() override;

    // Escribe los resultados del cálculo, diseña las zonas y abre la ventana (modal).
    void Mostrar(const CalculoCortante& calculo);
    // Escribe los resultados y diseña las zonas sin abrir la ventana.
    void Preparar(const CalculoCortante& calculo);

signals:
    // «Comparar normas»: el mismo cortante con los cercos elegidos, con las dos normas.
    void pideComparacion(const velmora::EleccionZonas& zonas);

private:
    // Los cercos elegidos, tal como están escritos en sus cuadros.
    EleccionZonas Eleccion() const;
    void DiametroZona1Change();
    // Diseña las dos zonas con los cercos elegidos. Con `reescribir`, un diámetro por debajo
    // del mínimo se sustituye también en su cuadro (no mientras el usuario escribe en él).
    void CalcularZonas(bool reescribir);

    std::unique_ptr<Ui::TVentanaResultadosTrans1> ui;
    CalculoCortante calculo_;
    bool calculado_ = false;
    QFont letraLongitud_;
};

} // namespace velmora
