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
// Longitudes en mm, áreas en mm².
DatosAnclaje Barras16(PosicionAnclaje p) {
    DatosAnclaje d;
    d.posicion = p;
    d.phi = 16;
    d.m = 12;
    d.fyk = 400;
    d.Traccion = true;
    d.AsReal = 400;
    return d;
}
constexpr auto I = PosicionAnclaje::I;
constexpr auto II = PosicionAnclaje::II;

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
    TipoAnclaje tipo;
    bool recubrimiento, traccion;
    double beta;
};

class CoeficienteBetaTest : public ::testing::TestWithParam<CasoBeta> {};

TEST_P(CoeficienteBetaTest, SegunTipoDeAnclaje) {
    const auto c = GetParam();
    EXPECT_DOUBLE_EQ(CoeficienteBeta(c.tipo, c.recubrimiento, c.traccion), c.beta)
        << static_cast<int>(c.tipo) << c.recubrimiento << c.traccion;
}

INSTANTIATE_TEST_SUITE_P(
    Tipos, CoeficienteBetaTest,
    ::testing::Values(CasoBeta{TipoAnclaje::ProlongacionRecta, true, true, 1.0},
                      CasoBeta{TipoAnclaje::ProlongacionRecta, false, false, 1.0},
                      CasoBeta{TipoAnclaje::Patilla, true, true, 0.7},
                      CasoBeta{TipoAnclaje::Patilla, true, false, 1.0},
                      CasoBeta{TipoAnclaje::Patilla, false, true, 1.0},
                      CasoBeta{TipoAnclaje::BarraSoldada, false, false, 0.7},
                      CasoBeta{TipoAnclaje::BarraSoldada, false, true, 0.7}));

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
        // m·φ² = 30,72 cm < fyk/20·φ = 32 cm: manda la cota.
        CasoAnclaje{"PosicionI", Barras16(I), 320.0, 320.0, false},
        // 1,4·12·2,56 = 43,008 cm < 400·1,6/14 = 45,714 cm.
        CasoAnclaje{"PosicionII", Barras16(II), 400 * 16.0 / 14, 400 * 16.0 / 14, false},
        // Compresión con armadura estricta: la mitad (160 mm) queda bajo los dos tercios de m·φ²
        // (204,8 mm), no de la cota elevada (213,3 mm).
        CasoAnclaje{"CompresionDosTercios",
                    Con(Barras16(I),
                        [](DatosAnclaje& d) {
                            d.Traccion = false;
                            d.Estricta = true;
                            d.AsEstricta = 200;
                        }),
                    320.0, 2.0 * 307.2 / 3.0, false},
        // φ 25 mm, B 500 S (m = 15): lb = 93,75 cm; la mitad del área da 46,875 > 31,25 cm.
        CasoAnclaje{"EstrictaMitad",
                    Con(Barras16(I),
                        [](DatosAnclaje& d) {
                            d.phi = 25;
                            d.m = 15;
                            d.fyk = 500;
                            d.Estricta = true;
                            d.AsEstricta = 200;
                        }),
                    937.5, 468.75, false},
        // Un cuarto del área daría 23,44 cm: manda el tercio 31,25 (> 10φ = 25 > 15).
        CasoAnclaje{"EstrictaCuartoTercio",
                    Con(Barras16(I),
                        [](DatosAnclaje& d) {
                            d.phi = 25;
                            d.m = 15;
                            d.fyk = 500;
                            d.Estricta = true;
                            d.AsEstricta = 100;
                        }),
                    937.5, 312.5, false},
        // Barras de 8 mm: 10φ = 80 < 150 mm, manda el mínimo absoluto.
        CasoAnclaje{"MinimoQuinceCm",
                    Con(Barras16(I),
                        [](DatosAnclaje& d) {
                            d.phi = 8;
                            d.Estricta = true;
                            d.AsEstricta = 40;
                        }),
                    160.0, 150.0, false},
        // β = 0,7: 320·0,7 = 224 > 160 mm.
        CasoAnclaje{"Beta07", Con(Barras16(I), [](DatosAnclaje& d) { d.beta = 0.7; }), 320.0,
                    224.0, false},
        // Efectos dinámicos: 10φ a ambas, después del mínimo.
        CasoAnclaje{"Dinamicos",
                    Con(Barras16(I),
                        [](DatosAnclaje& d) {
                            d.Dinamicos = true;
                            d.Estricta = true;
                            d.AsEstricta = 40;
                        }),
                    480.0, 320.0, false},
        CasoAnclaje{"DecalajeTraccion",
                    Con(Barras16(I), [](DatosAnclaje& d) { d.Decalaje = 450.0; }), 770.0, 770.0,
                    true},
        CasoAnclaje{"DecalajeCompresionNoSeSuma",
                    Con(Barras16(I),
                        [](DatosAnclaje& d) {
                            d.Decalaje = 450.0;
                            d.Traccion = false;
                        }),
                    320.0, 320.0, false},
        CasoAnclaje{"DecalajeNegativoNoSeSuma",
                    Con(Barras16(I), [](DatosAnclaje& d) { d.Decalaje = -50.0; }), 320.0, 320.0,
                    false}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularAnclaje, PosicionSinBarrasOSinAreaRealSeRechaza) {
    auto d = Barras16(II);
    d.phi = 0;
    auto r = CalcularAnclaje(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "Defina la armadura de la posición II.");
    EXPECT_EQ(r.error().campo, "AreaPosicionII");

    d = Barras16(I);
    d.phi = 0;
    r = CalcularAnclaje(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "Defina la armadura de la posición I.");

    // Sin "Armadura estricta" el área real no interviene.
    d = Barras16(I);
    d.AsReal = 0;
    EXPECT_TRUE(CalcularAnclaje(d).ok());
    d.Estricta = true;
    d.AsEstricta = 100;
    r = CalcularAnclaje(d);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, "AreaPosicionI");
    EXPECT_NE(r.error().mensaje.find("área real"), std::string::npos);
}

TEST(TextosAnclaje, Rotulos) {
    EXPECT_EQ(TextoLongitudAnclaje(453, false), "=  45.30 cm");
    EXPECT_EQ(TextoLongitudAnclaje(400 * 16.0 / 14 + 50, true), "=  50.71 cm*");
    EXPECT_EQ(TextoLongitudAnclaje(1500.0, false), "= 150.00 cm");
    // Un rótulo nunca se corta: una longitud que no cabe no se puede mostrar.
    EXPECT_TRUE(LongitudMostrable(9999999999.9));
    EXPECT_FALSE(LongitudMostrable(1234567890125));

    auto e = Nuevo();
    EXPECT_EQ(TextoRecubrimiento(e), "Recubrimiento hormigón > 3.0 cm");
    e.Barras[2][0].Diametro = 40;
    e.Barras[1][0].Diametro = 25;
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
        EXPECT_EQ(e.Barras[p][0].Numero, 4);
        EXPECT_EQ(e.Barras[p][0].Diametro, 16);
        EXPECT_DOUBLE_EQ(v.phi[static_cast<std::size_t>(p - 1)], 16);
        EXPECT_NEAR(v.AsReal[static_cast<std::size_t>(p - 1)], 804.25, 1e-2);
    }
    const auto r = EntregarArmadura(e, v, "4", "dieciséis");
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().mensaje.find("Diámetro"), std::string::npos);
}

TEST(EntregarArmadura, TomarRanuraDelSelector) {
    auto e = Nuevo();
    ValoresAnclaje v;
    e.Barras[2][0].Diametro = 20;
    e.AreaTotal = 942.478;
    TomarArmaduraRanura(e, v, II);
    EXPECT_DOUBLE_EQ(v.phi[Indice(II)], 20);
    EXPECT_NEAR(v.AsReal[Indice(II)], 942.478, 1e-9);
    EXPECT_EQ(v.phi[Indice(I)], 0.0);
}

class LongitudesAnclajeTest : public ::testing::Test {
protected:
    void SetUp() override {
        e = Nuevo();
        v.phi = {16, 16};
        v.AsReal = {400, 400};
    }
    EstadoDiseno e;
    ValoresAnclaje v;
    EntradaAnclaje entrada;
};

TEST_F(LongitudesAnclajeTest, DecalajeSoloEnLaPosicionTraccionada) {
    entrada.Decalaje = "5";
    entrada.Traccion = {false, true}; // I en compresión, II en tracción
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_TRUE(r.valor().Nota);
    EXPECT_EQ(r.valor().LongitudBasica[Indice(II)], "=  50.71 cm*");
    EXPECT_EQ(r.valor().LongitudNeta[Indice(II)], "=  50.71 cm*");
    EXPECT_EQ(r.valor().LongitudBasica[Indice(I)], "=  32.00 cm");
    EXPECT_EQ(r.valor().LongitudNeta[Indice(I)], "=  32.00 cm");
    EXPECT_EQ(e.fyk, 400.0);
    EXPECT_EQ(e.fck, 25.0);
    EXPECT_EQ(v.m, 12);
    EXPECT_NEAR(v.lb[Indice(II)], 400 * 16.0 / 14 + 50, 1e-9);
}

TEST_F(LongitudesAnclajeTest, AceroYResistenciaEligenM) {
    entrada.DesignacionAcero = 1;
    entrada.ResistenciaCaracteristica = " 34,9";
    entrada.Posicion = {true, false};
    entrada.Tipo = TipoAnclaje::BarraSoldada;
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_EQ(v.m, 13);
    // lb = max(13·2,56 = 33,28; 500·1,6/20 = 40) = 40; neta = 0,7·40 = 28.
    EXPECT_EQ(r.valor().LongitudBasica[Indice(I)], "=  40.00 cm");
    EXPECT_EQ(r.valor().LongitudNeta[Indice(I)], "=  28.00 cm");
    EXPECT_FALSE(r.valor().Calculada[Indice(II)]);
    EXPECT_FALSE(r.valor().Nota);
    EXPECT_EQ(e.fyk, 500.0);
    EXPECT_DOUBLE_EQ(e.fck, 34.9);
}

TEST_F(LongitudesAnclajeTest, SinPosicionesNoSeCalculaNada) {
    entrada.Posicion = {false, false};
    entrada.Decalaje = "5";
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.valor().Calculada[0]);
    EXPECT_FALSE(r.valor().Calculada[1]);
    EXPECT_FALSE(r.valor().Nota);
}

TEST_F(LongitudesAnclajeTest, ArmaduraEstrictaLeeLasAreas) {
    entrada.Estricta = true;
    entrada.AreaEstricta = {"    2.0000", "3"};
    v.phi = {25, 25};
    entrada.DesignacionAcero = 1;
    const auto r = CalcularLongitudesAnclaje(e, v, entrada);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_DOUBLE_EQ(v.AsEstricta[Indice(I)], 200);
    EXPECT_DOUBLE_EQ(v.AsEstricta[Indice(II)], 300);
    EXPECT_EQ(r.valor().LongitudNeta[Indice(I)], "=  46.88 cm"); // 93,75·2/4
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
    v.phi = {16, 16};
    v.AsReal = {400, 400};
    v.lb = {70, 70};
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
                        a.AreaEstricta[Indice(II)] = "x";
                    },
                    "AreaII"},
        CasoRechazo{"AreaINegativa",
                    [](EntradaAnclaje& a, ValoresAnclaje&) {
                        a.Estricta = true;
                        a.AreaEstricta[Indice(I)] = "-1";
                    },
                    "AreaI"},
        // La posición II se calcula bien, la I no tiene barras: tampoco se guarda la II.
        CasoRechazo{"PosicionISinBarras", [](EntradaAnclaje&, ValoresAnclaje& v) { v.phi[Indice(I)] = 0; },
                    "AreaPosicionI"},
        CasoRechazo{"AreaRealNula",
                    [](EntradaAnclaje& a, ValoresAnclaje& v) {
                        a.Estricta = true;
                        v.AsReal[Indice(II)] = 0;
                    },
                    "AreaPosicionII"}),
    [](const auto& info) { return std::string(info.param.nombre); });
