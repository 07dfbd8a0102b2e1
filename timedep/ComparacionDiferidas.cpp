#include "timedep/ComparacionDiferidas.h"

#include "common/Numeros.h"
#include "timedep/Comun.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"

#include <array>
#include <string>

namespace velmora {

namespace {

std::string Con(double v, int decimales, const char* unidad) {
    return Formatear(v, 0, decimales) + unidad;
}

// Deformación en ‰ con su diferencia.
FilaComparacion FilaMilesima(std::string magnitud, double a, double b) {
    return {std::move(magnitud), Con(1000.0 * a, 4, " ‰"), Con(1000.0 * b, 4, " ‰"),
            TextoDiferencia(a, b)};
}

constexpr std::array<const char*, 3> NombresCemento{"S", "N", "R"};

// El ambiente de la EHE-98 para la humedad del Código Estructural, siempre supuesto.
std::string TextoAmbiente(MedioAmbiente a) {
    return "«" + std::string(OpcionesMedioAmbiente[static_cast<std::size_t>(a)]) + "», HR ≈ " +
           Formatear(HumedadDelAmbiente(a), 0, 0) + " % supuesta";
}

// La sección en el modelo de la EHE-98: Ac y u en cm² y cm, o el espesor ficticio e = λ·h0
// (el espesor medio h0 = 2Ac/u multiplicado por el coeficiente λ del ambiente).
// El ambiente, el más cercano a la humedad relativa. Vale para los datos de la fluencia y de la
// retracción de la EHE-98, que comparten estos campos.
template <typename DatosEHE> void SeccionYAmbiente(const ce::DatosHormigonCE& h, DatosEHE& x) {
    x.Ambiente = AmbienteDeLaHumedad(h.HR);
    x.EspesorConocido = h.EspesorConocido;
    if (h.EspesorConocido) {
        x.A = 0.0;
        x.u = FactorEspesor(x.Ambiente) * h.h0 * 0.1;
        return;
    }
    x.A = h.Ac * 0.01;
    x.u = h.u * 0.1;
}

// Los datos comunes: resistencia (en la EHE-98, si interviene), ambiente, espesor y cemento.
std::vector<FilaComparacion> FilasHormigon(const ce::DatosHormigonCE& h, MedioAmbiente a, double e,
                                           bool conFck) {
    std::vector<FilaComparacion> f;
    f.push_back({"Resistencia característica fck",
                 conFck ? Con(h.fck / NmmPorKpcm2, 1, " kp/cm²") : std::string("no interviene"),
                 Con(h.fck, 1, " N/mm²"), "—"});
    f.push_back({"Ambiente", TextoAmbiente(a), "HR " + Formatear(h.HR, 0, 0) + " %", "—"});
    f.push_back(
        {"Espesor",
         "e = λ·2A/u = " + Con(e, 2, " cm") + " (λ = " + Formatear(FactorEspesor(a), 0, 1) + ")",
         "h0 = 2Ac/u = " + Con(h.h0, 1, " mm"), "—"});
    f.push_back({"Clase del cemento", "no interviene",
                 NombresCemento[static_cast<std::size_t>(h.Cemento)], "—"});
    return f;
}

// Un error de la EHE-98 con los datos convertidos: el campo es el de la ventana del Código
// Estructural (el espesor escrito es EspesorMedio).
ErrorCalculo ErrorEHE(const ErrorCalculo& e, bool espesorConocido) {
    const std::string campo =
        espesorConocido && e.campo == "Perimetro" ? std::string("EspesorMedio") : e.campo;
    return {"EHE-98: " + e.mensaje, campo};
}

ErrorCalculo ErrorCE(const ErrorCalculo& e) {
    return {"Código Estructural: " + e.mensaje, e.campo};
}

} // namespace

double HumedadDelAmbiente(MedioAmbiente ambiente) {
    static constexpr std::array<double, NumeroAmbientes> HR{100.0, 90.0, 70.0, 40.0};
    return HR[static_cast<std::size_t>(ambiente)];
}

MedioAmbiente AmbienteDeLaHumedad(double HR) {
    if (HR >= 80.0)
        return MedioAmbiente::MuyHumeda;
    if (HR >= 55.0)
        return MedioAmbiente::Medio;
    return MedioAmbiente::MuySeca;
}

Resultado<ComparacionNormas> CompararFluenciaCE(const ce::DatosFluenciaCE& d) {
    const auto b = ce::CalcularFluenciaCE(d);
    if (!b)
        return ErrorCE(b.error());
    const ce::DatosHormigonCE& h = d.hormigon;
    DatosFluencia x;
    SeccionYAmbiente(h, x);
    x.fck = h.fck / NmmPorKpcm2;
    // Las deformaciones de la EHE-98 son proporcionales a σ y φ no depende de ella: con σc = 0
    // se calcula con 1 kp/cm² y las deformaciones se llevan a cero.
    const double sigma = d.sigmaC / NmmPorKpcm2;
    x.sigma = sigma > 0.0 ? sigma : 1.0;
    const double escala = sigma / x.sigma;
    x.j = d.t0;
    x.t = d.t;
    const auto a = CalcularFluencia(x);
    if (!a)
        return ErrorEHE(a.error(), h.EspesorConocido);
    const ResultadosFluencia& ra = *a;
    const ce::ResultadosFluenciaCE& rb = *b;
    ComparacionNormas c;
    c.Filas = FilasHormigon(h, x.Ambiente, ra.e, true);
    const auto edades = [](const char* t0, double a0, double t) {
        return std::string(t0) + " = " + NumeroLegible(a0) + ", t = " + NumeroLegible(t) + " días";
    };
    c.Filas.push_back({"Edades", edades("j", d.t0, d.t), edades("t0", d.t0, d.t), "—"});
    c.Filas.push_back({"Tensión σc", Con(sigma, 2, " kp/cm²"), Con(d.sigmaC, 2, " N/mm²"), "—"});
    // El módulo al que va referido φ: Ec28 = 19000·√fck (kp/cm²) y Ec = 1.05·Ecm.
    const double Ec28 = ra.Ec28 * NmmPorKpcm2;
    c.Filas.push_back({"Módulo al que se refiere φ", "Ec28 = " + Con(Ec28, 1, " N/mm²"),
                       "Ec = 1.05·Ecm = " + Con(rb.Ec, 1, " N/mm²"), TextoDiferencia(Ec28, rb.Ec)});
    c.Filas.push_back({"Coeficiente de fluencia φ(t,t0)", Formatear(ra.phiTj, 0, 4),
                       Formatear(rb.phi, 0, 4), TextoDiferencia(ra.phiTj, rb.phi)});
    const double elastica = escala * ra.epsEi;
    const double fluencia = escala * (ra.epsEd + ra.epsPi + ra.epsPd);
    c.Filas.push_back(FilaMilesima("Deformación elástica", elastica, rb.epsElastica));
    c.Filas.push_back(
        FilaMilesima(rb.noLineal ? "Deformación de fluencia (φnl)" : "Deformación de fluencia",
                     fluencia, rb.epsFluencia));
    c.Filas.push_back(FilaMilesima("Deformación total", elastica + fluencia, rb.epsTotal));
    return c;
}

Resultado<ComparacionNormas> CompararRetraccionCE(const ce::DatosRetraccionCE& d) {
    const auto b = ce::CalcularRetraccionCE(d);
    if (!b)
        return ErrorCE(b.error());
    const ce::DatosHormigonCE& h = d.hormigon;
    DatosRetraccion x;
    SeccionYAmbiente(h, x);
    x.Hormigon = Consistencia::Plastica;
    x.t = d.t;
    const auto a = CalcularRetraccion(x);
    if (!a)
        return ErrorEHE(a.error(), h.EspesorConocido);
    const ResultadosRetraccion& ra = *a;
    const ce::ResultadosRetraccionCE& rb = *b;
    ComparacionNormas c;
    c.Filas = FilasHormigon(h, x.Ambiente, ra.e, false);
    c.Filas.push_back(
        {"Consistencia del hormigón", "Plástica (κ = 1.00) supuesta", "no interviene", "—"});
    c.Filas.push_back({"Edades", "t = " + NumeroLegible(d.t) + " días",
                       "ts = " + NumeroLegible(d.ts) + ", t = " + NumeroLegible(d.t) + " días",
                       "—"});
    // La EHE-98 da el acortamiento negativo; aquí, como en el Código Estructural, positivo.
    // Final: βr → κ cuando t crece; εcs(∞) = kh·εcd,0 + εca(∞).
    const double finalEHE = -Kappa(x.Hormigon) * ra.epsS1 * ra.epsS2;
    const double finalCE = rb.kh * rb.epsCd0 + rb.epsCaInf;
    c.Filas.push_back(FilaMilesima("Retracción final εcs(∞), acortamiento +", finalEHE, finalCE));
    c.Filas.push_back(FilaMilesima("Retracción εcs(t), acortamiento +", -ra.epsR, rb.epsCs));
    return c;
}

} // namespace velmora
