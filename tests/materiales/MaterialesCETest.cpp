// Materiales del Código Estructural confirmados con el OK de los parámetros generales, y textos
// de la norma.
#include "design/EstadoDiseno.h"
#include "design/TextosParametros.h"
#include "norma/Norma.h"
#include "common/Fixturas.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

using pruebas::EstadoInicial;

struct CasoCE {
    const char* nombre;
    int acero, controlAcero, controlHormigon, situacion;
    const char* fck;
    const char* alfa;
    double gammaS, gammaC, fyd, fcd; // a mano
};

class MaterialesCE : public testing::TestWithParam<CasoCE> {};

TEST_P(MaterialesCE, GammaYResistenciasDeCalculo) {
    const auto c = GetParam();
    auto e = EstadoInicial();
    EleccionParametros p;
    p.norma = Norma::CodigoEstructural;
    p.DesignacionAcero = c.acero;
    p.ControlAcero = c.controlAcero;
    p.ControlHormigon = c.controlHormigon;
    p.SituacionProyecto = c.situacion;
    p.ResistenciaCaracteristica = c.fck;
    p.CoeficienteAlfaCC = c.alfa;
    AplicarTipoElemento(p, TipoDeElemento::Soporte); // hormigonado vertical marcado: no cuenta
    ASSERT_TRUE(DerivarMateriales(e, p).ok());
    EXPECT_EQ(e.norma, Norma::CodigoEstructural);
    EXPECT_DOUBLE_EQ(e.gammaS, c.gammaS);
    EXPECT_DOUBLE_EQ(e.gammaC, c.gammaC);
    EXPECT_NEAR(e.fyd, c.fyd, 0.005);
    EXPECT_NEAR(e.fycd, c.fyd, 0.005); // sin el tope de 400 N/mm²
    EXPECT_NEAR(e.fcd, c.fcd, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MaterialesCE,
    testing::Values(
        // 500/1.15 = 434.78; 30/1.5 = 20.00
        CasoCE{"persistente", 1, 0, 0, 0, "30", "1.00", 1.15, 1.5, 434.78, 20.00},
        // control intenso: 500/1.10 = 454.55; 30/1.40 = 21.43
        CasoCE{"intenso", 1, 1, 1, 0, "30", "1.00", 1.10, 1.40, 454.55, 21.43},
        // accidental (el control intenso no cambia nada): 500/1.0; 30/1.3 = 23.08
        CasoCE{"accidental", 1, 1, 1, 1, "30", "1.00", 1.0, 1.3, 500.00, 23.08},
        // αcc = 0.85: 0.85·25/1.5 = 14.17; 400/1.15 = 347.83
        CasoCE{"alfa", 0, 0, 0, 0, "25", "0.85", 1.15, 1.5, 347.83, 14.17},
        // HA-90: 90/1.5 = 60
        CasoCE{"alta", 0, 0, 0, 0, "90", "1", 1.15, 1.5, 347.83, 60.00}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(MaterialesCE, RechazosQueNombranSuCampo) {
    const struct {
        const char* fck;
        const char* alfa;
        const char* campo;
    } casos[] = {{"95", "1.00", "ResistenciaCaracteristica"},
                 {"15", "1.00", "ResistenciaCaracteristica"},
                 {"x", "1.00", "ResistenciaCaracteristica"},
                 {"30", "0.80", "CoeficienteAlfaCC"},
                 {"30", "1.01", "CoeficienteAlfaCC"},
                 {"30", "abc", "CoeficienteAlfaCC"}};
    for (const auto& c : casos) {
        auto e = EstadoInicial();
        EleccionParametros p;
        p.norma = Norma::CodigoEstructural;
        p.ResistenciaCaracteristica = c.fck;
        p.CoeficienteAlfaCC = c.alfa;
        const auto r = DerivarMateriales(e, p);
        ASSERT_FALSE(r.ok()) << c.fck << " " << c.alfa;
        EXPECT_EQ(r.error().campo, c.campo);
        EXPECT_EQ(e.fcd, 0.0); // el estado no cambia
    }
}

TEST(MaterialesCE, LaEHE98NoCambia) {
    // fck = 95 vale en la EHE-98 (hasta 100), y αcc no interviene aunque esté mal escrito.
    auto e = EstadoInicial();
    EleccionParametros p;
    p.ResistenciaCaracteristica = "95";
    p.CoeficienteAlfaCC = "abc";
    ASSERT_TRUE(DerivarMateriales(e, p).ok());
    EXPECT_EQ(e.norma, Norma::EHE98);
    EXPECT_NEAR(e.fcd, 95.0 / 1.5, 1e-12);
}

TEST(TextosNorma, RotulosYCitas) {
    EXPECT_EQ(TextoNormaEnUso(Norma::EHE98), "Norma: EHE-98");
    EXPECT_EQ(TextoNormaEnUso(Norma::CodigoEstructural), "Norma: Código Estructural");
    EXPECT_EQ(CabeceraNorma(Norma::CodigoEstructural),
              "Norma: Código Estructural (Real Decreto 470/2021), Anejo 19");
    EXPECT_EQ(Cita(Norma::EHE98, "42.1.3"), "art. 42.1.3");
    EXPECT_EQ(Cita(Norma::CodigoEstructural, "6.1"), "Anejo 19, 6.1");
    EXPECT_FALSE(NormaDelIndice(2).has_value());
    EXPECT_FALSE(NormaDelIndice(-1).has_value());
    // Rótulos de γ: los de la EHE-98 no cambian; los del Código con control intenso.
    EXPECT_EQ(TextoGammaS(Norma::EHE98, 0, 1), "= 1.15");
    EXPECT_EQ(TextoGammaS(Norma::CodigoEstructural, 0, 1), "= 1.10");
    EXPECT_EQ(TextoGammaC(Norma::CodigoEstructural, 0, 1), "= 1.40");
    EXPECT_EQ(TextoGammaC(Norma::CodigoEstructural, 1, 1), "= 1.3");
    EXPECT_EQ(TextoGammaS(Norma::CodigoEstructural, 1, 0), "= 1.0");
}

} // namespace
