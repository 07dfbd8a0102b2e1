// "area": el selector de área de barras sobre la ranura "IndiceArmadura" (0 si no se da).

#include "design/Ranuras.h"
#include "documento/Contexto.h"

namespace velmora {

namespace {

void CalcularArea(Contexto& c) {
    auto& e = c.Estado;
    e.IndiceArmadura = c.Entero("", "IndiceArmadura", 0, 0, NumeroRanuras - 1);
    SumarArea(e);
    c.Poner("VentanaArea", "EtiquetaArea", TextoAreaTotal(e));
    c.Poner("", "TextoArmadura", TextoArmadura(e, e.IndiceArmadura));
}

// La ranura del selector de área, un número sin campo propio en la ventana.
constexpr Campo CampoRanura{"IndiceArmadura", "Ranura de armadura", "", 1.0, 0.0, 0.0, "0"};

// Los rótulos de «area» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeArea() {
    return {
        {"VentanaArea", "EtiquetaArea", "Área de la armadura", "cm²"},
        {"", "TextoArmadura", "Armadura"},
    };
}

} // namespace

namespace {

// Los controles que lee «area», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasArea() {
    return {LeeEntero("", "IndiceArmadura", 0, 0, 4)};
}

} // namespace

EntradaCatalogo CatalogoArea() {
    return {.nombre = "area",
            .titulo = "Área de las armaduras",
            .descripcion = "área de una ranura de barras (selector de área)",
            .funcion = &CalcularArea,
            .ventanas = {{"", std::span(&CampoRanura, 1)}},
            .resultados = ResultadosDeArea(),
            .lecturas = LecturasArea(),
            .ventanasDatos = {"VentanaArea"}};
}

} // namespace velmora
