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

namespace {

// Zona de los ejes y escalas: ε en tanto por mil, σ en N/mm².
struct Marco {
    double izquierda, derecha, arriba, abajo;
    Escala ex, ey;
    double X(double eps) const { return ex(eps * 1000.0); }
    QPointF P(const PuntoDiagrama& q) const { return {X(q.eps), ey(q.sigma)}; }
};

void PintarEjes(QPainter& p, const QFontMetrics& fm, const Marco& m) {
    p.setPen(QColor(225, 225, 225));
    const auto divX = Divisiones(m.ex.min, m.ex.max, 6);
    const auto divY = Divisiones(m.ey.min, m.ey.max, 6);
    for (double v : divX)
        p.drawLine(QPointF(m.ex(v), m.arriba), QPointF(m.ex(v), m.abajo));
    for (double v : divY)
        p.drawLine(QPointF(m.izquierda, m.ey(v)), QPointF(m.derecha, m.ey(v)));
    p.setPen(Qt::black);
    const double y0 = m.ey(0.0), x0 = m.ex(0.0);
    DibujarFlecha(p, m.izquierda, y0, m.derecha + 14, y0);
    DibujarFlecha(p, x0, m.abajo, x0, m.arriba - 10);
    for (double v : divX) {
        p.drawLine(QPointF(m.ex(v), y0 - 3), QPointF(m.ex(v), y0 + 3));
        p.drawText(QRectF(m.ex(v) - 30, y0 + 4, 60, fm.height()), Qt::AlignHCenter,
                   TextoDivision(v, 3));
    }
    for (double v : divY) {
        if (v == 0.0)
            continue;
        p.drawLine(QPointF(x0 - 3, m.ey(v)), QPointF(x0 + 3, m.ey(v)));
        p.drawText(QRectF(x0 - 60, m.ey(v) - fm.height() / 2.0, 54, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, TextoDivision(v, 1));
    }
    p.drawText(QRectF(m.derecha - 80, y0 + fm.height() + 6, 130, fm.height()), Qt::AlignRight,
               QStringLiteral("ε (‰)"));
    p.drawText(QRectF(x0 + 8, m.arriba - fm.height() - 8, 120, fm.height()), Qt::AlignLeft,
               QStringLiteral("σ (N/mm²)"));
}

void PintarRamas(QPainter& p, const DibujoAcero& d, const Marco& m) {
    p.setPen(QPen(QColor(30, 80, 170), 2.2));
    p.drawLine(m.P(d.RamaElastica.front()), m.P(d.RamaElastica.back()));
    QPainterPath rama;
    rama.moveTo(m.P(d.RamaPlastica.front()));
    for (const auto& q : d.RamaPlastica)
        rama.lineTo(m.P(q));
    p.setPen(QPen(QColor(190, 40, 40), 2.2));
    p.drawPath(rama);
    if (d.RamaCompresion.size() == 2)
        p.drawLine(m.P(d.RamaCompresion.front()), m.P(d.RamaCompresion.back()));
}

// Código Estructural, rama inclinada: el límite εud, donde acaba el diagrama.
void PintarLimite(QPainter& p, const QFontMetrics& fm, const DibujoAcero& d, const Marco& m) {
    const QPointF u = m.P(d.Limite);
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(u, QPointF(u.x(), m.ey(0.0)));
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawEllipse(u, 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    const QString texto = QStringLiteral("ε<sub>ud</sub> = %1 ‰, σ = %2 N/mm²")
                              .arg(QString::number(d.Limite.eps * 1000.0, 'f', 2),
                                   QString::number(d.Limite.sigma, 'f', 1));
    DibujarTextoRico(p, u.x() - AnchoTextoRico(p, texto), u.y() - fm.height() * 2.2, texto);
}

// Punto de fyd con sus cotas, y el límite de proporcionalidad en la activa.
void PintarPlastificacion(QPainter& p, const QFontMetrics& fm, const DibujoAcero& d,
                          const Marco& m) {
    const QPointF fy = m.P(d.Plastificacion);
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(QPointF(m.ex(0.0), fy.y()), fy);
    p.drawLine(fy, QPointF(fy.x(), m.ey(0.0)));
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawEllipse(fy, 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    DibujarTextoRico(p, fy.x() + 6, fy.y() + 3,
                     (d.CodigoEstructural
                          ? QStringLiteral("f<sub>yd</sub> = %1 N/mm²,  ε<sub>yd</sub> = %2 ‰")
                          : QStringLiteral("f<sub>yd</sub> = %1 N/mm²,  ε<sub>y</sub> = %2 ‰"))
                         .arg(QString::number(d.Plastificacion.sigma, 'f', 1),
                              QString::number(d.Plastificacion.eps * 1000.0, 'f', 2)));
    if (d.Activo) {
        const QPointF lp = m.P(d.LimiteProporcional);
        p.drawEllipse(lp, 3, 3);
        DibujarTextoRico(p, lp.x() + 6, lp.y() - fm.height() / 2.0,
                         QStringLiteral("0.7·f<sub>yd</sub>"));
    }
}

// Punto de la deformación escrita, con su rótulo del lado donde cabe.
void PintarPunto(QPainter& p, const QFontMetrics& fm, const DibujoAcero& d, const Marco& m,
                 double anchoControl) {
    const QPointF q = m.P(d.Punto);
    p.setPen(QPen(QColor(0, 130, 60), 2));
    p.setBrush(QColor(0, 170, 80));
    p.drawEllipse(q, 5, 5);
    p.setBrush(Qt::NoBrush);
    const QString texto = QStringLiteral("ε = %1 ‰, σ = %2 N/mm²")
                              .arg(QString::number(d.Punto.eps * 1000.0, 'f', 2),
                                   QString::number(d.Punto.sigma, 'f', 1));
    // A la derecha del punto en la mitad izquierda del dibujo, a su izquierda en la otra.
    const double ancho = fm.horizontalAdvance(texto);
    const double tx = q.x() < (m.izquierda + m.derecha) / 2.0
                          ? std::min(q.x() + 10.0, anchoControl - ancho - 4.0)
                          : std::max(q.x() - 10.0 - ancho, 4.0);
    const double ty = q.y() > m.arriba + fm.height() ? q.y() - 8 : q.y() + fm.height() + 8;
    p.drawText(QPointF(tx, ty), texto);
}

} // namespace

void GraficoAcero::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const DibujoAcero& d = dibujo_;
    PintarFondo(p, *this,
                d.Activo ? QStringLiteral("Diagrama σ–ε de cálculo, armadura activa")
                : d.CodigoEstructural
                    ? QStringLiteral("Diagrama σ–ε de cálculo, armadura pasiva (Anejo 19, 3.2.7)")
                    : QStringLiteral("Diagrama σ–ε de cálculo, armadura pasiva"));
    const QFontMetrics fm(font());
    if (d.RamaElastica.empty() || d.RamaPlastica.empty())
        return;
    const double izquierda = 62, derecha = width() - 54, arriba = fm.height() * 2 + 12,
                 abajo = height() - fm.height() * 2 - 14;
    const Marco m{izquierda,
                  derecha,
                  arriba,
                  abajo,
                  {d.epsMin * 1000.0, d.epsMax * 1000.0 * 1.04, izquierda, derecha},
                  {std::min(0.0, d.sigmaMin * 1.12), d.sigmaMax * 1.12, abajo, arriba}};
    PintarEjes(p, fm, m);
    PintarRamas(p, d, m);
    PintarPlastificacion(p, fm, d, m);
    if (d.HayLimite)
        PintarLimite(p, fm, d, m);
    if (d.HayPunto)
        PintarPunto(p, fm, d, m, width());
}

} // namespace velmora
