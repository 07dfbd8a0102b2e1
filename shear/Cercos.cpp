#include "shear/Cercos.h"

#include "common/Numeros.h"
#include "shear/Cortante.h"

#include <cmath>

namespace velmora {

Resultado<Cercos> CalcularCercos(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                                 double phiMaxLong) {
    using R = Resultado<Cercos>;
    if (h <= 0)
        return R::Error("El canto h ha de ser mayor que 0.", "Valor1");
    if (b <= 0)
        return R::Error("El ancho b ha de ser mayor que 0.", "Valor2");
    if (d1 < 0)
        return R::Error("El recubrimiento d1 no puede ser negativo.", "Valor3");
    if (d1 >= std::fmin(h, b))
        return R::Error("El recubrimiento d1 ha de ser menor que el lado menor de la sección.",
                        "Valor3");
    if (phiMinLong <= 0)
        return R::Error("El diámetro de la barra más delgada ha de ser mayor que 0.",
                        "DiametroMinimo");
    if (phiMaxLong <= 0)
        return R::Error("El diámetro de la barra más gruesa ha de ser mayor que 0.",
                        "DiametroMaximo");

    Cercos c;
    // La separación parte de 0,8 veces el lado mayor menos el recubrimiento.
    if (h > b) {
        c.ladoMenor = b;
        c.sT = 0.8 * (h - d1);
    } else {
        c.ladoMenor = h;
        c.sT = 0.8 * (b - d1);
    }
    if (c.ladoMenor > 300)
        c.ladoMenor = 300;
    if (c.sT > c.ladoMenor)
        c.sT = c.ladoMenor;
    // st ≤ 15·φmin y φt ≥ φmax/4; con una separación menor basta un cerco más delgado.
    if (c.sT >= 15.0 * phiMinLong) {
        c.sT = 15.0 * phiMinLong;
        c.phiT = 0.25 * phiMaxLong;
    } else {
        c.phiT = phiMaxLong * std::sqrt((c.sT * (1.0 / 240.0)) / phiMinLong);
    }
    const auto phi = DiametroComercial(c.phiT);
    if (!phi)
        return R::Error(phi.error().mensaje + " para el cerco: reduzca el diámetro de la barra "
                                              "más gruesa.",
                        "DiametroMaximo");
    c.phi = *phi;
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
