#include "diagrams/GraficoBloque.h"

#include "diagrams/Grafico.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace velmora {

GraficoBloque::GraficoBloque(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoBloque::Fijar(const DibujoBloque& dibujo) {
    dibujo_ = dibujo;
    update();
}

void GraficoBloque::Vaciar() {
    Fijar(DibujoBloque{});
}

namespace {
QString Metros(double mm) {
    return QString::number(mm * 0.001, 'f', 3);
}
} // namespace

void GraficoBloque::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PintarFondo(p, *this, QStringLiteral("Bloque de compresiones del hormigón"));
    const QFontMetrics fm(font());

    const DibujoBloque& d = dibujo_;
    if (d.Tensiones.empty() || !(d.h > 0.0) || !(d.b > 0.0)) {
        p.setPen(QColor(90, 90, 90));
        p.drawText(rect(), Qt::AlignCenter,
                   QStringLiteral("Pulse «Calcular» para dibujar el bloque\n"
                                  "de la profundidad de fibra neutra dada."));
        return;
    }

    // Escala común de longitudes: la sección cabe en la altura y en un tercio del ancho.
    const double arriba = fm.height() * 3 + 12, abajo = height() - fm.height() * 3 - 12;
    const double anchoSeccion = width() * 0.34;
    const double k = std::min((abajo - arriba) / d.h, anchoSeccion / d.b);
    const double xs = 34 + (anchoSeccion - d.b * k) / 2.0; // borde izquierdo del ala
    auto Y = [&](double y) { return arriba + y * k; };
    const double centro = xs + d.b * k / 2.0;

    // Contorno de la sección.
    QPainterPath seccion;
    if (d.Rectangular) {
        seccion.addRect(QRectF(xs, Y(0), d.b * k, d.h * k));
    } else {
        const double xw = centro - d.bw * k / 2.0;
        QPolygonF t;
        t << QPointF(xs, Y(0)) << QPointF(xs + d.b * k, Y(0)) << QPointF(xs + d.b * k, Y(d.hf))
          << QPointF(xw + d.bw * k, Y(d.hf)) << QPointF(xw + d.bw * k, Y(d.h))
          << QPointF(xw, Y(d.h)) << QPointF(xw, Y(d.hf)) << QPointF(xs, Y(d.hf));
        t << t.front();
        seccion.addPolygon(t);
    }
    const double fondo = std::min(d.x, d.h);
    QPainterPath comprimida;
    comprimida.addRect(QRectF(xs - 1, Y(0), d.b * k + 2, fondo * k));
    p.fillPath(seccion.intersected(comprimida), QColor(200, 215, 240));
    p.setPen(QPen(Qt::black, 1.6));
    p.drawPath(seccion);

    // Armadura de tracción a d1 del borde inferior.
    p.setBrush(Qt::black);
    const double anchoInferior = (d.Rectangular ? d.b : d.bw) * k;
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(centro + (i - 1) * anchoInferior * 0.3, Y(d.h - d.d1)), 2.8, 2.8);
    p.setBrush(Qt::NoBrush);

    // Cota del canto.
    p.setPen(Qt::black);
    const double xc = xs - 14;
    DibujarFlecha(p, xc, (Y(0) + Y(d.h)) / 2.0, xc, Y(0));
    DibujarFlecha(p, xc, (Y(0) + Y(d.h)) / 2.0, xc, Y(d.h));
    p.save();
    p.translate(xc - 4, (Y(0) + Y(d.h)) / 2.0);
    p.rotate(-90);
    p.drawText(QRectF(-60, -fm.height(), 120, fm.height()), Qt::AlignHCenter,
               QStringLiteral("h = %1 m").arg(Metros(d.h)));
    p.restore();

    // Ley de tensiones a la derecha de la sección, sobre el mismo canto.
    const double x0 = xs + d.b * k + 44;
    const double ancho = std::max(60.0, width() - x0 - 70);
    const double sMax = 0.85 * d.fcd;
    auto X = [&](double s) { return sMax > 0.0 ? x0 + s / sMax * ancho : x0; };
    QPolygonF bloque;
    bloque << QPointF(x0, Y(0));
    for (const auto& q : d.Tensiones)
        bloque << QPointF(X(q.sigma), Y(q.y));
    bloque << QPointF(x0, Y(d.Tensiones.back().y));
    p.setPen(QPen(QColor(30, 80, 170), 1.6));
    p.setBrush(QColor(190, 205, 235));
    p.drawPolygon(bloque);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(x0, Y(0)), QPointF(x0, Y(d.h)));
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(QPointF(X(sMax), Y(0) - 6), QPointF(X(sMax), Y(fondo)));
    p.setPen(Qt::black);
    DibujarTextoRico(p, x0, arriba - fm.height() * 2 - 4,
                     QStringLiteral("0.85·f<sub>cd</sub> = %1 N/mm²").arg(sMax, 0, 'f', 2));
    DibujarTextoRico(p, x0, arriba - fm.height() - 4,
                     QStringLiteral("ε<sub>c</sub> = %1 ‰ arriba").arg(d.epsC * 1000.0, 0, 'f', 2));

    // Fibra neutra.
    p.setPen(QPen(QColor(170, 30, 30), 1.2, Qt::DashDotLine));
    if (d.x <= d.h) {
        p.drawLine(QPointF(xs - 6, Y(d.x)), QPointF(X(sMax) + 16, Y(d.x)));
        p.setPen(QColor(170, 30, 30));
        p.drawText(QPointF(X(sMax) + 20, Y(d.x) + fm.ascent() / 2.0), QStringLiteral("x"));
    }

    // Resultante en su centro de gravedad.
    const double yc = Y(d.yc);
    p.setPen(QPen(QColor(0, 120, 60), 2.0));
    DibujarFlecha(p, X(sMax) + 50, yc, x0 + 2, yc);
    p.setPen(QColor(0, 120, 60));
    p.drawText(QPointF(X(sMax) + 54, yc + fm.ascent() / 2.0), QStringLiteral("C"));

    // Valores al pie.
    const double pie = height() - fm.height() * 2 - 8;
    p.setPen(QColor(0, 120, 60));
    double xt = 12;
    xt +=
        DibujarTextoRico(p, xt, pie, QStringLiteral("C = %1 kN").arg(d.Cc * 0.001, 0, 'f', 3)) + 18;
    xt +=
        DibujarTextoRico(p, xt, pie, QStringLiteral("x<sub>g</sub> = %1 m").arg(Metros(d.yc))) + 18;
    p.setPen(QColor(170, 30, 30));
    DibujarTextoRico(
        p, xt, pie,
        d.x <= d.h ? QStringLiteral("x = %1 m").arg(Metros(d.x))
                   : QStringLiteral("x = %1 m, bajo la sección: toda comprimida").arg(Metros(d.x)));
}

} // namespace velmora
