// Cortante de la viga por el Código Estructural (Anejo 19, 6.2 y 9.2.2): cada rama del cálculo
// con valores calculados a mano con las fórmulas del Anejo 19, y los ángulos que se rechazan.
#include "common/Expresion.h"
#include "shear/Cortante.h"
#include "shear/DescripcionCortante.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

// HA-25 (o la resistencia dada), B 500 S, situación persistente: γc = 1.5, γs = 1.15.
EstadoDiseno CodigoEstructural(double fck = 25) {
    EstadoDiseno e;
    InicializarTablas(e);
    e.norma = Norma::CodigoEstructural;
    e.fck = fck;
    e.gammaC = 1.5;
    e.gammaS = 1.15;
    e.fcd = fck / 1.5;
    e.fyk = 500;
    e.fyd = 500 / 1.15;
    e.fycd = e.fyd;
    return e;
}

// bw = 300 mm, d = 450 mm, ρl = 1 % (Asl = 1350 mm²), α = 90º, θ = 45º.
DatosCortante Viga(double Vd2 = 50000, double Vd3 = 200000) {
    DatosCortante d;
    d.d = 450;
    d.b = 300;
    d.alfa = 90;
    d.teta = 45;
    d.Vd1 = 100000;
    d.Vd2 = Vd2;
    d.Vd3 = Vd3;
    d.Asl = 1350;
    return d;
}

TEST(CortanteCe, ResistenciasDeReferencia) {
    auto e = CodigoEstructural(30);
    const auto c = CalcularCortante(e, Viga());
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    // HA-30: 300·405·0.528·20·(1 + 0)/(1 + 1) = 641 520 N.
    EXPECT_NEAR(c.valor().Vu1, 641520, 0.01);
    auto e25 = CodigoEstructural();
    const auto c25 = CalcularCortante(e25, Viga());
    ASSERT_TRUE(c25.ok());
    // 0.12·1.6667·25^(1/3)·300·450 = 78 948.5 N, sobre vmin·bw·d = 0.3765·135 000 = 50 833 N.
    EXPECT_NEAR(c25.valor().Vcu, 78948.5, 0.1);
    EXPECT_NEAR(c25.valor().VRdcB, 50832.9, 0.1);
    EXPECT_EQ(TextoFuerza(c25.valor().Vcu), "=    78.948");
    // HA-25: ν1 = 0.54, fcd = 16.667: 300·405·0.54·16.667/2 = 546 750 N.
    EXPECT_EQ(TextoFuerza(c25.valor().Vu1), "=   546.750");
    EXPECT_FALSE(c25.valor().Agotamiento);
    EXPECT_EQ(e25.d, 450);
    EXPECT_EQ(e25.b, 300);
}

struct CasoHormigon {
    const char* nombre;
    double d, Asl, VRdc; // mm, mm², N
};
class HormigonCe : public testing::TestWithParam<CasoHormigon> {};

TEST_P(HormigonCe, VRdcConSuMinimo) {
    const auto& p = GetParam();
    auto e = CodigoEstructural();
    auto datos = Viga();
    datos.d = p.d;
    datos.Asl = p.Asl;
    const auto c = CalcularCortante(e, datos);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    EXPECT_NEAR(c.valor().Vcu, p.VRdc, 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, HormigonCe,
    testing::Values(
        // Sin armadura longitudinal rige (6.2.b): 0.035·1.6667^1.5·5·300·450 = 50 832.9 N.
        CasoHormigon{"SinArmaduraRigeVmin", 450, 0, 50832.9},
        // d = 200 mm: k = 2, vmin = 0.035·2^1.5·25^0.5 = 0.49497; ·300·200 = 29 698.5 N.
        CasoHormigon{"CantoPequenoVmin", 200, 0, 29698.5},
        // d = 150 mm: k se limita a 2; (6.2.a) con ρl = 1 %: 0.12·2·2.92402·300·150 = 31 579.4 N.
        CasoHormigon{"KLimitado", 150, 450, 31579.4},
        // ρl = 5000/(300·450) = 3.7 % se toma 2 %: 0.12·1.6667·50^(1/3)·135 000 = 99 468.9 N.
        CasoHormigon{"CuantiaLimitada", 450, 5000, 99468.9}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoZona {
    const char* nombre;
    double alfa, teta, Vd; // º, º, N
    const char* longitud;  // rótulo de la separación
    bool maxima;           // «Separacion máxima»
    double VRds, VRd;      // N
};
class ZonaCe : public testing::TestWithParam<CasoZona> {};

// Dos ramas de 10 mm (Asw = 157.08 mm²), fywd = 434.78 N/mm², z = 405 mm; ρw,min = 0.0008 da
// s = 157.08/(0.0008·300) = 654.5 mm y sl,max = 0.75·450 = 337.5 mm con cercos verticales.
TEST_P(ZonaCe, SeparacionYResistencia) {
    const auto& p = GetParam();
    auto e = CodigoEstructural();
    auto datos = Viga(p.Vd, p.Vd);
    datos.alfa = p.alfa;
    datos.teta = p.teta;
    const auto c = CalcularCortante(e, datos);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    const auto t = CalcularZonas(*c, EleccionZonas{});
    const TextosZona& z = t.zona[1];
    ASSERT_TRUE(z.valida) << z.Longitud;
    EXPECT_EQ(z.Longitud, p.longitud);
    EXPECT_EQ(z.SeparacionMaxima, p.maxima);
    EXPECT_NEAR(z.Vsu, p.VRds, 0.5);
    EXPECT_EQ(z.AgotamientoTraccion, TextoFuerza(p.VRd));
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, ZonaCe,
    testing::Values(
        // VEd ≤ VRd,c: cuantía mínima 654.5 mm, limitada a sl,max = 337.5 mm;
        // VRd,s = 157.08/337.5·405·434.78 = 81 954.6 N.
        CasoZona{"MinimaYSeparacionMaxima", 90, 45, 50000, "/  34*", true, 81954.6, 81954.6},
        // VEd = VRd,c justo: aún basta la mínima.
        CasoZona{"VEdIgualVRdc", 90, 45, 78948.47893, "/  34*", true, 81954.6, 81954.6},
        // VEd > VRd,c: s = 157.08·405·434.78/200 000 = 138.30 mm y VRd,s = VEd, sin el hormigón.
        CasoZona{"Resistente", 90, 45, 200000, "/  14", false, 200000, 200000},
        // cot θ = 2: s = 276.60 mm.
        CasoZona{"BielasTendidas", 90, 26.56505117707799, 200000, "/  28", false, 200000, 200000},
        // α = 45º: s = 157.08·405·434.78·(1 + 1)·0.70711/200 000 = 195.58 mm; sl,max = 675 mm.
        CasoZona{"CercosInclinados", 45, 45, 200000, "/  20", false, 200000, 200000},
        // VEd = 700 kN > VRd,max = 546.75 kN: s = 39.51 mm y VRd = VRd,max.
        CasoZona{"VRdLimitadoPorVRdmax", 90, 45, 700000, "/   4", false, 700000, 546750}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CortanteCe, CompresionOblicuaAgotada) {
    auto e = CodigoEstructural();
    auto datos = Viga();
    datos.Vd1 = 546751;
    const auto c = CalcularCortante(e, datos);
    ASSERT_TRUE(c.ok());
    EXPECT_TRUE(c.valor().Agotamiento);
    datos.Vd1 = 546750;
    EXPECT_FALSE(CalcularCortante(e, datos).valor().Agotamiento);
}

struct CasoAngulo {
    const char* nombre;
    double alfa, teta;
    const char* campo; // vacío si se admite
};
class AnguloCe : public testing::TestWithParam<CasoAngulo> {};

TEST_P(AnguloCe, IntervaloDelAnejo19) {
    const auto& p = GetParam();
    auto e = CodigoEstructural();
    auto datos = Viga();
    datos.alfa = p.alfa;
    datos.teta = p.teta;
    datos.tetae = 0; // θe no se usa con esta norma
    const auto c = CalcularCortante(e, datos);
    if (std::string(p.campo).empty()) {
        EXPECT_TRUE(c.ok()) << c.error().mensaje;
        return;
    }
    ASSERT_FALSE(c.ok());
    EXPECT_EQ(c.error().campo, p.campo);
    const std::string cita = std::string(p.campo) == "CuadroTeta" ? "6.2.3(2)" : "9.2.2(1)";
    EXPECT_NE(c.error().mensaje.find(cita), std::string::npos) << c.error().mensaje;
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, AnguloCe,
    testing::Values(
        CasoAngulo{"TetaMinima", 90, 26.57, ""}, CasoAngulo{"TetaMaxima", 90, 63.43, ""},
        // cot 26.56º = 2.0004 y cot 63.44º = 0.49989: fuera de 0.5 ≤ cot θ ≤ 2.
        CasoAngulo{"TetaBajo", 90, 26.56, "CuadroTeta"},
        CasoAngulo{"TetaAlto", 90, 63.44, "CuadroTeta"}, CasoAngulo{"Teta20", 90, 20, "CuadroTeta"},
        CasoAngulo{"AlfaMinima", 45, 45, ""}, CasoAngulo{"AlfaBajo", 44.9, 45, "CuadroAlfa"},
        CasoAngulo{"AlfaSobre90", 100, 45, "CuadroAlfa"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CortanteCe, LectorNoUsaTetaeConEstaNorma) {
    TextosCampos textos = TextosPorOmision(CamposCortante);
    textos["CuadroTetae"] = "no es un número";
    EXPECT_FALSE(LeerDatosCortante(textos, false, 0).ok());
    const auto d = LeerDatosCortante(textos, false, 0, Norma::CodigoEstructural);
    ASSERT_TRUE(d.ok()) << d.error().mensaje;
    EXPECT_FALSE(UsaTetae(Norma::CodigoEstructural));
    EXPECT_TRUE(UsaTetae(Norma::EHE98));
}

TEST(CortanteCe, SinParametrosConfirmados) {
    EstadoDiseno e;
    e.norma = Norma::CodigoEstructural;
    EXPECT_EQ(CalcularCortante(e, Viga()).error().mensaje, MensajeConfirmarParametros);
}

struct CasoTrazaCe {
    const char* nombre;
    double alfa, teta, d, Vd2, Vd3, Asl;
};
class TrazaCortanteCe : public testing::TestWithParam<CasoTrazaCe> {};

TEST_P(TrazaCortanteCe, SustitucionesQueDanElValorConSuClausula) {
    const auto& p = GetParam();
    auto e = CodigoEstructural();
    DatosCortante datos = Viga(p.Vd2, p.Vd3);
    datos.alfa = p.alfa;
    datos.teta = p.teta;
    datos.d = p.d;
    datos.Asl = p.Asl;
    Traza t;
    const auto c = CalcularCortante(e, datos, &t);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    (void)CalcularZonas(*c, EleccionZonas{}, &t);
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{});
    EXPECT_GE(t.pasos.size(), 20u);
    for (const Paso& paso : t.pasos) {
        if (!paso.articulo.empty()) {
            EXPECT_EQ(paso.articulo.rfind("Anejo 19, ", 0), 0u) << paso.articulo;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TrazaCortanteCe,
    testing::Values(CasoTrazaCe{"MinimaYResistente", 90, 45, 450, 50000, 200000, 1350},
                    CasoTrazaCe{"Inclinados", 60, 30, 450, 300000, 100000, 1500},
                    CasoTrazaCe{"KLimitadoSinArmadura", 90, 40, 150, 1000, 60000, 0},
                    CasoTrazaCe{"LimitadoPorVRdmax", 90, 45, 450, 700000, 700000, 6000}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
