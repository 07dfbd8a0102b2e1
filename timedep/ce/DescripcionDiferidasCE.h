#pragma once
// Campos de las ventanas de fluencia y de retracción del Código Estructural (Anejo 19, 3.1.4 y
// Apéndice B). Se escriben en unidades del SI (N/mm², %, cm², cm, mm, días); el cálculo trabaja
// en N/mm², mm y días.

#include "common/Descripcion.h"
#include "common/Traza.h"
#include "timedep/ce/Ecuaciones.h"

#include <array>
#include <initializer_list>
#include <utility>
#include <string_view>

namespace velmora::ce {

// Clases resistentes del Anejo 19 (3.1.2(2)).
inline constexpr Campo CampoFck{"ResistenciaCaracteristica", "Resistencia característica fck",
                                "N/mm²", 1.0, 20.0, 90.0, "25"};
inline constexpr Campo CampoHumedad{"HumedadRelativa", "Humedad relativa HR", "%", 1.0, 20.0,
                                    100.0, "50"};
// La sección cabe en 20 m × 20 m; el espesor medio, como mucho el de una sección de 20 m.
inline constexpr Campo CampoAreaCE{"Area", "Área de la sección Ac", "cm²", 100.0, 1.0, 4.0e6,
                                   "1200"};
inline constexpr Campo CampoPerimetroCE{"Perimetro", "Perímetro expuesto al secado u", "cm", 10.0,
                                        1.0, 8000.0, "140"};
inline constexpr Campo CampoEspesorMedio{"EspesorMedio", "Espesor medio h0", "mm", 1.0, 1.0,
                                         20000.0, "200"};
// Edades de 0.1 días a 100 años.
inline constexpr Campo CampoEdadCarga{"Tiempo01", "Edad de puesta en carga t0", "días", 1.0, 0.1,
                                      36500.0, "28"};
inline constexpr Campo CampoEdadCalculo{"Tiempo02", "Edad de cálculo t", "días", 1.0, 0.1,
                                        36500.0, "10000"};
inline constexpr Campo CampoTensionCE{"Tension", "Tensión de compresión σc", "N/mm²", 1.0, 0.0,
                                      100.0, "10"};
inline constexpr Campo CampoEdadCurado{"EdadCurado", "Edad al final del curado ts", "días", 1.0,
                                       0.1, 36500.0, "7"};
inline constexpr Campo CampoEdadRetraccion{"Edad", "Edad de cálculo t", "días", 1.0, 0.1, 36500.0,
                                           "10000"};

inline constexpr std::array CamposFluenciaCE{CampoFck,          CampoHumedad,   CampoAreaCE,
                                             CampoPerimetroCE,  CampoEspesorMedio,
                                             CampoEdadCarga,    CampoEdadCalculo, CampoTensionCE};
inline constexpr std::array CamposRetraccionCE{CampoFck,          CampoHumedad,
                                               CampoAreaCE,       CampoPerimetroCE,
                                               CampoEspesorMedio, CampoEdadCurado,
                                               CampoEdadRetraccion};

// Textos del grupo de la clase del cemento, en el orden de ClaseCemento.
inline constexpr std::array<std::string_view, 3> OpcionesClaseCemento{
    "S (endurecimiento lento)", "N (endurecimiento normal)", "R (endurecimiento rápido)"};
inline constexpr int ClaseCementoDeArranque = 1;
inline constexpr Eleccion EleccionClaseCemento{"GrupoClaseCemento", "Clase del cemento",
                                               OpcionesClaseCemento};
inline constexpr Eleccion EleccionEspesorMedio{"EspesorMedioConocido", "Espesor medio conocido",
                                               {}};
inline constexpr std::array EleccionesDiferidasCE{EleccionClaseCemento, EleccionEspesorMedio};

// Índice del grupo de la clase del cemento; rechaza, nombrando el grupo, uno fuera de él.
[[nodiscard]] Resultado<ClaseCemento> LeerClaseCemento(int indice);

} // namespace velmora::ce

namespace velmora::ce {

// Lo que comparten los datos de la fluencia y de la retracción: el hormigón, el ambiente, la
// sección y el cemento.
struct DatosHormigonCE {
    double fck = 0; // N/mm²
    double HR = 0;  // %
    double Ac = 0;  // mm² (sin uso con el espesor medio conocido)
    double u = 0;   // mm (sin uso con el espesor medio conocido)
    double h0 = 0;  // mm: 2·Ac/u, o el escrito
    bool EspesorConocido = false;
    ClaseCemento Cemento = ClaseCemento::N;
};

// Lee cada campo en su intervalo y lo deja en su destino, en orden (un campo nulo no se lee); el
// primer error nombra su campo.
using CampoDestino = std::pair<const Campo*, double*>;
[[nodiscard]] Estado LeerEnIntervalo(const TextosCampos& textos,
                                     std::initializer_list<CampoDestino> campos);

// Lee fck, HR y la sección (Ac y u, o h0 si es conocido) en su intervalo; el error nombra el
// campo.
[[nodiscard]] Resultado<DatosHormigonCE> LeerHormigonCE(const TextosCampos& textos,
                                                        bool espesorConocido,
                                                        ClaseCemento cemento);

// Cita de una cláusula del Anejo 19 para la memoria.
[[nodiscard]] std::string CitaAnejo(std::string_view clausula);
// Nombre de la clase de cemento: «S», «N» o «R».
[[nodiscard]] std::string NombreClaseCemento(ClaseCemento c);
// Pasos de la memoria comunes a la fluencia y a la retracción: h0 = 2·Ac/u (mm) o la nota del
// espesor escrito, y fcm de la tabla 3.1.
void PasosSeccionYHormigonCE(Traza& t, const DatosHormigonCE& h, double valorFcm);

} // namespace velmora::ce
