#include "documento/MemoriaTanda.h"

#include "documento/Proyecto.h"

#include <optional>

namespace velmora {

void CompletarCabecera(DatosProyecto& cabecera, const DatosProyecto& linea) {
    if (!linea.proyecto.empty())
        cabecera.proyecto = linea.proyecto;
    if (!linea.elemento.empty())
        cabecera.elemento = linea.elemento;
    if (!linea.autor.empty())
        cabecera.autor = linea.autor;
}

namespace {

// Lee la línea con las mismas defensas que velmora-calc (profundidad, bytes, claves repetidas):
// una línea mal formada es un error con su mensaje, nunca un cierre brusco.
std::optional<Json> Leer(const std::string& linea, std::string& error) {
    ErrorCalculo e;
    auto entrada = LeerEntrada(linea, e);
    if (!entrada)
        error = e.mensaje;
    return entrada;
}

// La cabecera de un proyecto (*.velmora) no se calcula: da los datos del proyecto. Devuelve si
// `entrada` lo era; `error` lleva la causa si su versión no se puede leer.
bool LeerCabecera(const Json& entrada, DatosProyecto& cabecera, std::string& error) {
    const auto respuesta = RespuestaCabecera(entrada);
    if (!respuesta)
        return false;
    if (!respuesta->value("ok", false))
        error = respuesta->value("error", std::string("cabecera de proyecto no válida"));
    else if (const auto p = entrada.find("proyecto"); p != entrada.end())
        CompletarCabecera(cabecera, LeerDatosProyecto(*p));
    return true;
}

// Calcula una línea ya leída pidiendo su memoria; false con el error de velmora-calc.
bool Calcular(Json entrada, InformeLinea& informe, std::string& error) {
    entrada["informe"] = "html";
    const Json r = Json::parse(ProcesarLinea(entrada.dump(), false, &informe), nullptr, false);
    if (r.value("ok", false))
        return true;
    error = r.value("error", std::string("error desconocido"));
    return false;
}

} // namespace

bool CalcularCapitulo(const std::string& linea, InformeLinea& informe, std::string& error) {
    const auto entrada = Leer(linea, error);
    return entrada && Calcular(*entrada, informe, error);
}

bool LeerMemoriaTanda(std::string_view texto, MemoriaTanda& memoria, std::size_t& renglon,
                      std::string& error) {
    renglon = 0;
    while (!texto.empty()) {
        ++renglon;
        const std::size_t fin = texto.find('\n');
        std::string linea(texto.substr(0, fin));
        texto.remove_prefix(fin == std::string_view::npos ? texto.size() : fin + 1);
        if (renglon == 1 && linea.starts_with("\xEF\xBB\xBF"))
            linea.erase(0, 3);
        if (linea.find_first_not_of(" \t\r\n") == std::string::npos)
            continue;
        InformeLinea informe;
        const auto leida = Leer(linea, error);
        if (leida && LeerCabecera(*leida, memoria.cabecera, error) && error.empty())
            continue;
        if (!leida || !error.empty() || !Calcular(*leida, informe, error))
            return false;
        if (memoria.capitulos.empty())
            CompletarCabecera(memoria.cabecera, informe.proyecto);
        memoria.capitulos.push_back(std::move(informe.capitulo));
    }
    return true;
}

} // namespace velmora
