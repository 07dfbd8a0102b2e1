// Secciones con el Código Estructural (Anejo 19, 3.1.7, 6.1): bloque comprimido, flexión simple,
// compresión con pequeña excentricidad, sección en T, momento de agotamiento y diagrama de
// interacción, con cifras de las fórmulas de la norma hechas a mano o integradas aquí.

#include "LeyesCE.h"
#include "section/Interaccion.h"
#include "section/ce/Seccion.h"
#include "design/MaterialesDelEstado.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

using namespace velmora;
using namespace pruebas_ce;

// --- Bloque comprimido de un rectángulo ---

struct CasoBloque {
    double fck;
    double fraccion; // x/h
};

class BloqueCE : public ::testing::TestWithParam<CasoBloque> {};

TEST_P(BloqueCE, IgualALaIntegralDeLaParabolaRectangulo) {
    const auto [fck, fraccion] = GetParam();
    const EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, fck, 500.0);
    const LeyesSeccion l = Leyes(fck, 500.0);
    const Tabla31 t = Tabla(fck);
    const double x = fraccion * e.h;
    const BloqueHormigon b = ce::Bloque(e, l.hormigon, x);
    // Con εcu2 arriba y la fibra neutra dentro: Cc = fcd·b·x·(1 − εc2/((n + 1)·εcu2)) y
    // yc/x = 1 − G(εcu2)/(εcu2·F(εcu2)), G = εcu2²/2 − εc2²·(1/(n+1) − 1/(n+2)).
    const double psi = 1.0 - t.epsC2 / ((t.n + 1.0) * t.epsCU2);
    const double F = t.epsCU2 - t.epsC2 / (t.n + 1.0);
    const double G = t.epsCU2 * t.epsCU2 / 2.0 -
                     t.epsC2 * t.epsC2 * (1.0 / (t.n + 1.0) - 1.0 / (t.n + 2.0));
    EXPECT_NEAR(b.Cc, psi * e.fcd * e.b * x, 1e-9 * b.Cc) << "x = " << x;
    EXPECT_NEAR(b.yc, (1.0 - G / (t.epsCU2 * F)) * x, 1e-9 * x);
    const auto [N, y] = BloqueSimpson(e.h, t.epsCU2, t.epsCU2 / x, e.fcd, t,
                                      [&](double) { return e.b; });
    EXPECT_NEAR(b.Cc, N, 1e-6 * N);
    EXPECT_NEAR(b.yc, y, 1e-5 * y);
}

INSTANTIATE_TEST_SUITE_P(Fracciones, BloqueCE,
                         ::testing::Values(CasoBloque{25, 0.1}, CasoBloque{25, 0.5},
                                           CasoBloque{25, 1.0}, CasoBloque{70, 0.1},
                                           CasoBloque{70, 0.5}, CasoBloque{70, 1.0}));

TEST(BloqueCE, HA25DaLosCoeficientesDeLaParabolaRectanguloSinEl085) {
    const EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 25.0, 500.0);
    const BloqueHormigon b = ce::Bloque(e, Leyes(25.0, 500.0).hormigon, 100.0);
    EXPECT_NEAR(b.Cc / (e.fcd * 300.0 * 100.0), 17.0 / 21.0, 1e-12); // 0.80952
    EXPECT_NEAR(b.yc / 100.0, 99.0 / 238.0, 1e-12);                  // 0.41597
}

TEST(BloqueCE, Fck70TieneLosValoresDeLaTabla31) {
    const Tabla31 t = Tabla(70.0);
    EXPECT_NEAR(t.epsC2 * 1000.0, 2.4159, 1e-4);
    EXPECT_NEAR(t.epsCU2 * 1000.0, 2.656, 1e-9);
    EXPECT_NEAR(t.n, 1.43744, 1e-9);
}

TEST(BloqueCE, SeccionTodaComprimidaGiraSobreElPivoteDeEpsC2) {
    const EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 70.0, 500.0);
    const LeyesSeccion l = Leyes(70.0, 500.0);
    const Tabla31 t = Tabla(70.0);
    const double y0 = (1.0 - t.epsC2 / t.epsCU2) * e.h;
    for (double x : {510.0, 800.0, 5000.0}) {
        const PlanoDeformacion p = ce::PlanoUltimo(l.hormigon, e.h, x);
        EXPECT_NEAR(DeformacionEn(p, y0), t.epsC2, 1e-15);
        EXPECT_NEAR(DeformacionEn(p, x), 0.0, 1e-15);
        const BloqueHormigon b = ce::Bloque(e, l.hormigon, x);
        const auto [N, y] =
            BloqueSimpson(e.h, p.epsSup, p.kappa, e.fcd, t, [&](double) { return e.b; });
        EXPECT_NEAR(b.Cc, N, 1e-6 * N) << x;
        EXPECT_NEAR(b.yc, y, 1e-5 * y) << x;
    }
    const BloqueHormigon u = ce::Bloque(e, l.hormigon, std::numeric_limits<double>::infinity());
    EXPECT_NEAR(u.Cc, e.fcd * e.b * e.h, 1e-9 * u.Cc);
    EXPECT_NEAR(u.yc, e.h / 2.0, 1e-9);
}

// --- Flexión simple: viga 300 × 500, d = 450, HA-25, B 500 S ---

struct CasoViga {
    double Md;  // kN·m
    double x;   // mm, de 0.80952·fcd·b·x·(d − 0.41597·x) = Md
    double As1; // cm²
};

class VigaCE : public ::testing::TestWithParam<CasoViga> {};

TEST_P(VigaCE, FlexionSimple) {
    const auto c = GetParam();
    EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 25.0, 500.0);
    const LeyesSeccion l = Leyes(25.0, 500.0);
    e.Md = c.Md * 1e6;
    ce::CalcularLimites(e, l);
    EXPECT_NEAR(e.xlim, 0.0035 / (0.0035 + 434.7826 / 200000.0) * 450.0, 1e-3);
    ASSERT_TRUE(ce::DimensionarCaso(e, l).ok());
    EXPECT_NEAR(e.x, c.x, 0.02);
    EXPECT_NEAR(e.As1 * 0.01, c.As1, 0.005);
    EXPECT_EQ(e.As2, 0.0);
    EXPECT_EQ(e.Dominio, CodigoDominio(DominioDeformacion::Tres));
}

// x de la ecuación de segundo grado 1683.7·x² − 1821428·x + Md = 0 y As1 = 4047.6·x/fyd.
INSTANTIATE_TEST_SUITE_P(Momentos, VigaCE,
                         ::testing::Values(CasoViga{100.0, 58.01, 5.40}, CasoViga{180.0, 110.01, 10.24},
                                           CasoViga{250.0, 161.31, 15.02}));

TEST(VigaCE, PasadoMlimAnadeArmaduraDeCompresionEnXlim) {
    EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 25.0, 500.0);
    const LeyesSeccion l = Leyes(25.0, 500.0);
    ce::CalcularLimites(e, l);
    const double fc = 25.0 / 1.5, fyd = 500.0 / 1.15;
    const double Clim = 17.0 / 21.0 * fc * 300.0 * e.xlim;
    const double Mlim = Clim * (450.0 - 99.0 / 238.0 * e.xlim);
    EXPECT_NEAR(e.Mlim, Mlim, 1e-6 * Mlim);
    e.Md = 500e6;
    ASSERT_TRUE(ce::DimensionarCaso(e, l).ok());
    // εs2 = 3.5 ‰·(1 − 50/xlim) = 2.87 ‰ > fyd/Es: A2 en cedencia.
    const double As2 = (500e6 - Mlim) / (400.0 * fyd);
    EXPECT_EQ(e.Dominio, CodigoDominio(DominioDeformacion::TresCuatro));
    EXPECT_NEAR(e.As2, As2, 1e-6 * As2);
    EXPECT_NEAR(e.As1, As2 + Clim / fyd, 1e-6 * e.As1);
}

// --- Soporte 300 × 400, d1 = d2 = 40, HA-25, B 500 S, Nd = 1800 kN, e0 = 60 mm ---

TEST(SoporteCE, PequenaExcentricidadSinArmaduraTraccionada) {
    EstadoDiseno e = Rectangulo(300.0, 400.0, 40.0, 25.0, 500.0);
    const LeyesSeccion l = Leyes(25.0, 500.0);
    e.Nd = 1800e3;
    e.Md = 108e6;
    e.e0 = 60.0;
    ce::CalcularLimites(e, l);
    ASSERT_TRUE(ce::DimensionarCaso(e, l).ok());
    // A1 sobra; momentos respecto de A2 con 40 < x ≤ h: 4047.6·x·(0.41597·x − 40) = Nd·(160 − 60).
    const double k = 17.0 / 21.0 * 25.0 / 1.5 * 300.0, a = 99.0 / 238.0;
    const double M2 = 1800e3 * 100.0;
    const double x = (k * 40.0 + std::sqrt(k * k * 1600.0 + 4.0 * k * a * M2)) / (2.0 * k * a);
    EXPECT_NEAR(x, 378.56, 0.05); // entre d = 360 y h = 400: dominio 4a
    EXPECT_NEAR(e.x, x, 1e-3);
    EXPECT_EQ(e.Dominio, CodigoDominio(DominioDeformacion::CuatroA));
    EXPECT_EQ(e.As1, 0.0);
    EXPECT_NEAR(e.As2, (1800e3 - k * x) / (500.0 / 1.15), 0.01); // 615.8 mm², en cedencia
}

TEST(SoporteCE, CompresionCasiCentradaLlevaTodaLaSeccionAEpsC2) {
    EstadoDiseno e = Rectangulo(300.0, 400.0, 40.0, 25.0, 500.0);
    const LeyesSeccion l = Leyes(25.0, 500.0);
    e.Nd = 3000e3;
    e.Md = 15e6;
    e.e0 = 5.0;
    ce::CalcularLimites(e, l);
    ASSERT_TRUE(ce::DimensionarCaso(e, l).ok());
    // εc2 uniforme: acero a 200000·0.002 = 400 N/mm²; momentos respecto de A2 y fuerzas.
    const double Cc = 25.0 / 1.5 * 300.0 * 400.0;
    const double F1 = (3000e3 * (160.0 - 5.0) - Cc * 160.0) / 320.0;
    EXPECT_FALSE(ProfundidadFibraNeutra(e).has_value());
    EXPECT_EQ(e.Dominio, CodigoDominio(DominioDeformacion::Cinco));
    EXPECT_NEAR(e.As1, F1 / 400.0, 1e-6);
    EXPECT_NEAR(e.As2, (3000e3 - Cc - F1) / 400.0, 1e-6);
}

// --- Sección en T con la fibra neutra en el alma ---

TEST(SeccionTCE, FibraNeutraEnElAlma) {
    EstadoDiseno e = Rectangulo(800.0, 600.0, 50.0, 30.0, 500.0);
    e.SeccionRectangular = false;
    e.hf = 100.0;
    e.bw = 250.0;
    const LeyesSeccion l = Leyes(30.0, 500.0);
    e.Md = 900e6;
    ce::CalcularLimites(e, l);
    ASSERT_TRUE(ce::DimensionarCaso(e, l).ok());
    ASSERT_GT(e.x, e.hf);
    ASSERT_LT(e.x, e.xlim);
    const Tabla31 t = Tabla(30.0);
    const auto [Cc, yc] = BloqueSimpson(e.h, t.epsCU2, t.epsCU2 / e.x, 30.0 / 1.5, t,
                                        [&](double y) { return y < e.hf ? 800.0 : 250.0; });
    EXPECT_NEAR(Cc * (550.0 - yc), 900e6, 1e-5 * 900e6);
    EXPECT_NEAR(e.As1, Cc / (500.0 / 1.15), 1e-4 * e.As1);
}

// --- Momento de agotamiento: 300 × 500, d = 450, 3Ø20 traccionados, HA-25, B 500 S ---

TEST(MomentoCE, SeccionDadaEnDominio3) {
    EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 25.0, 500.0);
    const LeyesSeccion l = Leyes(25.0, 500.0);
    ce::CalcularLimites(e, l);
    ArmaduraDada a;
    a.As1Dada = 3.0 * std::numbers::pi * 100.0;
    a.Comprimida = false;
    const auto m = ce::MomentoAgotamiento(e, a, l);
    ASSERT_TRUE(m.ok());
    // Cc = As1·fyd = 409775 N = 4047.6·x; Mu = Cc·(d − 0.41597·x).
    const double T = a.As1Dada * 500.0 / 1.15;
    const double x = T / (17.0 / 21.0 * 25.0 / 1.5 * 300.0);
    EXPECT_NEAR(e.x, x, 1e-6);
    EXPECT_NEAR(m.valor().Mu, T * (450.0 - 99.0 / 238.0 * x), 1.0);
    EXPECT_NEAR(m.valor().Mu * 1e-6, 167.14, 0.01);
    EXPECT_EQ(e.Dominio, CodigoDominio(DominioDeformacion::Tres));
}

TEST(MomentoCE, SinArmaduraNoHayMomento) {
    EstadoDiseno e = Rectangulo(300.0, 500.0, 50.0, 25.0, 500.0);
    const LeyesSeccion l = Leyes(25.0, 500.0);
    ce::CalcularLimites(e, l);
    const auto m = ce::MomentoAgotamiento(e, ArmaduraDada{}, l);
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(m.valor().Mu, 0.0);
}

// --- Diagrama de interacción: 300 × 400, d1 = d2 = 40, HA-25, B 500 S ---

DiagramaInteraccion CurvaCE(double A1, double A2) {
    const EstadoDiseno e = Rectangulo(300.0, 400.0, 40.0, 25.0, 500.0);
    const auto r = CalcularInteraccion(MaterialesDeLeyes(Leyes(25.0, 500.0)),
                                       SeccionDelEstado(e, A1, A2));
    EXPECT_TRUE(r.ok());
    return r.ok() ? r.valor() : DiagramaInteraccion{};
}

TEST(InteraccionCE, TraccionPuraConLasDosArmadurasEnCedencia) {
    const auto d = CurvaCE(804.25, 804.25);
    EXPECT_NEAR(d.Ntraccion, -500.0 / 1.15 * 1608.5, 1e-6);
}

TEST(InteraccionCE, N0ConArmaduraIgualEsLaCompresionUniforme) {
    // εc2 uniforme: fcd·Ac + Es·εc2·(A1 + A2), 400 N/mm² < fyd.
    const auto d = CurvaCE(804.25, 804.25);
    EXPECT_NEAR(d.N0, 25.0 / 1.5 * 120000.0 + 400.0 * 1608.5, 1.0);
}

TEST(InteraccionCE, N0ConUnaCaraMuyArmadaEstaEnElDominio5) {
    // A2 = 3000 mm² sola: girando sobre el pivote (3h/7) A2 llega a fyd antes de que el hormigón
    // pierda mucho: κ* = (fyd/Es − εc2)/(3h/7 − d2); N0 = fcd·b·h − fcd·b·(κ*/εc2)²·(4h/7)³/3 +
    // fyd·A2 (el hormigón bajo el pivote en la parábola), mayor que la compresión uniforme.
    const auto d = CurvaCE(0.0, 3000.0);
    const double fcd = 25.0 / 1.5, fyd = 500.0 / 1.15, y0 = 400.0 * 3.0 / 7.0;
    const double k = (fyd / 200000.0 - 0.002) / (y0 - 40.0);
    const double N0 = fcd * 300.0 * 400.0 -
                      fcd * 300.0 * std::pow(k / 0.002, 2.0) * std::pow(400.0 - y0, 3.0) / 3.0 +
                      fyd * 3000.0;
    EXPECT_GT(N0, fcd * 120000.0 + 400.0 * 3000.0 + 90e3);
    EXPECT_NEAR(d.N0, N0, 1e-6 * N0);
}

TEST(InteraccionCE, FlexionSimpleIgualAlMomentoDeAgotamiento) {
    EstadoDiseno e = Rectangulo(300.0, 400.0, 40.0, 25.0, 500.0);
    const LeyesSeccion l = Leyes(25.0, 500.0);
    const auto d = CurvaCE(942.48, 226.19);
    ce::CalcularLimites(e, l);
    ArmaduraDada a{942.48, 226.19, true, true};
    const auto m = ce::MomentoAgotamiento(e, a, l);
    ASSERT_TRUE(m.ok());
    const auto c = ComprobarCombinacion(d, {"", 0.0, 1e6});
    EXPECT_NEAR(c.Agotamiento.M, m.valor().Mu, 1e-6 * m.valor().Mu);
}

} // namespace
