#pragma once
// Las leyes de los materiales con los valores del estado de diseño: el módulo del acero elegido,
// la sección del bloque comprimido y los materiales que dejó el botón OK. Las leyes mismas viven
// en materiales/ y no conocen el estado.

#include "design/EstadoDiseno.h"
#include "materiales/BloqueComprimido.h"
#include "materiales/LeyesMateriales.h"
#include "materiales/LeyesSeccion.h"
#include "materiales/Materiales.h"
#include "materiales/ce/Leyes.h"

namespace velmora {

// Módulo de elasticidad del acero con que dimensionan las secciones: TablaEs[IndiceEs − 1] =
// 200000 N/mm².
inline constexpr int IndiceEsSecciones = 2;

// Módulo de elasticidad del acero elegido por IndiceEs (N/mm²); 0 si el índice no es 1..3.
[[nodiscard]] inline double ModuloAcero(const EstadoDiseno& e) {
    if (e.IndiceEs < 1 || e.IndiceEs > static_cast<int>(e.TablaEs.size()))
        return 0.0;
    return e.TablaEs[static_cast<std::size_t>(e.IndiceEs - 1)];
}

// TensionAcero y TensionAceroActiva con el módulo del estado y, la primera, con su tipo de
// armadura (ArmaduraPasiva).
[[nodiscard]] inline double TensionAcero(const EstadoDiseno& e, double eps, double fyd) {
    return TensionAcero(ModuloAcero(e), e.ArmaduraPasiva, eps, fyd);
}
[[nodiscard]] inline double TensionAceroActiva(const EstadoDiseno& e, double eps, double fyd) {
    return TensionAceroActiva(ModuloAcero(e), eps, fyd);
}

// La sección del estado (SeccionRectangular, h, b, bw, hf, d) para el bloque comprimido.
[[nodiscard]] inline GeometriaBloque GeometriaDelBloque(const EstadoDiseno& e) {
    return {e.SeccionRectangular, e.h, e.b, e.bw, e.hf, e.d};
}

// El bloque de la EHE-98 con la fibra neutra en x (mm) en la sección del estado y su fcd: guarda
// Cc, yc y epsC; y epsCInf sólo si x > h.
inline void BloqueComprimido(EstadoDiseno& e, double x) {
    const BloqueEHE98 r = BloqueComprimido(GeometriaDelBloque(e), e.fcd, x);
    e.Cc = r.Cc;
    e.yc = r.yc;
    e.epsC = r.epsC;
    if (r.epsCInf)
        e.epsCInf = *r.epsCInf;
}

// Las leyes de la norma del estado con sus materiales (Es = TablaEs[IndiceEs − 1] en la EHE-98).
[[nodiscard]] inline LeyesSeccion LeyesDelEstado(const EstadoDiseno& e) {
    return LeyesSegun(e.norma, e.fck, e.fcd, e.fyd, e.fycd, ModuloAcero(e));
}

// Los materiales que dejó DerivarMateriales en el estado, con sus leyes (LeyesDelEstado).
[[nodiscard]] Materiales MaterialesConfirmados(const EstadoDiseno& e);

// Los materiales de las elecciones `p` calculados con la norma `norma` (la de `p` no cuenta) y
// el módulo TablaEs[indiceEs − 1] en la EHE-98. Una resistencia o un αcc rechazados devuelven el
// error de DerivarMateriales, que nombra el campo.
[[nodiscard]] Resultado<Materiales> MaterialesSegun(Norma norma, const EleccionParametros& p,
                                                    int indiceEs = IndiceEsSecciones);

} // namespace velmora

namespace velmora::ce {

// El bloque del Código Estructural en la sección del estado.
[[nodiscard]] inline BloqueHormigon Bloque(const EstadoDiseno& e, const LeyHormigon& l, double x) {
    return Bloque(GeometriaDelBloque(e), l, x);
}

} // namespace velmora::ce
