// "fluencia" y "retraccion": el botón «Calcular» de las ventanas de fluencia y de retracción.
// Sólo usan los datos de su ventana: la respuesta no lleva el estado de diseño.

#include "cli/Contexto.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"

namespace velmora {

namespace {

constexpr const char* Fluencia = "VentanaDeformacion";
constexpr const char* ResultadosFluencia = "VentanaResultadosDeformacion";
constexpr const char* Retraccion = "VentanaRetraccion";
constexpr const char* ResultadosRetraccion = "VentanaResultadosRetraccion";

void CalcularFluenciaLinea(Contexto& c) {
    EntradaFluencia e;
    e.ResistenciaCaracteristica =
        c.Texto(Fluencia, "ResistenciaCaracteristica", e.ResistenciaCaracteristica);
    e.EspesorFicticioConocido = c.Casilla(Fluencia, "EspesorFicticioConocido", false);
    e.Area = c.Texto(Fluencia, "Area", e.Area);
    e.Perimetro = c.Texto(Fluencia, "Perimetro", e.Perimetro);
    e.Tension = c.Texto(Fluencia, "Tension", e.Tension);
    e.MedioAmbiente = c.Indice(Fluencia, "GrupoMedioAmbiente", e.MedioAmbiente, 4);
    e.Tiempo01 = c.Texto(Fluencia, "Tiempo01", e.Tiempo01);
    e.Tiempo02 = c.Texto(Fluencia, "Tiempo02", e.Tiempo02);
    const auto r = Exigir(CalcularFluencia(Exigir(LeerDatosFluencia(e))));
    const auto t = RotularFluencia(r, e.Tiempo01, e.Tiempo02);
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
}

void CalcularRetraccionLinea(Contexto& c) {
    EntradaRetraccion e;
    e.Edad = c.Texto(Retraccion, "Edad", e.Edad);
    e.Consistencia = c.Indice(Retraccion, "GrupoConsistencia", e.Consistencia, 3);
    e.MedioAmbiente = c.Indice(Retraccion, "GrupoMedioAmbiente", e.MedioAmbiente, 4);
    e.EspesorFicticioConocido = c.Casilla(Retraccion, "EspesorFicticioConocido", false);
    e.Area = c.Texto(Retraccion, "Area", e.Area);
    e.Perimetro = c.Texto(Retraccion, "Perimetro", e.Perimetro);
    const auto r = Exigir(CalcularRetraccion(Exigir(LeerDatosRetraccion(e))));
    const auto t = RotularRetraccion(r, e.Edad);
    c.Poner(ResultadosRetraccion, "Valor1", t.Valor1);
    c.Poner(ResultadosRetraccion, "Valor10", t.Valor10);
    c.Poner(ResultadosRetraccion, "Valor11", t.Valor11);
    c.Poner(ResultadosRetraccion, "Valor12", t.Valor12);
    c.Poner(ResultadosRetraccion, "Valorrt", t.Valorrt);
}

const RegistrarCalculo registroFluencia{"fluencia",
                                        "deformaciones y coeficiente de fluencia del hormigón",
                                        &CalcularFluenciaLinea, false};
const RegistrarCalculo registroRetraccion{"retraccion", "retracción del hormigón en masa",
                                          &CalcularRetraccionLinea, false};

} // namespace

} // namespace velmora
