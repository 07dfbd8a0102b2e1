#include "tools/Conversion.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct CasoConversion {
    const char* nombre;
    TipoConversion tipo;
    const char* valor;
    UnidadesConversion unidades;
    const char* decimal;
    const char* cientifico;
};

class ConversionTest : public ::testing::TestWithParam<CasoConversion> {};

TEST_P(ConversionTest, TextoDecimalYCientifico) {
    const auto& c = GetParam();
    const auto decimal = ConvertirTexto(c.tipo, c.valor, c.unidades, false);
    const auto cientifico = ConvertirTexto(c.tipo, c.valor, c.unidades, true);
    ASSERT_TRUE(decimal.ok()) << decimal.error().mensaje;
    ASSERT_TRUE(cientifico.ok()) << cientifico.error().mensaje;
    EXPECT_EQ(*decimal, c.decimal);
    EXPECT_EQ(*cientifico, c.cientifico);
}

// Índices: longitud m=0 cm=1 mm=2; fuerza t=0 kp=1 kN=2 N=3.
// UnidadesConversion{LongitudOrigen, FuerzaOrigen, LongitudFinal, FuerzaFinal}
INSTANTIATE_TEST_SUITE_P(
    Ejemplos, ConversionTest,
    ::testing::Values(
        CasoConversion{"MetroACentimetro",
                       TipoConversion::Longitud,
                       "1",
                       {0, 0, 1, 0},
                       "   100.000",
                       "1.0000000E+02"},
        CasoConversion{"MilimetroAMetro",
                       TipoConversion::Longitud,
                       "2.5",
                       {2, 0, 0, 0},
                       "     0.003",
                       "2.5000000E-03"},
        CasoConversion{"ToneladaAKilonewton",
                       TipoConversion::Fuerza,
                       "1",
                       {0, 0, 0, 2},
                       "     9.800",
                       "9.8000000E+00"},
        CasoConversion{"KilonewtonAKilopondio",
                       TipoConversion::Fuerza,
                       "1",
                       {0, 2, 0, 1},
                       "   102.041",
                       "1.0204082E+02"},
        // La unidad de longitud elegida no cuenta en una fuerza.
        CasoConversion{"FuerzaIgnoraLongitud",
                       TipoConversion::Fuerza,
                       "1",
                       {2, 3, 0, 2},
                       "     0.001",
                       "1.0000000E-03"},
        CasoConversion{"ToneladaMetroAKilonewtonMetro",
                       TipoConversion::Momento,
                       "1",
                       {0, 0, 0, 2},
                       "     9.800",
                       "9.8000000E+00"},
        CasoConversion{"KilonewtonMetroANewtonMilimetro",
                       TipoConversion::Momento,
                       "1",
                       {0, 2, 2, 3},
                       "1000000.000",
                       "1.0000000E+06"},
        CasoConversion{"KilopondioCm2ANewtonMm2",
                       TipoConversion::Tension,
                       "1",
                       {1, 1, 2, 3},
                       "     0.098",
                       "9.8000000E-02"},
        CasoConversion{"NewtonMm2AKilonewtonM2",
                       TipoConversion::Tension,
                       "1",
                       {2, 3, 0, 2},
                       "  1000.000",
                       "1.0000000E+03"},
        CasoConversion{
            "M4ACm4", TipoConversion::Inercia, "1", {0, 0, 1, 0}, "100000000.000", "1.0000000E+08"},
        // La fuerza elegida no cuenta en una inercia.
        CasoConversion{
            "Cm4AM4", TipoConversion::Inercia, "1e8", {1, 3, 0, 0}, "     1.000", "1.0000000E+00"},
        CasoConversion{
            "Cero", TipoConversion::Longitud, "0", {0, 0, 1, 0}, "     0.000", "0.0000000E+00"},
        CasoConversion{"CeroNegativo",
                       TipoConversion::Longitud,
                       "-0",
                       {0, 0, 1, 0},
                       "     0.000",
                       "0.0000000E+00"},
        CasoConversion{
            "Vacio", TipoConversion::Fuerza, "", {0, 0, 0, 2}, "     0.000", "0.0000000E+00"},
        CasoConversion{"Negativo",
                       TipoConversion::Fuerza,
                       " -2",
                       {0, 2, 0, 3},
                       " -2000.000",
                       "-2.0000000E+03"},
        CasoConversion{"ComaDecimal",
                       TipoConversion::Longitud,
                       "0,5",
                       {0, 0, 1, 0},
                       "    50.000",
                       "5.0000000E+01"},
        CasoConversion{"RedondeoDeLaMantisa",
                       TipoConversion::Longitud,
                       "9.99999999",
                       {0, 0, 0, 0},
                       "    10.000",
                       "1.0000000E+01"},
        // Un número que no cabe en 25 caracteres no se recorta: pasa a forma científica.
        CasoConversion{"DemasiadoLargo",
                       TipoConversion::Inercia,
                       "1e20",
                       {0, 0, 2, 0},
                       "1.0000000E+32",
                       "1.0000000E+32"},
        // Un double no tiene más de 15 cifras seguras: con 16 o más, forma científica.
        CasoConversion{"QuinceCifras",
                       TipoConversion::Longitud,
                       "123456789012.345",
                       {0, 0, 0, 0},
                       "123456789012.345",
                       "1.2345679E+11"},
        CasoConversion{"DieciseisCifras",
                       TipoConversion::Longitud,
                       "1e12",
                       {0, 0, 0, 0},
                       "1.0000000E+12",
                       "1.0000000E+12"},
        CasoConversion{"MillonDeM4EnMm4",
                       TipoConversion::Inercia,
                       "1000000",
                       {0, 0, 2, 0},
                       "1.0000000E+18",
                       "1.0000000E+18"},
        CasoConversion{"NegativoDieciseisCifras",
                       TipoConversion::Longitud,
                       "-1e13",
                       {0, 0, 0, 0},
                       "-1.0000000E+13",
                       "-1.0000000E+13"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ConversionCientifico, SeparadorDeLaConfiguracionRegional) {
    EXPECT_EQ(FormatoCientifico(100.0, ","), "1,0000000E+02");
    EXPECT_EQ(FormatoCientifico(100.0, ""), "1.0000000E+02");
    EXPECT_EQ(FormatoCientifico(1.5e-120, "."), "1.5000000E-120");
    const auto r = ConvertirTexto(TipoConversion::Longitud, "1", {0, 0, 1, 0}, true, ",");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(*r, "1,0000000E+02");
    // La forma decimal lleva siempre punto.
    const auto d = ConvertirTexto(TipoConversion::Longitud, "1", {0, 0, 1, 0}, false, ",");
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(*d, "   100.000");
}

TEST(ConversionErrores, TextoNoNumericoYDesbordamiento) {
    const auto letras = ConvertirTexto(TipoConversion::Longitud, "1x", {0, 0, 1, 0}, false);
    ASSERT_FALSE(letras.ok());
    EXPECT_EQ(letras.error().campo, "ValorOrigen");
    EXPECT_NE(letras.error().mensaje.find("Valor de origen"), std::string::npos);

    const auto mezcla = ConvertirTexto(TipoConversion::Longitud, "1.000,5", {0, 0, 1, 0}, true);
    EXPECT_FALSE(mezcla.ok());

    const auto enorme = ConvertirTexto(TipoConversion::Inercia, "1e300", {0, 0, 2, 0}, false);
    ASSERT_FALSE(enorme.ok());
    EXPECT_EQ(enorme.error().campo, "ValorOrigen");
    EXPECT_EQ(enorme.error().mensaje,
              "El valor convertido está fuera del intervalo de números admitidos.");
}

} // namespace
