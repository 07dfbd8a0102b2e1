#include "diagrams/DiagramaAcero.h"
#include "materiales/ehe98/Leyes.h"

#include "common/Numeros.h"
#include "diagrams/ce/AceroCE.h"
#include "design/MaterialesDelEstado.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace velmora {

namespace {

int Indice(int i, int n, int omision) {
    return (i >= 0 && i < n) ? i : omision;
}

// Deformación del diagrama activo para σ = fyd: fyd/Es + 0.823·0.3^5 (≈ fyd/Es + 2 ‰).
double DeformacionPlastificacionActiva(double fyd, double Es) {
    return fyd / Es + 0.823 * std::pow(0.3, 5.0);
}

constexpr double EpsDibujoPorOmision = 0.01;
constexpr double EpsDibujoMaximo = 0.1;
constexpr int PuntosCurva = 120;

bool CodigoEstructural(const EstadoDiseno& e) {
    return e.norma == Norma::CodigoEstructural;
}

int IndiceSituacion(const EleccionDiagrama& c) {
    return c.SituacionProyecto == SituacionDeProyecto::Accidental ? 1 : 0;
}

int IndiceControl(const EleccionDiagrama& c) {
    return c.ControlAcero == ControlDeAcero::Reducido ? 1 : 0; // intenso en el Código Estructural
}

std::string TextoCaracteristica(const std::string& prefijo, const EstadoDiseno& e,
                                const EleccionDiagrama& c, double eps) {
    const double sigma = TensionDiagrama(e, c, eps);
    if (!std::isfinite(sigma)) // sólo la rama inclinada del Código Estructural
        return std::string(prefijo) + "sin valor: ε > εud";
    return std::string(prefijo) + Formatear(sigma, 4, 1) + "  N/mm";
}

std::string MensajeMasAllaUd(const EleccionDiagrama& c, double eps) {
    return "La deformación del acero εs = " + NumeroLegible(eps) + " pasa del límite εud = " +
           "0.9·εuk = " + Formatear(1000.0 * ce::EpsilonUd(c.Inclinada.epsUk), 0, 2) +
           " ‰ de la rama inclinada (Anejo 19, 3.2.7(2)a).";
}

} // namespace

Resultado<RamaInclinada> LeerRamaInclinada(const TextosCampos& textos, double fyd) {
    const auto k = LeerCampoEnIntervalo(textos, CampoCoeficienteK);
    if (!k)
        return k.error();
    const auto epsUk = LeerCampoEnIntervalo(textos, CampoDeformacionUk);
    if (!epsUk)
        return epsUk.error();
    const double epsYd = ce::EpsilonYd(fyd);
    if (!(*epsUk > epsYd))
        return Resultado<RamaInclinada>::Error(
            std::string(CampoDeformacionUk.nombre) + " debe ser mayor que la deformación del " +
                "límite elástico εyd = fyd/Es = " + Formatear(1000.0 * epsYd, 0, 2) +
                " ‰ (Anejo 19, 3.2.7(2)a); se ha leído «" +
                std::string(TextoCampo(textos, CampoDeformacionUk)) + "» %.",
            std::string(CampoDeformacionUk.control));
    return RamaInclinada{*k, *epsUk};
}

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
    if (CodigoEstructural(e)) {
        // Anejo 19: sólo armadura pasiva, Es de 3.2.7(4) y γs de 2.4.2.4 y 2.4.2.6.
        e.ArmaduraPasiva = true;
        e.IndiceEs = static_cast<int>(ModuloDelAcero::Es200000) + 1;
        e.fyk = Fyk(c.DesignacionAcero);
        e.gammaS = GammaSCE(IndiceSituacion(c), IndiceControl(c));
        e.fyd = ce::Fyd(e.fyk, e.gammaS);
        return;
    }
    e.ArmaduraPasiva = c.TipoDiagrama == TipoDiagramaAcero::Pasiva;
    e.IndiceEs = Indice(static_cast<int>(c.ValorEs), 3, 1) + 1;
    e.fyk = Fyk(c.DesignacionAcero);
    e.gammaS = e.TablaGammaS[c.SituacionProyecto == SituacionDeProyecto::Accidental ? 1 : 0];
    // Control reducido del acero (EHE-98, art. 90): 0.75·fyk/γs.
    if (c.ControlAcero == ControlDeAcero::Reducido)
        e.fyd = ehe98::FydControlReducido(e.fyk, e.gammaS);
    else
        e.fyd = ehe98::Fyd(e.fyk, e.gammaS);
}

RotulosDiagrama RotularDiagrama(EstadoDiseno& e, const EleccionDiagrama& c) {
    LeerDatosDiagrama(e, c);
    RotulosDiagrama r;
    r.Label20 = "f    =  " + Formatear(e.fyd, 4, 1) + "  N/mm";
    r.Label28 =
        TextoCaracteristica("(" + Cifras(ehe98::EpsilonC0) + ")   =  ", e, c, ehe98::EpsilonC0);
    r.Label29 =
        TextoCaracteristica("(" + Cifras(ehe98::EpsilonCU) + ") =  ", e, c, ehe98::EpsilonCU);
    r.Label30 =
        TextoCaracteristica("(" + Cifras(ehe98::EpsilonSU) + ")     =  ", e, c, ehe98::EpsilonSU);
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

std::string TextoEtiquetaGammas(const EstadoDiseno& e, const EleccionDiagrama& c) {
    if (!CodigoEstructural(e))
        return TextoEtiquetaGammas(e, c.SituacionProyecto);
    return "= " + Formatear(GammaSCE(IndiceSituacion(c), IndiceControl(c)), 4, 2);
}

std::string TextoEtiquetaEs(const EstadoDiseno& e, ModuloDelAcero m) {
    return TextoEtiquetaEs(CodigoEstructural(e) ? ModuloDelAcero::Es200000 : m);
}

std::string TextoEtiquetaTipoDiagrama(const EstadoDiseno& e, const EleccionDiagrama& c) {
    if (!CodigoEstructural(e))
        return TextoEtiquetaTipoDiagrama(c.TipoDiagrama);
    return c.Rama == RamaSuperior::Inclinada ? "ar.pasiva, rama inclinada"
                                             : "ar.pasiva, rama horizontal";
}

std::string TextoLeyAceroCE(const EstadoDiseno& e, const EleccionDiagrama& c) {
    const std::string fyd = "fyd = " + Formatear(e.fyd, 0, 1) + " N/mm²";
    const std::string eyd = "εyd = " + Formatear(1000.0 * ce::EpsilonYd(e.fyd), 0, 2) + " ‰";
    if (c.Rama == RamaSuperior::Horizontal)
        return "Código Estructural, Anejo 19, 3.2.7(2)b: rama horizontal en " + fyd + " desde " +
               eyd + ", sin límite de deformación; Es = 200000 N/mm²";
    const RamaInclinada& r = c.Inclinada;
    return "Código Estructural, Anejo 19, 3.2.7(2)a: de " + fyd + " en " + eyd +
           " a k·fyk/γs = " + Formatear(r.k * e.fyd, 0, 1) + " N/mm² en εuk = " +
           Formatear(1000.0 * r.epsUk, 0, 1) + " ‰; límite εud = 0.9·εuk = " +
           Formatear(1000.0 * ce::EpsilonUd(r.epsUk), 0, 1) + " ‰";
}

std::string TextoValorTension(double sigma) {
    return "=   " + Formatear(sigma, 4, 1);
}

Resultado<double> CalcularTension(EstadoDiseno& e, const EleccionDiagrama& c, double eps,
                                  Traza* traza) {
    LeerDatosDiagrama(e, c);
    Traza pasos;
    const double sigma = TensionDiagrama(e, c, eps, traza ? &pasos : nullptr);
    // Fuera del diagrama activo la ventana lo dice en el rótulo y la memoria explica por qué;
    // más allá de εud la deformación se rechaza y no queda ningún paso.
    if (traza && (std::isfinite(sigma) || !CodigoEstructural(e)))
        traza->Anadir(std::move(pasos));
    if (!std::isfinite(sigma))
        return Resultado<double>::Error(
            CodigoEstructural(e) ? MensajeMasAllaUd(c, eps) : MensajeFueraDiagramaActivo,
            "Valor1");
    return sigma;
}

Resultado<std::string> RotuloCalcular(EstadoDiseno& e, const EleccionDiagrama& c,
                                      std::string_view Valor1) {
    const TextosCampos textos{{std::string(CampoDeformacionAcero.control), std::string(Valor1)}};
    const auto eps = LeerCampo(textos, CampoDeformacionAcero);
    if (!eps)
        return eps.error();
    if (CodigoEstructural(e)) { // sin diagrama activo: fuera de εud es un error
        if (auto r = ComprobarIntervalo(CampoDeformacionAcero, *eps); !r)
            return r.error();
        const auto sigma = CalcularTension(e, c, *eps);
        if (!sigma)
            return sigma.error();
        return TextoValorTension(*sigma);
    }
    const auto sigma = CalcularTension(e, c, *eps);
    if (!sigma)
        return std::string(TextoFueraDiagrama);
    // Fuera del diagrama activo se dice así; cualquier otra deformación, dentro de su intervalo.
    if (auto r = ComprobarIntervalo(CampoDeformacionAcero, *eps); !r)
        return r.error();
    return TextoValorTension(*sigma);
}

namespace {

// Código Estructural: rama elástica hasta εyd y la superior elegida, en compresión también si la
// deformación escrita lo pide; la inclinada hasta εud.
DibujoAcero DibujoAceroCE(const EstadoDiseno& e, bool puntoValido, double eps,
                          const EleccionDiagrama& c) {
    DibujoAcero d;
    d.CodigoEstructural = true;
    const double fyd = e.fyd;
    if (!(fyd > 0.0))
        return d;
    const double eyd = ce::EpsilonYd(fyd);
    const bool inclinada = c.Rama == RamaSuperior::Inclinada;
    const double eud = inclinada ? ce::EpsilonUd(c.Inclinada.epsUk)
                                 : std::numeric_limits<double>::infinity();
    d.epsMin = 0.0;
    d.epsMax = inclinada ? std::max(EpsDibujoPorOmision, eud) : EpsDibujoPorOmision;
    if (puntoValido && std::isfinite(eps) && std::fabs(eps) <= EpsDibujoMaximo &&
        std::fabs(eps) <= eud) {
        d.HayPunto = true;
        d.Punto = {eps, TensionDiagrama(e, c, eps)};
        d.epsMin = std::min(d.epsMin, eps);
        d.epsMax = std::max(d.epsMax, eps);
    }
    const auto sigma = [&](double x) { return TensionDiagrama(e, c, x); };
    const double inicio = std::max(d.epsMin, -eyd);
    d.RamaElastica = {{inicio, sigma(inicio)}, {eyd, fyd}};
    d.Plastificacion = {eyd, fyd};
    d.LimiteProporcional = {0.7 * eyd, 0.7 * fyd};
    const double fin = inclinada ? eud : d.epsMax;
    d.RamaPlastica = {{eyd, fyd}, {fin, sigma(fin)}};
    if (inclinada) {
        d.HayLimite = true;
        d.Limite = d.RamaPlastica.back();
    }
    if (d.epsMin < -eyd)
        d.RamaCompresion = {{d.epsMin, sigma(d.epsMin)}, {-eyd, -fyd}};
    d.sigmaMin = std::min(0.0, d.RamaCompresion.empty() ? d.RamaElastica.front().sigma
                                                        : d.RamaCompresion.front().sigma);
    d.sigmaMax = std::max(fyd, d.RamaPlastica.back().sigma);
    return d;
}

} // namespace

DibujoAcero CalcularDibujoAcero(const EstadoDiseno& e, bool puntoValido, double eps,
                                const EleccionDiagrama& c) {
    if (CodigoEstructural(e))
        return DibujoAceroCE(e, puntoValido, eps, c);
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
    // La armadura pasiva es simétrica: en compresión, más allá de −fyd/Es, la rama es −fyd.
    const double inicio = d.Activo ? d.epsMin : std::max(d.epsMin, -fyd / Es);
    d.RamaElastica = {{inicio, Es * inicio}, {epsElastico, Es * epsElastico}};
    if (!d.Activo && d.epsMin < -fyd / Es)
        d.RamaCompresion = {{d.epsMin, -fyd}, {-fyd / Es, -fyd}};
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
    if (!d.RamaCompresion.empty())
        d.sigmaMin = std::min(d.sigmaMin, d.RamaCompresion.front().sigma);
    d.sigmaMax = fyd;
    for (const auto& p : d.RamaPlastica)
        d.sigmaMax = std::max(d.sigmaMax, p.sigma);
    return d;
}

} // namespace velmora
