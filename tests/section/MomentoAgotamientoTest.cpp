#include "section/MomentoAgotamiento.h"

#include "SeccionReferencia.h"
#include "materiales/BloqueComprimido.h"
#include "section/DimensionarSeccion.h"
#include "design/MaterialesDelEstado.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace velmora;

namespace {

EstadoDiseno Preparada() {
    auto e = SeccionReferencia();
    CalcularLimites(e);
    return e;
}

TEST(MomentoAgotamiento, TresBarrasDe16SinCompresion) {
    auto e = Preparada();
    EXPECT_NEAR(e.xlim, 247.18, 0.005);
    const auto r = CalcularMomentoAgotamiento(e, {603.19, 0.0, true, false});
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(e.x, 69.41, 0.005);
    EXPECT_EQ(e.Dominio, 1u);
    EXPECT_NEAR(e.Cc, 209825, 0.5);
    EXPECT_NEAR(e.yc, 26.72, 0.005);
    EXPECT_EQ(TextoMomento(r.valor().Mu), "     72.03 kN*m");
    // Comprobación aparte: A1 en cedencia y momento respecto de la mitad del canto.
    const double Fs1 = 603.19 * e.fyd;
    EXPECT_NEAR(r.valor().Fs1, Fs1, 1e-6);
    EXPECT_NEAR(r.valor().Mu, Fs1 * 170.0 + e.Cc * (200.0 - e.yc), 1.0);
}

// Con armadura suficiente para pasar de xlim: dominio 4, equilibrio dentro de un paso.
TEST(MomentoAgotamiento, Dominio4ConArmaduraComprimida) {
    auto e = Preparada();
    const auto r = CalcularMomentoAgotamiento(e, {4000.0, 600.0, true, true});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(e.Dominio, 4u);
    EXPECT_GT(e.x, e.xlim);
    const double eps1 = 0.0035 * (e.d - e.x) / e.x;
    const double eps2 = 0.0035 * (e.x - e.d2) / e.x;
    EXPECT_NEAR(e.epsS1, eps1, 1e-15);
    const double Fs1 = 4000.0 * TensionAcero(e, eps1, e.fyd);
    const double Fs2 = 600.0 * TensionAcero(e, eps2, e.fyd);
    EXPECT_NEAR(Fs1 - Fs2 - e.Cc, 0.0, 2000.0);
    // Respecto de A1: Cc·(d − yc) + Fs2·(d − d2), igual salvo el desequilibrio de un paso.
    EXPECT_NEAR(r.valor().Mu, e.Cc * (e.d - e.yc) + Fs2 * (e.d - e.d2), 2000.0 * 170);
}

TEST(MomentoAgotamiento, SinArmadurasParaEnElPrimerPaso) {
    for (ArmaduraDada a :
         {ArmaduraDada{0, 0, true, true}, ArmaduraDada{603.19, 400, false, false}}) {
        auto e = Preparada();
        const auto r = CalcularMomentoAgotamiento(e, a);
        ASSERT_TRUE(r.ok());
        EXPECT_NEAR(e.x, 0.01, 1e-12);
        EXPECT_LT(std::fabs(r.valor().Mu), 1000.0); // menos de 0.001 kN·m
    }
}

TEST(MomentoAgotamiento, SoloArmaduraComprimidaTraccionadaSobreLaFibraNeutra) {
    // Mientras x < d2 la capa "comprimida" está en tracción: Fs2 negativo, suma a la tracción.
    auto e = Preparada();
    const auto r = CalcularMomentoAgotamiento(e, {0.0, 1000.0, false, true});
    ASSERT_TRUE(r.ok());
    EXPECT_LT(e.x, e.d2);
    EXPECT_LT(r.valor().Fs2, 0.0);
    EXPECT_TRUE(std::isfinite(r.valor().Mu));
}

TEST(MomentoAgotamiento, DatosQueNoSePuedenCalcular) {
    auto e = Preparada();
    e.fyd = 0;
    EXPECT_EQ(CalcularMomentoAgotamiento(e, {603.19, 0, true, true}).error().mensaje,
              MensajeConfirmarParametros);
    e = Preparada();
    EXPECT_EQ(CalcularMomentoAgotamiento(e, {-1.0, 0, true, true}).error().campo,
              "AreaTraccionada");
    EXPECT_EQ(CalcularMomentoAgotamiento(e, {0, NAN, true, true}).error().campo, "AreaComprimida");
    e.ArmaduraPasiva = false;
    e.fyd = 50.0; // diagrama activo fuera de su intervalo
    CalcularLimites(e);
    EXPECT_EQ(CalcularMomentoAgotamiento(e, {4000.0, 0, true, true}).error().mensaje,
              MensajeFueraDiagramaActivo);
}

} // namespace
