#include "documento/Proyecto.h"

#include "common/Numeros.h"
#include "documento/LecturaJson.h"
#include "documento/Lote.h"
#include "norma/Norma.h"

#include <algorithm>

namespace velmora {

namespace {

// Un objeto JSON de una línea; una clave repetida en un mismo objeto es un error, porque sólo
// valdría una de las dos.
Resultado<Json> LeerObjeto(std::string_view linea) {
    // La biblioteca de JSON toma un byte nulo por el final del texto y callaría lo que sigue.
    if (const auto nulo = linea.find('\0'); nulo != std::string_view::npos)
        return Resultado<Json>::Error("contiene un carácter nulo (byte 0) en la posición " +
                                      FormatearEntero(static_cast<long long>(nulo + 1)) + ".");
    if (DemasiadoHonda(linea))
        return Resultado<Json>::Error("anida más de " + FormatearEntero(ProfundidadMaxima) +
                                      " niveles de listas u objetos.");
    ClavesLeidas claves;
    Json objeto;
    try {
        objeto = LeerJsonVigilado(linea, claves);
    } catch (const Json::parse_error& e) {
        return Resultado<Json>::Error("no es JSON válido (error cerca del carácter " +
                                      FormatearEntero(static_cast<long long>(e.byte)) + ").");
    } catch (const Json::exception&) {
        return Resultado<Json>::Error("lleva un número que no se puede representar.");
    }
    if (!claves.repetida.empty())
        return Resultado<Json>::Error("la clave «" + claves.repetida +
                                      "» aparece dos veces en el mismo objeto.");
    if (!objeto.is_object())
        return Resultado<Json>::Error("debe ser un objeto JSON {...}.");
    return objeto;
}

bool EsCabecera(const Json& linea) {
    return linea.is_object() && linea.contains("velmora") && !linea.contains("calculo");
}

Estado ComprobarCabecera(const Json& cabecera) {
    const Json& version = cabecera["velmora"];
    if (!version.is_number_integer() || version.get<long long>() < 1)
        return Estado::Error("«velmora» debe ser la versión del formato del proyecto, un entero "
                             "desde 1.",
                             "velmora");
    if (version.get<long long>() > VersionProyecto)
        return Estado::Error("el proyecto es de una versión más nueva del formato (" +
                                 version.dump() + "); este programa lee hasta la versión " +
                                 FormatearEntero(VersionProyecto) +
                                 ". Ábralo con una versión más reciente de Velmora.",
                             "velmora");
    for (const auto& [clave, valor] : cabecera.items()) {
        if (clave == "proyecto" && !valor.is_object())
            return Estado::Error("«proyecto» debe ser un objeto con los datos del proyecto.",
                                 "proyecto");
        if (clave == "proyecto")
            for (const char* dato : {"proyecto", "elemento", "autor"})
                if (valor.contains(dato) && !valor[dato].is_string())
                    return Estado::Error("«" + std::string(dato) +
                                             "» de «proyecto» debe ser un texto entre comillas.",
                                         dato);
        if (clave != "velmora" && clave != "proyecto")
            return Estado::Error(
                "la cabecera sólo lleva «velmora» y «proyecto»; sobra «" + clave + "».", clave);
    }
    return Correcto();
}

// El valor de arranque de una lectura del catálogo, como lo anota Contexto.
Json Defecto(const LecturaCatalogo& l) {
    switch (l.tipo) {
    case TipoControl::Texto:
        return std::string(l.texto);
    case TipoControl::Casilla:
        return l.valor != 0;
    case TipoControl::Valor:
        return nullptr;
    case TipoControl::Indice:
    case TipoControl::Entero:
        break;
    }
    return l.valor;
}

// Si la línea `sonda` da el control de la lectura.
bool Trae(const Json& sonda, const LecturaCatalogo& l) {
    if (l.ventana.empty())
        return sonda.contains(l.control);
    const auto w = sonda.find(l.ventana);
    return w != sonda.end() && w->is_object() && w->contains(l.control);
}

// Las ventanas y la norma de una línea, que deciden qué controles lee un cálculo.
struct Variante {
    bool parametros = false;
    bool codigoEstructural = false;
    bool rectangular = false;
    bool enT = false;
};

Variante VarianteDe(const Json& sonda) {
    Variante v;
    if (const auto p = sonda.find("ParametrosGenerales"); p != sonda.end()) {
        v.parametros = true;
        if (p->is_object())
            if (const auto n = p->find("GrupoNorma"); n != p->end() && n->is_number_integer())
                v.codigoEstructural = n->get<long long>() == IndiceNorma(Norma::CodigoEstructural);
    }
    v.rectangular = sonda.contains("DatosSeccion");
    v.enT = sonda.contains("DatosSeccionT");
    return v;
}

bool SeLee(const LecturaCatalogo& l, const Variante& v, const Json& sonda) {
    switch (l.cuando) {
    case Cuando::Siempre:
        return true;
    case Cuando::ConParametros:
        return v.parametros;
    case Cuando::SoloEHE98:
        return !v.codigoEstructural;
    case Cuando::SoloCodigoEstructural:
        return v.codigoEstructural;
    case Cuando::Rectangular:
        return v.rectangular || !v.enT;
    case Cuando::EnT:
        return v.enT && !v.rectangular;
    case Cuando::SiSeDa:
        return Trae(sonda, l);
    }
    return false;
}

// Anota, en su orden, los controles que el cálculo lee con la línea `sonda` (sus ventanas, la
// norma elegida y las claves que trae; no sus valores); los ya anotados no se repiten.
void LeerSegunCatalogo(const EntradaCatalogo& e, const std::vector<LecturaCatalogo>& lecturas,
                       const Json& sonda, std::vector<ControlLeido>& leidos) {
    const Variante v = VarianteDe(sonda);
    for (const LecturaCatalogo& l : lecturas) {
        const bool deSeccion = l.cuando == Cuando::Rectangular || l.cuando == Cuando::EnT;
        if (e.unaSeccion && deSeccion && v.rectangular && v.enT)
            return;
        if (!SeLee(l, v, sonda))
            continue;
        const bool anotado = std::any_of(leidos.begin(), leidos.end(), [&](const ControlLeido& c) {
            return c.ventana == l.ventana && c.control == l.control;
        });
        if (!anotado)
            leidos.push_back({std::string(l.ventana), std::string(l.control), l.tipo, Defecto(l),
                              l.minimo, l.maximo});
    }
}

// Pone `valor` en la clave de la sonda; un objeto se junta con el que ya hay (la norma de la
// línea se queda en los parámetros generales).
void Juntar(Json& sonda, const std::string& clave, const Json& valor) {
    if (valor.is_object() && sonda.contains(clave) && sonda[clave].is_object())
        sonda[clave].update(valor);
    else
        sonda[clave] = valor;
}

std::string EnLinea(std::size_t numero, const std::string& causa) {
    return "Línea " + FormatearEntero(static_cast<long long>(numero)) + ": " + causa;
}

} // namespace

std::vector<ControlLeido> ControlesDelCalculo(const std::string& calculo, const Json& linea) {
    const auto calc = Catalogo().find(calculo);
    if (calc == Catalogo().end())
        return {};
    return ControlesSegunEntrada(calc->second, linea);
}

std::vector<ControlLeido> ControlesSegunEntrada(const EntradaCatalogo& entrada, const Json& linea) {
    const std::string& calculo = entrada.nombre;
    const std::vector<LecturaCatalogo> lecturas = LecturasDe(entrada);
    std::vector<ControlLeido> leidos;
    const auto sondear = [&](const Json& sonda) {
        LeerSegunCatalogo(entrada, lecturas, sonda, leidos);
    };
    Json base = {{"calculo", calculo}};
    // La norma cambia lo que lee un cálculo (la duración de la carga y φ de las flechas con el
    // Código Estructural): todas las sondas llevan la de la línea.
    if (linea.is_object())
        if (const auto p = linea.find("ParametrosGenerales"); p != linea.end() && p->is_object())
            if (const auto n = p->find("GrupoNorma"); n != p->end() && n->is_number_integer())
                base["ParametrosGenerales"]["GrupoNorma"] = *n;
    if (!linea.is_object()) {
        sondear(base);
        return leidos;
    }
    // Primero con todas las ventanas de la línea juntas (la variante que pide); después, cada
    // ventana que no se haya leído, por separado (p. ej. dos secciones a la vez).
    Json sonda = base;
    for (const auto& [clave, valor] : linea.items())
        if (clave != "calculo" && clave != "ranuras" && valor.is_object())
            Juntar(sonda, clave, Json::object());
    sondear(sonda);
    const auto leido = [&](const std::string& ventana, const std::string& control) {
        return std::any_of(leidos.begin(), leidos.end(), [&](const ControlLeido& c) {
            return c.ventana == ventana && (control.empty() || c.control == control);
        });
    };
    for (const auto& [clave, _] : sonda.items()) {
        if (clave == "calculo" || leido(clave, ""))
            continue;
        Json sola = base;
        Juntar(sola, clave, Json::object());
        sondear(sola);
    }
    const auto sondearSolo = [&](const std::string& clave, const Json& valor) {
        Json sola = base;
        Juntar(sola, clave, valor);
        sondear(sola);
    };
    // Lo que un cálculo sólo lee si la línea lo trae (un área escrita en lugar de su ranura, una
    // lista de combinaciones): una sonda con ese valor solo.
    for (const auto& [clave, valor] : linea.items()) {
        if (clave == "calculo" || clave == "ranuras")
            continue;
        if (!valor.is_object()) {
            if (!leido("", clave)) {
                sondearSolo(clave, valor);
                if (!leido("", clave))
                    return leidos; // la línea se rechazará por esta clave
            }
            continue;
        }
        for (const auto& [control, v] : valor.items()) {
            if (leido(clave, control))
                continue;
            sondearSolo(clave, Json{{control, v}});
            if (!leido(clave, control))
                return leidos; // la línea se rechazará por este control
        }
    }
    return leidos;
}

Estado ComprobarLineaProyecto(const Json& linea) {
    if (!linea.is_object())
        return Estado::Error("la línea debe ser un objeto JSON {...}.");
    const auto c = linea.find("calculo");
    if (c == linea.end() || !c->is_string())
        return Estado::Error("falta «calculo», el nombre del cálculo entre comillas. Cálculos: " +
                                 NombresCatalogo() + ".",
                             "calculo");
    const std::string calculo = c->get<std::string>();
    if (!Catalogo().contains(calculo))
        return Estado::Error("el cálculo «" + calculo +
                                 "» no existe. Cálculos: " + NombresCatalogo() + ".",
                             "calculo");
    try {
        // Cada control con la lectura de velmora-calc (los mismos mensajes), sin calcular: un
        // texto que el cálculo rechazaría se queda como está.
        Contexto contexto(linea, calculo);
        for (const ControlLeido& k : ControlesDelCalculo(calculo, linea)) {
            switch (k.tipo) {
            case TipoControl::Texto:
                (void)contexto.Texto(k.ventana, k.control, "");
                break;
            case TipoControl::Indice:
                (void)contexto.Indice(k.ventana, k.control, 0, k.maximo + 1);
                break;
            case TipoControl::Entero:
                (void)contexto.Entero(k.ventana, k.control, 0, k.minimo, k.maximo);
                break;
            case TipoControl::Casilla:
                (void)contexto.Casilla(k.ventana, k.control, false);
                break;
            case TipoControl::Valor:
                (void)contexto.Clave(k.control);
                break;
            }
        }
        contexto.ComprobarLeidos();
    } catch (const ErrorLinea& e) {
        return e.error();
    }
    return Correcto();
}

Resultado<Proyecto> LeerProyecto(std::string_view texto) {
    if (texto.starts_with("\xEF\xBB\xBF"))
        texto.remove_prefix(3);
    Proyecto proyecto;
    bool primera = true;
    std::size_t numero = 0;
    while (!texto.empty()) {
        ++numero;
        const std::size_t fin = texto.find('\n');
        const bool cortada = fin == std::string_view::npos;
        std::string_view linea = texto.substr(0, fin);
        texto.remove_prefix(cortada ? texto.size() : fin + 1);
        if (linea.ends_with('\r'))
            linea.remove_suffix(1);
        if (linea.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        auto objeto = LeerObjeto(linea);
        if (!objeto) {
            const std::string causa = objeto.error().mensaje;
            return Resultado<Proyecto>::Error(EnLinea(
                numero,
                cortada ? causa + " El fichero está cortado: acaba a mitad de la línea."
                        : causa + (primera ? " El fichero no es un proyecto de Velmora." : "")));
        }
        if (EsCabecera(*objeto)) {
            if (!primera)
                return Resultado<Proyecto>::Error(
                    EnLinea(numero, "la cabecera del proyecto sólo puede ir en la primera línea."));
            if (const Estado e = ComprobarCabecera(*objeto); !e)
                return Resultado<Proyecto>::Error(EnLinea(numero, e.error().mensaje),
                                                  e.error().campo);
            if (const auto d = objeto.valor().find("proyecto"); d != objeto.valor().end())
                proyecto.datos = *d;
        } else if (const Estado e = ComprobarLineaProyecto(*objeto); !e) {
            return Resultado<Proyecto>::Error(EnLinea(numero, e.error().mensaje), e.error().campo);
        } else {
            proyecto.lineas.push_back(std::move(objeto.valor()));
            proyecto.renglones.push_back(numero);
        }
        primera = false;
    }
    if (primera)
        return Resultado<Proyecto>::Error("El fichero está vacío: no es un proyecto de Velmora.");
    return proyecto;
}

DatosProyecto LeerDatosProyecto(const Json& datos) {
    const auto texto = [&](const char* clave) {
        const auto v = datos.find(clave);
        return v != datos.end() && v->is_string() ? v->get<std::string>() : std::string();
    };
    return {texto("proyecto"), texto("elemento"), texto("autor")};
}

void EscribirDatosProyecto(Json& datos, const DatosProyecto& d) {
    datos["proyecto"] = d.proyecto;
    datos["elemento"] = d.elemento;
    datos["autor"] = d.autor;
}

std::string EscribirProyecto(const Proyecto& proyecto) {
    const auto texto = [](const Json& j) {
        return j.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
    };
    Json cabecera = {{"velmora", VersionProyecto}, {"proyecto", proyecto.datos}};
    std::string salida = texto(cabecera);
    for (const Json& linea : proyecto.lineas)
        salida += texto(linea);
    return salida;
}

std::optional<Json> RespuestaCabecera(const Json& entrada) {
    if (!EsCabecera(entrada))
        return std::nullopt;
    if (const Estado e = ComprobarCabecera(entrada); !e) {
        Json r = Json::object();
        r["calculo"] = nullptr;
        r["ok"] = false;
        r["error"] = "La cabecera del proyecto: " + e.error().mensaje;
        r["campo"] = e.error().campo;
        return r;
    }
    Json r = entrada;
    r["ok"] = true;
    return r;
}

} // namespace velmora
