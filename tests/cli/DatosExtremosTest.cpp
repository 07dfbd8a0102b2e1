// Datos diminutos o desmesurados dentro de sus intervalos y datos que el cálculo no usa: un
// error que nombra su campo o un resultado correcto, y una memoria cuyos números dicen lo que se
// usó (ni un divisor «0», ni 16 cifras, ni los controles que no intervienen).

#include "Procesar.h"
#include "documento/Contexto.h"
#include "tests/common/Expresion.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct CasoCampo {
    const char* nombre;
    const char* linea;
    const char* campo;
    const char* trozo; // parte del mensaje
};

class ErrorConSuCampo : public ::testing::TestWithParam<CasoCampo> {};

TEST_P(ErrorConSuCampo, NombraElCampo) {
    const auto& c = GetParam();
    const Json r = Procesar(c.linea);
    ASSERT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], c.campo) << r.dump();
    EXPECT_NE(r["error"].get<std::string>().find(c.trozo), std::string::npos) << r.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, ErrorConSuCampo,
    ::testing::Values(
        // e0 = 100 m con Nd = 588 kN en 30×40 cm: A1 ≈ Nd·e0/(0.8·d·fyd) ≈ 4900 cm² y U1 ≈
        // 172 800 kN, que no cabe en su rótulo de 9 caracteres.
        CasoCampo{"ExcentricidadDesmesurada",
                  R"({"calculo":"seccion","DatosSeccion":{"GrupoDatoConocido":1,"Valor5":"100",
                      "Valor6":"588"}})",
                  "Valor5", "reduzca la excentricidad"},
        CasoCampo{"AxilDesmesurado",
                  R"({"calculo":"seccion","DatosSeccion":{"Valor5":"0","Valor6":"1000000"}})",
                  "Valor6", "reduzca el esfuerzo normal"},
        // cot(1e-30º) ≈ 5.7e31: Vu1 no cabe en su rótulo, por el ángulo.
        CasoCampo{"AlfaDiminuto",
                  R"({"calculo":"cortante","VentanaTransversal1":{"CuadroAlfa":"1e-30"}})",
                  "CuadroAlfa", "aumente el ángulo α"},
        // d = b = 20 m: Vu1 = 0.6·16.67·20000·20000/2 N ≈ 2·10⁶ kN, por la sección.
        CasoCampo{"SeccionDesmesurada",
                  R"({"calculo":"cortante","VentanaTransversal1":{"CuadroCantoUtil":"20",
                      "CuadroAncho":"20"}})",
                  "CuadroCantoUtil", "Con d = 20 m y b = 20 m"},
        CasoCampo{"EdadDiminuta",
                  R"({"calculo":"retraccion","VentanaRetraccion":{"Edad":"1e-200"}})", "Edad",
                  "entre 0.1 y 36500"},
        CasoCampo{"EdadSubnormal",
                  R"({"calculo":"retraccion","VentanaRetraccion":{"Edad":"4.9e-324"}})", "Edad",
                  "entre 0.1 y 36500"},
        CasoCampo{"PerimetroSubnormal",
                  R"({"calculo":"retraccion","VentanaRetraccion":{"Perimetro":"4.9e-324"}})",
                  "Perimetro", "entre 1 y 8000"},
        CasoCampo{"EdadDeCargaSubnormal",
                  R"({"calculo":"fluencia","VentanaDeformacion":{"Tiempo01":"4.9e-324"}})",
                  "Tiempo01", "entre 0.1 y 36500"},
        CasoCampo{"EspesorSubnormal",
                  R"({"calculo":"fluencia","VentanaDeformacion":{"EspesorFicticioConocido":true,
                      "Perimetro":"1e-310"}})",
                  "Perimetro", "entre 1 y 60000"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Un cerco de 1e-30 mm no se admite: la zona lo dice en su separación y Vsu y Vu2 no quedan en
// un «=» sin número; la otra zona se calcula.
TEST(CercosDiminutos, LaZonaLoRechazaYNoDejaRotulosAMedias) {
    const Json r =
        Procesar(R"({"calculo":"cortante","VentanaResultadosTrans1":{"DiametroZona1":"1e-30"}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    const Json& v = r["VentanaResultadosTrans1"];
    EXPECT_EQ(v["LongitudZona1"],
              "Diámetro, zona de apoyo debe estar entre 6 y 50 mm (se ha leído 1e-30 mm).");
    EXPECT_EQ(v["ContribucionArmadura01"], "");
    EXPECT_EQ(v["AgotamientoTraccion01"], "");
    EXPECT_EQ(v["LongitudZona2"], "/  29*");
    EXPECT_EQ(v["ContribucionArmadura02"], "=    61.466");
}

TEST(CercosDiminutos, RamasYDiametroEnSusIntervalos) {
    for (const auto& [control, texto, trozo] :
         {std::tuple{"NumeroCercosZona1", "0.5", "entre 1 y 100"},
          std::tuple{"DiametroZona1", "5", "entre 6 y 50"},
          std::tuple{"NumeroCercosZona1", "0", "Sin cercos"}}) {
        Json linea = {{"calculo", "cortante"}, {"VentanaResultadosTrans1", {{control, texto}}}};
        const Json r = Procesar(linea.dump());
        ASSERT_EQ(r["ok"], true) << r.dump();
        EXPECT_NE(r["VentanaResultadosTrans1"]["LongitudZona1"].get<std::string>().find(trozo),
                  std::string::npos)
            << control << " " << texto << ": " << r.dump();
    }
    // Con armadura comprimida de 32 mm un cerco de 4 mm se eleva a 8 y se admite.
    const Json r = Procesar(R"({"calculo":"cortante","VentanaTransversal1":{
        "ArmaduraComprimida":true,"CuadroDiametroMaximo":"32"},
        "VentanaResultadosTrans1":{"DiametroZona1":"4"}})");
    ASSERT_EQ(r["ok"], true) << r.dump();
    EXPECT_EQ(r["VentanaResultadosTrans1"]["DiametroZona1"], " 8");
    EXPECT_NE(r["VentanaResultadosTrans1"]["ContribucionArmadura01"], "");
}

// La ventana del diagrama de interacción vacía se admite como cualquier otra.
TEST(VentanaVacia, InteraccionComoLasDemas) {
    const Json r =
        Procesar(R"({"calculo":"interaccion","VentanaInteraccion":{},"ranuras":{"1":[[3,16]]}})");
    EXPECT_EQ(r["ok"], true) << r.dump();
    const Json x = Procesar(R"({"calculo":"interaccion","VentanaInteraccion":3})");
    EXPECT_EQ(x["ok"], false);
    EXPECT_EQ(x["campo"], "VentanaInteraccion");
    // Una ventana vacía de otro cálculo sigue sin intervenir.
    const Json y = Procesar(R"({"calculo":"pilar","VentanaInteraccion":{}})");
    EXPECT_EQ(y["ok"], false);
}

// Con control reducido el rótulo dice el hormigón que se usa: fck = 10·γc.
TEST(HormigonUsado, ControlReducido) {
    for (const auto& [situacion, rotulo] :
         {std::pair{0, "Hormigón HA-15"}, std::pair{1, "Hormigón HA-13"}}) {
        Json linea = {{"calculo", "parametros"},
                      {"ParametrosGenerales",
                       {{"GrupoControlHormigon", 1},
                        {"GrupoSituacionProyecto", situacion},
                        {"ResistenciaCaracteristica", "nan"}}}};
        const Json r = Procesar(linea.dump());
        ASSERT_EQ(r["ok"], true) << r.dump();
        EXPECT_EQ(r["ParametrosGenerales"]["EtiquetaHormigon"], rotulo);
        EXPECT_DOUBLE_EQ(r["estado"]["fcd"].get<double>(), 10.0);
    }
}

std::string Memoria(const std::string& linea) {
    const Json r = Procesar(linea);
    EXPECT_EQ(r["ok"], true) << r.dump();
    return r.value("informe", std::string());
}

// Un número de 16 cifras o más (el punto decimal no cuenta).
bool DieciseisCifras(std::string t) {
    std::erase(t, '.');
    static const std::regex r("[0-9]{16}");
    return std::regex_search(t, r);
}

TEST(MemoriaConDatosExtremos, NingunDivisorCeroNiDieciseisCifras) {
    const std::string linea =
        R"({"calculo":"seccion","DatosSeccion":{"GrupoDatoConocido":1,"Valor5":"0.1",
            "Valor6":"1e-30"},"informe":"html"})";
    const std::string h = Memoria(linea);
    EXPECT_EQ(h.find("/0 "), std::string::npos);
    EXPECT_NE(h.find("1e-27"), std::string::npos); // Nd = 1e-30 kN = 1e-27 N
    EXPECT_FALSE(DieciseisCifras(h));
    const Json entrada = Json::parse(linea);
    Contexto c(entrada, "seccion");
    Catalogo().at("seccion").funcion(c);
    for (const auto& a : c.Capitulo().apartados) {
        const auto p = pruebas::ProblemasTraza(a.traza);
        EXPECT_TRUE(p.empty()) << a.titulo << ": " << p.front();
    }
}

// La tabla de datos lista los valores usados: ni el canto del ala de una sección rectangular, ni
// la resistencia escrita con control reducido, ni una tira de 300 cifras.
TEST(MemoriaConDatosExtremos, TablaDeDatosSoloConLoUsado) {
    const std::string p = Memoria(
        R"({"calculo":"parabola","VentanaParabola":{"Valor4":"nan","Valor5":"-Infinity"},
            "informe":"html"})");
    EXPECT_EQ(p.find("Canto del ala"), std::string::npos);
    EXPECT_EQ(p.find("Infinity"), std::string::npos);
    EXPECT_NE(p.find("Canto h"), std::string::npos);

    const std::string r = Memoria(
        R"({"calculo":"parametros","ParametrosGenerales":{"GrupoControlHormigon":1,
            "ResistenciaCaracteristica":"-Infinity"},"informe":"html"})");
    EXPECT_EQ(r.find("Infinity"), std::string::npos);
    EXPECT_NE(r.find("HA-15"), std::string::npos);

    const std::string cifras = "100." + std::string(300, '0');
    const std::string s = Memoria(R"({"calculo":"seccion","DatosSeccion":{"Valor5":")" + cifras +
                                  R"("},"informe":"html"})");
    EXPECT_EQ(s.find(cifras), std::string::npos);
    EXPECT_NE(s.find("<td>100</td>"), std::string::npos);

    // Las áreas estrictas del anclaje sólo cuentan con «Armadura estricta» marcada.
    for (const bool estricta : {false, true}) {
        const std::string a = Memoria(
            R"({"calculo":"anclaje","VentanaLongitudAnclaje":{"PosicionII":false,
                "ArmaduraSuperabundante":)" +
            std::string(estricta ? "true" : "false") +
            R"(},"ranuras":{"1":[[2,12]]},"informe":"html"})");
        EXPECT_EQ(a.find("Área estricta de la posición I<") != std::string::npos, estricta);
    }
    // Una posición sin marcar no se calcula: la memoria no lista su tracción ni sus barras,
    // aunque el botón de la ventana las siga mostrando.
    for (const bool segunda : {false, true}) {
        const std::string a = Memoria(R"({"calculo":"anclaje","VentanaLongitudAnclaje":{
            "PosicionII":)" + std::string(segunda ? "true" : "false") +
                                      R"(},"ranuras":{"1":[[2,12]],"2":[[3,20]]},"informe":"html"})");
        EXPECT_EQ(a.find("Barras en posición II<") != std::string::npos, segunda);
        EXPECT_EQ(a.find("Posición II a tracción<") != std::string::npos, segunda);
        EXPECT_EQ(a.find("3Ø20") != std::string::npos, segunda);
        EXPECT_NE(a.find("Barras en posición I<"), std::string::npos);
        EXPECT_NE(a.find("Posición I a tracción<"), std::string::npos);
    }
}

} // namespace
