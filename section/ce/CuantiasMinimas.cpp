#include "section/ce/CuantiasMinimas.h"

#include "common/Traza.h"
#include "norma/ce/Cuantias.h"

#include <algorithm>

namespace velmora::ce {

SeccionBruta Bruta(const EstadoDiseno& e) {
    SeccionBruta s;
    const double h = e.h;
    if (e.SeccionRectangular || !(e.hf < h) || !(e.bw < e.b)) {
        s.Ac = e.b * h;
        s.yg = h / 2.0;
        s.I = e.b * h * h * h / 12.0;
    } else {
        const double Aa = e.b * e.hf, Aw = e.bw * (h - e.hf);
        const double ya = e.hf / 2.0, yw = e.hf + (h - e.hf) / 2.0;
        s.Ac = Aa + Aw;
        s.yg = (Aa * ya + Aw * yw) / s.Ac;
        s.I = e.b * e.hf * e.hf * e.hf / 12.0 + Aa * (s.yg - ya) * (s.yg - ya) +
              e.bw * (h - e.hf) * (h - e.hf) * (h - e.hf) / 12.0 + Aw * (yw - s.yg) * (yw - s.yg);
    }
    s.W = s.I / (h - s.yg);
    return s;
}

double AsMinFlexion(double W, double h, double fctmFl, double fyd) {
    return W / (0.8 * h) * fctmFl / fyd;
}

double AsMinCaraComprimida(double Nd, double fyd) {
    return 0.05 * Nd / std::min(fyd, 400.0);
}

double AsMinCompresionSimple(double Nd, double fyd) { return 0.10 * Nd / fyd; }

double AsMinMuroVertical(double Ac) {
    return CuantiaVerticalMuro * Ac;
}

double AsMinMuroHorizontal(double Ac, int DesignacionAcero) {
    return (DesignacionAcero == 1 ? CuantiaHorizontalMuroB500 : CuantiaHorizontalMuroB400) * Ac;
}

double AsMax(double Ac) { return 0.04 * Ac; }

namespace {

// Reparte un mínimo total entre las caras: la parte `fraccion1` a A1, lo demás a A2, sin quitar
// a una cara lo que ya tiene de más.
void RepartirTotal(EstadoDiseno& e, double total, double fraccion1) {
    if (e.As1 + e.As2 >= total)
        return;
    e.CuantiaGeometrica = true;
    const double A1 = fraccion1 * total, A2 = total - A1;
    if (e.As1 > A1)
        e.As2 = total - e.As1;
    else if (e.As2 > A2)
        e.As1 = total - e.As2;
    else
        e.As1 = A1, e.As2 = A2;
}

void Soporte(EstadoDiseno& e) {
    if (!(e.Nd > 0.0))
        return;
    if (e.Simetrica && e.Md == 0.0) {
        RepartirTotal(e, AsMinCompresionSimple(e.Nd, e.fyd), 0.5);
        return;
    }
    const double cara = AsMinCaraComprimida(e.Nd, e.fyd);
    // A2 siempre está comprimida con axil; A1 cuando la fibra neutra pasa de d.
    const bool a1Comprimida = e.x > e.d;
    if (e.As2 < cara) {
        e.MinimaCompresion = true;
        e.As2 = cara;
    }
    if (a1Comprimida && e.As1 < cara) {
        e.MinimaCompresion = true;
        e.As1 = cara;
    }
    if (e.Simetrica)
        e.As1 = e.As2 = std::max(e.As1, e.As2);
}

} // namespace

void AplicarCuantiaMinima(EstadoDiseno& e, TipoDeElemento TipoElemento, int DesignacionAcero,
                          double fctmFl) {
    const SeccionBruta s = Bruta(e);
    switch (TipoElemento) {
    case TipoDeElemento::Viga:
    case TipoDeElemento::Placa: {
        const double minimo = AsMinFlexion(s.W, e.h, fctmFl, e.fyd);
        if (e.As1 < minimo) {
            e.CuantiaGeometrica = true;
            e.As1 = minimo;
        }
        break;
    }
    case TipoDeElemento::Soporte:
        Soporte(e);
        break;
    case TipoDeElemento::MuroVertical:
        RepartirTotal(e, AsMinMuroVertical(s.Ac), 0.6);
        break;
    case TipoDeElemento::MuroHorizontal:
        RepartirTotal(e, AsMinMuroHorizontal(s.Ac, DesignacionAcero), 0.5);
        break;
    }
    if (e.Simetrica && TipoElemento != TipoDeElemento::Viga && TipoElemento != TipoDeElemento::Placa)
        e.As1 = e.As2 = std::max(e.As1, e.As2);
    e.U1 = e.As1 * e.fyd;
    e.U2 = e.As2 * e.fyd;
}

namespace {

std::string ClausulaMaxima(TipoDeElemento t) {
    switch (t) {
    case TipoDeElemento::Soporte:
        return "9.5.2(3)";
    case TipoDeElemento::MuroVertical:
    case TipoDeElemento::MuroHorizontal:
        return "9.6.2(1)";
    case TipoDeElemento::Placa:
        return "9.3.1.1(1)";
    case TipoDeElemento::Viga:
        break;
    }
    return "9.2.1.1(3)";
}

std::string MensajeMinimo(const EstadoDiseno& e, TipoDeElemento t) {
    switch (t) {
    case TipoDeElemento::Viga:
        return "Rige la cuantía mínima de tracción As,min = (W/z)·fctm,fl/fyd (Anejo 19, "
               "9.2.1.1(1)).";
    case TipoDeElemento::Placa:
        return "Rige la cuantía mínima de tracción As,min = (W/z)·fctm,fl/fyd (Anejo 19, "
               "9.3.1.1(1)).";
    case TipoDeElemento::Soporte:
        if (e.Simetrica && e.Md == 0.0)
            return "Rige la armadura mínima total 0.10·Nd/fyd (Anejo 19, 9.5.2(2)).";
        return "Rige la armadura mínima de cada cara comprimida 0.05·Nd/fyc,d (Anejo 19, "
               "9.5.2(2)).";
    case TipoDeElemento::MuroVertical:
        return "Rige la cuantía mínima vertical " + Cifras(CuantiaVerticalMuro) +
               "·Ac, el 60 % en la cara traccionada (Anejo 19, 9.6.2(1)).";
    case TipoDeElemento::MuroHorizontal:
        break;
    }
    return "Rige la cuantía mínima horizontal " + Cifras(CuantiaHorizontalMuroB400) +
           "·Ac (B 400 S) o " + Cifras(CuantiaHorizontalMuroB500) +
           "·Ac (B 500 S), "
           "repartida en las dos caras (Anejo 19, 9.6.3(1)).";
}

void Juntar(std::string& a, const std::string& b) {
    if (b.empty())
        return;
    a = a.empty() ? b : a + " " + b;
}

} // namespace

TextosCuantia RotularCuantia(const EstadoDiseno& e, TipoDeElemento t) {
    TextosCuantia r;
    if (e.CuantiaGeometrica || e.MinimaCompresion)
        r.Cuantia = MensajeMinimo(e, t);
    else
        r.Cuantia = "La armadura cumple las limitaciones de cuantías mínimas.";
    if (e.As1 + e.As2 > AsMax(Bruta(e).Ac))
        r.Recomendada = "A1 + A2 supera la cuantía máxima 0.04·Ac (Anejo 19, " +
                        ClausulaMaxima(t) + ").";
    if (t == TipoDeElemento::MuroHorizontal)
        Juntar(r.Recomendada,
               "Puede bajar a " + Cifras(CuantiaHorizontalMuroReducida) +
                   "·Ac si el fuste mide más de 2.5 m y no menos de la mitad de "
                   "la altura del muro, o con juntas verticales de contracción a menos de 7.5 m "
                   "(Anejo 19, 9.6.3(1)).");
    return r;
}

std::string NotaDiametroSoporte(TipoDeElemento t, int DiametroTraccion, int DiametroCompresion) {
    if (t != TipoDeElemento::Soporte || std::min(DiametroTraccion, DiametroCompresion) >= 12)
        return {};
    return "Las barras de un soporte deben tener al menos 12 mm de diámetro (Anejo 19, "
           "9.5.2(1)).";
}

} // namespace velmora::ce
