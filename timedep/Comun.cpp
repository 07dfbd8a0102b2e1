#include "timedep/Comun.h"

#include "common/Numeros.h"

#include <array>
#include <charconv>
#include <cmath>

namespace velmora {

double Potencia(double base, double exponente) {
    if (exponente == 0.0)
        return 1.0;
    if (base == 0.0 && exponente > 0.0)
        return 0.0;
    // Los exponentes enteros de estos cálculos son pequeños (3 y 5); el límite deja el bucle
    // acotado para cualquier otro.
    if (exponente == std::trunc(exponente) && std::fabs(exponente) <= 64.0) {
        const int n = static_cast<int>(std::fabs(exponente));
        double r = 1.0;
        for (int i = 0; i < n; ++i)
            r *= base;
        return exponente < 0.0 ? 1.0 / r : r;
    }
    return std::exp(exponente * std::log(base));
}

double FactorEspesor(int medioAmbiente) {
    static constexpr std::array<double, NumeroAmbientes> lambda{30.0, 5.0, 1.5, 1.0};
    return lambda[static_cast<std::size_t>(medioAmbiente)];
}

Estado ComprobarAmbiente(int medioAmbiente) {
    if (medioAmbiente < 0 || medioAmbiente >= NumeroAmbientes)
        return Estado::Error("Elija un medio ambiente (del 0 al 3; valor recibido: " +
                                 std::to_string(medioAmbiente) + ").",
                             "GrupoMedioAmbiente");
    return Correcto();
}

std::string NumeroEnMensaje(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

Resultado<double> EspesorFicticio(int medioAmbiente, double A, double u, bool conocido) {
    if (conocido) {
        if (!(u > 0.0))
            return Resultado<double>::Error(
                "El espesor ficticio debe ser mayor que cero (valor recibido: " +
                    NumeroEnMensaje(u) + " cm).",
                "Perimetro");
        return u;
    }
    if (!(A > 0.0))
        return Resultado<double>::Error(
            "El área de la sección transversal debe ser mayor que cero (valor recibido: " +
                NumeroEnMensaje(A) + " cm²).",
            "Area");
    if (!(u > 0.0))
        return Resultado<double>::Error(
            "El perímetro en contacto con la atmósfera debe ser mayor que cero (valor "
            "recibido: " +
                NumeroEnMensaje(u) + " cm).",
            "Perimetro");
    return FactorEspesor(medioAmbiente) * 2.0 * A / u;
}

std::string TextoValor(double v, int ancho, int decimales) {
    return "=  " + Formatear(v, ancho, decimales);
}

} // namespace velmora
