#include "documento/NombresInforme.h"

#include "common/Numeros.h"
#include "documento/Catalogo.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace velmora {

namespace {

// Nombres de los mensajes que la memoria escribe de otra forma: con el símbolo de la EHE-98 o
// más completos que en el rótulo de la ventana.
const std::map<std::string_view, std::string_view>& NombresCompletos() {
    static const std::map<std::string_view, std::string_view> n{
        {"Momento flector", "Momento flector M<sub>d</sub>"},
        {"Excentricidad", "Excentricidad e<sub>0</sub>"},
        {"Esfuerzo normal", "Esfuerzo normal N<sub>d</sub>"},
        {"Area", "Área de la sección"},
        {"Perímetro", "Perímetro en contacto con la atmósfera"},
        {"Espesor", "Espesor ficticio"},
        {"Área de la sección Ac", "Área de la sección A<sub>c</sub>"},
        {"Edad de puesta en carga t0", "Edad de puesta en carga t<sub>0</sub>"},
        {"Edad al final del curado ts", "Edad al final del curado t<sub>s</sub>"},
    };
    return n;
}

// «Recubrimiento d2» → «Recubrimiento d<sub>2</sub>»: el símbolo con que acaba el nombre, con su
// subíndice como en las ventanas.
std::string ConSubindice(std::string_view nombre) {
    if (const auto i = NombresCompletos().find(nombre); i != NombresCompletos().end())
        return std::string(i->second);
    const auto espacio = nombre.rfind(' ');
    if (espacio == std::string_view::npos)
        return std::string(nombre);
    const std::string_view simbolo = nombre.substr(espacio + 1);
    static constexpr std::string_view Letras[] = {"d", "h", "b", "f", "V", "M", "E", "θ", "σ", "ε"};
    for (const std::string_view letra : Letras)
        if (simbolo.starts_with(letra) && simbolo.size() > letra.size() &&
            simbolo.size() <= letra.size() + 3)
            return std::string(nombre.substr(0, espacio + 1)) + std::string(letra) + "<sub>" +
                   std::string(simbolo.substr(letra.size())) + "</sub>";
    return std::string(nombre);
}

const LecturaInforme* Buscar(std::span<const LecturaInforme> lecturas, std::string_view ventana,
                             std::string_view control) {
    const auto i = std::find_if(lecturas.begin(), lecturas.end(), [&](const auto& l) {
        return l.ventana == ventana && l.control == control;
    });
    return i == lecturas.end() ? nullptr : &*i;
}

// El texto de un campo numérico tal como lo usó el cálculo: nada si no es un número de su
// intervalo (sin intervalo, basta con que sea un número).
std::optional<std::string> ValorUsado(const Campo& c, const std::string& texto) {
    constexpr std::size_t LargoMaximo = 20;
    const auto v = LeerNumero(texto, c.nombre, c.control);
    if (!v || (c.minimo < c.maximo && !ComprobarIntervalo(c, *v)))
        return std::nullopt;
    return texto.size() <= LargoMaximo ? texto : NumeroLegible(*v);
}

// Nada si `ventanas` no describe el control; si lo describe, su fila (que no hay si es un campo
// numérico con un texto que el cálculo no usó).
std::optional<std::optional<DatoInforme>> DatoDeVentanas(std::span<const VentanaCatalogo> ventanas,
                                                         const LecturaInforme& l,
                                                         std::span<const LecturaInforme> lecturas) {
    for (const VentanaCatalogo& d : ventanas) {
        if (d.ventana != l.ventana)
            continue;
        if (!d.si.empty()) {
            const LecturaInforme* e = Buscar(lecturas, d.ventana, d.si);
            if (!e || e->indice != d.vale)
                continue;
        }
        for (const Campo& c : d.campos) {
            if (c.control != l.control)
                continue;
            const auto valor = ValorUsado(c, l.texto);
            if (!valor)
                return std::optional<DatoInforme>();
            return DatoInforme{ConSubindice(c.nombre), *valor, std::string(c.unidad)};
        }
        for (const Eleccion& e : d.elecciones) {
            if (e.control != l.control)
                continue;
            std::string valor = l.texto;
            if (l.tipo == TipoControl::Casilla)
                valor = l.indice ? "sí" : "no";
            else if (l.tipo != TipoControl::Texto && l.indice >= 0 &&
                     static_cast<std::size_t>(l.indice) < e.opciones.size())
                valor = e.opciones[static_cast<std::size_t>(l.indice)];
            return DatoInforme{ConSubindice(e.nombre), valor, std::string(e.unidad)};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<DatoInforme> DatoDeLectura(const LecturaInforme& l,
                                         std::span<const LecturaInforme> lecturas,
                                         std::string_view calculo) {
    // Las ventanas del cálculo de la línea y, si no lo describen, las de los demás cálculos.
    if (const auto propio = Catalogo().find(calculo); propio != Catalogo().end())
        if (auto d = DatoDeVentanas(propio->second.ventanas, l, lecturas))
            return *d;
    for (const auto& [_, entrada] : Catalogo())
        if (auto d = DatoDeVentanas(entrada.ventanas, l, lecturas))
            return *d;
    // Un control sin descripción se nombra por su objeto: las pruebas de la memoria lo detectan.
    return DatoInforme{l.ventana.empty() ? l.control : l.control + " (" + l.ventana + ")", l.texto,
                       ""};
}

namespace {

// El nombre de un rótulo en el catálogo: en la entrada del cálculo de la línea y, si no lo nombra,
// en las de los demás cálculos.
const ResultadoCatalogo* NombreDeRotulo(std::string_view ventana, std::string_view control,
                                        std::string_view calculo) {
    const auto buscar = [&](const EntradaCatalogo& e) -> const ResultadoCatalogo* {
        for (const ResultadoCatalogo& r : e.resultados)
            if (r.ventana == ventana && r.control == control)
                return &r;
        return nullptr;
    };
    if (const auto e = Catalogo().find(calculo); e != Catalogo().end())
        if (const auto* r = buscar(e->second))
            return r;
    for (const auto& [_, e] : Catalogo())
        if (const auto* r = buscar(e))
            return r;
    return nullptr;
}

// Nombre (con su unidad si el rótulo no la lleva) y texto de un rótulo de resultados; nada si el
// rótulo no dice nada en la memoria (el texto de arranque de un botón, un subíndice suelto).
std::optional<std::pair<std::string, std::string>> ResultadoDeRotulo(std::string_view ventana,
                                                                     std::string_view control,
                                                                     const std::string& rotulo,
                                                                     std::string_view calculo) {
    const ResultadoCatalogo* encontrado = NombreDeRotulo(ventana, control, calculo);
    // Un rótulo sin nombre se nombra por su objeto: las pruebas de la memoria lo detectan.
    if (!encontrado)
        return std::pair{ventana.empty() ? std::string(control)
                                         : std::string(control) + " (" + std::string(ventana) + ")",
                         rotulo};
    const ResultadoCatalogo& n = *encontrado;
    if (n.nombre.empty())
        return std::nullopt;
    std::string nombre(n.nombre);
    if (!n.unidad.empty())
        nombre += " (" + std::string(n.unidad) + ")";
    if (!n.boton.empty() && rotulo == n.boton)
        return std::pair{nombre, std::string("sin definir")};
    return std::pair{nombre, rotulo + std::string(n.sufijo)};
}

// «ELU-1: N = 350.0 kN, M = 120.0 kN·m; γ = 1.234, Cumple», como la pista del punto en el dibujo.
std::string TextoCombinacion(const Json& k) {
    std::string t = k.value("nombre", std::string()) +
                    ": N = " + Formatear(k.value("Nd", 0.0), 0, 1) +
                    " kN, M = " + Formatear(k.value("Md", 0.0), 0, 1) + " kN·m; ";
    const auto gamma = k.find("gamma");
    if (gamma == k.end() || !gamma->is_number())
        return t + "sin esfuerzos";
    return t + "γ = " + Formatear(gamma->get<double>(), 0, 3) + ", " +
           (k.value("cumple", false) ? "Cumple" : "No cumple");
}

} // namespace

std::vector<std::pair<std::string, std::string>> FilasDeResultado(std::string_view ventana,
                                                                  std::string_view control,
                                                                  const Json& valor,
                                                                  std::string_view calculo) {
    std::vector<std::pair<std::string, std::string>> filas;
    if (valor.is_array() && ventana.empty() && control == "combinaciones") {
        for (const Json& k : valor)
            if (k.is_object())
                filas.emplace_back("Combinación comprobada", TextoCombinacion(k));
        return filas;
    }
    std::string rotulo;
    if (valor.is_string())
        rotulo = valor.get<std::string>();
    else if (valor.is_number() && NombreDeRotulo(ventana, control, calculo))
        rotulo = Formatear(valor.get<double>(), 0, 3);
    if (!rotulo.empty())
        if (auto r = ResultadoDeRotulo(ventana, control, rotulo, calculo))
            filas.push_back(std::move(*r));
    return filas;
}

} // namespace velmora
