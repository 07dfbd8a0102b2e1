#include "common/Lienzo.h"

#include <cmath>
#include <cstdio>

namespace velmora {

namespace {

std::string Escapar(const std::string& s) {
    std::string r;
    for (char ch : s) {
        switch (ch) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '"': r += "&quot;"; break;
        default: r += ch;
        }
    }
    return r;
}

std::string Num(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", std::isfinite(v) ? v : 0.0);
    return b;
}

std::string SvgTrazo(const Trazo& t) {
    const std::string trazo = " stroke=\"" + t.Color + "\" stroke-width=\"" + Num(t.Grosor) + "\"";
    const std::string relleno = " fill=\"" + (t.Relleno.empty() ? "none" : t.Relleno) + "\"";
    switch (t.Tipo) {
    case TipoTrazo::Linea:
        return "<line x1=\"" + Num(t.Puntos[0].x) + "\" y1=\"" + Num(t.Puntos[0].y) + "\" x2=\"" +
               Num(t.Puntos[1].x) + "\" y2=\"" + Num(t.Puntos[1].y) + "\"" + trazo +
               (t.Discontinuo ? " stroke-dasharray=\"4 3\"" : "") + "/>\n";
    case TipoTrazo::Rectangulo:
        return "<rect x=\"" + Num(t.Puntos[0].x) + "\" y=\"" + Num(t.Puntos[0].y) +
               "\" width=\"" + Num(t.Puntos[1].x - t.Puntos[0].x) + "\" height=\"" +
               Num(t.Puntos[1].y - t.Puntos[0].y) + "\"" + trazo + relleno + "/>\n";
    case TipoTrazo::Poligono: {
        std::string p;
        for (const auto& q : t.Puntos)
            p += Num(q.x) + "," + Num(q.y) + " ";
        return "<polygon points=\"" + p + "\"" + trazo + relleno +
               " stroke-linejoin=\"round\"/>\n";
    }
    case TipoTrazo::Circulo:
        return "<circle cx=\"" + Num(t.Puntos[0].x) + "\" cy=\"" + Num(t.Puntos[0].y) +
               "\" r=\"" + Num(t.Radio) + "\"" + trazo + relleno + "/>\n";
    case TipoTrazo::Texto: {
        const char* ancla = t.Ancla == AnclaTexto::Inicio   ? "start"
                            : t.Ancla == AnclaTexto::Centro ? "middle"
                                                            : "end";
        return "<text x=\"" + Num(t.Puntos[0].x) + "\" y=\"" + Num(t.Puntos[0].y) +
               "\" font-size=\"" + Num(t.Tamano) + "\" text-anchor=\"" + ancla + "\" fill=\"" +
               t.Color + "\"" + (t.Negrita ? " font-weight=\"bold\"" : "") + ">" +
               Escapar(t.Texto) + "</text>\n";
    }
    }
    return {};
}

} // namespace

std::string SvgDibujo(const DibujoTrazos& z) {
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                     Num(z.Ancho) + "\" height=\"" + Num(z.Alto) + "\" viewBox=\"0 0 " +
                     Num(z.Ancho) + " " + Num(z.Alto) +
                     "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n"
                     "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const auto& t : z.Trazos)
        s += SvgTrazo(t);
    return s + "</svg>\n";
}

} // namespace velmora
