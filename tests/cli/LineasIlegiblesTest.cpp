// Líneas que la biblioteca de JSON no puede leer: cada una da su línea de error y la tanda
// sigue con la siguiente.

#include "cli/Tanda.h"
#include "documento/Lote.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

using Json = nlohmann::ordered_json;

struct CasoIlegible {
    const char* nombre;
    std::string linea;
    const char* campo;
    const char* mensaje;
};

class LineaIlegible : public ::testing::TestWithParam<CasoIlegible> {};

// La línea mala va entre dos buenas; las tres se responden, en orden.
TEST_P(LineaIlegible, DaSuErrorYLaTandaSigue) {
    const auto& c = GetParam();
    std::istringstream entrada("{\"calculo\": \"area\"}\n" + c.linea +
                               "\n{\"calculo\": \"area\", \"ranuras\": {\"0\": [[2, 12]]}}\n");
    std::ostringstream salida;
    EXPECT_EQ(ProcesarFlujo(entrada, salida), 1);

    std::istringstream lineas(salida.str());
    std::vector<Json> r;
    for (std::string linea; std::getline(lineas, linea);)
        r.push_back(Json::parse(linea));
    ASSERT_EQ(r.size(), 3u) << salida.str();
    EXPECT_EQ(r[0]["VentanaArea"]["EtiquetaArea"], "    0.7854");
    EXPECT_EQ(
        r[1],
        (Json{{"calculo", nullptr}, {"ok", false}, {"error", c.mensaje}, {"campo", c.campo}}));
    EXPECT_EQ(r[2]["VentanaArea"]["EtiquetaArea"], "    2.2619");
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Tanda, LineaIlegible,
    ::testing::Values(
        CasoIlegible{"NumeroSueltoEnorme", "1e400", "",
                     "El número 1e400 de la línea está fuera del intervalo de los números "
                     "reales (±1.7e308)."},
        CasoIlegible{"ControlEnormeNegativo", R"({"calculo":"area","x":-1e400})", "x",
                     "El número -1e400 de «x» está fuera del intervalo de los números reales "
                     "(±1.7e308)."},
        CasoIlegible{
            "ExponenteMayuscula",
            R"({"calculo":"parametros","ParametrosGenerales":{"GrupoDesignacionAcero":1E309}})",
            "GrupoDesignacionAcero",
            "El número 1E309 de «GrupoDesignacionAcero» está fuera del intervalo de "
            "los números reales (±1.7e308)."},
        CasoIlegible{"EnUnaRanura", R"({"calculo":"area","ranuras":{"0":[[2,-1E309]]}})", "0",
                     "El número -1E309 de «0» está fuera del intervalo de los números reales "
                     "(±1.7e308)."},
        // La biblioteca toma el byte nulo por el final del texto: sin mirarlo antes, la línea
        // se respondería como {"calculo":"area"} y se perdería lo que sigue.
        CasoIlegible{"NuloTrasElObjeto", "{\"calculo\":\"area\"}\0{\"x\":1}"s, "",
                     "La línea contiene un carácter nulo (byte 0) en la posición 19."},
        CasoIlegible{"NuloEnUnTexto", "{\"calculo\":\"ar\0ea\"}"s, "",
                     "La línea contiene un carácter nulo (byte 0) en la posición 15."},
        CasoIlegible{"Latin1", "{\"calculo\":\"area\",\"x\":\"di\xE1metro\"}", "",
                     "La línea no es texto UTF-8 válido (byte 26)."},
        CasoIlegible{"SecuenciaCortada", "{\"calculo\":\"\xC3\"}", "",
                     "La línea no es texto UTF-8 válido (byte 13)."},
        CasoIlegible{"SustitutoUtf16", "{\"calculo\":\"\xED\xA0\x80\"}", "",
                     "La línea no es texto UTF-8 válido (byte 13)."},
        CasoIlegible{"FormaLarga", "{\"calculo\":\"\xC0\xAF\"}", "",
                     "La línea no es texto UTF-8 válido (byte 13)."},
        CasoIlegible{"SinCerrar", R"({"calculo":"area")", "",
                     "La línea no es JSON válido (error cerca del carácter 18)."},
        CasoIlegible{"Basura", "\x01\x02", "",
                     "La línea no es JSON válido (error cerca del carácter 1)."}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Un texto UTF-8 bien formado con caracteres de 2, 3 y 4 bytes se lee como siempre.
TEST(LineaIlegible, Utf8BienFormadoSeLee) {
    const Json r =
        Json::parse(ProcesarLinea("{\"calculo\":\"\xC3\xA1\xE2\x82\xAC\xF0\x9F\x98\x80\"}"));
    EXPECT_EQ(r["calculo"], "\xC3\xA1\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_NE(r["error"].get<std::string>().find("no existe"), std::string::npos) << r.dump();
}

} // namespace
