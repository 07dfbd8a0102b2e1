#include "report/DialogoDatosProyecto.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>

namespace velmora {

DatosProyecto LeerDatosProyecto() {
    QSettings s(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    s.beginGroup(QStringLiteral("DatosProyecto"));
    return {s.value(QStringLiteral("proyecto")).toString().toStdString(),
            s.value(QStringLiteral("elemento")).toString().toStdString(),
            s.value(QStringLiteral("autor")).toString().toStdString()};
}

void GuardarDatosProyecto(const DatosProyecto& d) {
    QSettings s(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    s.beginGroup(QStringLiteral("DatosProyecto"));
    s.setValue(QStringLiteral("proyecto"), QString::fromStdString(d.proyecto));
    s.setValue(QStringLiteral("elemento"), QString::fromStdString(d.elemento));
    s.setValue(QStringLiteral("autor"), QString::fromStdString(d.autor));
}

DialogoDatosProyecto::DialogoDatosProyecto(QWidget* padre)
    : QDialog(padre), proyecto_(new QLineEdit(this)), elemento_(new QLineEdit(this)),
      autor_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("DialogoDatosProyecto"));
    setWindowTitle(QStringLiteral("Datos del proyecto"));
    proyecto_->setObjectName(QStringLiteral("Proyecto"));
    elemento_->setObjectName(QStringLiteral("Elemento"));
    autor_->setObjectName(QStringLiteral("Autor"));
    const DatosProyecto d = LeerDatosProyecto();
    proyecto_->setText(QString::fromStdString(d.proyecto));
    elemento_->setText(QString::fromStdString(d.elemento));
    autor_->setText(QString::fromStdString(d.autor));
    for (auto* c : {proyecto_, elemento_, autor_}) {
        c->setMaxLength(200);
        c->setMinimumWidth(360);
    }
    auto* forma = new QFormLayout(this);
    forma->addRow(QStringLiteral("&Proyecto:"), proyecto_);
    forma->addRow(QStringLiteral("&Elemento:"), elemento_);
    forma->addRow(QStringLiteral("&Autor:"), autor_);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    forma->addRow(botones);
    connect(botones, &QDialogButtonBox::accepted, this, [this] {
        GuardarDatosProyecto(Datos());
        accept();
    });
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

DatosProyecto DialogoDatosProyecto::Datos() const {
    return {proyecto_->text().trimmed().toStdString(), elemento_->text().trimmed().toStdString(),
            autor_->text().trimmed().toStdString()};
}

} // namespace velmora
