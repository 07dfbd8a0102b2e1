#pragma once
// Diagrama de interacción N–M de una sección rectangular o en T con armaduras dadas, y
// comprobación de combinaciones de esfuerzos sobre él (EHE-98, art. 42.1.3: pivotes del estado
// límite último; art. 39.5: parábola-rectángulo; art. 38.4: diagrama del acero).
//
// Convenios: N en N, compresión positiva; M en N·mm respecto de la mitad del canto, positivo
// cuando comprime la cara superior (la de A2). A1 es la armadura inferior y A2 la superior.

#include "common/Descripcion.h"
#include "common/Resultado.h"
#include "design/EstadoDiseno.h"
#include "materiales/LeyesSeccion.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Geometría (mm) y armaduras (mm²) de la sección.
struct SeccionInteraccion {
    bool Rectangular = true;
    double h = 0, b = 0, bw = 0, hf = 0; // b es el ancho del ala en T
    double d1 = 0, d2 = 0;               // recubrimientos mecánicos de A1 (abajo) y A2 (arriba)
    double A1 = 0, A2 = 0;
};

// La sección del estado de diseño (h, b, bw, hf, d1, d2, SeccionRectangular) con A1 y A2 (mm²).
[[nodiscard]] SeccionInteraccion SeccionDelEstado(const EstadoDiseno& e, double A1, double A2);

// Materiales con los que se calcula: fcd, fyd, fycd (N/mm²), Es (N/mm²) y el diagrama del acero.
struct MaterialesInteraccion {
    double fcd = 0, fyd = 0, fycd = 0, Es = 0;
    bool ArmaduraPasiva = true;
    LeyHormigon Hormigon;    // diagrama del hormigón de la norma
    double EpsMaxAcero = 0;  // alargamiento del pivote en la armadura; infinito sin límite
};

// Los del estado de diseño: las leyes de su norma (Es = TablaEs[IndiceEs] con la EHE-98).
[[nodiscard]] MaterialesInteraccion MaterialesDelEstado(const EstadoDiseno& e);

struct PuntoNM {
    double N = 0; // N
    double M = 0; // N·mm
};

// Punto del contorno con el perfil que lo da: mitad (momento positivo o negativo) y parámetro
// t ∈ [0, 3] (0..1 pivote A, 1..2 pivote B, 2..3 pivote C).
struct VerticeInteraccion {
    PuntoNM P;
    bool Negativo = false;
    double t = 0;
};

struct DiagramaInteraccion {
    SeccionInteraccion Seccion;
    MaterialesInteraccion Materiales;
    std::vector<VerticeInteraccion> Contorno; // cerrado (el último repite el primero), antihorario
                                              // en el plano (N, M); empieza en N0
    double N0 = 0;        // N, mayor compresión de la curva
    double Ntraccion = 0; // N, tracción centrada (negativa)
    double Mmax = 0;      // N·mm, mayor momento positivo
    double Mmin = 0;      // N·mm, mayor momento negativo (negativo)
    double EscalaN = 1;   // N, recorrido de N (N0 − Ntraccion)
    double EscalaM = 1;   // N·mm, mayor |M|

    // Los puntos del contorno, sin los perfiles.
    [[nodiscard]] std::vector<PuntoNM> Curva() const;
};

// Los materiales con las leyes dadas (diagrama pasivo del acero).
[[nodiscard]] MaterialesInteraccion MaterialesDeLeyes(const LeyesSeccion& l);

// Esfuerzos (N, M) del perfil de deformaciones último de parámetro t de la mitad indicada.
[[nodiscard]] PuntoNM PuntoPerfil(const DiagramaInteraccion& d, bool negativo, double t);

// Curva de interacción: comprueba la sección (campos de `campos`), las armaduras (no negativas,
// alguna positiva: campos "AreaA1", "AreaA2") y los materiales, y recorre los tres pivotes de las
// dos mitades, afinando cada tramo hasta que la cuerda se separa de la curva menos del 0.1 % de
// la escala (N respecto de su recorrido, M respecto del mayor |M|).
[[nodiscard]] Resultado<DiagramaInteraccion>
CalcularInteraccion(const EstadoDiseno& e, const SeccionInteraccion& s,
                    std::string_view campoA1 = "AreaA1", std::string_view campoA2 = "AreaA2");
// Lo mismo con unos materiales dados en lugar de los del estado.
[[nodiscard]] Resultado<DiagramaInteraccion>
CalcularInteraccion(const MaterialesInteraccion& m, const SeccionInteraccion& s,
                    std::string_view campoA1 = "AreaA1", std::string_view campoA2 = "AreaA2");

// --- Combinaciones de esfuerzos ---

struct Combinacion {
    std::string Nombre;
    double Nd = 0; // N
    double Md = 0; // N·mm
};

struct ComprobacionCombinacion {
    Combinacion Carga;
    bool Nula = false;  // Nd = Md = 0: no hay rayo; se da por cumplida sin γ
    double Gamma = 0;   // factor por el que se multiplica (Nd, Md) hasta llegar al contorno
    bool Cumple = true; // γ ≥ 1 (un punto sobre el contorno cumple)
    PuntoNM Agotamiento; // punto del contorno sobre el rayo
};

// γ a lo largo del rayo desde el origen, con el punto de corte buscado sobre la curva exacta
// (no sobre la cuerda).
[[nodiscard]] ComprobacionCombinacion ComprobarCombinacion(const DiagramaInteraccion& d,
                                                           const Combinacion& c);

// Textos de una fila de la tabla de combinaciones (nombre, Nd en kN, Md en kN·m).
struct FilaCombinacion {
    std::string Nombre, Nd, Md;
};

// Lee una fila (fila desde 1, para el mensaje): los números con LeerNumero (coma o punto
// decimal). Un dato ilegible o desmesurado da un error que nombra la fila y la columna; `campo`
// viaja en el error. Un nombre vacío se sustituye por el número de la fila.
[[nodiscard]] Resultado<Combinacion> LeerCombinacion(const FilaCombinacion& f, int fila,
                                                     std::string_view campo = "Combinaciones");

// Parte un texto pegado de una hoja de cálculo en filas: columnas separadas por tabuladores o,
// si la línea no tiene ninguno, por punto y coma; tres columnas (nombre, Nd, Md) o dos (Nd, Md).
// Se saltan las líneas vacías y una primera línea de títulos (sin números en Nd y Md).
[[nodiscard]] std::vector<FilaCombinacion> PartirTablaPegada(std::string_view texto);

// --- Campos, rótulos y ficheros ---

// Áreas de las armaduras, escritas en cm².
inline constexpr Campo CampoAreaA1{"AreaA1", "Área A1", "cm²", 100.0, 0.0, 100000.0, "0"};
inline constexpr Campo CampoAreaA2{"AreaA2", "Área A2", "cm²", 100.0, 0.0, 100000.0, "0"};

// Rótulos de resultados de la ventana: "    1455.0 kN", "     104.8 kN·m".
struct RotulosInteraccion {
    std::string N0, Ntraccion, Mmax, Mmin;
    std::string Materiales; // fcd, fyd y fycd en N/mm², en texto enriquecido
};
[[nodiscard]] RotulosInteraccion RotularInteraccion(const DiagramaInteraccion& d);

// Los resultados en números, como los da velmora-calc: axiles en kN, momentos en kN·m y la
// curva redondeada a la milésima ({N, M} por vértice).
struct ValoresInteraccion {
    double N0 = 0, Ntraccion = 0, Mmax = 0, Mmin = 0;
    std::vector<std::array<double, 2>> Curva;
};
[[nodiscard]] ValoresInteraccion Valores(const DiagramaInteraccion& d);
[[nodiscard]] double EnKN(double N);    // N → kN
[[nodiscard]] double EnKNm(double Nmm); // N·mm → kN·m

// Textos que la ventana escribe en sus campos: un área en cm² ("4.0212" de 402.12 mm²), una
// longitud en m ("0.400" de 400 mm) y un axil o un momento en kN o kN·m sin ceros sobrantes
// ("300" de 300000 N, "-12.5" de −12.5e6 N·mm).
[[nodiscard]] std::string TextoAreaCm2(double mm2);
[[nodiscard]] std::string RotuloAreaCm2(double mm2); // el área en 10 caracteres: "    4.0212"
[[nodiscard]] std::string TextoLongitudM(double mm);
[[nodiscard]] std::string TextoAxilKN(double N);
[[nodiscard]] std::string TextoMomentoKNm(double Nmm);

// Pista de un punto del dibujo (texto enriquecido): nombre, Nd, Md, γ, veredicto y el punto de
// agotamiento sobre el rayo.
[[nodiscard]] std::string PistaCombinacion(const ComprobacionCombinacion& c);

[[nodiscard]] std::string TextoGamma(const ComprobacionCombinacion& c); // "  1.234" o "sin carga"
[[nodiscard]] std::string TextoVeredicto(const ComprobacionCombinacion& c); // Cumple / No cumple

// CSV con punto y coma y coma decimal, como lo abre una hoja de cálculo en español.
[[nodiscard]] std::string CsvCurva(const DiagramaInteraccion& d);
[[nodiscard]] std::string CsvCombinaciones(const std::vector<ComprobacionCombinacion>& c);

} // namespace velmora
