// Cada cálculo con textos cualesquiera en sus campos, a través de una línea de velmora-calc.
//
// Entrada: el primer byte elige el cálculo (y, en la sección y el momento, la forma); los
// siguientes, sus opciones y casillas (un byte cada una) y sus ranuras de armadura (dos bytes cada
// una); el resto son los textos de los campos, en el orden de la tabla, separados por el byte 0x1F.
// Un campo sin texto conserva su valor de arranque.

#include "Comprobar.h"
#include "documento/Lote.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

struct Control {
    const char* ventana;
    const char* nombre;
    int opciones = 0; // 0: casilla; >0: grupo de opciones con tantos elementos
};

struct CamposCalculo {
    const char* nombre;
    std::vector<Control> textos;
    std::vector<Control> elecciones; // grupos de opciones y casillas
    std::vector<int> ranuras;
};

constexpr const char* PG = "ParametrosGenerales";
constexpr const char* T1 = "VentanaTransversal1";
constexpr const char* R1 = "VentanaResultadosTrans1";
constexpr const char* LA = "VentanaLongitudAnclaje";
constexpr const char* DF = "VentanaDeformacion";
constexpr const char* VR = "VentanaRetraccion";
constexpr const char* VF = "VentanaFisuracion";
constexpr const char* FC = "VentanaFluenciaCE";
constexpr const char* RC = "VentanaRetraccionCE";
// No es una ventana: los textos Nd y Md de una combinación de "combinaciones".
constexpr const char* Combinacion = "combinaciones";

const std::vector<Control> Parametros = {{PG, "GrupoDesignacionAcero", 2},
                                         {PG, "GrupoControlAcero", 2},
                                         {PG, "GrupoControlHormigon", 2},
                                         {PG, "GrupoSituacionProyecto", 2},
                                         {PG, "GrupoTipoElemento", 5}};

// Cada cálculo con sus campos de texto, sus elecciones (y cuántas opciones tiene) y sus ranuras.
const std::vector<CamposCalculo> Tabla = {
    {"parametros", {{PG, "ResistenciaCaracteristica"}}, Parametros, {}},
    {"area", {}, {}, {0}},
    {"seccion",
     {{"DatosSeccion", "Valor1"},
      {"DatosSeccion", "Valor2"},
      {"DatosSeccion", "Valor3"},
      {"DatosSeccion", "Valor4"},
      {"DatosSeccion", "Valor5"},
      {"DatosSeccion", "Valor6"},
      {"VentanaResultados", "DiametroTraccion"},
      {PG, "ResistenciaCaracteristica"}},
     {{"DatosSeccion", "GrupoDatoConocido", 2}, {PG, "GrupoTipoElemento", 5}},
     {}},
    {"seccion",
     {{"DatosSeccionT", "Valorh"},
      {"DatosSeccionT", "Valorhf"},
      {"DatosSeccionT", "Valorb"},
      {"DatosSeccionT", "Valorbw"},
      {"DatosSeccionT", "Valord2"},
      {"DatosSeccionT", "Valord1"},
      {"DatosSeccionT", "Valor5"},
      {"DatosSeccionT", "Valor6"},
      {"VentanaResultados", "DiametroCompresion"}},
     {{"DatosSeccionT", "GrupoDatoConocido", 2}, {PG, "GrupoTipoElemento", 5}},
     {}},
    {"momento",
     {{"DatosSeccion", "Valor1"},
      {"DatosSeccion", "Valor2"},
      {"DatosSeccion", "Valor3"},
      {"DatosSeccion", "Valor4"},
      {PG, "ResistenciaCaracteristica"}},
     {{"VentanaMomento", "Traccionada"}, {"VentanaMomento", "Comprimida"}},
     {1, 2}},
    {"momento",
     {{"DatosSeccionT", "Valorh"},
      {"DatosSeccionT", "Valorhf"},
      {"DatosSeccionT", "Valorb"},
      {"DatosSeccionT", "Valorbw"},
      {"DatosSeccionT", "Valord2"},
      {"DatosSeccionT", "Valord1"}},
     {{"VentanaMomento", "Traccionada"}, {"VentanaMomento", "Comprimida"}},
     {1, 2}},
    {"interaccion",
     {{"DatosSeccion", "Valor1"},
      {"DatosSeccion", "Valor2"},
      {"DatosSeccion", "Valor3"},
      {"DatosSeccion", "Valor4"},
      {"VentanaInteraccion", "AreaA1"},
      {"VentanaInteraccion", "AreaA2"},
      {Combinacion, "Nd"},
      {Combinacion, "Md"}},
     {{PG, "GrupoDesignacionAcero", 2}, {PG, "GrupoTipoElemento", 5}},
     {1, 2}},
    {"acero",
     {{"DiagramaCalculo", "Valor1"}},
     {{"DiagramaCalculo", "GrupoDesignacionAcero", 2},
      {"DiagramaCalculo", "GrupoTipoDiagrama", 2},
      {"DiagramaCalculo", "GrupoControlAcero", 2},
      {"DiagramaCalculo", "GrupoSituacionProyecto", 2},
      {"DiagramaCalculo", "GrupoValorEs", 3}},
     {}},
    {"parabola",
     {{"VentanaParabola", "Valor1"},
      {"VentanaParabola", "Valor2"},
      {"VentanaParabola", "Valor3"},
      {"VentanaParabola", "Valor4"},
      {"VentanaParabola", "Valor5"},
      {"VentanaParabola", "Valor6"},
      {"VentanaParabola", "ResistenciaCaracteristica"}},
     {{"VentanaParabola", "GrupoTipoSeccion", 2}, {"VentanaParabola", "GrupoSituacionProyecto", 2}},
     {}},
    {"conversion",
     {{"VentanaConversion", "ValorOrigen"}},
     {{"VentanaConversion", "GrupoTipoConversion", 5}},
     {}},
    {"cortante",
     {{T1, "CuadroCantoUtil"},
      {T1, "CuadroAncho"},
      {T1, "CuadroAlfa"},
      {T1, "CuadroTeta"},
      {T1, "CuadroTetae"},
      {T1, "CuadroVd1"},
      {T1, "CuadroVd2"},
      {T1, "CuadroVd3"},
      {T1, "CuadroDiametroMinimo"},
      {T1, "CuadroDiametroMaximo"},
      {R1, "NumeroCercosZona1"},
      {R1, "DiametroZona1"},
      {R1, "NumeroCercosZona2"},
      {R1, "DiametroZona2"}},
     {{T1, "ArmaduraComprimida"}},
     {0}},
    {"pilar",
     {{"VentanaTransversal2", "Valor1"},
      {"VentanaTransversal2", "Valor2"},
      {"VentanaTransversal2", "Valor3"},
      {"VentanaTransversal2", "DiametroMinimo"},
      {"VentanaTransversal2", "DiametroMaximo"}},
     {},
     {}},
    {"flechas",
     {{"VentanaFlechas", "Valorh"},
      {"VentanaFlechas", "Valorb"},
      {"VentanaFlechas", "Valord2"},
      {"VentanaFlechas", "Valord1"},
      {"VentanaFlechas", "ValorMa"},
      {"VentanaResultadosFlecha", "Valor"}},
     {{"VentanaFlechas", "GrupoTipoPieza", 2},
      {"VentanaResultadosFlecha", "GrupoDuracionCarga", 7}},
     {1, 2}},
    {"anclaje",
     {{LA, "ResistenciaCaracteristica"}, {LA, "CuadroDecalaje"}, {LA, "AreaII"}, {LA, "AreaI"}},
     {{LA, "GrupoDesignacionAcero", 2},
      {LA, "GrupoTipoAnclaje", 3},
      {LA, "RecubrimientoHormigon"},
      {LA, "EfectosDinamicos"},
      {LA, "ArmaduraSuperabundante"},
      {LA, "PosicionII"},
      {LA, "PosicionIITraccion"},
      {LA, "PosicionI"},
      {LA, "PosicionITraccion"}},
     {1, 2}},
    {"fluencia",
     {{DF, "ResistenciaCaracteristica"},
      {DF, "Area"},
      {DF, "Perimetro"},
      {DF, "Tension"},
      {DF, "Tiempo01"},
      {DF, "Tiempo02"}},
     {{DF, "EspesorFicticioConocido"}, {DF, "GrupoMedioAmbiente", 4}},
     {}},
    {"retraccion",
     {{VR, "Edad"}, {VR, "Area"}, {VR, "Perimetro"}},
     {{VR, "GrupoConsistencia", 3}, {VR, "GrupoMedioAmbiente", 4}, {VR, "EspesorFicticioConocido"}},
     {}},
    {"fisuracion",
     {{VF, "Valorh"},
      {VF, "Valorb"},
      {VF, "Valorhf"},
      {VF, "Valorbw"},
      {VF, "Valord2"},
      {VF, "Recubrimiento"},
      {VF, "Separacion"},
      {VF, "MomentoCP"},
      {VF, "AxilCP"},
      {VF, "MomentoCar"},
      {VF, "AxilCar"},
      {VF, "Fluencia"},
      {PG, "ResistenciaCaracteristica"}},
     {{VF, "GrupoTipoSeccion", 2},
      {VF, "GrupoDuracion", 2},
      {VF, "ClaseExposicion", 18},
      {VF, "Caracteristica"},
      {PG, "GrupoDesignacionAcero", 2}},
     {1, 2}},
    {"fluencia_ce",
     {{FC, "ResistenciaCaracteristica"},
      {FC, "HumedadRelativa"},
      {FC, "Area"},
      {FC, "Perimetro"},
      {FC, "EspesorMedio"},
      {FC, "Tiempo01"},
      {FC, "Tiempo02"},
      {FC, "Tension"}},
     {{FC, "GrupoClaseCemento", 3}, {FC, "EspesorMedioConocido"}},
     {}},
    {"retraccion_ce",
     {{RC, "ResistenciaCaracteristica"},
      {RC, "HumedadRelativa"},
      {RC, "Area"},
      {RC, "Perimetro"},
      {RC, "EspesorMedio"},
      {RC, "EdadCurado"},
      {RC, "Edad"}},
     {{RC, "GrupoClaseCemento", 3}, {RC, "EspesorMedioConocido"}},
     {}},
};

constexpr std::array<int, 9> Diametros = {6, 8, 10, 12, 16, 20, 25, 32, 40};

// Construye la línea de velmora-calc que describen los bytes.
Json Linea(const std::uint8_t* datos, std::size_t tamano) {
    std::size_t i = 0;
    const auto byte = [&]() -> std::uint8_t { return i < tamano ? datos[i++] : 0; };
    const auto& calculo = Tabla[byte() % Tabla.size()];
    Json linea = {{"calculo", calculo.nombre}};
    for (const auto& e : calculo.elecciones) {
        const std::uint8_t b = byte();
        if (e.opciones == 0)
            linea[e.ventana][e.nombre] = (b & 1) != 0;
        else if (b != 0xFF) // 0xFF: la opción de arranque
            linea[e.ventana][e.nombre] = b % e.opciones;
    }
    for (const int k : calculo.ranuras) {
        const std::uint8_t barras = byte(), diametro = byte();
        if (barras != 0xFF)
            linea["ranuras"][std::to_string(k)] = {
                {barras % 12, Diametros[diametro % Diametros.size()]}};
    }
    std::size_t campo = 0;
    std::string texto;
    const auto poner = [&] {
        if (campo < calculo.textos.size() && !texto.empty()) {
            const Control& c = calculo.textos[campo];
            if (c.ventana == Combinacion) {
                auto& lista = linea[Combinacion];
                if (lista.empty())
                    lista = Json::array({Json::array({"C", "0", "0"})});
                lista[0][std::string_view(c.nombre) == "Nd" ? 1 : 2] = texto;
            } else {
                linea[c.ventana][c.nombre] = texto;
            }
        }
        ++campo;
        texto.clear();
    };
    for (; i < tamano; ++i) {
        if (datos[i] == 0x1F)
            poner();
        else
            texto += static_cast<char>(datos[i]);
    }
    poner();
    return linea;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmora;
    using namespace velmora::fuzz;
    // Los textos que no son UTF-8 se sustituyen, como haría quien escribe la línea.
    const std::string linea =
        Linea(datos, tamano).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    ComprobarRespuesta(ProcesarLinea(linea), linea);
    return 0;
}
