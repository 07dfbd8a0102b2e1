#include "section/Dominio.h"

#include <algorithm>
#include <cmath>

namespace velmora {

std::string TituloDominio(unsigned Dominio) {
    static const char* const titulos[] = {
        "Dominio de deformación : 2.",   "Dominio de deformación : 3.",
        "Dominio de deformación : 3-4.", "Dominio de deformación : 4.",
        "Dominio de deformación : 4a.",  "Dominio de deformación : 5."};
    if (Dominio < 1 || Dominio > 6)
        return {};
    return titulos[Dominio - 1];
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
    DibujoDominio r;
    r.Etiqueta = TituloDominio(e.Dominio);
    if (r.Etiqueta.empty())
        return Resultado<DibujoDominio>::Error(
            "No hay un dominio de deformación calculado que dibujar.");

    const double epsYd = (e.d / e.xlim - 1.0) * 0.0035; // deformación del acero en xlim
    double top = 149.0, bot = 0.0;
    switch (e.Dominio) {
    case 1:
        top = e.epsC * 149.0 * (1.0 / 0.0035);
        bot = 252.0;
        break;
    case 2:
        bot = (e.epsS1 - epsYd) * 174.0 / (0.01 - epsYd) + 78.0;
        break;
    case 3:
        bot = 78.0;
        break;
    case 4:
        bot = e.epsS1 * 78.0 / epsYd;
        break;
    case 5:
        bot = (e.x - e.d) * 26.0 / e.d1;
        break;
    default: // 6
        top = (e.epsC - 0.002) * 56.0 * (1.0 / 0.0015) + 93.0;
        bot = e.epsCInf * 93.0 * (1.0 / 0.002);
        break;
    }
    if (!Pixeles(top, r.top) || !Pixeles(bot, r.bot))
        return Resultado<DibujoDominio>::Error(
            "El estado de deformación de esta sección no puede dibujarse.");

    r.Puntos = {{312, 20}, {312 + r.top, 20}};
    if (e.Dominio <= 4) {
        r.Puntos.push_back({312 - r.bot, 196});
        r.Puntos.push_back({312, 196});
    } else if (e.Dominio == 5) {
        r.Puntos.push_back({312, 196 + r.bot});
    } else {
        r.Puntos.push_back({312 + r.bot, 222});
        r.Puntos.push_back({312, 222});
    }
    return r;
}

} // namespace velmora
