#pragma once
// Campos de la armadura transversal de la viga, de su ventana de resultados y de los cercos del
// pilar, y los lectores que pasan sus textos a los datos de cálculo (mm, N, grados).

#include "common/Descripcion.h"
#include "shear/Cercos.h"
#include "shear/Cortante.h"

#include <array>

namespace velmora {

inline constexpr std::array<Campo, 10> CamposCortante{{
    {"CuadroCantoUtil", "Canto útil d", "m", 1000.0, 0.01, 20.0, "0.36"},
    {"CuadroAncho", "Ancho b", "m", 1000.0, 0.01, 20.0, "0.30"},
    {"CuadroAlfa", "Ángulo α", "º", 1.0, 0.0, 180.0, "90"},
    {"CuadroTeta", "Ángulo θ", "º", 1.0, 0.0, 90.0, "45"},
    {"CuadroTetae", "Ángulo θe", "º", 1.0, 0.0, 90.0, "45"},
    {"CuadroVd1", "Cortante Vd1", "kN", 1000.0, -1e6, 1e6, "1.00"},
    {"CuadroVd2", "Cortante Vd2", "kN", 1000.0, -1e6, 1e6, "1.00"},
    {"CuadroVd3", "Cortante Vd3", "kN", 1000.0, -1e6, 1e6, "1.00"},
    {"CuadroDiametroMinimo", "Diámetro mínimo comprimido", "mm", 1.0, 0.0, 50.0, "10"},
    {"CuadroDiametroMaximo", "Diámetro máximo comprimido", "mm", 1.0, 0.0, 50.0, "10"},
}};

inline constexpr const Campo& CampoTetae = CamposCortante[4];

inline constexpr std::array<Eleccion, 1> EleccionesCortante{{
    {"ArmaduraComprimida", "Existe armadura comprimida"},
}};

// Cercos elegidos en la ventana de resultados, zona de apoyo y zona central: de 1 a 100 ramas y
// diámetros de 6 mm (el menor de la serie comercial, el que recuerda la ventana) a 50 mm. Un
// número de ramas o un diámetro nulo es «sin cercos», con su propio mensaje.
inline constexpr double DiametroMinimoCerco = 6.0;
inline constexpr std::array<Campo, 4> CamposZonas{{
    {"NumeroCercosZona1", "Número de cercos, zona de apoyo", "", 1.0, 1.0, 100.0, "2"},
    {"DiametroZona1", "Diámetro, zona de apoyo", "mm", 1.0, DiametroMinimoCerco, 50.0, "10"},
    {"NumeroCercosZona2", "Número de cercos, zona central", "", 1.0, 1.0, 100.0, "2"},
    {"DiametroZona2", "Diámetro, zona central", "mm", 1.0, DiametroMinimoCerco, 50.0, "10"},
}};

inline constexpr std::array<Campo, 5> CamposCercos{{
    {"Valor1", "Canto h", "m", 1000.0, 0.01, 20.0, "0.30"},
    {"Valor2", "Ancho b", "m", 1000.0, 0.01, 20.0, "0.30"},
    {"Valor3", "Recubrimiento d1", "m", 1000.0, 0.0, 20.0, "0.03"},
    {"DiametroMinimo", "Diámetro de la barra más delgada", "mm", 1.0, 0.0, 50.0, "12"},
    {"DiametroMaximo", "Diámetro de la barra más gruesa", "mm", 1.0, 0.0, 50.0, "16"},
}};

// Datos de «Calcular» de la viga. Los diámetros comprimidos sólo se leen con la casilla
// marcada; `Asl` es el área confirmada en el selector (mm²). Se comprueban primero los datos
// como lo hace el cálculo por la norma dada y después el intervalo de cada campo. Con el Código
// Estructural θe no se usa: se toma su texto de arranque, sea cual sea el escrito.
[[nodiscard]] Resultado<DatosCortante> LeerDatosCortante(const TextosCampos& textos,
                                                         bool armaduraComprimida, double Asl,
                                                         Norma norma = Norma::EHE98);

// Datos de los cercos del pilar en mm.
struct DatosCercos {
    double h = 0, b = 0, d1 = 0, phiMin = 0, phiMax = 0;
};
[[nodiscard]] Resultado<DatosCercos> LeerDatosCercos(const TextosCampos& textos);

// Corrección de los dos diámetros del pilar: si la barra más delgada queda por encima de la más
// gruesa, el texto nuevo del otro cuadro (el máximo si cambió el mínimo). Vacío si no hay que
// mover nada o si alguno de los dos no es un número de su intervalo: un cuadro nunca se
// reescribe con un valor que no se admitiría.
[[nodiscard]] std::string DiametroAjustado(const TextosCampos& textos, bool cambioMinimo);

} // namespace velmora
