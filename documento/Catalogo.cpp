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

// Todos los cálculos del programa, en el orden de las líneas de un proyecto (la ayuda los lista
// por nombre).
std::vector<EntradaCatalogo> Entradas() {
    return {CatalogoParametros(),  CatalogoSeccion(),    CatalogoMomento(),
            CatalogoCortante(),    CatalogoPilar(),      CatalogoFlechas(),
            CatalogoAnclaje(),     CatalogoFisuracion(), CatalogoFluencia(),
            CatalogoRetraccion(),  CatalogoFluenciaCE(), CatalogoRetraccionCE(),
            CatalogoAcero(),       CatalogoParabola(),   CatalogoConversion(),
            CatalogoArea(),        CatalogoInteraccion()};
}

struct Tablas {
    std::map<std::string, EntradaCatalogo, std::less<>> porNombre;
    std::vector<const EntradaCatalogo*> enOrden;
};

bool Anadir(Tablas& tablas, EntradaCatalogo entrada) {
    if (entrada.funcion == nullptr || tablas.porNombre.contains(entrada.nombre))
        return false;
    auto clave = entrada.nombre;
    const auto [it, _] = tablas.porNombre.emplace(std::move(clave), std::move(entrada));
    tablas.enOrden.push_back(&it->second); // los nodos de un map no se mueven
    return true;
}

Tablas& Tabla() {
    static Tablas tablas = [] {
        Tablas t;
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
    return tablas;
}

} // namespace

const std::map<std::string, EntradaCatalogo, std::less<>>& Catalogo() {
    return Tabla().porNombre;
}

const std::vector<const EntradaCatalogo*>& CatalogoEnOrden() {
    return Tabla().enOrden;
}

std::string NombresCatalogo() {
    std::string lista;
    for (const auto& [nombre, _] : Catalogo())
        lista += (lista.empty() ? "" : ", ") + nombre;
    return lista;
}

std::vector<LecturaCatalogo> LecturasDe(const EntradaCatalogo& e) {
    if (!e.lecturas.empty())
        return e.lecturas;
    std::vector<LecturaCatalogo> lecturas;
    for (const VentanaCatalogo& v : e.ventanas) {
        for (const Campo& c : v.campos)
            lecturas.push_back(LeeTexto(v.ventana, c.control, c.defecto));
        for (const Eleccion& k : v.elecciones)
            lecturas.push_back(k.opciones.empty() ? LeeCasilla(v.ventana, k.control, false)
                                                  : LeeIndice(v.ventana, k.control, 0,
                                                              static_cast<int>(k.opciones.size())));
    }
    return lecturas;
}

bool AnadirAlCatalogo(EntradaCatalogo entrada) {
    return Anadir(Tabla(), std::move(entrada));
}

} // namespace velmora
