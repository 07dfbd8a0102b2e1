#include "section/GraficoInteraccion.h"

#include "common/Campos.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <cmath>

namespace velmora {

namespace {

QColor Color(const std::string& c) {
    return c.empty() || c == "none" ? QColor(Qt::transparent) : QColor(QString::fromStdString(c));
}

void PintarTexto(QPainter& p, const Trazo& t) {
    QFont letra = p.font();
    letra.setPixelSize(static_cast<int>(std::lround(t.Tamano)));
    letra.setBold(t.Negrita);
    p.setFont(letra);
    p.setPen(Color(t.Color));
    const QString texto = Q(t.Texto);
    const double ancho = p.fontMetrics().horizontalAdvance(texto);
    double x = t.Puntos[0].x;
    if (t.Ancla == AnclaTexto::Centro)
        x -= ancho / 2;
    else if (t.Ancla == AnclaTexto::Fin)
        x -= ancho;
    p.drawText(QPointF(x, t.Puntos[0].y), texto);
}

} // namespace

void PintarTrazos(QPainter& p, const std::vector<Trazo>& trazos) {
    for (const auto& t : trazos) {
        QPen pluma(Color(t.Color), t.Grosor);
        if (t.Color == "none" || t.Grosor <= 0)
            pluma = Qt::NoPen;
        if (t.Discontinuo)
            pluma.setStyle(Qt::DashLine);
        p.setPen(pluma);
        p.setBrush(t.Relleno.empty() ? QBrush(Qt::NoBrush) : QBrush(Color(t.Relleno)));
        switch (t.Tipo) {
        case TipoTrazo::Linea:
            p.drawLine(QPointF(t.Puntos[0].x, t.Puntos[0].y), QPointF(t.Puntos[1].x, t.Puntos[1].y));
            break;
        case TipoTrazo::Rectangulo:
            p.drawRect(QRectF(QPointF(t.Puntos[0].x, t.Puntos[0].y),
                              QPointF(t.Puntos[1].x, t.Puntos[1].y)));
            break;
        case TipoTrazo::Poligono: {
            QPolygonF poligono;
            for (const auto& q : t.Puntos)
                poligono << QPointF(q.x, q.y);
            p.drawPolygon(poligono);
            break;
        }
        case TipoTrazo::Circulo:
            p.drawEllipse(QPointF(t.Puntos[0].x, t.Puntos[0].y), t.Radio, t.Radio);
            break;
        case TipoTrazo::Texto:
            PintarTexto(p, t);
            break;
        }
    }
}

GraficoInteraccion::GraficoInteraccion(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoInteraccion::Fijar(const DiagramaInteraccion* diagrama,
                               std::vector<ComprobacionCombinacion> combinaciones) {
    hayDiagrama_ = diagrama != nullptr;
    if (diagrama)
        diagrama_ = *diagrama;
    combinaciones_ = std::move(combinaciones);
    aviso_.clear();
    update();
}

void GraficoInteraccion::Vaciar(const QString& aviso) {
    hayDiagrama_ = false;
    combinaciones_.clear();
    aviso_ = aviso;
    update();
}

DibujoInteraccion GraficoInteraccion::Dibujo() const {
    if (!hayDiagrama_)
        return {};
    return ComponerDibujoInteraccion(diagrama_, combinaciones_, width(), height());
}

void GraficoInteraccion::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    if (!hayDiagrama_) {
        p.setPen(QColor(0x77, 0x77, 0x77));
        p.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
                   aviso_.isEmpty() ? QStringLiteral("Sin diagrama") : aviso_);
        return;
    }
    PintarTrazos(p, Dibujo().Trazos);
}

int GraficoInteraccion::MarcaEn(QPointF punto) const {
    if (!hayDiagrama_)
        return -1;
    int mejor = -1;
    double distancia = 8.0;
    const auto dibujo = Dibujo();
    for (const auto& m : dibujo.Marcas) {
        const double d = std::hypot(m.Centro.x - punto.x(), m.Centro.y - punto.y());
        if (d <= distancia) {
            distancia = d;
            mejor = static_cast<int>(m.Indice);
        }
    }
    return mejor;
}

QString GraficoInteraccion::PistaEn(QPointF punto) const {
    const int i = MarcaEn(punto);
    if (i < 0)
        return {};
    return Q(PistaCombinacion(combinaciones_[static_cast<std::size_t>(i)]));
}

void GraficoInteraccion::mouseMoveEvent(QMouseEvent* evento) {
    const QString pista = PistaEn(evento->position());
    if (pista.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(evento->globalPosition().toPoint(), pista, this);
    QWidget::mouseMoveEvent(evento);
}

void GraficoInteraccion::mousePressEvent(QMouseEvent* evento) {
    const int i = MarcaEn(evento->position());
    if (i >= 0)
        emit CombinacionPulsada(i);
    QWidget::mousePressEvent(evento);
}

} // namespace velmora
