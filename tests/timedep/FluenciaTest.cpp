#include "timedep/Fluencia.h"
#include "timedep/Comun.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmora;

namespace {
DatosFluencia Defecto() {
    const auto d = LeerDatosFluencia(EntradaFluencia{});
    EXPECT_TRUE(d.ok());
    return d.valor();
}
} // namespace

TEST(Potencia, Reglas) {
    EXPECT_EQ(Potencia(0.0, 0.0), 1.0);
    EXPECT_EQ(Potencia(-7.0, 0.0), 1.0);
    EXPECT_EQ(Potencia(0.0, 0.75), 0.0);
    EXPECT_EQ(Potencia(-2.0, 3.0), -8.0); // entero: base negativa admitida
    EXPECT_EQ(Potencia(-2.0, 5.0), -32.0);
    EXPECT_DOUBLE_EQ(Potencia(2.0, -2.0), 0.25);
    EXPECT_NEAR(Potencia(28.0, 0.75), 12.172184, 1e-6);
    EXPECT_TRUE(std::isnan(Potencia(-2.0, 0.5))); // por eso se rechazan los datos negativos
}

TEST(CalcularFluencia, ValoresPorDefecto) {
    const auto r = CalcularFluencia(Defecto());
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& x = r.valor();
    EXPECT_NEAR(x.e, 25.714, 5e-4);
    EXPECT_NEAR(x.fcj, 200.0, 1e-9);
    EXPECT_NEAR(x.Ecj, 268700.6, 0.05);
    EXPECT_NEAR(x.Ec28, 268700.6, 0.05);
    EXPECT_NEAR(1000 * x.epsEi, 3.721615, 5e-7);
    EXPECT_NEAR(x.betaTj, 0.647566, 5e-7);
    EXPECT_NEAR(1000 * x.epsEd, 0.963996, 5e-7);
    EXPECT_NEAR(1000 * x.epsPi, 0.926603, 5e-7);
    EXPECT_NEAR(x.phiF2, 1.4871, 5e-5);
    EXPECT_NEAR(x.betaJ, 0.319113, 5e-7);
    EXPECT_NEAR(x.betaT, 0.523591, 5e-7);
    EXPECT_NEAR(1000 * x.epsPd, 2.263312, 5e-7);
    EXPECT_NEAR(x.phiTj, 1.116158, 5e-7);

    const auto t = RotularFluencia(x, "28", "100");
    EXPECT_EQ(t.Valor1, "=    3.721615");
    EXPECT_EQ(t.Valor5, "=    1.116158");
    EXPECT_EQ(t.Valor10, "=  268700.6");
    EXPECT_EQ(t.Valor12, "=  200.0");
    EXPECT_EQ(t.Valor13, "=  0.647566");
    EXPECT_EQ(t.Valor14, "=  2.0");
    EXPECT_EQ(t.Valor15, "=  1.4871");
    EXPECT_EQ(t.Valorbetatj, "100-28");
    EXPECT_EQ(t.ValorEcj, "c28");
}

TEST(CalcularFluencia, SubindicesConLosTextosEscritos) {
    const auto r = CalcularFluencia(Defecto());
    ASSERT_TRUE(r.ok());
    const auto t = RotularFluencia(r.valor(), " 28.0", "90,5");
    EXPECT_EQ(t.ValorEcj, "c 28.0");
    EXPECT_EQ(t.Valorfcj, "c 28.0");
    EXPECT_EQ(t.Valorbetatj, "90,5- 28.0");
    EXPECT_EQ(t.Valorbetaj, " 28.0");
    EXPECT_EQ(t.Valorbetat, "90,5");
}

TEST(CalcularFluencia, MismaEdadSoloQuedaLaParteInstantanea) {
    auto d = Defecto();
    d.j = 7;
    d.t = 7;
    const auto r = CalcularFluencia(d);
    ASSERT_TRUE(r.ok());
    const auto& x = r.valor();
    EXPECT_DOUBLE_EQ(x.betaTj, 0.25);
    EXPECT_EQ(x.betaT, x.betaJ);
    const double betaA = x.epsPi * x.Ec28 / d.sigma;
    EXPECT_GT(betaA, 0.0); // a 7 días fcj < fc∞
    EXPECT_NEAR(x.phiTj, 0.1 + betaA, 1e-12);
}

TEST(CalcularFluencia, EspesorConocidoYAmbientes) {
    auto d = Defecto();
    d.EspesorConocido = true;
    d.u = 12.5;
    d.A = -1; // no se usa
    for (int ambiente = 0; ambiente < 4; ++ambiente) {
        d.Ambiente = static_cast<MedioAmbiente>(ambiente);
        const auto r = CalcularFluencia(d);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.valor().e, 12.5);
    }
    // "En agua" frente a "Atmósfera muy seca": λ 30 frente a 1, φf1 0,8 frente a 3.
    auto agua = Defecto();
    agua.Ambiente = MedioAmbiente::EnAgua;
    auto seca = Defecto();
    seca.Ambiente = MedioAmbiente::MuySeca;
    const auto ra = CalcularFluencia(agua), rs = CalcularFluencia(seca);
    ASSERT_TRUE(ra.ok() && rs.ok());
    EXPECT_NEAR(ra.valor().e, 30 * 2 * 1200.0 / 140, 1e-9);
    EXPECT_NEAR(rs.valor().e, 2 * 1200.0 / 140, 1e-9);
    EXPECT_EQ(ra.valor().phiF1, 0.8);
    EXPECT_EQ(rs.valor().phiF1, 3.0);
    EXPECT_LT(ra.valor().phiTj, rs.valor().phiTj);
}

struct CasoFluenciaMal {
    const char* nombre;
    void (*cambio)(EntradaFluencia&);
    const char* campo;
};

class RechazoFluenciaTest : public ::testing::TestWithParam<CasoFluenciaMal> {};

TEST_P(RechazoFluenciaTest, NombraElCampo) {
    EntradaFluencia entrada;
    GetParam().cambio(entrada);
    auto d = LeerDatosFluencia(entrada);
    std::string campo;
    if (!d.ok()) {
        campo = d.error().campo;
    } else {
        const auto r = CalcularFluencia(d.valor());
        ASSERT_FALSE(r.ok());
        EXPECT_FALSE(r.error().mensaje.empty());
        campo = r.error().campo;
    }
    EXPECT_EQ(campo, GetParam().campo);
}

INSTANTIATE_TEST_SUITE_P(
    Datos, RechazoFluenciaTest,
    ::testing::Values(
        CasoFluenciaMal{"ResistenciaTexto",
                        [](EntradaFluencia& e) { e.ResistenciaCaracteristica = "H-200"; },
                        "ResistenciaCaracteristica"},
        CasoFluenciaMal{"ResistenciaNula",
                        [](EntradaFluencia& e) { e.ResistenciaCaracteristica = ""; },
                        "ResistenciaCaracteristica"},
        CasoFluenciaMal{"AreaNula", [](EntradaFluencia& e) { e.Area = "0"; }, "Area"},
        CasoFluenciaMal{"PerimetroNulo", [](EntradaFluencia& e) { e.Perimetro = "0"; },
                        "Perimetro"},
        CasoFluenciaMal{"EspesorNegativo",
                        [](EntradaFluencia& e) {
                            e.EspesorFicticioConocido = true;
                            e.Perimetro = "-3";
                        },
                        "Perimetro"},
        CasoFluenciaMal{"TensionNula", [](EntradaFluencia& e) { e.Tension = "0"; }, "Tension"},
        CasoFluenciaMal{"EdadJNula", [](EntradaFluencia& e) { e.Tiempo01 = "0"; }, "Tiempo01"},
        CasoFluenciaMal{"EdadTNegativa", [](EntradaFluencia& e) { e.Tiempo02 = "-1"; }, "Tiempo02"},
        CasoFluenciaMal{"TAnteriorAJ", [](EntradaFluencia& e) { e.Tiempo02 = "27.9"; }, "Tiempo02"},
        CasoFluenciaMal{"Ambiente", [](EntradaFluencia& e) { e.MedioAmbiente = 4; },
                        "GrupoMedioAmbiente"},
        // Fuera de su intervalo: se rechaza antes de calcular, nombrando el campo.
        CasoFluenciaMal{"EdadEnorme", [](EntradaFluencia& e) { e.Tiempo02 = "1e200"; },
                        "Tiempo02"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularFluencia, AreaIlegibleNoImportaConEspesorConocido) {
    EntradaFluencia entrada;
    entrada.EspesorFicticioConocido = true;
    entrada.Area = "no";
    entrada.Perimetro = "25.714";
    const auto d = LeerDatosFluencia(entrada);
    ASSERT_TRUE(d.ok());
    EXPECT_TRUE(CalcularFluencia(d.valor()).ok());
}
