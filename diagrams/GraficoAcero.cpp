#include "diagrams/GraficoAcero.h"

#include "diagrams/Grafico.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace velmora {

GraficoAcero::GraficoAcero(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoAcero::Fijar(const DibujoAcero& dibujo) {
    dibujo_ = dibujo;
    update();
}

void GraficoAcero::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const DibujoAcero& d = dibujo_;
    PintarFondo(p, *this,
                d.Activo ? QStringLiteral("Diagrama σ–ε de cálculo, armadura activa")
                         : QStringLiteral("Diagrama σ–ε de cálculo, armadura pasiva"));
    const QFontMetrics fm(font());
    if (d.RamaElastica.empty() || d.RamaPlastica.empty())
        return;

    // Ejes: ε en tanto por mil, σ en N/mm².
    const double izquierda = 62, derecha = width() - 54, arriba = fm.height() * 2 + 12,
                 abajo = height() - fm.height() * 2 - 14;
    const double sMax = d.sigmaMax * 1.12, sMin = std::min(0.0, d.sigmaMin * 1.12);
    const Escala ex{d.epsMin * 1000.0, d.epsMax * 1000.0 * 1.04, izquierda, derecha};
    const Escala ey{sMin, sMax, abajo, arriba};
    auto X = [&](double eps) { return ex(eps * 1000.0); };

    // Rejilla y divisiones.
    p.setPen(QColor(225, 225, 225));
    const auto divX = Divisiones(ex.min, ex.max, 6);
    const auto divY = Divisiones(ey.min, ey.max, 6);
    for (double v : divX)
        p.drawLine(QPointF(ex(v), arriba), QPointF(ex(v), abajo));
    for (double v : divY)
        p.drawLine(QPointF(izquierda, ey(v)), QPointF(derecha, ey(v)));
    p.setPen(Qt::black);
    const double y0 = ey(0.0), x0 = ex(0.0);
    DibujarFlecha(p, izquierda, y0, derecha + 14, y0);
    DibujarFlecha(p, x0, abajo, x0, arriba - 10);
    for (double v : divX) {
        p.drawLine(QPointF(ex(v), y0 - 3), QPointF(ex(v), y0 + 3));
        p.drawText(QRectF(ex(v) - 30, y0 + 4, 60, fm.height()), Qt::AlignHCenter,
                   TextoDivision(v, 3));
    }
    for (double v : divY) {
        if (v == 0.0)
            continue;
        p.drawLine(QPointF(x0 - 3, ey(v)), QPointF(x0 + 3, ey(v)));
        p.drawText(QRectF(x0 - 60, ey(v) - fm.height() / 2.0, 54, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, TextoDivision(v, 1));
    }
    p.drawText(QRectF(derecha - 80, y0 + fm.height() + 6, 130, fm.height()), Qt::AlignRight,
               QStringLiteral("ε (‰)"));
    p.drawText(QRectF(x0 + 8, arriba - fm.height() - 8, 120, fm.height()), Qt::AlignLeft,
               QStringLiteral("σ (N/mm²)"));

    // Ramas.
    QPen elastica(QColor(30, 80, 170), 2.2);
    p.setPen(elastica);
    p.drawLine(QPointF(X(d.RamaElastica.front().eps), ey(d.RamaElastica.front().sigma)),
               QPointF(X(d.RamaElastica.back().eps), ey(d.RamaElastica.back().sigma)));
    QPainterPath rama;
    rama.moveTo(X(d.RamaPlastica.front().eps), ey(d.RamaPlastica.front().sigma));
    for (const auto& q : d.RamaPlastica)
        rama.lineTo(X(q.eps), ey(q.sigma));
    p.setPen(QPen(QColor(190, 40, 40), 2.2));
    p.drawPath(rama);

    // Punto de fyd con sus cotas.
    const QPointF fy(X(d.Plastificacion.eps), ey(d.Plastificacion.sigma));
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(QPointF(x0, fy.y()), fy);
    p.drawLine(fy, QPointF(fy.x(), y0));
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawEllipse(fy, 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    DibujarTextoRico(p, fy.x() + 6, fy.y() + 3,
                     QStringLiteral("f<sub>yd</sub> = %1 N/mm²,  ε<sub>y</sub> = %2 ‰")
                         .arg(QString::number(d.Plastificacion.sigma, 'f', 1),
                              QString::number(d.Plastificacion.eps * 1000.0, 'f', 2)));
    if (d.Activo) {
        const QPointF lp(X(d.LimiteProporcional.eps), ey(d.LimiteProporcional.sigma));
        p.drawEllipse(lp, 3, 3);
        DibujarTextoRico(p, lp.x() + 6, lp.y() - fm.height() / 2.0,
                         QStringLiteral("0.7·f<sub>yd</sub>"));
    }

    // Punto de la deformación escrita.
    if (d.HayPunto) {
        const QPointF q(X(d.Punto.eps), ey(d.Punto.sigma));
        p.setPen(QPen(QColor(0, 130, 60), 2));
        p.setBrush(QColor(0, 170, 80));
        p.drawEllipse(q, 5, 5);
        p.setBrush(Qt::NoBrush);
        const QString texto = QStringLiteral("ε = %1 ‰, σ = %2 N/mm²")
                                  .arg(QString::number(d.Punto.eps * 1000.0, 'f', 2),
                                       QString::number(d.Punto.sigma, 'f', 1));
        // A la derecha del punto en la mitad izquierda del dibujo, a su izquierda en la otra.
        const double ancho = fm.horizontalAdvance(texto);
        const double tx = q.x() < (izquierda + derecha) / 2.0
                              ? std::min(q.x() + 10.0, width() - ancho - 4.0)
                              : std::max(q.x() - 10.0 - ancho, 4.0);
        const double ty = q.y() > arriba + fm.height() ? q.y() - 8 : q.y() + fm.height() + 8;
        p.drawText(QPointF(tx, ty), texto);
    }
}

} // namespace velmora
