// Cuantías mínimas y máxima con el Código Estructural (Anejo 19, capítulo 9), con cifras a mano.

#include "LeyesCE.h"
#include "section/ce/CuantiasMinimas.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace velmora;
using namespace pruebas_ce;

// fctm = 0.30·25^(2/3) = 2.565 N/mm²; fctm,fl = (1.6 − 0.5)·fctm = 2.8215 N/mm² (h = 500 mm).
constexpr double FctmFl25 = 1.1 * 0.30 * 8.549879733383484;

TEST(CuantiasCE, FlexionRectangularW_z) {
    // W = 300·500²/6 = 12.5·10⁶ mm³, z = 400 mm: As,min = 31250·2.8215/434.78 = 202.8 mm².
    EXPECT_NEAR(ce::AsMinFlexion(12.5e6, 500.0, FctmFl25, 500.0 / 1.15), 202.80, 0.01);
}

TEST(CuantiasCE, ModuloResistenteDeLaT) {
    // Ala 800 × 100, alma 250, h = 600: Ac = 205000 mm², yg = 232.93 mm,
    // I = 800·100³/12 + 80000·182.93² + 250·500³/12 + 125000·117.07² = 7.0611·10⁹ mm⁴,
    // W = I/(h − yg) = 1.9236·10⁷ mm³.
    EstadoDiseno e = Rectangulo(800.0, 600.0, 50.0, 25.0, 500.0);
    e.SeccionRectangular = false;
    e.hf = 100.0;
    e.bw = 250.0;
    const auto s = ce::Bruta(e);
    EXPECT_NEAR(s.Ac, 205000.0, 1e-6);
    EXPECT_NEAR(s.yg, 232.9268, 1e-3);
    EXPECT_NEAR(s.I / 1e9, 7.06108, 1e-4);
    EXPECT_NEAR(s.W / 1e6, 19.2362, 1e-3);
}

TEST(CuantiasCE, VigaSubeA1HastaElMinimoYLoDice) {
    EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 25.0, 500.0);
    e.As1 = 100.0;
    ce::AplicarCuantiaMinima(e, TipoDeElemento::Viga, 1, FctmFl25);
    EXPECT_NEAR(e.As1, 202.80, 0.01);
    EXPECT_EQ(e.As2, 0.0); // sin mínimo de compresión
    EXPECT_NEAR(e.U1, e.As1 * 500.0 / 1.15, 1e-9);
    const auto t = ce::RotularCuantia(e, TipoDeElemento::Viga);
    EXPECT_EQ(t.Cuantia, "Rige la cuantía mínima de tracción As,min = (W/z)·fctm,fl/fyd "
                         "(Anejo 19, 9.2.1.1(1)).");
    EXPECT_EQ(t.Recomendada, "");
    const auto p = ce::RotularCuantia(e, TipoDeElemento::Placa);
    EXPECT_NE(p.Cuantia.find("9.3.1.1(1)"), std::string::npos);
}

TEST(CuantiasCE, VigaQueCumpleNoCambia) {
    EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 25.0, 500.0);
    e.As1 = 203.0;
    ce::AplicarCuantiaMinima(e, TipoDeElemento::Viga, 1, FctmFl25);
    EXPECT_EQ(e.As1, 203.0);
    EXPECT_FALSE(e.CuantiaGeometrica);
    EXPECT_EQ(ce::RotularCuantia(e, TipoDeElemento::Viga).Cuantia,
              "La armadura cumple las limitaciones de cuantías mínimas.");
}

struct CasoCara {
    double fyd, esperado; // mm² por cara para Nd = 1000 kN
};
class CaraComprimidaCE : public ::testing::TestWithParam<CasoCara> {};
TEST_P(CaraComprimidaCE, CincoPorCientoDeNdSobreFycdHasta400) {
    EXPECT_NEAR(ce::AsMinCaraComprimida(1000e3, GetParam().fyd), GetParam().esperado, 1e-9);
}
// B 500 S: fyd = 434.78 > 400 → 50000/400; B 400 S: 50000/347.83; accidental B 400 S: 400.
INSTANTIATE_TEST_SUITE_P(Aceros, CaraComprimidaCE,
                         ::testing::Values(CasoCara{500.0 / 1.15, 125.0},
                                           CasoCara{400.0 / 1.15, 143.75}, CasoCara{400.0, 125.0}));

TEST(CuantiasCE, SoporteConAxilSubeLasCarasComprimidas) {
    EstadoDiseno e = Rectangulo(300.0, 400.0, 40.0, 25.0, 500.0);
    e.Nd = 1000e3;
    e.Md = 50e6;
    e.x = 200.0; // A1 traccionada
    e.As1 = 300.0;
    e.As2 = 20.0;
    ce::AplicarCuantiaMinima(e, TipoDeElemento::Soporte, 1, 3.0);
    EXPECT_EQ(e.As1, 300.0);
    EXPECT_NEAR(e.As2, 125.0, 1e-9);
    EXPECT_TRUE(e.MinimaCompresion);
    e.x = 380.0; // las dos caras comprimidas
    e.As1 = 10.0;
    ce::AplicarCuantiaMinima(e, TipoDeElemento::Soporte, 1, 3.0);
    EXPECT_NEAR(e.As1, 125.0, 1e-9);
    EXPECT_NE(ce::RotularCuantia(e, TipoDeElemento::Soporte).Cuantia.find("0.05·Nd/fyc,d"),
              std::string::npos);
}

TEST(CuantiasCE, SoporteSimetricoEnCompresionSimple) {
    // (9.12): 0.10·1000 kN/434.78 = 230.0 mm² en total, la mitad por cara.
    EstadoDiseno e = Rectangulo(300.0, 400.0, 40.0, 25.0, 500.0);
    e.Nd = 1000e3;
    e.Md = 0.0;
    e.Simetrica = true;
    FijarSeccionComprimida(e);
    ce::AplicarCuantiaMinima(e, TipoDeElemento::Soporte, 1, 3.0);
    EXPECT_NEAR(e.As1 + e.As2, 230.0, 0.01);
    EXPECT_EQ(e.As1, e.As2);
    EXPECT_EQ(ce::RotularCuantia(e, TipoDeElemento::Soporte).Cuantia,
              "Rige la armadura mínima total 0.10·Nd/fyd (Anejo 19, 9.5.2(2)).");
}

TEST(CuantiasCE, MuroVerticalSesentaPorCientoEnLaCaraTraccionada) {
    // Ac = 200 × 1000 = 2·10⁵ mm²: 0.002·Ac = 400 mm², 240 en A1 y 160 en A2.
    EstadoDiseno e = Rectangulo(1000.0, 200.0, 30.0, 25.0, 500.0);
    e.As1 = 50.0;
    ce::AplicarCuantiaMinima(e, TipoDeElemento::MuroVertical, 1, 3.0);
    EXPECT_NEAR(e.As1, 240.0, 1e-9);
    EXPECT_NEAR(e.As2, 160.0, 1e-9);
    e.As1 = 300.0, e.As2 = 0.0; // A1 ya pasa de su parte: A2 completa el total
    ce::AplicarCuantiaMinima(e, TipoDeElemento::MuroVertical, 1, 3.0);
    EXPECT_NEAR(e.As2, 100.0, 1e-9);
    e.As1 = 300.0, e.As2 = 100.0; // total exacto: no cambia
    e.CuantiaGeometrica = false;
    ce::AplicarCuantiaMinima(e, TipoDeElemento::MuroVertical, 1, 3.0);
    EXPECT_FALSE(e.CuantiaGeometrica);
}

TEST(CuantiasCE, MuroHorizontalPorAceroConLaNotaDe0002) {
    EstadoDiseno e = Rectangulo(1000.0, 200.0, 30.0, 25.0, 400.0);
    ce::AplicarCuantiaMinima(e, TipoDeElemento::MuroHorizontal, 0, 3.0);
    EXPECT_NEAR(e.As1 + e.As2, 800.0, 1e-9); // 0.004·Ac
    EXPECT_EQ(e.As1, e.As2);
    EXPECT_NEAR(ce::AsMinMuroHorizontal(2e5, 1), 640.0, 1e-9); // 0.0032·Ac
    const auto t = ce::RotularCuantia(e, TipoDeElemento::MuroHorizontal);
    EXPECT_NE(t.Cuantia.find("9.6.3(1)"), std::string::npos);
    EXPECT_NE(t.Recomendada.find("0.002·Ac"), std::string::npos);
    EXPECT_NE(t.Recomendada.find("2.5 m"), std::string::npos);
    EXPECT_NE(t.Recomendada.find("7.5 m"), std::string::npos);
}

TEST(CuantiasCE, AvisoDeCuantiaMaxima) {
    EstadoDiseno e = Rectangulo(300.0, 400.0, 40.0, 25.0, 500.0);
    e.As1 = 4000.0, e.As2 = 800.0; // 4800 = 0.04·Ac exacto: cumple
    EXPECT_EQ(ce::RotularCuantia(e, TipoDeElemento::Viga).Recomendada, "");
    e.As2 = 801.0;
    EXPECT_EQ(ce::RotularCuantia(e, TipoDeElemento::Viga).Recomendada,
              "A1 + A2 supera la cuantía máxima 0.04·Ac (Anejo 19, 9.2.1.1(3)).");
    EXPECT_NE(ce::RotularCuantia(e, TipoDeElemento::Soporte).Recomendada.find("9.5.2(3)"),
              std::string::npos);
}

TEST(CuantiasCE, NotaDeDiametroEnSoportes) {
    EXPECT_EQ(ce::NotaDiametroSoporte(TipoDeElemento::Soporte, 12, 12), "");
    EXPECT_NE(ce::NotaDiametroSoporte(TipoDeElemento::Soporte, 12, 10).find("9.5.2(1)"),
              std::string::npos);
    EXPECT_EQ(ce::NotaDiametroSoporte(TipoDeElemento::Viga, 8, 8), "");
}

} // namespace
