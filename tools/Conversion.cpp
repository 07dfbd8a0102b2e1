#include "tools/Conversion.h"

#include "common/Numeros.h"

#include <array>
#include <charconv>
#include <cmath>

namespace velmora {

namespace {

// Factores de las unidades de OpcionesUnidadLongitud (m por unidad) y de OpcionesUnidadFuerza
// (N por unidad: tonelada y kilopondio con g = 9.8 m/s²).
constexpr std::array<double, NumeroUnidadesLongitud> FactoresLongitud{1.0, 0.01, 0.001};
constexpr std::array<double, NumeroUnidadesFuerza> FactoresFuerza{9800.0, 9.8, 1000.0, 1.0};

// Un índice fuera de la tabla elige la primera unidad.
template <typename T, std::size_t N> const T& Elegir(const std::array<T, N>& tabla, int indice) {
    if (indice < 0 || indice >= static_cast<int>(N))
        indice = 0;
    return tabla[static_cast<std::size_t>(indice)];
}

constexpr std::size_t AnchoMaximoDecimal = 25;

} // namespace

// Los textos de las opciones son literales: data() acaba en '\0'.
const char* NombreUnidadLongitud(int indice) {
    return Elegir(OpcionesUnidadLongitud, indice).data();
}
double FactorLongitud(int indice) {
    return Elegir(FactoresLongitud, indice);
}
const char* NombreUnidadFuerza(int indice) {
    return Elegir(OpcionesUnidadFuerza, indice).data();
}
double FactorFuerza(int indice) {
    return Elegir(FactoresFuerza, indice);
}

bool UsaFuerza(TipoConversion tipo) {
    return tipo == TipoConversion::Fuerza || tipo == TipoConversion::Momento ||
           tipo == TipoConversion::Tension;
}

bool UsaLongitud(TipoConversion tipo) {
    return tipo != TipoConversion::Fuerza;
}

std::string TextoUnidad(TipoConversion tipo, std::string_view fuerza, std::string_view longitud) {
    const std::string F(fuerza), L(longitud);
    switch (tipo) {
    case TipoConversion::Longitud:
        return L;
    case TipoConversion::Fuerza:
        return F;
    case TipoConversion::Momento:
        return F + "*" + L;
    case TipoConversion::Tension:
        return F + "/" + L + "²";
    case TipoConversion::Inercia:
        return L + "4";
    }
    return L;
}

double ConvertirValor(TipoConversion tipo, double v, const UnidadesConversion& u) {
    const double Lo = FactorLongitud(u.LongitudOrigen), Lf = FactorLongitud(u.LongitudFinal);
    const double Fo = FactorFuerza(u.FuerzaOrigen), Ff = FactorFuerza(u.FuerzaFinal);
    switch (tipo) {
    case TipoConversion::Longitud:
        return v * Lo / Lf;
    case TipoConversion::Fuerza:
        return v * Fo / Ff;
    case TipoConversion::Momento:
        return v * Fo * Lo / Ff / Lf;
    case TipoConversion::Tension:
        return v * Fo * Lf * Lf / Ff / Lo / Lo;
    case TipoConversion::Inercia:
        return v * Lo * Lo * Lo * Lo / Lf / Lf / Lf / Lf;
    }
    return v;
}

std::string FormatoDecimal(double valor, std::string_view separador) {
    std::string s = Formatear(valor, 10, 3);
    // Recortar el texto a 25 caracteres cambiaría el número, y más de 15 cifras mostrarían
    // cifras que el cálculo no tiene: entonces se da en forma científica.
    if (s.size() > AnchoMaximoDecimal || CifrasEscritas(s) > MaximoCifras)
        return FormatoCientifico(valor, separador);
    return s;
}

std::string FormatoCientifico(double valor, std::string_view separador) {
    std::string s = NumeroCientifico(valor, 7); // patrón 0.0000000E+00
    const auto punto = s.find('.');
    if (punto != std::string::npos)
        s.replace(punto, 1, separador.empty() ? std::string_view(".") : separador);
    return s;
}

namespace {

Resultado<double> ValorConvertido(TipoConversion tipo, std::string_view texto,
                                  const UnidadesConversion& u) {
    const auto v = LeerNumero(texto, CampoValorOrigen.nombre, CampoValorOrigen.control);
    if (!v)
        return v.error();
    const double r = ConvertirValor(tipo, *v, u);
    if (!std::isfinite(r))
        return Resultado<double>::Error(
            "El valor convertido está fuera del intervalo de números admitidos.", "ValorOrigen");
    return r;
}

} // namespace

Resultado<std::string> ConvertirTexto(TipoConversion tipo, std::string_view texto,
                                      const UnidadesConversion& u, bool cientifico,
                                      std::string_view separador) {
    const auto r = ValorConvertido(tipo, texto, u);
    if (!r)
        return r.error();
    return cientifico ? FormatoCientifico(*r, separador) : FormatoDecimal(*r, separador);
}

std::string TextoValorFinal(TipoConversion tipo, std::string_view texto,
                            const UnidadesConversion& u, bool cientifico,
                            std::string_view separador) {
    if (!LeerNumero(texto, CampoValorOrigen.nombre).ok())
        return TextoValorNoValido;
    const auto r = ConvertirTexto(tipo, texto, u, cientifico, separador);
    return r ? *r : TextoValorFueraRango;
}

} // namespace velmora
