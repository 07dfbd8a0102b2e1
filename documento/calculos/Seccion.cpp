// "seccion": el botón «Calcular» de las ventanas de datos de la sección (rectangular o en T),
// con los rótulos de la ventana de resultados y el dibujo del dominio de deformación.
// "momento": el momento de agotamiento de la sección de una de esas ventanas, con las armaduras
// de las ranuras 1 (traccionada) y 2 (comprimida).

#include "documento/calculos/Seccion.h"
#include "design/Ranuras.h"
#include "documento/Comparacion.h"
#include "documento/Contexto.h"
#include "documento/calculos/Ventanas.h"
#include "report/DibujosInforme.h"
#include "section/CalculoSeccion.h"
#include "section/ComparacionNormas.h"
#include "section/DescripcionSeccion.h"
#include "section/Dominio.h"
#include "section/MomentoAgotamiento.h"

#include <tuple>
#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr const char* Rectangular = "DatosSeccion";
constexpr const char* EnT = "DatosSeccionT";
constexpr const char* Resultados = "VentanaResultados";
constexpr const char* Momento = "VentanaMomento";

// La ventana de datos que trae la línea (la rectangular si no trae ninguna).
struct VentanaSeccion {
    const char* nombre;
    TipoSeccion tipo;
};

VentanaSeccion ElegirVentana(Contexto& c) {
    if (c.Presente(Rectangular) && c.Presente(EnT))
        Fallar("Dé una sola sección: «DatosSeccion» (rectangular) o «DatosSeccionT» (en T).", EnT);
    if (c.Presente(EnT))
        return {EnT, TipoSeccion::EnT};
    return {Rectangular, TipoSeccion::Rectangular};
}

// Los textos de los campos de la ventana, con los de arranque en los que no se dan.
TextosCampos LeerTextos(Contexto& c, const char* ventana, std::span<const Campo> campos) {
    TextosCampos t;
    for (const Campo& campo : campos)
        t.emplace(std::string(campo.control), c.Texto(ventana, campo.control, campo.defecto));
    return t;
}

} // namespace

DatosSeccionTexto LeerVentanaSeccion(Contexto& c, bool conEsfuerzos) {
    const auto v = ElegirVentana(c);
    const auto textos = LeerTextos(
        c, v.nombre, conEsfuerzos ? CamposVentanaSeccion(v.tipo) : CamposGeometriaSeccion(v.tipo));
    const int dato = conEsfuerzos ? c.Indice(v.nombre, "GrupoDatoConocido", 0, 2) : 0;
    return DatosDeTextos(textos, v.tipo,
                         dato == 1 ? DatoConocido::Excentricidad : DatoConocido::MomentoFlector);
}

namespace {

void PonerDominio(Contexto& c) {
    const auto dibujo = Exigir(CalcularDibujoDominio(c.Estado));
    Json puntos = Json::array();
    for (const auto& p : dibujo.Puntos)
        puntos.push_back({p.x, p.y});
    c.Poner("DominioDeDeformacion", "Etiqueta", dibujo.Etiqueta);
    c.Poner("DominioDeDeformacion", "Puntos", puntos);
}

// Memoria: la traza del dimensionamiento, la sección con las barras de los resultados y el perfil
// de deformaciones. `antes` es el estado con que se calculó.
void InformarSeccion(Contexto& c, const EleccionParametros& p, const DatosSeccionTexto& datos,
                     const EstadoDiseno& antes, const std::string& traccion,
                     const std::string& compresion) {
    c.Informar("Dimensionamiento de la sección", [&] {
        // El mismo cálculo, ahora anotando sus pasos.
        EstadoDiseno e = antes;
        Traza t;
        (void)CalcularSeccion(e, datos, p.TipoElemento, p.DesignacionAcero, traccion, compresion,
                              &t);
        return t;
    });
    const auto barras = [&](const std::string& diametro, double As) {
        const auto n = NumeroBarras(As, diametro, "");
        return BarrasCara{n ? std::atoi(n.valor().c_str()) : 0, std::atof(diametro.c_str())};
    };
    c.Dibujar("Sección con las barras de los resultados y la fibra neutra", [&] {
        return SvgSeccion(c.Estado, barras(traccion, c.Estado.As1),
                          barras(compresion, c.Estado.As2));
    });
    c.Dibujar("Perfil de deformaciones sobre los pivotes de los dominios",
              [&] { return SvgDeformaciones(c.Estado); });
}

// «Comparar normas» («BotonCompararNormas»: true en la ventana de resultados): la tabla de la
// ventana de comparación y, en la memoria, su capítulo.
void CompararNormasLinea(Contexto& c, const EleccionParametros& p) {
    if (ComparacionPedida(c, Resultados))
        PonerComparacion(c, Exigir(CompararNormas(c.Estado, p)));
}

void CalcularSeccionLinea(Contexto& c) {
    const auto p = c.ConfirmarParametros();
    const auto datos = LeerVentanaSeccion(c, true);

    // Con armadura simétrica la ventana de resultados copia el diámetro elegido en una cara a
    // la otra: basta con dar uno, y dos distintos no pueden verse a la vez.
    std::string traccion = c.Texto(Resultados, "DiametroTraccion", "10");
    std::string compresion = c.Texto(Resultados, "DiametroCompresion", "10");
    if (c.Estado.Simetrica) {
        const bool t = c.Presente(Resultados, "DiametroTraccion");
        const bool k = c.Presente(Resultados, "DiametroCompresion");
        if (t && k && traccion != compresion)
            Fallar("Con armadura simétrica los dos diámetros son el mismo: "
                   "«DiametroTraccion» vale «" +
                       traccion + "» y «DiametroCompresion» «" + compresion + "».",
                   "DiametroCompresion");
        if (t)
            compresion = traccion;
        else if (k)
            traccion = compresion;
    }

    // El estado con que se calcula, para repetir el cálculo con su traza si se pide la memoria.
    const EstadoDiseno antes = c.Estado;
    auto r = Exigir(
        CalcularSeccion(c.Estado, datos, p.TipoElemento, p.DesignacionAcero, traccion, compresion));
    if (!r.Avisos.empty())
        throw ErrorLinea(r.Avisos.front());
    r.Rotulos.Recomendada = RecomendadaConDiametros(r.Rotulos, traccion, compresion);

    for (const auto& [control, rotulo] : r.Rotulos.PorControl())
        c.Poner(Resultados, control,
                control == "DomDeform" && rotulo.empty() ? "Dominio de deformación :" : rotulo);
    c.Poner(Resultados, "NumeroA1", r.NumeroA1);
    c.Poner(Resultados, "NumeroA2", r.NumeroA2);
    c.Poner(Resultados, "DiametroTraccion", traccion);
    c.Poner(Resultados, "DiametroCompresion", compresion);
    PonerDominio(c);
    InformarSeccion(c, p, datos, antes, traccion, compresion);
    CompararNormasLinea(c, p);
}

void CalcularMomentoLinea(Contexto& c) {
    const auto p = c.ConfirmarParametros();
    // El botón «Momento Agotamiento» sólo se ofrece para vigas.
    if (p.TipoElemento != TipoDeElemento::Viga)
        Fallar("El momento de agotamiento sólo se calcula para vigas: elija «Viga» "
               "(GrupoTipoElemento 0) en los parámetros generales.",
               "GrupoTipoElemento");
    const auto datos = LeerVentanaSeccion(c, false);
    Exigir(PrepararMomento(c.Estado, datos));

    // Las áreas son las aceptadas en el selector: las de las ranuras 1 y 2 que da la línea;
    // una ranura que no se da es un área aún no definida (cero), como al arrancar.
    ArmaduraDada a;
    a.Traccionada = c.Casilla(Momento, "Traccionada", a.Traccionada);
    a.Comprimida = c.Casilla(Momento, "Comprimida", a.Comprimida);
    std::string rotuloA1 = "Defina armadura", rotuloA2 = "Defina armadura";
    if (c.RanuraDada(1)) {
        c.Estado.IndiceArmadura = 1;
        a.As1Dada = SumarArea(c.Estado);
        rotuloA1 = TextoArmadura(c.Estado, 1);
    }
    if (c.RanuraDada(2)) {
        c.Estado.IndiceArmadura = 2;
        a.As2Dada = SumarArea(c.Estado);
        rotuloA2 = TextoArmadura(c.Estado, 2);
    }

    const EstadoDiseno antes = c.Estado;
    const auto m = Exigir(CalcularMomento(c.Estado, a));
    c.Poner(Momento, "AreaComprimida", rotuloA2);
    c.Poner(Momento, "AreaTraccionada", rotuloA1);
    c.Poner(Momento, "EtiquetaMomento", TextoMomento(m.Mu));
    PonerDominio(c);
    c.Informar("Momento de agotamiento", [&] {
        // El mismo cálculo, ahora anotando sus pasos.
        EstadoDiseno e = antes;
        Traza t;
        (void)CalcularMomento(e, a, &t);
        return t;
    });
    c.Dibujar("Perfil de deformaciones en el agotamiento",
              [&] { return SvgDeformaciones(c.Estado); });
}

// Los diámetros de la ventana de resultados de la sección, controles de texto sin campo propio.
constexpr std::array<Campo, 2> DiametrosResultados{{
    {"DiametroTraccion", "Diámetro de la armadura de tracción", "mm", 1.0, 0.0, 0.0, "10"},
    {"DiametroCompresion", "Diámetro de la armadura de compresión", "mm", 1.0, 0.0, 0.0, "10"},
}};

// Los rótulos de «seccion» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeSeccion() {
    return {
        {"VentanaResultados", "AreaTraccion", "Área de la armadura de tracción A<sub>s1</sub>",
         "cm²"},
        {"VentanaResultados", "AreaCompresion", "Área de la armadura de compresión A<sub>s2</sub>",
         "cm²"},
        {"VentanaResultados", "CapacidadTraccion", "Capacidad mecánica U<sub>1</sub>", "kN"},
        {"VentanaResultados", "CapacidadCompresion", "Capacidad mecánica U<sub>2</sub>", "kN"},
        {"VentanaResultados", "NumeroA1", "Número de barras de tracción"},
        {"VentanaResultados", "NumeroA2", "Número de barras de compresión"},
        {"VentanaResultados", "DiametroTraccion", "Diámetro de la armadura de tracción", "mm"},
        {"VentanaResultados", "DiametroCompresion", "Diámetro de la armadura de compresión", "mm"},
        {"VentanaResultados", "Cuantia", "Cuantías mínimas"},
        {"VentanaResultados", "Recomendada", "Recomendación"},
        {"VentanaResultados", "DomDeform", "Dominio de deformación"},
        {"VentanaResultados", "Profundidad", "Fibra neutra"},
        {"VentanaResultados", "xlimite", "Profundidad límite"},
        {"DominioDeDeformacion", "Etiqueta", ""},
    };
}

// Los rótulos de «momento» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeMomento() {
    return {
        {"VentanaMomento", "EtiquetaMomento", "Momento de agotamiento M<sub>u</sub>"},
        {"VentanaMomento", "AreaTraccionada", "Armadura traccionada", "", "Defina armadura"},
        {"VentanaMomento", "AreaComprimida", "Armadura comprimida", "", "Defina armadura"},
    };
}

} // namespace

std::vector<VentanaCatalogo> VentanasSeccion(VentanaCatalogo propia) {
    using std::span;
    return {VentanaParametros(),
            {Rectangular, span(&CampoExcentricidad, 1), {}, "GrupoDatoConocido", 1},
            {Rectangular, CamposVentanaSeccion(TipoSeccion::Rectangular), EleccionesSeccion},
            {EnT, span(&CampoExcentricidad, 1), {}, "GrupoDatoConocido", 1},
            {EnT, CamposVentanaSeccion(TipoSeccion::EnT), EleccionesSeccion},
            propia};
}

std::vector<LecturaCatalogo>
LecturasDatosSeccion(bool conEsfuerzos, std::initializer_list<LecturaCatalogo> siguientes) {
    std::vector<LecturaCatalogo> l = LecturasParametros();
    for (const auto& [ventana, cuando, geometria] :
         {std::tuple{
              Rectangular, Cuando::Rectangular,
              std::vector<std::pair<const char*, const char*>>{
                  {"Valor1", "0.40"}, {"Valor2", "0.30"}, {"Valor3", "0.03"}, {"Valor4", "0.03"}}},
          std::tuple{EnT, Cuando::EnT,
                     std::vector<std::pair<const char*, const char*>>{{"Valorh", "1.00"},
                                                                      {"Valorhf", "0.20"},
                                                                      {"Valorb", "1.00"},
                                                                      {"Valorbw", "0.20"},
                                                                      {"Valord2", "0.10"},
                                                                      {"Valord1", "0.10"}}}}) {
        for (const auto& [control, defecto] : geometria)
            l.push_back(LeeTexto(ventana, control, defecto, cuando));
        if (conEsfuerzos) {
            l.push_back(LeeTexto(ventana, "Valor5", "", cuando));
            l.push_back(LeeTexto(ventana, "Valor6", "", cuando));
            l.push_back(LeeIndice(ventana, "GrupoDatoConocido", 0, 2, cuando));
        }
    }
    l.insert(l.end(), siguientes.begin(), siguientes.end());
    return l;
}

EntradaCatalogo CatalogoSeccion() {
    return {.nombre = "seccion",
            .titulo = "Armadura longitudinal de la sección",
            .descripcion =
                "armadura longitudinal de la sección («Calcular» de DatosSeccion o DatosSeccionT)",
            .funcion = &CalcularSeccionLinea,
            .ventanas = VentanasSeccion({Resultados, DiametrosResultados}),
            .resultados = ResultadosDeSeccion(),
            .lecturas =
                LecturasDatosSeccion(true, {LeeTexto(Resultados, "DiametroTraccion", "10"),
                                            LeeTexto(Resultados, "DiametroCompresion", "10")}),
            .unaSeccion = true,
            .ventanasDatos = {"DatosSeccion", "DatosSeccionT"},
            .ventanasResultados = {"VentanaResultados"}};
}

EntradaCatalogo CatalogoMomento() {
    return {.nombre = "momento",
            .titulo = "Momento de agotamiento de la sección",
            .descripcion = "momento de agotamiento con las armaduras de las ranuras 1 y 2",
            .funcion = &CalcularMomentoLinea,
            .ventanas = VentanasSeccion({Momento, {}, EleccionesMomento}),
            .ranuras = {{1, Momento, "AreaTraccionada", "Defina armadura"},
                        {2, Momento, "AreaComprimida", "Defina armadura"}},
            .resultados = ResultadosDeMomento(),
            .lecturas =
                LecturasDatosSeccion(false, {LeeCasilla("VentanaMomento", "Traccionada", true),
                                             LeeCasilla("VentanaMomento", "Comprimida", true)}),
            .unaSeccion = true,
            .ventanasDatos = {"VentanaMomento"},
            .ventanasResultados = {"VentanaMomento"}};
}

} // namespace velmora
