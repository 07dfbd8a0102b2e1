#pragma once
// Retracción del hormigón en masa (EHE-98, art. 39.7): deformación a la edad t (días,
// corregida con la temperatura) según el ambiente, la consistencia y el espesor ficticio.
// Longitudes en cm, áreas en cm²; el acortamiento es negativo.

#include "common/Descripcion.h"
#include "common/Resultado.h"
#include "common/Traza.h"
#include "timedep/DescripcionDiferidas.h"

#include <string>

namespace velmora {

struct EntradaRetraccion {
    std::string Edad = "28";
    int Consistencia = 1;  // índice del grupo (ver enum Consistencia)
    int MedioAmbiente = 2; // índice del grupo (ver enum MedioAmbiente)
    bool EspesorFicticioConocido = false;
    std::string Area = "1200";
    std::string Perimetro = "140";
};

struct DatosRetraccion {
    double t = 0; // días
    double A = 0; // cm²
    double u = 0; // cm: perímetro, o el espesor ficticio si EspesorConocido
    bool EspesorConocido = false;
    MedioAmbiente Ambiente = MedioAmbiente::Medio;
    Consistencia Hormigon = Consistencia::Plastica;
};

struct ResultadosRetraccion {
    double e = 0; // espesor ficticio, cm
    double p = 0; // exponente del término del espesor
    double epsS1 = 0, epsS2 = 0, betaR = 0, epsR = 0;
    double t = 0; // edad del cálculo, días
};

[[nodiscard]] Resultado<DatosRetraccion> LeerDatosRetraccion(const TextosCampos& textos,
                                                             bool espesorConocido,
                                                             MedioAmbiente ambiente,
                                                             Consistencia consistencia);
[[nodiscard]] Resultado<DatosRetraccion> LeerDatosRetraccion(const EntradaRetraccion& entrada);

// --- Ecuaciones (EHE-98, art. 39.7; cm, días) ---

// εs1, deformación básica por el ambiente (positiva en agua: hinchamiento).
[[nodiscard]] double EpsS1(MedioAmbiente ambiente);
// εs2 = 0.7·(e + 16)/(e + 7), por el espesor ficticio (cm).
[[nodiscard]] double EpsS2(double e);
// κ por la consistencia del hormigón fresco.
[[nodiscard]] double Kappa(Consistencia consistencia);
// p = 1.34·(1 − t/60000)·(1 − 0.9/t²), exponente del término del espesor.
[[nodiscard]] double ExponenteP(double t);
// βr(t) = κ·t^0.875/(t^0.875 + 1.5·e^p), evolución en el tiempo.
[[nodiscard]] double BetaR(double kappa, double t, double e, double p);
// εr = εs1·εs2·βr, deformación de retracción.
[[nodiscard]] double EpsR(double epsS1, double epsS2, double betaR);

// Rechaza, nombrando el campo, una edad, un área, un perímetro o un espesor ≤ 0, después los
// datos fuera de su intervalo y un resultado que no se puede mostrar. Con `traza`, añade a ella
// los pasos del cálculo a medida que los calcula (nada si los datos se rechazan).
[[nodiscard]] Resultado<ResultadosRetraccion> CalcularRetraccion(const DatosRetraccion& d,
                                                                 Traza* traza = nullptr);

struct TextosRetraccion {
    std::string Valor1, Valor10, Valor11, Valor12, Valorrt;
};
[[nodiscard]] TextosRetraccion RotularRetraccion(const ResultadosRetraccion& r,
                                                 const std::string& textoEdad);

} // namespace velmora
