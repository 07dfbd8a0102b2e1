#include "section/DimensionarSeccion.h"

#include "SeccionReferencia.h"
#include "design/MaterialesDelEstado.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace velmora;

namespace {

TEST(CalcularLimites, SeccionRectangular) {
    auto e = SeccionReferencia();
    e.d = 0;
    CalcularLimites(e);
    EXPECT_DOUBLE_EQ(e.d, 370.0);
    EXPECT_NEAR(e.xiLim, 0.66805, 5e-6);
    EXPECT_NEAR(e.xlim, 247.18, 0.005);
    EXPECT_NEAR(e.yLim, 102.82, 0.005);
    EXPECT_NEAR(e.Clim, 850411, 0.5);
    EXPECT_NEAR(e.Mlim * 1e-6, 227.21, 0.005);
    EXPECT_EQ(TextoXlimite(e), "xlim =  24.72 cm");
    // B 500 S
    e.fyd = 500 / 1.15;
    CalcularLimites(e);
    EXPECT_NEAR(e.xiLim, 0.61686, 5e-6);
    EXPECT_NEAR(e.xlim, 228.24, 0.005);
}

TEST(CalcularLimites, SeccionEnTUsaElBloque) {
    auto e = SeccionTReferencia();
    CalcularLimites(e);
    auto b = e;
    BloqueComprimido(b, e.xlim);
    EXPECT_DOUBLE_EQ(e.Clim, b.Cc);
    EXPECT_DOUBLE_EQ(e.yLim, b.yc);
    EXPECT_DOUBLE_EQ(e.Mlim, (e.d - e.yLim) * e.Clim);
    // La fibra neutra límite (0.66805·900 = 601.2 mm) está en el alma: menos que el rectángulo.
    EXPECT_LT(e.Clim, 289.0 / 420.0 * e.fcd * e.b * e.xlim);
}

struct CasoTexto {
    double x; // infinito: toda la sección comprimida
    bool rectangular;
    const char* esperado;
};

class Profundidad : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(Profundidad, Rotulo) {
    auto e = SeccionReferencia();
    if (std::isinf(GetParam().x))
        FijarSeccionComprimida(e);
    else
        FijarProfundidad(e, GetParam().x);
    e.SeccionRectangular = GetParam().rectangular;
    EXPECT_EQ(TextoProfundidad(e), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, Profundidad,
    ::testing::Values(
        CasoTexto{123.5, true, "Profundidad de la fibra neutra =  12.35 cm (Secc. rectangular)"},
        CasoTexto{INFINITY, false, "Profundidad de la fibra neutra = +Infinito (Secc. en T)"},
        CasoTexto{INFINITY, true, "Profundidad de la fibra neutra = +Infinito (Secc. rectangular)"},
        // 1000 mm hallados no son la sección toda comprimida, aunque ésta se guarde como 1000.
        CasoTexto{1000.0, true, "Profundidad de la fibra neutra = 100.00 cm (Secc. rectangular)"},
        CasoTexto{1000.01, true, "Profundidad de la fibra neutra = 100.00 cm (Secc. rectangular)"},
        CasoTexto{24291.7, false, "Profundidad de la fibra neutra = 2429.17 cm (Secc. en T)"}));

TEST(DimensionarSeccion, AxilNuloConSimetricaEsFlexionSimple) {
    auto a = SeccionReferencia();
    a.Md = 100e6;
    a.Simetrica = true;
    ASSERT_TRUE(DimensionarSeccion(a, TipoDeElemento::Viga, 0).ok());
    EXPECT_NEAR(a.x, 89.28, 0.005);
    EXPECT_EQ(a.As2, 0.3 * 0.0033 * 120000); // no simétrica: mínimo de compresión de viga
    EXPECT_EQ(a.Texto, TextoProfundidad(a));
}

TEST(DimensionarSeccion, ParametrosSinConfirmar) {
    for (double EstadoDiseno::*m : {&EstadoDiseno::fyd, &EstadoDiseno::fcd, &EstadoDiseno::fycd}) {
        auto e = SeccionReferencia();
        e.Md = 100e6;
        e.*m = 0.0;
        const auto r = DimensionarSeccion(e, TipoDeElemento::Viga, 0);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().mensaje, MensajeConfirmarParametros);
        EXPECT_EQ(e.Dominio, 0u); // nada calculado
    }
}

TEST(DimensionarSeccion, IndicesFueraDeLista) {
    auto e = SeccionReferencia();
    EXPECT_EQ(DimensionarSeccion(e, static_cast<TipoDeElemento>(5), 0).error().campo, "GrupoTipoElemento");
    EXPECT_EQ(DimensionarSeccion(e, static_cast<TipoDeElemento>(-1), 0).error().campo, "GrupoTipoElemento");
    EXPECT_EQ(DimensionarSeccion(e, TipoDeElemento::Viga, 2).error().campo, "GrupoDesignacionAcero");
}

// Geometría imposible: se rechaza antes de calcular, nombrando el campo.
struct CasoGeometria {
    const char* nombre;
    bool enT;
    double h, b, d1, d2, hf, bw; // mm
    const char* campo;           // "" si es válida
};

class Geometria : public ::testing::TestWithParam<CasoGeometria> {};

TEST_P(Geometria, Comprobacion) {
    const auto& c = GetParam();
    auto e = c.enT ? SeccionTReferencia() : SeccionReferencia();
    e.h = c.h;
    e.b = c.b;
    e.d1 = c.d1;
    e.d2 = c.d2;
    e.hf = c.hf;
    e.bw = c.bw;
    const auto r = ComprobarGeometria(e, c.enT ? CamposDatosSeccionT() : CamposDatosSeccion());
    if (std::string(c.campo).empty()) {
        EXPECT_TRUE(r.ok()) << c.nombre << ": " << r.error().mensaje;
        e.Md = 50e6;
        EXPECT_TRUE(DimensionarSeccion(e, TipoDeElemento::Viga, 0).ok()) << c.nombre;
    } else {
        ASSERT_FALSE(r.ok()) << c.nombre;
        EXPECT_EQ(r.error().campo, c.campo) << c.nombre;
        EXPECT_FALSE(r.error().mensaje.empty());
        const auto d = DimensionarSeccion(e, TipoDeElemento::Viga, 0);
        EXPECT_FALSE(d.ok()) << c.nombre;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limites, Geometria,
    ::testing::Values(
        CasoGeometria{"valida", false, 400, 300, 30, 30, 0, 0, ""},
        CasoGeometria{"canto_nulo", false, 0, 300, 30, 30, 0, 0, "Valor1"},
        CasoGeometria{"canto_negativo", false, -400, 300, 30, 30, 0, 0, "Valor1"},
        CasoGeometria{"canto_mayor_de_20m", false, 20000.01, 300, 30, 30, 0, 0, "Valor1"},
        CasoGeometria{"canto_de_20m", false, 20000, 300, 30, 30, 0, 0, ""},
        CasoGeometria{"ancho_nulo", false, 400, 0, 30, 30, 0, 0, "Valor2"},
        CasoGeometria{"d2_negativo", false, 400, 300, 30, -1, 0, 0, "Valor3"},
        CasoGeometria{"d1_negativo", false, 400, 300, -1, 30, 0, 0, "Valor4"},
        CasoGeometria{"recubrimientos_nulos", false, 400, 300, 0, 0, 0, 0, ""},
        CasoGeometria{"d1_igual_al_canto", false, 400, 300, 400, 30, 0, 0, "Valor4"},
        CasoGeometria{"d2_igual_a_d", false, 400, 300, 30, 370, 0, 0, "Valor3"},
        CasoGeometria{"d2_casi_d", false, 400, 300, 30, 369.99, 0, 0, ""},
        CasoGeometria{"T_valida", true, 1000, 1000, 100, 100, 200, 200, ""},
        CasoGeometria{"T_hf_nulo", true, 1000, 1000, 100, 100, 0, 200, "Valorhf"},
        CasoGeometria{"T_hf_igual_al_canto", true, 1000, 1000, 100, 100, 1000, 200, "Valorhf"},
        CasoGeometria{"T_bw_nulo", true, 1000, 1000, 100, 100, 200, 0, "Valorbw"},
        CasoGeometria{"T_bw_mayor_que_b", true, 1000, 1000, 100, 100, 200, 1000.01, "Valorbw"},
        CasoGeometria{"T_bw_igual_a_b", true, 1000, 1000, 100, 100, 200, 1000, ""},
        CasoGeometria{"T_ancho_nulo", true, 1000, 0, 100, 100, 200, 200, "Valorb"},
        CasoGeometria{"T_d2_igual_a_d", true, 1000, 1000, 100, 900, 200, 200, "Valord2"},
        CasoGeometria{"T_d1_negativo", true, 1000, 1000, -5, 100, 200, 200, "Valord1"}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(ComprobarGeometria, MensajeConElValorLeido) {
    auto e = SeccionReferencia();
    e.d2 = -30;
    const auto r = ComprobarGeometria(e, CamposDatosSeccion());
    EXPECT_EQ(r.error().mensaje, "El recubrimiento d2 de la armadura más comprimida no puede ser "
                                 "negativo (se ha leído -0.03 m).");
}

} // namespace
