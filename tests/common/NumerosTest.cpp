#include "common/Numeros.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>

using namespace velmora;

struct CasoLectura {
    const char* texto;
    double valor;
};

class LecturaValida : public ::testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaValida, DevuelveElValor) {
    const auto r = LeerNumero(GetParam().texto, "Canto h", "Valor1");
    ASSERT_TRUE(r.ok()) << GetParam().texto << ": " << r.error().mensaje;
    EXPECT_DOUBLE_EQ(*r, GetParam().valor) << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(
    Numeros, LecturaValida,
    ::testing::Values(CasoLectura{"", 0.0}, CasoLectura{"   ", 0.0}, CasoLectura{"0.40", 0.40},
                      CasoLectura{"  0.40  ", 0.40}, CasoLectura{"0,40", 0.40},
                      CasoLectura{"-1.5", -1.5}, CasoLectura{"+2", 2.0},
                      CasoLectura{"1e3", 1000.0}, CasoLectura{"2.5E-2", 0.025},
                      CasoLectura{"-3,5e1", -35.0}, CasoLectura{".5", 0.5},
                      CasoLectura{"5.", 5.0}, CasoLectura{"1e-400", 0.0}));

class LecturaErronea : public ::testing::TestWithParam<const char*> {};

TEST_P(LecturaErronea, NombraElDatoYElCampo) {
    const auto r = LeerNumero(GetParam(), "Canto h", "Valor1");
    ASSERT_FALSE(r.ok()) << GetParam();
    EXPECT_NE(r.error().mensaje.find("«Canto h»"), std::string::npos) << r.error().mensaje;
    EXPECT_EQ(r.error().campo, "Valor1");
}

INSTANTIATE_TEST_SUITE_P(Numeros, LecturaErronea,
                         ::testing::Values("abc", "1.000,5", "1,000.5", "1,2,3", "1 2", "nan",
                                           "inf", "0x10", "1e", "-", ".", "1e999", "--1",
                                           "12a"));

TEST(LeerNumero, PideUnSoloSeparadorCuandoSeMezclan) {
    const auto r = LeerNumero("1.000,5", "Canto h");
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().mensaje.find("un solo separador decimal"), std::string::npos);
}

TEST(LeerNumero, NoDependeDeLaConfiguracionRegional) {
    // Qt fija la configuración regional del usuario al arrancar; con una española, strtod
    // leería mal el punto.
    const char* anterior = std::setlocale(LC_ALL, nullptr);
    const std::string copia = anterior ? anterior : "C";
    if (std::setlocale(LC_ALL, "es_ES.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_DOUBLE_EQ(*LeerNumero("0.40", "x"), 0.40);
        EXPECT_EQ(Formatear(0.5, 6, 3), " 0.500");
    }
    std::setlocale(LC_ALL, copia.c_str());
}

TEST(LeerEntero, TruncaHaciaCero) {
    EXPECT_EQ(*LeerEntero("2.7", "n"), 2);
    EXPECT_EQ(*LeerEntero("-1.5", "n"), -1);
    EXPECT_FALSE(LeerEntero("1e12", "n").ok());
}

TEST(Formatear, AnchoYDecimales) {
    EXPECT_EQ(Formatear(0.7854, 10, 4), "    0.7854");
    EXPECT_EQ(Formatear(4.96372, 10, 4), "    4.9637");
    EXPECT_EQ(Formatear(72.0312, 10, 2), "     72.03");
    EXPECT_EQ(Formatear(123456.5, 3, 1), "123456.5"); // más ancho que el campo: entero
    EXPECT_EQ(Formatear(-12.25, 8, 1), "   -12.2");   // redondeo del valor binario exacto
    EXPECT_EQ(Formatear(-3.0, 0, 0), "-3");
}

TEST(Formatear, NuncaMenosCeroNiNan) {
    EXPECT_EQ(Formatear(-0.0, 6, 3), " 0.000");
    EXPECT_EQ(Formatear(-0.0004, 6, 3), " 0.000");
    EXPECT_EQ(Formatear(std::numeric_limits<double>::quiet_NaN(), 5, 2), "  ---");
    EXPECT_EQ(Formatear(std::numeric_limits<double>::infinity(), 0, 2), "---");
}

struct CasoAcotado {
    double valor;
    int ancho, decimales;
    const char* texto;
};

class FormatearAcotadoTabla : public ::testing::TestWithParam<CasoAcotado> {};

// Hasta 15 cifras, coma fija como Formatear; con 16 o más, notación científica en el mismo ancho.
TEST_P(FormatearAcotadoTabla, NuncaDieciseisCifras) {
    const auto& c = GetParam();
    const std::string t = FormatearAcotado(c.valor, c.ancho, c.decimales);
    EXPECT_EQ(t, c.texto);
    EXPECT_LE(CifrasEscritas(t), MaximoCifras) << t;
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, FormatearAcotadoTabla,
    ::testing::Values(CasoAcotado{123456789012.345, 0, 3, "123456789012.345"},
                      CasoAcotado{1e12, 0, 3, "1.0000000E+12"},
                      CasoAcotado{-6.1925191327628658e34, 0, 2, "-6.1925191E+34"},
                      CasoAcotado{1e18, 16, 3, "   1.0000000E+18"},
                      CasoAcotado{0.0004, 10, 3, "     0.000"}, // los ceros no son cifras
                      CasoAcotado{-0.0, 6, 3, " 0.000"},
                      CasoAcotado{std::numeric_limits<double>::infinity(), 4, 2, " ---"}));

TEST(CifrasEscritas, SinCerosALaIzquierdaNiSignos) {
    EXPECT_EQ(CifrasEscritas("   -0.125"), 3); // el 0 de las unidades no cuenta
    EXPECT_EQ(CifrasEscritas("001000.000"), 7);
    EXPECT_EQ(CifrasEscritas("1.0000000E+18"), 10);
    EXPECT_EQ(CifrasEscritas(""), 0);
}

TEST(NumeroCientifico, PatronDeSieteDecimales) {
    EXPECT_EQ(NumeroCientifico(1e308), "1.0000000E+308");
    EXPECT_EQ(NumeroCientifico(-0.0), "0.0000000E+00");
    EXPECT_EQ(NumeroCientifico(4.9406564584124654e-324, 2), "4.94E-324");
    EXPECT_EQ(NumeroCientifico(std::numeric_limits<double>::quiet_NaN()), "---");
}
