// Trazas del cortante y de los cercos: cada sustitución, vuelta a evaluar, da el valor del paso.
#include "tests/common/Fixturas.h"
#include "common/Expresion.h"
#include "common/Numeros.h"
#include "shear/Cercos.h"
#include "shear/Cortante.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

std::string Todo(const Traza& t) {
    std::string s;
    for (const Paso& p : t.pasos)
        s += p.simbolo + " " + p.formula + " = " + p.sustitucion + " = " +
             Formatear(p.valor, 0, p.decimales) + " " + p.unidad + " (" + p.articulo + ") " +
             p.descripcion + "\n";
    return s;
}

struct CasoTraza {
    const char* nombre;
    double alfa, teta, Vd2, Vd3, Asl;
};
class TrazaCortanteTabla : public testing::TestWithParam<CasoTraza> {};

TEST_P(TrazaCortanteTabla, SustitucionesQueDanElValor) {
    const auto& p = GetParam();
    auto e = pruebas::Confirmado();
    DatosCortante d;
    d.d = 360;
    d.b = 300;
    d.alfa = p.alfa;
    d.teta = p.teta;
    d.tetae = 45;
    d.Vd1 = 1000;
    d.Vd2 = p.Vd2;
    d.Vd3 = p.Vd3;
    d.Asl = p.Asl;
    Traza t;
    const auto c = CalcularCortante(e, d, &t);
    ASSERT_TRUE(c.ok()) << c.error().mensaje;
    (void)CalcularZonas(*c, EleccionZonas{}, &t);
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << Todo(t);
    EXPECT_GE(t.pasos.size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TrazaCortanteTabla,
    testing::Values(CasoTraza{"PorDefecto", 90, 45, 1000, 1000, 0},
                    CasoTraza{"Resistente", 90, 45, 300000, 150000, 942.48},
                    CasoTraza{"CercosInclinados", 60, 30, 400000, 100000, 1500},
                    CasoTraza{"CuantiaLimitada", 90, 40, 200000, 50000, 5000}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(TrazaCortante, CompresionOblicuaConSuArticulo) {
    auto e = pruebas::Confirmado();
    DatosCortante d;
    d.d = 360;
    d.b = 300;
    d.alfa = 90;
    d.teta = d.tetae = 45;
    d.Vd1 = d.Vd2 = d.Vd3 = 1000;
    Traza t;
    const auto c = CalcularCortante(e, d, &t);
    ASSERT_TRUE(c.ok());
    (void)CalcularZonas(*c, EleccionZonas{}, &t);
    const std::string s = Todo(t);
    EXPECT_NE(s.find("= 540.0 kN (44.2.3.1)"), std::string::npos) << s;
    EXPECT_NE(s.find("Rige la separación máxima"), std::string::npos) << s;
}

// El cálculo con traza: los valores finales de la memoria son los del cálculo, que da lo mismo
// con traza que sin ella, y éstos son los calculados a mano con las fórmulas de la norma, con los
// cercos por defecto (2 ramas de φ10: Aα = 2·π·10²/4 = 157.08 mm²). HA-25, B 500 S, γc = 1.5,
// γs = 1.15: fcd = 16.667 N/mm², fyα,d = 400 N/mm² (EHE-98) y fywd = 434.78 N/mm² (Anejo 19).
//  · Resistente EHE-98, d = 360, b = 300, ρl = 942.48/108 000: Vu1 = 0.60·16.667·300·360·1/2 =
//    540 000 N; Vcu = 1·0.10·(1 + √(200/360))·(100·0.0087267·25)^(1/3)·108 000 = 52 670.9 N;
//    st = 0.9·360·400·157.08/(300 000 − 52 670.9) = 82.31 mm; Vu2 = Vcu + Vsu = Vd = 300 000 N.
//  · Fisuración EHE-98, d = 500, ρl = 0.01: Vcu = 0.10·1.6325·(25)^(1/3)·150 000 = 71 600 N;
//    st = 0.9·500·400·157.08/48 400 = 584.2 mm, σsw = (120 000 − 214 800)/(157.08·500) < 50:
//    300 mm; Vsu = 157.08·0.9·500·400/300 = 94 247.8 N y Vu2 = 165 847.7 N.
//  · Inclinados EHE-98, α = 60º, θ = 30º, d = 600, b = 400: Vu1 = 0.60·16.667·240 000·
//    (1.7321 + 0.5774)/4 = 1 385 640.6 N; β = (1.7321 − 2)/(1 − 2) = 0.26795; Vcu = 25 359.0 N;
//    st = 0.9·600·0.86603·2.3094·400·157.08/(400 000 − 25 359) = 181.13 mm.
//  · Resistente Anejo 19, d = 450, ρl = 0.01: VRd,max = 300·405·0.54·16.667/2 = 546 750 N;
//    VRd,c = 0.12·1.6667·25^(1/3)·135 000 = 78 948.5 N; s = 157.08·405·434.78/200 000 =
//    138.30 mm; VRd = VRd,s = VEd = 200 000 N.
//  · Inclinados Anejo 19, α = 60º, θ = 30º, ρl = 1500/135 000: VRd,max = 300·405·0.54·16.667·
//    2.3094/4 = 631 332.5 N; VRd,c = 81 770.4 N; s = 157.08·405·434.78·2.3094·0.86603/300 000
//    = 184.40 mm.
//  · Sin armadura longitudinal, Anejo 19, d = 150, θ = 40º: k = 2; VRd,c = vmin·bw·d =
//    0.035·2^1.5·5·45 000 = 22 273.9 N; s = sl,max = 0.75·150 = 112.5 mm; VRd,s = 157.08/112.5·
//    135·434.78·1.1918 = 97 669.7 N.
struct CasoFinal {
    const char* nombre;
    Norma norma;
    double d, b, alfa, teta, Vd2, Asl;
    double Vu1, Vcu, st, Vu2; // referencias a mano: N, N, mm, N
    const char* regla;        // nota de la regla que rige en la zona de apoyo
};

EstadoDiseno HA25(Norma norma) {
    EstadoDiseno e;
    InicializarTablas(e);
    e.norma = norma;
    e.fck = 25;
    e.gammaC = 1.5;
    e.gammaS = 1.15;
    e.fcd = 25 / 1.5;
    e.fyk = 500;
    e.fyd = e.fycd = 500 / 1.15;
    return e;
}

DatosCortante DatosDe(const CasoFinal& p) {
    DatosCortante d;
    d.d = p.d;
    d.b = p.b;
    d.alfa = p.alfa;
    d.teta = p.teta;
    d.tetae = 45;
    d.Vd1 = 1000;
    d.Vd2 = p.Vd2;
    d.Vd3 = 1000;
    d.Asl = p.Asl;
    return d;
}

const Paso* Buscar(const Traza& t, const std::string& simbolo, const std::string& zona = {}) {
    for (const Paso& paso : t.pasos)
        if (paso.simbolo == simbolo && paso.descripcion.ends_with(zona))
            return &paso;
    return nullptr;
}

class TrazaDelCortante : public testing::TestWithParam<CasoFinal> {};

TEST_P(TrazaDelCortante, ValoresFinalesDelCalculo) {
    const auto& p = GetParam();
    const bool ehe = p.norma == Norma::EHE98;
    auto sin = HA25(p.norma);
    auto con = sin;
    const auto a = CalcularCortante(sin, DatosDe(p));
    Traza t;
    const auto c = CalcularCortante(con, DatosDe(p), &t);
    ASSERT_TRUE(a.ok() && c.ok());
    const auto za = CalcularZonas(*a, EleccionZonas{});
    const auto zc = CalcularZonas(*c, EleccionZonas{}, &t);
    EXPECT_EQ((*c).Vu1, (*a).Vu1);
    EXPECT_EQ((*c).Vcu, (*a).Vcu);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(zc.zona[i].st, za.zona[i].st);
        EXPECT_EQ(zc.zona[i].Vsu, za.zona[i].Vsu);
        EXPECT_EQ(zc.zona[i].Longitud, za.zona[i].Longitud);
    }
    EXPECT_NEAR((*c).Vu1, p.Vu1, 0.5);
    EXPECT_NEAR((*c).Vcu, p.Vcu, 0.5);
    const auto& apoyo = zc.zona[0];
    EXPECT_NEAR(apoyo.st, p.st, 0.01);
    const double Vu2 = AgotamientoTraccion(*c, apoyo.Vsu);
    EXPECT_NEAR(Vu2, p.Vu2, 0.5);

    const std::string s = Todo(t);
    const Paso* vu1 = Buscar(t, ehe ? "V<sub>u1</sub>" : "V<sub>Rd,max</sub>");
    const Paso* vu2 = Buscar(t, ehe ? "V<sub>u2</sub>" : "V<sub>Rd</sub>", "zona de apoyo");
    ASSERT_TRUE(vu1 && vu2) << s;
    EXPECT_EQ(vu1->valor, (*c).Vu1 * 0.001);
    EXPECT_EQ(vu2->valor, Vu2 * 0.001);
    if (ehe) {
        const Paso* vcu = Buscar(t, "V<sub>cu</sub>");
        ASSERT_TRUE(vcu) << s;
        EXPECT_EQ(vcu->valor, (*c).Vcu * 0.001);
    } else {
        EXPECT_NE(s.find("VRd,c = " + Formatear((*c).Vcu * 0.001, 0, 3) + " kN"), std::string::npos)
            << s;
    }
    // La regla que rige, con la separación que da el cálculo, una vez por zona.
    const std::string regla = std::string(p.regla) + (ehe ? " s<sub>t</sub> = " : " s = ") +
                              Formatear(apoyo.st, 0, 1) + " mm.";
    EXPECT_NE(s.find(regla), std::string::npos) << regla << "\n" << s;
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << s;
    // El último paso es el agotamiento de la zona central.
    EXPECT_EQ(t.pasos.back().valor, AgotamientoTraccion(*c, zc.zona[1].Vsu) * 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TrazaDelCortante,
    testing::Values(
        CasoFinal{"ResistenteEHE98", Norma::EHE98, 360, 300, 90, 45, 300000, 942.48, 540000,
                  52670.88, 82.309, 300000, "Rige la resistencia: Vcu + Vsu = Vd."},
        CasoFinal{"FisuracionEHE98", Norma::EHE98, 500, 300, 90, 45, 120000, 1500, 750000, 71599.93,
                  300, 165847.71, "Rige el control de la fisuración por cortante."},
        CasoFinal{"InclinadosEHE98", Norma::EHE98, 600, 400, 60, 30, 400000, 1500, 1385640.65,
                  25358.98, 181.129, 400000, "Rige la resistencia: Vcu + Vsu = Vd."},
        CasoFinal{"ResistenteCE", Norma::CodigoEstructural, 450, 300, 90, 45, 200000, 1350, 546750,
                  78948.48, 138.298, 200000, "Rige la resistencia: VRd,s = VEd."},
        CasoFinal{"InclinadosCE", Norma::CodigoEstructural, 450, 300, 60, 30, 300000, 1500,
                  631332.52, 81770.43, 184.398, 300000, "Rige la resistencia: VRd,s = VEd."},
        CasoFinal{"SinArmaduraLongitudinalCE", Norma::CodigoEstructural, 150, 300, 90, 40, 60000, 0,
                  179481.21, 22273.86, 112.5, 97669.68,
                  "Rige la separación longitudinal máxima sl,max."}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Una zona sin cercos no deja en la memoria ningún paso suyo, sólo el motivo; la otra zona sí.
TEST(TrazaDelCortante, ZonaSinResultadoSoloConSuMotivo) {
    for (const Norma norma : {Norma::EHE98, Norma::CodigoEstructural}) {
        auto e = HA25(norma);
        Traza t;
        const CasoFinal caso{"", norma, 450, 300, 90, 45, 200000, 1350, 0, 0, 0, 0, ""};
        const auto c = CalcularCortante(e, DatosDe(caso), &t);
        ASSERT_TRUE(c.ok());
        EleccionZonas eleccion;
        eleccion.NumeroCercosZona1 = "0";
        const auto z = CalcularZonas(*c, eleccion, &t);
        ASSERT_FALSE(z.zona[0].valida);
        ASSERT_TRUE(z.zona[1].valida);
        const std::string s = Todo(t);
        EXPECT_NE(s.find("Sin resultado en la zona de apoyo: " + z.zona[0].Longitud),
                  std::string::npos)
            << s;
        EXPECT_EQ(s.find(", zona de apoyo"), std::string::npos) << s;
        EXPECT_NE(s.find(", zona central"), std::string::npos) << s;
        EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << s;
    }
}

TEST(TrazaCercos, SustitucionesQueDanElValor) {
    EstadoDiseno e;
    for (const auto& [h, b, d1, phiMin, phiMax] :
         {std::array<double, 5>{300, 300, 30, 12, 16}, std::array<double, 5>{400, 250, 30, 20, 25},
          std::array<double, 5>{500, 500, 40, 12, 32}}) {
        Traza t;
        ASSERT_TRUE(CalcularCercos(e, h, b, d1, phiMin, phiMax, &t).ok());
        EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << Todo(t);
    }
}

} // namespace
