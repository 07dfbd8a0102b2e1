// Los materiales de cada norma en un solo valor: resistencias de cálculo, γ y las leyes del
// hormigón y del acero que integran las secciones. Valores de referencia calculados a mano con
// las fórmulas de la EHE-98 (art. 38.4, 39.4 y 39.5) y del Anejo 19 (tabla 3.1 y (3.15)).
#include "design/MaterialesDelEstado.h"
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
        // Control reducido del acero en situación accidental: 0.75·500/1.0 = 375; 30/1.3 = 23.08.
        CasoMateriales{"EHE_reducido_accidental", Norma::EHE98, 1, 1, 0, 1, TipoDeElemento::Viga,
                       "30", "1.00", 500, 1.0, 1.3, 375.0, 375.0, 23.08, 2.0, 3.5, 2.0, 19.62,
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
    // La norma del argumento decide también qué se rechaza: la EHE-98 admite fck = 95 y no lee
    // αcc; el Anejo 19 no, y αcc = 0.84 queda justo por debajo de 0.85.
    for (const auto& [fck, alfa, campo] : {std::tuple{"95", "1.00", "ResistenciaCaracteristica"},
                                           std::tuple{"30", "0.84", "CoeficienteAlfaCC"}}) {
        EleccionParametros p;
        p.ResistenciaCaracteristica = fck;
        p.CoeficienteAlfaCC = alfa;
        const auto r = MaterialesSegun(Norma::CodigoEstructural, p);
        ASSERT_FALSE(r.ok()) << fck << " " << alfa;
        EXPECT_EQ(r.error().campo, campo);
        EXPECT_FALSE(r.error().mensaje.empty());
    }
}

// --- Resistencias de cálculo y constantes con nombre ---

TEST(Resistencias, IndiceDeAceroFueraDelGrupo) {
    // Cuenta como B 400 S, como ha hecho siempre el botón OK.
    EXPECT_EQ(DesignacionDelIndice(2), DesignacionDeAcero::B400S);
    EXPECT_EQ(DesignacionDelIndice(-1), DesignacionDeAcero::B400S);
}

TEST(Resistencias, TensionLimiteExacta) {
    // εcu·Es = 0.0035·200000 = 700 N/mm² exactamente, sin redondeo: ξlim la usa.
    EXPECT_EQ(ehe98::TensionLimite, 700.0);
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
