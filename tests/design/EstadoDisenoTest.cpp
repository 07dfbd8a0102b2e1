#include "tests/common/Fixturas.h"
#include "design/EstadoDiseno.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(InicializarTablas, RanurasYTablas) {
    const auto e = pruebas::EstadoInicial();
    for (int k = 0; k < NumeroRanuras; ++k) {
        EXPECT_EQ(e.NumeroDiametros[k], 1);
        for (const GrupoBarras& g : e.Barras[k]) {
            EXPECT_EQ(g.Numero, 1);
            EXPECT_EQ(g.Diametro, 10);
        }
    }
    EXPECT_EQ(e.TablaM[0][1], 15);
    EXPECT_EQ(e.TablaM[5][0], 7);
    EXPECT_DOUBLE_EQ(e.TablaEs[1], 200000.0); // IndiceEs 2
    EXPECT_EQ(e.fyd, 0.0); // los materiales esperan al OK
}

TEST(DerivarMateriales, ValoresDeArranque) {
    auto e = pruebas::EstadoInicial();
    ASSERT_TRUE(DerivarMateriales(e, {}).ok());
    EXPECT_TRUE(e.ArmaduraPasiva);
    EXPECT_DOUBLE_EQ(e.fyk, 400);
    EXPECT_DOUBLE_EQ(e.gammaS, 1.15);
    EXPECT_DOUBLE_EQ(e.gammaC, 1.5);
    EXPECT_NEAR(e.fyd, 347.83, 0.005);
    EXPECT_DOUBLE_EQ(e.fycd, e.fyd);
    EXPECT_DOUBLE_EQ(e.fck, 25);
    EXPECT_NEAR(e.fcd, 16.67, 0.005);
    EXPECT_FALSE(e.Simetrica);
}

struct CasoMateriales {
    const char* nombre;
    EleccionParametros p;
    double fyd, fycd, fck, fcd;
};

class Materiales : public ::testing::TestWithParam<CasoMateriales> {};

TEST_P(Materiales, Derivados) {
    auto e = pruebas::EstadoInicial();
    const auto& c = GetParam();
    ASSERT_TRUE(DerivarMateriales(e, c.p).ok()) << c.nombre;
    EXPECT_NEAR(e.fyd, c.fyd, 0.005) << c.nombre;
    EXPECT_NEAR(e.fycd, c.fycd, 0.005) << c.nombre;
    EXPECT_NEAR(e.fck, c.fck, 1e-9) << c.nombre;
    EXPECT_NEAR(e.fcd, c.fcd, 0.005) << c.nombre;
}

namespace {
EleccionParametros Con(void (*f)(EleccionParametros&)) {
    EleccionParametros p;
    f(p);
    return p;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    ParametrosGenerales, Materiales,
    ::testing::Values(CasoMateriales{"B500S", Con([](auto& p) { p.DesignacionAcero = 1; }), 434.78,
                                     400, 25, 16.67},
                      CasoMateriales{"B400S accidental",
                                     Con([](auto& p) { p.SituacionProyecto = 1; }), 400, 400, 25,
                                     25 / 1.3},
                      CasoMateriales{"B500S control reducido", Con([](auto& p) {
                                         p.DesignacionAcero = 1;
                                         p.ControlAcero = 1;
                                     }),
                                     326.09, 326.09, 25, 16.67},
                      CasoMateriales{"hormigón control reducido", Con([](auto& p) {
                                         p.ControlHormigon = 1;
                                         p.ResistenciaCaracteristica = "no se lee";
                                     }),
                                     347.83, 347.83, 15, 10},
                      CasoMateriales{"reducido con soporte", Con([](auto& p) {
                                         p.ControlHormigon = 1;
                                         AplicarTipoElemento(p, TipoDeElemento::Soporte);
                                     }),
                                     347.83, 347.83, 15, 9},
                      CasoMateriales{"resistencia escrita a mano",
                                     Con([](auto& p) { p.ResistenciaCaracteristica = " 27,5 "; }),
                                     347.83, 347.83, 27.5, 27.5 / 1.5}));

TEST(AplicarTipoElemento, CasillasSegunElElemento) {
    EleccionParametros p;
    AplicarTipoElemento(p, TipoDeElemento::Soporte);
    EXPECT_TRUE(p.ArmaduraSimetricaHabilitada && p.ArmaduraSimetricaMarcada);
    EXPECT_TRUE(p.HormigonadoVerticalHabilitado && p.HormigonadoVerticalMarcado);
    AplicarTipoElemento(p, TipoDeElemento::Viga); // vuelve a Viga: inhabilitadas pero con la marca puesta
    EXPECT_FALSE(p.ArmaduraSimetricaHabilitada);
    EXPECT_TRUE(p.ArmaduraSimetricaMarcada);
    auto e = pruebas::EstadoInicial();
    ASSERT_TRUE(DerivarMateriales(e, p).ok());
    EXPECT_FALSE(e.Simetrica);
    EXPECT_NEAR(e.fcd, 25 / 1.5, 1e-12); // sin el factor 0,9
    for (auto muro : {TipoDeElemento::MuroHorizontal, TipoDeElemento::MuroVertical}) {
        AplicarTipoElemento(p, muro);
        EXPECT_TRUE(p.ArmaduraSimetricaHabilitada);
        EXPECT_FALSE(p.ArmaduraSimetricaMarcada);
        EXPECT_TRUE(p.HormigonadoVerticalMarcado);
    }
}

TEST(DerivarMateriales, RechazaResistenciaNoValidaSinTocarElEstado) {
    for (const char* texto : {"abc", "0", "-25"}) {
        auto e = pruebas::EstadoInicial();
        EleccionParametros p;
        p.ResistenciaCaracteristica = texto;
        const auto r = DerivarMateriales(e, p);
        ASSERT_FALSE(r.ok()) << texto;
        EXPECT_EQ(r.error().campo, "ResistenciaCaracteristica");
        EXPECT_EQ(e.fyd, 0.0);
        EXPECT_EQ(e.fcd, 0.0);
    }
}
