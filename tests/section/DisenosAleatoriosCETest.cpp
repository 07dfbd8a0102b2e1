// Propiedad del dimensionamiento con el Código Estructural: toda sección dimensionada, rectangular
// o en T, en flexión simple, compuesta o compuesta simétrica, resiste sus esfuerzos según su
// propio diagrama de interacción (y, en flexión simple, según su momento de agotamiento), con las
// mismas leyes.

#include "LeyesCE.h"
#include "section/Interaccion.h"
#include "section/ce/Seccion.h"

#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

using namespace velmora;
using namespace pruebas_ce;

struct Diseno {
    EstadoDiseno e;
    LeyesSeccion l;
};

Diseno Aleatorio(std::mt19937& g, int rama) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const double fck = 20.0 + 5.0 * std::floor(u(g) * 15.0); // 20..90
    const double fyk = u(g) < 0.5 ? 400.0 : 500.0;
    const double h = 200.0 + u(g) * 1000.0;
    const double b = 200.0 + u(g) * 800.0;
    const double r = 20.0 + u(g) * 0.12 * h;
    Diseno d{Rectangulo(b, h, r, fck, fyk), Leyes(fck, fyk)};
    EstadoDiseno& e = d.e;
    e.d2 = 20.0 + u(g) * 0.12 * h;
    if (u(g) < 0.3) {
        e.SeccionRectangular = false;
        e.hf = (0.1 + 0.3 * u(g)) * h;
        e.bw = (0.2 + 0.6 * u(g)) * b;
    }
    ce::CalcularLimites(e, d.l);
    // Hasta 1.4 veces el axil del hormigón solo: la armadura no pasa mucho de la cuantía máxima.
    const double Ac = e.SeccionRectangular ? b * h : b * e.hf + e.bw * (h - e.hf);
    const double Ncap = e.fcd * Ac / 1.6 * 1.4;
    e.Simetrica = rama == 2;
    e.Nd = rama == 0 ? 0.0 : Ncap * 1.6 * u(g);
    e.Md = e.Mlim * (u(g) < 0.1 ? 0.01 : 2.0) * u(g) + (rama == 0 ? 0.0 : e.Nd * h * 0.05 * u(g));
    e.e0 = e.Nd > 0.0 ? e.Md / e.Nd : 0.0;
    return d;
}

std::string Describir(const EstadoDiseno& e) {
    std::ostringstream s;
    s << (e.SeccionRectangular ? "rect" : "T") << " b=" << e.b << " h=" << e.h << " hf=" << e.hf
      << " bw=" << e.bw << " d1=" << e.d1 << " d2=" << e.d2 << " fck=" << e.fck
      << " fyd=" << e.fyd << " Nd=" << e.Nd << " Md=" << e.Md << " sim=" << e.Simetrica
      << " -> x=" << e.x << " As1=" << e.As1 << " As2=" << e.As2 << " dom=" << e.Dominio;
    return s.str();
}

TEST(DisenosAleatoriosCE, CadaDisenoResisteSusEsfuerzos) {
    std::mt19937 g(20211110);
    const auto inicio = std::chrono::steady_clock::now();
    int fallos = 0, comprobados = 0, sinEquilibrio = 0;
    for (int i = 0; i < 10000; ++i) {
        Diseno d = Aleatorio(g, i % 3);
        EstadoDiseno& e = d.e;
        if (!ce::DimensionarCaso(e, d.l).ok()) {
            ++sinEquilibrio; // ni con toda la sección de acero
            continue;
        }
        ASSERT_TRUE(EstadoFinito(e)) << Describir(e);
        ASSERT_GE(e.As1, 0.0) << Describir(e);
        ASSERT_GE(e.As2, 0.0) << Describir(e);
        if (e.As1 + e.As2 <= 0.0)
            continue; // sin armadura no hay diagrama: el hormigón solo basta
        const auto r = CalcularInteraccion(MaterialesDeLeyes(d.l), SeccionDelEstado(e, e.As1, e.As2));
        ASSERT_TRUE(r.ok()) << r.error().mensaje << " " << Describir(e);
        const auto c = ComprobarCombinacion(r.valor(), {"", e.Nd, e.Md});
        ++comprobados;
        if (!c.Nula && c.Gamma < 1.0 - 1e-6 && ++fallos <= 10)
            ADD_FAILURE() << "γ = " << c.Gamma << " " << Describir(e);
        if (e.Nd == 0.0) {
            EstadoDiseno m = e;
            const auto mu = ce::MomentoAgotamiento(m, {e.As1, e.As2, true, true}, d.l);
            ASSERT_TRUE(mu.ok());
            if (mu.valor().Mu < e.Md * (1.0 - 1e-9) && ++fallos <= 10)
                ADD_FAILURE() << "Mu = " << mu.valor().Mu << " " << Describir(e);
        }
    }
    EXPECT_EQ(fallos, 0);
    EXPECT_GT(comprobados, 9000);
    EXPECT_LT(sinEquilibrio, 10);
    const std::chrono::duration<double> t = std::chrono::steady_clock::now() - inicio;
    RecordProperty("segundos", std::to_string(t.count()));
}

} // namespace
