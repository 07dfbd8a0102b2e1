// Tiempo de un dimensionamiento completo (DimensionarSeccion) en cada caso de cálculo, en
// sección rectangular y en T, con la búsqueda rápida de la fibra neutra y con la de paso a paso;
// del momento de agotamiento; y, uno a uno, de 10 000 diseños al azar.

#include "design/EstadoDiseno.h"
#include "design/MaterialesDelEstado.h"
#include "section/DimensionarSeccion.h"
#include "section/MomentoAgotamiento.h"

#include "tests/section/DisenosAleatorios.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <vector>

using namespace velmora;

namespace {

// Sección 0: rectangular 0.30 × 0.40 m; 1: en T 1.00 × 1.00 m; 2: rectangular 1.00 × 20.00 m.
EstadoDiseno Seccion(int seccion, bool simetrica) {
    const bool enT = seccion == 1;
    EstadoDiseno e;
    InicializarTablas(e);
    EleccionParametros p;
    if (simetrica)
        AplicarTipoElemento(p, TipoDeElemento::Soporte);
    if (!DerivarMateriales(e, p).ok())
        std::abort();
    e.IndiceEs = IndiceEsSecciones;
    e.SeccionRectangular = !enT;
    if (enT) {
        e.h = 1000;
        e.b = 1000;
        e.hf = 200;
        e.bw = 200;
        e.d1 = e.d2 = 100;
    } else if (seccion == 2) {
        e.h = 20000;
        e.b = 1000;
        e.d1 = e.d2 = 50;
    } else {
        e.h = 400;
        e.b = 300;
        e.d1 = e.d2 = 30;
    }
    return e;
}

// Argumentos: Md (kN·m), Nd (kN), simétrica, sección, búsqueda (0 rápida, 1 paso a paso).
void Dimensionar(benchmark::State& estado) {
    const double Md = static_cast<double>(estado.range(0)) * 1e6;
    const double Nd = static_cast<double>(estado.range(1)) * 1e3;
    const bool simetrica = estado.range(2) != 0;
    const EstadoDiseno base = Seccion(static_cast<int>(estado.range(3)), simetrica);
    const auto tipo = simetrica ? TipoDeElemento::Soporte : TipoDeElemento::Viga;
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
    EstadoDiseno base = Seccion(enT ? 1 : 0, false);
    CalcularLimites(base);
    const ArmaduraDada a{enT ? 3000.0 : 603.19, enT ? 600.0 : 0.0, true, enT};
    for (auto _ : estado) {
        EstadoDiseno e = base;
        const auto r = CalcularMomentoAgotamiento(e, a);
        benchmark::DoNotOptimize(r.ok());
    }
}

// Cada uno de 10 000 diseños al azar (los de la comparación de las búsquedas), cronometrado por
// separado; de varias vueltas, el menor tiempo de cada diseño. Contadores: la mediana, el máximo
// y el máximo de los que acaban en el dominio 5 (Dominio 6), en µs.
void DisenosAlAzar(benchmark::State& estado) {
    std::mt19937_64 g(20261207);
    std::vector<Diseno> disenos;
    for (int i = 0; i < 10000; ++i)
        disenos.push_back(DisenoAleatorio(g));
    std::vector<double> t(disenos.size(), 1e30);
    std::vector<bool> dominio5(disenos.size());
    for (auto _ : estado) {
        for (std::size_t i = 0; i < disenos.size(); ++i) {
            EstadoDiseno e = disenos[i].e;
            const auto t0 = std::chrono::steady_clock::now();
            const auto r = DimensionarSeccion(e, disenos[i].tipo, disenos[i].acero);
            const auto t1 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(r.ok());
            t[i] = std::min(t[i], std::chrono::duration<double, std::micro>(t1 - t0).count());
            dominio5[i] = r.ok() && e.Dominio == 6;
        }
    }
    double peorDominio5 = 0.0;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (dominio5[i])
            peorDominio5 = std::max(peorDominio5, t[i]);
    std::vector<double> orden = t;
    std::nth_element(orden.begin(), orden.begin() + static_cast<long>(orden.size() / 2), orden.end());
    estado.counters["mediana_us"] = orden[orden.size() / 2];
    estado.counters["maximo_us"] = *std::max_element(t.begin(), t.end());
    estado.counters["peor_dominio5_us"] = peorDominio5;
    estado.SetItemsProcessed(estado.iterations() * static_cast<long>(disenos.size()));
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
// Rectangular 1.00 × 20.00 m, el canto máximo: dominio 5 y sección toda comprimida (hasta 5·h).
CASO("Rect20m/FlexionCompuesta/B_dominio5", 1000, 200000, 0, 2);
CASO("Rect20m/Simetrica/S_sin_limite", 100, 400000, 1, 2);
BENCHMARK(MomentoAgotamiento)->Name("Rect/MomentoAgotamiento")->Arg(0);
BENCHMARK(MomentoAgotamiento)->Name("T/MomentoAgotamiento")->Arg(1);
BENCHMARK(DisenosAlAzar)->Unit(benchmark::kMillisecond)->MinTime(2.0);
