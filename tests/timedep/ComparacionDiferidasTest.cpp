// «Comparar normas» de la fluencia y la retracción: los datos del Código Estructural llevados al
// modelo de la EHE-98. Cifras a mano con las fórmulas de cada norma.

#include "timedep/ComparacionDiferidas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace velmora;

// El ambiente más cercano: muy húmeda desde el 80 %, medio desde el 55 %, muy seca por debajo.
struct CasoAmbiente {
    double HR;
    MedioAmbiente ambiente;
};
class AmbienteDeLaHumedadTabla : public ::testing::TestWithParam<CasoAmbiente> {};
TEST_P(AmbienteDeLaHumedadTabla, ElMasCercano) {
    EXPECT_EQ(AmbienteDeLaHumedad(GetParam().HR), GetParam().ambiente) << GetParam().HR;
}
INSTANTIATE_TEST_SUITE_P(Bordes, AmbienteDeLaHumedadTabla,
                         ::testing::Values(CasoAmbiente{100.0, MedioAmbiente::MuyHumeda},
                                           CasoAmbiente{80.0, MedioAmbiente::MuyHumeda},
                                           CasoAmbiente{79.9, MedioAmbiente::Medio},
                                           CasoAmbiente{55.0, MedioAmbiente::Medio},
                                           CasoAmbiente{54.9, MedioAmbiente::MuySeca},
                                           CasoAmbiente{20.0, MedioAmbiente::MuySeca}));

ce::DatosHormigonCE Hormigon(double fck, double HR, bool h0Conocido, ce::ClaseCemento cemento) {
    ce::DatosHormigonCE h;
    h.fck = fck, h.HR = HR, h.Cemento = cemento;
    h.EspesorConocido = h0Conocido;
    h.Ac = 120000.0, h.u = 1200.0; // 1200 cm² y 120 cm: h0 = 200 mm
    h.h0 = 200.0;
    return h;
}

// Celdas por magnitud.
const FilaComparacion& Fila(const ComparacionNormas& c, const std::string& magnitud) {
    for (const auto& f : c.Filas)
        if (f.Magnitud == magnitud)
            return f;
    static const FilaComparacion ninguna{};
    ADD_FAILURE() << "no hay fila «" << magnitud << "»";
    return ninguna;
}

struct CasoFluenciaComparada {
    const char* nombre;
    double fck, HR;
    bool h0Conocido;
    ce::ClaseCemento cemento;
    double t0, t, sigma;
    const char *ambiente, *espesor, *phiEHE, *phiCE, *totalEHE, *totalCE;
};
class FluenciaDeLasDosNormas : public ::testing::TestWithParam<CasoFluenciaComparada> {};

TEST_P(FluenciaDeLasDosNormas, LasDosNormasConLosDatosConvertidos) {
    const auto& k = GetParam();
    const ce::DatosFluenciaCE d{Hormigon(k.fck, k.HR, k.h0Conocido, k.cemento), k.t0, k.t, k.sigma};
    const auto r = CompararFluenciaCE(d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& c = r.valor();
    EXPECT_EQ(Fila(c, "Ambiente").EHE98, k.ambiente);
    EXPECT_EQ(Fila(c, "Espesor").EHE98, k.espesor);
    EXPECT_EQ(Fila(c, "Coeficiente de fluencia φ(t,t0)").EHE98, k.phiEHE);
    EXPECT_EQ(Fila(c, "Coeficiente de fluencia φ(t,t0)").CodigoEstructural, k.phiCE);
    EXPECT_EQ(Fila(c, "Deformación total").EHE98, k.totalEHE);
    EXPECT_EQ(Fila(c, "Deformación total").CodigoEstructural, k.totalCE);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, FluenciaDeLasDosNormas,
    ::testing::Values(
        // Código Estructural, B.1–B.9: fcm = 38 > 35, α1 = 0.9441, α2 = 0.9837, α3 = 0.9597;
        // φHR = [1 + 0.5/(0.1·∛200)·α1]·α2 = 1.7777; β(fcm) = 16.8/√38 = 2.7253; β(t0) =
        // 1/(0.1 + 28^0.2) = 0.48845; φ0 = 2.3664; βH = 1.5·(1 + 0.6^18)·200 + 250·α3 = 539.96;
        // βc = (9972/10511.96)^0.3 = 0.98430; φ = 2.3293. Ecm = 22000·3.8^0.3 = 32836.6, εel =
        // 10/Ecm = 0.3045 ‰, εcc = 2.3293·10/(1.05·Ecm) = 0.6756 ‰, total 0.9801 ‰. EHE-98,
        // art. 39.8 con HR 50 % → «muy seca» (λ = 1, φf1 = 3), e = 2·1200/120 = 20 cm, fck =
        // 30/0.0980665 = 305.91 kp/cm², σ = 101.97 kp/cm², j = 28, t = 10000: Ec28 = 19000·√305.91
        // = 332316 kp/cm²; βd(9972) = 0.997003; βa(28) = 0.8·5.5/(28^0.75 + 5.5) = 0.24898; φf2
        // = 1.12·51/37 = 1.54378; βf(10000) = 0.997652, βf(28) = 0.334920; φ = 0.4·0.997003 +
        // 0.24906 + 3·1.54378·0.662732 = 3.7171; εei = σ/Ecj = 0.3068 ‰, total 0.3068
        // + 3.7171·101.97/332316 = 1.4474 ‰.
        CasoFluenciaComparada{"HR50", 30.0, 50.0, false, ce::ClaseCemento::N, 28.0, 10000.0, 10.0,
                     "«Atmósfera muy seca», HR ≈ 40 % supuesta", "e = λ·2A/u = 20.00 cm (λ = 1.0)",
                     "3.7171", "2.3293", "1.4474 ‰", "0.9801 ‰"},
        // h0 = 200 mm escrito, HR 70 % → «ambiente medio» (λ = 1.5, φf1 = 2): e = 1.5·20 =
        // 30 cm. Cemento R, t0 = 7, t = 365, σc = 0 (sin deformaciones).
        // Código Estructural: fcm = 33 ≤ 35, φHR = 1 + 0.3/(0.1·∛200) = 1.51299; t0 corregida
        // = 7·(9/(2 + 7^1.2) + 1) = 12.109; β(t0) = 1/(0.1 + 12.109^0.2) = 0.57250; β(fcm) =
        // 2.92450; βH = 1.5·(1 + 0.84^18)·200 + 250 = 563.01; βc = (358/921.01)^0.3 = 0.75316;
        // φ = 1.9079.
        // EHE-98: βd(358) = 0.90852; fcj/fc∞ = 7^0.75/(7^0.75 + 5.5) = 0.43898, βa(7) =
        // 0.8·(1 − 0.43898) = 0.44882; φf2 = 1.12·61/47 = 1.45362; βf(365) = 0.71301, βf(7) =
        // 0.21865; φ = 0.4·0.90852 + 0.44882 + 2·1.45362·0.49437 = 2.2495.
        CasoFluenciaComparada{"H0EscritoSinTension", 25.0, 70.0, true, ce::ClaseCemento::R, 7.0, 365.0, 0.0,
                     "«Ambiente medio (exterior)», HR ≈ 70 % supuesta",
                     "e = λ·h0 = 30.00 cm (λ = 1.5)", "2.2495", "1.9079", "0.0000 ‰", "0.0000 ‰"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// El error del Código Estructural (t anterior a t0) se da con el nombre de la norma y su campo.
TEST(ComparacionFluencia, ErrorDeUnaNormaLaNombra) {
    const ce::DatosFluenciaCE d{Hormigon(25.0, 50.0, false, ce::ClaseCemento::N), 28.0, 10.0, 10.0};
    const auto r = CompararFluenciaCE(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje.rfind("Código Estructural: ", 0), 0u) << r.error().mensaje;
    EXPECT_EQ(r.error().campo, "Tiempo02");
}

// Retracción, fck = 30, HR 50 %, h0 = 200 mm, cemento N, ts = 7, t = 10000.
// Código Estructural: βHR = 1.55·(1 − 0.5³) = 1.35625; εcd,0 = 0.85·(220 + 440)·e^(−0.456)·
// 10⁻⁶·βHR = 0.48224 ‰; kh = 0.85; βds = 9993/(9993 + 0.04·200^1.5) = 0.98881; εcd =
// 0.40532 ‰; εca(∞) = 2.5·20·10⁻⁶ = 0.05 ‰; εca = 0.05 ‰; εcs = 0.4553 ‰; final 0.85·0.48224
// + 0.05 = 0.4599 ‰.
// EHE-98, art. 39.7, «muy seca» (εs1 = −0.52 ‰), e = 20 cm, plástica (κ = 1): εs2 = 0.7·36/27
// = 0.93333; final −εs1·εs2 = 0.4853 ‰; p = 1.34·(1 − 1/6)·(1 − 0.9·10⁻⁸) = 1.11667; βr =
// 10000^0.875/(10000^0.875 + 1.5·20^p) = 0.98672; εcs = 0.4789 ‰.
TEST(ComparacionRetraccion, LasDosNormasConLaConsistenciaSupuesta) {
    const ce::DatosRetraccionCE d{Hormigon(30.0, 50.0, false, ce::ClaseCemento::N), 7.0, 10000.0};
    const auto r = CompararRetraccionCE(d);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& c = r.valor();
    EXPECT_EQ(Fila(c, "Consistencia del hormigón").EHE98, "Plástica (κ = 1.00) supuesta");
    EXPECT_EQ(Fila(c, "Resistencia característica fck").EHE98, "no interviene");
    const auto& final = Fila(c, "Retracción final εcs(∞), acortamiento +");
    EXPECT_EQ(final.EHE98, "0.4853 ‰");
    EXPECT_EQ(final.CodigoEstructural, "0.4599 ‰");
    const auto& t = Fila(c, "Retracción εcs(t), acortamiento +");
    EXPECT_EQ(t.EHE98, "0.4789 ‰");
    EXPECT_EQ(t.CodigoEstructural, "0.4553 ‰");
    EXPECT_EQ(t.Diferencia, "-4.9 %");
}

// Desde la ventana de la EHE-98: fck = 300 kp/cm², A = 1200 cm², u = 120 cm, ambiente medio
// (λ = 1.5, φf1 = 2), σ = 100 kp/cm², j = 28, t = 10000.
// EHE-98: e = 1.5·20 = 30 cm; βd = 0.997003, βa(28) = 0.24898, φf2 = 1.45362, βf(10000) =
// 0.997006, βf(28) = 0.309217: φ = 0.398801 + 0.24898 + 2·1.45362·0.687789 = 2.6473; total
// σ/Ec28·(1 + φ) = 100/(19000·√300)·3.6473 = 1.1083 ‰.
// Código Estructural: fck = 29.42 N/mm², fcm = 37.42 > 35, HR 70 % y cemento N supuestos, h0 =
// 2·120000/1200 = 200 mm: φHR = [1 + 0.3/(0.1·∛200)·α1]·α2 = 1.46975, βH = 554.79, βc =
// 0.98389, φ = 1.9398; σc = 9.81 N/mm², total 9.80665·(1/Ecm + 1.9398/(1.05·Ecm)) = 0.8543 ‰.
TEST(ComparacionFluencia, DesdeLaVentanaDeLaEHE98) {
    DatosFluencia x;
    x.fck = 300.0, x.sigma = 100.0, x.A = 1200.0, x.u = 120.0, x.j = 28.0, x.t = 10000.0;
    x.Ambiente = MedioAmbiente::Medio;
    const auto r = CompararFluencia(x);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& c = r.valor();
    EXPECT_EQ(Fila(c, "Ambiente").EHE98, "«Ambiente medio (exterior)»");
    EXPECT_EQ(Fila(c, "Ambiente").CodigoEstructural, "HR 70 % supuesta");
    EXPECT_EQ(Fila(c, "Clase del cemento").CodigoEstructural, "N supuesta");
    EXPECT_EQ(Fila(c, "Resistencia característica fck").CodigoEstructural, "29.4 N/mm²");
    EXPECT_EQ(Fila(c, "Espesor").CodigoEstructural, "h0 = 2Ac/u = 200.0 mm");
    EXPECT_EQ(Fila(c, "Coeficiente de fluencia φ(t,t0)").EHE98, "2.6473");
    EXPECT_EQ(Fila(c, "Coeficiente de fluencia φ(t,t0)").CodigoEstructural, "1.9398");
    EXPECT_EQ(Fila(c, "Deformación total").EHE98, "1.1083 ‰");
    EXPECT_EQ(Fila(c, "Deformación total").CodigoEstructural, "0.8543 ‰");
}

// Lo que el Código Estructural no admite se dice con su campo de la ventana de la EHE-98:
// 100 kp/cm² son 9.81 N/mm², menos que C12/15; una tracción; un espesor ficticio de 60000 cm
// en atmósfera muy seca (h0 = 600000 mm).
struct CasoRechazo {
    const char* nombre;
    double fck, sigma, espesor;
    const char* campo;
};
class RechazoFluenciaEHE : public ::testing::TestWithParam<CasoRechazo> {};
TEST_P(RechazoFluenciaEHE, NombraNormaYCampo) {
    const auto& k = GetParam();
    DatosFluencia x;
    x.fck = k.fck, x.sigma = k.sigma, x.j = 28.0, x.t = 100.0;
    x.EspesorConocido = true, x.u = k.espesor, x.Ambiente = MedioAmbiente::MuySeca;
    const auto r = CompararFluencia(x);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje.rfind("Código Estructural: ", 0), 0u) << r.error().mensaje;
    EXPECT_EQ(r.error().campo, k.campo);
}
INSTANTIATE_TEST_SUITE_P(
    Casos, RechazoFluenciaEHE,
    ::testing::Values(CasoRechazo{"Fck", 100.0, 50.0, 20.0, "ResistenciaCaracteristica"},
                      CasoRechazo{"Traccion", 250.0, -50.0, 20.0, "Tension"},
                      CasoRechazo{"Espesor", 250.0, 50.0, 60000.0, "Perimetro"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Retracción desde la EHE-98: atmósfera muy húmeda (εs1 = −0.13 ‰, λ = 5), A = 1200, u = 120
// (e = 100 cm), semifluida (κ = 1.25), t = 10000.
// EHE-98: εs2 = 0.7·116/107 = 0.75888; βr = 1.25·t^0.875/(t^0.875 + 1.5·100^1.11667) =
// 1.15615; εcs = 0.13·0.75888·1.15615 = 0.1141 ‰; final 1.25·0.13·0.75888 = 0.1233 ‰.
// Código Estructural con HR 90 %, fck 25, cemento N y ts = 7 supuestos, h0 = 200 mm: βHR =
// 1.55·(1 − 0.729) = 0.42005, εcd,0 = 0.85·660·e^(−0.396)·10⁻⁶·βHR = 0.15859 ‰, βds = 0.98881,
// εca(t) = 2.5·15·10⁻⁶·(1 − e^(−20)) = 0.0375 ‰: εcs = 0.1708 ‰.
TEST(ComparacionRetraccion, DesdeLaVentanaDeLaEHE98) {
    DatosRetraccion x;
    x.t = 10000.0, x.A = 1200.0, x.u = 120.0;
    x.Ambiente = MedioAmbiente::MuyHumeda, x.Hormigon = Consistencia::Semifluida;
    const auto r = CompararRetraccion(x);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& c = r.valor();
    EXPECT_EQ(Fila(c, "Resistencia característica fck").CodigoEstructural, "25.0 N/mm² supuesta");
    EXPECT_EQ(Fila(c, "Consistencia del hormigón").EHE98, "Semifluida (κ = 1.25)");
    EXPECT_EQ(Fila(c, "Edades").CodigoEstructural, "ts = 7 supuesta, t = 10000 días");
    EXPECT_EQ(Fila(c, "Retracción final εcs(∞), acortamiento +").EHE98, "0.1233 ‰");
    const auto& t = Fila(c, "Retracción εcs(t), acortamiento +");
    EXPECT_EQ(t.EHE98, "0.1141 ‰");
    EXPECT_EQ(t.CodigoEstructural, "0.1708 ‰");
}

} // namespace
