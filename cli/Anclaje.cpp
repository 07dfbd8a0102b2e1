// "anclaje": el botón «Longitud anclaje», con las barras de las posiciones I y II tomadas de las
// ranuras 1 y 2 como si se hubieran aceptado en el selector con «Defina armadura».

#include "anchorage/Anclaje.h"
#include "anchorage/DescripcionAnclaje.h"
#include "cli/TextosCampos.h"
#include "design/Ranuras.h"

namespace velmora {

namespace {

constexpr const char* Datos = "VentanaLongitudAnclaje";
constexpr const char* Resultados = "VentanaAnclaje";

void CalcularAnclajeLinea(Contexto& c) {
    const TextosCampos textos = TextosDeCampos(c, Datos, CamposAnclaje);
    EntradaAnclaje e;
    e.DesignacionAcero = c.Indice(Datos, "GrupoDesignacionAcero", 0, 2);
    e.ResistenciaCaracteristica = TextoCampo(textos, CampoResistenciaAnclaje);
    e.TipoAnclaje = c.Indice(Datos, "GrupoTipoAnclaje", 0, 3);
    e.Decalaje = TextoCampo(textos, CampoDecalaje);
    e.Recubrimiento = c.Casilla(Datos, "RecubrimientoHormigon", false);
    e.Dinamicos = c.Casilla(Datos, "EfectosDinamicos", false);
    e.Estricta = c.Casilla(Datos, "ArmaduraSuperabundante", false);
    e.Posicion[2] = c.Casilla(Datos, "PosicionII", true);
    e.Traccion[2] = c.Casilla(Datos, "PosicionIITraccion", false);
    e.Posicion[1] = c.Casilla(Datos, "PosicionI", true);
    e.Traccion[1] = c.Casilla(Datos, "PosicionITraccion", true);
    e.AreaEstricta[2] = TextoCampo(textos, CampoAreaII);
    e.AreaEstricta[1] = TextoCampo(textos, CampoAreaI);

    ValoresAnclaje v;
    std::string boton[3] = {"", "Defina armadura", "Defina armadura"};
    for (int p = 1; p <= 2; ++p) {
        if (!c.RanuraDada(p))
            continue;
        c.Estado.IndiceArmadura = p;
        SumarArea(c.Estado);
        TomarArmaduraRanura(c.Estado, v, p);
        boton[p] = TextoArmadura(c.Estado, p);
    }
    const auto s = Exigir(CalcularLongitudesAnclaje(c.Estado, v, e));

    c.Poner(Datos, "AreaPosicionII", boton[2]);
    c.Poner(Datos, "AreaPosicionI", boton[1]);
    c.Poner(Datos, "RecubrimientoHormigon", TextoRecubrimiento(c.Estado));
    // Una posición no calculada tiene sus filas ocultas: rótulo vacío.
    c.Poner(Resultados, "LongitudBasicaII", s.Calculada[2] ? s.LongitudBasica[2] : "");
    c.Poner(Resultados, "LongitudNetaII", s.Calculada[2] ? s.LongitudNeta[2] : "");
    c.Poner(Resultados, "LongitudBasicaI", s.Calculada[1] ? s.LongitudBasica[1] : "");
    c.Poner(Resultados, "LongitudNetaI", s.Calculada[1] ? s.LongitudNeta[1] : "");
    c.Poner(Resultados, "EtiquetaDecalaje", s.Nota ? "* Se ha sumado el decalaje" : "");
}

const RegistrarCalculo registro{"anclaje", "longitudes de anclaje básica y neta de las barras",
                                &CalcularAnclajeLinea};

} // namespace

} // namespace velmora
