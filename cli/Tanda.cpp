#include "cli/Tanda.h"

#include "common/Numeros.h"
#include "documento/Lote.h"
#include "materiales/ce/Hormigon.h"
#include "materiales/ehe98/Leyes.h"

#include <istream>
#include <ostream>

namespace velmora {

namespace {

bool EnBlanco(const std::string& linea) {
    return linea.find_first_not_of(" \t\r\n") == std::string::npos;
}

} // namespace

int ProcesarFlujo(std::istream& entrada, std::ostream& salida, bool conEstado) {
    int errores = 0;
    std::string linea;
    bool primera = true;
    while (std::getline(entrada, linea)) {
        // Marca de orden de bytes UTF-8 que algunos editores ponen al principio del fichero.
        if (primera && linea.starts_with("\xEF\xBB\xBF"))
            linea.erase(0, 3);
        primera = false;
        if (EnBlanco(linea))
            continue;
        bool correcta = false;
        const std::string respuesta = ProcesarLinea(linea, conEstado, correcta);
        errores += !correcta;
        salida << respuesta << '\n' << std::flush;
    }
    return errores;
}

std::string TextoAyuda() {
    std::string ayuda =
        "Uso: velmora-calc [FICHERO]\n"
        "     velmora-calc --sin-estado [FICHERO]\n"
        "\n"
        "Cálculos de Velmora (hormigón armado según la EHE-98 o el Código Estructural) por\n"
        "tandas, sin ventanas.\n"
        "Lee objetos JSON, uno por línea, del FICHERO o de la entrada estándar (sin FICHERO o\n"
        "con \"-\"), y escribe una línea JSON de respuesta por cada línea no vacía.\n"
        "\n"
        "Entrada:\n"
        "  {\"calculo\": NOMBRE, VENTANA: {CONTROL: valor, ...}, ...,\n"
        "   \"ranuras\": {\"1\": [[3, 16]], \"2\": [[2, 12], [1, 10]]}}\n"
        "  VENTANA y CONTROL son los nombres de objeto de las ventanas y sus controles.\n"
        "  Un cuadro de texto lleva una cadena (\"0.40\"), un grupo de opciones o un contador\n"
        "  el índice de la opción (0, 1, ...), una casilla true o false. Un control que no se\n"
        "  da conserva su valor de arranque. \"ranuras\" fija de 1 a 3 grupos [número de\n"
        "  barras, diámetro en mm] en las ranuras de armadura \"0\" a \"4\". Cada línea parte\n"
        "  del estado de arranque del programa; los parámetros generales se confirman como\n"
        "  con su botón OK antes de cada cálculo que los necesita.\n"
        "\n"
        "Norma:\n"
        "  \"ParametrosGenerales\": {\"GrupoNorma\": 1} calcula según el Código Estructural\n"
        "  (Real Decreto 470/2021, Anejo 19); sin él, o con 0, según la EHE-98. Con el Código\n"
        "  Estructural, \"CoeficienteAlfaCC\" es αcc (texto, de \"" +
        Formatear(ce::AlfaCCMinimo, 0, 2) + "\" a \"" + Formatear(ce::AlfaCCMaximo, 0, 2) +
        "\", \"1.00\" si\n"
        "  no se da; fcd = αcc·fck/γc), la opción 1 de los niveles de control es el control\n"
        "  intenso (γs = 1.10, γc = 1.40 en situación persistente), fck va de 20 a 90 N/mm² y\n"
        "  \"HormigonadoVertical\" no interviene. Con la EHE-98 \"CoeficienteAlfaCC\" no\n"
        "  interviene.\n"
        "\n"
        "Salida:\n"
        "  {\"calculo\": NOMBRE, \"ok\": true, VENTANA: {CONTROL: rótulo, ...}, \"estado\": "
        "{...}}\n"
        "  o, si la línea no se puede calcular,\n"
        "  {\"calculo\": NOMBRE, \"ok\": false, \"error\": mensaje, \"campo\": CONTROL}.\n"
        "  Una línea con error no detiene la tanda. Con --sin-estado las respuestas correctas\n"
        "  no llevan \"estado\" (la tanda va más deprisa).\n"
        "  Valores que pueden ser null: \"calculo\" de una respuesta de error si la línea no\n"
        "  es JSON, no lo trae o es una cabecera de proyecto mal escrita; en \"interaccion\",\n"
        "  \"gamma\" de una combinación sin carga (Nd = Md = 0), que no tiene rayo hasta la\n"
        "  curva y se da por cumplida (\"cumple\": true).\n"
        "\n"
        "Cálculos:\n";
    for (const auto& [nombre, calculo] : Catalogo())
        ayuda += "  " + nombre + std::string(nombre.size() < 12 ? 12 - nombre.size() : 1, ' ') +
                 calculo.descripcion + "\n";
    ayuda +=
        "\n"
        "Datos que usa cada norma (\"ParametrosGenerales\": {\"GrupoNorma\": 0 EHE-98, 1\n"
        "Código Estructural}):\n"
        "  cortante    EHE-98: todos. Código Estructural: no usa CuadroTetae (θe);\n"
        "              CuadroTeta con 0.5 ≤ cot θ ≤ 2 (26.57º a 63.43º) y CuadroAlfa de\n"
        "              45º a 90º.\n"
        "  pilar       toma \"ParametrosGenerales\" sólo si la línea los trae, por la norma.\n"
        "              Código Estructural: Valor3 (d1) sólo se comprueba; la respuesta\n"
        "              lleva NotaSeparacion (separación por 0.6 junto a vigas y losas).\n"
        "  anclaje     toma \"ParametrosGenerales\" sólo si la línea los trae: la norma y,\n"
        "              con el Código Estructural, la situación (γc, γs) y el nivel de\n"
        "              control; ResistenciaCaracteristica de 20 a 90 y EfectosDinamicos no\n"
        "              se aplica. EHE-98: fck de 25 a 55 (coeficiente m).\n"
        "  Con el Código Estructural sus respuestas llevan EtiquetaNorma.\n"
        "  parabola    toma \"ParametrosGenerales\" sólo si la línea los trae: la norma y,\n"
        "              con el Código Estructural, αcc (fcd = αcc·fck/γc, sin el " +
        Formatear(ehe98::Cansancio, 0, 2) + " de la\n"
        "              EHE-98). Código Estructural: diagrama de Anejo 19, 3.1.7 con εc2,\n"
        "              εcu2 y n de la tabla 3.1 y planos de 6.1 (εcu2 arriba si x ≤ h);\n"
        "              ResistenciaCaracteristica de 20 a 90; la respuesta lleva\n"
        "              EtiquetaLeyHormigon (εc2, εcu2, n y fcd usados).\n"
        "  acero       toma \"ParametrosGenerales\" sólo si la línea los trae, por la\n"
        "              norma. Código Estructural (Anejo 19, 3.2.7): sólo armadura pasiva, Es =\n"
        "              200000 (no usa GrupoTipoDiagrama ni GrupoValorEs), la opción 1 de\n"
        "              GrupoControlAcero es el control intenso, GrupoRamaSuperior 0 rama\n"
        "              horizontal sin límite de deformación (3.2.7(2)b) o 1 inclinada\n"
        "              (3.2.7(2)a) con CoeficienteK (k, de \"1\" a \"1.5\", \"1.05\") y\n"
        "              DeformacionUk (εuk en %, mayor que εyd, \"5.0\"): la deformación Valor1\n"
        "              se limita a εud = 0.9·εuk. La respuesta lleva EtiquetaLeyAcero.\n"
        "\n"
        "Comparar normas:\n"
        "  \"BotonCompararNormas\": true en la ventana de resultados (la del propio cálculo\n"
        "  si no la tiene) calcula también con la otra norma y añade \"VentanaComparacion\":\n"
        "  {\"TablaComparacion\": [[magnitud, EHE-98, Código Estructural, diferencia], ...]}\n"
        "  y, con memoria, el capítulo «Comparación de normas»; sin la clave la respuesta no\n"
        "  cambia. Ventanas:\n"
        "  seccion       VentanaResultados\n"
        "  cortante      VentanaResultadosTrans1, con los cercos de sus zonas (θe no se\n"
        "                aplica con el Código Estructural; un θ fuera de 0.5 ≤ cot θ ≤ 2 se\n"
        "                toma en su límite y un α fuera de 45º a 90º deja su columna sin\n"
        "                calcular, y la tabla lo dice)\n"
        "  pilar         VentanaTransversal2\n"
        "  anclaje       VentanaAnclaje (una fck que sólo admite una norma deja la otra\n"
        "                columna sin calcular y su celda lo dice; sin \"ParametrosGenerales\",\n"
        "                γc y γs del Código Estructural son los de arranque)\n"
        "  flechas       VentanaResultadosFlecha (lee también GrupoDuracionCarga de\n"
        "                VentanaFlechas, GrupoDuracionCarga, Valor y CoeficienteFluencia de\n"
        "                VentanaResultadosFlecha; la tabla da como supuestos los de la\n"
        "                otra norma)\n"
        "  fluencia_ce   VentanaFluenciaCE  (fck en kp/cm², ambiente de la EHE-98 por la\n"
        "  retraccion_ce VentanaRetraccionCE HR, supuesto; retracción con la consistencia\n"
        "                plástica supuesta)\n"
        "  fluencia      VentanaResultadosDeformacion (fck en N/mm², de 12 a 90; HR del\n"
        "  retraccion    VentanaResultadosRetraccion  ambiente y cemento N supuestos;\n"
        "                retracción con fck 25 N/mm² y ts 7 días supuestos)\n"
        "\n"
        "Ejemplo:\n"
        "  echo '{\"calculo\": \"area\", \"ranuras\": {\"0\": [[3, 12], [2, 10]]}}' | "
        "velmora-calc\n"
        "\n"
        "Código de salida: 0, aunque haya líneas con error; 1 si no se puede abrir el\n"
        "FICHERO; 2 si la orden está mal escrita.\n";
    return ayuda;
}

} // namespace velmora
