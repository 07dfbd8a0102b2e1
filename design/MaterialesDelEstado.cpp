#include "design/MaterialesDelEstado.h"

namespace velmora {

Materiales MaterialesConfirmados(const EstadoDiseno& e) {
    Materiales m;
    m.norma = e.norma;
    m.fck = e.fck;
    m.fyk = e.fyk;
    m.gammaC = e.gammaC;
    m.gammaS = e.gammaS;
    m.fcd = e.fcd;
    m.fyd = e.fyd;
    m.fycd = e.fycd;
    m.alphaCC = e.alphaCC;
    const LeyesSeccion leyes = LeyesDelEstado(e);
    m.hormigon = leyes.hormigon;
    m.acero = leyes.acero;
    return m;
}

Resultado<Materiales> MaterialesSegun(Norma norma, const EleccionParametros& p, int indiceEs) {
    EleccionParametros eleccion = p;
    eleccion.norma = norma;
    EstadoDiseno e;
    InicializarTablas(e);
    e.IndiceEs = indiceEs;
    if (auto r = DerivarMateriales(e, eleccion); !r)
        return r.error();
    return MaterialesConfirmados(e);
}

} // namespace velmora
