#include "documento/NombresInforme.h"

#include "anchorage/DescripcionAnclaje.h"
#include "common/Numeros.h"
#include "cracking/DescripcionFisuracion.h"
#include "deflection/DescripcionFlechas.h"
#include "deflection/ce/FlechasCE.h"
#include "design/TextosParametros.h"
#include "diagrams/DescripcionHerramientas.h"
#include "section/DescripcionSeccion.h"
#include "section/Interaccion.h"
#include "shear/DescripcionCortante.h"
#include "timedep/DescripcionDiferidas.h"
#include "timedep/ce/DescripcionDiferidasCE.h"
#include "tools/Conversion.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace velmora {

namespace {

// Nombres de los mensajes que la memoria escribe de otra forma: con el símbolo de la EHE-98 o
// más completos que en el rótulo de la ventana.
const std::map<std::string_view, std::string_view>& NombresCompletos() {
    static const std::map<std::string_view, std::string_view> n{
        {"Momento flector", "Momento flector M<sub>d</sub>"},
        {"Excentricidad", "Excentricidad e<sub>0</sub>"},
        {"Esfuerzo normal", "Esfuerzo normal N<sub>d</sub>"},
        {"Area", "Área de la sección"},
        {"Perímetro", "Perímetro en contacto con la atmósfera"},
        {"Espesor", "Espesor ficticio"},
        {"Área de la sección Ac", "Área de la sección A<sub>c</sub>"},
        {"Edad de puesta en carga t0", "Edad de puesta en carga t<sub>0</sub>"},
        {"Edad al final del curado ts", "Edad al final del curado t<sub>s</sub>"},
    };
    return n;
}

// «Recubrimiento d2» → «Recubrimiento d<sub>2</sub>»: el símbolo con que acaba el nombre, con su
// subíndice como en las ventanas.
std::string ConSubindice(std::string_view nombre) {
    if (const auto i = NombresCompletos().find(nombre); i != NombresCompletos().end())
        return std::string(i->second);
    const auto espacio = nombre.rfind(' ');
    if (espacio == std::string_view::npos)
        return std::string(nombre);
    const std::string_view simbolo = nombre.substr(espacio + 1);
    static constexpr std::string_view Letras[] = {"d", "h", "b", "f", "V", "M", "E", "θ", "σ", "ε"};
    for (const std::string_view letra : Letras)
        if (simbolo.starts_with(letra) && simbolo.size() > letra.size() &&
            simbolo.size() <= letra.size() + 3)
            return std::string(nombre.substr(0, espacio + 1)) + std::string(letra) + "<sub>" +
                   std::string(simbolo.substr(letra.size())) + "</sub>";
    return std::string(nombre);
}

const LecturaInforme* Buscar(std::span<const LecturaInforme> lecturas, std::string_view ventana,
                             std::string_view control) {
    const auto i = std::find_if(lecturas.begin(), lecturas.end(), [&](const auto& l) {
        return l.ventana == ventana && l.control == control;
    });
    return i == lecturas.end() ? nullptr : &*i;
}

// El texto de un campo numérico tal como lo usó el cálculo: nada si no es un número de su
// intervalo (sin intervalo, basta con que sea un número).
std::optional<std::string> ValorUsado(const Campo& c, const std::string& texto) {
    constexpr std::size_t LargoMaximo = 20;
    const auto v = LeerNumero(texto, c.nombre, c.control);
    if (!v || (c.minimo < c.maximo && !ComprobarIntervalo(c, *v)))
        return std::nullopt;
    return texto.size() <= LargoMaximo ? texto : NumeroLegible(*v);
}

// Nada si `ventanas` no describe el control; si lo describe, su fila (que no hay si es un campo
// numérico con un texto que el cálculo no usó).
std::optional<std::optional<DatoInforme>> DatoDeVentanas(std::span<const VentanaCatalogo> ventanas,
                                                         const LecturaInforme& l,
                                                         std::span<const LecturaInforme> lecturas) {
    for (const VentanaCatalogo& d : ventanas) {
        if (d.ventana != l.ventana)
            continue;
        if (!d.si.empty()) {
            const LecturaInforme* e = Buscar(lecturas, d.ventana, d.si);
            if (!e || e->indice != d.vale)
                continue;
        }
        for (const Campo& c : d.campos) {
            if (c.control != l.control)
                continue;
            const auto valor = ValorUsado(c, l.texto);
            if (!valor)
                return std::optional<DatoInforme>();
            return DatoInforme{ConSubindice(c.nombre), *valor, std::string(c.unidad)};
        }
        for (const Eleccion& e : d.elecciones) {
            if (e.control != l.control)
                continue;
            std::string valor = l.texto;
            if (l.tipo == TipoControl::Casilla)
                valor = l.indice ? "sí" : "no";
            else if (l.tipo != TipoControl::Texto && l.indice >= 0 &&
                     static_cast<std::size_t>(l.indice) < e.opciones.size())
                valor = e.opciones[static_cast<std::size_t>(l.indice)];
            return DatoInforme{ConSubindice(e.nombre), valor, std::string(e.unidad)};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<DatoInforme> DatoDeLectura(const LecturaInforme& l,
                                         std::span<const LecturaInforme> lecturas,
                                         std::string_view calculo) {
    // Las ventanas del cálculo de la línea y, si no lo describen, las de los demás cálculos.
    if (const auto propio = Catalogo().find(calculo); propio != Catalogo().end())
        if (auto d = DatoDeVentanas(propio->second.ventanas, l, lecturas))
            return *d;
    for (const auto& [_, entrada] : Catalogo())
        if (auto d = DatoDeVentanas(entrada.ventanas, l, lecturas))
            return *d;
    // Un control sin descripción se nombra por su objeto: las pruebas de la memoria lo detectan.
    return DatoInforme{l.ventana.empty() ? l.control : l.control + " (" + l.ventana + ")", l.texto,
                       ""};
}

namespace {

// Nombre de un rótulo de resultados. Sin nombre, el rótulo no se lista. `boton` es el texto de
// arranque de un botón que muestra la armadura elegida: con él, la armadura está sin definir.
// `sufijo` es lo que la ventana escribe en otro rótulo a continuación (el ² de «N/mm²»).
struct NombreResultado {
    std::string_view nombre;
    std::string_view unidad = {};
    std::string_view boton = {};
    std::string_view sufijo = {};
};

using ClaveResultado = std::pair<std::string_view, std::string_view>;

using TablaNombres = std::map<ClaveResultado, NombreResultado>;

const TablaNombres& NombresResultadosSeccion() {
    static const TablaNombres n{
        // Parámetros generales y área de barras.
        {{"ParametrosGenerales", "EtiquetaAcero"}, {"Acero"}},
        {{"ParametrosGenerales", "EtiquetaHormigon"}, {"Hormigón"}},
        {{"ParametrosGenerales", "EtiquetaGammas"},
         {"Coeficiente parcial de seguridad del acero γ<sub>s</sub>"}},
        {{"ParametrosGenerales", "EtiquetaGammac"},
         {"Coeficiente parcial de seguridad del hormigón γ<sub>c</sub>"}},
        {{"VentanaArea", "EtiquetaArea"}, {"Área de la armadura", "cm²"}},
        {{"", "TextoArmadura"}, {"Armadura"}},
        // Sección.
        {{"VentanaResultados", "AreaTraccion"},
         {"Área de la armadura de tracción A<sub>s1</sub>", "cm²"}},
        {{"VentanaResultados", "AreaCompresion"},
         {"Área de la armadura de compresión A<sub>s2</sub>", "cm²"}},
        {{"VentanaResultados", "CapacidadTraccion"}, {"Capacidad mecánica U<sub>1</sub>", "kN"}},
        {{"VentanaResultados", "CapacidadCompresion"}, {"Capacidad mecánica U<sub>2</sub>", "kN"}},
        {{"VentanaResultados", "NumeroA1"}, {"Número de barras de tracción"}},
        {{"VentanaResultados", "NumeroA2"}, {"Número de barras de compresión"}},
        {{"VentanaResultados", "DiametroTraccion"}, {"Diámetro de la armadura de tracción", "mm"}},
        {{"VentanaResultados", "DiametroCompresion"},
         {"Diámetro de la armadura de compresión", "mm"}},
        {{"VentanaResultados", "Cuantia"}, {"Cuantías mínimas"}},
        {{"VentanaResultados", "Recomendada"}, {"Recomendación"}},
        {{"VentanaResultados", "DomDeform"}, {"Dominio de deformación"}},
        {{"VentanaResultados", "Profundidad"}, {"Fibra neutra"}},
        {{"VentanaResultados", "xlimite"}, {"Profundidad límite"}},
        {{"DominioDeDeformacion", "Etiqueta"}, {}},
        // Momento de agotamiento.
        {{"VentanaMomento", "EtiquetaMomento"}, {"Momento de agotamiento M<sub>u</sub>"}},
        {{"VentanaMomento", "AreaTraccionada"}, {"Armadura traccionada", "", "Defina armadura"}},
        {{"VentanaMomento", "AreaComprimida"}, {"Armadura comprimida", "", "Defina armadura"}},
        // Interacción.
        {{"VentanaInteraccion", "AreaA1"}, {"Área A<sub>1</sub>", "cm²"}},
        {{"VentanaInteraccion", "AreaA2"}, {"Área A<sub>2</sub>", "cm²"}},
        {{"", "N0"}, {"Esfuerzo normal último en compresión centrada N<sub>0</sub>", "kN"}},
        {{"", "Ntraccion"}, {"Esfuerzo normal último en tracción centrada", "kN"}},
        {{"", "Mmax"}, {"Momento último positivo máximo", "kN·m"}},
        {{"", "Mmin"}, {"Momento último negativo máximo", "kN·m"}},
    };
    return n;
}

const TablaNombres& NombresResultadosElementos() {
    static const TablaNombres n{
        // Cortante de la viga.
        {{"VentanaTransversal1", "ValorArea"},
         {"Armadura longitudinal traccionada", "", "Defina armadura"}},
        {{"VentanaResultadosTrans1", "AgotamientoCompresionOblicua"},
         {"Agotamiento por compresión oblicua en el alma V<sub>u1</sub>", "kN"}},
        {{"VentanaResultadosTrans1", "ContribucionHormigon"},
         {"Contribución del hormigón V<sub>cu</sub>", "kN"}},
        {{"VentanaResultadosTrans1", "Label7"}, {"Compresión oblicua"}},
        {{"VentanaResultadosTrans1", "Recordatorio"}, {"Diámetro de los cercos"}},
        {{"VentanaResultadosTrans1", "NumeroCercosZona1"},
         {"Número de ramas de los cercos, zona de apoyo"}},
        {{"VentanaResultadosTrans1", "DiametroZona1"},
         {"Diámetro de los cercos, zona de apoyo", "mm"}},
        {{"VentanaResultadosTrans1", "LongitudZona1"},
         {"Separación de los cercos, zona de apoyo", "cm"}},
        {{"VentanaResultadosTrans1", "EtiquetaSeparacion01"},
         {"Separación que rige, zona de apoyo"}},
        {{"VentanaResultadosTrans1", "ContribucionArmadura01"},
         {"Contribución de la armadura transversal V<sub>su</sub>, zona de apoyo", "kN"}},
        {{"VentanaResultadosTrans1", "AgotamientoTraccion01"},
         {"Agotamiento por tracción en el alma V<sub>u2</sub>, zona de apoyo", "kN"}},
        {{"VentanaResultadosTrans1", "NumeroCercosZona2"},
         {"Número de ramas de los cercos, zona central"}},
        {{"VentanaResultadosTrans1", "DiametroZona2"},
         {"Diámetro de los cercos, zona central", "mm"}},
        {{"VentanaResultadosTrans1", "LongitudZona2"},
         {"Separación de los cercos, zona central", "cm"}},
        {{"VentanaResultadosTrans1", "EtiquetaSeparacion02"},
         {"Separación que rige, zona central"}},
        {{"VentanaResultadosTrans1", "ContribucionArmadura02"},
         {"Contribución de la armadura transversal V<sub>su</sub>, zona central", "kN"}},
        {{"VentanaResultadosTrans1", "AgotamientoTraccion02"},
         {"Agotamiento por tracción en el alma V<sub>u2</sub>, zona central", "kN"}},
        {{"VentanaResultadosTrans1", "EtiquetaNorma"}, {"Norma"}},
        // Cercos del pilar.
        {{"VentanaTransversal2", "DiametroMinimo"},
         {"Diámetro de la barra más delgada φ<sub>min</sub>", "mm"}},
        {{"VentanaTransversal2", "DiametroMaximo"},
         {"Diámetro de la barra más gruesa φ<sub>max</sub>", "mm"}},
        {{"VentanaTransversal2", "Armadura"}, {"Cerco φ diámetro/separación", "mm/cm"}},
        {{"VentanaTransversal2", "NotaSeparacion"}, {"Separación reducida"}},
        {{"VentanaTransversal2", "EtiquetaNorma"}, {"Norma"}},
        // Flechas.
        {{"VentanaFlechas", "EtiquetaTipoSeccion"}, {"Sección de las armaduras"}},
        {{"VentanaFlechas", "ValorA1"}, {"Armadura A<sub>1</sub>", "", "Armadura A1"}},
        {{"VentanaFlechas", "ValorA2"}, {"Armadura A<sub>2</sub>", "", "Armadura A2"}},
        {{"VentanaResultadosFlecha", "MomentoInerciaEquivalente"},
         {"Momento de inercia equivalente I<sub>e</sub>", "cm⁴"}},
        {{"VentanaResultadosFlecha", "ModuloDeformacion"},
         {"Módulo de deformación longitudinal del hormigón E<sub>c</sub>", "N/mm²"}},
        {{"VentanaResultadosFlecha", "Factor"}, {"Factor de flecha diferida λ"}},
        {{"VentanaResultadosFlecha", "Aviso"}, {"Aviso"}},
        // Anclaje.
        {{"VentanaLongitudAnclaje", "AreaPosicionII"},
         {"Barras en posición II", "", "Defina armadura"}},
        {{"VentanaLongitudAnclaje", "AreaPosicionI"},
         {"Barras en posición I", "", "Defina armadura"}},
        {{"VentanaLongitudAnclaje", "RecubrimientoHormigon"}, {}},
        {{"VentanaAnclaje", "LongitudBasicaII"},
         {"Longitud básica de anclaje en posición II l<sub>bII</sub>"}},
        {{"VentanaAnclaje", "LongitudNetaII"},
         {"Longitud neta de anclaje en posición II l<sub>nII</sub>"}},
        {{"VentanaAnclaje", "LongitudBasicaI"},
         {"Longitud básica de anclaje en posición I l<sub>bI</sub>"}},
        {{"VentanaAnclaje", "LongitudNetaI"},
         {"Longitud neta de anclaje en posición I l<sub>nI</sub>"}},
        {{"VentanaAnclaje", "EtiquetaDecalaje"}, {"Nota"}},
        {{"VentanaAnclaje", "EtiquetaNorma"}, {"Norma"}},
    };
    return n;
}

const TablaNombres& NombresResultadosFisuracion() {
    static const TablaNombres n{
        {{"VentanaFisuracion", "BotonA1"},
         {"Armadura traccionada A<sub>1</sub>", "", "Defina armadura"}},
        {{"VentanaFisuracion", "BotonA2"},
         {"Armadura superior A<sub>2</sub>", "", "Defina armadura"}},
        {{"VentanaFisuracion", "EtiquetaNorma"}, {"Norma de la comprobación"}},
        {{"VentanaFisuracion", "EtiquetaMateriales"}, {"Materiales del Anejo 19"}},
        {{"VentanaFisuracion", "EtiquetaMcr"}, {"Momento de fisuración M<sub>cr</sub>"}},
        {{"VentanaFisuracion", "EtiquetaFibraNeutra"}, {"Fibra neutra (cuasipermanente)"}},
        {{"VentanaFisuracion", "EtiquetaTensiones"}, {"Tensiones (cuasipermanente)"}},
        {{"VentanaFisuracion", "EtiquetaAbertura"}, {"Abertura de fisura w<sub>k</sub>"}},
        {{"VentanaFisuracion", "VeredictoAbertura"}, {"Comprobación de w<sub>k</sub>"}},
        {{"VentanaFisuracion", "VeredictoCuasipermanente"},
         {"Compresión del hormigón (cuasipermanente)"}},
        {{"VentanaFisuracion", "EtiquetaCaracteristica"}, {"Tensiones (característica)"}},
        {{"VentanaFisuracion", "VeredictoCaracteristica"},
         {"Limitación de tensiones (característica)"}},
        {{"VentanaFisuracion", "EtiquetaAsMin"}, {"Armadura mínima A<sub>s,min</sub>"}},
        {{"VentanaFisuracion", "VeredictoAsMin"}, {"Comprobación de A<sub>s,min</sub>"}},
        {{"VentanaFisuracion", "EtiquetaTablas"}, {"Tablas 7.2N y 7.3N"}},
        {{"VentanaFisuracion", "VeredictoTablas"}, {"Control sin cálculo directo"}},
    };
    return n;
}

// Secciones, interacción, elementos (cortante, cercos, flechas y anclaje) y fisuración.
const TablaNombres& NombresResultados() {
    static const TablaNombres n = [] {
        TablaNombres todos = NombresResultadosSeccion();
        todos.insert(NombresResultadosElementos().begin(), NombresResultadosElementos().end());
        todos.insert(NombresResultadosFisuracion().begin(), NombresResultadosFisuracion().end());
        return todos;
    }();
    return n;
}

const TablaNombres& NombresResultadosHerramientas() {
    static const TablaNombres n{
        // Fluencia.
        {{"VentanaResultadosDeformacion", "Valor1"},
         {"Deformación elástica instantánea ε<sub>ei</sub>", "‰"}},
        {{"VentanaResultadosDeformacion", "Valor2"},
         {"Deformación elástica diferida ε<sub>ed</sub>", "‰"}},
        {{"VentanaResultadosDeformacion", "Valor3"},
         {"Deformación plástica instantánea ε<sub>pi</sub>", "‰"}},
        {{"VentanaResultadosDeformacion", "Valor4"},
         {"Deformación plástica diferida ε<sub>pd</sub>", "‰"}},
        {{"VentanaResultadosDeformacion", "Valor5"}, {"Coeficiente de fluencia φ(t,j)"}},
        {{"VentanaResultadosDeformacion", "Valor10"},
         {"Módulo de deformación a la edad j, E<sub>cj</sub>", "kp/cm²"}},
        {{"VentanaResultadosDeformacion", "Valor11"},
         {"Módulo de deformación a 28 días, E<sub>c28</sub>", "kp/cm²"}},
        {{"VentanaResultadosDeformacion", "Valor12"},
         {"Resistencia a la edad j, f<sub>cj</sub>", "kp/cm²"}},
        {{"VentanaResultadosDeformacion", "Valor13"},
         {"Función de la deformación elástica diferida β<sub>d</sub>(t−j)"}},
        {{"VentanaResultadosDeformacion", "Valor14"}, {"Coeficiente del ambiente φ<sub>f1</sub>"}},
        {{"VentanaResultadosDeformacion", "Valor15"},
         {"Coeficiente del espesor ficticio φ<sub>f2</sub>"}},
        {{"VentanaResultadosDeformacion", "Valor16"},
         {"Función de la deformación plástica diferida β<sub>f</sub>(j)"}},
        {{"VentanaResultadosDeformacion", "Valor17"},
         {"Función de la deformación plástica diferida β<sub>f</sub>(t)"}},
        {{"VentanaResultadosDeformacion", "ValorEcj"}, {}},
        {{"VentanaResultadosDeformacion", "Valorfcj"}, {}},
        {{"VentanaResultadosDeformacion", "Valorbetatj"}, {}},
        {{"VentanaResultadosDeformacion", "Valorbetaj"}, {}},
        {{"VentanaResultadosDeformacion", "Valorbetat"}, {}},
        // Retracción.
        {{"VentanaResultadosRetraccion", "Valor1"},
         {"Deformación por retracción ε<sub>r</sub>", "‰"}},
        {{"VentanaResultadosRetraccion", "Valor10"}, {"Coeficiente del ambiente ε<sub>01</sub>"}},
        {{"VentanaResultadosRetraccion", "Valor11"},
         {"Coeficiente del espesor ficticio ε<sub>02</sub>"}},
        {{"VentanaResultadosRetraccion", "Valor12"}, {"Evolución en el tiempo β<sub>r</sub>(t)"}},
        {{"VentanaResultadosRetraccion", "Valorrt"}, {}},
        // Diagrama del acero.
        {{"DiagramaCalculo", "EtiquetaAcero"}, {"Acero"}},
        {{"DiagramaCalculo", "EtiquetaTipoDiagrama"}, {"Diagrama"}},
        {{"DiagramaCalculo", "EtiquetaGammas"},
         {"Coeficiente parcial de seguridad del acero γ<sub>s</sub>"}},
        {{"DiagramaCalculo", "EtiquetaEs"},
         {"Módulo de deformación longitudinal E<sub>s</sub>", "", "", "²"}},
        {{"DiagramaCalculo", "Label20"},
         {"Resistencia de cálculo del acero f<sub>yd</sub>", "", "", "²"}},
        {{"DiagramaCalculo", "Label28"},
         {"Tensión σ<sub>s</sub> para una deformación característica", "", "", "²"}},
        {{"DiagramaCalculo", "Label29"},
         {"Tensión σ<sub>s</sub> para una deformación característica", "", "", "²"}},
        {{"DiagramaCalculo", "Label30"},
         {"Tensión σ<sub>s</sub> para una deformación característica", "", "", "²"}},
        {{"DiagramaCalculo", "ValorTension"},
         {"Tensión σ<sub>s</sub> para la deformación dada", "N/mm²"}},
        {{"DiagramaCalculo", "EtiquetaLeyAcero"}, {"Diagrama de cálculo del acero"}},
        // Parábola-rectángulo.
        {{"VentanaParabola", "EtiquetaHormigon"}, {"Hormigón"}},
        {{"VentanaParabola", "EtiquetaGammac"},
         {"Coeficiente parcial de seguridad del hormigón γ<sub>c</sub>"}},
        {{"VentanaParabola", "Compresion"}, {"Resultante de las compresiones C"}},
        {{"VentanaParabola", "CentroGravedad"}, {"Profundidad de la resultante x<sub>g</sub>"}},
        {{"VentanaParabola", "EtiquetaLeyHormigon"}, {"Diagrama del hormigón"}},
        // Conversión.
        {{"VentanaConversion", "ValorFinal"}, {"Valor convertido"}},
        {{"VentanaConversion", "EtiquetaUnidadesOrigen01"}, {"Unidades de origen"}},
        {{"VentanaConversion", "EtiquetaUnidadesFinal01"}, {"Unidades finales"}},
    };
    return n;
}

// Fluencia y retracción del Código Estructural: los rótulos llevan su unidad.
const TablaNombres& NombresResultadosCE() {
    constexpr std::string_view F = "VentanaFluenciaCE", R = "VentanaRetraccionCE";
    static const TablaNombres n{
        {{F, "Valorh0"}, {"Espesor medio h<sub>0</sub>"}},
        {{F, "Valorfcm"}, {"Resistencia media f<sub>cm</sub>"}},
        {{F, "ValorEcm"}, {"Módulo de elasticidad secante E<sub>cm</sub>"}},
        {{F, "ValorEc"}, {"Módulo tangente E<sub>c</sub>"}},
        {{F, "ValorPhiHR"}, {"Efecto de la humedad relativa φ<sub>HR</sub>"}},
        {{F, "ValorBetaFcm"}, {"Efecto de la resistencia β(f<sub>cm</sub>)"}},
        {{F, "ValorT0"}, {"Edad de carga corregida por el cemento t<sub>0</sub>"}},
        {{F, "ValorBetaT0"}, {"Efecto de la edad de carga β(t<sub>0</sub>)"}},
        {{F, "ValorPhi0"}, {"Coeficiente básico de fluencia φ<sub>0</sub>"}},
        {{F, "ValorBetaH"}, {"Coeficiente de la humedad y del espesor β<sub>H</sub>"}},
        {{F, "ValorBetaC"}, {"Desarrollo de la fluencia β<sub>c</sub>(t,t<sub>0</sub>)"}},
        {{F, "ValorPhi"}, {"Coeficiente de fluencia φ(t,t<sub>0</sub>)"}},
        {{F, "ValorFckT0"}, {"Resistencia a la edad de carga f<sub>ck</sub>(t<sub>0</sub>)"}},
        {{F, "ValorKSigma"}, {"Relación tensión-resistencia k<sub>σ</sub>"}},
        {{F, "ValorFactorNoLineal"}, {"Factor de la fluencia no lineal"}},
        {{F, "ValorPhiNl"}, {"Coeficiente de fluencia no lineal φ<sub>nl</sub>"}},
        {{F, "DeformacionElastica"}, {"Deformación elástica ε<sub>c,el</sub>"}},
        {{F, "DeformacionFluencia"}, {"Deformación de fluencia ε<sub>cc</sub>(t,t<sub>0</sub>)"}},
        {{F, "DeformacionTotal"}, {"Deformación total ε<sub>c</sub>"}},
        {{F, "AvisoNoLineal"}, {"Aviso"}},
        {{R, "Valorh0"}, {"Espesor medio h<sub>0</sub>"}},
        {{R, "Valorfcm"}, {"Resistencia media f<sub>cm</sub>"}},
        {{R, "ValorBetaHR"}, {"Efecto de la humedad relativa β<sub>HR</sub>"}},
        {{R, "ValorEpsilonCd0"}, {"Retracción básica por secado ε<sub>cd,0</sub>"}},
        {{R, "Valorkh"}, {"Coeficiente del espesor medio k<sub>h</sub>"}},
        {{R, "ValorBetaDs"}, {"Desarrollo del secado β<sub>ds</sub>(t,t<sub>s</sub>)"}},
        {{R, "ValorEpsilonCd"}, {"Retracción por secado ε<sub>cd</sub>(t)"}},
        {{R, "ValorEpsilonCaInf"}, {"Retracción autógena final ε<sub>ca</sub>(∞)"}},
        {{R, "ValorBetaAs"}, {"Desarrollo de la retracción autógena β<sub>as</sub>(t)"}},
        {{R, "ValorEpsilonCa"}, {"Retracción autógena ε<sub>ca</sub>(t)"}},
        {{R, "ValorEpsilonCs"}, {"Retracción total ε<sub>cs</sub>"}},
        {{"VentanaResultadosFlecha", "ValorZeta"}, {"Coeficiente de distribución"}},
        {{"VentanaResultadosFlecha", "EtiquetaMetodo"}, {"Método"}},
        {{"VentanaResultadosFlecha", "EtiquetaNorma"}, {"Norma"}},
    };
    return n;
}

// Nombre (con su unidad si el rótulo no la lleva) y texto de un rótulo de resultados; nada si el
// rótulo no dice nada en la memoria (el texto de arranque de un botón, un subíndice suelto).
// Primero las tablas de los cálculos del programa y, si no lo nombran, los resultados de la
// entrada del cálculo `calculo` en el catálogo.
std::optional<std::pair<std::string, std::string>> ResultadoDeRotulo(std::string_view ventana,
                                                                     std::string_view control,
                                                                     const std::string& rotulo,
                                                                     std::string_view calculo) {
    const ClaveResultado clave{ventana, control};
    const NombreResultado* encontrado = nullptr;
    for (const auto* tabla :
         {&NombresResultados(), &NombresResultadosHerramientas(), &NombresResultadosCE()})
        if (const auto i = tabla->find(clave); i != tabla->end())
            encontrado = &i->second;
    NombreResultado deEntrada;
    if (const auto e = Catalogo().find(calculo); !encontrado && e != Catalogo().end())
        for (const ResultadoCatalogo& r : e->second.resultados)
            if (r.ventana == ventana && r.control == control) {
                deEntrada = {r.nombre, r.unidad};
                encontrado = &deEntrada;
            }
    // Un rótulo sin nombre se nombra por su objeto: las pruebas de la memoria lo detectan.
    if (!encontrado)
        return std::pair{ventana.empty() ? std::string(control)
                                         : std::string(control) + " (" + std::string(ventana) + ")",
                         rotulo};
    const NombreResultado& n = *encontrado;
    if (n.nombre.empty())
        return std::nullopt;
    std::string nombre(n.nombre);
    if (!n.unidad.empty())
        nombre += " (" + std::string(n.unidad) + ")";
    if (!n.boton.empty() && rotulo == n.boton)
        return std::pair{nombre, std::string("sin definir")};
    return std::pair{nombre, rotulo + std::string(n.sufijo)};
}

// «ELU-1: N = 350.0 kN, M = 120.0 kN·m; γ = 1.234, Cumple», como la pista del punto en el dibujo.
std::string TextoCombinacion(const Json& k) {
    std::string t = k.value("nombre", std::string()) +
                    ": N = " + Formatear(k.value("Nd", 0.0), 0, 1) +
                    " kN, M = " + Formatear(k.value("Md", 0.0), 0, 1) + " kN·m; ";
    const auto gamma = k.find("gamma");
    if (gamma == k.end() || !gamma->is_number())
        return t + "sin esfuerzos";
    return t + "γ = " + Formatear(gamma->get<double>(), 0, 3) + ", " +
           (k.value("cumple", false) ? "Cumple" : "No cumple");
}

} // namespace

std::vector<std::pair<std::string, std::string>> FilasDeResultado(std::string_view ventana,
                                                                  std::string_view control,
                                                                  const Json& valor,
                                                                  std::string_view calculo) {
    std::vector<std::pair<std::string, std::string>> filas;
    if (valor.is_array() && ventana.empty() && control == "combinaciones") {
        for (const Json& k : valor)
            if (k.is_object())
                filas.emplace_back("Combinación comprobada", TextoCombinacion(k));
        return filas;
    }
    std::string rotulo;
    if (valor.is_string())
        rotulo = valor.get<std::string>();
    else if (valor.is_number() && NombresResultados().contains({ventana, control}))
        rotulo = Formatear(valor.get<double>(), 0, 3);
    if (!rotulo.empty())
        if (auto r = ResultadoDeRotulo(ventana, control, rotulo, calculo))
            filas.push_back(std::move(*r));
    return filas;
}

} // namespace velmora
