#include "section/MomentoAgotamiento.h"
#include "materiales/ehe98/Leyes.h"

#include "common/Numeros.h"
#include "materiales/BloqueComprimido.h"
#include "section/DimensionarSeccion.h"
#include "design/MaterialesDelEstado.h"
#include "section/PasosBusqueda.h"
#include "section/PasosSeccion.h"
#include "materiales/LeyesSeccion.h"
#include "section/ce/Seccion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velmora {

namespace {

// Fuerzas de las armaduras en el paso actual (bloque ya evaluado en e.x) y condición de parada:
// la compresión alcanza a la tracción, (Fs1 − Fs2) − Cc < 0.001 N.
Resultado<bool> Equilibrio(EstadoDiseno& e, const ArmaduraDada& a, MomentoResultado& m) {
    const double x = e.x;
    if (x > e.xlim) {
        // Dominio 4: la armadura traccionada no llega a la cedencia.
        FijarDominio(e, DominioDeformacion::Cuatro);
        e.epsS1 = ehe98::EpsilonCU * (e.d - x) / x;
        m.Fs1 = a.Traccionada ? a.As1Dada * TensionAcero(e, e.epsS1, e.fyd) : 0.0;
        e.epsS2 = ehe98::EpsilonCU * (x - e.d2) / x;
    } else {
        m.Fs1 = a.Traccionada ? a.As1Dada * e.fyd : 0.0;
        if (x > e.d * 7.0 / 27.0) {
            FijarDominio(e, DominioDeformacion::Tres);
            e.epsS2 = ehe98::EpsilonCU * (x - e.d2) / x;
        } else {
            FijarDominio(e, DominioDeformacion::Dos);
            e.epsS2 = 0.01 * (x - e.d2) / (e.d - x);
        }
    }
    m.Fs2 = a.Comprimida ? a.As2Dada * TensionAcero(e, e.epsS2, e.fyd) : 0.0;
    if (std::isnan(m.Fs1) || std::isnan(m.Fs2))
        return Resultado<bool>::Error(MensajeFueraDiagramaActivo);
    return (m.Fs1 - m.Fs2) - e.Cc < 0.001;
}

// Búsqueda de referencia: x := x + 0.01 desde 0 hasta la parada; pasar de 5·h es no llegar.
FinBusqueda PasoAPaso(EstadoDiseno& e, const ArmaduraDada& a, MomentoResultado& m) {
    const double tope = 5.0 * e.h;
    double x = 0.0;
    for (;;) {
        x += 0.01;
        FijarProfundidad(e, x);
        BloqueComprimido(e, x);
        const auto r = Equilibrio(e, a, m);
        if (!r || *r)
            return r;
        if (x > tope)
            return false;
    }
}

// Con acero pasivo, Fs1 no crece con x (la deformación de A1 decrece, y con x > xlim su tensión
// no pasa de fyd), Fs2 no decrece (la de A2 crece) y Cc crece: (Fs1 − Fs2) − Cc decrece y la
// parada, una vez cierta, lo sigue siendo. La condición se mira también en el paso que pasa de
// 5·h, antes del tope.
FinBusqueda Rapida(EstadoDiseno& e, const ArmaduraDada& a, MomentoResultado& m) {
    const std::int64_t kTope = PrimerPasoMayorQue(5.0 * e.h);
    const EstadoDiseno inicial = e;
    const auto parada = [&] { return Equilibrio(e, a, m); };
    const std::int64_t k = PrimerPasoMonotono(e, kTope, parada);
    e = inicial; // epsS1 sólo lo escriben los pasos con x > xlim
    EvaluarPaso(e, std::min(k, kTope));
    return parada();
}

} // namespace

Resultado<MomentoResultado> CalcularMomentoAgotamiento(EstadoDiseno& e, const ArmaduraDada& a,
                                                       Busqueda modo, Traza* traza) {
    using R = Resultado<MomentoResultado>;
    if (auto r = ComprobarMateriales(e); !r)
        return r.error();
    if (!std::isfinite(a.As1Dada) || a.As1Dada < 0.0)
        return R::Error("El área de la armadura traccionada no es válida.", "AreaTraccionada");
    if (!std::isfinite(a.As2Dada) || a.As2Dada < 0.0)
        return R::Error("El área de la armadura comprimida no es válida.", "AreaComprimida");
    if (!(e.h > 0.0) || !(e.d > 0.0) || !(e.xlim > 0.0) || e.h > 20000.0)
        return R::Error("Los datos de la sección no son válidos: calcule desde la ventana de "
                        "datos de la sección.");

    switch (e.norma) {
    case Norma::CodigoEstructural:
        return ce::MomentoAgotamiento(e, a, LeyesDelEstado(e), traza);
    case Norma::EHE98:
        break;
    }
    MomentoResultado m;
    // Con armadura activa la tensión puede faltar en una banda de deformaciones: paso a paso.
    const FinBusqueda r = modo == Busqueda::Rapida && e.ArmaduraPasiva ? Rapida(e, a, m)
                                                                       : PasoAPaso(e, a, m);
    if (!r)
        return r.error();
    if (!*r)
        return R::Error(MensajeSinEquilibrio);
    const double x = e.x;
    if (e.Dominio != CodigoDominio(DominioDeformacion::Dos))
        e.epsS1 = ehe98::EpsilonCU * (e.d - x) / x;
    const double mitad = e.h / 2.0;
    m.Mu = m.Fs1 * (mitad - e.d1) + m.Fs2 * (mitad - e.d2) + e.Cc * (mitad - e.yc);
    if (!std::isfinite(m.Mu))
        return R::Error(MensajeValoresNoFinitos);
    if (traza)
        pasos::PasosMomento(*traza, e, a, m);
    return m;
}

std::string TextoMomento(double Mu) {
    return Formatear(Mu * 1e-6, 10, 2) + " kN*m";
}

} // namespace velmora
