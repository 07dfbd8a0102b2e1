// Memoria de cálculo de velmora-calc ("informe": "html"): una página XHTML bien formada, sin
// recursos externos, con los números del ejemplo de la sección, y una memoria de cada cálculo
// sin «nan», sin «inf» y con cada sustitución de sus trazas dando su valor.

#include "Procesar.h"
#include "documento/Contexto.h"
#include "tests/common/Expresion.h"

#include <gtest/gtest.h>

#include <cstdio>
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

// El rótulo de dos líneas de la ventana («…éste no\rse agota…») conserva su salto en el cuadro.
TEST(Informe, RotuloDeDosLineasConservaElSalto) {
    const std::string h =
        Informe(R"({"calculo": "cortante", "ranuras": {"0": [[4, 20]]}, "informe": "html"})");
    EXPECT_NE(h.find("éste no\nse agota"), std::string::npos);
    EXPECT_EQ(h.find("nose agota"), std::string::npos);
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
    // Las otras ramas: excentricidad, opciones y casillas distintas de las de arranque.
    R"({"calculo": "seccion", "DatosSeccionT": {"Valor5": "0.3", "Valor6": "3000",
        "GrupoDatoConocido": 1}, "ParametrosGenerales": {"GrupoTipoElemento": 3,
        "GrupoControlAcero": 1, "GrupoSituacionProyecto": 1}})",
    R"({"calculo": "momento", "DatosSeccionT": {}, "ranuras": {"1": [[4, 20]], "2": [[2, 12]]}})",
    R"({"calculo": "acero", "DiagramaCalculo": {"GrupoDesignacionAcero": 1, "GrupoTipoDiagrama": 1,
        "GrupoValorEs": 2, "Valor1": "-0.002"}})",
    R"({"calculo": "parabola", "VentanaParabola": {"GrupoTipoSeccion": 1,
        "GrupoSituacionProyecto": 1}})",
    R"({"calculo": "conversion", "VentanaConversion": {"GrupoTipoConversion": 2,
        "GrupoTipoFuerzaOrigen": 2, "GrupoTipoFuerzaFinal": 1, "GrupoTipoSalida": 1}})",
    R"({"calculo": "cortante", "VentanaTransversal1": {"ArmaduraComprimida": true,
        "CuadroVd1": "300", "CuadroVd2": "250", "CuadroVd3": "100"}})",
    R"({"calculo": "flechas", "VentanaFlechas": {"GrupoTipoPieza": 1},
        "VentanaResultadosFlecha": {"GrupoDuracionCarga": 2}})",
    R"({"calculo": "anclaje", "VentanaLongitudAnclaje": {"GrupoTipoAnclaje": 2,
        "EfectosDinamicos": true, "ArmaduraSuperabundante": true, "PosicionIITraccion": true,
        "CuadroDecalaje": "30"}, "ranuras": {"1": [[4, 16]], "2": [[2, 20]]}})",
    R"({"calculo": "fluencia", "VentanaDeformacion": {"EspesorFicticioConocido": true,
        "Perimetro": "20", "GrupoMedioAmbiente": 0}})",
    R"({"calculo": "retraccion", "VentanaRetraccion": {"GrupoConsistencia": 2,
        "EspesorFicticioConocido": true, "Perimetro": "15"}})",
    R"({"calculo": "interaccion", "VentanaInteraccion": {"AreaA1": "4", "AreaA2": "2"},
        "combinaciones": [["ELU-1", "350", "120"], ["Vacía", "0", "0"]]})",
    // Dominio 2 con la armadura traccionada en la meseta (su deformación es la del pivote, 10 ‰)
    // y la comprimida en la rama lineal.
    R"({"calculo": "momento", "ParametrosGenerales": {"GrupoDesignacionAcero": 1,
        "ResistenciaCaracteristica": "50", "GrupoSituacionProyecto": 1},
        "DatosSeccion": {"Valor1": "0.46", "Valor2": "0.16", "Valor3": "0.048", "Valor4": "0.033"},
        "VentanaMomento": {"Traccionada": true, "Comprimida": true},
        "ranuras": {"1": [[16, 8]], "2": [[3, 10]]}})",
    // Control reducido con hormigonado vertical: fcd = 0.9·15/1.5 = 9, no 10.
    R"({"calculo": "parametros", "ParametrosGenerales": {"GrupoControlHormigon": 1,
        "GrupoTipoElemento": 1, "HormigonadoVertical": true}})",
    // Código Estructural con control intenso y αcc.
    R"({"calculo": "parametros", "ParametrosGenerales": {"GrupoNorma": 1, "GrupoControlAcero": 1,
        "GrupoControlHormigon": 1, "CoeficienteAlfaCC": "0.85", "ResistenciaCaracteristica": "60"}})",
    R"({"calculo": "fisuracion", "ranuras": {"1": [[4, 16]], "2": [[2, 12]]}})",
    // Fisuración: en T con dos diámetros, característica, separación dada (7.14), tracción
    // compuesta (k2 de (7.13)), sin fisurar, C60 y una clase sin columna en las tablas.
    R"({"calculo": "fisuracion", "VentanaFisuracion": {"GrupoTipoSeccion": 1, "Valorh": "0.60",
        "Valorb": "0.80", "MomentoCP": "250", "Caracteristica": true, "MomentoCar": "320",
        "AxilCar": "-50", "ClaseExposicion": 8, "GrupoDuracion": 0, "Fluencia": "2",
        "Separacion": "250"}, "ranuras": {"1": [[3, 20], [2, 16]], "2": [[2, 12]]}})",
    R"({"calculo": "fisuracion", "VentanaFisuracion": {"MomentoCP": "30", "AxilCP": "-200"},
        "ranuras": {"1": [[4, 16]], "2": [[2, 12]]}})",
    R"({"calculo": "fisuracion", "VentanaFisuracion": {"MomentoCP": "20", "AxilCP": "100"},
        "ranuras": {"1": [[4, 16]]}})",
    R"({"calculo": "fisuracion", "ParametrosGenerales": {"ResistenciaCaracteristica": "60"},
        "VentanaFisuracion": {"MomentoCP": "150", "ClaseExposicion": 7},
        "ranuras": {"1": [[4, 16]], "2": [[2, 12]]}})",
    // Código Estructural: fcm por encima y por debajo de 35, los tres cementos, la fluencia no
    // lineal, el espesor medio escrito, βH en su tope y el secado sin empezar.
    R"({"calculo": "fluencia_ce"})",
    R"({"calculo": "fluencia_ce", "VentanaFluenciaCE": {"ResistenciaCaracteristica": "30",
        "GrupoClaseCemento": 0, "Tiempo01": "7", "Tension": "12"}})",
    R"({"calculo": "fluencia_ce", "VentanaFluenciaCE": {"GrupoClaseCemento": 2,
        "EspesorMedioConocido": true, "EspesorMedio": "900", "HumedadRelativa": "100"}})",
    R"({"calculo": "retraccion_ce"})",
    R"({"calculo": "retraccion_ce", "VentanaRetraccionCE": {"ResistenciaCaracteristica": "60",
        "GrupoClaseCemento": 2, "Edad": "5", "EspesorMedioConocido": true}})",
    // Flechas con el Código Estructural: fisurada con carga prolongada y sin fisurar.
    R"({"calculo": "flechas", "ParametrosGenerales": {"GrupoNorma": 1},
        "VentanaFlechas": {"ValorMa": "60", "GrupoDuracionCarga": 1},
        "ranuras": {"1": [[3, 16]], "2": [[2, 12]]}})",
    R"({"calculo": "flechas", "ParametrosGenerales": {"GrupoNorma": 1},
        "VentanaResultadosFlecha": {"CoeficienteFluencia": "2.5"}})",
};

// Lo que la tabla de datos y la de resultados dicen, sin las marcas.
std::string TextoDeTablas(const std::string& h) {
    std::string t;
    for (const char* clase : {"<table class=\"datos\">", "<table class=\"resultados\">"}) {
        const auto i = h.find(clase);
        if (i != std::string::npos)
            t += h.substr(i, h.find("</table>", i) - i);
    }
    return std::regex_replace(t, std::regex("<[^>]*>"), " ");
}

// El nombre de objeto de un control o de una ventana (CuadroAncho, Valor12, LongitudBasicaI,
// «(VentanaTransversal1)») o el índice de una opción en lugar de su texto.
std::string NombreDeObjeto(const std::string& texto) {
    static const std::regex r(
        R"(\b(Valor|Cuadro|Grupo|Etiqueta|Label|Ventana)[A-Za-z0-9]+|\b[A-Z][a-z]+[A-Z0-9][A-Za-z0-9]*|opción [0-9])");
    std::smatch m;
    return std::regex_search(texto, m, r) ? m.str() : "";
}

class InformeDeCadaCalculo : public ::testing::TestWithParam<const char*> {};

TEST_P(InformeDeCadaCalculo, BienFormadoFinitoYConSusValores) {
    Json entrada = Json::parse(GetParam());
    entrada["informe"] = "html";
    const std::string h = Informe(entrada.dump());
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(ProblemaXml(h), "");
    EXPECT_FALSE(TieneNoFinito(h));
    EXPECT_EQ(NombreDeObjeto(TextoDeTablas(h)), "");
    EXPECT_EQ(h.find("opción "), std::string::npos);

    const std::string nombre = entrada["calculo"].get<std::string>();
    Contexto c(entrada, nombre);
    Catalogo().at(nombre).funcion(c);
    for (const auto& a : c.Capitulo().apartados) {
        const auto p = pruebas::ProblemasTraza(a.traza);
        EXPECT_TRUE(p.empty()) << a.titulo << ": " << p.front();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabla, InformeDeCadaCalculo, ::testing::ValuesIn(Lineas));

TEST(Informe, CabeceraYCitasSegunLaNorma) {
    const std::string ehe = Informe(R"({"calculo": "parametros", "informe": "html"})");
    EXPECT_NE(ehe.find(">Norma: EHE-98<"), std::string::npos);
    EXPECT_NE(ehe.find("art.\u00A039.4"), std::string::npos);
    EXPECT_EQ(ehe.find("Código Estructural"), std::string::npos);
    EXPECT_EQ(ehe.find("αcc"), std::string::npos); // no interviene: no es un dato de la memoria
    const std::string ce = Informe(
        R"({"calculo": "parametros", "ParametrosGenerales": {"GrupoNorma": 1, "GrupoControlAcero": 1},
            "informe": "html"})");
    EXPECT_NE(ce.find(">Norma: Código Estructural (Real Decreto 470/2021), Anejo 19<"),
              std::string::npos);
    EXPECT_NE(ce.find("Anejo 19, 3.1.6(1)"), std::string::npos);
    EXPECT_EQ(ce.find("art.\u00A0"), std::string::npos);
    EXPECT_NE(ce.find("Intenso"), std::string::npos)
        << "el nivel de control se nombra como en la ventana";
}

// El momento de fisuración de las flechas se escribe con dos decimales en kN·m, como los demás
// momentos de la memoria, con las dos normas.
class FisuracionDeLasFlechas : public ::testing::TestWithParam<const char*> {};

TEST_P(FisuracionDeLasFlechas, MomentoConDosDecimales) {
    const std::string h = Informe(GetParam());
    const auto i = h.find("<span class=\"descripcion\">Momento de fisuración");
    ASSERT_NE(i, std::string::npos);
    const auto b = h.find("<b>", i), fin = h.find("</b>", i);
    ASSERT_LT(b, fin);
    const std::string valor = h.substr(b + 3, fin - b - 3);
    EXPECT_TRUE(std::regex_match(valor, std::regex("[0-9]+\\.[0-9]{2}\u00A0kN·m"))) << valor;
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, FisuracionDeLasFlechas,
    ::testing::Values(
        R"({"calculo": "flechas", "ranuras": {"1": [[3, 16]]}, "informe": "html"})",
        R"({"calculo": "flechas", "ParametrosGenerales": {"GrupoNorma": 1},
            "ranuras": {"1": [[3, 16]]}, "informe": "html"})"));

// El capítulo dice qué sección se calculó, sin nombres de ventanas.
TEST(Informe, TituloConLaSeccion) {
    const std::string t =
        Informe(R"({"calculo": "seccion", "DatosSeccionT": {"Valor5": "100"}, "informe": "html"})");
    EXPECT_NE(t.find("Armadura longitudinal de la sección en T</h2>"), std::string::npos);
    const std::string r =
        Informe(R"({"calculo": "momento", "ranuras": {"1": [[3, 16]]}, "informe": "html"})");
    EXPECT_NE(r.find("Momento de agotamiento de la sección rectangular</h2>"), std::string::npos);
    EXPECT_EQ(r.find("DatosSeccion"), std::string::npos);
}

} // namespace

namespace {

// Filas de la memoria: el nombre del dato o del resultado como lo lee un ingeniero, la opción
// elegida por su texto y las casillas como «sí», «no» o inaplicables.
struct FilaEsperada {
    const char* linea;
    const char* fila;
};

const FilaEsperada Filas[] = {
    // Las casillas que el tipo «Viga» inhabilita no se aplican aunque la ventana las marque.
    {R"({"calculo": "parametros"})", "<td>Armadura simétrica</td><td>no se aplica a Viga</td>"},
    {R"({"calculo": "parametros", "ParametrosGenerales": {"GrupoTipoElemento": 1}})",
     "<td>Armadura simétrica</td><td>sí</td>"},
    {R"({"calculo": "parametros", "ParametrosGenerales": {"GrupoControlAcero": 1}})",
     "<td>Nivel de control del acero</td><td>Reducido</td>"},
    // Valor5 es el momento o la excentricidad según el dato conocido.
    {R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "100"}})",
     "<td>Momento flector M<sub>d</sub></td><td>100</td><td>kN·m</td>"},
    {R"({"calculo": "seccion", "DatosSeccion": {"Valor5": "0.2", "Valor6": "500",
        "GrupoDatoConocido": 1}})",
     "<td>Excentricidad e<sub>0</sub></td><td>0.2</td><td>m</td>"},
    {R"({"calculo": "cortante"})", "<td>Cortante V<sub>d1</sub></td><td>1.00</td><td>kN</td>"},
    {R"({"calculo": "cortante"})",
     "<td>Agotamiento por compresión oblicua en el alma V<sub>u1</sub> (kN)</td>"},
    // Un botón que aún dice «Defina armadura» es una armadura sin definir.
    {R"({"calculo": "cortante"})",
     "<td>Armadura longitudinal traccionada</td><td class=\"rotulo\">sin definir</td>"},
    {R"({"calculo": "momento", "ranuras": {"1": [[3, 16]]}})",
     "<td>Armadura traccionada</td><td class=\"rotulo\">3Ø16</td>"},
    {R"({"calculo": "anclaje", "ranuras": {"1": [[4, 16]]},
        "VentanaLongitudAnclaje": {"PosicionII": false, "GrupoTipoAnclaje": 1}})",
     "<td>Anclaje de las barras</td><td>Patilla, gancho y gancho en U</td>"},
    {R"({"calculo": "fluencia", "VentanaDeformacion": {"EspesorFicticioConocido": true}})",
     "<td>Espesor ficticio</td><td>140</td><td>cm</td>"},
    {R"({"calculo": "acero", "DiagramaCalculo": {"GrupoValorEs": 0}})",
     "<td>Módulo de deformación E<sub>s</sub></td><td>190000</td><td>N/mm²</td>"},
    // El ² de N/mm² está en otro rótulo de la ventana.
    {R"({"calculo": "acero"})", "f    =  347.8  N/mm²</td>"},
    {R"({"calculo": "area", "IndiceArmadura": 3, "ranuras": {"3": [[2, 16]]}})",
     "<td>Ranura de armadura</td><td>3</td>"},
    // El diagrama de interacción da números, no rótulos, y una fila por combinación.
    {R"({"calculo": "interaccion", "VentanaInteraccion": {"AreaA1": "4"}})",
     "<td>Área A<sub>1</sub> (cm²)</td><td class=\"rotulo\">    4.0000</td>"},
    {R"({"calculo": "interaccion", "VentanaInteraccion": {"AreaA1": "4"},
        "combinaciones": [["ELU-1", "350", "120"]]})",
     "<td>Combinación comprobada</td><td class=\"rotulo\">ELU-1: N = 350.0 kN, M = 120.0 kN·m; "
     "γ = "},
    {R"({"calculo": "interaccion", "VentanaInteraccion": {"AreaA1": "4"},
        "combinaciones": [["Vacía", "0", "0"]]})",
     "Vacía: N = 0.0 kN, M = 0.0 kN·m; sin esfuerzos</td>"},
};

class FilaDelInforme : public ::testing::TestWithParam<FilaEsperada> {};

TEST_P(FilaDelInforme, NombraElDatoComoLaVentana) {
    Json entrada = Json::parse(GetParam().linea);
    entrada["informe"] = "html";
    const std::string h = Informe(entrada.dump());
    EXPECT_NE(h.find(GetParam().fila), std::string::npos) << GetParam().fila;
}

INSTANTIATE_TEST_SUITE_P(Tabla, FilaDelInforme, ::testing::ValuesIn(Filas));

// Los cuatro valores extremos del diagrama de interacción salen en la memoria con los números
// de la respuesta.
TEST(Informe, ExtremosDelDiagramaDeInteraccion) {
    const Json r = Procesar(R"({"calculo": "interaccion", "informe": "html",
                                "VentanaInteraccion": {"AreaA1": "4", "AreaA2": "2"}})");
    const std::string h = r["informe"].get<std::string>();
    const std::pair<const char*, const char*> valores[] = {
        {"N0", "Esfuerzo normal último en compresión centrada N<sub>0</sub> (kN)"},
        {"Ntraccion", "Esfuerzo normal último en tracción centrada (kN)"},
        {"Mmax", "Momento último positivo máximo (kN·m)"},
        {"Mmin", "Momento último negativo máximo (kN·m)"},
    };
    for (const auto& [clave, nombre] : valores) {
        char numero[64];
        std::snprintf(numero, sizeof numero, "%.3f", r[clave].get<double>());
        EXPECT_NE(h.find(std::string("<td>") + nombre + "</td><td class=\"rotulo\">" + numero),
                  std::string::npos)
            << clave;
    }
}

} // namespace
