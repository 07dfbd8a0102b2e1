#pragma once
// Campos de las longitudes de anclaje: la resistencia, el decalaje y las áreas estrictas de las
// posiciones I y II, con la unidad en que se escriben y su intervalo válido.

#include "common/Descripcion.h"
#include "design/TextosParametros.h"

#include <array>

namespace velmora {

inline constexpr std::array<Campo, 4> CamposAnclaje{{
    {"ResistenciaCaracteristica", "Resistencia característica fck", "N/mm²", 1.0, 25.0, 55.0,
     "25"},
    {"CuadroDecalaje", "Decalaje", "cm", 10.0, -2000.0, 2000.0, "0"},
    {"AreaI", "Área estricta de la posición I", "cm²", 100.0, 0.0, 10000.0, "1"},
    {"AreaII", "Área estricta de la posición II", "cm²", 100.0, 0.0, 10000.0, "1"},
}};

inline constexpr const Campo& CampoResistenciaAnclaje = CamposAnclaje[0];
inline constexpr const Campo& CampoDecalaje = CamposAnclaje[1];
inline constexpr const Campo& CampoAreaI = CamposAnclaje[2];
inline constexpr const Campo& CampoAreaII = CamposAnclaje[3];

inline constexpr std::array<std::string_view, 3> OpcionesTipoAnclaje{
    "Prolongación recta", "Patilla, gancho y gancho en U", "Barra transversal soldada"};

inline constexpr std::array<Eleccion, 9> EleccionesAnclaje{{
    EleccionAcero,
    {"GrupoTipoAnclaje", "Anclaje de las barras", OpcionesTipoAnclaje},
    {"RecubrimientoHormigon", "Recubrimiento del hormigón mayor que 3 cm"},
    {"EfectosDinamicos", "Efectos dinámicos"},
    {"ArmaduraSuperabundante", "Armadura estricta"},
    {"PosicionII", "Armadura en posición II"},
    {"PosicionIITraccion", "Posición II a tracción"},
    {"PosicionI", "Armadura en posición I"},
    {"PosicionITraccion", "Posición I a tracción"},
}};

} // namespace velmora
