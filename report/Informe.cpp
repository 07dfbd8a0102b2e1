#include "report/Informe.h"
#include "common/Version.h"

#include "common/Numeros.h"

#include <array>
#include <chrono>

namespace velmora {

namespace {

// A4 con márgenes; al imprimir desde un navegador, el pie «Página N de M» y ningún paso partido.
constexpr const char* Estilos = R"(
@page { size: A4; margin: 20mm 18mm 22mm 18mm;
  @bottom-center { content: "Página " counter(page) " de " counter(pages); font-size: 8pt; } }
body { font-family: "DejaVu Serif", "Liberation Serif", serif; font-size: 10pt; color: #111; }
h1 { font-size: 18pt; margin: 0 0 4pt 0; color: #1a3550; }
h2 { font-size: 13pt; margin: 14pt 0 4pt 0; color: #1a3550; border-bottom: 1px solid #1a3550;
  page-break-after: avoid; }
h3 { font-size: 11pt; margin: 10pt 0 3pt 0; color: #333; page-break-after: avoid; }
table { border-collapse: collapse; }
table.cabecera td { padding: 2pt 8pt 2pt 0; }
table.datos td, table.resultados td { padding: 1pt 10pt 1pt 0; border-bottom: 1px solid #ddd; }
table.pasos { width: 100%; }
table.pasos tr { page-break-inside: avoid; }
table.pasos td { padding: 3pt 4pt; border-bottom: 1px solid #ddd; vertical-align: top; }
td.articulo { white-space: nowrap; color: #555; text-align: right; width: 16%; }
p { margin: 0; }
span.descripcion { color: #444; }
p.formula { margin-top: 1pt; }
p.nota { font-style: italic; color: #1a3550; }
td.rotulo { font-family: "DejaVu Sans Mono", monospace; white-space: pre; }
div.dibujo { page-break-inside: avoid; margin: 6pt 0; text-align: center; }
p.pie { font-size: 9pt; color: #444; text-align: center; }
)";

std::string Etiqueta(const char* nombre, const std::string& contenido, const char* atributos = "") {
    return std::string("<") + nombre + atributos + ">" + contenido + "</" + nombre + ">";
}

// Una sustitución que no es más que el valor no se repite.
bool SoloNumero(const std::string& s) {
    return s.find_first_not_of("0123456789.") == std::string::npos;
}

std::string ValorConUnidad(const Paso& p) {
    std::string v = FormatearAcotado(p.valor, 0, p.decimales);
    if (!p.unidad.empty())
        v += "\u00A0" + EscaparHtml(p.unidad);
    return v;
}

// La cita de un paso: un artículo de la EHE-98 («44.2.3.1») se escribe «art. 44.2.3.1»; una
// cita ya completa («Anejo 19, 6.2.3») se escribe tal cual.
std::string CitaPaso(const std::string& articulo) {
    if (articulo.empty())
        return {};
    if (articulo.starts_with("Anejo"))
        return EscaparHtml(articulo);
    return "art.\u00A0" + EscaparHtml(articulo);
}

std::string FilaPaso(const Paso& p) {
    const std::string articulo = CitaPaso(p.articulo);
    if (p.tipo == Paso::Tipo::Nota)
        return "<tr><td>" + Etiqueta("p", TextoEnriquecido(p.descripcion), " class=\"nota\"") +
               "</td><td class=\"articulo\" width=\"16%\">" + articulo + "</td></tr>\n";
    const std::string s = TextoEnriquecido(p.simbolo);
    std::string formula;
    if (p.formula.find('=') != std::string::npos) // una ecuación que se resuelve
        formula = TextoEnriquecido(p.formula) + ": " + s + " = ";
    else if (p.formula == p.simbolo)
        formula = s + " = ";
    else
        formula = s + " = " + TextoEnriquecido(p.formula) + " = ";
    if (!SoloNumero(p.sustitucion))
        formula += EscaparHtml(p.sustitucion) + " = ";
    formula += "<b>" + ValorConUnidad(p) + "</b>";
    // Descripción y fórmula en un solo párrafo: ni la vista previa ni el PDF los separan.
    return "<tr><td>" +
           Etiqueta("p",
                    "<span class=\"descripcion\">" + TextoEnriquecido(p.descripcion) +
                        "</span><br/>" + formula,
                    " class=\"formula\"") +
           "</td><td class=\"articulo\" width=\"16%\">" + articulo + "</td></tr>\n";
}

std::string Cabecera(const CabeceraInforme& c) {
    const std::array<std::pair<const char*, const std::string*>, 5> filas{{
        {"Proyecto", &c.proyecto.proyecto},
        {"Elemento", &c.proyecto.elemento},
        {"Autor", &c.proyecto.autor},
        {"Fecha", &c.fecha},
        {"Programa", &c.version},
    }};
    std::string t = "<table class=\"cabecera\">\n";
    for (const auto& [nombre, valor] : filas)
        t += "<tr><td><b>" + std::string(nombre) + "</b></td><td>" + EscaparHtml(*valor) +
             "</td></tr>\n";
    return t + "</table>\n";
}

// «Norma: …» de la memoria: la de sus capítulos (las dos, si los hay de ambas).
std::string LineaNorma(const std::vector<CapituloInforme>& capitulos) {
    bool ehe = capitulos.empty(), ce = false;
    for (const auto& c : capitulos)
        (c.norma == Norma::CodigoEstructural ? ce : ehe) = true;
    std::string t;
    for (const auto& [usada, norma] : {std::pair{ehe, Norma::EHE98},
                                      std::pair{ce, Norma::CodigoEstructural}})
        if (usada)
            t += "<p class=\"norma\">" + EscaparHtml(CabeceraNorma(norma)) + "</p>\n";
    return t;
}

std::string Datos(const CapituloInforme& c) {
    if (c.datos.empty())
        return {};
    std::string t = "<h3>Datos</h3>\n<table class=\"datos\">\n";
    for (const auto& d : c.datos)
        t += "<tr><td>" + TextoEnriquecido(d.nombre) + "</td><td>" +
             (d.valor.empty() ? std::string("(vacío)") : EscaparHtml(d.valor)) + "</td><td>" +
             EscaparHtml(d.unidad) + "</td></tr>\n";
    return t + "</table>\n";
}

std::string Resultados(const CapituloInforme& c) {
    if (c.resultados.empty())
        return {};
    std::string t = "<h3>Resultados</h3>\n<table class=\"resultados\">\n";
    for (const auto& [nombre, rotulo] : c.resultados)
        t += "<tr><td>" + TextoEnriquecido(nombre) + "</td><td class=\"rotulo\">" +
             EscaparHtml(rotulo) + "</td></tr>\n";
    return t + "</table>\n";
}

std::string Capitulo(const CapituloInforme& c, int numero) {
    std::string t = "<h2>" + FormatearEntero(numero) + ". " + EscaparHtml(c.titulo) + "</h2>\n";
    t += Datos(c);
    for (const auto& a : c.apartados) {
        if (a.traza.pasos.empty())
            continue;
        t += "<h3>" + EscaparHtml(a.titulo) + "</h3>\n<table class=\"pasos\" width=\"100%\" cellpadding=\"3\" cellspacing=\"0\">\n";
        for (const auto& p : a.traza.pasos)
            t += FilaPaso(p);
        t += "</table>\n";
    }
    t += Resultados(c);
    for (const auto& d : c.dibujos)
        t += "<div class=\"dibujo\">\n" + d.svg + "\n" +
             Etiqueta("p", EscaparHtml(d.pie), " class=\"pie\"") + "\n</div>\n";
    return t;
}

} // namespace

std::string EscaparHtml(std::string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char ch = texto[i];
        switch (ch) {
        case '\r': // el salto de línea de un rótulo («…no\rse agota…») sigue siéndolo
            if (i + 1 == texto.size() || texto[i + 1] != '\n')
                r += '\n';
            break;
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        case '"':
            r += "&quot;";
            break;
        default:
            // Los caracteres de control (salvo el salto de línea y el tabulador) no valen en XML.
            if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\n' || ch == '\t')
                r += ch;
        }
    }
    return r;
}

std::string TextoEnriquecido(std::string_view texto) {
    static constexpr std::array<std::string_view, 8> Marcas{"<sub>", "</sub>", "<sup>", "</sup>",
                                                            "<b>",   "</b>",   "<i>",   "</i>"};
    std::string r;
    std::size_t i = 0;
    std::vector<std::string_view> abiertas;
    while (i < texto.size()) {
        bool marca = false;
        for (const auto m : Marcas) {
            if (texto.substr(i, m.size()) != m)
                continue;
            const bool cierre = m[1] == '/';
            if (cierre && (abiertas.empty() || abiertas.back().substr(1) != m.substr(2)))
                break; // un cierre sin su apertura se escribe como texto
            if (cierre)
                abiertas.pop_back();
            else
                abiertas.push_back(m);
            r += m;
            i += m.size();
            marca = true;
            break;
        }
        if (!marca)
            r += EscaparHtml(texto.substr(i++, 1));
    }
    while (!abiertas.empty()) { // una marca sin cerrar se cierra al final
        r += "</" + std::string(abiertas.back().substr(1));
        abiertas.pop_back();
    }
    return r;
}

std::string FechaEnEspanol(int dia, int mes, int anio) {
    static constexpr std::array<const char*, 12> Meses{
        "enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
        "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    if (mes < 1 || mes > 12)
        return {};
    return FormatearEntero(dia) + " de " + Meses[static_cast<std::size_t>(mes - 1)] + " de " +
           FormatearEntero(anio);
}

CabeceraInforme CabeceraDeHoy(DatosProyecto proyecto) {
    using namespace std::chrono;
    const year_month_day hoy{floor<days>(system_clock::now())};
    CabeceraInforme c;
    c.proyecto = std::move(proyecto);
    c.fecha = FechaEnEspanol(static_cast<int>(static_cast<unsigned>(hoy.day())),
                             static_cast<int>(static_cast<unsigned>(hoy.month())),
                             static_cast<int>(hoy.year()));
    c.version = std::string("Velmora ") + VELMORA_VERSION;
    return c;
}

std::string PaginaInforme(const CabeceraInforme& cabecera,
                          const std::vector<CapituloInforme>& capitulos) {
    std::string t = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"es\">\n"
                    "<head>\n<meta charset=\"utf-8\"/>\n<title>Memoria de cálculo</title>\n"
                    "<style>" +
                    std::string(Estilos) + "</style>\n</head>\n<body>\n";
    t += "<h1>Memoria de cálculo</h1>\n" + Cabecera(cabecera) + LineaNorma(capitulos);
    int n = 0;
    for (const auto& c : capitulos)
        t += Capitulo(c, ++n);
    return t + "</body>\n</html>\n";
}

} // namespace velmora
