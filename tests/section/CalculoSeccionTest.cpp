#include "section/CalculoSeccion.h"

#include "section/DimensionarSeccion.h"
#include "section/MomentoAgotamiento.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora;

namespace {

// Estado de arranque con los parámetros generales confirmados por omisión.
EstadoDiseno Confirmado(EleccionParametros p = {}) {
    EstadoDiseno e;
    InicializarTablas(e);
    EXPECT_TRUE(DerivarMateriales(e, p).ok());
    return e;
}

TEST(CalcularSeccion, EjemploCompletoDeVigaRectangular) {
    auto e = Confirmado();
    auto datos = DatosSeccionIniciales();
    datos.Valor5 = "100";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Viga, 0, "10", "10");
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    const auto& t = r.valor().Rotulos;
    EXPECT_EQ(t.AreaTraccion, "    8.622");
    EXPECT_EQ(t.AreaCompresion, "    1.188");
    EXPECT_EQ(t.CapacidadTraccion, "  299.903");
    EXPECT_EQ(t.CapacidadCompresion, "   41.322");
    EXPECT_EQ(t.Cuantia, "La armadura cumple las limitaciones de cuantías mínimas.");
    EXPECT_EQ(t.Recomendada, "Se recomienda disponer la armadura mínima de compresión dada.");
    EXPECT_EQ(t.DomDeform, "Dominio de deformación : 2.\n"
                           "   Flexión simple o compuesta.\n"
                           "   El hormigón no alcanza la deformación de rotura por flexión.");
    EXPECT_EQ(t.Profundidad, "Profundidad de la fibra neutra =   8.93 cm (Secc. rectangular)");
    EXPECT_EQ(t.xlimite, "xlim =  24.72 cm");
    EXPECT_EQ(r.valor().NumeroA1, "  11");
    EXPECT_EQ(r.valor().NumeroA2, "   2");
    EXPECT_TRUE(r.valor().Avisos.empty());
    // El estado queda con el resultado y las entradas de «Calcular».
    EXPECT_EQ(e.IndiceEs, 2);
    EXPECT_DOUBLE_EQ(e.h, 400.0);
    EXPECT_DOUBLE_EQ(e.Md, 100e6);
    EXPECT_NEAR(e.x, 89.28, 0.005);
}

TEST(CalcularSeccion, MinimoMecanicoSuperadoPorElGeometrico) {
    auto e = Confirmado();
    auto datos = DatosSeccionIniciales();
    datos.Valor5 = "10";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Viga, 0);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(e.CuantiaMecanica);
    EXPECT_DOUBLE_EQ(e.As1, 396.0);
    EXPECT_NEAR(e.As2, 118.8, 1e-9);
    EXPECT_EQ(r.valor().Rotulos.Cuantia, "Cuantía geométrica mínima de la armadura.");
    EXPECT_EQ(r.valor().Rotulos.Recomendada,
              "Se recomienda disponer la armadura mínima de compresión dada.");
}

TEST(CalcularSeccion, SeccionEnTDeArranque) {
    auto e = Confirmado();
    auto datos = DatosSeccionTIniciales();
    datos.Valor5 = "1000";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Viga, 0);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_FALSE(e.SeccionRectangular);
    EXPECT_DOUBLE_EQ(e.hf, 200.0);
    EXPECT_DOUBLE_EQ(e.bw, 200.0);
    EXPECT_NE(r.valor().Rotulos.Profundidad.find("(Secc. en T)"), std::string::npos);
}

TEST(CalcularSeccion, SoporteSimetricoEnCompresionCentrada) {
    EleccionParametros p;
    AplicarTipoElemento(p, TipoDeElemento::Soporte);
    auto e = Confirmado(p);
    ASSERT_TRUE(e.Simetrica);
    auto datos = DatosSeccionIniciales();
    datos.Valor5 = "10";
    datos.Valor6 = "2000";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Soporte, 0);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.valor().Rotulos.Profundidad,
              "Profundidad de la fibra neutra = +Infinito (Secc. rectangular)");
    EXPECT_TRUE(r.valor().Rotulos.DomDeform.starts_with("Dominio de deformación : 5.\n"));
    EXPECT_EQ(e.As1, e.As2);
}

TEST(CalcularSeccion, MuroConElMensajeDelTercio) {
    auto e = Confirmado();
    auto datos = DatosSeccionIniciales();
    datos.Valor5 = "1";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::MuroHorizontal, 0);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.valor().Rotulos.Cuantia, "Cuantía geométrica mínima de la armadura.");
    EXPECT_EQ(r.valor().Rotulos.Recomendada,
              "La cuantía de cada cara no debe ser inferior a 1/3 de la total.");
    EXPECT_NEAR(e.As1, 320.0, 1e-9);
    EXPECT_NEAR(e.As2, 160.0, 1e-9);
}

// Errores: el campo que lo causa, y el estado sin tocar.
struct CasoError {
    const char* nombre;
    bool rectangular;
    const char* campo; // control que debe recibir el foco
    std::string DatosSeccionTexto::*dato;
    const char* texto;
};

class Errores : public ::testing::TestWithParam<CasoError> {};

TEST_P(Errores, NombranElCampoYNoTocanElEstado) {
    const auto& c = GetParam();
    auto e = Confirmado();
    auto datos = c.rectangular ? DatosSeccionIniciales() : DatosSeccionTIniciales();
    datos.Valor5 = "100";
    datos.*c.dato = c.texto;
    const auto antes = e;
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Viga, 0);
    ASSERT_FALSE(r.ok()) << c.nombre;
    EXPECT_EQ(r.error().campo, c.campo) << c.nombre << ": " << r.error().mensaje;
    EXPECT_FALSE(r.error().mensaje.empty());
    EXPECT_EQ(e.h, antes.h);
    EXPECT_EQ(e.Md, antes.Md);
    EXPECT_EQ(e.IndiceEs, antes.IndiceEs);
    EXPECT_EQ(e.Dominio, 0u);
}

using D = DatosSeccionTexto;
INSTANTIATE_TEST_SUITE_P(
    Campos, Errores,
    ::testing::Values(CasoError{"canto_no_numero", true, "Valor1", &D::h, "cuarenta"},
                      CasoError{"canto_vacio", true, "Valor1", &D::h, ""},
                      CasoError{"ancho_separadores_mezclados", true, "Valor2", &D::b, "1.000,5"},
                      CasoError{"d2_negativo", true, "Valor3", &D::d2, "-0.03"},
                      CasoError{"d1_mayor_que_h", true, "Valor4", &D::d1, "0.5"},
                      CasoError{"momento_no_numero", true, "Valor5", &D::Valor5, "1e"},
                      CasoError{"momento_enorme", true, "Valor5", &D::Valor5, "1e305"},
                      CasoError{"axil_no_numero", true, "Valor6", &D::Valor6, "abc"},
                      CasoError{"T_hf_mayor_que_h", false, "Valorhf", &D::hf, "1.5"},
                      CasoError{"T_bw_mayor_que_b", false, "Valorbw", &D::bw, "1.2"},
                      CasoError{"T_d1_no_numero", false, "Valord1", &D::d1, "x"}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(CalcularSeccion, ParametrosSinConfirmar) {
    EstadoDiseno e;
    InicializarTablas(e);
    auto datos = DatosSeccionIniciales();
    datos.Valor5 = "100";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Viga, 0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, MensajeConfirmarParametros);
    EXPECT_EQ(e.h, 0.0);
}

TEST(CalcularSeccion, SinEquilibrioNoDaResultado) {
    // T de arranque con 3000 kN centrados: la búsqueda de pequeña excentricidad no termina.
    auto e = Confirmado();
    auto datos = DatosSeccionTIniciales();
    datos.Valor6 = "3000";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Viga, 0);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, MensajeSinEquilibrio);
    EXPECT_EQ(e.Dominio, 0u);
}

TEST(CalcularSeccion, DiametroNuloAvisaPeroCalcula) {
    auto e = Confirmado();
    auto datos = DatosSeccionIniciales();
    datos.Valor5 = "100";
    const auto r = CalcularSeccion(e, datos, TipoDeElemento::Viga, 0, "0", "12");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.valor().NumeroA1, "");
    EXPECT_EQ(r.valor().NumeroA2, "   2");
    ASSERT_EQ(r.valor().Avisos.size(), 1u);
    EXPECT_EQ(r.valor().Avisos[0].campo, "DiametroTraccion");
}

struct CasoEsfuerzos {
    const char* nombre;
    const char* Valor5;
    const char* Valor6;
    int dato;
    double Md, Nd, e0; // N·mm, N, mm
};

class Esfuerzos : public ::testing::TestWithParam<CasoEsfuerzos> {};

TEST_P(Esfuerzos, Lectura) {
    const auto& c = GetParam();
    EstadoDiseno e;
    ASSERT_TRUE(LeerSolicitaciones(e, c.Valor5, c.Valor6, c.dato).ok()) << c.nombre;
    EXPECT_NEAR(e.Md, c.Md, 1e-6) << c.nombre;
    EXPECT_NEAR(e.Nd, c.Nd, 1e-9) << c.nombre;
    EXPECT_NEAR(e.e0, c.e0, 1e-9) << c.nombre;
}

INSTANTIATE_TEST_SUITE_P(
    Campos, Esfuerzos,
    ::testing::Values(CasoEsfuerzos{"vacios", "", "", 0, 0, 0, 0},
                      CasoEsfuerzos{"momento_y_axil", "150", "600", 0, 150e6, 600e3, 250},
                      CasoEsfuerzos{"signos_quitados", "-150", "-600", 0, 150e6, 600e3, 250},
                      CasoEsfuerzos{"axil_negativo", "", "-500", 0, 0, 500e3, 0},
                      CasoEsfuerzos{"excentricidad_sin_axil", "0.25", "", 1, 0, 0, 250},
                      CasoEsfuerzos{"excentricidad", "0,25", "600", 1, 150e6, 600e3, 250},
                      CasoEsfuerzos{"momento_sin_axil", "80", "", 0, 80e6, 0, 0}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(PrepararMomento, GeometriaYLimitesSinEsfuerzos) {
    auto e = Confirmado();
    e.Md = 123.0;
    ASSERT_TRUE(PrepararMomento(e, DatosSeccionIniciales()).ok());
    EXPECT_EQ(e.IndiceEs, 2);
    EXPECT_DOUBLE_EQ(e.d, 370.0);
    EXPECT_NEAR(e.xlim, 247.18, 0.005);
    EXPECT_EQ(e.Md, 123.0); // los esfuerzos no se leen
    const auto m = CalcularMomentoAgotamiento(e, {603.19, 0, true, false});
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(TextoMomento(m.valor().Mu), "     72.03 kN*m");

    EstadoDiseno sin;
    InicializarTablas(sin);
    EXPECT_EQ(PrepararMomento(sin, DatosSeccionIniciales()).error().mensaje,
              MensajeConfirmarParametros);
    auto d = DatosSeccionIniciales();
    d.h = "0";
    EXPECT_EQ(PrepararMomento(e, d).error().campo, "Valor1");
}

} // namespace
