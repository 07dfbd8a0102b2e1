#include "diagrams/GraficoBloque.h"

#include "common/Traza.h"
#include "diagrams/Grafico.h"
#include "materiales/ehe98/Leyes.h"

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

// Escala común de longitudes (px por mm) y posición de la sección y de la ley.
struct Lugar {
    double arriba, k, xs; // borde superior, escala, borde izquierdo del ala
    double x0, ancho;     // eje de la ley de tensiones y su ancho para la meseta
    double Y(double y) const { return arriba + y * k; }
};

void PintarSeccion(QPainter& p, const DibujoBloque& d, const Lugar& l) {
    const double centro = l.xs + d.b * l.k / 2.0;
    QPainterPath seccion;
    if (d.Rectangular) {
        seccion.addRect(QRectF(l.xs, l.Y(0), d.b * l.k, d.h * l.k));
    } else {
        const double xw = centro - d.bw * l.k / 2.0;
        QPolygonF t;
        t << QPointF(l.xs, l.Y(0)) << QPointF(l.xs + d.b * l.k, l.Y(0))
          << QPointF(l.xs + d.b * l.k, l.Y(d.hf)) << QPointF(xw + d.bw * l.k, l.Y(d.hf))
          << QPointF(xw + d.bw * l.k, l.Y(d.h)) << QPointF(xw, l.Y(d.h))
          << QPointF(xw, l.Y(d.hf)) << QPointF(l.xs, l.Y(d.hf));
        t << t.front();
        seccion.addPolygon(t);
    }
    QPainterPath comprimida;
    comprimida.addRect(QRectF(l.xs - 1, l.Y(0), d.b * l.k + 2, std::min(d.x, d.h) * l.k));
    p.fillPath(seccion.intersected(comprimida), QColor(200, 215, 240));
    p.setPen(QPen(Qt::black, 1.6));
    p.drawPath(seccion);

    // Armadura de tracción a d1 del borde inferior.
    p.setBrush(Qt::black);
    const double anchoInferior = (d.Rectangular ? d.b : d.bw) * l.k;
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(centro + (i - 1) * anchoInferior * 0.3, l.Y(d.h - d.d1)), 2.8,
                      2.8);
    p.setBrush(Qt::NoBrush);
}

void PintarCanto(QPainter& p, const QFontMetrics& fm, const DibujoBloque& d, const Lugar& l) {
    p.setPen(Qt::black);
    const double xc = l.xs - 14, medio = (l.Y(0) + l.Y(d.h)) / 2.0;
    DibujarFlecha(p, xc, medio, xc, l.Y(0));
    DibujarFlecha(p, xc, medio, xc, l.Y(d.h));
    p.save();
    p.translate(xc - 4, medio);
    p.rotate(-90);
    p.drawText(QRectF(-60, -fm.height(), 120, fm.height()), Qt::AlignHCenter,
               QStringLiteral("h = %1 m").arg(Metros(d.h)));
    p.restore();
}

// Con el Código Estructural, la meseta y las deformaciones de la tabla 3.1 para la fck usada
// (sobre la sección y la ley: son más largas que las de la EHE-98), y la profundidad en que la ley
// pasa de la parábola a la meseta (εc2).
void PintarLeyCE(QPainter& p, const QFontMetrics& fm, const DibujoBloque& d, const Lugar& l,
                 double xMeseta) {
    DibujarTextoRico(p, l.xs, l.arriba - fm.height() * 2 - 4,
                     QStringLiteral("Anejo 19, 3.1.7: f<sub>cd</sub> = %1 N/mm²")
                         .arg(d.tensionMaxima, 0, 'f', 2));
    DibujarTextoRico(p, l.xs, l.arriba - fm.height() - 4,
                     QStringLiteral("ε<sub>c</sub> = %1 ‰ arriba; ε<sub>c2</sub> = %2 ‰, "
                                    "ε<sub>cu2</sub> = %3 ‰")
                         .arg(d.epsC * 1000.0, 0, 'f', 2)
                         .arg(d.epsC2 * 1000.0, 0, 'f', 2)
                         .arg(d.epsCU2 * 1000.0, 0, 'f', 2));
    if (!(d.epsC > d.epsC2) || !(d.epsC > d.epsInf))
        return;
    const double y2 = d.x <= d.h ? d.x * (1.0 - d.epsC2 / d.epsC)
                                 : d.h * (d.epsC - d.epsC2) / (d.epsC - d.epsInf);
    p.setPen(QPen(QColor(30, 80, 170), 1, Qt::DotLine));
    p.drawLine(QPointF(l.x0, l.Y(y2)), QPointF(xMeseta + 16, l.Y(y2)));
    p.setPen(QColor(30, 80, 170));
    DibujarTextoRico(p, xMeseta + 20, l.Y(y2) - fm.height() / 2.0,
                     QStringLiteral("ε<sub>c2</sub>"));
}

// Ley de tensiones a la derecha de la sección, sobre el mismo canto, con la fibra neutra y la
// resultante en su centro de gravedad.
void PintarLey(QPainter& p, const QFontMetrics& fm, const DibujoBloque& d, const Lugar& l) {
    const double sMax = d.tensionMaxima;
    auto X = [&](double s) { return sMax > 0.0 ? l.x0 + s / sMax * l.ancho : l.x0; };
    QPolygonF bloque;
    bloque << QPointF(l.x0, l.Y(0));
    for (const auto& q : d.Tensiones)
        bloque << QPointF(X(q.sigma), l.Y(q.y));
    bloque << QPointF(l.x0, l.Y(d.Tensiones.back().y));
    p.setPen(QPen(QColor(30, 80, 170), 1.6));
    p.setBrush(QColor(190, 205, 235));
    p.drawPolygon(bloque);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(l.x0, l.Y(0)), QPointF(l.x0, l.Y(d.h)));
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(QPointF(X(sMax), l.Y(0) - 6), QPointF(X(sMax), l.Y(std::min(d.x, d.h))));
    p.setPen(Qt::black);
    if (d.norma == Norma::CodigoEstructural) {
        PintarLeyCE(p, fm, d, l, X(sMax));
    } else {
        DibujarTextoRico(p, l.x0, l.arriba - fm.height() * 2 - 4,
                         QStringLiteral("%1·f<sub>cd</sub> = %2 N/mm²")
                             .arg(QString::fromStdString(Cifras(ehe98::Cansancio)))
                             .arg(sMax, 0, 'f', 2));
        DibujarTextoRico(
            p, l.x0, l.arriba - fm.height() - 4,
            QStringLiteral("ε<sub>c</sub> = %1 ‰ arriba").arg(d.epsC * 1000.0, 0, 'f', 2));
    }

    p.setPen(QPen(QColor(170, 30, 30), 1.2, Qt::DashDotLine));
    if (d.x <= d.h) {
        p.drawLine(QPointF(l.xs - 6, l.Y(d.x)), QPointF(X(sMax) + 16, l.Y(d.x)));
        p.setPen(QColor(170, 30, 30));
        p.drawText(QPointF(X(sMax) + 20, l.Y(d.x) + fm.ascent() / 2.0), QStringLiteral("x"));
    }
    const double yc = l.Y(d.yc);
    p.setPen(QPen(QColor(0, 120, 60), 2.0));
    DibujarFlecha(p, X(sMax) + 50, yc, l.x0 + 2, yc);
    p.setPen(QColor(0, 120, 60));
    p.drawText(QPointF(X(sMax) + 54, yc + fm.ascent() / 2.0), QStringLiteral("C"));
}

void PintarValores(QPainter& p, const DibujoBloque& d, double pie) {
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

    // La sección cabe en la altura y en un tercio del ancho.
    const double arriba = fm.height() * 3 + 12, abajo = height() - fm.height() * 3 - 12;
    const double anchoSeccion = width() * 0.34;
    Lugar l{};
    l.arriba = arriba;
    l.k = std::min((abajo - arriba) / d.h, anchoSeccion / d.b);
    l.xs = 34 + (anchoSeccion - d.b * l.k) / 2.0;
    l.x0 = l.xs + d.b * l.k + 44;
    l.ancho = std::max(60.0, width() - l.x0 - 70);
    PintarSeccion(p, d, l);
    PintarCanto(p, fm, d, l);
    PintarLey(p, fm, d, l);
    PintarValores(p, d, height() - fm.height() * 2 - 8);
}

} // namespace velmora
