#pragma once
// «Comparar normas» de la fluencia y la retracción: los datos de una ventana del Código
// Estructural (Anejo 19, 3.1.4 y Apéndice B) llevados al modelo de la EHE-98 (art. 39.7 y 39.8,
// en kp/cm² y cm), o los de una ventana de la EHE-98 llevados al Código Estructural, y
// calculados con los dos. Lo que se puede convertir se convierte (unidades, área y perímetro,
// espesor, edades, tensión); lo que una norma pide y la otra no da (el ambiente por clases o la
// humedad relativa, la consistencia, el cemento, la resistencia y el final del curado de la
// retracción) se supone, y la tabla lo dice.

#include "common/Resultado.h"
#include "norma/Comparacion.h"
#include "timedep/DescripcionDiferidas.h"
#include "timedep/Fluencia.h"
#include "timedep/Retraccion.h"
#include "timedep/ce/FluenciaCE.h"
#include "timedep/ce/RetraccionCE.h"

namespace velmora {

// 1 kp/cm² = 9.80665 N / 100 mm².
inline constexpr double NmmPorKpcm2 = 0.0980665;
// La menor clase de la tabla 3.1 del Anejo 19 (C12/15): una fck de la EHE-98 convertida por
// debajo no tiene propiedades en el Código Estructural.
inline constexpr double FckMinimoTabla31 = 12.0;
// Lo que la retracción del Código Estructural pide y la ventana de la EHE-98 no da: los valores
// de arranque de su ventana (fck = 25 N/mm², ts = 7 días).
inline constexpr double FckSupuestaRetraccion = 25.0, EdadCuradoSupuesta = 7.0;

// Humedad relativa (%) de cada ambiente de la EHE-98: atmósfera muy húmeda 90 %, ambiente medio
// (exterior) 70 %, atmósfera muy seca 40 %; en agua, 100 %.
[[nodiscard]] double HumedadDelAmbiente(MedioAmbiente ambiente);
// El ambiente de la EHE-98 más cercano a una humedad relativa: muy húmeda desde el 80 %, medio
// desde el 55 %, muy seca por debajo (nunca «en agua», que no es una humedad del aire).
[[nodiscard]] MedioAmbiente AmbienteDeLaHumedad(double HR);

// La fluencia de la ventana del Código Estructural con las dos normas. Un dato que la EHE-98
// no admite se rechaza con «EHE-98: » delante y el campo de la ventana.
[[nodiscard]] Resultado<ComparacionNormas> CompararFluenciaCE(const ce::DatosFluenciaCE& d);

// La retracción de la ventana del Código Estructural con las dos normas (la de la EHE-98, con
// la consistencia plástica supuesta).
[[nodiscard]] Resultado<ComparacionNormas> CompararRetraccionCE(const ce::DatosRetraccionCE& d);

// La fluencia de la ventana de la EHE-98 con las dos normas: HR del ambiente y cemento N
// supuestos. Una fck convertida fuera de 12..90 N/mm², una tensión de tracción o de más de
// 100 N/mm² o un espesor medio fuera de 1..20000 mm se rechazan con «Código Estructural: »
// delante y el campo de la ventana.
[[nodiscard]] Resultado<ComparacionNormas> CompararFluencia(const DatosFluencia& x);

// La retracción de la ventana de la EHE-98 con las dos normas: HR, cemento N, fck y ts
// supuestos.
[[nodiscard]] Resultado<ComparacionNormas> CompararRetraccion(const DatosRetraccion& x);

} // namespace velmora
