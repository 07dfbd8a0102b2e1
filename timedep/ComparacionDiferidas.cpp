#include "timedep/ComparacionDiferidas.h"

#include "common/Numeros.h"
#include "norma/Norma.h"
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

// « supuesta» detrás de un dato que la ventana no dio.
std::string Supuesta(bool si) {
    return si ? " supuesta" : "";
}

constexpr std::array<const char*, 3> NombresCemento{"S", "N", "R"};

// Los datos de las dos normas, ya convertidos, y de qué ventana vienen: lo supuesto está en la
// columna de la otra norma.
struct Pareja {
    ce::DatosHormigonCE h;
    MedioAmbiente ambiente = MedioAmbiente::Medio;
    double e = 0; // espesor ficticio de la EHE-98, cm
    bool desdeCE = true;
};

// El ambiente, el más cercano a la humedad relativa, y la sección: Ac y u en cm² y cm o, con el
// espesor medio escrito, el espesor ficticio e = λ·h0. Vale para los datos de la fluencia y de
// la retracción de la EHE-98, que comparten estos campos.
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

// Lo contrario: la humedad del ambiente y la sección en mm² y mm o, con el espesor ficticio
// escrito, h0 = e/λ. El cemento, el de endurecimiento normal.
template <typename DatosEHE> Resultado<ce::DatosHormigonCE> HormigonCE(const DatosEHE& x) {
    ce::DatosHormigonCE h;
    h.HR = HumedadDelAmbiente(x.Ambiente);
    h.Cemento = ce::ClaseCemento::N;
    h.EspesorConocido = x.EspesorConocido;
    if (x.EspesorConocido) {
        h.h0 = 10.0 * x.u / FactorEspesor(x.Ambiente);
    } else {
        h.Ac = 100.0 * x.A, h.u = 10.0 * x.u;
        h.h0 = ce::h0(h.Ac, h.u);
    }
    const Campo& campo = ce::CampoEspesorMedio;
    if (h.h0 < campo.minimo || h.h0 > campo.maximo)
        return Resultado<ce::DatosHormigonCE>::Error(
            "Código Estructural: el espesor medio h0 = " + Formatear(h.h0, 0, 1) +
                " mm debe estar entre 1 y 20000 mm.",
            "Perimetro");
    return h;
}

std::string TextoAmbiente(const Pareja& p) {
    return "«" + std::string(OpcionesMedioAmbiente[static_cast<std::size_t>(p.ambiente)]) + "»" +
           (p.desdeCE ? ", HR ≈ " + Formatear(HumedadDelAmbiente(p.ambiente), 0, 0) + " %" : "") +
           Supuesta(p.desdeCE);
}

// Los datos comunes: resistencia (en la EHE-98, si interviene), ambiente, espesor y cemento.
std::vector<FilaComparacion> FilasHormigon(const Pareja& p, bool fckEHE) {
    const ce::DatosHormigonCE& h = p.h;
    const std::string lambda = " (λ = " + Formatear(FactorEspesor(p.ambiente), 0, 1) + ")";
    const bool escrito = h.EspesorConocido;
    std::vector<FilaComparacion> f;
    f.push_back({"Resistencia característica fck",
                 fckEHE ? Con(h.fck / NmmPorKpcm2, 1, " kp/cm²") : std::string("no interviene"),
                 Con(h.fck, 1, " N/mm²") + Supuesta(!fckEHE && !p.desdeCE), "—"});
    f.push_back({"Ambiente", TextoAmbiente(p),
                 "HR " + Formatear(h.HR, 0, 0) + " %" + Supuesta(!p.desdeCE), "—"});
    f.push_back(
        {"Espesor",
         (escrito ? (p.desdeCE ? "e = λ·h0 = " : "e = ") : "e = λ·2A/u = ") + Con(p.e, 2, " cm") +
             (escrito && !p.desdeCE ? "" : lambda),
         (escrito ? (p.desdeCE ? "h0 = " : "h0 = e/λ = ") : "h0 = 2Ac/u = ") + Con(h.h0, 1, " mm"),
         "—"});
    f.push_back({"Clase del cemento", "no interviene",
                 NombresCemento[static_cast<std::size_t>(h.Cemento)] + Supuesta(!p.desdeCE), "—"});
    return f;
}

// El error de una norma con su nombre delante. Con el espesor escrito, el campo es el de la
// ventana que lo tiene (EspesorMedio en la del Código Estructural, Perimetro en la de la
// EHE-98).
ErrorCalculo ErrorNorma(Norma n, const ErrorCalculo& e, bool desdeCE, bool escrito) {
    ErrorCalculo r = ErrorConNorma(n, e);
    if (escrito && desdeCE && r.campo == "Perimetro")
        r.campo = "EspesorMedio";
    else if (escrito && !desdeCE && r.campo == "EspesorMedio")
        r.campo = "Perimetro";
    return r;
}

// Qué se compara, sobre la tabla.
std::string Descripcion(const char* calculo, bool desdeCE) {
    return std::string("Los datos de la ") + calculo +
           (desdeCE ? " del Código Estructural llevados al modelo de la EHE-98"
                    : " de la EHE-98 llevados al Código Estructural") +
           "; lo supuesto se dice en su celda:";
}

// Las dos fluencias con sus datos ya convertidos.
Resultado<ComparacionNormas> Fluencias(const DatosFluencia& x, const ce::DatosFluenciaCE& d,
                                       bool desdeCE) {
    const bool escrito = x.EspesorConocido;
    const auto b = ce::CalcularFluenciaCE(d);
    if (!b)
        return ErrorNorma(Norma::CodigoEstructural, b.error(), desdeCE, escrito);
    // Las deformaciones de la EHE-98 son proporcionales a σ y φ no depende de ella: con σc = 0
    // se calcula con 1 kp/cm² y las deformaciones se llevan a cero.
    DatosFluencia y = x;
    y.sigma = x.sigma > 0.0 ? x.sigma : 1.0;
    const double escala = x.sigma / y.sigma;
    const auto a = CalcularFluencia(y);
    if (!a)
        return ErrorNorma(Norma::EHE98, a.error(), desdeCE, escrito);
    const ResultadosFluencia& ra = *a;
    const ce::ResultadosFluenciaCE& rb = *b;
    ComparacionNormas c;
    c.Descripcion = Descripcion("fluencia", desdeCE);
    c.Filas = FilasHormigon({d.hormigon, x.Ambiente, ra.e, desdeCE}, true);
    const auto edades = [](const char* t0, double a0, double t) {
        return std::string(t0) + " = " + NumeroLegible(a0) + ", t = " + NumeroLegible(t) + " días";
    };
    c.Filas.push_back({"Edades", edades("j", x.j, x.t), edades("t0", d.t0, d.t), "—"});
    c.Filas.push_back({"Tensión σc", Con(x.sigma, 2, " kp/cm²"), Con(d.sigmaC, 2, " N/mm²"), "—"});
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

// Las dos retracciones con sus datos ya convertidos.
Resultado<ComparacionNormas> Retracciones(const DatosRetraccion& x, const ce::DatosRetraccionCE& d,
                                          bool desdeCE) {
    const auto b = ce::CalcularRetraccionCE(d);
    if (!b)
        return ErrorNorma(Norma::CodigoEstructural, b.error(), desdeCE, x.EspesorConocido);
    const auto a = CalcularRetraccion(x);
    if (!a)
        return ErrorNorma(Norma::EHE98, a.error(), desdeCE, x.EspesorConocido);
    const ResultadosRetraccion& ra = *a;
    const ce::ResultadosRetraccionCE& rb = *b;
    ComparacionNormas c;
    c.Descripcion = Descripcion("retracción", desdeCE);
    c.Filas = FilasHormigon({d.hormigon, x.Ambiente, ra.e, desdeCE}, false);
    const auto consistencia = static_cast<std::size_t>(x.Hormigon);
    c.Filas.push_back({"Consistencia del hormigón",
                       std::string(OpcionesConsistencia[consistencia]) +
                           " (κ = " + Formatear(Kappa(x.Hormigon), 0, 2) + ")" + Supuesta(desdeCE),
                       "no interviene", "—"});
    c.Filas.push_back({"Edades", "t = " + NumeroLegible(x.t) + " días",
                       "ts = " + NumeroLegible(d.ts) + Supuesta(!desdeCE) +
                           ", t = " + NumeroLegible(d.t) + " días",
                       "—"});
    // La EHE-98 da el acortamiento negativo; aquí, como en el Código Estructural, positivo.
    // Final: βr → κ cuando t crece; εcs(∞) = kh·εcd,0 + εca(∞).
    const double finalEHE = -Kappa(x.Hormigon) * ra.epsS1 * ra.epsS2;
    const double finalCE = rb.kh * rb.epsCd0 + rb.epsCaInf;
    c.Filas.push_back(FilaMilesima("Retracción final εcs(∞), acortamiento +", finalEHE, finalCE));
    c.Filas.push_back(FilaMilesima("Retracción εcs(t), acortamiento +", -ra.epsR, rb.epsCs));
    return c;
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
    DatosFluencia x;
    SeccionYAmbiente(d.hormigon, x);
    x.fck = d.hormigon.fck / NmmPorKpcm2;
    x.sigma = d.sigmaC / NmmPorKpcm2;
    x.j = d.t0;
    x.t = d.t;
    return Fluencias(x, d, true);
}

Resultado<ComparacionNormas> CompararRetraccionCE(const ce::DatosRetraccionCE& d) {
    DatosRetraccion x;
    SeccionYAmbiente(d.hormigon, x);
    x.Hormigon = Consistencia::Plastica;
    x.t = d.t;
    return Retracciones(x, d, true);
}

Resultado<ComparacionNormas> CompararFluencia(const DatosFluencia& x) {
    using R = Resultado<ComparacionNormas>;
    auto h = HormigonCE(x);
    if (!h)
        return h.error();
    ce::DatosFluenciaCE d{*h, x.j, x.t, x.sigma * NmmPorKpcm2};
    d.hormigon.fck = x.fck * NmmPorKpcm2;
    if (d.hormigon.fck < FckMinimoTabla31 || d.hormigon.fck > ce::CampoFck.maximo)
        return R::Error("Código Estructural: fck = " + NumeroEnMensaje(x.fck) + " kp/cm² son " +
                            Formatear(d.hormigon.fck, 0, 2) +
                            " N/mm², fuera de las clases de la tabla 3.1 (de 12 a 90 N/mm²).",
                        "ResistenciaCaracteristica");
    if (d.sigmaC < 0.0 || d.sigmaC > ce::CampoTensionCE.maximo)
        return R::Error("Código Estructural: la fluencia se calcula con una compresión σc de 0 a "
                        "100 N/mm² (1019.7 kp/cm²); se ha escrito " +
                            NumeroEnMensaje(x.sigma) + " kp/cm².",
                        "Tension");
    return Fluencias(x, d, false);
}

Resultado<ComparacionNormas> CompararRetraccion(const DatosRetraccion& x) {
    auto h = HormigonCE(x);
    if (!h)
        return h.error();
    h.valor().fck = FckSupuestaRetraccion;
    return Retracciones(x, {h.valor(), EdadCuradoSupuesta, x.t}, false);
}

} // namespace velmora
