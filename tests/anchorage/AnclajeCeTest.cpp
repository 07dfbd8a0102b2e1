// Longitudes de anclaje por el Código Estructural (Anejo 19, 8.4), calculadas a mano: HA-25,
// B 500 S, γc = 1.5, γs = 1.15: fbd = 2.25·1.197 = 2.693 N/mm² en posición I y
// lb,rqd = (16/4)·(434.78/2.693) = 645.75 mm para una barra de 16 mm.
#include "anchorage/Anclaje.h"
#include "common/Expresion.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

using namespace velmora;

namespace {

EstadoDiseno CodigoEstructural(double gammaC = 1.5, double gammaS = 1.15) {
    EstadoDiseno e;
    InicializarTablas(e);
    e.norma = Norma::CodigoEstructural;
    e.gammaC = gammaC;
    e.gammaS = gammaS;
    return e;
}

// 4 barras de φ (mm) en las dos posiciones.
ValoresAnclaje Barras(double phi) {
    ValoresAnclaje v;
    for (std::size_t i = 0; i < 2; ++i) {
        v.phi[i] = phi;
        v.AsReal[i] = 4 * std::numbers::pi * phi * phi / 4;
    }
    return v;
}

struct CasoAnclaje {
    const char* nombre;
    double phi;
    bool posicionII, traccion, estricta, dinamicos;
    TipoAnclaje tipo;
    bool recubrimiento;
    const char* fck;
    double lb, lbd; // mm
};
class AnclajeCe : public testing::TestWithParam<CasoAnclaje> {};

TEST_P(AnclajeCe, LongitudBasicaYNeta) {
    const auto& p = GetParam();
    auto e = CodigoEstructural();
    auto v = Barras(p.phi);
    EntradaAnclaje entrada;
    entrada.DesignacionAcero = 1;
    entrada.ResistenciaCaracteristica = p.fck;
    entrada.Tipo = p.tipo;
    entrada.Recubrimiento = p.recubrimiento;
    entrada.Dinamicos = p.dinamicos;
    entrada.Estricta = p.estricta;
    const std::size_t i = p.posicionII ? 1 : 0;
    entrada.Posicion = {!p.posicionII, p.posicionII};
    entrada.Traccion = {p.traccion, p.traccion};
    // Armadura estricta: la mitad del área real (cm²).
    const std::string mitad = std::to_string(v.AsReal[i] / 2 / 100);
    entrada.AreaEstricta = {mitad, mitad};
    const auto s = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(s.ok()) << s.error().mensaje;
    ASSERT_TRUE(s.valor().Calculada[i]);
    EXPECT_EQ(s.valor().norma, Norma::CodigoEstructural);
    EXPECT_NEAR(s.valor().Longitud[i].lb, p.lb, 0.01);
    EXPECT_NEAR(s.valor().Longitud[i].lbneta, p.lbd, 0.01);
    EXPECT_EQ(s.valor().LongitudBasica[i], TextoLongitudAnclaje(p.lb, false));
    Traza t;
    ASSERT_TRUE(CalcularAnclaje(s.valor().Datos[i], &t).ok());
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{});
    // Los dos últimos pasos dan las longitudes del cuadro (cm).
    ASSERT_GE(t.pasos.size(), 2u);
    EXPECT_NEAR(t.pasos[t.pasos.size() - 2].valor, p.lb * 0.1, 0.001);
    EXPECT_NEAR(t.pasos.back().valor, p.lbd * 0.1, 0.001);
    for (const Paso& paso : t.pasos) {
        if (!paso.articulo.empty()) {
            EXPECT_EQ(paso.articulo.rfind("Anejo 19, ", 0), 0u) << paso.articulo;
        }
    }
}

constexpr auto Recta = TipoAnclaje::ProlongacionRecta;
constexpr auto Patilla = TipoAnclaje::Patilla;
constexpr auto Soldada = TipoAnclaje::BarraSoldada;

INSTANTIATE_TEST_SUITE_P(
    Tabla, AnclajeCe,
    testing::Values(
        // lb,min = máx(0.3·645.75, 160, 100) = 193.72 < 645.75.
        CasoAnclaje{"RectaTraccion", 16, false, true, false, false, Recta, false, "25", 645.7458,
                    645.7458},
        // Posición II: η1 = 0.7, fbd = 1.885: (16/4)·(434.78/1.885) = 922.49 mm.
        CasoAnclaje{"PosicionII", 16, true, true, false, false, Recta, false, "25", 922.4940,
                    922.4940},
        // Patilla con cd > 3φ en tracción: α1 = 0.7 → 452.02 mm.
        CasoAnclaje{"Patilla", 16, false, true, false, false, Patilla, true, "25", 645.7458,
                    452.0221},
        CasoAnclaje{"PatillaSinRecubrimiento", 16, false, true, false, false, Patilla, false, "25",
                    645.7458, 645.7458},
        // En compresión la patilla no reduce: α1 = 1.
        CasoAnclaje{"PatillaCompresion", 16, false, false, false, false, Patilla, true, "25",
                    645.7458, 645.7458},
        // Barra soldada en compresión: α4 = 0.7 → 452.02 > lb,min = 0.6·645.75 = 387.45.
        CasoAnclaje{"SoldadaCompresion", 16, false, false, false, false, Soldada, false, "25",
                    645.7458, 452.0221},
        // Armadura estricta de la mitad: σsd = 217.39, lb,rqd = 322.87 mm; con patilla
        // 0.7·322.87 = 226.01 > lb,min = máx(96.86, 160, 100).
        CasoAnclaje{"Estricta", 16, false, true, true, false, Patilla, true, "25", 322.8729,
                    226.0110},
        // Barra soldada y estricta en compresión: 0.7·322.87 = 226.01 > 0.6·322.87 = 193.72.
        CasoAnclaje{"EstrictaCompresion", 16, false, false, true, false, Soldada, false, "25",
                    322.8729, 226.0110},
        // φ 6 y estricta: lb,rqd = (6/4)·(217.39/2.6932) = 121.08; 0.7·121.08 = 84.75 <
        // lb,min = máx(36.3, 60, 100) = 100 mm.
        CasoAnclaje{"RigeLbMin", 6, false, true, true, false, Soldada, false, "25", 121.0773, 100},
        // φ 40: η2 = (132 − 40)/100 = 0.92: (40/4)·(434.78/2.4778) = 1754.74 mm.
        CasoAnclaje{"BarraGruesa", 40, false, true, false, false, Recta, false, "25", 1754.7440,
                    1754.7440},
        // HA-90: fctk,0.05 de HA-60 (3.0483), fbd = 4.5725: 4·434.78/4.5725 = 380.35 mm.
        CasoAnclaje{"HA90", 16, false, true, false, false, Recta, false, "90", 380.3474, 380.3474},
        // HA-27, sin fila de tabla: fctm = 0.30·27^(2/3) = 2.7000, fbd = 2.835; 4·434.78/2.835 =
        // 613.45.
        CasoAnclaje{"HA27", 16, false, true, false, false, Recta, false, "27", 613.4499, 613.4499},
        // «Efectos dinámicos» no se aplica con esta norma.
        CasoAnclaje{"SinEfectosDinamicos", 16, false, true, false, true, Recta, false, "25",
                    645.7458, 645.7458}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(AnclajeCe, SituacionAccidental) {
    // γc = 1.3, γs = 1.0: fbd = 2.25·1.7955/1.3 = 3.1076; 4·500/3.1076 = 643.59 mm.
    auto e = CodigoEstructural(1.3, 1.0);
    auto v = Barras(16);
    EntradaAnclaje entrada;
    entrada.DesignacionAcero = 1;
    entrada.Posicion = {true, false};
    const auto s = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(s.ok()) << s.error().mensaje;
    EXPECT_NEAR(s.valor().Longitud[0].lb, 643.59, 0.01);
    EXPECT_EQ(e.fyk, 500);
    EXPECT_EQ(e.fck, 25);
}

TEST(AnclajeCe, DecalajeEnTraccion) {
    auto e = CodigoEstructural();
    auto v = Barras(16);
    EntradaAnclaje entrada;
    entrada.DesignacionAcero = 1;
    entrada.Decalaje = "5";
    const auto s = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.valor().LongitudBasica[0], "=  69.57 cm*");
    EXPECT_EQ(s.valor().LongitudNeta[0], "=  69.57 cm*");
    EXPECT_EQ(s.valor().LongitudBasica[1], "=  92.25 cm");
    EXPECT_TRUE(s.valor().Nota);
}

struct CasoFck {
    const char* fck;
    bool valida;
};
class FckCe : public testing::TestWithParam<CasoFck> {};

TEST_P(FckCe, De20A90) {
    auto e = CodigoEstructural();
    auto v = Barras(16);
    EntradaAnclaje entrada;
    entrada.ResistenciaCaracteristica = GetParam().fck;
    const auto s = CalcularLongitudesAnclaje(e, v, entrada);
    EXPECT_EQ(s.ok(), GetParam().valida);
    if (!s.ok()) {
        EXPECT_EQ(s.error().campo, "ResistenciaCaracteristica");
    }
}

INSTANTIATE_TEST_SUITE_P(Tabla, FckCe,
                         testing::Values(CasoFck{"20", true}, CasoFck{"90", true},
                                         CasoFck{"19.9", false}, CasoFck{"90.1", false},
                                         CasoFck{"55", true}, CasoFck{"22.5", true}));

TEST(AnclajeCe, SinParametrosConfirmados) {
    EstadoDiseno e;
    InicializarTablas(e);
    e.norma = Norma::CodigoEstructural;
    auto v = Barras(16);
    const auto s = CalcularLongitudesAnclaje(e, v, EntradaAnclaje{});
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().mensaje, MensajeConfirmarParametros);
}

TEST(AnclajeCe, EfectosDinamicosSoloConLaEHE98) {
    EXPECT_TRUE(UsaEfectosDinamicos(Norma::EHE98));
    EXPECT_FALSE(UsaEfectosDinamicos(Norma::CodigoEstructural));
}

} // namespace
