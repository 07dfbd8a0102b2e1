// Diagrama de interacción N–M: cifras a mano, el momento de agotamiento en flexión simple, la
// simetría, una integración por fibras de 2 mm escrita aquí y la comprobación de combinaciones.

#include "section/Interaccion.h"

#include "SeccionReferencia.h"
#include "section/DimensionarSeccion.h"
#include "section/MomentoAgotamiento.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <tuple>

namespace {

using namespace velmora;

const double Dos16 = 2.0 * std::numbers::pi * 16.0 * 16.0 / 4.0; // 402.12 mm²

// 200 × 400 mm, d1 = d2 = 50 mm, HA-25 y B 500 S (fyd = 434.78, fycd = 400 N/mm²).
EstadoDiseno Pilar() {
    auto e = SeccionReferencia();
    e.fyk = 500.0;
    e.fyd = 500.0 / 1.15;
    e.fycd = 400.0;
    e.h = 400.0, e.b = 200.0, e.d1 = 50.0, e.d2 = 50.0, e.d = 350.0;
    return e;
}

DiagramaInteraccion Curva(const EstadoDiseno& e, double A1, double A2) {
    const auto r = CalcularInteraccion(e, SeccionDelEstado(e, A1, A2));
    EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.error().mensaje);
    return r.ok() ? r.valor() : DiagramaInteraccion{};
}

// Momento del contorno para el axil N (N): el corte del rayo (N, ±1).
double MomentoPara(const DiagramaInteraccion& d, double N, double signo) {
    const auto c = ComprobarCombinacion(d, {"", N, signo * 1e-3 * d.EscalaM});
    return c.Agotamiento.M;
}

// --- Compresión y tracción centradas, a mano ---

struct CasoExtremos {
    const char* nombre;
    EstadoDiseno e;
    double A1, A2;
    double N0, Nt; // kN
};

class Extremos : public ::testing::TestWithParam<CasoExtremos> {};

TEST_P(Extremos, CompresionYTraccionCentradas) {
    const auto& c = GetParam();
    const auto d = Curva(c.e, c.A1, c.A2);
    EXPECT_NEAR(d.N0 * 1e-3, c.N0, 0.05) << c.nombre;
    EXPECT_NEAR(d.Ntraccion * 1e-3, c.Nt, 0.05) << c.nombre;
    // Cerrado y antihorario en (N, M): área con signo positiva.
    ASSERT_GT(d.Contorno.size(), 20u);
    EXPECT_EQ(d.Contorno.front().P.N, d.Contorno.back().P.N);
    EXPECT_EQ(d.Contorno.front().P.M, d.Contorno.back().P.M);
    double area = 0.0;
    for (std::size_t i = 0; i + 1 < d.Contorno.size(); ++i)
        area += d.Contorno[i].P.N * d.Contorno[i + 1].P.M - d.Contorno[i + 1].P.N * d.Contorno[i].P.M;
    EXPECT_GT(area, 0.0);
}

// 0.85·16.667·200·400 = 1133333 N; 2·402.12·400 = 321699 N; tracción −804.25·434.78.
// Rectangular 300 × 400, B 400 S (fyd = fycd = 347.83): σ(0.002) = 347.83 (cede antes de 0.002);
// A1 = 3Ø16 = 603.19, A2 = 0: N0 = 1700000 + 209807 N.
// En T 1000 × 1000, cabeza 200, alma 200: Ac = 200000 + 160000 mm².
INSTANTIATE_TEST_SUITE_P(
    Interaccion, Extremos,
    ::testing::Values(CasoExtremos{"pilar", Pilar(), Dos16, Dos16, 1455.03, -349.67},
                      CasoExtremos{"asimetrica", SeccionReferencia(), 603.19, 0.0, 1909.81,
                                   -209.81},
                      CasoExtremos{"enT", SeccionTReferencia(), 1000.0, 500.0, 5621.74,
                                   -521.74}),
    [](const auto& i) { return std::string(i.param.nombre); });

// --- Flexión simple: el momento de agotamiento de su ventana ---

struct CasoFlexion {
    const char* nombre;
    EstadoDiseno e;
    double A1, A2;
};

class FlexionSimpleNM : public ::testing::TestWithParam<CasoFlexion> {};

TEST_P(FlexionSimpleNM, MomentoConAxilNuloEsElDeAgotamiento) {
    auto c = GetParam();
    const auto d = Curva(c.e, c.A1, c.A2);
    CalcularLimites(c.e);
    const auto mu = CalcularMomentoAgotamiento(c.e, {c.A1, c.A2, true, true});
    ASSERT_TRUE(mu.ok());
    const double M = MomentoPara(d, 0.0, 1.0);
    EXPECT_NEAR(M / mu.valor().Mu, 1.0, 0.003) << c.nombre << ": " << M * 1e-6 << " kN·m";
}

INSTANTIATE_TEST_SUITE_P(
    Interaccion, FlexionSimpleNM,
    ::testing::Values(CasoFlexion{"pilar", Pilar(), Dos16, Dos16},
                      CasoFlexion{"sinCompresion", SeccionReferencia(), 603.19, 0.0},
                      CasoFlexion{"dominio4", SeccionReferencia(), 4000.0, 600.0},
                      CasoFlexion{"enT", SeccionTReferencia(), 3000.0, 600.0}),
    [](const auto& i) { return std::string(i.param.nombre); });

// La cifra del ejemplo del pilar, calculada aparte por fibras: 55.72 kN·m.
TEST(Interaccion, PilarMomentoConAxilNulo) {
    const auto d = Curva(Pilar(), Dos16, Dos16);
    EXPECT_NEAR(MomentoPara(d, 0.0, 1.0) * 1e-6, 55.72, 0.05);
    EXPECT_NEAR(MomentoPara(d, 0.0, -1.0) * 1e-6, -55.72, 0.05);
}

// --- Simetría y doble armadura ---

TEST(Interaccion, ArmaduraSimetricaDaCurvaSimetrica) {
    for (const auto& e : {Pilar(), SeccionReferencia()}) {
        const auto d = Curva(e, Dos16, Dos16);
        for (const auto& v : d.Contorno) {
            const auto espejo = ComprobarCombinacion(d, {"", v.P.N, -v.P.M});
            EXPECT_NEAR(espejo.Gamma, 1.0, 1e-6) << v.P.N << " " << v.P.M;
        }
        EXPECT_NEAR(d.Mmax, -d.Mmin, 1e-6 * d.Mmax);
    }
}

TEST(Interaccion, DoblarArmadurasMueveN0EnSuCapacidad) {
    const auto e = Pilar();
    const auto d1 = Curva(e, Dos16, Dos16);
    const auto d2 = Curva(e, 2 * Dos16, 2 * Dos16);
    // σ(0.002) = min(200000·0.002, fycd) = 400 N/mm².
    EXPECT_NEAR(d2.N0 - d1.N0, 2 * Dos16 * 400.0, 1e-6);
    EXPECT_NEAR(d2.Ntraccion - d1.Ntraccion, -2 * Dos16 * e.fyd, 1e-6);
}

// --- Integración por fibras de 2 mm, independiente de las formas cerradas ---

double Hormigon(double eps, double fcd) {
    if (eps <= 0.0)
        return 0.0;
    return eps < 0.002 ? 0.85 * fcd * (1000.0 * eps - 250000.0 * eps * eps) : 0.85 * fcd;
}

// Esfuerzos por fibras del perfil de fibra neutra x (profundidad desde la cara comprimida, que
// es la superior o, con `volteada`, la inferior), por los pivotes A, B y C.
PuntoNM Fibras(const EstadoDiseno& e, double A1, double A2, double x, bool volteada) {
    const double h = e.h;
    const double d = volteada ? h - e.d2 : h - e.d1;
    auto eps = [&](double y) { // y desde la cara comprimida
        if (x <= 7.0 * d / 27.0)
            return -0.01 * (x - y) / (x - d);
        if (x <= h)
            return 0.0035 * (x - y) / x;
        return 0.002 * (x - y) / (x - 3.0 * h / 7.0);
    };
    PuntoNM p;
    const double paso = 2.0;
    for (double y = paso / 2; y < h; y += paso) {
        const double ySup = volteada ? h - y : y; // desde la cara superior
        const double ancho = (!e.SeccionRectangular && ySup > e.hf) ? e.bw : e.b;
        const double f = Hormigon(eps(y), e.fcd) * ancho * paso;
        p.N += f;
        p.M += f * (h / 2 - ySup);
    }
    const double yA2 = volteada ? h - e.d2 : e.d2, yA1 = volteada ? e.d1 : h - e.d1;
    for (auto [y, A] : {std::pair{yA2, A2}, std::pair{yA1, A1}}) {
        const double s = std::clamp(200000.0 * eps(y), -e.fyd, e.fycd);
        const double ySup = volteada ? h - y : y;
        p.N += A * s;
        p.M += A * s * (h / 2 - ySup);
    }
    return p;
}

class PorFibras : public ::testing::TestWithParam<CasoFlexion> {};

TEST_P(PorFibras, LaCurvaPasaPorLosPuntosDeLasFibras) {
    const auto& c = GetParam();
    const auto d = Curva(c.e, c.A1, c.A2);
    int comprobados = 0;
    for (bool volteada : {false, true})
        for (double u = -3.0; u <= 40.0; u += 0.01) {
            // x de −3h a 40h, más denso cerca de la sección.
            const double x = c.e.h * (u < 2.0 ? u : 2.0 + (u - 2.0) * (u - 2.0));
            if (std::fabs(x) < 1e-9)
                continue;
            const auto p = Fibras(c.e, c.A1, c.A2, x, volteada);
            const auto g = ComprobarCombinacion(d, {"", p.N, p.M});
            ASSERT_NEAR(g.Gamma, 1.0, 0.002)
                << c.nombre << " x = " << x << (volteada ? " volteada" : "") << ": N = " << p.N
                << ", M = " << p.M;
            ++comprobados;
        }
    EXPECT_GT(comprobados, 8000);
}

INSTANTIATE_TEST_SUITE_P(
    Interaccion, PorFibras,
    ::testing::Values(CasoFlexion{"pilar", Pilar(), Dos16, Dos16},
                      CasoFlexion{"asimetrica", SeccionReferencia(), 1200.0, 300.0},
                      CasoFlexion{"enT", SeccionTReferencia(), 3000.0, 600.0}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Entre dos vértices seguidos, la curva no se separa de la cuerda más del 0.1 % de la escala (N
// respecto de su recorrido, M respecto del mayor momento).
TEST(Interaccion, CuerdasDentroDeLaTolerancia) {
    for (const auto& [e, A1, A2] : {std::tuple{Pilar(), Dos16, Dos16},
                                    std::tuple{SeccionTReferencia(), 3000.0, 600.0}}) {
        const auto d = Curva(e, A1, A2);
        for (std::size_t i = 0; i + 1 < d.Contorno.size(); ++i) {
            const auto& a = d.Contorno[i];
            const auto& b = d.Contorno[i + 1];
            if (a.Negativo != b.Negativo)
                continue; // el paso por la tracción o la compresión centradas
            for (double f : {0.25, 0.5, 0.75}) {
                const auto q = PuntoPerfil(d, a.Negativo, a.t + f * (b.t - a.t));
                const double ax = a.P.N / d.EscalaN, ay = a.P.M / d.EscalaM;
                const double dx = b.P.N / d.EscalaN - ax, dy = b.P.M / d.EscalaM - ay;
                const double dist = std::fabs((q.N / d.EscalaN - ax) * dy -
                                              (q.M / d.EscalaM - ay) * dx) /
                                    std::hypot(dx, dy);
                EXPECT_LT(dist, 0.001) << "tramo " << i;
            }
        }
    }
}

// --- Comprobación de combinaciones ---

TEST(Interaccion, GammaSobreDentroYFueraDelContorno) {
    const auto d = Curva(Pilar(), Dos16, Dos16);
    const auto& v = d.Contorno[d.Contorno.size() / 3];
    const auto sobre = ComprobarCombinacion(d, {"a", v.P.N, v.P.M});
    EXPECT_NEAR(sobre.Gamma, 1.0, 1e-9);
    EXPECT_TRUE(sobre.Cumple);
    const auto fuera = ComprobarCombinacion(d, {"b", 2 * v.P.N, 2 * v.P.M});
    EXPECT_NEAR(fuera.Gamma, 0.5, 1e-9);
    EXPECT_FALSE(fuera.Cumple);
    // Compresión centrada: γ = N0/Nd.
    const auto centrada = ComprobarCombinacion(d, {"c", 500e3, 0.0});
    EXPECT_NEAR(centrada.Gamma, d.N0 / 500e3, 1e-9);
    const auto nula = ComprobarCombinacion(d, {"d", 0.0, 0.0});
    EXPECT_TRUE(nula.Nula);
    EXPECT_TRUE(nula.Cumple);
    EXPECT_EQ(TextoGamma(nula), "sin carga");
    EXPECT_EQ(TextoVeredicto(fuera), "No cumple");
    EXPECT_EQ(TextoGamma(fuera), "  0.500");
}

// --- Datos que no sirven ---

TEST(Interaccion, DatosQueNoSirvenNombranElCampo) {
    auto e = Pilar();
    auto sinArmadura = CalcularInteraccion(e, SeccionDelEstado(e, 0.0, 0.0));
    ASSERT_FALSE(sinArmadura.ok());
    EXPECT_EQ(sinArmadura.error().campo, "AreaA1");
    auto negativa = CalcularInteraccion(e, SeccionDelEstado(e, Dos16, -1.0));
    ASSERT_FALSE(negativa.ok());
    EXPECT_EQ(negativa.error().campo, "AreaA2");
    e.h = 0.0;
    auto sinCanto = CalcularInteraccion(e, SeccionDelEstado(e, Dos16, Dos16));
    ASSERT_FALSE(sinCanto.ok());
    EXPECT_EQ(sinCanto.error().campo, "h");
    auto f = Pilar();
    f.fcd = 0.0;
    auto sinParametros = CalcularInteraccion(f, SeccionDelEstado(f, Dos16, Dos16));
    ASSERT_FALSE(sinParametros.ok());
    EXPECT_EQ(sinParametros.error().mensaje, MensajeConfirmarParametros);
}

TEST(Interaccion, CargaIlegibleNombraFilaYColumna) {
    const auto m = LeerCombinacion({"ELU-3", "350", "12O"}, 3);
    ASSERT_FALSE(m.ok());
    EXPECT_NE(m.error().mensaje.find("Md (kN·m) de la fila 3"), std::string::npos)
        << m.error().mensaje;
    const auto n = LeerCombinacion({"", "1,5,0", "1"}, 7);
    ASSERT_FALSE(n.ok());
    EXPECT_NE(n.error().mensaje.find("Nd (kN) de la fila 7"), std::string::npos);
    const auto grande = LeerCombinacion({"", "2e6", "1"}, 2);
    ASSERT_FALSE(grande.ok());
    EXPECT_NE(grande.error().mensaje.find("fila 2"), std::string::npos);
    const auto bien = LeerCombinacion({"", "350,5", "-12.5"}, 4);
    ASSERT_TRUE(bien.ok());
    EXPECT_EQ(bien.valor().Nombre, "4");
    EXPECT_DOUBLE_EQ(bien.valor().Nd, 350500.0);
    EXPECT_DOUBLE_EQ(bien.valor().Md, -12.5e6);
}

// --- Pegado desde una hoja de cálculo ---

struct CasoPegado {
    const char* nombre;
    const char* texto;
    std::vector<FilaCombinacion> filas;
};

class Pegado : public ::testing::TestWithParam<CasoPegado> {};

TEST_P(Pegado, PartirFilas) {
    const auto& c = GetParam();
    const auto f = PartirTablaPegada(c.texto);
    ASSERT_EQ(f.size(), c.filas.size()) << c.nombre;
    for (std::size_t i = 0; i < f.size(); ++i) {
        EXPECT_EQ(f[i].Nombre, c.filas[i].Nombre) << c.nombre << " fila " << i;
        EXPECT_EQ(f[i].Nd, c.filas[i].Nd) << c.nombre << " fila " << i;
        EXPECT_EQ(f[i].Md, c.filas[i].Md) << c.nombre << " fila " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Interaccion, Pegado,
    ::testing::Values(
        CasoPegado{"tabuladores", "ELU-1\t350\t120\r\nELU-2\t-50,5\t30\r\n",
                   {{"ELU-1", "350", "120"}, {"ELU-2", "-50,5", "30"}}},
        CasoPegado{"puntoYComaConTitulos", "Nombre;Nd;Md\nA;1,5;2\n\nB; 3 ;4;\n",
                   {{"A", "1,5", "2"}, {"B", "3", "4"}}},
        CasoPegado{"dosColumnas", "100\t20\n200\t-20", {{"", "100", "20"}, {"", "200", "-20"}}},
        CasoPegado{"ilegibleSeConserva", "A;350;abc", {{"A", "350", "abc"}}}),
    [](const auto& i) { return std::string(i.param.nombre); });

} // namespace
