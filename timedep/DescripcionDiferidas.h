#pragma once
// Campos de las ventanas de fluencia y de retracción. Estas dos deformaciones se calculan en las
// unidades de sus fórmulas (kp/cm², cm, cm², días): el factor de todos los campos es 1.

#include "common/Descripcion.h"

#include <array>

namespace velmora {

// Elementos del grupo "Medio ambiente", en el orden de las tablas de λ, φf1 y εs1.
enum class MedioAmbiente { EnAgua, MuyHumeda, Medio, MuySeca };
// Consistencia del hormigón fresco (grupo "Consistencia").
enum class Consistencia { Seca, Plastica, Semifluida };

// Área y perímetro en contacto con la atmósfera (o el espesor ficticio, si es conocido): la
// sección cabe en 20 m × 20 m; el espesor ficticio llega a 30 veces el real (λ en agua).
inline constexpr Campo CampoArea{"Area", "Area", "cm²", 1.0, 1.0, 4.0e6, "1200"};
inline constexpr Campo CampoPerimetro{"Perimetro", "Perímetro", "cm", 1.0, 1.0, 8000.0, "140"};
inline constexpr Campo CampoEspesor{"Perimetro", "Espesor", "cm", 1.0, 1.0, 60000.0, "140"};

// Edades de 0.1 días a 100 años.
inline constexpr double EdadMinima = 0.1, EdadMaxima = 36500.0;

inline constexpr Campo CampoFckFluencia{"ResistenciaCaracteristica",
                                        "Resistencia característica fck",
                                        "kp/cm²",
                                        1.0,
                                        50.0,
                                        1000.0,
                                        "200"};
inline constexpr Campo CampoTension{"Tension", "Tensión σc", "kp/cm²", 1.0, -10000.0, 10000.0,
                                    "1000"};
inline constexpr Campo CampoEdadCarga{
    "Tiempo01", "Edad de puesta en carga j", "días", 1.0, EdadMinima, EdadMaxima, "28"};
inline constexpr Campo CampoEdadCalculo{
    "Tiempo02", "Edad de cálculo t", "días", 1.0, EdadMinima, EdadMaxima, "100"};
inline constexpr Campo CampoEdad{"Edad", "Edad t", "días", 1.0, EdadMinima, EdadMaxima, "28"};

inline constexpr std::array CamposFluencia{CampoFckFluencia, CampoArea,      CampoPerimetro,
                                           CampoTension,     CampoEdadCarga, CampoEdadCalculo};
inline constexpr std::array CamposRetraccion{CampoEdad, CampoArea, CampoPerimetro};

// Textos de los grupos, en el orden de MedioAmbiente y de Consistencia.
inline constexpr std::array<std::string_view, 4> OpcionesMedioAmbiente{
    "En agua", "Atmósfera muy húmeda", "Ambiente medio (exterior)", "Atmósfera muy seca"};
inline constexpr std::array<std::string_view, 3> OpcionesConsistencia{"Seca", "Plástica",
                                                                      "Semifluida"};
inline constexpr Eleccion EleccionMedioAmbiente{"GrupoMedioAmbiente", "Medio ambiente",
                                                OpcionesMedioAmbiente};
inline constexpr Eleccion EleccionEspesorConocido{"EspesorFicticioConocido",
                                                  "Espesor ficticio conocido", {}};
inline constexpr std::array EleccionesFluencia{EleccionMedioAmbiente, EleccionEspesorConocido};
inline constexpr std::array EleccionesRetraccion{
    Eleccion{"GrupoConsistencia", "Consistencia del hormigón", OpcionesConsistencia},
    EleccionMedioAmbiente, EleccionEspesorConocido};

// Campo del número de "Perimetro": el espesor ficticio si es conocido.
inline const Campo& CampoPerimetroOEspesor(bool espesorConocido) {
    return espesorConocido ? CampoEspesor : CampoPerimetro;
}

// Índice de un grupo de opciones a su elección; rechaza, nombrando el grupo, uno fuera de él.
[[nodiscard]] Resultado<MedioAmbiente> LeerMedioAmbiente(int indice);
[[nodiscard]] Resultado<Consistencia> LeerConsistencia(int indice);

} // namespace velmora
