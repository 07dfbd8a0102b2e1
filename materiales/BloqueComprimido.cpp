#include "materiales/BloqueComprimido.h"
#include "materiales/ehe98/Leyes.h"

#include <cmath>

namespace velmora {

double AreaDiagrama(double E, double fcd) {
    if (E <= ehe98::EpsilonC0)
        return fcd * 850.0 * (E * E / 2.0 - 250.0 * E * E * E / 3.0);
    // εc0·2/3: área de la parábola.
    return fcd * ehe98::Cansancio * (E + ehe98::EpsilonC0 / 1.5 - ehe98::EpsilonC0);
}

double CentroDiagrama(double E) {
    if (E <= ehe98::EpsilonC0)
        return E * (125.0 * E - 1.0) / (500.0 * E - 3.0);
    return (1500000.0 * E * E + 1.0 - 2000.0 * E) / (3000000.0 * E - 2000.0);
}

double TensionHormigon(double eps, double fcd) {
    if (!(eps > 0.0))
        return 0.0;
    if (eps <= ehe98::EpsilonC0)
        return ehe98::Cansancio * fcd * (1000.0 * eps - 250000.0 * eps * eps);
    return ehe98::Cansancio * fcd;
}

void BloqueComprimido(EstadoDiseno& e, double x) {
    if (!(x > 0.0) || !std::isfinite(x)) {
        e.Cc = e.yc = e.epsC = 0.0;
        return;
    }
    const double h = e.h;
    const double d = e.d;
    const double pivote = d * 7.0 / 27.0;      // cruce de los pivotes del acero y del hormigón
    const double tresSeptimos = h * 3.0 / 7.0; // pivote de la sección toda comprimida

    // 1. Deformaciones por pivotes.
    if (x <= pivote) {
        e.epsC = 0.01 * x / (d - x);
    } else if (x <= h) {
        e.epsC = ehe98::EpsilonCU;
    } else {
        e.epsC = ehe98::EpsilonC0 * x / (x - tresSeptimos);
        e.epsCInf = ehe98::EpsilonC0 * (x - h) / (x - tresSeptimos);
    }

    // 2. Bloque de ancho completo entre la fibra superior y min(x, h).
    const double fcd = e.fcd;
    const double aSup = AreaDiagrama(e.epsC, fcd);
    const double cSup = CentroDiagrama(e.epsC);
    double A = aSup;
    double c = cSup;
    if (x > h) {
        const double aInf = AreaDiagrama(e.epsCInf, fcd);
        A = aSup - aInf;
        c = (aSup * cSup - aInf * (CentroDiagrama(e.epsCInf) + e.epsC - e.epsCInf)) / A;
    }

    // 3. Rectángulo, o sección en T con la fibra neutra en la cabeza.
    if (e.SeccionRectangular || x <= e.hf) {
        e.yc = x * c / e.epsC;
        e.Cc = e.b * x * A / e.epsC;
        return;
    }

    // 4. Sección en T: el alma toma el bloque completo y las alas el tramo de 0 a hf.
    double Ef;
    if (x <= pivote)
        Ef = 0.01 * (x - e.hf) / (d - x);
    else if (x <= h)
        Ef = ehe98::EpsilonCU * (1.0 - e.hf / x);
    else
        Ef = ehe98::EpsilonC0 * (x - e.hf) / (x - tresSeptimos);
    const double aF = AreaDiagrama(Ef, fcd);
    const double Af = aSup - aF;
    const double cf = (aSup * cSup - aF * (CentroDiagrama(Ef) + e.epsC - Ef)) / Af;
    const double alas = e.b - e.bw;
    const double S = e.bw * A + alas * Af;
    e.yc = x * (c * e.bw * A + cf * alas * Af) / e.epsC / S;
    e.Cc = x * S / e.epsC;
}

} // namespace velmora
