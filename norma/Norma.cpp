#include "norma/Norma.h"

namespace velmora {

std::optional<Norma> NormaDelIndice(int indice) {
    switch (indice) {
    case 0:
        return Norma::EHE98;
    case 1:
        return Norma::CodigoEstructural;
    default:
        return std::nullopt;
    }
}

std::string NombreNorma(Norma n) {
    return std::string(OpcionesNorma[static_cast<std::size_t>(IndiceNorma(n))]);
}

std::string TextoNormaEnUso(Norma n) { return "Norma: " + NombreNorma(n); }

std::string CabeceraNorma(Norma n) {
    switch (n) {
    case Norma::EHE98:
        return "Norma: EHE-98";
    case Norma::CodigoEstructural:
        return "Norma: Código Estructural (Real Decreto 470/2021), Anejo 19";
    }
    return {};
}

std::string Cita(Norma n, std::string_view clausula) {
    switch (n) {
    case Norma::EHE98:
        return "art. " + std::string(clausula);
    case Norma::CodigoEstructural:
        return "Anejo 19, " + std::string(clausula);
    }
    return std::string(clausula);
}

} // namespace velmora
