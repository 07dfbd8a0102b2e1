#pragma once
// «Comparar normas» de la fluencia y la retracción: los datos de una ventana del Código
// Estructural (Anejo 19, 3.1.4 y Apéndice B) llevados al modelo de la EHE-98 (art. 39.7 y 39.8,
// en kp/cm² y cm) y calculados con los dos. Lo que se puede convertir se convierte (unidades,
// área y perímetro, espesor, edades, tensión); lo que el modelo de la EHE-98 pide y el Código
// Estructural no da (el ambiente por clases, la consistencia) se supone, y la tabla lo dice.

#include "common/Resultado.h"
#include "norma/Comparacion.h"
#include "timedep/DescripcionDiferidas.h"
#include "timedep/ce/FluenciaCE.h"
#include "timedep/ce/RetraccionCE.h"

namespace velmora {

// 1 kp/cm² = 9.80665 N / 100 mm².
inline constexpr double NmmPorKpcm2 = 0.0980665;

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

} // namespace velmora
