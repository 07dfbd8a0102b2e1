// La traza de las longitudes de anclaje la escribe el propio cálculo: con traza o sin ella da las
// mismas longitudes, las de la mano; los dos últimos pasos son esas longitudes (en cm), la rama
// que anotan es la que se tomó y cada sustitución da el valor de su paso.
//
// A mano, EHE-98 (art. 66.5): φ 16, m = 12, B 400 S: m·φ² = 307.2 mm < 400/20·16 = 320 mm;
// posición II: 1.4·307.2 = 430.08 < 400/14·16 = 457.14 mm. φ 25, m = 15, B 500 S: m·φ² = 937.5
// > 625 mm, β·lb·As/As,real = 0.7·937.5·100/400 = 164.06 < mín(10φ = 250; 937.5/3 = 312.5).
// φ 8, posición II: 400/14·8 = 228.57 mm + 10φ + 50 mm de decalaje = 358.57 mm.
// Código Estructural (Anejo 19, 8.4), HA-25, γc = 1.5, fyd = 500/1.15: fbd = 2.25·0.7·0.3·25^(2/3)
// /1.5 = 2.6932 N/mm²; φ 16: lb,rqd = 4·434.78/2.6932 = 645.75 mm (922.49 en la posición II,
// η1 = 0.7); con As/As,real = 0.25: 161.44 mm y α4 = 0.7 da 113.01 < lb,min = 10φ = 160 mm.
#include "anchorage/Anclaje.h"
#include "common/Expresion.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace traza_calculo_anclaje {

struct CasoTrazaCalculo {
    const char* nombre;
    Norma norma;
    PosicionAnclaje posicion;
    double phi;
    int m;
    double fyk, beta;
    bool traccion, dinamicos;
    double AsEstricta; // mm²; 0 sin armadura estricta (As,real = 400 mm²)
    double decalaje;   // mm
    TipoAnclaje tipo;
    double lb, lbneta;  // mm, a mano
    const char* rige;   // nota de la rama tomada ("" si no se espera ninguna)
    const char* noRige; // nota que esta rama no debe escribir ("" si no hay)
};

DatosAnclaje Datos(const CasoTrazaCalculo& c) {
    DatosAnclaje d;
    d.norma = c.norma;
    d.posicion = c.posicion;
    d.phi = c.phi;
    d.m = c.m;
    d.fyk = c.fyk;
    d.beta = c.beta;
    d.Traccion = c.traccion;
    d.Dinamicos = c.dinamicos;
    d.Estricta = c.AsEstricta > 0;
    d.AsEstricta = c.AsEstricta;
    d.AsReal = 400;
    d.Decalaje = c.decalaje;
    d.tipo = c.tipo;
    d.fck = 25;
    d.gammaC = 1.5;
    d.fyd = c.fyk / 1.15;
    return d;
}

bool Contiene(const Traza& t, const std::string& texto) {
    for (const Paso& p : t.pasos)
        if (p.descripcion.find(texto) != std::string::npos)
            return true;
    return false;
}

class TrazaDelCalculo : public testing::TestWithParam<CasoTrazaCalculo> {};

TEST_P(TrazaDelCalculo, MismasLongitudesYMismaRama) {
    const auto& c = GetParam();
    const DatosAnclaje d = Datos(c);
    const auto sin = CalcularAnclaje(d);
    Traza t;
    const auto con = CalcularAnclaje(d, &t);
    ASSERT_TRUE(sin.ok());
    ASSERT_TRUE(con.ok());
    // La traza no cambia el cálculo.
    EXPECT_EQ(con.valor().lb, sin.valor().lb);
    EXPECT_EQ(con.valor().lbneta, sin.valor().lbneta);
    EXPECT_EQ(con.valor().DecalajeSumado, sin.valor().DecalajeSumado);
    EXPECT_NEAR(sin.valor().lb, c.lb, 0.01);
    EXPECT_NEAR(sin.valor().lbneta, c.lbneta, 0.01);
    EXPECT_EQ(sin.valor().DecalajeSumado, c.decalaje > 0 && c.traccion);

    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{});
    ASSERT_GE(t.pasos.size(), 2u);
    const Paso& basica = t.pasos[t.pasos.size() - 2];
    const Paso& neta = t.pasos.back();
    EXPECT_EQ(basica.tipo, Paso::Tipo::Calculo);
    EXPECT_EQ(basica.valor, sin.valor().lb * 0.1);
    EXPECT_EQ(neta.valor, sin.valor().lbneta * 0.1);
    EXPECT_EQ(basica.unidad, "cm");
    if (*c.rige) {
        EXPECT_TRUE(Contiene(t, c.rige)) << c.rige;
    }
    if (*c.noRige) {
        EXPECT_FALSE(Contiene(t, c.noRige)) << c.noRige;
    }
    // Las citas son las de la norma del cálculo.
    for (const Paso& p : t.pasos) {
        if (!p.articulo.empty()) {
            EXPECT_EQ(p.articulo.starts_with("Anejo 19, "), c.norma == Norma::CodigoEstructural)
                << p.articulo;
        }
    }
}

constexpr auto EHE = Norma::EHE98;
constexpr auto CE = Norma::CodigoEstructural;
constexpr auto I = PosicionAnclaje::I;
constexpr auto II = PosicionAnclaje::II;
constexpr auto Recta = TipoAnclaje::ProlongacionRecta;

INSTANTIATE_TEST_SUITE_P(
    Tabla, TrazaDelCalculo,
    testing::Values(
        CasoTrazaCalculo{"CotaInferiorI", EHE, I, 16, 12, 400, 1, true, false, 0, 0, Recta, 320,
                         320, "Rige la cota inferior", "Rige el mínimo"},
        CasoTrazaCalculo{"CotaInferiorIICompresion", EHE, II, 16, 12, 400, 1, false, false, 0, 0,
                         Recta, 6400.0 / 14, 6400.0 / 14, "Rige la cota inferior",
                         "Rige el mínimo"},
        CasoTrazaCalculo{"MinimoDeLaNeta", EHE, I, 25, 15, 500, 0.7, true, false, 100, 0, Recta,
                         937.5, 312.5, "Rige el mínimo de la longitud neta", "Rige la cota"},
        CasoTrazaCalculo{"DinamicosYDecalaje", EHE, II, 8, 12, 400, 1, true, true, 0, 50, Recta,
                         3200.0 / 14 + 130, 3200.0 / 14 + 130, "Con efectos dinámicos", ""},
        CasoTrazaCalculo{"DecalajeNoSeSumaEnCompresion", EHE, I, 16, 12, 400, 1, false, false, 0,
                         50, Recta, 320, 320, "", "Se suma el decalaje"},
        CasoTrazaCalculo{"CeRecta", CE, I, 16, 0, 500, 1, true, false, 0, 0, Recta, 645.7458,
                         645.7458, "", "Rige la longitud mínima"},
        CasoTrazaCalculo{"CePosicionII", CE, II, 16, 0, 500, 1, true, false, 0, 0, Recta, 922.4940,
                         922.4940, "posición II, adherencia deficiente", ""},
        CasoTrazaCalculo{"CeMinimoConBarraSoldada", CE, I, 16, 0, 500, 1, false, false, 100, 0,
                         TipoAnclaje::BarraSoldada, 161.4365, 160, "Rige la longitud mínima",
                         ""},
        CasoTrazaCalculo{"CeDecalaje", CE, I, 16, 0, 500, 1, true, false, 0, 50, Recta, 695.7458,
                         695.7458, "Se suma el decalaje", ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Una posición que no se calcula no deja pasos a medias en la traza.
TEST(TrazaDelCalculo, PosicionSinBarrasNoAnotaNada) {
    for (Norma n : {EHE, CE}) {
        DatosAnclaje d;
        d.norma = n;
        Traza t;
        EXPECT_FALSE(CalcularAnclaje(d, &t).ok());
        EXPECT_TRUE(t.pasos.empty());
    }
}

} // namespace traza_calculo_anclaje
