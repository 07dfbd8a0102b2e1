#pragma once
// Campos de las flechas (ventana de datos y coeficiente ξ de la ventana de resultados) y el
// lector que pasa sus textos a los datos de cálculo (mm, N·mm, mm²).

#include "common/Descripcion.h"
#include "deflection/Flechas.h"

#include <array>

namespace velmora {

inline constexpr std::array<Campo, 5> CamposFlechas{{
    {"Valorh", "Canto h", "m", 1000.0, 0.01, 20.0, "0.40"},
    {"Valorb", "Ancho b", "m", 1000.0, 0.01, 20.0, "0.30"},
    {"Valord2", "Recubrimiento d2", "m", 1000.0, 0.0, 20.0, "0.03"},
    {"Valord1", "Recubrimiento d1", "m", 1000.0, 0.0, 20.0, "0.03"},
    {"ValorMa", "Momento Ma", "kN·m", 1e6, -1e6, 1e6, "1.00"},
}};

inline constexpr std::array<std::string_view, 2> OpcionesTipoPieza{
    "Simpl. apoyado, tramo continuo", "Voladizo"};
inline constexpr std::array<Eleccion, 1> EleccionesFlechas{{
    {"GrupoTipoPieza", "Tipo de pieza", OpcionesTipoPieza},
}};

// Duración de la aplicación de la carga, en el orden de los valores de ξ (la última deja
// escribir ξ).
inline constexpr std::array<std::string_view, 7> OpcionesDuracionCarga{
    "2 semanas", "1 mes", "3 meses", "6 meses", "1 año", "5 o más años", "Otro valor"};
inline constexpr std::array<Eleccion, 1> EleccionesResultadosFlecha{{
    {"GrupoDuracionCarga", "Duración de la aplicación de la carga", OpcionesDuracionCarga},
}};

// Coeficiente ξ escrito con «Otro valor» en la ventana de resultados.
inline constexpr Campo CampoXi{"Valor", "ξ", "", 1.0, 0.0, 10.0, "1.0"};

// Datos de «Calcular» con las áreas A1 y A2 confirmadas en el selector (mm²). Se comprueban
// primero los datos como lo hace el cálculo y después el intervalo de cada campo.
[[nodiscard]] Resultado<DatosFlecha> LeerDatosFlecha(const TextosCampos& textos, double AreaA1,
                                                     double AreaA2);

} // namespace velmora
