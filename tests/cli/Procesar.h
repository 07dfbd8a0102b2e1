#pragma once
// Respuesta de velmora-calc a una línea, ya leída como JSON, para las pruebas.

#include "documento/Lote.h"

#include <nlohmann/json.hpp>

#include <string>

using namespace velmora;

using Json = nlohmann::ordered_json;

inline Json Procesar(const std::string& linea) {
    return Json::parse(ProcesarLinea(linea));
}
