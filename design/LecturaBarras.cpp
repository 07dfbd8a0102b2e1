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

} // namespace

Resultado<NumeroBarrasLeido> LeerNumeroBarras(std::string_view texto, int grupo) {
    const std::string nombre(CampoGrupo(grupo, 0).nombre);
    const std::string campo(CampoGrupo(grupo, 0).control);
    const auto x = LeerNumero(texto, nombre, campo);
    if (!x)
        return x.error();
    const double n = std::trunc(*x);
    if (std::fabs(n) > MaximoBarras)
        return Resultado<NumeroBarrasLeido>::Error(
            "El dato «" + nombre + "» debe estar entre -" + std::to_string(MaximoBarras) + " y " +
                std::to_string(MaximoBarras) + " (se ha escrito «" + TextoCitado(texto) + "»).",
            campo);
    return NumeroBarrasLeido{static_cast<int>(n), n < *x};
}

Resultado<int> LeerDiametroBarras(std::string_view texto, int grupo) {
    const std::string nombre(CampoGrupo(grupo, 1).nombre);
    const std::string campo(CampoGrupo(grupo, 1).control);
    const auto d = LeerNumero(texto, nombre, campo);
    if (!d)
        return d.error();
    if (std::trunc(*d) != *d)
        return Resultado<int>::Error("El dato «" + nombre +
                                         "» debe ser un número entero de milímetros (se ha "
                                         "escrito «" +
                                         TextoCitado(texto) + "»).",
                                     campo);
    if (std::fabs(*d) > MaximoDiametro)
        return Resultado<int>::Error("El dato «" + nombre + "» debe estar entre -" +
                                         std::to_string(MaximoDiametro) + " y " +
                                         std::to_string(MaximoDiametro) + " mm (se ha escrito «" +
                                         TextoCitado(texto) + "»).",
                                     campo);
    return static_cast<int>(*d);
}

} // namespace velmora
