// Trazas de la memoria de la armadura longitudinal y del momento de agotamiento: cada sustitución
// vuelve a dar su valor y los números son los de la sección de referencia (b = 300, h = 400,
// d1 = d2 = 30 mm, B 400 S, HA-25, viga).

#include "section/DimensionarSeccion.h"
#include "section/MomentoAgotamiento.h"
#include "norma/Norma.h"
#include "tests/common/Expresion.h"
#include "tests/section/DisenosAleatorios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace velmora {
namespace {

// Con el Código Estructural fyc,d = fyd, sin el tope de 400 N/mm².
EstadoDiseno Referencia(Norma norma = Norma::EHE98) {
    EstadoDiseno e;
    InicializarTablas(e);
    if (!DerivarMateriales(e, EleccionParametros{}).ok())
        std::abort();
    e.SeccionRectangular = true;
    e.h = 400.0;
    e.b = 300.0;
    e.d1 = e.d2 = 30.0;
    e.IndiceEs = 2;
    e.norma = norma;
    if (norma == Norma::CodigoEstructural)
        e.fycd = e.fyd;
    return e;
}

const Paso* Buscar(const Traza& t, const std::string& simbolo) {
    for (const Paso& p : t.pasos)
        if (p.simbolo == simbolo)
            return &p;
    return nullptr;
}

// El último paso de U1 (o U2) da la capacidad del cuadro de resultados, mínimos incluidos; un
// paso «U1 = U2» da las dos.
void CapacidadDelCuadro(const Traza& t, const std::string& cara, double U, int i) {
    const std::string simbolo = "U<sub>" + cara + "</sub>";
    const auto da = [&](const std::string& s) {
        return s.rfind(simbolo, 0) == 0 || s.find(" = " + simbolo) != std::string::npos;
    };
    const Paso* ultimo = nullptr;
    for (const Paso& p : t.pasos)
        if (p.tipo == Paso::Tipo::Calculo && da(p.simbolo))
            ultimo = &p;
    ASSERT_NE(ultimo, nullptr) << "diseño " << i << ": ningún paso da " << simbolo;
    EXPECT_NEAR(ultimo->valor, U * 0.001, 1e-9 * std::max(1.0, U * 0.001))
        << "diseño " << i << ": " << ultimo->formula << " = " << ultimo->sustitucion;
}

bool HayNota(const Traza& t, const std::string& trozo, const std::string& articulo) {
    for (const Paso& p : t.pasos)
        if (p.tipo == Paso::Tipo::Nota && p.descripcion.find(trozo) != std::string::npos &&
            p.articulo == articulo)
            return true;
    return false;
}

bool HayTexto(const Traza& t, const std::string& trozo) {
    for (const Paso& p : t.pasos)
        if ((p.descripcion + p.formula).find(trozo) != std::string::npos)
            return true;
    return false;
}

std::string CitaDelDominio(Norma norma) {
    return norma == Norma::CodigoEstructural ? "Anejo 19, 6.1" : "42.1.3";
}

// Todos los pasos citan el Anejo 19 con el Código Estructural, y ninguno con la EHE-98.
void CitasDeSuNorma(const Traza& t, Norma norma) {
    const bool anejo = norma == Norma::CodigoEstructural;
    for (const Paso& paso : t.pasos)
        EXPECT_TRUE(paso.articulo.empty() || (paso.articulo.rfind("Anejo 19, ", 0) == 0) == anejo)
            << paso.articulo;
}

// Un paso calculado con su valor a mano (cm², kN, mm…) y, si se da, su artículo.
void PasoAMano(const Traza& t, const char* simbolo, double valor, const char* articulo) {
    if (!simbolo)
        return;
    const Paso* p = Buscar(t, simbolo);
    ASSERT_NE(p, nullptr) << simbolo;
    EXPECT_NEAR(p->valor, valor, 1e-4 * std::abs(valor)) << simbolo;
    if (articulo) {
        EXPECT_EQ(p->articulo, articulo) << simbolo;
    }
}

// Un dimensionamiento con su traza: los mismos resultados que la ventana sin ella, y ningún
// paso si se rechaza (nada entonces).
std::optional<Traza> TrazaDe(EstadoDiseno& e, TipoDeElemento tipo, int acero, int i) {
    EstadoDiseno sin = e;
    const bool ok = DimensionarSeccion(sin, tipo, acero).ok();
    Traza t;
    const bool bien = DimensionarSeccion(e, tipo, acero, Busqueda::Rapida, &t).ok();
    EXPECT_EQ(ok, bien) << i;
    if (!ok || !bien) {
        EXPECT_TRUE(t.pasos.empty()) << i;
        return std::nullopt;
    }
    for (auto [x, y] : {std::pair{sin.x, e.x}, std::pair{sin.As1, e.As1}, std::pair{sin.As2, e.As2},
                        std::pair{sin.U1, e.U1}, std::pair{sin.U2, e.U2}})
        EXPECT_EQ(x, y) << i;
    EXPECT_EQ(sin.Dominio, e.Dominio);
    EXPECT_EQ(sin.CuantiaMecanica, e.CuantiaMecanica);
    EXPECT_EQ(sin.CuantiaGeometrica, e.CuantiaGeometrica);
    EXPECT_EQ(sin.MinimaCompresion, e.MinimaCompresion);
    EXPECT_FALSE(t.pasos.empty()) << i;
    return t;
}

// Todas las ramas: diseños al azar de los cinco elementos, rectangulares y en T, con cada norma.
// Sin armadura de compresión la EHE-98 da U2 = 0 sin paso.
void DisenosAlAzarConTraza(Norma norma, std::uint64_t semilla, int disenos, int minimo) {
    std::mt19937_64 g(semilla);
    int trazados = 0;
    for (int i = 0; i < disenos; ++i) {
        Diseno d = DisenoAleatorio(g);
        EstadoDiseno e = d.e;
        if (norma == Norma::CodigoEstructural) {
            e.norma = norma;
            e.ArmaduraPasiva = true;
            e.IndiceEs = 2;
            e.fycd = e.fyd;
        }
        const auto t = TrazaDe(e, d.tipo, d.acero, i);
        if (!t)
            continue;
        const auto p = pruebas::ProblemasTraza(*t);
        ASSERT_TRUE(p.empty()) << "diseño " << i << ": " << p.front();
        CapacidadDelCuadro(*t, "1", e.U1, i);
        if (norma == Norma::CodigoEstructural || e.U2 != 0.0)
            CapacidadDelCuadro(*t, "2", e.U2, i);
        CitasDeSuNorma(*t, norma);
        ++trazados;
    }
    EXPECT_GT(trazados, minimo);
}

TEST(TrazaSeccion, CadaSustitucionDaSuValorEnDisenosAlAzar) {
    DisenosAlAzarConTraza(Norma::EHE98, 20261207, 1500, 500);
    DisenosAlAzarConTraza(Norma::CodigoEstructural, 20211110, 600, 300);
}

// Dimensionamientos de la sección de referencia (b = 300, h = 400, d = 370 mm, fcd = 16.667,
// fyd = fyc,d = 347.826 N/mm²). Referencias a mano:
// - EHE-98, viga: xlim = 0.668050·370 = 247.18 mm, Clim = 0.688095·16.667·300·xlim = 850.41 kN,
//   ylim = 0.415966·xlim = 102.82 mm, Mlim = 227.21 kN·m; mínimos 0.04·fcd·b·h/fyd = 2.300 cm²
//   (mecánico) y 0.0033·b·h = 3.960 cm² (geométrico).
//   · Md = 100 kN·m, dominio 2: εc = 10·x/(370 − x) ‰, ψ = 0.85·(1 − 2/(3·εc)); x = 89.28 mm,
//     Cc = 299.90 kN, A1 = Cc/fyd = 8.622 cm² (no rige ningún mínimo de A1); la mínima de
//     compresión de vigas, 0.3·0.0033·300·400 = 1.188 cm², da A2.
//   · Md = 20 kN·m, εc < 2 ‰, ψ = 0.85·(εc/2 − εc²/12): x = 32.48 mm, Cc = 55.76 kN,
//     A1 = 1.603 cm² < 2.300: el mínimo mecánico la sube a 1.603·(1.5 − 12.5·55.76/2000) =
//     1.846 cm², y la geométrica a 3.960 cm², U1 = 3.960·34.7826 = 137.74 kN.
//   · Md = 250 kN·m > Mlim: x = xlim, εs2 = 3.5·(1 − (30/370)/0.668050) = 3.075 ‰ (σs2 = fyd),
//     A2 = (250 − 227.215)·10⁶/(340·347.826) = 1.9267 cm², U1 = A2·σs2 + Clim = 917.43 kN,
//     A1 = 26.376 cm².
//   · Soporte, Nd = 2000 kN, Md = 0: e2 = 170 mm, ec = 170·(1 − 0.85·16.667·300·400/2·10⁶) =
//     25.5 mm > e0: compresión casi centrada, bloque 1700 kN, U1 = (2000·170 − 1700·170)/340 =
//     150 kN = U2 (más del 5 % del axil), A1 = 150000/347.826 = 4.312 cm².
// - Código Estructural, bloque ψ = 1 − 2/(3·3.5) = 0.809524 (sin el 0.85 de la EHE-98),
//   λ = 1 − 5.79167/(3.5·2.83333) = 0.415966: Cc = 4047.62·x, Cc·(d − yc) = M1 da
//   1683.68·x² − 1497619·x + M1 = 0; ξlim = 0.0035/(0.0035 + 347.826/200000), como antes.
//   · Viga, M1 = 100 kN·m: x = 72.72 mm, A1 = Cc/fyd = 8.462 cm², U1 = 294.33 kN (el mínimo
//     (W/z)·fctm,fl/fyd = (8·10⁶/320)·1.2·0.30·25^(2/3)/347.826 = 2.2123 cm² no rige).
//   · Viga, M1 = 20 kN·m: x = 13.56 mm, A1 = 1.578 cm² < 2.212 cm²: rige el mínimo,
//     U1 = 221.23·347.826 = 76.95 kN.
struct CasoDimensionado {
    const char* nombre;
    Norma norma;
    TipoDeElemento tipo;
    double Md, Nd;       // N·mm, N
    double x;            // mm, a mano; NaN con la sección toda comprimida
    double As1, U1;      // cm², kN: los del cuadro, a mano
    const char* nota;    // la regla que rige
    const char* ausente; // una rama que no se tomó
    const char* dominio; // la nota del dominio, o nullptr
    const char* simbolo; // un paso de la rama tomada, su valor a mano y su artículo
    double valor;
    const char* articulo;
};

class TrazaDelDimensionamiento : public ::testing::TestWithParam<CasoDimensionado> {};

TEST_P(TrazaDelDimensionamiento, SusValoresSonLosDelCalculo) {
    const CasoDimensionado& c = GetParam();
    EstadoDiseno e = Referencia(c.norma);
    e.Md = c.Md;
    e.Nd = c.Nd;
    e.e0 = c.Nd > 0.0 ? c.Md / c.Nd : 0.0;
    const auto t = TrazaDe(e, c.tipo, 0, 0);
    ASSERT_TRUE(t.has_value());
    EXPECT_NEAR(e.As1 * 0.01, c.As1, 1e-3 * c.As1);
    EXPECT_NEAR(e.U1 * 0.001, c.U1, 1e-3 * c.U1);
    const auto p = pruebas::ProblemasTraza(*t);
    EXPECT_TRUE(p.empty()) << p.front();
    if (std::isnan(c.x)) {
        EXPECT_FALSE(ProfundidadFibraNeutra(e).has_value());
        EXPECT_EQ(Buscar(*t, "x"), nullptr);
    } else {
        EXPECT_NEAR(e.x, c.x, 0.05);
        // La fibra neutra hallada (la fijada en xlim no tiene paso de búsqueda).
        if (const Paso* px = Buscar(*t, "x")) {
            EXPECT_EQ(px->valor, e.x);
        }
    }
    CapacidadDelCuadro(*t, "1", e.U1, 0);
    if (c.norma == Norma::CodigoEstructural || e.U2 != 0.0)
        CapacidadDelCuadro(*t, "2", e.U2, 0);
    EXPECT_TRUE(HayTexto(*t, c.nota)) << c.nota;
    EXPECT_FALSE(HayTexto(*t, c.ausente)) << c.ausente;
    if (c.dominio) {
        EXPECT_TRUE(HayNota(*t, c.dominio, CitaDelDominio(c.norma))) << c.dominio;
    }
    PasoAMano(*t, c.simbolo, c.valor, c.articulo);
    CitasDeSuNorma(*t, c.norma);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, TrazaDelDimensionamiento,
    ::testing::Values(
        CasoDimensionado{"Ehe98Dominio2", Norma::EHE98, TipoDeElemento::Viga, 100e6, 0.0, 89.28,
                         8.622, 299.90, "no rige la cuantía mecánica",
                         "hace falta armadura de compresión y", "Dominio de deformación : 2.",
                         "A<sub>2,mín</sub>", 1.188, "42.3.5"},
        CasoDimensionado{"Ehe98MinimosMecanicoYGeometrico", Norma::EHE98, TipoDeElemento::Viga,
                         20e6, 0.0, 32.48, 3.960, 137.74, "rige la cuantía mecánica mínima",
                         "la cuantía geométrica mínima de tracción no rige",
                         "Dominio de deformación : 2.", "x<sub>lim</sub>", 24.718, "42.1.3"},
        CasoDimensionado{"Ehe98ArmaduraDeCompresion", Norma::EHE98, TipoDeElemento::Viga, 250e6,
                         0.0, 247.18, 26.376, 917.43, "hace falta armadura de compresión y",
                         "no hace falta armadura de compresión", nullptr, "A<sub>s2</sub>", 1.9267,
                         nullptr},
        CasoDimensionado{"Ehe98CompresionCentrada", Norma::EHE98, TipoDeElemento::Soporte, 0.0,
                         2000e3, std::nan(""), 4.312, 150.0, "compresión casi centrada; toda",
                         "gran excentricidad", nullptr, "e<sub>c</sub>", 25.5, "42.1.3"},
        CasoDimensionado{"CeSinMinimo", Norma::CodigoEstructural, TipoDeElemento::Viga, 100e6,
                         0.0, 72.72, 8.462, 294.33, "cumple las limitaciones",
                         "A<sub>1</sub> no hace falta", "Dominio de deformación : 3.", "ψ",
                         0.809524, "Anejo 19, 3.1.7"},
        CasoDimensionado{"CeMinimoDeTraccion", Norma::CodigoEstructural, TipoDeElemento::Viga,
                         20e6, 0.0, 13.56, 2.212, 76.95, "Rige la cuantía mínima de tracción",
                         "supera M<sub>lim</sub>", "Dominio de deformación : 3.",
                         "A<sub>s,min</sub>", 2.2123, "Anejo 19, 9.2.1.1(1)"}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Momentos de agotamiento con 3Ø16 = 603.186 mm², Fs1 = 603.186·347.826 = 209 804 N, en A1 y
// sin A2 salvo en la última fila. Referencias a mano:
// - EHE-98, rectángulo de referencia: dominio 2 (εs1 = 10 ‰), εc = 10·x/(370 − x) ‰ con
//   ψ = 0.85·(1 − 2/(3·εc)); Cc = ψ·16.667·300·x = Fs1 da x = 69.41 mm, εc = 2.309 ‰,
//   λ = 0.384935, yc = 26.72 mm, Mu = Fs1·(370 − yc) = 72.02 kN·m.
// - EHE-98, T (b = 800, hf = 100, bw = 300, h = 400 mm): la fibra neutra en el ala,
//   εc = 1.18 ‰ < 2 ‰, ψ = 0.85·(εc/2 − εc²/12): x = 39.06 mm, λ = (8 − εc)/(4·(6 − εc)) =
//   0.353733, yc = 13.82 mm, Mu = Fs1·(370 − 13.82) = 74.73 kN·m.
// - Código Estructural, rectángulo: dominio 3, Cc = 0.809524·16.667·300·x = Fs1 da x = 51.83 mm,
//   yc = 0.415966·x = 21.56 mm, Mu = Fs1·(370 − 21.56) = 73.10 kN·m.
// - EHE-98, los 3Ø16 como A2 a d2 = 150 mm y sin A1: queda traccionada por debajo de la fibra
//   neutra. Como en la primera fila, |Fs2| = Cc da x = 69.41 mm; εs2 = 0.01·(69.41 − 150)/(370 −
//   69.41) = −2.681 ‰, más allá de −fyd/Es: σs2 = −347.83 N/mm² (el paso escribe el máximo con
//   −fyd, no el producto Es·εs2 = −536 N/mm²); Mu = −209.80·(200 − 150) + 209.80·(200 − 26.72) =
//   25.86 kN·m.
struct CasoMomento {
    const char* nombre;
    Norma norma;
    bool T, A2;   // sección en T; la armadura dada es A2 a d2 = 150 mm
    double x, Mu; // mm, kN·m
    const char* dominio;
    const char* paso;    // un paso de la rama tomada
    const char* simbolo; // un paso con su valor a mano, o nullptr
    double valor;
};

class TrazaDelMomento : public ::testing::TestWithParam<CasoMomento> {};

TEST_P(TrazaDelMomento, SusValoresSonLosDelCalculo) {
    const CasoMomento& c = GetParam();
    EstadoDiseno e = Referencia(c.norma);
    if (c.T) {
        e.SeccionRectangular = false;
        e.b = 800.0;
        e.hf = 100.0;
        e.bw = 300.0;
    }
    if (c.A2)
        e.d2 = 150.0;
    CalcularLimites(e);
    ArmaduraDada a;
    (c.A2 ? a.As2Dada : a.As1Dada) = 3 * std::numbers::pi * 64.0;
    (c.A2 ? a.Traccionada : a.Comprimida) = false;
    EstadoDiseno sin = e;
    const auto ms = CalcularMomentoAgotamiento(sin, a);
    Traza t;
    const auto m = CalcularMomentoAgotamiento(e, a, Busqueda::Rapida, &t);
    ASSERT_TRUE(m.ok() && ms.ok());
    EXPECT_EQ(m.valor().Mu, ms.valor().Mu);
    EXPECT_EQ(e.x, sin.x);
    EXPECT_NEAR(e.x, c.x, 0.02);
    EXPECT_NEAR(m.valor().Mu * 1e-6, c.Mu, 0.02);
    const auto p = pruebas::ProblemasTraza(t);
    EXPECT_TRUE(p.empty()) << p.front();
    ASSERT_FALSE(t.pasos.empty());
    EXPECT_EQ(t.pasos.back().simbolo, "M<sub>u</sub>");
    EXPECT_EQ(t.pasos.back().valor, m.valor().Mu * 1e-6);
    ASSERT_NE(Buscar(t, "x"), nullptr);
    EXPECT_EQ(Buscar(t, "x")->valor, e.x);
    ASSERT_NE(Buscar(t, "y<sub>c</sub>"), nullptr);
    EXPECT_EQ(Buscar(t, "y<sub>c</sub>")->valor, e.yc);
    EXPECT_TRUE(HayNota(t, c.dominio, CitaDelDominio(c.norma)));
    EXPECT_TRUE(HayTexto(t, c.paso)) << c.paso;
    PasoAMano(t, c.simbolo, c.valor, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, TrazaDelMomento,
    ::testing::Values(
        CasoMomento{"Ehe98Dominio2", Norma::EHE98, false, false, 69.41, 72.02,
                    "Dominio de deformación : 2.", "pivote en la armadura", nullptr, 0.0},
        CasoMomento{"Ehe98TConFibraEnElAla", Norma::EHE98, true, false, 39.06, 74.73,
                    "Dominio de deformación : 2.", "ε<sub>c</sub>²/12", nullptr, 0.0},
        CasoMomento{"CodigoEstructural", Norma::CodigoEstructural, false, false, 51.83, 73.10,
                    "Dominio de deformación : 3.", "Tensión media del bloque", nullptr, 0.0},
        CasoMomento{"Ehe98A2TraccionadaEnLaMeseta", Norma::EHE98, false, true, 69.41, 25.86,
                    "Dominio de deformación : 2.",
                    "máx(E<sub>s</sub>·ε<sub>s2</sub>; −f<sub>yd</sub>)", "σ<sub>s2</sub>",
                    -347.83}),
    [](const auto& i) { return std::string(i.param.nombre); });

// Momentos de agotamiento al azar con las dos normas: el mismo resultado con y sin traza, cada
// sustitución da su valor y el último paso es el Mu del cálculo.
TEST(TrazaMomento, CadaSustitucionDaSuValorEnSeccionesAlAzar) {
    std::mt19937_64 g(20261208);
    auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
    int trazados = 0;
    for (int i = 0; i < 800; ++i) {
        Diseno d = DisenoAleatorio(g);
        EstadoDiseno e = d.e;
        if (i % 2 == 1) {
            e.norma = Norma::CodigoEstructural;
            e.ArmaduraPasiva = true;
            e.fycd = e.fyd;
            CalcularLimites(e);
        }
        ArmaduraDada a;
        a.As1Dada = u(0.0, 0.03) * e.b * e.d;
        a.As2Dada = u(0.0, 0.01) * e.b * e.d;
        a.Traccionada = u(0.0, 1.0) < 0.9;
        a.Comprimida = u(0.0, 1.0) < 0.7;
        EstadoDiseno sin = e;
        const auto ms = CalcularMomentoAgotamiento(sin, a);
        Traza t;
        const auto m = CalcularMomentoAgotamiento(e, a, Busqueda::Rapida, &t);
        ASSERT_EQ(ms.ok(), m.ok()) << i;
        if (!m.ok()) {
            ASSERT_TRUE(t.pasos.empty()) << i;
            continue;
        }
        ASSERT_EQ(ms.valor().Mu, m.valor().Mu) << i;
        const auto p = pruebas::ProblemasTraza(t);
        ASSERT_TRUE(p.empty()) << "sección " << i << ": " << p.front();
        ASSERT_EQ(t.pasos.back().valor, m.valor().Mu * 1e-6) << i;
        ++trazados;
    }
    EXPECT_GT(trazados, 600);
}

// Un dato rechazado no deja ningún paso en la traza.
TEST(TrazaSeccion, UnDatoRechazadoNoDejaPasos) {
    for (Norma n : {Norma::EHE98, Norma::CodigoEstructural}) {
        EstadoDiseno e = Referencia(n);
        e.Md = -1.0;
        Traza t, tm;
        EXPECT_FALSE(DimensionarSeccion(e, TipoDeElemento::Viga, 0, Busqueda::Rapida, &t).ok());
        e = Referencia(n);
        CalcularLimites(e);
        ArmaduraDada a;
        a.As1Dada = -1.0;
        EXPECT_FALSE(CalcularMomentoAgotamiento(e, a, Busqueda::Rapida, &tm).ok());
        EXPECT_TRUE(t.pasos.empty());
        EXPECT_TRUE(tm.pasos.empty());
    }
}

} // namespace
} // namespace velmora
