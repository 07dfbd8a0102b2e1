#include "section/CasosDiseno.h"

#include "section/BloqueComprimido.h"
#include "section/CuantiasMinimas.h"
#include "section/DimensionarSeccion.h"
#include "section/LeyesMateriales.h"

#include <cmath>

namespace velmora {

namespace {

constexpr double Paso = 0.01; // mm: paso de la búsqueda de la fibra neutra

Estado SinTension() {
    return Estado::Error(MensajeFueraDiagramaActivo);
}

// sigmaS2 := σ(eps); falso si el diagrama del acero no la da.
bool TensionA2(EstadoDiseno& e, double eps) {
    e.sigmaS2 = TensionAcero(e, eps, e.fyd);
    return !std::isnan(e.sigmaS2);
}

// Búsqueda de la fibra neutra: x := x + 0.01 desde 0, BloqueComprimido en cada paso, hasta que
// `parada` se cumpla (desigualdad estricta: la igualdad sigue buscando). Pasar de 5·h sin
// cumplirla es no alcanzar el equilibrio. `parada` puede devolver un error que corta la búsqueda.
template <typename Parada> Estado Buscar(EstadoDiseno& e, Parada parada) {
    const double tope = 5.0 * e.h;
    double x = 0.0;
    for (;;) {
        x += Paso;
        e.x = x;
        BloqueComprimido(e, x);
        if (x > tope)
            return Estado::Error(MensajeSinEquilibrio);
        const Resultado<bool> r = parada();
        if (!r)
            return r.error();
        if (*r)
            return Correcto();
    }
}

// Dominio 2 o 3 según la profundidad de la fibra neutra.
void DominioPorProfundidad(EstadoDiseno& e) {
    if (e.x > e.d * 7.0 * (1.0 / 27.0)) {
        e.Dominio = 2;
        e.epsS1 = (e.d / e.x - 1.0) * 0.0035;
    } else {
        e.Dominio = 1;
        e.epsS1 = 0.01;
    }
}

// Frontera de los dominios 3 y 4: x = xlim, con armadura de compresión.
Estado ConfiguracionLimite(EstadoDiseno& e) {
    e.Dominio = 3;
    e.x = e.xlim;
    e.epsC = 0.0035;
    e.epsS1 = (e.d / e.x - 1.0) * 0.0035;
    e.epsS2 = (1.0 - (e.d2 / e.d) / e.xiLim) * 0.0035;
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
    r.eCentrada = (e.h / 2.0 - e.d2) * (1.0 - 0.85 * e.fcd * e.b * e.h / e.Nd);
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
// Es la flexión simple (N = 0) y la gran excentricidad de la flexión compuesta.
Estado FlexionRespectoDeA1(EstadoDiseno& e, double M1, double N) {
    if (M1 > e.Mlim) {
        if (auto r = ConfiguracionLimite(e); !r)
            return r;
        e.As2 = ((M1 - e.Mlim) / (e.d - e.d2)) / e.sigmaS2;
        e.U2 = e.As2 * e.fyd;
        e.U1 = e.As2 * e.sigmaS2 + e.Clim - N;
        e.As1 = e.U1 / e.fyd;
    } else {
        const auto r = Buscar(e, [&]() -> Resultado<bool> { return e.Cc * (e.d - e.yc) > M1; });
        if (!r)
            return r;
        e.U1 = e.Cc - N;
        e.U2 = 0.0;
        e.As2 = 0.0;
        DominioPorProfundidad(e);
        e.As1 = e.U1 / e.fyd;
    }
    if (MinimoMecanico(e)) {
        e.CuantiaMecanica = true;
        e.U1 = e.As1 * e.fyd;
    }
    return Correcto();
}

} // namespace

Estado FlexionSimple(EstadoDiseno& e) {
    return FlexionRespectoDeA1(e, e.Md, 0.0);
}

Estado FlexionCompuesta(EstadoDiseno& e) {
    const auto ex = CalcularExcentricidades(e);
    const double Nd = e.Nd;

    if (e.e0 >= ex.eLimite) {
        // A. Gran excentricidad: momentos respecto de A1.
        if (auto r = FlexionRespectoDeA1(e, Nd * ex.e1, Nd); !r)
            return r;
        if (e.U2 < 0.05 * Nd) {
            e.MinimaCompresion = true;
            e.U2 = 0.05 * Nd;
            e.As2 = e.U2 / e.fyd;
        }
        return Correcto();
    }

    if (e.e0 >= ex.eCentrada) {
        // B. Pequeña excentricidad: momentos respecto de A2 sin contar A1.
        e.CuantiaMecanica = true;
        const double M2 = Nd * ex.e2;
        const auto r = Buscar(e, [&]() -> Resultado<bool> { return e.Cc * (e.yc - e.d2) > M2; });
        if (!r)
            return r;
        e.U1 = 0.05 * Nd;
        const double x = e.x;
        if (x > e.h) {
            // Dominio 5: 0.002 a 3h/7 de la fibra superior.
            const double p = x - e.h * 3.0 * (1.0 / 7.0);
            e.Dominio = 6;
            e.epsC = 0.002 * x / p;
            e.epsCInf = 0.002 * (x - e.h) / p;
            e.As1 = e.U1 / e.fycd;
            e.epsS2 = 0.002 * (x - e.d2) / p;
            if (!TensionA2(e, e.epsS2))
                return SinTension();
            e.As2 = (Nd - e.Cc) / e.sigmaS2;
            e.U2 = e.As2 * e.fycd;
            if (e.U2 < 0.05 * Nd) {
                e.U2 = 0.05 * Nd;
                e.As2 = e.U2 / e.fycd;
            }
        } else {
            e.Dominio = x > e.d ? 5 : 4;
            e.As1 = e.U1 / e.fyd;
            if (x < e.d)
                MinimoMecanico(e);
            e.epsC = 0.0035;
            e.epsS1 = std::fabs(e.d / x - 1.0) * 0.0035;
            e.epsS2 = (1.0 - e.d2 / x) * 0.0035;
            if (!TensionA2(e, e.epsS2))
                return SinTension();
            e.As2 = (Nd - e.Cc) / e.sigmaS2;
            e.U2 = e.As2 * e.fyd;
            if (e.U2 < 0.05 * Nd) {
                e.MinimaCompresion = true;
                e.U2 = 0.05 * Nd;
                e.As2 = e.U2 / e.fyd;
            }
        }
        return Correcto();
    }

    // C. Compresión casi centrada: toda la sección a 0.002, bloque 0.85·fcd·b·h a media altura.
    const double bloque = 0.85 * e.fcd * e.b * e.h;
    e.Dominio = 6;
    e.x = 1000.0;
    e.epsC = 0.002;
    e.epsCInf = 0.002;
    e.U1 = (Nd * ex.e2 - bloque * (e.h / 2.0 - e.d2)) / (e.d - e.d2);
    e.U2 = Nd - bloque - e.U1;
    if (e.U1 < 0.05 * Nd) {
        e.CuantiaMecanica = true;
        e.U1 = 0.05 * Nd;
    }
    if (e.U2 < 0.05 * Nd) {
        e.CuantiaMecanica = true;
        e.U2 = 0.05 * Nd;
    }
    e.As1 = e.U1 / e.fycd;
    e.As2 = e.U2 / e.fycd;
    return Correcto();
}

Estado FlexionCompuestaSimetrica(EstadoDiseno& e) {
    const auto ex = CalcularExcentricidades(e);
    const double Nd = e.Nd;
    const double pivote = e.d * 7.0 / 27.0;
    double AsCara = 0.0;

    if (e.e0 >= ex.eLimite) {
        // L. Gran excentricidad: equilibrio de fuerzas con las dos caras iguales.
        const double M1 = Nd * ex.e1;
        const auto r = Buscar(e, [&]() -> Resultado<bool> {
            const double x = e.x;
            if (x > pivote) {
                e.epsS1 = std::fabs(e.d / x - 1.0) * 0.0035;
                e.epsS2 = 0.0035 * (x - e.d2) / x;
            } else {
                e.epsS1 = 0.01;
                e.epsS2 = std::fabs((x - e.d2) / (e.d - x)) * 0.01;
            }
            e.sigmaS1 = TensionAcero(e, e.epsS1, e.fyd);
            e.sigmaS2 = TensionAcero(e, e.epsS2, e.fyd);
            if (std::isnan(e.sigmaS1) || std::isnan(e.sigmaS2))
                return Resultado<bool>::Error(MensajeFueraDiagramaActivo);
            if (e.sigmaS2 == 0.0)
                return false; // A2 en la fibra neutra: no hay cara que dimensionar, se sigue
            double sigmaSuma;
            if (x > e.d2) {
                AsCara = ((M1 - e.Cc * (e.d - e.yc)) / e.sigmaS2) / (e.d - e.d2);
                sigmaSuma = x > e.d ? e.sigmaS2 + e.sigmaS1 : e.sigmaS2 - e.sigmaS1;
            } else {
                AsCara = ((e.Cc * (e.d - e.yc) - M1) / e.sigmaS2) / (e.d - e.d2);
                sigmaSuma = e.sigmaS2 + e.sigmaS1;
            }
            return e.Cc + AsCara * sigmaSuma > Nd;
        });
        if (!r)
            return r;
        const double x = e.x;
        if (x <= pivote)
            e.Dominio = 1;
        else if (x <= e.xlim)
            e.Dominio = 2;
        else if (x <= e.d)
            e.Dominio = 4;
        else
            e.Dominio = 5;
    } else {
        // S. Pequeña excentricidad: momentos respecto de A2; termina a más tardar en 5·h.
        const double M2 = Nd * ex.e2;
        const double tope = 5.0 * e.h;
        double x = 0.0;
        for (;;) {
            x += Paso;
            e.x = x;
            BloqueComprimido(e, x);
            if (x > tope || e.Cc * (e.yc - e.d2) > M2)
                break;
        }
        if (x > tope) {
            e.Dominio = 6;
            e.x = 1000.0;
            e.epsC = 0.002;
            e.epsCInf = 0.002;
            if (!TensionA2(e, 0.002))
                return SinTension();
            AsCara = ((Nd * ex.e1 - 0.85 * e.fcd * e.b * e.h * (e.h / 2.0 - e.d1)) / e.sigmaS2) /
                     (e.d - e.d2);
        } else if (x > e.h) {
            const double p = x - 3.0 * e.h / 7.0;
            e.Dominio = 6;
            e.epsS1 = (x - e.d) * 0.002 / p;
            e.epsS2 = (x - e.d2) * 0.002 / p;
            if (!TensionA2(e, e.epsS2))
                return SinTension();
            AsCara = (Nd - e.Cc) / e.sigmaS2;
        } else {
            e.Dominio = x > e.d ? 5 : 4;
            e.epsS1 = std::fabs(e.d / x - 1.0) * 0.0035;
            e.epsS2 = (x - e.d2) * 0.0035 / x;
            if (!TensionA2(e, e.epsS2))
                return SinTension();
            AsCara = (Nd - e.Cc) / e.sigmaS2;
        }
    }

    // T. Cola común: las dos caras iguales.
    e.As1 = AsCara;
    if (e.As1 < 0.04 * e.fcd * e.b * e.h / e.fyd && e.Dominio != 6) {
        e.CuantiaMecanica = true;
        e.As1 = e.As1 * (1.5 - 12.5 * e.As1 * e.fyd / (e.b * e.h * e.fcd));
    }
    e.As2 = e.As1;
    e.U1 = e.As1 * (e.Dominio == 6 ? e.fycd : e.fyd);
    if (e.U1 < 0.05 * Nd) {
        e.CuantiaMecanica = true;
        e.U1 = 0.05 * Nd;
    }
    e.U2 = e.U1;
    return Correcto();
}

} // namespace velmora
