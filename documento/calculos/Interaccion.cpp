// "interaccion": el diagrama de interacción N–M de la sección de DatosSeccion o DatosSeccionT,
// con A1 y A2 de las ranuras 1 y 2 o escritas en cm² en VentanaInteraccion, y la comprobación de
// las combinaciones de "combinaciones".

#include "section/Interaccion.h"
#include "design/Ranuras.h"
#include "documento/Contexto.h"
#include "documento/calculos/Seccion.h"
#include "documento/calculos/Ventanas.h"
#include "section/CalculoSeccion.h"
#include "section/DibujoInteraccion.h"

namespace velmora {

namespace {

constexpr const char* Ventana = "VentanaInteraccion";
constexpr std::size_t MaximoCombinaciones = 10000;

// Área (mm²) de una cara: escrita en cm² en la ventana o, si no, la de su ranura; cero si la
// línea no da ninguna de las dos.
double LeerArea(Contexto& c, const Campo& campo, int ranura, const char* nombre) {
    const std::string control(campo.control);
    if (c.Presente(Ventana, control)) {
        if (c.RanuraDada(ranura))
            Fallar("Dé " + std::string(nombre) + " escrita en «" + control + "» o con la ranura " +
                       std::to_string(ranura) + ", no con las dos.",
                   control);
        const TextosCampos textos{{control, c.Texto(Ventana, control, campo.defecto)}};
        return Exigir(LeerCampoEnIntervalo(textos, campo));
    }
    if (!c.RanuraDada(ranura))
        return 0.0;
    c.Estado.IndiceArmadura = ranura;
    return SumarArea(c.Estado);
}

std::vector<Combinacion> LeerCombinaciones(Contexto& c) {
    std::vector<Combinacion> r;
    const Json* lista = c.Clave("combinaciones");
    if (!lista)
        return r;
    if (!lista->is_array() || lista->size() > MaximoCombinaciones)
        Fallar("«combinaciones» es una lista de hasta 10000 combinaciones [nombre, Nd (kN), "
               "Md (kN·m)], con tres textos cada una.",
               "combinaciones");
    int fila = 0;
    for (const Json& x : *lista) {
        ++fila;
        if (!x.is_array() || x.size() != 3 || !x[0].is_string() || !x[1].is_string() ||
            !x[2].is_string())
            Fallar("La combinación " + std::to_string(fila) +
                       " debe ser [nombre, Nd (kN), Md (kN·m)] con tres textos, p. ej. "
                       "[\"ELU-1\", \"350\", \"120\"].",
                   "combinaciones");
        FilaCombinacion f{x[0].get<std::string>(), x[1].get<std::string>(),
                          x[2].get<std::string>()};
        r.push_back(Exigir(LeerCombinacion(f, fila, "combinaciones")));
    }
    return r;
}

void CalcularInteraccionLinea(Contexto& c) {
    // Sus dos controles sólo se leen si se dan: la ventana vacía ({}) se admite como las demás.
    c.AbrirVentana(Ventana);
    c.ConfirmarParametros();
    const auto datos = LeerVentanaSeccion(c, false);
    Exigir(PrepararMomento(c.Estado, datos));
    const double A1 = LeerArea(c, CampoAreaA1, 1, "A1");
    const double A2 = LeerArea(c, CampoAreaA2, 2, "A2");
    const auto combinaciones = LeerCombinaciones(c);
    const auto d = Exigir(CalcularInteraccion(c.Estado, SeccionDelEstado(c.Estado, A1, A2)));

    const auto valores = Valores(d);
    Json comprobadas = Json::array();
    std::vector<ComprobacionCombinacion> comprobaciones;
    for (const auto& k : combinaciones) {
        const auto x = ComprobarCombinacion(d, k);
        comprobaciones.push_back(x);
        comprobadas.push_back({{"nombre", k.Nombre},
                               {"Nd", EnKN(k.Nd)},
                               {"Md", EnKNm(k.Md)},
                               {"gamma", x.Nula ? Json(nullptr) : Json(x.Gamma)},
                               {"cumple", x.Cumple}});
    }
    c.Poner(Ventana, "AreaA1", RotuloAreaCm2(A1));
    c.Poner(Ventana, "AreaA2", RotuloAreaCm2(A2));
    c.Poner("", "N0", valores.N0);
    c.Poner("", "Ntraccion", valores.Ntraccion);
    c.Poner("", "Mmax", valores.Mmax);
    c.Poner("", "Mmin", valores.Mmin);
    c.Poner("", "curva", valores.Curva);
    c.Poner("", "combinaciones", std::move(comprobadas));
    c.Dibujar("Diagrama de interacción N–M con las combinaciones comprobadas",
              [&] { return SvgInteraccion(d, comprobaciones, 640, 480); });
}

constexpr std::array<Campo, 2> AreasInteraccion{CampoAreaA1, CampoAreaA2};

// Los rótulos de «interaccion» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeInteraccion() {
    return {
        {"VentanaInteraccion", "AreaA1", "Área A<sub>1</sub>", "cm²"},
        {"VentanaInteraccion", "AreaA2", "Área A<sub>2</sub>", "cm²"},
        {"", "N0", "Esfuerzo normal último en compresión centrada N<sub>0</sub>", "kN"},
        {"", "Ntraccion", "Esfuerzo normal último en tracción centrada", "kN"},
        {"", "Mmax", "Momento último positivo máximo", "kN·m"},
        {"", "Mmin", "Momento último negativo máximo", "kN·m"},
    };
}

} // namespace

EntradaCatalogo CatalogoInteraccion() {
    return {.nombre = "interaccion",
            .titulo = "Diagrama de interacción N–M de la sección",
            .descripcion = "diagrama de interacción N–M con A1 y A2 (ranuras 1 y 2) y comprobación "
                           "de combinaciones",
            .funcion = &CalcularInteraccionLinea,
            .ventanas = VentanasSeccion({Ventana, AreasInteraccion}),
            .resultados = ResultadosDeInteraccion(),
            .lecturas = LecturasDatosSeccion(
                false, {LeeValor("combinaciones"),
                        LeeTexto("VentanaInteraccion", "AreaA1", "0", Cuando::SiSeDa),
                        LeeTexto("VentanaInteraccion", "AreaA2", "0", Cuando::SiSeDa)}),
            .unaSeccion = true};
}

} // namespace velmora
