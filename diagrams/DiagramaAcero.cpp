#include "diagrams/DiagramaAcero.h"
#include "materiales/ehe98/Leyes.h"

#include "common/Numeros.h"
#include "section/LeyesMateriales.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

int Indice(int i, int n, int omision) {
    return (i >= 0 && i < n) ? i : omision;
}

// Deformación del diagrama activo para σ = fyd: fyd/Es + 0.823·0.3^5 (≈ fyd/Es + 0.002).
double DeformacionPlastificacionActiva(double fyd, double Es) {
    return fyd / Es + 0.823 * std::pow(0.3, 5.0);
}

constexpr double EpsDibujoPorOmision = 0.01;
constexpr double EpsDibujoMaximo = 0.1;
constexpr int PuntosCurva = 120;

std::string TextoCaracteristica(const char* prefijo, const EstadoDiseno& e, double eps) {
    return std::string(prefijo) + Formatear(TensionAcero(e, eps, e.fyd), 4, 1) + "  N/mm";
}

} // namespace

EleccionDiagrama EleccionDeIndices(int designacion, int tipo, int control, int situacion,
                                   int es) {
    EleccionDiagrama c;
    c.DesignacionAcero = static_cast<DesignacionDeAcero>(Indice(designacion, 2, 0));
    c.TipoDiagrama = static_cast<TipoDiagramaAcero>(Indice(tipo, 2, 0));
    c.ControlAcero = static_cast<ControlDeAcero>(Indice(control, 2, 0));
    c.SituacionProyecto = static_cast<SituacionDeProyecto>(Indice(situacion, 2, 0));
    c.ValorEs = static_cast<ModuloDelAcero>(Indice(es, 3, 1));
    return c;
}

void LeerDatosDiagrama(EstadoDiseno& e, const EleccionDiagrama& c) {
    e.ArmaduraPasiva = c.TipoDiagrama == TipoDiagramaAcero::Pasiva;
    e.IndiceEs = Indice(static_cast<int>(c.ValorEs), 3, 1) + 1;
    e.fyk = c.DesignacionAcero == DesignacionDeAcero::B500S ? 500.0 : 400.0;
    e.gammaS = e.TablaGammaS[c.SituacionProyecto == SituacionDeProyecto::Accidental ? 1 : 0];
    // Control reducido del acero (EHE-98, art. 90): 0.75·fyk/γs.
    if (c.ControlAcero == ControlDeAcero::Reducido)
        e.fyd = 0.75 * e.fyk / e.gammaS;
    else
        e.fyd = e.fyk / e.gammaS;
}

RotulosDiagrama MostrarDiagrama(EstadoDiseno& e, const EleccionDiagrama& c) {
    LeerDatosDiagrama(e, c);
    RotulosDiagrama r;
    r.Label20 = "f    =  " + Formatear(e.fyd, 4, 1) + "  N/mm";
    r.Label28 = TextoCaracteristica("(0.002)   =  ", e, ehe98::EpsilonC0);
    r.Label29 = TextoCaracteristica("(0.0035) =  ", e, ehe98::EpsilonCU);
    r.Label30 = TextoCaracteristica("(0.01)     =  ", e, 0.01);
    r.ValorTension = "=";
    return r;
}

std::string TextoEtiquetaAcero(DesignacionDeAcero d) {
    return d == DesignacionDeAcero::B500S ? "Acero B 500 S" : "Acero B 400 S";
}

std::string TextoEtiquetaTipoDiagrama(TipoDiagramaAcero t) {
    return t == TipoDiagramaAcero::Activa ? "ar.activa" : "ar.pasiva";
}

std::string TextoEtiquetaGammas(const EstadoDiseno& e, SituacionDeProyecto s) {
    return "= " + Formatear(e.TablaGammaS[s == SituacionDeProyecto::Accidental ? 1 : 0], 4, 2);
}

std::string TextoEtiquetaEs(ModuloDelAcero m) {
    static const char* const textos[] = {"= 190000 N/mm", "= 200000 N/mm", "= 210000 N/mm"};
    return textos[Indice(static_cast<int>(m), 3, 1)];
}

std::string TextoValorTension(double sigma) {
    return "=   " + Formatear(sigma, 4, 1);
}

Resultado<double> CalcularTension(EstadoDiseno& e, const EleccionDiagrama& c, double eps) {
    LeerDatosDiagrama(e, c);
    const double sigma = TensionAcero(e, eps, e.fyd);
    if (!std::isfinite(sigma))
        return Resultado<double>::Error(MensajeFueraDiagramaActivo, "Valor1");
    return sigma;
}

Resultado<std::string> RotuloCalcular(EstadoDiseno& e, const EleccionDiagrama& c,
                                      std::string_view Valor1) {
    const TextosCampos textos{{std::string(CampoDeformacionAcero.control), std::string(Valor1)}};
    const auto eps = LeerCampo(textos, CampoDeformacionAcero);
    if (!eps)
        return eps.error();
    const auto sigma = CalcularTension(e, c, *eps);
    if (!sigma)
        return std::string(TextoFueraDiagrama);
    // Fuera del diagrama activo se dice así; cualquier otra deformación, dentro de su intervalo.
    if (auto r = ComprobarIntervalo(CampoDeformacionAcero, *eps); !r)
        return r.error();
    return TextoValorTension(*sigma);
}

DibujoAcero CalcularDibujoAcero(const EstadoDiseno& e, bool puntoValido, double eps) {
    DibujoAcero d;
    d.Activo = !e.ArmaduraPasiva;
    const double Es = ModuloAcero(e);
    const double fyd = e.fyd;
    if (!(Es > 0.0) || !(fyd > 0.0))
        return d;

    d.epsMin = 0.0;
    d.epsMax = EpsDibujoPorOmision;
    if (puntoValido && std::isfinite(eps) && std::fabs(eps) <= EpsDibujoMaximo) {
        const double sigma = TensionAcero(e, eps, fyd);
        if (std::isfinite(sigma)) {
            d.HayPunto = true;
            d.Punto = {eps, sigma};
            d.epsMin = std::min(d.epsMin, eps);
            d.epsMax = std::max(d.epsMax, eps);
        }
    }

    // Fin de la rama elástica: fyd/Es en el diagrama pasivo, 0.7·fyd/Es en el activo.
    const double epsElastico = d.Activo ? 0.7 * fyd / Es : fyd / Es;
    d.RamaElastica = {{d.epsMin, Es * d.epsMin}, {epsElastico, Es * epsElastico}};
    d.LimiteProporcional = {0.7 * fyd / Es, 0.7 * fyd};
    if (d.Activo) {
        d.Plastificacion = {DeformacionPlastificacionActiva(fyd, Es), fyd};
        for (int i = 0; i <= PuntosCurva; ++i) {
            const double eI = epsElastico + (d.epsMax - epsElastico) * i / PuntosCurva;
            const double s = TensionAcero(e, eI, fyd);
            if (std::isfinite(s))
                d.RamaPlastica.push_back({eI, s});
        }
    } else {
        d.Plastificacion = {fyd / Es, fyd};
        d.RamaPlastica = {{epsElastico, fyd}, {d.epsMax, fyd}};
    }

    d.sigmaMin = std::min(0.0, d.RamaElastica.front().sigma);
    d.sigmaMax = fyd;
    for (const auto& p : d.RamaPlastica)
        d.sigmaMax = std::max(d.sigmaMax, p.sigma);
    return d;
}

} // namespace velmora
