#pragma once
// Deformaciones del hormigón bajo tensión constante y coeficiente de fluencia (EHE-98, art.
// 39.8, modelo de deformaciones elásticas y plásticas, instantáneas y diferidas). Tensiones en
// kp/cm², longitudes en cm, áreas en cm², edades en días.

#include "common/Descripcion.h"
#include "common/Resultado.h"
#include "common/Traza.h"
#include "timedep/DescripcionDiferidas.h"

#include <string>

namespace velmora {

// Textos de la ventana de fluencia, tal como están escritos.
struct EntradaFluencia {
    std::string ResistenciaCaracteristica = "200";
    bool EspesorFicticioConocido = false;
    std::string Area = "1200";
    std::string Perimetro = "140";
    std::string Tension = "1000";
    int MedioAmbiente = 2;        // índice del grupo (ver enum MedioAmbiente)
    std::string Tiempo01 = "28";  // j
    std::string Tiempo02 = "100"; // t
};

struct DatosFluencia {
    double fck = 0;   // kp/cm²
    double sigma = 0; // kp/cm²
    double A = 0;     // cm²
    double u = 0;     // cm: perímetro, o el espesor ficticio si EspesorConocido
    bool EspesorConocido = false;
    MedioAmbiente Ambiente = MedioAmbiente::Medio;
    double j = 0; // días
    double t = 0; // días
};

struct ResultadosFluencia {
    double e = 0; // espesor ficticio, cm
    double fcj = 0, Ecj = 0, Ec28 = 0;
    double betaTj = 0; // β'(t−j)
    double phiF1 = 0, phiF2 = 0;
    double betaJ = 0, betaT = 0;
    double epsEi = 0, epsEd = 0, epsPi = 0, epsPd = 0;
    double phiTj = 0; // φ(t,j)
    double j = 0, t = 0; // edades del cálculo, días
};

// Lee los campos (textos por nombre de control): un texto que no es un número se rechaza
// nombrando el campo. El área no se lee con el espesor conocido.
[[nodiscard]] Resultado<DatosFluencia> LeerDatosFluencia(const TextosCampos& textos,
                                                         bool espesorConocido,
                                                         MedioAmbiente ambiente);
// Lo mismo desde los textos de la ventana (el ambiente como índice del grupo).
[[nodiscard]] Resultado<DatosFluencia> LeerDatosFluencia(const EntradaFluencia& entrada);

// --- Ecuaciones (EHE-98, art. 39.8; kp/cm², cm, días) ---

// fc∞ = fck·(28^0.75 + 5.5)/28^0.75, resistencia a tiempo infinito de la ley de endurecimiento.
[[nodiscard]] double FcInfinito(double fck);
// fcj = fc∞·j^0.75/(j^0.75 + 5.5), resistencia a la edad j.
[[nodiscard]] double Fcj(double fcInf, double j);
// Ec = 19000·√fc, módulo de deformación (kp/cm²).
[[nodiscard]] double ModuloEc(double fc);
// βd(t−j) = (Δ+10)/(Δ+40) − 900000·Δ³/(Δ⁶ + 10⁷·Δ³ + 10¹¹), deformación elástica diferida.
[[nodiscard]] double BetaD(double delta);
// βa(j) = 0.8·(1 − fcj/fc∞), deformación plástica instantánea.
[[nodiscard]] double BetaA(double fcj, double fcInf);
// φf1 por el ambiente.
[[nodiscard]] double PhiF1(MedioAmbiente ambiente);
// φf2 = 1.12·(e + 31)/(e + 17), por el espesor ficticio (cm).
[[nodiscard]] double PhiF2(double e);
// Coeficientes de βf: B = 1 − 0.12·e^0.3 y C = 1 + 3.7594·10⁻⁵·e^1.7.
[[nodiscard]] double CoeficienteB(double e);
[[nodiscard]] double CoeficienteC(double e);
// βf(x), función de tiempo de la deformación plástica diferida a la edad x (días).
[[nodiscard]] double FuncionBetaF(double x, double B, double C);
// φ(t,j) = (εed + εpi + εpd)·Ec28/σ, coeficiente de fluencia.
[[nodiscard]] double CoeficienteFluencia(double epsEd, double epsPi, double epsPd, double Ec28,
                                         double sigma);

// Rechaza, nombrando el campo, los datos con los que el cálculo no tiene sentido (resistencia,
// área, perímetro o espesor ≤ 0, tensión nula, edades ≤ 0 y t < j), después los que salen de su
// intervalo, y por último un resultado que no se puede mostrar. Con `traza`, añade a ella los
// pasos del cálculo para la memoria a medida que los calcula (nada si los datos se rechazan);
// sin ella no se escribe ningún texto.
[[nodiscard]] Resultado<ResultadosFluencia> CalcularFluencia(const DatosFluencia& d,
                                                             Traza* traza = nullptr);

// Rótulos de la ventana de resultados ("=  " + número) y subíndices formados con los textos
// escritos de las edades.
struct TextosFluencia {
    std::string Valor1, Valor2, Valor3, Valor4, Valor5;
    std::string Valor10, Valor11, Valor12, Valor13, Valor14, Valor15, Valor16, Valor17;
    std::string ValorEcj, Valorfcj, Valorbetatj, Valorbetaj, Valorbetat;
};
[[nodiscard]] TextosFluencia RotularFluencia(const ResultadosFluencia& r,
                                             const std::string& textoJ,
                                             const std::string& textoT);

} // namespace velmora
