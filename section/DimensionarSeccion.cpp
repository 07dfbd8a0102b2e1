#include "section/DimensionarSeccion.h"

#include "common/Numeros.h"
#include "design/MaterialesDelEstado.h"
#include "materiales/LeyesSeccion.h"
#include "materiales/ce/Hormigon.h"
#include "materiales/ehe98/Leyes.h"
#include "section/CasosDiseno.h"
#include "section/CuantiasMinimas.h"
#include "section/ce/CuantiasMinimas.h"
#include "section/PasosSeccion.h"
#include "section/ce/PasosSeccion.h"
#include "section/ce/Seccion.h"

#include <cmath>
#include <optional>

namespace velmora {

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

void CalcularLimites(EstadoDiseno& e, Traza* traza) {
    switch (e.norma) {
    case Norma::CodigoEstructural:
        ce::CalcularLimites(e, LeyesDelEstado(e), traza);
        return;
    case Norma::EHE98:
        break;
    }
    e.d = e.h - e.d1;
    e.xiLim = 1.0 / (e.fyd * (1.0 / ehe98::TensionLimite) + 1.0);
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
    if (traza)
        pasos::PasosLimites(*traza, e);
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
                        Busqueda modo, Traza* t) {
    CalcularLimites(e, t);
    if (t)
        pasos::PasoCaso(*t, e);
    Estado caso = Correcto();
    if (e.Nd > 0.0)
        caso = e.Simetrica ? FlexionCompuestaSimetrica(e, modo, t) : FlexionCompuesta(e, modo, t);
    else
        caso = FlexionSimple(e, modo, t);
    if (!caso)
        return caso;
    if (!ResultadosFinitos(e))
        return Estado::Error(MensajeValoresNoFinitos);
    e.Texto = TextoProfundidad(e);
    std::optional<EstadoDiseno> antes; // sólo para la traza
    if (t)
        antes = e;
    AplicarCuantiaMinima(e, TipoElemento, DesignacionAcero);
    if (t)
        pasos::PasosCuantiaMinima(*t, *antes, e, TipoElemento, DesignacionAcero);
    return Correcto();
}

// Código Estructural (Anejo 19, 6.1 y capítulo 9): las mismas etapas con sus leyes.
Estado DimensionarCodigoEstructural(EstadoDiseno& e, TipoDeElemento TipoElemento,
                                    int DesignacionAcero, Traza* t) {
    const LeyesSeccion l = LeyesDelEstado(e);
    if (t)
        ce::pasos::PasosLeyes(*t, e, l);
    ce::CalcularLimites(e, l, t);
    if (auto r = ce::DimensionarCaso(e, l, t); !r)
        return r;
    if (!ResultadosFinitos(e))
        return Estado::Error(MensajeValoresNoFinitos);
    e.Texto = TextoProfundidad(e);
    const double fctmFl = ce::fctmFl(e.fck, e.h);
    ce::AplicarCuantiaMinima(e, TipoElemento, DesignacionAcero, fctmFl);
    if (t)
        ce::pasos::PasosMinimo(*t, e, TipoElemento, fctmFl);
    return Correcto();
}
} // namespace

Estado DimensionarSeccion(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero,
                          Busqueda modo, Traza* traza) {
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

    // Los pasos pasan a la traza sólo si el dimensionamiento termina bien.
    Traza propia;
    Traza* t = traza ? &propia : nullptr;
    switch (e.norma) {
    case Norma::CodigoEstructural:
        if (auto r = DimensionarCodigoEstructural(e, TipoElemento, DesignacionAcero, t); !r)
            return r;
        break;
    case Norma::EHE98:
        if (auto r = DimensionarEHE98(e, TipoElemento, DesignacionAcero, modo, t); !r)
            return r;
        break;
    }
    if (!ResultadosFinitos(e))
        return Estado::Error(MensajeValoresNoFinitos);
    if (traza)
        traza->pasos.insert(traza->pasos.end(), propia.pasos.begin(), propia.pasos.end());
    return Correcto();
}

std::string TextoProfundidad(const EstadoDiseno& e) {
    std::string t = "Profundidad de la fibra neutra = ";
    if (const auto x = ProfundidadFibraNeutra(e))
        t += Formatear(*x * 0.1, 6, 2) + " cm";
    else
        t += "+Infinito";
    t += e.SeccionRectangular ? " (Secc. rectangular)" : " (Secc. en T)";
    return t;
}

std::string TextoXlimite(const EstadoDiseno& e) {
    return "xlim = " + Formatear(e.xlim * 0.1, 6, 2) + " cm";
}

} // namespace velmora
