// Ecuaciones de las longitudes de anclaje con valores calculados a mano, y su traza.
#include "anchorage/Anclaje.h"
#include "common/Expresion.h"
#include "common/Numeros.h"

#include <gtest/gtest.h>

#include <functional>

using namespace velmora;

namespace {

struct CasoEcuacionAnclaje {
    const char* nombre;
    std::function<double()> valor;
    double esperado;
};
class EcuacionAnclaje : public testing::TestWithParam<CasoEcuacionAnclaje> {};

TEST_P(EcuacionAnclaje, ValorCalculadoAMano) {
    EXPECT_NEAR(GetParam().valor(), GetParam().esperado, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, EcuacionAnclaje,
    testing::Values(
        // 12·1.6² = 30.72 cm; 1.4·12·1.6² = 43.008 cm.
        CasoEcuacionAnclaje{"LbI", [] { return LbI(12, 16); }, 307.2},
        CasoEcuacionAnclaje{"LbII", [] { return LbII(12, 16); }, 430.08},
        // 400/20·16 = 320 mm; 400/14·16 = 457.14 mm.
        CasoEcuacionAnclaje{"CotaLbI", [] { return CotaLbI(400, 16); }, 320},
        CasoEcuacionAnclaje{"CotaLbII", [] { return CotaLbII(400, 16); }, 6400.0 / 14},
        // 0.7·320·200/400 = 112 mm.
        CasoEcuacionAnclaje{"LbNeta", [] { return LbNeta(0.7, 320, 200, 400); }, 112},
        CasoEcuacionAnclaje{"MinimaQuinceCm", [] { return LbNetaMinima(8, 102.4); }, 150},
        CasoEcuacionAnclaje{"MinimaDiezDiametros", [] { return LbNetaMinima(20, 50); }, 200},
        CasoEcuacionAnclaje{"MinimaTercio", [] { return LbNetaMinima(25, 312.5); }, 312.5}),
    [](const auto& info) { return std::string(info.param.nombre); });

std::string Todo(const Traza& t) {
    std::string s;
    for (const Paso& p : t.pasos)
        s += p.simbolo + " = " + p.sustitucion + " = " + Formatear(p.valor, 0, p.decimales) + " " +
             p.unidad + " (" + p.articulo + ") " + p.descripcion + "\n";
    return s;
}

struct CasoTraza {
    const char* nombre;
    PosicionAnclaje posicion;
    double phi, decalaje, AsEstricta, beta;
    bool traccion, dinamicos;
};
class TrazaAnclajeTabla : public testing::TestWithParam<CasoTraza> {};

TEST_P(TrazaAnclajeTabla, SustitucionesQueDanElValor) {
    const auto& p = GetParam();
    DatosAnclaje d;
    d.posicion = p.posicion;
    d.phi = p.phi;
    d.m = 12;
    d.fyk = 400;
    d.Traccion = p.traccion;
    d.Dinamicos = p.dinamicos;
    d.Decalaje = p.decalaje;
    d.beta = p.beta;
    d.AsReal = 400;
    d.Estricta = p.AsEstricta > 0;
    d.AsEstricta = p.AsEstricta;
    Traza t;
    const auto r = CalcularAnclaje(d, &t);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << Todo(t);
    // Los dos últimos pasos dan las longitudes del cuadro de resultados (cm).
    ASSERT_GE(t.pasos.size(), 2u);
    EXPECT_DOUBLE_EQ(t.pasos[t.pasos.size() - 2].valor, r.valor().lb * 0.1) << Todo(t);
    EXPECT_DOUBLE_EQ(t.pasos.back().valor, r.valor().lbneta * 0.1) << Todo(t);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TrazaAnclajeTabla,
    testing::Values(CasoTraza{"PosicionI", PosicionAnclaje::I, 16, 0, 0, 1, true, false},
                    CasoTraza{"PosicionII", PosicionAnclaje::II, 16, 0, 0, 1, true, false},
                    CasoTraza{"Estricta", PosicionAnclaje::I, 25, 0, 100, 0.7, false, false},
                    CasoTraza{"DecalajeYDinamicos", PosicionAnclaje::II, 8, 50, 40, 1, true,
                              true}),
    [](const auto& info) { return std::string(info.param.nombre); });

// El ejemplo del anclaje: barras de 16 mm, B 400 S, HA-25 dan 32.00 y 45.71 cm (art. 66.5).
TEST(TrazaAnclajeEjemplo, EjemploConSusLongitudes) {
    std::string s;
    for (PosicionAnclaje p : PosicionesAnclaje) {
        DatosAnclaje d;
        d.posicion = p;
        d.phi = 16;
        d.m = 12;
        d.fyk = 400;
        d.Traccion = true;
        Traza t;
        ASSERT_TRUE(CalcularAnclaje(d, &t).ok());
        s += Todo(t);
    }
    EXPECT_NE(s.find("básica 32.00 cm"), std::string::npos) << s;
    EXPECT_NE(s.find("45.71"), std::string::npos) << s;
    EXPECT_NE(s.find("(66.5"), std::string::npos) << s;
}

} // namespace
