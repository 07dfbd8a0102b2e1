// Tiempo de un dimensionamiento completo (DimensionarSeccion) en cada caso de cálculo, en
// sección rectangular y en T, y del momento de agotamiento.

#include "design/EstadoDiseno.h"
#include "section/DimensionarSeccion.h"
#include "section/MomentoAgotamiento.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace velmora;

namespace {

EstadoDiseno Seccion(bool enT, bool simetrica) {
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionParametros p;
    if (simetrica)
        AplicarTipoElemento(p, 1);
    if (!DerivarMateriales(e, p).ok())
        std::abort();
    e.IndiceEs = 2;
    e.SeccionRectangular = !enT;
    if (enT) {
        e.h = 1000;
        e.b = 1000;
        e.hf = 200;
        e.bw = 200;
        e.d1 = e.d2 = 100;
    } else {
        e.h = 400;
        e.b = 300;
        e.d1 = e.d2 = 30;
    }
    return e;
}

// Argumentos: Md (kN·m), Nd (kN), simétrica, en T, búsqueda (0 rápida, 1 paso a paso).
void Dimensionar(benchmark::State& estado) {
    const double Md = static_cast<double>(estado.range(0)) * 1e6;
    const double Nd = static_cast<double>(estado.range(1)) * 1e3;
    const bool simetrica = estado.range(2) != 0;
    const bool enT = estado.range(3) != 0;
    const EstadoDiseno base = Seccion(enT, simetrica);
    const int tipo = simetrica ? 1 : 0;
    const Busqueda modo = estado.range(4) != 0 ? Busqueda::PasoAPaso : Busqueda::Rapida;
    for (auto _ : estado) {
        EstadoDiseno e = base;
        e.Md = Md;
        e.Nd = Nd;
        e.e0 = Nd > 0 ? Md / Nd : 0.0;
        const auto r = DimensionarSeccion(e, tipo, 0, modo);
        if (!r.ok())
            estado.SkipWithError(r.error().mensaje.c_str());
        benchmark::DoNotOptimize(e.As1);
    }
}

void MomentoAgotamiento(benchmark::State& estado) {
    const bool enT = estado.range(0) != 0;
    EstadoDiseno base = Seccion(enT, false);
    CalcularLimites(base);
    const ArmaduraDada a{enT ? 3000.0 : 603.19, enT ? 600.0 : 0.0, true, enT};
    for (auto _ : estado) {
        EstadoDiseno e = base;
        const auto r = CalcularMomentoAgotamiento(e, a);
        benchmark::DoNotOptimize(r.ok());
    }
}

} // namespace

// Cada caso con la búsqueda rápida y con la de referencia, paso a paso.
#define CASO(nombre, ...)                                                                   \
    BENCHMARK(Dimensionar)->Name(nombre "/rapida")->Args({__VA_ARGS__, 0});                 \
    BENCHMARK(Dimensionar)->Name(nombre "/paso_a_paso")->Args({__VA_ARGS__, 1})

// Rectangular 300 × 400.
CASO("Rect/FlexionSimple/busqueda", 100, 0, 0, 0);
CASO("Rect/FlexionSimple/limite", 250, 0, 0, 0);
CASO("Rect/FlexionCompuesta/A_busqueda", 150, 200, 0, 0);
CASO("Rect/FlexionCompuesta/A_limite", 150, 600, 0, 0);
CASO("Rect/FlexionCompuesta/B_dominio4", 120, 1200, 0, 0);
CASO("Rect/FlexionCompuesta/B_dominio5", 50, 1500, 0, 0);
CASO("Rect/FlexionCompuesta/C_centrada", 10, 2000, 0, 0);
CASO("Rect/Simetrica/L", 150, 600, 1, 0);
CASO("Rect/Simetrica/S_dominio5", 50, 1500, 1, 0);
CASO("Rect/Simetrica/S_sin_limite", 10, 2000, 1, 0);
// En T 1.00 × 1.00, cabeza 0.20, alma 0.20.
CASO("T/FlexionSimple/busqueda", 1000, 0, 0, 1);
CASO("T/FlexionSimple/limite", 3000, 0, 0, 1);
CASO("T/FlexionCompuesta/A_busqueda", 1000, 3000, 0, 1);
CASO("T/FlexionCompuesta/A_limite", 2000, 3000, 0, 1);
CASO("T/FlexionCompuesta/B_dominio5", 1000, 5000, 0, 1);
CASO("T/FlexionCompuesta/C_centrada", 0, 20000, 0, 1);
CASO("T/Simetrica/L", 2000, 5000, 1, 1);
CASO("T/Simetrica/S_sin_limite", 0, 3000, 1, 1);
BENCHMARK(MomentoAgotamiento)->Name("Rect/MomentoAgotamiento")->Arg(0);
BENCHMARK(MomentoAgotamiento)->Name("T/MomentoAgotamiento")->Arg(1);
