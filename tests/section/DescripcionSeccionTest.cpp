// Lectura de los campos de la sección, de los parámetros generales y del selector de área a
// través de su descripción: intervalos, mensajes y valores que no se pueden mostrar.

#include "Procesar.h"

#include "design/EstadoDiseno.h"
#include "design/TextosParametros.h"
#include "section/CalculoSeccion.h"
#include "section/DescripcionSeccion.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct CasoRechazo {
    const char* nombre;
    TipoSeccion tipo;
    const char* control;
    const char* texto;
    const char* mensaje; // exacto
};

class Rechazos : public ::testing::TestWithParam<CasoRechazo> {};

TEST_P(Rechazos, MensajeQueNombraElCampo) {
    const auto& c = GetParam();
    auto textos = TextosPorOmision(CamposGeometriaSeccion(c.tipo));
    textos[c.control] = c.texto;
    const auto r = LeerGeometriaSeccion(textos, c.tipo);
    ASSERT_FALSE(r.ok()) << c.nombre;
    EXPECT_EQ(r.error().campo, c.control);
    EXPECT_EQ(r.error().mensaje, c.mensaje);
}

INSTANTIATE_TEST_SUITE_P(
    Geometria, Rechazos,
    ::testing::Values(
        // Un valor que en mm no es finito: el intervalo, nunca «inf».
        CasoRechazo{"bw_enorme", TipoSeccion::EnT, "Valorbw", "1e308",
                    "Anchura del alma bw debe estar entre 0.01 y 20 m (se ha leído 1e+308 m)."},
        CasoRechazo{"hf_enorme_negativo", TipoSeccion::EnT, "Valorhf", "-1e308",
                    "Canto de la cabeza hf debe estar entre 0.01 y 20 m (se ha leído -1e+308 m)."},
        CasoRechazo{"b_enorme", TipoSeccion::Rectangular, "Valor2", "1e308",
                    "Ancho b debe estar entre 0.01 y 20 m (se ha leído 1e+308 m)."},
        // Los mensajes de la geometría siguen ganando para lo que ya rechazaban.
        CasoRechazo{"h_cero", TipoSeccion::Rectangular, "Valor1", "0",
                    "El canto h debe ser mayor que cero (se ha leído 0 m)."},
        CasoRechazo{"h_21", TipoSeccion::Rectangular, "Valor1", "21",
                    "El canto h no puede superar 20 m (se ha leído 21 m)."},
        CasoRechazo{"bw_negativo", TipoSeccion::EnT, "Valorbw", "-0.2",
                    "La anchura del alma bw debe ser mayor que cero (se ha leído -0.2 m)."},
        // Lo que queda lo rechaza el intervalo: el borde de 1 cm es válido, por debajo no.
        CasoRechazo{"b_medio_cm", TipoSeccion::Rectangular, "Valor2", "0.005",
                    "Ancho b debe estar entre 0.01 y 20 m (se ha leído 0.005 m)."},
        CasoRechazo{"b_30_m", TipoSeccion::Rectangular, "Valor2", "30",
                    "Ancho b debe estar entre 0.01 y 20 m (se ha leído 30 m)."}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(LeerGeometriaSeccion, BordesDelIntervaloYUnidades) {
    auto t = TextosPorOmision(CamposSeccionRectangular);
    t["Valor1"] = "20";
    t["Valor2"] = "0.01";
    t["Valor4"] = "0";
    const auto g = LeerGeometriaSeccion(t, TipoSeccion::Rectangular);
    ASSERT_TRUE(g.ok()) << g.error().mensaje;
    EXPECT_DOUBLE_EQ(g.valor().h, 20000.0);
    EXPECT_DOUBLE_EQ(g.valor().b, 10.0);
    EXPECT_DOUBLE_EQ(g.valor().d2, 30.0);
    EXPECT_DOUBLE_EQ(g.valor().d1, 0.0);
}

struct CasoEsfuerzo {
    const char* nombre;
    DatoConocido dato;
    const char* Valor5;
    const char* Valor6;
    const char* campo;
    const char* mensaje;
};

class EsfuerzosFuera : public ::testing::TestWithParam<CasoEsfuerzo> {};

TEST_P(EsfuerzosFuera, Rechazados) {
    const auto& c = GetParam();
    const TextosCampos t{{"Valor5", c.Valor5}, {"Valor6", c.Valor6}};
    const auto r = LeerSolicitacionesSeccion(t, c.dato);
    ASSERT_FALSE(r.ok()) << c.nombre;
    EXPECT_EQ(r.error().campo, c.campo);
    EXPECT_EQ(r.error().mensaje, c.mensaje);
}

INSTANTIATE_TEST_SUITE_P(
    Intervalos, EsfuerzosFuera,
    ::testing::Values(
        CasoEsfuerzo{"momento_3_4e38", DatoConocido::MomentoFlector, "3.4e38", "", "Valor5",
                     "Momento flector debe estar entre -1e+06 y 1e+06 kN·m (se ha leído 3.4e+38 "
                     "kN·m)."},
        CasoEsfuerzo{"axil_1e7", DatoConocido::MomentoFlector, "100", "-1e7", "Valor6",
                     "Esfuerzo normal debe estar entre -1e+06 y 1e+06 kN (se ha leído -1e+07 "
                     "kN)."},
        CasoEsfuerzo{"excentricidad_2_km", DatoConocido::Excentricidad, "2000", "100", "Valor5",
                     "Excentricidad debe estar entre -1000 y 1000 m (se ha leído 2000 m)."},
        CasoEsfuerzo{"axil_no_finito", DatoConocido::MomentoFlector, "", "1e308", "Valor6",
                     "El dato «Esfuerzo normal» es demasiado grande."}),
    [](const auto& i) { return std::string(i.param.nombre); });

TEST(LeerSolicitacionesSeccion, BordesAdmitidos) {
    const TextosCampos t{{"Valor5", "-1e6"}, {"Valor6", "1e6"}};
    const auto r = LeerSolicitacionesSeccion(t, DatoConocido::MomentoFlector);
    ASSERT_TRUE(r.ok()) << r.error().mensaje;
    EXPECT_DOUBLE_EQ(r.valor().Md, 1e12); // N·mm
    EXPECT_DOUBLE_EQ(r.valor().Nd, 1e9);  // N
    EXPECT_DOUBLE_EQ(r.valor().e0, 1000.0);
}

TEST(DatosSeccionIniciales, SonLosTextosDeLaDescripcion) {
    const auto d = DatosSeccionTIniciales();
    EXPECT_EQ(d.h, "1.00");
    EXPECT_EQ(d.hf, "0.20");
    EXPECT_EQ(d.bw, "0.20");
    EXPECT_EQ(d.d1, "0.10");
    EXPECT_FALSE(d.Rectangular);
    const auto t = TextosDeDatos(d);
    EXPECT_EQ(DatosDeTextos(t, TipoSeccion::EnT).b, "1.00");
}

TEST(ResistenciaValida, SoloDentroDelIntervalo) {
    for (const char* bien : {"20", "25", "27.5", "100", " 30 "})
        EXPECT_TRUE(ResistenciaValida(bien)) << bien;
    for (const char* mal : {"19.9", "100.5", "1e308", "nan", "abc", "", "-25"})
        EXPECT_FALSE(ResistenciaValida(mal)) << mal;
}

TEST(DerivarMateriales, ResistenciaFueraDeIntervalo) {
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionParametros p;
    p.ResistenciaCaracteristica = "1e308";
    const auto r = DerivarMateriales(e, p);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().mensaje, "Resistencia característica fck debe estar entre 20 y 100 N/mm² "
                                 "(se ha leído 1e+308 N/mm²).");
    EXPECT_EQ(e.fck, 0.0);
}

// Las mismas entradas por velmora-calc: error de la línea, nunca un resultado sin sentido.
struct CasoLinea {
    const char* nombre;
    const char* linea;
    const char* campo;
};

class LineasRechazadas : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineasRechazadas, OkFalseConElCampo) {
    const auto& c = GetParam();
    const Json r = Procesar(c.linea);
    EXPECT_EQ(r["ok"], false) << r.dump();
    EXPECT_EQ(r["campo"], c.campo) << r.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, LineasRechazadas,
    ::testing::Values(
        CasoLinea{"momento_enorme",
                  R"({"calculo":"seccion","DatosSeccion":{"Valor5":"3.4e38"}})", "Valor5"},
        CasoLinea{"bw_enorme",
                  R"({"calculo":"seccion","DatosSeccionT":{"Valorbw":"1e308"}})", "Valorbw"},
        CasoLinea{"hormigon_enorme",
                  R"({"calculo":"parametros","ParametrosGenerales":{"ResistenciaCaracteristica":"1e308"}})",
                  "ResistenciaCaracteristica"},
        CasoLinea{"momento_seccion_enorme",
                  R"({"calculo":"momento","DatosSeccion":{"Valor1":"1e308"},"ranuras":{"1":[[3,16]]}})",
                  "Valor1"}),
    [](const auto& i) { return std::string(i.param.nombre); });

} // namespace

namespace {

// Una viga de 20 × 20 m lleva la cuantía geométrica mínima a 13200 cm², cuya capacidad
// (13200·100·347.83 N ≈ 459130 kN) no cabe en el rótulo de 9 caracteres: se rechaza entero.
TEST(CalcularSeccion, ResultadoQueNoCabeEnSuRotulo) {
    EstadoDiseno e;
    InicializarTablas(e);
    ASSERT_TRUE(DerivarMateriales(e, EleccionParametros{}).ok());
    const TextosCampos t{{"Valor1", "20"}, {"Valor2", "20"}, {"Valor5", "1"}};
    const auto r = CalcularSeccion(e, t, TipoSeccion::Rectangular, DatoConocido::MomentoFlector,
                                   TipoDeElemento::Viga, 0, "10", "10");
    ASSERT_FALSE(r.ok());
    // La armadura mínima es la de la sección: el error nombra el canto.
    EXPECT_EQ(r.error().mensaje,
              "La armadura mínima de esta sección es A1 = 13200 cm² y A2 = 3960 cm² (capacidades "
              "de 459130 y 137739 kN), más de lo que muestran sus rótulos: reduzca la sección.");
    EXPECT_EQ(r.error().campo, "Valor1");
    EXPECT_EQ(e.h, 0.0); // el estado no cambia
}

} // namespace
