// Los controles que lee cada cálculo salen de su entrada del catálogo, sin calcular nada: el orden
// de lectura (el de las claves al guardar un proyecto), la clase, el valor de arranque y los
// valores admitidos de cada control, y las variantes de la línea (la norma, la sección rectangular
// o en T, los parámetros generales dados o no, las claves que sólo se leen si se dan).

#include "documento/Catalogo.h"
#include "documento/Contexto.h"
#include "documento/Proyecto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmora;

namespace {

// Lo que lee de verdad el cálculo con `linea`, todas las ranuras definidas (para que no se detenga
// antes de leerlo todo por una armadura sin definir).
std::vector<ControlLeido> LeidoAlCalcular(const std::string& calculo, Json linea) {
    linea["calculo"] = calculo;
    if (!linea.contains("ranuras")) {
        Json r = Json::object();
        for (int k = 0; k < NumeroRanuras; ++k)
            r[std::to_string(k)] = Json::array({Json::array({1, 10})});
        linea["ranuras"] = r;
    }
    std::vector<ControlLeido> leidos;
    Contexto c(linea, calculo);
    c.Registrar(&leidos);
    try {
        Catalogo().at(calculo).funcion(c);
    } catch (const std::exception&) {
        // Un cálculo que no se puede completar con los valores de arranque: cuenta lo leído.
    }
    return leidos;
}

std::string Lista(const std::vector<ControlLeido>& controles) {
    std::string s;
    for (const ControlLeido& c : controles)
        s += c.ventana + "/" + c.control + " " + std::to_string(static_cast<int>(c.tipo)) + " " +
             c.defecto.dump() + " " + std::to_string(c.minimo) + ".." + std::to_string(c.maximo) +
             "\n";
    return s;
}

struct Variante {
    const char* nombre;
    Json linea;
};

const std::vector<Variante>& Variantes() {
    static const std::vector<Variante> v = {
        {"Vacia", Json::object()},
        {"ConParametros", {{"ParametrosGenerales", Json::object()}}},
        {"EHE98", {{"ParametrosGenerales", {{"GrupoNorma", 0}}}}},
        {"CodigoEstructural", {{"ParametrosGenerales", {{"GrupoNorma", 1}}}}},
        {"Rectangular", {{"DatosSeccion", Json::object()}}},
        {"EnT", {{"DatosSeccionT", Json::object()}}},
        {"EnTCodigoEstructural",
         {{"DatosSeccionT", Json::object()}, {"ParametrosGenerales", {{"GrupoNorma", 1}}}}},
        {"RectangularCodigoEstructural",
         {{"ParametrosGenerales", {{"GrupoNorma", 1}}}, {"DatosSeccion", Json::object()}}},
    };
    return v;
}

class LecturasDelCatalogo : public testing::TestWithParam<std::string> {};

// Para cada cálculo y cada variante, el catálogo da lo mismo que lee el cálculo al calcular, en
// el mismo orden, con la misma clase, el mismo valor de arranque y los mismos límites.
TEST_P(LecturasDelCatalogo, SonLasQueLeeElCalculo) {
    for (const Variante& v : Variantes())
        EXPECT_EQ(Lista(ControlesDelCalculo(GetParam(), v.linea)),
                  Lista(LeidoAlCalcular(GetParam(), v.linea)))
            << GetParam() << " " << v.nombre;
}

std::vector<std::string> Nombres() {
    std::vector<std::string> n;
    for (const auto& [nombre, _] : Catalogo())
        n.push_back(nombre);
    return n;
}

INSTANTIATE_TEST_SUITE_P(Programa, LecturasDelCatalogo, testing::ValuesIn(Nombres()),
                         [](const auto& info) { return info.param; });

const ControlLeido* Buscar(const std::vector<ControlLeido>& v, const std::string& ventana,
                           const std::string& control) {
    for (const ControlLeido& c : v)
        if (c.ventana == ventana && c.control == control)
            return &c;
    return nullptr;
}

// Un área escrita en lugar de su ranura sólo se lee si la línea la da (y sin la ranura).
TEST(LecturasDelCatalogo, UnAreaEscritaSoloSiSeDa) {
    const Json sinArea = Json::object();
    EXPECT_FALSE(
        Buscar(ControlesDelCalculo("interaccion", sinArea), "VentanaInteraccion", "AreaA1"));
    const Json conArea = {{"VentanaInteraccion", {{"AreaA1", "12.5"}}}};
    const auto controles = ControlesDelCalculo("interaccion", conArea);
    const ControlLeido* a1 = Buscar(controles, "VentanaInteraccion", "AreaA1");
    ASSERT_TRUE(a1);
    EXPECT_EQ(a1->tipo, TipoControl::Texto);
    EXPECT_EQ(a1->defecto, "0");
    EXPECT_FALSE(Buscar(controles, "VentanaInteraccion", "AreaA2"));
    Json sinRanuras = conArea;
    sinRanuras["ranuras"] = Json::object();
    EXPECT_TRUE(Buscar(LeidoAlCalcular("interaccion", sinRanuras), "VentanaInteraccion", "AreaA1"));
    EXPECT_TRUE(ComprobarLineaProyecto(
                    {{"calculo", "interaccion"}, {"VentanaInteraccion", {{"AreaA1", "12.5"}}}})
                    .ok());
}

// Un cálculo de prueba con una lectura de cada clase de variante: lo que da cada línea se sigue
// de las reglas, no de calcular (su función no lee nada).
void NoLeeNada(Contexto&) {}

EntradaCatalogo EntradaVariantes() {
    return {
        .nombre = "variantes",
        .titulo = "Variantes",
        .descripcion = "variantes de lectura",
        .funcion = &NoLeeNada,
        .volcarEstado = false,
        .lecturas = {LeeIndice("ParametrosGenerales", "GrupoNorma", 0, 2, Cuando::ConParametros),
                     LeeTexto("V", "Siempre", "1.5"),
                     LeeCasilla("V", "SoloEHE", true, Cuando::SoloEHE98),
                     LeeEntero("V", "SoloCE", 3, 1, 7, Cuando::SoloCodigoEstructural),
                     LeeTexto("DatosSeccion", "Rect", "0.40", Cuando::Rectangular),
                     LeeTexto("DatosSeccionT", "T", "1.00", Cuando::EnT),
                     LeeTexto("V", "Dado", "0", Cuando::SiSeDa), LeeValor("lista")},
        .unaSeccion = true};
}

struct CasoVariante {
    const char* nombre;
    Json linea;
    const char* esperado; // ventana/control de cada lectura, en orden, separados por espacios
};

class ReglasDeVariante : public testing::TestWithParam<CasoVariante> {};

TEST_P(ReglasDeVariante, LeeLoQueDiceSuCondicion) {
    std::string leidas;
    for (const ControlLeido& c : ControlesSegunEntrada(EntradaVariantes(), GetParam().linea))
        leidas += (leidas.empty() ? "" : " ") + c.ventana + "/" + c.control;
    EXPECT_EQ(leidas, GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogo, ReglasDeVariante,
    testing::Values(
        CasoVariante{"SinNada", Json::object(), "V/Siempre V/SoloEHE DatosSeccion/Rect /lista"},
        CasoVariante{"ParametrosSinNorma",
                     {{"ParametrosGenerales", Json::object()}},
                     "ParametrosGenerales/GrupoNorma V/Siempre V/SoloEHE DatosSeccion/Rect /lista"},
        CasoVariante{"CodigoEstructural",
                     {{"ParametrosGenerales", {{"GrupoNorma", 1}}}},
                     "ParametrosGenerales/GrupoNorma V/Siempre V/SoloCE DatosSeccion/Rect /lista"},
        // Una norma que no existe no elige el Código Estructural; la línea se rechaza después
        // por ese valor.
        CasoVariante{"NormaInexistente",
                     {{"ParametrosGenerales", {{"GrupoNorma", 7}}}},
                     "ParametrosGenerales/GrupoNorma V/Siempre V/SoloEHE DatosSeccion/Rect /lista"},
        CasoVariante{"SeccionEnT",
                     {{"DatosSeccionT", Json::object()}},
                     "V/Siempre V/SoloEHE DatosSeccionT/T /lista"},
        // Con las dos secciones el cálculo se detiene antes de leerlas; cada sección se lee
        // después por separado (con lo que la sigue), en el orden de la línea.
        CasoVariante{"DosSeccionesTPrimero",
                     {{"DatosSeccionT", Json::object()}, {"DatosSeccion", Json::object()}},
                     "V/Siempre V/SoloEHE DatosSeccionT/T /lista DatosSeccion/Rect"},
        CasoVariante{"DosSeccionesRectPrimero",
                     {{"DatosSeccion", Json::object()}, {"DatosSeccionT", Json::object()}},
                     "V/Siempre V/SoloEHE DatosSeccion/Rect /lista DatosSeccionT/T"},
        CasoVariante{"ClaveDada",
                     {{"V", {{"Dado", "2"}}}},
                     "V/Siempre V/SoloEHE DatosSeccion/Rect /lista V/Dado"}),
    [](const auto& info) { return info.param.nombre; });

// La clase, el arranque y los límites de cada lectura pasan tal cual al control leído.
TEST(ReglasDeVariante, ClaseArranqueYLimites) {
    const auto ce =
        ControlesSegunEntrada(EntradaVariantes(), {{"ParametrosGenerales", {{"GrupoNorma", 1}}}});
    const ControlLeido* norma = Buscar(ce, "ParametrosGenerales", "GrupoNorma");
    ASSERT_TRUE(norma);
    EXPECT_EQ(norma->tipo, TipoControl::Indice);
    EXPECT_EQ(norma->defecto, 0);
    EXPECT_EQ(norma->maximo, 1);
    const ControlLeido* entero = Buscar(ce, "V", "SoloCE");
    ASSERT_TRUE(entero);
    EXPECT_EQ(entero->tipo, TipoControl::Entero);
    EXPECT_EQ(entero->defecto, 3);
    EXPECT_EQ(entero->minimo, 1);
    EXPECT_EQ(entero->maximo, 7);
    const auto ehe = ControlesSegunEntrada(EntradaVariantes());
    const ControlLeido* casilla = Buscar(ehe, "V", "SoloEHE");
    ASSERT_TRUE(casilla);
    EXPECT_EQ(casilla->tipo, TipoControl::Casilla);
    EXPECT_EQ(casilla->defecto, true);
    const ControlLeido* lista = Buscar(ehe, "", "lista");
    ASSERT_TRUE(lista);
    EXPECT_EQ(lista->tipo, TipoControl::Valor);
    EXPECT_TRUE(lista->defecto.is_null());
}

} // namespace
