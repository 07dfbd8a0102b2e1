#pragma once
// Un dibujo como lista de trazos sin Qt: las ventanas los pintan y el mismo dibujo se escribe
// como SVG autónomo (para exportarlo o para el informe de cálculo).

#include <string>
#include <vector>

namespace velmora {

enum class TipoTrazo { Linea, Poligono, Circulo, Texto, Rectangulo };
enum class AnclaTexto { Inicio, Centro, Fin };

struct PuntoTrazo {
    double x = 0, y = 0; // píxeles, y hacia abajo
};

struct Trazo {
    TipoTrazo Tipo = TipoTrazo::Linea;
    std::vector<PuntoTrazo> Puntos; // Linea: 2; Poligono: n; Circulo/Texto: 1; Rectangulo: 2 esquinas
    std::string Color = "#000000";   // trazo (o letra)
    std::string Relleno;             // vacío: sin relleno
    double Grosor = 1.0;
    double Radio = 0.0;     // círculos
    std::string Texto;      // UTF-8
    double Tamano = 12.0;   // letra, píxeles
    AnclaTexto Ancla = AnclaTexto::Inicio;
    bool Negrita = false;
    bool Discontinuo = false;
};

// Lienzo de ancho × alto píxeles con sus trazos, en el orden en que se pintan.
struct DibujoTrazos {
    double Ancho = 0, Alto = 0;
    std::vector<Trazo> Trazos;
};

// El dibujo como documento SVG autónomo (UTF-8).
[[nodiscard]] std::string SvgDibujo(const DibujoTrazos& dibujo);

} // namespace velmora
