#pragma once
// Piezas comunes de los dibujos de los diagramas: escalas lineales con divisiones redondas.

#include <QRectF>
#include <QString>
#include <vector>

class QPainter;
class QWidget;

namespace velmora {

// Escala lineal de [min, max] a [p0, p1] píxeles.
struct Escala {
    double min = 0.0, max = 1.0, p0 = 0.0, p1 = 1.0;
    double operator()(double v) const {
        return (max > min) ? p0 + (v - min) * (p1 - p0) / (max - min) : p0;
    }
};

// Divisiones redondas (1, 2 o 5 por una potencia de diez) entre min y max, unas `n`.
std::vector<double> Divisiones(double min, double max, int n);

// Número de una división sin ceros sobrantes, con `decimales` como máximo.
QString TextoDivision(double v, int decimales);

// Texto con subíndices (<sub>) o superíndices (<sup>) con su esquina superior izquierda en
// (x, y); devuelve su ancho.
double DibujarTextoRico(QPainter& p, double x, double y, const QString& html);
// Ancho de ese texto con la letra actual del pintor.
double AnchoTextoRico(QPainter& p, const QString& html);

// Fondo blanco con borde y el título centrado arriba, en negrita; deja el pintor con la letra del
// control y la pluma negra.
void PintarFondo(QPainter& p, const QWidget& control, const QString& titulo);

// Flecha de (x0, y0) a (x1, y1) con la punta en el segundo punto.
void DibujarFlecha(QPainter& p, double x0, double y0, double x1, double y1);

} // namespace velmora
