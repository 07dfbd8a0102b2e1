#include "timedep/Retraccion.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {
DatosRetraccion DefectoRetraccion() {
    const auto d = LeerDatosRetraccion(EntradaRetraccion{});
    EXPECT_TRUE(d.ok());
    return d.valor();
}
} // namespace

TEST(CalcularRetraccion, ValoresPorDefecto) {
    const auto r = CalcularRetraccion(DefectoRetraccion());
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& x = r.valor();
    EXPECT_NEAR(x.e, 25.714, 5e-4);
    EXPECT_NEAR(x.epsS2, 0.892576, 5e-7);
    EXPECT_NEAR(x.p, 1.337837, 5e-7);
    EXPECT_NEAR(x.betaR, 0.137786, 5e-7);
    EXPECT_NEAR(x.epsR, -0.000039355, 5e-10);
    const auto t = RotularRetraccion(x, "28");
    EXPECT_EQ(t.Valor1, "=   -0.039355");
    EXPECT_EQ(t.Valor10, "=   -0.000320");
    EXPECT_EQ(t.Valor11, "=    0.892576");
    EXPECT_EQ(t.Valor12, "=  0.137786");
    EXPECT_EQ(t.Valorrt, "r28");
    EXPECT_EQ(RotularRetraccion(x, " 28.5").Valorrt, "r 28.5");
}

struct CasoAmbiente {
    int ambiente;
    double epsS1;
};

class AmbienteRetraccionTest : public ::testing::TestWithParam<CasoAmbiente> {};

TEST_P(AmbienteRetraccionTest, SignoYEspesor) {
    auto d = DefectoRetraccion();
    d.Ambiente = static_cast<MedioAmbiente>(GetParam().ambiente);
    const auto r = CalcularRetraccion(d);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.valor().epsS1, GetParam().epsS1);
    // En agua hincha (positiva); en las demás, acortamiento (negativa).
    EXPECT_EQ(r.valor().epsR > 0, GetParam().epsS1 > 0);
    EXPECT_NEAR(r.valor().epsR, r.valor().epsS1 * r.valor().epsS2 * r.valor().betaR, 1e-18);
}

INSTANTIATE_TEST_SUITE_P(Ambientes, AmbienteRetraccionTest,
                         ::testing::Values(CasoAmbiente{0, 0.00010}, CasoAmbiente{1, -0.00013},
                                           CasoAmbiente{2, -0.00032}, CasoAmbiente{3, -0.00052}));

TEST(CalcularRetraccion, ConsistenciaMultiplicaBetaR) {
    auto d = DefectoRetraccion();
    const double base = CalcularRetraccion(d).valor().betaR;
    d.Hormigon = Consistencia::Semifluida;
    EXPECT_NEAR(CalcularRetraccion(d).valor().betaR, 1.25 * base, 1e-15);
    d.Hormigon = Consistencia::Seca;
    EXPECT_NEAR(CalcularRetraccion(d).valor().betaR, 0.75 * base, 1e-15);
}

TEST(CalcularRetraccion, EspesorConocidoEsElPropioDato) {
    auto d = DefectoRetraccion();
    d.EspesorConocido = true;
    d.u = 25.714285714285715;
    d.A = 0;
    d.Ambiente = MedioAmbiente::EnAgua; // λ no interviene
    const auto r = CalcularRetraccion(d);
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.valor().epsS2, 0.892576, 5e-7);
    EXPECT_NEAR(r.valor().betaR, 0.137786, 5e-7);
}

struct CasoRetraccionMal {
    const char* nombre;
    void (*cambio)(EntradaRetraccion&);
    const char* campo;
};

class RechazoRetraccionTest : public ::testing::TestWithParam<CasoRetraccionMal> {};

TEST_P(RechazoRetraccionTest, NombraElCampo) {
    EntradaRetraccion entrada;
    GetParam().cambio(entrada);
    const auto d = LeerDatosRetraccion(entrada);
    std::string campo;
    if (!d.ok()) {
        campo = d.error().campo;
    } else {
        const auto r = CalcularRetraccion(d.valor());
        ASSERT_FALSE(r.ok());
        EXPECT_FALSE(r.error().mensaje.empty());
        campo = r.error().campo;
    }
    EXPECT_EQ(campo, GetParam().campo);
}

INSTANTIATE_TEST_SUITE_P(
    Datos, RechazoRetraccionTest,
    ::testing::Values(
        CasoRetraccionMal{"EdadTexto", [](EntradaRetraccion& e) { e.Edad = "28 días"; }, "Edad"},
        CasoRetraccionMal{"EdadNula", [](EntradaRetraccion& e) { e.Edad = ""; }, "Edad"},
        CasoRetraccionMal{"EdadNegativa", [](EntradaRetraccion& e) { e.Edad = "-28"; }, "Edad"},
        CasoRetraccionMal{"AreaNegativa", [](EntradaRetraccion& e) { e.Area = "-1200"; }, "Area"},
        CasoRetraccionMal{"PerimetroNulo", [](EntradaRetraccion& e) { e.Perimetro = "0"; },
                          "Perimetro"},
        CasoRetraccionMal{"EspesorNulo",
                          [](EntradaRetraccion& e) {
                              e.EspesorFicticioConocido = true;
                              e.Perimetro = "0";
                          },
                          "Perimetro"},
        CasoRetraccionMal{"Consistencia", [](EntradaRetraccion& e) { e.Consistencia = 3; },
                          "GrupoConsistencia"}),
    [](const auto& info) { return std::string(info.param.nombre); });
