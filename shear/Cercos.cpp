#include "shear/Cercos.h"

#include "common/Descripcion.h"
#include "common/Numeros.h"
#include "norma/SegunNorma.h"
#include "shear/ComunCortante.h"
#include "shear/Cortante.h"
#include "shear/ce/Ecuaciones.h"

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

namespace {

// Diámetro comercial del cerco y su rótulo; deja h, b y d1 en el estado.
Resultado<Cercos> Terminar(EstadoDiseno& e, double h, double b, double d1, Cercos c) {
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

Resultado<Cercos> CercosEHE98(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                              double phiMaxLong) {
    Cercos c;
    c.ladoMenor = LadoMenorCercos(h, b);
    c.sT = SeparacionCercosPilar(h, b, d1, phiMinLong);
    c.phiT = DiametroCercoPilar(c.sT, phiMinLong, phiMaxLong);
    return Terminar(e, h, b, d1, c);
}

Resultado<Cercos> CercosCE(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                           double phiMaxLong) {
    Cercos c;
    c.norma = Norma::CodigoEstructural;
    c.ladoMenor = std::fmin(h, b);
    c.sT = ce::scltmax(phiMinLong, h, b);
    c.phiT = ce::phiCercoPilar(phiMaxLong);
    c.NotaSeparacion = TextoSeparacionReducida(c.sT, phiMaxLong);
    return Terminar(e, h, b, d1, c);
}

} // namespace

std::string TextoSeparacionReducida(double sT, double phiMaxLong) {
    return std::string("Junto a vigas y losas") +
           (phiMaxLong > 14.0 ? " y en los solapos" : "") + ": separación × 0.6 = " +
           Formatear(ce::ReduccionSeparacionPilar * sT * 0.1, 0, 1) + " cm (" +
           Cita(Norma::CodigoEstructural, "9.5.3(4)") + ")";
}

namespace {

// Las ecuaciones de cada norma, elegidas en un solo sitio.
struct ReglasCercos {
    Resultado<Cercos> (*calcular)(EstadoDiseno&, double, double, double, double, double);
    Traza (*traza)(double, double, double, double, double, const Cercos&);
};

const ReglasCercos& Reglas(Norma norma) {
    static constexpr ReglasCercos EHE98{&CercosEHE98, &ehe98::TrazaCercos};
    static constexpr ReglasCercos CodigoEstructural{&CercosCE, &ce::TrazaCercos};
    return SegunNorma(norma, EHE98, CodigoEstructural);
}

} // namespace

Resultado<Cercos> CalcularCercos(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                                 double phiMaxLong) {
    if (auto r = ComprobarDatosCercos(h, b, d1, phiMinLong, phiMaxLong); !r)
        return r.error();
    return Reglas(e.norma).calcular(e, h, b, d1, phiMinLong, phiMaxLong);
}

Traza TrazaCercos(double h, double b, double d1, double phiMinLong, double phiMaxLong,
                  const Cercos& c) {
    return Reglas(c.norma).traza(h, b, d1, phiMinLong, phiMaxLong, c);
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
