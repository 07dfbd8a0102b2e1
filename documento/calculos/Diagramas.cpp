// "acero", "parabola" y "conversion": las dos herramientas de diagramas de los materiales y la
// conversión de unidades. El diagrama del acero y el parábola-rectángulo escriben sus propios
// materiales; confirman los parámetros generales sólo si la línea los trae, por la norma (y αcc
// en el Código Estructural). La conversión no usa el estado.

#include "common/Numeros.h"
#include "diagrams/DescripcionHerramientas.h"
#include "diagrams/DiagramaAcero.h"
#include "diagrams/ParabolaRectangulo.h"
#include "diagrams/SvgDiagramas.h"
#include "documento/CamposLinea.h"
#include "documento/TextosCampos.h"
#include "documento/calculos/Ventanas.h"
#include "tools/Conversion.h"

namespace velmora {

namespace {

constexpr const char* Acero = "DiagramaCalculo";
constexpr const char* Parabola = "VentanaParabola";
constexpr const char* Conversion = "VentanaConversion";

// Código Estructural: la rama superior y, con la inclinada, k y εuk (se leen siempre, como los
// tiene la ventana; con la horizontal no intervienen).
void LeerRamaCE(Contexto& c, EleccionDiagrama& e) {
    const int rama = c.Indice(Acero, EleccionRamaSuperior.control, 0, 2);
    const TextosCampos textos = TextosDeLinea(c, Acero, CamposRamaInclinada);
    if (rama != 1) {
        for (const Campo& campo : CamposRamaInclinada)
            c.NoUsado(Acero, campo.control);
        return;
    }
    e.Rama = RamaSuperior::Inclinada;
    EstadoDiseno copia = c.Estado;
    LeerDatosDiagrama(copia, e);
    e.Inclinada = Exigir(LeerRamaInclinada(textos, copia.fyd));
}

// Los grupos elegidos (como sus clics) y «Calcular» con la deformación de Valor1. Con el Código
// Estructural no hay tipo de diagrama (sólo armadura pasiva) ni Es que elegir.
void CalcularAcero(Contexto& c) {
    ConfirmarParametrosDados(c);
    const bool ce = c.Estado.norma == Norma::CodigoEstructural;
    // Uno tras otro: cada lectura queda anotada en su orden para la memoria.
    const int designacion = c.Indice(Acero, "GrupoDesignacionAcero", 0, 2);
    const int tipo = ce ? 0 : c.Indice(Acero, "GrupoTipoDiagrama", 0, 2);
    const int control = c.Indice(Acero, "GrupoControlAcero", 0, 2);
    const int situacion = c.Indice(Acero, "GrupoSituacionProyecto", 0, 2);
    const int es = ce ? 1 : c.Indice(Acero, "GrupoValorEs", 1, 3);
    EleccionDiagrama e = EleccionDeIndices(designacion, tipo, control, situacion, es);
    if (ce)
        LeerRamaCE(c, e);
    const TextosCampos textos = TextosDeLinea(c, Acero, std::span(&CampoDeformacionAcero, 1));
    const std::string_view valor1 = TextoCampo(textos, CampoDeformacionAcero);

    const RotulosDiagrama r = RotularDiagrama(c.Estado, e);
    const std::string tension = Exigir(RotuloCalcular(c.Estado, e, valor1));
    c.Poner(Acero, "EtiquetaAcero", TextoEtiquetaAcero(e.DesignacionAcero));
    // Sin clic en el grupo, la etiqueta conserva su rótulo de arranque.
    c.Poner(Acero, "EtiquetaTipoDiagrama",
            ce || c.Presente(Acero, "GrupoTipoDiagrama") ? TextoEtiquetaTipoDiagrama(c.Estado, e)
                                                         : std::string("ar. pasiva"));
    c.Poner(Acero, "EtiquetaGammas", TextoEtiquetaGammas(c.Estado, e));
    c.Poner(Acero, "EtiquetaEs", TextoEtiquetaEs(c.Estado, e.ValorEs));
    c.Poner(Acero, "Label20", r.Label20);
    c.Poner(Acero, "Label28", r.Label28);
    c.Poner(Acero, "Label29", r.Label29);
    c.Poner(Acero, "Label30", r.Label30);
    c.Poner(Acero, "ValorTension", tension);
    if (ce)
        c.Poner(Acero, "EtiquetaLeyAcero", TextoLeyAceroCE(c.Estado, e));
    // Memoria: la tensión de la deformación escrita (ya leída sin error por RotuloCalcular).
    if (const auto eps = LeerNumero(valor1, "Deformación"); eps) {
        // La memoria vuelve a calcular la tensión con una traza: sus pasos son los del cálculo.
        c.Informar("Diagrama de cálculo del acero", [&] {
            Traza traza;
            EstadoDiseno estado = c.Estado;
            (void)CalcularTension(estado, e, *eps, &traza);
            return traza;
        });
        c.Dibujar("Diagrama σ–ε de cálculo del acero con el punto de la deformación escrita",
                  [&] { return SvgDiagramaAcero(CalcularDibujoAcero(c.Estado, true, *eps, e)); });
    }
}

void CalcularParabolaRectangulo(Contexto& c) {
    ConfirmarParametrosDados(c);
    const TextosCampos textos = TextosDeLinea(c, Parabola, CamposParabola);
    const int tipo = c.Indice(Parabola, "GrupoTipoSeccion", 0, 2);
    const int situacion = c.Indice(Parabola, "GrupoSituacionProyecto", 0, 2);
    if (tipo != 1) { // la sección rectangular no tiene ala ni alma
        c.NoUsado(Parabola, CampoCantoAla.control);
        c.NoUsado(Parabola, CampoAnchoAlma.control);
    }
    const auto datos =
        Exigir(LeerDatosParabola(textos, tipo == 1 ? FormaSeccion::EnT : FormaSeccion::Rectangular,
                                 situacion == 1 ? SituacionDeProyecto::Accidental
                                                : SituacionDeProyecto::PersistenteOTransitoria));
    const RotulosParabola r = Exigir(CalcularParabola(c.Estado, datos));
    c.Poner(Parabola, "EtiquetaHormigon",
            TextoEtiquetaHormigon(TextoCampo(textos, CampoFckParabola), c.Estado.norma));
    c.Poner(Parabola, "EtiquetaGammac", TextoEtiquetaGammac(c.Estado, situacion));
    c.Poner(Parabola, "Compresion", r.Compresion);
    c.Poner(Parabola, "CentroGravedad", r.CentroGravedad);
    if (c.Estado.norma == Norma::CodigoEstructural)
        c.Poner(Parabola, "EtiquetaLeyHormigon",
                TextoLeyHormigonCE(c.Estado.fck, c.Estado.alphaCC, c.Estado.gammaC));
    // La memoria vuelve a hacer el mismo cálculo con una traza: sus pasos son los del bloque.
    c.Informar("Bloque parábola-rectángulo", [&] {
        Traza traza;
        EstadoDiseno estado = c.Estado;
        (void)CalcularParabola(estado, datos, &traza);
        return traza;
    });
    c.Dibujar("Bloque de compresiones sobre el canto",
              [&] { return SvgBloque(CalcularDibujoBloque(c.Estado)); });
}

// La forma científica lleva aquí siempre punto decimal: la salida de una tanda no depende de
// la configuración regional de la máquina.
void CalcularConversion(Contexto& c) {
    const int tipo = c.Indice(Conversion, "GrupoTipoConversion", 0, NumeroTiposConversion);
    const std::string valor =
        c.Texto(Conversion, CampoValorOrigen.control, CampoValorOrigen.defecto);
    UnidadesConversion u;
    u.LongitudOrigen = c.Indice(Conversion, "GrupoTipoLongitudOrigen", 0, NumeroUnidadesLongitud);
    u.FuerzaOrigen = c.Indice(Conversion, "GrupoTipoFuerzaOrigen", 0, NumeroUnidadesFuerza);
    u.LongitudFinal = c.Indice(Conversion, "GrupoTipoLongitudFinal", 0, NumeroUnidadesLongitud);
    u.FuerzaFinal = c.Indice(Conversion, "GrupoTipoFuerzaFinal", 0, NumeroUnidadesFuerza);
    const bool cientifico = c.Indice(Conversion, "GrupoTipoSalida", 0, 2) == 1;

    const auto t = static_cast<TipoConversion>(tipo);
    c.Poner(Conversion, "ValorFinal", Exigir(ConvertirTexto(t, valor, u, cientifico)));
    c.Poner(
        Conversion, "EtiquetaUnidadesOrigen01",
        TextoUnidad(t, NombreUnidadFuerza(u.FuerzaOrigen), NombreUnidadLongitud(u.LongitudOrigen)));
    c.Poner(
        Conversion, "EtiquetaUnidadesFinal01",
        TextoUnidad(t, NombreUnidadFuerza(u.FuerzaFinal), NombreUnidadLongitud(u.LongitudFinal)));
}

// Los rótulos de «acero» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeAcero() {
    return {
        {"DiagramaCalculo", "EtiquetaAcero", "Acero"},
        {"DiagramaCalculo", "EtiquetaTipoDiagrama", "Diagrama"},
        {"DiagramaCalculo", "EtiquetaGammas",
         "Coeficiente parcial de seguridad del acero γ<sub>s</sub>"},
        {"DiagramaCalculo", "EtiquetaEs", "Módulo de deformación longitudinal E<sub>s</sub>", "",
         "", "²"},
        {"DiagramaCalculo", "Label20", "Resistencia de cálculo del acero f<sub>yd</sub>", "", "",
         "²"},
        {"DiagramaCalculo", "Label28", "Tensión σ<sub>s</sub> para una deformación característica",
         "", "", "²"},
        {"DiagramaCalculo", "Label29", "Tensión σ<sub>s</sub> para una deformación característica",
         "", "", "²"},
        {"DiagramaCalculo", "Label30", "Tensión σ<sub>s</sub> para una deformación característica",
         "", "", "²"},
        {"DiagramaCalculo", "ValorTension", "Tensión σ<sub>s</sub> para la deformación dada",
         "N/mm²"},
        {"DiagramaCalculo", "EtiquetaLeyAcero", "Diagrama de cálculo del acero"},
    };
}

// Los rótulos de «parabola» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeParabola() {
    return {
        {"VentanaParabola", "EtiquetaHormigon", "Hormigón"},
        {"VentanaParabola", "EtiquetaGammac",
         "Coeficiente parcial de seguridad del hormigón γ<sub>c</sub>"},
        {"VentanaParabola", "Compresion", "Resultante de las compresiones C"},
        {"VentanaParabola", "CentroGravedad", "Profundidad de la resultante x<sub>g</sub>"},
        {"VentanaParabola", "EtiquetaLeyHormigon", "Diagrama del hormigón"},
    };
}

// Los rótulos de «conversion» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeConversion() {
    return {
        {"VentanaConversion", "ValorFinal", "Valor convertido"},
        {"VentanaConversion", "EtiquetaUnidadesOrigen01", "Unidades de origen"},
        {"VentanaConversion", "EtiquetaUnidadesFinal01", "Unidades finales"},
    };
}

} // namespace

namespace {

// Los controles que lee «acero», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasAcero() {
    return Seguidas(
        LecturasParametros(Cuando::ConParametros),
        {LeeIndice("DiagramaCalculo", "GrupoDesignacionAcero", 0, 2),
         LeeIndice("DiagramaCalculo", "GrupoTipoDiagrama", 0, 2, Cuando::SoloEHE98),
         LeeIndice("DiagramaCalculo", "GrupoControlAcero", 0, 2),
         LeeIndice("DiagramaCalculo", "GrupoSituacionProyecto", 0, 2),
         LeeIndice("DiagramaCalculo", "GrupoValorEs", 1, 3, Cuando::SoloEHE98),
         LeeIndice("DiagramaCalculo", "GrupoRamaSuperior", 0, 2, Cuando::SoloCodigoEstructural),
         LeeTexto("DiagramaCalculo", "CoeficienteK", "1.05", Cuando::SoloCodigoEstructural),
         LeeTexto("DiagramaCalculo", "DeformacionUk", "5.0", Cuando::SoloCodigoEstructural),
         LeeTexto("DiagramaCalculo", "Valor1", "0.01")});
}

} // namespace

EntradaCatalogo CatalogoAcero() {
    return {.nombre = "acero",
            .titulo = "Diagrama de cálculo del acero",
            .descripcion = "diagrama de cálculo tensión-deformación del acero",
            .funcion = &CalcularAcero,
            .ventanas = {VentanaParametros(),
                         {Acero, std::span(&CampoDeformacionAcero, 1), EleccionesDiagramaAcero},
                         {Acero, CamposRamaInclinada, std::span(&EleccionRamaSuperior, 1)}},
            .resultados = ResultadosDeAcero(),
            .lecturas = LecturasAcero(),
            .ventanasDatos = {"DiagramaCalculo"},
            .ventanasResultados = {"DiagramaCalculo"}};
}

namespace {

// Los controles que lee «parabola», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasParabola() {
    return Seguidas(LecturasParametros(Cuando::ConParametros),
                    {LeeTexto("VentanaParabola", "Valor1", "0.40"),
                     LeeTexto("VentanaParabola", "Valor2", "0.30"),
                     LeeTexto("VentanaParabola", "Valor3", "0.03"),
                     LeeTexto("VentanaParabola", "Valor4", "0.10"),
                     LeeTexto("VentanaParabola", "Valor5", "0.10"),
                     LeeTexto("VentanaParabola", "Valor6", "0.1"),
                     LeeTexto("VentanaParabola", "ResistenciaCaracteristica", "25"),
                     LeeIndice("VentanaParabola", "GrupoTipoSeccion", 0, 2),
                     LeeIndice("VentanaParabola", "GrupoSituacionProyecto", 0, 2)});
}

} // namespace

EntradaCatalogo CatalogoParabola() {
    return {.nombre = "parabola",
            .titulo = "Diagrama parábola-rectángulo del hormigón",
            .descripcion = "bloque parábola-rectángulo del hormigón para una fibra neutra dada",
            .funcion = &CalcularParabolaRectangulo,
            .ventanas = {VentanaParametros(),
                         {Parabola, std::span(&CampoAnchoAla, 1), {}, "GrupoTipoSeccion", 1},
                         {Parabola, CamposParabola, EleccionesParabola}},
            .resultados = ResultadosDeParabola(),
            .lecturas = LecturasParabola(),
            .ventanasDatos = {"VentanaParabola"},
            .ventanasResultados = {"VentanaParabola"}};
}

namespace {

// Los controles que lee «conversion», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasConversion() {
    return {LeeIndice("VentanaConversion", "GrupoTipoConversion", 0, 5),
            LeeTexto("VentanaConversion", "ValorOrigen", "1.0"),
            LeeIndice("VentanaConversion", "GrupoTipoLongitudOrigen", 0, 3),
            LeeIndice("VentanaConversion", "GrupoTipoFuerzaOrigen", 0, 4),
            LeeIndice("VentanaConversion", "GrupoTipoLongitudFinal", 0, 3),
            LeeIndice("VentanaConversion", "GrupoTipoFuerzaFinal", 0, 4),
            LeeIndice("VentanaConversion", "GrupoTipoSalida", 0, 2)};
}

} // namespace

EntradaCatalogo CatalogoConversion() {
    return {.nombre = "conversion",
            .titulo = "Conversión de unidades",
            .descripcion = "conversión de unidades",
            .funcion = &CalcularConversion,
            .volcarEstado = false,
            .ventanas = {{Conversion, std::span(&CampoValorOrigen, 1), EleccionesConversion}},
            .resultados = ResultadosDeConversion(),
            .lecturas = LecturasConversion(),
            .ventanasDatos = {"VentanaConversion"}};
}

} // namespace velmora
