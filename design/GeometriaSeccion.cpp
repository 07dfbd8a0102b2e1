#include "design/GeometriaSeccion.h"

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

} // namespace velmora
