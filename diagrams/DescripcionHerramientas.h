#pragma once
// Campos de las herramientas de los diagramas de los materiales: el parábola-rectángulo del
// hormigón (longitudes escritas en m, de cálculo en mm; fck en N/mm²) y el diagrama del acero
// (la deformación, sin unidades).

#include "common/Descripcion.h"
#include "design/TextosParametros.h"

#include <array>

namespace velmora {

enum class FormaSeccion { Rectangular, EnT };
enum class SituacionDeProyecto { PersistenteOTransitoria, Accidental };

// Las dimensiones de la sección, como las de las secciones: 0 < v ≤ 20 m; la fibra neutra puede
// quedar muy por debajo de la sección (toda comprimida, el bloque tiende al uniforme): hasta
// 1000 km.
inline constexpr Campo CampoCanto{"Valor1", "Canto h", "m", 1000.0, 0.001, 20.0, "0.40"};
inline constexpr Campo CampoAncho{"Valor2", "Ancho b", "m", 1000.0, 0.001, 20.0, "0.30"};
inline constexpr Campo CampoAnchoAla{"Valor2", "Ancho del ala b", "m", 1000.0, 0.001, 20.0,
                                     "0.30"};
inline constexpr Campo CampoRecubrimiento{"Valor3", "Recubrimiento d1", "m", 1000.0, 0.0, 20.0,
                                          "0.03"};
inline constexpr Campo CampoCantoAla{"Valor4", "Canto del ala hf", "m", 1000.0, 0.001, 20.0,
                                     "0.10"};
inline constexpr Campo CampoAnchoAlma{"Valor5", "Ancho del alma bw", "m", 1000.0, 0.001, 20.0,
                                      "0.10"};
inline constexpr Campo CampoFibraNeutra{
    "Valor6", "Profundidad de la fibra neutra x", "m", 1000.0, 0.001, 1.0e6, "0.1"};
// Hormigones de 10 a 100 N/mm² (la lista ofrece de HA-25 a HA-50).
inline constexpr Campo CampoFckParabola{"ResistenciaCaracteristica",
                                        "Resistencia característica fck",
                                        "N/mm²",
                                        1.0,
                                        10.0,
                                        100.0,
                                        "25"};

// Con el Código Estructural, las resistencias de la tabla 3.1 del Anejo 19 que admite el programa
// (las mismas que en los parámetros generales, 20 a 90 N/mm²).
inline constexpr Campo CampoFckParabolaCE = CampoResistenciaCE;

inline constexpr std::array CamposParabola{CampoCanto,     CampoAncho,     CampoRecubrimiento,
                                           CampoCantoAla,  CampoAnchoAlma, CampoFibraNeutra,
                                           CampoFckParabola};

// Deformación del acero εs: como mucho un alargamiento o un acortamiento del 100 %.
inline constexpr Campo CampoDeformacionAcero{
    "Valor1", "Deformación del acero εs", "", 1.0, -1.0, 1.0, "0.01"};

// Grupos del diagrama del acero.
inline constexpr std::array<std::string_view, 2> OpcionesTipoDiagrama{"Arm. pasiva",
                                                                      "Arm. activa"};
inline constexpr std::array<std::string_view, 3> OpcionesValorEs{"190000", "200000", "210000"};
inline constexpr std::array<Eleccion, 5> EleccionesDiagramaAcero{{
    EleccionAcero,
    {"GrupoTipoDiagrama", "Tipo de diagrama", OpcionesTipoDiagrama},
    EleccionControlAcero,
    EleccionSituacion,
    {"GrupoValorEs", "Módulo de deformación Es", OpcionesValorEs, "N/mm²"},
}};

// Código Estructural: rama superior del diagrama del acero (Anejo 19, 3.2.7(2)), en el orden de
// RamaSuperior, y los datos de la rama inclinada: k = (ft/fy)k de 1 a 1.5 y εuk en % (5 % al
// arrancar, el mínimo de los aceros B 400 S y B 500 S; la comprobación εuk > εyd es aparte).
inline constexpr std::array<std::string_view, 2> OpcionesRamaSuperior{
    "Rama horizontal (Anejo 19, 3.2.7(2)b)", "Rama inclinada (Anejo 19, 3.2.7(2)a)"};
inline constexpr Eleccion EleccionRamaSuperior{"GrupoRamaSuperior", "Rama superior del diagrama",
                                               OpcionesRamaSuperior};
inline constexpr Campo CampoCoeficienteK{"CoeficienteK", "Coeficiente k = (ft/fy)k", "", 1.0,
                                         1.0, 1.5, "1.05"};
inline constexpr Campo CampoDeformacionUk{
    "DeformacionUk", "Deformación bajo carga máxima εuk", "%", 0.01, 0.0, 100.0, "5.0"};
inline constexpr std::array CamposRamaInclinada{CampoCoeficienteK, CampoDeformacionUk};

// Grupos del diagrama parábola-rectángulo, en el orden de FormaSeccion y SituacionDeProyecto.
inline constexpr std::array<std::string_view, 2> OpcionesFormaSeccion{"Rectangular",
                                                                      "Seccion en T"};
inline constexpr std::array<Eleccion, 2> EleccionesParabola{{
    {"GrupoTipoSeccion", "Tipo de sección", OpcionesFormaSeccion},
    EleccionSituacion,
}};

} // namespace velmora
