#include "design/LecturaBarras.h"

#include "common/Numeros.h"

#include <cmath>
#include <string>

namespace velmora {

namespace {

std::string Fila(int fila) {
    return " (fila " + std::to_string(fila) + ")";
}

std::string Control(const char* base, int fila) {
    return base + std::to_string(fila);
}

} // namespace

Resultado<NumeroBarrasLeido> LeerNumeroBarras(std::string_view texto, int fila) {
    const std::string nombre = "Número de barras" + Fila(fila);
    const std::string campo = Control("NumeroRedondos0", fila);
    const auto x = LeerNumero(texto, nombre, campo);
    if (!x)
        return x.error();
    const double n = std::trunc(*x);
    if (std::fabs(n) > MaximoBarras)
        return Resultado<NumeroBarrasLeido>::Error(
            "El dato «" + nombre + "» debe estar entre -" + std::to_string(MaximoBarras) + " y " +
                std::to_string(MaximoBarras) + " (se ha escrito «" + std::string(texto) + "»).",
            campo);
    return NumeroBarrasLeido{static_cast<int>(n), n < *x};
}

Resultado<int> LeerDiametroBarras(std::string_view texto, int fila) {
    const std::string nombre = "Diámetro" + Fila(fila);
    const std::string campo = Control("Diametro0", fila);
    const auto d = LeerNumero(texto, nombre, campo);
    if (!d)
        return d.error();
    if (std::trunc(*d) != *d)
        return Resultado<int>::Error("El dato «" + nombre +
                                         "» debe ser un número entero de milímetros (se ha "
                                         "escrito «" +
                                         std::string(texto) + "»).",
                                     campo);
    if (std::fabs(*d) > MaximoDiametro)
        return Resultado<int>::Error("El dato «" + nombre + "» debe estar entre -" +
                                         std::to_string(MaximoDiametro) + " y " +
                                         std::to_string(MaximoDiametro) + " mm (se ha escrito «" +
                                         std::string(texto) + "»).",
                                     campo);
    return static_cast<int>(*d);
}

} // namespace velmora
