// velmora-calc con datos fuera de su intervalo en la fluencia, la retracción y las herramientas
// de diagramas: una respuesta de error que nombra el campo y su intervalo, nunca un número de
// cientos de cifras ni un estado con null. La conversión conserva sus avisos propios.

#include "Procesar.h"

#include <gtest/gtest.h>

namespace {

struct CasoIntervalo {
    const char* nombre;
    const char* linea;
    const char* campo;
    const char* mensaje; // principio del mensaje
};

class FueraDeIntervalo : public ::testing::TestWithParam<CasoIntervalo> {};

TEST_P(FueraDeIntervalo, SeRechazaNombrandoElCampo) {
    const Json r = Procesar(GetParam().linea);
    ASSERT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], GetParam().campo) << r.dump();
    EXPECT_EQ(r["error"].get<std::string>().rfind(GetParam().mensaje, 0), 0u) << r.dump();
    EXPECT_FALSE(r.contains("estado")) << r.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Herramientas, FueraDeIntervalo,
    ::testing::Values(
        CasoIntervalo{"TensionEnorme",
                      R"({"calculo": "fluencia", "VentanaDeformacion": {"Tension": "1e308"}})",
                      "Tension", "Tensión σc debe estar entre -10000 y 10000 kp/cm²"},
        CasoIntervalo{
            "FckCasiCero",
            R"({"calculo": "fluencia", "VentanaDeformacion": {"ResistenciaCaracteristica": "1e-320"}})",
            "ResistenciaCaracteristica", "Resistencia característica fck debe estar entre 50"},
        CasoIntervalo{"EdadDeCargaDeSiglos",
                      R"({"calculo": "fluencia", "VentanaDeformacion": {"Tiempo01": "40000",
                          "Tiempo02": "50000"}})",
                      "Tiempo01", "Edad de puesta en carga j debe estar entre 0.1 y 36500 días"},
        CasoIntervalo{"EspesorEnorme",
                      R"({"calculo": "fluencia", "VentanaDeformacion": {
                          "EspesorFicticioConocido": true, "Perimetro": "1e9"}})",
                      "Perimetro", "Espesor debe estar entre 1 y 60000 cm"},
        CasoIntervalo{"EdadDeDoscientasCifras",
                      R"({"calculo": "retraccion", "VentanaRetraccion": {"Edad": "1e200"}})",
                      "Edad", "Edad t debe estar entre 0.1 y 36500 días"},
        CasoIntervalo{"AreaEnorme",
                      R"({"calculo": "retraccion", "VentanaRetraccion": {"Area": "1e12"}})",
                      "Area", "Area debe estar entre 1 y 4e+06 cm²"},
        CasoIntervalo{"DeformacionPasivaEnorme",
                      R"({"calculo": "acero", "DiagramaCalculo": {"Valor1": "1e308"}})", "Valor1",
                      "Deformación del acero εs debe estar entre -1 y 1"},
        CasoIntervalo{"FckParabolaEnorme",
                      R"({"calculo": "parabola", "VentanaParabola": {
                          "ResistenciaCaracteristica": "1e200"}})",
                      "ResistenciaCaracteristica",
                      "Resistencia característica fck debe estar entre 10 y 100 N/mm²"},
        CasoIntervalo{"AnchoParabolaEnorme",
                      R"({"calculo": "parabola", "VentanaParabola": {"Valor2": "1e308"}})",
                      "Valor2", "Ancho b debe estar entre 0.001 y 20 m"},
        CasoIntervalo{"FibraNeutraLejana",
                      R"({"calculo": "parabola", "VentanaParabola": {"Valor6": "2e6"}})", "Valor6",
                      "Profundidad de la fibra neutra x debe estar entre 0.001 y 1e+06 m"}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Lo que sí está en su intervalo se calcula, y su estado es de números.
TEST(DentroDeIntervalo, ValoresExtremosDanNumeros) {
    for (const char* linea : {
             R"({"calculo": "parabola", "VentanaParabola": {"Valor1": "20", "Valor2": "20",
                 "Valor6": "1e6", "ResistenciaCaracteristica": "100"}})",
             R"({"calculo": "acero", "DiagramaCalculo": {"Valor1": "-1"}})",
         }) {
        const Json r = Procesar(linea);
        ASSERT_EQ(r["ok"], true) << r.dump();
        for (const auto& [clave, valor] : r["estado"].items())
            EXPECT_FALSE(valor.is_null()) << clave;
    }
}

// La conversión no tiene intervalo propio: lo que no se puede convertir sigue siendo su error.
TEST(Conversion, FueraDeLosNumerosRepresentables) {
    const Json r = Procesar(R"({"calculo": "conversion", "VentanaConversion": {
        "GrupoTipoConversion": 4, "GrupoTipoLongitudOrigen": 0, "GrupoTipoLongitudFinal": 2,
        "ValorOrigen": "1e300"}})");
    ASSERT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], "ValorOrigen");
}

} // namespace
