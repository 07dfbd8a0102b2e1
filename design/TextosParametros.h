#pragma once
// Rótulos de la ventana de parámetros generales que dependen de las elecciones del usuario.

#include "common/Descripcion.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// Resistencia característica del hormigón escrita en los parámetros generales: de HA-20 a
// HA-100 (N/mm²).
inline constexpr Campo CampoResistencia{"ResistenciaCaracteristica",
                                        "Resistencia característica fck",
                                        "N/mm²",
                                        1.0,
                                        20.0,
                                        100.0,
                                        "25"};

// Opciones de los grupos de los parámetros generales, en el orden de su índice; las comparten
// las herramientas que eligen acero, nivel de control o situación de proyecto.
inline constexpr std::array<std::string_view, 2> OpcionesAcero{"B 400 S", "B 500 S"};
inline constexpr std::array<std::string_view, 2> OpcionesNivelControl{"Normal", "Reducido"};
inline constexpr std::array<std::string_view, 5> OpcionesTipoElemento{
    "Viga", "Soporte", "Placa", "Muro Horiz.", "Muro Vert."};
inline constexpr std::array<std::string_view, 2> OpcionesSituacion{"Persistente o transitoria",
                                                                   "Accidental"};

inline constexpr Eleccion EleccionAcero{"GrupoDesignacionAcero", "Acero", OpcionesAcero};
inline constexpr Eleccion EleccionControlAcero{"GrupoControlAcero",
                                               "Nivel de control del acero", OpcionesNivelControl};
inline constexpr Eleccion EleccionSituacion{"GrupoSituacionProyecto", "Situación de proyecto",
                                            OpcionesSituacion};

inline constexpr std::array<Eleccion, 7> EleccionesParametros{{
    EleccionAcero,
    EleccionControlAcero,
    {"GrupoControlHormigon", "Nivel de control del hormigón", OpcionesNivelControl},
    {"GrupoTipoElemento", "Tipo de elemento", OpcionesTipoElemento},
    EleccionSituacion,
    {"ArmaduraSimetrica", "Armadura simétrica"},
    {"HormigonadoVertical", "Hormigonado vertical"},
}};

// El texto es una resistencia que se admite (un número dentro de su intervalo).
[[nodiscard]] bool ResistenciaValida(const std::string& texto);

// "Acero B 400 S" (designación 0) o "Acero B 500 S" (designación 1).
std::string TextoAcero(int designacion);

// "Hormigón HA-" seguido del texto de la resistencia tal como está escrito.
std::string TextoHormigon(const std::string& resistencia);

// Coeficientes parciales de seguridad por situación de proyecto (EHE-98, art. 15.3):
// "= 1.15" y "= 1.5" en situación persistente o transitoria (0); "= 1.0" y "= 1.3" en
// accidental (1).
std::string TextoGammaS(int situacion);
std::string TextoGammaC(int situacion);

} // namespace velmora
