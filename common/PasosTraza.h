#pragma once
// Ayuda para escribir los pasos de una traza: un paso de cálculo en una línea y los números de la
// sustitución con cifras de sobra para volver a dar el valor del paso.

#include "common/Traza.h"

#include <string>

namespace velmora {

// Número de una sustitución con 10 cifras significativas.
inline std::string N(double valor) {
    return Cifras(valor, 10);
}

struct DatosPaso {
    std::string simbolo, descripcion, articulo, formula, sustitucion;
    double valor = 0.0;
    std::string unidad;
    int decimales = 3;
    double escala = 1.0;
};

inline void AnadirCalculo(Traza& t, DatosPaso d) {
    Paso p;
    p.simbolo = std::move(d.simbolo);
    p.descripcion = std::move(d.descripcion);
    p.articulo = std::move(d.articulo);
    p.formula = std::move(d.formula);
    p.sustitucion = std::move(d.sustitucion);
    p.valor = d.valor;
    p.unidad = std::move(d.unidad);
    p.decimales = d.decimales;
    p.escala = d.escala;
    t.Calculo(std::move(p));
}

} // namespace velmora
