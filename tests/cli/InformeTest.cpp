// Memoria de cálculo de velmora-calc ("informe": "html"): una página XHTML bien formada, sin
// recursos externos, con los números del ejemplo de la sección, y una memoria de cada cálculo
// sin «nan», sin «inf» y con cada sustitución de sus trazas dando su valor.

#include "Procesar.h"
#include "cli/Contexto.h"
#include "tests/common/Expresion.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

namespace {

// Comprobación estricta de XML: cada etiqueta se cierra en orden, atributos entre comillas y
// sólo las entidades de XML. Devuelve el primer problema, o vacío.
std::string ProblemaXml(const std::string& t) {
    std::vector<std::string> abiertas;
    const std::regex apertura(
        R"(<([a-zA-Z][a-zA-Z0-9]*)((\s+[a-zA-Z][a-zA-Z0-9:-]*="[^"<]*")*)\s*(/?)>)");
    const std::regex cierre(R"(</([a-zA-Z][a-zA-Z0-9]*)\s*>)");
    const std::regex entidad(R"(&(amp|lt|gt|quot|apos|#[0-9]+|#x[0-9a-fA-F]+);)");
    std::size_t i = 0;
    if (t.rfind("<!DOCTYPE html>", 0) == 0)
        i = 15;
    while (i < t.size()) {
        if (t[i] == '&') {
            std::smatch m;
            const std::string resto = t.substr(i, 12);
            if (!std::regex_search(resto, m, entidad, std::regex_constants::match_continuous))
                return "entidad no válida en " + std::to_string(i);
            i += static_cast<std::size_t>(m.length(0));
            continue;
        }
        if (t[i] != '<') {
            ++i;
            continue;
        }
        const std::size_t fin = t.find('>', i);
        if (fin == std::string::npos)
            return "etiqueta sin cerrar al final";
        const std::string etiqueta = t.substr(i, fin - i + 1);
        std::smatch m;
        if (std::regex_match(etiqueta, m, cierre)) {
            if (abiertas.empty() || abiertas.back() != m[1].str())
                return "cierre </" + m[1].str() + "> sin su apertura";
            abiertas.pop_back();
        } else if (std::regex_match(etiqueta, m, apertura)) {
            if (m[4].str().empty())
                abiertas.push_back(m[1].str());
        } else {
            return "etiqueta mal formada: " + etiqueta.substr(0, 60);
        }
        i = fin + 1;
    }
    return abiertas.empty() ? "" : "<" + abiertas.back() + "> sin cerrar";
}

// Un número no finito escrito como palabra suelta.
bool TieneNoFinito(const std::string& t) {
    static const std::regex r(R"((^|[^A-Za-z])(nan|inf|NaN|Inf|INF|NAN)([^A-Za-z]|$))");
    return std::regex_search(t, r);
}

std::string Informe(const std::string& linea) {
    const Json r = Procesar(linea);
    EXPECT_EQ(r["ok"], true) << r.dump();
    return r.value("informe", std::string());
}

TEST(Informe, EjemploDeLaSeccion) {
    const std::string h =
        Informe(R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}, "informe": "html",
                    "proyecto": {"proyecto": "Nave <A&B>", "autor": "Ana Pérez"}})");
    EXPECT_EQ(ProblemaXml(h), "");
    for (const char* trozo : {"Memoria de cálculo", "Nave &lt;A&amp;B&gt;", "Ana Pérez", "8.622",
                              "1.188", "89.28", "Dominio", "armadura mínima de compresión de vigas",
                              "art.\u00A042.3.5", "<svg", "347.83", "16.67"})
        EXPECT_NE(h.find(trozo), std::string::npos) << trozo;
    // Ningún recurso de fuera: ni enlaces, ni imágenes, ni hojas de estilo, ni programas.
    for (const char* externo : {"src=", "href=", "url(", "@import", "<script", "<link"})
        EXPECT_EQ(h.find(externo), std::string::npos) << externo;
}

TEST(Informe, ValorNoValidoEsUnErrorQueLoNombra) {
    const Json r = Procesar(R"({"calculo": "seccion", "informe": "pdf"})");
    EXPECT_EQ(r["ok"], false);
    EXPECT_EQ(r["campo"], "informe");
    const Json p = Procesar(R"({"calculo": "seccion", "informe": "html", "proyecto": {"x": "1"}})");
    EXPECT_EQ(p["campo"], "proyecto");
    const Json s = Procesar(R"({"calculo": "seccion"})");
    EXPECT_FALSE(s.contains("informe"));
}

// Una línea de cada cálculo, con los datos de arranque o los del ejemplo del manual.
const char* const Lineas[] = {
    R"({"calculo": "parametros"})",
    R"({"calculo": "area", "ranuras": {"0": [[3, 12], [2, 10]]}})",
    R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})",
    R"({"calculo": "seccion", "DatosSeccionT": {"Valor5": "1000", "Valor6": "3000"}})",
    R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "150", "Valor6": "600"},
        "ParametrosGenerales": {"GrupoTipoElemento": 1}})",
    R"({"calculo": "momento", "VentanaMomento": {"Comprimida": false}, "ranuras": {"1": [[3, 16]]}})",
    R"({"calculo": "acero"})",
    R"({"calculo": "parabola"})",
    R"({"calculo": "conversion"})",
    R"({"calculo": "cortante", "ranuras": {"0": [[4, 20]]}})",
    R"({"calculo": "pilar"})",
    R"({"calculo": "flechas", "ranuras": {"1": [[3, 16]], "2": [[2, 12]]}})",
    R"({"calculo": "anclaje", "ranuras": {"1": [[4, 16]], "2": [[4, 16]]}})",
    R"({"calculo": "fluencia"})",
    R"({"calculo": "retraccion"})",
    R"({"calculo": "interaccion", "ParametrosGenerales": {"GrupoDesignacionAcero": 1},
        "DatosSeccion": {"Valor1": "0.40", "Valor2": "0.20", "Valor3": "0.05", "Valor4": "0.05"},
        "ranuras": {"1": [[2, 16]], "2": [[2, 16]]}})",
};

class InformeDeCadaCalculo : public ::testing::TestWithParam<const char*> {};

TEST_P(InformeDeCadaCalculo, BienFormadoFinitoYConSusValores) {
    Json entrada = Json::parse(GetParam());
    entrada["informe"] = "html";
    const std::string h = Informe(entrada.dump());
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(ProblemaXml(h), "");
    EXPECT_FALSE(TieneNoFinito(h));

    const std::string nombre = entrada["calculo"].get<std::string>();
    Contexto c(entrada, nombre);
    Calculos().at(nombre).funcion(c);
    for (const auto& a : c.Capitulo().apartados) {
        const auto p = pruebas::ProblemasTraza(a.traza);
        EXPECT_TRUE(p.empty()) << a.titulo << ": " << p.front();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabla, InformeDeCadaCalculo, ::testing::ValuesIn(Lineas));

// El capítulo dice qué sección se calculó, sin nombres de ventanas.
TEST(Informe, TituloConLaSeccion) {
    const std::string t = Informe(
        R"({"calculo": "seccion", "DatosSeccionT": {"Valor5": "100"}, "informe": "html"})");
    EXPECT_NE(t.find("Armadura longitudinal de la sección en T</h2>"), std::string::npos);
    const std::string r = Informe(
        R"({"calculo": "momento", "ranuras": {"1": [[3, 16]]}, "informe": "html"})");
    EXPECT_NE(r.find("Momento de agotamiento de la sección rectangular</h2>"), std::string::npos);
    EXPECT_EQ(r.find("DatosSeccion"), std::string::npos);
}

} // namespace
