#pragma once
// Dibujo del diagrama de interacción como una lista de trazos sin Qt (common/Lienzo.h): la ventana
// los pinta y el mismo dibujo se escribe como SVG autónomo (para exportarlo o para el informe).
// Ejes: M (kN·m) en horizontal, N (kN) en vertical con la compresión hacia arriba.

#include "common/Lienzo.h"
#include "section/Interaccion.h"

#include <string>
#include <vector>

namespace velmora {

// Posición de una combinación en el dibujo, para las pistas al pasar el ratón.
struct MarcaCombinacion {
    PuntoTrazo Centro;
    std::size_t Indice = 0; // en la lista de comprobaciones
    bool Recortada = false; // fuera de la zona dibujada: se pone en el borde
};

// Un lienzo con las marcas de las combinaciones y la zona de los ejes.
struct DibujoInteraccion : DibujoTrazos {
    std::vector<MarcaCombinacion> Marcas;
    // Zona de los ejes (píxeles) y lo que abarca (kN·m en x, kN en y).
    double X0 = 0, X1 = 0, Y0 = 0, Y1 = 0;
    double Mmin = 0, Mmax = 0, Nmin = 0, Nmax = 0;
};

inline constexpr const char* ColorCumple = "#2e7d32";
inline constexpr const char* ColorNoCumple = "#c62828";

// Compone el dibujo en un lienzo de ancho × alto píxeles: contorno relleno, rejilla y ejes con
// divisiones y unidades, y cada combinación como un punto con su nombre, verde si cumple y rojo
// si no. Las combinaciones muy alejadas se ponen en el borde.
[[nodiscard]] DibujoInteraccion
ComponerDibujoInteraccion(const DiagramaInteraccion& d,
                          const std::vector<ComprobacionCombinacion>& c, double ancho,
                          double alto);

// ComponerDibujoInteraccion y SvgDibujo.
[[nodiscard]] std::string SvgInteraccion(const DiagramaInteraccion& d,
                                         const std::vector<ComprobacionCombinacion>& c,
                                         double ancho = 720, double alto = 540);

} // namespace velmora
