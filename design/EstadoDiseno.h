#pragma once
// Estado de diseño: el conjunto único de valores con nombre a través del cual las ventanas y los
// cálculos se comunican. Unidades internas: mm, N, N·mm, N/mm²; deformaciones adimensionales,
// acortamiento del hormigón positivo. Todo vale cero o falso al arrancar, salvo las tablas.

#include "common/Resultado.h"
#include "norma/Norma.h"

#include <array>
#include <optional>
#include <string>

namespace velmora {

struct Traza;

inline constexpr int NumeroRanuras = 5;   // ranuras de armadura 0..4
inline constexpr int GruposPorRanura = 3; // grupos 0..2 de cada ranura

// Un grupo de barras iguales de una ranura: número de barras y diámetro (mm).
struct GrupoBarras {
    int Numero = 0;
    int Diametro = 0;
};

struct EstadoDiseno {
    // --- Tablas constantes (InicializarTablas) ---
    std::array<double, 2> TablaGammaS{};             // por situación de proyecto
    std::array<double, 2> TablaGammaC{};             // por situación de proyecto
    std::array<double, 3> TablaEs{190000.0, 200000.0, 210000.0}; // IndiceEs 1..3: TablaEs[IndiceEs − 1]
    std::array<std::array<int, 2>, 6> TablaM{};      // HA-25..HA-50 × B 400 S, B 500 S

    // --- Ranuras de armadura (selector de área de barras) ---
    std::array<int, NumeroRanuras> NumeroDiametros{}; // grupos en uso de cada ranura, 1..3
    std::array<std::array<GrupoBarras, GruposPorRanura>, NumeroRanuras> Barras{};
    int IndiceArmadura = 0;  // ranura que edita el selector
    double AreaTotal = 0.0;  // mm², resultado del selector

    // --- Materiales ---
    Norma norma = Norma::EHE98; // norma con la que se calcula
    double alphaCC = 1.0;       // αcc del Código Estructural (3.1.6(1)); no interviene en la EHE-98
    double fyk = 0, fck = 0, gammaS = 0, gammaC = 0, fyd = 0, fycd = 0, fcd = 0;
    bool ArmaduraPasiva = false;
    int IndiceEs = 0;

    // --- Esfuerzos ---
    double Md = 0, Nd = 0, e0 = 0;

    // --- Sección ---
    bool SeccionRectangular = false;
    double h = 0, b = 0, bw = 0, hf = 0, d1 = 0, d2 = 0, d = 0;

    // --- Valores intermedios y resultados ---
    double x = 0;
    // Toda la sección comprimida con deformación uniforme (x = +∞): x guarda entonces
    // XSeccionComprimida, que velmora-calc escribe; se lee con ProfundidadFibraNeutra.
    bool SeccionTodaComprimida = false;
    double epsC = 0, epsCInf = 0, epsS1 = 0, epsS2 = 0, sigmaS1 = 0, sigmaS2 = 0;
    double Cc = 0, yc = 0;
    double xiLim = 0, xlim = 0, Clim = 0, yLim = 0, Mlim = 0;
    double As1 = 0, As2 = 0, U1 = 0, U2 = 0;
    unsigned Dominio = 0; // CodigoDominio del dominio de deformación; 0 sin calcular
    bool CuantiaMecanica = false, CuantiaGeometrica = false, MinimaCompresion = false;
    bool Simetrica = false;

    // --- Valores de trabajo compartidos ---
    std::string Texto;
    int Codigo = 0;
};

// Dominio de deformación de la sección (EHE-98, art. 39.2), de menor a mayor profundidad de la
// fibra neutra. El estado de diseño (y con él velmora-calc) lo guarda como su código 1..6.
enum class DominioDeformacion : unsigned {
    Dos = 1,        // dominio 2
    Tres = 2,       // dominio 3
    TresCuatro = 3, // frontera entre 3 y 4: x = xlim
    Cuatro = 4,     // dominio 4
    CuatroA = 5,    // dominio 4a
    Cinco = 6,      // dominio 5
};
[[nodiscard]] constexpr unsigned CodigoDominio(DominioDeformacion d) {
    return static_cast<unsigned>(d);
}
// El dominio de un código 1..6; nada con otro código (0: aún no se ha calculado).
[[nodiscard]] std::optional<DominioDeformacion> DominioDelCodigo(unsigned codigo);
inline void FijarDominio(EstadoDiseno& e, DominioDeformacion d) {
    e.Dominio = CodigoDominio(d);
}

// Profundidad de la fibra neutra que el estado guarda cuando toda la sección está comprimida
// (x = +∞, dominio 5 sin eje neutro): el rótulo dice «+Infinito». Sólo se escribe, con
// FijarSeccionComprimida; para leer la profundidad, ProfundidadFibraNeutra. Una profundidad
// hallada de 1000.00 mm justos es una profundidad como otra cualquiera.
inline constexpr double XSeccionComprimida = 1000.0; // mm

// Guarda una profundidad x (mm) hallada.
inline void FijarProfundidad(EstadoDiseno& e, double x) {
    e.x = x;
    e.SeccionTodaComprimida = false;
}
// Guarda la sección toda comprimida (x = +∞).
inline void FijarSeccionComprimida(EstadoDiseno& e) {
    e.x = XSeccionComprimida;
    e.SeccionTodaComprimida = true;
}
// La profundidad x (mm) que guarda un estado; nada si toda la sección está comprimida.
[[nodiscard]] inline std::optional<double> ProfundidadFibraNeutra(const EstadoDiseno& e) {
    if (e.SeccionTodaComprimida)
        return std::nullopt;
    return e.x;
}

// Tipo de elemento de los parámetros generales (índices 0..4 de su grupo de opciones).
enum class TipoDeElemento { Viga, Soporte, Placa, MuroHorizontal, MuroVertical };
// El tipo del índice 0..4; nada fuera de ese intervalo.
[[nodiscard]] std::optional<TipoDeElemento> ElementoDelIndice(int indice);
// Índice 0..4 del tipo en su grupo de opciones (y en velmora-calc).
[[nodiscard]] constexpr int IndiceElemento(TipoDeElemento t) { return static_cast<int>(t); }

// Todos los valores reales del estado son finitos (lo que se guarda tras un cálculo nunca es
// «inf» ni «nan»: velmora-calc los escribiría como null).
[[nodiscard]] bool EstadoFinito(const EstadoDiseno& e);

// Llena TablaGammaS, TablaGammaC, TablaM y los valores iniciales de las ranuras de armadura.
void InicializarTablas(EstadoDiseno& e);

// Elecciones de la ventana de parámetros generales (índices de los grupos de opciones, texto de
// la resistencia y estado de las dos casillas), con los valores de arranque.
struct EleccionParametros {
    Norma norma = Norma::EHE98;
    std::string CoeficienteAlfaCC = "1.00"; // αcc, sólo en el Código Estructural
    int DesignacionAcero = 0;  // 0 = B 400 S, 1 = B 500 S
    int ControlAcero = 0;      // 0 = Normal, 1 = Reducido (EHE-98) o Intenso (Código Estructural)
    std::string ResistenciaCaracteristica = "25";
    int ControlHormigon = 0;   // 0 = Normal, 1 = Reducido (EHE-98) o Intenso (Código Estructural)
    TipoDeElemento TipoElemento = TipoDeElemento::Viga;
    int SituacionProyecto = 0; // 0 Persistente o transitoria, 1 Accidental
    bool ArmaduraSimetricaHabilitada = false;
    bool ArmaduraSimetricaMarcada = true;
    bool HormigonadoVerticalHabilitado = false;
    bool HormigonadoVerticalMarcado = true;
};

// Índice 1 de los grupos de opciones de los parámetros generales: situación accidental y
// segundo nivel de control (reducido en la EHE-98, intenso en el Código Estructural).
inline constexpr int IndiceAccidental = 1;
inline constexpr int IndiceSegundoControl = 1;
// Índice 0 (persistente o transitoria) o 1 (accidental) de la situación elegida; fuera de
// intervalo cuenta como persistente.
[[nodiscard]] constexpr int IndiceSituacion(const EleccionParametros& p) {
    return p.SituacionProyecto == IndiceAccidental ? IndiceAccidental : 0;
}
// Índice 0 (normal) o 1 (segundo nivel) de un nivel de control.
[[nodiscard]] constexpr int IndiceControl(int control) {
    return control == IndiceSegundoControl ? IndiceSegundoControl : 0;
}

// Efecto de elegir un tipo de elemento sobre las dos casillas (habilitada/marcada).
void AplicarTipoElemento(EleccionParametros& p, TipoDeElemento tipo);

// Control reducido del hormigón de la EHE-98: la resistencia escrita no se usa (fcd = 10 N/mm²).
[[nodiscard]] inline bool ControlReducidoHormigon(const EleccionParametros& p) {
    return p.norma == Norma::EHE98 && p.ControlHormigon == IndiceSegundoControl;
}

// Deriva y guarda los materiales como el botón OK de los parámetros generales (EHE-98, art. 15
// y 39.4; Código Estructural, Anejo 19, 2.4.2.4, 3.1.6 y 3.2.7). Con control normal del hormigón
// (o siempre, en el Código Estructural), una resistencia que no es un número o está fuera de su
// intervalo se rechaza (campo "ResistenciaCaracteristica"), lo mismo que un αcc fuera de
// su intervalo (CampoAlfaCC, campo "CoeficienteAlfaCC"), y el estado no cambia. Con una traza
// anota cada paso al calcularlo (γs y γc, fyd, fyc,d y fcd); rechazados los datos, ninguno.
[[nodiscard]] Estado DerivarMateriales(EstadoDiseno& e, const EleccionParametros& p,
                                       Traza* traza = nullptr);

// Mensaje para los cálculos que necesitan los materiales cuando aún no se confirmaron.
inline constexpr const char* MensajeConfirmarParametros =
    "Confirme los parámetros generales (botón OK) antes de calcular.";

} // namespace velmora
