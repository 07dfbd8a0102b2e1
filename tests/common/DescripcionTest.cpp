#include "common/Descripcion.h"
#include "common/Numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velmora;

namespace {

constexpr Campo Ancho{"CuadroAncho", "Ancho b", "m", 1000.0, 0.01, 20.0, "0.30"};

TEST(Descripcion, LeeElTextoDeArranqueYConvierteAUnidadesDeCalculo) {
    EXPECT_DOUBLE_EQ(*LeerCampo(TextosCampos{}, Ancho), 300.0);
    EXPECT_DOUBLE_EQ(*LeerCampo(TextosCampos{{"CuadroAncho", " 0,25 "}}, Ancho), 250.0);
    const auto r = LeerCampo(TextosCampos{{"CuadroAncho", "abc"}}, Ancho);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().campo, "CuadroAncho");
}

TEST(Descripcion, ElIntervaloIncluyeSusExtremosYElMensajeNombraCampoIntervaloYValor) {
    EXPECT_TRUE(ComprobarIntervalo(Ancho, 0.01));
    EXPECT_TRUE(ComprobarIntervalo(Ancho, 20.0));
    const auto e = LeerCampoEnIntervalo(TextosCampos{{"CuadroAncho", "1e308"}}, Ancho);
    ASSERT_FALSE(e);
    EXPECT_EQ(e.error().mensaje, "Ancho b debe estar entre 0.01 y 20 m (se ha leído 1e+308 m).");
    EXPECT_EQ(e.error().campo, "CuadroAncho");
    EXPECT_FALSE(LeerCampoEnIntervalo(TextosCampos{{"CuadroAncho", "0.0099"}}, Ancho));
    EXPECT_FALSE(ComprobarIntervalo(Ancho, std::numeric_limits<double>::quiet_NaN()));
}

TEST(Descripcion, NumerosYTextosCitadosEnLosMensajes) {
    EXPECT_EQ(NumeroLegible(-0.0), "0");
    EXPECT_EQ(NumeroLegible(1234567.0), "1.23457e+06");
    EXPECT_EQ(NumeroLegible(std::numeric_limits<double>::infinity()), "un valor no finito");
    EXPECT_EQ(TextoCitado(std::string(40, '9')), std::string(40, '9'));
    EXPECT_EQ(TextoCitado(std::string(41, '9')), std::string(40, '9') + "…");
    // Se cuentan caracteres, no bytes: 45 «ñ» se cortan en 40 sin partir ninguno.
    std::string enes;
    for (int i = 0; i < 45; ++i)
        enes += "ñ";
    EXPECT_EQ(TextoCitado(enes), enes.substr(0, 80) + "…");
    const auto r = LeerNumero(std::string(300, '1') + "x", "Canto h");
    ASSERT_FALSE(r);
    EXPECT_LT(r.error().mensaje.size(), 200u) << r.error().mensaje;
}

TEST(Descripcion, UnResultadoSeMuestraSoloSiEsFinitoYCabeEnSuRotulo) {
    EXPECT_TRUE(CabeEnRotulo(999999.999, 10, 3));
    EXPECT_FALSE(CabeEnRotulo(1e7, 10, 3));
    EXPECT_TRUE(CabeEnRotulo(-99999.999, 10, 3));
    EXPECT_FALSE(CabeEnRotulo(std::nan(""), 10, 3));
    EXPECT_FALSE(CabeEnRotulo(-std::numeric_limits<double>::infinity(), 10, 3));
}

} // namespace
