// Cálculos "acero", "parabola", "conversion", "cortante", "pilar", "flechas", "anclaje",
// "fluencia" y "retraccion" de velmora-calc: un ejemplo por cálculo (los números los comprueban
// las pruebas del motor), los controles acoplados y lo que cada uno deja en el estado.

#include "Procesar.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct CasoRotulo {
    const char* nombre;
    const char* linea;
    const char* ventana;
    const char* control;
    const char* rotulo;
};

class Calculo : public ::testing::TestWithParam<CasoRotulo> {};

TEST_P(Calculo, Rotulo) {
    const auto& c = GetParam();
    const Json r = Procesar(c.linea);
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r[c.ventana][c.control], c.rotulo) << r[c.ventana].dump();
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, Calculo,
    ::testing::Values(
        CasoRotulo{"Acero", R"({"calculo": "acero"})", "DiagramaCalculo", "Label20",
                   "f    =  347.8  N/mm"},
        CasoRotulo{"AceroFueraDelDiagrama",
                   R"({"calculo": "acero", "DiagramaCalculo": {"GrupoTipoDiagrama": 1,
                       "Valor1": "50"}})",
                   "DiagramaCalculo", "ValorTension", "Fuera del rango del diagrama"},
        CasoRotulo{"Parabola", R"({"calculo": "parabola"})", "VentanaParabola", "Compresion",
                   "C  =  344.048 kN"},
        CasoRotulo{"Conversion",
                   R"({"calculo": "conversion", "VentanaConversion": {"GrupoTipoConversion": 1,
                       "GrupoTipoFuerzaFinal": 2, "ValorOrigen": "1"}})",
                   "VentanaConversion", "ValorFinal", "     9.800"},
        CasoRotulo{"Cortante", R"({"calculo": "cortante"})", "VentanaResultadosTrans1",
                   "AgotamientoCompresionOblicua", "=   540.000"},
        CasoRotulo{"CortanteBotonArea", R"({"calculo": "cortante", "ranuras": {"0": [[4, 20]]}})",
                   "VentanaTransversal1", "ValorArea", "4Ø20"},
        CasoRotulo{"Pilar", R"({"calculo": "pilar"})", "VentanaTransversal2", "Armadura",
                   "  6/ 18"},
        CasoRotulo{"PilarMinimoMueveMaximo",
                   R"({"calculo": "pilar", "VentanaTransversal2": {"DiametroMinimo": "20"}})",
                   "VentanaTransversal2", "DiametroMaximo", "20"},
        CasoRotulo{"PilarMaximoMueveMinimo",
                   R"({"calculo": "pilar", "VentanaTransversal2": {"DiametroMaximo": "8"}})",
                   "VentanaTransversal2", "DiametroMinimo", " 8"},
        CasoRotulo{"Flechas", R"({"calculo": "flechas"})", "VentanaResultadosFlecha",
                   "ModuloDeformacion", "   27264.0"},
        CasoRotulo{"FlechasOtroValorNoNumerico",
                   R"({"calculo": "flechas", "VentanaResultadosFlecha": {"Valor": "uno"}})",
                   "VentanaResultadosFlecha", "Factor", ""},
        CasoRotulo{"Anclaje",
                   R"({"calculo": "anclaje", "ranuras": {"1": [[4, 16]], "2": [[4, 16]]},
                       "VentanaLongitudAnclaje": {"CuadroDecalaje": "5",
                       "PosicionIITraccion": true, "PosicionITraccion": false}})",
                   "VentanaAnclaje", "LongitudBasicaII", "=  50.71 cm*"},
        CasoRotulo{"Fluencia", R"({"calculo": "fluencia"})", "VentanaResultadosDeformacion",
                   "Valor5", "=    1.116158"},
        CasoRotulo{"Retraccion", R"({"calculo": "retraccion"})", "VentanaResultadosRetraccion",
                   "Valor1", "=   -0.039355"}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Un error del motor llega con el nombre del control que lo causa.
struct CasoError {
    const char* nombre;
    const char* linea;
    const char* campo;
};

class ErrorDeCalculo : public ::testing::TestWithParam<CasoError> {};

TEST_P(ErrorDeCalculo, NombraElControl) {
    const Json r = Procesar(GetParam().linea);
    ASSERT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], GetParam().campo) << r.dump();
    EXPECT_FALSE(r["error"].get<std::string>().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errores, ErrorDeCalculo,
    ::testing::Values(
        CasoError{"Acero", R"({"calculo": "acero", "DiagramaCalculo": {"Valor1": "0.0x"}})",
                  "Valor1"},
        CasoError{"Parabola", R"({"calculo": "parabola", "VentanaParabola": {"Valor6": "0"}})",
                  "Valor6"},
        CasoError{"Conversion",
                  R"({"calculo": "conversion", "VentanaConversion": {"ValorOrigen": "uno"}})",
                  "ValorOrigen"},
        CasoError{"Cortante",
                  R"({"calculo": "cortante", "VentanaTransversal1": {"CuadroAncho": "0"}})",
                  "CuadroAncho"},
        CasoError{"Pilar", R"({"calculo": "pilar", "VentanaTransversal2": {"Valor3": "0.30"}})",
                  "Valor3"},
        CasoError{"Flechas", R"({"calculo": "flechas", "VentanaFlechas": {"ValorMa": "60"}})",
                  "ValorA1"},
        CasoError{"AnclajeSinBarras", R"({"calculo": "anclaje"})", "AreaPosicionII"},
        CasoError{"AnclajeTipoInexistente",
                  R"({"calculo": "anclaje", "VentanaLongitudAnclaje": {"GrupoTipoAnclaje": 3}})",
                  "GrupoTipoAnclaje"},
        CasoError{"Fluencia", R"({"calculo": "fluencia", "VentanaDeformacion": {"Tiempo02": "7"}})",
                  "Tiempo02"},
        CasoError{"Retraccion", R"({"calculo": "retraccion", "VentanaRetraccion": {"Edad": "-1"}})",
                  "Edad"}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(EstadoDeCalculo, CadaCalculoEscribeSusValores) {
    const Json acero = Procesar(
        R"({"calculo": "acero", "DiagramaCalculo": {"GrupoTipoDiagrama": 1, "GrupoValorEs": 2}})");
    EXPECT_EQ(acero["estado"]["ArmaduraPasiva"], false);
    EXPECT_EQ(acero["estado"]["IndiceEs"], 3);
    const Json parabola = Procesar(R"({"calculo": "parabola"})");
    EXPECT_NEAR(parabola["estado"]["Cc"].get<double>(), 344047.6, 0.1);
    EXPECT_EQ(parabola["estado"]["x"], 100.0);
    const Json anclaje = Procesar(R"({"calculo": "anclaje", "ranuras": {"1": [[2, 20]],
        "2": [[2, 20]]}, "VentanaLongitudAnclaje": {"GrupoDesignacionAcero": 1,
        "ResistenciaCaracteristica": "35"}})");
    ASSERT_EQ(anclaje["ok"], true) << anclaje.dump();
    EXPECT_EQ(anclaje["estado"]["fyk"], 500.0);
    EXPECT_EQ(anclaje["estado"]["fck"], 35.0);
    for (const char* linea : {R"({"calculo": "fluencia"})", R"({"calculo": "retraccion"})"}) {
        const Json r = Procesar(linea);
        ASSERT_EQ(r["ok"], true) << r.dump();
        EXPECT_FALSE(r.contains("estado"));
    }
}

} // namespace
