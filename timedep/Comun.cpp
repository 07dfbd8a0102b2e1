#include "timedep/Comun.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iterator>

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

double FactorEspesor(MedioAmbiente ambiente) {
    static constexpr std::array<double, NumeroAmbientes> lambda{30.0, 5.0, 1.5, 1.0};
    return lambda[static_cast<std::size_t>(ambiente)];
}

Resultado<MedioAmbiente> LeerMedioAmbiente(int indice) {
    if (indice < 0 || indice >= NumeroAmbientes)
        return Resultado<MedioAmbiente>::Error(
            "Elija un medio ambiente (del 0 al 3; valor recibido: " + std::to_string(indice) +
                ").",
            "GrupoMedioAmbiente");
    return static_cast<MedioAmbiente>(indice);
}

Resultado<Consistencia> LeerConsistencia(int indice) {
    if (indice < 0 || indice > 2)
        return Resultado<Consistencia>::Error(
            "Elija una consistencia del hormigón (del 0 al 2; valor recibido: " +
                std::to_string(indice) + ").",
            "GrupoConsistencia");
    return static_cast<Consistencia>(indice);
}

std::string NumeroEnMensaje(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

double EspesorFicticio(double lambda, double A, double u) {
    return lambda * 2.0 * A / u;
}

void AnadirPasos(Traza& destino, Traza&& pasos) {
    destino.pasos.insert(destino.pasos.end(), std::make_move_iterator(pasos.pasos.begin()),
                         std::make_move_iterator(pasos.pasos.end()));
}

void PasoEspesorFicticio(Traza& t, double A, double u, bool conocido, MedioAmbiente ambiente,
                         double e) {
    if (conocido) {
        t.Nota("Espesor ficticio conocido: e = " + NumeroLegible(e) + " cm.", "39.7");
        return;
    }
    AnadirCalculo(t, {"e", "Espesor ficticio", "39.7", "λ·2A/u",
                      N(FactorEspesor(ambiente)) + "·2·" + N(A) + "/" + N(u), e, "cm", 3});
}

Resultado<double> EspesorFicticio(MedioAmbiente ambiente, double A, double u, bool conocido) {
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
    return EspesorFicticio(FactorEspesor(ambiente), A, u);
}

Estado ComprobarIntervalosSeccion(double A, double u, bool conocido) {
    if (!conocido)
        if (auto r = ComprobarIntervalo(CampoArea, A); !r)
            return r;
    return ComprobarIntervalo(CampoPerimetroOEspesor(conocido), u);
}

std::string TextoValor(double v, int ancho, int decimales) {
    return "=  " + Formatear(v, ancho, decimales);
}

std::string TextoValor(const ValorMostrado& v) {
    return TextoValor(v.valor, v.ancho, v.decimales);
}

bool SeMuestran(std::span<const ValorMostrado> valores) {
    static constexpr int AnchoMaximoRotulo = 12;
    return std::all_of(valores.begin(), valores.end(), [](const ValorMostrado& v) {
        return CabeEnRotulo(v.valor, std::max(v.ancho, AnchoMaximoRotulo), v.decimales);
    });
}

std::string TextoEdadEnSubindice(const std::string& escrito, double valor) {
    constexpr std::size_t LargoMaximo = 8;
    return escrito.size() <= LargoMaximo ? escrito : NumeroLegible(valor);
}

} // namespace velmora
