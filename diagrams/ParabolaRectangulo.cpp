#include "diagrams/ParabolaRectangulo.h"
#include "materiales/ehe98/Leyes.h"

#include "common/Numeros.h"
#include "common/PasosTraza.h"
#include "design/GeometriaSeccion.h"
#include "materiales/BloqueComprimido.h"
#include "design/MaterialesDelEstado.h"
#include "materiales/Resistencias.h"
#include "materiales/ce/Hormigon.h"
#include "materiales/ce/Leyes.h"
#include "norma/PasosNorma.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora {

namespace {

using pasos::A;

constexpr int PuntosBloque = 100;

std::size_t Situacion(int i) {
    return (i == 1) ? 1u : 0u;
}

// Deformación a la profundidad y con el perfil de pivotes del último BloqueComprimido.
double DeformacionEn(const EstadoDiseno& e, double y) {
    if (e.x > e.h)
        return e.epsC - (e.epsC - e.epsCInf) * y / e.h;
    return e.epsC * (e.x - y) / e.x;
}

// La ley de Anejo 19, 3.1.7 con εc2, εcu2 y n de la tabla 3.1 para la fck del estado.
LeyHormigon LeyCE(const EstadoDiseno& e) {
    return ce::LeyHormigonCE(e.fcd, ce::EpsilonC2(e.fck), ce::EpsilonCU2(e.fck),
                             ce::ExponenteN(e.fck));
}

bool CodigoEstructural(const EstadoDiseno& e) {
    return e.norma == Norma::CodigoEstructural;
}

} // namespace

const Campo& CampoFckParabolaDe(Norma norma) {
    return norma == Norma::CodigoEstructural ? CampoFckParabolaCE : CampoFckParabola;
}

double GammaCParabola(const EstadoDiseno& e, int SituacionProyecto) {
    if (CodigoEstructural(e))
        return GammaCCE(static_cast<int>(Situacion(SituacionProyecto)), 0);
    return e.TablaGammaC[Situacion(SituacionProyecto)];
}

std::string TextoLeyHormigonCE(double fck, double alphaCC, double gammaC) {
    if (!ComprobarIntervalo(CampoFckParabolaCE, fck) || !(gammaC > 0.0))
        return {};
    return "Código Estructural, Anejo 19, 3.1.7: εc2 = " +
           Formatear(1000.0 * ce::EpsilonC2(fck), 0, 2) +
           " ‰, εcu2 = " + Formatear(1000.0 * ce::EpsilonCU2(fck), 0, 2) +
           " ‰, n = " + Formatear(ce::ExponenteN(fck), 0, 2) +
           ", fcd = αcc·fck/γc = " + Formatear(ce::Fcd(alphaCC, fck, gammaC), 0, 2) + " N/mm²";
}

double TensionParabola(const EstadoDiseno& e, double eps) {
    if (CodigoEstructural(e))
        return ce::SigmaC(LeyCE(e), eps);
    return TensionHormigon(eps, e.fcd);
}

std::string TextoEtiquetaHormigon(std::string_view ResistenciaCaracteristica, Norma norma) {
    const Campo& campo = CampoFckParabolaDe(norma);
    const auto fck = LeerNumero(ResistenciaCaracteristica, campo.nombre);
    if (!fck || !ComprobarIntervalo(campo, *fck))
        return "Hormigón";
    // Un texto largo (ceros de más) se muestra como el número que es.
    constexpr std::size_t LargoMaximo = 6;
    return "Hormigón HA-" + (ResistenciaCaracteristica.size() <= LargoMaximo
                                 ? std::string(ResistenciaCaracteristica)
                                 : NumeroLegible(*fck));
}

std::string TextoEtiquetaGammac(const EstadoDiseno& e, int SituacionProyecto) {
    return "= " + Formatear(GammaCParabola(e, SituacionProyecto), 4, 2);
}

namespace {

// Fracción media de la meseta (Cansancio·fcd) sobre la profundidad x y brazo respecto de la fibra
// neutra, en x.
struct FormaBloque {
    double relleno, brazo;
};

FormaBloque Forma(double epsC) {
    if (epsC >= ehe98::EpsilonC0) {
        const double k = ehe98::EpsilonC0 / epsC;
        return {1.0 - k / 3.0, (0.5 - k * k / 12.0) / (1.0 - k / 3.0)};
    }
    const double m = epsC / ehe98::EpsilonC0;
    return {m - m * m / 3.0, (2.0 * m / 3.0 - m * m / 4.0) / (m - m * m / 3.0)};
}

} // namespace

double ResultanteRectangular(double fcd, double b, double x, double epsC) {
    return ehe98::Cansancio * fcd * b * x * Forma(epsC).relleno;
}

double CentroRectangular(double x, double epsC) {
    return x * (1.0 - Forma(epsC).brazo);
}

Resultado<ValoresParabola> LeerDatosParabola(const TextosCampos& textos, FormaSeccion forma,
                                             SituacionDeProyecto situacion) {
    const bool enT = forma == FormaSeccion::EnT;
    ValoresParabola v;
    v.Forma = forma;
    v.Situacion = situacion;
    const std::pair<const Campo*, double*> campos[] = {
        {&CampoCanto, &v.h},
        {enT ? &CampoAnchoAla : &CampoAncho, &v.b},
        {&CampoRecubrimiento, &v.d1},
        {enT ? &CampoCantoAla : nullptr, &v.hf}, // ocultos en la sección rectangular
        {enT ? &CampoAnchoAlma : nullptr, &v.bw},
        {&CampoFibraNeutra, &v.x},
        {&CampoFckParabola, &v.fck},
    };
    for (const auto& [campo, destino] : campos) {
        if (!campo)
            continue;
        auto r = LeerCampo(textos, *campo);
        // Un número que al pasarlo a mm ya no es finito está fuera de su intervalo.
        if (r && !std::isfinite(*r))
            r = LeerCampoEnIntervalo(textos, *campo);
        if (!r)
            return r.error();
        *destino = *r;
    }
    if (!(v.fck > 0.0))
        return Resultado<ValoresParabola>::Error(
            "La resistencia característica del hormigón debe ser mayor que cero (se ha escrito «" +
                std::string(TextoCampo(textos, CampoFckParabola)) + "»).",
            std::string(CampoFckParabola.control));
    return v;
}

TextosCampos TextosParabola(const DatosParabola& d) {
    return {{"Valor1", d.Valor1}, {"Valor2", d.Valor2}, {"Valor3", d.Valor3},
            {"Valor4", d.Valor4}, {"Valor5", d.Valor5}, {"Valor6", d.Valor6},
            {"ResistenciaCaracteristica", d.ResistenciaCaracteristica}};
}

namespace {

// La misma comprobación de la geometría que las secciones; esta herramienta no tiene armadura
// de compresión (d2 no interviene).
Estado ComprobarGeometriaParabola(const EstadoDiseno& t) {
    EstadoDiseno g = t;
    g.d2 = 0.0;
    CamposGeometria nombres;
    nombres.h = "Valor1";
    nombres.b = "Valor2";
    nombres.d1 = "Valor3";
    nombres.hf = "Valor4";
    nombres.bw = "Valor5";
    return ComprobarGeometria(g, nombres);
}

Estado ComprobarIntervalos(const ValoresParabola& v, Norma norma) {
    const bool enT = v.Forma == FormaSeccion::EnT;
    const std::pair<const Campo*, double> campos[] = {
        {&CampoCanto, v.h},
        {enT ? &CampoAnchoAla : &CampoAncho, v.b},
        {&CampoRecubrimiento, v.d1},
        {enT ? &CampoCantoAla : nullptr, v.hf},
        {enT ? &CampoAnchoAlma : nullptr, v.bw},
        {&CampoFibraNeutra, v.x},
        {&CampoFckParabolaDe(norma), v.fck},
    };
    for (const auto& [campo, valor] : campos)
        if (campo)
            if (auto r = ComprobarIntervalo(*campo, valor / campo->factor); !r)
                return r;
    return Correcto();
}

// El bloque de Anejo 19, 3.1.7 con la ley `ley` en el plano último de 6.1 para la fibra neutra
// x (mm, x > 0): Cc, yc, epsC y, con la sección toda comprimida, epsCInf (lo mismo que
// BloqueComprimido).
void BloqueCE(EstadoDiseno& t, const LeyHormigon& ley, double x) {
    const PlanoDeformacion plano = ce::PlanoUltimo(ley, t.h, x);
    const BloqueHormigon bloque = ce::Bloque(t, ley, x);
    t.Cc = bloque.Cc;
    t.yc = bloque.yc;
    t.epsC = plano.epsSup;
    if (x > t.h)
        t.epsCInf = DeformacionEn(plano, t.h);
}

// fcd del diagrama: EHE-98, art. 39.4; Código Estructural, Anejo 19, 3.1.6 (3.15).
void PasoFcdParabola(Traza& t, const EstadoDiseno& e) {
    if (CodigoEstructural(e))
        AnadirCalculo(t, {"f<sub>cd</sub>", "Resistencia de cálculo del hormigón (3.15)",
                          A("3.1.6"), "α<sub>cc</sub>·f<sub>ck</sub>/γ<sub>c</sub>",
                          N(e.alphaCC) + "·" + N(e.fck) + "/" + N(e.gammaC), e.fcd, "N/mm²", 2});
    else
        AnadirCalculo(t, {"f<sub>cd</sub>", "Resistencia de cálculo del hormigón", "39.4",
                          "f<sub>ck</sub>/γ<sub>c</sub>", N(e.fck) + "/" + N(e.gammaC), e.fcd,
                          "N/mm²", 2});
}

// εc2, εcu2 y n de la ley (tabla 3.1 del Anejo 19) con su expresión para fck; las potencias van
// ya calculadas en la sustitución.
void PasosLeyCE(Traza& t, double fck, const LeyHormigon& ley) {
    t.Nota("Diagrama parábola-rectángulo (3.17) y (3.18): σc = fcd·[1 − (1 − εc/εc2)^n] hasta "
           "εc2 y σc = fcd de εc2 a εcu2, sin otro factor sobre fcd.",
           A("3.1.7"));
    const std::string cita = A("3.1.7");
    const bool alta = fck > 50.0;
    const double p053 = alta ? std::pow(fck - 50.0, 0.53) : 0.0;
    const double p4 = std::pow((90.0 - fck) / 100.0, 4.0);
    AnadirCalculo(t, {"ε<sub>c2</sub>", "Deformación al alcanzar la resistencia (tabla 3.1)", cita,
                      alta ? "2.0 + 0.085·(f<sub>ck</sub> − 50)<sup>0.53</sup>" : "2.0",
                      alta ? "2.0 + 0.085·" + N(p053) : "2.0", 1000.0 * ley.epsC2, "‰", 3});
    AnadirCalculo(t, {"ε<sub>cu2</sub>", "Deformación de rotura (tabla 3.1)", cita,
                      alta ? "2.6 + 35·((90 − f<sub>ck</sub>)/100)<sup>4</sup>" : "3.5",
                      alta ? "2.6 + 35·" + N(p4) : "3.5", 1000.0 * ley.epsCU2, "‰", 3});
    AnadirCalculo(t, {"n", "Exponente de la parábola (tabla 3.1)", cita,
                      alta ? "1.4 + 23.4·((90 − f<sub>ck</sub>)/100)<sup>4</sup>" : "2.0",
                      alta ? "1.4 + 23.4·" + N(p4) : "2.0", ley.n, "", 3});
}

// Sección en T o toda comprimida: la ley se integra capa a capa; C y su profundidad.
void PasosBloqueIntegrado(Traza& t, const EstadoDiseno& e, const std::string& cita,
                          const char* nota) {
    t.Nota(nota, cita);
    AnadirCalculo(t, {"C", "Resultante de las compresiones", cita, "∫ σ<sub>c</sub>(y)·b(y) dy",
                      N(e.Cc), e.Cc * 0.001, "kN", 3, 0.001});
    AnadirCalculo(t, {"x<sub>g</sub>", "Profundidad de la resultante", cita,
                      "∫ σ<sub>c</sub>·b·y dy / C", N(e.yc), e.yc * 0.001, "m", 3, 0.001});
}

// La resultante y su profundidad en forma cerrada: bloque rectangular con εcu2 arriba (x ≤ h).
void PasosBloqueRectangularCE(Traza& t, const EstadoDiseno& e, double n, double r) {
    const std::string cita = A("3.1.7");
    const std::string q = "(" + N(r) + ")", m1 = N(n + 1.0), m2 = N(n + 2.0);
    AnadirCalculo(t, {"C", "Resultante de las compresiones", cita,
                      "f<sub>cd</sub>·b·x·(1 − r/(n + 1)), r = ε<sub>c2</sub>/ε<sub>cu2</sub>",
                      N(e.fcd) + "·" + N(e.b) + "·" + N(e.x) + "·(1 − " + q + "/" + m1 + ")",
                      e.Cc * 0.001, "kN", 3, 0.001});
    AnadirCalculo(t, {"x<sub>g</sub>", "Profundidad de la resultante", cita,
                      "x·(1 − (1/2 − r²/((n + 1)·(n + 2)))/(1 − r/(n + 1)))",
                      N(e.x) + "·(1 − (0.5 − " + q + "²/(" + m1 + "·" + m2 + "))/(1 − " + q +
                          "/" + m1 + "))",
                      e.yc * 0.001, "m", 3, 0.001});
}

// Código Estructural, 6.1: el plano último que dio el bloque, εc en la fibra superior, C y xg.
void PasosBloqueCE(Traza& t, const EstadoDiseno& e, const LeyHormigon& ley) {
    const double ec2 = ley.epsC2, ecu2 = ley.epsCU2;
    const bool todaComprimida = e.x > e.h;
    t.Nota(todaComprimida
               ? "Sección toda comprimida (x > h): la deformación gira alrededor del punto a "
                 "(1 − εc2/εcu2)·h con εc2; sin pivote en la armadura."
               : "Fibra más comprimida en εcu2 (sin pivote en la armadura: rama horizontal del "
                 "acero sin límite de deformación).",
           A("6.1"));
    AnadirCalculo(t, {"ε<sub>c</sub>", "Deformación de la fibra más comprimida", A("6.1"),
                      todaComprimida ? "ε<sub>c2</sub>·x/(x − (1 − ε<sub>c2</sub>/ε<sub>cu2</sub>)·h)"
                                     : "ε<sub>cu2</sub>",
                      todaComprimida ? N(1000.0 * ec2) + "·" + N(e.x) + "/(" + N(e.x) + " − (1 − " +
                                           N(ec2) + "/" + N(ecu2) + ")·" + N(e.h) + ")"
                                     : N(1000.0 * ecu2),
                      1000.0 * e.epsC, "‰", 4});
    if (e.SeccionRectangular && !todaComprimida)
        PasosBloqueRectangularCE(t, e, ley.n, ec2 / ecu2);
    else
        PasosBloqueIntegrado(t, e, A("3.1.7"),
                             "Sección en T o toda comprimida: la ley de tensiones se integra en "
                             "forma cerrada capa a capa sobre la anchura de la sección.");
}

// EHE-98, art. 39.5: C y su profundidad en forma cerrada con k = εc0/εc o m = εc/εc0, como
// Forma().
void PasosBloqueRectangularEHE98(Traza& t, const EstadoDiseno& e) {
    const bool rectangulo = e.epsC >= ehe98::EpsilonC0;
    const std::string c0 = Cifras(ehe98::EpsilonC0), bloque = Cifras(ehe98::Cansancio);
    const std::string f = rectangulo ? "k = " + c0 + "/ε<sub>c</sub>" : "m = ε<sub>c</sub>/" + c0;
    const std::string q =
        rectangulo ? "(" + c0 + "/" + N(e.epsC) + ")" : "(" + N(e.epsC) + "/" + c0 + ")";
    AnadirCalculo(t, {"C", "Resultante de las compresiones", "39.5",
                      rectangulo ? bloque + "·f<sub>cd</sub>·b·x·(1 − k/3), " + f
                                 : bloque + "·f<sub>cd</sub>·b·x·(m − m²/3), " + f,
                      bloque + "·" + N(e.fcd) + "·" + N(e.b) + "·" + N(e.x) +
                          (rectangulo ? "·(1 − " + q + "/3)" : "·(" + q + " − " + q + "²/3)"),
                      e.Cc * 0.001, "kN", 3, 0.001});
    const std::string brazo = rectangulo
                                  ? "(0.5 − " + q + "²/12)/(1 − " + q + "/3)"
                                  : "(2·" + q + "/3 − " + q + "²/4)/(" + q + " − " + q + "²/3)";
    AnadirCalculo(t, {"x<sub>g</sub>", "Profundidad de la resultante", "39.5",
                      rectangulo ? "x·(1 − (1/2 − k²/12)/(1 − k/3))"
                                 : "x·(1 − (2m/3 − m²/4)/(m − m²/3))",
                      N(e.x) + "·(1 − " + brazo + ")", e.yc * 0.001, "m", 3, 0.001});
}

// EHE-98, art. 39.5: el pivote que dio el bloque, εc en la fibra superior, C y xg.
void PasosBloqueEHE98(Traza& t, const EstadoDiseno& e) {
    const bool todaComprimida = e.x > e.h;
    t.Nota(todaComprimida
               ? "Sección toda comprimida (x > h): la deformación gira alrededor del punto a 3/7 "
                 "del canto con 2 ‰."
               : (e.epsC >= ehe98::EpsilonCU - 1e-12
                      ? "Fibra más comprimida en 3.5 ‰ (agotamiento del hormigón)."
                      : "Armadura en 10 ‰: la fibra más comprimida no llega a 3.5 ‰."),
           "39.5");
    AnadirCalculo(t, {"ε<sub>c</sub>", "Deformación de la fibra más comprimida", "39.5",
                      "ε<sub>c</sub>", N(1000.0 * e.epsC), 1000.0 * e.epsC, "‰", 4});
    if (e.SeccionRectangular && !todaComprimida)
        PasosBloqueRectangularEHE98(t, e);
    else
        PasosBloqueIntegrado(t, e, "39.5",
                             "Sección en T o toda comprimida: la ley de tensiones se integra "
                             "franja a franja sobre la anchura de la sección.");
}

// Rótulos de C (kN) y de su centro de gravedad (m): 8:3, como mucho 14 caracteres.
constexpr int AnchoRotulo = 8, AnchoMaximoRotulo = 14, DecimalesRotulo = 3;

} // namespace

Resultado<RotulosParabola> CalcularParabola(EstadoDiseno& e, const ValoresParabola& v,
                                            Traza* traza) {
    const bool enT = v.Forma == FormaSeccion::EnT;
    // Se trabaja sobre una copia: el estado sólo cambia si todo es válido.
    EstadoDiseno t = e;
    t.h = v.h;
    t.b = v.b;
    t.d1 = v.d1;
    t.d = t.h - t.d1;
    t.SeccionRectangular = !enT;
    if (enT) {
        t.hf = v.hf;
        t.bw = v.bw;
    }
    t.fck = v.fck;
    t.gammaC = GammaCParabola(t, static_cast<int>(v.Situacion));
    // Código Estructural (Anejo 19, 3.15): αcc de los parámetros generales en lugar del factor
    // que la EHE-98 pone en el diagrama.
    t.fcd =
        CodigoEstructural(t) ? ce::Fcd(t.alphaCC, t.fck, t.gammaC) : ehe98::Fcd(t.fck, t.gammaC);
    t.x = v.x;
    // Los pasos pasan a la traza sólo si el cálculo da resultado.
    Traza pasos;
    Traza* const p = traza ? &pasos : nullptr;
    if (p)
        PasoFcdParabola(*p, t);

    if (const auto r = ComprobarGeometriaParabola(t); !r)
        return r.error();
    if (!(t.x > 0.0))
        return Resultado<RotulosParabola>::Error(
            "La profundidad de la fibra neutra x debe ser mayor que cero.", "Valor6");
    if (CodigoEstructural(t)) {
        const LeyHormigon ley = LeyCE(t);
        if (p)
            PasosLeyCE(*p, t.fck, ley);
        BloqueCE(t, ley, t.x);
        if (p)
            PasosBloqueCE(*p, t, ley);
    } else {
        BloqueComprimido(t, t.x);
        if (p)
            PasosBloqueEHE98(*p, t);
    }
    if (!std::isfinite(t.Cc) || !std::isfinite(t.yc) || !(t.Cc > 0.0) || t.yc < 0.0 || t.yc > t.h)
        return Resultado<RotulosParabola>::Error(MensajeValoresNoFinitos, "Valor6");
    if (const auto r = ComprobarIntervalos(v, t.norma); !r)
        return r.error();
    if (!CabeEnRotulo(t.Cc * 0.001, AnchoMaximoRotulo, DecimalesRotulo) ||
        !CabeEnRotulo(t.yc * 0.001, AnchoMaximoRotulo, DecimalesRotulo))
        return ResultadoNoRepresentable("el diagrama parábola-rectángulo");

    e = t;
    if (traza)
        traza->Anadir(std::move(pasos));
    return RotulosParabola{
        "C  = " + Formatear(e.Cc * 0.001, AnchoRotulo, DecimalesRotulo) + " kN",
        "x   =  " + Formatear(e.yc * 0.001, AnchoRotulo, DecimalesRotulo) + " m"};
}

Resultado<RotulosParabola> CalcularParabola(EstadoDiseno& e, const DatosParabola& datos) {
    const auto v = LeerDatosParabola(
        TextosParabola(datos), datos.TipoSeccion == 1 ? FormaSeccion::EnT : FormaSeccion::Rectangular,
        datos.SituacionProyecto == 1 ? SituacionDeProyecto::Accidental
                                     : SituacionDeProyecto::PersistenteOTransitoria);
    if (!v)
        return v.error();
    return CalcularParabola(e, *v);
}

DibujoBloque CalcularDibujoBloque(const EstadoDiseno& e) {
    DibujoBloque d;
    d.Rectangular = e.SeccionRectangular;
    d.h = e.h;
    d.b = e.b;
    d.bw = e.SeccionRectangular ? e.b : e.bw;
    d.hf = e.SeccionRectangular ? 0.0 : e.hf;
    d.d1 = e.d1;
    d.x = e.x;
    d.yc = e.yc;
    d.Cc = e.Cc;
    d.fcd = e.fcd;
    d.norma = e.norma;
    // La ley del hormigón de la norma del estado: meseta alfa·fcd (el factor de la EHE-98, o fcd
    // con αcc en el Código Estructural) y sus dos deformaciones.
    const LeyHormigon ley = MaterialesConfirmados(e).hormigon;
    d.tensionMaxima = ley.alfa * ley.fcd;
    d.epsC2 = ley.epsC2;
    d.epsCU2 = ley.epsCU2;
    if (!(e.x > 0.0) || !(e.h > 0.0) || !(e.epsC > 0.0))
        return d;
    d.epsC = e.epsC;
    d.epsInf = DeformacionEn(e, e.h);
    const double fondo = std::min(e.x, e.h);
    for (int i = 0; i <= PuntosBloque; ++i) {
        const double y = fondo * i / PuntosBloque;
        d.Tensiones.push_back({y, TensionParabola(e, DeformacionEn(e, y))});
    }
    return d;
}

} // namespace velmora
