#include "timedep/Retraccion.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>

namespace velmora {

namespace {

using R = Resultado<ResultadosRetraccion>;

std::array<ValorMostrado, 4> ValoresMostrados(const ResultadosRetraccion& r) {
    return {{{1000.0 * r.epsR, 10, 6}, {r.epsS1, 10, 6}, {r.epsS2, 10, 6}, {r.betaR, 6, 6}}};
}

} // namespace

Resultado<DatosRetraccion> LeerDatosRetraccion(const TextosCampos& textos, bool espesorConocido,
                                               MedioAmbiente ambiente,
                                               Consistencia consistencia) {
    DatosRetraccion d;
    d.EspesorConocido = espesorConocido;
    d.Ambiente = ambiente;
    d.Hormigon = consistencia;
    const auto t = LeerCampo(textos, CampoEdad);
    if (!t)
        return t.error();
    d.t = *t;
    if (!espesorConocido) {
        const auto a = LeerCampo(textos, CampoArea);
        if (!a)
            return a.error();
        d.A = *a;
    }
    const auto u = LeerCampo(textos, CampoPerimetroOEspesor(espesorConocido));
    if (!u)
        return u.error();
    d.u = *u;
    return d;
}

Resultado<DatosRetraccion> LeerDatosRetraccion(const EntradaRetraccion& e) {
    const auto ambiente = LeerMedioAmbiente(e.MedioAmbiente);
    if (!ambiente)
        return ambiente.error();
    const auto consistencia = LeerConsistencia(e.Consistencia);
    if (!consistencia)
        return consistencia.error();
    const TextosCampos textos{{"Edad", e.Edad}, {"Area", e.Area}, {"Perimetro", e.Perimetro}};
    return LeerDatosRetraccion(textos, e.EspesorFicticioConocido, *ambiente, *consistencia);
}

double EpsS1(MedioAmbiente ambiente) {
    static constexpr std::array<double, NumeroAmbientes> valores{0.00010, -0.00013, -0.00032,
                                                                 -0.00052};
    return valores[static_cast<std::size_t>(ambiente)];
}

double EpsS2(double e) {
    return 0.7 * (e + 16.0) / (e + 7.0);
}

double Kappa(Consistencia consistencia) {
    static constexpr std::array<double, 3> valores{0.75, 1.0, 1.25};
    return valores[static_cast<std::size_t>(consistencia)];
}

double ExponenteP(double t) {
    return 1.34 * (1.0 - t * 1.6666666666666667e-05) * (1.0 - 0.9 / (t * t));
}

double BetaR(double kappa, double t, double e, double p) {
    const double tk = Potencia(t, 0.875);
    return kappa * tk / (tk + 1.5 * Potencia(e, p));
}

double EpsR(double epsS1, double epsS2, double betaR) {
    return epsS1 * epsS2 * betaR;
}

namespace {

constexpr const char* Art = "39.7";

void PasosBasicos(Traza& t, const DatosRetraccion& d, const ResultadosRetraccion& r) {
    t.Nota("Retracción del hormigón en masa a la edad t = " + NumeroLegible(d.t) +
               " días (corregida con la temperatura).",
           Art);
    PasoEspesorFicticio(t, d.A, d.u, d.EspesorConocido, d.Ambiente, r.e);
    AnadirCalculo(t, {"ε<sub>s1</sub>", "Deformación básica del ambiente (tabla)", Art,
                      "ε<sub>s1</sub>", N(r.epsS1), r.epsS1, "", 6});
    AnadirCalculo(t, {"ε<sub>s2</sub>", "Coeficiente del espesor ficticio", Art,
                      "0.7·(e + 16)/(e + 7)", "0.7·(" + N(r.e) + " + 16)/(" + N(r.e) + " + 7)",
                      r.epsS2, "", 6});
    const std::string T = N(d.t);
    AnadirCalculo(t, {"p", "Exponente del término del espesor", Art,
                      "1.34·(1 − t/60000)·(1 − 0.9/t²)",
                      "1.34·(1 − " + T + "/60000)·(1 − 0.9/" + T + "²)", r.p, "", 6});
}

void PasosTiempo(Traza& t, const DatosRetraccion& d, double kappa, const ResultadosRetraccion& r) {
    if (kappa != 1.0)
        t.Nota("Consistencia " + std::string(kappa < 1.0 ? "seca" : "semifluida") +
                   ": κ = " + NumeroLegible(kappa) + ".",
               Art);
    const std::string tk = N(Potencia(d.t, 0.875)), ep = N(Potencia(r.e, r.p));
    AnadirCalculo(t, {"β<sub>r</sub>(t)", "Evolución de la retracción en el tiempo", Art,
                      "κ·t<sup>0.875</sup>/(t<sup>0.875</sup> + 1.5·e<sup>p</sup>)",
                      N(kappa) + "·" + tk + "/(" + tk + " + 1.5·" + ep + ")", r.betaR, "", 6});
    AnadirCalculo(t, {"ε<sub>r</sub>", "Deformación de retracción", Art,
                      "ε<sub>s1</sub>·ε<sub>s2</sub>·β<sub>r</sub>(t)",
                      N(r.epsS1) + "·" + N(r.epsS2) + "·" + N(r.betaR), 1000.0 * r.epsR, "‰", 6,
                      1000.0});
}

} // namespace

Resultado<ResultadosRetraccion> CalcularRetraccion(const DatosRetraccion& d, Traza* traza) {
    if (!(d.t > 0.0))
        return R::Error("La edad del hormigón t debe ser mayor que cero (valor recibido: " +
                            NumeroEnMensaje(d.t) + " días).",
                        "Edad");
    const auto e = EspesorFicticio(d.Ambiente, d.A, d.u, d.EspesorConocido);
    if (!e)
        return e.error();
    // Los intervalos antes del cálculo: un dato diminuto fuera de ellos (una edad de 1e-200
    // días) daría un resultado no finito sin nombrar el campo.
    if (auto c = ComprobarIntervalo(CampoEdad, d.t); !c)
        return c.error();
    if (auto c = ComprobarIntervalosSeccion(d.A, d.u, d.EspesorConocido); !c)
        return c.error();
    ResultadosRetraccion r;
    r.t = d.t;
    r.e = *e;
    r.epsS1 = EpsS1(d.Ambiente);
    r.epsS2 = EpsS2(r.e);
    r.p = ExponenteP(d.t);
    Traza pasos; // se pasan a `traza` solo si el resultado vale
    if (traza)
        PasosBasicos(pasos, d, r);
    const double kappa = Kappa(d.Hormigon);
    r.betaR = BetaR(kappa, d.t, r.e, r.p);
    r.epsR = EpsR(r.epsS1, r.epsS2, r.betaR);
    if (traza)
        PasosTiempo(pasos, d, kappa, r);
    for (double v : {r.e, r.p, r.epsS2, r.betaR, r.epsR})
        if (!std::isfinite(v))
            return R::Error("Con estos datos la retracción no tiene un resultado finito: revise "
                            "la edad y la sección.");
    if (!SeMuestran(ValoresMostrados(r)))
        return ResultadoNoRepresentable("la retracción");
    if (traza)
        AnadirPasos(*traza, std::move(pasos));
    return r;
}

TextosRetraccion RotularRetraccion(const ResultadosRetraccion& r, const std::string& textoEdad) {
    const auto v = ValoresMostrados(r);
    TextosRetraccion x;
    x.Valor1 = TextoValor(v[0]);
    x.Valor10 = TextoValor(v[1]);
    x.Valor11 = TextoValor(v[2]);
    x.Valor12 = TextoValor(v[3]);
    x.Valorrt = "r" + TextoEdadEnSubindice(textoEdad, r.t);
    return x;
}

} // namespace velmora
