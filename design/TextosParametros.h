#pragma once
// Rótulos de la ventana de parámetros generales que dependen de las elecciones del usuario.

#include "common/Descripcion.h"
#include "design/EstadoDiseno.h"
#include "materiales/ce/Hormigon.h"
#include "norma/Norma.h"

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

// En el Código Estructural, de C20/25 a C90/105 (Anejo 19, tabla 3.1).
inline constexpr Campo CampoResistenciaCE{"ResistenciaCaracteristica",
                                          "Resistencia característica fck",
                                          "N/mm²",
                                          1.0,
                                          20.0,
                                          90.0,
                                          "25"};

// Coeficiente αcc del Código Estructural (Anejo 19, 3.1.6(1)), de ce::AlfaCCMinimo a
// ce::AlfaCCMaximo.
inline constexpr Campo CampoAlfaCC{
    "CoeficienteAlfaCC", "Coeficiente αcc", "", 1.0, ce::AlfaCCMinimo, ce::AlfaCCMaximo, "1.00"};

// Campos de texto de los parámetros generales, para la memoria.
inline constexpr std::array<Campo, 2> CamposParametros{CampoResistencia, CampoAlfaCC};

// Opciones de los grupos de los parámetros generales, en el orden de su índice; las comparten
// las herramientas que eligen acero, nivel de control o situación de proyecto.
inline constexpr std::array<std::string_view, 2> OpcionesAcero{"B 400 S", "B 500 S"};
inline constexpr std::array<std::string_view, 2> OpcionesNivelControl{"Normal", "Reducido"};
// En el Código Estructural el segundo nivel de control es el intenso (Anejo 19, 2.4.2.6 y 2.4.2.7).
inline constexpr std::array<std::string_view, 2> OpcionesNivelControlCE{"Normal", "Intenso"};
inline constexpr std::array<std::string_view, 5> OpcionesTipoElemento{
    "Viga", "Soporte", "Placa", "Muro Horiz.", "Muro Vert."};
inline constexpr std::array<std::string_view, 2> OpcionesSituacion{"Persistente o transitoria",
                                                                   "Accidental"};

inline constexpr Eleccion EleccionAcero{"GrupoDesignacionAcero", "Acero", OpcionesAcero};
inline constexpr Eleccion EleccionControlAcero{"GrupoControlAcero",
                                               "Nivel de control del acero", OpcionesNivelControl};
inline constexpr Eleccion EleccionSituacion{"GrupoSituacionProyecto", "Situación de proyecto",
                                            OpcionesSituacion};

inline constexpr Eleccion EleccionNorma{"GrupoNorma", "Norma", OpcionesNorma};

inline constexpr std::array<Eleccion, 8> EleccionesParametros{{
    EleccionNorma,
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

// Con control reducido del hormigón la resistencia escrita no se usa: fcd = 10 N/mm², es decir
// fck = 10·γc (EHE-98, art. 39.4 y 15.3).
[[nodiscard]] inline constexpr double FckControlReducido(double gammaC) {
    return 10.0 * gammaC;
}

// "Hormigón HA-" seguido de la fck que se usa con control reducido («Hormigón HA-15»).
std::string TextoHormigonReducido(double gammaC);

// Coeficientes parciales de seguridad por situación de proyecto (EHE-98, art. 15.3):
// "= 1.15" y "= 1.5" en situación persistente o transitoria (0); "= 1.0" y "= 1.3" en
// accidental (1).
std::string TextoGammaS(int situacion);
std::string TextoGammaC(int situacion);

// Los mismos rótulos con la norma y el nivel de control (índice 1: intenso en el Código
// Estructural, que baja γs a 1.10 y γc a 1.40 en situación persistente; Anejo 19, 2.4.2.6 y
// 2.4.2.7). En la EHE-98 son los de arriba.
std::string TextoGammaS(Norma norma, int situacion, int control);
std::string TextoGammaC(Norma norma, int situacion, int control);

// Coeficientes parciales del Código Estructural (Anejo 19, 2.4.2.4, 2.4.2.6 y 2.4.2.7).
[[nodiscard]] double GammaSCE(int situacion, int control);
[[nodiscard]] double GammaCCE(int situacion, int control);

// Opciones del nivel de control según la norma.
[[nodiscard]] std::span<const std::string_view> OpcionesControl(Norma norma);

// Devuelve fck, γc y fcd del estado a lo que dicen la resistencia escrita, la situación de
// proyecto y la norma de los parámetros (sin control reducido ni hormigonado vertical; αcc del
// estado en el Código Estructural). Si la resistencia escrita no es un número, el estado no
// cambia.
void HormigonDeLosParametros(EstadoDiseno& e, const EleccionParametros& p);

// Intervalo de la resistencia del hormigón según la norma.
[[nodiscard]] const Campo& CampoResistenciaDe(Norma norma);

} // namespace velmora
