// "cortante": el botón «Calcular» de la armadura transversal de la viga, con los cercos elegidos
// en la ventana de resultados y la armadura longitudinal de la ranura 0.
// "pilar": los cercos del pilar.
// "flechas": el botón «Calcular» de las flechas, con A1 y A2 de las ranuras 1 y 2 y el factor
// de flecha diferida de la duración elegida.

#include "cli/Contexto.h"
#include "common/Numeros.h"
#include "deflection/Flechas.h"
#include "design/Ranuras.h"
#include "shear/Cercos.h"
#include "shear/Cortante.h"

namespace velmora {

namespace {

constexpr const char* Viga = "VentanaTransversal1";
constexpr const char* ResultadosViga = "VentanaResultadosTrans1";
constexpr const char* Pilar = "VentanaTransversal2";
constexpr const char* Flechas = "VentanaFlechas";
constexpr const char* ResultadosFlecha = "VentanaResultadosFlecha";

// Número escrito en un control, leído como lo lee la ventana.
double Numero(Contexto& c, const char* ventana, const char* control, const char* defecto,
              const char* nombre) {
    return Exigir(LeerNumero(c.Texto(ventana, control, defecto), nombre, control));
}

// Área aceptada en el selector para la ranura k (cero si la línea no la da, como al arrancar
// antes de abrir el selector) y el rótulo del botón que la abre.
std::pair<double, std::string> Ranura(Contexto& c, int k, std::string rotulo) {
    if (!c.RanuraDada(k))
        return {0.0, rotulo};
    c.Estado.IndiceArmadura = k;
    return {SumarArea(c.Estado), TextoArmadura(c.Estado, k)};
}

void CalcularCortanteLinea(Contexto& c) {
    c.ConfirmarParametros();
    DatosCortante d;
    d.d = Numero(c, Viga, "CuadroCantoUtil", "0.36", "Canto útil d") * 1000;
    d.b = Numero(c, Viga, "CuadroAncho", "0.30", "Ancho b") * 1000;
    d.alfa = Numero(c, Viga, "CuadroAlfa", "90", "Ángulo α");
    d.teta = Numero(c, Viga, "CuadroTeta", "45", "Ángulo θ");
    d.tetae = Numero(c, Viga, "CuadroTetae", "45", "Ángulo θe");
    d.Vd1 = Numero(c, Viga, "CuadroVd1", "1.00", "Cortante Vd1") * 1000;
    d.Vd2 = Numero(c, Viga, "CuadroVd2", "1.00", "Cortante Vd2") * 1000;
    d.Vd3 = Numero(c, Viga, "CuadroVd3", "1.00", "Cortante Vd3") * 1000;
    d.ArmaduraComprimida = c.Casilla(Viga, "ArmaduraComprimida", false);
    // Los diámetros comprimidos sólo se leen con la casilla marcada, como en la ventana.
    const std::string phiMin = c.Texto(Viga, "CuadroDiametroMinimo", "10");
    const std::string phiMax = c.Texto(Viga, "CuadroDiametroMaximo", "10");
    if (d.ArmaduraComprimida) {
        d.phiMinComp =
            Exigir(LeerNumero(phiMin, "Diámetro mínimo comprimido", "CuadroDiametroMinimo"));
        d.phiMaxComp =
            Exigir(LeerNumero(phiMax, "Diámetro máximo comprimido", "CuadroDiametroMaximo"));
    }
    const auto [Asl, rotuloArea] = Ranura(c, 0, "Defina armadura");
    d.Asl = Asl;
    const auto calculo = Exigir(CalcularCortante(c.Estado, d));

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
}

void CalcularPilarLinea(Contexto& c) {
    const double h = Numero(c, Pilar, "Valor1", "0.30", "Canto h") * 1000;
    const double b = Numero(c, Pilar, "Valor2", "0.30", "Ancho b") * 1000;
    const double d1 = Numero(c, Pilar, "Valor3", "0.03", "Recubrimiento d1") * 1000;
    // Si la línea sólo cambia el diámetro máximo, el que se mueve es el mínimo; en otro caso,
    // como al cambiar el mínimo o salir de un campo, se mueve el máximo.
    const bool cambioMinimo =
        !(c.Presente(Pilar, "DiametroMaximo") && !c.Presente(Pilar, "DiametroMinimo"));
    std::string textoMin = c.Texto(Pilar, "DiametroMinimo", "12");
    std::string textoMax = c.Texto(Pilar, "DiametroMaximo", "16");
    double phiMin =
        Exigir(LeerNumero(textoMin, "Diámetro de la barra más delgada", "DiametroMinimo"));
    double phiMax =
        Exigir(LeerNumero(textoMax, "Diámetro de la barra más gruesa", "DiametroMaximo"));
    if (AjustarDiametros(phiMin, phiMax, cambioMinimo))
        (cambioMinimo ? textoMax : textoMin) = Formatear(cambioMinimo ? phiMax : phiMin, 2, 0);
    const auto r = Exigir(CalcularCercos(c.Estado, h, b, d1, phiMin, phiMax));
    c.Poner(Pilar, "DiametroMinimo", textoMin);
    c.Poner(Pilar, "DiametroMaximo", textoMax);
    c.Poner(Pilar, "Armadura", r.Armadura);
}

void CalcularFlechasLinea(Contexto& c) {
    c.ConfirmarParametros();
    DatosFlecha d;
    d.h = Numero(c, Flechas, "Valorh", "0.40", "Canto h") * 1000;
    d.b = Numero(c, Flechas, "Valorb", "0.30", "Ancho b") * 1000;
    d.d2 = Numero(c, Flechas, "Valord2", "0.03", "Recubrimiento d2") * 1000;
    d.d1 = Numero(c, Flechas, "Valord1", "0.03", "Recubrimiento d1") * 1000;
    d.Ma = Numero(c, Flechas, "ValorMa", "1.00", "Momento Ma") * 1000000;
    const int tipo = c.Indice(Flechas, "GrupoTipoPieza", 0, 2);
    const auto [A1, rotuloA1] = Ranura(c, 1, "Armadura A1");
    const auto [A2, rotuloA2] = Ranura(c, 2, "Armadura A2");
    d.AreaA1 = A1;
    d.AreaA2 = A2;
    const auto r = Exigir(CalcularFlecha(c.Estado, d));

    c.Poner(Flechas, "EtiquetaTipoSeccion",
            tipo == 0 ? "Armadura sección central" : "Armadura sección arranque");
    c.Poner(Flechas, "ValorA1", rotuloA1);
    c.Poner(Flechas, "ValorA2", rotuloA2);
    c.Poner(ResultadosFlecha, "MomentoInerciaEquivalente", TextoInercia(r.Ie));
    c.Poner(ResultadosFlecha, "ModuloDeformacion", TextoModulo(r.Ec));
    const int duracion = c.Indice(ResultadosFlecha, "GrupoDuracionCarga", 6, 7);
    const std::string valor = c.Texto(ResultadosFlecha, "Valor", "1.0");
    double xi = 0;
    const auto lambda = CalcularFactor(d.AreaA2, c.Estado.b, c.Estado.d, duracion, valor, xi);
    // Como en la ventana: un coeficiente que no es un número deja λ vacío y se explica aparte.
    c.Poner(ResultadosFlecha, "Factor", lambda ? TextoFactor(*lambda) : "");
    c.Poner(ResultadosFlecha, "Aviso", lambda ? "" : lambda.error().mensaje);
}

const RegistrarCalculo registroCortante{
    "cortante", "armadura transversal de una viga (separación de cercos por zonas)",
    &CalcularCortanteLinea};
const RegistrarCalculo registroPilar{"pilar", "cercos de un pilar", &CalcularPilarLinea};
const RegistrarCalculo registroFlechas{
    "flechas", "inercia equivalente, módulo del hormigón y factor de flecha diferida",
    &CalcularFlechasLinea};

} // namespace

} // namespace velmora
