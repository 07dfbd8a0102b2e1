#pragma once
// Retracción del hormigón según el Código Estructural (Anejo 19, 3.1.4(6) y Apéndice B.2): la
// de secado εcd(t), la autógena εca(t) y la total εcs, positivas en acortamiento. N/mm², mm,
// días.

#include "common/Resultado.h"
#include "common/Traza.h"
#include "timedep/ce/DescripcionDiferidasCE.h"

#include <string>

namespace velmora::ce {

struct DatosRetraccionCE {
    DatosHormigonCE hormigon;
    double ts = 0; // días, final del curado
    double t = 0;  // días
};

struct ResultadosRetraccionCE {
    double h0 = 0, fcm = 0;
    double betaHR = 0, epsCd0 = 0, kh = 0, betaDs = 0, epsCd = 0;
    double epsCaInf = 0, betaAs = 0, epsCa = 0, epsCs = 0;
};

[[nodiscard]] Resultado<DatosRetraccionCE> LeerDatosRetraccionCE(const TextosCampos& textos,
                                                                 bool espesorConocido,
                                                                 ClaseCemento cemento);

// Antes del final del curado no hay retracción por secado (βds = 0); un resultado que no se
// puede mostrar se rechaza.
// Con `traza`, añade a ella los pasos del cálculo a medida que los calcula.
[[nodiscard]] Resultado<ResultadosRetraccionCE> CalcularRetraccionCE(const DatosRetraccionCE& d,
                                                                     Traza* traza = nullptr);

struct TextosRetraccionCE {
    std::string h0, fcm, BetaHR, EpsilonCd0, kh, BetaDs, EpsilonCd, EpsilonCaInf, BetaAs,
        EpsilonCa, EpsilonCs;
};
[[nodiscard]] TextosRetraccionCE RotularRetraccionCE(const ResultadosRetraccionCE& r);

} // namespace velmora::ce
