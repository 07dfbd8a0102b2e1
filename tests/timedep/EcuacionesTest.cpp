// Cada ecuación de la fluencia y de la retracción (EHE-98, art. 39.7 y 39.8) con valores
// calculados aparte, fuera del programa.

#include "timedep/Comun.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmora;

namespace {

struct CasoEcuacion {
    const char* nombre;
    double (*f)(double);
    double x;
    double esperado;
};

class Ecuacion : public ::testing::TestWithParam<CasoEcuacion> {};

TEST_P(Ecuacion, ValorCalculadoAparte) {
    const auto& c = GetParam();
    EXPECT_NEAR(c.f(c.x), c.esperado, 1e-9 * std::fabs(c.esperado)) << c.nombre;
}

constexpr double e = 1.5 * 2.0 * 1200.0 / 140.0; // ambiente medio, 1200 cm², 140 cm

INSTANTIATE_TEST_SUITE_P(
    Fluencia, Ecuacion,
    ::testing::Values(
        CasoEcuacion{"FcInfinito", FcInfinito, 200.0, 290.3699748989402},
        CasoEcuacion{"Fcj7", [](double j) { return Fcj(FcInfinito(200.0), j); }, 7.0,
                     127.46569774681794},
        CasoEcuacion{"Fcj28EsFck", [](double j) { return Fcj(FcInfinito(200.0), j); }, 28.0,
                     200.0},
        CasoEcuacion{"Fcj90", [](double j) { return Fcj(FcInfinito(200.0), j); }, 90.0,
                     244.37257593092176},
        CasoEcuacion{"Ec200", ModuloEc, 200.0, 268700.5768508881},
        CasoEcuacion{"Ec100", ModuloEc, 100.0, 190000.0},
        CasoEcuacion{"BetaDCero", BetaD, 0.0, 0.25},
        CasoEcuacion{"BetaD72", BetaD, 72.0, 0.6475656625246199},
        CasoEcuacion{"BetaD1000", BetaD, 1000.0, 0.9702627571331619},
        CasoEcuacion{"PhiF2e10", PhiF2, 10.0, 1.7007407407407409},
        CasoEcuacion{"PhiF2Medio", PhiF2, e, 1.4870903010033447},
        CasoEcuacion{"PhiF2e100", PhiF2, 100.0, 1.2540170940170943},
        CasoEcuacion{"Be10", CoeficienteB, 10.0, 0.7605685222037345},
        CasoEcuacion{"Be100", CoeficienteB, 100.0, 0.5222713953358034},
        CasoEcuacion{"Ce10", CoeficienteC, 10.0, 1.0018841625324333},
        CasoEcuacion{"Ce100", CoeficienteC, 100.0, 1.094431820733443},
        CasoEcuacion{"BetaF28",
                     [](double x) { return FuncionBetaF(x, CoeficienteB(e), CoeficienteC(e)); },
                     28.0, 0.31911323460839847},
        CasoEcuacion{"BetaF100",
                     [](double x) { return FuncionBetaF(x, CoeficienteB(e), CoeficienteC(e)); },
                     100.0, 0.5235908218491945},
        CasoEcuacion{"BetaF10000",
                     [](double x) { return FuncionBetaF(x, CoeficienteB(e), CoeficienteC(e)); },
                     10000.0, 0.9972727598742809}),
    [](const auto& i) { return std::string(i.param.nombre); });

INSTANTIATE_TEST_SUITE_P(
    Retraccion, Ecuacion,
    ::testing::Values(CasoEcuacion{"EpsS2e10", EpsS2, 10.0, 1.0705882352941176},
                      CasoEcuacion{"EpsS2Medio", EpsS2, e, 0.8925764192139738},
                      CasoEcuacion{"EpsS2e100", EpsS2, 100.0, 0.7588785046728971},
                      CasoEcuacion{"P28", ExponenteP, 28.0, 1.3378371192176872},
                      CasoEcuacion{"P365", ExponenteP, 365.0, 1.3318393360467882},
                      CasoEcuacion{"P10000", ExponenteP, 10000.0, 1.1166666566166668},
                      CasoEcuacion{"BetaR28",
                                   [](double t) { return BetaR(1.0, t, e, ExponenteP(t)); },
                                   28.0, 0.13778552189295595}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Las tablas de los ambientes y de la consistencia, leídas del artículo.
TEST(Tablas, AmbienteYConsistencia) {
    const MedioAmbiente ambientes[] = {MedioAmbiente::EnAgua, MedioAmbiente::MuyHumeda,
                                       MedioAmbiente::Medio, MedioAmbiente::MuySeca};
    const double lambda[] = {30.0, 5.0, 1.5, 1.0}, phiF1[] = {0.8, 1.0, 2.0, 3.0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(FactorEspesor(ambientes[i]), lambda[i]);
        EXPECT_EQ(PhiF1(ambientes[i]), phiF1[i]);
    }
    EXPECT_EQ(Kappa(Consistencia::Seca), 0.75);
    EXPECT_EQ(Kappa(Consistencia::Plastica), 1.0);
    EXPECT_EQ(Kappa(Consistencia::Semifluida), 1.25);
    EXPECT_FALSE(LeerMedioAmbiente(4).ok());
    EXPECT_FALSE(LeerConsistencia(-1).ok());
}

// φ(t,j) = (εed + εpi + εpd)·Ec28/σ: con σ = Ec28 el coeficiente es la suma de deformaciones.
TEST(CoeficienteFluencia, SumaDeDeformacionesDiferidas) {
    EXPECT_DOUBLE_EQ(CoeficienteFluencia(0.1, 0.2, 0.3, 1000.0, 1000.0), 0.6);
    EXPECT_DOUBLE_EQ(CoeficienteFluencia(0.001, 0.002, 0.003, 200000.0, 100.0), 12.0);
}

// Una edad escrita larga no llena el subíndice: se muestra el número.
TEST(Subindices, EdadLargaSeMuestraComoNumero) {
    EXPECT_EQ(TextoEdadEnSubindice(" 7.0", 7.0), " 7.0");
    EXPECT_EQ(TextoEdadEnSubindice("0000000000000000000028", 28.0), "28");
}

} // namespace
