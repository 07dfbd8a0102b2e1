#include "materiales/BloqueComprimido.h"
#include "design/MaterialesDelEstado.h"

#include "section/SeccionReferencia.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <gtest/gtest.h>
#include <vector>

using namespace velmora;

namespace {

// Integración numérica independiente del bloque: tensión parábola-rectángulo sobre la
// profundidad, con la deformación lineal que vale epsC arriba y 0 en la fibra neutra.
struct Bloque {
    double Cc, yc;
};

Bloque Integrar(const EstadoDiseno& e, double x, double epsC) {
    const double hasta = std::min(x, e.h);
    // Tramos sin saltos: se corta en el cambio de ancho (hf) y donde la deformación es 0.002.
    std::vector<double> cortes{0.0, hasta};
    if (!e.SeccionRectangular && e.hf < hasta)
        cortes.push_back(e.hf);
    const double y002 = x * (1.0 - 0.002 / epsC);
    if (y002 > 0.0 && y002 < hasta)
        cortes.push_back(y002);
    std::sort(cortes.begin(), cortes.end());
    double fuerza = 0.0, momento = 0.0;
    const int n = 20000;
    for (std::size_t t = 0; t + 1 < cortes.size(); ++t) {
        const double paso = (cortes[t + 1] - cortes[t]) / n;
        for (int i = 0; i < n; ++i) {
            const double y = cortes[t] + (i + 0.5) * paso;
            const double eps = epsC * (x - y) / x;
            const double sigma =
                eps >= 0.002 ? 0.85 * e.fcd : 0.85 * e.fcd * (1000.0 * eps - 250000.0 * eps * eps);
            const double ancho = (e.SeccionRectangular || y <= e.hf) ? e.b : e.bw;
            fuerza += sigma * ancho * paso;
            momento += sigma * ancho * paso * y;
        }
    }
    return {fuerza, momento / fuerza};
}

struct CasoBloque {
    const char* nombre;
    bool enT;
    double x;
    double epsC; // deformación esperada de la fibra superior (por los pivotes)
};

class BloqueTabla : public ::testing::TestWithParam<CasoBloque> {};

TEST_P(BloqueTabla, CoincideConLaIntegracion) {
    const auto& c = GetParam();
    auto e = c.enT ? SeccionTReferencia() : SeccionReferencia();
    BloqueComprimido(e, c.x);
    EXPECT_NEAR(e.epsC, c.epsC, 1e-12) << c.nombre;
    const auto ref = Integrar(e, c.x, c.epsC);
    EXPECT_NEAR(e.Cc, ref.Cc, 1e-6 * ref.Cc) << c.nombre;
    EXPECT_NEAR(e.yc, ref.yc, 1e-5 * c.x) << c.nombre;
}

// d = 370 (7d/27 = 95.93), h = 400; en T d = 900 (7d/27 = 233.33), h = 1000, hf = 200.
INSTANTIATE_TEST_SUITE_P(
    Pivotes, BloqueTabla,
    ::testing::Values(
        CasoBloque{"parabola", false, 20.0, 0.01 * 20.0 / 350.0},
        CasoBloque{"pivote acero rama rectangulo", false, 80.0, 0.01 * 80.0 / 290.0},
        CasoBloque{"pivote hormigon", false, 200.0, 0.0035},
        CasoBloque{"en el canto", false, 400.0, 0.0035},
        CasoBloque{"T fibra neutra en la cabeza", true, 150.0, 0.01 * 150.0 / 750.0},
        CasoBloque{"T alma pivote acero", true, 220.0, 0.01 * 220.0 / 680.0},
        CasoBloque{"T alma pivote hormigon", true, 600.0, 0.0035},
        // Toda comprimida: 0.002 a 3h/7 de la fibra superior.
        CasoBloque{"toda comprimida", false, 640.0, 0.002 * 640.0 / (640.0 - 1200.0 / 7)},
        CasoBloque{"T toda comprimida", true, 1600.0, 0.002 * 1600.0 / (1600.0 - 3000.0 / 7)}),
    [](const auto& i) {
        std::string n = i.param.nombre;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

TEST(BloqueComprimido, RectanguloConHormigonEnRotura) {
    // fcd·b·x·0.0024083333/0.0035 y 0.41597·x; x = 100 mm: 344.048 kN y 41.597 mm.
    auto e = SeccionReferencia();
    BloqueComprimido(e, 100.0);
    EXPECT_NEAR(e.Cc, 344047.6, 0.05);
    EXPECT_NEAR(e.yc, 41.597, 0.0005);
    e.fcd = 25.0 / 1.3;
    BloqueComprimido(e, 100.0);
    EXPECT_NEAR(e.Cc * 0.001, 396.978, 0.0005);
}

TEST(BloqueComprimido, PivotesContinuos) {
    auto e = SeccionReferencia();
    BloqueComprimido(e, e.d * 7.0 / 27.0);
    EXPECT_NEAR(e.epsC, 0.0035, 1e-15);
    e.epsCInf = -1.0; // sólo se escribe por debajo de la sección
    BloqueComprimido(e, e.h);
    EXPECT_EQ(e.epsC, 0.0035);
    EXPECT_EQ(e.epsCInf, -1.0);
    BloqueComprimido(e, e.h + 1e-6);
    EXPECT_NEAR(e.epsC, 0.0035, 1e-9);
    EXPECT_NEAR(e.epsCInf, 0.0, 1e-9);
    BloqueComprimido(e, 1.6 * e.h); // 0.002 en 3h/7
    EXPECT_NEAR(e.epsC - (e.epsC - e.epsCInf) * 3.0 / 7.0, 0.002, 1e-15);
}

TEST(BloqueComprimido, TConFibraNeutraEnLaCabezaEsUnRectangulo) {
    auto t = SeccionTReferencia();
    auto r = t;
    r.SeccionRectangular = true;
    for (double x : {50.0, 199.99, 200.0}) {
        BloqueComprimido(t, x);
        BloqueComprimido(r, x);
        EXPECT_DOUBLE_EQ(t.Cc, r.Cc) << x;
        EXPECT_DOUBLE_EQ(t.yc, r.yc) << x;
    }
}

TEST(Diagrama, ValoresEnLaRoturaYContinuidadEn0002) {
    EXPECT_NEAR(AreaDiagrama(0.0035, 1.0), 0.0024083333, 1e-10);
    EXPECT_NEAR(CentroDiagrama(0.0035), 0.0014558824, 1e-10);
    // En 0.002 las dos ramas dan lo mismo: 2/3·0.85·0.002 y 3/8 de 0.002.
    EXPECT_NEAR(AreaDiagrama(0.002, 1.0), 0.85 * 0.002 * 2.0 / 3.0, 1e-15);
    EXPECT_NEAR(AreaDiagrama(0.002 + 1e-12, 1.0), 0.85 * 0.002 * 2.0 / 3.0, 1e-12);
    EXPECT_NEAR(CentroDiagrama(0.002), 0.00075, 1e-15);
    EXPECT_NEAR(CentroDiagrama(0.002 + 1e-12), 0.00075, 1e-12);
}

TEST(BloqueComprimido, ProfundidadNoPositivaNoDaBloque) {
    auto e = SeccionReferencia();
    for (double x : {0.0, -5.0, std::nan("")}) {
        BloqueComprimido(e, x);
        EXPECT_EQ(e.Cc, 0.0);
    }
}

// El bloque sin estado de diseño: sólo la sección y fcd. Rectangular 300 × 400, d = 360,
// fcd = 20 N/mm². Con x = 200 (dominio 3) εc = 3.5 ‰ y Cc = 0.85·fcd·b·x·(1 − 0.002/(3·0.0035))
// = 0.6880952·20·300·200 = 825 714 N; con x = 800 (toda comprimida) εc = 0.002·800/(800 − 1200/7)
// = 2.5454545 ‰ y εc,inf = 0.002·400/(800 − 1200/7) = 1.2727273 ‰.
struct CasoBloqueSolo {
    double x, epsC;
    std::optional<double> epsCInf;
    double Cc; // N; < 0: no se compara
};

class BloqueSinEstado : public ::testing::TestWithParam<CasoBloqueSolo> {};

TEST_P(BloqueSinEstado, DeformacionesYResultante) {
    const auto& c = GetParam();
    const GeometriaBloque g{true, 400.0, 300.0, 300.0, 0.0, 360.0};
    const BloqueEHE98 r = BloqueComprimido(g, 20.0, c.x);
    EXPECT_NEAR(r.epsC, c.epsC, 1e-10) << c.x;
    ASSERT_EQ(r.epsCInf.has_value(), c.epsCInf.has_value()) << c.x;
    if (c.epsCInf) {
        EXPECT_NEAR(*r.epsCInf, *c.epsCInf, 1e-10) << c.x;
    }
    if (c.Cc >= 0.0) {
        EXPECT_NEAR(r.Cc, c.Cc, 0.5) << c.x;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, BloqueSinEstado,
                         ::testing::Values(CasoBloqueSolo{200.0, 0.0035, std::nullopt, 825714.3},
                                           CasoBloqueSolo{400.0, 0.0035, std::nullopt, -1.0},
                                           CasoBloqueSolo{800.0, 0.0025454545, 0.0012727273, -1.0},
                                           CasoBloqueSolo{0.0, 0.0, std::nullopt, 0.0}));

} // namespace
