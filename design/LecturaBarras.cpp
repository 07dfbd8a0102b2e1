#include "design/LecturaBarras.h"

#include "common/Numeros.h"
#include "design/EstadoDiseno.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora {

namespace {

static_assert(CamposArea.size() == 2 * GruposPorRanura, "un número y un diámetro por grupo");

// Campo del número (par = 0) o del diámetro (par = 1) del grupo 0..2.
const Campo& CampoGrupo(int grupo, int par) {
    const int i = 2 * std::clamp(grupo, 0, GruposPorRanura - 1) + par;
    return CamposArea[static_cast<std::size_t>(i)];
}

// «El dato «Diámetro (fila 1)» debe estar entre 1 y 999 mm (se ha escrito «-16»).»
std::string FueraDeIntervalo(const Campo& c, std::string_view texto) {
    const std::string unidad = c.unidad.empty() ? "" : " " + std::string(c.unidad);
    return "El dato «" + std::string(c.nombre) + "» debe estar entre " +
           FormatearEntero(static_cast<long long>(c.minimo)) + " y " +
           FormatearEntero(static_cast<long long>(c.maximo)) + unidad + " (se ha escrito «" +
           TextoCitado(texto) + "»).";
}

} // namespace

Resultado<NumeroBarrasLeido> LeerNumeroBarras(std::string_view texto, int grupo) {
    const Campo& c = CampoGrupo(grupo, 0);
    const auto x = LeerNumero(texto, c.nombre, c.control);
    if (!x)
        return x.error();
    // Un número negativo (aun «-0.5», que se truncaría a 0) no son barras.
    const double n = std::trunc(*x);
    if (*x < c.minimo || n > c.maximo)
        return Resultado<NumeroBarrasLeido>::Error(FueraDeIntervalo(c, texto),
                                                   std::string(c.control));
    return NumeroBarrasLeido{static_cast<int>(n), n < *x};
}

Resultado<int> LeerDiametroBarras(std::string_view texto, int grupo) {
    const Campo& c = CampoGrupo(grupo, 1);
    const auto d = LeerNumero(texto, c.nombre, c.control);
    if (!d)
        return d.error();
    if (std::trunc(*d) != *d)
        return Resultado<int>::Error("El dato «" + std::string(c.nombre) +
                                         "» debe ser un número entero de milímetros (se ha "
                                         "escrito «" +
                                         TextoCitado(texto) + "»).",
                                     std::string(c.control));
    if (*d < c.minimo || *d > c.maximo)
        return Resultado<int>::Error(FueraDeIntervalo(c, texto), std::string(c.control));
    return static_cast<int>(*d);
}

} // namespace velmora
