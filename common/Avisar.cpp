#include "common/Avisar.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace velmora {

namespace {
SumideroAvisos& Sumidero() {
    static SumideroAvisos sumidero;
    return sumidero;
}
} // namespace

void Avisar(const QString& texto, QWidget* padre) {
    if (Sumidero()) {
        Sumidero()(padre, texto);
        return;
    }
    if (!padre)
        padre = QApplication::activeWindow();
    QMessageBox::warning(padre, QStringLiteral("Velmora"), texto);
}

SumideroAvisos FijarSumideroAvisos(SumideroAvisos sumidero) {
    return std::exchange(Sumidero(), std::move(sumidero));
}

} // namespace velmora
