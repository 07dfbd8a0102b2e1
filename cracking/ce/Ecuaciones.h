#pragma once
// Ecuaciones de la limitación de tensiones y del control de la fisuración del Código Estructural,
// Anejo 19, 7.2 y 7.3. Longitudes en mm, áreas en mm², tensiones en N/mm², momentos en N·mm,
// deformaciones adimensionales. Una función por ecuación, con el símbolo del Anejo.

#include <array>
#include <optional>
#include <string_view>

namespace velmora::ce {

// Módulo de elasticidad del acero pasivo, N/mm² (3.2.7(4)).
inline constexpr double Es = 200000.0;

// Módulo efectivo del hormigón con fluencia: Ec,eff = Ecm/(1 + φ) (7.4.3(5), (7.20)).
[[nodiscard]] double EcEff(double Ecm, double phi);
// Coeficiente de equivalencia αe = Es/Ecm (7.3.4(2)); con Ec,eff da el de las tensiones.
[[nodiscard]] double alphaE(double Ecm);

// Diámetro equivalente de varios diámetros: Σni·φi²/Σni·φi (7.12).
[[nodiscard]] double phiEq(const double* n, const double* phi, int grupos);

// Canto eficaz alrededor de la armadura traccionada: min(2.5·(h − d); (h − x)/3; h/2); con toda
// la sección traccionada (x ≤ 0), min(2.5·(h − d); h/2) (7.3.2(3), figura 7.1).
[[nodiscard]] double hcef(double h, double d, double x);
// Cuál de los tres términos de hc,ef rige: 0 2.5·(h − d), 1 (h − x)/3, 2 h/2.
[[nodiscard]] int TerminoHcef(double h, double d, double x);
// Área eficaz Ac,eff = bt·hc,ef (7.3.2(3)).
[[nodiscard]] double AcEff(double bt, double hcef);
// Cuantía eficaz ρp,eff = As/Ac,eff, sin armadura activa (7.10).
[[nodiscard]] double rhoPEff(double As, double AcEff);

// εsm − εcm = (σs − kt·fct,eff/ρp,eff·(1 + αe·ρp,eff))/Es, sin bajar de 0.6·σs/Es (7.9).
[[nodiscard]] double EpsSmMenosEpsCm(double sigmaS, double kt, double fctEff, double rhoPEff,
                                     double alphaE);
// El término sin el mínimo de (7.9), para saber si rige el mínimo 0.6·σs/Es.
[[nodiscard]] double EpsSmMenosEpsCmSinMinimo(double sigmaS, double kt, double fctEff,
                                              double rhoPEff, double alphaE);
// kt: 0.6 en cargas de corta duración, 0.4 en las de larga duración (7.3.4(2)).
[[nodiscard]] double kt(bool largaDuracion);

// k2 = (ε1 + ε2)/(2·ε1), ε1 la mayor y ε2 la menor deformación de tracción de las fibras
// extremas de la sección fisurada (7.13); 0.5 en flexión (ε2 = 0), 1.0 en tracción pura.
[[nodiscard]] double k2(double eps1, double eps2);
// Separación máxima entre fisuras con barras próximas: k3·c + k1·k2·k4·φ/ρp,eff con k1 = 0.8
// (barras corrugadas), k3 = 3.4, k4 = 0.425 (7.11).
[[nodiscard]] double srMax(double c, double k2, double phi, double rhoPEff);
// Separación máxima con barras separadas más de 5·(c + φ/2): 1.3·(h − x) (7.14).
[[nodiscard]] double srMaxSeparadas(double h, double x);
// Separación de las barras por encima de la cual rige (7.14): 5·(c + φ/2) (7.3.4(3)).
[[nodiscard]] double SeparacionLimite(double c, double phi);
// Abertura de fisura wk = sr,max·(εsm − εcm) (7.8).
[[nodiscard]] double wk(double srMax, double deltaEps);

// Coeficiente k de las tensiones autoequilibradas: 1.0 con h ≤ 300 mm, 0.65 con h ≥ 800 mm,
// interpolado entre ambos (7.3.2(2)).
[[nodiscard]] double kAutoequilibradas(double h);
// h* = h hasta 1000 mm, 1000 mm por encima (7.3.2(2)).
[[nodiscard]] double hEstrella(double h);
// k1 de (7.2): 1.5 con axil de compresión (N ≥ 0), 2·h*/(3·h) con axil de tracción.
[[nodiscard]] double k1Axil(double N, double h);
// kc = 0.4·(1 − σc/(k1·(h/h*)·fct,eff)), entre 0 y 1, σc = N/Ac (7.2); 0.4 en flexión simple.
[[nodiscard]] double kc(double sigmaC, double k1, double h, double fctEff);
// Armadura mínima As,min = kc·k·fct,eff·Act/σs (7.1).
[[nodiscard]] double AsMin(double kc, double k, double fctEff, double Act, double sigmaS);

// Límites de tensión (7.2(2), (3) y (5)): k1·fck = 0.6·fck bajo la combinación característica
// en XD, XF y XS; k2·fck = 0.45·fck bajo la cuasipermanente (fluencia lineal); k3·fyk = 0.8·fyk
// bajo la característica.
[[nodiscard]] double SigmaCCaracteristica(double fck);
[[nodiscard]] double SigmaCCuasipermanente(double fck);
[[nodiscard]] double SigmaSCaracteristica(double fyk);

// Diámetro máximo φs* de la tabla 7.2N y separación máxima de la tabla 7.3N para la tensión
// del acero σs (N/mm²) y la abertura wk 0.4, 0.3 o 0.2 mm, interpoladas linealmente entre filas;
// por debajo de la primera fila vale la primera. Nada si la tabla no da valor (tensión por
// encima de su última fila con valor, o otra abertura).
[[nodiscard]] std::optional<double> phiSEstrella(double sigmaS, double wk);
[[nodiscard]] std::optional<double> SeparacionMaximaTabla(double sigmaS, double wk);
// Diámetro máximo corregido en flexión: φs*·(fct,eff/2.9)·kc·hcr/(2·(h − d)) (7.6N).
[[nodiscard]] double phiSFlexion(double phiSEstrella, double fctEff, double kc, double hcr,
                                 double h, double d);
// Diámetro máximo corregido en tracción: φs*·(fct,eff/2.9)·hcr/(8·(h − d)) (7.7N).
[[nodiscard]] double phiSTraccion(double phiSEstrella, double fctEff, double hcr, double h,
                                  double d);

// Clases de exposición del hormigón armado con su abertura máxima wmax (mm) de la tabla 27.2
// del Código Estructural (7.3.1(5)), y si la clase pide limitar σc a 0.6·fck (7.2(2)).
struct ClaseExposicion {
    std::string_view nombre;
    double wmax;
    bool limitaCompresion; // XD, XF, XS
};
inline constexpr std::array<ClaseExposicion, 18> ClasesExposicion{{
    {"X0", 0.4, false},
    {"XC1", 0.4, false},
    {"XC2", 0.3, false},
    {"XC3", 0.3, false},
    {"XC4", 0.3, false},
    {"XS1", 0.2, true},
    {"XS2", 0.2, true},
    {"XS3", 0.1, true},
    {"XD1", 0.2, true},
    {"XD2", 0.2, true},
    {"XD3", 0.2, true},
    {"XF1", 0.3, true},
    {"XF2", 0.2, true},
    {"XF3", 0.3, true},
    {"XF4", 0.2, true},
    {"XA1", 0.2, false},
    {"XA2", 0.1, false},
    {"XA3", 0.1, false},
}};

} // namespace velmora::ce
