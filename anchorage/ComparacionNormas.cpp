#include "anchorage/ComparacionNormas.h"

#include "anchorage/DescripcionAnclaje.h"
#include "common/Numeros.h"
#include "design/MaterialesConNorma.h"

namespace velmora {

namespace {

// Lo calculado con una norma; sin cálculo, por qué (la resistencia que no admite).
struct ColumnaAnclaje {
    std::optional<SalidaAnclaje> salida;
    std::string fck;
    ErrorCalculo rechazo; // sin salida: el error de la resistencia
};

std::string FckNoAdmitida(Norma n) {
    return n == Norma::EHE98 ? "fuera de 25 ≤ fck < 55 N/mm² (art. 66.5.2)"
                             : "fuera de 20 ≤ fck ≤ 90 N/mm²";
}

// La EHE-98 ancla sin los parámetros generales; el Código Estructural toma de ellos γc y γs.
Resultado<EstadoDiseno> EstadoDeLaNorma(const EstadoDiseno& e, const EleccionParametros& p,
                                        Norma n) {
    if (n == Norma::CodigoEstructural)
        return MaterialesConNorma(e, p, n);
    EstadoDiseno copia = e;
    copia.norma = n;
    return copia;
}

Resultado<ColumnaAnclaje> CalcularColumna(const EstadoDiseno& e, const EleccionParametros& p,
                                          Norma n, const ValoresAnclaje& v,
                                          const EntradaAnclaje& entrada) {
    auto estado = EstadoDeLaNorma(e, p, n);
    if (!estado)
        return estado.error();
    ValoresAnclaje valores = v;
    const auto s = CalcularLongitudesAnclaje(estado.valor(), valores, entrada);
    const std::string fck = entrada.ResistenciaCaracteristica + " N/mm²";
    if (s)
        return ColumnaAnclaje{s.valor(), fck, {}};
    const ErrorCalculo error = ErrorConNorma(n, s.error());
    if (error.campo != CampoResistenciaAnclaje.control)
        return error;
    return ColumnaAnclaje{std::nullopt, fck + ": " + FckNoAdmitida(n), error};
}

std::string Cm(double mm) {
    return Formatear(mm * 0.1, 0, 2) + " cm";
}

ValorComparado Longitud(const ColumnaAnclaje& c, std::size_t i, bool neta) {
    if (!c.salida)
        return {};
    const LongitudAnclaje& l = c.salida->Longitud[i];
    return {neta ? l.lbneta : l.lb};
}

} // namespace

Resultado<ComparacionNormas> CompararNormasAnclaje(const EstadoDiseno& e,
                                                   const EleccionParametros& p,
                                                   const ValoresAnclaje& v,
                                                   const EntradaAnclaje& entrada) {
    const auto a = CalcularColumna(e, p, Norma::EHE98, v, entrada);
    if (!a)
        return a.error();
    const auto b = CalcularColumna(e, p, Norma::CodigoEstructural, v, entrada);
    if (!b)
        return b.error();
    const ColumnaAnclaje &x = a.valor(), &y = b.valor();
    // Una resistencia que ninguna admite no es una comparación: se dice como la EHE-98.
    if (!x.salida && !y.salida)
        return x.rechazo;

    ComparacionNormas c;
    c.Descripcion = "Las mismas barras y el mismo anclaje con las dos normas:";
    c.Filas.push_back({"Resistencia característica fck", x.fck, y.fck, "—"});
    if (entrada.Dinamicos)
        c.Filas.push_back({"Efectos dinámicos", "+10·φ", "no se aplica", "—"});
    for (PosicionAnclaje pos : {PosicionAnclaje::II, PosicionAnclaje::I}) {
        const std::size_t i = Indice(pos);
        if (!entrada.Posicion[i])
            continue;
        const std::string nombre = pos == PosicionAnclaje::II ? ", posición II" : ", posición I";
        c.Filas.push_back(FilaValores("Longitud básica lb / lb,rqd" + nombre, Longitud(x, i, false),
                                      Longitud(y, i, false), &Cm));
        c.Filas.push_back(FilaValores("Longitud neta lb,neta / lbd" + nombre, Longitud(x, i, true),
                                      Longitud(y, i, true), &Cm));
    }
    return c;
}

} // namespace velmora
