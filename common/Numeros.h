#pragma once
// Lectura de números escritos por el usuario y formato de los números de los resultados.

#include "common/Resultado.h"

#include <string>
#include <string_view>

namespace velmora {

// Lee un número decimal: se saltan los blancos iniciales y finales; signo, fracción y
// exponente opcionales; un texto vacío vale 0. Una única coma sin punto se toma como separador
// decimal («0,40» es 0.40). Un texto que mezcla separadores o tiene varias comas es un error.
// `nombre` es el nombre del dato tal como lo ve el usuario (p. ej. "Canto h"); `campo` es el
// nombre del control, que viaja en el error para que la ventana le dé el foco.
Resultado<double> LeerNumero(std::string_view texto, std::string_view nombre,
                             std::string_view campo = {});

// Lee un número entero (admite fracción y la trunca hacia cero, como lo haría la lectura real
// seguida de truncado). Mismos errores que LeerNumero.
Resultado<long long> LeerEntero(std::string_view texto, std::string_view nombre,
                                std::string_view campo = {});

// Número en coma fija con `decimales` decimales, alineado a la derecha en al menos `ancho`
// caracteres (formato w:p). Nunca produce "-0.000", "nan" ni "inf": un valor no finito se
// escribe como "---" alineado en el mismo ancho.
std::string Formatear(double valor, int ancho, int decimales);

// Un double sólo tiene 15 cifras decimales seguras: un resultado escrito con más mostraría cifras
// que el cálculo no tiene.
inline constexpr int MaximoCifras = 15;

// Cifras escritas en un número en coma fija («1000000.000» tiene 10), sin contar los ceros a la
// izquierda de la primera cifra no nula de la parte entera.
int CifrasEscritas(std::string_view numero);

// Notación científica con `decimales` decimales y un exponente con signo y al menos dos cifras,
// como el patrón 0.0000000E+00: «1.0000000E+18». Nunca «-0.0…», «nan» ni «inf» («---»).
std::string NumeroCientifico(double valor, int decimales = 7);

// Como Formatear, pero un número que en coma fija llevaría más de MaximoCifras cifras se escribe
// en notación científica (NumeroCientifico), alineado en el mismo ancho.
std::string FormatearAcotado(double valor, int ancho, int decimales);

// Un número para un mensaje: legible, con hasta 6 cifras significativas («0.01», «1e+308»);
// nunca «inf» ni «nan» («un valor no finito»).
std::string NumeroLegible(double valor);

// Un texto escrito por el usuario para citarlo en un mensaje: como mucho 40 caracteres (sin
// partir un carácter UTF-8); si es más largo se corta y termina en «…».
std::string TextoCitado(std::string_view texto);

// Entero sin blancos (p. ej. para los textos de armadura 2Ø12).
std::string FormatearEntero(long long valor);

} // namespace velmora
