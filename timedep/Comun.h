#pragma once
// Piezas comunes de la fluencia y la retracción: la potencia real, el coeficiente λ del ambiente
// y el espesor ficticio e = λ·2A/u (EHE-98, art. 39.7 y 39.8), en cm.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "timedep/DescripcionDiferidas.h"

#include <span>
#include <string>

namespace velmora {

// Potencia con estas reglas: exponente 0 da 1; base 0 con exponente positivo da 0; un exponente
// entero se calcula multiplicando (admite bases negativas); cualquier otro es
// exp(exponente·ln(base)).
[[nodiscard]] double Potencia(double base, double exponente);

// Número de elementos del grupo "Medio ambiente".
inline constexpr int NumeroAmbientes = 4;
// λ, coeficiente del espesor ficticio según el ambiente (EHE-98, art. 39.7), adimensional.
[[nodiscard]] double FactorEspesor(MedioAmbiente ambiente);

// e = λ·2A/u, espesor ficticio (EHE-98, art. 39.7), cm (A en cm², u en cm).
[[nodiscard]] double EspesorFicticio(double lambda, double A, double u);

// Espesor ficticio: el número de Perimetro si es conocido, si no λ·2A/u. Rechaza un área, un
// perímetro o un espesor que no sea positivo, nombrando el campo.
// Añade a `destino` los pasos de `pasos`, en su orden.
void AnadirPasos(Traza& destino, Traza&& pasos);
// Paso del espesor ficticio e = λ·2A/u (cm) de la memoria, o la nota del espesor escrito (art. 39.7).
void PasoEspesorFicticio(Traza& t, double A, double u, bool conocido, MedioAmbiente ambiente,
                         double e);
[[nodiscard]] Resultado<double> EspesorFicticio(MedioAmbiente ambiente, double A, double u,
                                                bool conocido);

// Después de las comprobaciones propias: el área (si se usa) y el perímetro o el espesor dentro
// de su intervalo.
[[nodiscard]] Estado ComprobarIntervalosSeccion(double A, double u, bool conocido);

// Valor corto de un número para los mensajes ("-3", "0.5").
std::string NumeroEnMensaje(double v);

// Rótulo de un valor de resultados: "=  " + número (ancho:decimales).
std::string TextoValor(double v, int ancho, int decimales);

// Un valor de una ventana de resultados con su formato (ancho mínimo:decimales).
struct ValorMostrado {
    double valor;
    int ancho, decimales;
};
std::string TextoValor(const ValorMostrado& v);

// Todos los valores son finitos y caben en su rótulo (como mucho 12 caracteres): un valor que no
// cabe no se muestra recortado.
[[nodiscard]] bool SeMuestran(std::span<const ValorMostrado> valores);

// Texto de una edad en un subíndice: el escrito si es corto (se muestra tal cual), si no el
// número leído.
std::string TextoEdadEnSubindice(const std::string& escrito, double valor);

} // namespace velmora
