// velmora-calc en proceso: una tanda mixta de 10 000 secciones (rectangulares y en T, los cinco
// elementos, los dos aceros, esfuerzos desde cero hasta más allá del equilibrio), en diseños por
// segundo. Mide también, por separado, la lectura del JSON, para saber qué domina.

#include "cli/Tanda.h"
#include "documento/Contexto.h"
#include "documento/Lote.h"
#include "materiales/ehe98/Leyes.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

std::string Metros(double m) {
    std::ostringstream s;
    s.precision(3);
    s << std::fixed << m;
    return s.str();
}

// Las mismas líneas en cada ejecución (semilla fija).
const std::vector<std::string>& TandaMixta() {
    static const std::vector<std::string> lineas = [] {
        std::mt19937_64 g(14);
        auto u = [&](double a, double b) {
            return std::uniform_real_distribution<double>(a, b)(g);
        };
        auto n = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
        std::vector<std::string> v;
        for (int i = 0; i < 10000; ++i) {
            const double h = u(0.25, 1.2), b = u(0.2, 1.0), fcd = 25.0 / 1.5;
            const double Nc = ehe98::Cansancio * fcd * b * h * 1000.0; // kN
            const double Nd = n(0, 3) == 0 ? 0.0 : u(0.0, 1.0) * u(0.0, 1.0) * 1.4 * Nc;
            const double Md = u(0.0, 1.0) * u(0.0, 1.0) * 0.5 * fcd * b * h * h * 1000.0;
            std::string datos;
            if (n(0, 1) == 0)
                datos = R"("DatosSeccion": {"Valor1": ")" + Metros(h) + R"(", "Valor2": ")" +
                        Metros(b) + R"(", "Valor3": "0.04", "Valor4": "0.04", )";
            else
                datos = R"("DatosSeccionT": {"Valorh": ")" + Metros(h) + R"(", "Valorb": ")" +
                        Metros(b) + R"(", "Valorhf": ")" + Metros(0.2 * h) + R"(", "Valorbw": ")" +
                        Metros(0.3 * b) + R"(", "Valord2": "0.04", "Valord1": "0.04", )";
            v.push_back(R"({"calculo": "seccion", "ParametrosGenerales": {"GrupoTipoElemento": )" +
                        std::to_string(n(0, 4)) + R"(, "GrupoDesignacionAcero": )" +
                        std::to_string(n(0, 1)) + "}, " + datos + R"("Valor5": ")" +
                        std::to_string(Md) + R"(", "Valor6": ")" + std::to_string(Nd) + "\"}}");
        }
        return v;
    }();
    return lineas;
}

void TandaVelmoraCalc(benchmark::State& estado) {
    std::string texto;
    for (const auto& l : TandaMixta())
        texto += l + '\n';
    for (auto _ : estado) {
        std::istringstream entrada(texto);
        std::ostringstream salida;
        benchmark::DoNotOptimize(ProcesarFlujo(entrada, salida));
    }
    estado.SetItemsProcessed(estado.iterations() * static_cast<long>(TandaMixta().size()));
}

void TandaSoloLectura(benchmark::State& estado) {
    for (auto _ : estado)
        for (const auto& l : TandaMixta())
            benchmark::DoNotOptimize(nlohmann::json::parse(l));
    estado.SetItemsProcessed(estado.iterations() * static_cast<long>(TandaMixta().size()));
}

} // namespace

BENCHMARK(TandaVelmoraCalc)->Unit(benchmark::kMillisecond);
BENCHMARK(TandaSoloLectura)->Unit(benchmark::kMillisecond);

namespace {
// El volcado de `estado` de una respuesta: construirlo y escribirlo.
void VolcadoEstado(benchmark::State& estado) {
    EstadoDiseno e;
    InicializarTablas(e);
    e.x = 89.28000000000877;
    e.As1 = 862.220166666781;
    for (auto _ : estado)
        benchmark::DoNotOptimize(VolcarEstado(e).dump());
    estado.SetItemsProcessed(estado.iterations());
}
} // namespace
BENCHMARK(VolcadoEstado);
