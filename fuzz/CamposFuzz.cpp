// Cada cálculo con textos cualesquiera en sus campos, a través de una línea de velmora-calc.
//
// Entrada: el primer byte elige el cálculo del catálogo (y, en los que leen la sección, la forma);
// los siguientes, sus opciones, enteros y casillas (un byte cada uno) y las ranuras de armadura 0,
// 1 y 2 (dos bytes cada una); el resto son los textos de los campos, en el orden en que el cálculo
// los lee, separados por el byte 0x1F.
// Un campo sin texto conserva su valor de arranque.

#include "Comprobar.h"
#include "documento/Catalogo.h"
#include "documento/Lote.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

struct Control {
    std::string ventana;
    std::string nombre;
    int opciones = 0; // 0: casilla; >0: grupo de opciones (o entero) con tantos valores
    int minimo = 0;   // el primer valor del grupo o del entero
    velmora::Cuando cuando = velmora::Cuando::Siempre;
};

struct CamposCalculo {
    std::string nombre;
    std::vector<Control> textos;
    std::vector<Control> elecciones; // grupos de opciones, enteros y casillas
};

// No es una ventana: los textos Nd y Md de una combinación de "combinaciones".
constexpr const char* Combinacion = "combinaciones";

// Las ranuras que lleva cada línea: velmora-calc no mira las que el cálculo no lee.
constexpr std::array<int, 3> Ranuras = {0, 1, 2};

// Los campos de un cálculo del catálogo, con la sección rectangular o en T si la lee.
CamposCalculo Campos(const velmora::EntradaCatalogo& e, bool enT) {
    using velmora::Cuando;
    using velmora::TipoControl;
    CamposCalculo c{e.nombre, {}, {}};
    for (const velmora::LecturaCatalogo& l : velmora::LecturasDe(e)) {
        if (l.cuando == (enT ? Cuando::Rectangular : Cuando::EnT))
            continue;
        const std::string ventana(l.ventana), nombre(l.control);
        switch (l.tipo) {
        case TipoControl::Texto:
            c.textos.push_back({ventana, nombre, 0, 0, l.cuando});
            break;
        case TipoControl::Indice:
        case TipoControl::Entero:
            c.elecciones.push_back({ventana, nombre, l.maximo - l.minimo + 1, l.minimo, l.cuando});
            break;
        case TipoControl::Casilla:
            c.elecciones.push_back({ventana, nombre, 0, 0, l.cuando});
            break;
        case TipoControl::Valor:
            if (nombre == Combinacion) {
                c.textos.push_back({Combinacion, "Nd"});
                c.textos.push_back({Combinacion, "Md"});
            }
            break;
        }
    }
    return c;
}

// Cada cálculo del catálogo con sus campos de texto y sus elecciones; los que leen la sección,
// una vez con cada forma.
const std::vector<CamposCalculo>& Tabla() {
    static const std::vector<CamposCalculo> tabla = [] {
        std::vector<CamposCalculo> t;
        for (const auto& [_, e] : velmora::Catalogo()) {
            t.push_back(Campos(e, false));
            const auto lecturas = velmora::LecturasDe(e);
            if (std::any_of(lecturas.begin(), lecturas.end(),
                            [](const auto& l) { return l.cuando == velmora::Cuando::EnT; }))
                t.push_back(Campos(e, true));
        }
        return t;
    }();
    return tabla;
}

constexpr std::array<int, 9> Diametros = {6, 8, 10, 12, 16, 20, 25, 32, 40};

// Pone el valor de un control en la línea: en su ventana, o en el nivel superior si no tiene.
void Poner(Json& linea, const Control& c, Json valor) {
    if (c.ventana.empty())
        linea[c.nombre] = std::move(valor);
    else
        linea[c.ventana][c.nombre] = std::move(valor);
}

// Si el cálculo lee el control con la norma elegida en la línea: con la otra, velmora-calc lo
// rechaza por no intervenir, y la línea no llegaría al cálculo.
bool SeLee(const Control& c, const Json& linea) {
    const Json* p = linea.contains("ParametrosGenerales") ? &linea["ParametrosGenerales"] : nullptr;
    const bool ce = p && p->value("GrupoNorma", 0) == 1;
    return c.cuando != (ce ? velmora::Cuando::SoloEHE98 : velmora::Cuando::SoloCodigoEstructural);
}

// Construye la línea de velmora-calc que describen los bytes.
Json Linea(const std::uint8_t* datos, std::size_t tamano) {
    std::size_t i = 0;
    const auto byte = [&]() -> std::uint8_t { return i < tamano ? datos[i++] : 0; };
    const auto& calculo = Tabla()[byte() % Tabla().size()];
    Json linea = {{"calculo", calculo.nombre}};
    for (const auto& e : calculo.elecciones) {
        const std::uint8_t b = byte();
        if (!SeLee(e, linea) || b == 0xFF) // 0xFF: el valor de arranque
            continue;
        if (e.opciones == 0)
            Poner(linea, e, (b & 1) != 0);
        else
            Poner(linea, e, e.minimo + b % e.opciones);
    }
    for (const int k : Ranuras) {
        const std::uint8_t barras = byte(), diametro = byte();
        if (barras != 0xFF)
            linea["ranuras"][std::to_string(k)] = {
                {barras % 12, Diametros[diametro % Diametros.size()]}};
    }
    std::size_t campo = 0;
    std::string texto;
    const auto poner = [&] {
        if (campo < calculo.textos.size() && !texto.empty() &&
            SeLee(calculo.textos[campo], linea)) {
            const Control& c = calculo.textos[campo];
            if (c.ventana == Combinacion) {
                auto& lista = linea[Combinacion];
                if (lista.empty())
                    lista = Json::array({Json::array({"C", "0", "0"})});
                lista[0][std::string_view(c.nombre) == "Nd" ? 1 : 2] = texto;
            } else {
                Poner(linea, c, texto);
            }
        }
        ++campo;
        texto.clear();
    };
    for (; i < tamano; ++i) {
        if (datos[i] == 0x1F)
            poner();
        else
            texto += static_cast<char>(datos[i]);
    }
    poner();
    return linea;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    using namespace velmora;
    using namespace velmora::fuzz;
    // Los textos que no son UTF-8 se sustituyen, como haría quien escribe la línea.
    const std::string linea =
        Linea(datos, tamano).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    ComprobarRespuesta(ProcesarLinea(linea), linea);
    return 0;
}
