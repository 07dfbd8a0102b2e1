#include "report/DibujosInforme.h"

#include "common/Numeros.h"
#include "common/Traza.h"
#include "materiales/ehe98/Leyes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora {

namespace {

std::string N(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", std::isfinite(v) ? v : 0.0);
    return b;
}

std::string Linea(double x1, double y1, double x2, double y2, const char* estilo) {
    return "<line x1=\"" + N(x1) + "\" y1=\"" + N(y1) + "\" x2=\"" + N(x2) + "\" y2=\"" + N(y2) +
           "\" " + estilo + "/>\n";
}

std::string Texto(double x, double y, const std::string& t, const char* ancla = "middle") {
    return "<text x=\"" + N(x) + "\" y=\"" + N(y) +
           "\" font-size=\"11\" font-family=\"sans-serif\" "
           "text-anchor=\"" +
           ancla + "\" fill=\"#222\">" + t + "</text>\n";
}

std::string Metros(double mm) {
    return Formatear(mm * 0.001, 0, 2) + " m";
}

constexpr const char* Cota = "stroke=\"#555\" stroke-width=\"0.8\"";

// Cota vertical a la izquierda de x0 entre y1 e y2.
std::string CotaVertical(double x0, double y1, double y2, const std::string& t) {
    return Linea(x0, y1, x0, y2, Cota) + Linea(x0 - 4, y1, x0 + 4, y1, Cota) +
           Linea(x0 - 4, y2, x0 + 4, y2, Cota) + Texto(x0 - 6, (y1 + y2) / 2 + 4, t, "end");
}

std::string CotaHorizontal(double x1, double x2, double y0, const std::string& t) {
    return Linea(x1, y0, x2, y0, Cota) + Linea(x1, y0 - 4, x1, y0 + 4, Cota) +
           Linea(x2, y0 - 4, x2, y0 + 4, Cota) + Texto((x1 + x2) / 2, y0 - 5, t);
}

std::string Barras(BarrasCara c, double izquierda, double derecha, double y, double radio) {
    if (c.numero <= 0)
        return {};
    std::string s;
    const int n = std::min(c.numero, 40);
    for (int i = 0; i < n; ++i) {
        const double x =
            n == 1 ? (izquierda + derecha) / 2 : izquierda + (derecha - izquierda) * i / (n - 1);
        s += "<circle cx=\"" + N(x) + "\" cy=\"" + N(y) + "\" r=\"" + N(radio) +
             "\" fill=\"#222\"/>\n";
    }
    return s;
}

} // namespace

std::string SvgSeccion(const EstadoDiseno& e, BarrasCara a1, BarrasCara a2) {
    const double W = 360, H = 300;
    const double h = e.h > 0 ? e.h : 1.0, b = e.b > 0 ? e.b : 1.0;
    const double s = std::min(200.0 / h, 200.0 / b); // px por mm
    const double x0 = (W - b * s) / 2 + 20, y0 = 40;
    const bool enT = !e.SeccionRectangular && e.bw > 0 && e.hf > 0;
    const double bw = enT ? e.bw : b, hf = enT ? e.hf : h;
    const double xa = x0 + (b - bw) * s / 2; // borde izquierdo del alma
    std::string contorno;
    if (enT)
        contorno = "M" + N(x0) + "," + N(y0) + " h" + N(b * s) + " v" + N(hf * s) + " H" +
                   N(xa + bw * s) + " V" + N(y0 + h * s) + " H" + N(xa) + " V" + N(y0 + hf * s) +
                   " H" + N(x0) + " Z";
    else
        contorno =
            "M" + N(x0) + "," + N(y0) + " h" + N(b * s) + " v" + N(h * s) + " h" + N(-b * s) + " Z";
    std::string g = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(W) + "\" height=\"" +
                    N(H) + "\" viewBox=\"0 0 " + N(W) + " " + N(H) + "\">\n";
    g += "<path d=\"" + contorno + "\" fill=\"#e8e8e8\" stroke=\"#222\" stroke-width=\"1.5\"/>\n";
    const double r1 = std::clamp(a1.diametro * s / 2, 2.0, 8.0);
    const double r2 = std::clamp(a2.diametro * s / 2, 2.0, 8.0);
    const double margen = std::max(e.d1, e.d2) * s;
    g += Barras(a1, xa + std::max(margen, r1 + 2), xa + bw * s - std::max(margen, r1 + 2),
                y0 + (h - e.d1) * s, r1);
    g += Barras(a2, x0 + std::max(margen, r2 + 2), x0 + b * s - std::max(margen, r2 + 2),
                y0 + e.d2 * s, r2);
    if (e.x > 0 && e.x < h)
        g += Linea(x0 - 10, y0 + e.x * s, x0 + b * s + 10, y0 + e.x * s,
                   "stroke=\"#b03020\" stroke-width=\"1\" stroke-dasharray=\"6,3\"") +
             Texto(x0 + b * s + 12, y0 + e.x * s + 4, "x = " + Formatear(e.x * 0.1, 0, 2) + " cm",
                   "start");
    g += CotaHorizontal(x0, x0 + b * s, y0 - 12, "b = " + Metros(b));
    g += CotaVertical(x0 - 14, y0, y0 + h * s, "h = " + Metros(h));
    g += CotaVertical(xa + bw * s + 30, y0 + (h - e.d1) * s, y0 + h * s, "") +
         Texto(xa + bw * s + 36, y0 + (h - e.d1 / 2) * s + 4, "d₁ = " + Metros(e.d1), "start");
    g += CotaVertical(x0 + b * s + 30, y0, y0 + e.d2 * s, "") +
         Texto(x0 + b * s + 36, y0 + e.d2 * s / 2 + 4, "d₂ = " + Metros(e.d2), "start");
    if (enT) {
        g += CotaHorizontal(xa, xa + bw * s, y0 + h * s + 16,
                            "b<tspan font-size=\"8\">w</tspan> = " + Metros(bw));
        g += Texto(x0 + 4, y0 + hf * s / 2 + 4, "h<tspan font-size=\"8\">f</tspan> = " + Metros(hf),
                   "start");
    }
    return g + "</svg>";
}

std::string SvgDeformaciones(const EstadoDiseno& e) {
    const double W = 420, H = 280, top = 30, alto = 200;
    // Pivotes de la EHE-98 en ‰: A (alargamiento máximo en la armadura), B (εcu arriba) y C (εc0
    // a 3h/7). De −εsu a εcu en 300 px.
    const double su = 1000.0 * ehe98::EpsilonSU, cu = 1000.0 * ehe98::EpsilonCU,
                 c0 = 1000.0 * ehe98::EpsilonC0;
    const double izq = 50, cero = 50 + 300.0 * su / (su + cu);
    const double h = e.h > 0 ? e.h : 1.0;
    auto X = [&](double permil) { return cero + permil * 300.0 / (su + cu); };
    auto Y = [&](double y) { return top + y / h * alto; };
    const double d = e.d > 0 ? e.d : h;
    std::string g = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(W) + "\" height=\"" +
                    N(H) + "\" viewBox=\"0 0 " + N(W) + " " + N(H) + "\">\n";
    g += "<rect x=\"" + N(cero - 6) + "\" y=\"" + N(top) + "\" width=\"12\" height=\"" + N(alto) +
         "\" fill=\"#e8e8e8\" stroke=\"#222\"/>\n";
    const char* guia = "stroke=\"#9ab\" stroke-width=\"0.8\" stroke-dasharray=\"4,3\"";
    g += Linea(X(-su), Y(d), X(0), Y(0), guia) + Linea(X(-su), Y(d), X(cu), Y(0), guia) +
         Linea(X(cu), Y(0), X(0), Y(d), guia) + Linea(X(cu), Y(0), X(0), Y(h), guia) +
         Linea(X(c0), Y(0), X(c0), Y(h), guia);
    g += Linea(cero, top - 10, cero, top + alto + 10, "stroke=\"#222\" stroke-width=\"0.8\"");
    g += Linea(izq - 10, Y(d), X(cu) + 20, Y(d), "stroke=\"#ccc\" stroke-width=\"0.6\"");
    g += Texto(X(-su), Y(d) + 14, "−" + Cifras(su) + " ‰") +
         Texto(X(cu), top - 8, Cifras(cu) + " ‰") + Texto(X(c0), Y(h) + 14, Cifras(c0) + " ‰") +
         Texto(izq - 12, Y(d) + 4, "d", "end");
    // Perfil del cálculo: deformación a la profundidad y (acortamiento positivo).
    double arriba, abajo;
    if (!ProfundidadFibraNeutra(e) || !(e.x > 0)) {
        arriba = abajo = c0;
    } else {
        arriba = e.epsC * 1000.0;
        abajo = arriba * (e.x - h) / e.x;
    }
    g += "<polygon points=\"" + N(cero) + "," + N(Y(0)) + " " + N(X(arriba)) + "," + N(Y(0)) + " " +
         N(X(abajo)) + "," + N(Y(h)) + " " + N(cero) + "," + N(Y(h)) +
         "\" fill=\"#b03020\" fill-opacity=\"0.15\" stroke=\"#b03020\" stroke-width=\"1.8\"/>\n";
    g += Texto(X(arriba) + 4, Y(0) + 14,
               "ε<tspan font-size=\"8\">c</tspan> = " + Formatear(arriba, 0, 2) + " ‰", "start");
    g += Texto(W / 2, H - 12, "Deformación (acortamiento positivo, ‰)");
    return g + "</svg>";
}

} // namespace velmora
