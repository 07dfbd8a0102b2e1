#include "shear/Cercos.h"

#include "common/Descripcion.h"
#include "common/Numeros.h"
#include "norma/PasosNorma.h"
#include "norma/SegunNorma.h"
#include "shear/ComunCortante.h"
#include "shear/Cortante.h"
#include "shear/ce/Ecuaciones.h"

#include <cmath>
#include <utility>

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

using pasos::A;
using pasos::N;

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

// EHE-98, art. 42.3.1: las tres separaciones y la que rige.
void PasosSeparacionEHE98(Traza& t, double h, double b, double d1, double phiMinLong,
                          const Cercos& c) {
    const double mayor = h > b ? h : b;
    t.Calculo(PasoCalculo("s<sub>t,1</sub>", "Separación por el lado mayor", "42.3.1",
                          "0.8·(lado mayor − d<sub>1</sub>)",
                          "0.8·(" + N(mayor) + " - " + N(d1) + ")", 0.8 * (mayor - d1), "mm", 1));
    t.Calculo(PasoCalculo("s<sub>t,2</sub>", "Lado menor de la sección, no más de 300 mm", "42.3.1",
                          "mín(lado menor, 300)", N(c.ladoMenor), c.ladoMenor, "mm", 1));
    t.Calculo(PasoCalculo("s<sub>t,3</sub>", "Quince veces la barra longitudinal más delgada",
                          "42.3.1", "15·φ<sub>mín</sub>", "15·" + N(phiMinLong), 15.0 * phiMinLong,
                          "mm", 1));
    t.Nota("Rige la menor de las tres: st = " + Formatear(c.sT, 0, 1) + " mm.", "42.3.1");
}

// EHE-98, art. 42.3.1: el diámetro por la rama que tomó DiametroCercoPilar.
void PasoDiametroEHE98(Traza& t, double phiMinLong, double phiMaxLong, const Cercos& c) {
    if (c.sT >= 15.0 * phiMinLong)
        t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro del cerco", "42.3.1", "φ<sub>máx</sub>/4",
                              N(phiMaxLong) + "/4", c.phiT, "mm", 2));
    else
        t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro del cerco con una separación menor",
                              "42.3.1", "φ<sub>máx</sub>·√(s<sub>t</sub>/(240·φ<sub>mín</sub>))",
                              N(phiMaxLong) + "·√(" + N(c.sT) + "/(240·" + N(phiMinLong) + "))",
                              c.phiT, "mm", 2));
}

Resultado<Cercos> CercosEHE98(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                              double phiMaxLong, Traza* traza) {
    Cercos c;
    c.ladoMenor = LadoMenorCercos(h, b);
    c.sT = SeparacionCercosPilar(h, b, d1, phiMinLong);
    if (traza)
        PasosSeparacionEHE98(*traza, h, b, d1, phiMinLong, c);
    c.phiT = DiametroCercoPilar(c.sT, phiMinLong, phiMaxLong);
    if (traza)
        PasoDiametroEHE98(*traza, phiMinLong, phiMaxLong, c);
    auto r = Terminar(e, h, b, d1, c);
    if (r && traza)
        traza->Nota("Diámetro comercial del cerco: " + FormatearEntero(r.valor().phi) + " mm.", "42.3.1");
    return r;
}

// Código Estructural, Anejo 19, 9.5.3(3) y (4): la separación máxima y la reducida.
void PasosSeparacionCE(Traza& t, double phiMinLong, const Cercos& c) {
    const std::string cita = A("9.5.3(3)");
    t.Calculo(PasoCalculo("s<sub>cl,1</sub>", "Quince veces la barra longitudinal más delgada",
                          cita, "15·φ<sub>mín</sub>", "15·" + N(phiMinLong), 15.0 * phiMinLong,
                          "mm", 1));
    t.Calculo(PasoCalculo("s<sub>cl,2</sub>", "Lado menor de la sección", cita, "mín(h; b)",
                          N(c.ladoMenor), c.ladoMenor, "mm", 1));
    t.Nota("La separación no pasa de 300 mm.", cita);
    t.Nota("Rige la menor de las tres: s<sub>cl,tmax</sub> = " + Formatear(c.sT, 0, 1) + " mm.",
           cita);
    t.Nota(c.NotaSeparacion + ".", A("9.5.3(4)"));
}

Resultado<Cercos> CercosCE(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                           double phiMaxLong, Traza* traza) {
    Cercos c;
    c.norma = Norma::CodigoEstructural;
    c.ladoMenor = std::fmin(h, b);
    c.sT = ce::scltmax(phiMinLong, h, b);
    c.NotaSeparacion = TextoSeparacionReducida(c.sT, phiMaxLong);
    if (traza)
        PasosSeparacionCE(*traza, phiMinLong, c);
    c.phiT = ce::phiCercoPilar(phiMaxLong);
    if (traza)
        traza->Calculo(PasoCalculo("φ<sub>t</sub>",
                                   "Diámetro mínimo del cerco: el mayor de 6 mm y φmáx/4",
                                   A("9.5.3(1)"), "φ<sub>máx</sub>/4", N(phiMaxLong) + "/4",
                                   0.25 * phiMaxLong, "mm", 2));
    auto r = Terminar(e, h, b, d1, c);
    if (r && traza)
        traza->Nota("Diámetro comercial del cerco: " + FormatearEntero(r.valor().phi) + " mm" +
                        (0.25 * phiMaxLong < 6.0 ? " (rigen los 6 mm)." : "."),
                    A("9.5.3(1)"));
    return r;
}

// Las ecuaciones de cada norma, elegidas en un solo sitio.
struct ReglasCercos {
    Resultado<Cercos> (*calcular)(EstadoDiseno&, double, double, double, double, double, Traza*);
};

const ReglasCercos& Reglas(Norma norma) {
    static constexpr ReglasCercos EHE98{&CercosEHE98};
    static constexpr ReglasCercos CodigoEstructural{&CercosCE};
    return SegunNorma(norma, EHE98, CodigoEstructural);
}

} // namespace

std::string TextoSeparacionReducida(double sT, double phiMaxLong) {
    return std::string("Junto a vigas y losas") +
           (phiMaxLong > 14.0 ? " y en los solapos" : "") + ": separación × 0.6 = " +
           Formatear(ce::ReduccionSeparacionPilar * sT * 0.1, 0, 1) + " cm (" +
           A("9.5.3(4)") + ")";
}

Resultado<Cercos> CalcularCercos(EstadoDiseno& e, double h, double b, double d1, double phiMinLong,
                                 double phiMaxLong, Traza* traza) {
    if (auto r = ComprobarDatosCercos(h, b, d1, phiMinLong, phiMaxLong); !r)
        return r.error();
    // Los pasos pasan a la traza sólo si el cálculo da resultado.
    Traza pasos;
    auto r = Reglas(e.norma).calcular(e, h, b, d1, phiMinLong, phiMaxLong, traza ? &pasos : nullptr);
    if (r && traza)
        traza->Anadir(std::move(pasos));
    return r;
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
