#include "timedep/Retraccion.h"

#include "common/Numeros.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>

namespace velmora {

namespace {

// εs1, deformación básica por el ambiente (positiva en agua: hinchamiento).
double EpsS1(int medioAmbiente) {
    static constexpr std::array<double, NumeroAmbientes> valores{0.00010, -0.00013, -0.00032,
                                                                 -0.00052};
    return valores[static_cast<std::size_t>(medioAmbiente)];
}

// κ por la consistencia del hormigón fresco.
constexpr std::array<double, 3> Kappa{0.75, 1.0, 1.25};

} // namespace

Resultado<DatosRetraccion> LeerDatosRetraccion(const EntradaRetraccion& entrada) {
    DatosRetraccion d;
    const auto t = LeerNumero(entrada.Edad, "Edad t", "Edad");
    if (!t)
        return t.error();
    d.t = *t;
    if (!entrada.EspesorFicticioConocido) {
        const auto a = LeerNumero(entrada.Area, "Area", "Area");
        if (!a)
            return a.error();
        d.A = *a;
    }
    const auto u = LeerNumero(
        entrada.Perimetro, entrada.EspesorFicticioConocido ? "Espesor" : "Perímetro", "Perimetro");
    if (!u)
        return u.error();
    d.u = *u;
    d.EspesorConocido = entrada.EspesorFicticioConocido;
    d.MedioAmbiente = entrada.MedioAmbiente;
    d.Consistencia = entrada.Consistencia;
    return d;
}

Resultado<ResultadosRetraccion> CalcularRetraccion(const DatosRetraccion& d) {
    using R = Resultado<ResultadosRetraccion>;
    if (const auto a = ComprobarAmbiente(d.MedioAmbiente); !a)
        return a.error();
    if (d.Consistencia < 0 || d.Consistencia >= static_cast<int>(Kappa.size()))
        return R::Error("Elija una consistencia del hormigón (del 0 al 2; valor recibido: " +
                            std::to_string(d.Consistencia) + ").",
                        "GrupoConsistencia");
    if (!(d.t > 0.0))
        return R::Error("La edad del hormigón t debe ser mayor que cero (valor recibido: " +
                            NumeroEnMensaje(d.t) + " días).",
                        "Edad");
    const auto e = EspesorFicticio(d.MedioAmbiente, d.A, d.u, d.EspesorConocido);
    if (!e)
        return e.error();

    ResultadosRetraccion r;
    r.e = *e;
    r.epsS1 = EpsS1(d.MedioAmbiente);
    r.epsS2 = 0.7 * (r.e + 16.0) / (r.e + 7.0);
    r.p = 1.34 * (1.0 - d.t * 1.6666666666666667e-05) * (1.0 - 0.9 / (d.t * d.t));
    const double tk = Potencia(d.t, 0.875);
    r.betaR =
        Kappa[static_cast<std::size_t>(d.Consistencia)] * tk / (tk + 1.5 * Potencia(r.e, r.p));
    r.epsR = r.epsS1 * r.epsS2 * r.betaR;
    for (double v : {r.e, r.p, r.epsS2, r.betaR, r.epsR})
        if (!std::isfinite(v))
            return R::Error("Con estos datos la retracción no tiene un resultado finito: revise "
                            "la edad y la sección.");
    return r;
}

TextosRetraccion RotularRetraccion(const ResultadosRetraccion& r, const std::string& textoEdad) {
    TextosRetraccion x;
    x.Valor1 = TextoValor(1000.0 * r.epsR, 10, 6);
    x.Valor10 = TextoValor(r.epsS1, 10, 6);
    x.Valor11 = TextoValor(r.epsS2, 10, 6);
    x.Valor12 = TextoValor(r.betaR, 6, 6);
    x.Valorrt = "r" + textoEdad;
    return x;
}

} // namespace velmora
