// Longitudes de anclaje por el Código Estructural (Anejo 19, 8.4): longitud básica lb,rqd por
// la tensión de adherencia fbd y longitud neta lbd con α1 y α4.
#include "anchorage/ComunAnclaje.h"
#include "anchorage/ce/Ecuaciones.h"
#include "common/Numeros.h"

#include <cmath>

namespace velmora::ce {

Resultado<int> CoeficienteM(const EstadoDiseno& e, double fck, int /*acero*/) {
    if (!std::isfinite(fck) || fck < FckMinimaCE || fck > FckMaximaCE)
        return Resultado<int>::Error(
            "Con el Código Estructural la resistencia característica fck debe estar entre 20 y "
            "90 N/mm² (valor recibido: " +
                (std::isfinite(fck) ? anclaje::Corto(fck) : std::string("no numérico")) + ").",
            "ResistenciaCaracteristica");
    if (!(e.gammaC > 0) || !(e.gammaS > 0))
        return ErrorCalculo{MensajeConfirmarParametros, {}};
    return 0;
}

Resultado<LongitudAnclaje> CalcularAnclaje(const DatosAnclaje& d) {
    if (auto e = anclaje::ComprobarPosicion(d); !e)
        return e.error();
    const double adherencia = fbd(eta1(d.posicion == PosicionAnclaje::I), eta2(d.phi),
                                  fctd(fctk005Adherencia(d.fck), d.gammaC));
    const double sigma = d.Estricta ? sigmasd(d.fyd, d.AsEstricta, d.AsReal) : d.fyd;
    LongitudAnclaje r;
    r.lb = lbrqd(d.phi, sigma, adherencia);
    // En compresión las patillas no reducen (α1 = 1); la barra soldada sí (α4 = 0.7).
    r.lbneta =
        lbd(alfa1(d.tipo == TipoAnclaje::Patilla, d.Recubrimiento, d.Traccion),
            alfa4(d.tipo == TipoAnclaje::BarraSoldada), r.lb, lbmin(r.lb, d.phi, d.Traccion));
    anclaje::SumarDecalaje(d, r);
    return r;
}

} // namespace velmora::ce
