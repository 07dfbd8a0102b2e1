// La memoria de cálculo de una línea de velmora-calc: lo que el contexto vio leer y escribir,
// con las trazas y los dibujos que el cálculo le dio.

#include "cli/Contexto.h"

#include <map>

namespace velmora {

namespace {

struct NombreDato {
    const char* nombre;
    const char* unidad;
};

// Nombres y unidades de los controles, para la tabla de datos y la de resultados.
const std::map<std::pair<std::string_view, std::string_view>, NombreDato>& Nombres() {
    static const std::map<std::pair<std::string_view, std::string_view>, NombreDato> n{
        {{"ParametrosGenerales", "ResistenciaCaracteristica"},
         {"Resistencia característica f<sub>ck</sub>", "N/mm²"}},
        {{"ParametrosGenerales", "GrupoDesignacionAcero"}, {"Acero (0 B 400 S, 1 B 500 S)", ""}},
        {{"ParametrosGenerales", "GrupoTipoElemento"}, {"Tipo de elemento", ""}},
        {{"DatosSeccion", "Valor1"}, {"Canto h", "m"}},
        {{"DatosSeccion", "Valor2"}, {"Ancho b", "m"}},
        {{"DatosSeccion", "Valor3"}, {"Recubrimiento d<sub>2</sub>", "m"}},
        {{"DatosSeccion", "Valor4"}, {"Recubrimiento d<sub>1</sub>", "m"}},
        {{"DatosSeccion", "Valor5"},
         {"Momento flector M<sub>d</sub> (o excentricidad, m)", "kN·m"}},
        {{"DatosSeccion", "Valor6"}, {"Esfuerzo normal N<sub>d</sub>", "kN"}},
        {{"DatosSeccionT", "Valorh"}, {"Canto h", "m"}},
        {{"DatosSeccionT", "Valorhf"}, {"Canto de la cabeza h<sub>f</sub>", "m"}},
        {{"DatosSeccionT", "Valorb"}, {"Ancho b", "m"}},
        {{"DatosSeccionT", "Valorbw"}, {"Ancho del alma b<sub>w</sub>", "m"}},
        {{"DatosSeccionT", "Valord2"}, {"Recubrimiento d<sub>2</sub>", "m"}},
        {{"DatosSeccionT", "Valord1"}, {"Recubrimiento d<sub>1</sub>", "m"}},
        {{"DatosSeccionT", "Valor5"},
         {"Momento flector M<sub>d</sub> (o excentricidad, m)", "kN·m"}},
        {{"DatosSeccionT", "Valor6"}, {"Esfuerzo normal N<sub>d</sub>", "kN"}},
        {{"VentanaResultados", "DiametroTraccion"}, {"Diámetro de la armadura de tracción", "mm"}},
        {{"VentanaResultados", "DiametroCompresion"},
         {"Diámetro de la armadura de compresión", "mm"}},
        {{"VentanaResultados", "AreaTraccion"},
         {"Área de la armadura de tracción A<sub>s1</sub>", "cm²"}},
        {{"VentanaResultados", "AreaCompresion"},
         {"Área de la armadura de compresión A<sub>s2</sub>", "cm²"}},
        {{"VentanaResultados", "CapacidadTraccion"}, {"Capacidad mecánica U<sub>1</sub>", "kN"}},
        {{"VentanaResultados", "CapacidadCompresion"}, {"Capacidad mecánica U<sub>2</sub>", "kN"}},
        {{"VentanaResultados", "NumeroA1"}, {"Número de barras de tracción", ""}},
        {{"VentanaResultados", "NumeroA2"}, {"Número de barras de compresión", ""}},
        {{"VentanaResultados", "Cuantia"}, {"Cuantías mínimas", ""}},
        {{"VentanaResultados", "Recomendada"}, {"Recomendación", ""}},
        {{"VentanaResultados", "DomDeform"}, {"Dominio de deformación", ""}},
        {{"VentanaResultados", "Profundidad"}, {"Fibra neutra", ""}},
        {{"VentanaResultados", "xlimite"}, {"Profundidad límite", ""}},
        {{"DominioDeDeformacion", "Etiqueta"}, {"Dibujo del dominio", ""}},
        {{"ParametrosGenerales", "EtiquetaAcero"}, {"Acero", ""}},
        {{"ParametrosGenerales", "EtiquetaHormigon"}, {"Hormigón", ""}},
        {{"ParametrosGenerales", "EtiquetaGammas"}, {"γ<sub>s</sub>", ""}},
        {{"ParametrosGenerales", "EtiquetaGammac"}, {"γ<sub>c</sub>", ""}},
        {{"VentanaMomento", "EtiquetaMomento"}, {"Momento de agotamiento M<sub>u</sub>", ""}},
        {{"VentanaMomento", "AreaTraccionada"}, {"Armadura traccionada", ""}},
        {{"VentanaMomento", "AreaComprimida"}, {"Armadura comprimida", ""}},
    };
    return n;
}

// Nombre del dato; su unidad en `unidad` o, sin ella, entre paréntesis tras el nombre.
std::string NombreDe(std::string_view ventana, std::string_view control, std::string* unidad) {
    const auto i = Nombres().find({ventana, control});
    if (i != Nombres().end()) {
        if (unidad)
            *unidad = i->second.unidad;
        else if (*i->second.unidad)
            return std::string(i->second.nombre) + " (" + i->second.unidad + ")";
        return i->second.nombre;
    }
    return ventana.empty() ? std::string(control)
                           : std::string(control) + " (" + std::string(ventana) + ")";
}

} // namespace

void Contexto::LeerCabeceraInforme() {
    const auto i = entrada_.find("informe");
    if (i == entrada_.end())
        return;
    controlesLeidos_.emplace("", "informe");
    if (!i->is_string() || i->get<std::string>() != "html")
        Fallar("«informe» sólo puede valer \"html\" (la memoria de cálculo como página HTML).",
               "informe");
    informe_ = true;
    const auto p = entrada_.find("proyecto");
    if (p == entrada_.end())
        return;
    controlesLeidos_.emplace("", "proyecto");
    const auto campo = [&](const char* nombre, std::string& destino) {
        if (!p->is_object() || !p->contains(nombre))
            return;
        if (!(*p)[nombre].is_string())
            Fallar("«proyecto»: «" + std::string(nombre) + "» debe ser un texto entre comillas.",
                   "proyecto");
        destino = (*p)[nombre].get<std::string>();
    };
    if (!p->is_object())
        Fallar("«proyecto» debe ser un objeto: {\"proyecto\": ..., \"elemento\": ..., "
               "\"autor\": ...}.",
               "proyecto");
    for (const auto& [clave, _] : p->items())
        if (clave != "proyecto" && clave != "elemento" && clave != "autor")
            Fallar("«proyecto» sólo admite «proyecto», «elemento» y «autor» (se ha dado «" + clave +
                       "»).",
                   "proyecto");
    campo("proyecto", proyecto_.proyecto);
    campo("elemento", proyecto_.elemento);
    campo("autor", proyecto_.autor);
}

void Contexto::Anotar(std::string_view ventana, std::string_view control, std::string texto) {
    if (!informe_)
        return;
    for (const auto& d : datos_)
        if (d.nombre == NombreDe(ventana, control, nullptr))
            return;
    std::string unidad;
    std::string nombre = NombreDe(ventana, control, &unidad);
    datos_.push_back({std::move(nombre), std::move(texto), std::move(unidad)});
}

void Contexto::Informar(std::string titulo, const std::function<Traza()>& traza) {
    if (informe_)
        apartados_.push_back({std::move(titulo), traza()});
}

void Contexto::Dibujar(std::string pie, const std::function<std::string()>& svg) {
    if (!informe_)
        return;
    // Dentro de la página va sólo el elemento <svg>, sin declaración XML ni DOCTYPE.
    std::string s = svg();
    const auto inicio = s.find("<svg");
    if (inicio == std::string::npos)
        return;
    dibujos_.push_back({std::move(pie), s.substr(inicio)});
}

namespace {

// Título del capítulo de la memoria: el cálculo y, si lo es de una sección, cuál.
std::string TituloCapitulo(const std::string& calculo, const Json& entrada) {
    static const std::map<std::string, std::string, std::less<>> titulos{
        {"parametros", "Parámetros generales"},
        {"seccion", "Armadura longitudinal de la sección"},
        {"momento", "Momento de agotamiento de la sección"},
        {"interaccion", "Diagrama de interacción N–M de la sección"},
        {"cortante", "Armadura transversal de una viga"},
        {"pilar", "Cercos de un pilar"},
        {"flechas", "Flechas: inercia equivalente y factor de flecha diferida"},
        {"anclaje", "Longitudes de anclaje de las barras"},
        {"fluencia", "Fluencia del hormigón"},
        {"retraccion", "Retracción del hormigón"},
        {"acero", "Diagrama de cálculo del acero"},
        {"parabola", "Diagrama parábola-rectángulo del hormigón"},
        {"conversion", "Conversión de unidades"},
        {"area", "Área de las armaduras"},
    };
    const auto t = titulos.find(calculo);
    if (t == titulos.end())
        return calculo;
    if (!t->second.ends_with("de la sección"))
        return t->second;
    return t->second + (entrada.contains("DatosSeccionT") ? " en T" : " rectangular");
}

} // namespace

CapituloInforme Contexto::Capitulo() const {
    CapituloInforme c;
    c.titulo = TituloCapitulo(calculo_, entrada_);
    c.datos = datos_;
    c.apartados = apartados_;
    for (const auto& [ventana, controles] : salida_.items()) {
        if (controles.is_string()) {
            c.resultados.emplace_back(NombreDe("", ventana, nullptr), controles.get<std::string>());
            continue;
        }
        if (!controles.is_object())
            continue;
        for (const auto& [control, valor] : controles.items())
            if (valor.is_string() && !valor.get<std::string>().empty())
                c.resultados.emplace_back(NombreDe(ventana, control, nullptr),
                                          valor.get<std::string>());
    }
    c.dibujos = dibujos_;
    return c;
}

} // namespace velmora
