#include "timedep/Fluencia.h"

#include "common/Numeros.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>

namespace velmora {

namespace {

using R = Resultado<ResultadosFluencia>;

std::array<ValorMostrado, 13> ValoresMostrados(const ResultadosFluencia& r) {
    return {{{1000.0 * r.epsEi, 10, 6},
             {1000.0 * r.epsEd, 10, 6},
             {1000.0 * r.epsPi, 10, 6},
             {1000.0 * r.epsPd, 10, 6},
             {r.phiTj, 10, 6},
             {r.Ecj, 8, 1},
             {r.Ec28, 8, 1},
             {r.fcj, 3, 1},
             {r.betaTj, 6, 6},
             {r.phiF1, 2, 1},
             {r.phiF2, 5, 4},
             {r.betaJ, 6, 6},
             {r.betaT, 6, 6}}};
}

// Las comprobaciones de siempre, con sus mensajes.
Estado ComprobarSentido(const DatosFluencia& d) {
    if (!(d.fck > 0.0))
        return Estado::Error("La resistencia característica fck debe ser mayor que cero (valor "
                             "recibido: " +
                                 NumeroEnMensaje(d.fck) + " kp/cm²).",
                             "ResistenciaCaracteristica");
    if (const auto e = EspesorFicticio(d.Ambiente, d.A, d.u, d.EspesorConocido); !e)
        return e.error();
    if (d.sigma == 0.0)
        return Estado::Error("La tensión aplicada σc no puede ser nula: el coeficiente de "
                             "fluencia se obtiene dividiendo por ella.",
                             "Tension");
    if (!(d.j > 0.0))
        return Estado::Error(
            "La edad de puesta en carga j debe ser mayor que cero (valor recibido: " +
                NumeroEnMensaje(d.j) + " días).",
            "Tiempo01");
    if (!(d.t > 0.0))
        return Estado::Error("La edad de cálculo t debe ser mayor que cero (valor recibido: " +
                                 NumeroEnMensaje(d.t) + " días).",
                             "Tiempo02");
    if (d.t < d.j)
        return Estado::Error("La edad de cálculo t (" + NumeroEnMensaje(d.t) +
                                 " días) no puede ser anterior a la edad de puesta en carga j (" +
                                 NumeroEnMensaje(d.j) + " días).",
                             "Tiempo02");
    return Correcto();
}

Estado ComprobarIntervalos(const DatosFluencia& d) {
    if (auto r = ComprobarIntervalo(CampoFckFluencia, d.fck); !r)
        return r;
    if (auto r = ComprobarIntervalosSeccion(d.A, d.u, d.EspesorConocido); !r)
        return r;
    for (const auto& [campo, valor] : {std::pair{&CampoTension, d.sigma},
                                       std::pair{&CampoEdadCarga, d.j},
                                       std::pair{&CampoEdadCalculo, d.t}})
        if (auto r = ComprobarIntervalo(*campo, valor); !r)
            return r;
    return Correcto();
}

} // namespace

Resultado<DatosFluencia> LeerDatosFluencia(const TextosCampos& textos, bool espesorConocido,
                                           MedioAmbiente ambiente) {
    DatosFluencia d;
    d.EspesorConocido = espesorConocido;
    d.Ambiente = ambiente;
    const std::pair<const Campo*, double*> campos[] = {
        {&CampoFckFluencia, &d.fck},
        {espesorConocido ? nullptr : &CampoArea, &d.A}, // el área no se usa con el espesor
        {&CampoPerimetroOEspesor(espesorConocido), &d.u},
        {&CampoTension, &d.sigma},
        {&CampoEdadCarga, &d.j},
        {&CampoEdadCalculo, &d.t},
    };
    for (const auto& [campo, destino] : campos) {
        if (!campo)
            continue;
        const auto r = LeerCampo(textos, *campo);
        if (!r)
            return r.error();
        *destino = *r;
    }
    return d;
}

Resultado<DatosFluencia> LeerDatosFluencia(const EntradaFluencia& e) {
    const auto ambiente = LeerMedioAmbiente(e.MedioAmbiente);
    if (!ambiente)
        return ambiente.error();
    const TextosCampos textos{{"ResistenciaCaracteristica", e.ResistenciaCaracteristica},
                              {"Area", e.Area},
                              {"Perimetro", e.Perimetro},
                              {"Tension", e.Tension},
                              {"Tiempo01", e.Tiempo01},
                              {"Tiempo02", e.Tiempo02}};
    return LeerDatosFluencia(textos, e.EspesorFicticioConocido, *ambiente);
}

double FcInfinito(double fck) {
    const double k28 = Potencia(28.0, 0.75);
    return fck * (k28 + 5.5) / k28;
}

double Fcj(double fcInf, double j) {
    const double jk = Potencia(j, 0.75);
    return fcInf * jk / (jk + 5.5);
}

double ModuloEc(double fc) {
    return 19000.0 * std::sqrt(fc);
}

double BetaD(double delta) {
    const double D = Potencia(delta, 3);
    return (delta + 10.0) / (delta + 40.0) -
           900000.0 * D / (D * D + 10000000.0 * D + 100000000000.0);
}

double BetaA(double fcj, double fcInf) {
    return 0.8 * (1.0 - fcj / fcInf);
}

double PhiF1(MedioAmbiente ambiente) {
    static constexpr std::array<double, NumeroAmbientes> valores{0.8, 1.0, 2.0, 3.0};
    return valores[static_cast<std::size_t>(ambiente)];
}

double PhiF2(double e) {
    return 1.12 * (e + 31.0) / (e + 17.0);
}

double CoeficienteB(double e) {
    return 1.0 - 0.12 * Potencia(e, 0.3);
}

double CoeficienteC(double e) {
    return 1.0 + 3.759398496240601e-05 * Potencia(e, 1.7);
}

double FuncionBetaF(double x, double B, double C) {
    const double xB = Potencia(x, B);
    const double x3 = Potencia(x, 3);
    const double S = C * xB / (xB + 21.5) + 4.0 * x3 / (Potencia(x, 5) + 2430.0);
    const double a = 100000000000.0 / (x3 + 100000000000.0);
    return Potencia(S, a);
}

double CoeficienteFluencia(double epsEd, double epsPi, double epsPd, double Ec28, double sigma) {
    return (epsEd + epsPi + epsPd) * Ec28 / sigma;
}

namespace {

ResultadosFluencia Evaluar(const DatosFluencia& d, double e) {
    ResultadosFluencia r;
    r.j = d.j;
    r.t = d.t;
    r.e = e;
    const double fcInf = FcInfinito(d.fck);
    r.fcj = Fcj(fcInf, d.j);
    r.Ecj = ModuloEc(r.fcj);
    r.Ec28 = ModuloEc(d.fck);
    r.epsEi = d.sigma / r.Ecj;
    r.betaTj = BetaD(d.t - d.j);
    r.epsEd = 0.4 * r.betaTj * d.sigma / r.Ec28;
    r.epsPi = BetaA(r.fcj, fcInf) * d.sigma / r.Ec28;
    r.phiF1 = PhiF1(d.Ambiente);
    r.phiF2 = PhiF2(r.e);
    const double B = CoeficienteB(r.e), C = CoeficienteC(r.e);
    r.betaT = FuncionBetaF(d.t, B, C);
    r.betaJ = FuncionBetaF(d.j, B, C);
    r.epsPd = r.phiF1 * r.phiF2 * (r.betaT - r.betaJ) * d.sigma / r.Ec28;
    r.phiTj = CoeficienteFluencia(r.epsEd, r.epsPi, r.epsPd, r.Ec28, d.sigma);
    return r;
}

} // namespace

Resultado<ResultadosFluencia> CalcularFluencia(const DatosFluencia& d) {
    if (auto c = ComprobarSentido(d); !c)
        return c.error();
    // Los intervalos antes del cálculo: un dato diminuto fuera de ellos (una edad de 1e-200
    // días) daría un resultado no finito sin nombrar el campo.
    if (auto c = ComprobarIntervalos(d); !c)
        return c.error();
    const ResultadosFluencia r =
        Evaluar(d, *EspesorFicticio(d.Ambiente, d.A, d.u, d.EspesorConocido));
    for (double v : {r.e, r.fcj, r.Ecj, r.betaTj, r.phiF2, r.betaJ, r.betaT, r.epsEi, r.epsEd,
                     r.epsPi, r.epsPd, r.phiTj})
        if (!std::isfinite(v))
            return R::Error("Con estos datos la fluencia no tiene un resultado finito: revise la "
                            "sección, la tensión y las edades.");
    if (!SeMuestran(ValoresMostrados(r)))
        return ResultadoNoRepresentable("la fluencia");
    return r;
}

TextosFluencia RotularFluencia(const ResultadosFluencia& r, const std::string& textoJ,
                               const std::string& textoT) {
    const auto v = ValoresMostrados(r);
    std::array<std::string, v.size()> s;
    for (std::size_t i = 0; i < v.size(); ++i)
        s[i] = TextoValor(v[i]);
    const std::string j = TextoEdadEnSubindice(textoJ, r.j);
    const std::string t = TextoEdadEnSubindice(textoT, r.t);
    return {s[0], s[1], s[2],  s[3],  s[4],    s[5],      s[6], s[7],  s[8], s[9],
            s[10], s[11], s[12], "c" + j, "c" + j, t + "-" + j, j,   t};
}

} // namespace velmora
