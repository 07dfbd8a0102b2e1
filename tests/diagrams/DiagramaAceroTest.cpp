#include "tests/common/Fixturas.h"
#include "diagrams/DiagramaAcero.h"

#include "design/MaterialesDelEstado.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct CasoDiagrama {
    const char* nombre;
    EleccionDiagrama eleccion;
    double fyd;
    const char* Label20;
    const char* Label28;
    const char* Label29;
    const char* Label30;
};

class MostrarDiagramaTest : public ::testing::TestWithParam<CasoDiagrama> {};

TEST_P(MostrarDiagramaTest, RotulosYEstado) {
    const auto& c = GetParam();
    EstadoDiseno e = pruebas::EstadoInicial();
    const RotulosDiagrama r = RotularDiagrama(e, c.eleccion);
    EXPECT_EQ(r.Label20, c.Label20);
    EXPECT_EQ(r.Label28, c.Label28);
    EXPECT_EQ(r.Label29, c.Label29);
    EXPECT_EQ(r.Label30, c.Label30);
    EXPECT_EQ(r.ValorTension, "=");
    EXPECT_NEAR(e.fyd, c.fyd, 0.01);
    EXPECT_EQ(e.fyk, c.eleccion.DesignacionAcero == DesignacionDeAcero::B500S ? 500.0 : 400.0);
    EXPECT_EQ(e.gammaS,
              c.eleccion.SituacionProyecto == SituacionDeProyecto::Accidental ? 1.0 : 1.15);
    EXPECT_EQ(e.ArmaduraPasiva, c.eleccion.TipoDiagrama == TipoDiagramaAcero::Pasiva);
    EXPECT_EQ(e.IndiceEs, static_cast<int>(c.eleccion.ValorEs) + 1);
}

// EleccionDeIndices(Designacion, TipoDiagrama, Control, Situacion, ValorEs)
INSTANTIATE_TEST_SUITE_P(Elecciones, MostrarDiagramaTest,
                         ::testing::Values(
                             // 0.002 ya pasa de fyd/Es = 347.83/200000 = 0.00174.
                             CasoDiagrama{"PorOmision",
                                          EleccionDeIndices(0, 0, 0, 0, 1),
                                          347.83,
                                          "f    =  347.8  N/mm",
                                          "(0.002)   =  347.8  N/mm",
                                          "(0.0035) =  347.8  N/mm",
                                          "(0.01)     =  347.8  N/mm"},
                             // 0.002·190000 = 380 por debajo de fyd/Es = 0.00229.
                             CasoDiagrama{"B500Es190000",
                                          EleccionDeIndices(1, 0, 0, 0, 0),
                                          434.78,
                                          "f    =  434.8  N/mm",
                                          "(0.002)   =  380.0  N/mm",
                                          "(0.0035) =  434.8  N/mm",
                                          "(0.01)     =  434.8  N/mm"},
                             // Justo en fyd/Es = 400/200000 = 0.002 se da fyd.
                             CasoDiagrama{"AccidentalEnElCodo",
                                          EleccionDeIndices(0, 0, 0, 1, 1),
                                          400.0,
                                          "f    =  400.0  N/mm",
                                          "(0.002)   =  400.0  N/mm",
                                          "(0.0035) =  400.0  N/mm",
                                          "(0.01)     =  400.0  N/mm"},
                             CasoDiagrama{"ControlReducido",
                                          EleccionDeIndices(1, 0, 1, 0, 1),
                                          326.09,
                                          "f    =  326.1  N/mm",
                                          "(0.002)   =  326.1  N/mm",
                                          "(0.0035) =  326.1  N/mm",
                                          "(0.01)     =  326.1  N/mm"},
                             // Curva de la armadura activa; la última por encima de fyd.
                             CasoDiagrama{"ActivaPorOmision",
                                          EleccionDeIndices(0, 1, 0, 0, 1),
                                          347.83,
                                          "f    =  347.8  N/mm",
                                          "(0.002)   =  319.2  N/mm",
                                          "(0.0035) =  345.3  N/mm",
                                          "(0.01)     =  381.5  N/mm"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct CasoCalcular {
    const char* nombre;
    int TipoDiagrama;
    const char* Valor1;
    const char* ValorTension;
};

class RotuloCalcularTest : public ::testing::TestWithParam<CasoCalcular> {};

TEST_P(RotuloCalcularTest, TensionParaLaDeformacionEscrita) {
    const auto& c = GetParam();
    EstadoDiseno e = pruebas::EstadoInicial();
    EleccionDiagrama eleccion;
    eleccion.TipoDiagrama = static_cast<TipoDiagramaAcero>(c.TipoDiagrama);
    const auto r = RotuloCalcular(e, eleccion, c.Valor1);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(*r, c.ValorTension);
    EXPECT_EQ(e.ArmaduraPasiva, c.TipoDiagrama == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Deformaciones, RotuloCalcularTest,
    ::testing::Values(CasoCalcular{"PasivaElastica", 0, "0.001", "=   200.0"},
                      CasoCalcular{"PasivaPlastica", 0, "0.05", "=   347.8"},
                      // Simétrica: en compresión la rama horizontal es −fyd.
                      CasoCalcular{"PasivaCompresion", 0, "-0.003", "=   -347.8"},
                      CasoCalcular{"ActivaElastica", 1, "0.001", "=   200.0"},
                      CasoCalcular{"ActivaCurva", 1, "0.01", "=   381.5"},
                      CasoCalcular{"ActivaCompresion", 1, "-0.001", "=   -200.0"},
                      CasoCalcular{"VacioEsCero", 1, "", "=    0.0"},
                      // La tensión pasaría de 1000 N/mm²: la bisección termina y lo dice.
                      CasoCalcular{"ActivaFueraDelDiagrama", 1, "50",
                                   "Fuera del rango del diagrama"},
                      CasoCalcular{"ActivaEnorme", 1, "1e300", "Fuera del rango del diagrama"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(DiagramaAceroCalcular, TextoNoNumericoNoCambiaNada) {
    EstadoDiseno e = pruebas::EstadoInicial();
    const auto r = RotuloCalcular(e, EleccionDiagrama{}, "0.0o1");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "Valor1");
    EXPECT_NE(r.error().mensaje.find("Deformación del acero"), std::string::npos);
    EXPECT_EQ(e.fyd, 0.0);
}

TEST(DiagramaAceroCalcular, FueraDelDiagramaEsUnErrorParaQuienPideElNumero) {
    EstadoDiseno e = pruebas::EstadoInicial();
    EleccionDiagrama activa;
    activa.TipoDiagrama = TipoDiagramaAcero::Activa;
    const auto r = CalcularTension(e, activa, 50.0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, MensajeFueraDiagramaActivo);
    EXPECT_EQ(r.error().campo, "Valor1");
}

TEST(DiagramaAceroDibujo, PasivoBilineal) {
    EstadoDiseno e = pruebas::EstadoInicial();
    LeerDatosDiagrama(e, EleccionDiagrama{});
    const DibujoAcero d = CalcularDibujoAcero(e, true, 0.001);
    EXPECT_FALSE(d.Activo);
    EXPECT_NEAR(d.Plastificacion.eps, 347.826 / 200000.0, 1e-8);
    EXPECT_NEAR(d.Plastificacion.sigma, 347.826, 1e-3);
    ASSERT_EQ(d.RamaPlastica.size(), 2u);
    EXPECT_DOUBLE_EQ(d.RamaPlastica.back().eps, 0.01);
    EXPECT_DOUBLE_EQ(d.RamaPlastica.back().sigma, e.fyd);
    ASSERT_TRUE(d.HayPunto);
    EXPECT_NEAR(d.Punto.sigma, 200.0, 1e-9);
    EXPECT_DOUBLE_EQ(d.epsMin, 0.0);
    EXPECT_DOUBLE_EQ(d.sigmaMax, e.fyd);
}

TEST(DiagramaAceroDibujo, ActivoCurvoYPlastificacionSobreLaCurva) {
    EstadoDiseno e = pruebas::EstadoInicial();
    EleccionDiagrama activa;
    activa.TipoDiagrama = TipoDiagramaAcero::Activa;
    LeerDatosDiagrama(e, activa);
    const DibujoAcero d = CalcularDibujoAcero(e, true, 0.02);
    ASSERT_TRUE(d.Activo);
    // fyd se alcanza con una deformación remanente de 0.002 (0.823·0.3^5).
    EXPECT_NEAR(d.Plastificacion.eps, e.fyd / 200000.0 + 0.002, 1e-5);
    EXPECT_NEAR(TensionAcero(e, d.Plastificacion.eps, e.fyd), e.fyd, 1e-4);
    EXPECT_NEAR(d.LimiteProporcional.sigma, 0.7 * e.fyd, 1e-9);
    ASSERT_GT(d.RamaPlastica.size(), 10u);
    for (std::size_t i = 1; i < d.RamaPlastica.size(); ++i)
        EXPECT_GT(d.RamaPlastica[i].sigma, d.RamaPlastica[i - 1].sigma) << i;
    EXPECT_DOUBLE_EQ(d.epsMax, 0.02);
    EXPECT_NEAR(d.RamaPlastica.front().sigma, 0.7 * e.fyd, 1e-6);
    EXPECT_GT(d.sigmaMax, e.fyd);
}

TEST(DiagramaAceroDibujo, PuntoFueraDeEscalaNoSeDibuja) {
    EstadoDiseno e = pruebas::EstadoInicial();
    LeerDatosDiagrama(e, EleccionDiagrama{});
    const DibujoAcero lejos = CalcularDibujoAcero(e, true, 0.5);
    EXPECT_FALSE(lejos.HayPunto);
    EXPECT_DOUBLE_EQ(lejos.epsMax, 0.01);
    const DibujoAcero negativo = CalcularDibujoAcero(e, true, -0.003);
    ASSERT_TRUE(negativo.HayPunto);
    EXPECT_DOUBLE_EQ(negativo.epsMin, -0.003);
    EXPECT_NEAR(negativo.sigmaMin, -e.fyd, 1e-9);
    ASSERT_EQ(negativo.RamaCompresion.size(), 2u);
    EXPECT_DOUBLE_EQ(negativo.RamaElastica.front().eps, -e.fyd / 200000.0);
    const DibujoAcero sinPunto = CalcularDibujoAcero(e, false, 0.001);
    EXPECT_FALSE(sinPunto.HayPunto);
}

} // namespace

// Un grupo sin opción elegida (índice −1) o un índice que no existe vale su opción de arranque.
TEST(EleccionDeIndices, FueraDelGrupoEsLaDeArranque) {
    const EleccionDiagrama c = EleccionDeIndices(-1, 2, 5, -3, 3);
    EXPECT_EQ(c.DesignacionAcero, DesignacionDeAcero::B400S);
    EXPECT_EQ(c.TipoDiagrama, TipoDiagramaAcero::Pasiva);
    EXPECT_EQ(c.ControlAcero, ControlDeAcero::Normal);
    EXPECT_EQ(c.SituacionProyecto, SituacionDeProyecto::PersistenteOTransitoria);
    EXPECT_EQ(c.ValorEs, ModuloDelAcero::Es200000);
    const EleccionDiagrama u = EleccionDeIndices(1, 1, 1, 1, 2);
    EXPECT_EQ(u.DesignacionAcero, DesignacionDeAcero::B500S);
    EXPECT_EQ(u.TipoDiagrama, TipoDiagramaAcero::Activa);
    EXPECT_EQ(u.ControlAcero, ControlDeAcero::Reducido);
    EXPECT_EQ(u.SituacionProyecto, SituacionDeProyecto::Accidental);
    EXPECT_EQ(u.ValorEs, ModuloDelAcero::Es210000);
}

// --- Código Estructural (Anejo 19, 3.2.7): Es = 200 000 N/mm², rama superior elegida ---

namespace {

EstadoDiseno EstadoAceroCE() {
    EstadoDiseno e = pruebas::EstadoInicial();
    e.norma = Norma::CodigoEstructural;
    return e;
}

EleccionDiagrama EleccionAceroCE(int designacion, int control, int situacion, bool inclinada,
                            double k = 1.05, double epsUk = 0.05) {
    EleccionDiagrama c = EleccionDeIndices(designacion, 0, control, situacion, 1);
    c.Rama = inclinada ? RamaSuperior::Inclinada : RamaSuperior::Horizontal;
    c.Inclinada = {k, epsUk};
    return c;
}

// Tensiones a mano: B 500 S, γs = 1.15: fyd = 434.783, εyd = 2.174 ‰; rama inclinada con k =
// 1.05, εuk = 50 ‰: σ = fyd + (1.05·fyd − fyd)·(ε − εyd)/(εuk − εyd), en εud = 45 ‰ 454.249.
// B 400 S intenso (γs = 1.10): fyd = 363.636. B 400 S accidental (γs = 1.0): fyd = 400, εyd =
// 2 ‰, k = 1.08, εuk = 75 ‰: en 30 ‰, 400 + 32·28/73 = 412.274.
struct CasoTensionAceroCE {
    const char* nombre;
    EleccionDiagrama eleccion;
    double eps, fyd, gammaS, sigma;
};

class TensionAceroCETest : public ::testing::TestWithParam<CasoTensionAceroCE> {};

TEST_P(TensionAceroCETest, RamaElegida) {
    const auto& c = GetParam();
    EstadoDiseno e = EstadoAceroCE();
    const auto sigma = CalcularTension(e, c.eleccion, c.eps);
    ASSERT_TRUE(sigma.ok()) << sigma.error().mensaje;
    EXPECT_NEAR(*sigma, c.sigma, 1e-3);
    EXPECT_NEAR(e.fyd, c.fyd, 1e-3);
    EXPECT_EQ(e.gammaS, c.gammaS);
    EXPECT_TRUE(e.ArmaduraPasiva);
    EXPECT_EQ(e.IndiceEs, 2); // 200 000 N/mm²
}

INSTANTIATE_TEST_SUITE_P(
    Anejo19, TensionAceroCETest,
    ::testing::Values(
        CasoTensionAceroCE{"HorizontalElastica", EleccionAceroCE(1, 0, 0, false), 0.002, 434.783,
                           1.15, 400.0},
        CasoTensionAceroCE{"HorizontalEnFyd", EleccionAceroCE(1, 0, 0, false), 0.01, 434.783, 1.15,
                           434.783},
        // Sin límite de deformación: un 50 % sigue en fyd.
        CasoTensionAceroCE{"HorizontalSinLimite", EleccionAceroCE(1, 0, 0, false), 0.5, 434.783,
                           1.15, 434.783},
        CasoTensionAceroCE{"HorizontalCompresion", EleccionAceroCE(1, 0, 0, false), -0.003, 434.783,
                           1.15, -434.783},
        CasoTensionAceroCE{"HorizontalIntenso", EleccionAceroCE(0, 1, 0, false), 0.01, 363.636, 1.10,
                           363.636},
        CasoTensionAceroCE{"InclinadaElastica", EleccionAceroCE(1, 0, 0, true), 0.001, 434.783, 1.15,
                           200.0},
        CasoTensionAceroCE{"InclinadaEn10", EleccionAceroCE(1, 0, 0, true), 0.01, 434.783, 1.15,
                           434.7826 + 21.73913 * (0.01 - 0.00217391) / (0.05 - 0.00217391)},
        CasoTensionAceroCE{"InclinadaEnEud", EleccionAceroCE(1, 0, 0, true), 0.045, 434.783, 1.15,
                           454.249},
        CasoTensionAceroCE{"InclinadaCompresion", EleccionAceroCE(1, 0, 0, true), -0.02, 434.783,
                           1.15, -442.886},
        CasoTensionAceroCE{"InclinadaAccidental", EleccionAceroCE(0, 0, 1, true, 1.08, 0.075), 0.03,
                           400.0, 1.0, 412.274}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(DiagramaAceroCE, MasAlladeEudSeRechazaNombrandoElCampo) {
    EstadoDiseno e = EstadoAceroCE();
    const auto c = EleccionAceroCE(1, 0, 0, true);
    EXPECT_TRUE(CalcularTension(e, c, -0.045).ok()); // εud incluido, también en compresión
    const auto r = RotuloCalcular(e, c, "0.0451");
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "Valor1");
    EXPECT_NE(r.error().mensaje.find("εud = 0.9·εuk = 45.00 ‰"), std::string::npos);
    EXPECT_NE(r.error().mensaje.find("Anejo 19, 3.2.7(2)a"), std::string::npos);
    // La rama horizontal no tiene límite.
    EXPECT_EQ(*RotuloCalcular(e, EleccionAceroCE(1, 0, 0, false), "0.2"), "=   434.8");
}

struct CasoRamaInclinada {
    const char* k;
    const char* epsUk;
    const char* campo; // "" si se admite
};

class LeerRamaInclinadaTest : public ::testing::TestWithParam<CasoRamaInclinada> {};

// B 500 S, γs = 1.15: εyd = 2.174 ‰ = 0.2174 %.
TEST_P(LeerRamaInclinadaTest, IntervalosYEpsilonYd) {
    const auto& c = GetParam();
    const TextosCampos textos{{"CoeficienteK", c.k}, {"DeformacionUk", c.epsUk}};
    const auto r = LeerRamaInclinada(textos, 500.0 / 1.15);
    if (std::string(c.campo).empty()) {
        ASSERT_TRUE(r.ok()) << r.error().mensaje;
        return;
    }
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, c.campo);
}

INSTANTIATE_TEST_SUITE_P(Datos, LeerRamaInclinadaTest,
                         ::testing::Values(CasoRamaInclinada{"1.05", "5.0", ""},
                                           CasoRamaInclinada{"1", "0.22", ""},
                                           CasoRamaInclinada{"1.5", "100", ""},
                                           CasoRamaInclinada{"0.99", "5", "CoeficienteK"},
                                           CasoRamaInclinada{"1.51", "5", "CoeficienteK"},
                                           CasoRamaInclinada{"abc", "5", "CoeficienteK"},
                                           // εuk apenas por encima y apenas por debajo de εyd.
                                           CasoRamaInclinada{"1.05", "0.2174", ""},
                                           CasoRamaInclinada{"1.05", "0.2173", "DeformacionUk"},
                                           CasoRamaInclinada{"1.05", "0", "DeformacionUk"},
                                           CasoRamaInclinada{"1.05", "101", "DeformacionUk"},
                                           CasoRamaInclinada{"1.05", "5,0.1", "DeformacionUk"}));

TEST(DiagramaAceroCE, RotulosDeLaNorma) {
    EstadoDiseno e = EstadoAceroCE();
    const auto c = EleccionAceroCE(1, 0, 0, true);
    const RotulosDiagrama r = RotularDiagrama(e, c);
    EXPECT_EQ(r.Label20, "f    =  434.8  N/mm");
    EXPECT_EQ(r.Label28, "(0.002)   =  400.0  N/mm");
    EXPECT_EQ(r.Label30, "(0.01)     =  438.3  N/mm");
    EXPECT_EQ(TextoLeyAceroCE(e, c),
              "Código Estructural, Anejo 19, 3.2.7(2)a: de fyd = 434.8 N/mm² en εyd = 2.17 ‰ a "
              "k·fyk/γs = 456.5 N/mm² en εuk = 50.0 ‰; límite εud = 0.9·εuk = 45.0 ‰");
    EXPECT_EQ(TextoEtiquetaTipoDiagrama(e, c), "ar.pasiva, rama inclinada");
    EXPECT_EQ(TextoEtiquetaGammas(e, EleccionAceroCE(1, 1, 0, false)), "= 1.10");
    EXPECT_EQ(TextoEtiquetaEs(e, ModuloDelAcero::Es190000), "= 200000 N/mm");
    // εuk = 1 %: εud = 9 ‰ < 10 ‰, la tensión característica de 0.01 no existe.
    EXPECT_EQ(RotularDiagrama(e, EleccionAceroCE(1, 0, 0, true, 1.05, 0.01)).Label30,
              "(0.01)     =  sin valor: ε > εud");
}

TEST(DiagramaAceroCE, DibujoDeLaRamaInclinadaHastaEud) {
    EstadoDiseno e = EstadoAceroCE();
    const auto c = EleccionAceroCE(1, 0, 0, true);
    LeerDatosDiagrama(e, c);
    const DibujoAcero d = CalcularDibujoAcero(e, true, -0.02, c);
    EXPECT_TRUE(d.CodigoEstructural);
    ASSERT_TRUE(d.HayLimite);
    EXPECT_NEAR(d.Limite.eps, 0.045, 1e-12);
    EXPECT_NEAR(d.Limite.sigma, 454.249, 1e-3);
    EXPECT_NEAR(d.epsMax, 0.045, 1e-12);
    EXPECT_NEAR(d.Plastificacion.eps, 500.0 / 1.15 / 200000.0, 1e-12);
    // La compresión escrita lleva la rama superior en compresión hasta el punto.
    ASSERT_EQ(d.RamaCompresion.size(), 2u);
    EXPECT_NEAR(d.RamaCompresion.front().sigma, -442.886, 1e-3);
    EXPECT_TRUE(d.HayPunto);
    // Más allá de εud no hay punto que marcar.
    EXPECT_FALSE(CalcularDibujoAcero(e, true, 0.05, c).HayPunto);
}

} // namespace
