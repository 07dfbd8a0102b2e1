#include "design/EstadoDiseno.h"

#include "common/Numeros.h"
#include "design/MaterialesConNorma.h"
#include "design/TextosParametros.h"
#include "materiales/Resistencias.h"
#include "norma/Comparacion.h"

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

namespace {

// fck escrita en los parámetros generales, dentro del intervalo de la norma.
Resultado<double> LeerResistencia(const EleccionParametros& p, const Campo& campo) {
    const TextosCampos textos{{std::string(campo.control), p.ResistenciaCaracteristica}};
    const auto r = LeerCampo(textos, campo);
    if (!r)
        return r.error();
    if (*r <= 0.0)
        return Resultado<double>::Error(
            "La resistencia característica del hormigón debe ser mayor que cero (se ha escrito «" +
                TextoCitado(p.ResistenciaCaracteristica) + "»).",
            "ResistenciaCaracteristica");
    if (auto c = ComprobarIntervalo(campo, *r); !c)
        return c.error();
    return *r;
}

Estado DerivarMaterialesEHE(EstadoDiseno& e, const EleccionParametros& p) {
    const int s = IndiceSituacion(p);
    const double gammaS = e.TablaGammaS[s];
    const double gammaC = e.TablaGammaC[s];
    double fck;
    if (p.ControlHormigon == IndiceSegundoControl) {
        fck = FckControlReducido(gammaC); // control reducido: fcd = 10 N/mm²
    } else {
        const auto r = LeerResistencia(p, CampoResistencia);
        if (!r)
            return r.error();
        fck = *r;
    }

    e.norma = Norma::EHE98;
    e.alphaCC = 1.0;
    e.ArmaduraPasiva = true;
    e.fyk = Fyk(DesignacionDelIndice(p.DesignacionAcero));
    e.gammaS = gammaS;
    e.gammaC = gammaC;
    e.fck = fck;
    e.fyd = p.ControlAcero == IndiceSegundoControl ? ehe98::FydControlReducido(e.fyk, e.gammaS)
                                                   : ehe98::Fyd(e.fyk, e.gammaS);
    e.Simetrica = p.ArmaduraSimetricaHabilitada && p.ArmaduraSimetricaMarcada;
    e.fcd = (p.HormigonadoVerticalHabilitado && p.HormigonadoVerticalMarcado)
                ? ehe98::FcdHormigonadoVertical(e.fck, e.gammaC)
                : ehe98::Fcd(e.fck, e.gammaC);
    e.fycd = ehe98::Fycd(e.fyd);
    return Correcto();
}

// Código Estructural, Anejo 19: γ de 2.4.2.4 (intenso: 2.4.2.6 y 2.4.2.7), fcd = αcc·fck/γc
// (3.15), fyd = fyk/γs y, con la rama horizontal sin límite de deformación (3.2.7(2)b), la
// armadura comprimida también llega a fyd. No hay hormigonado vertical ni control reducido.
Estado DerivarMaterialesCE(EstadoDiseno& e, const EleccionParametros& p) {
    const auto fck = LeerResistencia(p, CampoResistenciaCE);
    if (!fck)
        return fck.error();
    const TextosCampos textos{{std::string(CampoAlfaCC.control), p.CoeficienteAlfaCC}};
    const auto alfa = LeerCampoEnIntervalo(textos, CampoAlfaCC);
    if (!alfa)
        return alfa.error();

    const int s = IndiceSituacion(p);
    e.norma = Norma::CodigoEstructural;
    e.alphaCC = *alfa;
    e.ArmaduraPasiva = true;
    e.fyk = Fyk(DesignacionDelIndice(p.DesignacionAcero));
    e.gammaS = GammaSCE(s, IndiceControl(p.ControlAcero));
    e.gammaC = GammaCCE(s, IndiceControl(p.ControlHormigon));
    e.fck = *fck;
    e.fyd = ce::Fyd(e.fyk, e.gammaS);
    e.Simetrica = p.ArmaduraSimetricaHabilitada && p.ArmaduraSimetricaMarcada;
    e.fcd = ce::Fcd(e.alphaCC, e.fck, e.gammaC);
    e.fycd = e.fyd;
    return Correcto();
}

} // namespace

Estado DerivarMateriales(EstadoDiseno& e, const EleccionParametros& p) {
    switch (p.norma) {
    case Norma::EHE98:
        return DerivarMaterialesEHE(e, p);
    case Norma::CodigoEstructural:
        return DerivarMaterialesCE(e, p);
    }
    return DerivarMaterialesEHE(e, p);
}

Resultado<EstadoDiseno> MaterialesConNorma(const EstadoDiseno& e, EleccionParametros p, Norma n) {
    p.norma = n;
    EstadoDiseno copia = e;
    if (auto r = DerivarMateriales(copia, p); !r)
        return ErrorConNorma(n, r.error());
    return copia;
}

} // namespace velmora
