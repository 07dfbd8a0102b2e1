#include "timedep/ce/Ecuaciones.h"

#include "materiales/ce/Hormigon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace velmora::ce {

namespace {

// Índice de la clase del cemento en las tablas (S, N, R).
std::size_t Indice(ClaseCemento clase) {
    return static_cast<std::size_t>(clase);
}

// Por encima de fcm = 35 N/mm² las expresiones (B.3b) y (B.8b) llevan los factores α.
constexpr double FcmLimite = 35.0;

} // namespace

double h0(double Ac, double u) {
    return 2.0 * Ac / u;
}

double Alfa1(double fcm) {
    return std::pow(FcmLimite / fcm, 0.7);
}

double Alfa2(double fcm) {
    return std::pow(FcmLimite / fcm, 0.2);
}

double Alfa3(double fcm) {
    return std::pow(FcmLimite / fcm, 0.5);
}

double PhiHR(double HR, double h0, double fcm) {
    const double termino = (1.0 - HR / 100.0) / (0.1 * std::cbrt(h0));
    if (fcm <= FcmLimite)
        return 1.0 + termino;
    return (1.0 + termino * Alfa1(fcm)) * Alfa2(fcm);
}

double BetaFcm(double fcm) {
    return 16.8 / std::sqrt(fcm);
}

int AlfaCemento(ClaseCemento clase) {
    static constexpr std::array<int, 3> alfa{-1, 0, 1};
    return alfa[Indice(clase)];
}

double T0Corregida(double t0T, ClaseCemento clase) {
    const double t0 = t0T * std::pow(9.0 / (2.0 + std::pow(t0T, 1.2)) + 1.0, AlfaCemento(clase));
    return std::max(t0, 0.5);
}

double BetaT0(double t0) {
    return 1.0 / (0.1 + std::pow(t0, 0.20));
}

double Phi0(double phiHR, double betaFcm, double betaT0) {
    return phiHR * betaFcm * betaT0;
}

double BetaH(double HR, double h0, double fcm) {
    const double a3 = fcm <= FcmLimite ? 1.0 : Alfa3(fcm);
    return std::min(1.5 * (1.0 + std::pow(0.012 * HR, 18)) * h0 + 250.0 * a3, 1500.0 * a3);
}

double BetaC(double t, double t0, double betaH) {
    return std::pow((t - t0) / (betaH + t - t0), 0.3);
}

double Phi(double phi0, double betaC) {
    return phi0 * betaC;
}

double Ec(double Ecm) {
    return 1.05 * Ecm;
}

double EpsilonCC(double phi, double sigmaC, double Ec) {
    return phi * sigmaC / Ec;
}

double SCemento(ClaseCemento clase) {
    static constexpr std::array<double, 3> s{0.38, 0.25, 0.20};
    return s[Indice(clase)];
}

double BetaCC(double t, double s) {
    return std::exp(s * (1.0 - std::sqrt(28.0 / t)));
}

double FckT(double fck, double fcm, double t, ClaseCemento clase) {
    if (t >= 28.0)
        return fck;
    return BetaCC(t, SCemento(clase)) * fcm - 8.0;
}

double KSigma(double sigmaC, double fckT0) {
    return sigmaC / fckT0;
}

bool FluenciaNoLineal(double kSigma) {
    return kSigma > 0.45;
}

double FactorNoLineal(double kSigma) {
    return std::exp(1.5 * (kSigma - 0.45));
}

double AlfaDs1(ClaseCemento clase) {
    static constexpr std::array<double, 3> a{3.0, 4.0, 6.0};
    return a[Indice(clase)];
}

double AlfaDs2(ClaseCemento clase) {
    static constexpr std::array<double, 3> a{0.13, 0.12, 0.11};
    return a[Indice(clase)];
}

double BetaHR(double HR) {
    const double r = HR / 100.0;
    return 1.55 * (1.0 - r * r * r);
}

double EpsilonCd0(double fcm, double betaHR, ClaseCemento clase) {
    constexpr double fcm0 = 10.0;
    return FactorRetraccionSecado * (220.0 + 110.0 * AlfaDs1(clase)) *
           std::exp(-AlfaDs2(clase) * fcm / fcm0) * 1e-6 * betaHR;
}

double kh(double h0) {
    const std::span<const PuntoKh> tabla = TablaKh;
    if (h0 <= tabla.front().h0)
        return tabla.front().kh;
    for (std::size_t i = 1; i < tabla.size(); ++i)
        if (h0 <= tabla[i].h0) {
            const PuntoKh& a = tabla[i - 1];
            const PuntoKh& b = tabla[i];
            return a.kh + (b.kh - a.kh) * (h0 - a.h0) / (b.h0 - a.h0);
        }
    return tabla.back().kh;
}

double BetaDs(double t, double ts, double h0) {
    if (t <= ts)
        return 0.0;
    return (t - ts) / ((t - ts) + 0.04 * std::sqrt(h0 * h0 * h0));
}

double EpsilonCd(double betaDs, double kh, double epsilonCd0) {
    return betaDs * kh * epsilonCd0;
}

double EpsilonCaInf(double fck) {
    return 2.5 * (fck - 10.0) * 1e-6;
}

double BetaAs(double t) {
    return 1.0 - std::exp(-0.2 * std::sqrt(t));
}

double EpsilonCa(double betaAs, double epsilonCaInf) {
    return betaAs * epsilonCaInf;
}

double EpsilonCs(double epsilonCd, double epsilonCa) {
    return epsilonCd + epsilonCa;
}

} // namespace velmora::ce
