// «Comparar normas» del cortante de la viga y de los cercos del pilar: cada celda con las
// fórmulas de la EHE-98 (art. 44 y 42.3.1) y del Anejo 19 (6.2, 9.2.2 y 9.5.3) hechas a mano.
#include "shear/ComparacionNormas.h"
#include "common/Comparacion.h"
#include "common/Fixturas.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace velmora;
using pruebas::Celdas;

namespace {

// HA-25, B 500 S, viga, situación persistente.
EleccionParametros Parametros() {
    EleccionParametros p;
    p.DesignacionAcero = 1;
    return p;
}

EstadoDiseno Estado() {
    return pruebas::EstadoInicial();
}

// d = 0.45 m, b = 0.30 m, ρl = 1 % (Asl = 1350 mm²), Vd1 = 100 kN, Vd2 = 200 kN, Vd3 = 50 kN,
// dos ramas de Ø8 en las dos zonas (Aα = 100.53 mm²); los textos dados sustituyen a éstos.
EntradaComparacionCortante Viga(const std::vector<std::pair<std::string, std::string>>& otros) {
    EntradaComparacionCortante v;
    for (const Campo& c : CamposCortante)
        v.textos[std::string(c.control)] = std::string(c.defecto);
    v.textos["CuadroCantoUtil"] = "0.45";
    v.textos["CuadroVd1"] = "100";
    v.textos["CuadroVd2"] = "200";
    v.textos["CuadroVd3"] = "50";
    for (const auto& [control, texto] : otros)
        v.textos[control] = texto;
    v.Asl = 1350;
    v.zonas.DiametroZona1 = v.zonas.DiametroZona2 = "8";
    return v;
}

struct CasoCortante {
    std::vector<std::pair<std::string, std::string>> textos;
    std::size_t fila;
    const char *magnitud, *ehe, *ce, *diferencia;
};

class ComparacionCortante : public ::testing::TestWithParam<CasoCortante> {};

TEST_P(ComparacionCortante, Celda) {
    const CasoCortante& k = GetParam();
    const auto c = CompararNormasCortante(Estado(), Parametros(), Viga(k.textos));
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    ASSERT_EQ(c.valor().Filas.size(), 12u);
    EXPECT_EQ(Celdas(c.valor(), k.fila),
              (std::vector<std::string>{k.magnitud, k.ehe, k.ce, k.diferencia}));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ComparacionCortante,
    ::testing::Values(
        // 0.60·16.667·300·450/2 = 675 kN; 300·405·0.54·16.667/2 = 546.75 kN.
        CasoCortante{
            {}, 3, "Compresión oblicua Vu1 / VRd,max", "675.00 kN", "546.75 kN", "-19.0 %"},
        // 0.10·1.6667·25^(1/3)·300·450 = 65.79 kN; 0.18/1.5·1.6667·25^(1/3)·300·450 = 78.95 kN.
        CasoCortante{
            {}, 4, "Contribución del hormigón Vcu / VRd,c", "65.79 kN", "78.95 kN", "+20.0 %"},
        CasoCortante{{}, 5, "Compresión oblicua con Vd1", "no se agota", "no se agota", "igual"},
        // Apoyo, Vd = 200 kN: 0.9·450·400·100.53/(200 000 − 65 790) = 121.35 mm;
        // 100.53·405·434.78/200 000 = 88.51 mm, sin contribución del hormigón.
        CasoCortante{{}, 6, "Separación de cercos, zona de apoyo", "12.1 cm", "8.9 cm", "-27.1 %"},
        CasoCortante{
            {}, 7, "Cercos Vsu / VRd,s, zona de apoyo", "134.21 kN", "200.00 kN", "+49.0 %"},
        CasoCortante{{},
                     8,
                     "Tracción del alma Vu2 / VRd, zona de apoyo",
                     "200.00 kN",
                     "200.00 kN",
                     "+0.0 %"},
        // Centro, Vd = 50 kN < Vcu: la separación máxima, 300 mm (art. 44.2.3.4.1) y
        // 0.75·450 = 337.5 mm (9.6); 100.53·405·400/300 = 54.29 kN + Vcu = 120.08 kN y
        // 100.53·405·434.78/337.5 = 52.45 kN.
        CasoCortante{{}, 9, "Separación de cercos, zona central", "30.0 cm", "33.8 cm", "+12.5 %"},
        CasoCortante{{},
                     11,
                     "Tracción del alma Vu2 / VRd, zona central",
                     "120.08 kN",
                     "52.45 kN",
                     "-56.3 %"},
        // θe sólo lo usa la EHE-98.
        CasoCortante{
            {{"CuadroTetae", "40"}}, 1, "Ángulo θe de las fisuras", "40º", "no se aplica", "—"},
        // θ = 70º: cot θ = 0.364 < 0.5, que no admite ninguna de las dos (art. 44.2.3.1 y
        // 6.2.3(2)): las dos toman cot θ = 0.5 (63.43º). 0.60·16.667·135 000·0.5/1.25 = 540 kN
        // y 300·405·0.54·16.667·0.5/1.25 = 437.40 kN.
        CasoCortante{{{"CuadroTeta", "70"}},
                     0,
                     "Ángulo θ de las bielas",
                     "63.4349º (cot θ = 0.5; escrito 70º)",
                     "63.4349º (cot θ = 0.5; escrito 70º)",
                     "—"},
        CasoCortante{{{"CuadroTeta", "70"}},
                     3,
                     "Compresión oblicua Vu1 / VRd,max",
                     "540.00 kN",
                     "437.40 kN",
                     "-19.0 %"},
        // θ = 20º con θe = 45º daría β = (2.747 − 2)/(1 − 2) < 0; con cot θ = 2, β = 0 y Vcu = 0.
        CasoCortante{{{"CuadroTeta", "20"}},
                     4,
                     "Contribución del hormigón Vcu / VRd,c",
                     "0.00 kN",
                     "78.95 kN",
                     "—"},
        // α = 30º no es una armadura de cortante del Anejo 19 (9.2.2(1)): no se calcula.
        CasoCortante{{{"CuadroAlfa", "30"}},
                     2,
                     "Ángulo α de los cercos",
                     "30º",
                     "30º: fuera de 45º a 90º (Anejo 19, 9.2.2(1))",
                     "—"},
        CasoCortante{{{"CuadroAlfa", "30"}},
                     4,
                     "Contribución del hormigón Vcu / VRd,c",
                     "65.79 kN",
                     "no se calcula",
                     "—"}));

TEST(ComparacionCortante, UnaZonaSinCercosDiceElMotivo) {
    auto v = Viga({});
    v.zonas.NumeroCercosZona1 = "0";
    const auto c = CompararNormasCortante(Estado(), Parametros(), v);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    const FilaComparacion& f = c.valor().Filas[6];
    EXPECT_EQ(f.EHE98.rfind("Sin cercos", 0), 0u) << f.EHE98;
    EXPECT_EQ(f.CodigoEstructural, f.EHE98);
    EXPECT_EQ(f.Diferencia, "—");
    EXPECT_EQ(c.valor().Filas[7].EHE98, "—");
}

TEST(ComparacionCortante, ErroresQueNombranLaNormaYElCampo) {
    // θ = 20º y θe con cot θe = 2 dejan β sin definir en la EHE-98: (cot θ − 2)/(cot θe − 2).
    auto v = Viga({{"CuadroTeta", "20"}, {"CuadroTetae", "26.565051177077990"}});
    auto c = CompararNormasCortante(Estado(), Parametros(), v);
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(c.error().mensaje.rfind("EHE-98: ", 0), 0u) << c.error().mensaje;
    EXPECT_EQ(c.error().campo, "CuadroTetae");
    // 95 N/mm² la admiten los parámetros de la EHE-98 (hasta 100), no el Código Estructural.
    auto p = Parametros();
    p.ResistenciaCaracteristica = "95";
    c = CompararNormasCortante(Estado(), p, Viga({}));
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(c.error().mensaje.rfind("Código Estructural: ", 0), 0u) << c.error().mensaje;
    EXPECT_EQ(c.error().campo, "ResistenciaCaracteristica");
}

struct CasoCercosComparados {
    DatosCercos datos;
    std::size_t fila;
    const char *ehe, *ce, *diferencia;
};

class ComparacionCercos : public ::testing::TestWithParam<CasoCercosComparados> {};

TEST_P(ComparacionCercos, Celda) {
    const CasoCercosComparados& k = GetParam();
    const auto c = CompararNormasCercos(Estado(), k.datos);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    ASSERT_EQ(c.valor().Filas.size(), 4u);
    const auto celdas = Celdas(c.valor(), k.fila);
    EXPECT_EQ(std::vector<std::string>(celdas.begin() + 1, celdas.end()),
              (std::vector<std::string>{k.ehe, k.ce, k.diferencia}))
        << celdas[0];
}

constexpr DatosCercos Cuadrado{300, 300, 30, 12, 16};
constexpr DatosCercos Rectangulo{400, 250, 40, 20, 25};

INSTANTIATE_TEST_SUITE_P(
    Casos, ComparacionCercos,
    ::testing::Values(
        // 300 × 300: mín(0.8·270, 300, 15·12) = 180 mm y mín(15·12, 300, 300) = 180 mm.
        CasoCercosComparados{Cuadrado, 0, "18.0 cm", "18.0 cm", "+0.0 %"},
        // φmax/4 = 4 mm; el Anejo 19 no baja de 6 mm (9.5.3(1)).
        CasoCercosComparados{Cuadrado, 1, "4.00 mm", "6.00 mm", "+50.0 %"},
        CasoCercosComparados{Cuadrado, 2, "6 mm", "6 mm", "+0.0 %"},
        CasoCercosComparados{Cuadrado, 3, "no se aplica", "10.8 cm", "—"},
        // 400 × 250: st = 250 mm < 15·20; 25·√(250/(240·20)) = 5.71 mm → 6 mm; 25/4 = 6.25 → 8.
        CasoCercosComparados{Rectangulo, 0, "25.0 cm", "25.0 cm", "+0.0 %"},
        CasoCercosComparados{Rectangulo, 1, "5.71 mm", "6.25 mm", "+9.5 %"},
        CasoCercosComparados{Rectangulo, 2, "6 mm", "8 mm", "+33.3 %"}));

} // namespace
