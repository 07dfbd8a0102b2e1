// velmora-calc, cálculo "interaccion": el pilar de 200 × 400 mm con 2Ø16 en cada cara, HA-25 y
// B 500 S, y las combinaciones de la línea.

#include "Procesar.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

const std::string Pilar =
    R"("ParametrosGenerales": {"GrupoDesignacionAcero": 1},)"
    R"( "DatosSeccion": {"Valor1": "0.40", "Valor2": "0.20", "Valor3": "0.05", "Valor4": "0.05"})";

Json Interaccion(const std::string& resto) {
    return Procesar(R"({"calculo": "interaccion", )" + Pilar + resto + "}");
}

// M del contorno donde N cambia de signo, en la mitad de momentos `signo`.
double MomentoConAxilNulo(const Json& curva, double signo) {
    for (std::size_t i = 0; i + 1 < curva.size(); ++i) {
        const double n0 = curva[i][0], n1 = curva[i + 1][0];
        const double m0 = curva[i][1], m1 = curva[i + 1][1];
        if ((n0 > 0) != (n1 > 0) && m0 * signo > 0)
            return m0 + (m1 - m0) * (0 - n0) / (n1 - n0);
    }
    return NAN;
}

TEST(CliInteraccion, PilarConRanuras) {
    const auto r = Interaccion(R"(, "ranuras": {"1": [[2, 16]], "2": [[2, 16]]},)"
                               R"( "combinaciones": [["ELU-1", "350", "120"], ["ELU-2", "800,5", "20"],)"
                               R"( ["nula", "0", "0"]])");
    ASSERT_TRUE(r["ok"]) << r.dump();
    EXPECT_NEAR(r["N0"].get<double>(), 1455.0, 1.455);
    EXPECT_NEAR(r["Ntraccion"].get<double>(), -349.7, 0.05);
    const auto& curva = r["curva"];
    EXPECT_NEAR(MomentoConAxilNulo(curva, 1.0), 55.7, 0.28);
    EXPECT_NEAR(MomentoConAxilNulo(curva, -1.0), -55.7, 0.28);
    EXPECT_EQ(curva.front(), curva.back());
    EXPECT_EQ(r["VentanaInteraccion"]["AreaA1"], "    4.0212");

    const auto& c = r["combinaciones"];
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0]["nombre"], "ELU-1");
    EXPECT_EQ(c[0]["cumple"], false); // 120 kN·m pasa del doble de la capacidad a flexión
    EXPECT_LT(c[0]["gamma"].get<double>(), 1.0);
    EXPECT_EQ(c[1]["Nd"], 800.5);
    EXPECT_EQ(c[1]["cumple"], true);
    EXPECT_GT(c[1]["gamma"].get<double>(), 1.0);
    EXPECT_TRUE(c[2]["gamma"].is_null());
    EXPECT_EQ(c[2]["cumple"], true);
}

TEST(CliInteraccion, AreasEscritasEnCm2) {
    const auto r = Interaccion(R"(, "VentanaInteraccion": {"AreaA1": "4,0212", "AreaA2": "4.0212"})");
    ASSERT_TRUE(r["ok"]) << r.dump();
    EXPECT_NEAR(r["N0"].get<double>(), 1455.0, 1.455);
}

struct CasoErrorInteraccion {
    const char* nombre;
    const char* resto;
    const char* campo;
    const char* fragmento;
};

class CliInteraccionErrores : public ::testing::TestWithParam<CasoErrorInteraccion> {};

TEST_P(CliInteraccionErrores, MensajeConCampo) {
    const auto& c = GetParam();
    const auto r = Interaccion(c.resto);
    ASSERT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], c.campo);
    EXPECT_NE(r["error"].get<std::string>().find(c.fragmento), std::string::npos) << r.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliInteraccionErrores,
    ::testing::Values(
        CasoErrorInteraccion{"sinArmadura", "", "AreaA1", "Defina la armadura"},
        CasoErrorInteraccion{"cargaIlegible",
                  R"(, "ranuras": {"1": [[2, 16]]}, "combinaciones": [["a", "1", "2"], ["b", "x", "2"]])",
                  "combinaciones", "Nd (kN) de la fila 2"},
        CasoErrorInteraccion{"combinacionMalFormada",
                  R"(, "ranuras": {"1": [[2, 16]]}, "combinaciones": [["a", 1, 2]])",
                  "combinaciones", "tres textos"},
        CasoErrorInteraccion{"areaYRanura",
                  R"(, "ranuras": {"1": [[2, 16]]}, "VentanaInteraccion": {"AreaA1": "4"})",
                  "AreaA1", "no con las dos"},
        CasoErrorInteraccion{"areaFueraDeIntervalo", R"(, "VentanaInteraccion": {"AreaA1": "-4"})", "AreaA1",
                  "Área A1 debe estar entre"},
        CasoErrorInteraccion{"areaIlegible", R"(, "VentanaInteraccion": {"AreaA2": "4..0"})", "AreaA2",
                  "Área A2"}),
    [](const auto& i) { return std::string(i.param.nombre); });

} // namespace
