// El catálogo de los cálculos: un cálculo nuevo existe en cuanto tiene su entrada. Un cálculo que
// sólo existe en esta prueba (el área de un cuadrado, A = a²) se añade por el catálogo y nada más,
// y se responde como una línea de velmora-calc, se guarda y se relee en un proyecto y tiene su
// capítulo en la memoria.

#include "documento/Catalogo.h"
#include "common/Descripcion.h"
#include "common/Numeros.h"
#include "documento/Contexto.h"
#include "documento/Lote.h"
#include "documento/Proyecto.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <span>
#include <string>

using namespace velmora;

namespace {

constexpr const char* Ventana = "VentanaCuadrado";
constexpr Campo CampoLado{"Lado", "Lado del cuadrado a", "m", 1.0, 0.01, 100.0, "2"};

void CalcularCuadrado(Contexto& c) {
    const TextosCampos textos{{"Lado", c.Texto(Ventana, CampoLado.control, CampoLado.defecto)}};
    const double a = Exigir(LeerCampoEnIntervalo(textos, CampoLado));
    c.Poner(Ventana, "EtiquetaArea", Formatear(a * a, 0, 2));
}

EntradaCatalogo EntradaCuadrado() {
    return {.nombre = "cuadrado",
            .titulo = "Área de un cuadrado",
            .descripcion = "área de un cuadrado de lado dado",
            .funcion = &CalcularCuadrado,
            .volcarEstado = false,
            .ventanas = {{Ventana, std::span(&CampoLado, 1)}},
            .resultados = {{Ventana, "EtiquetaArea", "Área del cuadrado A", "m²"}}};
}

// Cada prueba corre en su propio proceso: el cálculo se añade la primera vez que se pide.
void AnadirCuadrado() {
    if (!Catalogo().contains("cuadrado")) {
        ASSERT_TRUE(AnadirAlCatalogo(EntradaCuadrado()));
    }
}

Json Responder(const Json& linea) {
    return Json::parse(ProcesarLinea(linea.dump()));
}

struct CasoCuadrado {
    const char* nombre;
    Json linea;
    bool ok;
    const char* area;  // rótulo esperado, a² con dos decimales
    const char* error; // parte del mensaje, si falla
};

class LineaDelCuadrado : public ::testing::TestWithParam<CasoCuadrado> {};

TEST_P(LineaDelCuadrado, SeRespondeComoCualquierCalculo) {
    AnadirCuadrado();
    const auto& k = GetParam();
    const Json r = Responder(k.linea);
    EXPECT_EQ(r["calculo"], "cuadrado");
    ASSERT_EQ(r["ok"], k.ok) << r.dump();
    if (k.ok) {
        EXPECT_EQ(r[Ventana]["EtiquetaArea"], k.area);
        // volcarEstado = false en la entrada: sin estado de diseño.
        EXPECT_FALSE(r.contains("estado"));
    } else {
        EXPECT_NE(r["error"].get<std::string>().find(k.error), std::string::npos) << r.dump();
    }
}

// A = a²: 3² = 9, 0.5² = 0.25, 2² = 4 (el lado de arranque), 12.5² = 156.25.
INSTANTIATE_TEST_SUITE_P(
    Catalogo, LineaDelCuadrado,
    ::testing::Values(
        CasoCuadrado{
            "Lado3", {{"calculo", "cuadrado"}, {Ventana, {{"Lado", "3"}}}}, true, "9.00", ""},
        CasoCuadrado{
            "LadoMedio", {{"calculo", "cuadrado"}, {Ventana, {{"Lado", "0.5"}}}}, true, "0.25", ""},
        CasoCuadrado{"LadoDeArranque", {{"calculo", "cuadrado"}}, true, "4.00", ""},
        CasoCuadrado{"LadoConComa",
                     {{"calculo", "cuadrado"}, {Ventana, {{"Lado", "12,5"}}}},
                     true,
                     "156.25",
                     ""},
        CasoCuadrado{"LadoNoNumero",
                     {{"calculo", "cuadrado"}, {Ventana, {{"Lado", "abc"}}}},
                     false,
                     "",
                     "Lado del cuadrado a"},
        CasoCuadrado{"LadoFueraDeIntervalo",
                     {{"calculo", "cuadrado"}, {Ventana, {{"Lado", "200"}}}},
                     false,
                     "",
                     "entre 0.01 y 100"},
        CasoCuadrado{"LadoComoNumero",
                     {{"calculo", "cuadrado"}, {Ventana, {{"Lado", 3}}}},
                     false,
                     "",
                     "Lado"},
        CasoCuadrado{"ControlMalEscrito",
                     {{"calculo", "cuadrado"}, {Ventana, {{"Lados", "3"}}}},
                     false,
                     "",
                     "Lados"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(Catalogo, ElCalculoNuevoSeGuardaYSeReleeEnUnProyecto) {
    AnadirCuadrado();
    Proyecto p;
    p.datos = {{"proyecto", "Nave"}};
    p.lineas = {Json{{"calculo", "cuadrado"}, {Ventana, {{"Lado", "3"}}}},
                Json{{"calculo", "area"}, {"IndiceArmadura", 1}}};
    const auto leido = LeerProyecto(EscribirProyecto(p));
    ASSERT_TRUE(leido.ok()) << leido.error().mensaje;
    ASSERT_EQ(leido.valor().lineas.size(), 2u);
    EXPECT_EQ(leido.valor().lineas[0], p.lineas[0]);
    EXPECT_EQ(Responder(leido.valor().lineas[0])[Ventana]["EtiquetaArea"], "9.00");

    // El proyecto sabe qué lee el cálculo nuevo, con su clase y su texto de arranque...
    const auto controles = ControlesDelCalculo("cuadrado");
    ASSERT_EQ(controles.size(), 1u);
    EXPECT_EQ(controles[0].ventana, Ventana);
    EXPECT_EQ(controles[0].control, "Lado");
    EXPECT_EQ(controles[0].tipo, TipoControl::Texto);
    EXPECT_EQ(controles[0].defecto, "2");
    // ... y rechaza lo que el cálculo no lee o lee con otra clase.
    for (const Json& mala : {Json{{"calculo", "cuadrado"}, {Ventana, {{"Lados", "3"}}}},
                             Json{{"calculo", "cuadrado"}, {Ventana, {{"Lado", 3}}}},
                             Json{{"calculo", "cuadrado"}, {"VentanaCirculo", Json::object()}}})
        EXPECT_FALSE(ComprobarLineaProyecto(mala).ok()) << mala.dump();
}

TEST(Catalogo, ElCalculoNuevoTieneSuCapituloEnLaMemoria) {
    AnadirCuadrado();
    const Json r = Responder({{"calculo", "cuadrado"},
                              {Ventana, {{"Lado", "3"}}},
                              {"informe", "html"},
                              {"proyecto", {{"proyecto", "Nave"}}}});
    ASSERT_EQ(r["ok"], true) << r.dump();
    const std::string html = r["informe"].get<std::string>();
    EXPECT_NE(html.find("<h2>1. Área de un cuadrado</h2>"), std::string::npos) << html;
    // El dato con el nombre y la unidad de su campo en la entrada.
    EXPECT_NE(html.find("<td>Lado del cuadrado a</td><td>3</td><td>m</td>"), std::string::npos)
        << html;
    // El resultado con el nombre y la unidad de la entrada.
    EXPECT_NE(html.find("<td>Área del cuadrado A (m²)</td><td class=\"rotulo\">9.00</td>"),
              std::string::npos)
        << html;
    EXPECT_EQ(html.find("EtiquetaArea"), std::string::npos);

    // En la memoria de una tanda, el capítulo del cálculo nuevo va junto a los demás.
    InformeLinea informe;
    const Json s = Json::parse(
        ProcesarLinea(R"({"calculo": "cuadrado", "informe": "html"})", false, &informe));
    EXPECT_EQ(s["ok"], true);
    EXPECT_EQ(informe.capitulo.titulo, "Área de un cuadrado");
    EXPECT_FALSE(s.contains("informe"));
}

TEST(Catalogo, UnNombreRepetidoNoSeAnade) {
    AnadirCuadrado();
    const auto antes = Catalogo().size();
    const auto otra = [](Contexto& c) { c.Poner(Ventana, "EtiquetaArea", "otra"); };
    // Ni el del cálculo nuevo ni el de uno del programa: el primero se queda como estaba.
    for (const char* nombre : {"cuadrado", "seccion", "area"})
        EXPECT_FALSE(AnadirAlCatalogo({nombre, "Otro", "otro", +otra})) << nombre;
    // Sin función no hay cálculo.
    EXPECT_FALSE(AnadirAlCatalogo({"sin_funcion", "Sin función", "nada", nullptr}));
    EXPECT_EQ(Catalogo().size(), antes);
    EXPECT_EQ(Responder({{"calculo", "cuadrado"}})[Ventana]["EtiquetaArea"], "4.00");
    EXPECT_EQ(Responder({{"calculo", "area"}})["ok"], true);
    EXPECT_NE(NombresCatalogo().find("cuadrado"), std::string::npos);
}

// Lo que describe una entrada: el campo o la elección de `control` en alguna de sus ventanas.
bool Describe(const EntradaCatalogo& e, const std::string& ventana, const std::string& control) {
    for (const VentanaCatalogo& v : e.ventanas) {
        if (v.ventana != ventana)
            continue;
        for (const Campo& c : v.campos)
            if (c.control == control)
                return true;
        for (const Eleccion& k : v.elecciones)
            if (k.control == control)
                return true;
    }
    return false;
}

// Cada control que lee un cálculo (con EHE-98 y con el Código Estructural) está descrito en su
// entrada: la memoria lo nombra por su descripción, no por su nombre de objeto.
TEST(Catalogo, CadaEntradaDescribeLosControlesQueLeeSuCalculo) {
    for (const auto& [nombre, e] : Catalogo()) {
        for (const int norma : {0, 1}) {
            const Json linea = {{"ParametrosGenerales", {{"GrupoNorma", norma}}}};
            for (const ControlLeido& c : ControlesDelCalculo(nombre, linea)) {
                if (c.tipo == TipoControl::Valor)
                    continue;
                EXPECT_TRUE(Describe(e, c.ventana, c.control))
                    << nombre << ": " << c.ventana << "/" << c.control;
            }
        }
    }
}

// Un rótulo que escriben dos cálculos se llama igual en la memoria de los dos: cada par ventana y
// control se nombra en una sola entrada.
TEST(Catalogo, CadaRotuloSeNombraUnaSolaVez) {
    std::map<std::pair<std::string_view, std::string_view>, std::string> donde;
    for (const auto& [nombre, e] : Catalogo())
        for (const ResultadoCatalogo& r : e.resultados) {
            const auto [i, nuevo] = donde.emplace(std::pair{r.ventana, r.control}, nombre);
            EXPECT_TRUE(nuevo) << r.ventana << "/" << r.control << " en " << i->second << " y en "
                               << nombre;
        }
    // Los del selector de área, de la sección y de la fisuración, donde se escriben.
    EXPECT_EQ(donde.at({"VentanaArea", "EtiquetaArea"}), "area");
    EXPECT_EQ(donde.at({"VentanaResultados", "AreaTraccion"}), "seccion");
    EXPECT_EQ(donde.at({"VentanaFisuracion", "BotonA1"}), "fisuracion");
}

// Los cálculos del programa, cada uno con su nombre, su título de capítulo, su línea de ayuda y
// su función.
TEST(Catalogo, CadaCalculoDelProgramaTieneSuEntradaCompleta) {
    const std::array nombres{
        "acero",      "anclaje",  "area",        "conversion",    "cortante", "fisuracion",
        "flechas",    "fluencia", "fluencia_ce", "interaccion",   "momento",  "parabola",
        "parametros", "pilar",    "retraccion",  "retraccion_ce", "seccion"};
    // El cálculo de juguete está si otra prueba de este proceso lo añadió.
    const bool cuadrado = Catalogo().contains("cuadrado");
    ASSERT_EQ(Catalogo().size(), nombres.size() + (cuadrado ? 1 : 0));
    for (const char* n : nombres) {
        const auto e = Catalogo().find(n);
        ASSERT_NE(e, Catalogo().end()) << n;
        EXPECT_EQ(e->second.nombre, n);
        EXPECT_FALSE(e->second.titulo.empty()) << n;
        EXPECT_FALSE(e->second.descripcion.empty()) << n;
        EXPECT_NE(e->second.funcion, nullptr) << n;
    }
    EXPECT_EQ(NombresCatalogo(), std::string("acero, anclaje, area, conversion, cortante, ") +
                                     (cuadrado ? "cuadrado, " : "") +
                                     "fisuracion, flechas, fluencia, fluencia_ce, interaccion, "
                                     "momento, parabola, parametros, pilar, retraccion, "
                                     "retraccion_ce, seccion");
}

} // namespace
