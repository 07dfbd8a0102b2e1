#pragma once
// Longitudes de anclaje de barras corrugadas (EHE-98, art. 66.5, o Código Estructural, Anejo 19,
// 8.4, según la norma de los parámetros generales): longitud básica en las posiciones I (buena
// adherencia) y II (adherencia deficiente) y longitud neta, con el decalaje opcional de las
// armaduras traccionadas. Dentro del cálculo todo va en mm, mm² y N/mm²; los
// rótulos escriben las longitudes en cm.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "norma/Norma.h"

#include <array>
#include <cstddef>
#include <string>

namespace velmora {

// Posición de la barra durante el hormigonado (art. 66.5.1).
enum class PosicionAnclaje { I, II };
inline constexpr std::array<PosicionAnclaje, 2> PosicionesAnclaje{PosicionAnclaje::I,
                                                                   PosicionAnclaje::II};
// Índice de la posición en las tablas por posición (0 la I, 1 la II).
constexpr std::size_t Indice(PosicionAnclaje p) {
    return p == PosicionAnclaje::II ? 1 : 0;
}
// Ranura del selector de área de barras que define las barras de la posición (1 la I, 2 la II).
constexpr int RanuraDe(PosicionAnclaje p) {
    return p == PosicionAnclaje::II ? 2 : 1;
}

enum class TipoAnclaje { ProlongacionRecta, Patilla, BarraSoldada };

// Fila de TablaM para una resistencia: parte entera de (fck − 20)·0,2, menos 1. Sólo hay filas
// para 25 ≤ fck < 55; fuera de ese intervalo se rechaza con un mensaje que lo indica.
[[nodiscard]] Resultado<int> FilaTablaM(double fck);

// Coeficiente β de reducción por el tipo de anclaje (art. 66.5.3). La patilla sólo reduce en
// tracción con recubrimiento suficiente.
[[nodiscard]] double CoeficienteBeta(TipoAnclaje tipo, bool recubrimiento, bool traccion);

// --- Ecuaciones (art. 66.5.2 y 66.5.3); φ y longitudes en mm, fyk en N/mm² ---

// lbI = m·φ² con φ en cm, en mm: m·φ²/10.
[[nodiscard]] double LbI(int m, double phi);
// lbII = 1.4·m·φ² con φ en cm, en mm: 1.4·m·φ²/10.
[[nodiscard]] double LbII(int m, double phi);
// Cota inferior de la longitud básica: fyk/20·φ en la posición I, fyk/14·φ en la II, mm.
[[nodiscard]] double CotaLbI(double fyk, double phi);
[[nodiscard]] double CotaLbII(double fyk, double phi);
// Longitud neta β·lb·As/As,real (As/As,real = 1 sin armadura estricta), mm.
[[nodiscard]] double LbNeta(double beta, double lb, double AsEstricta, double AsReal);
// Mínimo de la longitud neta: el mayor de 10φ, 150 mm y el tercio (tracción) o los dos
// tercios (compresión) de m·φ², mm.
[[nodiscard]] double LbNetaMinima(double phi, double tercio);

// Datos de una posición.
struct DatosAnclaje {
    PosicionAnclaje posicion = PosicionAnclaje::I;
    double phi = 0;        // mm
    double beta = 1.0;     // –
    double AsEstricta = 0; // mm²
    double AsReal = 0;     // mm²
    int m = 0;             // coeficiente de TablaM
    double fyk = 0;        // N/mm²
    bool Traccion = false;
    bool Estricta = false; // "Armadura estricta"
    bool Dinamicos = false;
    double Decalaje = 0; // mm
    // Código Estructural (Anejo 19, 8.4): sin m ni β; la adherencia sale de fck y γc, y la
    // tensión de la barra de fyd = fyk/γs.
    Norma norma = Norma::EHE98;
    double fck = 0, gammaC = 0, fyd = 0; // N/mm², –, N/mm²
    TipoAnclaje tipo = TipoAnclaje::ProlongacionRecta;
    bool Recubrimiento = false; // cd > 3φ
};

struct LongitudAnclaje {
    double lb = 0;     // mm (lb,rqd con el Código Estructural)
    double lbneta = 0; // mm (lbd con el Código Estructural)
    bool DecalajeSumado = false;
};

// Longitud básica y neta de una posición por la norma de sus datos. Una posición sin barras
// definidas (φ ≤ 0) o, con "Armadura estricta", sin área real positiva se rechaza en lugar de dar
// una longitud sin sentido. Con `traza` (para la memoria) cada paso se anota según se calcula, con
// los mismos números y la misma rama; sin ella (nullptr) no se compone ningún texto.
[[nodiscard]] Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d,
                                                         Traza* traza = nullptr);

// "= " + longitud en cm (6:2) + " cm*" si se sumó el decalaje, o " cm". El número cabe en
// AnchoLongitudAnclaje caracteres: una longitud más larga no se puede mostrar (nunca se corta).
inline constexpr int AnchoLongitudAnclaje = 12;
[[nodiscard]] bool LongitudMostrable(double valor); // mm
std::string TextoLongitudAnclaje(double valor, bool decalajeSumado); // valor en mm

// Rótulo de la casilla del recubrimiento: tres diámetros en cm de la mayor de las barras de las
// ranuras 1 y 2 ("Recubrimiento hormigón > 3.0 cm" con barras de 10 mm).
std::string TextoRecubrimiento(const EstadoDiseno& e);

// Decalaje por defecto de la entrega desde resultados: canto útil d (mm) en cm, formato (6:1).
std::string TextoDecalajeCanto(const EstadoDiseno& e);

// Valores por posición que conserva la ventana entre aperturas (índice Indice(posición)).
struct ValoresAnclaje {
    std::array<double, 2> phi{}, lb{}, lbneta{}, beta{}, AsEstricta{}, AsReal{}; // mm, mm²
    int m = 0;
};

// Tras aceptar el selector para la ranura de la posición: φ y área real de la posición.
void TomarArmaduraRanura(const EstadoDiseno& e, ValoresAnclaje& v, PosicionAnclaje p);

// Entrega desde la ventana de resultados: las ranuras 1 y 2 reciben un grupo de `numero` barras
// de `diametro` mm, y ambas posiciones toman su φ y su área real. Textos leídos como enteros.
[[nodiscard]] Estado EntregarArmadura(EstadoDiseno& e, ValoresAnclaje& v,
                                      const std::string& numero, const std::string& diametro);

// Lo que el botón "Longitud anclaje" lee de la ventana (textos tal como están escritos), por
// posición en el orden de Indice.
struct EntradaAnclaje {
    int DesignacionAcero = 0; // 0 B 400 S, 1 B 500 S
    std::string ResistenciaCaracteristica = "25";
    TipoAnclaje Tipo = TipoAnclaje::ProlongacionRecta;
    std::string Decalaje = "0"; // cm
    bool Recubrimiento = false;
    bool Dinamicos = false;
    bool Estricta = false;
    std::array<bool, 2> Posicion{true, true};
    std::array<bool, 2> Traccion{true, false};
    std::array<std::string, 2> AreaEstricta{"1", "1"}; // cm²
};

// Intervalo de fck en la ventana de anclaje con el Código Estructural, N/mm².
inline constexpr double FckMinimaCE = 20.0, FckMaximaCE = 90.0;
// «Efectos dinámicos» se aplica con la norma (sólo la EHE-98).
[[nodiscard]] bool UsaEfectosDinamicos(Norma norma);

// Rótulos de la ventana de resultados, por posición.
struct SalidaAnclaje {
    std::array<bool, 2> Calculada{};
    std::array<std::string, 2> LongitudBasica{}, LongitudNeta{};
    bool Nota = false; // "* Se ha sumado el decalaje"
    Norma norma = Norma::EHE98;
    // Datos y longitudes de cada posición calculada, para la memoria.
    std::array<DatosAnclaje, 2> Datos{};
    std::array<LongitudAnclaje, 2> Longitud{};
};

// El botón "Longitud anclaje": escribe fyk y fck en el estado, calcula la posición II y luego
// la I (las marcadas) por la norma del estado y compone los rótulos. Con el Código Estructural
// fck va de 20 a 90 N/mm², γc y γs son los de los parámetros generales y «Efectos dinámicos» no
// se aplica. Si algún dato es erróneo no cambia nada.
[[nodiscard]] Resultado<SalidaAnclaje> CalcularLongitudesAnclaje(EstadoDiseno& e,
                                                                 ValoresAnclaje& v,
                                                                 const EntradaAnclaje& entrada);

} // namespace velmora
