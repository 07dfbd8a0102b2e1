#include "diagrams/Grafico.h"

#include "common/Divisiones.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QStaticText>
#include <QTextOption>
#include <QWidget>
#include <cmath>

namespace velmora {

std::vector<double> Divisiones(double min, double max, int n) {
    return velmora::DivisionesRedondas(min, max, n);
}

QString TextoDivision(double v, int decimales) {
    QString s = QString::number(v, 'f', decimales);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

void DibujarFlecha(QPainter& p, double x0, double y0, double x1, double y1) {
    const QLineF linea(x0, y0, x1, y1);
    p.drawLine(linea);
    if (linea.length() < 1.0)
        return;
    const double a = std::atan2(y1 - y0, x1 - x0);
    const double l = 8.0, w = 0.45;
    QPolygonF punta;
    punta << QPointF(x1, y1) << QPointF(x1 - l * std::cos(a - w), y1 - l * std::sin(a - w))
          << QPointF(x1 - l * std::cos(a + w), y1 - l * std::sin(a + w));
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(punta);
    p.restore();
}

namespace {
QStaticText TextoEstatico(QPainter& p, const QString& html) {
    QStaticText t(html);
    t.setTextFormat(Qt::RichText);
    QTextOption opcion;
    opcion.setWrapMode(QTextOption::NoWrap);
    t.setTextOption(opcion);
    t.prepare(QTransform(), p.font());
    return t;
}
} // namespace

double DibujarTextoRico(QPainter& p, double x, double y, const QString& html) {
    const QStaticText t = TextoEstatico(p, html);
    p.drawStaticText(QPointF(x, y), t);
    return t.size().width();
}

double AnchoTextoRico(QPainter& p, const QString& html) {
    return TextoEstatico(p, html).size().width();
}

void PintarFondo(QPainter& p, const QWidget& control, const QString& titulo) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(control.rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(control.rect().adjusted(0, 0, -1, -1));
    QFont negrita = control.font();
    negrita.setBold(true);
    p.setFont(negrita);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 4, control.width(), QFontMetrics(negrita).height() + 2), Qt::AlignHCenter,
               titulo);
    p.setFont(control.font());
}

} // namespace velmora
