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

BloqueEHE98 BloqueComprimido(const GeometriaBloque& g, double fcd, double x) {
    BloqueEHE98 r;
    if (!(x > 0.0) || !std::isfinite(x))
        return r;
    const double h = g.h;
    const double d = g.d;
    const double pivote = d * 7.0 / 27.0;      // cruce de los pivotes del acero y del hormigón
    const double tresSeptimos = h * 3.0 / 7.0; // pivote de la sección toda comprimida

    // 1. Deformaciones por pivotes.
    double epsCInf = 0.0;
    if (x <= pivote) {
        r.epsC = 0.01 * x / (d - x);
    } else if (x <= h) {
        r.epsC = ehe98::EpsilonCU;
    } else {
        r.epsC = ehe98::EpsilonC0 * x / (x - tresSeptimos);
        epsCInf = ehe98::EpsilonC0 * (x - h) / (x - tresSeptimos);
        r.epsCInf = epsCInf;
    }

    // 2. Bloque de ancho completo entre la fibra superior y min(x, h).
    const double aSup = AreaDiagrama(r.epsC, fcd);
    const double cSup = CentroDiagrama(r.epsC);
    double A = aSup;
    double c = cSup;
    if (x > h) {
        const double aInf = AreaDiagrama(epsCInf, fcd);
        A = aSup - aInf;
        c = (aSup * cSup - aInf * (CentroDiagrama(epsCInf) + r.epsC - epsCInf)) / A;
    }

    // 3. Rectángulo, o sección en T con la fibra neutra en la cabeza.
    if (g.rectangular || x <= g.hf) {
        r.yc = x * c / r.epsC;
        r.Cc = g.b * x * A / r.epsC;
        return r;
    }

    // 4. Sección en T: el alma toma el bloque completo y las alas el tramo de 0 a hf.
    double Ef;
    if (x <= pivote)
        Ef = 0.01 * (x - g.hf) / (d - x);
    else if (x <= h)
        Ef = ehe98::EpsilonCU * (1.0 - g.hf / x);
    else
        Ef = ehe98::EpsilonC0 * (x - g.hf) / (x - tresSeptimos);
    const double aF = AreaDiagrama(Ef, fcd);
    const double Af = aSup - aF;
    const double cf = (aSup * cSup - aF * (CentroDiagrama(Ef) + r.epsC - Ef)) / Af;
    const double alas = g.b - g.bw;
    const double S = g.bw * A + alas * Af;
    r.yc = x * (c * g.bw * A + cf * alas * Af) / r.epsC / S;
    r.Cc = x * S / r.epsC;
    return r;
}

} // namespace velmora
