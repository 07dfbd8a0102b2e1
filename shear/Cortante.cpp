#include "shear/Cortante.h"

#include "common/Numeros.h"
#include "norma/PasosNorma.h"
#include "norma/SegunNorma.h"
#include "shear/ComunCortante.h"
#include "shear/DescripcionCortante.h"
#include "shear/ce/Cortante.h"

#include <cmath>
#include <numbers>
#include <span>

namespace velmora {

namespace {

constexpr double Pi = std::numbers::pi;

constexpr std::array<const char*, 2> NombresZonas{"zona de apoyo", "zona central"};

// Denominadores de β más pequeños que esto se tratan como nulos: β no estaría definido.
constexpr double ToleranciaBeta = 1e-9;

// Redondeo hacia arriba a un número entero: truncado, más uno si queda por debajo.
double RedondearArriba(double x) {
    const double k = std::trunc(x);
    return k < x ? k + 1.0 : k;
}

bool DentroAbierto(double v, double min, double max) {
    return v > min && v < max;
}

} // namespace

namespace cortante {

double Cot(double rad) {
    return 1.0 / std::tan(rad);
}

double Radianes(double grados) {
    return grados * Pi * (1.0 / 180.0);
}

// Un ángulo desmesurado se escribe en la forma legible de los mensajes.
std::string Angulo(double grados) {
    if (!(std::fabs(grados) < 1e6))
        return NumeroLegible(grados) + "º";
    std::string s = Formatear(grados, 0, 4);
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.'))
        s.pop_back();
    return s + "º";
}

bool FuerzaMostrable(double N) {
    return CabeEnRotulo(N * 0.001, 10, 3);
}

Estado ComprobarSeccion(const DatosCortante& datos) {
    if (datos.d <= 0)
        return Estado::Error("El canto útil d ha de ser mayor que 0.", "CuadroCantoUtil");
    if (datos.b <= 0)
        return Estado::Error("El ancho b ha de ser mayor que 0.", "CuadroAncho");
    return Correcto();
}

Estado ComprobarArmaduras(const DatosCortante& datos) {
    if (datos.Asl < 0)
        return Estado::Error("La armadura longitudinal traccionada tiene un área negativa: "
                             "defínala de nuevo.",
                             "ValorArea");
    if (datos.ArmaduraComprimida && datos.phiMinComp <= 0)
        return Estado::Error("El diámetro mínimo comprimido φmin ha de ser mayor que 0.",
                             "CuadroDiametroMinimo");
    return Correcto();
}

void PrepararAlfa(CalculoCortante& c) {
    c.alfaRad = Radianes(c.datos.alfa);
    c.cotAlfa = c.datos.alfa == 90.0 ? 0.0 : Cot(c.alfaRad);
    c.senAlfa = c.datos.alfa == 90.0 ? 1.0 : std::sin(c.alfaRad);
}

void LimitarQuinceDiametros(const CalculoCortante& c, Separacion& s) {
    if (c.datos.ArmaduraComprimida && s.st > 15.0 * c.datos.phiMinComp) {
        s.st = 15.0 * c.datos.phiMinComp;
        s.limitada = true;
        s.regla = ReglaSeparacion::QuinceDiametros;
    }
}

} // namespace cortante

using namespace cortante;

double Fyad(double fyd) {
    return fyd > 400.0 ? 400.0 : fyd;
}

double Vu1(double fcd, double b0, double d, double cotTeta, double cotAlfa) {
    return 0.6 * fcd * b0 * d * (cotTeta + cotAlfa) / (1.0 + cotTeta * cotTeta);
}

double RhoL(double As, double b0, double d) {
    const double rho = As / b0 / d;
    return rho > 0.02 ? 0.02 : rho;
}

double Xi(double d) {
    return 1.0 + std::sqrt(200.0 / d);
}

double FactorBeta(double tetaRad, double tetaeRad) {
    const double c = Cot(tetaRad);
    const double ce = Cot(tetaeRad);
    if (c < ce)
        return (2.0 * c - 1.0) / (2.0 * ce - 1.0);
    return (c - 2.0) / (ce - 2.0);
}

double Vcu(double beta, double xi, double rhoL, double fck, double b0, double d) {
    return beta * 0.1 * xi * std::cbrt(100.0 * rhoL * fck) * b0 * d;
}

double Vsu(double Aalfa, double d, double senAlfa, double cotAlfa, double cotTeta, double fyad,
           double st) {
    return Aalfa * 0.9 * d * senAlfa * (cotAlfa + cotTeta) * fyad / st;
}

double StResistente(double Aalfa, double d, double senAlfa, double cotAlfa, double cotTeta,
                    double fyad, double Vd, double Vcu) {
    return 0.9 * d * senAlfa * (cotAlfa + cotTeta) * fyad * Aalfa / (Vd - Vcu);
}

double StMinima(double Aalfa, double fyad, double fcd, double b0, double senAlfa) {
    return 50.0 * Aalfa * fyad / (fcd * b0 * senAlfa);
}

double SigmaFisuracion(double Vd, double Vcu, double senAlfa, double Aalfa, double d) {
    return (Vd - 3.0 * Vcu) * senAlfa / (Aalfa * d);
}

double StFisuracion(double sigma) {
    if (sigma > 150)
        return 50;
    if (sigma > 100)
        return 100;
    if (sigma > 75)
        return 150;
    if (sigma > 50)
        return 200;
    return 300;
}

double StMaxima(double Vd, double Vu1, double d) {
    if (Vd > Vu1 * 2.0 * (1.0 / 3.0))
        return std::fmin(0.3 * d, 200.0);
    return std::fmin(Vd > 0.2 * Vu1 ? 0.6 * d : 0.8 * d, 300.0);
}

Estado ComprobarDatosCortante(const DatosCortante& datos) {
    if (auto r = ComprobarSeccion(datos); !r)
        return r;
    if (!DentroAbierto(datos.alfa, 0.0, 180.0))
        return Estado::Error("El ángulo α de las armaduras con el eje ha de estar entre 0º y "
                             "180º, sin incluirlos (se escribió " +
                                 Angulo(datos.alfa) + ").",
                             "CuadroAlfa");
    if (!DentroAbierto(datos.teta, 0.0, 90.0))
        return Estado::Error("El ángulo θ de las bielas con el eje ha de estar entre 0º y 90º, "
                             "sin incluirlos (se escribió " +
                                 Angulo(datos.teta) + ").",
                             "CuadroTeta");
    if (!DentroAbierto(datos.tetae, 0.0, 90.0))
        return Estado::Error("El ángulo θe de inclinación de las fisuras ha de estar entre 0º y "
                             "90º, sin incluirlos (se escribió " +
                                 Angulo(datos.tetae) + ").",
                             "CuadroTetae");
    return ComprobarArmaduras(datos);
}

namespace {

// Ángulos del cálculo; comprueba que β está definido y que la armadura cose las fisuras.
Estado PrepararAngulos(CalculoCortante& c) {
    const DatosCortante& datos = c.datos;
    c.tetaRad = Radianes(datos.teta);
    c.tetaeRad = Radianes(datos.tetae);
    c.cotTeta = Cot(c.tetaRad);
    // β: el denominador de la rama que rige no puede anularse (cot θe = 0.5 o cot θe = 2).
    const double ce = Cot(c.tetaeRad);
    const double denominador = c.cotTeta < ce ? 2.0 * ce - 1.0 : ce - 2.0;
    if (std::fabs(denominador) < ToleranciaBeta)
        return Estado::Error("Con θ = " + Angulo(datos.teta) + " y θe = " + Angulo(datos.tetae) +
                                 " el factor β no está definido (cot θe = 0.5 o cot θe = 2): "
                                 "cambie el ángulo θe.",
                             "CuadroTetae");
    PrepararAlfa(c);
    if (c.cotTeta + c.cotAlfa <= 0)
        return Estado::Error("Con α = " + Angulo(datos.alfa) + " y θ = " + Angulo(datos.teta) +
                                 " la armadura no cose las fisuras (cot α + cot θ no es "
                                 "positivo): reduzca el ángulo α.",
                             "CuadroAlfa");
    return Correcto();
}

// Vu1 o Vcu no se pueden mostrar: el error nombra el dato que lo causa. El ángulo α si con
// α = 90º Vu1 cabría (un α diminuto da cot α desmesurada), θe si Vcu cabría con β = 1 (β casi
// indefinido) y, si no, la sección.
ErrorCalculo CortanteDesmesurado(const CalculoCortante& c) {
    const DatosCortante& d = c.datos;
    const std::string limite = " no cabe en su rótulo (hasta 999999.999 kN): ";
    if (!FuerzaMostrable(c.Vu1) && FuerzaMostrable(Vu1(c.fcd, d.b, d.d, c.cotTeta, 0.0)))
        return {"Con α = " + Angulo(d.alfa) + " (cot α = " + NumeroLegible(c.cotAlfa) +
                    ") el agotamiento por compresión oblicua Vu1" + limite + "aumente el ángulo α.",
                "CuadroAlfa"};
    if (FuerzaMostrable(c.Vu1) && FuerzaMostrable(c.Vcu / c.beta))
        return {"Con θ = " + Angulo(d.teta) + " y θe = " + Angulo(d.tetae) +
                    " el factor β = " + NumeroLegible(c.beta) +
                    " lleva la contribución del hormigón Vcu a un valor que" + limite +
                    "cambie el ángulo θe.",
                "CuadroTetae"};
    return {"Con d = " + NumeroLegible(d.d * 0.001) + " m y b = " + NumeroLegible(d.b * 0.001) +
                " m el agotamiento Vu1 o la contribución del hormigón Vcu" + limite +
                "reduzca la sección.",
            "CuadroCantoUtil"};
}

} // namespace

namespace ehe98 {

// Pasos de la memoria por la EHE-98. Sólo escriben los valores que el cálculo acaba de obtener.
namespace {

using pasos::N;

void PasosCompresionOblicua(Traza& t, const CalculoCortante& c) {
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo("f<sub>yα,d</sub>", "Resistencia de cálculo de la armadura transversal",
                          "40.2", "f<sub>yd</sub> ≤ 400 N/mm²", N(c.fyad), c.fyad, "N/mm²", 2));
    t.Calculo(PasoCalculo("V<sub>u1</sub>", "Agotamiento por compresión oblicua del alma",
                          "44.2.3.1",
                          "0.60·f<sub>cd</sub>·b<sub>0</sub>·d·(cot θ + cot α)/(1 + cot²θ)",
                          "0.60·" + N(c.fcd) + "·" + N(d.b) + "·" + N(d.d) + "·(" + N(c.cotTeta) +
                              " + " + N(c.cotAlfa) + ")/(1 + " + N(c.cotTeta) + "²)",
                          c.Vu1 * 0.001, "kN", 1, 0.001));
    t.Nota(c.Agotamiento ? "Vd1 > Vu1: el hormigón se agota por compresión oblicua."
                         : "Vd1 ≤ Vu1: el hormigón no se agota por compresión oblicua.",
           "44.2.3.1");
}

// ρl se escribe antes de su límite; la raíz cúbica de Vcu, ya calculada.
void PasosHormigon(Traza& t, const CalculoCortante& c) {
    const DatosCortante& d = c.datos;
    const double rho = d.Asl / d.b / d.d;
    t.Calculo(PasoCalculo("ρ<sub>l</sub>", "Cuantía de la armadura longitudinal traccionada",
                          "44.2.3.2.2", "A<sub>s</sub>/(b<sub>0</sub>·d)",
                          N(d.Asl) + "/(" + N(d.b) + "·" + N(d.d) + ")", rho, "", 5));
    if (rho > 0.02)
        t.Nota("La cuantía ρl se limita a 0.02.", "44.2.3.2.2");
    t.Calculo(PasoCalculo("ξ", "Factor del canto útil", "44.2.3.2.2", "1 + √(200/d)",
                          "1 + √(200/" + N(d.d) + ")", c.xi, "", 4));
    const double ce = Cot(c.tetaeRad);
    const bool primera = c.cotTeta < ce; // la rama de FactorBeta
    t.Calculo(PasoCalculo("β", "Factor de la inclinación de las bielas", "44.2.3.2.2",
                          primera ? "(2·cot θ − 1)/(2·cot θ<sub>e</sub> − 1)"
                                  : "(cot θ − 2)/(cot θ<sub>e</sub> − 2)",
                          primera ? "(2·" + N(c.cotTeta) + " - 1)/(2·" + N(ce) + " - 1)"
                                  : "(" + N(c.cotTeta) + " - 2)/(" + N(ce) + " - 2)",
                          c.beta, "", 4));
    const double raiz = std::cbrt(100.0 * c.rhoL * c.fck);
    t.Calculo(
        PasoCalculo("V<sub>cu</sub>", "Contribución del hormigón", "44.2.3.2.2",
                    "β·0.10·ξ·(100·ρ<sub>l</sub>·f<sub>ck</sub>)<sup>1/3</sup>·b<sub>0</sub>·d",
                    N(c.beta) + "·0.10·" + N(c.xi) + "·" + N(raiz) + "·" + N(d.b) + "·" + N(d.d),
                    c.Vcu * 0.001, "kN", 1, 0.001));
}

void PasoMinima(Traza& t, const CalculoCortante& c, double Aalfa, double smin,
                const std::string& zona) {
    t.Calculo(PasoCalculo("s<sub>t,mín</sub>", "Separación con la cuantía mínima, " + zona,
                          "44.2.3.4.1",
                          "50·A<sub>α</sub>·f<sub>yα,d</sub>/(f<sub>cd</sub>·b<sub>0</sub>·sen α)",
                          "50·" + N(Aalfa) + "·" + N(c.fyad) + "/(" + N(c.fcd) + "·" +
                              N(c.datos.b) + "·" + N(c.senAlfa) + ")",
                          smin, "mm", 1));
}

void PasosResistenteYFisuracion(Traza& t, const CalculoCortante& c, double Vd, double Aalfa,
                                double st, double sigma, double sf, const std::string& zona) {
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo(
        "s<sub>t</sub>",
        "Separación con la que V<sub>cu</sub> + V<sub>su</sub> = V<sub>d</sub>, " + zona,
        "44.2.3.2.2",
        "0.9·d·sen α·(cot α + cot θ)·f<sub>yα,d</sub>·A<sub>α</sub>/(V<sub>d</sub> − "
        "V<sub>cu</sub>)",
        "0.9·" + N(d.d) + "·" + N(c.senAlfa) + "·(" + N(c.cotAlfa) + " + " + N(c.cotTeta) + ")·" +
            N(c.fyad) + "·" + N(Aalfa) + "/(" + N(Vd) + " - " + N(c.Vcu) + ")",
        st, "mm", 1));
    t.Calculo(PasoCalculo("σ<sub>sw</sub>", "Tensión de la armadura transversal, " + zona, "49.3",
                          "(V<sub>d</sub> − 3·V<sub>cu</sub>)·sen α/(A<sub>α</sub>·d)",
                          "(" + N(Vd) + " - 3·" + N(c.Vcu) + ")·" + N(c.senAlfa) + "/(" + N(Aalfa) +
                              "·" + N(d.d) + ")",
                          sigma, "N/mm²", 2));
    t.Nota("Con σsw = " + Formatear(sigma, 0, 2) + " N/mm² la separación no pasa de " +
               Formatear(sf, 0, 0) + " mm.",
           "49.3");
}

const char* TextoRegla(ReglaSeparacion r) {
    switch (r) {
    case ReglaSeparacion::Minima:
        return "Rige la cuantía mínima de armadura transversal.";
    case ReglaSeparacion::Resistente:
        return "Rige la resistencia: Vcu + Vsu = Vd.";
    case ReglaSeparacion::Fisuracion:
        return "Rige el control de la fisuración por cortante.";
    case ReglaSeparacion::Maxima:
        return "Rige la separación máxima de los cercos.";
    case ReglaSeparacion::QuinceDiametros:
        return "Rigen quince veces el diámetro comprimido más delgado.";
    }
    return "";
}

void PasoArea(Traza& t, const TextosZona& z, const std::string& zona) {
    t.Calculo(PasoCalculo("A<sub>α</sub>", "Área de los cercos, " + zona, "44.2.3.2.2", "n·π·φ²/4",
                          N(z.ramas) + "·" + N(Pi) + "·" + N(z.diametro) + "²/4", z.Aalfa, "mm²",
                          2));
}

void PasosResistencia(Traza& t, const CalculoCortante& c, const TextosZona& z, double Vu2,
                      const std::string& zona) {
    const DatosCortante& d = c.datos;
    t.Calculo(PasoCalculo(
        "V<sub>su</sub>", "Contribución de la armadura transversal, " + zona, "44.2.3.2.2",
        "A<sub>α</sub>·0.9·d·sen α·(cot α + cot θ)·f<sub>yα,d</sub>/s<sub>t</sub>",
        N(z.Aalfa) + "·0.9·" + N(d.d) + "·" + N(c.senAlfa) + "·(" + N(c.cotAlfa) + " + " +
            N(c.cotTeta) + ")·" + N(c.fyad) + "/" + N(z.st),
        z.Vsu * 0.001, "kN", 1, 0.001));
    t.Calculo(PasoCalculo("V<sub>u2</sub>", "Agotamiento por tracción en el alma, " + zona,
                          "44.2.3.2.2", "V<sub>cu</sub> + V<sub>su</sub>",
                          N(c.Vcu) + " + " + N(z.Vsu), Vu2 * 0.001, "kN", 1, 0.001));
}

} // namespace

Resultado<CalculoCortante> CalcularCortante(EstadoDiseno& e, const DatosCortante& datos,
                                            Traza* traza) {
    if (e.fcd <= 0 || e.fyd <= 0 || e.fck <= 0)
        return ErrorCalculo{MensajeConfirmarParametros, {}};
    if (auto r = velmora::ComprobarDatosCortante(datos); !r)
        return r.error();

    CalculoCortante c;
    c.datos = datos;
    c.fck = e.fck;
    c.fcd = e.fcd;
    c.fyad = Fyad(e.fyd);
    if (auto r = PrepararAngulos(c); !r)
        return r.error();

    c.Vu1 = Vu1(c.fcd, datos.b, datos.d, c.cotTeta, c.cotAlfa);
    c.Agotamiento = datos.Vd1 > c.Vu1;
    if (traza)
        PasosCompresionOblicua(*traza, c);
    c.rhoL = RhoL(datos.Asl, datos.b, datos.d);
    c.beta = FactorBeta(c.tetaRad, c.tetaeRad);
    c.xi = Xi(datos.d);
    c.Vcu = Vcu(c.beta, c.xi, c.rhoL, c.fck, datos.b, datos.d);
    if (traza)
        PasosHormigon(*traza, c);
    if (!FuerzaMostrable(c.Vu1) || !FuerzaMostrable(c.Vcu))
        return CortanteDesmesurado(c);
    e.d = datos.d;
    e.b = datos.b;
    return c;
}

double CalcularVsu(const CalculoCortante& c, double Aalfa, double st) {
    return Vsu(Aalfa, c.datos.d, c.senAlfa, c.cotAlfa, c.cotTeta, c.fyad, st);
}

double AgotamientoTraccion(const CalculoCortante& c, double Vsu) {
    return c.Vcu + Vsu;
}

Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double Vd, double Aalfa,
                                         Traza* traza, const std::string& zona) {
    if (!(Aalfa > 0))
        return Resultado<Separacion>::Error(MensajeSinCercos);
    const double d = c.datos.d;
    Separacion s;
    const double smin = StMinima(Aalfa, c.fyad, c.fcd, c.datos.b, c.senAlfa);
    if (traza)
        PasoMinima(*traza, c, Aalfa, smin, zona);
    s.st = smin;
    s.marca = "*";
    if (Vd > c.Vcu) {
        const double st = StResistente(Aalfa, d, c.senAlfa, c.cotAlfa, c.cotTeta, c.fyad, Vd, c.Vcu);
        if (!(st > smin)) {
            s.st = st;
            s.marca.clear();
            s.regla = ReglaSeparacion::Resistente;
        }
        const double sigma = SigmaFisuracion(Vd, c.Vcu, c.senAlfa, Aalfa, d);
        const double sf = StFisuracion(sigma);
        if (traza)
            PasosResistenteYFisuracion(*traza, c, Vd, Aalfa, st, sigma, sf, zona);
        if (s.st > sf) {
            s.st = sf;
            s.regla = ReglaSeparacion::Fisuracion;
        }
    } else if (traza) {
        traza->Nota("Vd ≤ Vcu en la " + zona + ": basta la armadura mínima.", "44.2.3.4.1");
    }
    const double smax = StMaxima(Vd, c.Vu1, d);
    if (traza)
        traza->Nota("Separación máxima por Vd frente a Vu1: " + Formatear(smax, 0, 1) + " mm.",
                    "44.2.3.4.1");
    s.limitada = s.st > smax;
    if (s.limitada) {
        s.st = smax;
        s.regla = ReglaSeparacion::Maxima;
    }
    LimitarQuinceDiametros(c, s);
    if (traza)
        traza->Nota(std::string(TextoRegla(s.regla)) + " s<sub>t</sub> = " + Formatear(s.st, 0, 1) +
                        " mm.",
                    "44.2.3.4.1");
    return s;
}

} // namespace ehe98

namespace {

// Las ecuaciones de cada norma, elegidas en un solo sitio.
struct ReglasCortante {
    Estado (*comprobar)(const DatosCortante&);
    Resultado<CalculoCortante> (*calcular)(EstadoDiseno&, const DatosCortante&, Traza*);
    Resultado<Separacion> (*separacion)(const CalculoCortante&, double Vd, double Aalfa, Traza*,
                                        const std::string& zona);
    double (*vsu)(const CalculoCortante&, double Aalfa, double st);
    double (*agotamiento)(const CalculoCortante&, double Vsu);
    // Pasos de la memoria de una zona: el área de sus cercos y sus resistencias.
    void (*pasoArea)(Traza&, const TextosZona&, const std::string& zona);
    void (*pasosResistencia)(Traza&, const CalculoCortante&, const TextosZona&, double Vu2,
                             const std::string& zona);
    // Símbolos de las filas de la ventana de resultados.
    std::array<const char*, 6> simbolos;
    bool tetae; // usa θe
};

const ReglasCortante& Reglas(Norma norma) {
    static constexpr ReglasCortante EHE98{&velmora::ComprobarDatosCortante,
                                          &ehe98::CalcularCortante,
                                          &ehe98::CalcularSeparacion,
                                          &ehe98::CalcularVsu,
                                          &ehe98::AgotamientoTraccion,
                                          &ehe98::PasoArea,
                                          &ehe98::PasosResistencia,
                                          {"V<sub>u1</sub>", "V<sub>cu</sub>",
                                           "V<sub>su, apoyo</sub>", "V<sub>su,central</sub>",
                                           "V<sub>u2, apoyo</sub>", "V<sub>u2,central</sub>"},
                                          true};
    static constexpr ReglasCortante CodigoEstructural{
        &ce::ComprobarDatosCortante,
        &ce::CalcularCortante,
        &ce::CalcularSeparacion,
        &ce::CalcularVsu,
        &ce::AgotamientoTraccion,
        &ce::PasoArea,
        &ce::PasosResistencia,
        {"V<sub>Rd,max</sub>", "V<sub>Rd,c</sub>", "V<sub>Rd,s, apoyo</sub>",
         "V<sub>Rd,s,central</sub>", "V<sub>Rd, apoyo</sub>", "V<sub>Rd,central</sub>"},
        false};
    return SegunNorma(norma, EHE98, CodigoEstructural);
}

} // namespace

Estado ComprobarDatosCortante(const DatosCortante& datos, Norma norma) {
    return Reglas(norma).comprobar(datos);
}

Resultado<CalculoCortante> CalcularCortante(EstadoDiseno& e, const DatosCortante& datos,
                                            Traza* traza) {
    return Reglas(e.norma).calcular(e, datos, traza);
}

double CalcularVsu(const CalculoCortante& c, double Aalfa, double st) {
    return Reglas(c.norma).vsu(c, Aalfa, st);
}

double AgotamientoTraccion(const CalculoCortante& c, double Vsu) {
    return Reglas(c.norma).agotamiento(c, Vsu);
}

Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double Vd, double Aalfa,
                                         Traza* traza, const std::string& zona) {
    return Reglas(c.norma).separacion(c, Vd, Aalfa, traza, zona);
}

Resultado<int> DiametroComercial(double x) {
    static constexpr int Diametros[] = {6, 8, 10, 12, 14, 16, 20, 25, 32, 40};
    const double k = RedondearArriba(x);
    if (!(k <= 40))
        return Resultado<int>::Error("No hay diámetro comercial de al menos " + Formatear(k, 0, 0) +
                                     " mm");
    for (int diametro : Diametros)
        if (diametro >= k)
            return diametro;
    return 40;
}

namespace {

TextosCampos TextosDeZona(const EleccionZonas& eleccion, std::size_t i) {
    if (i == 0)
        return {{"NumeroCercosZona1", eleccion.NumeroCercosZona1},
                {"DiametroZona1", eleccion.DiametroZona1}};
    return {{"NumeroCercosZona2", eleccion.NumeroCercosZona2},
            {"DiametroZona2", eleccion.DiametroZona2}};
}

// Separación y contribuciones de una zona con sus cercos. `phiT` es el diámetro mínimo de los
// cercos (0 sin armadura comprimida): un diámetro menor se eleva a él.
Estado DisenarZona(const CalculoCortante& c, const TextosCampos& textos, std::size_t i, double Vd,
                   int phiT, TextosZona& z, Traza* traza) {
    const auto campos = std::span(CamposZonas).subspan(2 * i, 2);
    const auto v = LeerEscritos(textos, campos);
    if (!v)
        return v.error();
    const double n = (*v)[0];
    double phiCerco = (*v)[1];
    if (phiCerco < phiT) {
        phiCerco = phiT;
        z.DiametroElevado = Formatear(phiT, 2, 0);
    }
    if (n <= 0 || phiCerco <= 0)
        return Estado::Error(MensajeSinCercos);
    // El diámetro que se usa es el elevado al mínimo de la armadura comprimida.
    const std::array<double, 2> usados{n, phiCerco};
    if (auto e = ComprobarIntervalos(campos, usados); !e) {
        z.DiametroElevado.clear();
        return e;
    }
    z.ramas = n;
    z.diametro = phiCerco;
    z.Aalfa = n * Pi * phiCerco * phiCerco * 0.25;
    const std::string zona = NombresZonas[i];
    if (traza)
        Reglas(c.norma).pasoArea(*traza, z, zona);
    const auto s = CalcularSeparacion(c, Vd, z.Aalfa, traza, zona);
    if (!s)
        return s.error();
    z.st = s.valor().st;
    z.Vsu = CalcularVsu(c, z.Aalfa, z.st);
    const double Vu2 = AgotamientoTraccion(c, z.Vsu);
    if (traza)
        Reglas(c.norma).pasosResistencia(*traza, c, z, Vu2, zona);
    if (!CabeEnRotulo(z.st * 0.1, 3, 0) || !FuerzaMostrable(z.Vsu) || !FuerzaMostrable(Vu2))
        return ResultadoNoRepresentable(NombreCalculo);
    z.valida = true;
    z.Longitud = "/ " + Formatear(z.st * 0.1, 3, 0) + s.valor().marca;
    z.SeparacionMaxima = s.valor().limitada;
    z.ContribucionArmadura = TextoFuerza(z.Vsu);
    z.AgotamientoTraccion = TextoFuerza(Vu2);
    return Correcto();
}

} // namespace

TextosZonas CalcularZonas(const CalculoCortante& c, const EleccionZonas& eleccion, Traza* traza) {
    TextosZonas t;
    // Diámetro mínimo de los cercos con armadura comprimida: la cuarta parte de la barra
    // comprimida más gruesa (art. 42.3.1).
    int phiT = 0;
    if (c.datos.ArmaduraComprimida) {
        const auto r = DiametroComercial(RedondearArriba(c.datos.phiMaxComp * 0.25));
        if (r) {
            phiT = *r;
            t.Recordatorio =
                "El diámetro ha de ser mayor o igual que " + Formatear(phiT, 2, 0) + " mm";
        } else {
            t.Recordatorio = r.error().mensaje;
        }
    } else {
        t.Recordatorio = "El diámetro ha de ser mayor o igual que 6 mm";
    }

    const std::array<double, 2> cortantes{c.datos.Vd2, c.datos.Vd3};
    for (std::size_t i = 0; i < 2; ++i) {
        TextosZona& z = t.zona[i];
        z.ContribucionArmadura = z.AgotamientoTraccion = "=";
        // Los pasos de la zona sólo pasan a la memoria si la zona da resultado.
        Traza pasos;
        if (auto e = DisenarZona(c, TextosDeZona(eleccion, i), i, cortantes[i], phiT, z,
                                 traza ? &pasos : nullptr);
            !e) {
            // El porqué está en el rótulo de la separación de la zona; Vsu y Vu2 no muestran
            // un «=» sin número.
            z.valida = false;
            z.Longitud = e.error().mensaje;
            z.ContribucionArmadura.clear();
            z.AgotamientoTraccion.clear();
            if (traza)
                traza->Nota("Sin resultado en la " + std::string(NombresZonas[i]) + ": " +
                            z.Longitud);
        } else if (traza) {
            traza->Anadir(std::move(pasos));
        }
    }
    return t;
}

bool UsaTetae(Norma norma) {
    return Reglas(norma).tetae;
}

std::array<std::string, 6> SimbolosResultadosCortante(Norma norma) {
    const auto& s = Reglas(norma).simbolos;
    return {s[0], s[1], s[2], s[3], s[4], s[5]};
}

std::string TextoFuerza(double N) {
    return "=" + Formatear(N * 0.001, 10, 3);
}

std::string TextoCompresionOblicua(const CalculoCortante& c) {
    if (c.Agotamiento)
        return "Agotamiento del hormigón. Aumente la sección\ro incline los cercos un ángulo "
               "menor de 90º";
    return "La sección de homigón es adecuada, y éste no\rse agota por compresión oblicua en "
           "el alma";
}

} // namespace velmora
