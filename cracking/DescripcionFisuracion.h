#pragma once
// Campos de la ventana «Fisuración» y el lector que pasa sus textos a los datos de la
// comprobación (mm, N, N·mm).

#include "common/Descripcion.h"
#include "cracking/Fisuracion.h"

#include <array>
#include <span>

namespace velmora {

inline constexpr std::array<Campo, 12> CamposFisuracion{{
    {"Valorh", "Canto h", "m", 1000.0, 0.05, 20.0, "0.50"},
    {"Valorb", "Ancho b", "m", 1000.0, 0.05, 20.0, "0.30"},
    {"Valorhf", "Canto de la cabeza hf", "m", 1000.0, 0.01, 20.0, "0.10"},
    {"Valorbw", "Ancho del alma bw", "m", 1000.0, 0.05, 20.0, "0.20"},
    {"Valord2", "Recubrimiento d2", "m", 1000.0, 0.0, 20.0, "0.04"},
    {"Recubrimiento", "Recubrimiento libre c", "mm", 1.0, 0.0, 500.0, "30"},
    {"Separacion", "Separación entre barras s", "mm", 1.0, 0.0, 5000.0, "0"},
    {"MomentoCP", "Momento cuasipermanente", "kN·m", 1e6, -1e6, 1e6, "80"},
    {"AxilCP", "Axil cuasipermanente", "kN", 1e3, -1e6, 1e6, "0"},
    {"MomentoCar", "Momento característico", "kN·m", 1e6, -1e6, 1e6, "0"},
    {"AxilCar", "Axil característico", "kN", 1e3, -1e6, 1e6, "0"},
    {"Fluencia", "Coeficiente de fluencia φ", "", 1.0, 0.0, 10.0, "0"},
}};

inline constexpr std::array<std::string_view, 2> OpcionesSeccionFisuracion{"Rectangular", "En T"};
inline constexpr std::array<std::string_view, 2> OpcionesDuracionFisuracion{
    "Corta duración (kt = 0.6)", "Larga duración (kt = 0.4)"};
// Las clases de exposición con su abertura máxima, en el orden de ce::ClasesExposicion.
inline constexpr std::array<std::string_view, 18> OpcionesExposicion{
    "X0 (0.4 mm)",  "XC1 (0.4 mm)", "XC2 (0.3 mm)", "XC3 (0.3 mm)", "XC4 (0.3 mm)", "XS1 (0.2 mm)",
    "XS2 (0.2 mm)", "XS3 (0.1 mm)", "XD1 (0.2 mm)", "XD2 (0.2 mm)", "XD3 (0.2 mm)", "XF1 (0.3 mm)",
    "XF2 (0.2 mm)", "XF3 (0.3 mm)", "XF4 (0.2 mm)", "XA1 (0.2 mm)", "XA2 (0.1 mm)", "XA3 (0.1 mm)"};
inline constexpr std::array<Eleccion, 4> EleccionesFisuracion{{
    {"GrupoTipoSeccion", "Tipo de sección", OpcionesSeccionFisuracion},
    {"GrupoDuracion", "Duración de la carga", OpcionesDuracionFisuracion},
    {"ClaseExposicion", "Clase de exposición (w<sub>max</sub>)", OpcionesExposicion},
    {"Caracteristica", "Comprobar la combinación característica"},
}};
// Índices de arranque de las elecciones.
inline constexpr int SeccionFisuracionDefecto = 0, DuracionDefecto = 1, ExposicionDefecto = 1;

// Elecciones de la ventana ya leídas.
struct EleccionFisuracion {
    bool Rectangular = true;
    bool LargaDuracion = true;
    int Clase = ExposicionDefecto;
    bool Caracteristica = false;
};

// Datos de la comprobación con las barras de las ranuras 1 (cara traccionada) y 2, y fck, fyk
// de los parámetros generales. Un texto que no es un número o un valor fuera de su intervalo da
// el error con su campo; las cabezas de T sólo se leen en la sección en T y los esfuerzos
// característicos sólo si se comprueban.
[[nodiscard]] Resultado<DatosFisuracion> LeerDatosFisuracion(const TextosCampos& textos,
                                                             const EleccionFisuracion& eleccion,
                                                             std::span<const GrupoBarras> barrasA1,
                                                             std::span<const GrupoBarras> barrasA2,
                                                             double fck, double fyk);

} // namespace velmora
