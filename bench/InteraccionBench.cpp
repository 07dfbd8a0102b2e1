// Tiempo de una curva de interacción N–M completa (las dos mitades, afinadas hasta el 0.1 %) y de
// la comprobación de una combinación sobre ella.

#include "design/EstadoDiseno.h"
#include "design/MaterialesDelEstado.h"
#include "section/Interaccion.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace velmora;

// 200 × 400 mm, 2Ø16 por cara, HA-25, B 500 S; o la T de 1.00 × 1.00 m con 3000 + 600 mm².
EstadoDiseno Materiales() {
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionParametros p;
    p.DesignacionAcero = 1;
    if (!DerivarMateriales(e, p).ok())
        std::abort();
    e.IndiceEs = IndiceEsSecciones;
    return e;
}

SeccionInteraccion Seccion(bool enT) {
    SeccionInteraccion s;
    if (enT) {
        s.Rectangular = false;
        s.h = 1000, s.b = 1000, s.hf = 200, s.bw = 200, s.d1 = s.d2 = 100;
        s.A1 = 3000, s.A2 = 600;
    } else {
        s.h = 400, s.b = 200, s.d1 = s.d2 = 50;
        s.A1 = s.A2 = 402.12;
    }
    return s;
}

void Curva(benchmark::State& estado) {
    const auto e = Materiales();
    const auto s = Seccion(estado.range(0) != 0);
    std::size_t puntos = 0;
    for (auto _ : estado) {
        auto d = CalcularInteraccion(e, s);
        if (!d.ok())
            std::abort();
        puntos = d.valor().Contorno.size();
        benchmark::DoNotOptimize(d);
    }
    estado.counters["puntos"] = static_cast<double>(puntos);
}
BENCHMARK(Curva)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void Combinacion(benchmark::State& estado) {
    const auto d = CalcularInteraccion(Materiales(), Seccion(false));
    if (!d.ok())
        std::abort();
    for (auto _ : estado)
        benchmark::DoNotOptimize(ComprobarCombinacion(d.valor(), {"ELU", 350e3, 40e6}));
}
BENCHMARK(Combinacion)->Unit(benchmark::kMicrosecond);

} // namespace
