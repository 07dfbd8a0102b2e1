// Cercos de pilares por el Código Estructural (Anejo 19, 9.5.3), calculados a mano: diámetro
// máx(6 mm, φmáx/4) redondeado a un diámetro comercial y separación mín(15·φmín, 300 mm, lado
// menor), con la nota de la separación reducida por 0.6.
#include "common/Expresion.h"
#include "shear/Cercos.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

struct CasoCercos {
    const char* nombre;
    double h, b, d1, phiMin, phiMax; // mm
    const char* armadura;
    const char* nota;
};
class CercosCe : public testing::TestWithParam<CasoCercos> {};

TEST_P(CercosCe, DiametroYSeparacion) {
    const auto& p = GetParam();
    EstadoDiseno e;
    e.norma = Norma::CodigoEstructural;
    Traza t;
    const auto c = CalcularCercos(e, p.h, p.b, p.d1, p.phiMin, p.phiMax, &t);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    EXPECT_EQ(c.valor().Armadura, p.armadura);
    EXPECT_EQ(c.valor().NotaSeparacion, p.nota);
    EXPECT_EQ(c.valor().norma, Norma::CodigoEstructural);
    EXPECT_EQ(e.h, p.h);
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, CercosCe,
    testing::Values(
        // mín(15·12, 300, 300) = 180 mm; máx(6, 16/4) = 6 mm; 0.6·18 = 10.8 cm.
        CasoCercos{"PorDefecto", 300, 300, 30, 12, 16, "  6/ 18",
                   "Junto a vigas y losas y en los solapos: separación × 0.6 = 10.8 cm "
                   "(Anejo 19, 9.5.3(4))"},
        // mín(300, 300, 250) = 250 mm; 25/4 = 6.25 → 8 mm (la EHE-98 daba 6 mm).
        CasoCercos{"LadoMenor", 400, 250, 30, 20, 25, "  8/ 25",
                   "Junto a vigas y losas y en los solapos: separación × 0.6 = 15.0 cm "
                   "(Anejo 19, 9.5.3(4))"},
        // mín(375, 300, 600) = 300 mm.
        CasoCercos{"Tope300", 600, 600, 40, 25, 25, "  8/ 30",
                   "Junto a vigas y losas y en los solapos: separación × 0.6 = 18.0 cm "
                   "(Anejo 19, 9.5.3(4))"},
        // 40/4 = 10 mm; 15·12 = 180 mm.
        CasoCercos{"BarraGruesa", 500, 500, 40, 12, 40, " 10/ 18",
                   "Junto a vigas y losas y en los solapos: separación × 0.6 = 10.8 cm "
                   "(Anejo 19, 9.5.3(4))"},
        // Con barras de 14 mm o menos la reducción en los solapos no se pide.
        CasoCercos{"SinSolapos", 300, 200, 30, 12, 14, "  6/ 18",
                   "Junto a vigas y losas: separación × 0.6 = 10.8 cm (Anejo 19, 9.5.3(4))"},
        // Lado menor 150 mm por debajo de 15·12 = 180 mm.
        CasoCercos{"SeccionEstrecha", 300, 150, 30, 12, 12, "  6/ 15",
                   "Junto a vigas y losas: separación × 0.6 = 9.0 cm (Anejo 19, 9.5.3(4))"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CercosCe, EHE98SinNota) {
    EstadoDiseno e;
    const auto c = CalcularCercos(e, 400, 250, 30, 20, 25);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.valor().Armadura, "  6/ 25");
    EXPECT_TRUE(c.valor().NotaSeparacion.empty());
}

} // namespace
