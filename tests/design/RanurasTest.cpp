#include "tests/common/Fixturas.h"
#include "design/Ranuras.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(SumarArea, PrimeraAperturaUnaBarraDe10) {
    auto e = pruebas::EstadoInicial();
    EXPECT_NEAR(SumarArea(e), 78.5398, 1e-4);
    EXPECT_EQ(TextoAreaTotal(e), "    0.7854");
    EXPECT_EQ(TextoArmadura(e, 0), "1Ø10");
}

TEST(SumarArea, DosGruposYGruposOcultos) {
    auto e = pruebas::EstadoInicial();
    e.IndiceArmadura = 2;
    e.NumeroDiametros[2] = 2;
    e.Barras[2][0].Numero = 3;
    e.Barras[2][0].Diametro = 12;
    e.Barras[2][1].Numero = 2;
    e.Barras[2][1].Diametro = 10;
    e.Barras[2][2].Numero = 9; // oculto: no cuenta
    EXPECT_NEAR(SumarArea(e), 496.372, 1e-3);
    EXPECT_EQ(TextoAreaTotal(e), "    4.9637");
    EXPECT_EQ(TextoArmadura(e, 2), "3Ø12+2Ø10");
    e.Barras[2][1].Numero = -1; // un número negativo resta su área
    EXPECT_NEAR(SumarArea(e), 339.292 - 78.540, 1e-3);
}

TEST(TextoArmadura, SeCortaAVeinteCaracteres) {
    auto e = pruebas::EstadoInicial();
    e.NumeroDiametros[1] = 3;
    for (int j = 0; j < GruposPorRanura; ++j)
        e.Barras[1][j] = GrupoBarras{1001 + j, 25};
    // "1001Ø25+1002Ø25+1003Ø25" tiene 23 caracteres
    EXPECT_EQ(TextoArmadura(e, 1), "1001Ø25+1002Ø25+1003");
}

TEST(SumarArea, NumeroDeGruposFueraDeIntervalo) {
    auto e = pruebas::EstadoInicial();
    e.NumeroDiametros[0] = 7;
    EXPECT_NEAR(SumarArea(e), 3 * 78.5398, 1e-3);
    e.NumeroDiametros[0] = 0;
    EXPECT_NEAR(SumarArea(e), 78.5398, 1e-3);
}
