#include "assets/Dibujos.h"

#include "assets/Pinceles.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace velmora {

namespace {

using namespace pinceles;
const QColor HormigonBorde = Borde;

// Cada botón se dibuja en una rejilla de 32 × 32 unidades.
void BotonParametros(QPainter& p) {
    // Tres deslizadores: los parámetros que se eligen.
    p.setPen(QPen(Tinta, 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(5, 8 + 8 * i), QPointF(27, 8 + 8 * i));
    p.setPen(QPen(Tinta, 1));
    const double x[] = {11, 21, 15};
    const QColor colores[] = {Azul, Acero, QColor(40, 130, 60)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colores[i]);
        p.drawRoundedRect(QRectF(x[i] - 3, 4 + 8 * i, 6, 8), 1.5, 1.5);
    }
}

void BotonRectangular(QPainter& p) {
    p.setPen(QPen(HormigonBorde, 1.5));
    p.setBrush(Hormigon);
    p.drawRect(QRectF(8, 3, 16, 26));
    for (double x : {12.0, 16.0, 20.0})
        Barra(p, QPointF(x, 25), 2);
    Barra(p, QPointF(12, 7), 1.6);
    Barra(p, QPointF(20, 7), 1.6);
}

void BotonSeccionT(QPainter& p) {
    QPolygonF t;
    t << QPointF(2, 3) << QPointF(30, 3) << QPointF(30, 10) << QPointF(21, 10) << QPointF(21, 29)
      << QPointF(11, 29) << QPointF(11, 10) << QPointF(2, 10);
    p.setPen(QPen(HormigonBorde, 1.5));
    p.setBrush(Hormigon);
    p.drawPolygon(t);
    Barra(p, QPointF(14, 25), 1.8);
    Barra(p, QPointF(18, 25), 1.8);
}

void BotonViga(QPainter& p) {
    // Viga vista de lado con sus cercos.
    p.setPen(QPen(HormigonBorde, 1.5));
    p.setBrush(Hormigon);
    p.drawRect(QRectF(2, 9, 28, 14));
    p.setPen(QPen(Acero, 1.6));
    for (double x = 6; x < 30; x += 5)
        p.drawLine(QPointF(x, 11), QPointF(x, 21));
    p.setPen(QPen(Tinta, 1.2));
    p.drawLine(QPointF(3, 20), QPointF(29, 20));
    // Apoyos.
    p.setBrush(Tinta);
    p.drawPolygon(QPolygonF{QPointF(5, 23), QPointF(2, 29), QPointF(8, 29)});
    p.drawPolygon(QPolygonF{QPointF(27, 23), QPointF(24, 29), QPointF(30, 29)});
}

void BotonPilar(QPainter& p) {
    p.setPen(QPen(HormigonBorde, 1.5));
    p.setBrush(Hormigon);
    p.drawRect(QRectF(10, 2, 12, 28));
    p.setPen(QPen(Acero, 1.6));
    for (double y = 5; y < 30; y += 5)
        p.drawLine(QPointF(11.5, y), QPointF(20.5, y));
    p.setPen(QPen(Tinta, 1.2));
    p.drawLine(QPointF(13, 3), QPointF(13, 29));
    p.drawLine(QPointF(19, 3), QPointF(19, 29));
}

void BotonFlechas(QPainter& p) {
    // Viga deformada y la flecha en el centro.
    p.setPen(QPen(Tinta, 1, Qt::DashLine));
    p.drawLine(QPointF(3, 10), QPointF(29, 10));
    QPainterPath curva;
    curva.moveTo(3, 10);
    curva.quadTo(16, 30, 29, 10);
    p.setPen(QPen(Azul, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curva);
    p.setPen(QPen(Acero, 1.5));
    p.drawLine(QPointF(16, 10), QPointF(16, 18));
    p.setBrush(Acero);
    p.drawPolygon(QPolygonF{QPointF(13.5, 16), QPointF(18.5, 16), QPointF(16, 20)});
    p.setBrush(Tinta);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{QPointF(3, 10), QPointF(0, 15), QPointF(6, 15)});
    p.drawPolygon(QPolygonF{QPointF(29, 10), QPointF(26, 15), QPointF(32, 15)});
}

void BotonAnclaje(QPainter& p) {
    // Barra que entra en el hormigón y termina en patilla.
    p.setPen(QPen(HormigonBorde, 1.5));
    p.setBrush(Hormigon);
    p.drawRect(QRectF(12, 2, 18, 28));
    QPainterPath barra;
    barra.moveTo(2, 10);
    barra.lineTo(23, 10);
    barra.quadTo(27, 10, 27, 14);
    barra.lineTo(27, 25);
    p.setPen(QPen(Acero, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(barra);
    p.setPen(QPen(Tinta, 1));
    p.drawLine(QPointF(12, 16), QPointF(27, 16));
    p.drawLine(QPointF(12, 14), QPointF(12, 18));
    p.drawLine(QPointF(27, 14), QPointF(27, 18));
}

void Ejes(QPainter& p) {
    p.setPen(QPen(Tinta, 1.2));
    p.drawLine(QPointF(4, 29), QPointF(30, 29));
    p.drawLine(QPointF(4, 29), QPointF(4, 2));
}

void BotonDiagramaAcero(QPainter& p) {
    Ejes(p);
    p.setPen(QPen(Acero, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(4, 29), QPointF(12, 9), QPointF(29, 9)});
}

void BotonParabola(QPainter& p) {
    Ejes(p);
    QPainterPath curva;
    curva.moveTo(4, 29);
    curva.quadTo(11, 8, 18, 8);
    curva.lineTo(29, 8);
    p.setPen(QPen(Azul, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curva);
}

void BotonConversion(QPainter& p) {
    p.setPen(QPen(Azul, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(4, 11), QPointF(26, 11));
    p.drawPolyline(QPolygonF{QPointF(21, 6), QPointF(26, 11), QPointF(21, 16)});
    p.setPen(QPen(Acero, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(28, 22), QPointF(6, 22));
    p.drawPolyline(QPolygonF{QPointF(11, 17), QPointF(6, 22), QPointF(11, 27)});
}

void BotonArea(QPainter& p) {
    // Grupo de barras de dos diámetros.
    Barra(p, QPointF(9, 10), 6);
    Barra(p, QPointF(23, 10), 6);
    Barra(p, QPointF(7, 24), 4);
    Barra(p, QPointF(16, 24), 4);
    Barra(p, QPointF(25, 24), 4);
}

} // namespace

QImage DibujarBoton(const QString& nombre, int lado) {
    using Dibujo = void (*)(QPainter&);
    struct Entrada {
        const char* nombre;
        Dibujo dibujo;
    };
    static const Entrada botones[] = {
        {"SpeedButton3", BotonParametros}, {"SpeedButton4", BotonRectangular},
        {"SpeedButton5", BotonSeccionT},   {"SpeedButton1", BotonViga},
        {"SpeedButton2", BotonPilar},      {"SpeedButton6", BotonFlechas},
        {"SpeedButton7", BotonAnclaje},    {"SpeedButton9", BotonDiagramaAcero},
        {"SpeedButton10", BotonParabola},  {"SpeedButton8", BotonConversion},
        {"SpeedButton11", BotonArea},
    };
    for (const Entrada& e : botones) {
        if (nombre == QLatin1String(e.nombre)) {
            QImage imagen = Lienzo(lado, lado, Qt::transparent);
            QPainter p(&imagen);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(lado / 32.0, lado / 32.0);
            e.dibujo(p);
            return imagen;
        }
    }
    return {};
}

QImage DibujarIcono(int lado) {
    QImage imagen = Lienzo(lado, lado, Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 32.0, lado / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Azul);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    BotonSeccionT(p);
    return imagen;
}

} // namespace velmora
