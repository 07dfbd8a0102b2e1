#include "tests/common/Expresion.h"

#include <gtest/gtest.h>

namespace velmora::pruebas {
namespace {

struct CasoExpresion {
    const char* texto;
    double valor;
};

class ExpresionValida : public ::testing::TestWithParam<CasoExpresion> {};

TEST_P(ExpresionValida, DaSuValor) {
    const auto v = EvaluarExpresion(GetParam().texto);
    ASSERT_TRUE(v.has_value()) << GetParam().texto;
    EXPECT_NEAR(*v, GetParam().valor, 1e-9 * std::max(1.0, std::fabs(GetParam().valor)))
        << GetParam().texto;
}

// Valores hechos a mano.
INSTANTIATE_TEST_SUITE_P(
    Tabla, ExpresionValida,
    ::testing::Values(CasoExpresion{"0.60·16.67·300·360·(1 + 0)/(1 + 1)", 540108.0},
                      CasoExpresion{"2 − 3 − 4", -5.0}, CasoExpresion{"12/3/2", 2.0},
                      CasoExpresion{"-2²", -4.0}, CasoExpresion{"(1+2)³", 27.0},
                      CasoExpresion{"√(9 + 16)·2", 10.0}, CasoExpresion{"1e-3·2", 0.002},
                      CasoExpresion{"3*-2", -6.0}, CasoExpresion{" 7 ", 7.0}, CasoExpresion{"máx(0.3·645; 10·16; 100)", 193.5},
                      CasoExpresion{"mín(3; 1 + 1)", 2.0}));

class ExpresionMala : public ::testing::TestWithParam<const char*> {};

TEST_P(ExpresionMala, NoDaValor) {
    EXPECT_FALSE(EvaluarExpresion(GetParam()).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Tabla, ExpresionMala,
                         ::testing::Values("", "1 +", "(2", "2)", "√9", "√(-1)", "1/0", "3 x 2",
                                           "nan", "1..2", "·3"));

TEST(ProblemasTraza, SenalaLaSustitucionQueNoDaElValor) {
    Traza t;
    t.Calculo({Paso::Tipo::Calculo, "V<sub>u1</sub>", "Compresión oblicua", "44.2.3.1", "K·f",
               "0.60·16.6667·300·360·(1 + 0)/(1 + 1)", 0.001, 540.0, "kN", 1});
    t.Calculo({Paso::Tipo::Calculo, "x", "mal", "42.1.2", "a", "2·3", 1.0, 6.2, "", 1});
    t.Calculo({Paso::Tipo::Calculo, "y", "sin fórmula", "42.1.2", "", "2", 1.0, 2.0, "", 1});
    t.Nota("Rige la cuantía mínima.", "42.3.5");
    t.Nota("Una nota puede no citar nada.");
    const auto p = ProblemasTraza(t);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_NE(p[0].find("x (mal)"), std::string::npos) << p[0];
    EXPECT_NE(p[1].find("sin fórmula"), std::string::npos) << p[1];
}

// Un paso de cálculo cuya aritmética es buena pero que no cita su artículo es un problema, con
// la norma que sea.
TEST(ProblemasTraza, SenalaElPasoSinArticulo) {
    Traza t;
    t.Calculo({Paso::Tipo::Calculo, "d", "Canto útil", "", "h − d<sub>1</sub>", "500 − 40", 1.0,
               460.0, "mm", 1});
    t.Calculo({Paso::Tipo::Calculo, "d", "Canto útil", "Anejo 19, 6.1", "h − d<sub>1</sub>",
               "500 − 40", 1.0, 460.0, "mm", 1});
    const auto p = ProblemasTraza(t);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0], "d (Canto útil): sin artículo");
}

} // namespace
} // namespace velmora::pruebas

namespace velmora {
namespace {

struct CasoCifras {
    double valor;
    const char* texto;
};

class CifrasDeLaSustitucion : public ::testing::TestWithParam<CasoCifras> {};

TEST_P(CifrasDeLaSustitucion, OchoCifrasSinCerosSobrantes) {
    EXPECT_EQ(Cifras(GetParam().valor), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, CifrasDeLaSustitucion,
    ::testing::Values(CasoCifras{16.666666666, "16.666667"}, CasoCifras{347.82608695, "347.82609"},
                      CasoCifras{227214711.85, "227214712"}, CasoCifras{0.668049792, "0.66804979"},
                      CasoCifras{0.00318039327, "0.0031803933"}, CasoCifras{300.0, "300"},
                      CasoCifras{0.0, "0"}, CasoCifras{-5.25, "(\u22125.25)"},
                      CasoCifras{-0.0, "0"}, CasoCifras{0.999999999, "1"},
                      // Ni un divisor diminuto se escribe «0» ni uno enorme con cifras que un
                      // double no tiene: notación científica.
                      CasoCifras{1e-27, "1e-27"}, CasoCifras{-1.5e-30, "(\u22121.5e-30)"},
                      CasoCifras{4.9406564584124654e-324, "4.9406565e-324"},
                      CasoCifras{6.1925191327628658e34, "6.1925191e+34"},
                      CasoCifras{999999999999999.0, "999999999999999"}, CasoCifras{1e15, "1e+15"}));

// La sustitución en notación científica vuelve a dar el valor que se usó.
TEST(CifrasDeLaSustitucion, LaCientificaSeEvaluaAlMismoValor) {
    for (const double v : {1e-27, 3.3e-9, 8.5e34, 2.5e-310}) {
        const auto leido = pruebas::EvaluarExpresion(Cifras(v));
        ASSERT_TRUE(leido.has_value()) << Cifras(v);
        EXPECT_NEAR(*leido / v, 1.0, 1e-7) << Cifras(v);
    }
}

} // namespace
} // namespace velmora
