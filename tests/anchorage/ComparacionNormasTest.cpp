// «Comparar normas» de las longitudes de anclaje: 4Ø16 B 500 S en las posiciones I (tracción) y
// II (compresión), con el coeficiente m de la EHE-98 (art. 66.5.2) y la adherencia del
// Anejo 19 (8.4), hechos a mano.
#include "anchorage/ComparacionNormas.h"
#include "common/Comparacion.h"
#include "common/Fixturas.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

using namespace velmora;
using pruebas::Celdas;

namespace {

EstadoDiseno Estado() {
    return pruebas::EstadoInicial();
}

ValoresAnclaje Barras() {
    ValoresAnclaje v;
    v.phi = {16, 16};
    v.AsReal = {4 * std::numbers::pi * 64, 4 * std::numbers::pi * 64};
    return v;
}

EntradaAnclaje Entrada(const char* fck) {
    EntradaAnclaje e;
    e.DesignacionAcero = 1;
    e.ResistenciaCaracteristica = fck;
    return e;
}

struct CasoAnclajeComparado {
    const char* fck;
    std::size_t fila;
    const char *magnitud, *ehe, *ce, *diferencia;
};

class ComparacionAnclaje : public ::testing::TestWithParam<CasoAnclajeComparado> {};

TEST_P(ComparacionAnclaje, Celda) {
    const CasoAnclajeComparado& k = GetParam();
    const auto c = CompararNormasAnclaje(Estado(), EleccionParametros{}, Barras(), Entrada(k.fck));
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    ASSERT_EQ(c.valor().Filas.size(), 5u);
    EXPECT_EQ(Celdas(c.valor(), k.fila),
              (std::vector<std::string>{k.magnitud, k.ehe, k.ce, k.diferencia}));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ComparacionAnclaje,
    ::testing::Values(
        CasoAnclajeComparado{"25", 0, "Resistencia característica fck", "25 N/mm²", "25 N/mm²", "—"},
        // Posición II, compresión: máx(1.4·15·1.6², 500/14·1.6) = 57.14 cm;
        // fbd = 2.25·0.7·0.21·25^(2/3)/1.5 = 1.885: 16/4·434.78/1.885 = 922.5 mm.
        CasoAnclajeComparado{"25", 1, "Longitud básica lb / lb,rqd, posición II", "57.14 cm", "92.25 cm",
                    "+61.4 %"},
        CasoAnclajeComparado{"25", 2, "Longitud neta lb,neta / lbd, posición II", "57.14 cm", "92.25 cm",
                    "+61.4 %"},
        // Posición I: máx(15·1.6², 500/20·1.6) = 40 cm; fbd = 2.693: 645.7 mm.
        CasoAnclajeComparado{"25", 3, "Longitud básica lb / lb,rqd, posición I", "40.00 cm", "64.57 cm",
                    "+61.4 %"},
        CasoAnclajeComparado{"25", 4, "Longitud neta lb,neta / lbd, posición I", "40.00 cm", "64.57 cm",
                    "+61.4 %"},
        // fck = 20: la EHE-98 no tiene coeficiente m; fbd = 2.25·0.21·20^(2/3)/1.5 = 2.321:
        // 16/4·434.78/2.321 = 749.3 mm.
        CasoAnclajeComparado{"20", 0, "Resistencia característica fck",
                    "20 N/mm²: fuera de 25 ≤ fck < 55 N/mm² (art. 66.5.2)", "20 N/mm²", "—"},
        CasoAnclajeComparado{"20", 3, "Longitud básica lb / lb,rqd, posición I", "no se calcula", "74.93 cm",
                    "—"},
        // fck = 55: fuera de la tabla de m; el Anejo 19 llega a 90 N/mm².
        CasoAnclajeComparado{"55", 0, "Resistencia característica fck",
                    "55 N/mm²: fuera de 25 ≤ fck < 55 N/mm² (art. 66.5.2)", "55 N/mm²", "—"}));

TEST(ComparacionAnclaje, ResistenciaQueNingunaAdmite) {
    const auto c = CompararNormasAnclaje(Estado(), EleccionParametros{}, Barras(), Entrada("95"));
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(c.error().mensaje.rfind("EHE-98: ", 0), 0u) << c.error().mensaje;
    EXPECT_EQ(c.error().campo, "ResistenciaCaracteristica");
}

TEST(ComparacionAnclaje, EfectosDinamicosSoloEnLaEHE98) {
    auto entrada = Entrada("25");
    entrada.Dinamicos = true;
    entrada.Posicion = {true, false};
    const auto c = CompararNormasAnclaje(Estado(), EleccionParametros{}, Barras(), entrada);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    ASSERT_EQ(c.valor().Filas.size(), 4u);
    EXPECT_EQ(c.valor().Filas[1].CodigoEstructural, "no se aplica");
    // 40 cm + 10·1.6 cm.
    EXPECT_EQ(c.valor().Filas[2].EHE98, "56.00 cm");
    EXPECT_EQ(c.valor().Filas[2].CodigoEstructural, "64.57 cm");
}

} // namespace
