// Ecuaciones del Anejo 19, 7.2 y 7.3, con valores calculados a mano con sus fórmulas.

#include "cracking/ce/Ecuaciones.h"

#include <gtest/gtest.h>

namespace velmora::ce {
namespace {

// hc,ef = min(2.5·(h − d); (h − x)/3; h/2) (7.3.2(3)), cada término rigiendo una vez.
struct CasoHcef {
    double h, d, x, esperado;
    int termino;
};
class Hcef : public ::testing::TestWithParam<CasoHcef> {};
TEST_P(Hcef, RigeElTerminoMenor) {
    const auto& c = GetParam();
    EXPECT_NEAR(hcef(c.h, c.d, c.x), c.esperado, 1e-9);
    EXPECT_EQ(TerminoHcef(c.h, c.d, c.x), c.termino);
}
INSTANTIATE_TEST_SUITE_P(
    Tabla, Hcef,
    ::testing::Values(
        // 2.5·(500 − 462) = 95 < (500 − 107.4)/3 = 130.9 < 250.
        CasoHcef{500, 462, 107.4, 95.0, 0},
        // 2.5·100 = 250 > (500 − 300)/3 = 66.67 < 250.
        CasoHcef{500, 400, 300, 200.0 / 3.0, 1},
        // Toda la sección traccionada (x ≤ 0): min(2.5·(200 − 150); 200/2) = min(125; 100).
        CasoHcef{200, 150, -50, 100.0, 2},
        // x = 0 también es toda la sección traccionada: no entra (h − x)/3 = 66.7.
        CasoHcef{200, 150, 0, 100.0, 2}));

TEST(SeparacionFisuras, Expresion711Y714) {
    // 3.4·30 + 0.8·0.5·0.425·16/0.0282187 = 102 + 96.388 = 198.388 mm (7.11).
    EXPECT_NEAR(srMax(30, 0.5, 16, 804.2477193 / 28500.0), 198.388, 0.001);
    // Tracción pura (k2 = 1) dobla el segundo término: 102 + 192.777.
    EXPECT_NEAR(srMax(30, 1.0, 16, 804.2477193 / 28500.0), 294.777, 0.001);
    // 1.3·(500 − 107.4067) = 510.371 mm (7.14); con x ≤ 0, 1.3·h.
    EXPECT_NEAR(srMaxSeparadas(500, 107.4067), 510.371, 0.001);
    EXPECT_NEAR(srMaxSeparadas(500, -20), 650.0, 1e-9);
    // 5·(30 + 16/2) = 190 mm.
    EXPECT_NEAR(SeparacionLimite(30, 16), 190.0, 1e-12);
}

TEST(SeparacionFisuras, DiametroEquivalenteYk2) {
    // (4·16² + 2·12²)/(4·16 + 2·12) = 1312/88 = 14.909 mm (7.12).
    const double n[] = {4, 2}, phi[] = {16, 12};
    EXPECT_NEAR(phiEq(n, phi, 2), 1312.0 / 88.0, 1e-12);
    EXPECT_NEAR(phiEq(n, phi, 1), 16.0, 1e-12);
    // (7.13): flexión 0.5, tracción uniforme 1.0, (1.159 + 0.485)/(2·1.159) = 0.7093.
    EXPECT_DOUBLE_EQ(k2(1e-3, 0.0), 0.5);
    EXPECT_DOUBLE_EQ(k2(1e-3, 1e-3), 1.0);
    EXPECT_NEAR(k2(1.1591569e-3, 4.8522849e-4), 0.7093023, 1e-6);
}

TEST(DeformacionMedia, MinimoDe06SigmaSobreEs) {
    // σs = 233.50, kt = 0.4, fctm = 2.565, ρ = 0.0282187, αe = 6.3541:
    // (233.50 − 0.4·2.565/0.0282187·(1 + 6.3541·0.0282187))/200000 = 0.953 ‰ > 0.6·σs/Es = 0.700 ‰.
    EXPECT_NEAR(EpsSmMenosEpsCm(233.497, 0.4, 2.564964, 0.0282187, 6.354087) * 1e3, 0.9529, 0.0005);
    // Con poca tensión rige el mínimo: 0.6·100/200000 = 0.3 ‰.
    EXPECT_NEAR(EpsSmMenosEpsCm(100, 0.4, 2.564964, 0.0282187, 6.354087) * 1e3, 0.3, 1e-12);
    EXPECT_DOUBLE_EQ(kt(true), 0.4);
    EXPECT_DOUBLE_EQ(kt(false), 0.6);
}

// As,min = kc·k·fct,eff·Act/σs (7.1) de un rectángulo de 300 mm de ancho en flexión simple
// (kc = 0.4, Act = b·h/2), C25/30 (fctm = 0.30·25^(2/3) = 2.5650), σs = fyk = 500.
struct CasoMinima {
    double h, k, AsMin;
};
class Minima : public ::testing::TestWithParam<CasoMinima> {};
TEST_P(Minima, ConKInterpolado) {
    const auto& c = GetParam();
    const double fctm = 2.5649639;
    EXPECT_NEAR(kAutoequilibradas(c.h), c.k, 1e-12);
    EXPECT_NEAR(AsMin(kc(0.0, 1.5, c.h, fctm), kAutoequilibradas(c.h), fctm, 300 * c.h / 2, 500),
                c.AsMin, 0.01);
}
INSTANTIATE_TEST_SUITE_P(Tabla, Minima,
                         ::testing::Values(
                             // 0.4·1·2.5650·45000/500 = 92.34 mm².
                             CasoMinima{300, 1.0, 92.34},
                             // k = 1 − 0.35·200/500 = 0.86; 0.4·0.86·2.5650·75000/500 = 132.35.
                             CasoMinima{500, 0.86, 132.35},
                             // 0.4·0.65·2.5650·120000/500 = 160.05 mm².
                             CasoMinima{800, 0.65, 160.05}));

TEST(Minima, kcConAxil) {
    // Compresión σc = 2 N/mm², h = 500: 0.4·(1 − 2/(1.5·1·2.9)) = 0.21609.
    EXPECT_NEAR(kc(2.0, k1Axil(1.0, 500), 500, 2.9), 0.4 * (1 - 2.0 / 4.35), 1e-12);
    // Tracción, h = 1200: k1 = 2·1000/3600 = 0.5556; 0.4·(1 + 0.5/(0.5556·1.2·2.9)) = 0.5034.
    EXPECT_NEAR(k1Axil(-1.0, 1200), 2000.0 / 3600.0, 1e-12);
    EXPECT_NEAR(kc(-0.5, k1Axil(-1.0, 1200), 1200, 2.9),
                0.4 * (1 + 0.5 / (2000.0 / 3600.0 * 1.2 * 2.9)), 1e-12);
    // Mucha compresión: kc no baja de 0; tracción fuerte: no pasa de 1.
    EXPECT_DOUBLE_EQ(kc(10.0, 1.5, 500, 2.9), 0.0);
    EXPECT_DOUBLE_EQ(kc(-100.0, 0.6667, 500, 2.9), 1.0);
}

// Tablas 7.2N y 7.3N: una tensión de la tabla, una interpolada y las que no tienen valor.
struct CasoTabla {
    bool diametro; // 7.2N; si no, 7.3N
    double sigma, wk;
    double esperado; // negativo: sin valor
};
class Tablas : public ::testing::TestWithParam<CasoTabla> {};
TEST_P(Tablas, InterpoladaEntreFilas) {
    const auto& c = GetParam();
    const auto v = c.diametro ? phiSEstrella(c.sigma, c.wk) : SeparacionMaximaTabla(c.sigma, c.wk);
    if (c.esperado < 0) {
        EXPECT_FALSE(v.has_value()) << *v;
    } else {
        ASSERT_TRUE(v.has_value());
        EXPECT_NEAR(*v, c.esperado, 1e-9);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Tabla, Tablas,
    ::testing::Values(CasoTabla{true, 240, 0.3, 16},   // fila de la tabla
                      CasoTabla{true, 260, 0.3, 14},   // 16 + (12 − 16)·20/40
                      CasoTabla{true, 330, 0.2, 5.75}, // 6 + (5 − 6)·10/40
                      CasoTabla{true, 100, 0.4, 40},   // por debajo de 160: la primera fila
                      CasoTabla{true, 450, 0.4, 6},    // última fila
                      CasoTabla{true, 451, 0.4, -1},   // por encima de la tabla
                      CasoTabla{true, 420, 0.2, -1},   // entre 400 y 450 con «-»
                      CasoTabla{true, 200, 0.1, -1},   // sin columna para 0.1 mm
                      CasoTabla{false, 200, 0.4, 300}, CasoTabla{false, 300, 0.3, 125},
                      CasoTabla{false, 250, 0.2, 87.5}, // 100 + (50 − 100)·10/40
                      CasoTabla{false, 300, 0.2, -1}, CasoTabla{false, 361, 0.4, -1}));

TEST(Tablas, DiametroCorregido) {
    // (7.6N): 16·(2.9/2.9)·0.4·250/(2·50) = 16; (7.7N): 16·(2.9/2.9)·500/(8·50) = 20.
    EXPECT_NEAR(phiSFlexion(16, 2.9, 0.4, 250, 500, 450), 16.0, 1e-12);
    EXPECT_NEAR(phiSTraccion(16, 2.9, 500, 500, 450), 20.0, 1e-12);
}

TEST(Exposicion, AberturaMaximaDeLaTabla272) {
    const auto w = [](std::string_view clase) {
        for (const auto& c : ClasesExposicion)
            if (c.nombre == clase)
                return c.wmax;
        return -1.0;
    };
    EXPECT_DOUBLE_EQ(w("XC1"), 0.4);
    EXPECT_DOUBLE_EQ(w("XF3"), 0.3);
    EXPECT_DOUBLE_EQ(w("XA1"), 0.2);
    EXPECT_DOUBLE_EQ(w("XS3"), 0.1);
    EXPECT_DOUBLE_EQ(w("XA3"), 0.1);
    int limitan = 0;
    for (const auto& c : ClasesExposicion)
        limitan += c.limitaCompresion ? 1 : 0;
    EXPECT_EQ(limitan, 10); // XS1–3, XD1–3, XF1–4
}

} // namespace
} // namespace velmora::ce
