// "fisuracion" en velmora-calc: la comprobación es la del Anejo 19 con cualquier norma elegida,
// y las ranuras que faltan o los esfuerzos imposibles se rechazan nombrando su control.

#include "Procesar.h"

#include <gtest/gtest.h>

namespace {

TEST(FisuracionLinea, IgualConLasDosNormas) {
    const Json ehe = Procesar(R"({"calculo": "fisuracion", "ranuras": {"1": [[4, 16]],
        "2": [[2, 12]]}})");
    const Json ce = Procesar(R"({"calculo": "fisuracion", "ranuras": {"1": [[4, 16]],
        "2": [[2, 12]]}, "ParametrosGenerales": {"GrupoNorma": 1}})");
    ASSERT_EQ(ehe["ok"], true) << ehe.dump();
    ASSERT_EQ(ce["ok"], true) << ce.dump();
    EXPECT_EQ(ehe["VentanaFisuracion"], ce["VentanaFisuracion"]);
    // Viga 300×500, c = 30, 4Ø16, 80 kN·m, HA-25: wk = 0.18908 mm (véase FisuracionTest).
    EXPECT_EQ(ehe["VentanaFisuracion"]["VeredictoAbertura"], "Cumple: wk ≤ wmax = 0.4 mm.");
    EXPECT_EQ(ehe["VentanaFisuracion"]["EtiquetaNorma"],
              "Comprobación según el Código Estructural, Anejo 19, 7.2 y 7.3");
}

TEST(FisuracionLinea, SinBarrasTraccionadas) {
    const Json r = Procesar(R"({"calculo": "fisuracion", "ranuras": {"2": [[2, 12]]}})");
    EXPECT_EQ(r["ok"], false);
    EXPECT_EQ(r["campo"], "BotonA1");
}

TEST(FisuracionLinea, MomentoQueComprimeLaCaraTraccionada) {
    const Json r = Procesar(R"({"calculo": "fisuracion", "VentanaFisuracion":
        {"MomentoCP": "-50"}, "ranuras": {"1": [[4, 16]]}})");
    EXPECT_EQ(r["ok"], false);
    EXPECT_EQ(r["campo"], "MomentoCP");
    // Fuera de su intervalo, con el nombre del dato.
    const Json f = Procesar(R"({"calculo": "fisuracion", "VentanaFisuracion":
        {"Fluencia": "12"}, "ranuras": {"1": [[4, 16]]}})");
    EXPECT_EQ(f["campo"], "Fluencia");
    EXPECT_NE(
        f["error"].get<std::string>().find("Coeficiente de fluencia φ debe estar entre 0 y 10"),
        std::string::npos)
        << f.dump();
}

} // namespace
