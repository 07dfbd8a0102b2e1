// Trazas de la memoria de la armadura longitudinal, del momento de agotamiento y de los
// parámetros generales: cada sustitución vuelve a dar su valor y los números son los de la
// sección de referencia (b = 300, h = 400, d1 = d2 = 30 mm, B 400 S, HA-25, viga).

#include "section/TrazaSeccion.h"
#include "section/DimensionarSeccion.h"
#include "section/MomentoAgotamiento.h"
#include "norma/Norma.h"
#include "tests/common/Expresion.h"
#include "tests/section/DisenosAleatorios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {
namespace {

EstadoDiseno Referencia() {
    EstadoDiseno e;
    InicializarTablas(e);
    if (!DerivarMateriales(e, EleccionParametros{}).ok())
        std::abort();
    e.SeccionRectangular = true;
    e.h = 400.0;
    e.b = 300.0;
    e.d1 = e.d2 = 30.0;
    e.IndiceEs = 2;
    return e;
}

const Paso* Buscar(const Traza& t, const std::string& simbolo, int n = 0) {
    for (const Paso& p : t.pasos)
        if (p.simbolo == simbolo && n-- == 0)
            return &p;
    return nullptr;
}

// El último paso de U1 (o U2) da la capacidad del cuadro de resultados, mínimos incluidos.
void CapacidadDelCuadro(const Traza& t, const std::string& cara, double U, int i) {
    const std::string simbolo = "U<sub>" + cara + "</sub>";
    const Paso* ultimo = nullptr;
    for (const Paso& p : t.pasos)
        if (p.tipo == Paso::Tipo::Calculo && p.simbolo.rfind(simbolo, 0) == 0)
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

TEST(TrazaSeccion, FlexionSimpleDeReferencia) {
    EstadoDiseno e = Referencia();
    e.Md = 100e6;
    ASSERT_TRUE(DimensionarSeccion(e, TipoDeElemento::Viga, 0).ok());
    const Traza t = TrazaSeccion(e, TipoDeElemento::Viga, 0);
    EXPECT_TRUE(pruebas::ProblemasTraza(t).empty());
    // A mano: ξlim = 1/(1 + 347.826/700) = 0.66805; xlim = 0.66805·370 = 247.18 mm.
    ASSERT_NE(Buscar(t, "x<sub>lim</sub>"), nullptr);
    EXPECT_NEAR(Buscar(t, "x<sub>lim</sub>")->valor, 24.72, 0.005);
    ASSERT_NE(Buscar(t, "x"), nullptr);
    EXPECT_NEAR(Buscar(t, "x")->valor, 89.28, 0.005);
    // A1 = Cc/fyd = 299.903 kN / 347.826 N/mm² = 8.622 cm².
    ASSERT_NE(Buscar(t, "A<sub>s1</sub>"), nullptr);
    EXPECT_NEAR(Buscar(t, "A<sub>s1</sub>")->valor, 8.622, 0.0005);
    // A2 = 0.3·0.0033·300·400 = 118.8 mm²: rige la armadura mínima de compresión.
    ASSERT_NE(Buscar(t, "A<sub>2,mín</sub>"), nullptr);
    EXPECT_NEAR(Buscar(t, "A<sub>2,mín</sub>")->valor, 1.188, 0.0005);
    EXPECT_TRUE(HayNota(t, "armadura mínima de compresión de vigas", "42.3.5"));
    EXPECT_TRUE(HayNota(t, "Dominio de deformación : 2.", "42.1.3"));
}

TEST(TrazaSeccion, ConfiguracionLimiteYMinimoMecanico) {
    EstadoDiseno e = Referencia();
    e.Md = 250e6; // > Mlim = 227.21 kN·m
    ASSERT_TRUE(DimensionarSeccion(e, TipoDeElemento::Viga, 0).ok());
    const Traza t = TrazaSeccion(e, TipoDeElemento::Viga, 0);
    EXPECT_TRUE(pruebas::ProblemasTraza(t).empty());
    EXPECT_TRUE(HayNota(t, "hace falta armadura de compresión", "42.1.3"));

    EstadoDiseno m = Referencia();
    m.Md = 20e6; // A1 = 1.65 cm² < 0.04·fcd·b·h/fyd = 2.30 cm²
    ASSERT_TRUE(DimensionarSeccion(m, TipoDeElemento::Soporte, 0).ok());
    const Traza tm = TrazaSeccion(m, TipoDeElemento::Soporte, 0);
    EXPECT_TRUE(pruebas::ProblemasTraza(tm).empty());
    EXPECT_TRUE(HayNota(tm, "rige la cuantía mecánica mínima", "42.3.2"));
}

// Todas las ramas: diseños al azar de los cinco elementos, rectangulares y en T.
TEST(TrazaSeccion, CadaSustitucionDaSuValorEnDisenosAlAzar) {
    std::mt19937_64 g(20261207);
    int trazados = 0;
    for (int i = 0; i < 1500; ++i) {
        Diseno d = DisenoAleatorio(g);
        EstadoDiseno e = d.e;
        if (!DimensionarSeccion(e, d.tipo, d.acero).ok())
            continue;
        const Traza t = TrazaSeccion(e, d.tipo, d.acero);
        ASSERT_FALSE(t.pasos.empty()) << i;
        const auto p = pruebas::ProblemasTraza(t);
        ASSERT_TRUE(p.empty()) << "diseño " << i << ": " << p.front();
        CapacidadDelCuadro(t, "1", e.U1, i);
        ++trazados;
    }
    EXPECT_GT(trazados, 500);
}

// Con el Código Estructural: cada sustitución da su valor y los pasos citan el Anejo 19.
TEST(TrazaSeccion, CodigoEstructuralEnDisenosAlAzar) {
    std::mt19937_64 g(20211110);
    int trazados = 0;
    for (int i = 0; i < 600; ++i) {
        Diseno d = DisenoAleatorio(g);
        EstadoDiseno e = d.e;
        e.norma = Norma::CodigoEstructural;
        e.ArmaduraPasiva = true;
        e.IndiceEs = 2;
        e.fycd = e.fyd;
        if (!DimensionarSeccion(e, d.tipo, d.acero).ok())
            continue;
        const Traza t = TrazaSeccion(e, d.tipo, d.acero);
        ASSERT_FALSE(t.pasos.empty()) << i;
        const auto p = pruebas::ProblemasTraza(t);
        ASSERT_TRUE(p.empty()) << "diseño " << i << ": " << p.front();
        CapacidadDelCuadro(t, "1", e.U1, i);
        CapacidadDelCuadro(t, "2", e.U2, i);
        for (const Paso& paso : t.pasos)
            ASSERT_TRUE(paso.articulo.empty() || paso.articulo.rfind("Anejo 19, ", 0) == 0)
                << paso.articulo;
        ++trazados;
    }
    EXPECT_GT(trazados, 300);
}

TEST(TrazaSeccion, CodigoEstructuralVigaConSusNumeros) {
    EstadoDiseno e = Referencia();
    e.norma = Norma::CodigoEstructural;
    e.fycd = e.fyd;
    e.Md = 100e6;
    ASSERT_TRUE(DimensionarSeccion(e, TipoDeElemento::Viga, 0).ok());
    const Traza t = TrazaSeccion(e, TipoDeElemento::Viga, 0);
    EXPECT_TRUE(pruebas::ProblemasTraza(t).empty());
    // ξlim = 0.0035/(0.0035 + 347.826/200000) = 0.66805 (como en la EHE-98 con HA-25).
    ASSERT_NE(Buscar(t, "x<sub>lim</sub>"), nullptr);
    EXPECT_NEAR(Buscar(t, "x<sub>lim</sub>")->valor, 24.72, 0.005);
    // ψ = 1 − 2/(3·3.5) = 0.80952, sin el 0.85 de la EHE-98.
    ASSERT_NE(Buscar(t, "ψ"), nullptr);
    EXPECT_NEAR(Buscar(t, "ψ")->valor, 17.0 / 21.0, 1e-5);
    EXPECT_EQ(Buscar(t, "ψ")->articulo, "Anejo 19, 3.1.7");
    EXPECT_TRUE(HayNota(t, "Dominio de deformación : 3.", "Anejo 19, 6.1"));
    ASSERT_NE(Buscar(t, "A<sub>s,min</sub>"), nullptr);
    EXPECT_EQ(Buscar(t, "A<sub>s,min</sub>")->articulo, "Anejo 19, 9.2.1.1(1)");
}

TEST(TrazaMomento, TresDiecisesSinComprimida) {
    EstadoDiseno e = Referencia();
    CalcularLimites(e);
    ArmaduraDada a;
    a.As1Dada = 3 * std::numbers::pi * 64.0;
    a.Comprimida = false;
    const auto m = CalcularMomentoAgotamiento(e, a);
    ASSERT_TRUE(m.ok());
    const Traza t = TrazaMomento(e, a, *m);
    EXPECT_TRUE(pruebas::ProblemasTraza(t).empty());
    ASSERT_NE(Buscar(t, "M<sub>u</sub>"), nullptr);
    EXPECT_NEAR(Buscar(t, "M<sub>u</sub>")->valor, 72.03, 0.005);
}

TEST(TrazaParametros, AceroB500SPasaDe400EnCompresion) {
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionParametros p;
    p.DesignacionAcero = 1;
    Traza t;
    ASSERT_TRUE(DerivarMateriales(e, p, &t).ok());
    EXPECT_TRUE(pruebas::ProblemasTraza(t).empty());
    // 500/1.15 = 434.78; fycd = 400; 25/1.5 = 16.67.
    EXPECT_NEAR(Buscar(t, "f<sub>yd</sub>")->valor, 434.78, 0.005);
    EXPECT_NEAR(Buscar(t, "f<sub>yc,d</sub>")->valor, 400.0, 0.005);
    EXPECT_NEAR(Buscar(t, "f<sub>cd</sub>")->valor, 16.67, 0.005);
}

} // namespace
} // namespace velmora
