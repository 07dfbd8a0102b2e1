// velmora-calc con el Código Estructural en "cortante", "pilar" y "anclaje": los valores del
// Anejo 19 calculados a mano, la norma en la respuesta y, sin "ParametrosGenerales", la misma
// respuesta que con la EHE-98.
#include "Procesar.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* CE = R"("ParametrosGenerales": {"GrupoNorma": 1})";

std::string Linea(const std::string& calculo, const std::string& resto) {
    return R"({"calculo": ")" + calculo + R"(", )" + CE + (resto.empty() ? "" : ", " + resto) +
           "}";
}

TEST(CliNormaCe, CortanteConLasResistenciasDelAnejo19) {
    // HA-30, B 500 S, d = 0.45, b = 0.30, sin armadura longitudinal, α = 90º, cot θ = 1.
    const Json r = Procesar(
        R"({"calculo": "cortante", "ParametrosGenerales": {"GrupoNorma": 1, "GrupoDesignacionAcero": 1,
        "ResistenciaCaracteristica": "30"}, "VentanaTransversal1": {"CuadroCantoUtil": "0.45",
        "CuadroVd2": "50", "CuadroVd3": "200"}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["VentanaResultadosTrans1"];
    // 300·405·0.528·20·(1 + 0)/(1 + 1) = 641.52 kN.
    EXPECT_EQ(v["AgotamientoCompresionOblicua"], "=   641.520");
    // Sin armadura longitudinal rige vmin = 0.035·1.6667^1.5·√30 = 0.41248: ·300·450 = 55.685 kN.
    EXPECT_EQ(v["ContribucionHormigon"], "=    55.685");
    // Zona central: s = 157.08·405·434.78/200 000 = 138.3 mm, VRd,s = VRd = 200 kN.
    EXPECT_EQ(v["LongitudZona2"], "/  14");
    EXPECT_EQ(v["AgotamientoTraccion02"], "=   200.000");
    EXPECT_EQ(v["EtiquetaNorma"], "Norma: Código Estructural");
}

TEST(CliNormaCe, TetaFueraDeIntervalo) {
    const Json r = Procesar(Linea("cortante", R"("VentanaTransversal1": {"CuadroTeta": "70"})"));
    ASSERT_EQ(r["ok"], false);
    EXPECT_EQ(r["campo"], "CuadroTeta");
    EXPECT_NE(r["error"].get<std::string>().find("6.2.3(2)"), std::string::npos);
}

TEST(CliNormaCe, PilarConSuNota) {
    const Json r = Procesar(Linea("pilar", R"("VentanaTransversal2": {"Valor1": "0.40",
        "Valor2": "0.25", "DiametroMinimo": "20", "DiametroMaximo": "25"})"));
    ASSERT_EQ(r["ok"], true) << r.dump();
    // mín(300, 300, 250) = 250 mm; máx(6, 25/4) = 6.25 → 8 mm.
    EXPECT_EQ(r["VentanaTransversal2"]["Armadura"], "  8/ 25");
    EXPECT_EQ(r["VentanaTransversal2"]["NotaSeparacion"],
              "Junto a vigas y losas y en los solapos: separación × 0.6 = 15.0 cm (Anejo 19, "
              "9.5.3(4))");
}

TEST(CliNormaCe, AnclajeConLaAdherenciaDelAnejo19) {
    // 4Ø16 B 500 S, HA-25: lb,rqd = 645.75 mm en posición I, 922.49 mm en posición II
    // (compresión: lb,min = 0.6·922.49 = 553.5 mm).
    const Json r = Procesar(Linea("anclaje", R"("ranuras": {"1": [[4, 16]], "2": [[4, 16]]},
        "VentanaLongitudAnclaje": {"GrupoDesignacionAcero": 1})"));
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r["VentanaAnclaje"]["LongitudBasicaI"], "=  64.57 cm");
    EXPECT_EQ(r["VentanaAnclaje"]["LongitudNetaII"], "=  92.25 cm");
    EXPECT_EQ(r["VentanaAnclaje"]["EtiquetaNorma"], "Norma: Código Estructural");
}

TEST(CliNormaCe, SinParametrosGeneralesComoConLaEHE98) {
    for (const char* linea :
         {R"({"calculo": "pilar"})",
          R"({"calculo": "anclaje", "ranuras": {"1": [[4, 16]], "2": [[4, 16]]}})"}) {
        const Json r = Procesar(linea);
        ASSERT_EQ(r["ok"], true) << r.dump();
        EXPECT_EQ(r.dump().find("EtiquetaNorma"), std::string::npos);
        EXPECT_EQ(r.dump().find("NotaSeparacion"), std::string::npos);
    }
}

// «BotonCompararNormas»: true en la ventana del botón: la tabla de las dos normas con los datos
// de la línea y su capítulo en la memoria; sin la clave, ni la tabla ni el capítulo.
TEST(CliNormaCe, CompararNormasEnCortantePilarYAnclaje) {
    struct Caso {
        const char* linea;
        std::size_t fila;
        const char* fila_esperada;
    };
    const Caso casos[] = {
        // HA-25, B 500 S, d = 0.45, b = 0.30, sin armadura longitudinal: Vcu = 0 con ρl = 0 y
        // VRd,c = vmin·bw·d = 0.035·1.6667^1.5·5·135 000 = 50.83 kN.
        {R"({"calculo": "cortante", "ParametrosGenerales": {"GrupoDesignacionAcero": 1},
            "VentanaTransversal1": {"CuadroCantoUtil": "0.45"},
            "VentanaResultadosTrans1": {"BotonCompararNormas": true}, "informe": "html"})",
         4, R"(["Contribución del hormigón Vcu / VRd,c","0.00 kN","50.83 kN","—"])"},
        // 400 × 250, Ø20 a Ø25: 6 y 8 mm.
        {R"({"calculo": "pilar", "VentanaTransversal2": {"Valor1": "0.40", "Valor2": "0.25",
            "DiametroMinimo": "20", "DiametroMaximo": "25", "BotonCompararNormas": true},
            "informe": "html"})",
         2, R"(["Diámetro comercial de los cercos","6 mm","8 mm","+33.3 %"])"},
        // 4Ø16 B 500 S, HA-25, posición I: 40 cm y 645.7 mm.
        {R"({"calculo": "anclaje", "ranuras": {"1": [[4, 16]], "2": [[4, 16]]},
            "VentanaLongitudAnclaje": {"GrupoDesignacionAcero": 1},
            "VentanaAnclaje": {"BotonCompararNormas": true}, "informe": "html"})",
         3, R"(["Longitud básica lb / lb,rqd, posición I","40.00 cm","64.57 cm","+61.4 %"])"},
    };
    for (const Caso& k : casos) {
        const Json r = Procesar(k.linea);
        ASSERT_EQ(r["ok"], true) << r.dump();
        const Json& tabla = r["VentanaComparacion"]["TablaComparacion"];
        ASSERT_GT(tabla.size(), k.fila) << r.dump();
        EXPECT_EQ(tabla[k.fila].dump(), k.fila_esperada);
        EXPECT_NE(r["informe"].get<std::string>().find("Comparación de normas"), std::string::npos);
        // La misma línea sin la clave (y sin la ventana, si no le queda nada).
        Json sin = Json::parse(k.linea);
        for (const char* ventana :
             {"VentanaResultadosTrans1", "VentanaTransversal2", "VentanaAnclaje"})
            if (sin.contains(ventana)) {
                sin[ventana].erase("BotonCompararNormas");
                if (sin[ventana].empty())
                    sin.erase(ventana);
            }
        const Json s = Procesar(sin.dump());
        ASSERT_EQ(s["ok"], true) << s.dump();
        EXPECT_FALSE(s.contains("VentanaComparacion"));
        EXPECT_EQ(s["informe"].get<std::string>().find("Comparación de normas"), std::string::npos);
    }
}

} // namespace
