#pragma once
// Dibujo del diagrama de cálculo tensión-deformación del acero: rama elástica, rama plástica
// (recta en la armadura pasiva, curva en la activa), punto de fyd y punto de la deformación
// escrita.

#include "diagrams/DiagramaAcero.h"

#include <QWidget>

namespace velmora {

class GraficoAcero : public QWidget {
    Q_OBJECT
public:
    explicit GraficoAcero(QWidget* parent = nullptr);
    void Fijar(const DibujoAcero& dibujo);
    const DibujoAcero& Dibujo() const { return dibujo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    DibujoAcero dibujo_;
};

} // namespace velmora
