#include "section/DimensionarSeccion.h"

#include "common/Numeros.h"
#include "section/BloqueComprimido.h"
#include "section/CasosDiseno.h"
#include "section/CuantiasMinimas.h"
#include "materiales/ce/Hormigon.h"
#include "section/LeyesSeccion.h"
#include "section/ce/CuantiasMinimas.h"
#include "section/ce/Seccion.h"

#include <charconv>
#include <cmath>

namespace velmora {

namespace {

// mm. Acota las búsquedas que aún van paso a paso hasta 5·h (10^7 pasos de 0.01 mm con 20 m): la
// de referencia y las de armadura activa que no admiten la rápida.
constexpr double CantoMaximo = 20000.0;

// Longitud en mm escrita en metros, sin ceros sobrantes (p. ej. "0.03").
std::string Metros(double mm) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, mm * 0.001, std::chars_format::general, 6);
    return std::string(buf, r.ptr);
}

Estado Falla(const std::string& mensaje, const std::string& campo) {
    return Estado::Error(mensaje, campo);
}

std::string Leido(double mm) {
    return " (se ha leído " + Metros(mm) + " m).";
}

} // namespace

CamposGeometria CamposDatosSeccion() {
    return {"Valor1", "Valor2", "Valor3", "Valor4", "", ""};
}

CamposGeometria CamposDatosSeccionT() {
    return {"Valorh", "Valorb", "Valord2", "Valord1", "Valorhf", "Valorbw"};
}

Estado ComprobarGeometria(const EstadoDiseno& e, const CamposGeometria& c) {
    const bool enT = !e.SeccionRectangular;
    for (double v : {e.h, e.b, e.d1, e.d2})
        if (!std::isfinite(v))
            return Falla("Las dimensiones de la sección no son números finitos.", c.h);
    if (!(e.h > 0.0))
        return Falla("El canto h debe ser mayor que cero" + Leido(e.h), c.h);
    if (e.h > CantoMaximo)
        return Falla("El canto h no puede superar 20 m" + Leido(e.h), c.h);
    if (enT) {
        if (!std::isfinite(e.hf) || !(e.hf > 0.0))
            return Falla("El canto de la cabeza hf debe ser mayor que cero" + Leido(e.hf), c.hf);
        if (e.hf >= e.h)
            return Falla("El canto de la cabeza hf debe ser menor que el canto h" + Leido(e.hf),
                         c.hf);
    }
    if (!(e.b > 0.0))
        return Falla("El ancho b debe ser mayor que cero" + Leido(e.b), c.b);
    if (enT) {
        if (!std::isfinite(e.bw) || !(e.bw > 0.0))
            return Falla("La anchura del alma bw debe ser mayor que cero" + Leido(e.bw), c.bw);
        if (e.bw > e.b)
            return Falla("La anchura del alma bw no puede ser mayor que el ancho b" + Leido(e.bw),
                         c.bw);
    }
    if (e.d2 < 0.0)
        return Falla("El recubrimiento d2 de la armadura más comprimida no puede ser negativo" +
                         Leido(e.d2),
                     c.d2);
    if (e.d1 < 0.0)
        return Falla("El recubrimiento d1 de la armadura más traccionada no puede ser negativo" +
                         Leido(e.d1),
                     c.d1);
    const double d = e.h - e.d1;
    if (!(d > 0.0))
        return Falla("El recubrimiento d1 debe ser menor que el canto h: el canto útil "
                     "d = h − d1 no es positivo" +
                         Leido(e.d1),
                     c.d1);
    if (e.d2 >= d)
        return Falla("El recubrimiento d2 debe ser menor que el canto útil d = h − d1 = " +
                         Metros(d) + " m" + Leido(e.d2),
                     c.d2);
    return Correcto();
}

Estado ComprobarMateriales(const EstadoDiseno& e) {
    for (double v : {e.fyd, e.fycd, e.fcd})
        if (!(v > 0.0) || !std::isfinite(v))
            return Estado::Error(MensajeConfirmarParametros);
    return Correcto();
}

Estado ComprobarSeccion(const EstadoDiseno& e, const CamposGeometria& campos) {
    if (auto r = ComprobarGeometria(e, campos); !r)
        return r;
    return ComprobarMateriales(e);
}

void CalcularLimites(EstadoDiseno& e) {
    switch (e.norma) {
    case Norma::CodigoEstructural:
        ce::CalcularLimites(e, LeyesDelEstado(e));
        return;
    case Norma::EHE98:
        break;
    }
    e.d = e.h - e.d1;
    e.xiLim = 1.0 / (e.fyd * (1.0 / 700.0) + 1.0); // 700 = 0.0035·Es con Es = 200000
    e.xlim = e.xiLim * e.d;
    if (e.SeccionRectangular) {
        e.yLim = e.xlim * 99.0 * (1.0 / 68000.0) * (2000.0 / 7.0);
        e.Clim = e.fcd * (289.0 / 120000.0) * e.b * e.xlim * (2000.0 / 7.0);
    } else {
        BloqueComprimido(e, e.xlim);
        e.yLim = e.yc;
        e.Clim = e.Cc;
    }
    e.Mlim = (e.d - e.yLim) * e.Clim;
}

namespace {
bool ResultadosFinitos(const EstadoDiseno& e) {
    for (double v : {e.x, e.As1, e.As2, e.U1, e.U2, e.xlim})
        if (!std::isfinite(v))
            return false;
    return true;
}

// EHE-98 (art. 42): límites, un caso de cálculo con su búsqueda paso a paso y la cuantía
// geométrica mínima del elemento.
Estado DimensionarEHE98(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero,
                        Busqueda modo) {
    CalcularLimites(e);
    Estado caso = Correcto();
    if (e.Nd > 0.0)
        caso = e.Simetrica ? FlexionCompuestaSimetrica(e, modo) : FlexionCompuesta(e, modo);
    else
        caso = FlexionSimple(e, modo);
    if (!caso)
        return caso;
    if (!ResultadosFinitos(e))
        return Estado::Error(MensajeValoresNoFinitos);
    e.Texto = TextoProfundidad(e);
    AplicarCuantiaMinima(e, TipoElemento, DesignacionAcero);
    return Correcto();
}

// Código Estructural (Anejo 19, 6.1 y capítulo 9): las mismas etapas con sus leyes.
Estado DimensionarCodigoEstructural(EstadoDiseno& e, TipoDeElemento TipoElemento,
                                    int DesignacionAcero) {
    const LeyesSeccion l = LeyesDelEstado(e);
    ce::CalcularLimites(e, l);
    if (auto r = ce::DimensionarCaso(e, l); !r)
        return r;
    if (!ResultadosFinitos(e))
        return Estado::Error(MensajeValoresNoFinitos);
    e.Texto = TextoProfundidad(e);
    ce::AplicarCuantiaMinima(e, TipoElemento, DesignacionAcero, ce::fctmFl(e.fck, e.h));
    return Correcto();
}
} // namespace

Estado DimensionarSeccion(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero,
                          Busqueda modo) {
    // Un valor convertido de un entero sin comprobar.
    if (!ElementoDelIndice(IndiceElemento(TipoElemento)))
        return Estado::Error("El tipo de elemento debe ser uno de los cinco de la lista.",
                             "GrupoTipoElemento");
    if (DesignacionAcero < 0 || DesignacionAcero > 1)
        return Estado::Error("La designación del acero debe ser B 400 S o B 500 S.",
                             "GrupoDesignacionAcero");
    if (auto r = ComprobarSeccion(e); !r)
        return r;
    if (!std::isfinite(e.Md) || !std::isfinite(e.Nd) || !std::isfinite(e.e0) || e.Md < 0.0 ||
        e.Nd < 0.0 || e.e0 < 0.0)
        return Estado::Error("Los esfuerzos de cálculo deben ser números finitos no negativos.");

    switch (e.norma) {
    case Norma::CodigoEstructural:
        if (auto r = DimensionarCodigoEstructural(e, TipoElemento, DesignacionAcero); !r)
            return r;
        break;
    case Norma::EHE98:
        if (auto r = DimensionarEHE98(e, TipoElemento, DesignacionAcero, modo); !r)
            return r;
        break;
    }
    if (!ResultadosFinitos(e))
        return Estado::Error(MensajeValoresNoFinitos);
    return Correcto();
}

std::string TextoProfundidad(const EstadoDiseno& e) {
    std::string t = "Profundidad de la fibra neutra = ";
    if (e.x == XSeccionComprimida)
        t += "+Infinito";
    else
        t += Formatear(e.x * 0.1, 6, 2) + " cm";
    t += e.SeccionRectangular ? " (Secc. rectangular)" : " (Secc. en T)";
    return t;
}

std::string TextoXlimite(const EstadoDiseno& e) {
    return "xlim = " + Formatear(e.xlim * 0.1, 6, 2) + " cm";
}

} // namespace velmora
