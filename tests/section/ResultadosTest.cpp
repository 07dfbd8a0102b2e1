#include "section/Resultados.h"

#include "SeccionReferencia.h"
#include "section/Dominio.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

using namespace velmora;

namespace {

TEST(TextoDominio, TresLineas) {
    EXPECT_EQ(TextoDominio(1), "Dominio de deformación : 2.\n"
                               "   Flexión simple o compuesta.\n"
                               "   El hormigón no alcanza la deformación de rotura por flexión.");
    EXPECT_EQ(TextoDominio(5),
              "Dominio de deformación : 4a.\n"
              "   Flexión simple o compuesta. Las dos armaduras están comprimidas y existe\n"
              "   una pequeña zona de hormigón en tracción.");
    EXPECT_EQ(TextoDominio(0), "");
    EXPECT_EQ(TextoDominio(7), "");
    for (unsigned d = 1; d <= 6; ++d)
        EXPECT_EQ(LineasDominio(d)[0], TituloDominio(d)) << d;
}

TEST(RotularResultados, FormatosDeAreasYCapacidades) {
    auto e = SeccionReferencia();
    e.As1 = 396.0;
    e.U1 = 396.0 * e.fyd; // 137739.13 N
    e.As2 = 0.0;
    e.U2 = 0.0;
    e.Dominio = 1;
    e.x = 89.28;
    e.xlim = 247.18;
    const auto r = RotularResultados(e, TipoDeElemento::Viga);
    EXPECT_EQ(r.AreaTraccion, "    3.960");
    EXPECT_EQ(r.CapacidadTraccion, "  137.739");
    EXPECT_EQ(r.AreaCompresion, "    0.000");
    EXPECT_EQ(r.CapacidadCompresion, "    0.000");
    EXPECT_EQ(r.xlimite, "xlim =  24.72 cm");
    EXPECT_EQ(r.PorControl().size(), 9u);
}

struct CasoBarras {
    double As;
    const char* diametro;
    const char* numero;
};

class Barras : public ::testing::TestWithParam<CasoBarras> {};

TEST_P(Barras, Numero) {
    const auto r = NumeroBarras(GetParam().As, GetParam().diametro, "DiametroTraccion");
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(*r, GetParam().numero);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, Barras,
    ::testing::Values(CasoBarras{396.0, "10", "   6"}, // v = 5.04
                      CasoBarras{396.0, "16", "   2"}, // v = 1.97
                      CasoBarras{862.22, "10", "  11"}, CasoBarras{118.8, " 10 ", "   2"},
                      CasoBarras{0.0, "12", "   0"},
                      CasoBarras{-396.0, "10", "  -5"}, // truncado hacia cero
                      CasoBarras{1e7, "6", "353678"})); // más ancho que el campo

// Un área que es un número exacto de barras no pide una barra más, aunque π la redondee.
TEST(NumeroBarras, NumeroExactoDeBarras) {
    for (int phi : {6, 8, 10, 12, 14, 16, 20, 25, 32, 40})
        for (int n = 1; n <= 12; ++n) {
            const double As = n * std::numbers::pi * phi * phi / 4.0;
            const auto r = NumeroBarras(As, std::to_string(phi), "DiametroTraccion");
            ASSERT_TRUE(r.ok());
            EXPECT_EQ(std::stoi(*r), n) << n << "Ø" << phi;
            const auto mas = NumeroBarras(As * 1.001, std::to_string(phi), "DiametroTraccion");
            EXPECT_EQ(std::stoi(*mas), n + 1) << n << "Ø" << phi;
        }
}

TEST(NumeroBarras, DiametroSinNumero) {
    for (const char* d : {"0", "-10", "256", "abc", "", "1,2,3"}) {
        const auto r = NumeroBarras(396.0, d, "DiametroCompresion");
        ASSERT_FALSE(r.ok()) << d;
        EXPECT_EQ(r.error().campo, "DiametroCompresion");
        EXPECT_NE(r.error().mensaje.find("Diámetro de la armadura de compresión"),
                  std::string::npos)
            << r.error().mensaje;
    }
    auto e = SeccionReferencia();
    e.As1 = 396.0;
    e.As2 = 118.8;
    EXPECT_EQ(*NumeroBarrasTraccion(e, "16"), "   2");
    EXPECT_EQ(*NumeroBarrasCompresion(e, "10"), "   2");
    EXPECT_EQ(NumeroBarrasTraccion(e, "0").error().campo, "DiametroTraccion");
}

// Dibujo del dominio: longitudes en píxeles y polilínea.
struct CasoDibujo {
    const char* nombre;
    unsigned dominio;
    double epsC, epsCInf, epsS1, x, d1;
    int top, bot;
    std::vector<PuntoDibujo> puntos;
};

class Dibujo : public ::testing::TestWithParam<CasoDibujo> {};

TEST_P(Dibujo, LongitudesYPolilinea) {
    const auto& c = GetParam();
    auto e = SeccionReferencia();
    e.xlim = 247.18; // epsYd = (370/247.18 − 1)·0.0035 = 0.0017390
    e.Dominio = c.dominio;
    e.epsC = c.epsC;
    e.epsCInf = c.epsCInf;
    e.epsS1 = c.epsS1;
    e.x = c.x;
    e.d1 = c.d1;
    const auto r = CalcularDibujoDominio(e);
    ASSERT_TRUE(r.ok()) << c.nombre;
    EXPECT_EQ(r.valor().Etiqueta, TituloDominio(c.dominio));
    EXPECT_EQ(r.valor().top, c.top) << c.nombre;
    EXPECT_EQ(r.valor().bot, c.bot) << c.nombre;
    EXPECT_EQ(r.valor().Puntos, c.puntos) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Dominios, Dibujo,
    ::testing::Values(
        // epsC = 0.0031804: 135.39 px.
        CasoDibujo{"dominio2",
                   1,
                   0.0031804,
                   0,
                   0.01,
                   89.28,
                   30,
                   135,
                   252,
                   {{312, 20}, {447, 20}, {60, 196}, {312, 196}}},
        // epsS1 = 0.005: (0.005 − 0.001739)·174/(0.01 − 0.001739) + 78 = 146.69 px.
        CasoDibujo{"dominio3",
                   2,
                   0.0035,
                   0,
                   0.005,
                   150,
                   30,
                   149,
                   147,
                   {{312, 20}, {461, 20}, {165, 196}, {312, 196}}},
        CasoDibujo{"frontera34",
                   3,
                   0.0035,
                   0,
                   0.001739,
                   247.18,
                   30,
                   149,
                   78,
                   {{312, 20}, {461, 20}, {234, 196}, {312, 196}}},
        // epsS1 = 0.001: 0.001·78/0.001739 = 44.85 px.
        CasoDibujo{"dominio4",
                   4,
                   0.0035,
                   0,
                   0.001,
                   300,
                   30,
                   149,
                   45,
                   {{312, 20}, {461, 20}, {267, 196}, {312, 196}}},
        // (x − d)·26/d1: 5·26/52 = 2.5 → 2 y 7·26/52 = 3.5 → 4 (medios al par).
        CasoDibujo{"dominio4a_medio_al_par_abajo",
                   5,
                   0.0035,
                   0,
                   0,
                   375,
                   52,
                   149,
                   2,
                   {{312, 20}, {461, 20}, {312, 198}}},
        CasoDibujo{"dominio4a_medio_al_par_arriba",
                   5,
                   0.0035,
                   0,
                   0,
                   377,
                   52,
                   149,
                   4,
                   {{312, 20}, {461, 20}, {312, 200}}},
        // Sección toda comprimida uniforme: línea vertical a 93 px.
        CasoDibujo{"dominio5_uniforme",
                   6,
                   0.002,
                   0.002,
                   0,
                   1000,
                   30,
                   93,
                   93,
                   {{312, 20}, {405, 20}, {405, 222}, {312, 222}}},
        // epsC = 0.0031, epsCInf = 0.0005: (0.0011)·56/0.0015 + 93 = 134.07; 0.0005·93/0.002.
        CasoDibujo{"dominio5",
                   6,
                   0.0031,
                   0.0005,
                   0,
                   600,
                   30,
                   134,
                   23,
                   {{312, 20}, {446, 20}, {335, 222}, {312, 222}}}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(Dibujo, SinDominioOSinEscala) {
    auto e = SeccionReferencia();
    e.Dominio = 0;
    EXPECT_FALSE(CalcularDibujoDominio(e).ok());
    e.Dominio = 4; // xlim = d: deformación de cedencia nula, la escala no existe
    e.xlim = e.d;
    e.epsS1 = 0.001;
    EXPECT_FALSE(CalcularDibujoDominio(e).ok());
    e.Dominio = 5; // d1 = 0: la escala de 4a no existe
    e.d1 = 0;
    e.x = 380;
    EXPECT_FALSE(CalcularDibujoDominio(e).ok());
}

} // namespace
