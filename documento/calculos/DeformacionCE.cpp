// "fluencia_ce" y "retraccion_ce": el botón «Calcular» de las ventanas de fluencia y de
// retracción del Código Estructural. Sólo usan los datos de su ventana: la respuesta no lleva el
// estado de diseño. Con "BotonCompararNormas": true en la ventana, también la tabla de «Comparar
// normas» con el modelo de la EHE-98.

#include "documento/CamposLinea.h"
#include "documento/Comparacion.h"
#include "timedep/ComparacionDiferidas.h"
#include "timedep/ce/DescripcionDiferidasCE.h"
#include "timedep/ce/FluenciaCE.h"
#include "timedep/ce/RetraccionCE.h"

namespace velmora {

namespace {

constexpr const char* FluenciaCE = "VentanaFluenciaCE";
constexpr const char* RetraccionCE = "VentanaRetraccionCE";

ce::ClaseCemento Cemento(Contexto& c, const char* ventana) {
    return Exigir(ce::LeerClaseCemento(
        c.Indice(ventana, ce::EleccionClaseCemento.control, ce::ClaseCementoDeArranque,
                 static_cast<int>(ce::OpcionesClaseCemento.size()))));
}

bool EspesorConocido(Contexto& c, const char* ventana) {
    return c.Casilla(ventana, ce::EleccionEspesorMedio.control, false);
}

void CalcularFluenciaCELinea(Contexto& c) {
    c.FijarNorma(Norma::CodigoEstructural);
    const TextosCampos textos = TextosDeLinea(c, FluenciaCE, ce::CamposFluenciaCE);
    const bool conocido = EspesorConocido(c, FluenciaCE);
    const auto datos = Exigir(ce::LeerDatosFluenciaCE(textos, conocido, Cemento(c, FluenciaCE)));
    const auto r = Exigir(ce::CalcularFluenciaCE(datos));
    c.Informar("Fluencia (Código Estructural)", [&] {
        // El mismo cálculo, ahora anotando sus pasos.
        Traza t;
        (void)ce::CalcularFluenciaCE(datos, &t);
        return t;
    });
    const ce::TextosFluenciaCE t = ce::RotularFluenciaCE(r);
    const std::pair<const char*, const std::string&> rotulos[] = {
        {"Valorh0", t.h0},
        {"Valorfcm", t.fcm},
        {"ValorEcm", t.Ecm},
        {"ValorEc", t.Ec},
        {"ValorPhiHR", t.PhiHR},
        {"ValorBetaFcm", t.BetaFcm},
        {"ValorT0", t.T0Corregida},
        {"ValorBetaT0", t.BetaT0},
        {"ValorPhi0", t.Phi0},
        {"ValorBetaH", t.BetaH},
        {"ValorBetaC", t.BetaC},
        {"ValorPhi", t.Phi},
        {"ValorFckT0", t.FckT0},
        {"ValorKSigma", t.KSigma},
        {"ValorFactorNoLineal", t.FactorNoLineal},
        {"ValorPhiNl", t.PhiNl},
        {"DeformacionElastica", t.DeformacionElastica},
        {"DeformacionFluencia", t.DeformacionFluencia},
        {"DeformacionTotal", t.DeformacionTotal},
        {"AvisoNoLineal", t.Aviso},
    };
    for (const auto& [control, texto] : rotulos)
        c.Poner(FluenciaCE, control, texto);
    if (ComparacionPedida(c, FluenciaCE))
        PonerComparacion(c, Exigir(CompararFluenciaCE(datos)));
}

void CalcularRetraccionCELinea(Contexto& c) {
    c.FijarNorma(Norma::CodigoEstructural);
    const TextosCampos textos = TextosDeLinea(c, RetraccionCE, ce::CamposRetraccionCE);
    const bool conocido = EspesorConocido(c, RetraccionCE);
    const auto datos =
        Exigir(ce::LeerDatosRetraccionCE(textos, conocido, Cemento(c, RetraccionCE)));
    const auto r = Exigir(ce::CalcularRetraccionCE(datos));
    c.Informar("Retracción (Código Estructural)", [&] {
        // El mismo cálculo, ahora anotando sus pasos.
        Traza t;
        (void)ce::CalcularRetraccionCE(datos, &t);
        return t;
    });
    const ce::TextosRetraccionCE t = ce::RotularRetraccionCE(r);
    const std::pair<const char*, const std::string&> rotulos[] = {
        {"Valorh0", t.h0},
        {"Valorfcm", t.fcm},
        {"ValorBetaHR", t.BetaHR},
        {"ValorEpsilonCd0", t.EpsilonCd0},
        {"Valorkh", t.kh},
        {"ValorBetaDs", t.BetaDs},
        {"ValorEpsilonCd", t.EpsilonCd},
        {"ValorEpsilonCaInf", t.EpsilonCaInf},
        {"ValorBetaAs", t.BetaAs},
        {"ValorEpsilonCa", t.EpsilonCa},
        {"ValorEpsilonCs", t.EpsilonCs},
    };
    for (const auto& [control, texto] : rotulos)
        c.Poner(RetraccionCE, control, texto);
    if (ComparacionPedida(c, RetraccionCE))
        PonerComparacion(c, Exigir(CompararRetraccionCE(datos)));
}

// Los rótulos de «fluencia_ce» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeFluenciaCE() {
    return {
        {"VentanaFluenciaCE", "Valorh0", "Espesor medio h<sub>0</sub>"},
        {"VentanaFluenciaCE", "Valorfcm", "Resistencia media f<sub>cm</sub>"},
        {"VentanaFluenciaCE", "ValorEcm", "Módulo de elasticidad secante E<sub>cm</sub>"},
        {"VentanaFluenciaCE", "ValorEc", "Módulo tangente E<sub>c</sub>"},
        {"VentanaFluenciaCE", "ValorPhiHR", "Efecto de la humedad relativa φ<sub>HR</sub>"},
        {"VentanaFluenciaCE", "ValorBetaFcm", "Efecto de la resistencia β(f<sub>cm</sub>)"},
        {"VentanaFluenciaCE", "ValorT0", "Edad de carga corregida por el cemento t<sub>0</sub>"},
        {"VentanaFluenciaCE", "ValorBetaT0", "Efecto de la edad de carga β(t<sub>0</sub>)"},
        {"VentanaFluenciaCE", "ValorPhi0", "Coeficiente básico de fluencia φ<sub>0</sub>"},
        {"VentanaFluenciaCE", "ValorBetaH",
         "Coeficiente de la humedad y del espesor β<sub>H</sub>"},
        {"VentanaFluenciaCE", "ValorBetaC",
         "Desarrollo de la fluencia β<sub>c</sub>(t,t<sub>0</sub>)"},
        {"VentanaFluenciaCE", "ValorPhi", "Coeficiente de fluencia φ(t,t<sub>0</sub>)"},
        {"VentanaFluenciaCE", "ValorFckT0",
         "Resistencia a la edad de carga f<sub>ck</sub>(t<sub>0</sub>)"},
        {"VentanaFluenciaCE", "ValorKSigma", "Relación tensión-resistencia k<sub>σ</sub>"},
        {"VentanaFluenciaCE", "ValorFactorNoLineal", "Factor de la fluencia no lineal"},
        {"VentanaFluenciaCE", "ValorPhiNl", "Coeficiente de fluencia no lineal φ<sub>nl</sub>"},
        {"VentanaFluenciaCE", "DeformacionElastica", "Deformación elástica ε<sub>c,el</sub>"},
        {"VentanaFluenciaCE", "DeformacionFluencia",
         "Deformación de fluencia ε<sub>cc</sub>(t,t<sub>0</sub>)"},
        {"VentanaFluenciaCE", "DeformacionTotal", "Deformación total ε<sub>c</sub>"},
        {"VentanaFluenciaCE", "AvisoNoLineal", "Aviso"},
    };
}

// Los rótulos de «retraccion_ce» con el nombre (y la unidad, si el rótulo no la lleva) de la
// memoria; sin nombre, el rótulo no se lista. `boton`: el texto de un botón de armadura sin
// definir.
std::vector<ResultadoCatalogo> ResultadosDeRetraccionCE() {
    return {
        {"VentanaRetraccionCE", "Valorh0", "Espesor medio h<sub>0</sub>"},
        {"VentanaRetraccionCE", "Valorfcm", "Resistencia media f<sub>cm</sub>"},
        {"VentanaRetraccionCE", "ValorBetaHR", "Efecto de la humedad relativa β<sub>HR</sub>"},
        {"VentanaRetraccionCE", "ValorEpsilonCd0", "Retracción básica por secado ε<sub>cd,0</sub>"},
        {"VentanaRetraccionCE", "Valorkh", "Coeficiente del espesor medio k<sub>h</sub>"},
        {"VentanaRetraccionCE", "ValorBetaDs",
         "Desarrollo del secado β<sub>ds</sub>(t,t<sub>s</sub>)"},
        {"VentanaRetraccionCE", "ValorEpsilonCd", "Retracción por secado ε<sub>cd</sub>(t)"},
        {"VentanaRetraccionCE", "ValorEpsilonCaInf", "Retracción autógena final ε<sub>ca</sub>(∞)"},
        {"VentanaRetraccionCE", "ValorBetaAs",
         "Desarrollo de la retracción autógena β<sub>as</sub>(t)"},
        {"VentanaRetraccionCE", "ValorEpsilonCa", "Retracción autógena ε<sub>ca</sub>(t)"},
        {"VentanaRetraccionCE", "ValorEpsilonCs", "Retracción total ε<sub>cs</sub>"},
    };
}

} // namespace

namespace {

// Los controles que lee «fluencia_ce», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasFluenciaCE() {
    return {LeeTexto("VentanaFluenciaCE", "ResistenciaCaracteristica", "25"),
            LeeTexto("VentanaFluenciaCE", "HumedadRelativa", "50"),
            LeeTexto("VentanaFluenciaCE", "Area", "1200"),
            LeeTexto("VentanaFluenciaCE", "Perimetro", "140"),
            LeeTexto("VentanaFluenciaCE", "EspesorMedio", "200"),
            LeeTexto("VentanaFluenciaCE", "Tiempo01", "28"),
            LeeTexto("VentanaFluenciaCE", "Tiempo02", "10000"),
            LeeTexto("VentanaFluenciaCE", "Tension", "10"),
            LeeCasilla("VentanaFluenciaCE", "EspesorMedioConocido", false),
            LeeIndice("VentanaFluenciaCE", "GrupoClaseCemento", 1, 3)};
}

} // namespace

EntradaCatalogo CatalogoFluenciaCE() {
    return {
        .nombre = "fluencia_ce",
        .titulo = "Fluencia del hormigón (Código Estructural)",
        .descripcion =
            "coeficiente de fluencia y deformaciones del hormigón (Código Estructural);\n"
            "              VentanaFluenciaCE: ResistenciaCaracteristica, HumedadRelativa, Area y\n"
            "              Perimetro (o EspesorMedioConocido y EspesorMedio), GrupoClaseCemento,\n"
            "              Tiempo01 (t0), Tiempo02 (t), Tension",
        .funcion = &CalcularFluenciaCELinea,
        .volcarEstado = false,
        .ventanas = {{FluenciaCE, ce::CamposFluenciaCE, ce::EleccionesDiferidasCE}},
        .resultados = ResultadosDeFluenciaCE(),
        .lecturas = LecturasFluenciaCE(),
        .ventanasDatos = {"VentanaFluenciaCE"},
        .ventanasResultados = {"VentanaFluenciaCE"}};
}

namespace {

// Los controles que lee «retraccion_ce», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasRetraccionCE() {
    return {LeeTexto("VentanaRetraccionCE", "ResistenciaCaracteristica", "25"),
            LeeTexto("VentanaRetraccionCE", "HumedadRelativa", "50"),
            LeeTexto("VentanaRetraccionCE", "Area", "1200"),
            LeeTexto("VentanaRetraccionCE", "Perimetro", "140"),
            LeeTexto("VentanaRetraccionCE", "EspesorMedio", "200"),
            LeeTexto("VentanaRetraccionCE", "EdadCurado", "7"),
            LeeTexto("VentanaRetraccionCE", "Edad", "10000"),
            LeeCasilla("VentanaRetraccionCE", "EspesorMedioConocido", false),
            LeeIndice("VentanaRetraccionCE", "GrupoClaseCemento", 1, 3)};
}

} // namespace

EntradaCatalogo CatalogoRetraccionCE() {
    return {
        .nombre = "retraccion_ce",
        .titulo = "Retracción del hormigón (Código Estructural)",
        .descripcion =
            "retracción por secado, autógena y total (Código Estructural);\n"
            "              VentanaRetraccionCE: ResistenciaCaracteristica, HumedadRelativa, Area "
            "y\n"
            "              Perimetro (o EspesorMedioConocido y EspesorMedio), GrupoClaseCemento,\n"
            "              EdadCurado (ts), Edad (t)",
        .funcion = &CalcularRetraccionCELinea,
        .volcarEstado = false,
        .ventanas = {{RetraccionCE, ce::CamposRetraccionCE, ce::EleccionesDiferidasCE}},
        .resultados = ResultadosDeRetraccionCE(),
        .lecturas = LecturasRetraccionCE(),
        .ventanasDatos = {"VentanaRetraccionCE"},
        .ventanasResultados = {"VentanaRetraccionCE"}};
}

} // namespace velmora
