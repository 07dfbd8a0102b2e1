// Flechas con el Código Estructural (Anejo 19, 7.4.3), con valores calculados a mano: Ecm de la
// tabla 3.1, ζ de (7.19), la inercia de las curvaturas interpoladas (7.18) y el factor de flecha
// diferida con Ec,eff (7.20), para una viga fisurada y otra sin fisurar.

#include "deflection/ce/Ecuaciones.h"
#include "deflection/ce/FlechasCE.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmora;

namespace {

struct CasoModulo {
    double fck, Ecm;
};

class ModuloFlechaCE : public ::testing::TestWithParam<CasoModulo> {};

// Ecm = 22000·((fck + 8)/10)^0.3: HA-25 3.3^0.3 = 1.430718; HA-30 3.8^0.3 = 1.492571;
// HA-50 5.8^0.3 = 1.694449; HA-70 7.8^0.3 = 1.851946.
TEST_P(ModuloFlechaCE, EcmDeLaTabla31) {
    EstadoDiseno e;
    e.fck = GetParam().fck;
    DatosFlecha d{400.0, 300.0, 30.0, 30.0, 1e6, 0.0, 0.0};
    const auto c = ce::CalcularFlechaCE(e, d);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    EXPECT_NEAR(c.valor().Ec, GetParam().Ecm, 0.1) << GetParam().fck;
}

INSTANTIATE_TEST_SUITE_P(Tabla, ModuloFlechaCE,
                         ::testing::Values(CasoModulo{25.0, 31475.8}, CasoModulo{30.0, 32836.6},
                                           CasoModulo{50.0, 37277.9}, CasoModulo{70.0, 40742.8}));

struct CasoViga {
    const char* nombre;
    double MakNm;
    ce::DuracionCarga duracion;
    bool fisurada;
    double zeta, IeCm4, lambda; // λ con φ = 2
};

class FlechaDeVigaCE : public ::testing::TestWithParam<CasoViga> {};

// Viga 0.30 × 0.40 m, d1 = d2 = 30 mm, HA-25, A1 = 3Ø16 = 603.19 mm², A2 = 2Ø12 = 226.19 mm².
// fctm = 0.30·25^(2/3) = 2.564964; Ib = 300·400³/12 = 1.6·10⁹ mm⁴; Mcr = 2.564964·1.6·10⁹·2/400
// = 20.5197 kN·m; n = 200000/31475.8 = 6.354087; x = 82.683 mm; I_II = 37690.82 cm⁴.
// Ma = 60, β = 1: ζ = 1 − (20.5197/60)² = 0.883039; I = 1/(ζ/37690.82 + (1 − ζ)/160000) =
// 41391.58 cm⁴. Con φ = 2: Ec,eff = 10491.9, n = 19.06226, x∞ = 126.190 mm, I_II∞ = 92432.30
// cm⁴, I∞ = 97234.96 cm⁴, λ = 3·41391.58/97234.96 − 1 = 0.277059.
// β = 0.5: ζ = 0.941520, I = 39454.61 cm⁴, I∞ = 94772.82 cm⁴, λ = 0.248922.
// Ma = 10 < Mcr: sin fisurar, ζ = 0, I = Ib = 160000 cm⁴, λ = φ = 2.
INSTANTIATE_TEST_SUITE_P(
    Tabla, FlechaDeVigaCE,
    ::testing::Values(
        CasoViga{"FisuradaCorta", 60.0, ce::DuracionCarga::CortaUnica, true, 0.883039, 41391.58,
                 0.277059},
        CasoViga{"FisuradaProlongada", 60.0, ce::DuracionCarga::Prolongada, true, 0.941520,
                 39454.61, 0.248922},
        CasoViga{"SinFisurar", 10.0, ce::DuracionCarga::CortaUnica, false, 0.0, 160000.0, 2.0}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST_P(FlechaDeVigaCE, ZetaInerciaYFactor) {
    const auto& v = GetParam();
    EstadoDiseno e;
    e.fck = 25.0;
    DatosFlecha d{400.0, 300.0, 30.0, 30.0, v.MakNm * 1e6, 3 * M_PI * 64.0, 2 * M_PI * 36.0};
    d.Duracion = v.duracion;
    const auto c = ce::CalcularFlechaCE(e, d);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    EXPECT_EQ(c.valor().Fisurada, v.fisurada);
    EXPECT_NEAR(c.valor().Mf * 1e-6, 20.5197, 1e-4);
    EXPECT_NEAR(c.valor().zeta, v.zeta, 1e-6);
    EXPECT_NEAR(c.valor().Ie * 1e-4, v.IeCm4, 0.01);
    const auto f = ce::CalcularFactorCE(*c, "2.0");
    ASSERT_TRUE(f.ok());
    EXPECT_NEAR((*f).EcEff, 31475.806 / 3.0, 1e-3);
    EXPECT_NEAR((*f).lambda, v.lambda, 1e-6);
    if (v.fisurada) {
        EXPECT_NEAR(c.valor().x, 82.683, 1e-3);
    }
}

TEST(FlechasCE, EcuacionesEnSusLimites) {
    // M = Mcr cuenta como sin fisurar; ζ = 1 da la inercia fisurada, ζ = 0 la bruta.
    EXPECT_DOUBLE_EQ(ce::Zeta(1.0, 20.0, 20.0), 0.0);
    EXPECT_DOUBLE_EQ(ce::InerciaEquivalente(1.0, 100.0, 40.0), 40.0);
    EXPECT_DOUBLE_EQ(ce::InerciaEquivalente(0.0, 100.0, 40.0), 100.0);
    EXPECT_DOUBLE_EQ(ce::EcEff(30000.0, 0.0), 30000.0);
    EXPECT_DOUBLE_EQ(ce::Beta(ce::DuracionCarga::Prolongada), 0.5);
}

TEST(FlechasCE, ErroresQueNombranSuCampo) {
    EstadoDiseno e;
    e.fck = 25.0;
    DatosFlecha d{400.0, 300.0, 30.0, 30.0, 60e6, 0.0, 0.0};
    const auto sinA1 = ce::CalcularFlechaCE(e, d);
    ASSERT_FALSE(sinA1.ok());
    EXPECT_EQ(sinA1.error().campo, "ValorA1");
    d.Ma = 10e6;
    const auto c = ce::CalcularFlechaCE(e, d);
    ASSERT_TRUE(c.ok());
    for (const char* phi : {"abc", "-1", "11"}) {
        const auto l = ce::CalcularFactorCE(*c, phi);
        ASSERT_FALSE(l.ok()) << phi;
        EXPECT_EQ(l.error().campo, "CoeficienteFluencia");
    }
}

} // namespace
