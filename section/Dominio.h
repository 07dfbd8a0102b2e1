#pragma once
// Dibujo del dominio de deformación sobre la imagen de los dominios: eje de deformación nula en
// x = 312, fibra más comprimida en y = 20, armadura A1 en y = 196, fibra menos comprimida en
// y = 222; 149 px a la derecha son εcu = 3.5 ‰, 93 px son εc0 = 2 ‰; a la izquierda 78 px son la
// deformación de cedencia y 252 px son 0.01.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"

#include <string>
#include <vector>

namespace velmora {

struct PuntoDibujo {
    int x = 0, y = 0;
    bool operator==(const PuntoDibujo&) const = default;
};

struct DibujoDominio {
    std::string Etiqueta;            // "Dominio de deformación : 2." ...
    int top = 0;                     // px de la deformación de la fibra superior
    int bot = 0;                     // px de la deformación en A1 o en la fibra inferior
    std::vector<PuntoDibujo> Puntos; // polilínea: mover al primero, líneas a los demás
};

// Encabezado de la ventana del dominio para Dominio 1..6; vacío fuera de ese intervalo.
std::string TituloDominio(unsigned Dominio);

// Encabezado, longitudes (redondeadas al entero más próximo, medios al par) y polilínea del
// estado de deformación (Dominio, epsC, epsCInf, epsS1, x, d, d1, xlim). Error si no hay un
// dominio calculado (Dominio fuera de 1..6) o los valores no permiten dibujarlo.
Resultado<DibujoDominio> CalcularDibujoDominio(const EstadoDiseno& e);

} // namespace velmora
