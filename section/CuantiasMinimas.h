#pragma once
// Cuantías mínimas de la armadura longitudinal (EHE-98, art. 42.3).

#include "design/EstadoDiseno.h"

#include <string>

namespace velmora {

// Cuantía mecánica mínima de A1 (art. 42.3.2): si As1 < 0.04·fcd·b·h/fyd, As1 := As1·(1.5 −
// 12.5·As1·fyd/(b·h·fcd)). Devuelve si se aplicó; no toca banderas ni capacidades.
bool MinimoMecanico(EstadoDiseno& e);

// Cuantía geométrica mínima (art. 42.3.5) por tipo de elemento y acero (0 B 400 S, 1 B 500 S);
// 0 si el índice no existe.
double CuantiaGeometricaMinima(TipoDeElemento TipoElemento, int DesignacionAcero);

// Vigas: A1 ≥ rhoMin·b·h y A2 ≥ 0.3·rhoMin·b·h, capacidades con fyd.
void CuantiaMinimaViga(EstadoDiseno& e, double rhoMin);
// Soportes y placas: reparte rhoMin·b·h entre las caras (se llama sólo si As1 + As2 lo
// incumplen); capacidades con fycd en dominio 5 y fyd en otro caso.
void CuantiaMinimaTotal(EstadoDiseno& e, double rhoMin);
// Muros: si As1 + As2 < rhoMin·b·h, 2/3 y 1/3 del total (o la mitad a cada cara).
void CuantiaMinimaMuro(EstadoDiseno& e, double rhoMin);

// Último paso del dimensionamiento: la cuantía geométrica mínima del tipo de elemento.
void AplicarCuantiaMinima(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero);

// Rótulos de Cuantia y Recomendada según las tres banderas y el tipo de elemento.
struct TextosCuantia {
    std::string Cuantia;
    std::string Recomendada;
};
TextosCuantia RotularCuantia(const EstadoDiseno& e, TipoDeElemento TipoElemento);

} // namespace velmora
