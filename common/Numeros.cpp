#include "common/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace velmora {

namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Citar(std::string_view nombre) { return "«" + std::string(nombre) + "»"; }

} // namespace

Resultado<double> LeerNumero(std::string_view texto, std::string_view nombre,
                             std::string_view campo) {
    std::string_view t = texto;
    while (!t.empty() && EsBlanco(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && EsBlanco(t.back()))
        t.remove_suffix(1);
    if (t.empty())
        return 0.0;

    std::string s(t);
    std::size_t comas = 0, puntos = 0;
    for (char c : s) {
        comas += c == ',';
        puntos += c == '.';
    }
    const std::string original(t);
    if (comas > 1 || (comas == 1 && puntos > 0))
        return Resultado<double>::Error("El dato " + Citar(nombre) + " (" + Citar(TextoCitado(original)) +
                                            ") no es un número válido: escriba un solo "
                                            "separador decimal, punto o coma.",
                                        std::string(campo));
    if (comas == 1)
        s[s.find(',')] = '.';

    // Sólo se admite la forma [signo] dígitos [. dígitos] [(E|e) [signo] dígitos]; strtod
    // aceptaría además "inf", "nan" o números hexadecimales, que no son datos de un ingeniero.
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digitos = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digitos;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digitos;
        }
    }
    bool valido = digitos > 0;
    if (valido && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exp = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++exp;
        }
        valido = exp > 0;
    }
    if (!valido || i != s.size())
        return Resultado<double>::Error("El dato " + Citar(nombre) + " (" + Citar(TextoCitado(original)) +
                                            ") no es un número.",
                                        std::string(campo));

    // from_chars no depende de la configuración regional (strtod sí, y Qt la fija al arrancar).
    const char* inicio = s.data();
    if (*inicio == '+')
        ++inicio;
    double valor = 0.0;
    const auto [fin, ec] = std::from_chars(inicio, s.data() + s.size(), valor);
    if (ec == std::errc::result_out_of_range) {
        // Exponente negativo: el número es menor que el menor representable, prácticamente 0.
        const auto e = s.find_first_of("eE");
        valor = (e != std::string::npos && s[e + 1] == '-')
                    ? 0.0
                    : std::numeric_limits<double>::infinity();
    } else if (ec != std::errc() || fin != s.data() + s.size()) {
        valor = std::numeric_limits<double>::quiet_NaN();
    }
    if (!std::isfinite(valor))
        return Resultado<double>::Error("El dato " + Citar(nombre) + " (" + Citar(TextoCitado(original)) +
                                            ") está fuera del intervalo de números admitidos.",
                                        std::string(campo));
    return valor;
}

Resultado<long long> LeerEntero(std::string_view texto, std::string_view nombre,
                                std::string_view campo) {
    const auto r = LeerNumero(texto, nombre, campo);
    if (!r)
        return r.error();
    const double v = std::trunc(*r);
    if (std::fabs(v) > 2.0e9)
        return Resultado<long long>::Error("El dato " + Citar(nombre) +
                                               " es demasiado grande para un número entero.",
                                           std::string(campo));
    return static_cast<long long>(v);
}

std::string Formatear(double valor, int ancho, int decimales) {
    if (ancho < 0)
        ancho = 0;
    if (decimales < 0)
        decimales = 0;
    std::string s;
    if (!std::isfinite(valor)) {
        s = "---";
    } else {
        // to_chars no depende de la configuración regional: el separador es siempre el punto.
        char buf[400];
        const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed,
                                     decimales);
        s.assign(buf, r.ptr);
        if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos)
            s.erase(0, 1); // nunca "-0.000"
    }
    if (static_cast<int>(s.size()) < ancho)
        s.insert(0, static_cast<std::size_t>(ancho) - s.size(), ' ');
    return s;
}

int CifrasEscritas(std::string_view numero) {
    int cifras = 0;
    bool significativa = false;
    bool decimal = false;
    for (const char c : numero) {
        if (c == '.')
            decimal = true;
        if (c < '0' || c > '9')
            continue;
        significativa = significativa || c != '0' || decimal;
        cifras += significativa ? 1 : 0;
    }
    return cifras;
}

std::string NumeroCientifico(double valor, int decimales) {
    if (!std::isfinite(valor))
        return "---";
    char buf[64];
    // to_chars no depende de la configuración regional; el exponente lleva signo y al menos dos
    // cifras.
    const auto r = std::to_chars(buf, buf + sizeof buf, valor == 0.0 ? 0.0 : valor,
                                 std::chars_format::scientific, std::clamp(decimales, 0, 17));
    std::string s(buf, r.ptr);
    const auto e = s.find('e');
    if (e != std::string::npos)
        s[e] = 'E';
    return s;
}

std::string FormatearAcotado(double valor, int ancho, int decimales) {
    std::string s = Formatear(valor, ancho, decimales);
    if (CifrasEscritas(s) <= MaximoCifras)
        return s;
    s = NumeroCientifico(valor);
    if (static_cast<int>(s.size()) < ancho)
        s.insert(0, static_cast<std::size_t>(ancho) - s.size(), ' ');
    return s;
}

std::string FormatearEntero(long long valor) { return std::to_string(valor); }

std::string NumeroLegible(double valor) {
    if (!std::isfinite(valor))
        return "un valor no finito";
    if (valor == 0)
        return "0";
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.6g", valor);
    return texto;
}

std::string TextoCitado(std::string_view texto) {
    constexpr std::size_t Maximo = 40;
    std::size_t caracteres = 0, corte = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if ((static_cast<unsigned char>(texto[i]) & 0xC0) == 0x80)
            continue; // continuación de un carácter UTF-8
        if (caracteres == Maximo) {
            corte = i;
            break;
        }
        ++caracteres;
    }
    if (corte == 0)
        return std::string(texto);
    return std::string(texto.substr(0, corte)) + "…";
}

} // namespace velmora
