#pragma once
// Lo que hacen los botones «Calcular» y «Momento Agotamiento» de las ventanas de datos de la
// sección, sin ventana: leer los textos de los campos, dimensionar y devolver los rótulos.

#include "common/Resultado.h"
#include "design/EstadoDiseno.h"
#include "section/DescripcionSeccion.h"
#include "section/MomentoAgotamiento.h"
#include "section/Resultados.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Textos de los campos de una ventana de datos de la sección (geometría en m, momento en kN·m o
// excentricidad en m, axil en kN). Rectangular: Valor1 (h), Valor2 (b), Valor3 (d2), Valor4
// (d1); en T: Valorh, Valorhf, Valorb, Valorbw, Valord2, Valord1.
struct DatosSeccionTexto {
    bool Rectangular = true;
    std::string h, b, d2, d1, hf, bw;
    std::string Valor5;   // momento flector (kN·m) o excentricidad (m)
    std::string Valor6;   // esfuerzo normal (kN)
    int DatoConocido = 0; // 0 momento flector, 1 excentricidad
};
// Textos de arranque de cada ventana.
DatosSeccionTexto DatosSeccionIniciales();  // 0.40, 0.30, 0.03, 0.03
DatosSeccionTexto DatosSeccionTIniciales(); // 1.00, 0.20, 1.00, 0.20, 0.10, 0.10

// Paso entre los textos por nombre de control y los de la estructura.
TextosCampos TextosDeDatos(const DatosSeccionTexto& datos);
DatosSeccionTexto DatosDeTextos(const TextosCampos& textos, TipoSeccion tipo,
                                DatoConocido dato = DatoConocido::MomentoFlector);
inline TipoSeccion TipoDe(const DatosSeccionTexto& d) {
    return d.Rectangular ? TipoSeccion::Rectangular : TipoSeccion::EnT;
}
inline DatoConocido DatoDe(const DatosSeccionTexto& d) {
    return d.DatoConocido == 1 ? DatoConocido::Excentricidad : DatoConocido::MomentoFlector;
}

// Lee la geometría (m → mm), la comprueba (ComprobarSeccion, sin los materiales) y sólo si es
// válida la guarda en h, b, d2, d1 (y hf, bw) y pone SeccionRectangular. El error nombra el
// control.
[[nodiscard]] Estado LeerGeometria(EstadoDiseno& e, const DatosSeccionTexto& datos);

// Lee los esfuerzos (valores absolutos): Nd de Valor6; con DatoConocido 0, Md de Valor5 y e0 =
// Md/Nd (0 si Nd = 0); con 1, e0 de Valor5 y Md = e0·Nd. Guarda Md (N·mm), Nd (N), e0 (mm).
[[nodiscard]] Estado LeerSolicitaciones(EstadoDiseno& e, std::string_view Valor5, std::string_view Valor6,
                          int DatoConocido);

// Resultado completo de «Calcular».
struct CalculoSeccionResultado {
    RotulosResultados Rotulos;
    std::string NumeroA1; // vacío si el diámetro de tracción no es válido (véase Avisos)
    std::string NumeroA2; // vacío si el diámetro de compresión no es válido
    std::vector<ErrorCalculo> Avisos; // problemas de los diámetros, que no impiden el cálculo
};

// «Calcular»: IndiceEs := 2, banderas a falso, LeerGeometria, LeerSolicitaciones,
// DimensionarSeccion, RotularResultados y número de barras de las dos caras. Ante un error
// (campo ilegible, geometría imposible, parámetros sin confirmar, sin equilibrio) devuelve el
// error con el control afectado. Con `traza`, los pasos del dimensionamiento (nada si da error).
[[nodiscard]] Resultado<CalculoSeccionResultado>
CalcularSeccion(EstadoDiseno& e, const DatosSeccionTexto& datos, TipoDeElemento TipoElemento,
                int DesignacionAcero, std::string_view DiametroTraccion = "10",
                std::string_view DiametroCompresion = "10", Traza* traza = nullptr);
// Lo mismo con los textos por nombre de control (ventanas y velmora-calc).
[[nodiscard]] Resultado<CalculoSeccionResultado>
CalcularSeccion(EstadoDiseno& e, const TextosCampos& textos, TipoSeccion tipo, DatoConocido dato,
                TipoDeElemento TipoElemento, int DesignacionAcero, std::string_view DiametroTraccion,
                std::string_view DiametroCompresion, Traza* traza = nullptr);

// «Momento Agotamiento»: IndiceEs := 2, LeerGeometria, comprobación de los materiales y
// CalcularLimites, antes de abrir la ventana del momento de agotamiento.
[[nodiscard]] Estado PrepararMomento(EstadoDiseno& e, const DatosSeccionTexto& datos);
[[nodiscard]] Estado PrepararMomento(EstadoDiseno& e, const TextosCampos& textos, TipoSeccion tipo);

// Momento de agotamiento con las armaduras dadas (CalcularMomentoAgotamiento), sólo si el
// momento cabe en su rótulo; si no, ResultadoNoRepresentable. Con `traza`, sus pasos (nada si da
// error).
[[nodiscard]] Resultado<MomentoResultado> CalcularMomento(EstadoDiseno& e, const ArmaduraDada& a,
                                                          Traza* traza = nullptr);

} // namespace velmora
