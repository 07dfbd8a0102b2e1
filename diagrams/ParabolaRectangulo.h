#pragma once
// Bloque de compresiones del hormigón con el diagrama parábola-rectángulo (EHE-98, art. 39.5;
// con el Código Estructural, Anejo 19, 3.1.7 y los planos de 6.1), evaluado por sí mismo para
// una sección rectangular o en T y una profundidad de la fibra neutra escrita por el usuario.
// Escribe en el estado de diseño la sección y el hormigón que usa. La norma es la del estado.

#include "common/Descripcion.h"
#include "common/Resultado.h"
#include "common/Traza.h"
#include "diagrams/DescripcionHerramientas.h"
#include "design/EstadoDiseno.h"
#include "materiales/BloqueComprimido.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Textos de los campos (longitudes en metros) y elecciones de la ventana, con los de arranque.
struct DatosParabola {
    std::string Valor1 = "0.40"; // h
    std::string Valor2 = "0.30"; // b (ancho del ala en T)
    std::string Valor3 = "0.03"; // d1
    std::string Valor4 = "0.10"; // hf (sólo en T)
    std::string Valor5 = "0.10"; // bw (sólo en T)
    std::string Valor6 = "0.1";  // x
    std::string ResistenciaCaracteristica = "25";
    int TipoSeccion = 0;       // 0 = Rectangular, 1 = Seccion en T
    int SituacionProyecto = 0; // 0 = Persistente o transitoria, 1 = Accidental
};

// Datos leídos, en unidades de cálculo (mm, N/mm²).
struct ValoresParabola {
    FormaSeccion Forma = FormaSeccion::Rectangular;
    SituacionDeProyecto Situacion = SituacionDeProyecto::PersistenteOTransitoria;
    double h = 0, b = 0, d1 = 0, hf = 0, bw = 0; // hf y bw sólo en T
    double x = 0;                                // profundidad de la fibra neutra
    double fck = 0;
};

// Lee los campos (los de la T sólo en T): un texto que no es un número, o una resistencia que
// no es positiva, se rechaza nombrando el campo.
[[nodiscard]] Resultado<ValoresParabola> LeerDatosParabola(const TextosCampos& textos,
                                                           FormaSeccion forma,
                                                           SituacionDeProyecto situacion);
// Los textos de DatosParabola como los de la ventana.
[[nodiscard]] TextosCampos TextosParabola(const DatosParabola& datos);

struct RotulosParabola {
    std::string Compresion;     // "C  = " + Cc en kN (8:3) + " kN"
    std::string CentroGravedad; // "x   =  " + yc en m (8:3) + " m"
};

// "Hormigón HA-" seguido del texto de la resistencia si es un número de su intervalo; si no,
// sólo "Hormigón" (nada derivado de un dato rechazado queda en la ventana).
// El intervalo es el de la resistencia de la norma (CampoFckParabolaDe).
std::string TextoEtiquetaHormigon(std::string_view ResistenciaCaracteristica,
                                  Norma norma = Norma::EHE98);
// "= " + γc de la situación (4:2): "= 1.50" o "= 1.30".
std::string TextoEtiquetaGammac(const EstadoDiseno& e, int SituacionProyecto);

// Intervalo de la resistencia fck del diagrama con la norma: 10 a 100 N/mm² en la EHE-98, 20 a
// 90 N/mm² (tabla 3.1) en el Código Estructural.
[[nodiscard]] const Campo& CampoFckParabolaDe(Norma norma);

// Con el Código Estructural, la ley que se usa: «Código Estructural, Anejo 19, 3.1.7: εc2 =
// 2.00 ‰, εcu2 = 3.50 ‰, n = 2.00, fcd = αcc·fck/γc = 16.67 N/mm²» (εc2, εcu2 y n de la tabla
// 3.1 para fck en N/mm²); vacío si fck no está en su intervalo.
std::string TextoLeyHormigonCE(double fck, double alphaCC, double gammaC);
// γc del diagrama para la situación de proyecto (0 o 1) con la norma del estado.
[[nodiscard]] double GammaCParabola(const EstadoDiseno& e, int SituacionProyecto);

// «Calcular»: lee los campos, comprueba la sección y la fibra neutra, escribe h, b, d1, d,
// SeccionRectangular, hf y bw (en T), fck, gammaC, fcd, x, y el bloque Cc, yc, epsC (y epsCInf).
// EHE-98: fcd = fck/γc y BloqueComprimido. Código Estructural: γc de Anejo 19, 2.4.2.4, fcd =
// αcc·fck/γc con αcc del estado (3.15), el diagrama de 3.1.7 con la tabla 3.1 y el plano
// último de 6.1 (εcu2 arriba si x ≤ h; si no, εc2 en el pivote a (1 − εc2/εcu2)·h). Ante un dato que no es un número o no tiene sentido devuelve el error
// que nombra el campo y no cambia el estado.
// Después de esas comprobaciones, un dato fuera de su intervalo o un resultado que no cabe en su
// rótulo también se rechazan.
// Con una traza anota cada paso al calcularlo (fcd, la ley, el plano, εc, C y su profundidad);
// un cálculo rechazado no deja ningún paso.
[[nodiscard]] Resultado<RotulosParabola> CalcularParabola(EstadoDiseno& e,
                                                          const ValoresParabola& datos,
                                                          Traza* traza = nullptr);
[[nodiscard]] Resultado<RotulosParabola> CalcularParabola(EstadoDiseno& e,
                                                          const DatosParabola& datos);

// Bloque parábola-rectángulo de ancho constante b (mm), profundidad x (mm) y deformación εc en la
// fibra más comprimida, nula en la fibra neutra (EHE-98, art. 39.5): resultante (N) y
// profundidad de su centro de gravedad bajo la fibra más comprimida (mm). Con k = εc0/εc y la
// meseta α·fcd (α = ehe98::Cansancio): C = α·fcd·b·x·(1 − k/3) si εc ≥ εc0; con m = εc/εc0:
// C = α·fcd·b·x·(m − m²/3).
[[nodiscard]] double ResultanteRectangular(double fcd, double b, double x, double epsC);
[[nodiscard]] double CentroRectangular(double x, double epsC);

// Tensión (N/mm²) del diagrama de la norma del estado con su fck y fcd: TensionHormigon en la
// EHE-98; en el Código Estructural σc = fcd·[1 − (1 − ε/εc2)^n] hasta εc2 y fcd hasta εcu2
// (Anejo 19, (3.17) y (3.18)); 0 si ε ≤ 0.
[[nodiscard]] double TensionParabola(const EstadoDiseno& e, double eps);

// --- Dibujo del bloque sobre el canto ---

struct PuntoBloque {
    double y;     // profundidad bajo la fibra más comprimida, mm
    double sigma; // tensión del hormigón, N/mm²
};

struct DibujoBloque {
    bool Rectangular = true;
    double h = 0, b = 0, bw = 0, hf = 0, d1 = 0, x = 0, yc = 0, Cc = 0, fcd = 0;
    double epsC = 0, epsInf = 0;        // deformación arriba y en la fibra inferior
    Norma norma = Norma::EHE98;
    double tensionMaxima = 0;           // la meseta: Cansancio·fcd (EHE-98) o fcd (Anejo 19)
    double epsC2 = 0, epsCU2 = 0;       // deformaciones de la ley (tabla 3.1 en el Anejo 19)
    std::vector<PuntoBloque> Tensiones; // de 0 a min(x, h)
};

// Datos del dibujo de la última CalcularParabola (sección, x, yc, Cc y la ley de tensiones).
DibujoBloque CalcularDibujoBloque(const EstadoDiseno& e);

} // namespace velmora
