#include "section/Dominio.h"
#include "materiales/ehe98/Leyes.h"

#include "section/Resultados.h"

#include <algorithm>
#include <cmath>

namespace velmora {

std::string TituloDominio(unsigned Dominio) {
    return LineasDominio(Dominio)[0];
}

namespace {
// Píxeles: redondeo al entero más próximo con los medios al par (modo de redondeo por omisión).
// Un valor desmesurado se lleva a ±10000 px, fuera del dibujo en cualquier caso.
bool Pixeles(double v, int& px) {
    if (!std::isfinite(v))
        return false;
    px = static_cast<int>(std::nearbyint(std::clamp(v, -10000.0, 10000.0)));
    return true;
}
} // namespace

Resultado<DibujoDominio> CalcularDibujoDominio(const EstadoDiseno& e) {
    const auto dominio = DominioDelCodigo(e.Dominio);
    if (!dominio)
        return Resultado<DibujoDominio>::Error(
            "No hay un dominio de deformación calculado que dibujar.");
    DibujoDominio r;
    r.Etiqueta = TituloDominio(e.Dominio);

    using D = DominioDeformacion;
    const double epsYd = (e.d / e.xlim - 1.0) * ehe98::EpsilonCU; // deformación del acero en xlim
    double top = 149.0, bot = 0.0;
    switch (*dominio) {
    case D::Dos:
        top = e.epsC * 149.0 * (1.0 / ehe98::EpsilonCU);
        bot = 252.0;
        break;
    case D::Tres:
        bot = (e.epsS1 - epsYd) * 174.0 / (0.01 - epsYd) + 78.0;
        break;
    case D::TresCuatro:
        bot = 78.0;
        break;
    case D::Cuatro:
        bot = e.epsS1 * 78.0 / epsYd;
        break;
    case D::CuatroA:
        bot = (e.x - e.d) * 26.0 / e.d1;
        break;
    case D::Cinco:
        top = (e.epsC - ehe98::EpsilonC0) * 56.0 * (1.0 / 0.0015) + 93.0;
        bot = e.epsCInf * 93.0 * (1.0 / ehe98::EpsilonC0);
        break;
    }
    if (!Pixeles(top, r.top) || !Pixeles(bot, r.bot))
        return Resultado<DibujoDominio>::Error(
            "El estado de deformación de esta sección no puede dibujarse.");

    r.Puntos = {{312, 20}, {312 + r.top, 20}};
    if (*dominio != D::CuatroA && *dominio != D::Cinco) {
        r.Puntos.push_back({312 - r.bot, 196});
        r.Puntos.push_back({312, 196});
    } else if (*dominio == D::CuatroA) {
        r.Puntos.push_back({312, 196 + r.bot});
    } else {
        r.Puntos.push_back({312 + r.bot, 222});
        r.Puntos.push_back({312, 222});
    }
    return r;
}

} // namespace velmora
