#pragma once
// Fluencia del hormigón según el Código Estructural (Anejo 19, 3.1.4 y Apéndice B.1): el
// coeficiente de fluencia φ(t,t0) con cada factor, la deformación elástica σc/Ecm y la de
// fluencia φ·σc/Ec, y la comprobación de la fluencia no lineal (3.1.4(4)). N/mm², mm, días.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "timedep/ce/DescripcionDiferidasCE.h"

#include <string>

namespace velmora::ce {

struct DatosFluenciaCE {
    DatosHormigonCE hormigon;
    double t0 = 0;     // días
    double t = 0;      // días
    double sigmaC = 0; // N/mm², compresión
};

struct ResultadosFluenciaCE {
    double h0 = 0, fcm = 0, Ecm = 0, Ec = 0;
    double phiHR = 0, betaFcm = 0, t0 = 0, betaT0 = 0, phi0 = 0, betaH = 0, betaC = 0, phi = 0;
    double fckT0 = 0, kSigma = 0;
    bool noLineal = false;
    double factorNoLineal = 1, phiNl = 0; // φnl = φ·factor; φnl = φ si no es no lineal
    double epsElastica = 0, epsFluencia = 0, epsTotal = 0;
};

// Lee los campos en su intervalo (el error nombra el campo).
[[nodiscard]] Resultado<DatosFluenciaCE> LeerDatosFluenciaCE(const TextosCampos& textos,
                                                             bool espesorConocido,
                                                             ClaseCemento cemento);

// Rechaza t anterior a t0 y una resistencia estimada a la edad de carga que no sea positiva;
// después, un resultado que no se puede mostrar. Con `traza`, añade a ella los pasos del cálculo
// para la memoria a medida que los calcula (nada si los datos se rechazan).
[[nodiscard]] Resultado<ResultadosFluenciaCE> CalcularFluenciaCE(const DatosFluenciaCE& d,
                                                                 Traza* traza = nullptr);

// Rótulos de los resultados («=  2.3293», «=   0.3177 ‰»).
struct TextosFluenciaCE {
    std::string h0, fcm, Ecm, Ec, PhiHR, BetaFcm, T0Corregida, BetaT0, Phi0, BetaH, BetaC, Phi;
    std::string FckT0, KSigma, FactorNoLineal, PhiNl, Aviso;
    std::string DeformacionElastica, DeformacionFluencia, DeformacionTotal;
};
[[nodiscard]] TextosFluenciaCE RotularFluenciaCE(const ResultadosFluenciaCE& r);

} // namespace velmora::ce
