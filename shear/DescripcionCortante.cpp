#include "shear/DescripcionCortante.h"

#include "common/Numeros.h"

#include <span>

namespace velmora {

namespace {

// Los ocho primeros campos se leen siempre; los dos diámetros, con la casilla marcada.
constexpr std::size_t CamposSiempre = 8;

} // namespace

Resultado<DatosCortante> LeerDatosCortante(const TextosCampos& textos, bool armaduraComprimida,
                                           double Asl, Norma norma) {
    const std::span<const Campo> campos =
        std::span(CamposCortante).first(armaduraComprimida ? CamposCortante.size() : CamposSiempre);
    TextosCampos leidos = textos;
    if (!UsaTetae(norma))
        leidos.insert_or_assign(std::string(CampoTetae.control), std::string(CampoTetae.defecto));
    const auto v = LeerEscritos(leidos, campos);
    if (!v)
        return v.error();
    const std::vector<double>& x = *v;
    DatosCortante d;
    d.d = x[0] * CamposCortante[0].factor;
    d.b = x[1] * CamposCortante[1].factor;
    d.alfa = x[2];
    d.teta = x[3];
    d.tetae = x[4];
    d.Vd1 = x[5] * CamposCortante[5].factor;
    d.Vd2 = x[6] * CamposCortante[6].factor;
    d.Vd3 = x[7] * CamposCortante[7].factor;
    d.Asl = Asl;
    d.ArmaduraComprimida = armaduraComprimida;
    if (armaduraComprimida) {
        d.phiMinComp = x[8];
        d.phiMaxComp = x[9];
    }
    if (auto e = ComprobarDatosCortante(d, norma); !e)
        return e.error();
    if (auto e = ComprobarIntervalos(campos, x); !e)
        return e.error();
    return d;
}

Resultado<DatosCercos> LeerDatosCercos(const TextosCampos& textos) {
    const auto v = LeerEscritos(textos, CamposCercos);
    if (!v)
        return v.error();
    const std::vector<double>& x = *v;
    DatosCercos d{x[0] * CamposCercos[0].factor, x[1] * CamposCercos[1].factor,
                  x[2] * CamposCercos[2].factor, x[3], x[4]};
    if (auto e = ComprobarDatosCercos(d.h, d.b, d.d1, d.phiMin, d.phiMax); !e)
        return e.error();
    if (auto e = ComprobarIntervalos(CamposCercos, x); !e)
        return e.error();
    return d;
}

std::string DiametroAjustado(const TextosCampos& textos, bool cambioMinimo) {
    const auto diametros = std::span(CamposCercos).last(2);
    const auto v = LeerEscritos(textos, diametros);
    if (!v || !ComprobarIntervalos(diametros, *v))
        return {};
    double phiMin = (*v)[0], phiMax = (*v)[1];
    if (!AjustarDiametros(phiMin, phiMax, cambioMinimo))
        return {};
    return Formatear(cambioMinimo ? phiMax : phiMin, 2, 0);
}

} // namespace velmora
