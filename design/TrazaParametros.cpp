#include "design/TrazaParametros.h"

#include "common/Numeros.h"
#include "materiales/Resistencias.h"

namespace velmora {

namespace {

// Una resistencia de cálculo en N/mm² con dos decimales.
void Anotar(Traza& t, std::string simbolo, std::string descripcion, std::string articulo,
            std::string formula, std::string sustitucion, double valor) {
    t.Calculo(std::move(simbolo), std::move(descripcion), std::move(articulo), std::move(formula),
              std::move(sustitucion), 1.0, valor, "N/mm²", 2);
}

// Código Estructural, Anejo 19: γ de 2.4.2.4 (2.4.2.6 y 2.4.2.7 con control intenso), fyd = fyk/γs
// con la rama horizontal sin límite de deformación y fcd = αcc·fck/γc.
Traza TrazaParametrosCE(const EstadoDiseno& e, const EleccionParametros& p) {
    Traza t;
    const std::string C = "\u00B7";
    const Norma n = Norma::CodigoEstructural;
    const bool intenso = p.SituacionProyecto != IndiceAccidental &&
                         (p.ControlAcero == IndiceSegundoControl ||
                          p.ControlHormigon == IndiceSegundoControl);
    t.Nota(std::string(p.SituacionProyecto == IndiceAccidental
                           ? "Situación accidental"
                           : "Situación persistente o transitoria") +
               (intenso ? " con control intenso" : "") + ": γ<sub>s</sub> = " +
               Formatear(e.gammaS, 0, 2) + " y γ<sub>c</sub> = " + Formatear(e.gammaC, 0, 2) + ".",
           Cita(n, intenso ? "2.4.2.4, 2.4.2.6 y 2.4.2.7" : "2.4.2.4"));
    Anotar(t, "f<sub>yd</sub>", "Resistencia de cálculo del acero", Cita(n, "3.2.7"),
           "f<sub>yk</sub>/γ<sub>s</sub>", Cifras(e.fyk) + "/" + Cifras(e.gammaS), e.fyd);
    Anotar(t, "f<sub>yc,d</sub>",
           "Resistencia de cálculo en compresión: rama horizontal sin límite de deformación",
           Cita(n, "3.2.7(2)"), "f<sub>yd</sub>", Cifras(e.fycd), e.fycd);
    Anotar(t, "f<sub>cd</sub>", "Resistencia de cálculo del hormigón", Cita(n, "3.1.6(1)"),
           "α<sub>cc</sub>" + C + "f<sub>ck</sub>/γ<sub>c</sub>",
           Cifras(e.alphaCC) + C + Cifras(e.fck) + "/" + Cifras(e.gammaC), e.fcd);
    return t;
}

} // namespace

Traza TrazaParametros(const EstadoDiseno& e, const EleccionParametros& p) {
    if (e.norma == Norma::CodigoEstructural)
        return TrazaParametrosCE(e, p);
    Traza t;
    const std::string C = "\u00B7";
    const std::string reducido = Cifras(ehe98::FactorControlReducidoAcero);
    const std::string tope = Cifras(ehe98::TopeFycd);
    const std::string factorVertical = Cifras(ehe98::FactorHormigonadoVertical);
    t.Nota(std::string(p.SituacionProyecto == IndiceAccidental
                           ? "Situación accidental"
                           : "Situación persistente o transitoria") +
               ": γ<sub>s</sub> = " + Formatear(e.gammaS, 0, 2) +
               " y γ<sub>c</sub> = " + Formatear(e.gammaC, 0, 2) + ".",
           "15.3");
    if (p.ControlAcero == IndiceSegundoControl)
        Anotar(t, "f<sub>yd</sub>",
               "Resistencia de cálculo del acero (control reducido: " + reducido + ")", "38.4",
               reducido + C + "f<sub>yk</sub>/γ<sub>s</sub>",
               reducido + C + Cifras(e.fyk) + "/" + Cifras(e.gammaS), e.fyd);
    else
        Anotar(t, "f<sub>yd</sub>", "Resistencia de cálculo del acero", "38.4",
               "f<sub>yk</sub>/γ<sub>s</sub>", Cifras(e.fyk) + "/" + Cifras(e.gammaS), e.fyd);
    Anotar(t, "f<sub>yc,d</sub>",
           "Resistencia de cálculo en compresión: f<sub>yd</sub> " +
               std::string(e.fyd > ehe98::TopeFycd ? "pasa" : "no pasa") + " de " + tope +
               " N/mm²",
           "38.4", "mín(f<sub>yd</sub>; " + tope + ")", Cifras(e.fycd), e.fycd);
    const bool vertical = p.HormigonadoVerticalHabilitado && p.HormigonadoVerticalMarcado;
    // Con hormigonado vertical el paso siguiente aplica además el 0.9: la nota no da fcd.
    if (p.ControlHormigon == IndiceSegundoControl)
        t.Nota("Control reducido del hormigón: se toma f<sub>ck</sub> = 10" + C +
                   "γ<sub>c</sub> = " + Formatear(e.fck, 0, 2) + " N/mm²" +
                   (vertical ? "." : ", de modo que f<sub>cd</sub> = 10 N/mm²."),
               "39.4");
    if (vertical)
        Anotar(t, "f<sub>cd</sub>",
               "Resistencia de cálculo del hormigón (hormigonado vertical: " + factorVertical +
                   ")",
               "39.4", factorVertical + C + "f<sub>ck</sub>/γ<sub>c</sub>",
               factorVertical + C + Cifras(e.fck) + "/" + Cifras(e.gammaC), e.fcd);
    else
        Anotar(t, "f<sub>cd</sub>", "Resistencia de cálculo del hormigón", "39.4",
               "f<sub>ck</sub>/γ<sub>c</sub>", Cifras(e.fck) + "/" + Cifras(e.gammaC), e.fcd);
    return t;
}

} // namespace velmora
