#include "materiales/LeyesMateriales.h"
#include "design/MaterialesDelEstado.h"

#include "section/SeccionReferencia.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct CasoAcero {
    const char* nombre;
    bool pasiva;
    int indiceEs;
    double fyd;
    double eps;
    double sigma; // N/mm² esperada
    double tolerancia;
};

class TensionAceroTabla : public ::testing::TestWithParam<CasoAcero> {};

TEST_P(TensionAceroTabla, Tension) {
    const auto& c = GetParam();
    auto e = SeccionReferencia();
    e.ArmaduraPasiva = c.pasiva;
    e.IndiceEs = c.indiceEs;
    EXPECT_NEAR(TensionAcero(e, c.eps, c.fyd), c.sigma, c.tolerancia) << c.nombre;
}

constexpr double fyd400 = 400.0 / 1.15;
constexpr double fyd500 = 500.0 / 1.15;

INSTANTIATE_TEST_SUITE_P(
    Diagramas, TensionAceroTabla,
    ::testing::Values(
        // Pasiva: recta Es·eps hasta ±fyd/Es y ±fyd después (simétrica, art. 38.4).
        CasoAcero{"pasiva elastica", true, 2, fyd400, 0.001, 200.0, 1e-9},
        CasoAcero{"pasiva en el codo", true, 2, fyd400, fyd400 / 200000.0, fyd400, 1e-9},
        CasoAcero{"pasiva plastica", true, 2, fyd400, 0.01, fyd400, 1e-9},
        CasoAcero{"pasiva compresion elastica", true, 2, fyd400, -0.001, -200.0, 1e-9},
        CasoAcero{"pasiva compresion plastica", true, 2, fyd400, -0.01, -fyd400, 1e-9},
        CasoAcero{"pasiva Es 190000", true, 1, fyd500, 0.002, 380.0, 1e-9},
        CasoAcero{"pasiva Es 190000 plastica", true, 1, fyd500, 0.0035, fyd500, 1e-9},
        CasoAcero{"pasiva Es 210000", true, 3, fyd400, 0.001, 210.0, 1e-9},
        // Activa: recta hasta 0.7·fyd/Es = 0.0012174; curva de quinto grado después. Las
        // tensiones 319.2, 345.3 y 381.5 son las del diagrama activo con B 400 S, Es 200000.
        CasoAcero{"activa elastica", false, 2, fyd400, 0.001, 200.0, 1e-9},
        CasoAcero{"activa 0.002", false, 2, fyd400, 0.002, 319.2, 0.05},
        CasoAcero{"activa 0.0035", false, 2, fyd400, 0.0035, 345.3, 0.05},
        CasoAcero{"activa 0.01", false, 2, fyd400, 0.01, 381.5, 0.05}),
    [](const auto& i) {
        std::string n = i.param.nombre;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

// La tensión activa cumple la ecuación del diagrama a 1e-9 en deformación.
TEST(TensionAceroActiva, CumpleLaEcuacionDelDiagrama) {
    auto e = SeccionReferencia();
    e.ArmaduraPasiva = false;
    for (double eps : {0.0013, 0.002, 0.005, 0.01, 0.02}) {
        const double s = TensionAcero(e, eps, fyd400);
        ASSERT_TRUE(s > 100.0 && s < 1000.0) << eps;
        const double eq = s / 200000.0 + 0.823 * std::pow(s / fyd400 - 0.7, 5.0);
        EXPECT_NEAR(eq, eps, 1e-9) << eps;
    }
}

// Fuera del intervalo 100..1000 N/mm² no se calcula, y nada se queda sin terminar.
TEST(TensionAceroActiva, FueraDelIntervaloNoSeCalcula) {
    auto e = SeccionReferencia();
    e.ArmaduraPasiva = false;
    EXPECT_TRUE(std::isnan(TensionAcero(e, 50.0, fyd400))); // más de 1000 N/mm²
    EXPECT_TRUE(std::isnan(TensionAcero(e, 0.01, 50.0)));   // fyd pequeño: menos de 100
    EXPECT_TRUE(std::isnan(TensionAcero(e, 1e300, fyd400)));
}

TEST(TensionAcero, DatosQueNoPermitenCalcular) {
    auto e = SeccionReferencia();
    e.IndiceEs = 0; // nunca elegido
    EXPECT_TRUE(std::isnan(TensionAcero(e, 0.001, fyd400)));
    e.IndiceEs = 2;
    EXPECT_TRUE(std::isnan(TensionAcero(e, 0.001, 0.0)));
    EXPECT_TRUE(std::isnan(TensionAcero(e, std::nan(""), fyd400)));
}

} // namespace
