#pragma once
// Dibujo del diagrama de interacción en la ventana: pinta los trazos de DibujoInteraccion al
// tamaño del control y, al pasar el ratón sobre una combinación, muestra sus valores.

#include "section/DibujoInteraccion.h"

#include <QWidget>

class QPainter;

namespace velmora {

// Pinta los trazos con QPainter (la misma lista que se escribe como SVG).
void PintarTrazos(QPainter& p, const std::vector<Trazo>& trazos);

class GraficoInteraccion : public QWidget {
    Q_OBJECT
public:
    explicit GraficoInteraccion(QWidget* parent = nullptr);

    // Contorno y combinaciones que se dibujan; sin contorno, el control queda en blanco con
    // `aviso` en el centro.
    void Fijar(const DiagramaInteraccion* diagrama,
               std::vector<ComprobacionCombinacion> combinaciones);
    void Vaciar(const QString& aviso);

    // El dibujo al tamaño actual del control.
    [[nodiscard]] DibujoInteraccion Dibujo() const;
    // Texto de la pista de la combinación más cercana a `punto` (a 8 píxeles o menos), o vacío.
    [[nodiscard]] QString PistaEn(QPointF punto) const;

signals:
    // El usuario ha pulsado sobre la combinación `indice`.
    void CombinacionPulsada(int indice);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    [[nodiscard]] int MarcaEn(QPointF punto) const;

    bool hayDiagrama_ = false;
    DiagramaInteraccion diagrama_;
    std::vector<ComprobacionCombinacion> combinaciones_;
    QString aviso_;
};

} // namespace velmora
