#include "section/DibujoInteraccion.h"

#include "common/Divisiones.h"
#include "common/Numeros.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr double MargenIzq = 72, MargenDer = 24, MargenSup = 54, MargenInf = 52;
constexpr const char* ColorContorno = "#1f5fa8";
constexpr const char* ColorRelleno = "#dce8f5";
constexpr const char* ColorRejilla = "#d9d9d9";
constexpr const char* ColorEje = "#555555";
constexpr const char* ColorNula = "#777777";
constexpr double TopeAlejadas = 2.5; // veces el tamaño del contorno que se llega a mostrar

// Texto de una división sin ceros sobrantes.
std::string TextoDivision(double v, double paso) {
    const int decimales = paso >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(paso) - 1e-9));
    std::string s = Formatear(v, 0, std::clamp(decimales, 0, 6));
    return s;
}

Trazo Linea(double x0, double y0, double x1, double y1, const char* color, double grosor,
            bool discontinuo = false) {
    Trazo t;
    t.Tipo = TipoTrazo::Linea;
    t.Puntos = {{x0, y0}, {x1, y1}};
    t.Color = color;
    t.Grosor = grosor;
    t.Discontinuo = discontinuo;
    return t;
}

Trazo Letra(double x, double y, std::string texto, double tamano, AnclaTexto ancla,
            const char* color = "#000000", bool negrita = false) {
    Trazo t;
    t.Tipo = TipoTrazo::Texto;
    t.Puntos = {{x, y}};
    t.Texto = std::move(texto);
    t.Tamano = tamano;
    t.Ancla = ancla;
    t.Color = color;
    t.Negrita = negrita;
    return t;
}

Trazo Circulo(double x, double y, double r, const char* relleno) {
    Trazo t;
    t.Tipo = TipoTrazo::Circulo;
    t.Puntos = {{x, y}};
    t.Radio = r;
    t.Relleno = relleno;
    t.Color = "#ffffff";
    t.Grosor = 1.5;
    return t;
}

// Zona de valores: el contorno y las combinaciones, sin alejarse demasiado del contorno.
void FijarZona(DibujoInteraccion& z, const DiagramaInteraccion& d,
               const std::vector<ComprobacionCombinacion>& c) {
    double mMin = std::min(0.0, d.Mmin * 1e-6), mMax = std::max(0.0, d.Mmax * 1e-6);
    double nMin = std::min(0.0, d.Ntraccion * 1e-3), nMax = std::max(0.0, d.N0 * 1e-3);
    for (const auto& v : d.Contorno) {
        mMin = std::min(mMin, v.P.M * 1e-6), mMax = std::max(mMax, v.P.M * 1e-6);
        nMin = std::min(nMin, v.P.N * 1e-3), nMax = std::max(nMax, v.P.N * 1e-3);
    }
    const double rm = std::max(mMax - mMin, 1e-6), rn = std::max(nMax - nMin, 1e-6);
    const double tm0 = mMin - TopeAlejadas * rm, tm1 = mMax + TopeAlejadas * rm;
    const double tn0 = nMin - TopeAlejadas * rn, tn1 = nMax + TopeAlejadas * rn;
    for (const auto& x : c) {
        const double m = x.Carga.Md * 1e-6, n = x.Carga.Nd * 1e-3;
        mMin = std::min(mMin, std::max(m, tm0)), mMax = std::max(mMax, std::min(m, tm1));
        nMin = std::min(nMin, std::max(n, tn0)), nMax = std::max(nMax, std::min(n, tn1));
    }
    // Un margen del 6 % para que nada toque el marco.
    const double am = 0.06 * (mMax - mMin), an = 0.06 * (nMax - nMin);
    z.Mmin = mMin - am, z.Mmax = mMax + am, z.Nmin = nMin - an, z.Nmax = nMax + an;
}

struct Transformar {
    const DibujoInteraccion& z;
    double X(double m) const { return z.X0 + (m - z.Mmin) * (z.X1 - z.X0) / (z.Mmax - z.Mmin); }
    double Y(double n) const { return z.Y1 - (n - z.Nmin) * (z.Y1 - z.Y0) / (z.Nmax - z.Nmin); }
};

void DibujarEjes(DibujoInteraccion& z) {
    const Transformar t{z};
    auto& T = z.Trazos;
    const auto dm = DivisionesRedondas(z.Mmin, z.Mmax, 8);
    const auto dn = DivisionesRedondas(z.Nmin, z.Nmax, 8);
    const double pm = dm.size() > 1 ? dm[1] - dm[0] : 1.0;
    const double pn = dn.size() > 1 ? dn[1] - dn[0] : 1.0;
    for (double m : dm) {
        T.push_back(Linea(t.X(m), z.Y0, t.X(m), z.Y1, ColorRejilla, 1));
        T.push_back(Letra(t.X(m), z.Y1 + 16, TextoDivision(m, pm), 11, AnclaTexto::Centro));
    }
    for (double n : dn) {
        T.push_back(Linea(z.X0, t.Y(n), z.X1, t.Y(n), ColorRejilla, 1));
        T.push_back(Letra(z.X0 - 6, t.Y(n) + 4, TextoDivision(n, pn), 11, AnclaTexto::Fin));
    }
    // Ejes N = 0 y M = 0.
    T.push_back(Linea(z.X0, t.Y(0), z.X1, t.Y(0), ColorEje, 1.2));
    T.push_back(Linea(t.X(0), z.Y0, t.X(0), z.Y1, ColorEje, 1.2));
    Trazo marco;
    marco.Tipo = TipoTrazo::Rectangulo;
    marco.Puntos = {{z.X0, z.Y0}, {z.X1, z.Y1}};
    marco.Color = ColorEje;
    T.push_back(marco);
    T.push_back(Letra(0.5 * (z.X0 + z.X1), z.Y1 + 38, "Md (kN·m)", 12, AnclaTexto::Centro));
    T.push_back(Letra(z.X0 - 6, z.Y0 - 10, "Nd (kN)", 12, AnclaTexto::Fin));
}

// El relleno va bajo la rejilla y el trazo sobre los ejes.
void DibujarContorno(DibujoInteraccion& z, const DiagramaInteraccion& d, bool relleno) {
    const Transformar t{z};
    Trazo p;
    p.Tipo = TipoTrazo::Poligono;
    for (const auto& v : d.Contorno)
        p.Puntos.push_back({t.X(v.P.M * 1e-6), t.Y(v.P.N * 1e-3)});
    p.Color = relleno ? "none" : ColorContorno;
    p.Relleno = relleno ? ColorRelleno : "";
    p.Grosor = relleno ? 0 : 2;
    z.Trazos.push_back(std::move(p));
}

void DibujarCombinaciones(DibujoInteraccion& z, const std::vector<ComprobacionCombinacion>& c) {
    const Transformar t{z};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const double m = c[i].Carga.Md * 1e-6, n = c[i].Carga.Nd * 1e-3;
        const double mc = std::clamp(m, z.Mmin, z.Mmax), nc = std::clamp(n, z.Nmin, z.Nmax);
        const char* color = c[i].Nula ? ColorNula : c[i].Cumple ? ColorCumple : ColorNoCumple;
        const double x = t.X(mc), y = t.Y(nc);
        z.Trazos.push_back(Circulo(x, y, 5, color));
        // El nombre a la derecha, o a la izquierda si no cabe.
        const bool izquierda = x > z.X1 - 60;
        z.Trazos.push_back(Letra(x + (izquierda ? -8 : 8), y - 6, c[i].Carga.Nombre, 11,
                                 izquierda ? AnclaTexto::Fin : AnclaTexto::Inicio, color));
        z.Marcas.push_back({{x, y}, i, mc != m || nc != n});
    }
}

void DibujarLeyenda(DibujoInteraccion& z) {
    auto& T = z.Trazos;
    T.push_back(Letra(z.X0, 22, "Diagrama de interacción N–M", 14, AnclaTexto::Inicio, "#000000",
                      true));
    T.push_back(Letra(z.X0, 38, "N compresión positiva; M positivo si comprime la cara superior",
                      11, AnclaTexto::Inicio, ColorEje));
    const double x = z.X1 - 170;
    T.push_back(Circulo(x, 17, 5, ColorCumple));
    T.push_back(Letra(x + 9, 21, "Cumple", 11, AnclaTexto::Inicio));
    T.push_back(Circulo(x + 80, 17, 5, ColorNoCumple));
    T.push_back(Letra(x + 89, 21, "No cumple", 11, AnclaTexto::Inicio));
}

} // namespace

DibujoInteraccion ComponerDibujoInteraccion(const DiagramaInteraccion& d,
                                            const std::vector<ComprobacionCombinacion>& c,
                                            double ancho, double alto) {
    DibujoInteraccion z;
    z.Ancho = std::max(ancho, 240.0), z.Alto = std::max(alto, 200.0);
    z.X0 = MargenIzq, z.X1 = z.Ancho - MargenDer, z.Y0 = MargenSup, z.Y1 = z.Alto - MargenInf;
    FijarZona(z, d, c);
    DibujarContorno(z, d, true);
    DibujarEjes(z);
    DibujarContorno(z, d, false);
    DibujarCombinaciones(z, c);
    DibujarLeyenda(z);
    return z;
}

std::string SvgInteraccion(const DiagramaInteraccion& d,
                           const std::vector<ComprobacionCombinacion>& c, double ancho,
                           double alto) {
    return SvgDibujo(ComponerDibujoInteraccion(d, c, ancho, alto));
}

} // namespace velmora
