// Cálculos "parametros" y "area" de velmora-calc.

#include "Procesar.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct CasoParametros {
    const char* nombre;
    const char* controles; // objeto "ParametrosGenerales"
    const char* acero;
    const char* hormigon;
    const char* gammas;
    const char* gammac;
    double fyd, fycd, fck, fcd;
    bool simetrica;
};

class Parametros : public ::testing::TestWithParam<CasoParametros> {};

TEST_P(Parametros, RotulosYMateriales) {
    const auto& c = GetParam();
    const Json r = Procesar(std::string(R"({"calculo": "parametros", "ParametrosGenerales": )") +
                            c.controles + "}");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["ParametrosGenerales"];
    EXPECT_EQ(v["EtiquetaAcero"], c.acero);
    EXPECT_EQ(v["EtiquetaHormigon"], c.hormigon);
    EXPECT_EQ(v["EtiquetaGammas"], c.gammas);
    EXPECT_EQ(v["EtiquetaGammac"], c.gammac);
    const Json& e = r["estado"];
    EXPECT_NEAR(e["fyd"].get<double>(), c.fyd, 0.005);
    EXPECT_NEAR(e["fycd"].get<double>(), c.fycd, 0.005);
    EXPECT_NEAR(e["fck"].get<double>(), c.fck, 1e-9);
    EXPECT_NEAR(e["fcd"].get<double>(), c.fcd, 0.005);
    EXPECT_EQ(e["Simetrica"], c.simetrica);
    EXPECT_EQ(e["ArmaduraPasiva"], true);
}

INSTANTIATE_TEST_SUITE_P(
    Eleccion, Parametros,
    ::testing::Values(
        CasoParametros{"Arranque", "{}", "Acero B 400 S", "Hormigón HA-25", "= 1.15", "= 1.5",
                       347.83, 347.83, 25, 16.67, false},
        CasoParametros{"Accidental", R"({"GrupoSituacionProyecto": 1})", "Acero B 400 S",
                       "Hormigón HA-25", "= 1.0", "= 1.3", 400, 400, 25, 19.23, false},
        // El rótulo muestra la fck que se usa: el control reducido fija fck = 10·1.5 = 15.
        CasoParametros{
            "HormigonReducido", R"({"GrupoControlHormigon": 1, "ResistenciaCaracteristica": "40"})",
            "Acero B 400 S", "Hormigón HA-15", "= 1.15", "= 1.5", 347.83, 347.83, 15, 10, false},
        // Desmarcar una casilla inhabilitada no cambia nada: el OK no la aplica.
        CasoParametros{"PlacaCasillasDesmarcadas",
                       R"({"GrupoTipoElemento": 2, "ArmaduraSimetrica": false,
                           "HormigonadoVertical": false})",
                       "Acero B 400 S", "Hormigón HA-25", "= 1.15", "= 1.5", 347.83, 347.83, 25,
                       16.67, false}),
    [](const auto& i) { return std::string(i.param.nombre); });

struct CasoArea {
    const char* nombre;
    const char* linea;
    const char* etiqueta;
    const char* armadura;
    double area; // mm²
};

class Area : public ::testing::TestWithParam<CasoArea> {};

TEST_P(Area, RotuloYTexto) {
    const auto& c = GetParam();
    const Json r = Procesar(c.linea);
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r["VentanaArea"]["EtiquetaArea"], c.etiqueta);
    EXPECT_EQ(r["TextoArmadura"], c.armadura);
    EXPECT_NEAR(r["estado"]["AreaTotal"].get<double>(), c.area, 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Ranura, Area,
    ::testing::Values(
        CasoArea{"Arranque", R"({"calculo": "area"})", "    0.7854", "1Ø10", 78.540},
        // Se calcula la ranura pedida, no la que se ha dado.
        CasoArea{"OtraRanura",
                 R"({"calculo": "area", "IndiceArmadura": 4, "ranuras": {"3": [[3, 12]]}})",
                 "    0.7854", "1Ø10", 78.540},
        CasoArea{"TresGrupos",
                 R"({"calculo": "area", "IndiceArmadura": 1,
                     "ranuras": {"1": [[2, 16], [1, 12], [4, 8]]}})",
                 "    7.1628", "2Ø16+1Ø12+4Ø8", 716.283},
        CasoArea{"Limites", R"({"calculo": "area", "ranuras": {"0": [[9999, 999]]}})",
                 "78374976.9654", "9999Ø999", 7837497696.536},
        CasoArea{"SinBarras", R"({"calculo": "area", "ranuras": {"0": [[0, 25]]}})", "    0.0000",
                 "0Ø25", 0.0},
        CasoArea{"TextoCortado",
                 R"({"calculo": "area", "ranuras": {"0": [[100, 25], [100, 32], [1000, 40]]}})",
                 "13861.4922", "100Ø25+100Ø32+1000Ø4", 1386149.219}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(Area, RanurasEnElEstado) {
    const Json r =
        Procesar(R"({"calculo": "area", "ranuras": {"1": [[3, 16]], "2": [[2, 12], [1, 10]]}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& e = r["estado"];
    EXPECT_EQ(e["NumeroDiametros"], Json::parse("[1, 1, 2, 1, 1]"));
    EXPECT_EQ(e["NumeroBarras"][1], Json::parse(R"({"1": 3, "2": 1, "3": 1})"));
    EXPECT_EQ(e["DiametroBarras"][2], Json::parse(R"({"1": 12, "2": 10, "3": 10})"));
    EXPECT_EQ(e["TablaEs"]["2"], 200000.0);
    // "area" no toca los materiales: siguen como al arrancar.
    EXPECT_EQ(e["fyd"], 0.0);
}

// Los tres grupos de una ranura, en orden y sin tocar las ranuras vecinas.
TEST(Area, TercerGrupoEnElEstado) {
    const Json r = Procesar(R"({"calculo": "area", "IndiceArmadura": 4,
                                "ranuras": {"4": [[1, 6], [2, 8], [3, 20]]}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r["TextoArmadura"], "1Ø6+2Ø8+3Ø20");
    const Json& e = r["estado"];
    EXPECT_NEAR(e["AreaTotal"].get<double>(), 1071.283, 0.001); // 341π mm²
    EXPECT_EQ(e["NumeroDiametros"], Json::parse("[1, 1, 1, 1, 3]"));
    EXPECT_EQ(e["NumeroBarras"][4], Json::parse(R"({"1": 1, "2": 2, "3": 3})"));
    EXPECT_EQ(e["DiametroBarras"][4], Json::parse(R"({"1": 6, "2": 8, "3": 20})"));
    EXPECT_EQ(e["NumeroBarras"][3], Json::parse(R"({"1": 1, "2": 1, "3": 1})"));
    EXPECT_EQ(e["DiametroBarras"][3], Json::parse(R"({"1": 10, "2": 10, "3": 10})"));
}

} // namespace
