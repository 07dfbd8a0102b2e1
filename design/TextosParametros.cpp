#include "design/TextosParametros.h"

#include "common/Numeros.h"
#include "materiales/Resistencias.h"

namespace velmora {

bool ResistenciaValida(const std::string& texto) {
    TextosCampos t{{std::string(CampoResistencia.control), texto}};
    return LeerCampoEnIntervalo(t, CampoResistencia).ok();
}

std::string TextoAcero(int designacion) {
    return designacion == 1 ? "Acero B 500 S" : "Acero B 400 S";
}

std::string TextoHormigon(const std::string& resistencia) {
    return "Hormigón HA-" + resistencia;
}

std::string TextoHormigonReducido(double gammaC) {
    return "Hormigón HA-" + NumeroLegible(FckControlReducido(gammaC));
}

std::string TextoGammaS(int situacion) {
    return situacion == 1 ? "= 1.0" : "= 1.15";
}

std::string TextoGammaC(int situacion) {
    return situacion == 1 ? "= 1.3" : "= 1.5";
}

double GammaSCE(int situacion, int control) {
    if (situacion == IndiceAccidental)
        return 1.0;
    return control == IndiceSegundoControl ? 1.10 : 1.15;
}

double GammaCCE(int situacion, int control) {
    if (situacion == IndiceAccidental)
        return 1.3;
    return control == IndiceSegundoControl ? 1.40 : 1.5;
}

std::string TextoGammaS(Norma norma, int situacion, int control) {
    if (norma == Norma::EHE98)
        return TextoGammaS(situacion);
    if (situacion == 1)
        return "= 1.0";
    return control == 1 ? "= 1.10" : "= 1.15";
}

std::string TextoGammaC(Norma norma, int situacion, int control) {
    if (norma == Norma::EHE98)
        return TextoGammaC(situacion);
    if (situacion == 1)
        return "= 1.3";
    return control == 1 ? "= 1.40" : "= 1.5";
}

std::span<const std::string_view> OpcionesControl(Norma norma) {
    if (norma == Norma::CodigoEstructural)
        return OpcionesNivelControlCE;
    return OpcionesNivelControl;
}

void HormigonDeLosParametros(EstadoDiseno& e, const EleccionParametros& p) {
    const auto fck = LeerNumero(p.ResistenciaCaracteristica, CampoResistencia.nombre,
                                CampoResistencia.control);
    if (!fck)
        return;
    const int s = IndiceSituacion(p);
    const bool codigoEstructural = p.norma == Norma::CodigoEstructural;
    // Código Estructural: γc del nivel de control y fcd = αcc·fck/γc (Anejo 19, 3.1.6).
    const double gammaC =
        codigoEstructural ? GammaCCE(s, IndiceControl(p.ControlHormigon)) : e.TablaGammaC[s];
    if (gammaC <= 0.0)
        return;
    e.fck = *fck;
    e.gammaC = gammaC;
    e.fcd = codigoEstructural ? ce::Fcd(e.alphaCC, *fck, gammaC) : ehe98::Fcd(*fck, gammaC);
}

const Campo& CampoResistenciaDe(Norma norma) {
    return norma == Norma::CodigoEstructural ? CampoResistenciaCE : CampoResistencia;
}

} // namespace velmora
