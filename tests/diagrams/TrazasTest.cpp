// Trazas de la fluencia, la retracción y las herramientas de diagramas: cada sustitución vuelve a
// dar el valor de su paso, y el último paso es el resultado que muestra la ventana.

#include "common/Expresion.h"
#include "design/EstadoDiseno.h"
#include "diagrams/DiagramaAcero.h"
#include "diagrams/ParabolaRectangulo.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"

#include <gtest/gtest.h>

using namespace velmora;
using velmora::pruebas::ProblemasTraza;

namespace {

std::string Problemas(const Traza& t) {
    std::string s;
    for (const auto& p : ProblemasTraza(t))
        s += p + "\n";
    return s;
}

struct CasoFluencia {
    const char* nombre;
    EntradaFluencia entrada;
};

class TrazaFluenciaTest : public ::testing::TestWithParam<CasoFluencia> {};

TEST_P(TrazaFluenciaTest, SustitucionesYResultado) {
    const auto d = LeerDatosFluencia(GetParam().entrada);
    ASSERT_TRUE(d.ok());
    Traza t;
    const auto r = CalcularFluencia(*d, &t);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(Problemas(t), "");
    ASSERT_FALSE(t.pasos.empty());
    EXPECT_EQ(t.pasos.back().simbolo, "φ(t,j)");
    EXPECT_DOUBLE_EQ(t.pasos.back().valor, r.valor().phiTj);
    for (const Paso& p : t.pasos)
        EXPECT_EQ(p.articulo.rfind("39.", 0), 0u) << p.simbolo;
}

EntradaFluencia Fluencia(void (*cambio)(EntradaFluencia&)) {
    EntradaFluencia e;
    cambio(e);
    return e;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TrazaFluenciaTest,
    ::testing::Values(CasoFluencia{"PorDefecto", {}},
                      CasoFluencia{"EspesorConocidoYTraccion", Fluencia([](EntradaFluencia& e) {
                                       e.EspesorFicticioConocido = true;
                                       e.Perimetro = "40";
                                       e.Tension = "-50";
                                       e.MedioAmbiente = 0;
                                   })},
                      CasoFluencia{"CargaTempranaYLarga", Fluencia([](EntradaFluencia& e) {
                                       e.Tiempo01 = "3";
                                       e.Tiempo02 = "10000";
                                       e.ResistenciaCaracteristica = "350";
                                   })}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(TrazaRetraccion, SustitucionesYResultado) {
    for (const auto& [ambiente, consistencia] : {std::pair{2, 1}, std::pair{0, 2}, {3, 0}}) {
        EntradaRetraccion e;
        e.MedioAmbiente = ambiente;
        e.Consistencia = consistencia;
        e.Edad = "365";
        const auto d = LeerDatosRetraccion(e);
        ASSERT_TRUE(d.ok());
        Traza t;
        const auto r = CalcularRetraccion(*d, &t);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(Problemas(t), "") << ambiente;
        EXPECT_DOUBLE_EQ(t.pasos.back().valor, 1000.0 * r.valor().epsR);
    }
}

struct CasoAcero {
    const char* nombre;
    int tipo; // 0 pasiva, 1 activa
    double eps;
    double sigma; // tensión a mano (NaN: fuera del diagrama)
    int rama = -1; // Código Estructural: 0 horizontal, 1 inclinada (B 500 S); -1 EHE-98
};

class TrazaAceroTest : public ::testing::TestWithParam<CasoAcero> {};

TEST_P(TrazaAceroTest, SustitucionesYTension) {
    const auto& c = GetParam();
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionDiagrama eleccion;
    eleccion.TipoDiagrama = static_cast<TipoDiagramaAcero>(c.tipo);
    if (c.rama >= 0) {
        e.norma = Norma::CodigoEstructural;
        eleccion.DesignacionAcero = DesignacionDeAcero::B500S;
        eleccion.Rama = c.rama == 1 ? RamaSuperior::Inclinada : RamaSuperior::Horizontal;
    }
    LeerDatosDiagrama(e, eleccion);
    Traza t;
    const double sigma = TensionDiagrama(e, eleccion, c.eps, &t);
    const double sinTraza = TensionDiagrama(e, eleccion, c.eps);
    EXPECT_EQ(std::isnan(sigma), std::isnan(sinTraza));
    EXPECT_EQ(Problemas(t), "");
    for (const Paso& p : t.pasos) {
        EXPECT_EQ(p.articulo.starts_with("Anejo 19, "), c.rama >= 0) << p.descripcion;
    }
    if (std::isnan(c.sigma)) {
        EXPECT_EQ(t.pasos.back().tipo, Paso::Tipo::Nota);
        return;
    }
    // El último paso es la tensión que devuelve el cálculo, y ésta la de la mano.
    EXPECT_EQ(t.pasos.back().simbolo, "σ<sub>s</sub>");
    EXPECT_EQ(t.pasos.back().valor, sigma);
    EXPECT_EQ(sinTraza, sigma);
    EXPECT_NEAR(sigma, c.sigma, 0.05);
}

// «Calcular» con traza: fuera del diagrama activo la memoria dice por qué no hay tensión; una
// deformación que el Código Estructural rechaza por pasar de εud no deja ningún paso.
TEST(TrazaAceroCalcular, FueraDelDiagramaYRechazo) {
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionDiagrama activa;
    activa.TipoDiagrama = TipoDiagramaAcero::Activa;
    Traza t;
    EXPECT_FALSE(CalcularTension(e, activa, 50.0, &t).ok());
    ASSERT_FALSE(t.pasos.empty());
    EXPECT_NE(t.pasos.back().descripcion.find("fuera del diagrama"), std::string::npos);

    e.norma = Norma::CodigoEstructural;
    EleccionDiagrama inclinada;
    inclinada.Rama = RamaSuperior::Inclinada;
    Traza rechazo;
    EXPECT_FALSE(CalcularTension(e, inclinada, 0.05, &rechazo).ok());
    EXPECT_TRUE(rechazo.pasos.empty());
    Traza admitida;
    const auto sigma = CalcularTension(e, inclinada, 0.04, &admitida);
    ASSERT_TRUE(sigma.ok());
    EXPECT_EQ(admitida.pasos.back().valor, *sigma);
}

// fyd = 400/1.15 = 347.83; εy = 1.739 ‰; en la activa, 0.7·fyd = 243.48 a 1.217 ‰.
INSTANTIATE_TEST_SUITE_P(
    Ramas, TrazaAceroTest,
    ::testing::Values(CasoAcero{"PasivaElastica", 0, 0.001, 200.0},
                      CasoAcero{"PasivaPlastica", 0, 0.01, 347.826},
                      CasoAcero{"PasivaCompresion", 0, -0.003, -347.826},
                      CasoAcero{"ActivaElastica", 1, 0.001, 200.0},
                      CasoAcero{"ActivaCurva", 1, 0.01, 381.5},
                      CasoAcero{"ActivaFuera", 1, 50.0, std::nan("")},
                      // B 500 S: fyd = 434.78, εyd = 2.174 ‰, k = 1.05, εuk = 50 ‰.
                      CasoAcero{"CEHorizontal", 0, 0.2, 434.783, 0},
                      CasoAcero{"CEHorizontalCompresion", 0, -0.01, -434.783, 0},
                      CasoAcero{"CEHorizontalElastica", 0, 0.001, 200.0, 0},
                      CasoAcero{"CEInclinada", 0, 0.045, 454.249, 1},
                      CasoAcero{"CEInclinadaCompresion", 0, -0.02, -442.886, 1},
                      CasoAcero{"CEInclinadaElastica", 0, -0.001, -200.0, 1},
                      CasoAcero{"CEInclinadaFuera", 0, 0.05, std::nan(""), 1}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Bloque de ancho constante: valores a mano con fcd = 20 N/mm², b = 300 mm, x = 100 mm.
struct CasoBloque {
    const char* nombre;
    double epsC, C, yc;
};

class BloqueRectangularTest : public ::testing::TestWithParam<CasoBloque> {};

TEST_P(BloqueRectangularTest, ResultanteYCentro) {
    const auto& c = GetParam();
    EXPECT_NEAR(ResultanteRectangular(20.0, 300.0, 100.0, c.epsC), c.C, 0.01);
    EXPECT_NEAR(CentroRectangular(100.0, c.epsC), c.yc, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Deformaciones, BloqueRectangularTest,
    ::testing::Values(CasoBloque{"Agotamiento", 0.0035, 510000.0 * 17.0 / 21.0, 41.5966},
                      CasoBloque{"JustoDosPorMil", 0.002, 340000.0, 37.5},
                      CasoBloque{"UnPorMil", 0.001, 212500.0, 35.0}),
    [](const auto& i) { return std::string(i.param.nombre); });

struct CasoParabola {
    const char* nombre;
    int tipo;
    const char* x;
    const char* fck = "25";
    bool ce = false; // Código Estructural, Anejo 19
    double C = 0.0, yc = 0.0; // a mano, kN y m (0: sin valor a mano)
};

class TrazaParabolaTest : public ::testing::TestWithParam<CasoParabola> {};

TEST_P(TrazaParabolaTest, SustitucionesYResultante) {
    EstadoDiseno e;
    InicializarTablas(e);
    if (GetParam().ce)
        e.norma = Norma::CodigoEstructural;
    DatosParabola d;
    d.TipoSeccion = GetParam().tipo;
    d.Valor6 = GetParam().x;
    d.ResistenciaCaracteristica = GetParam().fck;
    const auto v = LeerDatosParabola(TextosParabola(d),
                                     d.TipoSeccion == 1 ? FormaSeccion::EnT
                                                        : FormaSeccion::Rectangular,
                                     SituacionDeProyecto::PersistenteOTransitoria);
    ASSERT_TRUE(v.ok());
    EstadoDiseno sinTraza = e;
    Traza t;
    ASSERT_TRUE(CalcularParabola(e, *v, &t).ok());
    ASSERT_TRUE(CalcularParabola(sinTraza, *v).ok());
    EXPECT_EQ(e.Cc, sinTraza.Cc);
    EXPECT_EQ(Problemas(t), "");
    // La resultante y su profundidad de la traza son las del cálculo, y éstas las de la mano.
    const Paso& C = t.pasos[t.pasos.size() - 2];
    EXPECT_EQ(C.simbolo, "C");
    EXPECT_EQ(C.valor, e.Cc * 0.001);
    EXPECT_EQ(t.pasos.back().valor, e.yc * 0.001);
    if (GetParam().C > 0.0) {
        EXPECT_NEAR(C.valor, GetParam().C, 0.01);
        EXPECT_NEAR(t.pasos.back().valor, GetParam().yc, 1e-5);
    }
    if (GetParam().ce) { // cada paso cita su apartado del Anejo 19
        for (const Paso& p : t.pasos) {
            EXPECT_TRUE(p.articulo.starts_with("Anejo 19, ")) << p.descripcion;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pivotes, TrazaParabolaTest,
                         // HA-25, γc = 1.5, b = 300 mm, d = 370 mm. x = 100 mm > 0.259·d: εc
                         // = 3.5 ‰, C = 0.85·16.667·300·100·(1 − (2/3.5)/3) = 344.048 kN, xg =
                         // 100·(1 − (0.5 − k²/12)/(1 − k/3)) = 41.597 mm. x = 30 mm: 10 ‰ en d,
                         // εc = 10·30/340 = 0.882 ‰, m = 0.4412, C = 127 500·(m − m²/3) =
                         // 47.978 kN, xg = 30·(1 − (2m/3 − m²/4)/(m − m²/3)) = 10.431 mm. Anejo
                         // 19, αcc = 1, n = 2: C = 16.667·300·100·(1 − 0.5714/3) = 404.762 kN,
                         // la misma xg que la EHE-98.
                         ::testing::Values(CasoParabola{"Agotamiento", 0, "0.1", "25", false,
                                                        344.048, 0.041597},
                                           CasoParabola{"PivoteAcero", 0, "0.03", "25", false,
                                                        47.978, 0.010431},
                                           CasoParabola{"TodaComprimida", 0, "0.5"},
                                           CasoParabola{"EnT", 1, "0.2"},
                                           CasoParabola{"CE", 0, "0.1", "25", true, 404.762,
                                                        0.041597},
                                           CasoParabola{"CEAlta", 0, "0.1", "70", true},
                                           CasoParabola{"CETodaComprimida", 0, "0.5", "60", true},
                                           CasoParabola{"CEEnT", 1, "0.2", "25", true}),
                         [](const auto& i) { return std::string(i.param.nombre); });

// Un bloque rechazado (fibra neutra nula, recubrimiento mayor que el canto) no deja pasos.
TEST(TrazaParabolaRechazo, SinPasos) {
    for (const Norma norma : {Norma::EHE98, Norma::CodigoEstructural}) {
        for (const auto& [x, d1] : {std::pair{"0", "0.03"}, std::pair{"0.1", "0.5"}}) {
            EstadoDiseno e;
            InicializarTablas(e);
            e.norma = norma;
            DatosParabola d;
            d.Valor6 = x;
            d.Valor3 = d1;
            const auto v = LeerDatosParabola(TextosParabola(d), FormaSeccion::Rectangular,
                                             SituacionDeProyecto::PersistenteOTransitoria);
            ASSERT_TRUE(v.ok());
            Traza t;
            EXPECT_FALSE(CalcularParabola(e, *v, &t).ok());
            EXPECT_TRUE(t.pasos.empty());
        }
    }
}

} // namespace
