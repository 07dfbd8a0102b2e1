#include "section/CalculoSeccion.h"

#include "common/Numeros.h"
#include "design/MaterialesDelEstado.h"
#include "section/DimensionarSeccion.h"

#include <cmath>

namespace velmora {

namespace {

DatosSeccionTexto Iniciales(TipoSeccion tipo) {
    return DatosDeTextos(TextosPorOmision(CamposVentanaSeccion(tipo)), tipo);
}

void GuardarGeometria(EstadoDiseno& e, const GeometriaSeccion& g) {
    e.SeccionRectangular = g.tipo == TipoSeccion::Rectangular;
    e.h = g.h;
    e.b = g.b;
    e.d2 = g.d2;
    e.d1 = g.d1;
    if (g.tipo == TipoSeccion::EnT) {
        e.hf = g.hf;
        e.bw = g.bw;
    }
}

// Cada rótulo con su ancho: un resultado que no cabe no se muestra cortado ni como «---».
bool ResultadosRepresentables(const EstadoDiseno& e) {
    if (!EstadoFinito(e))
        return false;
    for (double v : {e.U1 * 0.001, e.U2 * 0.001, e.As1 * 0.01, e.As2 * 0.01})
        if (!CabeEnRotulo(v, 9, 3))
            return false;
    // La profundidad (hasta 5·h = 100 m) y xlim en cm, en 6:2, pueden ocupar hasta 8.
    return CabeEnRotulo(e.x * 0.1, 8, 2) && CabeEnRotulo(e.xlim * 0.1, 8, 2);
}

// Unas armaduras que no caben en sus rótulos con datos dentro de sus intervalos vienen de una
// sección enorme (si rige una cuantía mínima, proporcional a b·h) o de unos esfuerzos
// desmesurados para la sección: el error nombra el canto o el esfuerzo que domina (el momento o
// la excentricidad si e0 supera el canto, el axil si no) y da la armadura que haría falta.
ErrorCalculo ArmaduraDesmesurada(const EstadoDiseno& e, DatoConocido dato) {
    if (!EstadoFinito(e))
        return ResultadoNoRepresentable("la armadura longitudinal");
    const std::string armadura =
        "A1 = " + NumeroLegible(e.As1 * 0.01) + " cm² y A2 = " + NumeroLegible(e.As2 * 0.01) +
        " cm² (capacidades de " + NumeroLegible(e.U1 * 0.001) + " y " +
        NumeroLegible(e.U2 * 0.001) + " kN), más de lo que muestran sus rótulos";
    if (e.CuantiaGeometrica || e.CuantiaMecanica) {
        const TipoSeccion tipo = e.SeccionRectangular ? TipoSeccion::Rectangular : TipoSeccion::EnT;
        return {"La armadura mínima de esta sección es " + armadura + ": reduzca la sección.",
                std::string(CamposGeometriaSeccion(tipo).front().control)};
    }
    const bool flexion = e.Nd == 0.0 || e.e0 > e.h;
    const std::string esfuerzo =
        !flexion
            ? "el esfuerzo normal"
            : (dato == DatoConocido::Excentricidad ? "la excentricidad" : "el momento flector");
    return {"Con estos esfuerzos la sección necesitaría " + armadura + ": reduzca " + esfuerzo +
                " o aumente la sección.",
            flexion ? std::string(CampoMomento.control) : std::string(CampoAxil.control)};
}

} // namespace

DatosSeccionTexto DatosSeccionIniciales() {
    return Iniciales(TipoSeccion::Rectangular);
}

DatosSeccionTexto DatosSeccionTIniciales() {
    return Iniciales(TipoSeccion::EnT);
}

TextosCampos TextosDeDatos(const DatosSeccionTexto& datos) {
    TextosCampos t;
    for (const Campo& c : CamposGeometriaSeccion(TipoDe(datos)))
        t.emplace(std::string(c.control), MedidaDe(datos, c.control));
    t.emplace(std::string(CampoMomento.control), datos.Valor5);
    t.emplace(std::string(CampoAxil.control), datos.Valor6);
    return t;
}

DatosSeccionTexto DatosDeTextos(const TextosCampos& textos, TipoSeccion tipo, DatoConocido dato) {
    DatosSeccionTexto d;
    d.Rectangular = tipo == TipoSeccion::Rectangular;
    for (const Campo& c : CamposGeometriaSeccion(tipo))
        MedidaDe(d, c.control) = std::string(TextoCampo(textos, c));
    d.Valor5 = std::string(TextoCampo(textos, CampoMomento));
    d.Valor6 = std::string(TextoCampo(textos, CampoAxil));
    d.DatoConocido = dato == DatoConocido::Excentricidad ? 1 : 0;
    return d;
}

Estado LeerGeometria(EstadoDiseno& e, const DatosSeccionTexto& datos) {
    const auto g = LeerGeometriaSeccion(TextosDeDatos(datos), TipoDe(datos));
    if (!g)
        return g.error();
    GuardarGeometria(e, *g);
    return Correcto();
}

Estado LeerSolicitaciones(EstadoDiseno& e, std::string_view Valor5, std::string_view Valor6,
                          int DatoConocido) {
    TextosCampos t;
    t.emplace(std::string(CampoMomento.control), std::string(Valor5));
    t.emplace(std::string(CampoAxil.control), std::string(Valor6));
    const auto s = LeerSolicitacionesSeccion(t, DatoConocido == 1 ? DatoConocido::Excentricidad
                                                                  : DatoConocido::MomentoFlector);
    if (!s)
        return s.error();
    e.Md = s.valor().Md;
    e.Nd = s.valor().Nd;
    e.e0 = s.valor().e0;
    return Correcto();
}

Resultado<CalculoSeccionResultado> CalcularSeccion(EstadoDiseno& e, const DatosSeccionTexto& datos,
                                                   TipoDeElemento TipoElemento, int DesignacionAcero,
                                                   std::string_view DiametroTraccion,
                                                   std::string_view DiametroCompresion,
                                                   Traza* traza) {
    return CalcularSeccion(e, TextosDeDatos(datos), TipoDe(datos), DatoDe(datos), TipoElemento,
                           DesignacionAcero, DiametroTraccion, DiametroCompresion, traza);
}

Resultado<CalculoSeccionResultado>
CalcularSeccion(EstadoDiseno& e, const TextosCampos& textos, TipoSeccion tipo, DatoConocido dato,
                TipoDeElemento TipoElemento, int DesignacionAcero, std::string_view DiametroTraccion,
                std::string_view DiametroCompresion, Traza* traza) {
    const auto g = LeerGeometriaSeccion(textos, tipo);
    if (!g)
        return g.error();
    const auto s = LeerSolicitacionesSeccion(textos, dato);
    if (!s)
        return s.error();
    // Se trabaja sobre una copia: un error deja el estado como estaba.
    EstadoDiseno t = e;
    t.IndiceEs = IndiceEsSecciones;
    t.CuantiaMecanica = t.CuantiaGeometrica = t.MinimaCompresion = false;
    GuardarGeometria(t, *g);
    t.Md = s.valor().Md;
    t.Nd = s.valor().Nd;
    t.e0 = s.valor().e0;
    Traza propia;
    if (auto r = DimensionarSeccion(t, TipoElemento, DesignacionAcero, Busqueda::Rapida,
                                    traza ? &propia : nullptr);
        !r)
        return r.error();
    if (!ResultadosRepresentables(t))
        return ArmaduraDesmesurada(t, dato);
    if (traza)
        traza->pasos.insert(traza->pasos.end(), propia.pasos.begin(), propia.pasos.end());

    CalculoSeccionResultado res;
    res.Rotulos = RotularResultados(t, TipoElemento);
    if (auto n = NumeroBarrasTraccion(t, DiametroTraccion))
        res.NumeroA1 = *n;
    else
        res.Avisos.push_back(n.error());
    if (auto n = NumeroBarrasCompresion(t, DiametroCompresion))
        res.NumeroA2 = *n;
    else
        res.Avisos.push_back(n.error());
    e = std::move(t);
    return res;
}

Estado PrepararMomento(EstadoDiseno& e, const DatosSeccionTexto& datos) {
    return PrepararMomento(e, TextosDeDatos(datos), TipoDe(datos));
}

Estado PrepararMomento(EstadoDiseno& e, const TextosCampos& textos, TipoSeccion tipo) {
    const auto g = LeerGeometriaSeccion(textos, tipo);
    if (!g)
        return g.error();
    EstadoDiseno t = e;
    t.IndiceEs = IndiceEsSecciones;
    GuardarGeometria(t, *g);
    if (auto r = ComprobarMateriales(t); !r)
        return r;
    CalcularLimites(t);
    if (!EstadoFinito(t))
        return ResultadoNoRepresentable("los límites de la sección");
    e = std::move(t);
    return Correcto();
}

Resultado<MomentoResultado> CalcularMomento(EstadoDiseno& e, const ArmaduraDada& a,
                                            Traza* traza) {
    EstadoDiseno t = e;
    Traza propia;
    auto m = CalcularMomentoAgotamiento(t, a, Busqueda::Rapida, traza ? &propia : nullptr);
    if (!m)
        return m;
    if (!EstadoFinito(t) || !CabeEnRotulo(m.valor().Mu * 1e-6, 10, 2))
        return ResultadoNoRepresentable("el momento de agotamiento");
    if (traza)
        traza->pasos.insert(traza->pasos.end(), propia.pasos.begin(), propia.pasos.end());
    e = std::move(t);
    return m;
}

} // namespace velmora
