#include "section/MomentoAgotamiento.h"

#include "common/Numeros.h"
#include "section/BloqueComprimido.h"
#include "section/DimensionarSeccion.h"
#include "section/LeyesMateriales.h"

#include <cmath>

namespace velmora {

Resultado<MomentoResultado> CalcularMomentoAgotamiento(EstadoDiseno& e, const ArmaduraDada& a) {
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

    MomentoResultado m;
    const double pivote = e.d * 7.0 / 27.0;
    const double tope = 5.0 * e.h;
    double x = 0.0;
    for (;;) {
        x += 0.01;
        e.x = x;
        BloqueComprimido(e, x);
        if (x > e.xlim) {
            // Dominio 4: la armadura traccionada no llega a la cedencia.
            e.Dominio = 4;
            e.epsS1 = 0.0035 * (e.d - x) / x;
            m.Fs1 = a.Traccionada ? a.As1Dada * TensionAcero(e, e.epsS1, e.fyd) : 0.0;
            e.epsS2 = 0.0035 * (x - e.d2) / x;
        } else {
            m.Fs1 = a.Traccionada ? a.As1Dada * e.fyd : 0.0;
            if (x > pivote) {
                e.Dominio = 2;
                e.epsS2 = 0.0035 * (x - e.d2) / x;
            } else {
                e.Dominio = 1;
                e.epsS2 = 0.01 * (x - e.d2) / (e.d - x);
            }
        }
        m.Fs2 = a.Comprimida ? a.As2Dada * TensionAcero(e, e.epsS2, e.fyd) : 0.0;
        if (std::isnan(m.Fs1) || std::isnan(m.Fs2))
            return R::Error(MensajeFueraDiagramaActivo);
        if ((m.Fs1 - m.Fs2) - e.Cc < 0.001)
            break;
        if (x > tope)
            return R::Error(MensajeSinEquilibrio);
    }
    if (e.Dominio != 1)
        e.epsS1 = 0.0035 * (e.d - x) / x;
    const double mitad = e.h / 2.0;
    m.Mu = m.Fs1 * (mitad - e.d1) + m.Fs2 * (mitad - e.d2) + e.Cc * (mitad - e.yc);
    if (!std::isfinite(m.Mu))
        return R::Error(MensajeValoresNoFinitos);
    return m;
}

std::string TextoMomento(double Mu) {
    return Formatear(Mu * 1e-6, 10, 2) + " kN*m";
}

} // namespace velmora
