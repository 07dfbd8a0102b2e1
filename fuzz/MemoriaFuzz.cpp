// Una entrada de «velmora --memoria» (líneas de velmora-calc, con o sin cabecera de proyecto): la
// lectura de cada línea con las defensas de velmora-calc, su cálculo con el capítulo de la memoria
// y la página entera, el camino de --memoria hasta el PDF sin el dispositivo de Qt.
//
// Rechazada, trae el renglón de la línea que falla y un mensaje que se puede mostrar. Aceptada, la
// página es un documento completo en UTF-8 con un capítulo por línea calculada.

#include "Comprobar.h"
#include "documento/MemoriaTanda.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Los renglones que se calculan por entrada: más sólo haría cada ejecución más lenta.
constexpr std::size_t Renglones = 6;

bool EsUtf8(const std::string& texto) {
    try {
        (void)nlohmann::json(texto).dump();
        return true;
    } catch (const nlohmann::json::exception&) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmora;
    using velmora::fuzz::Infraccion;
    const std::string_view texto = velmora::fuzz::PrimerosRenglones(
        std::string_view(reinterpret_cast<const char*>(datos), tamano), Renglones);
    const auto renglones = static_cast<std::size_t>(std::count(texto.begin(), texto.end(), '\n')) +
                           (texto.empty() || texto.back() == '\n' ? 0 : 1);
    MemoriaTanda memoria;
    std::size_t renglon = 0;
    std::string error;
    if (!LeerMemoriaTanda(texto, memoria, renglon, error)) {
        if (renglon < 1 || renglon > renglones)
            Infraccion("Línea rechazada con un renglón que no existe: " + std::to_string(renglon),
                       std::string(texto));
        if (error.empty() || !EsUtf8(error))
            Infraccion("Línea rechazada sin un mensaje que se pueda mostrar", std::string(texto));
        return 0;
    }
    if (memoria.capitulos.size() > renglones)
        Infraccion("Más capítulos que renglones", std::string(texto));
    const std::string pagina = PaginaInforme(CabeceraDeHoy(memoria.cabecera), memoria.capitulos);
    if (!pagina.starts_with("<!DOCTYPE html>") || !pagina.ends_with("</html>\n") || !EsUtf8(pagina))
        Infraccion("La memoria no es una página completa en UTF-8", std::string(texto));
    return 0;
}
