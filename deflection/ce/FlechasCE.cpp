#include "deflection/ce/FlechasCE.h"

#include "common/Numeros.h"
#include "deflection/ce/Ecuaciones.h"
#include "materiales/ce/Hormigon.h"

#include <cmath>

namespace velmora::ce {

namespace {

// La inercia equivalente con el coeficiente de equivalencia n = Es/E: la bruta si no fisura; si
// fisura, (7.18) entre la bruta y la fisurada. Deja x e I_II en `c`.
double Interpolada(CalculoFlecha& c, double n) {
    if (!c.Fisurada)
        return c.Ib;
    const DatosFlecha& d = c.datos;
    c.x = ProfundidadFisurada(n, d.AreaA1 / d.b / c.d, d.AreaA2 / d.b / c.d, c.d, d.d2);
    c.Ifis = Ifis(n, d.AreaA1, d.AreaA2, c.d, d.d2, c.x);
    return InerciaEquivalente(c.zeta, c.Ib, c.Ifis);
}

} // namespace

Resultado<DuracionCarga> LeerDuracionCarga(int indice) {
    if (indice < 0 || indice >= static_cast<int>(OpcionesDuracionCargaCE.size()))
        return Resultado<DuracionCarga>::Error(
            "Elija la duración de la carga (0 o 1; valor recibido: " + std::to_string(indice) +
                ").",
            std::string(EleccionDuracionCargaCE.control));
    return static_cast<DuracionCarga>(indice);
}

Resultado<CalculoFlecha> CalcularFlechaCE(EstadoDiseno& e, const DatosFlecha& datos) {
    CalculoFlecha c;
    c.norma = Norma::CodigoEstructural;
    c.datos = datos;
    c.d = datos.h - datos.d1;
    c.Ec = Ecm(e.fck);
    c.nEq = Es / c.Ec;
    c.Ib = Ib(datos.b, datos.h);
    c.fctm = fctm(e.fck);
    c.Mf = Mcr(c.fctm, c.Ib, datos.h);
    c.Fisurada = datos.Ma > c.Mf;
    if (c.Fisurada && datos.AreaA1 <= 0)
        return Resultado<CalculoFlecha>::Error(
            "La sección fisura (Ma > Mcr): defina la armadura A1.", "ValorA1");
    c.beta = Beta(datos.Duracion);
    c.zeta = Zeta(c.beta, c.Mf, datos.Ma);
    c.Ie = Interpolada(c, c.nEq);
    if (!InerciaMostrable(c.Ie) || !CabeEnRotulo(c.Ec, 10, 1) || !std::isfinite(c.x))
        return ResultadoNoRepresentable("flechas");
    GuardarSeccion(e, c);
    return c;
}

Resultado<FactorDiferidoCE> CalcularFactorCE(const CalculoFlecha& c, std::string_view textoPhi) {
    const auto phi =
        LeerCampoEnIntervalo({{std::string(CampoPhi.control), std::string(textoPhi)}}, CampoPhi);
    if (!phi)
        return phi.error();
    FactorDiferidoCE f;
    f.phi = *phi;
    f.EcEff = EcEff(c.Ec, f.phi);
    CalculoFlecha largo = c;
    const double IInf = Interpolada(largo, Es / f.EcEff);
    f.lambda = FactorDiferido(c.Ec, c.Ie, f.EcEff, IInf);
    if (!CabeEnRotulo(f.lambda, 10, 6))
        return ResultadoNoRepresentable("flechas");
    return f;
}

std::string TextoZeta(const CalculoFlecha& c) {
    return "ζ = " + Formatear(c.zeta, 0, 3) + (c.Fisurada ? "" : " (sin fisurar)");
}

} // namespace velmora::ce
