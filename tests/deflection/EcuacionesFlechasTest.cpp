// Ecuaciones de las flechas con valores calculados a mano, y el lector de sus campos.
#include "common/Expresion.h"
#include "deflection/DescripcionFlechas.h"

#include "common/Fixturas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace velmora;

namespace {

using pruebas::CasoEcuacion;
class EcuacionFlechas : public testing::TestWithParam<CasoEcuacion> {};

TEST_P(EcuacionFlechas, ValorCalculadoAMano) {
    const auto& p = GetParam();
    EXPECT_NEAR(p.valor(), p.esperado, p.tolerancia);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, EcuacionFlechas,
    testing::Values(
        // 8500·(25 + 8)^(1/3) = 8500·3.20753 = 27 264.0 N/mm².
        CasoEcuacion{"EcHA25", [] { return Ec(25); }, 27264.0, 0.05},
        // 8500·(42)^(1/3) = 8500·3.47603 = 29 546.2 N/mm².
        CasoEcuacion{"EcHA34", [] { return Ec(34); }, 29546.2, 0.1},
        // 300·400³/12 = 1.6·10⁹ mm⁴.
        CasoEcuacion{"Ib", [] { return Ib(300, 400); }, 1.6e9, 1e-3},
        // 0.37·25^(2/3)·2·1.6·10⁹/400 = 0.37·8.5499·8·10⁶ = 25.31·10⁶ N·mm.
        CasoEcuacion{"Mf", [] { return Mf(25, 1.6e9, 400); }, 25.3076e6, 200},
        CasoEcuacion{"Neq", [] { return Neq(27264.04); }, 7.3357, 1e-4},
        // b·x²/2 = n·A1·(d − x) con b = 200, d = 500, A1 = 1000, n = 10:
        // x² + 100·x − 50 000 = 0 → x = 179.13 mm.
        CasoEcuacion{"ProfundidadFisurada",
                     [] { return ProfundidadFisurada(10, 0.01, 0, 500, 50); }, 179.129, 1e-3},
        // 10·1000·(500 − 100)·(500 − 100/3) = 1.86667·10⁹ mm⁴.
        CasoEcuacion{"Ifis", [] { return Ifis(10, 1000, 0, 500, 50, 100); }, 1.866667e9, 1e3},
        // (1/2)³·1000 + (1 − 1/8)·100 = 125 + 87.5.
        CasoEcuacion{"IeBranson", [] { return Ie(1, 2, 1000, 100); }, 212.5, 1e-12},
        CasoEcuacion{"IeNuncaMayorQueIb", [] { return Ie(2, 1, 1000, 100); }, 1000, 0},
        // 2/(1 + 50·0.005) = 1.6.
        CasoEcuacion{"Lambda", [] { return Lambda(2.0, 0.005); }, 1.6, 1e-12}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoLectura {
    const char* nombre;
    const char* control;
    const char* texto;
    const char* mensaje;
};
class LecturaFlechas : public testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaFlechas, MensajeQueNombraElCampo) {
    const auto& p = GetParam();
    TextosCampos t = TextosPorOmision(CamposFlechas);
    t[p.control] = p.texto;
    const auto r = LeerDatosFlecha(t, 0, 0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, p.mensaje);
    EXPECT_EQ(r.error().campo, p.control);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaFlechas,
    testing::Values(
        CasoLectura{"AnchoDesmesurado", "Valorb", "1e308",
                    "Ancho b debe estar entre 0.01 y 20 m (se ha leído 1e+308 m)."},
        CasoLectura{"AnchoDiminuto", "Valorb", "1e-308",
                    "Ancho b debe estar entre 0.01 y 20 m (se ha leído 1e-308 m)."},
        CasoLectura{"CantoDeUnKilometro", "Valorh", "1000",
                    "Canto h debe estar entre 0.01 y 20 m (se ha leído 1000 m)."},
        CasoLectura{"CantoNulo", "Valorh", "0", "El canto h ha de ser mayor que 0."},
        CasoLectura{"Momento", "ValorMa", "-2e6",
                    "Momento Ma debe estar entre -1e+06 y 1e+06 kN·m (se ha leído -2e+06 kN·m)."}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularFlecha, InerciaQueNoCabeEnSuRotulo) {
    EstadoDiseno e;
    InicializarTablas(e);
    ASSERT_TRUE(DerivarMateriales(e, EleccionParametros{}).ok());
    // 20 m × 20 m: Ib = 1.33·10¹⁶ mm⁴ = 1.33·10¹² cm⁴, 15 cifras.
    DatosFlecha d;
    d.h = d.b = 20000;
    d.d1 = d.d2 = 30;
    d.Ma = 1e6;
    const auto r = CalcularFlecha(e, d);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().mensaje.find("flechas"), std::string::npos);
    EXPECT_EQ(e.h, 0.0);
}

TEST(CalcularFactor, CoeficienteFueraDeSuIntervalo) {
    double xi = 0;
    const auto r = CalcularFactor(0, 300, 370, 6, "1e300", xi);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "Valor");
    EXPECT_EQ(r.error().mensaje, "ξ debe estar entre 0 y 10 (se ha leído 1e+300).");
}

// La traza del cálculo: cada sustitución da el valor de su paso, fisure o no la sección.
class TrazaFlechasTabla : public testing::TestWithParam<double> {};

// Traza de una viga de 30×40 cm con 3Ø16 y 2Ø12, HA-25 y B 500 S, bajo el momento Ma (N·mm).
Traza TrazaDeLaViga(double Ma) {
    EstadoDiseno e;
    InicializarTablas(e);
    EXPECT_TRUE(DerivarMateriales(e, EleccionParametros{}).ok());
    DatosFlecha d;
    d.h = 400;
    d.b = 300;
    d.d1 = d.d2 = 30;
    d.Ma = Ma;
    d.AreaA1 = 603.19; // 3Ø16
    d.AreaA2 = 226.19; // 2Ø12
    Traza t;
    const auto c = CalcularFlecha(e, d, &t);
    EXPECT_TRUE(c.ok()) << c.error().mensaje;
    return t;
}

TEST_P(TrazaFlechasTabla, SustitucionesQueDanElValor) {
    const Traza t = TrazaDeLaViga(GetParam());
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{});
    EXPECT_GE(t.pasos.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Momentos, TrazaFlechasTabla, testing::Values(1e6, 30e6, 60e6, 120e6));

// El momento de fisuración se escribe en kN·m con dos decimales, como los demás momentos y la
// fila «Momento de fisuración» de la comparación de normas: con fck = 25, b = 300 y h = 400,
// Mf = 0.37·25^(2/3)·2·(300·400³/12)/400 = 0.37·8.5498797·8·10⁶ N·mm = 25.31 kN·m.
TEST(TrazaFlechas, MomentoDeFisuracionConLosDecimalesDeUnMomento) {
    const Traza t = TrazaDeLaViga(60e6);
    const auto mf = std::find_if(t.pasos.begin(), t.pasos.end(),
                                 [](const Paso& p) { return p.simbolo == "M<sub>f</sub>"; });
    ASSERT_NE(mf, t.pasos.end());
    EXPECT_EQ(mf->unidad, "kN·m");
    EXPECT_EQ(mf->decimales, 2);
    EXPECT_NEAR(mf->valor, 25.308, 0.001);
}

} // namespace
