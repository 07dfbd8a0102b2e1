#include "report/MemoriaLote.h"

#include "cli/Lote.h"
#include "cli/Proyecto.h"
#include "report/DocumentoInforme.h"

#include <QFile>

#include <nlohmann/json.hpp>

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

void Completar(DatosProyecto& cabecera, const DatosProyecto& linea) {
    if (!linea.proyecto.empty())
        cabecera.proyecto = linea.proyecto;
    if (!linea.elemento.empty())
        cabecera.elemento = linea.elemento;
    if (!linea.autor.empty())
        cabecera.autor = linea.autor;
}

// La cabecera de un proyecto (*.velmora) no se calcula: da los datos del proyecto. Devuelve si
// `linea` lo era; `error` lleva la causa si su versión no se puede leer.
bool LeerCabecera(const std::string& linea, DatosProyecto& cabecera, std::string& error) {
    const Json entrada = Json::parse(linea, nullptr, false);
    const auto respuesta = RespuestaCabecera(entrada);
    if (!respuesta)
        return false;
    if (!respuesta->value("ok", false))
        error = respuesta->value("error", std::string("cabecera de proyecto no válida"));
    else if (const auto p = entrada.find("proyecto"); p != entrada.end())
        Completar(cabecera, LeerDatosProyecto(*p));
    return true;
}

// Calcula una línea pidiendo su memoria; false con el error de velmora-calc.
bool Calcular(const std::string& linea, InformeLinea& informe, std::string& error) {
    Json entrada = Json::parse(linea, nullptr, false);
    if (!entrada.is_object()) {
        error = "no es un objeto JSON de velmora-calc";
        return false;
    }
    entrada["informe"] = "html";
    const Json r = Json::parse(ProcesarLinea(entrada.dump(), false, &informe), nullptr, false);
    if (r.value("ok", false))
        return true;
    error = r.value("error", std::string("error desconocido"));
    return false;
}

} // namespace

QString MemoriaDeLinea(const QString& linea, const DatosProyecto& proyecto, QString& error) {
    InformeLinea informe;
    std::string e;
    if (!Calcular(linea.toStdString(), informe, e)) {
        error = QString::fromStdString(e);
        return {};
    }
    DatosProyecto cabecera = proyecto;
    Completar(cabecera, informe.proyecto);
    return QString::fromStdString(PaginaInforme(CabeceraDeHoy(cabecera), {informe.capitulo}));
}

bool EscribirMemoriaDeTanda(const QString& entrada, const QString& salida,
                            const DatosProyecto& proyecto, QString& error) {
    QFile fichero(entrada);
    if (!fichero.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("No se puede leer «%1»: %2").arg(entrada, fichero.errorString());
        return false;
    }
    std::vector<CapituloInforme> capitulos;
    DatosProyecto cabecera = proyecto;
    int numero = 0;
    while (!fichero.atEnd()) {
        ++numero;
        std::string linea = fichero.readLine().toStdString();
        if (numero == 1 && linea.starts_with("\xEF\xBB\xBF"))
            linea.erase(0, 3);
        if (linea.find_first_not_of(" \t\r\n") == std::string::npos)
            continue;
        InformeLinea informe;
        std::string e;
        if (LeerCabecera(linea, cabecera, e) && e.empty())
            continue;
        if (!e.empty() || !Calcular(linea, informe, e)) {
            error = QStringLiteral("Línea %1 de «%2»: %3")
                        .arg(numero)
                        .arg(entrada, QString::fromStdString(e));
            return false;
        }
        if (capitulos.empty())
            Completar(cabecera, informe.proyecto);
        capitulos.push_back(std::move(informe.capitulo));
    }
    if (capitulos.empty()) {
        error = QStringLiteral("«%1» no trae ninguna línea que calcular.").arg(entrada);
        return false;
    }
    const auto html = PaginaInforme(CabeceraDeHoy(cabecera), capitulos);
    return EscribirPdfInforme(QString::fromStdString(html), salida, error);
}

} // namespace velmora
