#pragma once
// Comprobación en servicio de una sección de hormigón armado según el Código Estructural,
// Anejo 19, 7.2 y 7.3, sea cual sea la norma elegida para lo demás: tensiones del hormigón y del
// acero, abertura de fisura wk, armadura mínima As,min y control sin cálculo directo (tablas 7.2N
// y 7.3N). Unidades: mm, N, N·mm, N/mm².

#include "common/Resultado.h"
#include "common/Traza.h"
#include "cracking/SeccionServicio.h"
#include "design/EstadoDiseno.h"

#include <optional>
#include <vector>

namespace velmora {

// Datos de la comprobación en unidades de cálculo.
struct DatosFisuracion {
    bool Rectangular = true;
    double h = 0, b = 0, hf = 0, bw = 0;
    double d2 = 0; // profundidad de la armadura superior A2
    double c = 0;  // recubrimiento libre de las barras traccionadas
    std::vector<GrupoBarras> BarrasA1, BarrasA2;
    double Separacion = 0; // entre ejes de las barras traccionadas; 0: la de las barras en el ancho
    double Mcp = 0, Ncp = 0; // combinación cuasipermanente
    bool Caracteristica = false;
    double Mk = 0, Nk = 0; // combinación característica
    double phi = 0;        // coeficiente de fluencia para las tensiones
    bool LargaDuracion = true;
    int Clase = 1; // índice en ce::ClasesExposicion
    double fck = 0, fyk = 0;
};

// Abertura de fisura (7.3.4) de la combinación cuasipermanente fisurada.
struct AberturaFisura {
    double phiEq = 0, s = 0, sLimite = 0;
    bool SeparadasRige = false; // s > 5·(c + φ/2): rige (7.14)
    double k2 = 0.5, hcef = 0, AcEff = 0, rho = 0, alphaE = 0, kt = 0.4;
    int Termino = 0; // término de hc,ef que rige
    double deltaEps = 0;
    bool MinimoRige = false; // rige 0.6·σs/Es en (7.9)
    double srMax = 0, wk = 0;
    bool Cumple = false;
};

// Armadura mínima (7.3.2).
struct ArmaduraMinima {
    double hcr = 0, Act = 0, k = 0, kc = 0, AsMin = 0;
    bool Traccion = false; // toda la sección traccionada al fisurar: kc = 1
    bool Cumple = false;
};

// Control sin cálculo directo (7.3.3): nada si la tabla no da valor.
struct ControlTablas {
    bool Aplicable = false; // wmax de 0.4, 0.3 o 0.2 mm y sección fisurada
    std::optional<double> phiEstrella, phiS, sMax;
    double phiMax = 0; // mayor diámetro de las barras traccionadas
    bool Cumple = false;
};

struct ResultadoFisuracion {
    DatosFisuracion datos;
    SeccionServicio seccion;
    SeccionBruta bruta;
    double fctm = 0, Ecm = 0, EcEff = 0, n = 0;
    double Mcr = 0, Mg = 0; // momento de fisuración y el cuasipermanente en el centro bruto
    bool Fisura = false;
    TensionesServicio cp; // tensiones cuasipermanentes (fisurada o sin fisurar)
    std::optional<AberturaFisura> abertura;
    double wmax = 0;
    bool FluenciaLineal = true; // σc ≤ 0.45·fck
    // Característica (si se da).
    double McrK = 0;
    bool FisuraK = false;
    TensionesServicio car;
    bool LimitaCompresion = false, CumpleSigmaC = true, CumpleSigmaS = true;
    ArmaduraMinima minima;
    ControlTablas tablas;
};

// Profundidad d del centro de gravedad de las barras traccionadas, con el recubrimiento libre c
// hasta cada barra de una sola capa.
[[nodiscard]] double ProfundidadUtil(double h, double c, const std::vector<GrupoBarras>& barras);
// Área de un grupo de barras, mm².
[[nodiscard]] double AreaGrupos(const std::vector<GrupoBarras>& barras);

// Comprueba los datos (mensajes que nombran el campo) y hace la comprobación; con `traza`, anota
// cada paso con su apartado del Anejo 19.
[[nodiscard]] Resultado<ResultadoFisuracion> CalcularFisuracion(const DatosFisuracion& datos,
                                                                Traza* traza = nullptr);

} // namespace velmora
