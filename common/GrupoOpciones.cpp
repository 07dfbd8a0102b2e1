#include "common/GrupoOpciones.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace velmora {

GrupoOpciones::GrupoOpciones(QWidget* parent) : QGroupBox(parent), grupo_(new QButtonGroup(this)) {
    grupo_->setExclusive(true);
    connect(grupo_, &QButtonGroup::idClicked, this, &GrupoOpciones::IndiceElegido);
}

void GrupoOpciones::FijarElementos(const QStringList& elementos, int indice, int columnas) {
    for (auto* b : botones_) {
        grupo_->removeButton(b);
        delete b;
    }
    botones_.clear();
    delete layout();
    auto* rejilla = new QGridLayout(this);
    columnas = std::max(1, columnas);
    const int filas = (static_cast<int>(elementos.size()) + columnas - 1) / columnas;
    for (int i = 0; i < elementos.size(); ++i) {
        auto* b = new QRadioButton(elementos[i], this);
        b->setObjectName(objectName() + QStringLiteral("_%1").arg(i));
        grupo_->addButton(b, i);
        botones_.append(b);
        rejilla->addWidget(b, i % filas, i / filas);
    }
    setItemIndex(indice);
}

void GrupoOpciones::FijarElementos(std::span<const std::string_view> elementos, int indice,
                                   int columnas) {
    QStringList textos;
    for (const std::string_view e : elementos)
        textos.append(QString::fromUtf8(e.data(), static_cast<qsizetype>(e.size())));
    FijarElementos(textos, indice, columnas);
}

int GrupoOpciones::itemIndex() const { return grupo_->checkedId(); }

void GrupoOpciones::setItemIndex(int indice) {
    if (indice >= 0 && indice < botones_.size()) {
        botones_[indice]->setChecked(true);
    } else if (auto* b = grupo_->checkedButton()) {
        grupo_->setExclusive(false);
        b->setChecked(false);
        grupo_->setExclusive(true);
    }
}

QRadioButton* GrupoOpciones::Boton(int i) const {
    return (i >= 0 && i < botones_.size()) ? botones_[i] : nullptr;
}

} // namespace velmora
