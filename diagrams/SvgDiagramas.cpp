#include "diagrams/SvgDiagramas.h"

#include "common/Divisiones.h"
#include "common/Lienzo.h"
#include "common/Traza.h"
#include "materiales/ehe98/Leyes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora {

namespace {

using Lienzo = DibujoTrazos;

constexpr double Letra = 12.0, Renglon = 15.0;

struct EscalaLineal {
    double min, max, p0, p1;
    double operator()(double v) const {
        return max > min ? p0 + (v - min) * (p1 - p0) / (max - min) : p0;
    }
};

std::string Fijo(double v, int decimales) {
    char b[48];
    std::snprintf(b, sizeof b, "%.*f", decimales, std::isfinite(v) ? v : 0.0);
    std::string s = b;
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1); // nunca «-0.0»
    return s;
}

void Linea(Lienzo& z, double x0, double y0, double x1, double y1, const char* color,
           double grosor = 1.0, bool discontinua = false) {
    Trazo t;
    t.Tipo = TipoTrazo::Linea;
    t.Puntos = {{x0, y0}, {x1, y1}};
    t.Color = color;
    t.Grosor = grosor;
    t.Discontinuo = discontinua;
    z.Trazos.push_back(std::move(t));
}

void Texto(Lienzo& z, double x, double y, std::string texto, const char* color = "#000000",
           AnclaTexto ancla = AnclaTexto::Inicio, bool negrita = false) {
    Trazo t;
    t.Tipo = TipoTrazo::Texto;
    t.Puntos = {{x, y}};
    t.Texto = std::move(texto);
    t.Color = color;
    t.Tamano = Letra;
    t.Ancla = ancla;
    t.Negrita = negrita;
    z.Trazos.push_back(std::move(t));
}

void Punto(Lienzo& z, double x, double y, double r, const char* color) {
    Trazo t;
    t.Tipo = TipoTrazo::Circulo;
    t.Puntos = {{x, y}};
    t.Radio = r;
    t.Color = color;
    t.Relleno = color;
    z.Trazos.push_back(std::move(t));
}

void Poligono(Lienzo& z, std::vector<PuntoTrazo> puntos, const char* color, const char* relleno,
              double grosor) {
    Trazo t;
    t.Tipo = TipoTrazo::Poligono;
    t.Puntos = std::move(puntos);
    t.Color = color;
    t.Relleno = relleno;
    t.Grosor = grosor;
    z.Trazos.push_back(std::move(t));
}

Lienzo Fondo(double ancho, double alto, const std::string& titulo) {
    Lienzo z;
    z.Ancho = ancho;
    z.Alto = alto;
    Trazo borde;
    borde.Tipo = TipoTrazo::Rectangulo;
    borde.Puntos = {{0.5, 0.5}, {ancho - 0.5, alto - 0.5}};
    borde.Color = "#a0a0a0";
    z.Trazos.push_back(borde);
    Texto(z, ancho / 2.0, Renglon + 2, titulo, "#000000", AnclaTexto::Centro, true);
    return z;
}

void EjesAcero(Lienzo& z, const EscalaLineal& ex, const EscalaLineal& ey, double izq, double der,
               double arriba, double abajo) {
    const auto divX = DivisionesRedondas(ex.min, ex.max, 6);
    const auto divY = DivisionesRedondas(ey.min, ey.max, 6);
    for (double v : divX)
        Linea(z, ex(v), arriba, ex(v), abajo, "#e1e1e1");
    for (double v : divY)
        Linea(z, izq, ey(v), der, ey(v), "#e1e1e1");
    const double y0 = ey(0.0), x0 = ex(0.0);
    Linea(z, izq, y0, der + 14, y0, "#000000");
    Linea(z, x0, abajo, x0, arriba - 10, "#000000");
    for (double v : divX)
        Texto(z, ex(v), y0 + Renglon, Fijo(v, 3), "#000000", AnclaTexto::Centro);
    for (double v : divY)
        if (v != 0.0)
            Texto(z, x0 - 6, ey(v) + 4, Fijo(v, 1), "#000000", AnclaTexto::Fin);
    Texto(z, der + 10, y0 + 2 * Renglon + 4, "ε (‰)", "#000000", AnclaTexto::Fin);
    Texto(z, x0 + 8, arriba - 10, "σ (N/mm²)");
}

} // namespace

std::string SvgDiagramaAcero(const DibujoAcero& d, double ancho, double alto) {
    Lienzo z = Fondo(ancho, alto,
                     d.Activo ? "Diagrama σ–ε de cálculo, armadura activa"
                     : d.CodigoEstructural
                         ? "Diagrama σ–ε de cálculo, armadura pasiva (Anejo 19, 3.2.7)"
                         : "Diagrama σ–ε de cálculo, armadura pasiva");
    if (d.RamaElastica.empty() || d.RamaPlastica.empty())
        return SvgDibujo(z);
    const double izq = 62, der = ancho - 54, arriba = Renglon * 2 + 12,
                 abajo = alto - Renglon * 2 - 14;
    const EscalaLineal ex{d.epsMin * 1000.0, d.epsMax * 1000.0 * 1.04, izq, der};
    const EscalaLineal ey{std::min(0.0, d.sigmaMin * 1.12), d.sigmaMax * 1.12, abajo, arriba};
    auto X = [&](double eps) { return ex(eps * 1000.0); };
    EjesAcero(z, ex, ey, izq, der, arriba, abajo);

    Linea(z, X(d.RamaElastica.front().eps), ey(d.RamaElastica.front().sigma),
          X(d.RamaElastica.back().eps), ey(d.RamaElastica.back().sigma), "#1e50aa", 2.2);
    for (std::size_t i = 1; i < d.RamaPlastica.size(); ++i)
        Linea(z, X(d.RamaPlastica[i - 1].eps), ey(d.RamaPlastica[i - 1].sigma),
              X(d.RamaPlastica[i].eps), ey(d.RamaPlastica[i].sigma), "#be2828", 2.2);
    if (d.RamaCompresion.size() == 2)
        Linea(z, X(d.RamaCompresion[0].eps), ey(d.RamaCompresion[0].sigma),
              X(d.RamaCompresion[1].eps), ey(d.RamaCompresion[1].sigma), "#be2828", 2.2);

    const double fx = X(d.Plastificacion.eps), fy = ey(d.Plastificacion.sigma);
    Linea(z, ex(0.0), fy, fx, fy, "#5a5a5a", 1.0, true);
    Linea(z, fx, fy, fx, ey(0.0), "#5a5a5a", 1.0, true);
    Punto(z, fx, fy, 3.5, "#000000");
    Texto(z, fx + 6, fy + 14,
          "fyd = " + Fijo(d.Plastificacion.sigma, 1) +
              (d.CodigoEstructural ? " N/mm²,  εyd = " : " N/mm²,  εy = ") +
              Fijo(d.Plastificacion.eps * 1000.0, 2) + " ‰");
    if (d.Activo) {
        const double lx = X(d.LimiteProporcional.eps), ly = ey(d.LimiteProporcional.sigma);
        Punto(z, lx, ly, 3.0, "#000000");
        Texto(z, lx + 6, ly, "0.7·fyd");
    }
    if (d.HayLimite) {
        const double ux = X(d.Limite.eps), uy = ey(d.Limite.sigma);
        Linea(z, ux, uy, ux, ey(0.0), "#5a5a5a", 1.0, true);
        Punto(z, ux, uy, 3.5, "#000000");
        Texto(z, ux, uy - 2 * Renglon,
              "εud = " + Fijo(d.Limite.eps * 1000.0, 2) + " ‰, σ = " + Fijo(d.Limite.sigma, 1) +
                  " N/mm²",
              "#000000", AnclaTexto::Fin);
    }
    if (d.HayPunto) {
        const double qx = X(d.Punto.eps), qy = ey(d.Punto.sigma);
        Punto(z, qx, qy, 5.0, "#00aa50");
        const bool izquierda = qx < (izq + der) / 2.0;
        Texto(z, izquierda ? qx + 10 : qx - 10, qy > arriba + Renglon ? qy - 8 : qy + Renglon + 8,
              "ε = " + Fijo(d.Punto.eps * 1000.0, 2) + " ‰, σ = " + Fijo(d.Punto.sigma, 1) +
                  " N/mm²",
              "#00823c", izquierda ? AnclaTexto::Inicio : AnclaTexto::Fin);
    }
    return SvgDibujo(z);
}

namespace {

void SeccionBloque(Lienzo& z, const DibujoBloque& d, double xs, double k, double arriba) {
    auto Y = [&](double y) { return arriba + y * k; };
    const double centro = xs + d.b * k / 2.0, fondo = std::min(d.x, d.h);
    const double xw = centro - d.bw * k / 2.0;
    // Zona comprimida: el ala hasta su canto y el alma por debajo.
    const double ala = d.Rectangular ? fondo : std::min(fondo, d.hf);
    Poligono(z, {{xs, Y(0)}, {xs + d.b * k, Y(0)}, {xs + d.b * k, Y(ala)}, {xs, Y(ala)}},
             "#c8d7f0", "#c8d7f0", 0.5);
    if (!d.Rectangular && fondo > d.hf)
        Poligono(z, {{xw, Y(d.hf)}, {xw + d.bw * k, Y(d.hf)}, {xw + d.bw * k, Y(fondo)},
                     {xw, Y(fondo)}},
                 "#c8d7f0", "#c8d7f0", 0.5);
    if (d.Rectangular)
        Poligono(z, {{xs, Y(0)}, {xs + d.b * k, Y(0)}, {xs + d.b * k, Y(d.h)}, {xs, Y(d.h)}},
                 "#000000", "", 1.6);
    else
        Poligono(z, {{xs, Y(0)}, {xs + d.b * k, Y(0)}, {xs + d.b * k, Y(d.hf)},
                     {xw + d.bw * k, Y(d.hf)}, {xw + d.bw * k, Y(d.h)}, {xw, Y(d.h)},
                     {xw, Y(d.hf)}, {xs, Y(d.hf)}},
                 "#000000", "", 1.6);
    const double anchoInferior = (d.Rectangular ? d.b : d.bw) * k;
    for (int i = 0; i < 3; ++i)
        Punto(z, centro + (i - 1) * anchoInferior * 0.3, Y(d.h - d.d1), 2.8, "#000000");
    Linea(z, xs - 14, Y(0), xs - 14, Y(d.h), "#000000");
    Texto(z, xs - 18, (Y(0) + Y(d.h)) / 2.0, "h = " + Fijo(d.h * 0.001, 3) + " m", "#000000",
          AnclaTexto::Fin);
}

void LeyBloque(Lienzo& z, const DibujoBloque& d, double x0, double ancho, double k,
               double arriba) {
    auto Y = [&](double y) { return arriba + y * k; };
    const double sMax = d.tensionMaxima;
    auto X = [&](double s) { return sMax > 0.0 ? x0 + s / sMax * ancho : x0; };
    std::vector<PuntoTrazo> ley{{x0, Y(0)}};
    for (const auto& q : d.Tensiones)
        ley.push_back({X(q.sigma), Y(q.y)});
    ley.push_back({x0, Y(d.Tensiones.back().y)});
    Poligono(z, std::move(ley), "#1e50aa", "#becdeb", 1.6);
    Linea(z, x0, Y(0), x0, Y(d.h), "#000000", 1.2);
    Linea(z, X(sMax), Y(0) - 6, X(sMax), Y(std::min(d.x, d.h)), "#5a5a5a", 1.0, true);
    if (d.norma == Norma::CodigoEstructural) {
        // Más largos que los de la EHE-98: empiezan sobre la sección.
        Texto(z, 34, arriba - Renglon - 6, "Anejo 19, 3.1.7: fcd = " + Fijo(sMax, 2) + " N/mm²");
        Texto(z, 34, arriba - 4,
              "εc = " + Fijo(d.epsC * 1000.0, 2) + " ‰ arriba; εc2 = " +
                  Fijo(d.epsC2 * 1000.0, 2) + " ‰, εcu2 = " + Fijo(d.epsCU2 * 1000.0, 2) + " ‰");
    } else {
        Texto(z, x0, arriba - Renglon - 6,
              Cifras(ehe98::Cansancio) + "·fcd = " + Fijo(sMax, 2) + " N/mm²");
        Texto(z, x0, arriba - 4, "εc = " + Fijo(d.epsC * 1000.0, 2) + " ‰ arriba");
    }
    if (d.x <= d.h) {
        Linea(z, x0 - 6, Y(d.x), X(sMax) + 16, Y(d.x), "#aa1e1e", 1.2, true);
        Texto(z, X(sMax) + 20, Y(d.x) + 4, "x", "#aa1e1e");
    }
    Linea(z, X(sMax) + 50, Y(d.yc), x0 + 2, Y(d.yc), "#00783c", 2.0);
    Poligono(z, {{x0 + 2, Y(d.yc)}, {x0 + 10, Y(d.yc) - 3.5}, {x0 + 10, Y(d.yc) + 3.5}},
             "#00783c", "#00783c", 1.0);
    Texto(z, X(sMax) + 54, Y(d.yc) + 4, "C", "#00783c");
}

} // namespace

std::string SvgBloque(const DibujoBloque& d, double ancho, double alto) {
    Lienzo z = Fondo(ancho, alto, "Bloque de compresiones del hormigón");
    if (d.Tensiones.empty() || !(d.h > 0.0) || !(d.b > 0.0)) {
        Texto(z, ancho / 2.0, alto / 2.0, "Pulse «Calcular» para dibujar el bloque", "#5a5a5a",
              AnclaTexto::Centro);
        return SvgDibujo(z);
    }
    const double arriba = Renglon * 3 + 12, abajo = alto - Renglon * 3 - 12;
    const double anchoSeccion = ancho * 0.34;
    const double k = std::min((abajo - arriba) / d.h, anchoSeccion / d.b);
    const double xs = 34 + (anchoSeccion - d.b * k) / 2.0;
    SeccionBloque(z, d, xs, k, arriba);
    const double x0 = xs + d.b * k + 44;
    LeyBloque(z, d, x0, std::max(60.0, ancho - x0 - 70), k, arriba);
    const double pie = alto - Renglon;
    Texto(z, 12, pie,
          "C = " + Fijo(d.Cc * 0.001, 3) + " kN    xg = " + Fijo(d.yc * 0.001, 3) + " m    x = " +
              Fijo(d.x * 0.001, 3) + " m" +
              (d.x <= d.h ? "" : ", bajo la sección: toda comprimida"),
          "#00783c");
    return SvgDibujo(z);
}

} // namespace velmora
