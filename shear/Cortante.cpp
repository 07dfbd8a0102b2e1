#include "shear/Cortante.h"

#include "common/Numeros.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

constexpr double Pi = std::numbers::pi;

double Cot(double rad) {
    return 1.0 / std::tan(rad);
}

// Denominadores de β más pequeños que esto se tratan como nulos: β no estaría definido.
constexpr double ToleranciaBeta = 1e-9;

// Redondeo hacia arriba a un número entero: truncado, más uno si queda por debajo.
double RedondearArriba(double x) {
    const double k = std::trunc(x);
    return k < x ? k + 1.0 : k;
}

// Ángulo en grados para un mensaje, sin ceros de sobra ("45", "26.5").
std::string Angulo(double grados) {
    std::string s = Formatear(grados, 0, 4);
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.'))
        s.pop_back();
    return s + "º";
}

constexpr const char* MensajeSinCercos =
    "Sin cercos: el número de ramas y el diámetro han de ser mayores que 0.";

bool DentroAbierto(double v, double min, double max) {
    return v > min && v < max;
}

} // namespace

double FactorBeta(double tetaRad, double tetaeRad) {
    const double c = Cot(tetaRad);
    const double ce = Cot(tetaeRad);
    if (c < ce)
        return (2.0 * c - 1.0) / (2.0 * ce - 1.0);
    return (c - 2.0) / (ce - 2.0);
}

Resultado<CalculoCortante> CalcularCortante(EstadoDiseno& e, const DatosCortante& datos) {
    using R = Resultado<CalculoCortante>;
    if (e.fcd <= 0 || e.fyd <= 0 || e.fck <= 0)
        return R::Error(MensajeConfirmarParametros);
    if (datos.d <= 0)
        return R::Error("El canto útil d ha de ser mayor que 0.", "CuadroCantoUtil");
    if (datos.b <= 0)
        return R::Error("El ancho b ha de ser mayor que 0.", "CuadroAncho");
    if (!DentroAbierto(datos.alfa, 0.0, 180.0))
        return R::Error("El ángulo α de las armaduras con el eje ha de estar entre 0º y 180º, "
                        "sin incluirlos (se escribió " +
                            Angulo(datos.alfa) + ").",
                        "CuadroAlfa");
    if (!DentroAbierto(datos.teta, 0.0, 90.0))
        return R::Error("El ángulo θ de las bielas con el eje ha de estar entre 0º y 90º, sin "
                        "incluirlos (se escribió " +
                            Angulo(datos.teta) + ").",
                        "CuadroTeta");
    if (!DentroAbierto(datos.tetae, 0.0, 90.0))
        return R::Error("El ángulo θe de inclinación de las fisuras ha de estar entre 0º y 90º, "
                        "sin incluirlos (se escribió " +
                            Angulo(datos.tetae) + ").",
                        "CuadroTetae");
    if (datos.Asl < 0)
        return R::Error("La armadura longitudinal traccionada tiene un área negativa: "
                        "defínala de nuevo.",
                        "ValorArea");
    if (datos.ArmaduraComprimida && datos.phiMinComp <= 0)
        return R::Error("El diámetro mínimo comprimido φmin ha de ser mayor que 0.",
                        "CuadroDiametroMinimo");

    CalculoCortante c;
    c.datos = datos;
    c.fck = e.fck;
    c.fcd = e.fcd;
    c.fyad = e.fyd > 400.0 ? 400.0 : e.fyd;
    c.alfaRad = datos.alfa * Pi * (1.0 / 180.0);
    c.tetaRad = datos.teta * Pi * (1.0 / 180.0);
    c.tetaeRad = datos.tetae * Pi * (1.0 / 180.0);
    c.cotTeta = Cot(c.tetaRad);

    // β: el denominador de la rama que rige no puede anularse (cot θe = 0.5 o cot θe = 2).
    const double ce = Cot(c.tetaeRad);
    const double denominador = c.cotTeta < ce ? 2.0 * ce - 1.0 : ce - 2.0;
    if (std::fabs(denominador) < ToleranciaBeta)
        return R::Error("Con θ = " + Angulo(datos.teta) + " y θe = " + Angulo(datos.tetae) +
                            " el factor β no está definido (cot θe = 0.5 o cot θe = 2): "
                            "cambie el ángulo θe.",
                        "CuadroTetae");

    // cot α se toma exactamente 0 cuando se escribe 90º.
    const double cotAlfa = datos.alfa == 90.0 ? 0.0 : Cot(c.alfaRad);
    if (c.cotTeta + cotAlfa <= 0)
        return R::Error("Con α = " + Angulo(datos.alfa) + " y θ = " + Angulo(datos.teta) +
                            " la armadura no cose las fisuras (cot α + cot θ no es positivo): "
                            "reduzca el ángulo α.",
                        "CuadroAlfa");

    e.d = datos.d;
    e.b = datos.b;

    // Compresión oblicua del alma (art. 44.2.3.1).
    c.Vu1 = 0.6 * c.fcd * datos.b * datos.d * (c.cotTeta + cotAlfa) / (1.0 + c.cotTeta * c.cotTeta);
    c.Agotamiento = datos.Vd1 > c.Vu1;

    c.rhoL = datos.Asl / datos.b / datos.d;
    if (c.rhoL > 0.02)
        c.rhoL = 0.02;

    // Contribución del hormigón en piezas con armadura de cortante (art. 44.2.3.2.2).
    c.Vcu = FactorBeta(c.tetaRad, c.tetaeRad) * 0.1 * (1.0 + std::sqrt(200.0 / datos.d)) *
            std::cbrt(100.0 * c.rhoL * c.fck) * datos.b * datos.d;
    return c;
}

double CalcularVsu(const CalculoCortante& c, double Aalfa, double st) {
    const double d = c.datos.d;
    if (c.datos.alfa == 90.0)
        return Aalfa * 0.9 * d * c.cotTeta * c.fyad / st;
    return Aalfa * 0.9 * d * std::sin(c.alfaRad) * (Cot(c.alfaRad) + c.cotTeta) * c.fyad / st;
}

Resultado<Separacion> CalcularSeparacion(const CalculoCortante& c, double Vd, double Aalfa) {
    if (!(Aalfa > 0))
        return Resultado<Separacion>::Error(MensajeSinCercos);
    const double d = c.datos.d;
    const double senAlfa = std::sin(c.alfaRad);
    Separacion s;

    // Separación con la que Aalfa es justo la armadura transversal mínima (art. 44.2.3.4.1).
    const double smin = 50.0 * Aalfa * c.fyad / (c.fcd * c.datos.b * senAlfa);
    if (Vd <= c.Vcu) {
        s.st = smin;
        s.marca = "*";
    } else {
        if (c.datos.alfa == 90.0)
            s.st = 0.9 * d * c.cotTeta * c.fyad * Aalfa / (Vd - c.Vcu);
        else
            s.st = 0.9 * d * senAlfa * (Cot(c.alfaRad) + c.cotTeta) * c.fyad * Aalfa / (Vd - c.Vcu);
        if (s.st > smin) {
            s.st = smin;
            s.marca = "*";
        }
        // Control de la fisuración por cortante (art. 49.3).
        const double X = (Vd - 3.0 * c.Vcu) * senAlfa / (Aalfa * d);
        double sf;
        if (X > 150)
            sf = 50;
        else if (X > 100)
            sf = 100;
        else if (X > 75)
            sf = 150;
        else if (X > 50)
            sf = 200;
        else
            sf = 300;
        if (s.st > sf)
            s.st = sf;
    }

    // Separación máxima de los cercos (art. 44.2.3.4.1).
    double smax;
    if (Vd > c.Vu1 * 2.0 * (1.0 / 3.0)) {
        smax = 0.3 * d;
        if (smax > 200)
            smax = 200;
    } else {
        smax = Vd > 0.2 * c.Vu1 ? 0.6 * d : 0.8 * d;
        if (smax > 300)
            smax = 300;
    }
    s.limitada = s.st > smax;
    if (s.limitada)
        s.st = smax;
    if (c.datos.ArmaduraComprimida && s.st > 15.0 * c.datos.phiMinComp) {
        s.st = 15.0 * c.datos.phiMinComp;
        s.limitada = true;
    }
    return s;
}

Resultado<int> DiametroComercial(double x) {
    static constexpr int Diametros[] = {6, 8, 10, 12, 14, 16, 20, 25, 32, 40};
    const double k = RedondearArriba(x);
    if (!(k <= 40))
        return Resultado<int>::Error("No hay diámetro comercial de al menos " + Formatear(k, 0, 0) +
                                     " mm");
    for (int diametro : Diametros)
        if (diametro >= k)
            return diametro;
    return 40;
}

TextosZonas CalcularZonas(const CalculoCortante& c, const EleccionZonas& eleccion) {
    TextosZonas t;
    // Diámetro mínimo de los cercos con armadura comprimida: la cuarta parte de la barra
    // comprimida más gruesa (art. 42.3.1).
    int phiT = 0;
    if (c.datos.ArmaduraComprimida) {
        const auto r = DiametroComercial(RedondearArriba(c.datos.phiMaxComp * 0.25));
        if (r) {
            phiT = *r;
            t.Recordatorio =
                "El diámetro ha de ser mayor o igual que " + Formatear(phiT, 2, 0) + " mm";
        } else {
            t.Recordatorio = r.error().mensaje;
        }
    } else {
        t.Recordatorio = "El diámetro ha de ser mayor o igual que 6 mm";
    }

    const std::array<const std::string*, 2> numeros{&eleccion.NumeroCercosZona1,
                                                    &eleccion.NumeroCercosZona2};
    const std::array<const std::string*, 2> diametros{&eleccion.DiametroZona1,
                                                      &eleccion.DiametroZona2};
    const std::array<double, 2> cortantes{c.datos.Vd2, c.datos.Vd3};
    const std::array<const char*, 2> nombres{"zona de apoyo", "zona central"};
    for (std::size_t i = 0; i < 2; ++i) {
        TextosZona& z = t.zona[i];
        z.ContribucionArmadura = z.AgotamientoTraccion = "=";
        const std::string sufijo = std::to_string(i + 1);
        const auto n = LeerNumero(*numeros[i], std::string("Número de cercos, ") + nombres[i],
                                  "NumeroCercosZona" + sufijo);
        const auto phi = LeerNumero(*diametros[i], std::string("Diámetro, ") + nombres[i],
                                    "DiametroZona" + sufijo);
        if (!n || !phi) {
            z.Longitud = (!n ? n.error() : phi.error()).mensaje;
            continue;
        }
        double phiCerco = *phi;
        if (phiCerco < phiT) {
            phiCerco = phiT;
            z.DiametroElevado = Formatear(phiT, 2, 0);
        }
        if (*n <= 0 || phiCerco <= 0) {
            z.Longitud = MensajeSinCercos;
            continue;
        }
        z.Aalfa = *n * Pi * phiCerco * phiCerco * 0.25;
        const auto s = CalcularSeparacion(c, cortantes[i], z.Aalfa);
        if (!s) {
            z.Longitud = s.error().mensaje;
            continue;
        }
        z.valida = true;
        z.st = s.valor().st;
        z.Longitud = "/ " + Formatear(z.st * 0.1, 3, 0) + s.valor().marca;
        z.SeparacionMaxima = s.valor().limitada;
        z.Vsu = CalcularVsu(c, z.Aalfa, z.st);
        z.ContribucionArmadura = TextoFuerza(z.Vsu);
        z.AgotamientoTraccion = TextoFuerza(c.Vcu + z.Vsu);
    }
    return t;
}

std::string TextoFuerza(double N) {
    return "=" + Formatear(N * 0.001, 10, 3);
}

std::string TextoCompresionOblicua(const CalculoCortante& c) {
    if (c.Agotamiento)
        return "Agotamiento del hormigón. Aumente la sección\ro incline los cercos un ángulo "
               "menor de 90º";
    return "La sección de homigón es adecuada, y éste no\rse agota por compresión oblicua en "
           "el alma";
}

} // namespace velmora
