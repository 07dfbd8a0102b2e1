#pragma once
// Lienzo que pinta un dibujo de trazos compuesto a su tamaño (el de la sección en servicio).

#include "section/DibujoInteraccion.h"

#include <QWidget>
#include <functional>
#include <vector>

namespace velmora {

class LienzoTrazos : public QWidget {
public:
    explicit LienzoTrazos(QWidget* parent = nullptr);
    // Cómo se compone el dibujo para un ancho y un alto (píxeles); vacío: nada que dibujar.
    void Fijar(std::function<std::vector<Trazo>(double, double)> componer);
    void Vaciar() { Fijar({}); }
    [[nodiscard]] bool Vacio() const { return !componer_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::function<std::vector<Trazo>(double, double)> componer_;
};

} // namespace velmora
