// Cálculos "cortante", "pilar" y "flechas" de velmora-calc.

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

class TransversalCli : public ::testing::TestWithParam<CasoRotulo> {};

TEST_P(TransversalCli, Rotulo) {
    const auto& c = GetParam();
    const Json r = Json::parse(ProcesarLinea(c.linea));
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r[c.ventana][c.control], c.rotulo) << r[c.ventana].dump();
}

INSTANTIATE_TEST_SUITE_P(
    Rotulos, TransversalCli,
    ::testing::Values(
        CasoRotulo{"CortanteVu1", R"({"calculo": "cortante"})", "VentanaResultadosTrans1",
                   "AgotamientoCompresionOblicua", "=   540.000"},
        CasoRotulo{"CortanteSeparacion", R"({"calculo": "cortante"})", "VentanaResultadosTrans1",
                   "LongitudZona2", "/  29*"},
        CasoRotulo{"CortanteSeparacionMaxima", R"({"calculo": "cortante"})",
                   "VentanaResultadosTrans1", "EtiquetaSeparacion01", "Separacion máxima"},
        CasoRotulo{"CortanteVeredicto", R"({"calculo": "cortante"})", "VentanaResultadosTrans1",
                   "Label7",
                   "La sección de homigón es adecuada, y éste no\rse agota por compresión "
                   "oblicua en el alma"},
        CasoRotulo{"CortanteCercosDe6",
                   R"({"calculo": "cortante", "VentanaResultadosTrans1": {"DiametroZona1": "6"}})",
                   "VentanaResultadosTrans1", "LongitudZona1", "/  20*"},
        CasoRotulo{"CortanteDiametroElevado",
                   R"({"calculo": "cortante", "VentanaTransversal1": {"ArmaduraComprimida": true,
                       "CuadroDiametroMaximo": "32"},
                       "VentanaResultadosTrans1": {"DiametroZona1": "6"}})",
                   "VentanaResultadosTrans1", "DiametroZona1", " 8"},
        CasoRotulo{"CortanteArmaduraLongitudinal",
                   R"({"calculo": "cortante", "ranuras": {"0": [[4, 20]]}})",
                   "VentanaResultadosTrans1", "ContribucionHormigon", "=    57.972"},
        CasoRotulo{"CortanteBotonArea", R"({"calculo": "cortante", "ranuras": {"0": [[4, 20]]}})",
                   "VentanaTransversal1", "ValorArea", "4Ø20"},
        CasoRotulo{"PilarArranque", R"({"calculo": "pilar"})", "VentanaTransversal2", "Armadura",
                   "  6/ 18"},
        CasoRotulo{"PilarLadoLimitado",
                   R"({"calculo": "pilar", "VentanaTransversal2": {"Valor1": "0.50",
                       "Valor2": "0.50", "Valor3": "0.04", "DiametroMaximo": "32"}})",
                   "VentanaTransversal2", "Armadura", "  8/ 18"},
        CasoRotulo{"PilarMinimoMueveMaximo",
                   R"({"calculo": "pilar", "VentanaTransversal2": {"DiametroMinimo": "20"}})",
                   "VentanaTransversal2", "DiametroMaximo", "20"},
        CasoRotulo{"PilarMaximoMueveMinimo",
                   R"({"calculo": "pilar", "VentanaTransversal2": {"DiametroMaximo": "8"}})",
                   "VentanaTransversal2", "DiametroMinimo", " 8"},
        CasoRotulo{"FlechasArranque", R"({"calculo": "flechas"})", "VentanaResultadosFlecha",
                   "ModuloDeformacion", "   27264.0"},
        CasoRotulo{"FlechasFisurada",
                   R"({"calculo": "flechas", "VentanaFlechas": {"ValorMa": "60"},
                       "ranuras": {"1": [[3, 16]], "2": [[2, 12]]}})",
                   "VentanaResultadosFlecha", "MomentoInerciaEquivalente", "   51373.0"},
        CasoRotulo{
            "FlechasCincoAnos",
            R"({"calculo": "flechas", "VentanaResultadosFlecha": {"GrupoDuracionCarga": 5}})",
            "VentanaResultadosFlecha", "Factor", "  2.000000"},
        CasoRotulo{"FlechasOtroValorNoNumerico",
                   R"({"calculo": "flechas", "VentanaResultadosFlecha": {"Valor": "uno"}})",
                   "VentanaResultadosFlecha", "Factor", ""},
        CasoRotulo{"FlechasVoladizo",
                   R"({"calculo": "flechas", "VentanaFlechas": {"GrupoTipoPieza": 1}})",
                   "VentanaFlechas", "EtiquetaTipoSeccion", "Armadura sección arranque"}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoError {
    const char* nombre;
    const char* linea;
    const char* campo;
};

class TransversalCliError : public ::testing::TestWithParam<CasoError> {};

TEST_P(TransversalCliError, Campo) {
    const Json r = Json::parse(ProcesarLinea(GetParam().linea));
    ASSERT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], GetParam().campo) << r.dump();
    EXPECT_FALSE(r["error"].get<std::string>().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errores, TransversalCliError,
    ::testing::Values(
        CasoError{"CortanteAnchoNulo",
                  R"({"calculo": "cortante", "VentanaTransversal1": {"CuadroAncho": "0"}})",
                  "CuadroAncho"},
        CasoError{"CortanteAnguloNoNumerico",
                  R"({"calculo": "cortante", "VentanaTransversal1": {"CuadroTeta": "x"}})",
                  "CuadroTeta"},
        CasoError{"PilarRecubrimiento",
                  R"({"calculo": "pilar", "VentanaTransversal2": {"Valor3": "0.30"}})", "Valor3"},
        CasoError{"FlechasSinA1", R"({"calculo": "flechas", "VentanaFlechas": {"ValorMa": "60"}})",
                  "ValorA1"},
        CasoError{"FlechasControlDesconocido",
                  R"({"calculo": "flechas", "VentanaFlechas": {"ValorM": "60"}})", "ValorM"}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
