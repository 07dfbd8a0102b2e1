// Trazas del cortante y de los cercos: cada sustitución, vuelta a evaluar, da el valor del paso.
#include "tests/common/Fixturas.h"
#include "common/Expresion.h"
#include "common/Numeros.h"
#include "shear/Cercos.h"
#include "shear/Cortante.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

std::string Todo(const Traza& t) {
    std::string s;
    for (const Paso& p : t.pasos)
        s += p.simbolo + " " + p.formula + " = " + p.sustitucion + " = " +
             Formatear(p.valor, 0, p.decimales) + " " + p.unidad + " (" + p.articulo + ") " +
             p.descripcion + "\n";
    return s;
}

struct CasoTraza {
    const char* nombre;
    double alfa, teta, Vd2, Vd3, Asl;
};
class TrazaCortanteTabla : public testing::TestWithParam<CasoTraza> {};

TEST_P(TrazaCortanteTabla, SustitucionesQueDanElValor) {
    const auto& p = GetParam();
    auto e = pruebas::Confirmado();
    DatosCortante d;
    d.d = 360;
    d.b = 300;
    d.alfa = p.alfa;
    d.teta = p.teta;
    d.tetae = 45;
    d.Vd1 = 1000;
    d.Vd2 = p.Vd2;
    d.Vd3 = p.Vd3;
    d.Asl = p.Asl;
    const auto c = CalcularCortante(e, d);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    const Traza t = TrazaCortante(*c, CalcularZonas(*c, EleccionZonas{}));
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << Todo(t);
    EXPECT_GE(t.pasos.size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TrazaCortanteTabla,
    testing::Values(CasoTraza{"PorDefecto", 90, 45, 1000, 1000, 0},
                    CasoTraza{"Resistente", 90, 45, 300000, 150000, 942.48},
                    CasoTraza{"CercosInclinados", 60, 30, 400000, 100000, 1500},
                    CasoTraza{"CuantiaLimitada", 90, 40, 200000, 50000, 5000}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(TrazaCortante, CompresionOblicuaConSuArticulo) {
    auto e = pruebas::Confirmado();
    DatosCortante d;
    d.d = 360;
    d.b = 300;
    d.alfa = 90;
    d.teta = d.tetae = 45;
    d.Vd1 = d.Vd2 = d.Vd3 = 1000;
    const auto c = CalcularCortante(e, d);
    ASSERT_TRUE(c.ok());
    const Traza t = TrazaCortante(*c, CalcularZonas(*c, EleccionZonas{}));
    const std::string s = Todo(t);
    EXPECT_NE(s.find("= 540.0 kN (44.2.3.1)"), std::string::npos) << s;
    EXPECT_NE(s.find("Rige la separación máxima"), std::string::npos) << s;
}

TEST(TrazaCercos, SustitucionesQueDanElValor) {
    EstadoDiseno e;
    for (const auto& [h, b, d1, phiMin, phiMax] :
         {std::array<double, 5>{300, 300, 30, 12, 16}, std::array<double, 5>{400, 250, 30, 20, 25},
          std::array<double, 5>{500, 500, 40, 12, 32}}) {
        const auto c = CalcularCercos(e, h, b, d1, phiMin, phiMax);
        ASSERT_TRUE(c.ok());
        const Traza t = TrazaCercos(h, b, d1, phiMin, phiMax, *c);
        EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << Todo(t);
    }
}

} // namespace
