#include "common/Descripcion.h"

#include "common/Numeros.h"

#include <cmath>

namespace velmora {

std::string_view TextoCampo(const TextosCampos& textos, const Campo& campo) {
    const auto it = textos.find(campo.control);
    return it == textos.end() ? campo.defecto : std::string_view(it->second);
}

namespace {

Resultado<double> LeerEscrito(const TextosCampos& textos, const Campo& campo) {
    return LeerNumero(TextoCampo(textos, campo), campo.nombre, campo.control);
}

} // namespace

Resultado<double> LeerCampo(const TextosCampos& textos, const Campo& campo) {
    const auto r = LeerEscrito(textos, campo);
    if (!r)
        return r.error();
    return *r * campo.factor;
}

Estado ComprobarIntervalo(const Campo& campo, double valorEscrito) {
    if (valorEscrito >= campo.minimo && valorEscrito <= campo.maximo)
        return Correcto();
    const std::string unidad = campo.unidad.empty() ? "" : " " + std::string(campo.unidad);
    return Estado::Error(std::string(campo.nombre) + " debe estar entre " +
                             NumeroLegible(campo.minimo) + " y " + NumeroLegible(campo.maximo) +
                             unidad + " (se ha leído " + NumeroLegible(valorEscrito) + unidad +
                             ").",
                         std::string(campo.control));
}

Resultado<double> LeerCampoEnIntervalo(const TextosCampos& textos, const Campo& campo) {
    const auto r = LeerEscrito(textos, campo);
    if (!r)
        return r.error();
    if (auto e = ComprobarIntervalo(campo, *r); !e)
        return e.error();
    return *r * campo.factor;
}

TextosCampos TextosPorOmision(std::span<const Campo> campos) {
    TextosCampos t;
    for (const Campo& c : campos)
        t.emplace(std::string(c.control), std::string(c.defecto));
    return t;
}

bool CabeEnRotulo(double valor, int ancho, int decimales) {
    return std::isfinite(valor) &&
           Formatear(valor, ancho, decimales).size() <= static_cast<std::size_t>(ancho);
}

ErrorCalculo ResultadoNoRepresentable(std::string_view calculo, std::string_view campo) {
    return {"Los datos llevan a un resultado del cálculo de " + std::string(calculo) +
                " que no se puede mostrar (demasiado grande o no finito). Revise los datos.",
            std::string(campo)};
}

} // namespace velmora

namespace velmora {

Resultado<std::vector<double>> LeerEscritos(const TextosCampos& textos,
                                            std::span<const Campo> campos) {
    std::vector<double> v;
    v.reserve(campos.size());
    for (const Campo& c : campos) {
        const auto r = LeerNumero(TextoCampo(textos, c), c.nombre, c.control);
        if (!r)
            return r.error();
        v.push_back(*r);
    }
    return v;
}

Estado ComprobarIntervalos(std::span<const Campo> campos, std::span<const double> escritos) {
    for (std::size_t i = 0; i < campos.size() && i < escritos.size(); ++i)
        if (auto e = ComprobarIntervalo(campos[i], escritos[i]); !e)
            return e;
    return Correcto();
}

} // namespace velmora
