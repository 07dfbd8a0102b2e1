#include "documento/Catalogo.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace velmora {

// Las entradas de los cálculos, cada una junto a su adaptador en documento/calculos/.
EntradaCatalogo CatalogoAcero();
EntradaCatalogo CatalogoAnclaje();
EntradaCatalogo CatalogoArea();
EntradaCatalogo CatalogoConversion();
EntradaCatalogo CatalogoCortante();
EntradaCatalogo CatalogoFisuracion();
EntradaCatalogo CatalogoFlechas();
EntradaCatalogo CatalogoFluencia();
EntradaCatalogo CatalogoFluenciaCE();
EntradaCatalogo CatalogoInteraccion();
EntradaCatalogo CatalogoMomento();
EntradaCatalogo CatalogoParabola();
EntradaCatalogo CatalogoParametros();
EntradaCatalogo CatalogoPilar();
EntradaCatalogo CatalogoRetraccion();
EntradaCatalogo CatalogoRetraccionCE();
EntradaCatalogo CatalogoSeccion();

namespace {

// Todos los cálculos del programa, en el orden de la ayuda.
std::vector<EntradaCatalogo> Entradas() {
    return {CatalogoAcero(),        CatalogoAnclaje(),  CatalogoArea(),
            CatalogoConversion(),   CatalogoCortante(), CatalogoFisuracion(),
            CatalogoFlechas(),      CatalogoFluencia(), CatalogoFluenciaCE(),
            CatalogoInteraccion(),  CatalogoMomento(),  CatalogoParabola(),
            CatalogoParametros(),   CatalogoPilar(),    CatalogoRetraccion(),
            CatalogoRetraccionCE(), CatalogoSeccion()};
}

bool Anadir(std::map<std::string, EntradaCatalogo, std::less<>>& tabla, EntradaCatalogo entrada) {
    if (entrada.funcion == nullptr || tabla.contains(entrada.nombre))
        return false;
    auto clave = entrada.nombre;
    tabla.emplace(std::move(clave), std::move(entrada));
    return true;
}

std::map<std::string, EntradaCatalogo, std::less<>>& Tabla() {
    static std::map<std::string, EntradaCatalogo, std::less<>> tabla = [] {
        std::map<std::string, EntradaCatalogo, std::less<>> t;
        for (auto& entrada : Entradas()) {
            const std::string nombre = entrada.nombre;
            if (!Anadir(t, std::move(entrada))) {
                std::fprintf(stderr,
                             "velmora: el cálculo «%s» está dos veces en el catálogo o no tiene "
                             "función.\n",
                             nombre.c_str());
                std::abort();
            }
        }
        return t;
    }();
    return tabla;
}

} // namespace

const std::map<std::string, EntradaCatalogo, std::less<>>& Catalogo() {
    return Tabla();
}

std::string NombresCatalogo() {
    std::string lista;
    for (const auto& [nombre, _] : Catalogo())
        lista += (lista.empty() ? "" : ", ") + nombre;
    return lista;
}

bool AnadirAlCatalogo(EntradaCatalogo entrada) {
    return Anadir(Tabla(), std::move(entrada));
}

} // namespace velmora
