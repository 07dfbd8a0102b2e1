// Los materiales de los parámetros generales anotan sus pasos al derivarlos: fyd, fyc,d y fcd de
// la traza son los del estado, cada sustitución da su valor y una nota dice qué coeficientes
// rigen. Los valores mismos, a mano, están en las pruebas de los materiales.
#include "common/Expresion.h"
#include "design/EstadoDiseno.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmora;

namespace {

struct CasoMateriales {
    const char* nombre;
    Norma norma;
    int acero, controlAcero, controlHormigon, situacion;
    const char* fck;
    const char* alfa;
    bool vertical;
    const char* nota; // texto que ha de dar alguna nota
};
class TrazaMateriales : public testing::TestWithParam<CasoMateriales> {};

const Paso* PasoDe(const Traza& t, const std::string& simbolo) {
    for (const Paso& p : t.pasos)
        if (p.simbolo == simbolo)
            return &p;
    return nullptr;
}

EleccionParametros Eleccion(const CasoMateriales& c) {
    EleccionParametros p;
    p.norma = c.norma;
    p.DesignacionAcero = c.acero;
    p.ControlAcero = c.controlAcero;
    p.ControlHormigon = c.controlHormigon;
    p.SituacionProyecto = c.situacion;
    p.ResistenciaCaracteristica = c.fck;
    p.CoeficienteAlfaCC = c.alfa;
    if (c.vertical)
        AplicarTipoElemento(p, TipoDeElemento::Soporte);
    return p;
}

TEST_P(TrazaMateriales, PasosConLosValoresDelEstado) {
    const auto& c = GetParam();
    EstadoDiseno e, sinTraza;
    InicializarTablas(e);
    InicializarTablas(sinTraza);
    Traza t;
    ASSERT_TRUE(DerivarMateriales(e, Eleccion(c), &t).ok());
    ASSERT_TRUE(DerivarMateriales(sinTraza, Eleccion(c)).ok());
    EXPECT_EQ(e.fyd, sinTraza.fyd);
    EXPECT_EQ(e.fycd, sinTraza.fycd);
    EXPECT_EQ(e.fcd, sinTraza.fcd);
    const Paso* fyd = PasoDe(t, "f<sub>yd</sub>");
    const Paso* fycd = PasoDe(t, "f<sub>yc,d</sub>");
    const Paso* fcd = PasoDe(t, "f<sub>cd</sub>");
    ASSERT_TRUE(fyd && fycd && fcd);
    EXPECT_EQ(fyd->valor, e.fyd);
    EXPECT_EQ(fycd->valor, e.fycd);
    EXPECT_EQ(fcd->valor, e.fcd);
    EXPECT_EQ(&t.pasos.back(), fcd);
    std::string notas;
    for (const Paso& p : t.pasos) {
        EXPECT_EQ(p.articulo.rfind("Anejo 19", 0) == 0, c.norma == Norma::CodigoEstructural)
            << p.descripcion;
        if (p.tipo == Paso::Tipo::Nota)
            notas += p.descripcion + "\n";
    }
    EXPECT_NE(notas.find(c.nota), std::string::npos) << notas;
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, TrazaMateriales,
    testing::Values(
        CasoMateriales{"B400S", Norma::EHE98, 0, 0, 0, 0, "25", "1.00", false,
                       "γ<sub>s</sub> = 1.15 y γ<sub>c</sub> = 1.50"},
        CasoMateriales{"ReducidoAccidental", Norma::EHE98, 1, 1, 0, 1, "30", "1.00", false,
                       "Situación accidental: γ<sub>s</sub> = 1.00"},
        CasoMateriales{"HormigonReducido", Norma::EHE98, 1, 0, 1, 0, "50", "1.00", false,
                       "de modo que f<sub>cd</sub> = 10 N/mm²"},
        CasoMateriales{"Vertical", Norma::EHE98, 0, 0, 0, 0, "25", "1.00", true,
                       "persistente o transitoria"},
        CasoMateriales{"CeAlfa", Norma::CodigoEstructural, 1, 0, 0, 0, "30", "0.85", false,
                       "γ<sub>s</sub> = 1.15 y γ<sub>c</sub> = 1.50"},
        CasoMateriales{"CeIntenso", Norma::CodigoEstructural, 0, 1, 1, 0, "25", "1.00", false,
                       "con control intenso"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Unos datos rechazados no dejan pasos ni cambian el estado.
TEST(TrazaMateriales, RechazoSinPasos) {
    for (const auto& [norma, fck, alfa] :
         {std::tuple{Norma::EHE98, "abc", "1.00"}, std::tuple{Norma::CodigoEstructural, "25", "0.5"},
          std::tuple{Norma::CodigoEstructural, "95", "1.00"}}) {
        EstadoDiseno e;
        InicializarTablas(e);
        EleccionParametros p;
        p.norma = norma;
        p.ResistenciaCaracteristica = fck;
        p.CoeficienteAlfaCC = alfa;
        Traza t;
        EXPECT_FALSE(DerivarMateriales(e, p, &t).ok()) << fck << " " << alfa;
        EXPECT_TRUE(t.pasos.empty());
        EXPECT_EQ(e.fcd, EstadoDiseno{}.fcd);
    }
}

} // namespace
