// «Comparar normas» de las flechas. Viga 0.30 × 0.40 m, d1 = d2 = 30 mm, HA-25, A1 = 3Ø16 =
// 603.19 mm², A2 = 2Ø12 = 226.19 mm², d = 370 mm, Ib = 1.6·10⁹ mm⁴. A mano:
// EHE-98: Ec = 8500·∛33 = 27264.0; Mf = 0.37·25^(2/3)·2·Ib/h = 25.31 kN·m; n = 7.33568, x =
// 87.690 mm, If = 42560.1 cm⁴; Ma = 60: (Mf/Ma)³ = 0.07504, Ie = 51373.0 cm⁴; ρ' = 0.0020377,
// λ = ξ/(1 + 50·ρ') = 0.9075·ξ.
// Código Estructural: Ecm = 31475.8, Mcr = 20.52 kN·m, I_II = 37690.8 cm⁴; β = 1: ζ = 0.883,
// I = 41391.6 cm⁴, λ(φ = 2) = 0.2771; β = 0.5: ζ = 0.942, I = 39454.6 cm⁴, λ = 0.2489.
// Flecha instantánea relativa (Ec·Ie)EHE/(Ec·Ie)CE; total, por (1 + λCE)/(1 + λEHE).

#include "deflection/ComparacionFlechas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace velmora;

struct CasoComparacionFlecha {
    const char* nombre;
    double MakNm;
    Norma norma; // la del cálculo
    ce::DuracionCarga duracion;
    int indiceXi;
    // Celdas esperadas: Ie (EHE-98, CE), λ (EHE-98, CE), flecha instantánea y total del CE.
    const char *IeEHE, *IeCE, *lambdaEHE, *lambdaCE, *instantanea, *total;
    const char *duracionEHE, *duracionCE, *phi;
};

class ComparacionFlechas : public ::testing::TestWithParam<CasoComparacionFlecha> {};

TEST_P(ComparacionFlechas, ValoresDeLasDosNormas) {
    const auto& k = GetParam();
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionParametros p; // HA-25, B 400 S
    p.norma = k.norma;
    const double A1 = 3.0 * std::numbers::pi * 64.0, A2 = 2.0 * std::numbers::pi * 36.0;
    DatosFlecha d{400.0, 300.0, 30.0, 30.0, k.MakNm * 1e6, A1, A2};
    d.Duracion = k.duracion;
    EntradasFlechaPorNorma x{k.norma, k.indiceXi, "1.0", "2.0"};
    const auto r = CompararFlechas(e, p, d, x);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& f = r.valor().Filas;
    ASSERT_EQ(f.size(), 12u);
    EXPECT_EQ(f[0].EHE98, "27264.0 N/mm²");
    EXPECT_EQ(f[0].CodigoEstructural, "31475.8 N/mm²");
    EXPECT_EQ(f[1].EHE98, "25.31 kN·m");
    EXPECT_EQ(f[1].CodigoEstructural, "20.52 kN·m");
    EXPECT_EQ(f[4].EHE98, k.IeEHE);
    EXPECT_EQ(f[4].CodigoEstructural, k.IeCE);
    EXPECT_EQ(f[6].CodigoEstructural, k.instantanea);
    EXPECT_EQ(f[7].EHE98, k.duracionEHE);
    EXPECT_EQ(f[7].CodigoEstructural, k.duracionCE);
    EXPECT_EQ(f[8].CodigoEstructural, k.phi);
    EXPECT_EQ(f[10].EHE98, k.lambdaEHE);
    EXPECT_EQ(f[10].CodigoEstructural, k.lambdaCE);
    EXPECT_EQ(f[11].CodigoEstructural, k.total);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, ComparacionFlechas,
    ::testing::Values(
        // Calculada con la EHE-98: β y φ del Código Estructural son los de arranque, supuestos.
        CasoComparacionFlecha{"FisuradaEHE", 60.0, Norma::EHE98, ce::DuracionCarga::CortaUnica, 6,
                              "51373.0 cm⁴", "41391.6 cm⁴", "0.9075", "0.2771", "1.075", "0.720",
                              "ξ = 1.00 (Otro valor)",
                              "Carga única de corta duración (β = 1.0) supuesta", "2.00 supuesto"},
        // Con el Código Estructural y β = 0.5: ξ = 2 (5 o más años) es el supuesto.
        CasoComparacionFlecha{
            "FisuradaCE", 60.0, Norma::CodigoEstructural, ce::DuracionCarga::Prolongada, 5,
            "51373.0 cm⁴", "39454.6 cm⁴", "1.8151", "0.2489", "1.128", "0.500",
            "ξ = 2.00 (5 o más años) supuesta", "Carga prolongada o repetida (β = 0.5)", "2.00"},
        // Ma = 10 kN·m no fisura con ninguna: Ie = Ib, λCE = φ; 27264.0/31475.8 = 0.866 y
        // 0.866·3/1.9075 = 1.362.
        CasoComparacionFlecha{"SinFisurar", 10.0, Norma::EHE98, ce::DuracionCarga::CortaUnica, 6,
                              "160000.0 cm⁴", "160000.0 cm⁴", "0.9075", "2.0000", "0.866", "1.362",
                              "ξ = 1.00 (Otro valor)",
                              "Carga única de corta duración (β = 1.0) supuesta", "2.00 supuesto"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Un ξ escrito que no es un número detiene la comparación nombrando su campo y la norma.
TEST(ComparacionFlechas, XiIlegibleNombraCampoYNorma) {
    EstadoDiseno e;
    InicializarTablas(e);
    DatosFlecha d{400.0, 300.0, 30.0, 30.0, 60e6, 603.19, 226.19};
    const auto r = CompararFlechas(e, EleccionParametros{}, d, {Norma::EHE98, 6, "uno", "2.0"});
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje.rfind("EHE-98: ", 0), 0u) << r.error().mensaje;
    EXPECT_EQ(r.error().campo, "Valor");
}

// La memoria dice primero qué se compara, en una línea, y luego una nota por fila.
TEST(ComparacionFlechas, LaMemoriaDiceQueSeCompara) {
    EstadoDiseno e;
    InicializarTablas(e);
    DatosFlecha d{400.0, 300.0, 30.0, 30.0, 10e6, 0.0, 0.0};
    const auto r = CompararFlechas(e, EleccionParametros{}, d, {});
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const Traza t = TrazaComparacion(r.valor());
    ASSERT_EQ(t.pasos.size(), r.valor().Filas.size() + 1);
    EXPECT_EQ(t.pasos.front().descripcion,
              "La misma viga (sección, armaduras y momento Ma) con las dos normas. Sin vano ni "
              "carga, las flechas son relativas a las de la EHE-98:");
    EXPECT_EQ(t.pasos[1].descripcion,
              "Módulo del hormigón Ec (Ecm): EHE-98 27264.0 N/mm²; Código Estructural 31475.8 "
              "N/mm² (+15.4 %).");
}

} // namespace
