#include "design/EstadoDiseno.h"

#include "common/Numeros.h"
#include "common/Traza.h"
#include "design/MaterialesConNorma.h"
#include "design/TextosParametros.h"
#include "materiales/Resistencias.h"
#include "norma/Comparacion.h"

#include <cmath>
#include <utility>

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

// Una resistencia de cálculo en N/mm² con dos decimales.
void AnotarResistencia(Traza& t, std::string simbolo, std::string descripcion,
                       std::string articulo, std::string formula, std::string sustitucion,
                       double valor) {
    t.Calculo(std::move(simbolo), std::move(descripcion), std::move(articulo), std::move(formula),
              std::move(sustitucion), 1.0, valor, "N/mm²", 2);
}

// La situación de proyecto (y el control intenso del Código Estructural) con sus γs y γc.
void NotaCoeficientes(Traza& t, const EleccionParametros& p, const EstadoDiseno& e,
                      bool intenso, std::string articulo) {
    t.Nota(std::string(p.SituacionProyecto == IndiceAccidental
                           ? "Situación accidental"
                           : "Situación persistente o transitoria") +
               (intenso ? " con control intenso" : "") + ": γ<sub>s</sub> = " +
               Formatear(e.gammaS, 0, 2) + " y γ<sub>c</sub> = " + Formatear(e.gammaC, 0, 2) + ".",
           std::move(articulo));
}

// EHE-98, art. 38.4: fyd (con control reducido, 0.75·fyk/γs) y fyc,d ≤ 400 N/mm².
void PasosAceroEHE98(Traza& t, const EleccionParametros& p, const EstadoDiseno& e) {
    const std::string C = "\u00B7";
    const std::string reducido = Cifras(ehe98::FactorControlReducidoAcero);
    const std::string tope = Cifras(ehe98::TopeFycd);
    if (p.ControlAcero == IndiceSegundoControl)
        AnotarResistencia(t, "f<sub>yd</sub>",
                          "Resistencia de cálculo del acero (control reducido: " + reducido + ")",
                          "38.4", reducido + C + "f<sub>yk</sub>/γ<sub>s</sub>",
                          reducido + C + Cifras(e.fyk) + "/" + Cifras(e.gammaS), e.fyd);
    else
        AnotarResistencia(t, "f<sub>yd</sub>", "Resistencia de cálculo del acero", "38.4",
                          "f<sub>yk</sub>/γ<sub>s</sub>", Cifras(e.fyk) + "/" + Cifras(e.gammaS),
                          e.fyd);
    AnotarResistencia(t, "f<sub>yc,d</sub>",
                      "Resistencia de cálculo en compresión: f<sub>yd</sub> " +
                          std::string(e.fyd > ehe98::TopeFycd ? "pasa" : "no pasa") + " de " +
                          tope + " N/mm²",
                      "38.4", "mín(f<sub>yd</sub>; " + tope + ")", Cifras(e.fycd), e.fycd);
}

// EHE-98, art. 39.4: fcd, con el control reducido (fck = 10·γc) y el hormigonado vertical.
void PasosHormigonEHE98(Traza& t, const EleccionParametros& p, const EstadoDiseno& e,
                        bool vertical) {
    const std::string C = "\u00B7";
    const std::string factorVertical = Cifras(ehe98::FactorHormigonadoVertical);
    // Con hormigonado vertical el paso siguiente aplica además el 0.9: la nota no da fcd.
    if (p.ControlHormigon == IndiceSegundoControl)
        t.Nota("Control reducido del hormigón: se toma f<sub>ck</sub> = 10" + C +
                   "γ<sub>c</sub> = " + Formatear(e.fck, 0, 2) + " N/mm²" +
                   (vertical ? "." : ", de modo que f<sub>cd</sub> = 10 N/mm²."),
               "39.4");
    if (vertical)
        AnotarResistencia(t, "f<sub>cd</sub>",
                          "Resistencia de cálculo del hormigón (hormigonado vertical: " +
                              factorVertical + ")",
                          "39.4", factorVertical + C + "f<sub>ck</sub>/γ<sub>c</sub>",
                          factorVertical + C + Cifras(e.fck) + "/" + Cifras(e.gammaC), e.fcd);
    else
        AnotarResistencia(t, "f<sub>cd</sub>", "Resistencia de cálculo del hormigón", "39.4",
                          "f<sub>ck</sub>/γ<sub>c</sub>", Cifras(e.fck) + "/" + Cifras(e.gammaC),
                          e.fcd);
}

Estado DerivarMaterialesEHE(EstadoDiseno& e, const EleccionParametros& p, Traza* traza) {
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
    if (traza)
        NotaCoeficientes(*traza, p, e, false, "15.3");
    e.fyd = p.ControlAcero == IndiceSegundoControl ? ehe98::FydControlReducido(e.fyk, e.gammaS)
                                                   : ehe98::Fyd(e.fyk, e.gammaS);
    e.fycd = ehe98::Fycd(e.fyd);
    if (traza)
        PasosAceroEHE98(*traza, p, e);
    e.fck = fck;
    const bool vertical = p.HormigonadoVerticalHabilitado && p.HormigonadoVerticalMarcado;
    e.fcd = vertical ? ehe98::FcdHormigonadoVertical(e.fck, e.gammaC) : ehe98::Fcd(e.fck, e.gammaC);
    if (traza)
        PasosHormigonEHE98(*traza, p, e, vertical);
    e.Simetrica = p.ArmaduraSimetricaHabilitada && p.ArmaduraSimetricaMarcada;
    return Correcto();
}

// Código Estructural, Anejo 19: fyd = fyk/γs (3.2.7), fyc,d = fyd con la rama horizontal
// (3.2.7(2)) y fcd = αcc·fck/γc (3.1.6(1)).
void PasosMaterialesCE(Traza& t, const EstadoDiseno& e) {
    const std::string C = "\u00B7";
    const Norma n = Norma::CodigoEstructural;
    AnotarResistencia(t, "f<sub>yd</sub>", "Resistencia de cálculo del acero", Cita(n, "3.2.7"),
                      "f<sub>yk</sub>/γ<sub>s</sub>", Cifras(e.fyk) + "/" + Cifras(e.gammaS),
                      e.fyd);
    AnotarResistencia(
        t, "f<sub>yc,d</sub>",
        "Resistencia de cálculo en compresión: rama horizontal sin límite de deformación",
        Cita(n, "3.2.7(2)"), "f<sub>yd</sub>", Cifras(e.fycd), e.fycd);
    AnotarResistencia(t, "f<sub>cd</sub>", "Resistencia de cálculo del hormigón",
                      Cita(n, "3.1.6(1)"), "α<sub>cc</sub>" + C + "f<sub>ck</sub>/γ<sub>c</sub>",
                      Cifras(e.alphaCC) + C + Cifras(e.fck) + "/" + Cifras(e.gammaC), e.fcd);
}

// Código Estructural, Anejo 19: γ de 2.4.2.4 (intenso: 2.4.2.6 y 2.4.2.7), fcd = αcc·fck/γc
// (3.15), fyd = fyk/γs y, con la rama horizontal sin límite de deformación (3.2.7(2)b), la
// armadura comprimida también llega a fyd. No hay hormigonado vertical ni control reducido.
Estado DerivarMaterialesCE(EstadoDiseno& e, const EleccionParametros& p, Traza* traza) {
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
    if (traza) {
        const bool intenso = p.SituacionProyecto != IndiceAccidental &&
                             (p.ControlAcero == IndiceSegundoControl ||
                              p.ControlHormigon == IndiceSegundoControl);
        NotaCoeficientes(*traza, p, e, intenso,
                         Cita(Norma::CodigoEstructural,
                              intenso ? "2.4.2.4, 2.4.2.6 y 2.4.2.7" : "2.4.2.4"));
        PasosMaterialesCE(*traza, e);
    }
    return Correcto();
}

} // namespace

Estado DerivarMateriales(EstadoDiseno& e, const EleccionParametros& p, Traza* traza) {
    switch (p.norma) {
    case Norma::EHE98:
        return DerivarMaterialesEHE(e, p, traza);
    case Norma::CodigoEstructural:
        return DerivarMaterialesCE(e, p, traza);
    }
    return DerivarMaterialesEHE(e, p, traza);
}

Resultado<EstadoDiseno> MaterialesConNorma(const EstadoDiseno& e, EleccionParametros p, Norma n) {
    p.norma = n;
    EstadoDiseno copia = e;
    if (auto r = DerivarMateriales(copia, p); !r)
        return ErrorConNorma(n, r.error());
    return copia;
}

} // namespace velmora
