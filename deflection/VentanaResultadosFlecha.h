#pragma once

#include "deflection/ComparacionFlechas.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TVentanaResultadosFlecha;
}

namespace velmora {

// Inercia equivalente, módulo de deformación del hormigón y factor de flecha diferida, que se
// recalcula al cambiar la duración de la carga o el coeficiente escrito.
class TVentanaResultadosFlecha : public QDialog {
    Q_OBJECT
public:
    explicit TVentanaResultadosFlecha(QWidget* parent = nullptr);
    ~TVentanaResultadosFlecha() override;

    // Escribe los resultados del cálculo, calcula el factor y abre la ventana (modal).
    void Mostrar(const CalculoFlecha& calculo);
    // Lo mismo sin abrir la ventana.
    void Preparar(const CalculoFlecha& calculo);
    // Los datos del último cálculo y las entradas de cada norma, para «Comparar normas».
    DatosFlecha DatosCalculados() const { return calculo_.datos; }
    EntradasFlechaPorNorma EntradasComparacion() const;

signals:
    // «Comparar normas»: el último cálculo con las dos normas.
    void pideComparacion();

private:
    void GrupoDuracionCargaClick();
    void ValorChange();
    void CalcularFactor();
    void BotonCompararNormasClick();
    // Los controles de la norma del cálculo: ξ con la EHE-98, φ, ζ y el método con el Código
    // Estructural.
    void MostrarNorma(Norma norma);

    std::unique_ptr<Ui::TVentanaResultadosFlecha> ui;
    CalculoFlecha calculo_;             // el último cálculo
    double AreaA2_ = 0, b_ = 0, d_ = 0; // del último cálculo: mm², mm, mm
    double xi_ = 0;
    bool calculado_ = false;
};

} // namespace velmora
