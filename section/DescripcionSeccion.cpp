#include "section/DescripcionSeccion.h"

#include "common/Numeros.h"
#include "section/DimensionarSeccion.h"

#include <cmath>

namespace velmora {

namespace {

// Geometría y esfuerzos seguidos, como en la ventana.
constexpr std::array<Campo, 6> VentanaRectangular{
    CamposSeccionRectangular[0], CamposSeccionRectangular[1], CamposSeccionRectangular[2],
    CamposSeccionRectangular[3], CampoMomento, CampoAxil};
constexpr std::array<Campo, 8> VentanaT{CamposSeccionT[0], CamposSeccionT[1], CamposSeccionT[2],
                                        CamposSeccionT[3], CamposSeccionT[4], CamposSeccionT[5],
                                        CampoMomento,      CampoAxil};

Estado ComprobarSeccionLeida(const GeometriaSeccion& g) {
    EstadoDiseno t;
    t.SeccionRectangular = g.tipo == TipoSeccion::Rectangular;
    t.h = g.h;
    t.b = g.b;
    t.d2 = g.d2;
    t.d1 = g.d1;
    t.hf = g.hf;
    t.bw = g.bw;
    return ComprobarGeometria(t, t.SeccionRectangular ? CamposDatosSeccion()
                                                      : CamposDatosSeccionT());
}

} // namespace

std::span<const Campo> CamposGeometriaSeccion(TipoSeccion tipo) {
    if (tipo == TipoSeccion::Rectangular)
        return CamposSeccionRectangular;
    return CamposSeccionT;
}

std::span<const Campo> CamposVentanaSeccion(TipoSeccion tipo) {
    if (tipo == TipoSeccion::Rectangular)
        return VentanaRectangular;
    return VentanaT;
}

Resultado<GeometriaSeccion> LeerGeometriaSeccion(const TextosCampos& textos, TipoSeccion tipo) {
    const auto campos = CamposGeometriaSeccion(tipo);
    GeometriaSeccion g;
    g.tipo = tipo;
    GeometriaSeccion escrita; // en m, tal como se escribió
    for (const Campo& c : campos) {
        const auto v = LeerNumero(TextoCampo(textos, c), c.nombre, c.control);
        if (!v)
            return v.error();
        MedidaDe(escrita, c.control) = *v;
        MedidaDe(g, c.control) = *v * c.factor;
    }
    // Un valor que en mm ya no es finito no llega a las comprobaciones de la sección: sus
    // mensajes lo escribirían como «inf».
    for (const Campo& c : campos)
        if (!std::isfinite(MedidaDe(g, c.control)))
            return ComprobarIntervalo(c, MedidaDe(escrita, c.control)).error();
    if (auto r = ComprobarSeccionLeida(g); !r)
        return r.error();
    for (const Campo& c : campos)
        if (auto r = ComprobarIntervalo(c, MedidaDe(escrita, c.control)); !r)
            return r.error();
    return g;
}

Resultado<Solicitaciones> LeerSolicitacionesSeccion(const TextosCampos& textos,
                                                    DatoConocido dato) {
    const auto n = LeerCampo(textos, CampoAxil);
    if (!n)
        return n.error();
    const Campo& primero =
        dato == DatoConocido::Excentricidad ? CampoExcentricidad : CampoMomento;
    const auto v5 = LeerCampo(textos, primero);
    if (!v5)
        return v5.error();
    Solicitaciones s;
    s.Nd = std::fabs(*n);
    if (dato == DatoConocido::Excentricidad) {
        s.e0 = std::fabs(*v5);
        s.Md = s.e0 * s.Nd;
    } else {
        s.Md = std::fabs(*v5);
        s.e0 = s.Nd > 0.0 ? s.Md / s.Nd : 0.0;
    }
    if (!std::isfinite(s.Nd))
        return Resultado<Solicitaciones>::Error("El dato «Esfuerzo normal» es demasiado grande.",
                                                "Valor6");
    if (!std::isfinite(s.Md) || !std::isfinite(s.e0))
        return Resultado<Solicitaciones>::Error(
            "El dato «" + std::string(primero.nombre) + "» es demasiado grande.", "Valor5");
    if (auto r = ComprobarIntervalo(CampoAxil, *n / CampoAxil.factor); !r)
        return r.error();
    if (auto r = ComprobarIntervalo(primero, *v5 / primero.factor); !r)
        return r.error();
    return s;
}

} // namespace velmora
