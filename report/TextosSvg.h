#pragma once
// Los textos de los dibujos SVG de la memoria, pintados como texto. QSvgRenderer pinta cada
// <text> como los contornos de sus letras: en un PDF eso son decenas de curvas por letra, la
// mayor parte de lo que hay que componer y comprimir, y un texto que no se puede buscar ni copiar.
// Aquí se sacan del SVG y se pintan con QPainter::drawText en el mismo sitio.

#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QRectF;
class QRegularExpression;
class QRegularExpressionMatch;

namespace velmora {

// Un tramo de un texto con su tamaño (unidades del SVG): el texto mismo o un <tspan font-size>.
struct TrozoSvg {
    QString texto;
    double tamano;
};

// Un <text>: su punto de anclaje en la línea base, el anclaje (-1 inicio, 0 centro, 1 final),
// el color del relleno y si va en negrita.
struct TextoSvg {
    QPointF punto;
    int ancla = -1;
    QColor color = Qt::black;
    bool negrita = false;
    std::vector<TrozoSvg> trozos;
};

struct SvgSeparado {
    QByteArray svg; // el dibujo sin los textos que se han sacado
    std::vector<TextoSvg> textos;
};

// Saca los <text> que sabe pintar (posición x, y; tamaño, anclaje, color, negrita y <tspan> que
// sólo cambian el tamaño). Los demás, y todos si el dibujo tiene transformaciones, se quedan en
// el SVG para QSvgRenderer.
[[nodiscard]] SvgSeparado SepararTextos(const QString& svg);

// `texto` con cada coincidencia de `patron` cambiada por lo que devuelve `cambio` (o como estaba si
// no devuelve nada), en una sola pasada.
[[nodiscard]] QString Sustituir(
    const QString& texto, const QRegularExpression& patron,
    const std::function<std::optional<QString>(const QRegularExpressionMatch&)>& cambio);

// Pinta los textos de un dibujo cuya caja (viewBox) `caja` se muestra en `destino`.
void PintarTextos(QPainter& pintor, const std::vector<TextoSvg>& textos, const QRectF& caja,
                  const QRectF& destino);

} // namespace velmora
