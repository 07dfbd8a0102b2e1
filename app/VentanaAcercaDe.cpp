#include "app/VentanaAcercaDe.h"

#include "ui_VentanaAcercaDe.h"

#include "assets/Dibujos.h"

#include <QPixmap>
#include <QStyle>

namespace velmora {

TVentanaAcercaDe::TVentanaAcercaDe(Aplicacion&, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVentanaAcercaDe>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("VentanaAcercaDe"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QFont nombre(QStringLiteral("DejaVu Serif"));
    nombre.setPointSizeF(font().pointSizeF() * 2.6);
    nombre.setBold(true);
    nombre.setItalic(true);
    ui->NombreProducto->setFont(nombre);
    QFont texto = font();
    texto.setPointSizeF(texto.pointSizeF() * 1.15);
    for (QLabel* l : {ui->Version, ui->Instruccion1, ui->Instruccion2})
        l->setFont(texto);
    const int lado = QFontMetrics(nombre).height() + 8;
    QPixmap icono = QPixmap::fromImage(DibujarIcono(lado * 2));
    icono.setDevicePixelRatio(2.0);
    ui->Icono->setPixmap(icono);
    ui->BotonOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BotonOK->setMinimumWidth(ui->BotonOK->sizeHint().width() + 30);

    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TVentanaAcercaDe::~TVentanaAcercaDe() = default;

} // namespace velmora
