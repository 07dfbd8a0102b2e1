// "anclaje": el botón «Longitud anclaje», con las barras de las posiciones I y II tomadas de las
// ranuras 1 y 2 como si se hubieran aceptado en el selector con «Defina armadura».

#include "anchorage/Anclaje.h"
#include "anchorage/ComparacionNormas.h"
#include "anchorage/DescripcionAnclaje.h"
#include "design/Ranuras.h"
#include "documento/Comparacion.h"
#include "documento/TextosCampos.h"
#include "documento/calculos/Ventanas.h"

namespace velmora {

namespace {

constexpr const char* Datos = "VentanaLongitudAnclaje";
constexpr const char* Resultados = "VentanaAnclaje";

void CalcularAnclajeLinea(Contexto& c) {
    // Sin "ParametrosGenerales" la comparación toma las elecciones de arranque.
    EleccionParametros p;
    if (c.Presente("ParametrosGenerales"))
        p = c.ConfirmarParametros();
    const TextosCampos textos = TextosDeCampos(c, Datos, CamposAnclaje);
    EntradaAnclaje e;
    e.DesignacionAcero = c.Indice(Datos, "GrupoDesignacionAcero", 0, 2);
    e.ResistenciaCaracteristica = TextoCampo(textos, CampoResistenciaAnclaje);
    e.Tipo = static_cast<TipoAnclaje>(c.Indice(Datos, "GrupoTipoAnclaje", 0, 3));
    e.Decalaje = TextoCampo(textos, CampoDecalaje);
    e.Recubrimiento = c.Casilla(Datos, "RecubrimientoHormigon", false);
    e.Dinamicos = c.Casilla(Datos, "EfectosDinamicos", false);
    e.Estricta = c.Casilla(Datos, "ArmaduraSuperabundante", false);
    const std::size_t I = Indice(PosicionAnclaje::I), II = Indice(PosicionAnclaje::II);
    e.Posicion[II] = c.Casilla(Datos, "PosicionII", true);
    e.Traccion[II] = c.Casilla(Datos, "PosicionIITraccion", false);
    e.Posicion[I] = c.Casilla(Datos, "PosicionI", true);
    e.Traccion[I] = c.Casilla(Datos, "PosicionITraccion", true);
    e.AreaEstricta[II] = TextoCampo(textos, CampoAreaII);
    e.AreaEstricta[I] = TextoCampo(textos, CampoAreaI);
    if (!e.Estricta) // sin armadura estricta sus áreas no intervienen
        for (const Campo& campo : {CampoAreaI, CampoAreaII})
            c.NoUsado(Datos, campo.control);
    // Una posición sin marcar no se calcula: ni su tracción ni sus barras intervienen.
    if (!e.Posicion[II]) {
        c.NoUsado(Datos, "PosicionIITraccion");
        c.RotuloNoUsado(Datos, "AreaPosicionII");
    }
    if (!e.Posicion[I]) {
        c.NoUsado(Datos, "PosicionITraccion");
        c.RotuloNoUsado(Datos, "AreaPosicionI");
    }

    ValoresAnclaje v;
    std::array<std::string, 2> boton{"Defina armadura", "Defina armadura"};
    for (PosicionAnclaje p : PosicionesAnclaje) {
        const int ranura = RanuraDe(p);
        if (!c.RanuraDada(ranura))
            continue;
        c.Estado.IndiceArmadura = ranura;
        SumarArea(c.Estado);
        TomarArmaduraRanura(c.Estado, v, p);
        boton[Indice(p)] = TextoArmadura(c.Estado, ranura);
    }
    const auto s = Exigir(CalcularLongitudesAnclaje(c.Estado, v, e));

    c.Poner(Datos, "AreaPosicionII", boton[II]);
    c.Poner(Datos, "AreaPosicionI", boton[I]);
    c.Poner(Datos, "RecubrimientoHormigon", TextoRecubrimiento(c.Estado));
    // Una posición no calculada tiene sus filas ocultas: rótulo vacío.
    c.Poner(Resultados, "LongitudBasicaII", s.Calculada[II] ? s.LongitudBasica[II] : "");
    c.Poner(Resultados, "LongitudNetaII", s.Calculada[II] ? s.LongitudNeta[II] : "");
    c.Poner(Resultados, "LongitudBasicaI", s.Calculada[I] ? s.LongitudBasica[I] : "");
    c.Poner(Resultados, "LongitudNetaI", s.Calculada[I] ? s.LongitudNeta[I] : "");
    c.Poner(Resultados, "EtiquetaDecalaje", s.Nota ? "* Se ha sumado el decalaje" : "");
    PonerNorma(c, Resultados);
    for (PosicionAnclaje p : PosicionesAnclaje)
        if (const std::size_t i = Indice(p); s.Calculada[i])
            c.Informar(p == PosicionAnclaje::I ? "Anclaje de las barras en posición I"
                                               : "Anclaje de las barras en posición II",
                       [&] {
                           // El mismo cálculo de la posición, ahora anotando sus pasos.
                           Traza t;
                           (void)CalcularAnclaje(s.Datos[i], &t);
                           return t;
                       });
    if (ComparacionPedida(c, Resultados))
        PonerComparacion(c, Exigir(CompararNormasAnclaje(c.Estado, p, v, e)));
}

// Los rótulos de «anclaje» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeAnclaje() {
    return {
        {"VentanaLongitudAnclaje", "AreaPosicionII", "Barras en posición II", "",
         "Defina armadura"},
        {"VentanaLongitudAnclaje", "AreaPosicionI", "Barras en posición I", "", "Defina armadura"},
        {"VentanaLongitudAnclaje", "RecubrimientoHormigon", ""},
        {"VentanaAnclaje", "LongitudBasicaII",
         "Longitud básica de anclaje en posición II l<sub>bII</sub>"},
        {"VentanaAnclaje", "LongitudNetaII",
         "Longitud neta de anclaje en posición II l<sub>nII</sub>"},
        {"VentanaAnclaje", "LongitudBasicaI",
         "Longitud básica de anclaje en posición I l<sub>bI</sub>"},
        {"VentanaAnclaje", "LongitudNetaI",
         "Longitud neta de anclaje en posición I l<sub>nI</sub>"},
        {"VentanaAnclaje", "EtiquetaDecalaje", "Nota"},
        {"VentanaAnclaje", "EtiquetaNorma", "Norma"},
    };
}

} // namespace

namespace {

// Los controles que lee «anclaje», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasAnclaje() {
    return Seguidas(LecturasParametros(Cuando::ConParametros),
                    {LeeTexto("VentanaLongitudAnclaje", "ResistenciaCaracteristica", "25"),
                     LeeTexto("VentanaLongitudAnclaje", "CuadroDecalaje", "0"),
                     LeeTexto("VentanaLongitudAnclaje", "AreaI", "1"),
                     LeeTexto("VentanaLongitudAnclaje", "AreaII", "1"),
                     LeeIndice("VentanaLongitudAnclaje", "GrupoDesignacionAcero", 0, 2),
                     LeeIndice("VentanaLongitudAnclaje", "GrupoTipoAnclaje", 0, 3),
                     LeeCasilla("VentanaLongitudAnclaje", "RecubrimientoHormigon", false),
                     LeeCasilla("VentanaLongitudAnclaje", "EfectosDinamicos", false),
                     LeeCasilla("VentanaLongitudAnclaje", "ArmaduraSuperabundante", false),
                     LeeCasilla("VentanaLongitudAnclaje", "PosicionII", true),
                     LeeCasilla("VentanaLongitudAnclaje", "PosicionIITraccion", false),
                     LeeCasilla("VentanaLongitudAnclaje", "PosicionI", true),
                     LeeCasilla("VentanaLongitudAnclaje", "PosicionITraccion", true)});
}

} // namespace

EntradaCatalogo CatalogoAnclaje() {
    return {.nombre = "anclaje",
            .titulo = "Longitudes de anclaje de las barras",
            .descripcion = "longitudes de anclaje básica y neta de las barras",
            .funcion = &CalcularAnclajeLinea,
            .ventanas = {VentanaParametros(), {Datos, CamposAnclaje, EleccionesAnclaje}},
            .ranuras = {{1, Datos, "AreaPosicionI", "Defina armadura"},
                        {2, Datos, "AreaPosicionII", "Defina armadura"}},
            .resultados = ResultadosDeAnclaje(),
            .lecturas = LecturasAnclaje(),
            .ventanasDatos = {"VentanaLongitudAnclaje"},
            .ventanasResultados = {"VentanaAnclaje"}};
}

} // namespace velmora
