#pragma once
// Descripción de los campos de un cálculo: el nombre del control, el nombre del dato en los
// mensajes, la unidad en que se escribe y su factor a las unidades de cálculo (mm, N, N·mm), el
// intervalo válido y el texto que muestra la ventana al arrancar. Las ventanas, velmora-calc y
// los proyectos leen los campos a través de ella: nadie más convierte unidades ni lista campos.

#include "common/Resultado.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Campo {
    std::string_view control; // nombre de objeto del control (p. ej. "CuadroVd1")
    std::string_view nombre;  // nombre del dato en los mensajes (p. ej. "Cortante Vd1")
    std::string_view unidad;  // unidad en que se escribe (p. ej. "kN"); vacía si no tiene
    double factor = 1.0;      // de la unidad escrita a la de cálculo (kN → N: 1000)
    double minimo = 0.0;      // intervalo válido, en la unidad escrita, extremos incluidos
    double maximo = 0.0;
    std::string_view defecto; // texto del control al arrancar (p. ej. "1.00")
};

// Un grupo de opciones (o una lista de opciones fijas) o una casilla: el nombre del control,
// el nombre del dato en la memoria de cálculo y, en un grupo, el texto de cada opción en el
// orden de su índice, el mismo que muestra la ventana (una casilla no tiene opciones).
struct Eleccion {
    constexpr Eleccion(std::string_view control_, std::string_view nombre_,
                       std::span<const std::string_view> opciones_ = {},
                       std::string_view unidad_ = {})
        : control(control_), nombre(nombre_), opciones(opciones_), unidad(unidad_) {}
    std::string_view control;
    std::string_view nombre;
    std::span<const std::string_view> opciones;
    std::string_view unidad; // de los textos de las opciones, si son números (p. ej. "N/mm²")
};

// Textos de los controles por su nombre de objeto, tal como están escritos.
using TextosCampos = std::map<std::string, std::string, std::less<>>;

// Texto del control del campo, o su texto de arranque si no está en `textos`.
std::string_view TextoCampo(const TextosCampos& textos, const Campo& campo);

// Lee el campo con LeerNumero (el error nombra el dato y el control) y lo pasa a unidades de
// cálculo. No comprueba el intervalo.
[[nodiscard]] Resultado<double> LeerCampo(const TextosCampos& textos, const Campo& campo);

// Comprueba que el valor escrito (en la unidad del campo) está en su intervalo:
// «Ancho b debe estar entre 0.01 y 20 m (se ha leído 1e+308 m).».
[[nodiscard]] Estado ComprobarIntervalo(const Campo& campo, double valorEscrito);

// LeerCampo seguido de ComprobarIntervalo.
[[nodiscard]] Resultado<double> LeerCampoEnIntervalo(const TextosCampos& textos,
                                                     const Campo& campo);

// Textos de arranque de una lista de campos.
TextosCampos TextosPorOmision(std::span<const Campo> campos);

// Un resultado se puede mostrar si es finito y, escrito con Formatear(valor, ancho, decimales),
// cabe en `ancho` caracteres: un rótulo nunca se corta ni muestra «---».
bool CabeEnRotulo(double valor, int ancho, int decimales);

// Error de un resultado que no se puede mostrar, con el nombre del cálculo («cortante de la
// viga»): los datos llevan a un valor no finito o demasiado grande. `campo` es el control del dato
// que lo causa, si se sabe.
ErrorCalculo ResultadoNoRepresentable(std::string_view calculo, std::string_view campo = {});

} // namespace velmora

namespace velmora {

// Valores de los campos en su unidad escrita, leídos con LeerNumero en el orden de la lista (el
// primer texto que no es un número da el error). No comprueba los intervalos.
[[nodiscard]] Resultado<std::vector<double>> LeerEscritos(const TextosCampos& textos,
                                                          std::span<const Campo> campos);

// ComprobarIntervalo de cada campo con su valor escrito, en orden; el primero fuera de su
// intervalo da el error.
[[nodiscard]] Estado ComprobarIntervalos(std::span<const Campo> campos,
                                         std::span<const double> escritos);

} // namespace velmora
