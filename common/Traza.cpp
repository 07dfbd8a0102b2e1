#include "common/Traza.h"

#include "common/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmora {

namespace {

// La cifra en notación científica, sin ceros sobrantes en la mantisa: «1e-30», «8.5041148e+34».
std::string Cientifica(double a, int significativas) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific,
                                 std::clamp(significativas - 1, 0, 16));
    const std::string t(buf, r.ptr);
    const auto e = t.find('e');
    std::string mantisa = t.substr(0, e);
    if (mantisa.find('.') != std::string::npos) {
        mantisa.erase(mantisa.find_last_not_of('0') + 1);
        if (mantisa.back() == '.')
            mantisa.pop_back();
    }
    return mantisa + t.substr(e);
}

// La cifra en coma fija (con 12 decimales como mucho) da el número a una millonésima y no lleva
// más cifras de las que tiene un double.
bool FijaBasta(const std::string& fija, double a) {
    if (a == 0.0)
        return true;
    double leida = 0.0;
    std::from_chars(fija.data(), fija.data() + fija.size(), leida);
    return std::fabs(leida - a) <= 1e-6 * a && CifrasEscritas(fija) <= MaximoCifras;
}

} // namespace

std::string Cifras(double valor, int significativas) {
    if (!std::isfinite(valor))
        return "0";
    const double a = std::fabs(valor);
    const int enteras = a >= 1.0 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 0;
    int decimales = significativas - enteras;
    if (a > 0.0 && a < 1.0) // ceros tras la coma que no son cifras significativas
        decimales += static_cast<int>(-std::floor(std::log10(a))) - 1;
    decimales = std::clamp(decimales, 0, 12);
    // to_chars no depende de la configuración regional: el separador es siempre el punto.
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, decimales);
    std::string t(buf, r.ptr);
    // Un número demasiado pequeño o grande para la coma fija («0» por 1e-30) se escribe en
    // notación científica: la sustitución nunca dice otro valor que el que se usó.
    if (!FijaBasta(t, a))
        t = Cientifica(a, significativas);
    else if (t.find('.') != std::string::npos) {
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == '.')
            t.pop_back();
    }
    if (t == "0" || valor > 0.0)
        return t;
    return "(\u2212" + t + ")";
}

} // namespace velmora
