#include "section/DominioDeDeformacion.h"

#include "common/Avisar.h"
#include "common/Campos.h"
#include "common/Recursos.h"
#include "section/Dominio.h"

#include "ui_DominioDeDeformacion.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace velmora {

TDominioDeDeformacion::TDominioDeDeformacion(const EstadoDiseno& estado, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TDominioDeDeformacion>()), estado_(estado) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DominioDeDeformacion"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Los rótulos fijos van sobre el dibujo, de fondo oscuro: letra clara y sin fondo propio.
    for (auto* rotulo : ui->Imagen->findChildren<QLabel*>()) {
        rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
        rotulo->setStyleSheet(QStringLiteral("color: #e6eef5; background: transparent;"));
    }
    connect(ui->BotonOK, &QPushButton::clicked, this, &QDialog::accept);
}

TDominioDeDeformacion::~TDominioDeDeformacion() = default;

bool TDominioDeDeformacion::CargarDibujo() {
    if (!CargarImagen(ui->Imagen, QStringLiteral("dominio01.bmp")))
        return false;
    original_ = ui->Imagen->pixmap();
    return true;
}

void TDominioDeDeformacion::Mostrar(const EstadoDiseno& estado, QWidget* padre) {
    // Sólo hay perfil que dibujar después de un cálculo que haya fijado el dominio.
    if (const auto dibujo = CalcularDibujoDominio(estado); !dibujo) {
        Avisar(Q(dibujo.error().mensaje), padre);
        return;
    }
    auto ventana = std::make_unique<TDominioDeDeformacion>(estado, padre);
    if (!ventana->CargarDibujo())
        return;
    ventana->exec();
}

void TDominioDeDeformacion::showEvent(QShowEvent* evento) {
    FormShow();
    QDialog::showEvent(evento);
    ui->BotonOK->setFocus();
}

void TDominioDeDeformacion::FormShow() {
    const auto perfil = CalcularDibujoDominio(estado_);
    if (!perfil) {
        ui->Etiqueta->setText(Q(perfil.error().mensaje));
        return;
    }
    ui->Etiqueta->setText(Q(perfil.valor().Etiqueta));
    if (original_.isNull())
        return;
    // Se dibuja en las coordenadas del propio dibujo, sobre una copia: cada apertura parte del
    // dibujo limpio.
    QPixmap dibujo = original_;
    {
        QPainter pintor(&dibujo);
        pintor.setPen(QPen(QColor(255, 255, 255), 2));
        QPolygon linea;
        for (const auto& p : perfil.valor().Puntos)
            linea << QPoint(p.x, p.y);
        pintor.drawPolyline(linea);
    }
    ui->Imagen->setPixmap(dibujo);
}

} // namespace velmora
