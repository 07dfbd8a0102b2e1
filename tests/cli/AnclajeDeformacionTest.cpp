// Cálculos "anclaje", "fluencia" y "retraccion" de velmora-calc.

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

class AnclajeDeformacionCli : public ::testing::TestWithParam<CasoRotulo> {};

TEST_P(AnclajeDeformacionCli, Rotulo) {
    const auto& c = GetParam();
    const Json r = Json::parse(ProcesarLinea(c.linea));
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r[c.ventana][c.control], c.rotulo) << r[c.ventana].dump();
}

constexpr const char* BarrasDe16 = R"({"calculo": "anclaje", "ranuras": {"1": [[4, 16]],
    "2": [[4, 16]]}, "VentanaLongitudAnclaje": {"CuadroDecalaje": "5",
    "PosicionIITraccion": true, "PosicionITraccion": false}})";

INSTANTIATE_TEST_SUITE_P(
    Rotulos, AnclajeDeformacionCli,
    ::testing::Values(
        CasoRotulo{"DecalajeSoloEnLaII", BarrasDe16, "VentanaAnclaje", "LongitudBasicaII",
                   "=  50.71 cm*"},
        CasoRotulo{"BotonDeLaPosicion", BarrasDe16, "VentanaLongitudAnclaje", "AreaPosicionII",
                   "4Ø16"},
        CasoRotulo{"Recubrimiento", BarrasDe16, "VentanaLongitudAnclaje", "RecubrimientoHormigon",
                   "Recubrimiento hormigón > 4.8 cm"},
        CasoRotulo{"PosicionNoMarcadaOculta",
                   R"({"calculo": "anclaje", "ranuras": {"1": [[2, 20]]},
                       "VentanaLongitudAnclaje": {"PosicionII": false}})",
                   "VentanaAnclaje", "LongitudBasicaII", ""},
        // Barra transversal soldada y B 500 S con fck 30 (m = 13): 0,7 × max(52; 50) = 36,4.
        CasoRotulo{"SoldadaB500",
                   R"({"calculo": "anclaje", "ranuras": {"1": [[2, 20]]},
                       "VentanaLongitudAnclaje": {"PosicionII": false, "GrupoTipoAnclaje": 2,
                       "GrupoDesignacionAcero": 1, "ResistenciaCaracteristica": "30"}})",
                   "VentanaAnclaje", "LongitudNetaI", "=  36.40 cm"},
        CasoRotulo{"FluenciaPorDefecto", R"({"calculo": "fluencia"})",
                   "VentanaResultadosDeformacion", "Valor5", "=    1.116158"},
        CasoRotulo{"FluenciaSubindice",
                   R"({"calculo": "fluencia", "VentanaDeformacion": {"Tiempo02": "365"}})",
                   "VentanaResultadosDeformacion", "Valorbetatj", "365-28"},
        CasoRotulo{"FluenciaEspesorConocido",
                   R"({"calculo": "fluencia", "VentanaDeformacion": {
                       "EspesorFicticioConocido": true, "Perimetro": "25.714285714285715",
                       "Area": "no se usa", "GrupoMedioAmbiente": 0}})",
                   "VentanaResultadosDeformacion", "Valor15", "=  1.4871"},
        CasoRotulo{"RetraccionPorDefecto", R"({"calculo": "retraccion"})",
                   "VentanaResultadosRetraccion", "Valor1", "=   -0.039355"},
        CasoRotulo{"RetraccionEnAgua",
                   R"({"calculo": "retraccion", "VentanaRetraccion": {"GrupoMedioAmbiente": 0}})",
                   "VentanaResultadosRetraccion", "Valor10", "=    0.000100"}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(AnclajeCli, EscribeFykYFckEnElEstado) {
    const Json r = Json::parse(ProcesarLinea(
        R"({"calculo": "anclaje", "ranuras": {"1": [[2, 20]], "2": [[2, 20]]},
            "VentanaLongitudAnclaje": {"GrupoDesignacionAcero": 1,
            "ResistenciaCaracteristica": "35"}})"));
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r["estado"]["fyk"], 500.0);
    EXPECT_EQ(r["estado"]["fck"], 35.0);
}

TEST(DeformacionCli, SinEstadoDeDiseno) {
    for (const char* linea : {R"({"calculo": "fluencia"})", R"({"calculo": "retraccion"})"}) {
        const Json r = Json::parse(ProcesarLinea(linea));
        ASSERT_EQ(r["ok"], true) << r.dump();
        EXPECT_FALSE(r.contains("estado"));
    }
}

struct CasoError {
    const char* nombre;
    const char* linea;
    const char* campo;
};

class AnclajeDeformacionErrorCli : public ::testing::TestWithParam<CasoError> {};

TEST_P(AnclajeDeformacionErrorCli, NombraElCampo) {
    const Json r = Json::parse(ProcesarLinea(GetParam().linea));
    ASSERT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], GetParam().campo) << r.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Errores, AnclajeDeformacionErrorCli,
    ::testing::Values(
        CasoError{"SinBarras", R"({"calculo": "anclaje"})", "AreaPosicionII"},
        CasoError{"ResistenciaFueraDeTabla",
                  R"({"calculo": "anclaje", "ranuras": {"1": [[2, 20]], "2": [[2, 20]]},
                      "VentanaLongitudAnclaje": {"ResistenciaCaracteristica": "20"}})",
                  "ResistenciaCaracteristica"},
        CasoError{"TipoDeAnclajeInexistente",
                  R"({"calculo": "anclaje", "VentanaLongitudAnclaje": {"GrupoTipoAnclaje": 3}})",
                  "GrupoTipoAnclaje"},
        CasoError{"TensionNula",
                  R"({"calculo": "fluencia", "VentanaDeformacion": {"Tension": "0"}})", "Tension"},
        CasoError{"TAnteriorAJ",
                  R"({"calculo": "fluencia", "VentanaDeformacion": {"Tiempo02": "7"}})",
                  "Tiempo02"},
        CasoError{"EdadNegativa",
                  R"({"calculo": "retraccion", "VentanaRetraccion": {"Edad": "-1"}})", "Edad"},
        CasoError{"ControlMalEscrito",
                  R"({"calculo": "retraccion", "VentanaRetraccion": {"Perimetros": "1"}})",
                  "Perimetros"}),
    [](const auto& i) { return std::string(i.param.nombre); });

} // namespace
