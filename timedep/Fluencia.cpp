#include "timedep/Fluencia.h"

#include "common/Numeros.h"
#include "timedep/Comun.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace velmora {

namespace {

// φf1, coeficiente de la deformación plástica diferida por el ambiente.
double PhiF1(int medioAmbiente) {
    static constexpr std::array<double, NumeroAmbientes> valores{0.8, 1.0, 2.0, 3.0};
    return valores[static_cast<std::size_t>(medioAmbiente)];
}

} // namespace

Resultado<DatosFluencia> LeerDatosFluencia(const EntradaFluencia& entrada) {
    DatosFluencia d;
    struct Campo {
        const std::string& texto;
        const char* nombre;
        const char* campo;
        double& destino;
    };
    const bool conocido = entrada.EspesorFicticioConocido;
    const std::initializer_list<Campo> campos{
        {entrada.ResistenciaCaracteristica, "Resistencia característica fck",
         "ResistenciaCaracteristica", d.fck},
        {entrada.Area, "Area", "Area", d.A},
        {entrada.Perimetro, conocido ? "Espesor" : "Perímetro", "Perimetro", d.u},
        {entrada.Tension, "Tensión σc", "Tension", d.sigma},
        {entrada.Tiempo01, "Edad de puesta en carga j", "Tiempo01", d.j},
        {entrada.Tiempo02, "Edad de cálculo t", "Tiempo02", d.t},
    };
    for (const auto& c : campos) {
        if (conocido && &c.destino == &d.A)
            continue; // el área no se usa con el espesor conocido
        const auto r = LeerNumero(c.texto, c.nombre, c.campo);
        if (!r)
            return r.error();
        c.destino = *r;
    }
    d.EspesorConocido = conocido;
    d.MedioAmbiente = entrada.MedioAmbiente;
    return d;
}

double FuncionBetaF(double x, double B, double C) {
    const double xB = Potencia(x, B);
    const double x3 = Potencia(x, 3);
    const double S = C * xB / (xB + 21.5) + 4.0 * x3 / (Potencia(x, 5) + 2430.0);
    const double a = 100000000000.0 / (x3 + 100000000000.0);
    return Potencia(S, a);
}

Resultado<ResultadosFluencia> CalcularFluencia(const DatosFluencia& d) {
    using R = Resultado<ResultadosFluencia>;
    if (!(d.fck > 0.0))
        return R::Error("La resistencia característica fck debe ser mayor que cero (valor "
                        "recibido: " +
                            NumeroEnMensaje(d.fck) + " kp/cm²).",
                        "ResistenciaCaracteristica");
    if (const auto a = ComprobarAmbiente(d.MedioAmbiente); !a)
        return a.error();
    const auto e = EspesorFicticio(d.MedioAmbiente, d.A, d.u, d.EspesorConocido);
    if (!e)
        return e.error();
    if (d.sigma == 0.0)
        return R::Error("La tensión aplicada σc no puede ser nula: el coeficiente de fluencia se "
                        "obtiene dividiendo por ella.",
                        "Tension");
    if (!(d.j > 0.0))
        return R::Error("La edad de puesta en carga j debe ser mayor que cero (valor recibido: " +
                            NumeroEnMensaje(d.j) + " días).",
                        "Tiempo01");
    if (!(d.t > 0.0))
        return R::Error("La edad de cálculo t debe ser mayor que cero (valor recibido: " +
                            NumeroEnMensaje(d.t) + " días).",
                        "Tiempo02");
    if (d.t < d.j)
        return R::Error("La edad de cálculo t (" + NumeroEnMensaje(d.t) +
                            " días) no puede ser anterior a la edad de puesta en carga j (" +
                            NumeroEnMensaje(d.j) + " días).",
                        "Tiempo02");

    ResultadosFluencia r;
    r.e = *e;
    r.phiF1 = PhiF1(d.MedioAmbiente);
    // Resistencia a la edad j según la ley de endurecimiento, igual a fck a los 28 días.
    const double k28 = Potencia(28.0, 0.75);
    const double fcInf = d.fck * (k28 + 5.5) / k28;
    const double jk = Potencia(d.j, 0.75);
    r.fcj = fcInf * jk / (jk + 5.5);
    r.Ecj = 19000.0 * std::sqrt(r.fcj);
    r.Ec28 = 19000.0 * std::sqrt(d.fck);
    r.epsEi = d.sigma / r.Ecj;

    // Deformación elástica diferida.
    const double delta = d.t - d.j;
    const double D = Potencia(delta, 3);
    r.betaTj =
        (delta + 10.0) / (delta + 40.0) - 900000.0 * D / (D * D + 10000000.0 * D + 100000000000.0);
    r.epsEd = 0.4 * r.betaTj * d.sigma / r.Ec28;

    // Deformación plástica instantánea.
    const double betaA = 0.8 * (1.0 - r.fcj / fcInf);
    r.epsPi = betaA * d.sigma / r.Ec28;

    // Deformación plástica diferida.
    r.phiF2 = 1.12 * (r.e + 31.0) / (r.e + 17.0);
    const double B = 1.0 - 0.12 * Potencia(r.e, 0.3);
    const double C = 1.0 + 3.759398496240601e-05 * Potencia(r.e, 1.7);
    r.betaT = FuncionBetaF(d.t, B, C);
    r.betaJ = FuncionBetaF(d.j, B, C);
    r.epsPd = r.phiF1 * r.phiF2 * (r.betaT - r.betaJ) * d.sigma / r.Ec28;

    r.phiTj = (r.epsEd + r.epsPi + r.epsPd) * r.Ec28 / d.sigma;

    for (double v : {r.e, r.fcj, r.Ecj, r.betaTj, r.phiF2, r.betaJ, r.betaT, r.epsEi, r.epsEd,
                     r.epsPi, r.epsPd, r.phiTj})
        if (!std::isfinite(v))
            return R::Error("Con estos datos la fluencia no tiene un resultado finito: revise la "
                            "sección, la tensión y las edades.");
    return r;
}

TextosFluencia RotularFluencia(const ResultadosFluencia& r, const std::string& textoJ,
                               const std::string& textoT) {
    TextosFluencia x;
    x.Valor1 = TextoValor(1000.0 * r.epsEi, 10, 6);
    x.Valor2 = TextoValor(1000.0 * r.epsEd, 10, 6);
    x.Valor3 = TextoValor(1000.0 * r.epsPi, 10, 6);
    x.Valor4 = TextoValor(1000.0 * r.epsPd, 10, 6);
    x.Valor5 = TextoValor(r.phiTj, 10, 6);
    x.Valor10 = TextoValor(r.Ecj, 8, 1);
    x.Valor11 = TextoValor(r.Ec28, 8, 1);
    x.Valor12 = TextoValor(r.fcj, 3, 1);
    x.Valor13 = TextoValor(r.betaTj, 6, 6);
    x.Valor14 = TextoValor(r.phiF1, 2, 1);
    x.Valor15 = TextoValor(r.phiF2, 5, 4);
    x.Valor16 = TextoValor(r.betaJ, 6, 6);
    x.Valor17 = TextoValor(r.betaT, 6, 6);
    x.ValorEcj = "c" + textoJ;
    x.Valorfcj = "c" + textoJ;
    x.Valorbetatj = textoT + "-" + textoJ;
    x.Valorbetaj = textoJ;
    x.Valorbetat = textoT;
    return x;
}

} // namespace velmora
