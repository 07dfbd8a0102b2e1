// Traza de los cercos del pilar por la EHE-98 para la memoria de cálculo: los mismos pasos y
// números que el cálculo, rehechos con sus ecuaciones.
#include "common/Numeros.h"
#include "common/Traza.h"
#include "shear/Cercos.h"
#include "shear/ComunCortante.h"

namespace velmora {

namespace {

std::string N(double v) {
    return Cifras(v, 8);
}

} // namespace

Traza ehe98::TrazaCercos(double h, double b, double d1, double phiMinLong, double phiMaxLong,
                         const Cercos& c) {
    Traza t;
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
    if (c.sT >= 15.0 * phiMinLong)
        t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro del cerco", "42.3.1", "φ<sub>máx</sub>/4",
                              N(phiMaxLong) + "/4", c.phiT, "mm", 2));
    else
        t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro del cerco con una separación menor",
                              "42.3.1", "φ<sub>máx</sub>·√(s<sub>t</sub>/(240·φ<sub>mín</sub>))",
                              N(phiMaxLong) + "·√(" + N(c.sT) + "/(240·" + N(phiMinLong) + "))",
                              c.phiT, "mm", 2));
    t.Nota("Diámetro comercial del cerco: " + FormatearEntero(c.phi) + " mm.", "42.3.1");
    return t;
}

} // namespace velmora
