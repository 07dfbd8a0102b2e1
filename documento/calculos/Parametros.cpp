// "parametros": el botón OK de la ventana de parámetros generales.

#include "design/TextosParametros.h"
#include "documento/Contexto.h"
#include "documento/calculos/Ventanas.h"

namespace velmora {

namespace {

void CalcularParametros(Contexto& c) {
    const auto p = c.ConfirmarParametros();
    const char* v = "ParametrosGenerales";
    c.Poner(v, "EtiquetaAcero", TextoAcero(p.DesignacionAcero));
    // El rótulo dice el hormigón que se usa: con control reducido (EHE-98), fck = 10·γc.
    c.Poner(v, "EtiquetaHormigon",
            ControlReducidoHormigon(p) ? TextoHormigonReducido(c.Estado.gammaC)
                                       : TextoHormigon(p.ResistenciaCaracteristica));
    c.Poner(v, "EtiquetaGammas", TextoGammaS(p.norma, p.SituacionProyecto, p.ControlAcero));
    c.Poner(v, "EtiquetaGammac", TextoGammaC(p.norma, p.SituacionProyecto, p.ControlHormigon));
}

// Los rótulos de «parametros» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeParametros() {
    return {
        {"ParametrosGenerales", "EtiquetaAcero", "Acero"},
        {"ParametrosGenerales", "EtiquetaHormigon", "Hormigón"},
        {"ParametrosGenerales", "EtiquetaGammas",
         "Coeficiente parcial de seguridad del acero γ<sub>s</sub>"},
        {"ParametrosGenerales", "EtiquetaGammac",
         "Coeficiente parcial de seguridad del hormigón γ<sub>c</sub>"},
    };
}

} // namespace

VentanaCatalogo VentanaParametros() {
    return {"ParametrosGenerales", CamposParametros, EleccionesParametros};
}

std::vector<LecturaCatalogo> LecturasParametros(Cuando cuando) {
    constexpr const char* Parametros = "ParametrosGenerales";
    return {LeeIndice(Parametros, "GrupoNorma", 0, 2, cuando),
            LeeTexto(Parametros, "CoeficienteAlfaCC", "1.00", cuando),
            LeeIndice(Parametros, "GrupoDesignacionAcero", 0, 2, cuando),
            LeeIndice(Parametros, "GrupoControlAcero", 0, 2, cuando),
            LeeTexto(Parametros, "ResistenciaCaracteristica", "25", cuando),
            LeeIndice(Parametros, "GrupoControlHormigon", 0, 2, cuando),
            LeeIndice(Parametros, "GrupoSituacionProyecto", 0, 2, cuando),
            LeeIndice(Parametros, "GrupoTipoElemento", 0, 5, cuando),
            LeeCasilla(Parametros, "ArmaduraSimetrica", true, cuando),
            LeeCasilla(Parametros, "HormigonadoVertical", true, cuando)};
}

std::vector<LecturaCatalogo> Seguidas(std::vector<LecturaCatalogo> primeras,
                                      std::initializer_list<LecturaCatalogo> siguientes) {
    primeras.insert(primeras.end(), siguientes.begin(), siguientes.end());
    return primeras;
}

EntradaCatalogo CatalogoParametros() {
    return {.nombre = "parametros",
            .titulo = "Parámetros generales",
            .descripcion = "parámetros generales confirmados con OK",
            .funcion = &CalcularParametros,
            .ventanas = {VentanaParametros()},
            .resultados = ResultadosDeParametros(),
            .lecturas = LecturasParametros(),
            .ventanasDatos = {"ParametrosGenerales"}};
}

} // namespace velmora
