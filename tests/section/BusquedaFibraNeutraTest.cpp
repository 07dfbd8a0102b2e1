// La búsqueda rápida de la fibra neutra frente a la de referencia, paso a paso: mismas
// profundidades de la suma de pasos y, en diseños al azar de todas las ramas, el mismo estado
// bit a bit y los mismos rótulos.

#include "section/BusquedaFibraNeutra.h"

#include "section/CasosDiseno.h"
#include "section/DimensionarSeccion.h"
#include "section/Dominio.h"
#include "section/MomentoAgotamiento.h"
#include "section/PasosBusqueda.h"
#include "section/Resultados.h"
#include "tests/section/DisenosAleatorios.h"

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

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// Todos los valores que escribe el dimensionamiento, bit a bit, y los rótulos que se muestran.
std::string Huella(const EstadoDiseno& e, const Estado& r, TipoDeElemento tipo) {
    std::ostringstream s;
    s << (r.ok() ? std::string("ok") : r.error().mensaje + "|" + r.error().campo) << '\n';
    for (double v : {e.x, e.epsC, e.epsCInf, e.epsS1, e.epsS2, e.sigmaS1, e.sigmaS2, e.Cc, e.yc,
                     e.xiLim, e.xlim, e.Clim, e.yLim, e.Mlim, e.As1, e.As2, e.U1, e.U2, e.d})
        s << Bits(v) << ' ';
    s << e.Dominio << e.CuantiaMecanica << e.CuantiaGeometrica << e.MinimaCompresion << '\n'
      << e.Texto << '\n';
    if (!r.ok())
        return s.str();
    for (const auto& [control, rotulo] : RotularResultados(e, tipo).PorControl())
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
    EXPECT_GT(ramas["error: " + std::string(MensajeSinEquilibrio)], 0);
    // Toda rama con búsqueda aparece en la muestra.
    for (const char* rama : {"simple dominio 1", "simple dominio 2", "simple dominio 3",
                             "compuesta dominio 4", "compuesta dominio 5", "compuesta dominio 6",
                             "compuesta x=1000", "simetrica dominio 1", "simetrica dominio 2",
                             "simetrica dominio 4", "simetrica dominio 6", "simetrica x=1000",
                             "simetrica dominio 5", "simple dominio 1 T", "compuesta dominio 6 T",
                             "simetrica dominio 2 T", "simetrica dominio 6 T"})
        EXPECT_GT(ramas[rama], 0) << rama;
}

// Momento de agotamiento de las mismas secciones, con armaduras al azar (también ninguna, o
// sólo la comprimida) y las dos casillas.
std::string HuellaMomento(const EstadoDiseno& e, const Resultado<MomentoResultado>& r) {
    std::ostringstream s;
    s << (r.ok() ? std::string("ok") : r.error().mensaje) << '\n';
    for (double v : {e.x, e.epsC, e.epsCInf, e.epsS1, e.epsS2, e.Cc, e.yc})
        s << Bits(v) << ' ';
    s << e.Dominio << '\n';
    if (!r.ok())
        return s.str();
    s << Bits(r.valor().Fs1) << ' ' << Bits(r.valor().Fs2) << ' ' << TextoMomento(r.valor().Mu);
    if (const auto dibujo = CalcularDibujoDominio(e))
        for (const auto& p : dibujo.valor().Puntos)
            s << ' ' << p.x << ',' << p.y;
    return s.str();
}

TEST(BusquedaFibraNeutra, MomentoAgotamientoRapidoIgualAPasoAPaso) {
    std::mt19937_64 g(14);
    const long total = DisenosComparados() / 5;
    std::map<unsigned, long> dominios;
    long distintos = 0;
    for (long i = 0; i < total; ++i) {
        const Diseno d = DisenoAleatorio(g);
        const double cuantia = std::uniform_real_distribution<double>(0.0, 0.06)(g);
        const double bh = d.e.b * d.e.h;
        ArmaduraDada a;
        a.As1Dada = std::round(cuantia * bh);
        a.As2Dada = std::round(std::uniform_real_distribution<double>(0.0, 1.0)(g) * cuantia * bh);
        a.Traccionada = g() % 8 != 0;
        a.Comprimida = g() % 3 != 0;
        EstadoDiseno rapida = d.e, referencia = d.e;
        const auto rr = CalcularMomentoAgotamiento(rapida, a, Busqueda::Rapida);
        const auto rp = CalcularMomentoAgotamiento(referencia, a, Busqueda::PasoAPaso);
        ++dominios[rp.ok() ? referencia.Dominio : 0];
        const std::string x = HuellaMomento(rapida, rr), y = HuellaMomento(referencia, rp);
        if (x != y && ++distintos <= 5)
            ADD_FAILURE() << "diseño " << i << "\nrápida:\n" << x << "\npaso a paso:\n" << y;
    }
    EXPECT_EQ(distintos, 0);
    for (unsigned dominio : {1u, 2u, 4u})
        EXPECT_GT(dominios[dominio], 0) << dominio;
}

} // namespace
