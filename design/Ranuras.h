#pragma once
// Ranuras de armadura: hasta tres grupos de barras (número y diámetro) por ranura.

#include "design/EstadoDiseno.h"

#include <span>
#include <string>

namespace velmora {

// Área de n barras de diámetro d mm: n·π·d²/4, en mm².
double AreaBarras(int n, int d);

// Suma de las áreas de los grupos visibles de la ranura k (mm²), sin tocar el selector.
double AreaDeRanura(const EstadoDiseno& e, int k);

// AreaTotal := suma de las áreas de los grupos visibles de la ranura IndiceArmadura (mm²).
double SumarArea(EstadoDiseno& e);

// Rótulo del área de la ranura en cm², formato (10:4): "    0.7854" para 1Ø10.
std::string TextoAreaTotal(const EstadoDiseno& e);

// Descripción corta de la ranura k, p. ej. "2Ø12+3Ø10", cortada a sus 20 primeros caracteres.
std::string TextoArmadura(const EstadoDiseno& e, int k);

// Número de grupos llevado al intervalo 1..3 que admite una ranura.
[[nodiscard]] int GruposValidos(int n);

// Los grupos en uso (visibles en el selector) de la ranura k, del primero al último.
[[nodiscard]] std::span<const GrupoBarras> GruposEnUso(const EstadoDiseno& e, int k);

} // namespace velmora
