// Una línea cualquiera de velmora-calc, de principio a fin: lectura del JSON, cálculo elegido,
// respuesta. Toda línea tiene una respuesta de una línea, correcta o de error.

#include "Comprobar.h"
#include "documento/Lote.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmora;
    using namespace velmora::fuzz;
    const std::string linea(reinterpret_cast<const char*>(datos), tamano);
    ComprobarRespuesta(ProcesarLinea(linea), linea);
    return 0;
}
