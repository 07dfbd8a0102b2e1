#pragma once
// Diagrama de cálculo tensión-deformación del acero, evaluado por sí mismo (EHE-98, art. 38.4
// para la armadura pasiva y 38.5 para la activa; con el Código Estructural del estado, Anejo 19,
// 3.2.7, sólo la pasiva, con Es = 200 000 N/mm² y la rama superior elegida). Escribe sus elecciones en el estado de diseño,
// donde quedan al cerrar la ventana: los cálculos de secciones que sigan usan ese acero hasta
// que se confirmen de nuevo los parámetros generales.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "diagrams/DescripcionHerramientas.h"
#include "materiales/Resistencias.h"

#include <string>
#include <vector>

namespace velmora {

// Las opciones de los grupos de la ventana, en el orden de sus botones (índices 0, 1, 2); la
// situación de proyecto es SituacionDeProyecto, la del diagrama parábola-rectángulo.
enum class TipoDiagramaAcero { Pasiva, Activa };
enum class ControlDeAcero { Normal, Reducido };
enum class ModuloDelAcero { Es190000, Es200000, Es210000 }; // N/mm²
// Código Estructural, Anejo 19, 3.2.7(2): b) horizontal; a) inclinada con límite εud.
enum class RamaSuperior { Horizontal, Inclinada };

// Datos de la rama inclinada: k = (ft/fy)k y εuk (adimensional).
struct RamaInclinada {
    double k = 1.05;
    double epsUk = 0.05;
};

// Elecciones de los cinco grupos de la ventana, con sus valores de arranque.
struct EleccionDiagrama {
    DesignacionDeAcero DesignacionAcero = DesignacionDeAcero::B400S;
    TipoDiagramaAcero TipoDiagrama = TipoDiagramaAcero::Pasiva;
    ControlDeAcero ControlAcero = ControlDeAcero::Normal;
    SituacionDeProyecto SituacionProyecto = SituacionDeProyecto::PersistenteOTransitoria;
    ModuloDelAcero ValorEs = ModuloDelAcero::Es200000;
    // Sólo con el Código Estructural (los demás grupos, salvo el tipo de diagrama y Es, también).
    RamaSuperior Rama = RamaSuperior::Horizontal;
    RamaInclinada Inclinada{};
};

// Lee k y εuk de la rama inclinada: k de 1 a 1.5, εuk (%) en su intervalo y mayor que εyd =
// fyd/Es (fyd en N/mm²); un error nombra el campo.
[[nodiscard]] Resultado<RamaInclinada> LeerRamaInclinada(const TextosCampos& textos, double fyd);

// Las elecciones de los índices de los cinco grupos (la ventana y velmora-calc); un índice fuera
// de su grupo se toma como el de arranque.
[[nodiscard]] EleccionDiagrama EleccionDeIndices(int designacion, int tipo, int control,
                                                 int situacion, int es);

// Copia las elecciones en el estado: ArmaduraPasiva, IndiceEs, fyk, gammaS y fyd (con control
// reducido, fyd = 0.75·fyk/γs). Con el Código Estructural del estado: armadura pasiva, Es =
// 200 000 N/mm² (IndiceEs 2), γs de Anejo 19, 2.4.2.4 (control intenso: 2.4.2.6) y fyd = fyk/γs.
void LeerDatosDiagrama(EstadoDiseno& e, const EleccionDiagrama& c);

// Rótulos que reescribe cada clic en un grupo de opciones.
struct RotulosDiagrama {
    std::string Label20;      // "f    =  347.8  N/mm"
    std::string Label28;      // σ para εc0 = 2 ‰:   "(εc0)   =  347.8  N/mm"
    std::string Label29;      // σ para εcu = 3.5 ‰: "(εcu) =  347.8  N/mm"
    std::string Label30;      // "(0.01)     =  347.8  N/mm"
    std::string ValorTension; // "=" (se borra el resultado anterior)
};

// LeerDatosDiagrama y los rótulos de fyd y de las tres tensiones características.
RotulosDiagrama RotularDiagrama(EstadoDiseno& e, const EleccionDiagrama& c);

// Rótulos de las etiquetas que cambian con un grupo concreto.
std::string TextoEtiquetaAcero(DesignacionDeAcero d);                          // "Acero B 400 S"
std::string TextoEtiquetaTipoDiagrama(TipoDiagramaAcero t);                    // "ar.pasiva"
std::string TextoEtiquetaGammas(const EstadoDiseno& e, SituacionDeProyecto s); // "= 1.15"
std::string TextoEtiquetaEs(ModuloDelAcero m);                                 // "= 200000 N/mm"
// Los mismos rótulos con la norma del estado: en el Código Estructural γs sigue también al nivel
// de control, Es es 200 000 N/mm² y el tipo dice la rama («ar.pasiva, rama inclinada»).
std::string TextoEtiquetaGammas(const EstadoDiseno& e, const EleccionDiagrama& c);
std::string TextoEtiquetaEs(const EstadoDiseno& e, ModuloDelAcero m);
std::string TextoEtiquetaTipoDiagrama(const EstadoDiseno& e, const EleccionDiagrama& c);
// Código Estructural: la ley que se usa, con su apartado, tras LeerDatosDiagrama («Código
// Estructural, Anejo 19, 3.2.7(2)b: rama horizontal en fyd = 347.8 N/mm² desde εyd = 1.74 ‰,
// sin límite de deformación; Es = 200000 N/mm²»).
std::string TextoLeyAceroCE(const EstadoDiseno& e, const EleccionDiagrama& c);

// Rótulo de ValorTension para una tensión: "=   " + (4:1).
std::string TextoValorTension(double sigma);
// Rótulo de ValorTension cuando la tensión del acero activo cae fuera de 100..1000 N/mm².
inline constexpr const char* TextoFueraDiagrama = "Fuera del rango del diagrama";
// Rótulo de ValorTension tras rechazar la deformación escrita (el mensaje dice por qué): la
// tensión de la deformación anterior ya no corresponde a lo escrito.
inline constexpr const char* TextoDeformacionRechazada = "Deformación no válida";

// Tensión (N/mm²) del diagrama del estado (tras LeerDatosDiagrama) para la deformación `eps`;
// NaN fuera del diagrama: el activo fuera de 100..1000 N/mm² o, con el Código Estructural, la
// rama inclinada más allá de εud. Con una traza anota sus pasos (EHE-98, art. 38.4 y 38.5;
// Anejo 19, 3.2.7): fyd, la deformación del límite y la rama en que cae `eps`.
[[nodiscard]] double TensionDiagrama(const EstadoDiseno& e, const EleccionDiagrama& c, double eps,
                                     Traza* traza = nullptr);

// «Calcular»: LeerDatosDiagrama y la tensión para la deformación `eps`. Error
// (MensajeFueraDiagramaActivo, campo "Valor1") si el diagrama activo no la alcanza; con el
// Código Estructural y la rama inclinada, si |eps| pasa de εud (campo "Valor1", cita 3.2.7(2)a).
// Con una traza, los pasos de TensionDiagrama; fuera del diagrama activo también (la memoria
// dice por qué no hay tensión), y ninguno si la deformación se rechaza por εud.
Resultado<double> CalcularTension(EstadoDiseno& e, const EleccionDiagrama& c, double eps,
                                  Traza* traza = nullptr);

// «Calcular» desde el texto de Valor1: error del lector de números si no es un número; si no,
// el rótulo de ValorTension (TextoFueraDiagrama cuando el diagrama activo no llega); una
// deformación fuera de su intervalo que el diagrama sí alcanza es un error, y también, con el
// Código Estructural, una más allá de εud en la rama inclinada.
Resultado<std::string> RotuloCalcular(EstadoDiseno& e, const EleccionDiagrama& c,
                                      std::string_view Valor1);

// --- Dibujo del diagrama ---

struct PuntoDiagrama {
    double eps;   // deformación
    double sigma; // tensión, N/mm²
};

struct DibujoAcero {
    std::vector<PuntoDiagrama> RamaElastica; // de 0 (o del mínimo) al límite elástico
    std::vector<PuntoDiagrama> RamaPlastica; // del límite elástico al final: recta o curva
    PuntoDiagrama Plastificacion{};          // punto de fyd
    PuntoDiagrama LimiteProporcional{};      // 0.7·fyd (sólo diagrama activo)
    bool CodigoEstructural = false;          // Anejo 19, 3.2.7
    std::vector<PuntoDiagrama> RamaCompresion; // la rama horizontal en compresión, si se llega a ella
    bool HayLimite = false;                  // rama inclinada: el punto de εud
    PuntoDiagrama Limite{};
    bool Activo = false;
    double epsMin = 0.0, epsMax = 0.01;    // intervalo dibujado
    double sigmaMin = 0.0, sigmaMax = 0.0; // tensiones extremas dibujadas
    bool HayPunto = false;                 // la deformación escrita cabe en el dibujo
    PuntoDiagrama Punto{};
};

// Puntos del diagrama del estado (tras LeerDatosDiagrama) entre 0 y 0.01, ampliado hasta la
// deformación escrita si |eps| ≤ 0.1 y su tensión se puede calcular. `puntoValido` dice si hay
// una deformación escrita que marcar. Con el Código Estructural, la rama de `c`: la inclinada se
// dibuja hasta εud.
DibujoAcero CalcularDibujoAcero(const EstadoDiseno& e, bool puntoValido, double eps,
                                const EleccionDiagrama& c = {});

} // namespace velmora
