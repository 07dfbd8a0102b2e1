#include "diagrams/Rotulos.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

namespace velmora {

void HacerIndice(QLabel* etiqueta) {
    QFont letra = etiqueta->font();
    letra.setPointSizeF(letra.pointSizeF() * 0.72);
    etiqueta->setFont(letra);
}

void SubindiceEnHueco(QLabel* principal, QLabel* sub, const QString& prefijo) {
    HacerIndice(sub);
    if (auto* caja = sub->parentWidget() ? sub->parentWidget()->layout() : nullptr)
        caja->removeWidget(sub);
    auto* hueco = new QHBoxLayout(principal);
    hueco->setContentsMargins(QFontMetrics(principal->font()).horizontalAdvance(prefijo), 0, 0, 0);
    hueco->setSpacing(0);
    sub->setParent(principal);
    hueco->addWidget(sub, 0, Qt::AlignLeft | Qt::AlignBottom);
    hueco->addStretch();
    sub->show();
}

} // namespace velmora
