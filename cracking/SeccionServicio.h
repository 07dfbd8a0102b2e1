#pragma once
// Sección rectangular o en T en servicio, elástica y con secciones planas: la sección bruta
// (momento de fisuración, zona traccionada antes de fisurar) y la sección fisurada (hormigón sin
// tracción, armaduras A1 y A2 homogeneizadas con n = Es/Ec,eff). Longitudes en mm, fuerzas en N,
// momentos en N·mm, tensiones en N/mm². El axil N es positivo en compresión y actúa a media
// altura; el momento M es positivo si comprime la cara superior (la de A2).

namespace velmora {

struct SeccionServicio {
    bool Rectangular = true;
    double h = 0, b = 0;    // canto y ancho (ancho de la cabeza en T)
    double hf = 0, bw = 0;  // en T: canto de la cabeza y ancho del alma
    double As1 = 0, d = 0;  // armadura traccionada (inferior) y su profundidad
    double As2 = 0, d2 = 0; // armadura superior y su profundidad
};

// Ancho de la sección a la profundidad y (mm) desde la cara superior.
[[nodiscard]] double AnchoA(const SeccionServicio& s, double y);
// Ancho de la zona traccionada inferior: b en la rectangular, bw en T.
[[nodiscard]] double AnchoTraccionado(const SeccionServicio& s);

// Sección bruta de hormigón (sin armaduras).
struct SeccionBruta {
    double Ac = 0; // mm²
    double yg = 0; // profundidad del centro de gravedad, mm
    double Ic = 0; // inercia respecto del centro de gravedad, mm⁴
    double W = 0;  // módulo resistente de la fibra inferior Ic/(h − yg), mm³
};
[[nodiscard]] SeccionBruta Bruta(const SeccionServicio& s);

// Estado de tensiones de la sección (fisurada o sin fisurar).
struct TensionesServicio {
    bool TodaTraccionada = false; // no hay hormigón comprimido: sólo trabajan las armaduras
    bool TodaComprimida = false;  // no hay tracción: la sección no fisura
    double x = 0; // profundidad de la fibra neutra, mm (≤ 0 con toda la sección traccionada)
    double sigmaC = 0;  // compresión de la fibra más comprimida, N/mm² (≥ 0)
    double sigmaS1 = 0; // tracción de A1, N/mm² (positiva en tracción)
    double sigmaS2 = 0; // tensión de A2, N/mm² (positiva en compresión)
    double eps1 = 0;    // mayor deformación de tracción de las fibras extremas
    double eps2 = 0;    // menor deformación de tracción de las fibras extremas (0 si comprimida)
};

// Sección fisurada con el coeficiente de equivalencia n y el módulo del hormigón Ec (para las
// deformaciones). Las barras dentro del hormigón comprimido cuentan con n − 1.
[[nodiscard]] TensionesServicio Fisurada(const SeccionServicio& s, double n, double Ec, double N,
                                         double M);
// Sección sin fisurar homogeneizada (hormigón entero, barras con n − 1).
[[nodiscard]] TensionesServicio SinFisurar(const SeccionServicio& s, double n, double Ec, double N,
                                           double M);

// Momento respecto del centro de gravedad bruto de M (respecto de media altura) y N.
[[nodiscard]] double MomentoEnCentro(const SeccionBruta& g, double h, double N, double M);
// Canto de la zona traccionada de la sección bruta justo antes de fisurar (tracción fct en la
// fibra inferior) con el axil N: de 0 a h (h con toda la sección traccionada).
[[nodiscard]] double hcr(const SeccionServicio& s, const SeccionBruta& g, double N, double fct);
// Área de hormigón de la zona traccionada de canto hcr (desde la cara inferior).
[[nodiscard]] double Act(const SeccionServicio& s, double hcr);

} // namespace velmora
