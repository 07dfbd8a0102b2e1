#include "section/CuantiasMinimas.h"

#include "norma/ehe98/Cuantias.h"

#include <algorithm>

namespace velmora {

bool MinimoMecanico(EstadoDiseno& e) {
    if (e.As1 < 0.04 * e.fcd * e.b * e.h / e.fyd) {
        e.As1 = e.As1 * (1.5 - 12.5 * e.As1 * e.fyd / (e.b * e.h * e.fcd));
        return true;
    }
    return false;
}

double CuantiaGeometricaMinima(TipoDeElemento TipoElemento, int DesignacionAcero) {
    const auto& tabla = ehe98::CuantiasGeometricasMinimas;
    const int fila = IndiceElemento(TipoElemento);
    if (fila < 0 || fila > 4 || DesignacionAcero < 0 || DesignacionAcero > 1)
        return 0.0;
    return tabla[fila][DesignacionAcero];
}

void CuantiaMinimaViga(EstadoDiseno& e, double rhoMin) {
    const double minimo = rhoMin * e.b * e.h;
    if (e.As1 < minimo) {
        e.CuantiaGeometrica = true;
        e.CuantiaMecanica = false;
        e.As1 = minimo;
        e.U1 = e.As1 * e.fyd;
    }
    if (e.As2 < 0.3 * minimo) {
        e.MinimaCompresion = true;
        e.As2 = 0.3 * minimo;
        e.U2 = e.As2 * e.fyd;
    }
}

namespace {
// En dominio 5 las dos caras trabajan a compresión: capacidad con fycd.
void CapacidadesDeLasAreas(EstadoDiseno& e) {
    const double s = e.Dominio == CodigoDominio(DominioDeformacion::Cinco) ? e.fycd : e.fyd;
    e.U1 = e.As1 * s;
    e.U2 = e.As2 * s;
}
} // namespace

void CuantiaMinimaTotal(EstadoDiseno& e, double rhoMin) {
    e.CuantiaGeometrica = true;
    e.CuantiaMecanica = false;
    e.MinimaCompresion = false;
    const double mitad = rhoMin * e.b * e.h * 0.5;
    if (e.Simetrica) {
        e.As1 = mitad;
        e.As2 = mitad;
    } else if (e.As1 < mitad) {
        if (e.As2 > mitad) {
            e.As1 = 2.0 * mitad - e.As2;
        } else {
            e.As1 = mitad;
            e.As2 = mitad;
        }
    } else {
        e.As2 = 2.0 * mitad - e.As1;
    }
    CapacidadesDeLasAreas(e);
}

void CuantiaMinimaMuro(EstadoDiseno& e, double rhoMin) {
    if (e.As1 + e.As2 >= rhoMin * e.b * e.h)
        return;
    e.CuantiaGeometrica = true;
    e.CuantiaMecanica = false;
    // El mínimo reparte el total entre las caras (2/3 y 1/3, o la mitad cada una) pero nunca
    // rebaja el área que pide la resistencia: con As1 = 22 cm² de cálculo y un mínimo total de
    // 32 cm², la cara traccionada no baja a 21.3 cm².
    const double total = rhoMin * e.b * e.h;
    if (e.As1 > e.As2) {
        e.As1 = std::max(e.As1, total * 2.0 * (1.0 / 3.0));
        e.As2 = std::max(e.As2, total * (1.0 / 3.0));
    } else {
        e.As1 = std::max(e.As1, total * 0.5);
        e.As2 = std::max(e.As2, total * 0.5);
    }
    CapacidadesDeLasAreas(e);
}

void AplicarCuantiaMinima(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero) {
    if (!ElementoDelIndice(IndiceElemento(TipoElemento)))
        return;
    const double rho = CuantiaGeometricaMinima(TipoElemento, DesignacionAcero);
    switch (TipoElemento) {
    case TipoDeElemento::Viga:
        CuantiaMinimaViga(e, rho);
        break;
    case TipoDeElemento::Soporte:
    case TipoDeElemento::Placa:
        if (e.As1 + e.As2 < rho * e.b * e.h)
            CuantiaMinimaTotal(e, rho);
        break;
    case TipoDeElemento::MuroHorizontal:
    case TipoDeElemento::MuroVertical:
        CuantiaMinimaMuro(e, rho);
        break;
    }
}

TextosCuantia RotularCuantia(const EstadoDiseno& e, TipoDeElemento TipoElemento) {
    TextosCuantia t;
    t.Recomendada =
        e.MinimaCompresion ? "Se recomienda disponer la armadura mínima de compresión dada." : "";
    if (e.CuantiaMecanica) {
        t.Cuantia = "Cuantía mecánica mínima de la armadura.";
    } else if (e.CuantiaGeometrica) {
        t.Cuantia = "Cuantía geométrica mínima de la armadura.";
        if (TipoElemento == TipoDeElemento::MuroHorizontal ||
            TipoElemento == TipoDeElemento::MuroVertical)
            t.Recomendada = "La cuantía de cada cara no debe ser inferior a 1/3 de la total.";
    } else {
        t.Cuantia = "La armadura cumple las limitaciones de cuantías mínimas.";
    }
    return t;
}

} // namespace velmora
