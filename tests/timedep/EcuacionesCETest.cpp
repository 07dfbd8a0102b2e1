// Fluencia y retracción del Código Estructural (Anejo 19, 3.1.4 y Apéndice B), con valores
// calculados aparte a partir de las expresiones de la norma, paso a paso.

#include "timedep/ce/Ecuaciones.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmora::ce;

namespace {

// Un elemento de h0 = 200 mm en HR = 50 %, cargado a los 28 días y observado a los 10 000.
constexpr double H0 = 200.0, HR = 50.0, T0 = 28.0, T = 10000.0;

struct CasoFluencia {
    const char* nombre;
    double fcm;
    ClaseCemento clase;
    // Valores calculados a mano con las expresiones (B.1) a (B.9):
    double phiHR, betaFcm, t0, betaT0, betaH, betaC, phi;
};

class FluenciaCE : public ::testing::TestWithParam<CasoFluencia> {};

TEST_P(FluenciaCE, CadaFactorYElCoeficiente) {
    const auto& c = GetParam();
    const double phiHR = PhiHR(HR, H0, c.fcm);
    const double bF = BetaFcm(c.fcm);
    const double t0 = T0Corregida(T0, c.clase);
    const double bT0 = BetaT0(t0);
    const double bH = BetaH(HR, H0, c.fcm);
    const double bC = BetaC(T, T0, bH);
    EXPECT_NEAR(phiHR, c.phiHR, 1e-6);
    EXPECT_NEAR(bF, c.betaFcm, 1e-6);
    EXPECT_NEAR(t0, c.t0, 1e-5);
    EXPECT_NEAR(bT0, c.betaT0, 1e-6);
    EXPECT_NEAR(bH, c.betaH, 1e-4);
    EXPECT_NEAR(bC, c.betaC, 1e-6);
    EXPECT_NEAR(Phi(Phi0(phiHR, bF, bT0), bC), c.phi, 1e-5);
}

// C30/37 (fcm = 38 > 35): α1 = (35/38)^0.7 = 0.944059, α2 = (35/38)^0.2 = 0.983687,
// α3 = (35/38)^0.5 = 0.959715; ∛200 = 5.848035.
// φHR = (1 + 0.5/0.5848035·0.944059)·0.983687 = 1.777679; β(fcm) = 16.8/√38 = 2.725320;
// βH = 1.5·(1 + 0.6^18)·200 + 250·0.959715 = 539.959 (< 1500·α3); βc = (9972/10511.959)^0.3
// = 0.984305. Cemento N: t0 = 28, β(t0) = 1/(0.1 + 28^0.2) = 0.488450, φ = 2.329271.
// Cemento S (α = −1): t0 = 28/(9/(2 + 28^1.2) + 1) = 24.154095, β(t0) = 0.502363, φ = 2.395619.
// Cemento R (α = 1): t0 = 28·(9/(2 + 28^1.2) + 1) = 32.458264, β(t0) = 0.474902, φ = 2.264669.
// C25/30 (fcm = 33 ≤ 35): φHR = 1 + 0.5/0.5848035 = 1.854988, β(fcm) = 2.924505,
// βH = 1.5·(1 + 0.6^18)·200 + 250 = 550.030, βc = 0.984022, φ = 2.607462.
INSTANTIATE_TEST_SUITE_P(
    Tabla, FluenciaCE,
    ::testing::Values(
        CasoFluencia{"C30CementoN", 38.0, ClaseCemento::N, 1.777679, 2.725320, 28.0, 0.488450,
                     539.9592, 0.984305, 2.329271},
        CasoFluencia{"C30CementoS", 38.0, ClaseCemento::S, 1.777679, 2.725320, 24.154095,
                     0.502363, 539.9592, 0.984305, 2.395619},
        CasoFluencia{"C30CementoR", 38.0, ClaseCemento::R, 1.777679, 2.725320, 32.458264,
                     0.474902, 539.9592, 0.984305, 2.264669},
        CasoFluencia{"C25HastaFcm35", 33.0, ClaseCemento::N, 1.854988, 2.924505, 28.0, 0.488450,
                     550.0305, 0.984022, 2.607462}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(FluenciaCE, LimitesDeBetaHYDeLaEdadCorregida) {
    // HR = 100 %: (1.2)^18 = 26.6233; h0 = 500 da 1.5·27.6233·500 + 250 = 20967 → 1500 (y
    // 1500·α3 por encima de fcm 35).
    EXPECT_DOUBLE_EQ(BetaH(100.0, 500.0, 30.0), 1500.0);
    EXPECT_NEAR(BetaH(100.0, 500.0, 38.0), 1500.0 * std::sqrt(35.0 / 38.0), 1e-9);
    // En fcm = 35 exacto rige (B.3a): sin los factores α.
    EXPECT_NEAR(PhiHR(50.0, 1000.0, 35.0), 1.0 + 0.5 / 1.0, 1e-12);
    // Una carga muy temprana con cemento lento no baja de 0.5 días: 0.2/(9/2.1450 + 1) = 0.0385.
    EXPECT_DOUBLE_EQ(T0Corregida(0.2, ClaseCemento::S), 0.5);
    // βc(t0, t0) = 0: sin tiempo bajo carga no hay fluencia.
    EXPECT_DOUBLE_EQ(BetaC(28.0, 28.0, 500.0), 0.0);
    EXPECT_DOUBLE_EQ(Ec(33000.0), 34650.0);
    EXPECT_DOUBLE_EQ(EpsilonCC(2.0, 10.0, 34650.0), 20.0 / 34650.0);
}

TEST(FluenciaCE, ResistenciaALaEdadDeCargaYNoLinealidad) {
    // 7 días, cemento N: βcc = exp(0.25·(1 − √4)) = exp(−0.25) = 0.778801; 0.778801·38 − 8.
    EXPECT_NEAR(FckT(30.0, 38.0, 7.0, ClaseCemento::N), 21.594430, 1e-6);
    // Cemento R: exp(−0.20)·38 − 8 = 23.111769; S: exp(−0.38)·38 − 8 = 17.986734.
    EXPECT_NEAR(FckT(30.0, 38.0, 7.0, ClaseCemento::R), 23.111769, 1e-6);
    EXPECT_NEAR(FckT(30.0, 38.0, 7.0, ClaseCemento::S), 17.986734, 1e-6);
    // Desde los 28 días, fck.
    EXPECT_DOUBLE_EQ(FckT(30.0, 38.0, 28.0, ClaseCemento::S), 30.0);
    EXPECT_DOUBLE_EQ(FckT(30.0, 38.0, 400.0, ClaseCemento::R), 30.0);
    // El límite 0.45 es estricto.
    EXPECT_FALSE(FluenciaNoLineal(KSigma(13.5, 30.0)));
    EXPECT_TRUE(FluenciaNoLineal(KSigma(13.6, 30.0)));
    // kσ = 0.6: exp(1.5·0.15) = exp(0.225) = 1.252323.
    EXPECT_NEAR(FactorNoLineal(0.6), 1.252323, 1e-6);
    EXPECT_DOUBLE_EQ(FactorNoLineal(0.45), 1.0);
}

struct CasoKh {
    double h0, kh;
};

class CoeficienteKh : public ::testing::TestWithParam<CasoKh> {};

TEST_P(CoeficienteKh, TablaInterpolada) {
    EXPECT_NEAR(kh(GetParam().h0), GetParam().kh, 1e-12) << GetParam().h0;
}

// Tabla 3.3: los puntos de la tabla, los tramos entre ellos (lineales) y fuera de ella.
INSTANTIATE_TEST_SUITE_P(Tabla, CoeficienteKh,
                         ::testing::Values(CasoKh{50.0, 1.00}, CasoKh{100.0, 1.00},
                                           CasoKh{150.0, 0.925}, CasoKh{200.0, 0.85},
                                           CasoKh{250.0, 0.80}, CasoKh{300.0, 0.75},
                                           CasoKh{400.0, 0.725}, CasoKh{500.0, 0.70},
                                           CasoKh{2000.0, 0.70}));

struct CasoRetraccion {
    double t;
    // Calculados a mano: βds(t, 7) con √(200³) = 2828.427 y βas(t) = 1 − exp(−0.2·√t).
    double betaDs, epsCd, betaAs, epsCa;
};

class RetraccionCE : public ::testing::TestWithParam<CasoRetraccion> {};

// C30/37, cemento N, HR = 50 %, h0 = 200 mm, fin del curado a los 7 días.
// βHR = 1.55·(1 − 0.125) = 1.35625; εcd,0 = 0.85·660·exp(−0.456)·10⁻⁶·1.35625 = 0.48224·10⁻³
// (la tabla 3.2 da 0.46–0.49 ‰ alrededor); kh = 0.85; εca(∞) = 2.5·20·10⁻⁶ = 0.05 ‰.
TEST_P(RetraccionCE, SecadoYAutogenaEnElTiempo) {
    const auto& c = GetParam();
    const double e0 = EpsilonCd0(38.0, BetaHR(HR), ClaseCemento::N);
    EXPECT_NEAR(e0, 0.48224122e-3, 1e-11);
    const double bDs = BetaDs(c.t, 7.0, H0);
    const double bAs = BetaAs(c.t);
    EXPECT_NEAR(bDs, c.betaDs, 1e-6);
    EXPECT_NEAR(EpsilonCd(bDs, kh(H0), e0), c.epsCd, 1e-9);
    EXPECT_NEAR(bAs, c.betaAs, 1e-6);
    EXPECT_NEAR(EpsilonCa(bAs, EpsilonCaInf(30.0)), c.epsCa, 1e-10);
    EXPECT_NEAR(EpsilonCs(c.epsCd, c.epsCa), c.epsCd + c.epsCa, 1e-15);
}

// 28 días: βds = 21/(21 + 113.137) = 0.156556, εcd = 0.0641732 ‰, βas = 1 − e^(−1.058301) =
// 0.652955, εca = 0.0326477 ‰. 365: 358/471.137 = 0.759864, 0.311472 ‰; 0.978094, 0.0489047 ‰.
// 18 250: 18243/18356.137 = 0.993837, 0.407379 ‰; βas = 1.000000, εca = 0.05 ‰.
INSTANTIATE_TEST_SUITE_P(
    Edades, RetraccionCE,
    ::testing::Values(CasoRetraccion{28.0, 0.156556, 0.0641732e-3, 0.652955, 0.0326477e-3},
                      CasoRetraccion{365.0, 0.759864, 0.311472e-3, 0.978094, 0.0489047e-3},
                      CasoRetraccion{18250.0, 0.993837, 0.407379e-3, 1.0, 0.05e-3}));

TEST(RetraccionCE, CementosHumedadYSecadoSinEmpezar) {
    // Cemento S: 0.85·550·exp(−0.494); R: 0.85·880·exp(−0.418), con HR = 50 %.
    EXPECT_NEAR(EpsilonCd0(38.0, BetaHR(50.0), ClaseCemento::S), 0.386883e-3, 1e-9);
    EXPECT_NEAR(EpsilonCd0(38.0, BetaHR(50.0), ClaseCemento::R), 0.667892e-3, 1e-9);
    // En agua (HR = 100 %) no hay retracción por secado.
    EXPECT_DOUBLE_EQ(BetaHR(100.0), 0.0);
    // Antes del final del curado, y en él, el secado no ha empezado.
    EXPECT_DOUBLE_EQ(BetaDs(5.0, 7.0, 200.0), 0.0);
    EXPECT_DOUBLE_EQ(BetaDs(7.0, 7.0, 200.0), 0.0);
    EXPECT_DOUBLE_EQ(EpsilonCaInf(10.0), 0.0);
}

} // namespace
