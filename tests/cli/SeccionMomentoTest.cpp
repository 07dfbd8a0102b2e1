// Cálculos "seccion" y "momento" de velmora-calc.

#include "Procesar.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// Sección rectangular de arranque (0.40 × 0.30, recubrimientos 0.03), parámetros de arranque y
// Md = 100 kN·m: x = 89.28 mm en el dominio 2.
TEST(Seccion, EjemploRectangularCompleto) {
    const Json r = Procesar(R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["VentanaResultados"];
    EXPECT_EQ(v["AreaTraccion"], "    8.622");
    EXPECT_EQ(v["AreaCompresion"], "    1.188");
    EXPECT_EQ(v["CapacidadTraccion"], "  299.903");
    EXPECT_EQ(v["CapacidadCompresion"], "   41.322");
    EXPECT_EQ(v["Cuantia"], "La armadura cumple las limitaciones de cuantías mínimas.");
    EXPECT_EQ(v["Recomendada"], "Se recomienda disponer la armadura mínima de compresión dada.");
    EXPECT_EQ(v["DomDeform"], "Dominio de deformación : 2.\n"
                              "   Flexión simple o compuesta.\n"
                              "   El hormigón no alcanza la deformación de rotura por flexión.");
    EXPECT_EQ(v["Profundidad"], "Profundidad de la fibra neutra =   8.93 cm (Secc. rectangular)");
    // xlim = 370 / (1 + 347.83/700) = 247.18 mm.
    EXPECT_EQ(v["xlimite"], "xlim =  24.72 cm");
    EXPECT_EQ(v["NumeroA1"], "  11");
    EXPECT_EQ(v["NumeroA2"], "   2");

    // Dominio 2: epsC = 0.01·89.28/(370 − 89.28) = 0.00318, que son 135 px a la derecha;
    // A1 a 0.01, 252 px a la izquierda.
    const Json& d = r["DominioDeDeformacion"];
    EXPECT_EQ(d["Etiqueta"], "Dominio de deformación : 2.");
    EXPECT_EQ(d["Puntos"], Json::parse("[[312, 20], [447, 20], [60, 196], [312, 196]]"));

    const Json& e = r["estado"];
    EXPECT_NEAR(e["x"].get<double>(), 89.28, 0.005);
    EXPECT_EQ(e["Dominio"], 1);
    EXPECT_NEAR(e["As1"].get<double>(), 862.22, 0.005);
    EXPECT_NEAR(e["As2"].get<double>(), 118.8, 1e-6);
    EXPECT_EQ(e["MinimaCompresion"], true);
    EXPECT_EQ(e["IndiceEs"], 2);
    EXPECT_EQ(e["SeccionRectangular"], true);
    EXPECT_DOUBLE_EQ(e["Md"].get<double>(), 100e6);
}

// Dar la excentricidad con el axil equivale a dar el momento Md = e0·Nd; el signo del axil
// se descarta.
TEST(Seccion, ExcentricidadEquivaleAlMomento) {
    const Json m = Procesar(R"({"calculo": "seccion",
        "DatosSeccion": {"Valor5": "150", "Valor6": "600"}})");
    const Json e = Procesar(R"({"calculo": "seccion",
        "DatosSeccion": {"Valor5": "0.25", "Valor6": "-600", "GrupoDatoConocido": 1}})");
    ASSERT_EQ(m["ok"], true) << m.dump();
    ASSERT_EQ(e["ok"], true) << e.dump();
    EXPECT_EQ(m["VentanaResultados"], e["VentanaResultados"]);
    EXPECT_DOUBLE_EQ(e["estado"]["Nd"].get<double>(), 600000.0);
    EXPECT_NEAR(e["estado"]["Md"].get<double>(), 150e6, 1e-3);
    EXPECT_NEAR(m["estado"]["e0"].get<double>(), 250.0, 1e-9);
}

// Con armadura simétrica (Soporte) el diámetro dado para una cara vale para las dos.
TEST(Seccion, DiametrosAcopladosConArmaduraSimetrica) {
    const Json r = Procesar(R"({"calculo": "seccion",
        "ParametrosGenerales": {"GrupoTipoElemento": 1},
        "DatosSeccion": {"Valor5": "100", "Valor6": "800"},
        "VentanaResultados": {"DiametroCompresion": "16"}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["VentanaResultados"];
    EXPECT_EQ(v["DiametroTraccion"], "16");
    EXPECT_EQ(v["DiametroCompresion"], "16");
    EXPECT_EQ(v["AreaTraccion"], v["AreaCompresion"]);
    EXPECT_EQ(v["NumeroA1"], v["NumeroA2"]);
    EXPECT_EQ(r["estado"]["Simetrica"], true);
}

TEST(Seccion, SeccionEnT) {
    const Json r = Procesar(R"({"calculo": "seccion",
        "DatosSeccionT": {"Valor5": "500", "Valor6": "200"}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r["estado"]["SeccionRectangular"], false);
    EXPECT_DOUBLE_EQ(r["estado"]["hf"].get<double>(), 200.0);
    EXPECT_DOUBLE_EQ(r["estado"]["bw"].get<double>(), 200.0);
    const std::string profundidad = r["VentanaResultados"]["Profundidad"];
    EXPECT_TRUE(profundidad.ends_with(" cm (Secc. en T)")) << profundidad;
}

// Viga de 0.30 × 0.40 con recubrimientos de 0.03 y A1 = 3Ø16 sin armadura comprimida: la
// búsqueda se detiene en x = 69.41 mm (dominio 2) y Mu = 72.03 kN·m.
TEST(Momento, EjemploConArmaduraTraccionada) {
    const Json r = Procesar(R"({"calculo": "momento",
        "VentanaMomento": {"Comprimida": false}, "ranuras": {"1": [[3, 16]], "2": [[2, 12]]}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["VentanaMomento"];
    EXPECT_EQ(v["EtiquetaMomento"], "     72.03 kN*m");
    EXPECT_EQ(v["AreaTraccionada"], "3Ø16");
    EXPECT_EQ(v["AreaComprimida"], "2Ø12");
    EXPECT_NEAR(r["estado"]["x"].get<double>(), 69.41, 0.005);
    EXPECT_EQ(r["estado"]["Dominio"], 1);
    EXPECT_NEAR(r["estado"]["Cc"].get<double>(), 209825, 1);
    // epsC = 0.01·69.41/(370 − 69.41) = 0.00231: 98 px.
    EXPECT_EQ(r["DominioDeDeformacion"]["Puntos"],
              Json::parse("[[312, 20], [410, 20], [60, 196], [312, 196]]"));
}

// Sin ranuras dadas no hay armadura aceptada todavía: áreas nulas y botones sin definir.
TEST(Momento, SinArmadurasDefinidas) {
    const Json r = Procesar(R"({"calculo": "momento"})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["VentanaMomento"];
    EXPECT_EQ(v["AreaTraccionada"], "Defina armadura");
    EXPECT_EQ(v["AreaComprimida"], "Defina armadura");
    EXPECT_EQ(v["EtiquetaMomento"], "      0.00 kN*m");
    EXPECT_NEAR(r["estado"]["x"].get<double>(), 0.01, 1e-9);
}

} // namespace
