#include "cli/Lote.h"

#include "cli/Contexto.h"
#include "common/Numeros.h"

#include <istream>
#include <ostream>
#include <set>
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

std::string ListaCalculos() {
    std::string lista;
    for (const auto& [nombre, _] : Calculos())
        lista += (lista.empty() ? "" : ", ") + nombre;
    return lista;
}

// Niveles de listas y objetos anidados que se admiten; la entrada más honda del contrato
// ("ranuras") tiene cuatro. Se mira antes de leer la línea para no agotar la pila con ella.
constexpr int ProfundidadMaxima = 64;

bool DemasiadoHonda(const std::string& linea) {
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
        } else if (ch == '[' || ch == '{') {
            if (++nivel > ProfundidadMaxima)
                return true;
        } else if (ch == ']' || ch == '}') {
            --nivel;
        }
    }
    return false;
}

bool EnBlanco(const std::string& linea) {
    return linea.find_first_not_of(" \t\r\n") == std::string::npos;
}

Json Responder(const std::string& linea, bool conEstado) {
    if (DemasiadoHonda(linea))
        return RespuestaError(nullptr,
                              {"La línea anida más de " + FormatearEntero(ProfundidadMaxima) +
                                   " niveles de listas u objetos.",
                               ""});
    // Una clave repetida en un objeto haría valer sólo una de las dos, en silencio.
    std::vector<std::set<std::string>> claves;
    std::string repetida;
    const auto vigilar = [&](int, Json::parse_event_t suceso, Json& valor) {
        if (suceso == Json::parse_event_t::object_start)
            claves.emplace_back();
        else if (suceso == Json::parse_event_t::object_end && !claves.empty())
            claves.pop_back();
        else if (suceso == Json::parse_event_t::key && !claves.empty() &&
                 !claves.back().insert(valor.get<std::string>()).second && repetida.empty())
            repetida = valor.get<std::string>();
        return true;
    };
    Json entrada;
    try {
        entrada = Json::parse(linea, vigilar);
    } catch (const Json::parse_error& e) {
        return RespuestaError(nullptr, {"La línea no es JSON válido (error cerca del carácter " +
                                            FormatearEntero(static_cast<long long>(e.byte)) + ").",
                                        ""});
    }
    if (!repetida.empty())
        return RespuestaError(
            nullptr,
            {"La clave «" + repetida + "» aparece dos veces en el mismo objeto.", repetida});
    if (!entrada.is_object())
        return RespuestaError(nullptr, {"La línea debe ser un objeto JSON: "
                                        "{\"calculo\": \"nombre\", ...}.",
                                        ""});
    const auto c = entrada.find("calculo");
    if (c == entrada.end())
        return RespuestaError(
            nullptr, {"Falta «calculo», el nombre del cálculo. Cálculos: " + ListaCalculos() + ".",
                      "calculo"});
    if (!c->is_string())
        return RespuestaError(*c, {"«calculo» debe ser el nombre del cálculo entre comillas. "
                                   "Cálculos: " +
                                       ListaCalculos() + ".",
                                   "calculo"});
    const std::string nombre = c->get<std::string>();
    const auto calculo = Calculos().find(nombre);
    if (calculo == Calculos().end())
        return RespuestaError(
            nombre, {"El cálculo «" + nombre + "» no existe. Cálculos: " + ListaCalculos() + ".",
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
        return r;
    } catch (const ErrorLinea& e) {
        return RespuestaError(nombre, e.error());
    } catch (const std::exception& e) {
        return RespuestaError(nombre, {std::string("Error interno del cálculo: ") + e.what(), ""});
    }
}

std::string Texto(const Json& respuesta) {
    return respuesta.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

std::string ProcesarLinea(const std::string& linea, bool conEstado) {
    return Texto(Responder(linea, conEstado));
}

int ProcesarFlujo(std::istream& entrada, std::ostream& salida, bool conEstado) {
    int errores = 0;
    std::string linea;
    bool primera = true;
    while (std::getline(entrada, linea)) {
        // Marca de orden de bytes UTF-8 que algunos editores ponen al principio del fichero.
        if (primera && linea.starts_with("\xEF\xBB\xBF"))
            linea.erase(0, 3);
        primera = false;
        if (EnBlanco(linea))
            continue;
        const Json respuesta = Responder(linea, conEstado);
        errores += respuesta["ok"] == false;
        salida << Texto(respuesta) << '\n' << std::flush;
    }
    return errores;
}

std::string TextoAyuda() {
    std::string ayuda =
        "Uso: velmora-calc [FICHERO]\n"
        "     velmora-calc --sin-estado [FICHERO]\n"
        "\n"
        "Cálculos de Velmora (hormigón armado según la EHE-98) por tandas, sin ventanas.\n"
        "Lee objetos JSON, uno por línea, del FICHERO o de la entrada estándar (sin FICHERO o\n"
        "con \"-\"), y escribe una línea JSON de respuesta por cada línea no vacía.\n"
        "\n"
        "Entrada:\n"
        "  {\"calculo\": NOMBRE, VENTANA: {CONTROL: valor, ...}, ...,\n"
        "   \"ranuras\": {\"1\": [[3, 16]], \"2\": [[2, 12], [1, 10]]}}\n"
        "  VENTANA y CONTROL son los nombres de objeto de las ventanas y sus controles.\n"
        "  Un cuadro de texto lleva una cadena (\"0.40\"), un grupo de opciones o un contador\n"
        "  el índice de la opción (0, 1, ...), una casilla true o false. Un control que no se\n"
        "  da conserva su valor de arranque. \"ranuras\" fija de 1 a 3 grupos [número de\n"
        "  barras, diámetro en mm] en las ranuras de armadura \"0\" a \"4\". Cada línea parte\n"
        "  del estado de arranque del programa; los parámetros generales se confirman como\n"
        "  con su botón OK antes de cada cálculo que los necesita.\n"
        "\n"
        "Salida:\n"
        "  {\"calculo\": NOMBRE, \"ok\": true, VENTANA: {CONTROL: rótulo, ...}, \"estado\": "
        "{...}}\n"
        "  o, si la línea no se puede calcular,\n"
        "  {\"calculo\": NOMBRE, \"ok\": false, \"error\": mensaje, \"campo\": CONTROL}.\n"
        "  Una línea con error no detiene la tanda. Con --sin-estado las respuestas correctas\n"
        "  no llevan \"estado\" (la tanda va más deprisa).\n"
        "\n"
        "Cálculos:\n";
    for (const auto& [nombre, calculo] : Calculos())
        ayuda += "  " + nombre + std::string(nombre.size() < 12 ? 12 - nombre.size() : 1, ' ') +
                 calculo.descripcion + "\n";
    ayuda += "\n"
             "Ejemplo:\n"
             "  echo '{\"calculo\": \"area\", \"ranuras\": {\"0\": [[3, 12], [2, 10]]}}' | "
             "velmora-calc\n"
             "\n"
             "Código de salida: 0, aunque haya líneas con error; 1 si no se puede abrir el\n"
             "FICHERO; 2 si la orden está mal escrita.\n";
    return ayuda;
}

} // namespace velmora
