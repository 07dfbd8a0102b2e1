#pragma once
// Diseños al azar para comparar las dos búsquedas de la fibra neutra y medir su tiempo.

#include "design/EstadoDiseno.h"
#include "section/DimensionarSeccion.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace velmora {

struct Diseno {
    EstadoDiseno e;
    TipoDeElemento tipo = TipoDeElemento::Viga;
    int acero = 0;
};

// Un diseño al azar: materiales de los parámetros generales (los dos aceros, los cinco
// elementos), sección rectangular o en T, y esfuerzos desde cero hasta más allá del equilibrio.
inline Diseno DisenoAleatorio(std::mt19937_64& g) {
    auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
    auto n = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    Diseno r;
    EstadoDiseno& e = r.e;
    InicializarTablas(e);
    EleccionParametros p;
    p.DesignacionAcero = n(0, 1);
    p.ControlAcero = n(0, 1);
    p.ControlHormigon = n(0, 4) == 0 ? 1 : 0;
    p.ResistenciaCaracteristica = std::to_string(n(4, 10) * 5);
    p.SituacionProyecto = n(0, 1);
    AplicarTipoElemento(p, ElementoDelIndice(n(0, 4)).value_or(TipoDeElemento::Viga));
    if (p.ArmaduraSimetricaHabilitada)
        p.ArmaduraSimetricaMarcada = n(0, 3) != 0;
    if (p.HormigonadoVerticalHabilitado)
        p.HormigonadoVerticalMarcado = n(0, 1) == 1;
    if (!DerivarMateriales(e, p).ok())
        std::abort();
    r.tipo = p.TipoElemento;
    r.acero = p.DesignacionAcero;
    e.IndiceEs = n(0, 9) == 0 ? n(1, 3) : 2;
    e.ArmaduraPasiva = n(0, 49) != 0;

    e.SeccionRectangular = n(0, 1) == 0;
    e.h = std::round(u(100.0, 1500.0));
    e.b = std::round(u(100.0, 1500.0));
    e.d1 = std::round(u(0.0, 0.25) * e.h);
    e.d2 = std::round(u(0.0, 0.25) * e.h);
    if (!e.SeccionRectangular) {
        e.hf = std::round(u(0.05, 0.6) * e.h);
        e.bw = std::round(u(0.1, 1.0) * e.b);
    }
    e.d = e.h - e.d1;
    CalcularLimites(e);
    const double Nc = 0.85 * e.fcd * e.b * e.h; // axil del bloque de toda la sección
    e.Nd = n(0, 3) == 0 ? 0.0 : std::round(u(0.0, 1.0) * u(0.0, 1.0) * 1.6 * Nc);
    e.Md = std::round(u(0.0, 1.0) * u(0.0, 1.0) * 2.5 * e.Mlim);
    e.e0 = e.Nd > 0.0 ? e.Md / e.Nd : 0.0;
    return r;
}

} // namespace velmora
