#include "section/CalculoSeccion.h"

#include "common/Numeros.h"
#include "section/DimensionarSeccion.h"

#include <cmath>

namespace velmora {

DatosSeccionTexto DatosSeccionIniciales() {
    DatosSeccionTexto d;
    d.Rectangular = true;
    d.h = "0.40";
    d.b = "0.30";
    d.d2 = "0.03";
    d.d1 = "0.03";
    return d;
}

DatosSeccionTexto DatosSeccionTIniciales() {
    DatosSeccionTexto d;
    d.Rectangular = false;
    d.h = "1.00";
    d.hf = "0.20";
    d.b = "1.00";
    d.bw = "0.20";
    d.d2 = "0.10";
    d.d1 = "0.10";
    return d;
}

Estado LeerGeometria(EstadoDiseno& e, const DatosSeccionTexto& datos) {
    const CamposGeometria c = datos.Rectangular ? CamposDatosSeccion() : CamposDatosSeccionT();
    struct Campo {
        const std::string* texto;
        const char* nombre;
        const std::string* control;
        double* destino;
    };
    EstadoDiseno t = e;
    t.SeccionRectangular = datos.Rectangular;
    // En el orden de los campos de cada ventana.
    std::vector<Campo> campos;
    campos.push_back({&datos.h, "Canto h", &c.h, &t.h});
    if (!datos.Rectangular)
        campos.push_back({&datos.hf, "Canto de la cabeza hf", &c.hf, &t.hf});
    campos.push_back({&datos.b, "Ancho b", &c.b, &t.b});
    if (!datos.Rectangular)
        campos.push_back({&datos.bw, "Anchura del alma bw", &c.bw, &t.bw});
    campos.push_back({&datos.d2, "Recubrimiento d2", &c.d2, &t.d2});
    campos.push_back({&datos.d1, "Recubrimiento d1", &c.d1, &t.d1});
    for (const auto& campo : campos) {
        const auto v = LeerNumero(*campo.texto, campo.nombre, *campo.control);
        if (!v)
            return v.error();
        *campo.destino = *v * 1000.0; // m → mm
    }
    if (auto r = ComprobarGeometria(t, c); !r)
        return r;
    e.SeccionRectangular = t.SeccionRectangular;
    e.h = t.h;
    e.b = t.b;
    e.d2 = t.d2;
    e.d1 = t.d1;
    if (!datos.Rectangular) {
        e.hf = t.hf;
        e.bw = t.bw;
    }
    return Correcto();
}

Estado LeerSolicitaciones(EstadoDiseno& e, std::string_view Valor5, std::string_view Valor6,
                          int DatoConocido) {
    const auto n = LeerNumero(Valor6, "Esfuerzo normal", "Valor6");
    if (!n)
        return n.error();
    const bool excentricidad = DatoConocido == 1;
    const auto v5 =
        LeerNumero(Valor5, excentricidad ? "Excentricidad" : "Momento flector", "Valor5");
    if (!v5)
        return v5.error();
    const double Nd = std::fabs(*n); // kN
    double Md, e0;                   // kN·m, m
    if (excentricidad) {
        e0 = std::fabs(*v5);
        Md = e0 * Nd;
    } else {
        Md = std::fabs(*v5);
        e0 = Nd > 0.0 ? Md / Nd : 0.0;
    }
    const double MdN = Md * 1000000.0, NdN = Nd * 1000.0, e0mm = e0 * 1000.0;
    if (!std::isfinite(NdN))
        return Estado::Error("El dato «Esfuerzo normal» es demasiado grande.", "Valor6");
    if (!std::isfinite(MdN) || !std::isfinite(e0mm))
        return Estado::Error(std::string("El dato «") +
                                 (excentricidad ? "Excentricidad" : "Momento flector") +
                                 "» es demasiado grande.",
                             "Valor5");
    e.Md = MdN;
    e.Nd = NdN;
    e.e0 = e0mm;
    return Correcto();
}

Resultado<CalculoSeccionResultado> CalcularSeccion(EstadoDiseno& e, const DatosSeccionTexto& datos,
                                                   int TipoElemento, int DesignacionAcero,
                                                   std::string_view DiametroTraccion,
                                                   std::string_view DiametroCompresion) {
    // Se trabaja sobre una copia: un error deja el estado como estaba.
    EstadoDiseno t = e;
    t.IndiceEs = 2;
    t.CuantiaMecanica = t.CuantiaGeometrica = t.MinimaCompresion = false;
    if (auto r = LeerGeometria(t, datos); !r)
        return r.error();
    if (auto r = LeerSolicitaciones(t, datos.Valor5, datos.Valor6, datos.DatoConocido); !r)
        return r.error();
    if (auto r = DimensionarSeccion(t, TipoElemento, DesignacionAcero); !r)
        return r.error();

    CalculoSeccionResultado res;
    res.Rotulos = MostrarResultados(t, TipoElemento);
    if (auto n = NumeroBarrasTraccion(t, DiametroTraccion))
        res.NumeroA1 = *n;
    else
        res.Avisos.push_back(n.error());
    if (auto n = NumeroBarrasCompresion(t, DiametroCompresion))
        res.NumeroA2 = *n;
    else
        res.Avisos.push_back(n.error());
    e = std::move(t);
    return res;
}

Estado PrepararMomento(EstadoDiseno& e, const DatosSeccionTexto& datos) {
    EstadoDiseno t = e;
    t.IndiceEs = 2;
    if (auto r = LeerGeometria(t, datos); !r)
        return r;
    if (auto r = ComprobarMateriales(t); !r)
        return r;
    CalcularLimites(t);
    e = std::move(t);
    return Correcto();
}

} // namespace velmora
