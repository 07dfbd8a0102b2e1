#include "assets/DibujosFicheros.h"

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
const QColor Papel(250, 250, 246);
const QColor Cota(25, 60, 150);

QFont Letra(double puntos, bool cursiva = true, bool negrita = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(puntos));
    f.setItalic(cursiva);
    f.setBold(negrita);
    return f;
}

void Flecha(QPainter& p, QPointF punta, QPointF desde, double largo = 9, double ancho = 3.5) {
    const QLineF l(punta, desde);
    const QLineF u = l.unitVector();
    const QPointF d = (u.p2() - u.p1()) * largo;
    const QPointF n(-d.y() * ancho / largo, d.x() * ancho / largo);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF{punta, punta + d + n, punta + d - n});
    p.restore();
}

// Cota con flechas en los dos extremos y su rótulo (texto con subíndice opcional).
void CotaVertical(QPainter& p, double x, double y1, double y2, const QString& texto,
                  const QString& subindice = {}, bool rotuloIzquierda = true) {
    p.setPen(QPen(Cota, 2));
    p.drawLine(QPointF(x, y1), QPointF(x, y2));
    p.setBrush(Cota);
    Flecha(p, QPointF(x, y1), QPointF(x, y2));
    Flecha(p, QPointF(x, y2), QPointF(x, y1));
    p.setFont(Letra(26));
    const QFontMetricsF m(p.font());
    const double anchoTexto = m.horizontalAdvance(texto) + (subindice.isEmpty() ? 0 : 12);
    const double xt = rotuloIzquierda ? x - 8 - anchoTexto : x + 8;
    const double yt = (y1 + y2) / 2 + m.ascent() / 2 - 2;
    p.drawText(QPointF(xt, yt), texto);
    if (!subindice.isEmpty()) {
        p.setFont(Letra(17));
        p.drawText(QPointF(xt + m.horizontalAdvance(texto) + 1, yt + 7), subindice);
    }
}

void CotaHorizontal(QPainter& p, double y, double x1, double x2, const QString& texto,
                    const QString& subindice = {}) {
    p.setPen(QPen(Cota, 2));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    Flecha(p, QPointF(x1, y), QPointF(x2, y));
    Flecha(p, QPointF(x2, y), QPointF(x1, y));
    p.setFont(Letra(26));
    const QFontMetricsF m(p.font());
    const double xt =
        (x1 + x2) / 2 - m.horizontalAdvance(texto) / 2 - (subindice.isEmpty() ? 0 : 6);
    p.drawText(QPointF(xt, y - 7), texto);
    if (!subindice.isEmpty()) {
        p.setFont(Letra(17));
        p.drawText(QPointF(xt + m.horizontalAdvance(texto) + 1, y), subindice);
    }
}

void LineaFina(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(Cota, 1, Qt::DashLine));
    p.drawLine(a, b);
}

// Sección rectangular con las armaduras A2 arriba y A1 abajo; cotas h, d2 y d1. 220 × 280.
QImage Seccion01() {
    QImage imagen = Lienzo(220, 280, Papel);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF s(62, 20, 96, 240);
    p.setPen(QPen(Borde, 2.5));
    p.setBrush(Hormigon);
    p.drawRect(s);
    const double y2 = s.top() + 26, y1 = s.bottom() - 26;
    for (double x : {80.0, 110.0, 140.0})
        Barra(p, QPointF(x, y1), 8);
    Barra(p, QPointF(80, y2), 6);
    Barra(p, QPointF(140, y2), 6);
    LineaFina(p, QPointF(s.right(), y2), QPointF(186, y2));
    LineaFina(p, QPointF(s.right(), y1), QPointF(186, y1));
    LineaFina(p, QPointF(s.right(), s.top()), QPointF(186, s.top()));
    LineaFina(p, QPointF(s.right(), s.bottom()), QPointF(186, s.bottom()));
    LineaFina(p, QPointF(24, s.top()), QPointF(s.left(), s.top()));
    LineaFina(p, QPointF(24, s.bottom()), QPointF(s.left(), s.bottom()));
    CotaVertical(p, 36, s.top(), s.bottom(), QStringLiteral("h"));
    CotaVertical(p, 174, s.top(), y2, QStringLiteral("d"), QStringLiteral("2"), false);
    CotaVertical(p, 174, y1, s.bottom(), QStringLiteral("d"), QStringLiteral("1"), false);
    return imagen;
}

// Sección en T con cotas h, hf, b y bw. 220 × 280.
QImage Seccion02() {
    QImage imagen = Lienzo(220, 280, Papel);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const double izq = 40, der = 196, arriba = 58, ala = 106, abajo = 232, almaI = 100, almaD = 148;
    QPolygonF t{QPointF(izq, arriba), QPointF(der, arriba),  QPointF(der, ala),
                QPointF(almaD, ala),  QPointF(almaD, abajo), QPointF(almaI, abajo),
                QPointF(almaI, ala),  QPointF(izq, ala)};
    p.setPen(QPen(Borde, 2.5));
    p.setBrush(Hormigon);
    p.drawPolygon(t);
    for (double x : {112.0, 136.0})
        Barra(p, QPointF(x, abajo - 18), 7);
    LineaFina(p, QPointF(izq, arriba), QPointF(izq, 26));
    LineaFina(p, QPointF(der, arriba), QPointF(der, 26));
    CotaHorizontal(p, 36, izq, der, QStringLiteral("b"));
    LineaFina(p, QPointF(almaI, abajo), QPointF(almaI, 272));
    LineaFina(p, QPointF(almaD, abajo), QPointF(almaD, 272));
    CotaHorizontal(p, 266, almaI, almaD, QStringLiteral("b"), QStringLiteral("w"));
    LineaFina(p, QPointF(izq, arriba), QPointF(12, arriba));
    LineaFina(p, QPointF(almaI, abajo), QPointF(12, abajo));
    CotaVertical(p, 20, arriba, abajo, QStringLiteral("h"), {}, false);
    CotaVertical(p, 174, arriba, ala, QStringLiteral("h"), QStringLiteral("f"), false);
    return imagen;
}

// Sección con la fibra neutra, el bloque de compresiones y su resultante. 340 × 420.
QImage Seccion03() {
    QImage imagen = Lienzo(340, 420, Papel);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF s(60, 30, 120, 360);
    const double x = 170; // profundidad de la fibra neutra en el dibujo
    p.setPen(QPen(Borde, 2.5));
    p.setBrush(Hormigon);
    p.drawRect(s);
    // Zona comprimida sombreada.
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(QColor(120, 140, 200), Qt::BDiagPattern));
    p.drawRect(QRectF(s.left(), s.top(), s.width(), x - s.top()));
    for (double bx : {82.0, 120.0, 158.0})
        Barra(p, QPointF(bx, s.bottom() - 26), 8);
    // Fibra neutra.
    p.setPen(QPen(Acero, 2, Qt::DashDotLine));
    p.drawLine(QPointF(20, x), QPointF(320, x));
    // Diagrama parábola-rectángulo a la derecha.
    const double eje = 215, ancho = 95;
    p.setPen(QPen(Borde, 1.5));
    p.drawLine(QPointF(eje, s.top()), QPointF(eje, s.bottom()));
    QPainterPath bloque;
    bloque.moveTo(eje, x);
    const double yRect = s.top() + (x - s.top()) * 3.0 / 7.0;
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0; // 0 en la fibra neutra, 1 al final de la parábola
        const double y = x - t * (x - yRect);
        const double sigma = 1.0 - (1.0 - t) * (1.0 - t);
        bloque.lineTo(eje + ancho * sigma, y);
    }
    bloque.lineTo(eje + ancho, s.top());
    bloque.lineTo(eje, s.top());
    bloque.closeSubpath();
    p.setBrush(QColor(150, 170, 225));
    p.setPen(QPen(Cota, 2));
    p.drawPath(bloque);
    // Resultante C y su profundidad.
    const double yc = s.top() + 0.416 * (x - s.top());
    p.setPen(QPen(Acero, 3));
    p.drawLine(QPointF(eje + ancho + 30, yc), QPointF(eje + 10, yc));
    p.setBrush(Acero);
    Flecha(p, QPointF(eje + 6, yc), QPointF(eje + 40, yc), 14, 6);
    return imagen;
}

// Viga de luz L con las zonas L/4, L/2, L/4 y los cortantes Vd1, Vd2 (a un canto útil del
// apoyo) y Vd3. 720 × 300.
QImage Cortante() {
    QImage imagen = Lienzo(720, 300, Papel);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const double x0 = 60, x1 = 660, arriba = 120, abajo = 175;
    const double L = x1 - x0;
    p.setPen(QPen(Borde, 2.5));
    p.setBrush(Hormigon);
    p.drawRect(QRectF(x0 - 20, arriba, L + 40, abajo - arriba));
    // Apoyos.
    p.setBrush(Borde);
    for (double x : {x0, x1})
        p.drawPolygon(
            QPolygonF{QPointF(x, abajo), QPointF(x - 16, abajo + 26), QPointF(x + 16, abajo + 26)});
    // Cercos: más juntos en los extremos.
    p.setPen(QPen(Acero, 2));
    for (double x = x0 + 14; x < x1 - 8; x += (x < x0 + L / 4 || x > x1 - L / 4) ? 16 : 30)
        p.drawLine(QPointF(x, arriba + 8), QPointF(x, abajo - 8));
    // Zonas L/4, L/2, L/4.
    const double xa = x0 + L / 4, xb = x1 - L / 4;
    for (double x : {xa, xb})
        LineaFina(p, QPointF(x, 40), QPointF(x, abajo + 40));
    for (double x : {x0, x1})
        LineaFina(p, QPointF(x, 40), QPointF(x, arriba));
    CotaHorizontal(p, 60, x0, xa, QStringLiteral("L/4"));
    CotaHorizontal(p, 60, xa, xb, QStringLiteral("L/2"));
    CotaHorizontal(p, 60, xb, x1, QStringLiteral("L/4"));
    // Luz total.
    LineaFina(p, QPointF(x0, abajo + 26), QPointF(x0, 290));
    LineaFina(p, QPointF(x1, abajo + 26), QPointF(x1, 290));
    CotaHorizontal(p, 285, x0, x1, QStringLiteral("L"));
    // Canto útil d desde el apoyo y las secciones donde actúan los cortantes.
    const double d = 48;
    LineaFina(p, QPointF(x0 + d, arriba), QPointF(x0 + d, abajo + 62));
    LineaFina(p, QPointF(x0, abajo + 26), QPointF(x0, abajo + 62));
    CotaHorizontal(p, abajo + 58, x0, x0 + d, QStringLiteral("d"));
    const auto rotuloV = [&](double x, const QString& sub, bool izquierda) {
        p.setPen(QPen(Acero, 3));
        p.drawLine(QPointF(x, 88), QPointF(x, arriba - 4));
        p.setBrush(Acero);
        Flecha(p, QPointF(x, arriba - 2), QPointF(x, 88), 12, 5);
        p.setFont(Letra(24));
        p.setPen(Tinta);
        const double xt = izquierda ? x - 48 : x + 6;
        p.drawText(QPointF(xt, 100), QStringLiteral("V"));
        p.setFont(Letra(16));
        p.drawText(QPointF(xt + 16, 106), sub);
    };
    rotuloV(x0 + 3, QStringLiteral("d1"), true);
    rotuloV(x0 + d, QStringLiteral("d2"), false);
    rotuloV((x0 + x1) / 2, QStringLiteral("d3"), false);
    return imagen;
}

// Dominios de deformación. 577 × 304, en las coordenadas que usa el dibujo del estado de
// deformación: eje de deformación nula en x = 312; fibra más comprimida en y = 20, armadura A1
// en y = 196, fibra menos comprimida en y = 222; a la derecha 149 px = εcu (3.5 ‰) y 93 px =
// εc0 (2 ‰); a la izquierda 78 px = εyd y 252 px = 0.01. Fondo oscuro: el estado se traza en
// blanco.
QImage Dominio01() {
    QImage imagen = Lienzo(577, 304, QColor(22, 44, 66));
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const double eje = 312, arriba = 20, a1 = 196, abajo = 222;
    const double e35 = eje + 149, e2 = eje + 93, eyd = eje - 78, e10 = eje - 252;
    const double pivoteC = arriba + (abajo - arriba) * 3.0 / 7.0;
    const QColor lineas(150, 185, 215), guias(90, 120, 150), pivotes(255, 200, 60);

    // Sección y fibras.
    p.setPen(QPen(guias, 1, Qt::DashLine));
    for (double y : {arriba, a1, abajo, pivoteC})
        p.drawLine(QPointF(40, y), QPointF(540, y));
    for (double x : {e10, eyd, e2, e35})
        p.drawLine(QPointF(x, arriba - 10), QPointF(x, abajo + 10));
    p.setPen(QPen(QColor(230, 230, 230), 2));
    p.drawLine(QPointF(eje, arriba - 14), QPointF(eje, abajo + 14));

    // Rectas límite de los dominios: pivote A (10 ‰ en A1), pivote B (εcu = 3.5 ‰ arriba) y
    // pivote C (εc0 = 2 ‰ a 3h/7 de la fibra más comprimida).
    p.setPen(QPen(lineas, 1.6));
    p.drawLine(QPointF(e10, a1), QPointF(e10, arriba));    // dominio 1: tracción uniforme
    p.drawLine(QPointF(e10, a1), QPointF(eje, arriba));    // límite 1-2
    p.drawLine(QPointF(e10, a1), QPointF(e35, arriba));    // límite 2-3
    p.drawLine(QPointF(e35, arriba), QPointF(eyd, a1));    // límite 3-4
    p.drawLine(QPointF(e35, arriba), QPointF(eje, a1));    // límite 4-4a
    p.drawLine(QPointF(e35, arriba), QPointF(eje, abajo)); // límite 4a-5
    p.drawLine(QPointF(e2, arriba), QPointF(e2, abajo));   // compresión uniforme
    // Las rectas del dominio 5 giran alrededor del pivote C.
    p.setPen(QPen(lineas, 1, Qt::DotLine));
    for (double t : {0.33, 0.66}) {
        const double xa = e35 + (e2 - e35) * t;
        const QLineF r(QPointF(xa, arriba), QPointF(e2, pivoteC));
        const double k = (abajo - arriba) / (pivoteC - arriba);
        p.drawLine(r.p1(), r.p1() + (r.p2() - r.p1()) * k);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pivotes);
    for (QPointF c : {QPointF(e10, a1), QPointF(e35, arriba), QPointF(e2, pivoteC)})
        p.drawEllipse(c, 4.5, 4.5);

    // Sección a la derecha, con la armadura A1.
    const QRectF s(552, arriba, 16, abajo - arriba);
    p.setPen(QPen(lineas, 1.5));
    p.setBrush(QColor(60, 85, 110));
    p.drawRect(s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 80, 80));
    p.drawEllipse(QPointF(s.center().x(), a1), 3.5, 3.5);
    return imagen;
}

// Fondo de la ventana principal. 640 × 400.
QImage Fondo() {
    QImage imagen = Lienzo(640, 400, Papel);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient degradado(0, 0, 0, 400);
    degradado.setColorAt(0, QColor(42, 72, 110));
    degradado.setColorAt(1, QColor(110, 130, 150));
    p.fillRect(imagen.rect(), degradado);
    // Viga y sección en T esbozadas.
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawRect(QRectF(40, 250, 560, 50));
    for (double x = 56; x < 600; x += 24)
        p.drawLine(QPointF(x, 256), QPointF(x, 294));
    p.drawPolygon(QPolygonF{QPointF(440, 60), QPointF(600, 60), QPointF(600, 95), QPointF(540, 95),
                            QPointF(540, 210), QPointF(500, 210), QPointF(500, 95),
                            QPointF(440, 95)});
    p.setBrush(QColor(255, 255, 255, 90));
    for (double x : {510.0, 530.0})
        p.drawEllipse(QPointF(x, 196), 6, 6);
    p.drawImage(QRectF(48, 60, 72, 72), DibujarIcono(144));
    p.setPen(Qt::white);
    p.setFont(Letra(54, false, true));
    p.drawText(QPointF(136, 118), QStringLiteral("Velmora"));
    p.setFont(Letra(19, false));
    p.setPen(QColor(235, 240, 250));
    p.drawText(QPointF(50, 170), QStringLiteral("Cálculo de elementos de hormigón armado"));
    p.drawText(QPointF(50, 198), QStringLiteral("según la EHE-98 y el Código Estructural"));
    return imagen;
}

} // namespace

QStringList NombresDibujos() {
    return {QStringLiteral("fondo.bmp"),     QStringLiteral("seccion01.bmp"),
            QStringLiteral("seccion02.bmp"), QStringLiteral("seccion03.bmp"),
            QStringLiteral("cortante.bmp"),  QStringLiteral("dominio01.bmp")};
}

QImage DibujarFichero(const QString& nombre) {
    if (nombre == QLatin1String("fondo.bmp"))
        return Fondo();
    if (nombre == QLatin1String("seccion01.bmp"))
        return Seccion01();
    if (nombre == QLatin1String("seccion02.bmp"))
        return Seccion02();
    if (nombre == QLatin1String("seccion03.bmp"))
        return Seccion03();
    if (nombre == QLatin1String("cortante.bmp"))
        return Cortante();
    if (nombre == QLatin1String("dominio01.bmp"))
        return Dominio01();
    return {};
}

} // namespace velmora
