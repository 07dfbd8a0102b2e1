// Un fichero de proyecto cualquiera (*.velmora): la lectura que usan el programa y velmora-calc.
//
// Rechazado, trae un mensaje que se puede mostrar (texto UTF-8 no vacío). Aceptado, escribirlo y
// volverlo a leer da el mismo proyecto y el mismo texto, y sus primeras líneas de cálculo se
// contestan como en velmora-calc.

#include "Comprobar.h"
#include "documento/Lote.h"
#include "documento/Proyecto.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Las líneas que se calculan por entrada: más sólo haría cada ejecución más lenta.
constexpr std::size_t LineasCalculadas = 4;

void ComprobarRechazo(const velmora::ErrorCalculo& error, const std::string& texto) {
    using velmora::fuzz::Infraccion;
    if (error.mensaje.empty())
        Infraccion("Proyecto rechazado sin mensaje", texto);
    try {
        (void)nlohmann::json(error.mensaje).dump();
    } catch (const nlohmann::json::exception&) {
        Infraccion("El mensaje del rechazo no es UTF-8 válido", error.mensaje);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmora;
    using namespace velmora::fuzz;
    const std::string texto(reinterpret_cast<const char*>(datos), tamano);
    const auto leido = LeerProyecto(texto);
    if (!leido) {
        ComprobarRechazo(leido.error(), texto);
        return 0;
    }
    const Proyecto& proyecto = leido.valor();
    const std::string escrito = EscribirProyecto(proyecto);
    const auto releido = LeerProyecto(escrito);
    if (!releido)
        Infraccion("El proyecto escrito no se vuelve a leer: " + releido.error().mensaje,
                   texto + "\n--- escrito:\n" + escrito);
    if (releido.valor().datos != proyecto.datos || releido.valor().lineas != proyecto.lineas ||
        EscribirProyecto(releido.valor()) != escrito)
        Infraccion("El proyecto escrito y releído no es el mismo",
                   texto + "\n--- escrito:\n" + escrito);
    for (std::size_t i = 0; i < proyecto.lineas.size() && i < LineasCalculadas; ++i) {
        const std::string linea = proyecto.lineas[i].dump();
        ComprobarRespuesta(ProcesarLinea(linea), linea);
    }
    return 0;
}
