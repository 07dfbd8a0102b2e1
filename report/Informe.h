#pragma once
// Memoria de cálculo: una página HTML completa y autónoma (estilos dentro, dibujos en SVG en
// línea, ningún recurso externo) con la cabecera del proyecto, los datos tal como se escribieron,
// la traza de cada cálculo, los resultados tal como los rotulan las ventanas y los dibujos.
// Es XHTML bien formado: se puede leer con un analizador XML estricto. Sin Qt.

#include "common/Traza.h"
#include "norma/Norma.h"
#include "report/DatosProyecto.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

// Un dato tal como se escribió: «Canto h», «0.40», «m».
struct DatoInforme {
    std::string nombre;
    std::string valor;
    std::string unidad;
};

// La traza de un cálculo con su título («Parámetros generales», «Dimensionamiento»).
struct ApartadoInforme {
    std::string titulo;
    Traza traza;
};

// Un dibujo en SVG (elemento <svg> completo, sin declaración XML) con su pie.
struct DibujoInforme {
    std::string pie;
    std::string svg;
};

// Un cálculo de la memoria.
struct CapituloInforme {
    std::string titulo;
    std::vector<DatoInforme> datos;
    std::vector<ApartadoInforme> apartados;
    std::vector<std::pair<std::string, std::string>> resultados; // nombre, rótulo tal como se ve
    std::vector<DibujoInforme> dibujos;
    Norma norma = Norma::EHE98; // norma con la que se calculó
};

struct CabeceraInforme {
    DatosProyecto proyecto;
    std::string fecha;   // «7 de diciembre de 2026»
    std::string version; // «Velmora 2.0»
};

// La página entera: «<!DOCTYPE html>…</html>».
[[nodiscard]] std::string PaginaInforme(const CabeceraInforme& cabecera,
                                        const std::vector<CapituloInforme>& capitulos);

// Texto escapado para HTML y XML (&, <, >, ").
[[nodiscard]] std::string EscaparHtml(std::string_view texto);

// Un texto enriquecido de una traza (sólo <sub>, <sup>, <b>, <i>) con lo demás escapado: lo que
// no es una de esas marcas se escribe tal cual se lee.
[[nodiscard]] std::string TextoEnriquecido(std::string_view texto);

// Cabecera con la fecha de hoy y la versión del programa («Velmora 2.0»).
[[nodiscard]] CabeceraInforme CabeceraDeHoy(DatosProyecto proyecto);

// Fecha en español: «7 de diciembre de 2026» (mes de 1 a 12).
[[nodiscard]] std::string FechaEnEspanol(int dia, int mes, int anio);

} // namespace velmora
