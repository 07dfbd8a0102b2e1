// Ecuaciones del cortante y de los cercos de pilares del Código Estructural (Anejo 19), con los
// valores calculados a mano con sus fórmulas.
#include "shear/ce/Ecuaciones.h"

#include "common/Fixturas.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

using namespace velmora;

namespace {

using pruebas::CasoEcuacion;
class EcuacionCortanteCe : public testing::TestWithParam<CasoEcuacion> {};

TEST_P(EcuacionCortanteCe, ValorCalculadoAMano) {
    const auto& p = GetParam();
    EXPECT_NEAR(p.valor(), p.esperado, p.tolerancia);
}

// Dos ramas de 10 mm.
const double Asw2phi10 = 2 * std::numbers::pi * 25;

INSTANTIATE_TEST_SUITE_P(
    Tabla, EcuacionCortanteCe,
    testing::Values(
        CasoEcuacion{"z", [] { return ce::z(450); }, 405, 1e-12},
        // 500/1.15 = 434.783, sin el límite de 400 de la EHE-98.
        CasoEcuacion{"fywdB500", [] { return ce::fywd(500, 1.15); }, 434.7826, 1e-4},
        CasoEcuacion{"fywdAccidental", [] { return ce::fywd(500, 1.0); }, 500, 1e-12},
        // 0.6·(1 − 30/250) = 0.528; 0.6·(1 − 90/250) = 0.384.
        CasoEcuacion{"nu1HA30", [] { return ce::nu1(30); }, 0.528, 1e-12},
        CasoEcuacion{"nu1HA90", [] { return ce::nu1(90); }, 0.384, 1e-12},
        // 300·405·0.528·20·(1 + 0)/(1 + 1) = 641 520 N.
        CasoEcuacion{"VRdmaxHA30", [] { return ce::VRdmax(1, 300, 405, 0.528, 20, 1, 0); }, 641520,
                     1e-6},
        // α = 45º, cot θ = 2: 1 283 040·(2 + 1)/(1 + 4) = 769 824 N.
        CasoEcuacion{"VRdmaxInclinada", [] { return ce::VRdmax(1, 300, 405, 0.528, 20, 2, 1); },
                     769824, 1e-6},
        CasoEcuacion{"CRdcPersistente", [] { return ce::CRdc(1.5); }, 0.12, 1e-12},
        CasoEcuacion{"CRdcAccidental", [] { return ce::CRdc(1.3); }, 0.1384615, 1e-7},
        // 1 + √(200/450) = 1.66667; d = 200 da 2 justo; d = 100 daría 2.414: se limita a 2.
        CasoEcuacion{"k450", [] { return ce::k(450); }, 1.6666667, 1e-7},
        CasoEcuacion{"k200", [] { return ce::k(200); }, 2.0, 1e-12},
        CasoEcuacion{"kLimitado", [] { return ce::k(100); }, 2.0, 0},
        CasoEcuacion{"rhol", [] { return ce::rhol(1350, 300, 450); }, 0.01, 1e-12},
        CasoEcuacion{"rholLimitada", [] { return ce::rhol(5000, 300, 450); }, 0.02, 0},
        // 0.035·2^1.5·25^0.5 = 0.035·2.82843·5 = 0.494975 N/mm².
        CasoEcuacion{"vminCantoPequeno", [] { return ce::vmin(2, 25); }, 0.494975, 1e-6},
        // 0.035·1.66667^1.5·5 = 0.035·2.15166·5 = 0.376540 N/mm².
        CasoEcuacion{"vmin450", [] { return ce::vmin(1.0 + 2.0 / 3.0, 25); }, 0.376540, 1e-6},
        // 0.12·1.66667·25^(1/3)·300·450 = 0.2·2.92402·135 000 = 78 948.5 N.
        CasoEcuacion{"VRdcA", [] { return ce::VRdcA(0.12, 1.0 + 2.0 / 3.0, 0.01, 25, 300, 450); },
                     78948.5, 0.1},
        // Sin armadura longitudinal (6.2.a) se anula y rige (6.2.b): 0.494975·300·200.
        CasoEcuacion{"VRdcASinArmadura", [] { return ce::VRdcA(0.12, 2, 0, 25, 300, 200); }, 0, 0},
        CasoEcuacion{"VRdcB", [] { return ce::VRdcB(0.494975, 300, 200); }, 29698.5, 1e-6},
        // 157.080/200·405·434.783·1·1 = 138 298.3 N.
        CasoEcuacion{"VRds", [] { return ce::VRds(Asw2phi10, 200, 405, 500 / 1.15, 1, 0, 1); },
                     138298.3, 0.1},
        // α = 60º, cot θ = 2: 157.080/200·405·434.783·(2 + 0.57735)·0.86603 = 308 689.0 N.
        CasoEcuacion{"VRdsInclinada",
                     [] {
                         return ce::VRds(Asw2phi10, 200, 405, 500 / 1.15, 2, 1 / std::sqrt(3.0),
                                         std::sqrt(3.0) / 2);
                     },
                     308689.0, 0.5},
        // 157.080·405·434.783·1/138 298.3 = 200 mm.
        CasoEcuacion{"sVRds",
                     [] { return ce::sVRds(Asw2phi10, 405, 500 / 1.15, 1, 0, 1, 138298.34); }, 200,
                     1e-3},
        // 0.08·√25/500 = 0.0008; 0.08·√30/400 = 0.0010954.
        CasoEcuacion{"rhowminB500", [] { return ce::rhowmin(25, 500); }, 0.0008, 1e-12},
        CasoEcuacion{"rhowminB400", [] { return ce::rhowmin(30, 400); }, 0.0010954, 1e-7},
        // 157.080/(0.0008·300·1) = 654.50 mm.
        CasoEcuacion{"sRhowmin", [] { return ce::sRhowmin(Asw2phi10, 0.0008, 300, 1); }, 654.50,
                     0.01},
        CasoEcuacion{"slmaxCercos90", [] { return ce::slmax(450, 0); }, 337.5, 1e-12},
        CasoEcuacion{"slmaxCercos45", [] { return ce::slmax(450, 1); }, 675, 1e-12},
        // Pilares: máx(6, 16/4) = 6; máx(6, 32/4) = 8; máx(6, 40/4) = 10 mm.
        CasoEcuacion{"phiCerco16", [] { return ce::phiCercoPilar(16); }, 6, 0},
        CasoEcuacion{"phiCerco32", [] { return ce::phiCercoPilar(32); }, 8, 0},
        CasoEcuacion{"phiCerco40", [] { return ce::phiCercoPilar(40); }, 10, 0},
        // mín(15·12, 300, 300) = 180; mín(300, 300, 250) = 250; mín(375, 300, 600) = 300.
        CasoEcuacion{"sclQuinceDiametros", [] { return ce::scltmax(12, 300, 300); }, 180, 0},
        CasoEcuacion{"sclLadoMenor", [] { return ce::scltmax(20, 400, 250); }, 250, 0},
        CasoEcuacion{"scl300", [] { return ce::scltmax(25, 600, 800); }, 300, 0}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
