#include "deflection/Flechas.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace velmora;

// Todo en un espacio anónimo: los nombres de los casos se repiten en otros ficheros.
namespace {

EstadoDiseno Confirmado() {
    EstadoDiseno e;
    InicializarTablas(e);
    EXPECT_TRUE(DerivarMateriales(e, EleccionParametros{}).ok()); // fck = 25
    return e;
}

// Datos por defecto de la ventana: h = 0.40, b = 0.30, recubrimientos 0.03, Ma = 1 kN·m.
DatosFlecha Defecto() {
    DatosFlecha d;
    d.h = 400;
    d.b = 300;
    d.d2 = 30;
    d.d1 = 30;
    d.Ma = 1e6;
    return d;
}

constexpr double A1TresDe16 = 3 * std::numbers::pi * 64; // 603.19 mm²
constexpr double A2DosDe12 = 2 * std::numbers::pi * 36;  // 226.19 mm²

TEST(CalcularFlecha, SeccionSinFisurarConLosDatosPorDefecto) {
    auto e = Confirmado();
    const auto r = CalcularFlecha(e, Defecto());
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(TextoModulo(r.valor().Ec), "   27264.0");
    EXPECT_EQ(TextoInercia(r.valor().Ib), "  160000.0");
    EXPECT_NEAR(r.valor().Mf, 25.31e6, 0.01e6);
    EXPECT_FALSE(r.valor().Fisurada);
    EXPECT_EQ(TextoInercia(r.valor().Ie), "  160000.0");
    EXPECT_DOUBLE_EQ(e.h, 400);
    EXPECT_DOUBLE_EQ(e.b, 300);
    EXPECT_DOUBLE_EQ(e.d1, 30);
    EXPECT_DOUBLE_EQ(e.d2, 30);
    EXPECT_DOUBLE_EQ(e.d, 370);
    EXPECT_DOUBLE_EQ(e.x, 0) << "x sólo se escribe si la sección fisura";
}

TEST(CalcularFlecha, SeccionFisurada) {
    auto e = Confirmado();
    auto datos = Defecto();
    datos.Ma = 60e6;
    datos.AreaA1 = A1TresDe16;
    datos.AreaA2 = A2DosDe12;
    const auto r = CalcularFlecha(e, datos);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_TRUE(r.valor().Fisurada);
    EXPECT_NEAR(r.valor().x, 87.69, 0.005);
    EXPECT_NEAR(e.x, 87.69, 0.005);
    EXPECT_NEAR(r.valor().Ifis * 1e-4, 42560.1, 0.05);
    EXPECT_EQ(TextoInercia(r.valor().Ie), "   51373.0");
}

TEST(CalcularInerciaEquivalente, MomentoIgualAlDeFisuracionNoFisura) {
    auto e = Confirmado();
    auto c = *CalcularFlecha(e, Defecto());
    auto Ie = CalcularInerciaEquivalente(e, c, c.Mf, 0, 0);
    ASSERT_TRUE(Ie.ok());
    EXPECT_DOUBLE_EQ(*Ie, c.Ib);
    EXPECT_FALSE(c.Fisurada);

    // Apenas por encima de Mf sí fisura, y sin A1 no hay inercia fisurada que calcular.
    Ie = CalcularInerciaEquivalente(e, c, c.Mf * 1.000001, 0, 0);
    ASSERT_FALSE(Ie.ok());
    EXPECT_EQ(Ie.error().mensaje, "La sección fisura (Ma > Mf): defina la armadura A1.");
    EXPECT_EQ(Ie.error().campo, "ValorA1");
}

TEST(CalcularInerciaEquivalente, NuncaMayorQueLaBruta) {
    auto e = Confirmado();
    auto c = *CalcularFlecha(e, Defecto());
    // Mucha armadura: la inercia fisurada supera a la bruta.
    const auto Ie = CalcularInerciaEquivalente(e, c, c.Mf * 1.01, 20000, 20000);
    ASSERT_TRUE(Ie.ok());
    EXPECT_GT(c.Ifis, c.Ib);
    EXPECT_DOUBLE_EQ(*Ie, c.Ib);
}

TEST(CalcularFlecha, FisuraSinArmaduraA1NoCambiaElEstado) {
    auto e = Confirmado();
    auto datos = Defecto();
    datos.Ma = 60e6;
    const auto r = CalcularFlecha(e, datos);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "La sección fisura (Ma > Mf): defina la armadura A1.");
    EXPECT_DOUBLE_EQ(e.h, 0);
    EXPECT_DOUBLE_EQ(e.x, 0);
}

struct CasoErrorFlecha {
    const char* nombre;
    DatosFlecha datos;
    const char* campo;
};
class FlechaDatosNoValidos : public testing::TestWithParam<CasoErrorFlecha> {};

TEST_P(FlechaDatosNoValidos, SeRechazan) {
    const auto p = GetParam();
    auto e = Confirmado();
    const auto r = CalcularFlecha(e, p.datos);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, p.campo);
    EXPECT_DOUBLE_EQ(e.h, 0);
}

DatosFlecha Con(void (*cambio)(DatosFlecha&)) {
    auto d = Defecto();
    cambio(d);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FlechaDatosNoValidos,
    testing::Values(
        CasoErrorFlecha{"CantoNulo", Con([](DatosFlecha& d) { d.h = 0; }), "Valorh"},
        CasoErrorFlecha{"AnchoNegativo", Con([](DatosFlecha& d) { d.b = -1; }), "Valorb"},
        CasoErrorFlecha{"RecubrimientoD2Negativo", Con([](DatosFlecha& d) { d.d2 = -1; }),
                        "Valord2"},
        CasoErrorFlecha{"CantoUtilNulo", Con([](DatosFlecha& d) { d.d1 = 400; }), "Valord1"},
        CasoErrorFlecha{"A2Negativa", Con([](DatosFlecha& d) { d.AreaA2 = -1; }), "ValorA2"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularFlecha, SinParametrosConfirmados) {
    EstadoDiseno e;
    const auto r = CalcularFlecha(e, Defecto());
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, MensajeConfirmarParametros);
}

struct CasoFactor {
    int indice;
    const char* valor;
    double rho2;
    const char* Factor;
};
class CalcularFactorTabla : public testing::TestWithParam<CasoFactor> {};

TEST_P(CalcularFactorTabla, Lambda) {
    const auto p = GetParam();
    double xi = -1;
    // b = 100, d = 100: A2 = ρ'·10000
    const auto r = CalcularFactor(p.rho2 * 10000, 100, 100, p.indice, p.valor, xi);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(TextoFactor(*r), p.Factor);
}

INSTANTIATE_TEST_SUITE_P(
    Duraciones, CalcularFactorTabla,
    testing::Values(CasoFactor{0, "", 0, "  0.500000"}, CasoFactor{1, "", 0, "  0.700000"},
                    CasoFactor{2, "", 0, "  1.000000"}, CasoFactor{3, "", 0, "  1.200000"},
                    CasoFactor{4, "", 0, "  1.400000"}, CasoFactor{5, "", 0, "  2.000000"},
                    CasoFactor{5, "", 0.01, "  1.333333"}, CasoFactor{6, "1.0", 0, "  1.000000"},
                    CasoFactor{6, "1,5", 0.01, "  1.000000"}));

TEST(CalcularFactor, OtroValorQueNoEsUnNumeroYIndiceFueraDeTabla) {
    double xi = 1.4;
    auto r = CalcularFactor(0, 300, 370, 6, "uno", xi);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "Valor");
    EXPECT_DOUBLE_EQ(xi, 1.4);
    r = CalcularFactor(0, 300, 370, 9, "", xi); // conserva el ξ anterior
    ASSERT_TRUE(r.ok());
    EXPECT_DOUBLE_EQ(*r, 1.4);
}

} // namespace
