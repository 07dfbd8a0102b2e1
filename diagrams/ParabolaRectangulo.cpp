#include "diagrams/ParabolaRectangulo.h"

#include "common/Numeros.h"
#include "section/BloqueComprimido.h"
#include "section/DimensionarSeccion.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int PuntosBloque = 100;

std::size_t Situacion(int i) {
    return (i == 1) ? 1u : 0u;
}

// Deformación a la profundidad y con el perfil de pivotes del último BloqueComprimido.
double DeformacionEn(const EstadoDiseno& e, double y) {
    if (e.x > e.h)
        return e.epsC - (e.epsC - e.epsCInf) * y / e.h;
    return e.epsC * (e.x - y) / e.x;
}

} // namespace

std::string TextoEtiquetaHormigon(std::string_view ResistenciaCaracteristica) {
    return "Hormigón HA-" + std::string(ResistenciaCaracteristica);
}

std::string TextoEtiquetaGammac(const EstadoDiseno& e, int SituacionProyecto) {
    return "= " + Formatear(e.TablaGammaC[Situacion(SituacionProyecto)], 4, 2);
}

double TensionHormigon(double eps, double fcd) {
    if (!(eps > 0.0))
        return 0.0;
    if (eps <= 0.002)
        return 0.85 * fcd * (1000.0 * eps - 250000.0 * eps * eps);
    return 0.85 * fcd;
}

Resultado<RotulosParabola> CalcularParabola(EstadoDiseno& e, const DatosParabola& datos) {
    const bool enT = datos.TipoSeccion == 1;
    struct Campo {
        const std::string& texto;
        const char* nombre;
        const char* control;
        double valor = 0.0;
    };
    Campo campos[] = {{datos.Valor1, "Canto h", "Valor1"},
                      {datos.Valor2, enT ? "Ancho del ala b" : "Ancho b", "Valor2"},
                      {datos.Valor3, "Recubrimiento d1", "Valor3"},
                      {datos.Valor4, "Canto del ala hf", "Valor4"},
                      {datos.Valor5, "Ancho del alma bw", "Valor5"},
                      {datos.Valor6, "Profundidad de la fibra neutra x", "Valor6"},
                      {datos.ResistenciaCaracteristica, "Resistencia característica fck",
                       "ResistenciaCaracteristica"}};
    for (auto& c : campos) {
        if (!enT &&
            (std::string_view(c.control) == "Valor4" || std::string_view(c.control) == "Valor5"))
            continue; // ocultos en la sección rectangular
        const auto v = LeerNumero(c.texto, c.nombre, c.control);
        if (!v)
            return v.error();
        c.valor = *v;
    }

    // Se trabaja sobre una copia: el estado sólo cambia si todo es válido.
    EstadoDiseno t = e;
    t.h = 1000.0 * campos[0].valor;
    t.b = 1000.0 * campos[1].valor;
    t.d1 = 1000.0 * campos[2].valor;
    t.d = t.h - t.d1;
    t.SeccionRectangular = !enT;
    if (enT) {
        t.hf = 1000.0 * campos[3].valor;
        t.bw = 1000.0 * campos[4].valor;
    }
    t.fck = campos[6].valor;
    t.gammaC = t.TablaGammaC[Situacion(datos.SituacionProyecto)];
    t.fcd = t.fck / t.gammaC;
    t.x = 1000.0 * campos[5].valor;

    if (!(t.fck > 0.0))
        return Resultado<RotulosParabola>::Error(
            "La resistencia característica del hormigón debe ser mayor que cero (se ha escrito «" +
                datos.ResistenciaCaracteristica + "»).",
            "ResistenciaCaracteristica");
    {
        // La misma comprobación de la geometría que las secciones; esta herramienta no tiene
        // armadura de compresión (d2 no interviene).
        EstadoDiseno g = t;
        g.d2 = 0.0;
        CamposGeometria nombres;
        nombres.h = "Valor1";
        nombres.b = "Valor2";
        nombres.d1 = "Valor3";
        nombres.hf = "Valor4";
        nombres.bw = "Valor5";
        if (const auto r = ComprobarGeometria(g, nombres); !r)
            return r.error();
    }
    if (!(t.x > 0.0))
        return Resultado<RotulosParabola>::Error(
            "La profundidad de la fibra neutra x debe ser mayor que cero.", "Valor6");

    BloqueComprimido(t, t.x);
    if (!std::isfinite(t.Cc) || !std::isfinite(t.yc) || !(t.Cc > 0.0) || t.yc < 0.0 || t.yc > t.h)
        return Resultado<RotulosParabola>::Error(MensajeValoresNoFinitos, "Valor6");

    e = t;
    return RotulosParabola{"C  = " + Formatear(e.Cc * 0.001, 8, 3) + " kN",
                           "x   =  " + Formatear(e.yc * 0.001, 8, 3) + " m"};
}

DibujoBloque CalcularDibujoBloque(const EstadoDiseno& e) {
    DibujoBloque d;
    d.Rectangular = e.SeccionRectangular;
    d.h = e.h;
    d.b = e.b;
    d.bw = e.SeccionRectangular ? e.b : e.bw;
    d.hf = e.SeccionRectangular ? 0.0 : e.hf;
    d.d1 = e.d1;
    d.x = e.x;
    d.yc = e.yc;
    d.Cc = e.Cc;
    d.fcd = e.fcd;
    if (!(e.x > 0.0) || !(e.h > 0.0) || !(e.epsC > 0.0))
        return d;
    d.epsC = e.epsC;
    d.epsInf = DeformacionEn(e, e.h);
    const double fondo = std::min(e.x, e.h);
    for (int i = 0; i <= PuntosBloque; ++i) {
        const double y = fondo * i / PuntosBloque;
        d.Tensiones.push_back({y, TensionHormigon(DeformacionEn(e, y), e.fcd)});
    }
    return d;
}

} // namespace velmora
