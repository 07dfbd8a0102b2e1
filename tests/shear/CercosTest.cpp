#include "shear/Cercos.h"

#include <gtest/gtest.h>

using namespace velmora;

// Todo en un espacio anónimo: los nombres de los casos se repiten en otros ficheros.
namespace {

struct CasoCercos {
    const char* nombre;
    double h, b, d1, phiMin, phiMax; // mm
    double sT, phiT;
    const char* Armadura;
};
class CalcularCercosTabla : public testing::TestWithParam<CasoCercos> {};

TEST_P(CalcularCercosTabla, DiametroYSeparacion) {
    const auto p = GetParam();
    EstadoDiseno e;
    const auto r = CalcularCercos(e, p.h, p.b, p.d1, p.phiMin, p.phiMax);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_NEAR(r.valor().sT, p.sT, 1e-9);
    EXPECT_NEAR(r.valor().phiT, p.phiT, 0.005);
    EXPECT_EQ(r.valor().Armadura, p.Armadura);
    EXPECT_DOUBLE_EQ(e.h, p.h);
    EXPECT_DOUBLE_EQ(e.b, p.b);
    EXPECT_DOUBLE_EQ(e.d1, p.d1);
}

INSTANTIATE_TEST_SUITE_P(
    Secciones, CalcularCercosTabla,
    testing::Values(
        // 0.8·270 = 216, cortado a 15·12 = 180; 16/4 = 4 → 6
        CasoCercos{"PorDefecto", 300, 300, 30, 12, 16, 180, 4, "  6/ 18"},
        // lado menor 250; min(296, 250) = 250 < 300: 25·√(250/4800) = 5.71 → 6
        CasoCercos{"CantoMayor", 400, 250, 30, 20, 25, 250, 5.705, "  6/ 25"},
        // el ancho mayor: rama del lado menor h
        CasoCercos{"AnchoMayor", 250, 400, 30, 20, 25, 250, 5.705, "  6/ 25"},
        // 368 → 300 por el lado → 180 por 15·12; 32/4 = 8 → 8
        CasoCercos{"LadoLimitadoA300", 500, 500, 40, 12, 32, 180, 8, "  8/ 18"},
        // 0.8·(700 − 30) = 536 → 300; 15·25 = 375 no limita: 32·√(300/6000) = 7.16 → 8
        CasoCercos{"QuinceDiametrosNoRige", 700, 400, 30, 25, 32, 300, 7.155, "  8/ 30"}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoErrorCercos {
    const char* nombre;
    double h, b, d1, phiMin, phiMax;
    const char* campo;
};
class CercosNoValidos : public testing::TestWithParam<CasoErrorCercos> {};

TEST_P(CercosNoValidos, SeRechazanSinTocarElEstado) {
    const auto p = GetParam();
    EstadoDiseno e;
    e.h = 1;
    e.b = 2;
    e.d1 = 3;
    const auto r = CalcularCercos(e, p.h, p.b, p.d1, p.phiMin, p.phiMax);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().campo, p.campo);
    EXPECT_DOUBLE_EQ(e.h, 1);
    EXPECT_DOUBLE_EQ(e.b, 2);
    EXPECT_DOUBLE_EQ(e.d1, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CercosNoValidos,
    testing::Values(CasoErrorCercos{"CantoNulo", 0, 300, 30, 12, 16, "Valor1"},
                    CasoErrorCercos{"AnchoNegativo", 300, -1, 30, 12, 16, "Valor2"},
                    CasoErrorCercos{"RecubrimientoNegativo", 300, 300, -5, 12, 16, "Valor3"},
                    CasoErrorCercos{"RecubrimientoIgualAlLadoMenor", 500, 250, 250, 12, 16,
                                    "Valor3"},
                    CasoErrorCercos{"DiametroMinimoNulo", 300, 300, 30, 0, 16, "DiametroMinimo"},
                    CasoErrorCercos{"DiametroMaximoNulo", 300, 300, 30, 12, 0, "DiametroMaximo"},
                    // 200/4 = 50 mm: no hay cerco comercial
                    CasoErrorCercos{"CercoMayorQue40", 300, 300, 30, 12, 200, "DiametroMaximo"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularCercos, MensajeDeCercoSinDiametroComercial) {
    EstadoDiseno e;
    const auto r = CalcularCercos(e, 300, 300, 30, 12, 200);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "No hay diámetro comercial de al menos 50 mm para el cerco: "
                                 "reduzca el diámetro de la barra más gruesa.");
}

TEST(AjustarDiametros, ElOtroCuadroSigueAlQueCambia) {
    double min = 20, max = 16;
    EXPECT_TRUE(AjustarDiametros(min, max, true));
    EXPECT_DOUBLE_EQ(max, 20);
    min = 25;
    max = 16;
    EXPECT_TRUE(AjustarDiametros(min, max, false));
    EXPECT_DOUBLE_EQ(min, 16);
    min = 12;
    max = 12;
    EXPECT_FALSE(AjustarDiametros(min, max, true));
    EXPECT_DOUBLE_EQ(max, 12);
}

} // namespace
