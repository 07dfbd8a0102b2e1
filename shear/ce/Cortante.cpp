#include "shear/ce/Cortante.h"

#include "common/Descripcion.h"
#include "shear/ComunCortante.h"
#include "shear/ce/Ecuaciones.h"

#include <algorithm>
#include <cmath>

namespace velmora::ce {

using namespace cortante;

namespace {

// Una cotangente justo en el límite de (6.7), escrita con el ángulo redondeado, se admite.
constexpr double ToleranciaCot = 1e-9;

Estado ComprobarAngulos(const DatosCortante& datos) {
    if (!(datos.alfa >= AlfaMinima && datos.alfa <= AlfaMaxima))
        return Estado::Error("El ángulo α de las armaduras con el eje ha de estar entre 45º y "
                             "90º (Anejo 19, 9.2.2(1)); se escribió " +
                                 Angulo(datos.alfa) + ".",
                             "CuadroAlfa");
    const double cot = Cot(Radianes(datos.teta));
    if (!(datos.teta > 0 && datos.teta < 90 && cot >= CotTetaMinima - ToleranciaCot &&
          cot <= CotTetaMaxima + ToleranciaCot))
        return Estado::Error("El ángulo θ de las bielas con el eje ha de estar entre 26.57º y "
                             "63.43º (0.5 ≤ cot θ ≤ 2, Anejo 19, 6.2.3(2)); se escribió " +
                                 Angulo(datos.teta) + ".",
                             "CuadroTeta");
    return Correcto();
}

// Parámetros generales confirmados con los valores que usa esta norma.
bool MaterialesConfirmados(const EstadoDiseno& e) {
    return e.fcd > 0 && e.fck > 0 && e.fyk > 0 && e.gammaS > 0 && e.gammaC > 0;
}

} // namespace

Estado ComprobarDatosCortante(const DatosCortante& datos) {
    if (auto r = ComprobarSeccion(datos); !r)
        return r;
    if (auto r = ComprobarAngulos(datos); !r)
        return r;
    return ComprobarArmaduras(datos);
}

Resultado<CalculoCortante> CalcularCortante(EstadoDiseno& e, const DatosCortante& datos) {
    if (!MaterialesConfirmados(e))
        return ErrorCalculo{MensajeConfirmarParametros, {}};
    if (auto r = ce::ComprobarDatosCortante(datos); !r)
        return r.error();

    CalculoCortante c;
    c.norma = Norma::CodigoEstructural;
    c.datos = datos;
    c.fck = e.fck;
    c.fcd = e.fcd;
    c.fyk = e.fyk;
    c.gammaS = e.gammaS;
    c.gammaC = e.gammaC;
    c.fyad = fywd(e.fyk, e.gammaS);
    c.tetaRad = Radianes(datos.teta);
    c.cotTeta = Cot(c.tetaRad);
    PrepararAlfa(c);

    const double bw = datos.b, d = datos.d;
    c.z = z(d);
    c.nu1 = nu1(c.fck);
    // αcw = 1: la viga no lleva esfuerzo axil (6.2.3(3)).
    c.Vu1 = VRdmax(1.0, bw, c.z, c.nu1, c.fcd, c.cotTeta, c.cotAlfa);
    c.Agotamiento = datos.Vd1 > c.Vu1;
    c.rhoL = rhol(datos.Asl, bw, d);
    c.xi = k(d);
    c.CRdc = CRdc(c.gammaC);
    c.vmin = vmin(c.xi, c.fck);
    c.VRdcA = VRdcA(c.CRdc, c.xi, c.rhoL, c.fck, bw, d);
    c.VRdcB = VRdcB(c.vmin, bw, d);
    c.Vcu = std::max(c.VRdcA, c.VRdcB);
    if (!FuerzaMostrable(c.Vu1) || !FuerzaMostrable(c.Vcu))
        return ResultadoNoRepresentable(NombreCalculo);
    e.d = d;
    e.b = bw;
    return c;
}

Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double VEd, double Asw) {
    if (!(Asw > 0))
        return Resultado<Separacion>::Error(MensajeSinCercos);
    const double d = c.datos.d;
    Separacion s;
    // Sin contribución del hormigón: si VEd > VRd,c los cercos resisten todo el cortante.
    const double smin = sRhowmin(Asw, rhowmin(c.fck, c.fyk), c.datos.b, c.senAlfa);
    s.st = smin;
    s.marca = "*";
    if (VEd > c.Vcu) {
        const double st = sVRds(Asw, c.z, c.fyad, c.cotTeta, c.cotAlfa, c.senAlfa, VEd);
        if (!(st > smin)) {
            s.st = st;
            s.marca.clear();
            s.regla = ReglaSeparacion::Resistente;
        }
    }
    const double smax = slmax(d, c.cotAlfa);
    s.limitada = s.st > smax;
    if (s.limitada) {
        s.st = smax;
        s.regla = ReglaSeparacion::Maxima;
    }
    LimitarQuinceDiametros(c, s);
    return s;
}

double CalcularVsu(const CalculoCortante& c, double Asw, double s) {
    return VRds(Asw, s, c.z, c.fyad, c.cotTeta, c.cotAlfa, c.senAlfa);
}

double AgotamientoTraccion(const CalculoCortante& c, double VRds) {
    return std::min(VRds, c.Vu1);
}

} // namespace velmora::ce
