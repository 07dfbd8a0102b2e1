#pragma once
// Retracción del hormigón en masa (EHE-98, art. 39.7): deformación a la edad t (días,
// corregida con la temperatura) según el ambiente, la consistencia y el espesor ficticio.
// Longitudes en cm, áreas en cm²; el acortamiento es negativo.

#include "common/Resultado.h"

#include <string>

namespace velmora {

struct EntradaRetraccion {
    std::string Edad = "28";
    int Consistencia = 1;  // 0 Seca, 1 Plástica, 2 Semifluida
    int MedioAmbiente = 2; // 0 En agua, 1 muy húmeda, 2 medio (exterior), 3 muy seca
    bool EspesorFicticioConocido = false;
    std::string Area = "1200";
    std::string Perimetro = "140";
};

struct DatosRetraccion {
    double t = 0; // días
    double A = 0; // cm²
    double u = 0; // cm: perímetro, o el espesor ficticio si EspesorConocido
    bool EspesorConocido = false;
    int MedioAmbiente = 2;
    int Consistencia = 1;
};

struct ResultadosRetraccion {
    double e = 0; // espesor ficticio, cm
    double p = 0; // exponente del término del espesor
    double epsS1 = 0, epsS2 = 0, betaR = 0, epsR = 0;
};

Resultado<DatosRetraccion> LeerDatosRetraccion(const EntradaRetraccion& entrada);

// Rechaza, nombrando el campo, una edad, un área, un perímetro o un espesor ≤ 0.
Resultado<ResultadosRetraccion> CalcularRetraccion(const DatosRetraccion& d);

struct TextosRetraccion {
    std::string Valor1, Valor10, Valor11, Valor12, Valorrt;
};
TextosRetraccion RotularRetraccion(const ResultadosRetraccion& r, const std::string& textoEdad);

} // namespace velmora
