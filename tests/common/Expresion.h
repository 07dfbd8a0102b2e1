#pragma once
// Evaluador de las sustituciones de las trazas de la memoria («0.60·16.67·300·360/(1 + 1)»), para
// que una prueba compruebe que los números escritos dan el valor del paso. Admite cifras, punto
// decimal, exponente («1e-3»), blancos, '+', '-', '−', '·', '*', '/', '(', ')', '²', '³',
// '√(…)', 'mín(a; b; …)' y 'máx(a; b; …)'. Sólo para pruebas: una expresión mal escrita es un error, nunca un valor.

#include "common/Traza.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::pruebas {

class Expresion {
public:
    explicit Expresion(std::string_view texto) : t_(texto) {}

    // Valor de la expresión entera, o nada si está mal escrita.
    std::optional<double> Valor() {
        auto v = Suma();
        Blancos();
        if (!v || i_ != t_.size())
            return std::nullopt;
        return v;
    }

private:
    bool Toma(std::string_view s) {
        Blancos();
        if (t_.substr(i_, s.size()) != s)
            return false;
        i_ += s.size();
        return true;
    }
    void Blancos() {
        while (i_ < t_.size() && t_[i_] == ' ')
            ++i_;
    }
    bool Menos() { return Toma("-") || Toma("\u2212"); }
    bool Por() { return Toma("\u00B7") || Toma("*"); }

    std::optional<double> Suma() {
        auto v = Producto();
        while (v) {
            if (Toma("+")) {
                auto w = Producto();
                v = w ? std::optional(*v + *w) : std::nullopt;
            } else if (Menos()) {
                auto w = Producto();
                v = w ? std::optional(*v - *w) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> Producto() {
        auto v = Signo();
        while (v) {
            if (Por()) {
                auto w = Signo();
                v = w ? std::optional(*v * *w) : std::nullopt;
            } else if (Toma("/")) {
                auto w = Signo();
                v = w && *w != 0.0 ? std::optional(*v / *w) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<double> Signo() {
        if (Menos()) {
            auto v = Signo();
            return v ? std::optional(-*v) : std::nullopt;
        }
        return Potencia();
    }
    std::optional<double> Potencia() {
        auto v = Primario();
        while (v) {
            if (Toma("\u00B2"))
                v = *v * *v;
            else if (Toma("\u00B3"))
                v = *v * *v * *v;
            else
                break;
        }
        return v;
    }
    std::optional<double> Primario() {
        for (const bool minimo : {true, false}) {
            if (!Toma(minimo ? "mín(" : "máx("))
                continue;
            auto a = Suma();
            if (!a || !Toma(";"))
                return std::nullopt;
            do { // dos o más argumentos
                auto b = Suma();
                if (!b)
                    return std::nullopt;
                a = minimo ? std::min(*a, *b) : std::max(*a, *b);
            } while (Toma(";"));
            return Toma(")") ? a : std::nullopt;
        }
        if (Toma("\u221A")) {
            if (!Toma("("))
                return std::nullopt;
            auto v = Suma();
            if (!v || *v < 0.0 || !Toma(")"))
                return std::nullopt;
            return std::sqrt(*v);
        }
        if (Toma("(")) {
            auto v = Suma();
            return v && Toma(")") ? v : std::nullopt;
        }
        return Numero();
    }
    std::optional<double> Numero() {
        Blancos();
        const std::size_t inicio = i_;
        while (i_ < t_.size() && ((t_[i_] >= '0' && t_[i_] <= '9') || t_[i_] == '.'))
            ++i_;
        if (i_ == inicio)
            return std::nullopt;
        if (i_ < t_.size() && t_[i_] == 'e') {
            std::size_t j = i_ + 1;
            if (j < t_.size() && (t_[j] == '-' || t_[j] == '+'))
                ++j;
            if (j < t_.size() && t_[j] >= '0' && t_[j] <= '9') {
                i_ = j;
                while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9')
                    ++i_;
            }
        }
        const std::string s(t_.substr(inicio, i_ - inicio));
        char* fin = nullptr;
        const double v = std::strtod(s.c_str(), &fin);
        if (fin != s.c_str() + s.size())
            return std::nullopt;
        return v;
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

inline std::optional<double> EvaluarExpresion(std::string_view texto) {
    return Expresion(texto).Valor();
}

// Problemas de una traza: un paso de cálculo sin artículo que lo cite, sin fórmula o sin
// sustitución, una sustitución que no se puede evaluar o que, por `escala`, no da el valor del
// paso a su precisión escrita (una unidad de la última cifra; 2·10⁻⁷ del valor si es mayor), un
// valor no finito. Vacío si está bien.
inline std::vector<std::string> ProblemasTraza(const Traza& traza) {
    std::vector<std::string> problemas;
    for (const Paso& p : traza.pasos) {
        if (p.tipo == Paso::Tipo::Nota) {
            if (p.descripcion.empty())
                problemas.push_back("nota vacía");
            continue;
        }
        const std::string quien = p.simbolo + " (" + p.descripcion + ")";
        if (p.articulo.empty())
            problemas.push_back(quien + ": sin artículo");
        if (p.formula.empty() || p.sustitucion.empty()) {
            problemas.push_back(quien + ": sin fórmula o sin sustitución");
            continue;
        }
        if (!std::isfinite(p.valor)) {
            problemas.push_back(quien + ": valor no finito");
            continue;
        }
        const auto v = EvaluarExpresion(p.sustitucion);
        if (!v) {
            problemas.push_back(quien + ": no se puede evaluar «" + p.sustitucion + "»");
            continue;
        }
        // Una unidad de la última cifra escrita, o el redondeo de los números de la
        // sustitución (8 cifras significativas) si el valor es muy grande para su precisión.
        const double tolerancia =
            std::max(std::pow(10.0, -p.decimales) * 1.000001, 2e-7 * std::fabs(p.valor));
        if (std::fabs(*v * p.escala - p.valor) > tolerancia)
            problemas.push_back(quien + ": «" + p.sustitucion + "» da " +
                                std::to_string(*v * p.escala) + " y el paso dice " +
                                std::to_string(p.valor));
    }
    return problemas;
}

} // namespace velmora::pruebas
