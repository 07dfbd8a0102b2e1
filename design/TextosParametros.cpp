#include "design/TextosParametros.h"

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

std::string TextoGammaS(int situacion) {
    return situacion == 1 ? "= 1.0" : "= 1.15";
}

std::string TextoGammaC(int situacion) {
    return situacion == 1 ? "= 1.3" : "= 1.5";
}

} // namespace velmora
