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

struct CasoFluencia {
    const char* nombre;
    double fck, HR;
    bool h0Conocido;
    ce::ClaseCemento cemento;
    double t0, t, sigma;
    const char *ambiente, *espesor, *phiEHE, *phiCE, *totalEHE, *totalCE;
};
class CompararFluencia : public ::testing::TestWithParam<CasoFluencia> {};

TEST_P(CompararFluencia, LasDosNormasConLosDatosConvertidos) {
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
    Tabla, CompararFluencia,
    ::testing::Values(
        // Código Estructural, B.1–B.9: fcm = 38 > 35, α1 = 0.9438, α2 = 0.9836, α3 = 0.9597;
        // φHR = [1 + 0.5/(0.1·∛200)·α1]·α2 = 1.7777; β(fcm) = 16.8/√38 = 2.7253; β(t0) =
        // 1/(0.1 + 28^0.2) = 0.48845; φ0 = 2.3664; βH = 1.5·(1 + 0.6^18)·200 + 250·α3 = 539.96;
        // βc = (9972/10511.96)^0.3 = 0.98430; φ = 2.3293. Ecm = 33346.1, εel = 10/Ecm =
        // 0.3045 ‰, εcc = 2.3293·10/(1.05·Ecm) = 0.6756 ‰, total 0.9801 ‰.
        // EHE-98, art. 39.8 con HR 50 % → «muy seca» (λ = 1, φf1 = 3), e = 2·1200/120 = 20 cm,
        // fck = 30/0.0980665 = 305.91 kp/cm², σ = 101.97 kp/cm², j = 28, t = 10000: Ec28 =
        // 19000·√305.91 = 332316 kp/cm²; βd(9972) = 0.997003; βa(28) = 0.8·5.5/(28^0.75 + 5.5)
        // = 0.24906; φf2 = 1.12·51/37 = 1.54378; βf(10000) = 0.997652, βf(28) = 0.334920;
        // φ = 0.4·0.997003 + 0.24906 + 3·1.54378·0.662732 = 3.7171; εei = σ/Ecj = 0.3068 ‰,
        // total 0.3068 + 3.7171·101.97/332316 = 1.4474 ‰.
        CasoFluencia{"HR50", 30.0, 50.0, false, ce::ClaseCemento::N, 28.0, 10000.0, 10.0,
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
        CasoFluencia{"H0EscritoSinTension", 25.0, 70.0, true, ce::ClaseCemento::R, 7.0, 365.0, 0.0,
                     "«Ambiente medio (exterior)», HR ≈ 70 % supuesta",
                     "e = λ·2A/u = 30.00 cm (λ = 1.5)", "2.2495", "1.9079", "0.0000 ‰",
                     "0.0000 ‰"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// El error del Código Estructural (t anterior a t0) se da con el nombre de la norma y su campo.
TEST(CompararFluencia, ErrorDeUnaNormaLaNombra) {
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
TEST(CompararRetraccion, LasDosNormasConLaConsistenciaSupuesta) {
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

} // namespace
