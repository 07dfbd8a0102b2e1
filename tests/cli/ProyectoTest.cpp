// Ficheros de proyecto: lo que se rechaza entero (con la línea y la causa), lo que se acepta tal
// cual, la escritura y la tanda de velmora-calc sobre un proyecto.

#include "documento/Proyecto.h"
#include "cli/Tanda.h"
#include "documento/Lote.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace velmora;

namespace {

const std::string Cabecera = "{\"velmora\": 1, \"proyecto\": {}}\n";

struct CasoRechazo {
    const char* nombre;
    std::string texto;
    const char* fragmento; // parte del mensaje, con la línea
};

class RechazoDeProyecto : public ::testing::TestWithParam<CasoRechazo> {};

TEST_P(RechazoDeProyecto, NombraLaLineaYLaCausa) {
    const auto& c = GetParam();
    const auto r = LeerProyecto(c.texto);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().mensaje.find(c.fragmento), std::string::npos) << r.error().mensaje;
}

INSTANTIATE_TEST_SUITE_P(
    Proyecto, RechazoDeProyecto,
    ::testing::Values(
        CasoRechazo{"Vacio", "", "El fichero está vacío: no es un proyecto de Velmora."},
        CasoRechazo{"SoloBlancos", "\n  \n", "El fichero está vacío"},
        CasoRechazo{"NoEsJson", "Presupuesto de la obra\n",
                    "Línea 1: no es JSON válido (error cerca del carácter 1). El fichero no es "
                    "un proyecto de Velmora."},
        CasoRechazo{"NoEsObjeto", "[1, 2]\n", "Línea 1: debe ser un objeto JSON"},
        CasoRechazo{"VersionNueva", "{\"velmora\": 2, \"proyecto\": {}}\n",
                    "Línea 1: el proyecto es de una versión más nueva del formato (2); este "
                    "programa lee hasta la versión 1."},
        CasoRechazo{"VersionNoEntera", "{\"velmora\": \"1\"}\n", "Línea 1: «velmora» debe ser"},
        CasoRechazo{"DatosNoObjeto", "{\"velmora\": 1, \"proyecto\": 3}\n",
                    "Línea 1: «proyecto» debe ser un objeto"},
        CasoRechazo{"AutorNoTexto", "{\"velmora\": 1, \"proyecto\": {\"autor\": 7}}\n",
                    "Línea 1: «autor» de «proyecto» debe ser un texto"},
        CasoRechazo{"CabeceraConSobras", "{\"velmora\": 1, \"autor\": \"J\"}\n",
                    "Línea 1: la cabecera sólo lleva «velmora» y «proyecto»; sobra «autor»."},
        CasoRechazo{"Cortado",
                    Cabecera + "{\"calculo\": \"parametros\"}\n{\"calculo\": \"seccion\", "
                               "\"DatosSeccion\": {\"Valor1\": \"0.",
                    "Línea 3: no es JSON válido (error cerca del carácter 54). El fichero está "
                    "cortado: acaba a mitad de la línea."},
        CasoRechazo{"CabeceraTardia", "{\"calculo\": \"parametros\"}\n" + Cabecera,
                    "Línea 2: la cabecera del proyecto sólo puede ir en la primera línea."},
        CasoRechazo{"CalculoDesconocido", Cabecera + "{\"calculo\": \"viga\"}\n",
                    "Línea 2: el cálculo «viga» no existe."},
        CasoRechazo{"SinCalculo", Cabecera + "{\"DatosSeccion\": {}}\n",
                    "Línea 2: falta «calculo»"},
        CasoRechazo{"VentanaDesconocida",
                    Cabecera + "{\"calculo\": \"seccion\", \"DatosSecion\": {\"Valor1\": \"1\"}}\n",
                    "Línea 2: «DatosSecion» no interviene en el cálculo «seccion»."},
        CasoRechazo{"VentanaDeOtroCalculo",
                    Cabecera +
                        "{\"calculo\": \"pilar\", \"VentanaFlechas\": {\"Valorh\": \"1\"}}\n",
                    "Línea 2: «VentanaFlechas» no interviene en el cálculo «pilar»."},
        CasoRechazo{"ControlDesconocido",
                    Cabecera +
                        "\n{\"calculo\": \"seccion\", \"DatosSeccion\": {\"Valor9\": \"1\"}}\n",
                    "Línea 3: El control «Valor9» no existe en la ventana «DatosSeccion»"},
        CasoRechazo{"TextoComoNumero",
                    Cabecera + "{\"calculo\": \"seccion\", \"DatosSeccion\": {\"Valor1\": 0.4}}\n",
                    "Línea 2: «Valor1» de «DatosSeccion» es un cuadro de texto"},
        CasoRechazo{"OpcionFueraDelGrupo",
                    Cabecera + "{\"calculo\": \"parametros\", \"ParametrosGenerales\": "
                               "{\"GrupoTipoElemento\": 5}}\n",
                    "Línea 2: «GrupoTipoElemento» de «ParametrosGenerales» es un grupo de "
                    "opciones: dé el índice de la opción elegida, un entero de 0 a 4."},
        CasoRechazo{"CasillaComoTexto",
                    Cabecera + "{\"calculo\": \"cortante\", \"VentanaTransversal1\": "
                               "{\"ArmaduraComprimida\": \"sí\"}}\n",
                    "Línea 2: «ArmaduraComprimida» de «VentanaTransversal1» es una casilla"},
        CasoRechazo{"VentanaComoTexto",
                    Cabecera + "{\"calculo\": \"pilar\", \"VentanaTransversal2\": \"0.30\"}\n",
                    "Línea 2: «VentanaTransversal2» debe ser un objeto"},
        CasoRechazo{"RanuraInexistente",
                    Cabecera + "{\"calculo\": \"area\", \"ranuras\": {\"7\": [[1, 10]]}}\n",
                    "Línea 2: La ranura «7» no existe"},
        CasoRechazo{"DiametroNulo",
                    Cabecera + "{\"calculo\": \"area\", \"ranuras\": {\"1\": [[3, 0]]}}\n",
                    "Línea 2: El diámetro del grupo 1 de la ranura «1» debe estar entre 1 y 999"},
        CasoRechazo{"ClaveRepetida", Cabecera + "{\"calculo\": \"pilar\", \"calculo\": \"area\"}\n",
                    "Línea 2: la clave «calculo» aparece dos veces en el mismo objeto."},
        CasoRechazo{"ByteNulo", Cabecera + std::string("{\"calculo\": \"area\"}\0{", 21) + "\n",
                    "Línea 2: contiene un carácter nulo (byte 0) en la posición 20."},
        CasoRechazo{"NoEsUtf8",
                    Cabecera + "{\"calculo\": \"pilar\", \"VentanaTransversal2\": "
                               "{\"Valor1\": \"0,4\xF1\"}}\n",
                    "Línea 2: no es JSON válido"},
        CasoRechazo{"DemasiadoHondo", Cabecera + std::string(100, '[') + std::string(100, ']'),
                    "Línea 2: anida más de 64 niveles"}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(Proyecto, UnTextoQueElCalculoRechazariaSeLeeTalCual) {
    const auto r = LeerProyecto(
        Cabecera + "{\"calculo\": \"seccion\", \"DatosSeccion\": {\"Valor1\": \"abc\"}}\n");
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    ASSERT_EQ(r.valor().lineas.size(), 1u);
    EXPECT_EQ(r.valor().lineas[0]["DatosSeccion"]["Valor1"], "abc");
}

// Un fichero escrito para velmora-calc (sin cabecera, con líneas en blanco y fin de línea de
// Windows) se abre como proyecto; las dos secciones de "seccion" son ventanas alternativas.
TEST(Proyecto, UnaTandaSinCabeceraEsUnProyecto) {
    const auto r = LeerProyecto("\xEF\xBB\xBF{\"calculo\": \"parametros\"}\r\n\r\n"
                                "{\"calculo\": \"seccion\", \"DatosSeccionT\": {\"Valorh\": "
                                "\"0.80\"}, \"DatosSeccion\": {\"Valor1\": \"0.5\"}}");
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(r.valor().lineas.size(), 2u);
    EXPECT_EQ(r.valor().datos, Json::object());
}

// Lo que un cálculo sólo lee cuando la línea lo trae también se admite, y sólo eso.
TEST(Proyecto, ControlesQueSoloSeLeenSiSeDan) {
    const auto bien =
        LeerProyecto(Cabecera +
                     R"({"calculo":"interaccion","VentanaInteraccion":{"AreaA1":"12.5"},)"
                     R"("combinaciones":[["ELU-1","300","90"]]})" +
                     "\n");
    EXPECT_TRUE(bien.ok()) << bien.error().mensaje;
    const auto mal = LeerProyecto(
        Cabecera + R"({"calculo":"interaccion","VentanaInteraccion":{"AreaA3":"1"}})" + "\n");
    ASSERT_FALSE(mal.ok());
    EXPECT_NE(mal.error().mensaje.find("Línea 2: «VentanaInteraccion» no interviene"),
              std::string::npos)
        << mal.error().mensaje;
}

TEST(Proyecto, EscribirYLeerDevuelveLoMismo) {
    Proyecto p;
    p.datos = {{"obra", "Nave en Écija"}, {"autor", "M. Ruiz"}};
    p.lineas.push_back(Json::parse(R"({"calculo":"area","IndiceArmadura":3,"ranuras":)"
                                   R"({"0":[[1,10]],"3":[[2,12],[3,16],[1,8]]}})"));
    p.lineas.push_back(
        Json::parse(R"({"calculo":"pilar","VentanaTransversal2":{"Valor1":"0,45"}})"));
    const std::string texto = EscribirProyecto(p);
    EXPECT_EQ(texto.substr(0, texto.find('\n')),
              R"({"velmora":1,"proyecto":{"obra":"Nave en Écija","autor":"M. Ruiz"}})");
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 3);
    const auto leido = LeerProyecto(texto);
    ASSERT_TRUE(leido.ok()) << leido.error().mensaje;
    EXPECT_EQ(leido.valor().datos, p.datos);
    EXPECT_EQ(leido.valor().lineas, p.lineas);
    EXPECT_EQ(EscribirProyecto(*leido), texto);
    // Los datos de la memoria se leen y se escriben sin perder las demás claves.
    EXPECT_EQ(LeerDatosProyecto(p.datos).autor, "M. Ruiz");
    Json datos = p.datos;
    EscribirDatosProyecto(datos, {"Nave", "Viga V-3", "A. Gil"});
    EXPECT_EQ(datos["obra"], "Nave en Écija");
    EXPECT_EQ(LeerDatosProyecto(datos).elemento, "Viga V-3");
}

const ControlLeido* Buscar(const std::vector<ControlLeido>& v, const char* ventana,
                           const char* control) {
    for (const auto& c : v)
        if (c.ventana == ventana && c.control == control)
            return &c;
    return nullptr;
}

TEST(Proyecto, ControlesQueLeeCadaCalculo) {
    const auto seccion = ControlesDelCalculo("seccion");
    const auto* tipo = Buscar(seccion, "ParametrosGenerales", "GrupoTipoElemento");
    ASSERT_TRUE(tipo);
    EXPECT_EQ(tipo->tipo, TipoControl::Indice);
    EXPECT_EQ(tipo->maximo, 4);
    ASSERT_TRUE(Buscar(seccion, "DatosSeccion", "Valor1"));
    EXPECT_EQ(Buscar(seccion, "DatosSeccion", "Valor1")->defecto, "0.40");
    EXPECT_TRUE(Buscar(seccion, "VentanaResultados", "DiametroCompresion"));
    EXPECT_FALSE(Buscar(seccion, "DatosSeccionT", "Valorh"));
    const auto enT = ControlesDelCalculo("seccion", {{"DatosSeccionT", Json::object()}});
    EXPECT_TRUE(Buscar(enT, "DatosSeccionT", "Valorhf"));

    // Lo que se lee después de calcular también cuenta.
    const auto flechas = ControlesDelCalculo("flechas");
    const auto* duracion = Buscar(flechas, "VentanaResultadosFlecha", "GrupoDuracionCarga");
    ASSERT_TRUE(duracion);
    EXPECT_EQ(duracion->defecto, 6);
    const auto cortante = ControlesDelCalculo("cortante");
    const auto* casilla = Buscar(cortante, "VentanaTransversal1", "ArmaduraComprimida");
    ASSERT_TRUE(casilla);
    EXPECT_EQ(casilla->tipo, TipoControl::Casilla);
    const auto area = ControlesDelCalculo("area");
    ASSERT_EQ(area.size(), 1u);
    EXPECT_EQ(area[0].ventana, "");
    EXPECT_EQ(area[0].tipo, TipoControl::Entero);
    EXPECT_EQ(area[0].maximo, 4);
    EXPECT_TRUE(ControlesDelCalculo("no existe").empty());
}

// Una línea con todos los controles de un cálculo en su valor de arranque es una línea válida
// de proyecto, para cada cálculo inscrito.
TEST(Proyecto, LosValoresDeArranqueSonValidos) {
    for (const auto& [nombre, _] : Catalogo()) {
        Json linea = {{"calculo", nombre}};
        const auto controles = ControlesDelCalculo(nombre);
        EXPECT_FALSE(controles.empty()) << nombre;
        for (const auto& c : controles) {
            if (c.ventana.empty())
                linea[c.control] = c.defecto;
            else
                linea[c.ventana][c.control] = c.defecto;
        }
        const Estado e = ComprobarLineaProyecto(linea);
        EXPECT_TRUE(e.ok()) << nombre << ": " << e.error().mensaje;
    }
}

TEST(Proyecto, LaTandaRepiteLaCabeceraYCalcula) {
    std::istringstream entrada(
        "{\"velmora\": 1, \"proyecto\": {\"obra\": \"Puente\"}}\n"
        "{\"calculo\": \"conversion\", \"VentanaConversion\": {\"ValorOrigen\": \"2\", "
        "\"GrupoTipoLongitudFinal\": 1}}\n"
        "{\"velmora\": 3}\n");
    std::ostringstream salida;
    EXPECT_EQ(ProcesarFlujo(entrada, salida), 1);
    std::istringstream respuestas(salida.str());
    std::string linea;
    std::getline(respuestas, linea);
    EXPECT_EQ(linea, R"({"velmora":1,"proyecto":{"obra":"Puente"},"ok":true})");
    std::getline(respuestas, linea);
    EXPECT_EQ(Json::parse(linea)["VentanaConversion"]["ValorFinal"], "   200.000");
    std::getline(respuestas, linea);
    const Json error = Json::parse(linea);
    EXPECT_EQ(error["ok"], false);
    EXPECT_NE(error["error"].get<std::string>().find("versión más nueva del formato (3)"),
              std::string::npos);
}

} // namespace
