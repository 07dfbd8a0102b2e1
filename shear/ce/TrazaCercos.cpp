// Traza de los cercos del pilar por el Código Estructural para la memoria de cálculo: los mismos
// pasos y números que el cálculo, rehechos con sus ecuaciones del Anejo 19.
#include "common/Numeros.h"
#include "shear/ComunCortante.h"

namespace velmora::ce {

namespace {

std::string N(double v) {
    return Cifras(v, 8);
}

std::string A(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

} // namespace

Traza TrazaCercos(double /*h*/, double /*b*/, double /*d1*/, double phiMinLong, double phiMaxLong,
                  const Cercos& c) {
    Traza t;
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
    t.Calculo(PasoCalculo("φ<sub>t</sub>", "Diámetro mínimo del cerco: el mayor de 6 mm y φmáx/4",
                          A("9.5.3(1)"), "φ<sub>máx</sub>/4", N(phiMaxLong) + "/4",
                          0.25 * phiMaxLong, "mm", 2));
    t.Nota("Diámetro comercial del cerco: " + FormatearEntero(c.phi) + " mm" +
               (0.25 * phiMaxLong < 6.0 ? " (rigen los 6 mm)." : "."),
           A("9.5.3(1)"));
    return t;
}

} // namespace velmora::ce
