#pragma once
// Evaluador de las sustituciones de las trazas de la memoria («0.60·16.67·300·360/(1 + 1)»), para
// que una prueba compruebe que los números escritos dan el valor del paso. Admite cifras, punto
// decimal, exponente («1e-3»), blancos, '+', '-', '−', '·', '*', '/', '(', ')', '²', '³',
// '√(…)', 'mín(a; b; …)' y 'máx(a; b; …)'. Sólo para pruebas: una expresión mal escrita es un error, nunca un valor.

#include "common/Traza.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
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

// La fórmula de un paso en símbolos frente a su sustitución: con cada símbolo en el lugar de su
// número, las dos dicen lo mismo. Se parten en piezas (operadores, números, símbolos: «f_cd»,
// «cot θ») y, si tienen los mismos operadores en el mismo orden, cada constante de la fórmula
// es la de la sustitución (a su precisión escrita), un símbolo repetido lleva el mismo número y
// el número de un símbolo que ya calculó un paso anterior es el valor de ese paso, en la misma
// unidad o en otra (por una potencia de diez). Una sustitución que ya da hecho un término de la
// fórmula («máx(102.4; 64)» por «máx(m·φ²; l_b,mín)») no se alinea y no se mira.
struct PiezaFormula {
    enum class Clase { Operador, Numero, Simbolo } clase;
    std::string texto;
};

// El texto enriquecido en texto llano: «f<sub>cd</sub>» es «f_cd» y «−» es «-».
inline std::string TextoLlano(std::string_view t) {
    std::string r;
    for (std::size_t i = 0; i < t.size();) {
        if (t.substr(i, 5) == "<sub>" || t.substr(i, 5) == "<sup>") {
            const bool sub = t[i + 3] == 'b';
            const std::size_t fin = t.find(sub ? "</sub>" : "</sup>", i);
            if (fin == std::string_view::npos)
                return r + std::string(t.substr(i));
            r += sub ? "_" : "^";
            for (char c : t.substr(i + 5, fin - i - 5))
                if (c != ' ')
                    r += c;
            i = fin + 6;
        } else if (t[i] == '<') {
            const std::size_t fin = t.find('>', i);
            i = fin == std::string_view::npos ? t.size() : fin + 1;
        } else if (t.substr(i, 3) == "\u2212") {
            r += '-';
            i += 3;
        } else {
            r += t[i++];
        }
    }
    return r;
}

inline std::vector<PiezaFormula> PiezasFormula(std::string_view texto) {
    using C = PiezaFormula::Clase;
    static const std::vector<std::string_view> operadores = {
        "mín(", "máx(", "\u221A(", "+", "-", "\u00B7", "*", "/", "(", ")", ";", "\u00B2", "\u00B3"};
    static const std::vector<std::string_view> funciones = {"cot ", "sen ", "cos ", "tan "};
    const std::string s = TextoLlano(texto);
    const auto operador = [&](std::size_t i) -> std::size_t {
        for (std::string_view o : operadores)
            if (std::string_view(s).substr(i, o.size()) == o)
                return o.size();
        return 0;
    };
    const auto cifra = [&](std::size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    const auto numero = [&](std::size_t i) { // longitud de un número que empieza en i
        std::size_t j = i;
        while (j < s.size() && (cifra(j) || s[j] == '.'))
            ++j;
        if (j > i && j + 1 < s.size() && s[j] == 'e' &&
            (cifra(j + 1) || ((s[j + 1] == '-' || s[j + 1] == '+') && cifra(j + 2))))
            for (j += 2; cifra(j);)
                ++j;
        return j - i;
    };
    std::vector<PiezaFormula> piezas;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == ' ') {
            ++i;
            continue;
        }
        const bool trasOperador = piezas.empty() || piezas.back().clase == C::Operador;
        // Un número negativo entre paréntesis, «(-1432.5)», es un número.
        if (trasOperador && s[i] == '(' && i + 1 < s.size() && s[i + 1] == '-')
            if (const std::size_t n = numero(i + 2); n > 0 && i + 2 + n < s.size() &&
                                                     s[i + 2 + n] == ')') {
                piezas.push_back({C::Numero, s.substr(i + 1, n + 1)});
                i += n + 3;
                continue;
            }
        if (const std::size_t n = operador(i); n > 0) {
            piezas.push_back({C::Operador, s.substr(i, n)});
            i += n;
            continue;
        }
        if (const std::size_t n = numero(i); n > 0 && trasOperador) {
            piezas.push_back({C::Numero, s.substr(i, n)});
            i += n;
            continue;
        }
        std::size_t j = i;
        for (std::string_view f : funciones)
            if (std::string_view(s).substr(i, f.size()) == f)
                j = i + f.size();
        for (++j; j < s.size() && s[j] != ' ' && operador(j) == 0;)
            ++j;
        piezas.push_back({C::Simbolo, s.substr(i, j - i)});
        i = j;
    }
    return piezas;
}

// El valor de un paso anterior y sus decimales escritos, por su símbolo en texto llano.
struct ValorPrevio {
    double valor;
    int decimales;
};

// Si `x` es `previo` en alguna unidad (10⁻⁹ a 10⁹ veces), a la precisión del paso o a 10⁻⁶.
inline bool MismoValor(double x, const ValorPrevio& previo) {
    for (int k = -9; k <= 9; ++k) {
        const double f = std::pow(10.0, k);
        const double tolerancia = std::max(1e-6 * std::fabs(x),
                                           0.5 * std::pow(10.0, -previo.decimales) * f * 1.001);
        if (std::fabs(x - previo.valor * f) <= tolerancia)
            return true;
    }
    return false;
}

// Una nota que da el valor de un símbolo («Rige la separación máxima. s_t = 242.6 mm.») lo
// cambia para los pasos que siguen.
inline void AnotarValoresDeNota(std::string_view nota, std::map<std::string, ValorPrevio>& previos) {
    const std::string t = TextoLlano(nota);
    for (std::size_t i = t.find(" = "); i != std::string::npos; i = t.find(" = ", i + 3)) {
        const std::size_t inicio = t.rfind(' ', i - 1);
        const std::string simbolo = t.substr(inicio == std::string::npos ? 0 : inicio + 1,
                                             i - (inicio == std::string::npos ? 0 : inicio + 1));
        const char* numero = t.c_str() + i + 3;
        char* fin = nullptr;
        const double v = std::strtod(numero, &fin);
        // Sólo «símbolo = número» entero: ni «f_ck = 10·γ_c = 15» ni «10·γ_c = 15».
        const bool acaba = *fin == '\0' || *fin == ' ' || *fin == ',' || *fin == ';' ||
                           (*fin == '.' && (fin[1] == '\0' || fin[1] == ' '));
        const unsigned char primera = simbolo.empty() ? 0 : static_cast<unsigned char>(simbolo[0]);
        const bool nombre = (std::isalpha(primera) || primera >= 0x80) &&
                            simbolo.find("\u00B7") == std::string::npos;
        if (fin == numero || !acaba || !nombre)
            continue;
        const char* punto = std::find(numero, static_cast<const char*>(fin), '.');
        previos[simbolo] = {v, punto == fin ? 0 : static_cast<int>(fin - punto - 1)};
    }
}

// Problemas de las fórmulas de una traza (véase PiezaFormula). `alineados`, si se da, suma los
// pasos cuya fórmula y sustitución se alinean, y `pasos` los pasos de cálculo.
inline std::vector<std::string> ProblemasFormula(const Traza& traza, int* alineados = nullptr,
                                                 int* pasos = nullptr) {
    using C = PiezaFormula::Clase;
    std::vector<std::string> problemas;
    std::map<std::string, ValorPrevio> previos;
    for (const Paso& p : traza.pasos) {
        if (p.tipo != Paso::Tipo::Calculo) {
            AnotarValoresDeNota(p.descripcion, previos);
            continue;
        }
        if (pasos)
            ++*pasos;
        const auto f = PiezasFormula(p.formula);
        const auto s = PiezasFormula(p.sustitucion);
        const std::string quien = TextoLlano(p.simbolo) + " = " + TextoLlano(p.formula) + " = " +
                                  TextoLlano(p.sustitucion);
        bool alineada = f.size() == s.size();
        for (std::size_t i = 0; alineada && i < f.size(); ++i)
            alineada = (f[i].clase == C::Operador) == (s[i].clase == C::Operador) &&
                       (f[i].clase != C::Operador || f[i].texto == s[i].texto) &&
                       (f[i].clase != C::Numero || s[i].clase == C::Numero) &&
                       (s[i].clase != C::Simbolo || f[i].texto == s[i].texto);
        if (alineada) {
            if (alineados)
                ++*alineados;
            std::map<std::string, double> numeros;
            for (std::size_t i = 0; i < f.size(); ++i) {
                if (s[i].clase != C::Numero)
                    continue;
                const double x = std::strtod(s[i].texto.c_str(), nullptr);
                if (f[i].clase == C::Numero) {
                    const auto punto = f[i].texto.find('.');
                    const int d = punto == std::string::npos
                                      ? 0
                                      : static_cast<int>(f[i].texto.size() - punto - 1);
                    if (std::fabs(std::strtod(f[i].texto.c_str(), nullptr) - x) >
                        0.5 * std::pow(10.0, -d) * 1.001)
                        problemas.push_back(quien + ": la constante " + f[i].texto +
                                            " de la fórmula es " + s[i].texto);
                    continue;
                }
                const auto [dicho, nuevo] = numeros.emplace(f[i].texto, x);
                if (!nuevo && std::fabs(dicho->second - x) > 1e-9 * std::fabs(x))
                    problemas.push_back(quien + ": " + f[i].texto + " vale " + s[i].texto +
                                        " y antes en el mismo paso otra cosa");
                const auto previo = previos.find(f[i].texto);
                if (previo != previos.end() && !MismoValor(x, previo->second))
                    problemas.push_back(quien + ": " + f[i].texto + " vale " + s[i].texto +
                                        " y su paso dice " + std::to_string(previo->second.valor));
            }
        }
        // «A_s1 = A_s2» da el valor de los dos.
        const std::string simbolos = TextoLlano(p.simbolo);
        for (std::size_t i = 0, fin = 0; fin != std::string::npos; i = fin + 3) {
            fin = simbolos.find(" = ", i);
            previos[simbolos.substr(i, fin == std::string::npos ? fin : fin - i)] = {p.valor,
                                                                                    p.decimales};
        }
    }
    return problemas;
}

} // namespace velmora::pruebas
