// Sección fisurada y comprobación completa, con referencias calculadas a mano con las fórmulas
// del Anejo 19 (los números intermedios van en los comentarios).

#include "cracking/Fisuracion.h"
#include "cracking/SeccionServicio.h"
#include "tests/common/Expresion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

constexpr double Pi = 3.14159265358979323846;

SeccionServicio Rectangulo(double As1, double d, double As2, double d2) {
    SeccionServicio s;
    s.h = 500;
    s.b = 300;
    s.As1 = As1;
    s.d = d;
    s.As2 = As2;
    s.d2 = d2;
    return s;
}

// Rectángulo 300×500, d = 450, 4Ø16 (804.25 mm²) y 2Ø12 arriba (226.19 mm², d2 = 40), n = 15,
// M = 100 kN·m. Equilibrio con el hormigón sin tracción y A2 dentro del bloque comprimido:
// 150·x² + 14·226.19·(x − 40) − 15·804.25·(450 − x) = 0 → x = 148.26 mm;
// I = 300·x³/3 + 14·226.19·(x − 40)² + 15·804.25·(450 − x)² = 1.46137·10⁹ mm⁴;
// σs = 15·100·10⁶·(450 − 148.26)/I = 309.71 N/mm², σc = 100·10⁶·148.26/I = 10.145 N/mm².
TEST(SeccionFisurada, RectanguloConDosArmaduras) {
    const auto s = Rectangulo(4 * Pi * 64, 450, 2 * Pi * 36, 40);
    const auto t = Fisurada(s, 15.0, 200000.0 / 15.0, 0.0, 100e6);
    EXPECT_FALSE(t.TodaTraccionada);
    EXPECT_FALSE(t.TodaComprimida);
    EXPECT_NEAR(t.x, 148.262, 0.001);
    EXPECT_NEAR(t.sigmaS1, 309.714, 0.001);
    EXPECT_NEAR(t.sigmaC, 10.1454, 0.0001);
    // A2: 15·σc·(x − d2)/x = 15·10.1454·108.262/148.262 = 111.12 N/mm² de compresión.
    EXPECT_NEAR(t.sigmaS2, 15 * 10.145408 * (148.262039 - 40) / 148.262039, 0.001);
    EXPECT_DOUBLE_EQ(t.eps2, 0.0);
}

// En T con la fibra neutra en el alma: b = 800, hf = 100, bw = 300, h = 600, d = 550, 5Ø20, n = 15:
// 150·x² + 500·100·(x − 50) − 15·1570.80·(550 − x) = 0 → x = 158.757 mm; M = 300 kN·m da
// σs = 379.450 N/mm² y σc = 10.2648 N/mm².
TEST(SeccionFisurada, EnTConLaFibraNeutraEnElAlma) {
    SeccionServicio s;
    s.Rectangular = false;
    s.h = 600;
    s.b = 800;
    s.hf = 100;
    s.bw = 300;
    s.As1 = 5 * Pi * 100;
    s.d = 550;
    const auto t = Fisurada(s, 15.0, 200000.0 / 15.0, 0.0, 300e6);
    EXPECT_NEAR(t.x, 158.757, 0.001);
    EXPECT_NEAR(t.sigmaS1, 379.450, 0.001);
    EXPECT_NEAR(t.sigmaC, 10.2648, 0.0001);
}

// Toda la sección traccionada: N = −200 kN, M = 30 kN·m. Las armaduras solas:
// F1 = (M − N·(h/2 − d2))/(d − d2) = (30·10⁶ + 200·10³·210)/410 = 175 609.8 N,
// F2 = 200 000 − F1 = 24 390.2 N; σs1 = 218.353, σs2 = −107.829 N/mm²; deformaciones en las caras
// 1.15916 ‰ abajo y 0.48523 ‰ arriba: k2 = 0.70930 (7.13); la fibra neutra en x = −360 mm.
TEST(SeccionFisurada, TodaTraccionada) {
    const auto s = Rectangulo(4 * Pi * 64, 450, 2 * Pi * 36, 40);
    const auto t = Fisurada(s, 15.0, 200000.0 / 15.0, -200e3, 30e6);
    ASSERT_TRUE(t.TodaTraccionada);
    EXPECT_NEAR(t.sigmaS1, 218.353, 0.001);
    EXPECT_NEAR(t.sigmaS2, -107.829, 0.001);
    EXPECT_NEAR(t.eps1, 1.1591569e-3, 1e-9);
    EXPECT_NEAR(t.eps2, 4.8522849e-4, 1e-9);
    EXPECT_NEAR(t.x, -360.0, 0.01);
}

// Sección bruta 300×500: W = 300·500²/6 = 12.5·10⁶ mm³; sin axil hcr = h/2 y Act = b·h/2; con
// compresión N = 300 kN (σ = 2 N/mm²) y fct = 2.9: hcr = 250·2.9/4.9 = 147.96 mm.
TEST(SeccionBruta, ModuloYZonaTraccionada) {
    const auto s = Rectangulo(0, 450, 0, 40);
    const auto g = Bruta(s);
    EXPECT_NEAR(g.W, 12.5e6, 1e-3);
    EXPECT_NEAR(hcr(s, g, 0.0, 2.9), 250.0, 1e-9);
    EXPECT_NEAR(Act(s, 250.0), 75000.0, 1e-9);
    EXPECT_NEAR(hcr(s, g, 300e3, 2.9), 250.0 * 2.9 / 4.9, 1e-9);
    EXPECT_NEAR(hcr(s, g, -500e3, 2.9), 500.0, 1e-9); // 3.33 N/mm² de tracción ya fisura todo
}

DatosFisuracion Viga(double Mkn) {
    DatosFisuracion d;
    d.h = 500;
    d.b = 300;
    d.d2 = 40;
    d.c = 30;
    d.BarrasA1 = {{4, 16}};
    d.BarrasA2 = {{2, 12}};
    d.Mcp = Mkn * 1e6;
    d.Clase = 2; // XC2: wmax = 0.3 mm
    d.fck = 25;
    d.fyk = 500;
    return d;
}

// Viga 300×500, c = 30, 4Ø16 (d = 462), 2Ø12 (d2 = 40), C25/30, B 500, φ = 0, larga duración:
// fctm = 2.5650, Ecm = 31 475.8, n = αe = 6.35409; Mcr = 12.5·10⁶·2.5650 = 32.06 kN·m.
// Fibra neutra x = 107.407 mm, I = 7.71955·10⁸ mm⁴. hc,ef = 2.5·38 = 95; ρ = 804.25/28 500 =
// 0.0282192; s = (300 − 60 − 16)/3 = 74.67 ≤ 5·(30 + 8) = 190: (7.11) sr,max = 198.388 mm.
// M = 80 kN·m: σs = 233.497, εsm − εcm = 0.95310 ‰, wk = 0.18908 mm ≤ 0.3: cumple.
// M = 130 kN·m: σs = 379.433, εsm − εcm = 1.68278 ‰, wk = 0.33384 mm > 0.3: no cumple.
struct CasoViga {
    double M, sigmaS, wk;
    bool cumple;
};
class VigaFisurada : public ::testing::TestWithParam<CasoViga> {};
TEST_P(VigaFisurada, AberturaFrenteAWmax) {
    const auto& c = GetParam();
    Traza traza;
    const auto r = CalcularFisuracion(Viga(c.M), &traza);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_NEAR(r.valor().Mcr * 1e-6, 32.062, 0.001);
    ASSERT_TRUE(r.valor().Fisura);
    ASSERT_TRUE(r.valor().abertura);
    EXPECT_NEAR(r.valor().seccion.d, 462.0, 1e-9);
    EXPECT_NEAR(r.valor().cp.x, 107.4067, 0.001);
    EXPECT_NEAR(r.valor().cp.sigmaS1, c.sigmaS, 0.002);
    EXPECT_NEAR(r.valor().abertura->hcef, 95.0, 1e-9);
    EXPECT_NEAR(r.valor().abertura->s, 74.6667, 0.0001);
    EXPECT_FALSE(r.valor().abertura->SeparadasRige);
    EXPECT_NEAR(r.valor().abertura->srMax, 198.388, 0.001);
    EXPECT_NEAR(r.valor().abertura->wk, c.wk, 0.00002);
    EXPECT_EQ(r.valor().abertura->Cumple, c.cumple);
    // As,min de la viga de 500 mm: 132.35 mm² (véase EcuacionesFisuracionTest).
    EXPECT_NEAR(r.valor().minima.AsMin, 132.352, 0.001);
    EXPECT_TRUE(r.valor().minima.Cumple);
    EXPECT_TRUE(pruebas::ProblemasTraza(traza).empty()) << pruebas::ProblemasTraza(traza).front();
}
INSTANTIATE_TEST_SUITE_P(Tabla, VigaFisurada,
                         ::testing::Values(CasoViga{80, 233.497, 0.18908, true},
                                           CasoViga{130, 379.433, 0.33384, false}));

// Ejemplo de manual de viga rectangular del Eurocódigo 2, rehecho a mano con las expresiones
// (7.8) a (7.12): b = 300, h = 600, recubrimiento de las barras c = 40, 3Ø25 (As = 1472.6 mm²,
// d = 547.5), C30/37 (fctm = 2.8965, Ecm = 32 837, αe = 6.0908), M cuasipermanente 200 kN·m,
// larga duración (kt = 0.4), sin armadura de compresión.
// x = 153.49 mm, I = 1.75405·10⁹ mm⁴, σs = 273.63 N/mm²; hc,ef = 2.5·52.5 = 131.25 mm;
// ρp,eff = 1472.6/39 375 = 0.037400; εsm − εcm = (273.63 − 0.4·2.8965/0.0374·(1
// + 6.0908·0.0374))/200 000 = 1.1780 ‰
// (> 0.6·σs/Es = 0.8209 ‰);
// s = (300 − 80 − 25)/2 = 97.5 ≤ 262.5; sr,max = 136 + 0.17·25/0.0374 = 249.64 mm;
// wk = 249.64·1.1780·10⁻³ = 0.294 mm ≤ 0.3 mm (XC3).
TEST(FisuracionEjemplo, VigaRectangularDeManual) {
    DatosFisuracion d;
    d.h = 600;
    d.b = 300;
    d.d2 = 40;
    d.c = 40;
    d.BarrasA1 = {{3, 25}};
    d.Mcp = 200e6;
    d.Clase = 3; // XC3
    d.fck = 30;
    d.fyk = 500;
    const auto r = CalcularFisuracion(d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_NEAR(r.valor().cp.x, 153.49, 0.01);
    EXPECT_NEAR(r.valor().cp.sigmaS1, 273.63, 0.01);
    EXPECT_NEAR(r.valor().abertura->rho, 0.037400, 0.000001);
    EXPECT_NEAR(r.valor().abertura->deltaEps * 1e3, 1.1780, 0.0001);
    EXPECT_NEAR(r.valor().abertura->srMax, 249.64, 0.01);
    EXPECT_NEAR(r.valor().abertura->wk, 0.294, 0.0005);
    EXPECT_TRUE(r.valor().abertura->Cumple);
    // Tabla 7.2N con σs = 273.63 y 0.3 mm: 16 + (12 − 16)·33.63/40 = 12.637 mm; (7.6N) con
    // kc = 0.4, hcr = 300, h − d = 52.5: 12.637·(2.8965/2.9)·0.4·300/105 = 14.425 mm < 25;
    // tabla 7.3N: 200 + (150 − 200)·33.63/40 = 157.96 mm ≥ 97.5: cumple por la separación.
    EXPECT_NEAR(*r.valor().tablas.phiEstrella, 12.637, 0.001);
    EXPECT_NEAR(*r.valor().tablas.phiS, 14.425, 0.001);
    EXPECT_NEAR(*r.valor().tablas.sMax, 157.96, 0.01);
    EXPECT_TRUE(r.valor().tablas.Cumple);
}

TEST(Fisuracion, SeccionSinFisurarNoDaAbertura) {
    const auto r = CalcularFisuracion(Viga(30)); // 30 < Mcr = 32.06 kN·m
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.valor().Fisura);
    EXPECT_FALSE(r.valor().abertura);
    EXPECT_FALSE(r.valor().tablas.Aplicable);
}

TEST(Fisuracion, SeparacionGrandeUsa714) {
    auto d = Viga(80);
    d.Separacion = 200; // > 5·(30 + 8) = 190
    const auto r = CalcularFisuracion(d);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.valor().abertura->SeparadasRige);
    EXPECT_NEAR(r.valor().abertura->srMax, 1.3 * (500 - 107.4067), 0.002);
}

TEST(Fisuracion, CaracteristicaLimitaTensiones) {
    auto d = Viga(80);
    d.Caracteristica = true;
    d.Mk = 130e6; // σs = 379.43 ≤ 0.8·500 = 400; σc = 18.09 > 0.6·25 = 15 en XD1
    d.Clase = 8;  // XD1
    const auto r = CalcularFisuracion(d);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.valor().LimitaCompresion);
    EXPECT_NEAR(r.valor().car.sigmaC, 18.0877, 0.001);
    EXPECT_FALSE(r.valor().CumpleSigmaC);
    EXPECT_TRUE(r.valor().CumpleSigmaS);
    EXPECT_FALSE(r.valor().FluenciaLineal == false && r.valor().cp.sigmaC <= 0.45 * 25);
}

// Datos imposibles: el mensaje nombra el campo y la causa.
struct CasoError {
    const char* nombre;
    void (*cambiar)(DatosFisuracion&);
    const char* campo;
    const char* trozo;
};
class DatosImposibles : public ::testing::TestWithParam<CasoError> {};
TEST_P(DatosImposibles, SeRechazanNombrandoElCampo) {
    auto d = Viga(80);
    GetParam().cambiar(d);
    const auto r = CalcularFisuracion(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, GetParam().campo);
    EXPECT_NE(r.error().mensaje.find(GetParam().trozo), std::string::npos) << r.error().mensaje;
}
INSTANTIATE_TEST_SUITE_P(
    Tabla, DatosImposibles,
    ::testing::Values(CasoError{"SinBarras",
                                [](DatosFisuracion& d) {
                                    d.BarrasA1 = {{0, 16}};
                                },
                                "BotonA1", "no tiene barras"},
                      CasoError{"RecubrimientoSinSitio", [](DatosFisuracion& d) { d.c = 120; },
                                "Recubrimiento", "no caben"},
                      CasoError{"RecubrimientoSobreA2",
                                [](DatosFisuracion& d) {
                                    d.b = 3000;
                                    d.c = 460;
                                },
                                "Recubrimiento", "no queda por debajo"},
                      CasoError{"MomentoNegativo", [](DatosFisuracion& d) { d.Mcp = -20e6; },
                                "MomentoCP", "comprime la cara"},
                      CasoError{"MomentoCaracteristicoNegativo",
                                [](DatosFisuracion& d) {
                                    d.Caracteristica = true;
                                    d.Mk = -1e6;
                                },
                                "MomentoCar", "comprime la cara"},
                      CasoError{"SinParametros", [](DatosFisuracion& d) { d.fck = 0; },
                                "ResistenciaCaracteristica", "Confirme"},
                      CasoError{"FueraDeClases", [](DatosFisuracion& d) { d.fck = 100; },
                                "ResistenciaCaracteristica", "de 12 a 90"}),
    [](const auto& i) { return std::string(i.param.nombre); });

} // namespace
} // namespace velmora
