#include "deflection/ComparacionFlechas.h"

#include "common/Numeros.h"
#include "deflection/DescripcionFlechas.h"
#include "deflection/ce/FlechasCE.h"

namespace velmora {

namespace {

// Un cálculo de una norma con su factor de flecha diferida.
struct FlechaNorma {
    CalculoFlecha c;
    double lambda = 0;
    double coeficiente = 0; // ξ (EHE-98) o φ (Código Estructural)
};

Resultado<FlechaNorma> Calcular(const EstadoDiseno& datos, EleccionParametros p, Norma n,
                                const DatosFlecha& d, const EntradasFlechaPorNorma& x) {
    p.norma = n;
    EstadoDiseno e = datos;
    if (auto r = DerivarMateriales(e, p); !r)
        return ErrorConNorma(n, r.error());
    auto c = CalcularFlecha(e, d);
    if (!c)
        return ErrorConNorma(n, c.error());
    FlechaNorma f{*c};
    if (n == Norma::CodigoEstructural) {
        const auto factor = ce::CalcularFactorCE(f.c, x.TextoPhi);
        if (!factor)
            return ErrorConNorma(n, factor.error());
        f.lambda = (*factor).lambda;
        f.coeficiente = (*factor).phi;
        return f;
    }
    const auto lambda =
        CalcularFactor(d.AreaA2, d.b, f.c.d, x.IndiceDuracion, x.TextoXi, f.coeficiente);
    if (!lambda)
        return ErrorConNorma(n, lambda.error());
    f.lambda = *lambda;
    return f;
}

std::string Con(double v, int decimales, const char* unidad) {
    return Formatear(v, 0, decimales) + unidad;
}

FilaComparacion Fila(std::string magnitud, double a, double b, int decimales, const char* unidad) {
    return {std::move(magnitud), Con(a, decimales, unidad), Con(b, decimales, unidad),
            TextoDiferencia(a, b)};
}

std::string Supuesta(bool supuesta, const char* genero) {
    return supuesta ? std::string(" ") + genero : std::string();
}

// Las entradas propias de cada norma, con «supuesta» en la de la norma que no es la del
// cálculo (su control no estaba a la vista).
std::vector<FilaComparacion> FilasEntradas(const FlechaNorma& a, const FlechaNorma& b,
                                           const DatosFlecha& d, const EntradasFlechaPorNorma& x) {
    const bool ehe = x.norma == Norma::EHE98;
    const int i = x.IndiceDuracion;
    const std::string duracion =
        i >= 0 && i < static_cast<int>(OpcionesDuracionCarga.size())
            ? std::string(OpcionesDuracionCarga[static_cast<std::size_t>(i)])
            : std::string("—");
    const auto beta = ce::OpcionesDuracionCargaCE[static_cast<std::size_t>(d.Duracion)];
    return {{"Duración de la carga",
             "ξ = " + Formatear(a.coeficiente, 0, 2) + " (" + duracion + ")" +
                 Supuesta(!ehe, "supuesta"),
             std::string(beta) + Supuesta(ehe, "supuesta"), "—"},
            {"Coeficiente de fluencia φ", "no interviene",
             Formatear(b.coeficiente, 0, 2) + Supuesta(ehe, "supuesto"), "—"},
            {"Coeficiente de distribución ζ", "no interviene", Formatear(b.c.zeta, 0, 3), "—"}};
}

} // namespace

Resultado<ComparacionNormas> CompararFlechas(const EstadoDiseno& e, const EleccionParametros& p,
                                             const DatosFlecha& d,
                                             const EntradasFlechaPorNorma& x) {
    const auto ra = Calcular(e, p, Norma::EHE98, d, x);
    if (!ra)
        return ra.error();
    const auto rb = Calcular(e, p, Norma::CodigoEstructural, d, x);
    if (!rb)
        return rb.error();
    const FlechaNorma& a = *ra;
    const FlechaNorma& b = *rb;
    const auto estado = [](const CalculoFlecha& c) {
        return std::string(c.Fisurada ? "fisurada" : "sin fisurar");
    };
    const auto fisurada = [](const CalculoFlecha& c) {
        return c.Fisurada ? Con(c.Ifis * 1e-4, 1, " cm⁴") : std::string("—");
    };
    // Rigidez instantánea en kN·m² (N·mm² · 10⁻⁹) y flechas relativas a las de la EHE-98.
    const double ka = a.c.Ec * a.c.Ie * 1e-9, kb = b.c.Ec * b.c.Ie * 1e-9;
    const double instantanea = ka / kb, total = instantanea * (1.0 + b.lambda) / (1.0 + a.lambda);
    ComparacionNormas c;
    c.Descripcion = "La misma viga (sección, armaduras y momento Ma) con las dos normas.\nSin "
                    "vano ni carga, las flechas son relativas a las de la EHE-98:";
    c.Filas = {Fila("Módulo del hormigón Ec (Ecm)", a.c.Ec, b.c.Ec, 1, " N/mm²"),
               Fila("Momento de fisuración Mf (Mcr)", a.c.Mf * 1e-6, b.c.Mf * 1e-6, 2, " kN·m"),
               {"Sección con Ma", estado(a.c), estado(b.c),
                a.c.Fisurada == b.c.Fisurada ? "igual" : "distinto"},
               {"Inercia fisurada If", fisurada(a.c), fisurada(b.c),
                a.c.Fisurada && b.c.Fisurada ? TextoDiferencia(a.c.Ifis, b.c.Ifis) : "—"},
               Fila("Inercia equivalente Ie", a.c.Ie * 1e-4, b.c.Ie * 1e-4, 1, " cm⁴"),
               Fila("Rigidez Ec·Ie", ka, kb, 1, " kN·m²"),
               Fila("Flecha instantánea (EHE-98 = 1)", 1.0, instantanea, 3, "")};
    for (auto& f : FilasEntradas(a, b, d, x))
        c.Filas.push_back(std::move(f));
    c.Filas.push_back(Fila("Factor de flecha diferida λ", a.lambda, b.lambda, 4, ""));
    c.Filas.push_back(Fila("Flecha total (EHE-98 = 1)", 1.0, total, 3, ""));
    return c;
}

} // namespace velmora
