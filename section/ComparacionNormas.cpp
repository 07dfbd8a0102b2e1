#include "section/ComparacionNormas.h"

#include "common/Numeros.h"
#include "design/MaterialesConNorma.h"
#include "design/MaterialesDelEstado.h"
#include "norma/Norma.h"
#include "section/DimensionarSeccion.h"
#include "section/Resultados.h"

#include <array>
#include <optional>
#include <cmath>

namespace velmora {

namespace {

// Lo que se compara de un dimensionamiento.
struct Disenado {
    double As1 = 0, As2 = 0;
    std::optional<double> x; // nada con la sección toda comprimida
    unsigned Dominio = 0;
    std::string Minimo;
};

std::string Dominio(unsigned codigo) {
    static constexpr std::array<const char*, 7> nombres{"—", "2", "3", "3-4", "4", "4a", "5"};
    return codigo < nombres.size() ? nombres[codigo] : "—";
}

// La cuantía mínima que rige, en pocas palabras.
std::string MinimoQueRige(const EstadoDiseno& e, TipoDeElemento tipo) {
    const std::string cuantia = RotularResultados(e, tipo).Cuantia;
    if (cuantia == "La armadura cumple las limitaciones de cuantías mínimas.")
        return "Ninguna";
    return cuantia;
}

Resultado<Disenado> Disenar(const EstadoDiseno& datos, const EleccionParametros& p,
                            Norma norma) {
    auto materiales = MaterialesConNorma(datos, p, norma);
    if (!materiales)
        return materiales.error();
    EstadoDiseno& e = materiales.valor();
    e.IndiceEs = IndiceEsSecciones;
    e.CuantiaMecanica = e.CuantiaGeometrica = e.MinimaCompresion = false;
    if (auto r = DimensionarSeccion(e, p.TipoElemento, p.DesignacionAcero); !r)
        return ErrorCalculo{NombreNorma(norma) + ": " + r.error().mensaje, r.error().campo};
    return Disenado{e.As1, e.As2, ProfundidadFibraNeutra(e), e.Dominio, MinimoQueRige(e, p.TipoElemento)};
}

std::string Cm2(double mm2) { return Formatear(mm2 * 0.01, 0, 3) + " cm²"; }

std::string Profundidad(std::optional<double> x) {
    return x ? Formatear(*x * 0.1, 0, 2) + " cm" : std::string("+Infinito");
}

} // namespace

Resultado<ComparacionNormas> CompararNormas(const EstadoDiseno& e, const EleccionParametros& p) {
    const auto a = Disenar(e, p, Norma::EHE98);
    if (!a)
        return a.error();
    const auto b = Disenar(e, p, Norma::CodigoEstructural);
    if (!b)
        return b.error();
    const Disenado& x = a.valor();
    const Disenado& y = b.valor();
    const bool infinita = !x.x || !y.x;
    ComparacionNormas c;
    c.Filas = {{"A1", Cm2(x.As1), Cm2(y.As1), TextoDiferencia(x.As1, y.As1)},
               {"A2", Cm2(x.As2), Cm2(y.As2), TextoDiferencia(x.As2, y.As2)},
               {"Profundidad de la fibra neutra x", Profundidad(x.x), Profundidad(y.x),
                infinita ? "—" : TextoDiferencia(*x.x, *y.x)},
               {"Dominio de deformación", Dominio(x.Dominio), Dominio(y.Dominio),
                x.Dominio == y.Dominio ? "igual" : "distinto"},
               {"Cuantía mínima que rige", x.Minimo, y.Minimo, "—"}};
    return c;
}

} // namespace velmora
