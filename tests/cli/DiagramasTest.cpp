// Cálculos "acero", "parabola" y "conversion" de velmora-calc.

#include "cli/Lote.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

using Json = nlohmann::ordered_json;

struct CasoRotulo {
    const char* nombre;
    const char* linea;
    const char* ventana;
    const char* control;
    const char* rotulo;
};

class DiagramasCli : public ::testing::TestWithParam<CasoRotulo> {};

TEST_P(DiagramasCli, Rotulo) {
    const auto& c = GetParam();
    const Json r = Json::parse(ProcesarLinea(c.linea));
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r[c.ventana][c.control], c.rotulo) << r[c.ventana].dump();
}

INSTANTIATE_TEST_SUITE_P(
    Rotulos, DiagramasCli,
    ::testing::Values(
        CasoRotulo{"AceroArranque", R"({"calculo": "acero"})", "DiagramaCalculo", "Label20",
                   "f    =  347.8  N/mm"},
        CasoRotulo{"AceroSinClicEnElTipo", R"({"calculo": "acero"})", "DiagramaCalculo",
                   "EtiquetaTipoDiagrama", "ar. pasiva"},
        CasoRotulo{"AceroFueraDelDiagrama",
                   R"({"calculo": "acero", "DiagramaCalculo": {"GrupoTipoDiagrama": 1,
                       "Valor1": "50"}})",
                   "DiagramaCalculo", "ValorTension", "Fuera del rango del diagrama"},
        CasoRotulo{"ParabolaArranque", R"({"calculo": "parabola"})", "VentanaParabola",
                   "Compresion", "C  =  344.048 kN"},
        CasoRotulo{"ParabolaAccidental",
                   R"({"calculo": "parabola", "VentanaParabola": {"GrupoSituacionProyecto": 1}})",
                   "VentanaParabola", "Compresion", "C  =  396.978 kN"},
        CasoRotulo{"ToneladaAKilonewton",
                   R"({"calculo": "conversion", "VentanaConversion": {"GrupoTipoConversion": 1,
                       "GrupoTipoFuerzaFinal": 2, "ValorOrigen": "1"}})",
                   "VentanaConversion", "ValorFinal", "     9.800"},
        CasoRotulo{"InerciaCientifica",
                   R"({"calculo": "conversion", "VentanaConversion": {"GrupoTipoConversion": 4,
                       "GrupoTipoLongitudFinal": 1, "GrupoTipoSalida": 1}})",
                   "VentanaConversion", "ValorFinal", "1.0000000E+08"}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoError {
    const char* nombre;
    const char* linea;
    const char* campo;
};

class DiagramasCliErrores : public ::testing::TestWithParam<CasoError> {};

TEST_P(DiagramasCliErrores, RespuestaDeError) {
    const auto& c = GetParam();
    const Json r = Json::parse(ProcesarLinea(c.linea));
    EXPECT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], c.campo) << r.dump();
    EXPECT_FALSE(r["error"].get<std::string>().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errores, DiagramasCliErrores,
    ::testing::Values(
        CasoError{"DeformacionNoNumerica",
                  R"({"calculo": "acero", "DiagramaCalculo": {"Valor1": "0.0x"}})", "Valor1"},
        CasoError{"FibraNeutraCero",
                  R"({"calculo": "parabola", "VentanaParabola": {"Valor6": "0"}})", "Valor6"},
        CasoError{"AlmaMasAnchaQueElAla",
                  R"({"calculo": "parabola", "VentanaParabola": {"GrupoTipoSeccion": 1,
                      "Valor5": "0.5"}})",
                  "Valor5"},
        CasoError{"ValorNoNumerico",
                  R"({"calculo": "conversion", "VentanaConversion": {"ValorOrigen": "uno"}})",
                  "ValorOrigen"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(DiagramasCliEstado, CadaHerramientaEscribeSusValores) {
    const Json acero = Json::parse(ProcesarLinea(
        R"({"calculo": "acero", "DiagramaCalculo": {"GrupoTipoDiagrama": 1, "GrupoValorEs": 2}})"));
    EXPECT_EQ(acero["estado"]["ArmaduraPasiva"], false);
    EXPECT_EQ(acero["estado"]["IndiceEs"], 3);
    const Json parabola = Json::parse(ProcesarLinea(R"({"calculo": "parabola"})"));
    EXPECT_NEAR(parabola["estado"]["Cc"].get<double>(), 344047.6, 0.1);
    EXPECT_EQ(parabola["estado"]["x"], 100.0);
}

} // namespace
