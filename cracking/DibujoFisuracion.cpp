#include "cracking/DibujoFisuracion.h"

#include "common/Numeros.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr const char* ColorHormigon = "#9e9e9e";
constexpr const char* ColorComprimido = "#90caf9";
constexpr const char* ColorTraccion = "#c62828";
constexpr const char* ColorCompresion = "#1565c0";

Trazo Linea(double x0, double y0, double x1, double y1, const char* color, double grosor = 1.5,
            bool discontinuo = false) {
    Trazo t;
    t.Puntos = {{x0, y0}, {x1, y1}};
    t.Color = color;
    t.Grosor = grosor;
    t.Discontinuo = discontinuo;
    return t;
}

Trazo Texto(double x, double y, std::string texto, AnclaTexto ancla = AnclaTexto::Inicio,
            const char* color = "#000000") {
    Trazo t;
    t.Tipo = TipoTrazo::Texto;
    t.Puntos = {{x, y}};
    t.Texto = std::move(texto);
    t.Ancla = ancla;
    t.Color = color;
    t.Tamano = 13;
    return t;
}

Trazo Poligono(std::vector<PuntoTrazo> p, const char* color, const char* relleno) {
    Trazo t;
    t.Tipo = TipoTrazo::Poligono;
    t.Puntos = std::move(p);
    t.Color = color;
    t.Relleno = relleno;
    return t;
}

// Contorno de la sección (rectángulo o T) en la escala dada, con la cara superior en y0.
std::vector<PuntoTrazo> Contorno(const SeccionServicio& s, double cx, double y0, double e) {
    const double hb = s.b / 2 * e, hw = s.bw / 2 * e, H = s.h * e, F = s.hf * e;
    if (s.Rectangular)
        return {{cx - hb, y0}, {cx + hb, y0}, {cx + hb, y0 + H}, {cx - hb, y0 + H}};
    return {{cx - hb, y0},     {cx + hb, y0},     {cx + hb, y0 + F}, {cx + hw, y0 + F},
            {cx + hw, y0 + H}, {cx - hw, y0 + H}, {cx - hw, y0 + F}, {cx - hb, y0 + F}};
}

void Barras(std::vector<Trazo>& t, const std::vector<GrupoBarras>& grupos, double ancho, double cx,
            double y, double e, double c) {
    int n = 0;
    double phi = 0;
    for (const GrupoBarras& g : grupos) {
        n += std::max(g.Numero, 0);
        phi = std::max(phi, static_cast<double>(g.Diametro));
    }
    n = std::min(n, 40);
    const double libre = std::max(ancho - 2 * c - phi, 0.0);
    for (int i = 0; i < n; ++i) {
        Trazo b;
        b.Tipo = TipoTrazo::Circulo;
        const double xi = n == 1 ? 0.0 : -libre / 2 + libre * i / (n - 1);
        b.Puntos = {{cx + xi * e, y}};
        b.Radio = std::max(phi / 2 * e, 2.5);
        b.Color = "#000000";
        b.Relleno = "#424242";
        t.push_back(b);
    }
}

} // namespace

std::vector<Trazo> ComponerDibujoFisuracion(const ResultadoFisuracion& r, double ancho,
                                            double alto) {
    std::vector<Trazo> t;
    const SeccionServicio& s = r.seccion;
    const TensionesServicio& e = r.cp;
    const double margen = 40, y0 = 50, H = alto - y0 - margen;
    const double escala = std::min(H / s.h, (ancho * 0.45 - margen) / s.b);
    const double cx = margen + s.b * escala / 2, fondo = y0 + s.h * escala;
    t.push_back(Texto(margen / 2, 24,
                      r.Fisura ? "Sección fisurada, combinación cuasipermanente"
                               : "Sección sin fisurar, combinación cuasipermanente"));
    t.push_back(Poligono(Contorno(s, cx, y0, escala), ColorHormigon, "#eeeeee"));
    const double xs = std::clamp(e.x, 0.0, s.h);
    if (r.Fisura && xs > 0.0) {
        SeccionServicio comprimida = s;
        comprimida.h = xs;
        comprimida.hf = std::min(s.hf, xs);
        if (!s.Rectangular && xs <= s.hf)
            comprimida.Rectangular = true;
        t.push_back(Poligono(Contorno(comprimida, cx, y0, escala), ColorHormigon, ColorComprimido));
    }
    Barras(t, r.datos.BarrasA1, AnchoTraccionado(s), cx, y0 + s.d * escala, escala, r.datos.c);
    Barras(t, r.datos.BarrasA2, s.b, cx, y0 + s.d2 * escala, escala, r.datos.c);
    // Diagrama de tensiones a la derecha: el hormigón comprimido hacia la derecha del eje y las
    // armaduras con su tensión al nivel de sus barras.
    const double eje = ancho * 0.62, largo = ancho * 0.3;
    const double maxS = std::max({e.sigmaC * r.n, std::fabs(e.sigmaS1), std::fabs(e.sigmaS2), 1.0});
    const double k = largo / maxS;
    t.push_back(Linea(eje, y0, eje, fondo, "#000000", 1.0));
    if (e.sigmaC > 0.0 && xs > 0.0) {
        const double w = std::max(e.sigmaC * r.n * k, 3.0);
        t.push_back(Poligono({{eje, y0}, {eje + w, y0}, {eje, y0 + xs * escala}}, ColorCompresion,
                             ColorComprimido));
        t.push_back(Texto(eje + 6, y0 - 8, "σc = " + Formatear(e.sigmaC, 0, 2) + " N/mm²",
                          AnclaTexto::Inicio, ColorCompresion));
    }
    // El rótulo de la armadura inferior va encima de su línea y el de la superior debajo, lejos
    // del de σc.
    const auto flecha = [&](double sigma, double y, const char* nombre, double dy) {
        const double w = sigma * k; // positiva: compresión a la derecha
        t.push_back(Linea(eje, y, eje + w, y, sigma < 0 ? ColorTraccion : ColorCompresion, 3.0));
        t.push_back(Texto(eje + 6, y + dy,
                          std::string(nombre) + " = " + Formatear(std::fabs(sigma), 0, 1) +
                              (sigma < 0 ? " N/mm² (tracción)" : " N/mm²"),
                          AnclaTexto::Inicio, sigma < 0 ? ColorTraccion : ColorCompresion));
    };
    flecha(-e.sigmaS1, y0 + s.d * escala, "σs1", -6);
    if (s.As2 > 0.0)
        flecha(e.sigmaS2, y0 + s.d2 * escala, "σs2", 16);
    if (r.Fisura && e.x > 0.0 && e.x < s.h) {
        const double yx = y0 + e.x * escala;
        t.push_back(Linea(margen / 2, yx, eje + largo / 3, yx, "#2e7d32", 1.2, true));
        t.push_back(Texto(cx + s.b * escala / 2 + 8, yx - 5, "x = " + Formatear(e.x, 0, 1) + " mm",
                          AnclaTexto::Inicio, "#2e7d32"));
    }
    t.push_back(Texto(cx, fondo + 24,
                      "h = " + Formatear(s.h, 0, 0) + " mm, d = " + Formatear(s.d, 0, 1) + " mm",
                      AnclaTexto::Centro));
    return t;
}

std::string SvgFisuracion(const ResultadoFisuracion& r, double ancho, double alto) {
    DibujoInteraccion d;
    d.Ancho = ancho;
    d.Alto = alto;
    d.Trazos = ComponerDibujoFisuracion(r, ancho, alto);
    return SvgDibujo(d);
}

} // namespace velmora
