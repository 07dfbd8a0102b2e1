#pragma once
// Comprobaciones comunes de los objetivos de fuzzing: una infracción aborta, y libFuzzer (o la
// repetición de los casos guardados) la cuenta como fallo con la entrada que la produjo.

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace velmora::fuzz {

[[noreturn]] inline void Infraccion(std::string_view que, std::string_view detalle) {
    std::fprintf(stderr, "INFRACCIÓN: %.*s\n%.*s\n", static_cast<int>(que.size()), que.data(),
                 static_cast<int>(detalle.size()), detalle.data());
    std::abort();
}

// Con VELMORA_FUZZ_ESTRICTO=1 también cuenta como fallo un resultado sin sentido (un rótulo con
// "nan", "inf" o "---", o un valor nulo en "estado") de una línea aceptada.
inline bool Estricto() {
    static const bool estricto = [] {
        const char* v = std::getenv("VELMORA_FUZZ_ESTRICTO");
        return v != nullptr && std::string_view(v) == "1";
    }();
    return estricto;
}

// "---", o "nan" o "inf" como palabra (no dentro de «inferior»). Un byte de 0x80 en adelante es
// parte de una letra acentuada.
inline bool TieneSinSentido(const std::string& s) {
    if (s.find("---") != std::string::npos)
        return true;
    const auto letra = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || ((u | 0x20) >= 'a' && (u | 0x20) <= 'z');
    };
    for (std::size_t i = 0; i + 3 <= s.size(); ++i) {
        std::string palabra = s.substr(i, 3);
        for (char& c : palabra)
            c = static_cast<char>(c | 0x20);
        if ((palabra == "nan" || palabra == "inf") && (i == 0 || !letra(s[i - 1])) &&
            (i + 3 == s.size() || !letra(s[i + 3])))
            return true;
    }
    return false;
}

// Rótulos que repiten lo escrito y no son resultados: «Hormigón HA-» seguido del texto de la
// resistencia tal como se tecleó (con control reducido ni siquiera se usa).
inline bool EsEco(const std::string& ruta) {
    return ruta.ends_with("/EtiquetaHormigon");
}

// `nulo`: un null es un fallo (en "estado", donde sólo lo pone un número no finito).
inline void BuscarSinSentido(const nlohmann::ordered_json& valor, const std::string& ruta,
                             const std::string& linea, bool nulo) {
    if (valor.is_structured()) {
        for (const auto& [clave, hijo] : valor.items())
            BuscarSinSentido(hijo, ruta + "/" + clave, linea, nulo);
    } else if (valor.is_null() && nulo) {
        Infraccion("Valor nulo (no finito) en " + ruta, linea);
    } else if (valor.is_string() && !EsEco(ruta) &&
               TieneSinSentido(valor.get_ref<const std::string&>())) {
        Infraccion("Rótulo «" + valor.get<std::string>() + "» en " + ruta, linea);
    }
}

// La respuesta de velmora-calc a una línea: un objeto JSON de una línea con "calculo" y "ok";
// con error, un mensaje no vacío y "campo"; aceptada, nada sin sentido en modo estricto.
inline void ComprobarRespuesta(const std::string& respuesta, const std::string& linea) {
    if (respuesta.find('\n') != std::string::npos)
        Infraccion("La respuesta ocupa más de una línea", respuesta);
    const auto r = nlohmann::ordered_json::parse(respuesta, nullptr, false);
    if (r.is_discarded() || !r.is_object())
        Infraccion("La respuesta no es un objeto JSON", respuesta);
    if (!r.contains("calculo") || !r.contains("ok") || !r["ok"].is_boolean())
        Infraccion("A la respuesta le falta «calculo» u «ok»", respuesta);
    if (!r["ok"].get<bool>()) {
        if (!r.contains("error") || !r["error"].is_string() ||
            r["error"].get<std::string>().empty() || !r.contains("campo") ||
            !r["campo"].is_string())
            Infraccion("Respuesta de error sin mensaje o sin campo", respuesta);
        return;
    }
    if (Estricto())
        for (const auto& [clave, valor] : r.items())
            if (clave != "calculo" && clave != "ok")
                BuscarSinSentido(valor, clave, linea + "\n" + respuesta, clave == "estado");
}

// El texto hasta su renglón `renglones` (incluido): las entradas de muchas líneas sólo harían
// cada ejecución más lenta.
inline std::string_view PrimerosRenglones(std::string_view texto, std::size_t renglones) {
    std::size_t fin = 0;
    for (std::size_t n = 0; n < renglones && fin != std::string_view::npos; ++n) {
        fin = texto.find('\n', fin);
        if (fin != std::string_view::npos)
            ++fin;
    }
    return fin == std::string_view::npos ? texto : texto.substr(0, fin);
}

} // namespace velmora::fuzz
