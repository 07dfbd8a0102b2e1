// velmora-calc con el Código Estructural en las herramientas de diagramas: los valores del
// Anejo 19 calculados a mano y, sin "ParametrosGenerales", la respuesta de la EHE-98.
#include "Procesar.h"

#include <gtest/gtest.h>

namespace {

TEST(CliDiagramasCe, ParabolaConLaLeyDel317) {
    // HA-70, γc = 1.5, αcc = 0.85: fcd = 39.667; x = 0.1 m ≤ h, εcu2 = 2.656 ‰ arriba.
    // C = fcd·b·x·(1 − εc2/((n + 1)·εcu2)) = 39.667·300·100·0.626825 = 745.9215 kN;
    // xg = 0.35986·x = 0.036 m.
    const Json r = Procesar(
        R"({"calculo": "parabola", "ParametrosGenerales": {"GrupoNorma": 1,
        "CoeficienteAlfaCC": "0.85"}, "VentanaParabola": {"ResistenciaCaracteristica": "70"},
        "informe": "html"})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["VentanaParabola"];
    EXPECT_EQ(v["Compresion"], "C  =  745.921 kN");
    EXPECT_EQ(v["CentroGravedad"], "x   =     0.036 m");
    EXPECT_EQ(v["EtiquetaHormigon"], "Hormigón HA-70");
    EXPECT_EQ(v["EtiquetaLeyHormigon"],
              "Código Estructural, Anejo 19, 3.1.7: εc2 = 2.42 ‰, εcu2 = 2.66 ‰, n = 1.44, "
              "fcd = αcc·fck/γc = 39.67 N/mm²");
    EXPECT_NEAR(r["estado"]["fcd"].get<double>(), 0.85 * 70.0 / 1.5, 1e-9);
    const std::string memoria = r["informe"].get<std::string>();
    EXPECT_NE(memoria.find("Anejo 19, 3.1.7"), std::string::npos);
    EXPECT_NE(memoria.find("Anejo 19, 6.1"), std::string::npos);
    EXPECT_EQ(memoria.find("0.85·fcd"), std::string::npos);

    // Sin los parámetros generales, la EHE-98 de siempre (y sin la ley en la respuesta).
    const Json ehe = Procesar(R"({"calculo": "parabola"})");
    EXPECT_EQ(ehe["VentanaParabola"]["Compresion"], "C  =  344.048 kN");
    EXPECT_FALSE(ehe["VentanaParabola"].contains("EtiquetaLeyHormigon"));
}

TEST(CliDiagramasCe, AceroConLaRamaInclinada) {
    // B 500 S, γs = 1.15: fyd = 434.78, εyd = 2.174 ‰; k = 1.05, εuk = 5 %: en εud = 45 ‰,
    // σ = 434.78 + (456.52 − 434.78)·(45 − 2.174)/(50 − 2.174) = 454.25 N/mm².
    const std::string linea =
        R"({"calculo": "acero", "ParametrosGenerales": {"GrupoNorma": 1}, "DiagramaCalculo":
        {"GrupoDesignacionAcero": 1, "GrupoRamaSuperior": 1, "Valor1": "VALOR"}, "informe": "html"})";
    const auto con = [&](const char* valor) {
        std::string l = linea;
        l.replace(l.find("VALOR"), 5, valor);
        return Procesar(l);
    };
    const Json r = con("0.045");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["DiagramaCalculo"];
    EXPECT_EQ(v["ValorTension"], "=   454.2");
    EXPECT_EQ(v["EtiquetaTipoDiagrama"], "ar.pasiva, rama inclinada");
    EXPECT_EQ(v["EtiquetaEs"], "= 200000 N/mm");
    EXPECT_NE(v["EtiquetaLeyAcero"].get<std::string>().find("εud = 0.9·εuk = 45.0 ‰"),
              std::string::npos);
    const std::string memoria = r["informe"].get<std::string>();
    EXPECT_NE(memoria.find("Anejo 19, 3.2.7(2)a"), std::string::npos);
    EXPECT_NE(memoria.find("434.7826087 + (456.5217391 − 434.7826087)"), std::string::npos);

    // Más allá de εud: error que nombra la deformación y cita el apartado.
    const Json fuera = con("0.046");
    EXPECT_EQ(fuera["ok"], false);
    EXPECT_EQ(fuera["campo"], "Valor1");
    EXPECT_NE(fuera["error"].get<std::string>().find("3.2.7(2)a"), std::string::npos);

    // Sin tipo de diagrama ni Es con el Código Estructural; sin rama con la EHE-98.
    EXPECT_EQ(Procesar(R"({"calculo": "acero", "ParametrosGenerales": {"GrupoNorma": 1},
        "DiagramaCalculo": {"GrupoValorEs": 0}})")["campo"],
              "GrupoValorEs");
    EXPECT_EQ(Procesar(R"({"calculo": "acero", "DiagramaCalculo": {"GrupoRamaSuperior": 1}})")
                  ["campo"],
              "GrupoRamaSuperior");
}

} // namespace
