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

// Un número para un mensaje: legible, con hasta 6 cifras significativas («0.01», «1e+308»);
// nunca «inf» ni «nan» («un valor no finito»).
std::string NumeroLegible(double valor);

// Un texto escrito por el usuario para citarlo en un mensaje: como mucho 40 caracteres (sin
// partir un carácter UTF-8); si es más largo se corta y termina en «…».
std::string TextoCitado(std::string_view texto);

// Entero sin blancos (p. ej. para los textos de armadura 2Ø12).
std::string FormatearEntero(long long valor);

} // namespace velmora
