#include "materiales/LeyesSeccion.h"
#include "materiales/ehe98/Leyes.h"

#include "materiales/ce/Hormigon.h"
#include "materiales/BloqueComprimido.h"
#include "materiales/ce/Leyes.h"

namespace velmora {

namespace {
// Las integrales de la EHE-98 en las formas de BloqueComprimido (mismas operaciones).
double IntegralEHE98(const LeyHormigon& l, double E) { return AreaDiagrama(E, l.fcd); }
double MomentoEHE98(const LeyHormigon& l, double E) {
    return AreaDiagrama(E, l.fcd) * (E - CentroDiagrama(E));
}
double TensionEHE98(const LeyHormigon& l, double E) { return TensionHormigon(E, l.fcd); }
} // namespace

LeyHormigon LeyHormigonEHE98(double fcd) {
    LeyHormigon l;
    l.epsC2 = ehe98::EpsilonC0;
    l.epsCU2 = ehe98::EpsilonCU;
    l.n = ehe98::ExponenteN;
    l.fcd = fcd;
    l.alfa = ehe98::Cansancio;
    l.Integral = IntegralEHE98;
    l.Momento = MomentoEHE98;
    l.Tension = TensionEHE98;
    return l;
}

LeyesSeccion LeyesEHE98(double fcd, double fyd, double fycd, double Es) {
    return {LeyHormigonEHE98(fcd), LeyAcero{Es, fyd, fycd, ehe98::EpsilonSU}};
}

LeyesSeccion LeyesSegun(Norma norma, double fck, double fcd, double fyd, double fycd, double Es) {
    switch (norma) {
    case Norma::CodigoEstructural:
        return {ce::LeyHormigonCE(fcd, ce::EpsilonC2(fck), ce::EpsilonCU2(fck), ce::ExponenteN(fck)),
                ce::LeyAceroCE(fyd)};
    case Norma::EHE98:
        break;
    }
    return LeyesEHE98(fcd, fyd, fycd, Es);
}

} // namespace velmora
