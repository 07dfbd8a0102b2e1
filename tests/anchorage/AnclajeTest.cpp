#include "anchorage/Anclaje.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmora;

namespace {

EstadoDiseno Nuevo() {
    EstadoDiseno e;
    InicializarTablas(e);
    return e;
}

// Una posición con barras de 16 mm, B 400 S y fck 25 (m = 12), en tracción, sin decalaje.
DatosAnclaje Barras16(int p) {
    DatosAnclaje d;
    d.p = p;
    d.phi = 1.6;
    d.m = 12;
    d.fyk = 400;
    d.Traccion = true;
    d.AsReal = 4.0;
    return d;
}

} // namespace

struct CasoFila {
    double fck;
    int fila; // -1: rechazada
};

class FilaTablaMTest : public ::testing::TestWithParam<CasoFila> {};

TEST_P(FilaTablaMTest, FilaDeLaResistenciaInferior) {
    const auto c = GetParam();
    const auto r = FilaTablaM(c.fck);
    if (c.fila < 0) {
        ASSERT_FALSE(r.ok()) << c.fck;
        EXPECT_EQ(r.error().campo, "ResistenciaCaracteristica");
        EXPECT_NE(r.error().mensaje.find("25 ≤ fck < 55"), std::string::npos);
    } else {
        ASSERT_TRUE(r.ok()) << c.fck;
        EXPECT_EQ(*r, c.fila) << c.fck;
    }
}

INSTANTIATE_TEST_SUITE_P(Resistencias, FilaTablaMTest,
                         ::testing::Values(CasoFila{25, 0}, CasoFila{29.99, 0}, CasoFila{30, 1},
                                           CasoFila{34.9, 1}, CasoFila{45, 4}, CasoFila{50, 5},
                                           CasoFila{54.99, 5}, CasoFila{24.99, -1},
                                           CasoFila{55, -1}, CasoFila{0, -1}, CasoFila{NAN, -1}));

struct CasoBeta {
    int tipo;
    bool recubrimiento, traccion;
    double beta;
};

class CoeficienteBetaTest : public ::testing::TestWithParam<CasoBeta> {};

TEST_P(CoeficienteBetaTest, SegunTipoDeAnclaje) {
    const auto c = GetParam();
    EXPECT_DOUBLE_EQ(CoeficienteBeta(c.tipo, c.recubrimiento, c.traccion), c.beta)
        << c.tipo << c.recubrimiento << c.traccion;
}

INSTANTIATE_TEST_SUITE_P(
    Tipos, CoeficienteBetaTest,
    ::testing::Values(CasoBeta{0, true, true, 1.0}, CasoBeta{0, false, false, 1.0},
                      CasoBeta{1, true, true, 0.7}, CasoBeta{1, true, false, 1.0},
                      CasoBeta{1, false, true, 1.0}, CasoBeta{2, false, false, 0.7},
                      CasoBeta{2, false, true, 0.7}));

struct CasoAnclaje {
    const char* nombre;
    DatosAnclaje datos;
    double lb, lbneta;
    bool decalaje;
};

class CalcularAnclajeTest : public ::testing::TestWithParam<CasoAnclaje> {};

TEST_P(CalcularAnclajeTest, Longitudes) {
    const auto& c = GetParam();
    const auto r = CalcularAnclaje(c.datos);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_NEAR(r.valor().lb, c.lb, 1e-9);
    EXPECT_NEAR(r.valor().lbneta, c.lbneta, 1e-9);
    EXPECT_EQ(r.valor().DecalajeSumado, c.decalaje);
}

namespace {
DatosAnclaje Con(DatosAnclaje d, void (*cambio)(DatosAnclaje&)) {
    cambio(d);
    return d;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Casos, CalcularAnclajeTest,
    ::testing::Values(
        // m·φ² = 30,72 < fyk/20·φ = 32: manda la cota.
        CasoAnclaje{"PosicionI", Barras16(1), 32.0, 32.0, false},
        // 1,4·12·2,56 = 43,008 < 400·1,6/14 = 45,714.
        CasoAnclaje{"PosicionII", Barras16(2), 400 * 1.6 / 14, 400 * 1.6 / 14, false},
        // Compresión con armadura estricta: la mitad (16) queda bajo los dos tercios de m·φ²
        // (20,48), no de la cota elevada (21,33).
        CasoAnclaje{"CompresionDosTercios",
                    Con(Barras16(1),
                        [](DatosAnclaje& d) {
                            d.Traccion = false;
                            d.Estricta = true;
                            d.AsEstricta = 2.0;
                        }),
                    32.0, 2.0 * 30.72 / 3.0, false},
        // φ 25 mm, B 500 S (m = 15): lb = 93,75; la mitad del área da 46,875 > 31,25.
        CasoAnclaje{"EstrictaMitad",
                    Con(Barras16(1),
                        [](DatosAnclaje& d) {
                            d.phi = 2.5;
                            d.m = 15;
                            d.fyk = 500;
                            d.Estricta = true;
                            d.AsEstricta = 2.0;
                        }),
                    93.75, 46.875, false},
        // Un cuarto del área daría 23,44: manda el tercio 31,25 (> 10φ = 25 > 15).
        CasoAnclaje{"EstrictaCuartoTercio",
                    Con(Barras16(1),
                        [](DatosAnclaje& d) {
                            d.phi = 2.5;
                            d.m = 15;
                            d.fyk = 500;
                            d.Estricta = true;
                            d.AsEstricta = 1.0;
                        }),
                    93.75, 31.25, false},
        // Barras de 8 mm: 10φ = 8 < 15 cm, manda el mínimo absoluto.
        CasoAnclaje{"MinimoQuinceCm",
                    Con(Barras16(1),
                        [](DatosAnclaje& d) {
                            d.phi = 0.8;
                            d.Estricta = true;
                            d.AsEstricta = 0.4;
                        }),
                    16.0, 15.0, false},
        // β = 0,7: 32·0,7 = 22,4 > 16.
        CasoAnclaje{"Beta07", Con(Barras16(1), [](DatosAnclaje& d) { d.beta = 0.7; }), 32.0, 22.4,
                    false},
        // Efectos dinámicos: 10φ a ambas, después del mínimo.
        CasoAnclaje{"Dinamicos",
                    Con(Barras16(1),
                        [](DatosAnclaje& d) {
                            d.Dinamicos = true;
                            d.Estricta = true;
                            d.AsEstricta = 0.4;
                        }),
                    48.0, 32.0, false},
        CasoAnclaje{"DecalajeTraccion",
                    Con(Barras16(1), [](DatosAnclaje& d) { d.Decalaje = 45.0; }), 77.0, 77.0, true},
        CasoAnclaje{"DecalajeCompresionNoSeSuma",
                    Con(Barras16(1),
                        [](DatosAnclaje& d) {
                            d.Decalaje = 45.0;
                            d.Traccion = false;
                        }),
                    32.0, 32.0, false},
        CasoAnclaje{"DecalajeNegativoNoSeSuma",
                    Con(Barras16(1), [](DatosAnclaje& d) { d.Decalaje = -5.0; }), 32.0, 32.0,
                    false}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularAnclaje, PosicionSinBarrasOSinAreaRealSeRechaza) {
    auto d = Barras16(2);
    d.phi = 0;
    auto r = CalcularAnclaje(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "Defina la armadura de la posición II.");
    EXPECT_EQ(r.error().campo, "AreaPosicionII");

    d = Barras16(1);
    d.phi = 0;
    r = CalcularAnclaje(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "Defina la armadura de la posición I.");

    // Sin "Armadura estricta" el área real no interviene.
    d = Barras16(1);
    d.AsReal = 0;
    EXPECT_TRUE(CalcularAnclaje(d).ok());
    d.Estricta = true;
    d.AsEstricta = 1.0;
    r = CalcularAnclaje(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "AreaPosicionI");
    EXPECT_NE(r.error().mensaje.find("área real"), std::string::npos);
}

TEST(TextosAnclaje, Rotulos) {
    EXPECT_EQ(TextoLongitudAnclaje(45.3, false), "=  45.30 cm");
    EXPECT_EQ(TextoLongitudAnclaje(400 * 1.6 / 14 + 5, true), "=  50.71 cm*");
    EXPECT_EQ(TextoLongitudAnclaje(150.0, false), "= 150.00 cm");
    // Un rótulo nunca se corta: una longitud que no cabe no se puede mostrar.
    EXPECT_TRUE(LongitudMostrable(999999999.99));
    EXPECT_FALSE(LongitudMostrable(123456789012.5));

    auto e = Nuevo();
    EXPECT_EQ(TextoRecubrimiento(e), "Recubrimiento hormigón > 3.0 cm");
    e.DiametroBarras[2][1] = 40;
    e.DiametroBarras[1][1] = 25;
    EXPECT_EQ(TextoRecubrimiento(e), "Recubrimiento hormigón > 12.0 cm");
    e.d = 452.0;
    EXPECT_EQ(TextoDecalajeCanto(e), "  45.2");
}

TEST(EntregarArmadura, RanurasUnoYDosConLaArmaduraDeResultados) {
    auto e = Nuevo();
    e.NumeroDiametros[1] = 3;
    ValoresAnclaje v;
    ASSERT_TRUE(EntregarArmadura(e, v, "4", "16").ok());
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(e.NumeroDiametros[p], 1);
        EXPECT_EQ(e.NumeroBarras[p][1], 4);
        EXPECT_EQ(e.DiametroBarras[p][1], 16);
        EXPECT_DOUBLE_EQ(v.phi[p], 1.6);
        EXPECT_NEAR(v.AsReal[p], 8.0425, 1e-4);
    }
    const auto r = EntregarArmadura(e, v, "4", "dieciséis");
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().mensaje.find("Diámetro"), std::string::npos);
}

TEST(EntregarArmadura, TomarRanuraDelSelector) {
    auto e = Nuevo();
    ValoresAnclaje v;
    e.DiametroBarras[2][1] = 20;
    e.AreaTotal = 942.478;
    TomarArmaduraRanura(e, v, 2);
    EXPECT_DOUBLE_EQ(v.phi[2], 2.0);
    EXPECT_NEAR(v.AsReal[2], 9.42478, 1e-9);
    EXPECT_EQ(v.phi[1], 0.0);
}

class LongitudesAnclajeTest : public ::testing::Test {
protected:
    void SetUp() override {
        e = Nuevo();
        for (int p = 1; p <= 2; ++p) {
            v.phi[p] = 1.6;
            v.AsReal[p] = 4.0;
        }
    }
    EstadoDiseno e;
    ValoresAnclaje v;
    EntradaAnclaje entrada;
};

TEST_F(LongitudesAnclajeTest, DecalajeSoloEnLaPosicionTraccionada) {
    entrada.Decalaje = "5";
    entrada.Traccion = {false, false, true}; // II en tracción, I en compresión
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_TRUE(r.valor().Nota);
    EXPECT_EQ(r.valor().LongitudBasica[2], "=  50.71 cm*");
    EXPECT_EQ(r.valor().LongitudNeta[2], "=  50.71 cm*");
    EXPECT_EQ(r.valor().LongitudBasica[1], "=  32.00 cm");
    EXPECT_EQ(r.valor().LongitudNeta[1], "=  32.00 cm");
    EXPECT_EQ(e.fyk, 400.0);
    EXPECT_EQ(e.fck, 25.0);
    EXPECT_EQ(v.m, 12);
    EXPECT_NEAR(v.lb[2], 400 * 1.6 / 14 + 5, 1e-9);
}

TEST_F(LongitudesAnclajeTest, AceroYResistenciaEligenM) {
    entrada.DesignacionAcero = 1;
    entrada.ResistenciaCaracteristica = " 34,9";
    entrada.Posicion = {false, true, false};
    entrada.TipoAnclaje = 2;
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(v.m, 13);
    // lb = max(13·2,56 = 33,28; 500·1,6/20 = 40) = 40; neta = 0,7·40 = 28.
    EXPECT_EQ(r.valor().LongitudBasica[1], "=  40.00 cm");
    EXPECT_EQ(r.valor().LongitudNeta[1], "=  28.00 cm");
    EXPECT_FALSE(r.valor().Calculada[2]);
    EXPECT_FALSE(r.valor().Nota);
    EXPECT_EQ(e.fyk, 500.0);
    EXPECT_DOUBLE_EQ(e.fck, 34.9);
}

TEST_F(LongitudesAnclajeTest, SinPosicionesNoSeCalculaNada) {
    entrada.Posicion = {false, false, false};
    entrada.Decalaje = "5";
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.valor().Calculada[1]);
    EXPECT_FALSE(r.valor().Calculada[2]);
    EXPECT_FALSE(r.valor().Nota);
}

TEST_F(LongitudesAnclajeTest, ArmaduraEstrictaLeeLasAreas) {
    entrada.Estricta = true;
    entrada.AreaEstricta = {"", "    2.0000", "3"};
    v.phi[1] = v.phi[2] = 2.5;
    entrada.DesignacionAcero = 1;
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_DOUBLE_EQ(v.AsEstricta[1], 2.0);
    EXPECT_DOUBLE_EQ(v.AsEstricta[2], 3.0);
    EXPECT_EQ(r.valor().LongitudNeta[1], "=  46.88 cm"); // 93,75·2/4
}

struct CasoRechazo {
    const char* nombre;
    void (*cambio)(EntradaAnclaje&, ValoresAnclaje&);
    const char* campo;
};

class RechazoAnclajeTest : public ::testing::TestWithParam<CasoRechazo> {};

TEST_P(RechazoAnclajeTest, NoCambiaNadaYNombraElCampo) {
    auto e = Nuevo();
    e.fyk = 123;
    e.fck = 45;
    ValoresAnclaje v;
    v.phi = {0, 1.6, 1.6};
    v.AsReal = {0, 4, 4};
    v.lb = {0, 7, 7};
    EntradaAnclaje entrada;
    GetParam().cambio(entrada, v);
    const auto antes = v.lb;
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, GetParam().campo) << r.error().mensaje;
    EXPECT_FALSE(r.error().mensaje.empty());
    EXPECT_EQ(e.fyk, 123.0);
    EXPECT_EQ(e.fck, 45.0);
    EXPECT_EQ(v.lb, antes);
}

INSTANTIATE_TEST_SUITE_P(
    Datos, RechazoAnclajeTest,
    ::testing::Values(
        CasoRechazo{"ResistenciaTexto",
                    [](EntradaAnclaje& a, ValoresAnclaje&) { a.ResistenciaCaracteristica = "HA"; },
                    "ResistenciaCaracteristica"},
        CasoRechazo{"ResistenciaFueraDeTabla",
                    [](EntradaAnclaje& a, ValoresAnclaje&) { a.ResistenciaCaracteristica = "60"; },
                    "ResistenciaCaracteristica"},
        CasoRechazo{"Decalaje", [](EntradaAnclaje& a, ValoresAnclaje&) { a.Decalaje = "1,2,3"; },
                    "CuadroDecalaje"},
        CasoRechazo{"AreaIIIlegible",
                    [](EntradaAnclaje& a, ValoresAnclaje&) {
                        a.Estricta = true;
                        a.AreaEstricta[2] = "x";
                    },
                    "AreaII"},
        CasoRechazo{"AreaINegativa",
                    [](EntradaAnclaje& a, ValoresAnclaje&) {
                        a.Estricta = true;
                        a.AreaEstricta[1] = "-1";
                    },
                    "AreaI"},
        // La posición II se calcula bien, la I no tiene barras: tampoco se guarda la II.
        CasoRechazo{"PosicionISinBarras", [](EntradaAnclaje&, ValoresAnclaje& v) { v.phi[1] = 0; },
                    "AreaPosicionI"},
        CasoRechazo{"AreaRealNula",
                    [](EntradaAnclaje& a, ValoresAnclaje& v) {
                        a.Estricta = true;
                        v.AsReal[2] = 0;
                    },
                    "AreaPosicionII"}),
    [](const auto& info) { return std::string(info.param.nombre); });
