#pragma once
// Integración de una sección de hormigón armado sobre un plano de deformaciones, con las leyes
// de los materiales de LeyesSeccion: el hormigón por capas de ancho constante, en forma cerrada,
// y cada armadura con el diagrama del acero.

#include "materiales/LeyesSeccion.h"

#include <array>

namespace velmora {

// Plano de deformaciones ε(y) = epsSup − kappa·y (acortamiento positivo, y desde la cara
// comprimida, en mm).
struct PlanoDeformacion {
    double epsSup = 0.0;
    double kappa = 0.0; // 1/mm
};

[[nodiscard]] inline double DeformacionEn(const PlanoDeformacion& p, double y) {
    return p.epsSup - p.kappa * y;
}

// Una capa de hormigón de ancho constante entre las profundidades y0 < y1 (mm).
struct Capa {
    double y0, y1, ancho;
};

// Suma a N (N) la resultante de las compresiones de la capa y a Msup (N·mm) su momento respecto
// de la fibra superior: con dy = −dε/κ, ∫σ dy = ΔF/κ y ∫σ·(y − y0) dy = (ε0·ΔF − ΔG)/κ².
void SumarCapa(const Capa& c, const PlanoDeformacion& p, const LeyHormigon& ley, double& N,
               double& Msup);

// Tensión del acero (N/mm², compresión positiva) para el acortamiento eps: Es·eps entre −fyd y
// fycd (rama horizontal).
[[nodiscard]] double TensionAceroLey(const LeyAcero& ley, double eps);

// Las capas de una sección rectangular (b × h) o en T (ala b × hf, alma bw), vista desde la cara
// de A2.
struct CapasSeccion {
    std::array<Capa, 2> capas{};
    int numero = 1;
};
[[nodiscard]] CapasSeccion CapasDe(bool rectangular, double h, double b, double bw, double hf);

// Resultante del hormigón (N) y su profundidad (mm) para el plano p; yc = 0 si no hay bloque.
struct BloqueHormigon {
    double Cc = 0.0, yc = 0.0;
};
[[nodiscard]] BloqueHormigon IntegrarHormigon(const CapasSeccion& s, const PlanoDeformacion& p,
                                              const LeyHormigon& ley);

} // namespace velmora
