#include "section/BusquedaFibraNeutra.h"
#include "materiales/ehe98/Leyes.h"

#include "materiales/BloqueComprimido.h"
#include "design/MaterialesDelEstado.h"
#include "section/PasosBusqueda.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>

namespace velmora {

// Monotonía en x de lo que miden las condiciones de parada (x > 0; b(y) el ancho a la
// profundidad y, no creciente en T y rectángulo):
// - La deformación de cada fibra no decrece con x: εsu·(x − y)/(d − x) y εcu·(1 − y/x)
//   crecen; con x > h, εc0·(x − y)/(x − 3h/7) sólo decrece para y < 3h/7, donde pasa de εc0
//   y la tensión es la de la meseta. Luego σ(y) no decrece, Cc = ∫σ·b crece, y también el
//   momento respecto de la fibra superior Cc·yc = ∫σ·y·b.
// - yc no decrece: su derivada tiene el signo de ∫σ'·(y − yc)·b, con σ' = ∂σ/∂x ≥ 0. El cociente
//   σ'/σ crece con la profundidad (con x ≤ h la fibra neutra avanza y la razón va de s'/s·(d − y)
//   o s'/s·y, decreciente en la distancia a la fibra neutra; con x > h es s'/s·(y − 3h/7)), así que
//   el incremento del bloque queda por debajo de su resultante, sea cual sea b(y).
// - Con x ≤ d, Cc·(d − yc) = ∫σ·(d − y)·b tiene brazos no negativos: crece.
// - Cc·(yc − d2): mientras yc ≤ d2 no es positivo; después es producto de dos factores
//   positivos no decrecientes. Frente a un M2 ≥ 0 la condición pasa de falsa a cierta una vez.
// El redondeo (relativo 1e-16) es muy inferior a lo que cambian estas magnitudes en un paso.

namespace {

using NumeroPaso = std::int64_t;

// La condición en el paso k: se cumple o da error.
bool CumpleEn(EstadoDiseno& e, NumeroPaso k, const std::function<FinBusqueda()>& parada) {
    EvaluarPaso(e, k);
    const FinBusqueda r = parada();
    return !r || *r;
}

} // namespace

void EvaluarPaso(EstadoDiseno& e, std::int64_t k) {
    FijarProfundidad(e, ProfundidadPaso(k));
    BloqueComprimido(e, e.x);
}

std::int64_t PrimerPasoMonotono(EstadoDiseno& e, std::int64_t kUltimo,
                                const std::function<FinBusqueda()>& parada) {
    NumeroPaso lo = 0, hi = kUltimo + 1;
    while (hi - lo > 1) {
        const NumeroPaso m = lo + (hi - lo) / 2;
        (CumpleEn(e, m, parada) ? hi : lo) = m;
    }
    return hi;
}

namespace {

// Búsqueda de referencia: x := x + 0.01 desde 0, BloqueComprimido en cada paso, hasta que
// `parada` se cumpla (desigualdad estricta: la igualdad sigue buscando) o x pase de 5·h.
template <typename Parada> FinBusqueda PasoAPaso(EstadoDiseno& e, Parada parada) {
    const double tope = 5.0 * e.h;
    double x = 0.0;
    for (;;) {
        x += PasoBusqueda;
        FijarProfundidad(e, x);
        BloqueComprimido(e, x);
        if (x > tope)
            return false;
        const FinBusqueda r = parada();
        if (!r || *r)
            return r;
    }
}

// Cierra la búsqueda rápida en el paso k como lo habría hecho la de referencia. Lo que la
// búsqueda escribe sólo a partir de cierta profundidad (epsCInf, con x > h) queda como lo dejó el
// último paso que lo escribió, y los pasos crecen: basta con volver al estado inicial y repetir
// el paso k.
template <typename Parada>
FinBusqueda Terminar(EstadoDiseno& e, const EstadoDiseno& inicial, NumeroPaso k, NumeroPaso kTope,
                     Parada parada) {
    e = inicial;
    EvaluarPaso(e, k);
    if (k >= kTope)
        return false;
    return parada();
}

// Búsqueda rápida de una condición monótona hasta el paso kMono; de ahí al tope, paso a paso.
template <typename Parada> FinBusqueda RapidaMonotona(EstadoDiseno& e, NumeroPaso kMono, Parada parada) {
    const NumeroPaso kTope = PrimerPasoMayorQue(5.0 * e.h);
    const EstadoDiseno inicial = e;
    kMono = std::min(kMono, kTope - 1);
    NumeroPaso k = PrimerPasoMonotono(e, kMono, parada);
    if (k > kMono)
        while (k < kTope && !CumpleEn(e, k, parada))
            ++k;
    return Terminar(e, inicial, k, kTope, parada);
}

} // namespace

FinBusqueda BuscarMomentoA1(EstadoDiseno& e, double M1, Busqueda modo) {
    const auto parada = [&]() -> FinBusqueda { return e.Cc * (e.d - e.yc) > M1; };
    if (modo == Busqueda::PasoAPaso)
        return PasoAPaso(e, parada);
    // Monótona mientras x ≤ d; más abajo los brazos de las fibras bajo A1 son negativos.
    return RapidaMonotona(e, PrimerPasoMayorQue(e.d) - 1, parada);
}

FinBusqueda BuscarMomentoA2(EstadoDiseno& e, double M2, Busqueda modo) {
    const auto parada = [&]() -> FinBusqueda { return e.Cc * (e.yc - e.d2) > M2; };
    if (modo == Busqueda::PasoAPaso)
        return PasoAPaso(e, parada);
    return RapidaMonotona(e, std::numeric_limits<NumeroPaso>::max(), parada);
}

namespace {

// Condición de la gran excentricidad simétrica en el paso actual: deformaciones y tensiones de
// las dos caras, su área AsCara para el momento M1 respecto de A1 y el equilibrio de fuerzas.
FinBusqueda EquilibrioSimetrico(EstadoDiseno& e, double M1, double& AsCara) {
    const double x = e.x;
    const double pivote = e.d * 7.0 / 27.0;
    if (x > pivote) {
        e.epsS1 = std::fabs(e.d / x - 1.0) * ehe98::EpsilonCU;
        e.epsS2 = ehe98::EpsilonCU * (x - e.d2) / x;
    } else {
        e.epsS1 = 0.01;
        e.epsS2 = std::fabs((x - e.d2) / (e.d - x)) * 0.01;
    }
    e.sigmaS1 = TensionAcero(e, e.epsS1, e.fyd);
    e.sigmaS2 = TensionAcero(e, e.epsS2, e.fyd);
    if (std::isnan(e.sigmaS1) || std::isnan(e.sigmaS2))
        return FinBusqueda::Error(MensajeFueraDiagramaActivo);
    if (e.sigmaS2 == 0.0)
        return false; // A2 en la fibra neutra: no hay cara que dimensionar, se sigue
    double sigmaSuma;
    if (x > e.d2) {
        AsCara = ((M1 - e.Cc * (e.d - e.yc)) / e.sigmaS2) / (e.d - e.d2);
        sigmaSuma = x > e.d ? e.sigmaS2 + e.sigmaS1 : e.sigmaS2 - e.sigmaS1;
    } else {
        AsCara = ((e.Cc * (e.d - e.yc) - M1) / e.sigmaS2) / (e.d - e.d2);
        sigmaSuma = e.sigmaS2 + e.sigmaS1;
    }
    return e.Cc + AsCara * sigmaSuma > e.Nd;
}

// Intervalo cerrado de valores reales, para acotar la condición entre dos pasos.
struct Intervalo {
    double lo, hi;
};

Intervalo Entre(double a, double b) {
    return {std::min(a, b), std::max(a, b)};
}
Intervalo operator+(Intervalo a, Intervalo b) {
    return {a.lo + b.lo, a.hi + b.hi};
}
Intervalo operator-(Intervalo a, Intervalo b) {
    return {a.lo - b.hi, a.hi - b.lo};
}
Intervalo operator*(Intervalo a, Intervalo b) {
    const std::array<double, 4> p{a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    return {*std::min_element(p.begin(), p.end()), *std::max_element(p.begin(), p.end())};
}
// a / b; todo R si b contiene el cero.
Intervalo operator/(Intervalo a, Intervalo b) {
    if (!(b.lo > 0.0) && !(b.hi < 0.0))
        return {-HUGE_VAL, HUGE_VAL};
    return a * Intervalo{1.0 / b.hi, 1.0 / b.lo};
}

// Lo que la cota necesita de un paso de la búsqueda simétrica.
struct Muestra {
    NumeroPaso k;
    double x, Cc, yc, sigmaS1, sigmaS2;
    bool para; // se cumple la condición o hay error
};

// La gran excentricidad simétrica no es monótona en general (cerca de x = d2 la tensión de A2
// tiende a cero y AsCara cambia de signo). Entre dos cortes consecutivos de {d2, 7d/27, d} la
// fórmula es una sola y cada término es monótono: Cc y Cc·yc crecen, Cc·(d − yc) crece si
// x ≤ d, y epsS1, epsS2 (luego sus tensiones) son monótonas. Eso acota
// Cc + AsCara·sigmaSuma en un tramo de pasos con sus dos extremos; un tramo cuya cota superior
// queda por debajo de Nd no tiene parada y se salta, y los demás se parten en dos hasta 8 pasos,
// que se recorren uno a uno. Encuentra así el primer paso que cumple, sea o no único el cambio.
class BusquedaSimetrica {
public:
    BusquedaSimetrica(EstadoDiseno& e, double M1, double& AsCara)
        : e_(e), M1_(M1), AsCara_(AsCara) {}

    // Primer paso de [kIni, kFin] que para, si lo hay.
    std::optional<NumeroPaso> PrimeroEnTramo(NumeroPaso kIni, NumeroPaso kFin) {
        const Muestra a = Tomar(kIni);
        if (a.para)
            return kIni;
        if (kFin == kIni)
            return std::nullopt;
        return Primero(a, Tomar(kFin));
    }

    FinBusqueda Parada() { return EquilibrioSimetrico(e_, M1_, AsCara_); }

private:
    Muestra Tomar(NumeroPaso k) {
        EvaluarPaso(e_, k);
        const FinBusqueda r = Parada();
        return {k, e_.x, e_.Cc, e_.yc, e_.sigmaS1, e_.sigmaS2, !r || *r};
    }

    // Primer paso de (a.k, b.k] que para; en a.k no para.
    std::optional<NumeroPaso> Primero(const Muestra& a, const Muestra& b) {
        if (b.k - a.k <= 8) {
            for (NumeroPaso k = a.k + 1; k < b.k; ++k)
                if (Tomar(k).para)
                    return k;
            return b.para ? std::optional<NumeroPaso>(b.k) : std::nullopt;
        }
        if (!b.para && SinParada(a, b))
            return std::nullopt;
        const Muestra m = Tomar(a.k + (b.k - a.k) / 2);
        if (const auto k = Primero(a, m))
            return k;
        return Primero(m, b);
    }

    // Cierto si Cc + AsCara·sigmaSuma < Nd, con holgura para el redondeo, en todo [a, b].
    bool SinParada(const Muestra& a, const Muestra& b) const {
        for (double v : {a.Cc, a.yc, a.sigmaS1, a.sigmaS2, b.Cc, b.yc, b.sigmaS1, b.sigmaS2})
            if (!std::isfinite(v))
                return false;
        const double d = e_.d;
        const Intervalo Cc{a.Cc, b.Cc};
        const Intervalo g = b.x <= d ? Intervalo{a.Cc * (d - a.yc), b.Cc * (d - b.yc)}
                                     : Intervalo{a.Cc * d - b.Cc * b.yc, b.Cc * d - a.Cc * a.yc};
        // La tensión activa sale de una bisección que para con residuo < 1e-9: dista de la
        // exacta menos de 1e-9·Es, y sólo ésta es monótona.
        const double holgura = e_.ArmaduraPasiva ? 0.0 : 2e-9 * ModuloAcero(e_);
        const Intervalo s1 = Entre(a.sigmaS1, b.sigmaS1) + Intervalo{-holgura, holgura};
        const Intervalo s2 = Entre(a.sigmaS2, b.sigmaS2) + Intervalo{-holgura, holgura};
        const Intervalo M1{M1_, M1_};
        const Intervalo brazo{1.0 / (d - e_.d2), 1.0 / (d - e_.d2)};
        Intervalo fuerzaCaras{};
        if (a.x > e_.d2)
            fuerzaCaras = (M1 - g) / s2 * brazo * (b.x > d ? s2 + s1 : s2 - s1);
        else
            fuerzaCaras = (g - M1) / s2 * brazo * (s2 + s1);
        const Intervalo N = Cc + fuerzaCaras;
        const double escala =
            std::fabs(e_.Nd) + Cc.hi + std::max(std::fabs(fuerzaCaras.lo), std::fabs(fuerzaCaras.hi));
        return std::isfinite(escala) && N.hi < e_.Nd - 1e-9 * escala;
    }

    EstadoDiseno& e_;
    double M1_;
    double& AsCara_;
};

FinBusqueda RapidaSimetrica(EstadoDiseno& e, double M1, double& AsCara) {
    const NumeroPaso kTope = PrimerPasoMayorQue(5.0 * e.h);
    const EstadoDiseno inicial = e;
    std::array<NumeroPaso, 4> cortes{PrimerPasoMayorQue(e.d2), PrimerPasoMayorQue(e.d * 7.0 / 27.0),
                               PrimerPasoMayorQue(e.d), kTope};
    for (auto& c : cortes)
        c = std::clamp<NumeroPaso>(c, 1, kTope);
    std::sort(cortes.begin(), cortes.end());
    BusquedaSimetrica b(e, M1, AsCara);
    NumeroPaso k = kTope;
    NumeroPaso inicio = 1;
    for (NumeroPaso corte : cortes) {
        if (corte <= inicio)
            continue;
        if (const auto hallado = b.PrimeroEnTramo(inicio, corte - 1)) {
            k = *hallado;
            break;
        }
        inicio = corte;
    }
    return Terminar(e, inicial, k, kTope, [&] { return b.Parada(); });
}

} // namespace

FinBusqueda BuscarEquilibrioSimetrico(EstadoDiseno& e, double M1, double& AsCara, Busqueda modo) {
    const auto parada = [&] { return EquilibrioSimetrico(e, M1, AsCara); };
    // Con armadura activa y 0.7·fyd < 100 N/mm² la tensión faltaría en una banda de
    // deformaciones, que podría quedar entre dos muestras: paso a paso. Si no, sólo falta por
    // encima de una deformación, y un tramo de deformación monótona la tiene en un extremo.
    if (modo == Busqueda::PasoAPaso || (!e.ArmaduraPasiva && 0.7 * e.fyd < 100.0))
        return PasoAPaso(e, parada);
    return RapidaSimetrica(e, M1, AsCara);
}

} // namespace velmora
