// Los dibujos de las herramientas como SVG: un documento completo, sin números no finitos, con
// los valores que muestra la ventana.

#include "diagrams/SvgDiagramas.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

void DocumentoCompleto(const std::string& svg) {
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    for (const char* malo : {"nan", "inf", "-0.0 "})
        EXPECT_EQ(svg.find(malo), std::string::npos) << malo;
}

TEST(SvgDiagramaAcero, PasivaConPunto) {
    EstadoDiseno e;
    InicializarTablas(e);
    LeerDatosDiagrama(e, EleccionDiagrama{});
    const std::string svg = SvgDiagramaAcero(CalcularDibujoAcero(e, true, 0.001));
    DocumentoCompleto(svg);
    EXPECT_NE(svg.find("armadura pasiva"), std::string::npos);
    EXPECT_NE(svg.find("fyd = 347.8 N/mm²"), std::string::npos); // 400/1.15
    EXPECT_NE(svg.find("ε = 1.00 ‰, σ = 200.0 N/mm²"), std::string::npos);
}

TEST(SvgDiagramaAcero, ActivaSinPunto) {
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionDiagrama c;
    c.TipoDiagrama = TipoDiagramaAcero::Activa;
    LeerDatosDiagrama(e, c);
    const std::string svg = SvgDiagramaAcero(CalcularDibujoAcero(e, false, 0.0));
    DocumentoCompleto(svg);
    EXPECT_NE(svg.find("0.7·fyd"), std::string::npos);
    EXPECT_EQ(svg.find("ε = "), std::string::npos);
}

TEST(SvgBloque, RectangularYEnT) {
    for (int tipo : {0, 1}) {
        EstadoDiseno e;
        InicializarTablas(e);
        DatosParabola d;
        d.TipoSeccion = tipo;
        ASSERT_TRUE(CalcularParabola(e, d).ok());
        const std::string svg = SvgBloque(CalcularDibujoBloque(e));
        DocumentoCompleto(svg);
        EXPECT_NE(svg.find("x = 0.100 m"), std::string::npos);
        EXPECT_NE(svg.find("0.85·fcd = 14.17 N/mm²"), std::string::npos); // 0.85·25/1.5
    }
    EstadoDiseno e;
    InicializarTablas(e);
    ASSERT_TRUE(CalcularParabola(e, DatosParabola{}).ok());
    EXPECT_NE(SvgBloque(CalcularDibujoBloque(e)).find("C = 344.048 kN"), std::string::npos);
}

TEST(SvgBloque, SinCalcularSoloElAviso) {
    const std::string svg = SvgBloque(DibujoBloque{});
    DocumentoCompleto(svg);
    EXPECT_NE(svg.find("Pulse «Calcular»"), std::string::npos);
}

} // namespace
