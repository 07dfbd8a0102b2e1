#include "cracking/LienzoTrazos.h"

#include "section/GraficoInteraccion.h"

#include <QPainter>

namespace velmora {

LienzoTrazos::LienzoTrazos(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void LienzoTrazos::Fijar(std::function<std::vector<Trazo>(double, double)> componer) {
    componer_ = std::move(componer);
    update();
}

void LienzoTrazos::paintEvent(QPaintEvent*) {
    if (!componer_)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    PintarTrazos(p, componer_(width(), height()));
}

} // namespace velmora
