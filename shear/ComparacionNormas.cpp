#include "shear/ComparacionNormas.h"

#include "common/Numeros.h"
#include "design/MaterialesConNorma.h"
#include "shear/ComunCortante.h"
#include "shear/ce/Ecuaciones.h"

#include <array>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

using cortante::Angulo;

std::string Kn(double N) {
    return Formatear(N * 0.001, 0, 2) + " kN";
}

std::string Cm(double mm) {
    return Formatear(mm * 0.1, 0, 1) + " cm";
}

std::string Mm(double mm) {
    return Formatear(mm, 0, 2) + " mm";
}

// Lo calculado con una norma; sin cálculo, el motivo va en sus celdas.
struct ColumnaCortante {
    std::optional<CalculoCortante> calculo;
    TextosZonas zonas;
};

Resultado<ColumnaCortante> CalcularColumna(const EstadoDiseno& e, const EleccionParametros& p,
                                           Norma n, const DatosCortante& d,
                                           const EleccionZonas& zonas) {
    auto materiales = MaterialesConNorma(e, p, n);
    if (!materiales)
        return materiales.error();
    const auto c = CalcularCortante(materiales.valor(), d);
    if (!c)
        return ErrorConNorma(n, c.error());
    return ColumnaCortante{c.valor(), CalcularZonas(c.valor(), zonas)};
}

// θ que admiten las dos normas: el escrito si 0.5 ≤ cot θ ≤ 2 (EHE-98, art. 44.2.3.1; Anejo 19,
// 6.2.3(2)); si no, el del límite más cercano. Fuera de él el factor β de la EHE-98 sería
// negativo, y con él Vcu.
double TetaAdmitida(double teta) {
    const double cot = cortante::Cot(cortante::Radianes(teta));
    const auto grados = [](double cotLimite) {
        return std::atan(1.0 / cotLimite) * 180.0 / std::numbers::pi;
    };
    if (cot > ce::CotTetaMaxima)
        return grados(ce::CotTetaMaxima);
    if (cot < ce::CotTetaMinima)
        return grados(ce::CotTetaMinima);
    return teta;
}

bool AlfaAdmitidaCE(double alfa) {
    return alfa >= ce::AlfaMinima && alfa <= ce::AlfaMaxima;
}

// Filas de los ángulos escritos `d`; `tetaUsada`, la θ con que calculan las dos normas.
std::vector<FilaComparacion> FilasAngulos(const DatosCortante& d, double tetaUsada) {
    std::string teta = Angulo(tetaUsada);
    if (tetaUsada != d.teta)
        teta +=
            " (cot θ = " + NumeroLegible(tetaUsada < 45.0 ? ce::CotTetaMaxima : ce::CotTetaMinima) +
            "; escrito " + Angulo(d.teta) + ")";
    std::string alfa = Angulo(d.alfa);
    if (!AlfaAdmitidaCE(d.alfa))
        alfa += ": fuera de 45º a 90º (Anejo 19, 9.2.2(1))";
    return {{"Ángulo θ de las bielas", teta, teta, "—"},
            {"Ángulo θe de las fisuras", Angulo(d.tetae), "no se aplica", "—"},
            {"Ángulo α de los cercos", Angulo(d.alfa), alfa, "—"}};
}

ValorComparado Valor(const ColumnaCortante& c, double (*de)(const CalculoCortante&)) {
    if (!c.calculo)
        return {};
    return {de(*c.calculo)};
}

std::string Veredicto(const ColumnaCortante& c) {
    if (!c.calculo)
        return ValorComparado{}.motivo;
    return c.calculo->Agotamiento ? "se agota" : "no se agota";
}

// Separación, contribución de los cercos y agotamiento de una zona; una zona rechazada
// muestra su motivo.
void AnadirZona(std::vector<FilaComparacion>& filas, const ColumnaCortante& a,
                const ColumnaCortante& b, std::size_t i) {
    const std::string zona = i == 0 ? ", zona de apoyo" : ", zona central";
    struct Magnitud {
        const char* nombre;
        double (*de)(const CalculoCortante&, const TextosZona&);
        std::string (*texto)(double);
    };
    static constexpr std::array<Magnitud, 3> magnitudes{{
        {"Separación de cercos", [](const CalculoCortante&, const TextosZona& z) { return z.st; },
         &Cm},
        {"Cercos Vsu / VRd,s", [](const CalculoCortante&, const TextosZona& z) { return z.Vsu; },
         &Kn},
        {"Tracción del alma Vu2 / VRd",
         [](const CalculoCortante& c, const TextosZona& z) {
             return AgotamientoTraccion(c, z.Vsu);
         },
         &Kn},
    }};
    const auto valor = [i](const ColumnaCortante& col, const Magnitud& m, bool primera) {
        if (!col.calculo)
            return ValorComparado{};
        const TextosZona& z = col.zonas.zona[i];
        if (!z.valida)
            return ValorComparado{std::nullopt, primera ? z.Longitud : "—"};
        return ValorComparado{m.de(*col.calculo, z)};
    };
    for (const Magnitud& m : magnitudes)
        filas.push_back(FilaValores(m.nombre + zona, valor(a, m, &m == magnitudes.data()),
                                    valor(b, m, &m == magnitudes.data()), m.texto));
}

} // namespace

Resultado<ComparacionNormas> CompararNormasCortante(const EstadoDiseno& e,
                                                    const EleccionParametros& p,
                                                    const EntradaComparacionCortante& entrada) {
    const auto datos =
        LeerDatosCortante(entrada.textos, entrada.ArmaduraComprimida, entrada.Asl, Norma::EHE98);
    if (!datos)
        return ErrorConNorma(Norma::EHE98, datos.error());
    DatosCortante usados = *datos;
    usados.teta = TetaAdmitida(datos.valor().teta);
    const auto a = CalcularColumna(e, p, Norma::EHE98, usados, entrada.zonas);
    if (!a)
        return a.error();
    ColumnaCortante b;
    if (AlfaAdmitidaCE(usados.alfa)) {
        const auto r = CalcularColumna(e, p, Norma::CodigoEstructural, usados, entrada.zonas);
        if (!r)
            return r.error();
        b = r.valor();
    }

    ComparacionNormas c;
    c.Descripcion = "La misma viga, los mismos cortantes y los mismos cercos con las dos normas:";
    c.Filas = FilasAngulos(*datos, usados.teta);
    const ColumnaCortante& x = a.valor();
    c.Filas.push_back(FilaValores("Compresión oblicua Vu1 / VRd,max",
                                  Valor(x, [](const CalculoCortante& k) { return k.Vu1; }),
                                  Valor(b, [](const CalculoCortante& k) { return k.Vu1; }), &Kn));
    c.Filas.push_back(FilaValores("Contribución del hormigón Vcu / VRd,c",
                                  Valor(x, [](const CalculoCortante& k) { return k.Vcu; }),
                                  Valor(b, [](const CalculoCortante& k) { return k.Vcu; }), &Kn));
    const std::string va = Veredicto(x), vb = Veredicto(b);
    c.Filas.push_back({"Compresión oblicua con Vd1", va, vb,
                       !b.calculo ? "—" : (va == vb ? "igual" : "distinto")});
    for (std::size_t i = 0; i < 2; ++i)
        AnadirZona(c.Filas, x, b, i);
    return c;
}

Resultado<ComparacionNormas> CompararNormasCercos(const EstadoDiseno& e, const DatosCercos& d) {
    std::array<Cercos, 2> r;
    for (Norma n : {Norma::EHE98, Norma::CodigoEstructural}) {
        EstadoDiseno copia = e;
        copia.norma = n;
        const auto c = CalcularCercos(copia, d.h, d.b, d.d1, d.phiMin, d.phiMax);
        if (!c)
            return ErrorConNorma(n, c.error());
        r[static_cast<std::size_t>(IndiceNorma(n))] = c.valor();
    }
    const Cercos &x = r[0], &y = r[1];
    ComparacionNormas c;
    c.Descripcion = "El mismo pilar y las mismas barras con las dos normas:";
    c.Filas = {FilaValores("Separación de cercos", {x.sT}, {y.sT}, &Cm),
               FilaValores("Diámetro necesario de los cercos", {x.phiT}, {y.phiT}, &Mm),
               FilaValores("Diámetro comercial de los cercos", {x.phi}, {y.phi},
                           [](double phi) { return Formatear(phi, 0, 0) + " mm"; }),
               FilaValores("Separación junto a vigas y losas", {std::nullopt, "no se aplica"},
                           {ce::ReduccionSeparacionPilar * y.sT}, &Cm)};
    return c;
}

} // namespace velmora
