// «Comparar normas»: la misma viga con las dos normas; cifras del Código Estructural a mano.

#include "section/ComparacionNormas.h"

#include <gtest/gtest.h>

namespace {

using namespace velmora;

EstadoDiseno Viga(double Md) {
    EstadoDiseno e;
    InicializarTablas(e);
    e.SeccionRectangular = true;
    e.h = 500.0, e.b = 300.0, e.d1 = 50.0, e.d2 = 50.0;
    e.Md = Md;
    return e;
}

TEST(ComparacionNormas, VigaConLasDosNormas) {
    EleccionParametros p;
    p.DesignacionAcero = 1; // B 500 S
    const auto c = CompararNormas(Viga(180e6), p);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    ASSERT_EQ(c.valor().Filas.size(), 5u);
    // Código Estructural: 0.80952·fcd·b·x·(450 − 0.41597·x) = 180 kN·m, x = 110.0 mm, A1 = 10.24.
    EXPECT_EQ(c.valor().Filas[0].CodigoEstructural, "10.241 cm²");
    EXPECT_EQ(c.valor().Filas[2].CodigoEstructural, "11.00 cm");
    EXPECT_EQ(c.valor().Filas[3].CodigoEstructural, "3");
    // La EHE-98 pide 0.3·0.0028·b·h = 1.260 cm² de compresión; el Código Estructural, nada.
    EXPECT_EQ(c.valor().Filas[1].EHE98, "1.260 cm²");
    EXPECT_EQ(c.valor().Filas[1].Diferencia, "-100.0 %");
}

TEST(ComparacionNormas, ResistenciaFueraDeUnaNormaLoDice) {
    EleccionParametros p;
    p.ResistenciaCaracteristica = "70"; // sólo el Código Estructural llega a 90 N/mm²
    const auto c = CompararNormas(Viga(100e6), p);
    if (!c.ok()) {
        EXPECT_EQ(c.error().mensaje.rfind("EHE-98: ", 0), 0u) << c.error().mensaje;
        EXPECT_EQ(c.error().campo, "ResistenciaCaracteristica");
    }
}

struct CasoDiferencia {
    double a, b;
    const char* texto;
};
class DiferenciaNormas : public ::testing::TestWithParam<CasoDiferencia> {};
TEST_P(DiferenciaNormas, EnPorCiento) {
    EXPECT_EQ(TextoDiferencia(GetParam().a, GetParam().b), GetParam().texto);
}
INSTANTIATE_TEST_SUITE_P(Casos, DiferenciaNormas,
                         ::testing::Values(CasoDiferencia{8.0, 8.4, "+5.0 %"},
                                           CasoDiferencia{8.0, 7.6, "-5.0 %"},
                                           CasoDiferencia{8.0, 8.0, "+0.0 %"},
                                           CasoDiferencia{0.0, 3.0, "—"}));

} // namespace
