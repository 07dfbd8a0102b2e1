#pragma once
// Colores y piezas comunes de los dibujos del programa (botones, icono y ficheros).

#include <QColor>
#include <QImage>
#include <QPainter>

namespace velmora {

namespace pinceles {

inline const QColor Hormigon(208, 208, 202);
inline const QColor Borde(80, 80, 80);
inline const QColor Acero(170, 30, 30);
inline const QColor Azul(30, 70, 160);
inline const QColor Tinta(20, 20, 20);

// Imagen de `ancho` × `alto` llena de `fondo` (transparente si el color lo es).
inline QImage Lienzo(int ancho, int alto, const QColor& fondo) {
    QImage imagen(ancho, alto,
                  fondo.alpha() < 255 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    imagen.fill(fondo);
    return imagen;
}

// Sección de una barra de acero.
inline void Barra(QPainter& p, QPointF centro, double radio, double trazo = 1.0) {
    p.setPen(QPen(Tinta, trazo));
    p.setBrush(Acero);
    p.drawEllipse(centro, radio, radio);
}

} // namespace pinceles

} // namespace velmora
