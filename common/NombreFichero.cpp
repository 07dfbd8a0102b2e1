#include "common/NombreFichero.h"

#include <algorithm>
#include <cctype>

namespace velmora {

namespace {

bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

NombreParaGuardar RutaParaGuardar(std::string_view ruta,
                                  std::span<const std::string_view> extensiones) {
    const std::string_view tipo = extensiones.empty() ? std::string_view() : extensiones.front();
    std::string r(ruta);
    const std::size_t barra = r.find_last_of('/');
    const std::size_t inicio = barra == std::string::npos ? 0 : barra + 1;
    // «x.» no tiene extensión: los puntos finales sobran.
    while (r.size() > inicio + 1 && r.back() == '.')
        r.pop_back();
    // Un punto al principio del nombre («.velmora») no separa una extensión.
    const std::size_t punto = r.find_last_of('.');
    if (punto == std::string::npos || punto <= inicio)
        return {r + "." + std::string(tipo), false, {}};
    const std::string_view extension = std::string_view(r).substr(punto + 1);
    for (const std::string_view e : extensiones)
        if (IgualesSinMayusculas(extension, e))
            return {r, false, {}};
    return {r, true, r + "." + std::string(tipo)};
}

} // namespace velmora
