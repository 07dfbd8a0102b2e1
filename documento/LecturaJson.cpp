#include "documento/LecturaJson.h"

#include <set>
#include <vector>

namespace velmora {

Json LeerJsonVigilado(std::string_view linea, ClavesLeidas& claves) {
    std::vector<std::set<std::string>> abiertos; // las claves de cada objeto sin cerrar
    const auto vigilar = [&](int, Json::parse_event_t suceso, Json& valor) {
        if (suceso == Json::parse_event_t::object_start) {
            abiertos.emplace_back();
        } else if (suceso == Json::parse_event_t::object_end && !abiertos.empty()) {
            abiertos.pop_back();
        } else if (suceso == Json::parse_event_t::key) {
            claves.ultima = valor.get<std::string>();
            if (!abiertos.empty() && !abiertos.back().insert(claves.ultima).second &&
                claves.repetida.empty())
                claves.repetida = claves.ultima;
        }
        return true;
    };
    return Json::parse(linea.begin(), linea.end(), vigilar);
}

} // namespace velmora
