#include "design/EstadoDiseno.h"

#include "common/Numeros.h"

namespace velmora {

void InicializarTablas(EstadoDiseno& e) {
    e.TablaGammaS = {1.15, 1.0};
    e.TablaGammaC = {1.5, 1.3};
    e.TablaM = {{{12, 15}, {10, 13}, {9, 12}, {8, 11}, {7, 10}, {7, 10}}};
    for (int k = 0; k < NumeroRanuras; ++k) {
        e.NumeroDiametros[k] = 1;
        for (int j = 1; j <= GruposPorRanura; ++j) {
            e.NumeroBarras[k][j] = 1;
            e.DiametroBarras[k][j] = 10;
        }
    }
}

void AplicarTipoElemento(EleccionParametros& p, int tipo) {
    p.TipoElemento = tipo;
    switch (tipo) {
    case 0: // Viga
    case 2: // Placa: las casillas quedan inhabilitadas, con la marca que tuvieran
        p.ArmaduraSimetricaHabilitada = false;
        p.HormigonadoVerticalHabilitado = false;
        break;
    case 1: // Soporte
        p.ArmaduraSimetricaHabilitada = p.HormigonadoVerticalHabilitado = true;
        p.ArmaduraSimetricaMarcada = p.HormigonadoVerticalMarcado = true;
        break;
    default: // Muros
        p.ArmaduraSimetricaHabilitada = p.HormigonadoVerticalHabilitado = true;
        p.ArmaduraSimetricaMarcada = false;
        p.HormigonadoVerticalMarcado = true;
        break;
    }
}

Estado DerivarMateriales(EstadoDiseno& e, const EleccionParametros& p) {
    const int s = p.SituacionProyecto == 1 ? 1 : 0;
    const double gammaS = e.TablaGammaS[s];
    const double gammaC = e.TablaGammaC[s];
    double fck;
    if (p.ControlHormigon == 1) {
        fck = 10.0 * gammaC; // control reducido: fcd = 10 N/mm²
    } else {
        const auto r = LeerNumero(p.ResistenciaCaracteristica, "Resistencia característica fck",
                                  "ResistenciaCaracteristica");
        if (!r)
            return r.error();
        if (*r <= 0.0)
            return Estado::Error("La resistencia característica del hormigón debe ser mayor que "
                                 "cero (se ha escrito «" +
                                     p.ResistenciaCaracteristica + "»).",
                                 "ResistenciaCaracteristica");
        fck = *r;
    }

    e.ArmaduraPasiva = true;
    e.fyk = 400.0 + 100.0 * (p.DesignacionAcero == 1 ? 1 : 0);
    e.gammaS = gammaS;
    e.gammaC = gammaC;
    e.fck = fck;
    e.fyd = p.ControlAcero == 1 ? 0.75 * e.fyk / e.gammaS : e.fyk / e.gammaS;
    e.Simetrica = p.ArmaduraSimetricaHabilitada && p.ArmaduraSimetricaMarcada;
    e.fcd = (p.HormigonadoVerticalHabilitado && p.HormigonadoVerticalMarcado)
                ? 0.9 * e.fck / e.gammaC
                : e.fck / e.gammaC;
    e.fycd = e.fyd > 400.0 ? 400.0 : e.fyd;
    return Correcto();
}

} // namespace velmora
