#include "documento/Lote.h"

#include "common/Numeros.h"
#include "documento/Contexto.h"
#include "documento/LecturaJson.h"
#include "documento/Proyecto.h"

#include <optional>
#include <vector>

namespace velmora {

namespace {

Json RespuestaError(const Json& calculo, const ErrorCalculo& error) {
    Json r = Json::object();
    r["calculo"] = calculo;
    r["ok"] = false;
    r["error"] = error.mensaje;
    r["campo"] = error.campo;
    return r;
}

// Posición (desde 1) del primer byte que no empieza una secuencia UTF-8 válida, o 0.
// Se mira antes de leer para explicar el fallo mejor que «no es JSON válido».
std::size_t PrimerByteNoUtf8(const std::string& linea) {
    const auto* p = reinterpret_cast<const unsigned char*>(linea.data());
    const std::size_t n = linea.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = p[i];
        std::size_t largo = 0;
        unsigned char bajo = 0x80, alto = 0xBF; // intervalo del segundo byte
        if (b < 0x80)
            largo = 1;
        else if (b >= 0xC2 && b <= 0xDF)
            largo = 2;
        else if (b >= 0xE0 && b <= 0xEF) {
            largo = 3;
            bajo = b == 0xE0 ? 0xA0 : 0x80; // sin formas largas
            alto = b == 0xED ? 0x9F : 0xBF; // sin sustitutos UTF-16
        } else if (b >= 0xF0 && b <= 0xF4) {
            largo = 4;
            bajo = b == 0xF0 ? 0x90 : 0x80;
            alto = b == 0xF4 ? 0x8F : 0xBF; // nada por encima de U+10FFFF
        } else
            return i + 1;
        if (i + largo > n)
            return i + 1;
        for (std::size_t k = 1; k < largo; ++k) {
            const unsigned char c = p[i + k];
            if (c < (k == 1 ? bajo : 0x80) || c > (k == 1 ? alto : 0xBF))
                return i + 1;
        }
        i += largo;
    }
    return 0;
}

// Lo que no se puede leer de una línea antes de mirar su JSON: un byte nulo (la biblioteca
// de JSON lo toma por el final del texto y callaría lo que sigue) o texto que no es UTF-8.
std::optional<ErrorCalculo> ErrorDeBytes(const std::string& linea) {
    if (const auto nulo = linea.find('\0'); nulo != std::string::npos)
        return ErrorCalculo{"La línea contiene un carácter nulo (byte 0) en la posición " +
                                FormatearEntero(static_cast<long long>(nulo + 1)) + ".",
                            ""};
    if (const auto malo = PrimerByteNoUtf8(linea); malo != 0)
        return ErrorCalculo{"La línea no es texto UTF-8 válido (byte " +
                                FormatearEntero(static_cast<long long>(malo)) + ").",
                            ""};
    return std::nullopt;
}

// Mensaje de un error de la biblioteca de JSON al leer la línea; `clave` es la última clave
// leída, que suele ser la del valor que falla.
ErrorCalculo ErrorDeLectura(const Json::exception& e, const std::string& clave) {
    if (const auto* lectura = dynamic_cast<const Json::parse_error*>(&e))
        return {"La línea no es JSON válido (error cerca del carácter " +
                    FormatearEntero(static_cast<long long>(lectura->byte)) + ").",
                ""};
    if (dynamic_cast<const Json::out_of_range*>(&e) != nullptr && e.id == 406) {
        // "number overflow parsing '1e400'": el número va entre comillas simples.
        const std::string texto = e.what();
        const auto desde = texto.find('\'');
        const auto hasta = texto.rfind('\'');
        const std::string numero = desde < hasta ? texto.substr(desde + 1, hasta - desde - 1) : "";
        return {"El número " + (numero.empty() ? "" : numero + " ") +
                    (clave.empty() ? "de la línea" : "de «" + clave + "»") +
                    " está fuera del intervalo de los números reales (±1.7e308).",
                clave};
    }
    return {"La línea no se puede leer como JSON (error " + FormatearEntero(e.id) + ").", ""};
}

} // namespace

std::optional<Json> LeerEntrada(const std::string& linea, ErrorCalculo& error) {
    if (const auto e = ErrorDeBytes(linea)) {
        error = *e;
        return std::nullopt;
    }
    if (DemasiadoHonda(linea)) {
        error = {"La línea anida más de " + FormatearEntero(ProfundidadMaxima) +
                     " niveles de listas u objetos.",
                 ""};
        return std::nullopt;
    }
    ClavesLeidas claves;
    Json entrada;
    try {
        entrada = LeerJsonVigilado(linea, claves);
    } catch (const Json::exception& e) {
        error = ErrorDeLectura(e, claves.ultima);
        return std::nullopt;
    }
    if (!claves.repetida.empty()) {
        error = {"La clave «" + claves.repetida + "» aparece dos veces en el mismo objeto.",
                 claves.repetida};
        return std::nullopt;
    }
    if (!entrada.is_object()) {
        error = {"La línea debe ser un objeto JSON: {\"calculo\": \"nombre\", ...}.", ""};
        return std::nullopt;
    }
    return entrada;
}

namespace {

Json Responder(const std::string& linea, bool conEstado, InformeLinea* informe = nullptr) {
    ErrorCalculo error;
    const std::optional<Json> leida = LeerEntrada(linea, error);
    if (!leida)
        return RespuestaError(nullptr, error);
    const Json& entrada = *leida;
    // La cabecera de un fichero de proyecto se acepta y se repite.
    if (auto cabecera = RespuestaCabecera(entrada))
        return *cabecera;
    const auto c = entrada.find("calculo");
    if (c == entrada.end())
        return RespuestaError(nullptr, {"Falta «calculo», el nombre del cálculo. Cálculos: " +
                                            NombresCatalogo() + ".",
                                        "calculo"});
    if (!c->is_string())
        return RespuestaError(*c, {"«calculo» debe ser el nombre del cálculo entre comillas. "
                                   "Cálculos: " +
                                       NombresCatalogo() + ".",
                                   "calculo"});
    const std::string nombre = c->get<std::string>();
    const auto calculo = Catalogo().find(nombre);
    if (calculo == Catalogo().end())
        return RespuestaError(
            nombre, {"El cálculo «" + nombre + "» no existe. Cálculos: " + NombresCatalogo() + ".",
                     "calculo"});
    try {
        Contexto contexto(entrada, nombre);
        calculo->second.funcion(contexto);
        contexto.ComprobarLeidos();
        Json r = Json::object();
        r["calculo"] = nombre;
        r["ok"] = true;
        for (const auto& [ventana, controles] : contexto.Salida().items())
            r[ventana] = controles;
        if (conEstado && calculo->second.volcarEstado)
            r["estado"] = VolcarEstado(contexto.Estado);
        // Quien se lleva el capítulo (la memoria de una tanda) compone él la página entera.
        if (contexto.InformePedido() && informe)
            *informe = {contexto.Capitulo(), contexto.Proyecto()};
        else if (contexto.InformePedido())
            r["informe"] = PaginaInforme(CabeceraDeHoy(contexto.Proyecto()), {contexto.Capitulo()});
        return r;
    } catch (const ErrorLinea& e) {
        return RespuestaError(nombre, e.error());
    } catch (const std::exception& e) {
        return RespuestaError(nombre, {std::string("Error interno del cálculo: ") + e.what(), ""});
    }
}

// Ninguna línea detiene la tanda: lo que escape de Responder es el error de esa línea.
Json ResponderSinExcepciones(const std::string& linea, bool conEstado,
                             InformeLinea* informe = nullptr) {
    try {
        return Responder(linea, conEstado, informe);
    } catch (const std::exception& e) {
        return RespuestaError(nullptr, {std::string("Error interno: ") + e.what(), ""});
    }
}

std::string Texto(const Json& respuesta) {
    return respuesta.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

bool DemasiadoHonda(std::string_view linea) {
    int nivel = 0;
    bool enTexto = false, escape = false;
    for (const char ch : linea) {
        if (enTexto) {
            if (escape)
                escape = false;
            else if (ch == '\\')
                escape = true;
            else if (ch == '"')
                enTexto = false;
        } else if (ch == '"') {
            enTexto = true;
        } else if ((ch == '[' || ch == '{') && ++nivel > ProfundidadMaxima) {
            return true;
        } else if (ch == ']' || ch == '}') {
            --nivel;
        }
    }
    return false;
}

std::string ProcesarLinea(const std::string& linea, bool conEstado) {
    return Texto(ResponderSinExcepciones(linea, conEstado));
}

std::string ProcesarLinea(const std::string& linea, bool conEstado, InformeLinea* informe) {
    return Texto(ResponderSinExcepciones(linea, conEstado, informe));
}

std::string ProcesarLinea(const std::string& linea, bool conEstado, bool& correcta) {
    const Json respuesta = ResponderSinExcepciones(linea, conEstado);
    correcta = respuesta["ok"] == true;
    return Texto(respuesta);
}

} // namespace velmora
