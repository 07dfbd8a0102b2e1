#include "section/Interaccion.h"

#include "common/Numeros.h"
#include "section/DimensionarSeccion.h"
#include "design/MaterialesDelEstado.h"
#include "section/ce/Ecuaciones.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora {

namespace {

// La mitad del 0.1 % pedido en el punto medio de cada tramo: cerca de un codo (cedencia de una
// armadura) el error entre vértices puede pasar del medido en el punto medio.
constexpr double TolCuerda = 0.0005;
constexpr int TramosIniciales = 8;   // por pivote, antes de afinar
constexpr int ProfundidadMaxima = 24;

// La sección vista desde su cara comprimida: la mitad negativa es la misma sección volteada.
struct Vista {
    std::array<Capa, 2> capas{};
    int numeroCapas = 1;
    double h = 0, d = 0;   // canto y canto útil de la armadura traccionada
    double yA = 0, yB = 0; // profundidades de la armadura de la cara traccionada y de la comprimida
    double AA = 0, AB = 0; // sus áreas
};

Vista VistaDe(const SeccionInteraccion& s, bool negativo) {
    Vista v;
    v.h = s.h;
    const bool enT = !s.Rectangular && s.hf < s.h && s.bw < s.b;
    if (!negativo) {
        v.yA = s.h - s.d1, v.AA = s.A1;
        v.yB = s.d2, v.AB = s.A2;
        if (enT) {
            v.capas = {Capa{0.0, s.hf, s.b}, Capa{s.hf, s.h, s.bw}};
            v.numeroCapas = 2;
        } else {
            v.capas[0] = Capa{0.0, s.h, s.b};
        }
    } else {
        v.yA = s.h - s.d2, v.AA = s.A2;
        v.yB = s.d1, v.AB = s.A1;
        if (enT) {
            v.capas = {Capa{0.0, s.h - s.hf, s.bw}, Capa{s.h - s.hf, s.h, s.b}};
            v.numeroCapas = 2;
        } else {
            v.capas[0] = Capa{0.0, s.h, s.b};
        }
    }
    v.d = v.yA;
    return v;
}

// Perfil último de parámetro t con pivote en la armadura (EHE-98, art. 42.1.3): los valores de
// los pivotes son los de las leyes; 7d/27 y 3h/7 son donde se cruzan con los de esta norma.
PlanoDeformacion PerfilConPivotes(const Vista& v, const MaterialesInteraccion& m, double t) {
    const LeyHormigon& c = m.Hormigon;
    const double epsMax = m.EpsMaxAcero;
    t = std::clamp(t, 0.0, 3.0);
    if (t <= 1.0) {
        // Pivote A: alargamiento máximo en la armadura traccionada; x ≤ 7d/27, también
        // negativa, hasta la tracción uniforme.
        const double epsSup = -epsMax + t * (c.epsCU2 + epsMax);
        return {epsSup, (epsSup + epsMax) / v.d};
    }
    if (t <= 2.0) {
        // Pivote B: εcu en la fibra superior, 7d/27 < x ≤ h.
        const double x0 = v.d * 7.0 / 27.0;
        const double x = x0 + (t - 1.0) * (v.h - x0);
        return {c.epsCU2, c.epsCU2 / x};
    }
    // Pivote C: εc2 a 3h/7 de la fibra superior, x > h, hasta la compresión uniforme.
    const double epsInf = (t - 2.0) * c.epsC2;
    const double kappa = (c.epsC2 - epsInf) / (v.h * 4.0 / 7.0);
    return {c.epsC2 + kappa * v.h * 3.0 / 7.0, kappa};
}

// Plano último de parámetro t: con pivote en la armadura si el acero tiene límite de
// alargamiento; si no, los planos de Anejo 19, 6.1.
PlanoDeformacion PerfilDe(const Vista& v, const MaterialesInteraccion& m, double t) {
    if (std::isfinite(m.EpsMaxAcero))
        return PerfilConPivotes(v, m, t);
    return ce::PlanoInteraccion(m.Hormigon, v.h, v.d, m.fyd / m.Es, t);
}

double TensionAceroMateriales(const MaterialesInteraccion& m, double eps) {
    if (m.ArmaduraPasiva) {
        // Diagrama bilineal (art. 38.4) con fyd en tracción y fycd en compresión.
        return std::clamp(m.Es * eps, -m.fyd, m.fycd);
    }
    EstadoDiseno e;
    e.ArmaduraPasiva = false;
    e.TablaEs[2] = m.Es;
    e.IndiceEs = IndiceEsSecciones;
    const double sigma = -TensionAceroActiva(e, -eps, m.fyd);
    return std::clamp(sigma, -m.fyd, m.fycd);
}

PuntoNM Esfuerzos(const Vista& v, const MaterialesInteraccion& m, const PlanoDeformacion& p) {
    double N = 0.0, Msup = 0.0;
    for (int i = 0; i < v.numeroCapas; ++i)
        SumarCapa(v.capas[static_cast<std::size_t>(i)], p, m.Hormigon, N, Msup);
    const double FA = v.AA * TensionAceroMateriales(m, p.epsSup - p.kappa * v.yA);
    const double FB = v.AB * TensionAceroMateriales(m, p.epsSup - p.kappa * v.yB);
    N += FA + FB;
    Msup += FA * v.yA + FB * v.yB;
    // Momento respecto de la mitad del canto: positivo si comprime la cara de y = 0.
    return {N, N * v.h / 2.0 - Msup};
}

// Distancia de q a la cuerda a–b en el plano escalado.
double ErrorCuerda(PuntoNM a, PuntoNM b, PuntoNM q, double sN, double sM) {
    const double ax = a.N / sN, ay = a.M / sM, bx = b.N / sN, by = b.M / sM;
    const double qx = q.N / sN, qy = q.M / sM;
    const double dx = bx - ax, dy = by - ay;
    const double largo = std::hypot(dx, dy);
    if (largo < 1e-15)
        return std::hypot(qx - ax, qy - ay);
    return std::fabs((qx - ax) * dy - (qy - ay) * dx) / largo;
}

struct Muestreo {
    const DiagramaInteraccion& d;
    bool negativo;
    std::vector<VerticeInteraccion>& salida;

    // Añade los vértices interiores de (ta, tb] afinando hasta la tolerancia, y el de tb.
    void Afinar(double ta, PuntoNM pa, double tb, PuntoNM pb, int profundidad) {
        const double tm = 0.5 * (ta + tb);
        const PuntoNM pm = PuntoPerfil(d, negativo, tm);
        if (profundidad < ProfundidadMaxima &&
            ErrorCuerda(pa, pb, pm, d.EscalaN, d.EscalaM) > TolCuerda) {
            Afinar(ta, pa, tm, pm, profundidad + 1);
            Afinar(tm, pm, tb, pb, profundidad + 1);
            return;
        }
        // El punto medio también se guarda: la cuerda queda aún más cerca de la curva.
        Guardar({pm, negativo, tm});
        Guardar({pb, negativo, tb});
    }

    // Un tramo en que nada cambia (toda la armadura en cedencia) da puntos repetidos.
    void Guardar(const VerticeInteraccion& v) {
        if (!salida.empty() && salida.back().P.N == v.P.N && salida.back().P.M == v.P.M)
            return;
        salida.push_back(v);
    }
};

// Vértices de una mitad, de t = 0 (tracción) a t = 3 (compresión).
std::vector<VerticeInteraccion> Mitad(const DiagramaInteraccion& d, bool negativo) {
    std::vector<VerticeInteraccion> v;
    constexpr int n = 3 * TramosIniciales;
    std::array<PuntoNM, n + 1> rejilla{};
    for (int i = 0; i <= n; ++i)
        rejilla[static_cast<std::size_t>(i)] =
            PuntoPerfil(d, negativo, static_cast<double>(i) / TramosIniciales);
    v.push_back({rejilla[0], negativo, 0.0});
    Muestreo m{d, negativo, v};
    for (int i = 0; i < n; ++i)
        m.Afinar(static_cast<double>(i) / TramosIniciales, rejilla[static_cast<std::size_t>(i)],
                 static_cast<double>(i + 1) / TramosIniciales,
                 rejilla[static_cast<std::size_t>(i + 1)], 0);
    return v;
}

Estado ComprobarArmaduras(const SeccionInteraccion& s, std::string_view campoA1,
                          std::string_view campoA2) {
    if (!std::isfinite(s.A1) || s.A1 < 0.0)
        return Estado::Error("El área de la armadura inferior A1 no puede ser negativa.",
                             std::string(campoA1));
    if (!std::isfinite(s.A2) || s.A2 < 0.0)
        return Estado::Error("El área de la armadura superior A2 no puede ser negativa.",
                             std::string(campoA2));
    if (s.A1 + s.A2 <= 0.0)
        return Estado::Error("Defina la armadura: sin A1 ni A2 la sección no resiste tracciones "
                             "y no hay diagrama de interacción.",
                             std::string(campoA1));
    if (s.A1 + s.A2 > (s.Rectangular ? s.b * s.h : s.b * s.hf + s.bw * (s.h - s.hf)))
        return Estado::Error("El área de las armaduras es mayor que la de la sección de "
                             "hormigón.",
                             std::string(campoA1));
    return Correcto();
}

// El mayor axil de compresión de la curva: el mayor de los vértices, afinado por sección áurea en
// el giro sobre el pivote de εc2 (t de 2 a 3) de cada mitad, donde está el máximo.
double MayorCompresion(const DiagramaInteraccion& d) {
    double mayor = d.N0;
    for (const auto& v : d.Contorno)
        mayor = std::max(mayor, v.P.N);
    const double r = (std::sqrt(5.0) - 1.0) / 2.0;
    for (bool neg : {false, true}) {
        double a = 2.0, b = 3.0;
        for (int i = 0; i < 80; ++i) {
            const double t1 = b - r * (b - a), t2 = a + r * (b - a);
            const double n1 = PuntoPerfil(d, neg, t1).N, n2 = PuntoPerfil(d, neg, t2).N;
            mayor = std::max({mayor, n1, n2});
            (n1 < n2 ? a : b) = n1 < n2 ? t1 : t2;
        }
    }
    return mayor;
}

EstadoDiseno EstadoGeometria(const SeccionInteraccion& s) {
    EstadoDiseno g;
    g.SeccionRectangular = s.Rectangular;
    g.h = s.h, g.b = s.b, g.bw = s.bw, g.hf = s.hf, g.d1 = s.d1, g.d2 = s.d2;
    return g;
}

} // namespace

SeccionInteraccion SeccionDelEstado(const EstadoDiseno& e, double A1, double A2) {
    SeccionInteraccion s;
    s.Rectangular = e.SeccionRectangular;
    s.h = e.h, s.b = e.b, s.bw = e.bw, s.hf = e.hf, s.d1 = e.d1, s.d2 = e.d2;
    s.A1 = A1, s.A2 = A2;
    return s;
}

MaterialesInteraccion MaterialesDelEstado(const EstadoDiseno& e) {
    MaterialesInteraccion m = MaterialesDeLeyes(LeyesDelEstado(e));
    m.ArmaduraPasiva = e.ArmaduraPasiva;
    return m;
}

MaterialesInteraccion MaterialesDeLeyes(const LeyesSeccion& l) {
    return {l.hormigon.fcd, l.acero.fyd, l.acero.fycd, l.acero.Es, true, l.hormigon,
            l.acero.epsMax};
}

std::vector<PuntoNM> DiagramaInteraccion::Curva() const {
    std::vector<PuntoNM> c;
    c.reserve(Contorno.size());
    for (const auto& v : Contorno)
        c.push_back(v.P);
    return c;
}

PuntoNM PuntoPerfil(const DiagramaInteraccion& d, bool negativo, double t) {
    const Vista v = VistaDe(d.Seccion, negativo);
    PuntoNM p = Esfuerzos(v, d.Materiales, PerfilDe(v, d.Materiales, t));
    if (negativo)
        p.M = -p.M;
    return p;
}

Resultado<DiagramaInteraccion> CalcularInteraccion(const EstadoDiseno& e,
                                                   const SeccionInteraccion& s,
                                                   std::string_view campoA1,
                                                   std::string_view campoA2) {
    if (auto r = ComprobarGeometria(EstadoGeometria(s)); !r)
        return r.error();
    if (auto r = ComprobarArmaduras(s, campoA1, campoA2); !r)
        return r.error();
    if (auto r = ComprobarMateriales(e); !r)
        return r.error();
    return CalcularInteraccion(MaterialesDelEstado(e), s, campoA1, campoA2);
}

Resultado<DiagramaInteraccion> CalcularInteraccion(const MaterialesInteraccion& m,
                                                   const SeccionInteraccion& s,
                                                   std::string_view campoA1,
                                                   std::string_view campoA2) {
    using R = Resultado<DiagramaInteraccion>;
    if (auto r = ComprobarGeometria(EstadoGeometria(s)); !r)
        return r.error();
    if (auto r = ComprobarArmaduras(s, campoA1, campoA2); !r)
        return r.error();
    for (double v : {m.fcd, m.fyd, m.fycd})
        if (!(v > 0.0) || !std::isfinite(v))
            return R::Error(MensajeConfirmarParametros);
    DiagramaInteraccion d;
    d.Seccion = s;
    d.Materiales = m;
    if (!(d.Materiales.Es > 0.0))
        return R::Error("El módulo de elasticidad del acero no está elegido.");
    // La armadura activa sólo se resuelve entre 100 y 1000 N/mm²: se prueba en los extremos.
    for (double eps : {-std::min(d.Materiales.EpsMaxAcero, 1.0), d.Materiales.Hormigon.epsC2})
        if (!std::isfinite(TensionAceroMateriales(d.Materiales, eps)))
            return R::Error(MensajeFueraDiagramaActivo);

    d.N0 = PuntoPerfil(d, false, 3.0).N;
    d.Ntraccion = PuntoPerfil(d, false, 0.0).N;
    d.EscalaN = d.N0 - d.Ntraccion;
    double mayor = 0.0;
    for (int i = 0; i <= 3 * TramosIniciales; ++i)
        for (bool neg : {false, true})
            mayor = std::max(
                mayor, std::fabs(PuntoPerfil(d, neg, static_cast<double>(i) / TramosIniciales).M));
    d.EscalaM = mayor > 0.0 ? mayor : 1.0;
    if (!std::isfinite(d.EscalaN) || !(d.EscalaN > 0.0) || !std::isfinite(mayor))
        return R::Error(MensajeValoresNoFinitos);

    // Antihorario en (N, M): de N0 por los momentos positivos hasta la tracción y vuelta por los
    // negativos.
    auto positiva = Mitad(d, false);
    auto negativa = Mitad(d, true);
    d.Contorno.assign(positiva.rbegin(), positiva.rend());
    d.Contorno.insert(d.Contorno.end(), negativa.begin() + 1, negativa.end());
    d.Contorno.back().P = d.Contorno.front().P; // la compresión uniforme es el mismo punto
    for (const auto& v : d.Contorno) {
        if (!std::isfinite(v.P.N) || !std::isfinite(v.P.M))
            return R::Error(MensajeValoresNoFinitos);
        d.Mmax = std::max(d.Mmax, v.P.M);
        d.Mmin = std::min(d.Mmin, v.P.M);
    }
    d.EscalaM = std::max(d.Mmax, -d.Mmin);
    // Sin pivote en la armadura, una cara comprimida en cedencia puede descargar hacia Es·εc2 al
    // llegar a la compresión uniforme: la mayor compresión puede estar antes (Anejo 19, 6.1).
    if (!std::isfinite(d.Materiales.EpsMaxAcero))
        d.N0 = MayorCompresion(d);
    return d;
}

namespace {

double Cruz(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

} // namespace

ComprobacionCombinacion ComprobarCombinacion(const DiagramaInteraccion& d, const Combinacion& c) {
    ComprobacionCombinacion r;
    r.Carga = c;
    const double vx = c.Nd / d.EscalaN, vy = c.Md / d.EscalaM;
    if (std::hypot(vx, vy) == 0.0 || d.Contorno.size() < 2) {
        r.Nula = true;
        return r;
    }
    // Corte del rayo con el polígono: el tramo más cercano al origen. Si el rayo pasa justo por
    // un vértice, el redondeo puede dejarlo fuera de los dos tramos: una segunda vuelta los
    // alarga lo que da el redondeo.
    double mejor = -1.0;
    std::size_t tramo = 0;
    for (double holgura : {0.0, 1e-9}) {
        if (mejor >= 0.0)
            break;
    for (std::size_t i = 0; i + 1 < d.Contorno.size(); ++i) {
        const double ax = d.Contorno[i].P.N / d.EscalaN, ay = d.Contorno[i].P.M / d.EscalaM;
        const double bx = d.Contorno[i + 1].P.N / d.EscalaN,
                     by = d.Contorno[i + 1].P.M / d.EscalaM;
        const double den = Cruz(vx, vy, bx - ax, by - ay);
        if (den == 0.0)
            continue;
        const double s = Cruz(ax, ay, bx - ax, by - ay) / den;
        const double tau = Cruz(ax, ay, vx, vy) / den;
        if (s > 0.0 && tau >= -holgura && tau <= 1.0 + holgura && (mejor < 0.0 || s < mejor)) {
            mejor = s;
            tramo = i;
        }
    }
    }
    // El corte exacto, por bisección sobre el perfil entre los dos vértices del tramo.
    VerticeInteraccion a = d.Contorno[tramo], b = d.Contorno[tramo + 1];
    if (a.Negativo != b.Negativo) {
        // Uno de los dos es un extremo (t = 0 o 3), común a las dos mitades.
        if (a.t == 0.0 || a.t == 3.0)
            a.Negativo = b.Negativo;
        else
            b.Negativo = a.Negativo;
    }
    auto lado = [&](const PuntoNM& p) { return Cruz(vx, vy, p.N / d.EscalaN, p.M / d.EscalaM); };
    double ta = a.t, tb = b.t;
    double fa = lado(a.P);
    const double fb = lado(b.P);
    // Un vértice sobre el rayo (a la precisión del cálculo) es el corte; si la curva no cambia
    // de lado entre los dos vértices, vale el corte con la cuerda.
    constexpr double Cero = 1e-12;
    PuntoNM corte = std::fabs(fa) < Cero   ? a.P
                    : std::fabs(fb) < Cero ? b.P
                                           : PuntoNM{mejor * c.Nd, mejor * c.Md};
    const bool biseccion =
        mejor > 0.0 && std::fabs(fa) >= Cero && std::fabs(fb) >= Cero && (fa > 0.0) != (fb > 0.0);
    for (int i = 0; i < 60 && biseccion; ++i) {
        const double tm = 0.5 * (ta + tb);
        corte = PuntoPerfil(d, a.Negativo, tm);
        const double fm = lado(corte);
        if ((fm > 0.0) == (fa > 0.0)) {
            ta = tm;
            fa = fm;
        } else {
            tb = tm;
        }
    }
    r.Agotamiento = corte;
    r.Gamma = (corte.N / d.EscalaN * vx + corte.M / d.EscalaM * vy) / (vx * vx + vy * vy);
    r.Cumple = r.Gamma >= 1.0 - 1e-9;
    return r;
}

Resultado<Combinacion> LeerCombinacion(const FilaCombinacion& f, int fila,
                                       std::string_view campo) {
    using R = Resultado<Combinacion>;
    const std::string sufijo = " de la fila " + std::to_string(fila);
    const auto N = LeerNumero(f.Nd, "Nd (kN)" + sufijo, campo);
    if (!N)
        return N.error();
    const auto M = LeerNumero(f.Md, "Md (kN·m)" + sufijo, campo);
    if (!M)
        return M.error();
    // Un esfuerzo de más de un millón de kN (o kN·m) es un error de escritura.
    constexpr double Tope = 1e6;
    if (std::fabs(*N) > Tope)
        return R::Error("El axil Nd de la fila " + std::to_string(fila) +
                            " debe estar entre −1000000 y 1000000 kN (se ha dado " + f.Nd + ").",
                        std::string(campo));
    if (std::fabs(*M) > Tope)
        return R::Error("El momento Md de la fila " + std::to_string(fila) +
                            " debe estar entre −1000000 y 1000000 kN·m (se ha dado " + f.Md + ").",
                        std::string(campo));
    Combinacion c;
    c.Nombre = f.Nombre.empty() ? std::to_string(fila) : f.Nombre;
    c.Nd = *N * 1e3;
    c.Md = *M * 1e6;
    return c;
}

namespace {

std::string Recortar(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r' || s.front() == '"'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '"'))
        s.remove_suffix(1);
    return std::string(s);
}

std::vector<std::string> Columnas(std::string_view linea) {
    const char sep = linea.find('\t') != std::string_view::npos ? '\t' : ';';
    std::vector<std::string> c;
    std::size_t inicio = 0;
    for (;;) {
        const auto fin = linea.find(sep, inicio);
        c.push_back(Recortar(linea.substr(inicio, fin - inicio)));
        if (fin == std::string_view::npos)
            break;
        inicio = fin + 1;
    }
    while (!c.empty() && c.back().empty())
        c.pop_back();
    return c;
}

} // namespace

std::vector<FilaCombinacion> PartirTablaPegada(std::string_view texto) {
    std::vector<FilaCombinacion> filas;
    bool primera = true;
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        auto fin = texto.find('\n', inicio);
        if (fin == std::string_view::npos)
            fin = texto.size();
        const auto c = Columnas(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
        if (c.empty())
            continue;
        FilaCombinacion f;
        if (c.size() == 1)
            f.Nd = c[0];
        else if (c.size() == 2)
            f.Nd = c[0], f.Md = c[1];
        else
            f.Nombre = c[0], f.Nd = c[1], f.Md = c[2];
        const bool titulos =
            primera && !LeerNumero(f.Nd, "Nd") && !LeerNumero(f.Md, "Md") && !f.Nd.empty();
        primera = false;
        if (!titulos)
            filas.push_back(std::move(f));
    }
    return filas;
}

double EnKN(double N) { return N * 1e-3; }
double EnKNm(double Nmm) { return Nmm * 1e-6; }

ValoresInteraccion Valores(const DiagramaInteraccion& d) {
    const auto milesima = [](double v) { return std::round(v * 1000.0) / 1000.0; };
    ValoresInteraccion v{EnKN(d.N0), EnKN(d.Ntraccion), EnKNm(d.Mmax), EnKNm(d.Mmin), {}};
    for (const auto& p : d.Curva())
        v.Curva.push_back({milesima(EnKN(p.N)), milesima(EnKNm(p.M))});
    return v;
}

RotulosInteraccion RotularInteraccion(const DiagramaInteraccion& d) {
    RotulosInteraccion r;
    r.N0 = Formatear(EnKN(d.N0), 10, 1) + " kN";
    r.Ntraccion = Formatear(EnKN(d.Ntraccion), 10, 1) + " kN";
    r.Mmax = Formatear(EnKNm(d.Mmax), 10, 1) + " kN·m";
    r.Mmin = Formatear(EnKNm(d.Mmin), 10, 1) + " kN·m";
    r.Materiales = "Materiales (N/mm²):<br>f<sub>cd</sub> = " + Formatear(d.Materiales.fcd, 0, 2) +
                   " &nbsp; f<sub>yd</sub> = " + Formatear(d.Materiales.fyd, 0, 2) +
                   " &nbsp; f<sub>ycd</sub> = " + Formatear(d.Materiales.fycd, 0, 2);
    return r;
}

namespace {

// Hasta tres decimales, sin ceros sobrantes.
std::string SinCeros(double v) {
    std::string s = Formatear(v, 0, 3);
    while (s.find('.') != std::string::npos && (s.back() == '0' || s.back() == '.'))
        s.pop_back();
    return s;
}

} // namespace

std::string TextoAreaCm2(double mm2) { return Formatear(mm2 / CampoAreaA1.factor, 0, 4); }
std::string RotuloAreaCm2(double mm2) { return Formatear(mm2 / CampoAreaA1.factor, 10, 4); }
std::string TextoLongitudM(double mm) { return Formatear(mm * 1e-3, 0, 3); }
std::string TextoAxilKN(double N) { return SinCeros(EnKN(N)); }
std::string TextoMomentoKNm(double Nmm) { return SinCeros(EnKNm(Nmm)); }

std::string PistaCombinacion(const ComprobacionCombinacion& c) {
    std::string nombre;
    for (char ch : c.Carga.Nombre)
        nombre += ch == '<' ? std::string("&lt;") : ch == '&' ? std::string("&amp;") : std::string(1, ch);
    std::string p = "<p style=\"white-space:nowrap\"><b>" + nombre + "</b><br>N<sub>d</sub> = " +
                    Formatear(c.Carga.Nd * 1e-3, 0, 1) + " kN<br>M<sub>d</sub> = " +
                    Formatear(c.Carga.Md * 1e-6, 0, 1) + " kN·m";
    if (c.Nula)
        return p + "<br>Sin esfuerzos</p>";
    return p + "<br>γ = " + Formatear(c.Gamma, 0, 3) + " — " + TextoVeredicto(c) +
           "<br>Agotamiento en N = " + Formatear(c.Agotamiento.N * 1e-3, 0, 1) + " kN,<br>M = " +
           Formatear(c.Agotamiento.M * 1e-6, 0, 1) + " kN·m</p>";
}

std::string TextoGamma(const ComprobacionCombinacion& c) {
    return c.Nula ? std::string("sin carga") : Formatear(c.Gamma, 7, 3);
}

std::string TextoVeredicto(const ComprobacionCombinacion& c) {
    return c.Cumple ? "Cumple" : "No cumple";
}

namespace {

std::string Decimal(double v, int decimales) {
    std::string s = Formatear(v, 0, decimales);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string CampoCsv(const std::string& s) {
    if (s.find_first_of(";\"\n") == std::string::npos)
        return s;
    std::string r = "\"";
    for (char ch : s)
        r += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return r + "\"";
}

} // namespace

std::string CsvCurva(const DiagramaInteraccion& d) {
    std::string s = "N (kN);M (kN·m)\n";
    for (const auto& v : d.Contorno)
        s += Decimal(v.P.N * 1e-3, 3) + ";" + Decimal(v.P.M * 1e-6, 3) + "\n";
    return s;
}

std::string CsvCombinaciones(const std::vector<ComprobacionCombinacion>& c) {
    std::string s = "Nombre;Nd (kN);Md (kN·m);γ;Resultado\n";
    for (const auto& x : c) {
        s += CampoCsv(x.Carga.Nombre) + ";" + Decimal(x.Carga.Nd * 1e-3, 3) + ";" +
             Decimal(x.Carga.Md * 1e-6, 3) + ";" +
             (x.Nula ? std::string("sin carga") : Decimal(x.Gamma, 3)) + ";" +
             TextoVeredicto(x) + "\n";
    }
    return s;
}

} // namespace velmora
