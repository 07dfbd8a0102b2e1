// Ecuaciones del cortante de vigas y de los cercos de pilares con valores calculados a mano, y
// los lectores de sus campos.
#include "shear/DescripcionCortante.h"

#include "common/Fixturas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

using namespace velmora;

namespace {

constexpr double fcd25 = 25.0 / 1.5;
constexpr double fyd400 = 400.0 / 1.15;
const double cot30 = std::sqrt(3.0);

using pruebas::CasoEcuacion;
class EcuacionCortante : public testing::TestWithParam<CasoEcuacion> {};

TEST_P(EcuacionCortante, ValorCalculadoAMano) {
    const auto& p = GetParam();
    EXPECT_NEAR(p.valor(), p.esperado, p.tolerancia);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, EcuacionCortante,
    testing::Values(
        // 0.60·16.67·300·360·(1 + 0)/(1 + 1) = 540 000 N.
        CasoEcuacion{"Vu1Cercos90", [] { return Vu1(fcd25, 300, 360, 1.0, 0.0); }, 540000, 1e-6},
        // θ = 30º: 10·300·360·1.7321/(1 + 3) = 467 654 N.
        CasoEcuacion{"Vu1Teta30", [] { return Vu1(fcd25, 300, 360, cot30, 0.0); }, 467653.7, 0.1},
        // α = 45º: (1 + 1)/(1 + 1) = 1 → 1 080 000 N.
        CasoEcuacion{"Vu1Alfa45", [] { return Vu1(fcd25, 300, 360, 1.0, 1.0); }, 1080000, 1e-6},
        CasoEcuacion{"FyadLimitada", [] { return Fyad(500 / 1.15); }, 400, 0},
        CasoEcuacion{"FyadB400", [] { return Fyad(fyd400); }, 347.826, 1e-3},
        CasoEcuacion{"RhoL", [] { return RhoL(1000, 300, 360); }, 0.0092593, 1e-7},
        CasoEcuacion{"RhoLLimitada", [] { return RhoL(5000, 300, 360); }, 0.02, 0},
        CasoEcuacion{"XiCanto200", [] { return Xi(200); }, 2.0, 1e-12},
        CasoEcuacion{"XiCanto800", [] { return Xi(800); }, 1.5, 1e-12},
        // 1·0.10·2·(100·0.01·25)^(1/3)·300·200 = 0.2·2.92402·60 000 = 35 088.2 N.
        CasoEcuacion{"Vcu", [] { return Vcu(1.0, 2.0, 0.01, 25, 300, 200); }, 35088.2, 0.1},
        // 100·0.9·500·1·(0 + 1)·400/90 = 200 000 N.
        CasoEcuacion{"Vsu", [] { return Vsu(100, 500, 1, 0, 1, 400, 90); }, 200000, 1e-6},
        // α = 45º: 0.7071·(1 + 1) = 1.4142 → 282 843 N.
        CasoEcuacion{"VsuAlfa45",
                     [] { return Vsu(100, 500, std::sqrt(0.5), 1, 1, 400, 90); }, 282842.7, 0.1},
        // 0.9·500·1·1·400·100/(300 000 − 100 000) = 90 mm.
        CasoEcuacion{"StResistente",
                     [] { return StResistente(100, 500, 1, 0, 1, 400, 300000, 100000); }, 90,
                     1e-9},
        // 2 ramas de 10 mm: 50·157.08·347.83/(16.67·300) = 546.4 mm.
        CasoEcuacion{"StMinima",
                     [] { return StMinima(2 * std::numbers::pi * 25, fyd400, fcd25, 300, 1); },
                     546.36, 0.01},
        CasoEcuacion{"SigmaFisuracion",
                     [] { return SigmaFisuracion(500000, 50000, 1, 100, 500); }, 7.0, 1e-12},
        CasoEcuacion{"StFisuracion160", [] { return StFisuracion(160); }, 50, 0},
        CasoEcuacion{"StFisuracion150", [] { return StFisuracion(150); }, 100, 0},
        CasoEcuacion{"StFisuracion80", [] { return StFisuracion(80); }, 150, 0},
        CasoEcuacion{"StFisuracion60", [] { return StFisuracion(60); }, 200, 0},
        CasoEcuacion{"StFisuracion50", [] { return StFisuracion(50); }, 300, 0},
        // Vd > 2/3·Vu1: 0.3·d = 108 mm; Vd > 0.2·Vu1: 0.6·d; si no, 0.8·d ≤ 300 mm.
        CasoEcuacion{"StMaximaAlta", [] { return StMaxima(400000, 540000, 360); }, 108, 1e-9},
        CasoEcuacion{"StMaximaMedia", [] { return StMaxima(200000, 540000, 360); }, 216, 1e-9},
        CasoEcuacion{"StMaximaBaja", [] { return StMaxima(100000, 540000, 360); }, 288, 1e-9},
        CasoEcuacion{"StMaxima300", [] { return StMaxima(100000, 540000, 1000); }, 300, 0},
        CasoEcuacion{"StMaxima200", [] { return StMaxima(500000, 540000, 1000); }, 200, 0},
        // Pilares: 0.8·(300 − 30) = 216; lado 300; 15·12 = 180 mm.
        CasoEcuacion{"StPilarQuinceDiametros", [] { return SeparacionCercosPilar(300, 300, 30, 12); },
                     180, 1e-9},
        // 0.8·(400 − 30) = 296; lado menor 250; 15·20 = 300 → 250 mm.
        CasoEcuacion{"StPilarLadoMenor", [] { return SeparacionCercosPilar(400, 250, 30, 20); },
                     250, 1e-9},
        CasoEcuacion{"StPilarLado300", [] { return SeparacionCercosPilar(800, 600, 40, 25); },
                     300, 1e-9},
        CasoEcuacion{"PhiPilarCuarto", [] { return DiametroCercoPilar(180, 12, 16); }, 4, 1e-12},
        // 25·√(250/(240·20)) = 25·0.22822 = 5.705 mm.
        CasoEcuacion{"PhiPilarReducido", [] { return DiametroCercoPilar(250, 20, 25); }, 5.7054,
                     1e-4}),
    [](const auto& info) { return std::string(info.param.nombre); });

// --- Lectores ---

struct CasoLectura {
    const char* nombre;
    const char* control;
    const char* texto;
    const char* mensaje; // vacío: se lee
};
class LecturaCortante : public testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaCortante, MensajeQueNombraElCampo) {
    const auto& p = GetParam();
    TextosCampos t = TextosPorOmision(CamposCortante);
    t[p.control] = p.texto;
    const auto r = LeerDatosCortante(t, true, 0);
    if (std::string(p.mensaje).empty()) {
        EXPECT_TRUE(r.ok()) << r.error().mensaje;
        return;
    }
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, p.mensaje);
    EXPECT_EQ(r.error().campo, p.control);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaCortante,
    testing::Values(
        CasoLectura{"AnchoDesmesurado", "CuadroAncho", "1e+308",
                    "Ancho b debe estar entre 0.01 y 20 m (se ha leído 1e+308 m)."},
        // El mensaje de siempre gana a los valores que ya rechazaba.
        CasoLectura{"AnchoNegativo", "CuadroAncho", "-1e308", "El ancho b ha de ser mayor que 0."},
        CasoLectura{"AlfaDesmesurado", "CuadroAlfa", "1e300",
                    "El ángulo α de las armaduras con el eje ha de estar entre 0º y 180º, sin "
                    "incluirlos (se escribió 1e+300º)."},
        CasoLectura{"Vd2DeDoscientasCifras", "CuadroVd2", "1e200",
                    "Cortante Vd2 debe estar entre -1e+06 y 1e+06 kN (se ha leído 1e+200 kN)."},
        CasoLectura{"DiametroComprimido", "CuadroDiametroMaximo", "60",
                    "Diámetro máximo comprimido debe estar entre 0 y 50 mm (se ha leído 60 mm)."},
        CasoLectura{"Vd1Limite", "CuadroVd1", "-1000000", ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(LeerDatosCortante, UnidadesDeCalculo) {
    const auto r = LeerDatosCortante(TextosPorOmision(CamposCortante), false, 150);
    ASSERT_TRUE(r.ok());
    EXPECT_DOUBLE_EQ(r.valor().d, 360);
    EXPECT_DOUBLE_EQ(r.valor().b, 300);
    EXPECT_DOUBLE_EQ(r.valor().Vd3, 1000);
    EXPECT_DOUBLE_EQ(r.valor().Asl, 150);
    EXPECT_EQ(r.valor().phiMinComp, 0); // sin la casilla no se leen
}

TEST(LeerDatosCortante, TextoQueNoEsNumero) {
    TextosCampos t = TextosPorOmision(CamposCortante);
    t["CuadroCantoUtil"] = "dos";
    const auto r = LeerDatosCortante(t, false, 0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "CuadroCantoUtil");
    EXPECT_NE(r.error().mensaje.find("Canto útil d"), std::string::npos);
}

TEST(LeerDatosCercos, DiametroDesmesuradoNoMueveElOtro) {
    TextosCampos t = TextosPorOmision(CamposCercos);
    t["DiametroMinimo"] = std::string(200, '8');
    EXPECT_EQ(DiametroAjustado(t, true), "");
    const auto r = LeerDatosCercos(t);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "DiametroMinimo");
    EXPECT_EQ(r.error().mensaje.rfind("Diámetro de la barra más delgada debe estar entre 0 y 50 "
                                      "mm",
                                      0),
              0u);
    t["DiametroMinimo"] = "20";
    EXPECT_EQ(DiametroAjustado(t, true), "20");
    t["DiametroMaximo"] = "-1e308";
    EXPECT_EQ(DiametroAjustado(t, false), "");
}

TEST(CalcularCortante, ResultadoQueNoCabeEnSuRotulo) {
    EstadoDiseno e;
    InicializarTablas(e);
    ASSERT_TRUE(DerivarMateriales(e, EleccionParametros{}).ok());
    DatosCortante d;
    d.d = d.b = 20000; // Vu1 = 10·2·10⁸ = 2·10⁹ N, más de 999 999.999 kN
    d.alfa = 90;
    d.teta = d.tetae = 45;
    const auto r = CalcularCortante(e, d);
    ASSERT_FALSE(r.ok());
    // La causa es la sección, y el error la nombra.
    EXPECT_EQ(r.error().mensaje, "Con d = 20 m y b = 20 m el agotamiento Vu1 o la contribución "
                                 "del hormigón Vcu no cabe en su rótulo (hasta 999999.999 kN): "
                                 "reduzca la sección.");
    EXPECT_EQ(r.error().campo, "CuadroCantoUtil");
    EXPECT_EQ(e.d, 0.0);
}

} // namespace
