#pragma once
// Conversión de unidades de longitud, fuerza, momento, tensión y momento de inercia entre las
// unidades de la práctica estructural: m, cm, mm y t, kp, kN, N (gravedad 9.8 m/s²).

#include "common/Descripcion.h"
#include "common/Resultado.h"

#include <array>
#include <limits>

#include <string>
#include <string_view>

namespace velmora {

// El valor de origen: cualquier número representable; lo que no se puede convertir lo dice la
// propia ventana («Valor no válido», «Fuera de rango») en lugar del resultado.
inline constexpr Campo CampoValorOrigen{"ValorOrigen",
                                        "Valor de origen",
                                        "",
                                        1.0,
                                        -std::numeric_limits<double>::max(),
                                        std::numeric_limits<double>::max(),
                                        "1.0"};

// Clases de magnitud, por el índice del grupo "Tipo de conversión".
enum class TipoConversion { Longitud = 0, Fuerza = 1, Momento = 2, Tension = 3, Inercia = 4 };
inline constexpr int NumeroTiposConversion = 5;
inline constexpr int NumeroUnidadesLongitud = 3; // m, cm, mm
inline constexpr int NumeroUnidadesFuerza = 4;   // t, kp, kN, N

// Textos de los grupos de la ventana, en el orden de sus índices.
inline constexpr std::array<std::string_view, NumeroTiposConversion> OpcionesTipoConversion{
    "Longitud", "Fuerza", "Momento", "Tensión", "Inercia"};
inline constexpr std::array<std::string_view, NumeroUnidadesLongitud> OpcionesUnidadLongitud{
    "m", "cm", "mm"};
inline constexpr std::array<std::string_view, NumeroUnidadesFuerza> OpcionesUnidadFuerza{
    "t", "kp", "kN", "N"};
inline constexpr std::array<std::string_view, 2> OpcionesSalida{"Decimal", "Científico"};
inline constexpr std::array<Eleccion, 6> EleccionesConversion{{
    {"GrupoTipoConversion", "Tipo de conversión", OpcionesTipoConversion},
    {"GrupoTipoLongitudOrigen", "Unidad de longitud de origen", OpcionesUnidadLongitud},
    {"GrupoTipoFuerzaOrigen", "Unidad de fuerza de origen", OpcionesUnidadFuerza},
    {"GrupoTipoLongitudFinal", "Unidad de longitud final", OpcionesUnidadLongitud},
    {"GrupoTipoFuerzaFinal", "Unidad de fuerza final", OpcionesUnidadFuerza},
    {"GrupoTipoSalida", "Salida numérica", OpcionesSalida},
}};

// Nombre y factor (metros por unidad) de la unidad de longitud `indice` (0..2).
const char* NombreUnidadLongitud(int indice);
double FactorLongitud(int indice);
// Nombre y factor (newtons por unidad) de la unidad de fuerza `indice` (0..3).
const char* NombreUnidadFuerza(int indice);
double FactorFuerza(int indice);

// Qué grupos de unidades intervienen en cada clase de magnitud.
bool UsaFuerza(TipoConversion tipo);
bool UsaLongitud(TipoConversion tipo);

// Texto de la unidad de una clase de magnitud: "m", "t", "t*m", "kN/m²", "cm4".
std::string TextoUnidad(TipoConversion tipo, std::string_view fuerza, std::string_view longitud);

// Unidades elegidas (índices de los grupos de origen y final).
struct UnidadesConversion {
    int LongitudOrigen = 0, FuerzaOrigen = 0, LongitudFinal = 0, FuerzaFinal = 0;
};

// Valor convertido; productos y cocientes de izquierda a derecha.
double ConvertirValor(TipoConversion tipo, double valor, const UnidadesConversion& u);

// Formato decimal: tres decimales, alineado a la derecha en al menos diez caracteres. Un número
// que no cabe en 25 caracteres o que llevaría más de 15 cifras se escribe en forma científica
// (con `separador`), nunca recortado.
std::string FormatoDecimal(double valor, std::string_view separador = ".");
// Forma científica "0.0000000E+00" con el separador decimal dado.
std::string FormatoCientifico(double valor, std::string_view separador = ".");

// Textos que muestra la ventana cuando el valor no se puede convertir.
inline constexpr const char* TextoValorNoValido = "Valor no válido";
inline constexpr const char* TextoValorFueraRango = "Fuera de rango";

// Conversión completa de un texto escrito por el usuario: el texto del valor final, o un error
// (texto no numérico o resultado fuera del intervalo de los números representables).
Resultado<std::string> ConvertirTexto(TipoConversion tipo, std::string_view texto,
                                      const UnidadesConversion& u, bool cientifico,
                                      std::string_view separador = ".");

// Texto de `ValorFinal` mientras el usuario escribe: el valor convertido, o el aviso breve
// TextoValorNoValido / TextoValorFueraRango.
std::string TextoValorFinal(TipoConversion tipo, std::string_view texto,
                            const UnidadesConversion& u, bool cientifico,
                            std::string_view separador = ".");

} // namespace velmora
