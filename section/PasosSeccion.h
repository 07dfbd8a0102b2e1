#pragma once
// Pasos de la memoria de la armadura longitudinal y del momento de agotamiento (EHE-98). El
// cálculo los anota en su traza al calcular, con los valores que acaba de usar; estas funciones
// sólo les dan formato.

#include "common/Traza.h"
#include "design/EstadoDiseno.h"
#include "section/MomentoAgotamiento.h"

#include <string>

namespace velmora::pasos {

// Valores de la sección en las unidades de la memoria.
std::string kN(double N);
std::string kNm(double Nmm);
std::string cm2(double mm2);

// Deformación de la fibra más comprimida por los pivotes (art. 42.1.3) y bloque de compresiones
// (art. 39.5) con la fibra neutra en x; `e` lo tiene ya evaluado en x (Cc, yc, epsC).
void PasosBloque(Traza& t, const EstadoDiseno& e, double x);

// Tensión del acero de la cara `cara` ("1" o "2") para la deformación eps (art. 38.4 o 40.2).
void PasoTension(Traza& t, const std::string& cara, const EstadoDiseno& e, double eps,
                 double sigma);

// El dominio de deformación del estado, en una nota.
void PasoDominio(Traza& t, const EstadoDiseno& e);

// Mu respecto de la mitad del canto con las fuerzas de `m` y el bloque de `e`, citando `articulo`
// (las dos normas).
void PasoMomentoUltimo(Traza& t, const std::string& articulo, const EstadoDiseno& e,
                       const MomentoResultado& m);

// Momento de agotamiento (art. 42.1) con las armaduras `a`, tras la búsqueda que dejó `e` y `m`.
void PasosMomento(Traza& t, const EstadoDiseno& e, const ArmaduraDada& a,
                  const MomentoResultado& m);

// --- Dimensionamiento de la sección (art. 42) ---

// d, ξlim, xlim, el bloque en xlim y Mlim, que CalcularLimites acaba de dejar en `e`.
void PasosLimites(Traza& t, const EstadoDiseno& e);

// Flexión simple o compuesta (con armadura simétrica o no).
void PasoCaso(Traza& t, const EstadoDiseno& e);

// Las cuatro excentricidades de la flexión compuesta (mm).
void PasosExcentricidades(Traza& t, const EstadoDiseno& e, double e1, double e2, double eLimite,
                          double eCentrada);

// Gran excentricidad: la nota y el momento M1 = Nd·e1 respecto de A1.
void PasosGranExcentricidad(Traza& t, const EstadoDiseno& e, double e1, double M1);

// Momentos respecto de A1 (`M` es su símbolo): con armadura de compresión en xlim (`limite`) o
// con la fibra neutra hallada, el dominio y A1 = U1/fyd, ya calculados en `e`.
void PasosRespectoDeA1(Traza& t, const EstadoDiseno& e, double M1, double N, const std::string& M,
                       bool limite);

// Mínimo mecánico de A1 (art. 42.3.2): si `aplicado`, lo subió de `antes` a `despues`.
void PasosMinimoMecanico(Traza& t, const EstadoDiseno& e, double antes, double despues,
                         bool aplicado);

// A2 subida al 5 % del axil en la gran excentricidad.
void PasosCompresionMinima(Traza& t, const EstadoDiseno& e);

// Pequeña excentricidad: la nota, M2 = Nd·e2 y la fibra neutra hallada.
void PasosPequenaExcentricidad(Traza& t, const EstadoDiseno& e, double e2, double M2);

// Las armaduras de la pequeña excentricidad con la resistencia f: A2 del equilibrio
// (`equilibrio`, subida al 5 % del axil si `elevada`) y A1 (`As1` antes del mínimo mecánico).
void PasosArmadurasPequenaExcentricidad(Traza& t, const EstadoDiseno& e, double f,
                                        double equilibrio, bool elevada, double As1, bool minimo);

// Compresión casi centrada: el bloque, U1 y U2 del equilibrio y las que suben al 5 % del axil.
void PasosCompresionCentrada(Traza& t, const EstadoDiseno& e, double e2, double bloque, double U1,
                             double U2, bool cinco1, bool cinco2);

// Armadura simétrica: la nota de la rama y la fibra neutra hallada (o su ausencia).
void PasosSimetrica(Traza& t, const EstadoDiseno& e, bool grande);

// Las dos caras iguales: el área, la capacidad U = As·f y la que sube al 5 % del axil.
void PasosCarasIguales(Traza& t, const EstadoDiseno& e, double U, bool cinco);

// La cuantía geométrica mínima del elemento (art. 42.3.5) entre `antes` y `despues`, las
// capacidades que deja y la nota de la cuantía que rige.
void PasosCuantiaMinima(Traza& t, const EstadoDiseno& antes, const EstadoDiseno& despues,
                        TipoDeElemento tipo, int acero);

} // namespace velmora::pasos
