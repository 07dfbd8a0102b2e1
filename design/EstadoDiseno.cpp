#include "design/EstadoDiseno.h"

#include "common/Numeros.h"
#include "design/TextosParametros.h"

#include <cmath>

namespace velmora {

void InicializarTablas(EstadoDiseno& e) {
    e.TablaGammaS = {1.15, 1.0};
    e.TablaGammaC = {1.5, 1.3};
    e.TablaM = {{{12, 15}, {10, 13}, {9, 12}, {8, 11}, {7, 10}, {7, 10}}};
    for (int k = 0; k < NumeroRanuras; ++k) {
        e.NumeroDiametros[k] = 1;
        e.Barras[k].fill(GrupoBarras{1, 10});
    }
}

std::optional<DominioDeformacion> DominioDelCodigo(unsigned codigo) {
    if (codigo < 1 || codigo > 6)
        return std::nullopt;
    return static_cast<DominioDeformacion>(codigo);
}

std::optional<TipoDeElemento> ElementoDelIndice(int indice) {
    if (indice < 0 || indice > 4)
        return std::nullopt;
    return static_cast<TipoDeElemento>(indice);
}

bool EstadoFinito(const EstadoDiseno& e) {
    for (double v : {e.AreaTotal, e.fyk, e.fck, e.gammaS, e.gammaC, e.fyd, e.fycd, e.fcd, e.Md,
                     e.Nd, e.e0, e.h, e.b, e.bw, e.hf, e.d1, e.d2, e.d, e.x, e.epsC, e.epsCInf,
                     e.epsS1, e.epsS2, e.sigmaS1, e.sigmaS2, e.Cc, e.yc, e.xiLim, e.xlim, e.Clim,
                     e.yLim, e.Mlim, e.As1, e.As2, e.U1, e.U2})
        if (!std::isfinite(v))
            return false;
    return true;
}

void AplicarTipoElemento(EleccionParametros& p, TipoDeElemento tipo) {
    p.TipoElemento = tipo;
    switch (tipo) {
    case TipoDeElemento::Viga:
    case TipoDeElemento::Placa: // las casillas quedan inhabilitadas, con la marca que tuvieran
        p.ArmaduraSimetricaHabilitada = false;
        p.HormigonadoVerticalHabilitado = false;
        break;
    case TipoDeElemento::Soporte:
        p.ArmaduraSimetricaHabilitada = p.HormigonadoVerticalHabilitado = true;
        p.ArmaduraSimetricaMarcada = p.HormigonadoVerticalMarcado = true;
        break;
    case TipoDeElemento::MuroHorizontal:
    case TipoDeElemento::MuroVertical:
        p.ArmaduraSimetricaHabilitada = p.HormigonadoVerticalHabilitado = true;
        p.ArmaduraSimetricaMarcada = false;
        p.HormigonadoVerticalMarcado = true;
        break;
    }
}

Estado DerivarMateriales(EstadoDiseno& e, const EleccionParametros& p) {
    const int s = p.SituacionProyecto == 1 ? 1 : 0;
    const double gammaS = e.TablaGammaS[s];
    const double gammaC = e.TablaGammaC[s];
    double fck;
    if (p.ControlHormigon == 1) {
        fck = 10.0 * gammaC; // control reducido: fcd = 10 N/mm²
    } else {
        const TextosCampos textos{
            {std::string(CampoResistencia.control), p.ResistenciaCaracteristica}};
        const auto r = LeerCampo(textos, CampoResistencia);
        if (!r)
            return r.error();
        if (*r <= 0.0)
            return Estado::Error("La resistencia característica del hormigón debe ser mayor que "
                                 "cero (se ha escrito «" +
                                     TextoCitado(p.ResistenciaCaracteristica) + "»).",
                                 "ResistenciaCaracteristica");
        if (auto c = ComprobarIntervalo(CampoResistencia, *r); !c)
            return c.error();
        fck = *r;
    }

    e.ArmaduraPasiva = true;
    e.fyk = 400.0 + 100.0 * (p.DesignacionAcero == 1 ? 1 : 0);
    e.gammaS = gammaS;
    e.gammaC = gammaC;
    e.fck = fck;
    e.fyd = p.ControlAcero == 1 ? 0.75 * e.fyk / e.gammaS : e.fyk / e.gammaS;
    e.Simetrica = p.ArmaduraSimetricaHabilitada && p.ArmaduraSimetricaMarcada;
    e.fcd = (p.HormigonadoVerticalHabilitado && p.HormigonadoVerticalMarcado)
                ? 0.9 * e.fck / e.gammaC
                : e.fck / e.gammaC;
    e.fycd = e.fyd > 400.0 ? 400.0 : e.fyd;
    return Correcto();
}

} // namespace velmora
