#include "diagrams/ParabolaRectangulo.h"

#include "section/DimensionarSeccion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace velmora;

namespace {

EstadoDiseno EstadoInicial() {
    EstadoDiseno e;
    InicializarTablas(e);
    return e;
}

DatosParabola SeccionEnT(const char* x) {
    DatosParabola d;
    d.TipoSeccion = 1;
    d.Valor6 = x;
    return d;
}

TEST(CalcularParabola, PorOmisionRectangular) {
    EstadoDiseno e = EstadoInicial();
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
    EstadoDiseno e = EstadoInicial();
    DatosParabola d;
    d.SituacionProyecto = 1;
    const auto r = CalcularParabola(e, d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(r.valor().Compresion, "C  =  396.978 kN");
    EXPECT_DOUBLE_EQ(e.fcd, 25.0 / 1.3);
}

TEST(CalcularParabola, TConFibraNeutraEnElAlaEsElRectanguloDelAla) {
    EstadoDiseno rect = EstadoInicial(), t = EstadoInicial();
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
    EstadoDiseno e = EstadoInicial();
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
    EstadoDiseno e = EstadoInicial();
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
    EstadoDiseno e = EstadoInicial();
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
    EstadoDiseno e = EstadoInicial();
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
    EstadoDiseno e = EstadoInicial();
    DatosParabola d;
    d.Valor4 = "diez";
    d.Valor5 = "-1";
    EXPECT_TRUE(CalcularParabola(e, d).ok());
}

TEST(ParabolaRotulos, EtiquetasDeLosGrupos) {
    const EstadoDiseno e = EstadoInicial();
    EXPECT_EQ(TextoEtiquetaHormigon("30"), "Hormigón HA-30");
    EXPECT_EQ(TextoEtiquetaGammac(e, 0), "= 1.50");
    EXPECT_EQ(TextoEtiquetaGammac(e, 1), "= 1.30");
}

TEST(DibujoBloque, LeyDeTensionesSobreElCanto) {
    EstadoDiseno e = EstadoInicial();
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

} // namespace
