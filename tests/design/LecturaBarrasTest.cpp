#include "design/LecturaBarras.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

struct CasoNumero {
    const char* texto;
    int n;
    bool reescribir;
};

class LeerNumeroBarrasValido : public testing::TestWithParam<CasoNumero> {};

TEST_P(LeerNumeroBarrasValido, TruncaHaciaCero) {
    const auto& c = GetParam();
    const auto r = LeerNumeroBarras(c.texto, 1);
    ASSERT_TRUE(r) << r.error().mensaje;
    EXPECT_EQ((*r).n, c.n);
    EXPECT_EQ((*r).reescribir, c.reescribir);
}

INSTANTIATE_TEST_SUITE_P(Casos, LeerNumeroBarrasValido,
                         testing::Values(CasoNumero{"3", 3, false}, CasoNumero{"2.5", 2, true},
                                         CasoNumero{"2,7", 2, true}, CasoNumero{" 4 ", 4, false},
                                         CasoNumero{"", 0, false}, CasoNumero{"0", 0, false},
                                         CasoNumero{"0.4", 0, true},
                                         CasoNumero{"9999.9", 9999, true},
                                         CasoNumero{"1e3", 1000, false}));

struct CasoError {
    const char* texto;
    const char* fragmento;
};

class LeerNumeroBarrasErroneo : public testing::TestWithParam<CasoError> {};

TEST_P(LeerNumeroBarrasErroneo, NombraLaFilaYElControl) {
    const auto& c = GetParam();
    const auto r = LeerNumeroBarras(c.texto, 2);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error().mensaje.find("«Número de barras (fila 3)»"), std::string::npos)
        << r.error().mensaje;
    EXPECT_NE(r.error().mensaje.find(c.fragmento), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(r.error().campo, "NumeroRedondos03");
}

INSTANTIATE_TEST_SUITE_P(Casos, LeerNumeroBarrasErroneo,
                         testing::Values(CasoError{"dos", "no es un número"},
                                         CasoError{"-", "no es un número"},
                                         CasoError{"10000", "entre 0 y 9999"},
                                         // Un número negativo no son barras, ni truncado a 0.
                                         CasoError{"-3", "entre 0 y 9999 (se ha escrito «-3»)"},
                                         CasoError{"-0.5", "entre 0 y 9999"},
                                         CasoError{"-1e6", "entre 0 y 9999"},
                                         CasoError{"1e400", "fuera del intervalo"}));

TEST(LeerDiametroBarras, EnterosDentroDeLimites) {
    for (const auto& [texto, d] : {std::pair{"12", 12}, std::pair{" 25", 25}, std::pair{"1", 1},
                                   std::pair{"999", 999}, std::pair{"12.0", 12}}) {
        const auto r = LeerDiametroBarras(texto, 0);
        ASSERT_TRUE(r) << texto << ": " << r.error().mensaje;
        EXPECT_EQ(*r, d) << texto;
    }
}

TEST(LeerDiametroBarras, RechazaFraccionesTextosYExcesos) {
    for (const auto& [texto, fragmento] :
         {std::pair{"12.5", "número entero de milímetros"}, std::pair{"Ø12", "no es un número"},
          std::pair{"1000", "entre 1 y 999 mm"}, std::pair{"1,5", "número entero"},
          std::pair{"-16", "entre 1 y 999 mm (se ha escrito «-16»)"},
          std::pair{"0", "entre 1 y 999 mm"}, std::pair{"", "entre 1 y 999 mm"}}) {
        const auto r = LeerDiametroBarras(texto, 1);
        ASSERT_FALSE(r) << texto;
        EXPECT_NE(r.error().mensaje.find("«Diámetro (fila 2)»"), std::string::npos)
            << r.error().mensaje;
        EXPECT_NE(r.error().mensaje.find(fragmento), std::string::npos) << r.error().mensaje;
        EXPECT_EQ(r.error().campo, "Diametro02");
    }
}
