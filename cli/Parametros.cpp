// "parametros": el botón OK de la ventana de parámetros generales.

#include "cli/Contexto.h"
#include "design/TextosParametros.h"

namespace velmora {

namespace {

void CalcularParametros(Contexto& c) {
    const auto p = c.ConfirmarParametros();
    const char* v = "ParametrosGenerales";
    c.Poner(v, "EtiquetaAcero", TextoAcero(p.DesignacionAcero));
    c.Poner(v, "EtiquetaHormigon", TextoHormigon(p.ResistenciaCaracteristica));
    c.Poner(v, "EtiquetaGammas", TextoGammaS(p.norma, p.SituacionProyecto, p.ControlAcero));
    c.Poner(v, "EtiquetaGammac", TextoGammaC(p.norma, p.SituacionProyecto, p.ControlHormigon));
}

const RegistrarCalculo registro{"parametros", "parámetros generales confirmados con OK",
                                &CalcularParametros};

} // namespace

} // namespace velmora
