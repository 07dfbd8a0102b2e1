// La lectura de números de los campos (LeerNumero, LeerEntero) y el formato de los rótulos
// (Formatear) con textos cualesquiera.

#include "Comprobar.h"
#include "common/Numeros.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmora;
    using namespace velmora::fuzz;
    const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);
    const auto numero = LeerNumero(texto, "Dato", "Campo");
    if (numero) {
        if (!std::isfinite(*numero))
            Infraccion("LeerNumero acepta un valor no finito", texto);
        // Un número leído se escribe siempre en su ancho, sin "nan" ni "inf".
        const int decimales = tamano > 0 ? datos[0] % 8 : 3;
        const std::string rotulo = Formatear(*numero, 10, decimales);
        if (rotulo.find_first_of("ni") != std::string::npos || rotulo.size() < 10)
            Infraccion("Formatear da «" + rotulo + "»", texto);
    } else if (numero.error().campo != "Campo" || numero.error().mensaje.empty() ||
               numero.error().mensaje.find("«Dato»") == std::string::npos) {
        Infraccion("Error de LeerNumero sin el nombre o el campo del dato", texto);
    }
    const auto entero = LeerEntero(texto, "Dato", "Campo");
    if (entero.ok() != numero.ok() && numero.ok() && std::fabs(*numero) <= 2.0e9)
        Infraccion("LeerEntero rechaza un número que LeerNumero acepta", texto);
    if (entero && numero && *entero != static_cast<long long>(std::trunc(*numero)))
        Infraccion("LeerEntero no trunca el número leído", texto);
    return 0;
}
