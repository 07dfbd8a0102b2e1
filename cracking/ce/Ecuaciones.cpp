#include "cracking/ce/Ecuaciones.h"

#include <algorithm>
#include <cmath>

namespace velmora::ce {

double EcEff(double Ecm, double phi) {
    return Ecm / (1.0 + phi);
}

double alphaE(double Ecm) {
    return Es / Ecm;
}

double phiEq(const double* n, const double* phi, int grupos) {
    double num = 0.0, den = 0.0;
    for (int i = 0; i < grupos; ++i) {
        num += n[i] * phi[i] * phi[i];
        den += n[i] * phi[i];
    }
    return den > 0.0 ? num / den : 0.0;
}

double hcef(double h, double d, double x) {
    const double a = 2.5 * (h - d), c = h / 2.0;
    if (x <= 0.0)
        return std::min(a, c);
    return std::min({a, (h - x) / 3.0, c});
}

int TerminoHcef(double h, double d, double x) {
    const double v = hcef(h, d, x);
    if (v == 2.5 * (h - d))
        return 0;
    if (x > 0.0 && v == (h - x) / 3.0)
        return 1;
    return 2;
}

double AcEff(double bt, double hcef) {
    return bt * hcef;
}

double rhoPEff(double As, double AcEff) {
    return As / AcEff;
}

double EpsSmMenosEpsCmSinMinimo(double sigmaS, double kt, double fctEff, double rhoPEff,
                                double alphaE) {
    return (sigmaS - kt * fctEff / rhoPEff * (1.0 + alphaE * rhoPEff)) / Es;
}

double EpsSmMenosEpsCm(double sigmaS, double kt, double fctEff, double rhoPEff, double alphaE) {
    return std::max(EpsSmMenosEpsCmSinMinimo(sigmaS, kt, fctEff, rhoPEff, alphaE),
                    0.6 * sigmaS / Es);
}

double kt(bool largaDuracion) {
    return largaDuracion ? 0.4 : 0.6;
}

double k2(double eps1, double eps2) {
    if (eps1 <= 0.0)
        return 0.5;
    return std::clamp((eps1 + std::max(eps2, 0.0)) / (2.0 * eps1), 0.5, 1.0);
}

double srMax(double c, double k2, double phi, double rhoPEff) {
    return 3.4 * c + 0.8 * k2 * 0.425 * phi / rhoPEff;
}

double srMaxSeparadas(double h, double x) {
    return 1.3 * (h - std::max(x, 0.0));
}

double SeparacionLimite(double c, double phi) {
    return 5.0 * (c + phi / 2.0);
}

double wk(double srMax, double deltaEps) {
    return srMax * deltaEps;
}

double kAutoequilibradas(double h) {
    if (h <= 300.0)
        return 1.0;
    if (h >= 800.0)
        return 0.65;
    return 1.0 - 0.35 * (h - 300.0) / 500.0;
}

double hEstrella(double h) {
    return std::min(h, 1000.0);
}

double k1Axil(double N, double h) {
    return N >= 0.0 ? 1.5 : 2.0 * hEstrella(h) / (3.0 * h);
}

double kc(double sigmaC, double k1, double h, double fctEff) {
    return std::clamp(0.4 * (1.0 - sigmaC / (k1 * (h / hEstrella(h)) * fctEff)), 0.0, 1.0);
}

double AsMin(double kc, double k, double fctEff, double Act, double sigmaS) {
    return kc * k * fctEff * Act / sigmaS;
}

double SigmaCCaracteristica(double fck) {
    return 0.6 * fck;
}

double SigmaCCuasipermanente(double fck) {
    return 0.45 * fck;
}

double SigmaSCaracteristica(double fyk) {
    return 0.8 * fyk;
}

namespace {

// Fila de una tabla: tensión y valor para wk = 0.4, 0.3 y 0.2 mm (negativo: sin valor).
struct FilaTabla {
    double sigma;
    std::array<double, 3> valor;
};

// Tabla 7.2N: diámetro máximo de las barras φs* (mm).
constexpr std::array<FilaTabla, 8> Tabla72N{{
    {160, {40, 32, 25}},
    {200, {32, 25, 16}},
    {240, {20, 16, 12}},
    {280, {16, 12, 8}},
    {320, {12, 10, 6}},
    {360, {10, 8, 5}},
    {400, {8, 6, 4}},
    {450, {6, 5, -1}},
}};

// Tabla 7.3N: separación máxima de las barras (mm).
constexpr std::array<FilaTabla, 6> Tabla73N{{
    {160, {300, 300, 200}},
    {200, {300, 250, 150}},
    {240, {250, 200, 100}},
    {280, {200, 150, 50}},
    {320, {150, 100, -1}},
    {360, {100, 50, -1}},
}};

std::optional<int> Columna(double wk) {
    for (int i = 0; i < 3; ++i)
        if (std::fabs(wk - (0.4 - 0.1 * i)) < 1e-9)
            return i;
    return std::nullopt;
}

template <std::size_t N>
std::optional<double> Interpolar(const std::array<FilaTabla, N>& t, double sigma, double wk) {
    const auto col = Columna(wk);
    if (!col || !std::isfinite(sigma))
        return std::nullopt;
    const auto c = static_cast<std::size_t>(*col);
    if (sigma <= t[0].sigma)
        return t[0].valor[c];
    for (std::size_t i = 1; i < N; ++i) {
        if (sigma > t[i].sigma)
            continue;
        const double a = t[i - 1].valor[c], b = t[i].valor[c];
        if (a < 0.0 || b < 0.0)
            return std::nullopt;
        return a + (b - a) * (sigma - t[i - 1].sigma) / (t[i].sigma - t[i - 1].sigma);
    }
    return std::nullopt;
}

} // namespace

std::optional<double> phiSEstrella(double sigmaS, double wk) {
    return Interpolar(Tabla72N, sigmaS, wk);
}

std::optional<double> SeparacionMaximaTabla(double sigmaS, double wk) {
    return Interpolar(Tabla73N, sigmaS, wk);
}

double phiSFlexion(double phiSEstrella, double fctEff, double kc, double hcr, double h, double d) {
    return phiSEstrella * (fctEff / 2.9) * kc * hcr / (2.0 * (h - d));
}

double phiSTraccion(double phiSEstrella, double fctEff, double hcr, double h, double d) {
    return phiSEstrella * (fctEff / 2.9) * hcr / (8.0 * (h - d));
}

} // namespace velmora::ce
