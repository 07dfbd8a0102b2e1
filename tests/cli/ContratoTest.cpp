// Contrato de velmora-calc: forma de las respuestas, errores de línea y tandas.

#include "Procesar.h"
#include "cli/Tanda.h"
#include "documento/Lote.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace velmora;

namespace {

struct CasoError {
    const char* nombre;
    const char* linea;
    Json calculo; // "calculo" que debe devolver la respuesta
    const char* campo;
    const char* fragmento; // parte del mensaje
};

class ErrorDeLinea : public ::testing::TestWithParam<CasoError> {};

TEST_P(ErrorDeLinea, RespuestaDeError) {
    const auto& c = GetParam();
    const Json r = Procesar(c.linea);
    ASSERT_EQ(r.size(), 4u) << r.dump();
    auto clave = r.begin();
    EXPECT_EQ((clave++).key(), "calculo");
    EXPECT_EQ((clave++).key(), "ok");
    EXPECT_EQ((clave++).key(), "error");
    EXPECT_EQ((clave++).key(), "campo");
    EXPECT_EQ(r["calculo"], c.calculo);
    EXPECT_EQ(r["ok"], false);
    EXPECT_EQ(r["campo"], c.campo);
    EXPECT_NE(r["error"].get<std::string>().find(c.fragmento), std::string::npos)
        << r["error"].get<std::string>();
}

const Json Nulo = nullptr;

INSTANTIATE_TEST_SUITE_P(
    Linea, ErrorDeLinea,
    ::testing::Values(
        CasoError{"NoEsJson", "{\"calculo\": \"area\"", Nulo, "", "no es JSON válido"},
        CasoError{"NoEsObjeto", "[1, 2]", Nulo, "", "debe ser un objeto JSON"},
        CasoError{"CalculoRepetido", R"({"calculo": "area", "calculo": "parametros"})", Nulo,
                  "calculo", "La clave «calculo» aparece dos veces en el mismo objeto."},
        CasoError{"ControlRepetido",
                  R"({"calculo": "parametros", "ParametrosGenerales":
                      {"GrupoTipoElemento": 1, "GrupoTipoElemento": 0}})",
                  Nulo, "GrupoTipoElemento", "aparece dos veces"},
        CasoError{"SinCalculo", "{\"ranuras\": {}}", Nulo, "calculo", "Falta «calculo»"},
        CasoError{"CalculoNoTexto", "{\"calculo\": 5}", 5, "calculo", "entre comillas"},
        CasoError{"CalculoDesconocido", "{\"calculo\": \"flecha\"}", "flecha", "calculo",
                  "El cálculo «flecha» no existe. Cálculos: "}),
    [](const auto& i) { return std::string(i.param.nombre); });

INSTANTIATE_TEST_SUITE_P(
    Controles, ErrorDeLinea,
    ::testing::Values(
        CasoError{"VentanaNoObjeto", R"({"calculo": "parametros", "ParametrosGenerales": 1})",
                  "parametros", "ParametrosGenerales", "debe ser un objeto con los controles"},
        CasoError{"TextoConNumero",
                  R"({"calculo": "parametros",
                      "ParametrosGenerales": {"ResistenciaCaracteristica": 30}})",
                  "parametros", "ResistenciaCaracteristica", "es un cuadro de texto"},
        CasoError{"OpcionFraccionaria",
                  R"({"calculo": "parametros",
                      "ParametrosGenerales": {"GrupoSituacionProyecto": 1.0}})",
                  "parametros", "GrupoSituacionProyecto", "un entero de 0 a 1"},
        CasoError{"OpcionFueraDeRango",
                  R"({"calculo": "parametros", "ParametrosGenerales": {"GrupoTipoElemento": 5}})",
                  "parametros", "GrupoTipoElemento", "un entero de 0 a 4. Se ha dado 5."},
        CasoError{"CasillaConNumero",
                  R"({"calculo": "parametros",
                      "ParametrosGenerales": {"GrupoTipoElemento": 1, "ArmaduraSimetrica": 1}})",
                  "parametros", "ArmaduraSimetrica", "es una casilla: dé true o false"},
        CasoError{"CasillaInhabilitadaMarcada",
                  R"({"calculo": "parametros",
                      "ParametrosGenerales": {"GrupoTipoElemento": 2, "HormigonadoVertical": true}})",
                  "parametros", "HormigonadoVertical",
                  "inhabilitada con el tipo de elemento «Placa»"},
        CasoError{"ResistenciaNoNumero",
                  R"({"calculo": "parametros",
                      "ParametrosGenerales": {"ResistenciaCaracteristica": "HA-25"}})",
                  "parametros", "ResistenciaCaracteristica", "no es un número"},
        CasoError{"ControlMalEscrito",
                  R"({"calculo": "parametros", "ParametrosGenerales": {"GrupoTipoElement": 1}})",
                  "parametros", "GrupoTipoElement",
                  "no existe en la ventana «ParametrosGenerales»"},
        CasoError{"VentanaAjena",
                  R"({"calculo": "area", "ParametrosGenerales": {"GrupoTipoElemento": 1}})", "area",
                  "ParametrosGenerales", "no interviene en el cálculo «area»"},
        CasoError{"RanuraFueraDeRango", R"({"calculo": "area", "IndiceArmadura": 5})", "area",
                  "IndiceArmadura", "«IndiceArmadura» es un número entero de 0 a 4."}),
    [](const auto& i) { return std::string(i.param.nombre); });

INSTANTIATE_TEST_SUITE_P(
    Ranuras, ErrorDeLinea,
    ::testing::Values(
        CasoError{"NoObjeto", R"({"calculo": "area", "ranuras": [[1, 10]]})", "area", "ranuras",
                  "debe ser un objeto"},
        CasoError{"RanuraInexistente", R"({"calculo": "area", "ranuras": {"5": [[1, 10]]}})",
                  "area", "ranuras", "La ranura «5» no existe"},
        CasoError{"GrupoIncompleto", R"({"calculo": "area", "ranuras": {"0": [[1, 10], [3]]}})",
                  "area", "ranuras", "El grupo 2 de la ranura «0» debe ser"},
        CasoError{"NumeroFraccionario", R"({"calculo": "area", "ranuras": {"0": [[2.5, 10]]}})",
                  "area", "ranuras", "número de barras del grupo 1 de la ranura «0» debe ser"},
        CasoError{"NumeroNegativo", R"({"calculo": "area", "ranuras": {"0": [[-1, 10]]}})", "area",
                  "ranuras", "debe estar entre 0 y 9999 (se ha dado -1)"},
        CasoError{"DiametroCero", R"({"calculo": "area", "ranuras": {"0": [[2, 0]]}})", "area",
                  "ranuras", "debe estar entre 1 y 999 mm (se ha dado 0 mm)"},
        CasoError{"DemasiadasBarras", R"({"calculo": "area", "ranuras": {"0": [[10000, 10]]}})",
                  "area", "ranuras", "(se ha dado 10000)"},
        CasoError{"DiametroExcesivo", R"({"calculo": "area", "ranuras": {"0": [[1, 1000]]}})",
                  "area", "ranuras", "(se ha dado 1000 mm)"},
        CasoError{"DiametroEnorme", R"({"calculo": "area", "ranuras": {"0": [[2, 3000000000]]}})",
                  "area", "ranuras",
                  "El diámetro del grupo 1 de la ranura «0» debe ser un número entero"}),
    [](const auto& i) { return std::string(i.param.nombre); });

INSTANTIATE_TEST_SUITE_P(
    SeccionYMomento, ErrorDeLinea,
    ::testing::Values(
        CasoError{"DosSecciones",
                  R"({"calculo": "seccion", "DatosSeccion": {}, "DatosSeccionT": {}})", "seccion",
                  "DatosSeccionT", "Dé una sola sección"},
        CasoError{"AlaMayorQueCanto",
                  R"({"calculo": "seccion", "DatosSeccionT": {"Valorhf": "1.20"}})", "seccion",
                  "Valorhf", "menor que el canto h"},
        CasoError{"DiametroNulo",
                  R"({"calculo": "seccion", "VentanaResultados": {"DiametroTraccion": "0"}})",
                  "seccion", "DiametroTraccion", "no se calcula el número de barras"},
        CasoError{"DiametrosSimetricosDistintos",
                  R"({"calculo": "seccion", "ParametrosGenerales": {"GrupoTipoElemento": 1},
                      "DatosSeccion": {"Valor5": "100", "Valor6": "800"},
                      "VentanaResultados": {"DiametroTraccion": "16",
                                            "DiametroCompresion": "20"}})",
                  "seccion", "DiametroCompresion", "los dos diámetros son el mismo"},
        CasoError{"MomentoDeSoporte",
                  R"({"calculo": "momento", "ParametrosGenerales": {"GrupoTipoElemento": 1}})",
                  "momento", "GrupoTipoElemento", "sólo se calcula para vigas"},
        CasoError{"MomentoNoLeeEsfuerzos",
                  R"({"calculo": "momento", "DatosSeccion": {"Valor5": "100"}})", "momento",
                  "Valor5", "no interviene en el cálculo «momento»"}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Una línea muy anidada se rechaza antes de leerla (agotaría la pila); los corchetes dentro
// de un texto no cuentan.
TEST(Linea, Anidamiento) {
    const auto anidada = [](int niveles) {
        return std::string(niveles, '[') + std::string(niveles, ']');
    };
    const Json honda = Procesar(R"({"calculo": "area", "IndiceArmadura": )" + anidada(64) + "}");
    EXPECT_EQ(honda["campo"], "");
    EXPECT_EQ(honda["error"], "La línea anida más de 64 niveles de listas u objetos.");

    const Json admitida = Procesar(R"({"calculo": "area", "IndiceArmadura": )" + anidada(62) + "}");
    EXPECT_EQ(admitida["campo"], "IndiceArmadura");
    EXPECT_EQ(admitida["error"],
              "«IndiceArmadura» es un número entero de 0 a 4. Se ha dado una lista.");

    const Json enTexto = Procesar(R"({"calculo": "area\\\"[", "x": ")" + anidada(100) + "\"}");
    EXPECT_EQ(enTexto["calculo"], "area\\\"[");
    EXPECT_EQ(enTexto["campo"], "calculo");
}

TEST(Tanda, UnaLineaMalaNoDetieneLaTanda) {
    std::istringstream entrada("\xEF\xBB\xBF{\"calculo\": \"area\"}\r\n"
                               "\n"
                               "   \n"
                               "esto no es JSON\n"
                               "{\"calculo\": \"area\", \"ranuras\": {\"0\": [[2, 12]]}}\n"
                               "{\"calculo\": \"nada\"}\n"
                               "{\"calculo\": \"area\"}");
    std::ostringstream salida;
    EXPECT_EQ(ProcesarFlujo(entrada, salida), 2);

    std::istringstream respuestas(salida.str());
    std::vector<Json> r;
    for (std::string linea; std::getline(respuestas, linea);)
        r.push_back(Json::parse(linea));
    ASSERT_EQ(r.size(), 5u) << salida.str();
    EXPECT_EQ(r[0]["VentanaArea"]["EtiquetaArea"], "    0.7854");
    EXPECT_EQ(r[1]["ok"], false);
    EXPECT_EQ(r[2]["VentanaArea"]["EtiquetaArea"], "    2.2619");
    EXPECT_EQ(r[3]["ok"], false);
    // Cada línea parte del estado de arranque: la ranura 0 de la línea anterior no cuenta.
    EXPECT_EQ(r[4]["VentanaArea"]["EtiquetaArea"], "    0.7854");
    EXPECT_EQ(r[4]["TextoArmadura"], "1Ø10");
}

TEST(Tanda, RespuestaCorrectaEnOrden) {
    const Json r = Procesar(R"({"calculo": "parametros"})");
    std::vector<std::string> claves;
    for (const auto& [clave, _] : r.items())
        claves.push_back(clave);
    EXPECT_EQ(claves, (std::vector<std::string>{"calculo", "ok", "ParametrosGenerales", "estado"}));
    EXPECT_EQ(r["calculo"], "parametros");
    EXPECT_EQ(r["ok"], true);
}

// --sin-estado: la misma respuesta sin "estado", en los cálculos que lo llevan y en los errores.
TEST(Tanda, SinEstadoEsLaRespuestaSinEstado) {
    for (const char* linea : {R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})",
                              R"({"calculo": "parametros"})", R"({"calculo": "conversion"})",
                              R"({"calculo": "seccion", "DatosSeccion": {"Valor1": "0"}})"}) {
        Json completa = Procesar(linea);
        completa.erase("estado");
        EXPECT_EQ(Json::parse(ProcesarLinea(linea, false)), completa) << linea;
    }
}

} // namespace
