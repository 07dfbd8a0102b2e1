#pragma once
// Dibujo del bloque de compresiones del hormigón: la sección (rectangular o en T) a escala con la
// zona comprimida y la fibra neutra, y al lado la ley parábola-rectángulo de tensiones sobre el
// canto con la resultante C en su centro de gravedad.

#include "diagrams/ParabolaRectangulo.h"

#include <QWidget>

namespace velmora {

class GraficoBloque : public QWidget {
    Q_OBJECT
public:
    explicit GraficoBloque(QWidget* parent = nullptr);
    void Fijar(const DibujoBloque& dibujo);
    // Sin datos: sólo el aviso de que falta calcular.
    void Vaciar();
    const DibujoBloque& Dibujo() const { return dibujo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    DibujoBloque dibujo_;
};

} // namespace velmora
