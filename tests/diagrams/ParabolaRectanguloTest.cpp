#include "tests/common/Fixturas.h"
#include "diagrams/ParabolaRectangulo.h"

#include "section/DimensionarSeccion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace velmora;

namespace {

DatosParabola SeccionEnT(const char* x) {
    DatosParabola d;
    d.TipoSeccion = 1;
    d.Valor6 = x;
    return d;
}

TEST(CalcularParabola, PorOmisionRectangular) {
    EstadoDiseno e = pruebas::EstadoInicial();
    const auto r = CalcularParabola(e, DatosParabola{});
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(r.valor().Compresion, "C  =  344.048 kN");
    EXPECT_EQ(r.valor().CentroGravedad, "x   =     0.042 m");
    EXPECT_NEAR(e.Cc, 344047.6, 0.1);
    EXPECT_NEAR(e.yc, 41.597, 0.001);
    // d = 370, 7·d/27 = 95.93 < 100 ≤ h: pivote del hormigón.
    EXPECT_DOUBLE_EQ(e.epsC, 0.0035);
    EXPECT_DOUBLE_EQ(e.h, 400.0);
    EXPECT_DOUBLE_EQ(e.b, 300.0);
    EXPECT_DOUBLE_EQ(e.d1, 30.0);
    EXPECT_DOUBLE_EQ(e.d, 370.0);
    EXPECT_DOUBLE_EQ(e.x, 100.0);
    EXPECT_TRUE(e.SeccionRectangular);
    EXPECT_EQ(e.fck, 25.0);
    EXPECT_EQ(e.gammaC, 1.5);
    EXPECT_NEAR(e.fcd, 16.6667, 1e-4);
}

TEST(CalcularParabola, AccidentalSinFactoresDeControl) {
    EstadoDiseno e = pruebas::EstadoInicial();
    DatosParabola d;
    d.SituacionProyecto = 1;
    const auto r = CalcularParabola(e, d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(r.valor().Compresion, "C  =  396.978 kN");
    EXPECT_DOUBLE_EQ(e.fcd, 25.0 / 1.3);
}

TEST(CalcularParabola, TConFibraNeutraEnElAlaEsElRectanguloDelAla) {
    EstadoDiseno rect = pruebas::EstadoInicial(), t = pruebas::EstadoInicial();
    const auto r = CalcularParabola(rect, DatosParabola{});
    const auto enT = CalcularParabola(t, SeccionEnT("0.1")); // x = hf
    ASSERT_TRUE(r.ok() && enT.ok());
    EXPECT_EQ(enT.valor().Compresion, r.valor().Compresion);
    EXPECT_EQ(enT.valor().CentroGravedad, r.valor().CentroGravedad);
    EXPECT_FALSE(t.SeccionRectangular);
    EXPECT_DOUBLE_EQ(t.hf, 100.0);
    EXPECT_DOUBLE_EQ(t.bw, 100.0);
}

TEST(CalcularParabola, SeccionTodaComprimida) {
    EstadoDiseno e = pruebas::EstadoInicial();
    DatosParabola d;
    d.Valor6 = "0.5";
    const auto r = CalcularParabola(e, d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    // Deformación 0.002 a 3/7 del canto.
    EXPECT_NEAR(e.epsC, 0.002 * 500.0 / (500.0 - 3.0 * 400.0 / 7.0), 1e-12);
    EXPECT_LT(e.Cc, 0.85 * e.fcd * e.b * e.h);
    EXPECT_GT(e.yc, 0.0);
    EXPECT_LT(e.yc, e.h / 2.0);
}

TEST(CalcularParabola, FibraNeutraMuyLejanaTiendeAlBloqueUniforme) {
    EstadoDiseno e = pruebas::EstadoInicial();
    DatosParabola d;
    d.Valor6 = "1e6";
    const auto r = CalcularParabola(e, d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_NEAR(e.Cc, 0.85 * e.fcd * 300.0 * 400.0, 1.0);
    EXPECT_NEAR(e.yc, 200.0, 0.01);
    EXPECT_EQ(r.valor().Compresion, "C  = 1700.000 kN");
}

// Comprobación independiente de las integrales cerradas: integración numérica (Simpson) de la
// ley parábola-rectángulo sobre el perfil de pivotes, franja a franja con su anchura.
struct CasoIntegral {
    const char* nombre;
    int TipoSeccion;
    const char* x;
};

class IntegralNumericaTest : public ::testing::TestWithParam<CasoIntegral> {};

TEST_P(IntegralNumericaTest, ResultanteYCentroDeGravedad) {
    const auto& c = GetParam();
    EstadoDiseno e = pruebas::EstadoInicial();
    DatosParabola datos;
    datos.TipoSeccion = c.TipoSeccion;
    datos.Valor6 = c.x;
    ASSERT_TRUE(CalcularParabola(e, datos).ok());

    const double h = 400, d = 370, b = 300, bw = 100, hf = 100, x = e.x, fcd = 25.0 / 1.5;
    double arriba, abajo; // deformaciones en la fibra superior y en la inferior
    if (x <= 7.0 * d / 27.0) {
        arriba = 0.01 * x / (d - x);
        abajo = arriba * (x - h) / x;
    } else if (x <= h) {
        arriba = 0.0035;
        abajo = arriba * (x - h) / x;
    } else {
        arriba = 0.002 * x / (x - 3.0 * h / 7.0);
        abajo = 0.002 * (x - h) / (x - 3.0 * h / 7.0);
    }
    auto tension = [&](double y) {
        return TensionHormigon(arriba + (abajo - arriba) * y / h, fcd);
    };
    // Simpson de a a b de ancho·σ y de su momento; la anchura cambia en hf, así que el ala y el
    // alma se integran por separado.
    double C = 0, M = 0;
    auto integrar = [&](double a, double z, double ancho) {
        if (!(z > a))
            return;
        const int n = 20000;
        const double paso = (z - a) / n;
        for (int i = 0; i <= n; ++i) {
            const double y = a + i * paso, w = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
            C += w * paso / 3.0 * ancho * tension(y);
            M += w * paso / 3.0 * ancho * tension(y) * y;
        }
    };
    const double fondo = std::min(x, h);
    if (c.TipoSeccion == 1) {
        integrar(0.0, std::min(hf, fondo), b);
        integrar(hf, fondo, bw);
    } else {
        integrar(0.0, fondo, b);
    }
    EXPECT_NEAR(e.Cc, C, C * 1e-5);
    EXPECT_NEAR(e.yc, M / C, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Pivotes, IntegralNumericaTest,
                         ::testing::Values(CasoIntegral{"RectanguloPivoteAcero", 0, "0.05"},
                                           CasoIntegral{"RectanguloPivoteHormigon", 0, "0.25"},
                                           CasoIntegral{"RectanguloTodoComprimido", 0, "0.45"},
                                           CasoIntegral{"TAlmaPivoteHormigon", 1, "0.2"},
                                           CasoIntegral{"TAlmaPivoteAcero", 1, "0.09"},
                                           CasoIntegral{"TTodaComprimida", 1, "0.6"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct CasoError {
    const char* nombre;
    int TipoSeccion;
    const char* control; // campo que se cambia
    const char* texto;
    const char* campo;   // campo que nombra el error
    const char* mensaje; // principio del mensaje (vacío: sólo se comprueba el campo)
};

class ErroresParabolaTest : public ::testing::TestWithParam<CasoError> {};

TEST_P(ErroresParabolaTest, RechazaYNoTocaElEstado) {
    const auto& c = GetParam();
    DatosParabola d;
    d.TipoSeccion = c.TipoSeccion;
    const std::string control = c.control;
    std::string* destino = control == "Valor1"   ? &d.Valor1
                           : control == "Valor2" ? &d.Valor2
                           : control == "Valor3" ? &d.Valor3
                           : control == "Valor4" ? &d.Valor4
                           : control == "Valor5" ? &d.Valor5
                           : control == "Valor6" ? &d.Valor6
                                                 : &d.ResistenciaCaracteristica;
    *destino = c.texto;
    EstadoDiseno e = pruebas::EstadoInicial();
    e.fcd = 9.0;
    e.h = 123.0;
    const auto r = CalcularParabola(e, d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, c.campo);
    EXPECT_EQ(r.error().mensaje.rfind(c.mensaje, 0), 0u) << r.error().mensaje;
    EXPECT_EQ(e.fcd, 9.0);
    EXPECT_EQ(e.h, 123.0);
    EXPECT_EQ(e.Cc, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Datos, ErroresParabolaTest,
    ::testing::Values(
        CasoError{"CantoNoNumerico", 0, "Valor1", "0.4m", "Valor1", "El dato «Canto h»"},
        CasoError{"CantoCero", 0, "Valor1", "0", "Valor1", "El canto h debe ser mayor que cero"},
        CasoError{"RecubrimientoNegativo", 0, "Valor3", "-0.01", "Valor3", "El recubrimiento d1"},
        CasoError{"RecubrimientoIgualAlCanto", 0, "Valor3", "0.40", "Valor3",
                  "El recubrimiento d1 debe ser menor que el canto h"},
        CasoError{"FibraNeutraCero", 0, "Valor6", "0", "Valor6",
                  "La profundidad de la fibra neutra x debe ser mayor que cero."},
        CasoError{"FibraNeutraNegativa", 0, "Valor6", "-0.1", "Valor6",
                  "La profundidad de la fibra neutra x debe ser mayor que cero."},
        CasoError{"FibraNeutraSinBloque", 0, "Valor6", "1e300", "Valor6", MensajeValoresNoFinitos},
        CasoError{"ResistenciaCero", 0, "ResistenciaCaracteristica", "0",
                  "ResistenciaCaracteristica",
                  "La resistencia característica del hormigón debe ser mayor que cero"},
        CasoError{"ResistenciaNoNumerica", 0, "ResistenciaCaracteristica", "HA-25",
                  "ResistenciaCaracteristica", "El dato «Resistencia característica fck»"},
        CasoError{"AlaTanGruesaComoElCanto", 1, "Valor4", "0.40", "Valor4",
                  "El canto de la cabeza hf debe ser menor que el canto h"},
        CasoError{"AlmaMasAnchaQueElAla", 1, "Valor5", "0.5", "Valor5",
                  "La anchura del alma bw no puede ser mayor que el ancho b"},
        CasoError{"AlmaCero", 1, "Valor5", "0", "Valor5",
                  "La anchura del alma bw debe ser mayor que cero"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularParabola, CamposDeLaTOcultosNoSeLeenEnRectangular) {
    EstadoDiseno e = pruebas::EstadoInicial();
    DatosParabola d;
    d.Valor4 = "diez";
    d.Valor5 = "-1";
    EXPECT_TRUE(CalcularParabola(e, d).ok());
}

TEST(ParabolaRotulos, EtiquetasDeLosGrupos) {
    const EstadoDiseno e = pruebas::EstadoInicial();
    EXPECT_EQ(TextoEtiquetaHormigon("30"), "Hormigón HA-30");
    EXPECT_EQ(TextoEtiquetaGammac(e, 0), "= 1.50");
    EXPECT_EQ(TextoEtiquetaGammac(e, 1), "= 1.30");
}

TEST(DibujoBloque, LeyDeTensionesSobreElCanto) {
    EstadoDiseno e = pruebas::EstadoInicial();
    ASSERT_TRUE(CalcularParabola(e, DatosParabola{}).ok());
    const DibujoBloque d = CalcularDibujoBloque(e);
    ASSERT_FALSE(d.Tensiones.empty());
    EXPECT_DOUBLE_EQ(d.Tensiones.front().y, 0.0);
    EXPECT_NEAR(d.Tensiones.front().sigma, 0.85 * e.fcd, 1e-9); // 0.0035 > 0.002
    EXPECT_DOUBLE_EQ(d.Tensiones.back().y, 100.0);
    EXPECT_NEAR(d.Tensiones.back().sigma, 0.0, 1e-9); // en la fibra neutra
    EXPECT_NEAR(d.epsInf, 0.0035 * (100.0 - 400.0) / 100.0, 1e-12);
    // El rectángulo llega hasta ε = 0.002: 3/7 de x por debajo de la fibra superior.
    for (const auto& p : d.Tensiones) {
        if (p.y < 100.0 * (1.0 - 0.002 / 0.0035) - 1e-9) {
            EXPECT_NEAR(p.sigma, 0.85 * e.fcd, 1e-9) << p.y;
        }
    }
}

TEST(TensionHormigon, ParabolaYRectangulo) {
    EXPECT_EQ(TensionHormigon(-0.001, 20.0), 0.0);
    EXPECT_EQ(TensionHormigon(0.0, 20.0), 0.0);
    EXPECT_NEAR(TensionHormigon(0.001, 20.0), 0.85 * 20.0 * 0.75, 1e-12);
    EXPECT_NEAR(TensionHormigon(0.002, 20.0), 0.85 * 20.0, 1e-12);
    EXPECT_NEAR(TensionHormigon(0.0035, 20.0), 0.85 * 20.0, 1e-12);
}

// --- Código Estructural (Anejo 19, 3.1.7 con la tabla 3.1 y los planos de 6.1) ---

EstadoDiseno EstadoParabolaCE(double alphaCC = 1.0) {
    EstadoDiseno e = pruebas::EstadoInicial();
    e.norma = Norma::CodigoEstructural;
    e.alphaCC = alphaCC;
    return e;
}

// σc de (3.17) y (3.18) con fcd = fck/1.5; εc2 y n de la tabla 3.1: HA-70, εc2 = 2.0 +
// 0.085·20^0.53 = 2.41588 ‰, n = 1.4 + 23.4·0.2⁴ = 1.43744; HA-90, εc2 = 2.60050 ‰, n = 1.4;
// HA-60, εc2 = 2.28802 ‰, n = 1.58954.
struct CasoTensionCE {
    double fck, eps, sigma;
};

class TensionParabolaCETest : public ::testing::TestWithParam<CasoTensionCE> {};

TEST_P(TensionParabolaCETest, LeyDe317Y318) {
    const auto& c = GetParam();
    EstadoDiseno e = EstadoParabolaCE();
    e.fck = c.fck;
    e.fcd = c.fck / 1.5;
    EXPECT_NEAR(TensionParabola(e, c.eps), c.sigma, 1e-4) << c.fck << " " << c.eps;
}

INSTANTIATE_TEST_SUITE_P(
    Tabla31, TensionParabolaCETest,
    ::testing::Values(CasoTensionCE{25, -0.001, 0.0}, CasoTensionCE{25, 0.0, 0.0},
                      CasoTensionCE{25, 0.0005, 16.666667 * (1.0 - 0.75 * 0.75)},
                      CasoTensionCE{25, 0.001, 12.5},           // 16.667·(1 − 0.5²)
                      CasoTensionCE{25, 0.002, 16.666667},      // εc2: llega a fcd
                      CasoTensionCE{25, 0.003, 16.666667},      // meseta, sin 0.85
                      CasoTensionCE{70, 0.001, 25.01707},       // 46.667·(1 − 0.58607^1.43744)
                      CasoTensionCE{70, 0.0025, 46.666667},     // pasado εc2 = 2.416 ‰
                      CasoTensionCE{90, 0.001, 29.58911},       // 60·(1 − 0.61546^1.4)
                      CasoTensionCE{60, 0.002, 38.51608}));     // 40·(1 − 0.12589^1.58954)

// Resultante y profundidad integradas aparte (regla del punto medio, 200 000 franjas) de la ley de
// la norma sobre el plano último de 6.1: sección 0.30 × 0.40 m (T: ala 0.30 × 0.10, alma 0.10),
// γc = 1.5. En el rectángulo con x ≤ h, C/(fcd·b·x) = 1 − εc2/((n + 1)·εcu2): 0.80952 con n = 2
// (HA-25), 0.62682 en HA-70 y 0.58325 en HA-90.
struct CasoBloqueCE {
    const char* nombre;
    const char* fck;
    const char* x;
    int tipo;
    double alphaCC, C, yc; // kN, mm
};

class BloqueCETest : public ::testing::TestWithParam<CasoBloqueCE> {};

TEST_P(BloqueCETest, ResultanteYProfundidad) {
    const auto& c = GetParam();
    EstadoDiseno e = EstadoParabolaCE(c.alphaCC);
    DatosParabola d;
    d.ResistenciaCaracteristica = c.fck;
    d.Valor6 = c.x;
    d.TipoSeccion = c.tipo;
    const auto r = CalcularParabola(e, d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_NEAR(e.Cc * 0.001, c.C, 0.002);
    EXPECT_NEAR(e.yc, c.yc, 0.002);
    EXPECT_NEAR(e.fcd, c.alphaCC * std::stod(c.fck) / 1.5, 1e-9);
    EXPECT_EQ(e.gammaC, 1.5);
}

INSTANTIATE_TEST_SUITE_P(
    PlanosUltimos, BloqueCETest,
    ::testing::Values(
        CasoBloqueCE{"HA25", "25", "0.1", 0, 1.0, 404.7619, 41.5966},
        // αcc = 0.85 da el bloque de la EHE-98 con n = 2: 344.048 kN.
        CasoBloqueCE{"HA25AlfaCC085", "25", "0.1", 0, 0.85, 344.0476, 41.5966},
        CasoBloqueCE{"HA60", "60", "0.2", 0, 1.0, 1664.5926, 75.3528},
        CasoBloqueCE{"HA70", "70", "0.1", 0, 1.0, 877.5547, 35.9864},
        CasoBloqueCE{"HA90", "90", "0.1", 0, 1.0, 1049.8567, 35.2933},
        CasoBloqueCE{"TodaComprimidaHA25", "25", "0.5", 0, 1.0, 1815.6450, 185.4947},
        CasoBloqueCE{"TodaComprimidaHA70", "70", "0.5", 0, 1.0, 4125.9559, 166.3622},
        CasoBloqueCE{"EnTHA25", "25", "0.25", 1, 1.0, 670.6349, 77.1555},
        CasoBloqueCE{"EnTHA70", "70", "0.25", 1, 1.0, 1601.6740, 67.1675},
        CasoBloqueCE{"EnTTodaComprimida", "25", "0.6", 1, 1.0, 963.8801, 142.7730}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(CalcularParabolaCE, DeformacionesDeLosPlanosUltimos) {
    EstadoDiseno e = EstadoParabolaCE();
    DatosParabola d;
    d.ResistenciaCaracteristica = "70";
    d.Valor6 = "0.03"; // fibra neutra muy alta: sin pivote en la armadura, εcu2 arriba
    ASSERT_TRUE(CalcularParabola(e, d).ok());
    EXPECT_NEAR(e.epsC, 0.002656, 1e-9);
    d.Valor6 = "0.5"; // toda comprimida: εc2 a (1 − εc2/εcu2)·h
    ASSERT_TRUE(CalcularParabola(e, d).ok());
    const double y0 = (1.0 - 2.4158769 / 2.656) * 400.0;
    EXPECT_NEAR(e.epsC, 0.0024158769 * 500.0 / (500.0 - y0), 1e-8);
    EXPECT_NEAR(e.epsCInf, 0.0024158769 * 100.0 / (500.0 - y0), 1e-8);
}

TEST(CalcularParabolaCE, ResistenciaFueraDeLaTabla31) {
    for (const char* fck : {"15", "95"}) {
        EstadoDiseno e = EstadoParabolaCE();
        DatosParabola d;
        d.ResistenciaCaracteristica = fck;
        const auto r = CalcularParabola(e, d);
        ASSERT_FALSE(r.ok()) << fck;
        EXPECT_EQ(r.error().campo, "ResistenciaCaracteristica");
        EXPECT_NE(r.error().mensaje.find("entre 20 y 90"), std::string::npos) << r.error().mensaje;
        EXPECT_EQ(e.fcd, 0.0); // el estado no cambia
    }
    // La EHE-98 sigue admitiendo de 10 a 100.
    EstadoDiseno e = pruebas::EstadoInicial();
    DatosParabola d;
    d.ResistenciaCaracteristica = "95";
    EXPECT_TRUE(CalcularParabola(e, d).ok());
}

TEST(ParabolaRotulosCE, LeyYEtiquetas) {
    EXPECT_EQ(TextoLeyHormigonCE(25.0, 1.0, 1.5),
              "Código Estructural, Anejo 19, 3.1.7: εc2 = 2.00 ‰, εcu2 = 3.50 ‰, n = 2.00, "
              "fcd = αcc·fck/γc = 16.67 N/mm²");
    EXPECT_EQ(TextoLeyHormigonCE(70.0, 0.85, 1.5),
              "Código Estructural, Anejo 19, 3.1.7: εc2 = 2.42 ‰, εcu2 = 2.66 ‰, n = 1.44, "
              "fcd = αcc·fck/γc = 39.67 N/mm²");
    EXPECT_EQ(TextoLeyHormigonCE(95.0, 1.0, 1.5), "");
    EXPECT_EQ(TextoEtiquetaHormigon("95", Norma::CodigoEstructural), "Hormigón");
    EXPECT_EQ(TextoEtiquetaHormigon("95"), "Hormigón HA-95");
    const EstadoDiseno e = EstadoParabolaCE();
    EXPECT_EQ(TextoEtiquetaGammac(e, 1), "= 1.30");
}

TEST(DibujoBloqueCE, MesetaSinFactorYDeformacionesDeLaTabla) {
    EstadoDiseno e = EstadoParabolaCE();
    DatosParabola d;
    d.ResistenciaCaracteristica = "70";
    ASSERT_TRUE(CalcularParabola(e, d).ok());
    const DibujoBloque b = CalcularDibujoBloque(e);
    EXPECT_EQ(b.norma, Norma::CodigoEstructural);
    EXPECT_NEAR(b.tensionMaxima, 70.0 / 1.5, 1e-9);
    EXPECT_NEAR(b.epsC2, 0.0024158769, 1e-9);
    EXPECT_NEAR(b.epsCU2, 0.002656, 1e-12);
    ASSERT_FALSE(b.Tensiones.empty());
    EXPECT_NEAR(b.Tensiones.front().sigma, 70.0 / 1.5, 1e-9);
    // A media profundidad de x = 100 mm, ε = 1.328 ‰: 46.667·(1 − (1 − 1.328/2.41588)^1.43744).
    EXPECT_NEAR(b.Tensiones[50].sigma, 46.666667 * (1.0 - std::pow(1.0 - 1.328 / 2.4158769, 1.43744)),
                1e-3);
}

} // namespace
