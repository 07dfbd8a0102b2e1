#pragma once
// Campos de las ventanas de datos de la sección (rectangular y en T) y su lectura: la geometría
// en m y los esfuerzos en kN·m / kN, pasados a mm, N·mm y N.

#include "common/Descripcion.h"

#include <array>
#include <span>
#include <string_view>

namespace velmora {

enum class TipoSeccion { Rectangular, EnT };

// Primer dato de los esfuerzos («Dato conocido»): índice 0 y 1 del grupo de opciones.
enum class DatoConocido { MomentoFlector, Excentricidad };

// Longitudes de una sección: de 1 cm a 20 m (las búsquedas de la fibra neutra recorren hasta
// 5·h en pasos de 0.01 mm); los recubrimientos, de 0 a 20 m.
inline constexpr std::array<Campo, 4> CamposSeccionRectangular{{
    {"Valor1", "Canto h", "m", 1000.0, 0.01, 20.0, "0.40"},
    {"Valor2", "Ancho b", "m", 1000.0, 0.01, 20.0, "0.30"},
    {"Valor3", "Recubrimiento d2", "m", 1000.0, 0.0, 20.0, "0.03"},
    {"Valor4", "Recubrimiento d1", "m", 1000.0, 0.0, 20.0, "0.03"},
}};

inline constexpr std::array<Campo, 6> CamposSeccionT{{
    {"Valorh", "Canto h", "m", 1000.0, 0.01, 20.0, "1.00"},
    {"Valorhf", "Canto de la cabeza hf", "m", 1000.0, 0.01, 20.0, "0.20"},
    {"Valorb", "Ancho b", "m", 1000.0, 0.01, 20.0, "1.00"},
    {"Valorbw", "Anchura del alma bw", "m", 1000.0, 0.01, 20.0, "0.20"},
    {"Valord2", "Recubrimiento d2", "m", 1000.0, 0.0, 20.0, "0.10"},
    {"Valord1", "Recubrimiento d1", "m", 1000.0, 0.0, 20.0, "0.10"},
}};

// Esfuerzos, comunes a las dos ventanas. Valor5 es el momento o la excentricidad según el
// «Dato conocido»; se escriben con signo y se toman en valor absoluto.
inline constexpr Campo CampoMomento{"Valor5", "Momento flector", "kN·m", 1e6, -1e6, 1e6, ""};
inline constexpr Campo CampoExcentricidad{"Valor5", "Excentricidad", "m", 1000.0, -1000.0, 1000.0,
                                          ""};
inline constexpr Campo CampoAxil{"Valor6", "Esfuerzo normal", "kN", 1000.0, -1e6, 1e6, ""};

// «Dato conocido» de las dos ventanas, en el orden de DatoConocido.
inline constexpr std::array<std::string_view, 2> OpcionesDatoConocido{"Momento flector",
                                                                      "Excentricidad"};
inline constexpr std::array<Eleccion, 1> EleccionesSeccion{{
    {"GrupoDatoConocido", "Dato conocido", OpcionesDatoConocido},
}};

// Casillas de las armaduras del momento de agotamiento.
inline constexpr std::array<Eleccion, 2> EleccionesMomento{{
    {"Traccionada", "Existe armadura traccionada"},
    {"Comprimida", "Existe armadura comprimida"},
}};

// Campos de la geometría de cada tipo, en el orden de la ventana.
std::span<const Campo> CamposGeometriaSeccion(TipoSeccion tipo);
// Todos los campos numéricos de la ventana (geometría y esfuerzos, con Valor5 como momento).
std::span<const Campo> CamposVentanaSeccion(TipoSeccion tipo);

// Geometría leída, en mm. hf y bw sólo en T.
struct GeometriaSeccion {
    TipoSeccion tipo = TipoSeccion::Rectangular;
    double h = 0, b = 0, d2 = 0, d1 = 0, hf = 0, bw = 0;
};

// Miembro de `s` (GeometriaSeccion, o cualquier estructura con h, b, d2, d1, hf y bw) que
// corresponde al control `control` de la geometría.
template <typename T> auto& MedidaDe(T& s, std::string_view control) {
    if (control == "Valor1" || control == "Valorh")
        return s.h;
    if (control == "Valor2" || control == "Valorb")
        return s.b;
    if (control == "Valor3" || control == "Valord2")
        return s.d2;
    if (control == "Valor4" || control == "Valord1")
        return s.d1;
    if (control == "Valorhf")
        return s.hf;
    return s.bw;
}

// Lee la geometría: cada campo debe ser un número; después las comprobaciones de la sección
// (canto positivo, d2 < d, hf < h, bw ≤ b...) y por último el intervalo de cada campo. Un valor
// tan grande que no es finito en mm se rechaza por su intervalo antes que nada. El error nombra
// el control.
[[nodiscard]] Resultado<GeometriaSeccion> LeerGeometriaSeccion(const TextosCampos& textos,
                                                               TipoSeccion tipo);

// Esfuerzos leídos, en valor absoluto: Md (N·mm), Nd (N), e0 (mm).
struct Solicitaciones {
    double Md = 0, Nd = 0, e0 = 0;
};

// Lee Valor6 (Nd) y Valor5: con el momento, e0 = Md/Nd (0 si Nd = 0); con la excentricidad,
// Md = e0·Nd.
[[nodiscard]] Resultado<Solicitaciones> LeerSolicitacionesSeccion(const TextosCampos& textos,
                                                                  DatoConocido dato);

} // namespace velmora
