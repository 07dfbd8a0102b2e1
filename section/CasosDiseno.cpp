#include "section/CasosDiseno.h"
#include "materiales/ehe98/Leyes.h"

#include "section/BusquedaFibraNeutra.h"
#include "section/CuantiasMinimas.h"
#include "section/DimensionarSeccion.h"
#include "section/PasosSeccion.h"
#include "design/MaterialesDelEstado.h"

#include <cmath>

namespace velmora {

namespace {

Estado SinTension() {
    return Estado::Error(MensajeFueraDiagramaActivo);
}

// sigmaS2 := σ(eps); falso si el diagrama del acero no la da.
bool TensionA2(EstadoDiseno& e, double eps) {
    e.sigmaS2 = TensionAcero(e, eps, e.fyd);
    return !std::isnan(e.sigmaS2);
}

// Una búsqueda con tope 5·h que no lo alcanza; si lo alcanza, no hay equilibrio.
Estado SinTope(const FinBusqueda& r) {
    if (!r)
        return r.error();
    return *r ? Correcto() : Estado::Error(MensajeSinEquilibrio);
}

// Dominio 2 o 3 según la profundidad de la fibra neutra.
void DominioPorProfundidad(EstadoDiseno& e) {
    if (e.x > e.d * 7.0 * (1.0 / 27.0)) {
        FijarDominio(e, DominioDeformacion::Tres);
        e.epsS1 = (e.d / e.x - 1.0) * ehe98::EpsilonCU;
    } else {
        FijarDominio(e, DominioDeformacion::Dos);
        e.epsS1 = 0.01;
    }
}

// Frontera de los dominios 3 y 4: x = xlim, con armadura de compresión.
Estado ConfiguracionLimite(EstadoDiseno& e) {
    FijarDominio(e, DominioDeformacion::TresCuatro);
    FijarProfundidad(e, e.xlim);
    e.epsC = ehe98::EpsilonCU;
    e.epsS1 = (e.d / e.x - 1.0) * ehe98::EpsilonCU;
    e.epsS2 = (1.0 - (e.d2 / e.d) / e.xiLim) * ehe98::EpsilonCU;
    return TensionA2(e, e.epsS2) ? Correcto() : SinTension();
}

struct Excentricidades {
    double e1, e2, eLimite, eCentrada;
};

Excentricidades CalcularExcentricidades(const EstadoDiseno& e) {
    Excentricidades r{};
    r.e1 = e.e0 + (e.d - e.d1) / 2.0;
    r.e2 = std::fabs(e.e0 - (e.h / 2.0 - e.d2));
    r.eLimite = (e.h / 2.0 - e.d2) - (e.yLim - e.d2) * e.Clim / e.Nd;
    r.eCentrada = (e.h / 2.0 - e.d2) * (1.0 - ehe98::Cansancio * e.fcd * e.b * e.h / e.Nd);
    return r;
}

} // namespace

Resultado<double> TensionCalculo(const EstadoDiseno& e, double eps) {
    const double s = TensionAcero(e, eps, e.fyd);
    if (std::isnan(s))
        return Resultado<double>::Error(MensajeFueraDiagramaActivo);
    return s;
}

namespace {

// Momentos respecto de A1 (M1) con el axil N: configuración límite si M1 > Mlim; si no,
// búsqueda con Cc·(d − yc) > M1 y sin armadura de compresión. Después, el mínimo mecánico.
// Es la flexión simple (N = 0) y la gran excentricidad de la flexión compuesta; `M` es el símbolo
// de M1 en la traza.
Estado FlexionRespectoDeA1(EstadoDiseno& e, double M1, double N, Busqueda modo, Traza* t,
                           const char* M) {
    const bool limite = M1 > e.Mlim;
    if (limite) {
        if (auto r = ConfiguracionLimite(e); !r)
            return r;
        e.As2 = ((M1 - e.Mlim) / (e.d - e.d2)) / e.sigmaS2;
        e.U2 = e.As2 * e.fyd;
        e.U1 = e.As2 * e.sigmaS2 + e.Clim - N;
        e.As1 = e.U1 / e.fyd;
    } else {
        if (auto r = SinTope(BuscarMomentoA1(e, M1, modo)); !r)
            return r;
        e.U1 = e.Cc - N;
        e.U2 = 0.0;
        e.As2 = 0.0;
        DominioPorProfundidad(e);
        e.As1 = e.U1 / e.fyd;
    }
    if (t)
        pasos::PasosRespectoDeA1(*t, e, M1, N, M, limite);
    const double As1 = e.As1;
    const bool minimo = MinimoMecanico(e);
    if (minimo) {
        e.CuantiaMecanica = true;
        e.U1 = e.As1 * e.fyd;
    }
    if (t)
        pasos::PasosMinimoMecanico(*t, e, As1, e.As1, minimo);
    return Correcto();
}

// A2 con la tensión de su deformación epsS2 para completar el axil Nd; U2 := As2·f, elevada a
// 0.05·Nd si no llega (con el aviso de compresión mínima si se pide). `As1` es el área de A1
// antes del mínimo mecánico, que se aplicó si `minimo`: para la traza.
Estado CompletarA2(EstadoDiseno& e, double f, bool aviso, Traza* t, double As1, bool minimo) {
    if (!TensionA2(e, e.epsS2))
        return SinTension();
    const double Nd = e.Nd;
    e.As2 = (Nd - e.Cc) / e.sigmaS2;
    const double equilibrio = e.As2;
    e.U2 = e.As2 * f;
    const bool elevada = e.U2 < 0.05 * Nd;
    if (elevada) {
        e.MinimaCompresion = e.MinimaCompresion || aviso;
        e.U2 = 0.05 * Nd;
        e.As2 = e.U2 / f;
    }
    if (t)
        pasos::PasosArmadurasPequenaExcentricidad(*t, e, f, equilibrio, elevada, As1, minimo);
    return Correcto();
}

// A. Gran excentricidad: momentos respecto de A1, y A2 al menos 0.05·Nd.
Estado GranExcentricidad(EstadoDiseno& e, const Excentricidades& ex, Busqueda modo, Traza* t) {
    const double Nd = e.Nd;
    if (t)
        pasos::PasosGranExcentricidad(*t, e, ex.e1, Nd * ex.e1);
    if (auto r = FlexionRespectoDeA1(e, Nd * ex.e1, Nd, modo, t, "M<sub>1</sub>"); !r)
        return r;
    if (e.U2 < 0.05 * Nd) {
        e.MinimaCompresion = true;
        e.U2 = 0.05 * Nd;
        e.As2 = e.U2 / e.fyd;
        if (t)
            pasos::PasosCompresionMinima(*t, e);
    }
    return Correcto();
}

// B. Pequeña excentricidad: momentos respecto de A2 sin contar A1.
Estado PequenaExcentricidad(EstadoDiseno& e, const Excentricidades& ex, Busqueda modo,
                            Traza* t) {
    e.CuantiaMecanica = true;
    const double Nd = e.Nd;
    if (auto r = SinTope(BuscarMomentoA2(e, Nd * ex.e2, modo)); !r)
        return r;
    if (t)
        pasos::PasosPequenaExcentricidad(*t, e, ex.e2, Nd * ex.e2);
    e.U1 = 0.05 * Nd;
    const double x = e.x;
    if (x > e.h) {
        // Dominio 5: εc0 a 3h/7 de la fibra superior.
        const double p = x - e.h * 3.0 * (1.0 / 7.0);
        FijarDominio(e, DominioDeformacion::Cinco);
        e.epsC = ehe98::EpsilonC0 * x / p;
        e.epsCInf = ehe98::EpsilonC0 * (x - e.h) / p;
        e.As1 = e.U1 / e.fycd;
        e.epsS2 = ehe98::EpsilonC0 * (x - e.d2) / p;
        return CompletarA2(e, e.fycd, false, t, e.As1, false);
    }
    FijarDominio(e, x > e.d ? DominioDeformacion::CuatroA : DominioDeformacion::Cuatro);
    e.As1 = e.U1 / e.fyd;
    const double As1 = e.As1;
    const bool minimo = x < e.d && MinimoMecanico(e);
    e.epsC = ehe98::EpsilonCU;
    e.epsS1 = std::fabs(e.d / x - 1.0) * ehe98::EpsilonCU;
    e.epsS2 = (1.0 - e.d2 / x) * ehe98::EpsilonCU;
    return CompletarA2(e, e.fyd, true, t, As1, minimo);
}

// C. Compresión casi centrada: toda la sección a εc0, bloque Cansancio·fcd·b·h a media altura.
Estado CompresionCentrada(EstadoDiseno& e, const Excentricidades& ex, Traza* t) {
    const double Nd = e.Nd;
    const double bloque = ehe98::Cansancio * e.fcd * e.b * e.h;
    FijarDominio(e, DominioDeformacion::Cinco);
    FijarSeccionComprimida(e);
    e.epsC = ehe98::EpsilonC0;
    e.epsCInf = ehe98::EpsilonC0;
    e.U1 = (Nd * ex.e2 - bloque * (e.h / 2.0 - e.d2)) / (e.d - e.d2);
    e.U2 = Nd - bloque - e.U1;
    const double U1 = e.U1, U2 = e.U2;
    const bool cinco1 = e.U1 < 0.05 * Nd, cinco2 = e.U2 < 0.05 * Nd;
    if (cinco1) {
        e.CuantiaMecanica = true;
        e.U1 = 0.05 * Nd;
    }
    if (cinco2) {
        e.CuantiaMecanica = true;
        e.U2 = 0.05 * Nd;
    }
    e.As1 = e.U1 / e.fycd;
    e.As2 = e.U2 / e.fycd;
    if (t)
        pasos::PasosCompresionCentrada(*t, e, ex.e2, bloque, U1, U2, cinco1, cinco2);
    return Correcto();
}

// L. Gran excentricidad simétrica: equilibrio de fuerzas con las dos caras iguales.
Estado GranExcentricidadSimetrica(EstadoDiseno& e, const Excentricidades& ex, double& AsCara,
                                  Busqueda modo) {
    if (auto r = SinTope(BuscarEquilibrioSimetrico(e, e.Nd * ex.e1, AsCara, modo)); !r)
        return r;
    const double x = e.x;
    if (x <= e.d * 7.0 / 27.0)
        FijarDominio(e, DominioDeformacion::Dos);
    else if (x <= e.xlim)
        FijarDominio(e, DominioDeformacion::Tres);
    else if (x <= e.d)
        FijarDominio(e, DominioDeformacion::Cuatro);
    else
        FijarDominio(e, DominioDeformacion::CuatroA);
    return Correcto();
}

// S. Pequeña excentricidad simétrica: momentos respecto de A2; pasado 5·h, toda la sección
// comprimida con deformación uniforme (XSeccionComprimida).
Estado PequenaExcentricidadSimetrica(EstadoDiseno& e, const Excentricidades& ex, double& AsCara,
                                     Busqueda modo) {
    const double Nd = e.Nd;
    const FinBusqueda r = BuscarMomentoA2(e, Nd * ex.e2, modo);
    if (!r)
        return r.error();
    const double x = e.x;
    if (!*r) {
        FijarDominio(e, DominioDeformacion::Cinco);
        FijarSeccionComprimida(e);
        e.epsC = ehe98::EpsilonC0;
        e.epsCInf = ehe98::EpsilonC0;
        if (!TensionA2(e, ehe98::EpsilonC0))
            return SinTension();
        AsCara =
            ((Nd * ex.e1 - ehe98::Cansancio * e.fcd * e.b * e.h * (e.h / 2.0 - e.d1)) / e.sigmaS2) /
            (e.d - e.d2);
    } else if (x > e.h) {
        const double p = x - 3.0 * e.h / 7.0;
        FijarDominio(e, DominioDeformacion::Cinco);
        e.epsS1 = (x - e.d) * ehe98::EpsilonC0 / p;
        e.epsS2 = (x - e.d2) * ehe98::EpsilonC0 / p;
        if (!TensionA2(e, e.epsS2))
            return SinTension();
        AsCara = (Nd - e.Cc) / e.sigmaS2;
    } else {
        FijarDominio(e, x > e.d ? DominioDeformacion::CuatroA : DominioDeformacion::Cuatro);
        e.epsS1 = std::fabs(e.d / x - 1.0) * ehe98::EpsilonCU;
        e.epsS2 = (x - e.d2) * ehe98::EpsilonCU / x;
        if (!TensionA2(e, e.epsS2))
            return SinTension();
        AsCara = (Nd - e.Cc) / e.sigmaS2;
    }
    return Correcto();
}

// T. Cola común de la simétrica: las dos caras iguales.
void CarasIguales(EstadoDiseno& e, double AsCara, Traza* t) {
    e.As1 = AsCara;
    if (e.As1 < 0.04 * e.fcd * e.b * e.h / e.fyd && e.Dominio != CodigoDominio(DominioDeformacion::Cinco)) {
        e.CuantiaMecanica = true;
        e.As1 = e.As1 * (1.5 - 12.5 * e.As1 * e.fyd / (e.b * e.h * e.fcd));
    }
    e.As2 = e.As1;
    e.U1 = e.As1 * (e.Dominio == CodigoDominio(DominioDeformacion::Cinco) ? e.fycd : e.fyd);
    const double U = e.U1;
    const bool cinco = e.U1 < 0.05 * e.Nd;
    if (cinco) {
        e.CuantiaMecanica = true;
        e.U1 = 0.05 * e.Nd;
    }
    e.U2 = e.U1;
    if (t)
        pasos::PasosCarasIguales(*t, e, U, cinco);
}

} // namespace

Estado FlexionSimple(EstadoDiseno& e, Busqueda modo, Traza* traza) {
    return FlexionRespectoDeA1(e, e.Md, 0.0, modo, traza, "M<sub>d</sub>");
}

Estado FlexionCompuesta(EstadoDiseno& e, Busqueda modo, Traza* traza) {
    const auto ex = CalcularExcentricidades(e);
    if (traza)
        pasos::PasosExcentricidades(*traza, e, ex.e1, ex.e2, ex.eLimite, ex.eCentrada);
    if (e.e0 >= ex.eLimite)
        return GranExcentricidad(e, ex, modo, traza);
    if (e.e0 >= ex.eCentrada)
        return PequenaExcentricidad(e, ex, modo, traza);
    return CompresionCentrada(e, ex, traza);
}

Estado FlexionCompuestaSimetrica(EstadoDiseno& e, Busqueda modo, Traza* traza) {
    const auto ex = CalcularExcentricidades(e);
    if (traza)
        pasos::PasosExcentricidades(*traza, e, ex.e1, ex.e2, ex.eLimite, ex.eCentrada);
    const bool grande = e.e0 >= ex.eLimite;
    double AsCara = 0.0;
    const Estado r = grande ? GranExcentricidadSimetrica(e, ex, AsCara, modo)
                            : PequenaExcentricidadSimetrica(e, ex, AsCara, modo);
    if (!r)
        return r;
    if (traza)
        pasos::PasosSimetrica(*traza, e, grande);
    CarasIguales(e, AsCara, traza);
    return Correcto();
}

} // namespace velmora
