// velmora-calc: "BotonCompararNormas": true en la ventana de resultados añade la tabla de las dos
// normas (VentanaComparacion.TablaComparacion) y su capítulo de la memoria; el resto de la
// respuesta no cambia, y sin la clave (o con false) la respuesta es la de siempre.
#include "Procesar.h"

#include <gtest/gtest.h>

namespace {

struct CasoLinea {
    const char* nombre;
    std::string base;    // la línea sin la ventana de resultados ni la llave final
    const char* ventana; // la ventana de resultados, que lleva la clave
    std::string campos;  // sus otros controles («"A": 1, "B": 2»), o ninguno
    std::size_t filas;
    // Una fila por comprobar (magnitud, EHE-98, Código Estructural), calculada a mano.
    std::size_t fila;
    const char *magnitud, *ehe, *ce;
};

class CompararNormasLinea : public ::testing::TestWithParam<CasoLinea> {};

// La línea con la clave (true o false) o, con `valor` vacío, sin ella (y sin la ventana si no
// tiene otros controles).
std::string Linea(const CasoLinea& k, const std::string& valor, bool informe = false) {
    std::string campos = k.campos;
    if (!valor.empty())
        campos += (campos.empty() ? "" : ", ") + std::string(R"("BotonCompararNormas": )") + valor;
    std::string l = k.base;
    if (!campos.empty())
        l += R"(, ")" + std::string(k.ventana) + R"(": {)" + campos + "}";
    return l + (informe ? R"(, "informe": "html"})" : "}");
}

TEST_P(CompararNormasLinea, TablaSoloConLaClave) {
    const auto& k = GetParam();
    Json con = Procesar(Linea(k, "true"));
    ASSERT_EQ(con["ok"], true) << con.dump();
    const Json& tabla = con["VentanaComparacion"]["TablaComparacion"];
    ASSERT_EQ(tabla.size(), k.filas) << tabla.dump();
    for (const Json& fila : tabla)
        EXPECT_EQ(fila.size(), 4u);
    EXPECT_EQ(tabla[k.fila][0], k.magnitud);
    EXPECT_EQ(tabla[k.fila][1], k.ehe);
    EXPECT_EQ(tabla[k.fila][2], k.ce);
    // El resto de la respuesta es el de la línea sin la clave, y con false no hay tabla.
    con.erase("VentanaComparacion");
    const std::string sin = Procesar(Linea(k, "")).dump();
    EXPECT_EQ(con.dump(), sin);
    EXPECT_EQ(Procesar(Linea(k, "false")).dump(), sin);
    const std::string memoria = Procesar(Linea(k, "true", true)).value("informe", "");
    EXPECT_NE(memoria.find("Comparación de normas"), std::string::npos);
    EXPECT_NE(memoria.find(k.magnitud), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Lineas, CompararNormasLinea,
    ::testing::Values(
        // Viga 0.30 × 0.40, 3Ø16 y 2Ø12, Ma = 60 kN·m, HA-25 (deflection/ComparacionFlechas):
        // Ie = 51373.0 cm⁴ con la EHE-98 (Branson) y 41391.6 cm⁴ con (7.18), β = 1.
        CasoLinea{"Flechas",
                  R"({"calculo": "flechas", "ParametrosGenerales": {}, "VentanaFlechas":
                  {"ValorMa": "60"}, "ranuras": {"1": [[3, 16]], "2": [[2, 12]]})",
                  "VentanaResultadosFlecha", R"("GrupoDuracionCarga": 6)", 12, 4,
                  "Inercia equivalente Ie", "51373.0 cm⁴", "41391.6 cm⁴"},
        // fck = 30, HR 50 %, h0 = 2·1200/120 = 200 mm, t0 = 28, t = 10000, σc = 10
        // (timedep/ComparacionDiferidas): φ = 2.3293 con B.1–B.9 y 3.7171 con el modelo de la
        // EHE-98 en atmósfera muy seca.
        CasoLinea{"FluenciaCE", R"({"calculo": "fluencia_ce")", "VentanaFluenciaCE",
                  R"("ResistenciaCaracteristica": "30", "Area": "1200", "Perimetro": "120")", 11, 7,
                  "Coeficiente de fluencia φ(t,t0)", "3.7171", "2.3293"},
        CasoLinea{"RetraccionCE", R"({"calculo": "retraccion_ce")", "VentanaRetraccionCE",
                  R"("ResistenciaCaracteristica": "30", "Area": "1200", "Perimetro": "120")", 8, 7,
                  "Retracción εcs(t), acortamiento +", "0.4789 ‰", "0.4553 ‰"},
        // Desde las ventanas de la EHE-98: fck = 300 kp/cm², ambiente medio, A = 1200, u =
        // 120, σ = 100 kp/cm², j = 28, t = 10000; retracción en atmósfera muy húmeda,
        // semifluida, t = 10000.
        CasoLinea{"Fluencia",
                  R"({"calculo": "fluencia", "VentanaDeformacion": {"ResistenciaCaracteristica":
                  "300", "Perimetro": "120", "Tension": "100", "Tiempo02": "10000"})",
                  "VentanaResultadosDeformacion", "", 11, 7, "Coeficiente de fluencia φ(t,t0)",
                  "2.6473", "1.9398"},
        CasoLinea{"Retraccion",
                  R"({"calculo": "retraccion", "VentanaRetraccion": {"Edad": "10000",
                  "Perimetro": "120", "GrupoMedioAmbiente": 1, "GrupoConsistencia": 2})",
                  "VentanaResultadosRetraccion", "", 8, 7, "Retracción εcs(t), acortamiento +",
                  "0.1141 ‰", "0.1708 ‰"}),
    [](const auto& info) { return std::string(info.param.nombre); });

} // namespace
