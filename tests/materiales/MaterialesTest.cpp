// Los materiales de cada norma en un solo valor: resistencias de cálculo, γ y las leyes del
// hormigón y del acero que integran las secciones. Valores de referencia calculados a mano con
// las fórmulas de la EHE-98 (art. 38.4, 39.4 y 39.5) y del Anejo 19 (tabla 3.1 y (3.15)).
#include "design/MaterialesDelEstado.h"
#include "common/Fixturas.h"
#include "materiales/Resistencias.h"
#include "materiales/ehe98/Leyes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velmora;

namespace {

struct CasoMateriales {
    const char* nombre;
    Norma norma;
    int acero, controlAcero, controlHormigon, situacion;
    TipoDeElemento elemento;
    const char* fck;
    const char* alfa;
    // A mano.
    double fyk, gammaS, gammaC, fyd, fycd, fcd;
    double epsC2, epsCU2, n, meseta; // ‰, ‰, –, N/mm²
    double epsMax;                   // alargamiento máximo del acero (∞ sin límite)
};

constexpr double Inf = std::numeric_limits<double>::infinity();

class MaterialesSegunNorma : public testing::TestWithParam<CasoMateriales> {};

TEST_P(MaterialesSegunNorma, ResistenciasYLeyes) {
    const auto c = GetParam();
    EleccionParametros p;
    p.DesignacionAcero = c.acero;
    p.ControlAcero = c.controlAcero;
    p.ControlHormigon = c.controlHormigon;
    p.SituacionProyecto = c.situacion;
    p.ResistenciaCaracteristica = c.fck;
    p.CoeficienteAlfaCC = c.alfa;
    AplicarTipoElemento(p, c.elemento);
    // La norma de las elecciones no cuenta: manda la del argumento.
    p.norma = c.norma == Norma::EHE98 ? Norma::CodigoEstructural : Norma::EHE98;
    const auto r = MaterialesSegun(c.norma, p);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const Materiales& m = *r;
    EXPECT_EQ(m.norma, c.norma);
    EXPECT_DOUBLE_EQ(m.fyk, c.fyk);
    EXPECT_DOUBLE_EQ(m.gammaS, c.gammaS);
    EXPECT_DOUBLE_EQ(m.gammaC, c.gammaC);
    EXPECT_NEAR(m.fyd, c.fyd, 0.005);
    EXPECT_NEAR(m.fycd, c.fycd, 0.005);
    EXPECT_NEAR(m.fcd, c.fcd, 0.005);
    EXPECT_NEAR(m.hormigon.epsC2 * 1000.0, c.epsC2, 5e-4);
    EXPECT_NEAR(m.hormigon.epsCU2 * 1000.0, c.epsCU2, 5e-4);
    EXPECT_NEAR(m.hormigon.n, c.n, 5e-5);
    EXPECT_NEAR(m.hormigon.alfa * m.hormigon.fcd, c.meseta, 0.005);
    // La ley del hormigón llega a la meseta en εc2 y se queda en ella hasta εcu2.
    ASSERT_NE(m.hormigon.Tension, nullptr);
    EXPECT_NEAR(m.hormigon.Tension(m.hormigon, m.hormigon.epsC2), c.meseta, 0.005);
    EXPECT_NEAR(m.hormigon.Tension(m.hormigon, m.hormigon.epsCU2), c.meseta, 0.005);
    EXPECT_DOUBLE_EQ(m.acero.Es, 200000.0);
    EXPECT_NEAR(m.acero.fyd, c.fyd, 0.005);
    EXPECT_NEAR(m.acero.fycd, c.fycd, 0.005);
    EXPECT_EQ(m.acero.epsMax, c.epsMax);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Casos, MaterialesSegunNorma,
    testing::Values(
        // 400/1.15 = 347.83; 25/1.5 = 16.67; meseta 0.85·16.67 = 14.17.
        CasoMateriales{"EHE_arranque", Norma::EHE98, 0, 0, 0, 0, TipoDeElemento::Viga, "25",
                       "1.00", 400, 1.15, 1.5, 347.83, 347.83, 16.67, 2.0, 3.5, 2.0, 14.17,
                       0.01},
        // Accidental: 500/1.0 = 500, fyc,d con el tope de 400; 25/1.3 = 19.23, meseta 16.35.
        CasoMateriales{"EHE_accidental_B500", Norma::EHE98, 1, 0, 0, 1, TipoDeElemento::Viga,
                       "25", "1.00", 500, 1.0, 1.3, 500.0, 400.0, 19.23, 2.0, 3.5, 2.0, 16.35,
                       0.01},
        // Control reducido del acero: 0.75·500/1.15 = 326.09 (por debajo del tope).
        CasoMateriales{"EHE_acero_reducido", Norma::EHE98, 1, 1, 0, 0, TipoDeElemento::Viga,
                       "25", "1.00", 500, 1.15, 1.5, 326.09, 326.09, 16.67, 2.0, 3.5, 2.0, 14.17,
                       0.01},
        // Control reducido del hormigón: fck = 10·1.5 = 15 sea cual sea el texto; fcd = 10.
        CasoMateriales{"EHE_hormigon_reducido", Norma::EHE98, 0, 0, 1, 0, TipoDeElemento::Viga,
                       "abc", "1.00", 400, 1.15, 1.5, 347.83, 347.83, 10.0, 2.0, 3.5, 2.0, 8.5,
                       0.01},
        // Soporte hormigonado en vertical: 0.9·30/1.5 = 18; meseta 15.3.
        CasoMateriales{"EHE_vertical", Norma::EHE98, 0, 0, 0, 0, TipoDeElemento::Soporte, "30",
                       "1.00", 400, 1.15, 1.5, 347.83, 347.83, 18.0, 2.0, 3.5, 2.0, 15.3, 0.01},
        // Anejo 19 hasta C50: 2 ‰, 3.5 ‰, n = 2; fyc,d = fyd sin tope; rama sin límite.
        CasoMateriales{"CE_arranque", Norma::CodigoEstructural, 1, 0, 0, 0, TipoDeElemento::Viga,
                       "25", "1.00", 500, 1.15, 1.5, 434.78, 434.78, 16.67, 2.0, 3.5, 2.0, 16.67,
                       Inf},
        // C70, αcc = 0.85: εc2 = 2 + 0.085·20^0.53 = 2.4159 ‰; εcu2 = 2.6 + 35·0.2^4 = 2.656 ‰;
        // n = 1.4 + 23.4·0.2^4 = 1.43744; fcd = 0.85·70/1.5 = 39.67 (la meseta ya es fcd).
        CasoMateriales{"CE_alta_resistencia", Norma::CodigoEstructural, 1, 0, 0, 0,
                       TipoDeElemento::Viga, "70", "0.85", 500, 1.15, 1.5, 434.78, 434.78, 39.67,
                       2.4159, 2.656, 1.43744, 39.67, Inf}),
    [](const auto& i) { return std::string(i.param.nombre); });
// clang-format on

TEST(MaterialesSegun, ModuloDelAceroElegido) {
    // TablaEs: 190000, 200000 y 210000 N/mm² (índices 1..3).
    for (const auto& [indice, Es] : {std::pair{1, 190000.0}, {2, 200000.0}, {3, 210000.0}}) {
        const auto r = MaterialesSegun(Norma::EHE98, EleccionParametros{}, indice);
        ASSERT_TRUE(r.ok());
        EXPECT_DOUBLE_EQ((*r).acero.Es, Es) << indice;
    }
}

TEST(MaterialesSegun, RechazosQueNombranSuCampo) {
    const struct {
        Norma norma;
        const char* fck;
        const char* alfa;
        const char* campo;
    } casos[] = {{Norma::EHE98, "abc", "1.00", "ResistenciaCaracteristica"},
                 {Norma::EHE98, "0", "1.00", "ResistenciaCaracteristica"},
                 {Norma::CodigoEstructural, "95", "1.00", "ResistenciaCaracteristica"},
                 {Norma::CodigoEstructural, "30", "0.84", "CoeficienteAlfaCC"},
                 {Norma::CodigoEstructural, "30", "1.01", "CoeficienteAlfaCC"}};
    for (const auto& c : casos) {
        EleccionParametros p;
        p.ResistenciaCaracteristica = c.fck;
        p.CoeficienteAlfaCC = c.alfa;
        const auto r = MaterialesSegun(c.norma, p);
        ASSERT_FALSE(r.ok()) << c.fck << " " << c.alfa;
        EXPECT_EQ(r.error().campo, c.campo) << c.fck << " " << c.alfa;
        EXPECT_FALSE(r.error().mensaje.empty());
    }
}

TEST(MaterialesSegun, LosMismosQueDejaElBotonOK) {
    // Los materiales confirmados en el estado y los de MaterialesSegun salen de la misma
    // derivación: ni un bit de diferencia.
    const EstadoDiseno e = pruebas::Confirmado();
    const Materiales a = MaterialesConfirmados(e);
    const auto b = MaterialesSegun(Norma::EHE98, EleccionParametros{}, e.IndiceEs);
    ASSERT_TRUE(b.ok());
    EXPECT_EQ(a.fcd, (*b).fcd);
    EXPECT_EQ(a.fyd, (*b).fyd);
    EXPECT_EQ(a.fycd, (*b).fycd);
    EXPECT_EQ(a.hormigon.epsCU2, (*b).hormigon.epsCU2);
}

// --- Resistencias de cálculo y constantes con nombre ---

TEST(Resistencias, DesignacionYLimiteElastico) {
    EXPECT_EQ(DesignacionDelIndice(0), DesignacionDeAcero::B400S);
    EXPECT_EQ(DesignacionDelIndice(1), DesignacionDeAcero::B500S);
    // Un índice fuera del grupo cuenta como B 400 S, como ha hecho siempre el botón OK.
    EXPECT_EQ(DesignacionDelIndice(2), DesignacionDeAcero::B400S);
    EXPECT_EQ(DesignacionDelIndice(-1), DesignacionDeAcero::B400S);
    EXPECT_EQ(Fyk(DesignacionDeAcero::B400S), 400.0);
    EXPECT_EQ(Fyk(DesignacionDeAcero::B500S), 500.0);
}

TEST(Resistencias, TopeDeLaArmaduraComprimida) {
    // fyc,d = mín(fyd; 400): el tope se alcanza justo en 400 y no antes.
    EXPECT_EQ(ehe98::Fycd(399.99), 399.99);
    EXPECT_EQ(ehe98::Fycd(400.0), 400.0);
    EXPECT_EQ(ehe98::Fycd(400.01), 400.0);
    EXPECT_EQ(ehe98::Fycd(500.0), 400.0);
}

TEST(Resistencias, ConstantesDelDiagramaEHE98) {
    // εcu·Es con Es = 200000 N/mm²: 0.0035·200000 = 700 N/mm², exactamente (ξlim lo usa).
    EXPECT_EQ(ehe98::TensionLimite, 700.0);
    EXPECT_EQ(ehe98::EpsilonC0, 0.002);
    EXPECT_EQ(ehe98::EpsilonCU, 0.0035);
    EXPECT_EQ(ehe98::EpsilonSU, 0.01);
    EXPECT_EQ(ehe98::Cansancio, 0.85);
    // Las fórmulas de fcd y fyd con sus factores: 0.9·30/1.5 = 18; 0.75·400/1.15 = 260.87.
    EXPECT_NEAR(ehe98::FcdHormigonadoVertical(30.0, 1.5), 18.0, 1e-12);
    EXPECT_NEAR(ehe98::FydControlReducido(400.0, 1.15), 260.8696, 1e-4);
    EXPECT_NEAR(ce::Fcd(0.85, 30.0, 1.5), 17.0, 1e-12);
}

TEST(ProfundidadFibraNeutra, LaSeccionTodaComprimidaNoTieneProfundidad) {
    EstadoDiseno e;
    // Una profundidad hallada de 1000.00 mm justos (100 000 pasos de 0.01 mm en un canto de más
    // de 1 m) es una profundidad, no la sección toda comprimida.
    for (const double x : {0.0, 123.0, 999.99, 1000.0, 1000.01}) {
        FijarSeccionComprimida(e);
        EXPECT_FALSE(ProfundidadFibraNeutra(e).has_value());
        EXPECT_EQ(e.x, 1000.0); // el valor que velmora-calc escribe en "x"
        FijarProfundidad(e, x);
        EXPECT_EQ(ProfundidadFibraNeutra(e).value_or(-1.0), x);
    }
}

} // namespace
