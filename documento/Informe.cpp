// La memoria de cálculo de una línea de velmora-calc: lo que el contexto vio leer y escribir,
// con las trazas y los dibujos que el cálculo le dio.

#include "documento/Contexto.h"
#include "documento/NombresInforme.h"

#include <map>

namespace velmora {

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

void Contexto::Anotar(std::string_view ventana, std::string_view control, TipoControl tipo,
                      std::string texto, int indice) {
    if (!informe_)
        return;
    for (const auto& l : lecturas_)
        if (l.ventana == ventana && l.control == control)
            return;
    lecturas_.push_back(
        {std::string(ventana), std::string(control), tipo, std::move(texto), indice});
}

std::vector<DatoInforme> Contexto::DatosInforme() const {
    std::vector<DatoInforme> datos;
    for (const auto& l : lecturas_)
        if (auto d = DatoDeLectura(l, lecturas_, calculo_))
            datos.push_back(std::move(*d));
    return datos;
}

void Contexto::NoUsado(std::string_view ventana, std::string_view control) {
    std::erase_if(lecturas_, [&](const LecturaInforme& l) {
        return l.ventana == ventana && l.control == control;
    });
}

void Contexto::RotuloNoUsado(std::string_view ventana, std::string_view control) {
    if (informe_)
        rotulosNoUsados_.emplace(ventana, control);
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

// Título del capítulo de la memoria: el del cálculo en el catálogo y, si lo es de una sección,
// cuál.
std::string TituloCapitulo(const std::string& calculo, const Json& entrada) {
    const auto e = Catalogo().find(calculo);
    if (e == Catalogo().end() || e->second.titulo.empty())
        return calculo;
    const std::string& titulo = e->second.titulo;
    if (!titulo.ends_with("de la sección"))
        return titulo;
    return titulo + (entrada.contains("DatosSeccionT") ? " en T" : " rectangular");
}

} // namespace

CapituloInforme Contexto::Capitulo() const {
    CapituloInforme c;
    c.titulo = TituloCapitulo(calculo_, entrada_);
    c.datos = DatosInforme();
    c.apartados = apartados_;
    const auto poner = [&](std::string_view ventana, std::string_view control, const Json& v) {
        if (rotulosNoUsados_.contains(std::pair{std::string(ventana), std::string(control)}))
            return;
        for (auto& fila : FilasDeResultado(ventana, control, v, calculo_))
            c.resultados.push_back(std::move(fila));
    };
    for (const auto& [ventana, controles] : salida_.items()) {
        if (!controles.is_object())
            poner("", ventana, controles);
        else
            for (const auto& [control, valor] : controles.items())
                poner(ventana, control, valor);
    }
    c.dibujos = dibujos_;
    c.norma = norma_;
    return c;
}

} // namespace velmora
