#include "shear/Cercos.h"

#include "common/Descripcion.h"
#include "common/Numeros.h"
#include "shear/Cortante.h"

#include <cmath>

namespace velmora {

Estado ComprobarDatosCercos(double h, double b, double d1, double phiMinLong,
                            double phiMaxLong) {
    if (h <= 0)
        return Estado::Error("El canto h ha de ser mayor que 0.", "Valor1");
    if (b <= 0)
        return Estado::Error("El ancho b ha de ser mayor que 0.", "Valor2");
    if (d1 < 0)
        return Estado::Error("El recubrimiento d1 no puede ser negativo.", "Valor3");
    if (d1 >= std::fmin(h, b))
        return Estado::Error("El recubrimiento d1 ha de ser menor que el lado menor de la "
                             "sección.",
                             "Valor3");
    if (phiMinLong <= 0)
        return Estado::Error("El diámetro de la barra más delgada ha de ser mayor que 0.",
                             "DiametroMinimo");
    if (phiMaxLong <= 0)
        return Estado::Error("El diámetro de la barra más gruesa ha de ser mayor que 0.",
                             "DiametroMaximo");
    return Correcto();
}

double LadoMenorCercos(double h, double b) {
    return std::fmin(h > b ? b : h, 300.0);
}

double SeparacionCercosPilar(double h, double b, double d1, double phiMinLong) {
    const double st = 0.8 * ((h > b ? h : b) - d1);
    return std::fmin(std::fmin(st, LadoMenorCercos(h, b)), 15.0 * phiMinLong);
}

double DiametroCercoPilar(double sT, double phiMinLong, double phiMaxLong) {
    if (sT >= 15.0 * phiMinLong)
        return 0.25 * phiMaxLong;
    return phiMaxLong * std::sqrt((sT * (1.0 / 240.0)) / phiMinLong);
}

Resultado<Cercos> CalcularCercos(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                                 double phiMaxLong) {
    if (auto r = ComprobarDatosCercos(h, b, d1, phiMinLong, phiMaxLong); !r)
        return r.error();
    Cercos c;
    c.ladoMenor = LadoMenorCercos(h, b);
    c.sT = SeparacionCercosPilar(h, b, d1, phiMinLong);
    c.phiT = DiametroCercoPilar(c.sT, phiMinLong, phiMaxLong);
    const auto phi = DiametroComercial(c.phiT);
    if (!phi)
        return Resultado<Cercos>::Error(phi.error().mensaje + " para el cerco: reduzca el "
                                                              "diámetro de la barra más gruesa.",
                                        "DiametroMaximo");
    c.phi = *phi;
    if (!CabeEnRotulo(c.sT * 0.1, 3, 0))
        return ResultadoNoRepresentable("cercos del pilar");
    c.Armadura = Formatear(c.phi, 3, 0) + "/" + Formatear(c.sT * 0.1, 3, 0);
    e.h = h;
    e.b = b;
    e.d1 = d1;
    return c;
}

bool AjustarDiametros(double& phiMinLong, double& phiMaxLong, bool cambioMinimo) {
    if (!(phiMinLong > phiMaxLong))
        return false;
    if (cambioMinimo)
        phiMaxLong = phiMinLong;
    else
        phiMinLong = phiMaxLong;
    return true;
}

} // namespace velmora
