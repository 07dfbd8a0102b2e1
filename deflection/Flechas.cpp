#include "deflection/Flechas.h"

#include "common/Numeros.h"
#include "deflection/DescripcionFlechas.h"
#include "deflection/ce/FlechasCE.h"

#include <cmath>

namespace velmora {

double Ec(double fck) {
    return 8500.0 * std::cbrt(fck + 8.0);
}

double Ib(double b, double h) {
    return b * h * h * h * (1.0 / 12.0);
}

double Mf(double fck, double Ib, double h) {
    return 0.37 * std::pow(fck, 2.0 / 3.0) * Ib * 2.0 / h;
}

double Neq(double Ec) {
    return 200000.0 / Ec;
}

double ProfundidadFisurada(double n, double rho1, double rho2, double d, double d2) {
    const double k = n * rho1 * (1.0 + rho2 / rho1);
    return k *
           (std::sqrt(1.0 + 2.0 * (1.0 + rho2 * d2 / (rho1 * d)) /
                                (n * rho1 * (1.0 + rho2 / rho1) * (1.0 + rho2 / rho1))) -
            1.0) *
           d;
}

double Ifis(double n, double A1, double A2, double d, double d2, double x) {
    return n * A1 * (d - x) * (d - x / 3.0) + n * A2 * (x - d2) * (x / 3.0 - d2);
}

double Ie(double Mf, double Ma, double Ib, double Ifis) {
    const double r = std::pow(Mf / Ma, 3.0);
    const double ie = r * Ib + (1.0 - r) * Ifis;
    return ie > Ib ? Ib : ie;
}

double Lambda(double xi, double rho2) {
    return xi / (rho2 * 50.0 + 1.0);
}

Resultado<double> CalcularInerciaEquivalente(EstadoDiseno& e, CalculoFlecha& c, double Ma,
                                             double A1, double A2) {
    c.Fisurada = Ma > c.Mf;
    if (!c.Fisurada)
        return c.Ib;
    if (A1 <= 0)
        return Resultado<double>::Error("La sección fisura (Ma > Mf): defina la armadura A1.",
                                        "ValorA1");
    const double b = c.datos.b, d = c.d, d2 = c.datos.d2, n = c.nEq;
    c.x = ProfundidadFisurada(n, A1 / b / d, A2 / b / d, d, d2);
    FijarProfundidad(e, c.x);
    c.Ifis = Ifis(n, A1, A2, d, d2, c.x);
    return Ie(c.Mf, Ma, c.Ib, c.Ifis);
}

Estado ComprobarDatosFlecha(const DatosFlecha& datos) {
    if (datos.h <= 0)
        return Estado::Error("El canto h ha de ser mayor que 0.", "Valorh");
    if (datos.b <= 0)
        return Estado::Error("El ancho b ha de ser mayor que 0.", "Valorb");
    if (datos.d2 < 0)
        return Estado::Error("El recubrimiento d2 no puede ser negativo.", "Valord2");
    if (datos.d1 < 0)
        return Estado::Error("El recubrimiento d1 no puede ser negativo.", "Valord1");
    if (datos.h - datos.d1 <= 0)
        return Estado::Error("El canto útil d = h − d1 ha de ser mayor que 0: el recubrimiento "
                             "d1 ha de ser menor que el canto h.",
                             "Valord1");
    if (datos.AreaA1 < 0)
        return Estado::Error("La armadura A1 tiene un área negativa: defínala de nuevo.",
                             "ValorA1");
    if (datos.AreaA2 < 0)
        return Estado::Error("La armadura A2 tiene un área negativa: defínala de nuevo.",
                             "ValorA2");
    return Correcto();
}

void GuardarSeccion(EstadoDiseno& e, const CalculoFlecha& c) {
    if (c.Fisurada)
        FijarProfundidad(e, c.x);
    e.h = c.datos.h;
    e.b = c.datos.b;
    e.d2 = c.datos.d2;
    e.d1 = c.datos.d1;
    e.d = c.d;
}

Resultado<CalculoFlecha> CalcularFlecha(EstadoDiseno& e, const DatosFlecha& datos) {
    if (e.fck <= 0)
        return ErrorCalculo{MensajeConfirmarParametros, {}};
    if (auto r = ComprobarDatosFlecha(datos); !r)
        return r.error();
    switch (e.norma) {
    case Norma::CodigoEstructural:
        return ce::CalcularFlechaCE(e, datos);
    case Norma::EHE98:
        break;
    }

    CalculoFlecha c;
    c.datos = datos;
    c.d = datos.h - datos.d1;
    c.Ec = Ec(e.fck);
    c.nEq = Neq(c.Ec);
    c.Ib = Ib(datos.b, datos.h);
    c.Mf = Mf(e.fck, c.Ib, datos.h);

    EstadoDiseno copia = e; // x sólo se guarda si el cálculo sale bien
    const auto Ie = CalcularInerciaEquivalente(copia, c, datos.Ma, datos.AreaA1, datos.AreaA2);
    if (!Ie)
        return Ie.error();
    c.Ie = *Ie;
    if (!InerciaMostrable(c.Ie) || !CabeEnRotulo(c.Ec, 10, 1) || !std::isfinite(copia.x))
        return ResultadoNoRepresentable("flechas");
    e.x = copia.x;
    e.SeccionTodaComprimida = copia.SeccionTodaComprimida;
    GuardarSeccion(e, c);
    return c;
}

Resultado<double> CalcularFactor(double AreaA2, double b, double d, int indice,
                                 std::string_view valor, double& xi) {
    static constexpr double Coeficientes[] = {0.5, 0.7, 1.0, 1.2, 1.4, 2.0};
    if (!(b > 0) || !(d > 0))
        return Resultado<double>::Error("Calcule primero la sección (b y d han de ser mayores "
                                        "que 0).");
    if (indice >= 0 && indice < 6) {
        xi = Coeficientes[indice];
    } else if (indice == 6) {
        const auto v = LeerCampoEnIntervalo({{std::string(CampoXi.control), std::string(valor)}},
                                            CampoXi);
        if (!v)
            return v.error();
        xi = *v;
    }
    return Lambda(xi, AreaA2 / b / d);
}

bool InerciaMostrable(double Ie) {
    return CabeEnRotulo(Ie * 0.0001, AnchoInercia, 1);
}

std::string TextoInercia(double Ie) {
    return Formatear(Ie * 0.0001, 10, 1);
}
std::string TextoModulo(double Ec) {
    return Formatear(Ec, 10, 1);
}
std::string TextoFactor(double lambda) {
    return Formatear(lambda, 10, 6);
}

} // namespace velmora
