#include "cracking/RotulosFisuracion.h"

#include "common/Numeros.h"
#include "cracking/ce/Ecuaciones.h"

namespace velmora {

namespace {

std::string F(double v, int decimales) {
    return Formatear(v, 0, decimales);
}

std::string Tensiones(const TensionesServicio& t) {
    return "σc = " + F(t.sigmaC, 2) + " N/mm², σs = " + F(t.sigmaS1, 2) + " N/mm²";
}

std::string FibraNeutra(const ResultadoFisuracion& r) {
    if (!r.Fisura)
        return "Sección sin fisurar";
    if (r.cp.TodaTraccionada)
        return "Toda la sección traccionada (x ≤ 0)";
    return "x = " + F(r.cp.x, 1) + " mm";
}

std::string Abertura(const ResultadoFisuracion& r) {
    if (!r.abertura)
        return "La sección no fisura: no hay abertura de fisura.";
    const auto& a = *r.abertura;
    return "wk = " + F(a.wk, 3) + " mm (sr,max = " + F(a.srMax, 1) + " mm por " +
           (a.SeparadasRige ? "(7.14)" : "(7.11)") + ", εsm − εcm = " + F(a.deltaEps * 1000.0, 3) +
           " ‰)";
}

std::string VeredictoAbertura(const ResultadoFisuracion& r) {
    if (!r.abertura)
        return "Cumple: la sección no fisura (M ≤ Mcr).";
    if (r.abertura->Cumple)
        return "Cumple: wk ≤ wmax = " + F(r.wmax, 1) + " mm.";
    return "No cumple: wk = " + F(r.abertura->wk, 3) + " mm > wmax = " + F(r.wmax, 1) + " mm.";
}

std::string VeredictoCuasipermanente(const ResultadoFisuracion& r) {
    const double lim = ce::SigmaCCuasipermanente(r.datos.fck);
    if (r.FluenciaLineal)
        return "Cumple: σc ≤ 0.45·fck = " + F(lim, 2) + " N/mm² (fluencia lineal).";
    return "No cumple: σc = " + F(r.cp.sigmaC, 2) + " N/mm² > 0.45·fck = " + F(lim, 2) +
           " N/mm²; la fluencia no es lineal.";
}

std::string VeredictoCaracteristica(const ResultadoFisuracion& r) {
    if (!r.datos.Caracteristica)
        return "Sin combinación característica: no se comprueban 0.6·fck ni 0.8·fyk.";
    const double lc = ce::SigmaCCaracteristica(r.datos.fck);
    const double ls = ce::SigmaSCaracteristica(r.datos.fyk);
    std::string fallos;
    if (!r.CumpleSigmaC)
        fallos = "σc = " + F(r.car.sigmaC, 2) + " N/mm² > 0.6·fck = " + F(lc, 2) + " N/mm²";
    if (!r.CumpleSigmaS)
        fallos += (fallos.empty() ? "" : "; ") + std::string("σs = ") + F(r.car.sigmaS1, 1) +
                  " N/mm² > 0.8·fyk = " + F(ls, 1) + " N/mm²";
    if (!fallos.empty())
        return "No cumple: " + fallos + ".";
    return std::string("Cumple: ") +
           (r.LimitaCompresion ? "σc ≤ 0.6·fck = " + F(lc, 2) + " N/mm²; " : "") +
           "σs ≤ 0.8·fyk = " + F(ls, 1) + " N/mm².";
}

std::string Minima(const ResultadoFisuracion& r) {
    return "As,min = " + F(r.minima.AsMin * 0.01, 2) + " cm² (kc = " + F(r.minima.kc, 3) +
           ", k = " + F(r.minima.k, 3) + "); As = " + F(r.seccion.As1 * 0.01, 2) + " cm²";
}

std::string VeredictoMinima(const ResultadoFisuracion& r) {
    if (r.minima.Cumple)
        return "Cumple: As ≥ As,min.";
    return "No cumple: As = " + F(r.seccion.As1 * 0.01, 2) +
           " cm² < As,min = " + F(r.minima.AsMin * 0.01, 2) + " cm².";
}

std::string Tablas(const ResultadoFisuracion& r) {
    const auto& t = r.tablas;
    if (!t.Aplicable)
        return r.Fisura
                   ? "Las tablas 7.2N y 7.3N no tienen columna para wmax = " + F(r.wmax, 1) + " mm."
                   : "La sección no fisura: no hacen falta las tablas 7.2N y 7.3N.";
    return "φs = " + (t.phiS ? F(*t.phiS, 1) + " mm" : std::string("sin valor")) +
           " (tabla 7.2N y (7.6N)), smax = " +
           (t.sMax ? F(*t.sMax, 0) + " mm" : std::string("sin valor")) + " (tabla 7.3N)";
}

std::string VeredictoTablas(const ResultadoFisuracion& r) {
    const auto& t = r.tablas;
    if (!t.Aplicable)
        return "No aplicable.";
    if (t.Cumple)
        return "Cumple: " + std::string(t.phiS && t.phiMax <= *t.phiS + 1e-9
                                            ? "φ = " + F(t.phiMax, 0) + " mm ≤ φs."
                                            : "s = " + F(r.abertura->s, 1) + " mm ≤ smax.");
    return "No cumple: φ = " + F(t.phiMax, 0) + " mm > φs y s = " + F(r.abertura->s, 1) +
           " mm > smax (o la tensión σs pasa de las tablas).";
}

} // namespace

std::vector<std::pair<std::string, std::string>> RotularFisuracion(const ResultadoFisuracion& r) {
    return {
        {"EtiquetaNorma", TextoNormaFisuracion},
        {"EtiquetaMateriales", "fctm = " + F(r.fctm, 3) + " N/mm², Ecm = " + F(r.Ecm, 0) +
                                   " N/mm², n = Es/Ec,eff = " + F(r.n, 3)},
        {"EtiquetaMcr", "Mcr = " + F(r.Mcr * 1e-6, 2) +
                            " kN·m: " + (r.Fisura ? "la sección fisura" : "la sección no fisura")},
        {"EtiquetaFibraNeutra", FibraNeutra(r)},
        {"EtiquetaTensiones", Tensiones(r.cp)},
        {"EtiquetaAbertura", Abertura(r)},
        {"VeredictoAbertura", VeredictoAbertura(r)},
        {"VeredictoCuasipermanente", VeredictoCuasipermanente(r)},
        {"EtiquetaCaracteristica", r.datos.Caracteristica ? Tensiones(r.car) : std::string("—")},
        {"VeredictoCaracteristica", VeredictoCaracteristica(r)},
        {"EtiquetaAsMin", Minima(r)},
        {"VeredictoAsMin", VeredictoMinima(r)},
        {"EtiquetaTablas", Tablas(r)},
        {"VeredictoTablas", VeredictoTablas(r)},
    };
}

bool VeredictoCumple(const std::string& texto) {
    return texto.rfind("Cumple", 0) == 0;
}

} // namespace velmora
