// "fluencia" y "retraccion": el botón «Calcular» de las ventanas de fluencia y de retracción.
// Sólo usan los datos de su ventana: la respuesta no lleva el estado de diseño. Con
// "BotonCompararNormas": true en la ventana de resultados, también la tabla de «Comparar normas»
// con el Código Estructural.

#include "documento/CamposLinea.h"
#include "documento/Comparacion.h"
#include "timedep/ComparacionDiferidas.h"
#include "timedep/DescripcionDiferidas.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"

namespace velmora {

namespace {

constexpr const char* Fluencia = "VentanaDeformacion";
constexpr const char* ResultadosFluencia = "VentanaResultadosDeformacion";
constexpr const char* Retraccion = "VentanaRetraccion";
constexpr const char* ResultadosRetraccion = "VentanaResultadosRetraccion";

MedioAmbiente Ambiente(Contexto& c, const char* ventana) {
    return Exigir(LeerMedioAmbiente(
        c.Indice(ventana, "GrupoMedioAmbiente", static_cast<int>(MedioAmbiente::Medio), 4)));
}

void CalcularFluenciaLinea(Contexto& c) {
    const TextosCampos textos = TextosDeLinea(c, Fluencia, CamposFluencia);
    const bool conocido = c.Casilla(Fluencia, "EspesorFicticioConocido", false);
    if (conocido) // con el espesor ficticio el área no interviene
        c.NoUsado(Fluencia, "Area");
    const auto datos = Exigir(LeerDatosFluencia(textos, conocido, Ambiente(c, Fluencia)));
    const auto r = Exigir(CalcularFluencia(datos));
    c.Informar("Fluencia", [&] {
        // El mismo cálculo, ahora anotando sus pasos.
        Traza t;
        (void)CalcularFluencia(datos, &t);
        return t;
    });
    const auto t = RotularFluencia(r, textos.at(std::string(CampoEdadCarga.control)),
                                   textos.at(std::string(CampoEdadCalculo.control)));
    const std::pair<const char*, const std::string&> rotulos[] = {
        {"Valor1", t.Valor1},           {"Valor2", t.Valor2},         {"Valor3", t.Valor3},
        {"Valor4", t.Valor4},           {"Valor5", t.Valor5},         {"Valor10", t.Valor10},
        {"Valor11", t.Valor11},         {"Valor12", t.Valor12},       {"Valor13", t.Valor13},
        {"Valor14", t.Valor14},         {"Valor15", t.Valor15},       {"Valor16", t.Valor16},
        {"Valor17", t.Valor17},         {"ValorEcj", t.ValorEcj},     {"Valorfcj", t.Valorfcj},
        {"Valorbetatj", t.Valorbetatj}, {"Valorbetaj", t.Valorbetaj}, {"Valorbetat", t.Valorbetat},
    };
    for (const auto& [control, texto] : rotulos)
        c.Poner(ResultadosFluencia, control, texto);
    if (ComparacionPedida(c, ResultadosFluencia))
        PonerComparacion(c, Exigir(CompararFluencia(datos)));
}

void CalcularRetraccionLinea(Contexto& c) {
    const TextosCampos textos = TextosDeLinea(c, Retraccion, CamposRetraccion);
    const auto consistencia = Exigir(LeerConsistencia(
        c.Indice(Retraccion, "GrupoConsistencia", static_cast<int>(Consistencia::Plastica), 3)));
    const auto ambiente = Ambiente(c, Retraccion);
    const bool conocido = c.Casilla(Retraccion, "EspesorFicticioConocido", false);
    if (conocido) // con el espesor ficticio el área no interviene
        c.NoUsado(Retraccion, "Area");
    const auto datos = Exigir(LeerDatosRetraccion(textos, conocido, ambiente, consistencia));
    const auto r = Exigir(CalcularRetraccion(datos));
    c.Informar("Retracción", [&] {
        // El mismo cálculo, ahora anotando sus pasos.
        Traza t;
        (void)CalcularRetraccion(datos, &t);
        return t;
    });
    const auto t = RotularRetraccion(r, textos.at(std::string(CampoEdad.control)));
    c.Poner(ResultadosRetraccion, "Valor1", t.Valor1);
    c.Poner(ResultadosRetraccion, "Valor10", t.Valor10);
    c.Poner(ResultadosRetraccion, "Valor11", t.Valor11);
    c.Poner(ResultadosRetraccion, "Valor12", t.Valor12);
    c.Poner(ResultadosRetraccion, "Valorrt", t.Valorrt);
    if (ComparacionPedida(c, ResultadosRetraccion))
        PonerComparacion(c, Exigir(CompararRetraccion(datos)));
}

// Los rótulos de «fluencia» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeFluencia() {
    return {
        {"VentanaResultadosDeformacion", "Valor1",
         "Deformación elástica instantánea ε<sub>ei</sub>", "‰"},
        {"VentanaResultadosDeformacion", "Valor2", "Deformación elástica diferida ε<sub>ed</sub>",
         "‰"},
        {"VentanaResultadosDeformacion", "Valor3",
         "Deformación plástica instantánea ε<sub>pi</sub>", "‰"},
        {"VentanaResultadosDeformacion", "Valor4", "Deformación plástica diferida ε<sub>pd</sub>",
         "‰"},
        {"VentanaResultadosDeformacion", "Valor5", "Coeficiente de fluencia φ(t,j)"},
        {"VentanaResultadosDeformacion", "Valor10",
         "Módulo de deformación a la edad j, E<sub>cj</sub>", "kp/cm²"},
        {"VentanaResultadosDeformacion", "Valor11",
         "Módulo de deformación a 28 días, E<sub>c28</sub>", "kp/cm²"},
        {"VentanaResultadosDeformacion", "Valor12", "Resistencia a la edad j, f<sub>cj</sub>",
         "kp/cm²"},
        {"VentanaResultadosDeformacion", "Valor13",
         "Función de la deformación elástica diferida β<sub>d</sub>(t−j)"},
        {"VentanaResultadosDeformacion", "Valor14", "Coeficiente del ambiente φ<sub>f1</sub>"},
        {"VentanaResultadosDeformacion", "Valor15",
         "Coeficiente del espesor ficticio φ<sub>f2</sub>"},
        {"VentanaResultadosDeformacion", "Valor16",
         "Función de la deformación plástica diferida β<sub>f</sub>(j)"},
        {"VentanaResultadosDeformacion", "Valor17",
         "Función de la deformación plástica diferida β<sub>f</sub>(t)"},
        {"VentanaResultadosDeformacion", "ValorEcj", ""},
        {"VentanaResultadosDeformacion", "Valorfcj", ""},
        {"VentanaResultadosDeformacion", "Valorbetatj", ""},
        {"VentanaResultadosDeformacion", "Valorbetaj", ""},
        {"VentanaResultadosDeformacion", "Valorbetat", ""},
    };
}

// Los rótulos de «retraccion» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeRetraccion() {
    return {
        {"VentanaResultadosRetraccion", "Valor1", "Deformación por retracción ε<sub>r</sub>", "‰"},
        {"VentanaResultadosRetraccion", "Valor10", "Coeficiente del ambiente ε<sub>01</sub>"},
        {"VentanaResultadosRetraccion", "Valor11",
         "Coeficiente del espesor ficticio ε<sub>02</sub>"},
        {"VentanaResultadosRetraccion", "Valor12", "Evolución en el tiempo β<sub>r</sub>(t)"},
        {"VentanaResultadosRetraccion", "Valorrt", ""},
    };
}

} // namespace

namespace {

// Los controles que lee «fluencia», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasFluencia() {
    return {LeeTexto("VentanaDeformacion", "ResistenciaCaracteristica", "200"),
            LeeTexto("VentanaDeformacion", "Area", "1200"),
            LeeTexto("VentanaDeformacion", "Perimetro", "140"),
            LeeTexto("VentanaDeformacion", "Tension", "1000"),
            LeeTexto("VentanaDeformacion", "Tiempo01", "28"),
            LeeTexto("VentanaDeformacion", "Tiempo02", "100"),
            LeeCasilla("VentanaDeformacion", "EspesorFicticioConocido", false),
            LeeIndice("VentanaDeformacion", "GrupoMedioAmbiente", 2, 4)};
}

} // namespace

EntradaCatalogo CatalogoFluencia() {
    return {.nombre = "fluencia",
            .titulo = "Fluencia del hormigón",
            .descripcion = "deformaciones y coeficiente de fluencia del hormigón",
            .funcion = &CalcularFluenciaLinea,
            .volcarEstado = false,
            .ventanas = {{Fluencia, std::span(&CampoEspesor, 1), {}, "EspesorFicticioConocido", 1},
                         {Fluencia, CamposFluencia, EleccionesFluencia}},
            .resultados = ResultadosDeFluencia(),
            .lecturas = LecturasFluencia(),
            .ventanasDatos = {"VentanaDeformacion"},
            .ventanasResultados = {"VentanaResultadosDeformacion"}};
}

namespace {

// Los controles que lee «retraccion», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasRetraccion() {
    return {LeeTexto("VentanaRetraccion", "Edad", "28"),
            LeeTexto("VentanaRetraccion", "Area", "1200"),
            LeeTexto("VentanaRetraccion", "Perimetro", "140"),
            LeeIndice("VentanaRetraccion", "GrupoConsistencia", 1, 3),
            LeeIndice("VentanaRetraccion", "GrupoMedioAmbiente", 2, 4),
            LeeCasilla("VentanaRetraccion", "EspesorFicticioConocido", false)};
}

} // namespace

EntradaCatalogo CatalogoRetraccion() {
    return {
        .nombre = "retraccion",
        .titulo = "Retracción del hormigón",
        .descripcion = "retracción del hormigón en masa",
        .funcion = &CalcularRetraccionLinea,
        .volcarEstado = false,
        .ventanas = {{Retraccion, std::span(&CampoEspesor, 1), {}, "EspesorFicticioConocido", 1},
                     {Retraccion, CamposRetraccion, EleccionesRetraccion}},
        .resultados = ResultadosDeRetraccion(),
        .lecturas = LecturasRetraccion(),
        .ventanasDatos = {"VentanaRetraccion"},
        .ventanasResultados = {"VentanaResultadosRetraccion"}};
}

} // namespace velmora
