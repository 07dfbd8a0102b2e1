#include "tests/common/Fixturas.h"
#include "shear/Cortante.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace velmora;

// Todo en un espacio anónimo: los nombres de los casos se repiten en otros ficheros.
namespace {

// Estado con los parámetros generales de arranque confirmados: fck = 25, fcd = 25/1.5,
// fyd = 400/1.15.
// Datos por defecto de la ventana: d = 0.36 m, b = 0.30 m, 90º/45º/45º, cortantes de 1 kN.
DatosCortante Defecto() {
    DatosCortante d;
    d.d = 360;
    d.b = 300;
    d.alfa = 90;
    d.teta = 45;
    d.tetae = 45;
    d.Vd1 = d.Vd2 = d.Vd3 = 1000;
    return d;
}

CalculoCortante Calcular(DatosCortante datos) {
    auto e = pruebas::Confirmado();
    const auto r = CalcularCortante(e, datos);
    EXPECT_TRUE(r.ok()) << r.error().mensaje;
    return *r;
}

TEST(CalcularCortante, DatosPorDefecto) {
    auto e = pruebas::Confirmado();
    const auto r = CalcularCortante(e, Defecto());
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(TextoFuerza(r.valor().Vu1), "=   540.000");
    EXPECT_EQ(TextoFuerza(r.valor().Vcu), "=     0.000");
    EXPECT_EQ(TextoCompresionOblicua(*r), "La sección de homigón es adecuada, y éste no\rse agota "
                                          "por compresión oblicua en el alma");
    EXPECT_DOUBLE_EQ(e.d, 360);
    EXPECT_DOUBLE_EQ(e.b, 300);

    const auto t = CalcularZonas(*r, EleccionZonas{});
    EXPECT_EQ(t.Recordatorio, "El diámetro ha de ser mayor o igual que 6 mm");
    for (const auto& z : t.zona) {
        ASSERT_TRUE(z.valida) << z.Longitud;
        EXPECT_NEAR(z.Aalfa, 157.08, 0.01);
        EXPECT_NEAR(z.st, 288.0, 1e-9); // 17702 → 546.36* → 300 → 0.8·d
        EXPECT_EQ(z.Longitud, "/  29*");
        EXPECT_TRUE(z.SeparacionMaxima);
        EXPECT_EQ(z.ContribucionArmadura, "=    61.466");
        EXPECT_EQ(z.AgotamientoTraccion, "=    61.466");
        EXPECT_TRUE(z.DiametroElevado.empty());
    }
}

TEST(CalcularCortante, VeredictoDeCompresionOblicuaEsEstricto) {
    auto datos = Defecto();
    const double Vu1 = Calcular(datos).Vu1;
    datos.Vd1 = Vu1;
    EXPECT_FALSE(Calcular(datos).Agotamiento);
    datos.Vd1 = Vu1 + 0.01;
    const auto c = Calcular(datos);
    EXPECT_TRUE(c.Agotamiento);
    EXPECT_EQ(TextoCompresionOblicua(c), "Agotamiento del hormigón. Aumente la sección\ro "
                                         "incline los cercos un ángulo menor de 90º");
    // El veredicto no detiene el cálculo de las zonas.
    EXPECT_TRUE(CalcularZonas(c, EleccionZonas{}).zona[0].valida);
}

TEST(CalcularCortante, AlfaNoventaExactoYCasiNoventa) {
    auto datos = Defecto();
    datos.Vd2 = datos.Vd3 = 150000;
    const auto a = Calcular(datos);
    datos.alfa = 89.9;
    const auto b = Calcular(datos);
    EXPECT_NEAR(b.Vu1 / a.Vu1, 1.0, 0.003);
    const auto za = CalcularZonas(a, EleccionZonas{}).zona[0];
    const auto zb = CalcularZonas(b, EleccionZonas{}).zona[0];
    EXPECT_NEAR(zb.st / za.st, 1.0, 0.003);
    EXPECT_NEAR(zb.Vsu / za.Vsu, 1.0, 0.003);
}

TEST(CalcularCortante, CuantiaLongitudinalLimitadaAlDosPorCiento) {
    auto datos = Defecto();
    datos.Asl = 0.05 * 300 * 360;
    const auto c = Calcular(datos);
    EXPECT_DOUBLE_EQ(c.rhoL, 0.02);
    // β = 1; 0.1·(1 + √(200/360))·(100·0.02·25)^(1/3)·300·360
    EXPECT_NEAR(c.Vcu, 69443.42, 0.01);
    datos.Asl = 0.01 * 300 * 360;
    EXPECT_NEAR(Calcular(datos).rhoL, 0.01, 1e-12);
}

namespace {
struct CasoBeta {
    double teta, tetae, beta;
};
class FactorBetaTabla : public testing::TestWithParam<CasoBeta> {};
} // namespace

TEST_P(FactorBetaTabla, Valor) {
    const auto p = GetParam();
    constexpr double g = std::numbers::pi / 180.0;
    EXPECT_NEAR(FactorBeta(p.teta * g, p.tetae * g), p.beta, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Angulos, FactorBetaTabla,
                         testing::Values(CasoBeta{45, 45, 1.0}, CasoBeta{30, 30, 1.0},
                                         CasoBeta{60, 60, 1.0},
                                         // cot θ < cot θe: (2·cot θ − 1)/(2·cot θe − 1)
                                         CasoBeta{45, 30, 0.40582741955797763},
                                         // cot θ ≥ cot θe: (cot θ − 2)/(cot θe − 2)
                                         CasoBeta{30, 45, 0.2679491924311226}));

namespace {
struct CasoError {
    const char* nombre;
    DatosCortante datos;
    const char* campo;
};
class CortanteDatosNoValidos : public testing::TestWithParam<CasoError> {};
} // namespace

TEST_P(CortanteDatosNoValidos, SeRechazanSinTocarElEstado) {
    const auto p = GetParam();
    auto e = pruebas::Confirmado();
    e.d = 11;
    e.b = 22;
    const auto r = CalcularCortante(e, p.datos);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, p.campo);
    EXPECT_FALSE(r.error().mensaje.empty());
    EXPECT_DOUBLE_EQ(e.d, 11);
    EXPECT_DOUBLE_EQ(e.b, 22);
}

DatosCortante Con(void (*cambio)(DatosCortante&)) {
    auto d = Defecto();
    cambio(d);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CortanteDatosNoValidos,
    testing::Values(
        CasoError{"CantoNulo", Con([](DatosCortante& d) { d.d = 0; }), "CuadroCantoUtil"},
        CasoError{"AnchoNegativo", Con([](DatosCortante& d) { d.b = -300; }), "CuadroAncho"},
        CasoError{"AlfaCero", Con([](DatosCortante& d) { d.alfa = 0; }), "CuadroAlfa"},
        CasoError{"Alfa180", Con([](DatosCortante& d) { d.alfa = 180; }), "CuadroAlfa"},
        CasoError{"TetaCero", Con([](DatosCortante& d) { d.teta = 0; }), "CuadroTeta"},
        CasoError{"Teta90", Con([](DatosCortante& d) { d.teta = 90; }), "CuadroTeta"},
        CasoError{"TetaeNegativo", Con([](DatosCortante& d) { d.tetae = -5; }), "CuadroTetae"},
        CasoError{"Tetae90", Con([](DatosCortante& d) { d.tetae = 90; }), "CuadroTetae"},
        // cot θe = 2 con cot θ ≥ cot θe: (cot θ − 2)/(cot θe − 2) no está definido.
        CasoError{"BetaCotDos", Con([](DatosCortante& d) {
                      d.teta = 20;
                      d.tetae = std::atan(0.5) * 180.0 / std::numbers::pi;
                  }),
                  "CuadroTetae"},
        // cot θe = 0.5 con cot θ < cot θe: (2·cot θ − 1)/(2·cot θe − 1) no está definido.
        CasoError{"BetaCotMedio", Con([](DatosCortante& d) {
                      d.teta = 80;
                      d.tetae = std::atan(2.0) * 180.0 / std::numbers::pi;
                  }),
                  "CuadroTetae"},
        // Cercos inclinados más de 90º contra bielas tendidas: separaciones negativas.
        CasoError{"ArmaduraQueNoCose", Con([](DatosCortante& d) {
                      d.alfa = 135;
                      d.teta = 60;
                  }),
                  "CuadroAlfa"},
        CasoError{"AreaLongitudinalNegativa", Con([](DatosCortante& d) { d.Asl = -10; }),
                  "ValorArea"},
        CasoError{"DiametroComprimidoNulo", Con([](DatosCortante& d) {
                      d.ArmaduraComprimida = true;
                      d.phiMinComp = 0;
                  }),
                  "CuadroDiametroMinimo"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularCortante, BetaDefinidoConCotTetaeDosSiRigeLaOtraRama) {
    auto datos = Defecto(); // cot θ = 1 < cot θe = 2: β = (2 − 1)/(4 − 1)
    datos.tetae = std::atan(0.5) * 180.0 / std::numbers::pi;
    datos.Asl = 0.01 * 300 * 360;
    const auto c = Calcular(datos);
    EXPECT_NEAR(FactorBeta(c.tetaRad, c.tetaeRad), 1.0 / 3.0, 1e-9);
}

TEST(CalcularCortante, SinParametrosConfirmados) {
    EstadoDiseno e;
    InicializarTablas(e);
    const auto r = CalcularCortante(e, Defecto());
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, MensajeConfirmarParametros);
}

// Separaciones con un cálculo construido a mano: α = 90º, fyad = 400, fcd = 20, b = 300.
CalculoCortante Construido(double d, double cotTeta, double Vcu, double Vu1) {
    CalculoCortante c;
    c.datos.d = d;
    c.datos.b = 300;
    c.datos.alfa = 90;
    c.alfaRad = std::numbers::pi / 2;
    c.cotTeta = cotTeta;
    c.fyad = 400;
    c.fcd = 20;
    c.Vcu = Vcu;
    c.Vu1 = Vu1;
    return c;
}

struct CasoFisuracion {
    double Vd; // X = Vd/(Aα·d) = Vd/1e5
    double st; // mm
    const char* marca;
};
class ControlFisuracion : public testing::TestWithParam<CasoFisuracion> {};

// d = 1000, cot θ = 40, Aα = 100: separación resistente 1.44e9/Vd; la mínima 333.3; la
// máxima 300 (Vd ≤ 0.2·Vu1).
TEST_P(ControlFisuracion, LimiteDeLaTabla) {
    const auto p = GetParam();
    const auto c = Construido(1000, 40, 0, 1e12);
    const auto s = CalcularSeparacion(c, p.Vd, 100);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s.valor().st, p.st, 1e-9);
    EXPECT_EQ(s.valor().marca, p.marca);
    EXPECT_FALSE(s.valor().limitada) << "el control de fisuración no es una separación máxima";
}

INSTANTIATE_TEST_SUITE_P(
    Filas, ControlFisuracion,
    testing::Values(CasoFisuracion{1.6e7, 50, ""},  // X = 160 > 150: 90 → 50
                    CasoFisuracion{1.5e7, 96, ""},  // X = 150 no es > 150: límite 100
                    CasoFisuracion{1.2e7, 100, ""}, // X = 120: 120 → 100
                    CasoFisuracion{1.0e7, 144, ""}, // X = 100 no es > 100: límite 150
                    CasoFisuracion{8.0e6, 150, ""}, // X = 80: 180 → 150
                    CasoFisuracion{7.5e6, 192, ""}, // X = 75 no es > 75: límite 200
                    CasoFisuracion{6.0e6, 200, ""}, // X = 60: 240 → 200
                    CasoFisuracion{5.0e6, 288, ""}, // X = 50 no es > 50: límite 300
                    CasoFisuracion{4.0e6, 300, "*"} // X = 40: 360 → mínima 333.3* → 300
                    ));

struct CasoMaxima {
    double d, Vu1, Vd, st;
};
class SeparacionMaxima : public testing::TestWithParam<CasoMaxima> {};

// Vd ≤ Vcu: rige la mínima, 50·300·400/(20·300) = 1000 mm, siempre por encima de la máxima.
TEST_P(SeparacionMaxima, Limite) {
    const auto p = GetParam();
    const auto c = Construido(p.d, 1, 1e9, p.Vu1);
    const auto s = CalcularSeparacion(c, p.Vd, 300);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s.valor().st, p.st, 1e-9);
    EXPECT_EQ(s.valor().marca, "*");
    EXPECT_TRUE(s.valor().limitada);
}

INSTANTIATE_TEST_SUITE_P(Filas, SeparacionMaxima,
                         testing::Values(CasoMaxima{500, 3e6, 2.1e6, 150},  // 0.3·d
                                         CasoMaxima{1000, 3e6, 2.1e6, 200}, // 0.3·d → 200
                                         CasoMaxima{400, 3e6, 1e6, 240},    // 0.6·d
                                         CasoMaxima{600, 3e6, 1e6, 300},    // 0.6·d → 300
                                         CasoMaxima{300, 3e6, 5e5, 240},    // 0.8·d
                                         CasoMaxima{500, 3e6, 5e5, 300},    // 0.8·d → 300
                                         CasoMaxima{300, 5e6, 1e6, 240}     // Vd = 0.2·Vu1
                                         ));

TEST(CalcularSeparacion, MinimaSinLimiteYQuinceDiametrosComprimidos) {
    auto c = Construido(1000, 1, 1e9, 1e12);
    auto s = CalcularSeparacion(c, 1000, 50); // mínima 166.7 < 300
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s.valor().st, 500.0 / 3.0, 1e-9);
    EXPECT_EQ(s.valor().marca, "*");
    EXPECT_FALSE(s.valor().limitada);

    c.datos.ArmaduraComprimida = true;
    c.datos.phiMinComp = 10;
    s = CalcularSeparacion(c, 1000, 50);
    EXPECT_NEAR(s.valor().st, 150, 1e-9);
    EXPECT_TRUE(s.valor().limitada);

    c.datos.phiMinComp = 12; // 180 > 166.7: no limita
    s = CalcularSeparacion(c, 1000, 50);
    EXPECT_NEAR(s.valor().st, 500.0 / 3.0, 1e-9);
    EXPECT_FALSE(s.valor().limitada);
}

TEST(CalcularSeparacion, ResistenteSinMarcaYAreaNula) {
    // cot θ = 1, d = 1000, Aα = 100: 0.9·1000·400·100/(Vd − Vcu) = 3.6e7/4e5 = 90 mm.
    const auto c = Construido(1000, 1, 1e5, 1e12);
    const auto s = CalcularSeparacion(c, 5e5, 100);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s.valor().st, 90, 1e-9);
    EXPECT_EQ(s.valor().marca, "");
    EXPECT_NEAR(CalcularVsu(c, 100, s.valor().st), 4e5, 1e-6); // Vsu = Vd − Vcu
    EXPECT_FALSE(CalcularSeparacion(c, 5e5, 0).ok());
}

struct CasoDiametro {
    double x;
    int diametro;
};
class DiametroComercialTabla : public testing::TestWithParam<CasoDiametro> {};

TEST_P(DiametroComercialTabla, Redondeo) {
    const auto r = DiametroComercial(GetParam().x);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(*r, GetParam().diametro);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, DiametroComercialTabla,
    testing::Values(CasoDiametro{-3, 6}, CasoDiametro{0, 6}, CasoDiametro{0.2, 6},
                    CasoDiametro{6, 6}, CasoDiametro{6.01, 8}, CasoDiametro{8, 8},
                    CasoDiametro{9, 10}, CasoDiametro{10.5, 12}, CasoDiametro{13, 14},
                    CasoDiametro{15, 16}, CasoDiametro{16.2, 20}, CasoDiametro{20, 20},
                    CasoDiametro{21, 25}, CasoDiametro{25.5, 32}, CasoDiametro{32, 32},
                    CasoDiametro{33, 40}, CasoDiametro{40, 40}));

TEST(DiametroComercial, MasDeCuarenta) {
    const auto r = DiametroComercial(40.2);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "No hay diámetro comercial de al menos 41 mm");
}

TEST(CalcularZonas, DiametroMinimoConArmaduraComprimida) {
    auto datos = Defecto();
    datos.ArmaduraComprimida = true;
    datos.phiMinComp = 12;
    datos.phiMaxComp = 32;
    auto c = Calcular(datos);
    EleccionZonas eleccion;
    eleccion.DiametroZona1 = "6";
    eleccion.DiametroZona2 = "12";
    auto t = CalcularZonas(c, eleccion);
    EXPECT_EQ(t.Recordatorio, "El diámetro ha de ser mayor o igual que  8 mm");
    EXPECT_EQ(t.zona[0].DiametroElevado, " 8");
    EXPECT_NEAR(t.zona[0].Aalfa, 2 * std::numbers::pi * 16, 1e-9);
    EXPECT_TRUE(t.zona[1].DiametroElevado.empty());

    c.datos.phiMaxComp = 20; // 20/4 = 5 → 6 mm
    t = CalcularZonas(c, eleccion);
    EXPECT_EQ(t.Recordatorio, "El diámetro ha de ser mayor o igual que  6 mm");
    EXPECT_TRUE(t.zona[0].DiametroElevado.empty());

    c.datos.phiMaxComp = 200; // 50 mm: no hay diámetro, no se eleva nada
    t = CalcularZonas(c, eleccion);
    EXPECT_EQ(t.Recordatorio, "No hay diámetro comercial de al menos 50 mm");
    EXPECT_TRUE(t.zona[0].DiametroElevado.empty());
    EXPECT_TRUE(t.zona[0].valida);
}

TEST(CalcularZonas, CercosNoValidosEnUnaZona) {
    const auto c = Calcular(Defecto());
    EleccionZonas eleccion;
    eleccion.NumeroCercosZona1 = "0";
    eleccion.DiametroZona2 = "diez";
    const auto t = CalcularZonas(c, eleccion);
    for (const auto& z : t.zona) {
        EXPECT_FALSE(z.valida);
        EXPECT_FALSE(z.SeparacionMaxima);
        EXPECT_EQ(z.ContribucionArmadura, "");
        EXPECT_EQ(z.AgotamientoTraccion, "");
    }
    EXPECT_EQ(t.zona[0].Longitud,
              "Sin cercos: el número de ramas y el diámetro han de ser mayores que 0.");
    EXPECT_NE(t.zona[1].Longitud.find("Diámetro, zona central"), std::string::npos)
        << t.zona[1].Longitud;
}

} // namespace
