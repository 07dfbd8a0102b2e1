#pragma once
// Rótulos de la ventana de parámetros generales que dependen de las elecciones del usuario.

#include "common/Descripcion.h"

#include <string>

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
