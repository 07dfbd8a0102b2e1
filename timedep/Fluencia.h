#pragma once
// Deformaciones del hormigón bajo tensión constante y coeficiente de fluencia (EHE-98, art.
// 39.8, modelo de deformaciones elásticas y plásticas, instantáneas y diferidas). Tensiones en
// kp/cm², longitudes en cm, áreas en cm², edades en días.

#include "common/Resultado.h"

#include <string>

namespace velmora {

// Textos de la ventana de fluencia, tal como están escritos.
struct EntradaFluencia {
    std::string ResistenciaCaracteristica = "200";
    bool EspesorFicticioConocido = false;
    std::string Area = "1200";
    std::string Perimetro = "140";
    std::string Tension = "1000";
    int MedioAmbiente = 2;        // 0 En agua, 1 muy húmeda, 2 medio (exterior), 3 muy seca
    std::string Tiempo01 = "28";  // j
    std::string Tiempo02 = "100"; // t
};

struct DatosFluencia {
    double fck = 0;   // kp/cm²
    double sigma = 0; // kp/cm²
    double A = 0;     // cm²
    double u = 0;     // cm: perímetro, o el espesor ficticio si EspesorConocido
    bool EspesorConocido = false;
    int MedioAmbiente = 2;
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
};

// Lee los textos: un texto que no es un número se rechaza nombrando el campo.
Resultado<DatosFluencia> LeerDatosFluencia(const EntradaFluencia& entrada);

// Función de tiempo βf de la deformación plástica diferida a la edad x (días), con los
// coeficientes B y C del espesor ficticio del cálculo.
double FuncionBetaF(double x, double B, double C);

// Rechaza, nombrando el campo, los datos con los que el cálculo no tiene sentido: resistencia,
// área, perímetro o espesor ≤ 0, tensión nula, edades ≤ 0 y t < j.
Resultado<ResultadosFluencia> CalcularFluencia(const DatosFluencia& d);

// Rótulos de la ventana de resultados ("=  " + número) y subíndices formados con los textos
// escritos de las edades.
struct TextosFluencia {
    std::string Valor1, Valor2, Valor3, Valor4, Valor5;
    std::string Valor10, Valor11, Valor12, Valor13, Valor14, Valor15, Valor16, Valor17;
    std::string ValorEcj, Valorfcj, Valorbetatj, Valorbetaj, Valorbetat;
};
TextosFluencia RotularFluencia(const ResultadosFluencia& r, const std::string& textoJ,
                               const std::string& textoT);

} // namespace velmora
