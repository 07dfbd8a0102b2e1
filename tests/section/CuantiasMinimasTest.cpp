#include "section/CuantiasMinimas.h"

#include "SeccionReferencia.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;

namespace {

// Las tablas dan el tipo de elemento por su índice 0..4 en los parámetros generales.
TipoDeElemento Elemento(int indice) { return ElementoDelIndice(indice).value(); }

// Sección 300 × 400 (b·h = 120000 mm²) con áreas de partida dadas.
struct CasoMinimo {
    const char* nombre;
    int tipo, acero;
    bool simetrica;
    unsigned dominio;
    double As1, As2;       // antes
    double As1Fin, As2Fin; // después
    bool geometrica, compresion;
    const char* cuantia;
    const char* recomendada;
};

constexpr const char* Geometrica = "Cuantía geométrica mínima de la armadura.";
constexpr const char* Cumple = "La armadura cumple las limitaciones de cuantías mínimas.";
constexpr const char* Compresion = "Se recomienda disponer la armadura mínima de compresión dada.";
constexpr const char* Tercio = "La cuantía de cada cara no debe ser inferior a 1/3 de la total.";

class Minimos : public ::testing::TestWithParam<CasoMinimo> {};

TEST_P(Minimos, AreasCapacidadesYMensajes) {
    const auto& c = GetParam();
    auto e = SeccionReferencia();
    e.fycd = 300.0; // distinto de fyd para ver qué resistencia da las capacidades
    e.Simetrica = c.simetrica;
    e.Dominio = c.dominio;
    e.As1 = c.As1;
    e.As2 = c.As2;
    e.U1 = e.U2 = -1.0;
    e.CuantiaMecanica = true;
    e.MinimaCompresion = c.tipo == 1 || c.tipo == 2; // Total la borra
    AplicarCuantiaMinima(e, Elemento(c.tipo), c.acero);
    EXPECT_NEAR(e.As1, c.As1Fin, 1e-9) << c.nombre;
    EXPECT_NEAR(e.As2, c.As2Fin, 1e-9) << c.nombre;
    EXPECT_EQ(e.CuantiaGeometrica, c.geometrica) << c.nombre;
    if (c.geometrica) {
        EXPECT_FALSE(e.CuantiaMecanica) << c.nombre;
    }
    if (c.tipo != 0) {
        EXPECT_EQ(e.MinimaCompresion, c.compresion) << c.nombre;
    }
    const auto t = RotularCuantia(e, Elemento(c.tipo));
    if (c.geometrica) {
        EXPECT_EQ(t.Cuantia, c.cuantia) << c.nombre;
    }
    EXPECT_EQ(t.Recomendada, c.recomendada) << c.nombre;
    // Capacidades: vigas siempre con fyd; el resto con fycd en dominio 5.
    if (c.geometrica) {
        const double s = (c.tipo != 0 && c.dominio == 6) ? e.fycd : e.fyd;
        EXPECT_NEAR(e.U1, e.As1 * s, 1e-6) << c.nombre;
        if (c.tipo != 0) {
            EXPECT_NEAR(e.U2, e.As2 * s, 1e-6) << c.nombre;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Elementos, Minimos,
    ::testing::Values(
        // Viga B 400 S: 396 mm² en A1, 118.8 mm² en A2.
        CasoMinimo{"viga_ambas_caras", 0, 0, false, 1, 300, 0, 396, 118.8, true, true, Geometrica,
                   Compresion},
        CasoMinimo{"viga_A1_negativa", 0, 0, false, 3, -50, 200, 396, 200, true, false, Geometrica,
                   ""},
        CasoMinimo{"viga_B500S", 0, 1, false, 1, 0, 0, 336, 100.8, true, true, Geometrica,
                   Compresion},
        // Soporte: total 480, mitad 240.
        CasoMinimo{"soporte_A2_mayor_que_la_mitad", 1, 0, false, 4, 100, 300, 180, 300, true, false,
                   Geometrica, ""},
        CasoMinimo{"soporte_ambas_pequenas", 1, 0, false, 4, 100, 50, 240, 240, true, false,
                   Geometrica, ""},
        CasoMinimo{"soporte_A1_mayor_que_la_mitad", 1, 0, false, 4, 350, 20, 350, 130, true, false,
                   Geometrica, ""},
        CasoMinimo{"soporte_simetrico", 1, 0, true, 6, 100, 300, 240, 240, true, false, Geometrica,
                   ""},
        // Sin cambios: la bandera de compresión que traía el caso sigue puesta.
        CasoMinimo{"soporte_justo_en_el_minimo", 1, 0, false, 4, 200, 280, 200, 280, false, true,
                   "", Compresion},
        CasoMinimo{"soporte_dominio5_con_fycd", 1, 1, false, 6, 10, 10, 240, 240, true, false,
                   Geometrica, ""},
        // Placa B 500 S: 0.0018 → 216 mm².
        CasoMinimo{"placa_B500S", 2, 1, false, 1, 50, 0, 108, 108, true, false, Geometrica, ""},
        // Muro horizontal B 400 S: 480 mm².
        CasoMinimo{"muro_A1_mayor", 3, 0, false, 2, 200, 100, 320, 160, true, false, Geometrica,
                   Tercio},
        CasoMinimo{"muro_A1_menor", 3, 0, false, 2, 100, 200, 240, 240, true, false, Geometrica,
                   Tercio},
        CasoMinimo{"muro_caras_iguales", 3, 0, false, 6, 100, 100, 240, 240, true, false,
                   Geometrica, Tercio},
        CasoMinimo{"muro_cumple", 3, 0, false, 2, 300, 180, 300, 180, false, false, "", ""},
        // El reparto no rebaja el área de cálculo: A1 = 400 > 2/3·480 = 320 se queda, A2 sube a
        // 160; A2 = 200 > 160 se queda; con A2 = 300 > 240, A2 se queda y A1 sube a 240.
        CasoMinimo{"muro_A1_de_calculo_mayor_que_su_parte", 3, 0, false, 2, 400, 20, 400, 160,
                   true, false, Geometrica, Tercio},
        CasoMinimo{"muro_A2_de_calculo_mayor_que_su_tercio", 3, 0, false, 2, 250, 200, 320, 200,
                   true, false, Geometrica, Tercio},
        CasoMinimo{"muro_A2_de_calculo_mayor_que_la_mitad", 3, 0, false, 2, 100, 300, 240, 300,
                   true, false, Geometrica, Tercio},
        // Muro vertical B 500 S: 0.0009 → 108 mm².
        CasoMinimo{"muro_vertical_B500S", 4, 1, false, 2, 60, 20, 72, 36, true, false, Geometrica,
                   Tercio}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(MinimoMecanico, UmbralEstricto) {
    auto e = SeccionReferencia();
    const double umbral = 0.04 * e.fcd * e.b * e.h / e.fyd; // 230 mm²
    EXPECT_NEAR(umbral, 230.0, 0.01);
    e.As1 = umbral;
    EXPECT_FALSE(MinimoMecanico(e));
    EXPECT_EQ(e.As1, umbral);
    e.As1 = 100.0;
    ASSERT_TRUE(MinimoMecanico(e));
    EXPECT_NEAR(e.As1, 100.0 * (1.5 - 12.5 * 100.0 * e.fyd / (120000.0 * e.fcd)), 1e-9);
}

struct CasoMensaje {
    bool mecanica, geometrica, compresion;
    int tipo;
    const char* cuantia;
    const char* recomendada;
};

class Mensajes : public ::testing::TestWithParam<CasoMensaje> {};

TEST_P(Mensajes, SegunBanderas) {
    const auto& c = GetParam();
    auto e = SeccionReferencia();
    e.CuantiaMecanica = c.mecanica;
    e.CuantiaGeometrica = c.geometrica;
    e.MinimaCompresion = c.compresion;
    const auto t = RotularCuantia(e, Elemento(c.tipo));
    EXPECT_EQ(t.Cuantia, c.cuantia);
    EXPECT_EQ(t.Recomendada, c.recomendada);
}

INSTANTIATE_TEST_SUITE_P(
    Banderas, Mensajes,
    ::testing::Values(CasoMensaje{true, true, true, 3, "Cuantía mecánica mínima de la armadura.",
                                  Compresion},
                      CasoMensaje{false, true, true, 0, Geometrica, Compresion},
                      CasoMensaje{false, true, true, 4, Geometrica, Tercio},
                      CasoMensaje{false, true, false, 2, Geometrica, ""},
                      CasoMensaje{false, false, false, 3, Cumple, ""},
                      CasoMensaje{false, false, true, 0, Cumple, Compresion}));

} // namespace
