#include "deflection/DescripcionFlechas.h"

namespace velmora {

Resultado<DatosFlecha> LeerDatosFlecha(const TextosCampos& textos, double AreaA1, double AreaA2) {
    const auto v = LeerEscritos(textos, CamposFlechas);
    if (!v)
        return v.error();
    const std::vector<double>& x = *v;
    DatosFlecha d;
    d.h = x[0] * CamposFlechas[0].factor;
    d.b = x[1] * CamposFlechas[1].factor;
    d.d2 = x[2] * CamposFlechas[2].factor;
    d.d1 = x[3] * CamposFlechas[3].factor;
    d.Ma = x[4] * CamposFlechas[4].factor;
    d.AreaA1 = AreaA1;
    d.AreaA2 = AreaA2;
    if (auto e = ComprobarDatosFlecha(d); !e)
        return e.error();
    if (auto e = ComprobarIntervalos(CamposFlechas, x); !e)
        return e.error();
    return d;
}

} // namespace velmora
