// La búsqueda rápida de la fibra neutra frente a la de referencia, paso a paso: mismas
// profundidades de la suma de pasos y, en diseños al azar de todas las ramas, el mismo estado
// bit a bit y los mismos rótulos.

#include "section/BusquedaFibraNeutra.h"

#include "section/CasosDiseno.h"
#include "section/DimensionarSeccion.h"
#include "section/Dominio.h"
#include "section/PasosBusqueda.h"
#include "section/Resultados.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>

using namespace velmora;

namespace {

// Número de diseños comparados: VELMORA_DISENOS_COMPARADOS, o uno por omisión que cabe en la
// prueba ordinaria (menor sin optimizar, donde la búsqueda de referencia es muy lenta).
long DisenosComparados() {
    if (const char* v = std::getenv("VELMORA_DISENOS_COMPARADOS"))
        return std::atol(v);
#ifdef NDEBUG
    return 5000;
#else
    return 300;
#endif
}

TEST(PasosBusqueda, ProfundidadEsLaSumaPasoAPaso) {
    const std::int64_t n = DisenosComparados() >= 100000 ? 20000000 : 2500000; // 25 m o 200 m
    double x = 0.0;
    EXPECT_EQ(ProfundidadPaso(0), 0.0);
    for (std::int64_t k = 1; k <= n; ++k) {
        x += 0.01;
        if (ProfundidadPaso(k) != x)
            FAIL() << "k = " << k << ": " << ProfundidadPaso(k) << " frente a " << x;
    }
}

// Límites exactos (0.03, 30, 2000) y otros que caen entre dos pasos, frente a la suma paso a
// paso; el de 0.03 cae justo en un paso (0.01 + 0.01 + 0.01 da 0.03 en doble precisión).
TEST(PasosBusqueda, PrimerPasoMayorQue) {
    for (double limite : {0.0, 0.005, 0.03, 0.035, 30.0, 123.456, 2000.0}) {
        double x = 0.0;
        std::int64_t k = 0;
        do {
            x += 0.01;
            ++k;
        } while (x <= limite);
        EXPECT_EQ(PrimerPasoMayorQue(limite), k) << limite;
    }
    EXPECT_EQ(PrimerPasoMayorQue(0.03), 4);
}

struct Diseno {
    EstadoDiseno e;
    int tipo = 0, acero = 0;
};

// Un diseño al azar: materiales de los parámetros generales (los dos aceros, los cinco
// elementos), sección rectangular o en T, y esfuerzos desde cero hasta más allá del equilibrio.
Diseno DisenoAleatorio(std::mt19937_64& g) {
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
    AplicarTipoElemento(p, n(0, 4));
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

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// Todos los valores que escribe el dimensionamiento, bit a bit, y los rótulos que se muestran.
std::string Huella(const EstadoDiseno& e, const Estado& r, int tipo) {
    std::ostringstream s;
    s << (r.ok() ? std::string("ok") : r.error().mensaje + "|" + r.error().campo) << '\n';
    for (double v : {e.x, e.epsC, e.epsCInf, e.epsS1, e.epsS2, e.sigmaS1, e.sigmaS2, e.Cc, e.yc,
                     e.xiLim, e.xlim, e.Clim, e.yLim, e.Mlim, e.As1, e.As2, e.U1, e.U2, e.d})
        s << Bits(v) << ' ';
    s << e.Dominio << e.CuantiaMecanica << e.CuantiaGeometrica << e.MinimaCompresion << '\n'
      << e.Texto << '\n';
    if (!r.ok())
        return s.str();
    for (const auto& [control, rotulo] : MostrarResultados(e, tipo).PorControl())
        s << control << '=' << rotulo << '\n';
    for (const char* diametro : {"8", "12", "16", "25"}) {
        s << NumeroBarrasTraccion(e, diametro).valor() << '|'
          << NumeroBarrasCompresion(e, diametro).valor() << '\n';
    }
    if (const auto dibujo = CalcularDibujoDominio(e)) {
        s << dibujo.valor().Etiqueta;
        for (const auto& p : dibujo.valor().Puntos)
            s << ' ' << p.x << ',' << p.y;
    }
    return s.str();
}

// Rama del dimensionamiento que ha dado el resultado, para comprobar que la muestra las cubre.
std::string Rama(const EstadoDiseno& e, const Estado& r) {
    if (!r.ok())
        return "error: " + r.error().mensaje;
    std::string caso = e.Nd <= 0.0 ? "simple" : e.Simetrica ? "simetrica" : "compuesta";
    if (e.x == 1000.0)
        return caso + " x=1000";
    return caso + " dominio " + std::to_string(e.Dominio) + (e.SeccionRectangular ? "" : " T");
}

TEST(BusquedaFibraNeutra, RapidaIgualAPasoAPasoEnDisenosAlAzar) {
    std::mt19937_64 g(20261207);
    const long total = DisenosComparados();
    std::map<std::string, long> ramas;
    long distintos = 0;
    for (long i = 0; i < total; ++i) {
        const Diseno d = DisenoAleatorio(g);
        EstadoDiseno rapida = d.e, referencia = d.e;
        const Estado rr = DimensionarSeccion(rapida, d.tipo, d.acero, Busqueda::Rapida);
        const Estado rp = DimensionarSeccion(referencia, d.tipo, d.acero, Busqueda::PasoAPaso);
        ++ramas[Rama(referencia, rp)];
        const std::string a = Huella(rapida, rr, d.tipo), b = Huella(referencia, rp, d.tipo);
        if (a != b && ++distintos <= 5)
            ADD_FAILURE() << "diseño " << i << " (h " << d.e.h << ", b " << d.e.b << ", Md "
                          << d.e.Md << ", Nd " << d.e.Nd << ")\nrápida:\n"
                          << a << "\npaso a paso:\n"
                          << b;
    }
    EXPECT_EQ(distintos, 0);
    std::ostringstream lista;
    for (const auto& [rama, cuantos] : ramas)
        lista << rama << ": " << cuantos << '\n';
    RecordProperty("ramas", lista.str());
    std::cout << lista.str();
    // Toda rama con búsqueda aparece en la muestra.
    for (const char* rama : {"simple dominio 1", "simple dominio 2", "simple dominio 3",
                             "compuesta dominio 4", "compuesta dominio 5", "compuesta dominio 6",
                             "compuesta x=1000", "simetrica dominio 1", "simetrica dominio 2",
                             "simetrica dominio 4", "simetrica dominio 6", "simetrica x=1000",
                             "simetrica dominio 5", "simple dominio 1 T", "compuesta dominio 6 T",
                             "simetrica dominio 2 T", "simetrica dominio 6 T",
                             "error: No se alcanza el equilibrio de la sección con estos esfuerzos."})
        EXPECT_GT(ramas[rama], 0) << rama;
}

} // namespace
