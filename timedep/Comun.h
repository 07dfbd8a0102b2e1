#pragma once
// Piezas comunes de la fluencia y la retracción: la potencia real, el coeficiente λ del ambiente
// y el espesor ficticio e = λ·2A/u (EHE-98, art. 39.7 y 39.8), en cm.

#include "common/Resultado.h"

#include <string>

namespace velmora {

// Potencia con estas reglas: exponente 0 da 1; base 0 con exponente positivo da 0; un exponente
// entero se calcula multiplicando (admite bases negativas); cualquier otro es
// exp(exponente·ln(base)).
double Potencia(double base, double exponente);

// Número de elementos del grupo "Medio ambiente" y su coeficiente λ.
inline constexpr int NumeroAmbientes = 4;
double FactorEspesor(int medioAmbiente);

// Rechaza un ambiente fuera del grupo (campo GrupoMedioAmbiente).
Estado ComprobarAmbiente(int medioAmbiente);

// Espesor ficticio: el número de Perimetro si es conocido, si no λ·2A/u. Rechaza un área, un
// perímetro o un espesor que no sea positivo, nombrando el campo.
Resultado<double> EspesorFicticio(int medioAmbiente, double A, double u, bool conocido);

// Valor corto de un número para los mensajes ("-3", "0.5").
std::string NumeroEnMensaje(double v);

// Rótulo de un valor de resultados: "=  " + número (ancho:decimales).
std::string TextoValor(double v, int ancho, int decimales);

} // namespace velmora
