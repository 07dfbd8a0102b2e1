#include "cracking/Fisuracion.h"

#include "common/Descripcion.h"
#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "cracking/ce/Ecuaciones.h"
#include "materiales/ce/Hormigon.h"
#include "norma/Norma.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

std::string Apartado(std::string_view clausula) {
    return Cita(Norma::CodigoEstructural, clausula);
}

void Paso(Traza* t, DatosPaso d) {
    if (t)
        AnadirCalculo(*t, std::move(d));
}

void Nota(Traza* t, std::string texto, std::string_view clausula) {
    if (t)
        t->Nota(std::move(texto), Apartado(clausula));
}

std::string kNm(double M) {
    return NumeroLegible(std::round(M * 1e-6 * 100.0) / 100.0) + " kN·m";
}

double DiametroMayor(const std::vector<GrupoBarras>& barras) {
    int m = 0;
    for (const GrupoBarras& g : barras)
        m = std::max(m, g.Diametro);
    return m;
}

int NumeroBarras(const std::vector<GrupoBarras>& barras) {
    int n = 0;
    for (const GrupoBarras& g : barras)
        n += g.Numero;
    return n;
}

Estado ComprobarMateriales(const DatosFisuracion& d) {
    if (d.fck <= 0.0 || d.fyk <= 0.0)
        return Estado::Error(MensajeConfirmarParametros, "ResistenciaCaracteristica");
    if (d.fck < 12.0 || d.fck > 90.0)
        return Estado::Error("La resistencia f<sub>ck</sub> = " + NumeroLegible(d.fck) +
                                 " N/mm² está fuera de las clases del Anejo 19 (de 12 a 90 N/mm²): "
                                 "cámbiela en los parámetros generales.",
                             "ResistenciaCaracteristica");
    return Correcto();
}

Estado ComprobarGeometria(const DatosFisuracion& d) {
    if (!d.Rectangular && d.hf >= d.h)
        return Estado::Error("El canto de la cabeza hf ha de ser menor que el canto h.", "Valorhf");
    if (!d.Rectangular && d.bw > d.b)
        return Estado::Error("El ancho del alma bw no puede superar el ancho de la cabeza b.",
                             "Valorbw");
    for (const GrupoBarras& g : d.BarrasA1)
        if (g.Numero < 0 || g.Diametro <= 0)
            return Estado::Error("Armadura A1 (cara traccionada): cada grupo necesita un número de "
                                 "barras no negativo y un diámetro positivo.",
                                 "BotonA1");
    for (const GrupoBarras& g : d.BarrasA2)
        if (g.Numero < 0 || g.Diametro <= 0)
            return Estado::Error("Armadura A2 (cara superior): cada grupo necesita un número de "
                                 "barras no negativo y un diámetro positivo.",
                                 "BotonA2");
    if (NumeroBarras(d.BarrasA1) <= 0)
        return Estado::Error("Armadura A1: la cara traccionada no tiene barras. Defínalas con "
                             "«Defina armadura»; sin ellas no hay fisuración que controlar.",
                             "BotonA1");
    const double bt = d.Rectangular ? d.b : d.bw;
    double suma = 0.0;
    for (const GrupoBarras& g : d.BarrasA1)
        suma += g.Numero * g.Diametro;
    if (bt - 2.0 * d.c < suma)
        return Estado::Error("Recubrimiento c: con c = " + NumeroLegible(d.c) + " mm las " +
                                 std::to_string(NumeroBarras(d.BarrasA1)) +
                                 " barras traccionadas no caben en el ancho de " +
                                 NumeroLegible(bt) + " mm.",
                             "Recubrimiento");
    const double dd = ProfundidadUtil(d.h, d.c, d.BarrasA1);
    if (dd <= d.d2 || dd <= 0.0)
        return Estado::Error(
            "Recubrimiento c: con c = " + NumeroLegible(d.c) +
                " mm el centro de las barras traccionadas (d = " + NumeroLegible(dd) +
                " mm) no queda por debajo de la armadura "
                "superior (d2 = " +
                NumeroLegible(d.d2) + " mm).",
            "Recubrimiento");
    return Correcto();
}

Estado ComprobarEsfuerzos(const DatosFisuracion& d) {
    if (d.Mcp < 0.0)
        return Estado::Error("Momento cuasipermanente: M = " + kNm(d.Mcp) +
                                 " comprime la cara de la armadura traccionada A1. Escriba el "
                                 "momento positivo (tracciona la cara inferior) o intercambie "
                                 "las armaduras A1 y A2.",
                             "MomentoCP");
    if (d.Caracteristica && d.Mk < 0.0)
        return Estado::Error("Momento característico: M = " + kNm(d.Mk) +
                                 " comprime la cara de la armadura traccionada A1. Escriba el "
                                 "momento positivo (tracciona la cara inferior) o intercambie "
                                 "las armaduras A1 y A2.",
                             "MomentoCar");
    return Correcto();
}

// Materiales del Anejo 19: fctm y Ecm (tabla 3.1), Ec,eff con la fluencia y n.
void Materiales(ResultadoFisuracion& r, Traza* t) {
    const double fck = r.datos.fck;
    r.fctm = ce::fctm(fck);
    r.Ecm = ce::Ecm(fck);
    r.EcEff = ce::EcEff(r.Ecm, r.datos.phi);
    r.n = ce::Es / r.EcEff;
    if (fck <= 50.0)
        Paso(t, {"f<sub>ctm</sub>", "Resistencia media a tracción del hormigón",
                 Apartado("3.1.2, tabla 3.1"), "0.30·f<sub>ck</sub><sup>2/3</sup>",
                 "0.30·" + N(std::pow(fck, 2.0 / 3.0)), r.fctm, "N/mm²", 3});
    else
        Paso(t, {"f<sub>ctm</sub>", "Resistencia media a tracción del hormigón",
                 Apartado("3.1.2, tabla 3.1"), "2.12·ln(1 + f<sub>cm</sub>/10)",
                 "2.12·" + N(std::log(1.0 + ce::fcm(fck) / 10.0)), r.fctm, "N/mm²", 3});
    Paso(t, {"E<sub>cm</sub>", "Módulo de deformación secante del hormigón",
             Apartado("3.1.3, tabla 3.1"), "22000·(f<sub>cm</sub>/10)<sup>0.3</sup>",
             "22000·" + N(std::pow(ce::fcm(fck) / 10.0, 0.3)), r.Ecm, "N/mm²", 0});
    Paso(t, {"E<sub>c,eff</sub>", "Módulo efectivo del hormigón con la fluencia",
             Apartado("7.4.3(5)"), "E<sub>cm</sub>/(1 + φ)",
             N(r.Ecm) + "/(1 + " + N(r.datos.phi) + ")", r.EcEff, "N/mm²", 0});
    Paso(t, {"n", "Coeficiente de equivalencia para las tensiones", Apartado("7.2"),
             "E<sub>s</sub>/E<sub>c,eff</sub>", N(ce::Es) + "/" + N(r.EcEff), r.n, "", 3});
}

// Sección bruta, momento de fisuración (7.1(2)) y si fisura la cuasipermanente.
void Fisuracion(ResultadoFisuracion& r, Traza* t) {
    const SeccionServicio& s = r.seccion;
    r.bruta = Bruta(s);
    const SeccionBruta& g = r.bruta;
    Paso(t, {"d", "Profundidad de las barras traccionadas", Apartado("7.3.4(3)"),
             "h − c − Σ(A<sub>i</sub>·φ<sub>i</sub>/2)/ΣA<sub>i</sub>",
             N(s.h) + " - " + N(r.datos.c) + " - " + N(s.h - r.datos.c - s.d), s.d, "mm", 1});
    Paso(t, {"W", "Módulo resistente de la sección bruta (fibra inferior)", Apartado("7.1(2)"),
             "I<sub>c</sub>/(h − y<sub>g</sub>)", N(g.Ic) + "/(" + N(s.h) + " - " + N(g.yg) + ")",
             g.W * 1e-3, "cm³", 1, 1e-3});
    r.Mcr = g.W * (r.fctm + r.datos.Ncp / g.Ac);
    Paso(t, {"M<sub>cr</sub>", "Momento de fisuración (N positivo en compresión)",
             Apartado("7.1(2)"), "W·(f<sub>ctm</sub> + N/A<sub>c</sub>)",
             N(g.W) + "·(" + N(r.fctm) + " + " + N(r.datos.Ncp) + "/" + N(g.Ac) + ")", r.Mcr * 1e-6,
             "kN·m", 2, 1e-6});
    r.Mg = MomentoEnCentro(g, s.h, r.datos.Ncp, r.datos.Mcp);
    r.Fisura = r.Mg > r.Mcr;
    Nota(t,
         r.Fisura ? "El momento cuasipermanente (" + kNm(r.Mg) +
                        ") supera M<sub>cr</sub>: la "
                        "sección fisura y se calcula con el hormigón sin tracción."
                  : "El momento cuasipermanente (" + kNm(r.Mg) +
                        ") no supera M<sub>cr</sub>: "
                        "la sección no fisura y no hay abertura de fisura que calcular.",
         "7.1(2)");
}

void PasosTensiones(const ResultadoFisuracion& r, const TensionesServicio& e, Traza* t,
                    const char* combinacion) {
    if (!t)
        return;
    const SeccionServicio& s = r.seccion;
    if (e.TodaTraccionada) {
        Nota(t,
             std::string("Combinación ") + combinacion +
                 ": toda la sección está traccionada; "
                 "las armaduras A1 y A2 equilibran solas los esfuerzos.",
             "7.3.4(3)");
        return;
    }
    Nota(t,
         std::string("Combinación ") + combinacion + ": fibra neutra x = " + Formatear(e.x, 0, 1) +
             " mm y compresión del hormigón σ<sub>c</sub> = " + Formatear(e.sigmaC, 0, 2) +
             " N/mm² por equilibrio de la sección (secciones "
             "planas, n = " +
             Formatear(r.n, 0, 3) + ").",
         "7.2");
    if (e.x > 0.0 && e.x < s.h)
        Paso(t, {"σ<sub>s</sub>", std::string("Tensión de A1, combinación ") + combinacion,
                 Apartado("7.3.4(2)"), "n·σ<sub>c</sub>·(d − x)/x",
                 N(r.n) + "·" + N(e.sigmaC) + "·(" + N(s.d) + " - " + N(e.x) + ")/" + N(e.x),
                 e.sigmaS1, "N/mm²", 2});
}

// Abertura de fisura de la combinación cuasipermanente fisurada (7.3.4).
AberturaFisura Abertura(const ResultadoFisuracion& r, Traza* t) {
    const DatosFisuracion& d = r.datos;
    const SeccionServicio& s = r.seccion;
    const TensionesServicio& e = r.cp;
    AberturaFisura a;
    std::vector<double> n, phi;
    std::string num, den;
    for (const GrupoBarras& g : d.BarrasA1) {
        if (g.Numero <= 0)
            continue;
        n.push_back(g.Numero);
        phi.push_back(g.Diametro);
        num += (num.empty() ? "" : " + ") + N(g.Numero) + "·" + N(g.Diametro) + "²";
        den += (den.empty() ? "" : " + ") + N(g.Numero) + "·" + N(g.Diametro);
    }
    a.phiEq = ce::phiEq(n.data(), phi.data(), static_cast<int>(n.size()));
    Paso(t, {"φ<sub>eq</sub>", "Diámetro equivalente de las barras traccionadas",
             Apartado("7.3.4(3), (7.12)"),
             "Σn<sub>i</sub>·φ<sub>i</sub>²/Σn<sub>i</sub>·φ<sub>i</sub>",
             "(" + num + ")/(" + den + ")", a.phiEq, "mm", 2});
    const int barras = NumeroBarras(d.BarrasA1);
    const double bt = AnchoTraccionado(s), phiMax = DiametroMayor(d.BarrasA1);
    if (d.Separacion > 0.0) {
        a.s = d.Separacion;
        Nota(t,
             "Separación entre ejes de las barras traccionadas dada: s = " + Formatear(a.s, 0, 1) +
                 " mm.",
             "7.3.4(3)");
    } else if (barras > 1) {
        a.s = (bt - 2.0 * d.c - phiMax) / (barras - 1);
        // n<sub>b</sub> y no n: n es ya el coeficiente de equivalencia de la misma memoria.
        Paso(t, {"s", "Separación entre ejes de las n<sub>b</sub> barras traccionadas",
                 Apartado("7.3.4(3)"), "(b<sub>t</sub> − 2·c − φ)/(n<sub>b</sub> − 1)",
                 "(" + N(bt) + " - 2·" + N(d.c) + " - " + N(phiMax) + ")/(" + N(barras) + " - 1)",
                 a.s, "mm", 1});
    } else {
        a.s = bt;
        Nota(t,
             "Una sola barra traccionada: se toma como separación el ancho b<sub>t</sub> = " +
                 Formatear(bt, 0, 1) + " mm.",
             "7.3.4(3)");
    }
    a.sLimite = ce::SeparacionLimite(d.c, a.phiEq);
    Paso(t, {"5·(c + φ/2)", "Separación por encima de la cual rige (7.14)", Apartado("7.3.4(3)"),
             "5·(c + φ<sub>eq</sub>/2)", "5·(" + N(d.c) + " + " + N(a.phiEq) + "/2)", a.sLimite,
             "mm", 1});
    a.SeparadasRige = a.s > a.sLimite;
    a.hcef = ce::hcef(s.h, s.d, e.x);
    a.Termino = ce::TerminoHcef(s.h, s.d, e.x);
    const std::string terminos[3] = {"2.5·(" + N(s.h) + " - " + N(s.d) + ")",
                                     "(" + N(s.h) + " - " + N(e.x) + ")/3", N(s.h) + "/2"};
    Paso(t, {"h<sub>c,ef</sub>", "Canto eficaz alrededor de la armadura traccionada",
             Apartado("7.3.2(3)"),
             e.x > 0.0 ? "min(2.5·(h − d); (h − x)/3; h/2)" : "min(2.5·(h − d); h/2)",
             terminos[a.Termino], a.hcef, "mm", 1});
    a.AcEff = ce::AcEff(bt, a.hcef);
    Paso(t, {"A<sub>c,eff</sub>", "Área eficaz de hormigón traccionado", Apartado("7.3.2(3)"),
             "b<sub>t</sub>·h<sub>c,ef</sub>", N(bt) + "·" + N(a.hcef), a.AcEff * 0.01, "cm²", 2,
             0.01});
    a.rho = ce::rhoPEff(s.As1, a.AcEff);
    Paso(t, {"ρ<sub>p,eff</sub>", "Cuantía eficaz", Apartado("7.3.4(2), (7.10)"),
             "A<sub>s</sub>/A<sub>c,eff</sub>", N(s.As1) + "/" + N(a.AcEff), a.rho, "", 5});
    a.alphaE = ce::alphaE(r.Ecm);
    Paso(t, {"α<sub>e</sub>", "Cociente de módulos", Apartado("7.3.4(2)"),
             "E<sub>s</sub>/E<sub>cm</sub>", N(ce::Es) + "/" + N(r.Ecm), a.alphaE, "", 3});
    a.kt = ce::kt(d.LargaDuracion);
    Nota(t,
         std::string(d.LargaDuracion ? "Carga de larga duración" : "Carga de corta duración") +
             ": k<sub>t</sub> = " + Formatear(a.kt, 0, 1) + ".",
         "7.3.4(2)");
    return a;
}

// Deformación media, separación entre fisuras y abertura (7.9, 7.11 a 7.14, 7.8).
void AberturaFinal(const ResultadoFisuracion& r, AberturaFisura& a, Traza* t) {
    const DatosFisuracion& d = r.datos;
    const SeccionServicio& s = r.seccion;
    const double sig = r.cp.sigmaS1;
    a.deltaEps = ce::EpsSmMenosEpsCm(sig, a.kt, r.fctm, a.rho, a.alphaE);
    a.MinimoRige =
        ce::EpsSmMenosEpsCmSinMinimo(sig, a.kt, r.fctm, a.rho, a.alphaE) < 0.6 * sig / ce::Es;
    Paso(t, {"ε<sub>sm</sub> − ε<sub>cm</sub>", "Deformación media relativa del acero",
             Apartado("7.3.4(2), (7.9)"),
             a.MinimoRige ? "0.6·σ<sub>s</sub>/E<sub>s</sub> (mínimo de (7.9))"
                          : "(σ<sub>s</sub> − k<sub>t</sub>·f<sub>ct,eff</sub>/ρ<sub>p,eff</sub>·"
                            "(1 + α<sub>e</sub>·ρ<sub>p,eff</sub>))/E<sub>s</sub>",
             a.MinimoRige ? "0.6·" + N(sig) + "/" + N(ce::Es)
                          : "(" + N(sig) + " - " + N(a.kt) + "·" + N(r.fctm) + "/" + N(a.rho) +
                                "·(1 + " + N(a.alphaE) + "·" + N(a.rho) + "))/" + N(ce::Es),
             a.deltaEps * 1000.0, "‰", 4, 1000.0});
    a.k2 = ce::k2(r.cp.eps1, r.cp.eps2);
    if (r.cp.eps2 > 0.0)
        Paso(t, {"k<sub>2</sub>", "Distribución de deformaciones (tracción excéntrica)",
                 Apartado("7.3.4(3), (7.13)"), "(ε<sub>1</sub> + ε<sub>2</sub>)/(2·ε<sub>1</sub>)",
                 "(" + N(r.cp.eps1 * 1000.0) + " + " + N(r.cp.eps2 * 1000.0) + ")/(2·" +
                     N(r.cp.eps1 * 1000.0) + ")",
                 a.k2, "", 3});
    else
        Nota(t, "Flexión (la cara superior está comprimida): k<sub>2</sub> = 0.5.", "7.3.4(3)");
    if (a.SeparadasRige) {
        const double hx = r.cp.x > 0.0 ? r.cp.x : 0.0;
        a.srMax = ce::srMaxSeparadas(s.h, r.cp.x);
        Paso(t, {"s<sub>r,max</sub>",
                 "Separación máxima entre fisuras: barras separadas más de "
                 "5·(c + φ/2)",
                 Apartado("7.3.4(3), (7.14)"), r.cp.x > 0.0 ? "1.3·(h − x)" : "1.3·h",
                 "1.3·(" + N(s.h) + " - " + N(hx) + ")", a.srMax, "mm", 1});
    } else {
        a.srMax = ce::srMax(d.c, a.k2, a.phiEq, a.rho);
        Paso(t,
             {"s<sub>r,max</sub>", "Separación máxima entre fisuras", Apartado("7.3.4(3), (7.11)"),
              "3.4·c + 0.8·k<sub>2</sub>·0.425·φ<sub>eq</sub>/ρ<sub>p,eff</sub>",
              "3.4·" + N(d.c) + " + 0.8·" + N(a.k2) + "·0.425·" + N(a.phiEq) + "/" + N(a.rho),
              a.srMax, "mm", 1});
    }
    a.wk = ce::wk(a.srMax, a.deltaEps);
    Paso(t, {"w<sub>k</sub>", "Abertura de fisura", Apartado("7.3.4(1), (7.8)"),
             "s<sub>r,max</sub>·(ε<sub>sm</sub> − ε<sub>cm</sub>)",
             N(a.srMax) + "·" + N(a.deltaEps), a.wk, "mm", 3});
    a.Cumple = a.wk <= r.wmax;
    Nota(t,
         "w<sub>k</sub> = " + Formatear(a.wk, 0, 3) + (a.Cumple ? " mm ≤ " : " mm > ") +
             "w<sub>max</sub> = " + Formatear(r.wmax, 0, 1) +
             " mm (tabla 27.2 del Código "
             "Estructural, clase " +
             std::string(ce::ClasesExposicion[static_cast<std::size_t>(d.Clase)].nombre) + ").",
         "7.3.1(5)");
}

} // namespace

double AreaGrupos(const std::vector<GrupoBarras>& barras) {
    double A = 0.0;
    for (const GrupoBarras& g : barras)
        A += g.Numero * std::numbers::pi * g.Diametro * g.Diametro / 4.0;
    return A;
}

double ProfundidadUtil(double h, double c, const std::vector<GrupoBarras>& barras) {
    double A = 0.0, S = 0.0;
    for (const GrupoBarras& g : barras) {
        const double a = g.Numero * std::numbers::pi * g.Diametro * g.Diametro / 4.0;
        A += a;
        S += a * g.Diametro / 2.0;
    }
    return A > 0.0 ? h - c - S / A : h - c;
}

} // namespace velmora

namespace velmora {

namespace {

// Armadura mínima (7.3.2): zona traccionada de la sección bruta justo antes de fisurar.
ArmaduraMinima Minima(const ResultadoFisuracion& r, Traza* t) {
    const DatosFisuracion& d = r.datos;
    const SeccionServicio& s = r.seccion;
    const SeccionBruta& g = r.bruta;
    ArmaduraMinima m;
    m.hcr = hcr(s, g, d.Ncp, r.fctm);
    const double media = d.Ncp / g.Ac;
    if (media + r.fctm <= 0.0)
        Nota(t, "El axil cuasipermanente solo fisura toda la sección: h<sub>cr</sub> = h.",
             "7.3.2(2)");
    else
        Paso(t,
             {"h<sub>cr</sub>", "Canto traccionado de la sección bruta justo antes de fisurar",
              Apartado("7.3.2(2)"),
              "(h − y<sub>g</sub>)·f<sub>ct,eff</sub>/(f<sub>ct,eff</sub> + N/A<sub>c</sub>) ≤ h",
              m.hcr >= s.h ? N(s.h)
                           : "(" + N(s.h) + " - " + N(g.yg) + ")·" + N(r.fctm) + "/(" + N(r.fctm) +
                                 " + " + N(d.Ncp) + "/" + N(g.Ac) + ")",
              m.hcr, "mm", 1});
    m.Act = Act(s, m.hcr);
    const double enAlma = s.Rectangular ? m.hcr : std::min(m.hcr, s.h - s.hf);
    std::string sust = N(AnchoTraccionado(s)) + "·" + N(enAlma);
    if (!s.Rectangular && m.hcr > s.h - s.hf)
        sust += " + " + N(s.b) + "·(" + N(m.hcr) + " - " + N(s.h - s.hf) + ")";
    Paso(t, {"A<sub>ct</sub>", "Área de hormigón traccionado antes de fisurar",
             Apartado("7.3.2(2)"), "Σb·h<sub>cr</sub>", sust, m.Act * 0.01, "cm²", 2, 0.01});
    m.k = ce::kAutoequilibradas(s.h);
    Paso(t, {"k", "Coeficiente de las tensiones autoequilibradas (interpolado entre 300 y 800 mm)",
             Apartado("7.3.2(2)"), "1.0 − 0.35·(h − 300)/500, entre 0.65 y 1.0",
             s.h <= 300.0   ? "1"
             : s.h >= 800.0 ? "0.65"
                            : "1 - 0.35·(" + N(s.h) + " - 300)/500",
             m.k, "", 3});
    m.Traccion = m.hcr >= s.h;
    if (m.Traccion) {
        m.kc = 1.0;
        Nota(t, "Toda la sección traccionada al fisurar: k<sub>c</sub> = 1.", "7.3.2(2)");
    } else {
        const double k1 = ce::k1Axil(d.Ncp, s.h);
        m.kc = ce::kc(media, k1, s.h, r.fctm);
        Paso(t, {"k<sub>c</sub>", "Coeficiente de la distribución de tensiones",
                 Apartado("7.3.2(2), (7.2)"),
                 "0.4·(1 − σ<sub>c</sub>/(k<sub>1</sub>·(h/h*)·f<sub>ct,eff</sub>)), entre 0 y 1",
                 m.kc == 0.0 || m.kc == 1.0
                     ? N(m.kc)
                     : "0.4·(1 - " + N(media) + "/(" + N(k1) + "·(" + N(s.h) + "/" +
                           N(ce::hEstrella(s.h)) + ")·" + N(r.fctm) + "))",
                 m.kc, "", 3});
    }
    m.AsMin = ce::AsMin(m.kc, m.k, r.fctm, m.Act, d.fyk);
    Paso(t, {"A<sub>s,min</sub>", "Armadura mínima con σ<sub>s</sub> = f<sub>yk</sub>",
             Apartado("7.3.2(2), (7.1)"),
             "k<sub>c</sub>·k·f<sub>ct,eff</sub>·A<sub>ct</sub>/f<sub>yk</sub>",
             N(m.kc) + "·" + N(m.k) + "·" + N(r.fctm) + "·" + N(m.Act) + "/" + N(d.fyk),
             m.AsMin * 0.01, "cm²", 2, 0.01});
    m.Cumple = s.As1 >= m.AsMin;
    Nota(t,
         "A<sub>s</sub> = " + Formatear(s.As1 * 0.01, 0, 2) +
             (m.Cumple ? " cm² ≥ A<sub>s,min</sub>." : " cm² < A<sub>s,min</sub>."),
         "7.3.2(2)");
    return m;
}

// Control sin cálculo directo (7.3.3): tablas 7.2N y 7.3N con la σs cuasipermanente fisurada.
ControlTablas Tablas(const ResultadoFisuracion& r, Traza* t) {
    const DatosFisuracion& d = r.datos;
    const SeccionServicio& s = r.seccion;
    ControlTablas c;
    c.phiMax = DiametroMayor(d.BarrasA1);
    c.Aplicable = r.Fisura && r.abertura && r.wmax >= 0.2 - 1e-9;
    if (!c.Aplicable)
        return c;
    const double sig = r.cp.sigmaS1;
    c.phiEstrella = ce::phiSEstrella(sig, r.wmax);
    c.sMax = ce::SeparacionMaximaTabla(sig, r.wmax);
    const std::string w = Formatear(r.wmax, 0, 1);
    if (c.phiEstrella) {
        Paso(t, {"φ<sub>s</sub>*",
                 "Diámetro máximo de la tabla 7.2N para σ<sub>s</sub> = " + Formatear(sig, 0, 1) +
                     " N/mm² y w<sub>k</sub> = " + w + " mm (interpolado)",
                 Apartado("7.3.3(2)"), "tabla 7.2N", N(*c.phiEstrella), *c.phiEstrella, "mm", 2});
        const double hd = s.h - s.d;
        if (r.cp.TodaTraccionada) {
            c.phiS = ce::phiSTraccion(*c.phiEstrella, r.fctm, r.minima.hcr, s.h, s.d);
            Paso(t, {"φ<sub>s</sub>", "Diámetro máximo corregido (tracción)",
                     Apartado("7.3.3(2), (7.7N)"),
                     "φ<sub>s</sub>*·(f<sub>ct,eff</sub>/2.9)·h<sub>cr</sub>/(8·(h − d))",
                     N(*c.phiEstrella) + "·(" + N(r.fctm) + "/2.9)·" + N(r.minima.hcr) + "/(8·" +
                         N(hd) + ")",
                     *c.phiS, "mm", 2});
        } else {
            c.phiS = ce::phiSFlexion(*c.phiEstrella, r.fctm, r.minima.kc, r.minima.hcr, s.h, s.d);
            Paso(
                t,
                {"φ<sub>s</sub>", "Diámetro máximo corregido (flexión)",
                 Apartado("7.3.3(2), (7.6N)"),
                 "φ<sub>s</sub>*·(f<sub>ct,eff</sub>/2.9)·k<sub>c</sub>·h<sub>cr</sub>/(2·(h − d))",
                 N(*c.phiEstrella) + "·(" + N(r.fctm) + "/2.9)·" + N(r.minima.kc) + "·" +
                     N(r.minima.hcr) + "/(2·" + N(hd) + ")",
                 *c.phiS, "mm", 2});
        }
    }
    if (c.sMax)
        Paso(t, {"s<sub>max</sub>",
                 "Separación máxima de la tabla 7.3N para σ<sub>s</sub> = " + Formatear(sig, 0, 1) +
                     " N/mm² y w<sub>k</sub> = " + w + " mm (interpolada)",
                 Apartado("7.3.3(2)"), "tabla 7.3N", N(*c.sMax), *c.sMax, "mm", 1});
    const double s0 = r.abertura->s;
    c.Cumple = (c.phiS && c.phiMax <= *c.phiS + 1e-9) || (c.sMax && s0 <= *c.sMax + 1e-9);
    Nota(t,
         c.Cumple ? "Cumple el diámetro de la tabla 7.2N o la separación de la tabla 7.3N."
                  : "No cumple ni el diámetro de la tabla 7.2N ni la separación de la tabla 7.3N.",
         "7.3.3(2)");
    return c;
}

// Tensiones de una combinación: la fisurada si supera el momento de fisuración.
TensionesServicio Tensiones(const ResultadoFisuracion& r, double N, double M, bool& fisura,
                            double& Mcr) {
    Mcr = r.bruta.W * (r.fctm + N / r.bruta.Ac);
    fisura = MomentoEnCentro(r.bruta, r.seccion.h, N, M) > Mcr;
    TensionesServicio e = fisura ? Fisurada(r.seccion, r.n, r.EcEff, N, M)
                                 : SinFisurar(r.seccion, r.n, r.EcEff, N, M);
    if (fisura && e.TodaComprimida && !e.TodaTraccionada) {
        fisura = false;
        e = SinFisurar(r.seccion, r.n, r.EcEff, N, M);
    }
    return e;
}

// Limitación de tensiones (7.2).
void Limites(ResultadoFisuracion& r, Traza* t) {
    const DatosFisuracion& d = r.datos;
    const double lim = ce::SigmaCCuasipermanente(d.fck);
    Paso(t, {"0.45·f<sub>ck</sub>", "Límite de la fluencia lineal (cuasipermanente)",
             Apartado("7.2(3)"), "0.45·f<sub>ck</sub>", "0.45·" + N(d.fck), lim, "N/mm²", 2});
    r.FluenciaLineal = r.cp.sigmaC <= lim;
    Nota(t,
         r.FluenciaLineal ? "σ<sub>c</sub> ≤ 0.45·f<sub>ck</sub>: la fluencia es lineal."
                          : "σ<sub>c</sub> > 0.45·f<sub>ck</sub>: hay que considerar una "
                            "fluencia no lineal (3.1.4).",
         "7.2(3)");
    if (!d.Caracteristica)
        return;
    r.car = Tensiones(r, d.Nk, d.Mk, r.FisuraK, r.McrK);
    PasosTensiones(r, r.car, t, "característica");
    r.LimitaCompresion = ce::ClasesExposicion[static_cast<std::size_t>(d.Clase)].limitaCompresion;
    if (r.LimitaCompresion) {
        const double lc = ce::SigmaCCaracteristica(d.fck);
        Paso(t, {"0.6·f<sub>ck</sub>", "Límite de compresión (característica; XD, XF, XS)",
                 Apartado("7.2(2)"), "0.6·f<sub>ck</sub>", "0.6·" + N(d.fck), lc, "N/mm²", 2});
        r.CumpleSigmaC = r.car.sigmaC <= lc;
    }
    const double ls = ce::SigmaSCaracteristica(d.fyk);
    Paso(t, {"0.8·f<sub>yk</sub>", "Límite de tracción del acero (característica)",
             Apartado("7.2(5)"), "0.8·f<sub>yk</sub>", "0.8·" + N(d.fyk), ls, "N/mm²", 1});
    r.CumpleSigmaS = r.car.sigmaS1 <= ls;
}

SeccionServicio Seccion(const DatosFisuracion& d) {
    SeccionServicio s;
    s.Rectangular = d.Rectangular;
    s.h = d.h;
    s.b = d.b;
    s.hf = d.Rectangular ? 0.0 : d.hf;
    s.bw = d.Rectangular ? d.b : d.bw;
    s.As1 = AreaGrupos(d.BarrasA1);
    s.d = ProfundidadUtil(d.h, d.c, d.BarrasA1);
    s.As2 = AreaGrupos(d.BarrasA2);
    s.d2 = d.d2;
    return s;
}

bool Finito(const ResultadoFisuracion& r) {
    const double v[] = {r.fctm,       r.Ecm,        r.n,    r.Mcr,
                        r.cp.sigmaC,  r.cp.sigmaS1, r.cp.x, r.minima.AsMin,
                        r.car.sigmaC, r.car.sigmaS1};
    for (double x : v)
        if (!std::isfinite(x))
            return false;
    return !r.abertura || (std::isfinite(r.abertura->wk) && std::isfinite(r.abertura->srMax));
}

} // namespace

Resultado<ResultadoFisuracion> CalcularFisuracion(const DatosFisuracion& datos, Traza* t) {
    for (auto e :
         {ComprobarMateriales(datos), ComprobarGeometria(datos), ComprobarEsfuerzos(datos)})
        if (!e)
            return e.error();
    ResultadoFisuracion r;
    r.datos = datos;
    r.datos.Clase = std::clamp(datos.Clase, 0, static_cast<int>(ce::ClasesExposicion.size()) - 1);
    r.seccion = Seccion(datos);
    r.wmax = ce::ClasesExposicion[static_cast<std::size_t>(r.datos.Clase)].wmax;
    Nota(t,
         "Comprobación en servicio según el Código Estructural, Anejo 19, 7.2 y 7.3, "
         "cualquiera que sea la norma elegida para lo demás.",
         "7.1");
    Materiales(r, t);
    Fisuracion(r, t);
    bool fisura = false;
    double mcr = 0.0;
    r.cp = Tensiones(r, datos.Ncp, datos.Mcp, fisura, mcr);
    r.Fisura = fisura;
    PasosTensiones(r, r.cp, t, "cuasipermanente");
    if (r.Fisura) {
        AberturaFisura a = Abertura(r, t);
        AberturaFinal(r, a, t);
        r.abertura = a;
    }
    Limites(r, t);
    r.minima = Minima(r, t);
    r.tablas = Tablas(r, t);
    if (!Finito(r))
        return ResultadoNoRepresentable("la fisuración");
    return r;
}

} // namespace velmora
