// La traza de los cercos del pilar la escribe el propio cálculo: con traza o sin ella da el mismo
// armado, el de la mano; la separación que anota es la menor de las que calcula, el diámetro es
// el del cálculo y la rama de la raíz sólo aparece con una separación menor que 15·φmín.
//
// A mano, EHE-98 (art. 42.3.1): 300×300, d1 = 30, φ 12/16: 0.8·270 = 216, 300, 15·12 = 180 →
// st = 180 mm, φt = 16/4 = 4 → φ 6. 400×250, φ 20/25: 0.8·370 = 296, 250, 300 → st = 250 mm <
// 300, φt = 25·√(250/4800) = 5.705 → φ 6. 250×250, d1 = 50, φ 20/40: 0.8·200 = 160, 250, 300 →
// st = 160 mm, φt = 40·√(160/4800) = 7.303 → φ 8.
// Código Estructural (Anejo 19, 9.5.3): 300×300, φ 12/16: mín(180, 300, 300) = 180 mm, φt =
// máx(6, 4) = 6 mm. 400×250, φ 20/25: mín(300, 300, 250) = 250 mm, 25/4 = 6.25 → φ 8. 600×600,
// φ 25/25: mín(375, 300, 600) = 300 mm, φ 8.
#include "common/Expresion.h"
#include "common/Numeros.h"
#include "shear/Cercos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace velmora;

namespace {

struct CasoTrazaCercos {
    const char* nombre;
    Norma norma;
    double h, b, d1, phiMin, phiMax; // mm
    double sT, phiT;                 // mm, a mano
    int phi;                         // mm
    bool raiz;                       // rama φmáx·√(st/(240·φmín)) (EHE-98)
};
class TrazaDeCercos : public testing::TestWithParam<CasoTrazaCercos> {};

std::string TextoDeLaTraza(const Traza& t) {
    std::string s;
    for (const Paso& p : t.pasos)
        s += p.simbolo + " " + p.formula + " | " + p.descripcion + " (" + p.articulo + ")\n";
    return s;
}

TEST_P(TrazaDeCercos, PasosDelCalculo) {
    const auto& p = GetParam();
    EstadoDiseno e, sinTraza;
    e.norma = sinTraza.norma = p.norma;
    Traza t;
    const auto c = CalcularCercos(e, p.h, p.b, p.d1, p.phiMin, p.phiMax, &t);
    const auto s = CalcularCercos(sinTraza, p.h, p.b, p.d1, p.phiMin, p.phiMax);
    ASSERT_TRUE(c.ok() && s.ok());
    EXPECT_EQ((*c).Armadura, (*s).Armadura);
    EXPECT_DOUBLE_EQ((*c).sT, p.sT);
    EXPECT_NEAR((*c).phiT, p.phiT, 1e-3);
    EXPECT_EQ((*c).phi, p.phi);
    const std::string texto = TextoDeLaTraza(t);

    // La menor de las separaciones anotadas (y los 300 mm del Código Estructural) es la del
    // cálculo, y la nota de la que rige la dice.
    double menor = p.norma == Norma::CodigoEstructural ? 300.0 : 1e9;
    for (const Paso& paso : t.pasos)
        if (paso.tipo == Paso::Tipo::Calculo && paso.simbolo.rfind("s<sub>", 0) == 0)
            menor = std::min(menor, paso.valor);
    EXPECT_DOUBLE_EQ(menor, (*c).sT) << texto;
    EXPECT_NE(texto.find(Formatear((*c).sT, 0, 1) + " mm."), std::string::npos) << texto;

    const auto diametro = std::find_if(t.pasos.begin(), t.pasos.end(), [](const Paso& paso) {
        return paso.simbolo == "φ<sub>t</sub>";
    });
    ASSERT_NE(diametro, t.pasos.end()) << texto;
    EXPECT_DOUBLE_EQ(diametro->valor, p.norma == Norma::CodigoEstructural ? 0.25 * p.phiMax
                                                                            : (*c).phiT);
    EXPECT_EQ(texto.find("√") != std::string::npos, p.raiz) << texto;
    EXPECT_NE(t.pasos.back().descripcion.find("cerco: " + std::to_string(p.phi) + " mm"),
              std::string::npos)
        << texto;
    for (const Paso& paso : t.pasos)
        EXPECT_EQ(paso.articulo.rfind("Anejo 19", 0) == 0, p.norma == Norma::CodigoEstructural)
            << paso.descripcion;
    EXPECT_EQ(pruebas::ProblemasTraza(t), std::vector<std::string>{}) << texto;
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, TrazaDeCercos,
    testing::Values(
        CasoTrazaCercos{"QuinceDiametros", Norma::EHE98, 300, 300, 30, 12, 16, 180, 4, 6, false},
        CasoTrazaCercos{"LadoMenor", Norma::EHE98, 400, 250, 30, 20, 25, 250, 5.7054, 6, true},
        CasoTrazaCercos{"LadoMayor", Norma::EHE98, 250, 250, 50, 20, 40, 160, 7.3030, 8, true},
        CasoTrazaCercos{"CeQuinceDiametros", Norma::CodigoEstructural, 300, 300, 30, 12, 16, 180,
                        6, 6, false},
        CasoTrazaCercos{"CeLadoMenor", Norma::CodigoEstructural, 400, 250, 30, 20, 25, 250, 6.25,
                        8, false},
        CasoTrazaCercos{"CeTope300", Norma::CodigoEstructural, 600, 600, 40, 25, 25, 300, 6.25, 8,
                        false}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Un cálculo rechazado no deja pasos: ni por los datos ni por un cerco sin diámetro comercial
// (φmáx/4 = 50 mm), aunque las separaciones ya se hubieran calculado.
TEST(TrazaDeCercos, SinResultadoNoDejaPasos) {
    for (const Norma norma : {Norma::EHE98, Norma::CodigoEstructural}) {
        EstadoDiseno e;
        e.norma = norma;
        Traza t;
        EXPECT_FALSE(CalcularCercos(e, 400, 400, 30, 12, 200, &t).ok());
        EXPECT_FALSE(CalcularCercos(e, 400, 400, 30, 0, 16, &t).ok());
        EXPECT_TRUE(t.pasos.empty()) << TextoDeLaTraza(t);
    }
}

} // namespace
