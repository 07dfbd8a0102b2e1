#include "section/ce/Seccion.h"

#include "design/MaterialesDelEstado.h"
#include "section/DimensionarSeccion.h"
#include "section/Interaccion.h"
#include "section/ce/PasosSeccion.h"
#include "section/ce/Ecuaciones.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace velmora::ce {

namespace {

constexpr double Infinito = std::numeric_limits<double>::infinity();

// Profundidad de la fibra neutra para s ∈ [0, 1]: x = h·s/(1 − s), infinita en s = 1.
double XDeS(double h, double s) {
    return s >= 1.0 ? Infinito : h * s / (1.0 - s);
}

// Primer s de [lo, hi] con f(s) > 0, siendo f ≤ 0 en lo y > 0 en hi y de un solo cambio de signo:
// bisección con a lo sumo 200 pasos (se para antes cuando el intervalo ya no se estrecha).
template <typename F> double Biseccion(F f, double lo, double hi) {
    for (int i = 0; i < 200; ++i) {
        const double m = 0.5 * (lo + hi);
        if (!(m > lo && m < hi))
            break;
        (f(m) > 0.0 ? hi : lo) = m;
    }
    return hi;
}

// Guarda la fibra neutra x, el bloque y las deformaciones de las armaduras (epsS1 alargamiento,
// epsS2 acortamiento) y sus tensiones de compresión.
void GuardarPlano(EstadoDiseno& e, const LeyesSeccion& l, double x) {
    const BloqueHormigon b = Bloque(e, l.hormigon, x);
    e.Cc = b.Cc;
    e.yc = b.yc;
    if (std::isinf(x))
        FijarSeccionComprimida(e);
    else
        FijarProfundidad(e, std::max(x, 0.0));
    if (!(x > 0.0)) {
        e.epsC = e.epsS1 = e.epsS2 = e.sigmaS2 = e.sigmaS1 = 0.0;
        return;
    }
    const PlanoDeformacion p = PlanoUltimo(l.hormigon, e.h, x);
    e.epsC = p.epsSup;
    if (x > e.h)
        e.epsCInf = DeformacionEn(p, e.h);
    e.epsS1 = -DeformacionEn(p, e.d);
    e.epsS2 = DeformacionEn(p, e.d2);
    e.sigmaS1 = TensionAceroLey(l.acero, -e.epsS1);
    e.sigmaS2 = TensionAceroLey(l.acero, e.epsS2);
}

// Dominio por la profundidad de la fibra neutra (sin dominio 2: no hay pivote en el acero).
void DominioPorProfundidad(EstadoDiseno& e, double x) {
    if (std::isinf(x) || x > e.h)
        FijarDominio(e, DominioDeformacion::Cinco);
    else if (x > e.d)
        FijarDominio(e, DominioDeformacion::CuatroA);
    else if (x > e.xlim)
        FijarDominio(e, DominioDeformacion::Cuatro);
    else
        FijarDominio(e, DominioDeformacion::Tres);
}

// Momentos respecto de A1 (M1) con el axil N: armadura de compresión en xlim si M1 > Mlim; si no,
// la fibra neutra con Cc·(d − yc) = M1. Deja U1 = fuerza de A1 (negativa si A1 tendría que
// comprimir) y devuelve cuál de las dos ramas tomó.
pasos::Rama RespectoDeA1(EstadoDiseno& e, const LeyesSeccion& l, double M1, double N) {
    if (M1 > e.Mlim) {
        GuardarPlano(e, l, e.xlim);
        FijarDominio(e, DominioDeformacion::TresCuatro);
        e.As2 = ((M1 - e.Mlim) / (e.d - e.d2)) / e.sigmaS2;
        e.U2 = e.As2 * l.acero.fyd;
        e.U1 = e.As2 * e.sigmaS2 + e.Clim - N;
        return pasos::Rama::Limite;
    }
    double x = 0.0;
    if (M1 > 0.0) {
        const auto f = [&](double xi) {
            const BloqueHormigon b = Bloque(e, l.hormigon, xi);
            return b.Cc * (e.d - b.yc) - M1;
        };
        x = Biseccion(f, 0.0, e.xlim);
    }
    GuardarPlano(e, l, x);
    FijarDominio(e, DominioDeformacion::Tres);
    e.U1 = e.Cc - N;
    e.U2 = e.As2 = 0.0;
    return pasos::Rama::RespectoDeA1;
}

// El hormigón con εc2 uniforme: resultante y profundidad (centro de gravedad de la sección).
BloqueHormigon BloqueUniforme(const EstadoDiseno& e, const LeyesSeccion& l) {
    return Bloque(e, l.hormigon, Infinito);
}

// La menor área A con la que el diagrama de interacción de la sección con las armaduras
// `armaduras(A)` = (A1, A2) contiene (Nd, Md), por bisección sobre A. Para las cargas que piden
// comprimir más la cara inferior (p. ej. una T muy comprimida, cuyo centro de gravedad queda por
// encima de la mitad del canto), que los planos con la cara superior más comprimida no alcanzan.
// Nada si ni con el área de toda la sección basta.
template <typename Armaduras>
std::optional<double> AreaPorDiagrama(const EstadoDiseno& e, const LeyesSeccion& l,
                                      double inicial, Armaduras armaduras) {
    const MaterialesInteraccion m = MaterialesDeLeyes(l);
    const auto resiste = [&](double A) {
        const auto [A1, A2] = armaduras(A);
        const auto d = CalcularInteraccion(m, SeccionDelEstado(e, A1, A2));
        return d.ok() && ComprobarCombinacion(d.valor(), {"", e.Nd, e.Md}).Cumple;
    };
    const double tope = 2.0 * e.b * e.h; // más que la sección: CalcularInteraccion lo rechaza
    double hi = std::max(1.0, inicial), lo = 0.0;
    while (!resiste(hi)) {
        if (hi > tope)
            return std::nullopt;
        lo = hi, hi *= 2.0;
    }
    for (int i = 0; i < 40; ++i) { // 2⁻⁴⁰ del intervalo de partida
        const double medio = 0.5 * (lo + hi);
        (resiste(medio) ? hi : lo) = medio;
    }
    return hi;
}

// Sección toda comprimida con εc2 uniforme: momentos respecto de A2 y equilibrio de fuerzas con
// las dos armaduras a la tensión de εc2.
Estado CompresionUniforme(EstadoDiseno& e, const LeyesSeccion& l, double M2) {
    GuardarPlano(e, l, Infinito);
    e.epsCInf = e.epsC;
    FijarDominio(e, DominioDeformacion::Cinco);
    const double sigma = TensionAceroLey(l.acero, l.hormigon.epsC2);
    const double F1 = (M2 - e.Cc * (e.yc - e.d2)) / (e.d - e.d2);
    const double F2 = e.Nd - e.Cc - F1;
    e.As1 = std::max(0.0, F1) / sigma;
    e.As2 = std::max(0.0, F2) / sigma;
    if (F1 >= 0.0 && F2 >= 0.0)
        return Correcto();
    // Una cara que saldría traccionada no existe con εc2 uniforme: la otra sola por el diagrama
    // y, si no basta, las dos iguales.
    const bool sinA2 = F2 < 0.0;
    auto A = AreaPorDiagrama(e, l, sinA2 ? e.As1 : e.As2, [&](double a) {
        return sinA2 ? std::pair{a, 0.0} : std::pair{0.0, a};
    });
    if (A) {
        (sinA2 ? e.As1 : e.As2) = *A;
        return Correcto();
    }
    A = AreaPorDiagrama(e, l, e.As1 + e.As2, [](double a) { return std::pair{a, a}; });
    if (!A)
        return Estado::Error(MensajeSinEquilibrio);
    e.As1 = e.As2 = *A;
    return Correcto();
}

// Sin A1 (no hace falta a tracción): Cc·(yc − d2) = M2 respecto de A2 y A2 completa el axil.
Estado RespectoDeA2(EstadoDiseno& e, const LeyesSeccion& l, double M2) {
    const BloqueHormigon u = BloqueUniforme(e, l);
    if (!(M2 < u.Cc * (u.yc - e.d2)))
        return CompresionUniforme(e, l, M2);
    const auto f = [&](double s) {
        const BloqueHormigon b = Bloque(e, l.hormigon, XDeS(e.h, s));
        return b.Cc * (b.yc - e.d2) - M2;
    };
    const double x = XDeS(e.h, Biseccion(f, 0.0, 1.0));
    GuardarPlano(e, l, x);
    DominioPorProfundidad(e, x);
    e.As1 = 0.0;
    e.As2 = e.sigmaS2 > 0.0 ? std::max(0.0, (e.Nd - e.Cc) / e.sigmaS2) : 0.0;
    return Correcto();
}

Estado FlexionNoSimetrica(EstadoDiseno& e, const LeyesSeccion& l, Traza* t) {
    const double M1 = e.Md + e.Nd * (e.h / 2.0 - e.d1);
    if (t)
        pasos::PasosCaso(*t, e, M1);
    pasos::Rama rama = RespectoDeA1(e, l, M1, e.Nd);
    if (e.U1 >= 0.0 || e.Nd <= 0.0) {
        e.As1 = std::max(0.0, e.U1) / l.acero.fyd;
    } else {
        // A1 tendría que comprimir: el axil pide más compresión que la del bloque.
        const double M2 = e.Nd * (e.h / 2.0 - e.d2) - e.Md;
        if (t)
            pasos::PasoMomentoA2(*t, e, M2);
        if (M2 >= 0.0) {
            if (auto r = RespectoDeA2(e, l, M2); !r)
                return r;
            rama = pasos::Rama::RespectoDeA2;
        } else {
            e.As1 = 0.0;
        }
    }
    e.U1 = e.As1 * l.acero.fyd;
    e.U2 = e.As2 * l.acero.fyd;
    if (t)
        pasos::PasosArmaduras(*t, e, l, M1, rama);
    return Correcto();
}

// --- Armadura simétrica ---

// Ecuaciones de la sección simétrica en la fibra neutra x: el área de cada cara que da el momento
// M1 respecto de A1 y lo que sobra del equilibrio de fuerzas con ella.
struct Simetrica {
    double As = 0.0, residuo = 0.0;
    bool valida = false; // la tensión de A2 no es nula
};

Simetrica EcuacionesSimetricas(const EstadoDiseno& e, const LeyesSeccion& l, double x, double M1) {
    const BloqueHormigon b = Bloque(e, l.hormigon, x);
    const PlanoDeformacion p = PlanoUltimo(l.hormigon, e.h, x);
    const double s2 = TensionAceroLey(l.acero, DeformacionEn(p, e.d2));
    const double s1 = TensionAceroLey(l.acero, DeformacionEn(p, e.d));
    Simetrica r;
    if (s2 == 0.0)
        return r;
    r.valida = true;
    r.As = (M1 - b.Cc * (e.d - b.yc)) / (s2 * (e.d - e.d2));
    r.residuo = b.Cc + r.As * (s2 + s1) - e.Nd;
    return r;
}

// Las soluciones (x, As ≥ 0) de las dos ecuaciones se buscan en una rejilla de s y se afinan por
// bisección en cada cambio de signo; rige la de menor área. Sin ninguna, εc2 uniforme con el área
// mayor de las dos ecuaciones.
constexpr int PuntosRejilla = 400;

Estado FlexionSimetrica(EstadoDiseno& e, const LeyesSeccion& l, Traza* t) {
    const double M1 = e.Md + e.Nd * (e.h / 2.0 - e.d1);
    if (t)
        pasos::PasosCaso(*t, e, M1);
    double mejorX = -1.0, mejorAs = Infinito;
    Simetrica previa = EcuacionesSimetricas(e, l, XDeS(e.h, 0.5 / PuntosRejilla), M1);
    double sPrevia = 0.5 / PuntosRejilla;
    for (int i = 1; i <= PuntosRejilla; ++i) {
        const double s = static_cast<double>(i) / PuntosRejilla;
        const Simetrica r = EcuacionesSimetricas(e, l, XDeS(e.h, s), M1);
        if (r.valida && previa.valida && (previa.residuo > 0.0) != (r.residuo > 0.0)) {
            const double signo = r.residuo > 0.0 ? 1.0 : -1.0;
            const double sr = Biseccion(
                [&](double t) {
                    return signo * EcuacionesSimetricas(e, l, XDeS(e.h, t), M1).residuo;
                },
                sPrevia, s);
            const double x = XDeS(e.h, sr);
            const Simetrica c = EcuacionesSimetricas(e, l, x, M1);
            // Un cambio de signo a través del polo de As (tensión de A2 nula) no es solución.
            const bool raiz = std::fabs(c.residuo) <= 1e-6 * (e.Nd + std::fabs(c.As) * l.acero.fyd);
            if (c.valida && raiz && c.As >= 0.0 && c.As < mejorAs)
                mejorX = x, mejorAs = c.As;
        }
        previa = r;
        sPrevia = s;
    }
    if (mejorX < 0.0) {
        mejorX = Infinito;
        const auto A = AreaPorDiagrama(e, l, e.Nd / (2.0 * l.acero.fyd),
                                       [](double a) { return std::pair{a, a}; });
        if (!A)
            return Estado::Error(MensajeSinEquilibrio);
        mejorAs = *A;
    }
    GuardarPlano(e, l, mejorX);
    if (std::isinf(mejorX))
        e.epsCInf = e.epsC;
    DominioPorProfundidad(e, mejorX);
    e.As1 = e.As2 = mejorAs;
    e.U1 = e.U2 = mejorAs * l.acero.fyd;
    if (t)
        pasos::PasosArmaduras(*t, e, l, M1, pasos::Rama::RespectoDeA1);
    return Correcto();
}

} // namespace

void CalcularLimites(EstadoDiseno& e, const LeyesSeccion& l, Traza* traza) {
    e.d = e.h - e.d1;
    e.xiLim = XiLim(l.hormigon.epsCU2, l.acero.fyd, l.acero.Es);
    e.xlim = e.xiLim * e.d;
    const BloqueHormigon b = Bloque(e, l.hormigon, e.xlim);
    e.yLim = b.yc;
    e.Clim = b.Cc;
    e.Mlim = (e.d - e.yLim) * e.Clim;
    if (traza)
        pasos::PasosLimites(*traza, e, l, b);
}

Estado DimensionarCaso(EstadoDiseno& e, const LeyesSeccion& l, Traza* traza) {
    if (e.Nd > 0.0 && e.Simetrica)
        return FlexionSimetrica(e, l, traza);
    return FlexionNoSimetrica(e, l, traza);
}

Resultado<MomentoResultado> MomentoAgotamiento(EstadoDiseno& e, const ArmaduraDada& a,
                                               const LeyesSeccion& l, Traza* traza) {
    const double A1 = a.Traccionada ? a.As1Dada : 0.0;
    const double A2 = a.Comprimida ? a.As2Dada : 0.0;
    MomentoResultado m;
    // Tracción de A1 menos compresión de A2 y del hormigón: decrece con x.
    const auto desequilibrio = [&](double x) {
        const BloqueHormigon b = Bloque(e, l.hormigon, x);
        const PlanoDeformacion p = PlanoUltimo(l.hormigon, e.h, x);
        m.Fs1 = -A1 * TensionAceroLey(l.acero, DeformacionEn(p, e.d));
        m.Fs2 = A2 * TensionAceroLey(l.acero, DeformacionEn(p, e.d2));
        return (m.Fs1 - m.Fs2) - b.Cc;
    };
    double x = 0.0;
    if (A1 + A2 > 0.0)
        x = XDeS(e.h, Biseccion([&](double s) { return -desequilibrio(XDeS(e.h, s)); }, 0.0, 1.0));
    GuardarPlano(e, l, x);
    if (x > 0.0) {
        desequilibrio(x);
        DominioPorProfundidad(e, x);
    } else {
        m.Fs1 = m.Fs2 = 0.0;
        FijarDominio(e, DominioDeformacion::Tres);
    }
    const double mitad = e.h / 2.0;
    m.Mu = m.Fs1 * (mitad - e.d1) + m.Fs2 * (mitad - e.d2) + e.Cc * (mitad - e.yc);
    if (!std::isfinite(m.Mu))
        return Resultado<MomentoResultado>::Error(MensajeValoresNoFinitos);
    if (traza)
        pasos::PasosMomento(*traza, e, a, m, l);
    return m;
}

} // namespace velmora::ce
