// "cortante": el botón «Calcular» de la armadura transversal de la viga, con los cercos elegidos
// en la ventana de resultados y la armadura longitudinal de la ranura 0.
// "pilar": los cercos del pilar.
// "flechas": el botón «Calcular» de las flechas, con A1 y A2 de las ranuras 1 y 2 y el factor
// de flecha diferida de la duración elegida.

#include "deflection/ComparacionFlechas.h"
#include "deflection/DescripcionFlechas.h"
#include "deflection/ce/FlechasCE.h"
#include "design/Ranuras.h"
#include "documento/Comparacion.h"
#include "documento/TextosCampos.h"
#include "documento/calculos/Ventanas.h"
#include "shear/ComparacionNormas.h"
#include "shear/DescripcionCortante.h"

namespace velmora {

namespace {

constexpr const char* Viga = "VentanaTransversal1";
constexpr const char* ResultadosViga = "VentanaResultadosTrans1";
constexpr const char* Pilar = "VentanaTransversal2";
constexpr const char* Flechas = "VentanaFlechas";
constexpr const char* ResultadosFlecha = "VentanaResultadosFlecha";

// Área aceptada en el selector para la ranura k (cero si la línea no la da, como al arrancar
// antes de abrir el selector) y el rótulo del botón que la abre.
std::pair<double, std::string> Ranura(Contexto& c, int k, std::string rotulo) {
    if (!c.RanuraDada(k))
        return {0.0, rotulo};
    c.Estado.IndiceArmadura = k;
    return {SumarArea(c.Estado), TextoArmadura(c.Estado, k)};
}

void CalcularCortanteLinea(Contexto& c) {
    const EleccionParametros p = c.ConfirmarParametros();
    const TextosCampos textos = TextosDeCampos(c, Viga, CamposCortante);
    const bool comprimida = c.Casilla(Viga, "ArmaduraComprimida", false);
    if (!comprimida) // sin armadura comprimida sus diámetros no intervienen
        for (const char* control : {"CuadroDiametroMinimo", "CuadroDiametroMaximo"})
            c.NoUsado(Viga, control);
    const auto [Asl, rotuloArea] = Ranura(c, 0, "Defina armadura");
    const DatosCortante datos = Exigir(LeerDatosCortante(textos, comprimida, Asl, c.Estado.norma));
    const auto calculo = Exigir(CalcularCortante(c.Estado, datos));

    EleccionZonas eleccion;
    eleccion.NumeroCercosZona1 =
        c.Texto(ResultadosViga, "NumeroCercosZona1", eleccion.NumeroCercosZona1);
    eleccion.DiametroZona1 = c.Texto(ResultadosViga, "DiametroZona1", eleccion.DiametroZona1);
    eleccion.NumeroCercosZona2 =
        c.Texto(ResultadosViga, "NumeroCercosZona2", eleccion.NumeroCercosZona2);
    eleccion.DiametroZona2 = c.Texto(ResultadosViga, "DiametroZona2", eleccion.DiametroZona2);
    const auto t = CalcularZonas(calculo, eleccion);

    c.Poner(Viga, "ValorArea", rotuloArea);
    c.Poner(ResultadosViga, "AgotamientoCompresionOblicua", TextoFuerza(calculo.Vu1));
    c.Poner(ResultadosViga, "ContribucionHormigon", TextoFuerza(calculo.Vcu));
    const std::string diametros[2] = {eleccion.DiametroZona1, eleccion.DiametroZona2};
    const std::string numeros[2] = {eleccion.NumeroCercosZona1, eleccion.NumeroCercosZona2};
    for (int i = 0; i < 2; ++i) {
        const auto& z = t.zona[i];
        const std::string n = std::to_string(i + 1);
        c.Poner(ResultadosViga, "NumeroCercosZona" + n, numeros[i]);
        c.Poner(ResultadosViga, "DiametroZona" + n,
                z.DiametroElevado.empty() ? diametros[i] : z.DiametroElevado);
        c.Poner(ResultadosViga, "LongitudZona" + n, z.Longitud);
        c.Poner(ResultadosViga, "EtiquetaSeparacion0" + n,
                z.SeparacionMaxima ? "Separacion máxima" : "");
        c.Poner(ResultadosViga, "ContribucionArmadura0" + n, z.ContribucionArmadura);
        c.Poner(ResultadosViga, "AgotamientoTraccion0" + n, z.AgotamientoTraccion);
    }
    c.Poner(ResultadosViga, "Label7", TextoCompresionOblicua(calculo));
    c.Poner(ResultadosViga, "Recordatorio", t.Recordatorio);
    PonerNorma(c, ResultadosViga);
    // La memoria vuelve a hacer el mismo cálculo con una traza: sus pasos son los del diseño.
    c.Informar("Armadura transversal de la viga", [&] {
        Traza traza;
        EstadoDiseno e = c.Estado;
        if (const auto r = CalcularCortante(e, datos, &traza))
            (void)CalcularZonas(*r, eleccion, &traza);
        return traza;
    });
    if (ComparacionPedida(c, ResultadosViga))
        PonerComparacion(
            c, Exigir(CompararNormasCortante(c.Estado, p, {textos, comprimida, Asl, eleccion})));
}

void CalcularPilarLinea(Contexto& c) {
    ConfirmarParametrosDados(c);
    TextosCampos textos = TextosDeCampos(c, Pilar, CamposCercos);
    // Si la línea sólo cambia el diámetro máximo, el que se mueve es el mínimo; en otro caso,
    // como al cambiar el mínimo o salir de un campo, se mueve el máximo.
    const bool cambioMinimo =
        !(c.Presente(Pilar, "DiametroMaximo") && !c.Presente(Pilar, "DiametroMinimo"));
    if (std::string texto = DiametroAjustado(textos, cambioMinimo); !texto.empty())
        textos[cambioMinimo ? "DiametroMaximo" : "DiametroMinimo"] = texto;
    const DatosCercos d = Exigir(LeerDatosCercos(textos));
    const auto r = Exigir(CalcularCercos(c.Estado, d.h, d.b, d.d1, d.phiMin, d.phiMax));
    c.Poner(Pilar, "DiametroMinimo", textos["DiametroMinimo"]);
    c.Poner(Pilar, "DiametroMaximo", textos["DiametroMaximo"]);
    c.Poner(Pilar, "Armadura", r.Armadura);
    if (!r.NotaSeparacion.empty())
        c.Poner(Pilar, "NotaSeparacion", r.NotaSeparacion);
    PonerNorma(c, Pilar);
    // La memoria vuelve a hacer el mismo cálculo con una traza: sus pasos son los del diseño.
    c.Informar("Cercos del pilar", [&] {
        Traza traza;
        EstadoDiseno e = c.Estado;
        (void)CalcularCercos(e, d.h, d.b, d.d1, d.phiMin, d.phiMax, &traza);
        return traza;
    });
    if (ComparacionPedida(c, Pilar))
        PonerComparacion(c, Exigir(CompararNormasCercos(c.Estado, d)));
}

// Con el Código Estructural: ζ, el método y el factor con el φ escrito en lugar de ξ.
void FactorFlechasCE(Contexto& c, const CalculoFlecha& r) {
    c.Poner(ResultadosFlecha, "ValorZeta", ce::TextoZeta(r));
    c.Poner(ResultadosFlecha, "EtiquetaMetodo", std::string(ce::TextoMetodoCE));
    c.Poner(ResultadosFlecha, "EtiquetaNorma", TextoNormaEnUso(r.norma));
    const std::string phi = c.Texto(ResultadosFlecha, ce::CampoPhi.control, ce::CampoPhi.defecto);
    const auto f = ce::CalcularFactorCE(r, phi);
    // Como en la ventana: un φ que no sirve deja λ vacío y se explica aparte.
    c.Poner(ResultadosFlecha, "Factor", f ? TextoFactor((*f).lambda) : "");
    c.Poner(ResultadosFlecha, "Aviso", f ? "" : f.error().mensaje);
    if (f)
        c.Informar("Flechas", [&] {
            // El mismo cálculo y el mismo factor, ahora anotando sus pasos.
            Traza t;
            EstadoDiseno estado = c.Estado;
            (void)CalcularFlecha(estado, r.datos, &t);
            (void)ce::CalcularFactorCE(r, phi, &t);
            return t;
        });
}

// «Comparar normas» en los resultados: la duración de la carga del Código Estructural, ξ y φ
// se leen aunque la norma de la línea no los use (la tabla los da como supuestos).
void CompararFlechasLinea(Contexto& c, const EleccionParametros& p, DatosFlecha d) {
    if (!ComparacionPedida(c, ResultadosFlecha))
        return;
    d.Duracion = Exigir(
        ce::LeerDuracionCarga(c.Indice(Flechas, ce::EleccionDuracionCargaCE.control, 0,
                                       static_cast<int>(ce::OpcionesDuracionCargaCE.size()))));
    EntradasFlechaPorNorma x;
    x.norma = c.Estado.norma;
    x.IndiceDuracion = c.Indice(ResultadosFlecha, "GrupoDuracionCarga", x.IndiceDuracion,
                                static_cast<int>(OpcionesDuracionCarga.size()));
    x.TextoXi = c.Texto(ResultadosFlecha, CampoXi.control, CampoXi.defecto);
    x.TextoPhi = c.Texto(ResultadosFlecha, ce::CampoPhi.control, ce::CampoPhi.defecto);
    PonerComparacion(c, Exigir(CompararFlechas(c.Estado, p, d, x)));
}

void CalcularFlechasLinea(Contexto& c) {
    const auto p = c.ConfirmarParametros();
    const TextosCampos textos = TextosDeCampos(c, Flechas, CamposFlechas);
    const int tipo = c.Indice(Flechas, "GrupoTipoPieza", 0, 2);
    const auto [A1, rotuloA1] = Ranura(c, 1, "Armadura A1");
    const auto [A2, rotuloA2] = Ranura(c, 2, "Armadura A2");
    DatosFlecha d = Exigir(LeerDatosFlecha(textos, A1, A2));
    const bool ce = c.Estado.norma == Norma::CodigoEstructural;
    if (ce)
        d.Duracion = Exigir(
            ce::LeerDuracionCarga(c.Indice(Flechas, ce::EleccionDuracionCargaCE.control, 0,
                                           static_cast<int>(ce::OpcionesDuracionCargaCE.size()))));
    const auto r = Exigir(CalcularFlecha(c.Estado, d));

    c.Poner(Flechas, "EtiquetaTipoSeccion",
            tipo == 0 ? "Armadura sección central" : "Armadura sección arranque");
    c.Poner(Flechas, "ValorA1", rotuloA1);
    c.Poner(Flechas, "ValorA2", rotuloA2);
    c.Poner(ResultadosFlecha, "MomentoInerciaEquivalente", TextoInercia(r.Ie));
    c.Poner(ResultadosFlecha, "ModuloDeformacion", TextoModulo(r.Ec));
    CompararFlechasLinea(c, p, d);
    if (ce) {
        FactorFlechasCE(c, r);
        return;
    }
    c.Informar("Flechas", [&] {
        // El mismo cálculo, ahora anotando sus pasos.
        Traza t;
        EstadoDiseno estado = c.Estado;
        (void)CalcularFlecha(estado, d, &t);
        return t;
    });
    const int duracion = c.Indice(ResultadosFlecha, "GrupoDuracionCarga", 6, 7);
    const std::string valor = c.Texto(ResultadosFlecha, CampoXi.control, CampoXi.defecto);
    double xi = 0;
    const auto lambda = CalcularFactor(d.AreaA2, c.Estado.b, c.Estado.d, duracion, valor, xi);
    // Como en la ventana: un coeficiente que no es un número deja λ vacío y se explica aparte.
    c.Poner(ResultadosFlecha, "Factor", lambda ? TextoFactor(*lambda) : "");
    c.Poner(ResultadosFlecha, "Aviso", lambda ? "" : lambda.error().mensaje);
}

// Los rótulos de «cortante» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeCortante() {
    return {
        {"VentanaTransversal1", "ValorArea", "Armadura longitudinal traccionada", "",
         "Defina armadura"},
        {"VentanaResultadosTrans1", "AgotamientoCompresionOblicua",
         "Agotamiento por compresión oblicua en el alma V<sub>u1</sub>", "kN"},
        {"VentanaResultadosTrans1", "ContribucionHormigon",
         "Contribución del hormigón V<sub>cu</sub>", "kN"},
        {"VentanaResultadosTrans1", "Label7", "Compresión oblicua"},
        {"VentanaResultadosTrans1", "Recordatorio", "Diámetro de los cercos"},
        {"VentanaResultadosTrans1", "NumeroCercosZona1",
         "Número de ramas de los cercos, zona de apoyo"},
        {"VentanaResultadosTrans1", "DiametroZona1", "Diámetro de los cercos, zona de apoyo", "mm"},
        {"VentanaResultadosTrans1", "LongitudZona1", "Separación de los cercos, zona de apoyo",
         "cm"},
        {"VentanaResultadosTrans1", "EtiquetaSeparacion01", "Separación que rige, zona de apoyo"},
        {"VentanaResultadosTrans1", "ContribucionArmadura01",
         "Contribución de la armadura transversal V<sub>su</sub>, zona de apoyo", "kN"},
        {"VentanaResultadosTrans1", "AgotamientoTraccion01",
         "Agotamiento por tracción en el alma V<sub>u2</sub>, zona de apoyo", "kN"},
        {"VentanaResultadosTrans1", "NumeroCercosZona2",
         "Número de ramas de los cercos, zona central"},
        {"VentanaResultadosTrans1", "DiametroZona2", "Diámetro de los cercos, zona central", "mm"},
        {"VentanaResultadosTrans1", "LongitudZona2", "Separación de los cercos, zona central",
         "cm"},
        {"VentanaResultadosTrans1", "EtiquetaSeparacion02", "Separación que rige, zona central"},
        {"VentanaResultadosTrans1", "ContribucionArmadura02",
         "Contribución de la armadura transversal V<sub>su</sub>, zona central", "kN"},
        {"VentanaResultadosTrans1", "AgotamientoTraccion02",
         "Agotamiento por tracción en el alma V<sub>u2</sub>, zona central", "kN"},
        {"VentanaResultadosTrans1", "EtiquetaNorma", "Norma"},
    };
}

// Los rótulos de «pilar» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDePilar() {
    return {
        {"VentanaTransversal2", "DiametroMinimo",
         "Diámetro de la barra más delgada φ<sub>min</sub>", "mm"},
        {"VentanaTransversal2", "DiametroMaximo", "Diámetro de la barra más gruesa φ<sub>max</sub>",
         "mm"},
        {"VentanaTransversal2", "Armadura", "Cerco φ diámetro/separación", "mm/cm"},
        {"VentanaTransversal2", "NotaSeparacion", "Separación reducida"},
        {"VentanaTransversal2", "EtiquetaNorma", "Norma"},
    };
}

// Los rótulos de «flechas» con su nombre en la memoria.
std::vector<ResultadoCatalogo> ResultadosDeFlechas() {
    return {
        {"VentanaFlechas", "EtiquetaTipoSeccion", "Sección de las armaduras"},
        {"VentanaFlechas", "ValorA1", "Armadura A<sub>1</sub>", "", "Armadura A1"},
        {"VentanaFlechas", "ValorA2", "Armadura A<sub>2</sub>", "", "Armadura A2"},
        {"VentanaResultadosFlecha", "MomentoInerciaEquivalente",
         "Momento de inercia equivalente I<sub>e</sub>", "cm⁴"},
        {"VentanaResultadosFlecha", "ModuloDeformacion",
         "Módulo de deformación longitudinal del hormigón E<sub>c</sub>", "N/mm²"},
        {"VentanaResultadosFlecha", "Factor", "Factor de flecha diferida λ"},
        {"VentanaResultadosFlecha", "Aviso", "Aviso"},
        {"VentanaResultadosFlecha", "ValorZeta", "Coeficiente de distribución"},
        {"VentanaResultadosFlecha", "EtiquetaMetodo", "Método"},
        {"VentanaResultadosFlecha", "EtiquetaNorma", "Norma"},
    };
}

} // namespace

namespace {

// Los controles que lee «cortante», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasCortante() {
    return Seguidas(LecturasParametros(),
                    {LeeTexto("VentanaTransversal1", "CuadroCantoUtil", "0.36"),
                     LeeTexto("VentanaTransversal1", "CuadroAncho", "0.30"),
                     LeeTexto("VentanaTransversal1", "CuadroAlfa", "90"),
                     LeeTexto("VentanaTransversal1", "CuadroTeta", "45"),
                     LeeTexto("VentanaTransversal1", "CuadroTetae", "45"),
                     LeeTexto("VentanaTransversal1", "CuadroVd1", "1.00"),
                     LeeTexto("VentanaTransversal1", "CuadroVd2", "1.00"),
                     LeeTexto("VentanaTransversal1", "CuadroVd3", "1.00"),
                     LeeTexto("VentanaTransversal1", "CuadroDiametroMinimo", "10"),
                     LeeTexto("VentanaTransversal1", "CuadroDiametroMaximo", "10"),
                     LeeCasilla("VentanaTransversal1", "ArmaduraComprimida", false),
                     LeeTexto("VentanaResultadosTrans1", "NumeroCercosZona1", "2"),
                     LeeTexto("VentanaResultadosTrans1", "DiametroZona1", "10"),
                     LeeTexto("VentanaResultadosTrans1", "NumeroCercosZona2", "2"),
                     LeeTexto("VentanaResultadosTrans1", "DiametroZona2", "10")});
}

} // namespace

EntradaCatalogo CatalogoCortante() {
    return {.nombre = "cortante",
            .titulo = "Armadura transversal de una viga",
            .descripcion = "armadura transversal de una viga (separación de cercos por zonas)",
            .funcion = &CalcularCortanteLinea,
            .ventanas = {VentanaParametros(),
                         {"VentanaTransversal1", CamposCortante, EleccionesCortante},
                         {"VentanaResultadosTrans1", CamposZonas}},
            .ranuras = {{0, "VentanaTransversal1", "ValorArea", "Defina armadura"}},
            .resultados = ResultadosDeCortante(),
            .lecturas = LecturasCortante(),
            .ventanasDatos = {"VentanaTransversal1"},
            .ventanasResultados = {"VentanaResultadosTrans1"}};
}

namespace {

// Los controles que lee «pilar», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasPilar() {
    return Seguidas(LecturasParametros(Cuando::ConParametros),
                    {LeeTexto("VentanaTransversal2", "Valor1", "0.30"),
                     LeeTexto("VentanaTransversal2", "Valor2", "0.30"),
                     LeeTexto("VentanaTransversal2", "Valor3", "0.03"),
                     LeeTexto("VentanaTransversal2", "DiametroMinimo", "12"),
                     LeeTexto("VentanaTransversal2", "DiametroMaximo", "16")});
}

} // namespace

EntradaCatalogo CatalogoPilar() {
    return {.nombre = "pilar",
            .titulo = "Cercos de un pilar",
            .descripcion = "cercos de un pilar",
            .funcion = &CalcularPilarLinea,
            .ventanas = {VentanaParametros(), {"VentanaTransversal2", CamposCercos}},
            .resultados = ResultadosDePilar(),
            .lecturas = LecturasPilar(),
            .ventanasDatos = {"VentanaTransversal2"},
            .ventanasResultados = {"VentanaTransversal2"}};
}

namespace {

// Los controles que lee «flechas», en su orden de lectura.
std::vector<LecturaCatalogo> LecturasFlechas() {
    return Seguidas(
        LecturasParametros(),
        {LeeTexto("VentanaFlechas", "Valorh", "0.40"), LeeTexto("VentanaFlechas", "Valorb", "0.30"),
         LeeTexto("VentanaFlechas", "Valord2", "0.03"),
         LeeTexto("VentanaFlechas", "Valord1", "0.03"),
         LeeTexto("VentanaFlechas", "ValorMa", "1.00"),
         LeeIndice("VentanaFlechas", "GrupoTipoPieza", 0, 2),
         LeeIndice("VentanaResultadosFlecha", "GrupoDuracionCarga", 6, 7, Cuando::SoloEHE98),
         LeeTexto("VentanaResultadosFlecha", "Valor", "1.0", Cuando::SoloEHE98),
         LeeIndice("VentanaFlechas", "GrupoDuracionCarga", 0, 2, Cuando::SoloCodigoEstructural),
         LeeTexto("VentanaResultadosFlecha", "CoeficienteFluencia", "2.0",
                  Cuando::SoloCodigoEstructural)});
}

} // namespace

EntradaCatalogo CatalogoFlechas() {
    return {.nombre = "flechas",
            .titulo = "Flechas: inercia equivalente y factor de flecha diferida",
            .descripcion = "inercia equivalente, módulo del hormigón y factor de flecha diferida",
            .funcion = &CalcularFlechasLinea,
            .ventanas = {VentanaParametros(),
                         {"VentanaFlechas", CamposFlechas, EleccionesFlechas},
                         {"VentanaResultadosFlecha", std::span(&CampoXi, 1),
                          EleccionesResultadosFlecha},
                         {"VentanaFlechas", {}, std::span(&ce::EleccionDuracionCargaCE, 1)},
                         {"VentanaResultadosFlecha", std::span(&ce::CampoPhi, 1)}},
            .ranuras = {{1, "VentanaFlechas", "ValorA1", "Armadura A1"},
                        {2, "VentanaFlechas", "ValorA2", "Armadura A2"}},
            .resultados = ResultadosDeFlechas(),
            .lecturas = LecturasFlechas(),
            .ventanasDatos = {"VentanaFlechas"},
            .ventanasResultados = {"VentanaResultadosFlecha"}};
}

} // namespace velmora
